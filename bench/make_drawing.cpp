// Writes a survey drawing of a given size in the AutoCAD R12 layout, for the throughput
// benchmark: header with extents, a layer table, then polylines of handled vertices, lines and
// texts on several layers, about a third of the polylines on HA_6292, CR LF line ends.
// The same size always gives the same bytes, so an output checksum can stand for the records.
//
//   make_drawing SIZE_IN_BYTES OUTPUT_PATH
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// Holds the drawing's bytes until a large write; a few entities' worth.
constexpr std::size_t kFlushAt = std::size_t{1} << 20;

// The survey area: eastings and northings in micrometres, 5 km by 5 km.
constexpr std::int64_t kMicro = 1'000'000;
constexpr std::int64_t kMinEasting = 402'000 * kMicro;
constexpr std::int64_t kMinNorthing = 6'200'000 * kMicro;
constexpr std::int64_t kAreaSide = 5'000 * kMicro;
// The longest polyline leg, and the longest line, along each axis: 20 m and 50 m.
constexpr std::int64_t kLegStep = 20 * kMicro;
constexpr std::int64_t kLineStep = 50 * kMicro;

// A small fixed generator (splitmix64), so that the drawing is the same on every platform.
class Random {
 public:
  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15u);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return z ^ (z >> 31);
  }
  /// A number in [low, high].
  std::int64_t between(std::int64_t low, std::int64_t high) {
    return low + static_cast<std::int64_t>(next() % static_cast<std::uint64_t>(high - low + 1));
  }

 private:
  std::uint64_t state_ = 6292;
};

class Drawing {
 public:
  explicit Drawing(std::FILE* out) : out_(out) {}

  /// One group: the code right-aligned in three columns, then the value, each on its line.
  void group(int code, std::string_view value) {
    char field[8];
    char* end = std::to_chars(field, field + sizeof field, code).ptr;
    text_.append(static_cast<std::size_t>(3 - (end - field)), ' ');
    text_.append(field, end);
    text_ += "\r\n";
    text_ += value;
    text_ += "\r\n";
    if (text_.size() >= kFlushAt) flush();
  }
  /// A group whose value is a positive length in micrometres, shown in metres with the given
  /// number of decimals (1 to 6).
  void coordinate(int code, std::int64_t micrometres, int decimals) {
    const std::string fraction = std::to_string(kMicro + micrometres % kMicro);
    group(code, std::to_string(micrometres / kMicro) + "." + fraction.substr(1, static_cast<std::size_t>(decimals)));
  }
  /// An integer group as R12 writes it, right-aligned in six columns.
  void integer(int code, int value) {
    std::string text = std::to_string(value);
    group(code, std::string(text.size() < 6 ? 6 - text.size() : 0, ' ') + text);
  }
  /// The next entity handle, in hexadecimal.
  std::string handle() {
    char digits[16];
    char* end = std::to_chars(digits, digits + sizeof digits, next_handle_++, 16).ptr;
    std::string text(digits, end);
    for (char& c : text) c = c >= 'a' ? static_cast<char>(c - 'a' + 'A') : c;
    return text;
  }
  std::uint64_t written() const { return written_ + text_.size(); }
  void flush() {
    std::fwrite(text_.data(), 1, text_.size(), out_);
    written_ += text_.size();
    text_.clear();
  }

 private:
  std::FILE* out_;
  std::string text_;
  std::uint64_t written_ = 0;
  std::uint64_t next_handle_ = 0x20;
};

const char* const kLayers[] = {"0", "HA_6292", "ha_6292", "CONTOURS", "ROADS", "BUILDINGS", "SOUNDINGS"};

void header(Drawing& d) {
  d.group(999, "Coastal survey, generated for the throughput benchmark");
  d.group(0, "SECTION");
  d.group(2, "HEADER");
  d.group(9, "$ACADVER");
  d.group(1, "AC1009");
  d.group(9, "$INSBASE");
  for (int code : {10, 20, 30}) d.group(code, "0.0");
  d.group(9, "$EXTMIN");
  d.coordinate(10, kMinEasting, 3);
  d.coordinate(20, kMinNorthing, 3);
  d.group(30, "-25.0");
  d.group(9, "$EXTMAX");
  d.coordinate(10, kMinEasting + kAreaSide, 3);
  d.coordinate(20, kMinNorthing + kAreaSide, 3);
  d.group(30, "48.5");
  d.group(9, "$LIMMIN");
  for (int code : {10, 20}) d.group(code, "0.0");
  d.group(9, "$LIMMAX");
  d.group(10, "420.0");
  d.group(20, "297.0");
  d.group(0, "ENDSEC");
  d.group(0, "SECTION");
  d.group(2, "TABLES");
  d.group(0, "TABLE");
  d.group(2, "LAYER");
  d.integer(70, static_cast<int>(std::size(kLayers)));
  int colour = 7;
  for (const char* layer : kLayers) {
    d.group(0, "LAYER");
    d.group(2, layer);
    d.integer(70, 0);
    d.integer(62, colour);
    colour = colour % 7 + 1;
    d.group(6, "CONTINUOUS");
  }
  d.group(0, "ENDTAB");
  d.group(0, "ENDSEC");
  d.group(0, "SECTION");
  d.group(2, "ENTITIES");
}

