// The console as a text stream: every line feed written as CR LF, nothing held back, so a
// prompt is on the screen before the program waits for its answer. Used by the dialogue and
// by the failure messages.
#pragma once

#include <string_view>

namespace polydump {

/// Writes text to standard output at once.
void console_write(std::string_view text);

/// Writes a message in which "%s" stands for arg.
void console_write(std::string_view format, std::string_view arg);

}  // namespace polydump
