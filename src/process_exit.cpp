#include "process_exit.h"

#include <cstdlib>

void exit_process(int status) { std::exit(status); }
