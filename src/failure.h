// The one way out of a failed run: a message on the console, both files closed, status 1.
// opening, the layer-code question and treatment end through it.
#pragma once

#include <string_view>

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;

/// Shows the message ("%s" in it stands for arg) and ends the run as end_failed_run does.
[[noreturn]] void fail(std::string_view message, std::string_view arg = {});

/// Closes whatever file is open and ends the process with kExitFailure.
[[noreturn]] void end_failed_run();
