#pragma once

// The program's one orderly end. It belongs to the start-up module but every layer
// reaches it, so it lives with the common services.
namespace modMain {

// Closes every loaded window, newest first (stopping at one that refuses), releases the
// file-system object and ends the process at once.
[[noreturn]] void subEndProgram();

// True once the end has begun: a window that closes during it must not end the program a
// second time.
bool programEnding();
void resetProgramEndForTests();

}
