// The key press that holds a message on the screen before the program ends. Used once, after
// the message for a missing input file. key_wait_posix.cpp reads it from a terminal,
// key_wait_windows.cpp from the Windows console.
#pragma once

namespace polydump {

/// Waits for one key read from the keyboard without echo and without Enter; a function or
/// cursor key is taken whole (its escape sequence, or the two codes a Windows console gives),
/// so none of it reaches the shell afterwards. When standard input is not a terminal (not a
/// console on Windows) there is no keyboard and it returns at once.
void wait_for_key();

}  // namespace polydump
