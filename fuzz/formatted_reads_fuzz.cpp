// Fuzzes the formatted reads and the value formatting. The input's first byte picks the block
// size, the next six a program of 16 reads that is run over and over on the rest, the text;
// a deliberately simple reader written from the grammar runs the same program, and the two
// must agree on every result and on what stays unread. Every double read, and every 8 bytes
// of the text taken as a double, is then formatted and read back: the text is what "%.6f"
// prints (no sign on a zero) and reads back as the value rounded to 6 decimals.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "finding.h"
#include "memory_file.h"
#include "reference_reader.h"
#include "text_input.h"
#include "value_format.h"

namespace {

using polydump::TextInput;
using reference::Reader;
using reference::text_stream;

bool same_double(double a, double b) {
  return std::signbit(a) == std::signbit(b) && (a == b || (std::isnan(a) && std::isnan(b)));
}

// Reads the one double in text with the program's reader.
double read_back(const std::string& text) {
  static MemoryFile file;
  file.assign(text);
  TextInput input;
  input.attach(file.fd(), 64);
  const polydump::DoubleRead read = input.read_double();
  if (!read.ok || !input.at_end()) finding("formatted value does not read back whole", text);
  return read.value;
}

void check_format(double value) {
  char out[polydump::kMaxValueChars];
  const std::string text(out, polydump::format_value(value, out));
  std::string expected;
  if (std::isnan(value)) {
    expected = std::signbit(value) ? "-NAN" : "+NAN";
  } else if (std::isinf(value)) {
    expected = value < 0 ? "-INF" : "+INF";
  } else {
    char printed[400];
    std::snprintf(printed, sizeof printed, "%.6f", value);
    expected = printed;
    if (expected.find_first_of("123456789") == std::string::npos && expected[0] == '-') expected.erase(0, 1);
  }
  if (text != expected) finding("value formatted otherwise than %.6f prints it", text + " / " + expected);
  const double back = read_back(text);
  if (!same_double(back, std::isfinite(value) ? std::strtod(expected.c_str(), nullptr) : value))
    finding("formatted value reads back as another value", text);
  if (std::isfinite(value) && std::fabs(back - value) > 5e-7 + std::fabs(value) * 1e-15)
    finding("formatted value further than half a millionth from the value", text);
}

constexpr std::size_t kBlockSizes[] = {1, 2, 3, 5, 8, 64, 4096, TextInput::kDefaultBlockSize};
constexpr std::size_t kHeaderSize = 7;
constexpr int kSteps = 16;

enum class Step { token, short_token, integer, number, line, end };

// Three bits a step: both token reads, both number reads twice as often, the line and end tests.
Step step_of(std::uint64_t program, int index) {
  constexpr Step kSteps8[] = {Step::token,  Step::short_token, Step::integer, Step::number,
                              Step::line,   Step::end,         Step::number,  Step::integer};
  return kSteps8[(program >> (3 * index)) & 7];
}

void check_step(Step step, TextInput& input, Reader& reference, std::vector<double>& read) {
  switch (step) {
    case Step::token:
    case Step::short_token: {
      // A short token buffer shows that a long token is taken whole and only its start kept.
      const std::size_t capacity = step == Step::token ? 80 : 4;
      char got[80] = "untouched", want[80] = "untouched";
      const polydump::TokenRead a = input.read_token(got, capacity);
      const polydump::TokenRead b = reference.read_token(want, capacity);
      if (a.ok != b.ok || a.length != b.length || std::strcmp(got, want) != 0)
        finding("\"%s\" differs", std::string(got) + " / " + want);
      break;
    }
    case Step::integer: {
      const polydump::IntRead a = input.read_int();
      const polydump::IntRead b = reference.read_int();
      if (a.ok != b.ok || a.in_range != b.in_range || (a.in_range && a.value != b.value))
        finding("\"%d\" differs", std::to_string(a.value) + " / " + std::to_string(b.value));
      break;
    }
    case Step::number: {
      const polydump::DoubleRead a = input.read_double();
      const polydump::DoubleRead b = reference.read_double();
      if (a.ok != b.ok || (a.ok && !same_double(a.value, b.value)))
        finding("\"%lf\" differs", std::to_string(a.value) + " / " + std::to_string(b.value));
      if (a.ok) read.push_back(a.value);
      break;
    }
    case Step::line:
      if (input.discard_line() != reference.discard_line()) finding("end of the line seen differently");
      break;
    case Step::end:
      if (input.at_end() != reference.at_end()) finding("end of the input seen differently");
      break;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < kHeaderSize) return -1;
  const std::size_t block_size = kBlockSizes[data[0] & 7];
  std::uint64_t program = 0;
  for (std::size_t i = 1; i < kHeaderSize; ++i) program = program << 8 | data[i];
  const std::string_view bytes(reinterpret_cast<const char*>(data) + kHeaderSize, size - kHeaderSize);

  static MemoryFile file;
  file.assign(bytes);
  TextInput input;
  input.attach(file.fd(), block_size);
  Reader reference(text_stream(bytes));
  std::vector<double> read;

  // The program runs until a whole round of it leaves the reference where it was.
  for (std::size_t before = SIZE_MAX; before != reference.position();) {
    before = reference.position();
    for (int i = 0; i < kSteps; ++i) check_step(step_of(program, i), input, reference, read);
  }
  // What stays unread, token by token, with the long tokens kept whole.
  for (bool more = true; more;) {
    check_step(Step::token, input, reference, read);
    more = !reference.at_end();
  }
  if (!input.at_end()) finding("the program's reader has more left than the reference");

  for (const double value : read) check_format(value);
  for (std::size_t at = 0; at + 8 <= bytes.size() && at < 64; at += 8) {
    double value;
    std::memcpy(&value, bytes.data() + at, sizeof value);
    check_format(value);
  }
  return 0;
}
