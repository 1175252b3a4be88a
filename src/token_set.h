// A few words that a text input can skip to, such as the four keywords the drawing scan acts
// on. Knowing which bytes start them lets TextInput::skip_to_token search the block for those
// bytes instead of taking the tokens one by one.
#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string_view>

namespace polydump {

class TokenSet {
 public:
  // The scan needs four; a few more cost nothing.
  static constexpr std::size_t kMaxWords = 8;

  /// The words: each has at least one byte and fewer than the 79 that a token read keeps, and
  /// no white space, carriage return or NUL.
  constexpr TokenSet(std::initializer_list<std::string_view> words) {
    for (std::string_view word : words) {
      words_[count_++] = word;
      const auto first = static_cast<unsigned char>(word[0]);
      if (!starts_word_[first]) first_bytes_[first_byte_count_++] = first;
      starts_word_[first] = true;
    }
  }

  /// Whether token is one of the words.
  constexpr bool contains(std::string_view token) const {
    for (std::size_t i = 0; i < count_; ++i)
      if (words_[i].size() == token.size() && words_[i][0] == token[0] && words_[i] == token) return true;
    return false;
  }
  /// Whether some word starts with the byte c.
  constexpr bool may_start(char c) const { return starts_word_[static_cast<unsigned char>(c)]; }
  std::size_t size() const { return count_; }
  std::string_view operator[](std::size_t i) const { return words_[i]; }

  /// The distinct bytes that start the words.
  std::size_t first_byte_count() const { return first_byte_count_; }
  int first_byte(std::size_t i) const { return first_bytes_[i]; }

 private:
  std::array<std::string_view, kMaxWords> words_{};
  std::size_t count_ = 0;
  std::array<bool, 256> starts_word_{};
  std::array<unsigned char, kMaxWords> first_bytes_{};  // each byte that starts a word, once
  std::size_t first_byte_count_ = 0;
};

}  // namespace polydump
