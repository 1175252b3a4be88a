#include "failure.h"

#include "console.h"
#include "globals.h"
#include "process_exit.h"

void fail(std::string_view message, std::string_view arg) {
  polydump::console_write(message, arg);
  end_failed_run();
}

void end_failed_run() {
  if (f1.is_open()) f1.close();
  if (f2.is_open()) f2.close();
  exit_process(kExitFailure);
}
