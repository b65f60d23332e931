#pragma once

namespace platform {

// Whether a change made in code raises the events that the same change by the user would.
// Setters that can raise events take it, so that every caller says which it means.
enum class Notify { Raise, Quiet };

}
