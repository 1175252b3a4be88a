// Fuzzes the drawing scan: arbitrary bytes as the drawing, scanned for each of the three
// layer-code choices, in one block and in blocks of a few bytes. Whatever the bytes, the
// scan reads the drawing to its end and writes only well-formed records in an order the
// program can give, the block size changes nothing, and the records are those of the plain
// token-by-token reference scan.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "drawing_scan.h"
#include "finding.h"
#include "globals.h"
#include "memory_file.h"
#include "reference_scan.h"

namespace {

// Bytes that end a word typed on the console or make it untypeable: white space, CR, NUL, Ctrl-Z.
bool ends_word(char c) { return std::strchr(" \t\n\v\f\r\x1A", c) != nullptr || c == '\0'; }

// The code of choice 2: the drawing's first word when it fits the 11 characters the question
// takes, so that the fuzzer can give its polylines a layer of its own; else "8", which matches
// every layer group code.
std::string typed_code(std::string_view drawing) {
  std::size_t start = 0;
  while (start < drawing.size() && ends_word(drawing[start])) ++start;
  std::size_t end = start;
  while (end < drawing.size() && !ends_word(drawing[end])) ++end;
  if (end == start || end - start > 11) return "8";
  return std::string(drawing.substr(start, end - start));
}

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// A value as the point-list file writes it: an optional "-", the integer part without leading
// zeros, ".", 6 decimals, "-" only before a non-zero digit; or +INF, -INF, +NAN, -NAN.
bool is_value(std::string_view text) {
  if (text == "+INF" || text == "-INF" || text == "+NAN" || text == "-NAN") return true;
  const bool negative = !text.empty() && text.front() == '-';
  if (negative) text.remove_prefix(1);
  const std::size_t point = text.find('.');
  if (point == std::string_view::npos || point == 0 || text.size() - point != 7) return false;
  if (point > 1 && text.front() == '0') return false;
  bool nonzero = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i == point) continue;
    if (!is_digit(text[i])) return false;
    nonzero |= text[i] != '0';
  }
  return nonzero || !negative;
}

// Every line is "code TAB value TAB value CR LF" with a code the program writes; record 6
// follows each record 5 and nothing else; records 6 and 7 hold zeros; a vertex is record 1
// exactly when it is the first vertex record after a record 7.
void check_records(std::string_view file) {
  char previous = ' ';
  bool polyline_started = false;
  while (!file.empty()) {
    const std::size_t end = file.find("\r\n");
    if (end == std::string_view::npos) finding("record without CR LF", file);
    const std::string_view line = file.substr(0, end);
    file.remove_prefix(end + 2);
    const std::size_t tab1 = line.find('\t');
    const std::size_t tab2 = line.find('\t', tab1 + 1);
    if (tab1 != 1 || tab2 == std::string_view::npos) finding("record without two tabs", line);
    const std::string_view first = line.substr(tab1 + 1, tab2 - tab1 - 1);
    const std::string_view second = line.substr(tab2 + 1);
    if (!is_value(first) || !is_value(second)) finding("value of the wrong form", line);
    const char code = line[0];
    if (std::strchr("456710", code) == nullptr || code == '\0') finding("unknown record code", line);
    if ((previous == '5') != (code == '6')) finding("record 6 not right after a record 5", line);
    if ((code == '6' || code == '7') && line.substr(1) != "\t0.000000\t0.000000")
      finding("record 6 or 7 with values other than zero", line);
    if (code == '1' && !polyline_started) finding("record 1 without a record 7 before it", line);
    if (code == '0' && polyline_started) finding("record 0 for the first vertex after a record 7", line);
    if (code == '7') polyline_started = true;
    if (code == '1' || code == '0') polyline_started = false;
    previous = code;
  }
  if (previous == '5') finding("record 5 at the end without its record 6");
}

// Scans the drawing held in input with the layer code, reading it in blocks of block_size;
// checks that it was read to its end and returns the records.
std::string scan(const MemoryFile& input, std::string_view drawing, const std::string& code,
                 std::size_t block_size) {
  static MemoryFile output;
  input.rewind();
  f1.attach(input.fd(), block_size);
  if (!f2.create(output.path())) finding("cannot create the point-list file");
  scan_drawing(code.c_str());

  // A Ctrl-Z ends the drawing; the block that holds it is the last one read.
  const std::size_t stop = drawing.find('\x1A');
  const long wanted = static_cast<long>(stop == std::string_view::npos ? drawing.size() : stop + 1);
  if (f1.read_error() != 0 || input.offset() < wanted || !f1.at_end()) finding("drawing not read to its end");
  f1.close();
  if (!f2.close()) finding("point-list file not written");
  std::string records = output.contents();
  check_records(records);
  return records;
}

// The records of the token-by-token reference scan of the drawing held in input.
std::string reference_records(const MemoryFile& input, const std::string& code, std::size_t block_size) {
  static MemoryFile output;
  input.rewind();
  polydump::TextInput in;
  polydump::RecordWriter out;
  in.attach(input.fd(), block_size);
  if (!out.create(output.path())) finding("cannot create the reference point-list file");
  polydump::ReferenceScan(in, out, code.c_str()).run();
  in.close();
  if (!out.close()) finding("reference point-list file not written");
  return output.contents();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static MemoryFile input;
  const std::string_view drawing(reinterpret_cast<const char*>(data), size);
  input.assign(drawing);
  const std::size_t small_block = 1 + size % 16;
  for (const std::string& code : {std::string("HA_6292"), std::string("ha_6292"), typed_code(drawing)}) {
    const std::string whole = scan(input, drawing, code, size + 1);
    if (scan(input, drawing, code, small_block) != whole) finding("records depend on the block size", code);
    if (reference_records(input, code, size + 1) != whole) finding("records differ from the token-by-token scan", code);
  }
  return 0;
}
