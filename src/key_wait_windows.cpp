#include "key_wait.h"

#include <conio.h>
#include <windows.h>

namespace polydump {
namespace {

// _getch gives a function or cursor key as two codes: one of these, then the key's own code.
constexpr int kFunctionKeyLead = 0x00;
constexpr int kCursorKeyLead = 0xE0;

}  // namespace

void wait_for_key() {
  // Standard input redirected from a file or a pipe has no console mode: there is no keyboard.
  DWORD mode = 0;
  if (!GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode)) return;
  const int key = _getch();
  if (key == kFunctionKeyLead || key == kCursorKeyLead) _getch();
}

}  // namespace polydump
