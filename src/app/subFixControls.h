#pragma once

namespace modMain {

// Lays out the report window in use for its view mode and size.
void subFixControls();

}
