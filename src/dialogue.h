// The questions of the dialogue: a prompt on the console and an answer read from standard
// input, one word or one integer, words left on a line answering the following questions.
// Used by opening (folder and file names) and by the layer-code question.
#pragma once

#include <cstddef>

namespace polydump {

class TextInput;

/// Standard input as a text stream, from which every answer is read.
TextInput& console_input();

/// Shows the prompt and reads one word into answer, asking again while the word is longer
/// than room characters. Ends the run when the console input has ended.
void ask_word(const char* prompt, char* answer, std::size_t room);

/// Shows the prompt and reads a decimal integer, asking again while the reply is no integer
/// from first to last; such a reply is dropped with the rest of its line. Ends the run when
/// the console input has ended.
int ask_choice(const char* prompt, int first, int last);

}  // namespace polydump