// Survey points carry 7 to 12 significant digits: eastings 6 integer digits and 1 to 6
// decimals, northings 7 integer digits and 1 to 5 decimals.
void point(Drawing& d, Random& random, std::int64_t easting, std::int64_t northing) {
  d.coordinate(10, easting, static_cast<int>(random.between(1, 6)));
  d.coordinate(20, northing, static_cast<int>(random.between(1, 5)));
}

// Depths and heights in centimetres, as "-12.35" or "4.2".
void elevation(Drawing& d, Random& random) {
  const std::int64_t centimetres = random.between(-2500, 4850);
  const std::int64_t size = centimetres < 0 ? -centimetres : centimetres;
  std::string text = centimetres < 0 ? "-" : "";
  text += std::to_string(size / 100) + "." + std::to_string(100 + size % 100).substr(1);
  d.group(30, text);
}

void polyline(Drawing& d, Random& random) {
  const char* layer = random.between(0, 2) == 0 ? "HA_6292" : kLayers[random.between(2, 6)];
  d.group(0, "POLYLINE");
  d.group(5, d.handle());
  d.group(8, layer);
  d.integer(66, 1);
  for (int code : {10, 20, 30}) d.group(code, "0.0");
  d.integer(70, static_cast<int>(random.between(0, 1)));
  std::int64_t easting = kMinEasting + random.between(0, kAreaSide);
  std::int64_t northing = kMinNorthing + random.between(0, kAreaSide);
  const std::int64_t vertices = random.between(3, 120);
  for (std::int64_t v = 0; v < vertices; ++v) {
    d.group(0, "VERTEX");
    d.group(5, d.handle());
    d.group(8, layer);
    point(d, random, easting, northing);
    elevation(d, random);
    d.integer(70, 0);
    easting += random.between(-kLegStep, kLegStep);
    northing += random.between(-kLegStep, kLegStep);
  }
  d.group(0, "SEQEND");
  d.group(5, d.handle());
  d.group(8, layer);
}

void line(Drawing& d, Random& random) {
  d.group(0, "LINE");
  d.group(5, d.handle());
  d.group(8, "ROADS");
  const std::int64_t easting = kMinEasting + random.between(0, kAreaSide);
  const std::int64_t northing = kMinNorthing + random.between(0, kAreaSide);
  point(d, random, easting, northing);
  d.group(30, "0.0");
  d.coordinate(11, easting + random.between(-kLineStep, kLineStep), 3);
  d.coordinate(21, northing + random.between(-kLineStep, kLineStep), 3);
  d.group(31, "0.0");
}

void text(Drawing& d, Random& random) {
  static const char* const kLabels[] = {"Anse du Port", "Quay wall", "Pier 4", "Sounding", "Breakwater",
                                        "Slipway", "Buoy 17"};
  d.group(0, "TEXT");
  d.group(5, d.handle());
  d.group(8, "SOUNDINGS");
  point(d, random, kMinEasting + random.between(0, kAreaSide), kMinNorthing + random.between(0, kAreaSide));
  d.group(30, "0.0");
  d.group(40, "2.5");
  d.group(1, kLabels[random.between(0, 6)]);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: make_drawing SIZE_IN_BYTES OUTPUT_PATH\n");
    return 2;
  }
  const std::uint64_t size = std::strtoull(argv[1], nullptr, 10);
  std::FILE* out = std::fopen(argv[2], "wb");
  if (!out) {
    std::perror(argv[2]);
    return 1;
  }
  Drawing d(out);
  Random random;
  header(d);
  while (d.written() < size) {
    const std::int64_t kind = random.between(0, 9);
    if (kind < 7) {
      polyline(d, random);
    } else if (kind < 9) {
      line(d, random);
    } else {
      text(d, random);
    }
  }
  d.group(0, "ENDSEC");
  d.group(0, "EOF");
  d.flush();
  if (std::fclose(out) != 0) {
    std::perror(argv[2]);
    return 1;
  }
  return 0;
}
