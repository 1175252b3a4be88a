#include "dialogue.h"

#include <unistd.h>

#include <algorithm>
#include <string>

#include "console.h"
#include "failure.h"
#include "text_input.h"

namespace polydump {

TextInput& console_input() {
  // Typed lines are short; a small block is plenty and reads of a pipe stay small too.
  static TextInput input = [] {
    TextInput in;
    in.attach(STDIN_FILENO, 4096);
    return in;
  }();
  return input;
}

namespace {

[[noreturn]] void console_ended() { fail("\n\tNo answer: the console input has ended\n"); }

}  // namespace

void ask_word(const char* prompt, char* answer, std::size_t room) {
  // The longest answer any question takes, and the terminating NUL.
  constexpr std::size_t kAnswerSize = 128;
  for (;;) {
    console_write(prompt);
    char word[kAnswerSize];
    const TokenRead read = console_input().read_token(word, sizeof word);
    if (!read.ok) console_ended();
    if (read.length <= room) {
      std::copy(word, word + read.length + 1, answer);
      return;
    }
    console_write("\n\tThis answer is too long: at most %s characters here\n", std::to_string(room));
  }
}

int ask_choice(const char* prompt, int first, int last) {
  for (;;) {
    console_write(prompt);
    TextInput& input = console_input();
    const IntRead reply = input.read_int();
    if (reply.ok && reply.in_range && reply.value >= first && reply.value <= last) return reply.value;
    // The rest of the line goes with the reply; a reply that is no number and ends the input
    // leaves nothing to ask again.
    if (!input.discard_line() && !reply.ok) console_ended();
  }
}

}  // namespace polydump
