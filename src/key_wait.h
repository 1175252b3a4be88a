// The key press that holds a message on the screen before the program ends. Used once, after
// the message for a missing input file.
#pragma once

namespace polydump {

/// Waits for one key read from the keyboard without echo and without Enter; a function or
/// cursor key's whole escape sequence is taken, so none of it reaches the shell afterwards.
/// When standard input is not a terminal there is no keyboard and it returns at once.
void wait_for_key();

}  // namespace polydump
