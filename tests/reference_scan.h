// The drawing scan as plain token reads, kept as the reference that the program's scan in the
// block must match record for record. The scan test and the drawing fuzzer compare against it.
#pragma once

#include <charconv>
#include <cstring>

#include "record_writer.h"
#include "text_input.h"

namespace polydump {

// The loop reads every token and compares it with the four keywords; a handler's search reads
// every token of its window and compares it with the keywords, then with the layer code.
class ReferenceScan {
 public:
  ReferenceScan(TextInput& in, RecordWriter& out, const char* layer) : in_(in), out_(out), layer_(layer) {}

  void run() {
    bool have_token = read();
    while (have_token) {
      if (act()) have_token = read();
    }
  }

 private:
  enum class Found { match, keyword, none };

  bool read() { return in_.read_token(texte_, sizeof texte_).ok; }
  bool is(const char* word) const { return std::strcmp(texte_, word) == 0; }
  bool keyword() const { return is("$EXTMIN") || is("$EXTMAX") || is("POLYLINE") || is("VERTEX"); }

  Found search(int window) {
    for (int i = 0; i < window; ++i) {
      if (!read()) return Found::none;
      if (keyword()) return Found::keyword;
      if (is(layer_)) return Found::match;
    }
    return Found::none;
  }

  // Group code, x, group code, y; the record only when both values were read.
  void corner(int code, bool with_altitudes) {
    in_.read_int();
    const DoubleRead x = in_.read_double();
    in_.read_int();
    const DoubleRead y = in_.read_double();
    if (!x.ok || !y.ok) return;
    out_.write_record(code, x.value, y.value);
    if (with_altitudes) out_.write_record(6, 0.0, 0.0);
  }

  bool x_group_code() const {
    const char* first = texte_ + (texte_[0] == '+');
    int value = 0;
    const auto result = std::from_chars(first, first + std::strlen(first), value);
    return result.ec == std::errc() && value == 10;
  }

  // Acts on the token in texte_; false when a search stopped at a keyword, now in texte_.
  bool act() {
    if (is("$EXTMIN")) {
      corner(4, false);
    } else if (is("$EXTMAX")) {
      corner(5, true);
    } else if (is("POLYLINE")) {
      const Found found = search(12);
      if (found == Found::keyword) return false;
      if (found == Found::match) {
        out_.write_record(7, 0.0, 0.0);
        flag_ = 1;
      }
    } else if (is("VERTEX")) {
      const Found found = search(6);
      if (found != Found::match) return found == Found::none;
      for (int j = 0; j < 6; ++j) {
        if (!read()) return true;
        if (keyword()) return false;
        if (!x_group_code()) continue;
        const DoubleRead x = in_.read_double();
        in_.read_int();
        const DoubleRead y = in_.read_double();
        if (x.ok && y.ok) {
          out_.write_record(flag_ == 1 ? 1 : 0, x.value, y.value);
          flag_ = 0;
          return true;
        }
      }
    }
    return true;
  }

  TextInput& in_;
  RecordWriter& out_;
  const char* layer_;
  char texte_[80] = {};
  int flag_ = 0;
};

}  // namespace polydump
