// The formatted reads of the text stream: what each takes, the value, and what stays unread,
// with the input cut into blocks of every small size so that a token may lie across two.
#include "text_input.h"

#include "sixteen_bytes.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <bit>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>

namespace {

using polydump::TextInput;

// A temporary file holding the bytes, read through a TextInput with the given block size.
class InputFile {
 public:
  InputFile(const std::string& bytes, std::size_t block_size) {
    char name[] = "/tmp/polydump-input-XXXXXX";
    const int fd = mkstemp(name);
    path_ = name;
    if (::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) ADD_FAILURE();
    ::close(fd);
    EXPECT_TRUE(input.open(path_.c_str(), block_size));
  }
  ~InputFile() {
    input.close();
    std::remove(path_.c_str());
  }
  // The next token, or "<end>".
  std::string rest() {
    char token[80];
    return input.read_token(token, sizeof token).ok ? token : "<end>";
  }
  TextInput input;

 private:
  std::string path_;
};

const std::size_t kBlockSizes[] = {1, 2, 3, 7, TextInput::kDefaultBlockSize};

struct DoubleCase {
  std::string text;
  bool ok;
  double value;
  const char* rest;
};

TEST(TextInput, DoubleReads) {
  const double inf = HUGE_VAL;
  const DoubleCase cases[] = {
      {"12.5 x", true, 12.5, "x"},
      {"-406506.81444\r\n y", true, -406506.81444, "y"},
      {"12\r.5 x", true, 12.5, "x"},
      {"1.5\re2 x", true, 150, "x"},
      {"  \n-5.5", true, -5.5, "<end>"},
      {"+7", true, 7, "<end>"},
      {"1e5", true, 1e5, "<end>"},
      {"1E-2x", true, 0.01, "x"},
      {"-.5e+1", true, -5, "<end>"},
      {"1e x", true, 1, "e"},
      {"1ex", true, 1, "ex"},
      {"1e+x", true, 1, "e+x"},
      {"1E-", true, 1, "E-"},
      {"1.5.3", true, 1.5, ".3"},
      {".5", true, 0.5, "<end>"},
      {"5.", true, 5, "<end>"},
      {"0x1A", true, 0, "x1A"},
      {"10abc", true, 10, "abc"},
      {".", false, 0, "<end>"},
      {"-.x", false, 0, "x"},
      {"-abc", false, 0, "abc"},
      {"abc", false, 0, "abc"},
      {"inf", false, 0, "inf"},
      {"nan", false, 0, "nan"},
      {"INF", false, 0, "INF"},
      {"+INX", false, 0, "INX"},
      {"-IN", false, 0, "IN"},
      {"+NA", false, 0, "NA"},
      {"+INF", true, inf, "<end>"},
      {"-INF", true, -inf, "<end>"},
      {"-INFINITY", true, -inf, "INITY"},
      {"1e400", true, inf, "<end>"},
      {"-1e400", true, -inf, "<end>"},
      {"1e99999999999999999999", true, inf, "<end>"},
      {"1e-400", true, 0, "<end>"},
      {"4.9e-324", true, 4.9406564584124654e-324, "<end>"},
      {"0.000" + std::string(400, '0') + "1e410", true, 1e6, "<end>"},
      {"1\r2.\r5", true, 12.5, "<end>"},
      {"", false, 0, "<end>"},
      {" \x1A" "5", false, 0, "<end>"},
  };
  for (const DoubleCase& c : cases) {
    for (std::size_t block : kBlockSizes) {
      SCOPED_TRACE(c.text + " in blocks of " + std::to_string(block));
      InputFile file(c.text, block);
      const polydump::DoubleRead read = file.input.read_double();
      EXPECT_EQ(read.ok, c.ok);
      if (c.ok) {
        EXPECT_EQ(read.value, c.value);
      }
      EXPECT_EQ(file.rest(), c.rest);
    }
  }
}

TEST(TextInput, NotANumberWordsKeepTheirSign) {
  InputFile file("+NAN -NAN", 3);
  const double positive = file.input.read_double().value;
  const double negative = file.input.read_double().value;
  EXPECT_TRUE(std::isnan(positive) && !std::signbit(positive));
  EXPECT_TRUE(std::isnan(negative) && std::signbit(negative));
}

TEST(TextInput, DoubleReadsAgreeWithStrtod) {
  // Random numbers inside the grammar, long mantissas and extreme exponents included.
  std::mt19937_64 random(7);
  const char* const digits = "0123456789";
  for (int i = 0; i < 3000; ++i) {
    std::string text;
    if (random() % 2) text += random() % 2 ? '-' : '+';
    const int integer_digits = static_cast<int>(random() % (i % 10 == 0 ? 40 : 8));
    for (int d = 0; d < integer_digits; ++d) text += digits[random() % 10];
    text += '.';
    const int fraction_digits = 1 + static_cast<int>(random() % (i % 7 == 0 ? 900 : 12));
    for (int d = 0; d < fraction_digits; ++d) text += digits[random() % 10];
    if (random() % 3 == 0) {
      text += 'e';
      text += std::to_string(static_cast<int>(random() % 700) - 350);
    }
    // A line end after the number lets short numbers be taken whole in the block.
    if (random() % 2) text += "\r\n";
    SCOPED_TRACE(text);
    InputFile file(text, i % 2 ? 5 : TextInput::kDefaultBlockSize);
    const polydump::DoubleRead read = file.input.read_double();
    ASSERT_TRUE(read.ok);
    EXPECT_EQ(read.value, std::strtod(text.c_str(), nullptr));
  }
}

TEST(SixteenBytes, MasksAgreeWithTheByteByByteOnes) {
  // Every byte value at every place, among random neighbours.
  std::mt19937 random(16);
  char chunk[polydump::sixteen_bytes::kWidth];
  for (int place = 0; place < polydump::sixteen_bytes::kWidth; ++place) {
    for (int byte = 0; byte < 256; ++byte) {
      for (char& c : chunk) c = static_cast<char>(random() % 4 == 0 ? "\r\n \t"[random() % 4] : random());
      chunk[place] = static_cast<char>(byte);
      SCOPED_TRACE("byte " + std::to_string(byte) + " at " + std::to_string(place));
      EXPECT_EQ(polydump::sixteen_bytes::between_tokens(chunk), polydump::sixteen_bytes::between_tokens_bytewise(chunk));
      EXPECT_EQ(polydump::sixteen_bytes::equal(chunk, '\r'), polydump::sixteen_bytes::equal_bytewise(chunk, '\r'));
      const std::uint32_t marks = polydump::sixteen_bytes::between_tokens(chunk);
      EXPECT_EQ(polydump::sixteen_bytes::count(marks), std::popcount(marks));
    }
  }
}

struct IntCase {
  const char* text;
  bool ok;
  bool in_range;
  int value;
  const char* rest;
};

TEST(TextInput, IntReads) {
  const IntCase cases[] = {
      {"10.5", true, true, 10, ".5"},
      {"-7", true, true, -7, "<end>"},
      {"+20 x", true, true, 20, "x"},
      {"2abc", true, true, 2, "abc"},
      {"+-3", false, false, 0, "-3"},
      {"-", false, false, 0, "<end>"},
      {"x", false, false, 0, "x"},
      {".5", false, false, 0, ".5"},
      {"2147483647", true, true, 2147483647, "<end>"},
      {"-2147483648", true, true, -2147483647 - 1, "<end>"},
      {"2147483648", true, false, 0, "<end>"},
      {"-2147483649", true, false, 0, "<end>"},
      {"-21474836480", true, false, 0, "<end>"},  // its first ten digits alone would be the least int
      {"99999999999999999999999 y", true, false, 0, "y"},
      {"1\r0", true, true, 10, "<end>"},
      {"-42\r\n y", true, true, -42, "y"},
      {"12\r34 x", true, true, 1234, "x"},
  };
  for (const IntCase& c : cases) {
    for (std::size_t block : kBlockSizes) {
      SCOPED_TRACE(std::string(c.text) + " in blocks of " + std::to_string(block));
      InputFile file(c.text, block);
      const polydump::IntRead read = file.input.read_int();
      EXPECT_EQ(read.ok, c.ok);
      EXPECT_EQ(read.in_range, c.in_range);
      if (c.in_range) {
        EXPECT_EQ(read.value, c.value);
      }
      EXPECT_EQ(file.rest(), c.rest);
    }
  }
}

TEST(TextInput, TokenReads) {
  struct Case {
    std::string text;
    std::vector<std::string> tokens;
  };
  const Case cases[] = {
      {"  abc \n\tdef\v\fg ", {"abc", "def", "g"}},
      {"a\rb\r\nc\r", {"ab", "c"}},
      {std::string("a\0b", 3), {"a", "b"}},
      {"ab\x1A" "cd", {"ab"}},
      {"\x80\xff \x01", {"\x80\xff", "\x01"}},
      {"", {}},
      {" \r\n ", {}},
  };
  for (const Case& c : cases) {
    for (std::size_t block : kBlockSizes) {
      SCOPED_TRACE("blocks of " + std::to_string(block));
      InputFile file(c.text, block);
      for (const std::string& token : c.tokens) EXPECT_EQ(file.rest(), token);
      EXPECT_EQ(file.rest(), "<end>");
      EXPECT_EQ(file.rest(), "<end>");
    }
  }
}

TEST(TextInput, LongTokenIsTakenWholeAndCut) {
  for (std::size_t block : kBlockSizes) {
    InputFile file(std::string(100, 'x') + "\r\n" + std::string(79, 'y') + " z", block);
    char token[80] = "unchanged";
    polydump::TokenRead read = file.input.read_token(token, sizeof token);
    EXPECT_TRUE(read.ok);
    EXPECT_EQ(read.length, 100u);
    EXPECT_EQ(std::string(token), std::string(79, 'x'));
    read = file.input.read_token(token, sizeof token);
    EXPECT_EQ(read.length, 79u);
    EXPECT_EQ(std::string(token), std::string(79, 'y'));
    EXPECT_TRUE(file.input.read_token(token, sizeof token).ok);
    EXPECT_FALSE(file.input.read_token(token, sizeof token).ok);
    EXPECT_EQ(std::string(token), "z");  // a failed read leaves the buffer as it was
  }
}

TEST(TextInput, DiscardLineAndEnd) {
  InputFile file("x y\n-\nz", 2);
  EXPECT_FALSE(file.input.read_int().ok);
  EXPECT_TRUE(file.input.discard_line());
  EXPECT_FALSE(file.input.read_int().ok);  // takes the sign and stops before the line feed
  EXPECT_TRUE(file.input.discard_line());
  EXPECT_FALSE(file.input.at_end());
  EXPECT_EQ(file.rest(), "z");
  EXPECT_TRUE(file.input.at_end());
  EXPECT_FALSE(file.input.discard_line());
}

TEST(TextInput, ReadErrorEndsTheInput) {
  TextInput input;
  ASSERT_TRUE(input.open("/"));
  char token[80];
  EXPECT_FALSE(input.read_token(token, sizeof token).ok);
  EXPECT_NE(input.read_error(), 0);
  input.close();
}

}  // namespace
