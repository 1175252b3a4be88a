// The end of the process, reached by every failed run through end_failed_run. The program
// exits; the dialogue fuzzer links its own definition, which hands the status back to it so
// that one process can run the dialogue again and again.
#pragma once

/// Ends the process with status.
[[noreturn]] void exit_process(int status);
