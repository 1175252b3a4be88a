// The scan finds keywords, and the layer code within the handlers' windows, by searching the
// block rather than reading every token. These tests hold it to the records of a plain scan
// that reads every token with "%s" and compares it, kept here as the reference: on the sample
// drawing, the test drawings, and generated drawings full of the cases where a search could
// go wrong (a keyword or a number split across two blocks, a carriage return inside or before
// a token, near-misses of keywords, bytes a number read gives back, an input that ends
// anywhere), each read in blocks of many sizes.
#include <gtest/gtest.h>
#include <unistd.h>

#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "drawing_scan.h"
#include "reference_scan.h"
#include "globals.h"
#include "record_writer.h"
#include "scan_state.h"
#include "text_input.h"

namespace {

using polydump::RecordWriter;
using polydump::ReferenceScan;
using polydump::TextInput;

std::string file_text(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class ScanTest : public testing::Test {
 protected:
  ScanTest() {
    const std::string base = (std::filesystem::temp_directory_path() / "polydump-scan-").string();
    drawing_ = base + std::to_string(getpid()) + ".dxf";
    records_ = base + std::to_string(getpid()) + ".rak";
  }
  ~ScanTest() override {
    std::filesystem::remove(drawing_);
    std::filesystem::remove(records_);
  }

  // The records of the program's scan and of the reference, for each block size and layer.
  void expect_same_records(const std::string& drawing, const std::vector<std::size_t>& block_sizes,
                           const std::vector<std::string>& layers) {
    std::ofstream(drawing_, std::ios::binary) << drawing;
    for (const std::string& layer : layers) {
      const std::string expected = reference_records(layer);
      for (std::size_t block_size : block_sizes) {
        SCOPED_TRACE("layer " + layer + ", blocks of " + std::to_string(block_size));
        ASSERT_EQ(program_records(layer, block_size), expected);
      }
    }
  }

 private:
  std::string reference_records(const std::string& layer) {
    TextInput in;
    RecordWriter out;
    EXPECT_TRUE(in.open(drawing_.c_str()) && out.create(records_.c_str()));
    ReferenceScan(in, out, layer.c_str()).run();
    in.close();
    out.close();
    return read_records();
  }

  std::string program_records(const std::string& layer, std::size_t block_size) {
    EXPECT_TRUE(f1.open(drawing_.c_str(), block_size) && f2.create(records_.c_str()));
    scan_drawing(layer.c_str());
    f1.close();
    f2.close();
    return read_records();
  }

  // The records written, and the file removed: a file emptied and written again is flushed
  // to the disk at its close, which would take most of the test's time.
  std::string read_records() const {
    std::string records = file_text(records_);
    std::filesystem::remove(records_);
    return records;
  }

  std::string drawing_;
  std::string records_;
};

// Small blocks put every token across a boundary somewhere; the default is the program's.
const std::vector<std::size_t> kBlockSizes = {1, 2, 3, 5, 8, 13, 64, 1000, TextInput::kDefaultBlockSize};

// The layer codes a drawing uses (the values of its groups 8 that are one word, as a code
// typed at the console is), a few of them, and HA_6292.
std::vector<std::string> layers_of(const std::string& drawing) {
  std::set<std::string> layers = {"HA_6292"};
  std::istringstream lines(drawing);
  std::string line;
  bool layer_next = false;
  while (std::getline(lines, line) && layers.size() < 4) {
    line.erase(0, line.find_first_not_of(" \t"));
    line.erase(line.find_last_not_of(" \t\r") + 1);
    if (layer_next && !line.empty() && line.find_first_of(" \t") == std::string::npos) layers.insert(line);
    layer_next = line == "8";
  }
  return {layers.begin(), layers.end()};
}

TEST_F(ScanTest, SampleAndTestDrawingsGiveTheRecordsOfTheTokenByTokenScan) {
  std::vector<std::filesystem::path> drawings = {std::filesystem::path(POLYDUMP_EXAMPLES) / "map1.dxf"};
  if (std::filesystem::is_directory(POLYDUMP_TESTDATA))
    for (const auto& entry : std::filesystem::directory_iterator(POLYDUMP_TESTDATA))
      if (entry.path().extension() == ".dxf" || entry.path().extension() == ".DXF") drawings.push_back(entry.path());
  for (const auto& path : drawings) {
    SCOPED_TRACE(path.string());
    const std::string drawing = file_text(path);
    expect_same_records(drawing, kBlockSizes, layers_of(drawing));
  }
}

// Tokens of drawings and the near-misses that a search in the block must not take for them.
const char* const kTokens[] = {
    "$EXTMIN", "$EXTMAX", "POLYLINE", "VERTEX", "HA_6292", "SEQEND", "LINE", "0", "5", "8", "10", "20", "30", "66",
    "70", "1", "2A", "10.0", "10abc", "+10", "402150.25", "6203410.5", "-12.5", ".5", "5.", "1e5", "1e+", "1E-2x",
    "+INF", "-NAN", "+IN", "-NA", "0x1A", "POLYLINEX", "XPOLYLINE", "VERTE", "VERTEXVERTEX", "$EXTMIN$EXTMAX",
    "ha_6292", "HA_62920", "P", "V", "$", "H", "1.5POLYLINE", "1e+VERTEX", "+INVERTEX"};

// What stands between two tokens, carriage returns alone and NUL included.
const std::string_view kGaps[] = {"\n", "\r\n", " ", "\r\n  ", "\t", "\v", "\f", std::string_view("\0", 1), " \r ",
                                  "\r\n\r\n"};

// A drawing of groups in the usual form, with random noise: keywords followed by the groups
// the handlers look for, tokens of every kind, carriage returns inside and before tokens,
// tokens glued together, and an end anywhere (after white space or not, at a Ctrl-Z).
std::string generated_drawing(std::mt19937& random) {
  auto pick = [&](auto& list) { return std::string(list[random() % std::size(list)]); };
  std::string text;
  auto put = [&](std::string token, unsigned split_one_in = 16) {
    const unsigned roll = random() % split_one_in;
    if (roll == 0) {
      const std::size_t at = random() % (token.size() + 1);
      text.append(token, 0, at);
      text += '\r';
      token.erase(0, at);
    }
    text += token;
    if (roll != 1) text += pick(kGaps);  // else glued to the next token
  };
  const int groups = 20 + static_cast<int>(random() % 60);
  for (int g = 0; g < groups; ++g) {
    switch (random() % 7) {
      case 0:
        for (const char* token : {"0", "VERTEX", "5", "2B", "8"}) put(token);
        put(random() % 3 ? "HA_6292" : "ROADS");
        for (const char* token : {"10", "402150.25", "20", "6203410.5", "30", "0.0", "70", "0"}) put(token);
        break;
      case 1:
        for (const char* token : {"0", "POLYLINE", "8", "HA_6292", "66", "1", "70", "0"}) put(token);
        break;
      case 2:
        for (const char* token : {"9", random() % 2 ? "$EXTMIN" : "$EXTMAX", "10", "-5.5", "20", "7"}) put(token);
        break;
      case 3:
        put(std::string(80 + random() % 40, 'x'));
        break;
      case 4: {
        // The layer code about the end of a handler's window, behind tokens that carriage
        // returns join or split.
        const bool polyline = random() % 2;
        put(polyline ? "POLYLINE" : "VERTEX");
        for (int t = (polyline ? 9 : 3) + static_cast<int>(random() % 5); t > 0; --t) put(t % 2 ? "5" : "2B", 3);
        for (const char* token : {"HA_6292", "10", "1.5", "20", "2.5"}) put(token);
        break;
      }
      default:
        for (int t = static_cast<int>(random() % 8); t >= 0; --t) put(pick(kTokens));
    }
  }
  if (random() % 2) text.pop_back();
  if (random() % 8 == 0) text.insert(random() % text.size(), "\x1A");
  return text;
}

TEST_F(ScanTest, GeneratedDrawingsGiveTheRecordsOfTheTokenByTokenScan) {
  // Layer codes of the usual kind, equal to a keyword, and of one byte that also starts one.
  const char* const layers[] = {"HA_6292", "VERTEX", "P"};
  std::mt19937 random(6292);
  for (int i = 0; i < 300; ++i) {
    const std::string drawing = generated_drawing(random);
    SCOPED_TRACE("drawing " + std::to_string(i) + ":\n" + drawing);
    expect_same_records(drawing, kBlockSizes, {layers[i % 3]});
  }
}

}  // namespace
