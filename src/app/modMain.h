#pragma once

namespace modMain {

// The program's start: runs once, before the event loop.
void Main();

}
