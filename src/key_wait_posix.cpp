#include "key_wait.h"

#include <termios.h>
#include <unistd.h>

namespace polydump {
namespace {

constexpr unsigned char kEscape = 0x1B;

// Takes the rest of an escape sequence: the bytes that follow within a tenth of a second.
void drain_sequence() {
  termios quick{};
  tcgetattr(STDIN_FILENO, &quick);
  quick.c_cc[VMIN] = 0;
  quick.c_cc[VTIME] = 1;
  tcsetattr(STDIN_FILENO, TCSANOW, &quick);
  unsigned char byte;
  while (::read(STDIN_FILENO, &byte, 1) == 1) {
  }
}

}  // namespace

void wait_for_key() {
  termios saved{};
  if (!isatty(STDIN_FILENO) || tcgetattr(STDIN_FILENO, &saved) != 0) return;
  termios raw = saved;
  raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  tcsetattr(STDIN_FILENO, TCSANOW, &raw);
  unsigned char key = 0;
  // A function or cursor key sends an escape sequence, a letter such as "é" several bytes.
  if (::read(STDIN_FILENO, &key, 1) == 1 && (key == kEscape || key >= 0x80)) drain_sequence();
  tcsetattr(STDIN_FILENO, TCSANOW, &saved);
}

}  // namespace polydump
