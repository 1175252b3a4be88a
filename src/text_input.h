// A text stream read in large blocks and scanned in place, with the three formatted reads
// "%s", "%d" and "%lf", and a search for the next of a few words that passes over the other
// tokens in the block. The dialogue reads the console through it and the scan reads the drawing.
//
// As a text stream it drops every carriage return wherever it stands (even inside a token) and
// ends at the first Ctrl-Z byte. White space is tab, line feed, vertical tab, form feed and space;
// a NUL byte separates tokens like white space; every other byte belongs to a token.
//
// Number grammar, the longest valid prefix being taken:
//   "%d"   [+-]? digits
//   "%lf"  [+-]? (digits ("." digits?)? | "." digits) ([eE] [+-]? digits)?   or  +INF -INF +NAN -NAN
// so "1e" followed by a non-digit reads 1 and leaves "e..." unread, and "0x1A" reads 0 and leaves
// "x1A". A read that finds no number fails and leaves the rest of the token unread, except a
// leading sign (and, for "%lf", a leading point) that it took, which stays consumed.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "token_set.h"

namespace polydump {

struct TokenRead {
  bool ok;             // false at the end of the input
  std::size_t length;  // length of the whole token, which may exceed what was stored
};

struct IntRead {
  bool ok;        // digits were read
  bool in_range;  // the value fits an int; otherwise value is meaningless
  int value;
};

struct DoubleRead {
  bool ok;
  double value;
};

class TextInput {
 public:
  // 256 KiB blocks keep the read system calls few (four thousand for a gigabyte) while the
  // program's memory stays small and constant; larger ones are no faster.
  static constexpr std::size_t kDefaultBlockSize = std::size_t{256} << 10;
  // Bytes kept after a block, so that sixteen of them can be read at once from any place in it.
  static constexpr std::size_t kLoadPadding = 16;
  // No bound on the tokens skip_to_token passes.
  static constexpr std::size_t kAnyNumber = static_cast<std::size_t>(-1);

  /// Opens the file at path for reading; false when it cannot be opened.
  bool open(const char* path, std::size_t block_size = kDefaultBlockSize);
  /// Reads from an already open descriptor, such as standard input, its bytes taken unchanged;
  /// it is not closed.
  void attach(int fd, std::size_t block_size = kDefaultBlockSize);
  /// Closes the file (not an attached descriptor).
  void close();
  bool is_open() const { return fd_ >= 0; }

  /// "%s": skips white space and takes the next token whole; stores at most capacity-1 bytes
  /// of it in dest, NUL-terminated. At the end of the input dest is left as it was.
  TokenRead read_token(char* dest, std::size_t capacity);
  /// "%s" repeated until the token is one of words, at most max_tokens times: the token those
  /// reads would stop at, found in the block without taking the tokens before it one by one.
  /// Fails at the end of the input, as "%s" does, and when none of the max_tokens tokens is
  /// one of words; the input then stands after them, at the latest where the next of words
  /// begins.
  TokenRead skip_to_token(const TokenSet& words, char* dest, std::size_t capacity,
                          std::size_t max_tokens = kAnyNumber);
  /// "%d".
  IntRead read_int();
  /// "%lf".
  DoubleRead read_double();
  /// Skips the rest of the current line, its line feed included; false when the input ended
  /// before a line feed.
  bool discard_line();
  /// Skips white space; true when nothing is left.
  bool at_end();

  /// The errno of a failed read of the file, 0 when none failed. A failed read ends the input.
  int read_error() const { return error_; }

 private:
  int peek();  // next byte of the text stream, -1 at its end
  void advance() { pending_ ? void(--pending_) : void(++pos_); }
  bool fill();
  // The runs of bytes between tokens and of token bytes (carriage returns end both).
  enum class Run { gap, token };
  // Where the run of the given kind that starts at at ends within the block.
  std::size_t run_end(std::size_t at, Run run) const;
  void skip_space();
  struct WordInBlock {
    std::size_t start, end;  // last_space_ when no word was found
    std::string_view word;
  };
  // The first token from here to last_space_ that is one of words, the current byte being
  // the start of a token.
  WordInBlock find_word_in_block(const TokenSet& words);
  // Where byte next stands in the block from from on, before last_space_; last_space_ when
  // it does not.
  std::size_t next_byte(unsigned char byte, std::size_t from);
  // How many tokens start in [from, to), from starting one, or at least enough when that many
  // do; kUncounted when a carriage return stands right before a token byte there, where only
  // reading the tokens tells whether it joins two parts of one token.
  static constexpr std::size_t kUncounted = static_cast<std::size_t>(-1);
  std::size_t count_tokens(std::size_t from, std::size_t to, std::size_t enough) const;
  bool take_word(const char* rest);  // the rest of INF or NAN after the sign
  // A number at the current byte in its usual short form, a sign, digits and, when a fraction
  // is allowed, a point and more digits, standing whole in the block. Such numbers are taken
  // here in one pass; any other form is left to the walk of the full grammar.
  struct ShortNumber {
    bool ok;  // the form was found
    bool negative;
    std::uint64_t digits;  // all the digits read as one integer (wrapped beyond 19 of them)
    int count;             // digits in all
    int fraction_digits;
    std::size_t end;  // where the input goes on after it and its carriage returns
  };
  ShortNumber short_number(bool with_fraction) const;
  // Hands each digit of the decimal digits that follow to take; false when none follows.
  template <typename Take>
  bool take_digits(Take take);
  void push_back(const char* bytes, std::size_t count);

  int fd_ = -1;
  bool owns_fd_ = false;
  bool source_done_ = false;
  int error_ = 0;
  std::vector<char> buffer_;
  std::size_t block_size_ = kDefaultBlockSize;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  // The last white space byte of the block, 0 when it has none: every token that starts
  // before it also ends before it, so skip_to_token looks at tokens in place only up to here
  // and reads the token that may go on into the next block as "%s" does.
  std::size_t last_space_ = 0;
  // Where in the block each byte next stands, as memchr last found it: the bytes that start
  // keywords are rare in a drawing ("$" only in its header), so a search that ran to
  // last_space_ is not run again until the next block. A place stays right until the scan
  // passes it, as the scan only moves forward within a block.
  static constexpr std::size_t kNotSought = static_cast<std::size_t>(-1);
  std::array<std::size_t, 256> next_byte_at_{};
  // Bytes a number read looked at and gave back ("e+" of "1e+x", "IN" of "+INX"), kept as a
  // stack whose top is the next byte; they come before the buffer. The longest look-ahead is
  // two bytes.
  char pushed_[2] = {};
  std::size_t pending_ = 0;
};

}  // namespace polydump
