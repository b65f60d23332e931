#pragma once

// The program's one orderly end. It belongs to the start-up module but every layer
// reaches it, so it lives with the common services.
namespace modMain {

// Why the program ends: the user's own close (or Cancel), or a failure that leaves it
// nothing to do (no connection, no components, access denied...).
enum class EndCause { Close, Failure };

// Closes every loaded window, newest first (stopping at one that refuses), releases the
// file-system object and ends the process at once: with exit status 1 after a failure or
// the error report, so that a script can tell such an end from a normal close, else 0.
[[noreturn]] void subEndProgram(EndCause cause = EndCause::Close);

// True once the end has begun: a window that closes during it must not end the program a
// second time.
bool programEnding();

}
