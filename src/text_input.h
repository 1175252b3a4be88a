// A text stream read in large blocks and scanned in place, with the three formatted reads
// "%s", "%d" and "%lf". The dialogue reads the console through it and the scan reads the drawing.
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

#include <cstddef>
#include <vector>

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
  // 1 MiB blocks keep the read system calls few while memory stays small and constant.
  static constexpr std::size_t kDefaultBlockSize = std::size_t{1} << 20;

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
  /// "%d".
  IntRead read_int();
  /// "%lf".
  DoubleRead read_double();
  /// Skips the rest of the current line, its line feed included.
  void discard_line();
  /// Skips white space; true when nothing is left.
  bool at_end();

  /// The errno of a failed read of the file, 0 when none failed. A failed read ends the input.
  int read_error() const { return error_; }

 private:
  int peek();  // next byte of the text stream, -1 at its end
  void advance() { pending_ ? void(--pending_) : void(++pos_); }
  bool fill();
  void skip_space();
  bool take_word(const char* rest);  // the rest of INF or NAN after the sign
  void push_back(const char* bytes, std::size_t count);

  int fd_ = -1;
  bool owns_fd_ = false;
  bool source_done_ = false;
  int error_ = 0;
  std::vector<char> buffer_;
  std::size_t block_size_ = kDefaultBlockSize;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  // Bytes a number read looked at and gave back ("e+" of "1e+x", "IN" of "+INX"), kept as a
  // stack whose top is the next byte; they come before the buffer. The longest look-ahead is
  // two bytes.
  char pushed_[2] = {};
  std::size_t pending_ = 0;
};

}  // namespace polydump
