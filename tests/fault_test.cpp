// Runs that meet a fault outside the program's control or a hostile drawing: a full disk, a
// file size limit, a missing output folder, random bytes, one enormous token. Each ends with
// its message and nothing after it, its exit status, and no file beyond those it may write.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <string>

#include "program_runner.h"

namespace {

using Entries = std::map<std::string, std::string>;

const std::string kDrawingPath = "images/coast/map1.dxf";
const std::string kOutputPath = "images/coast/map1pts.rak";
const std::string kDrawing = "9\n$EXTMIN\n10\n1.5\n20\n2.5\n";
const char* const kMenuEnd = "\r\n\t\t2 ====> other code\r\n\t\t";

// What the run directory holds before the run: the drawing and its folders.
Entries with_drawing(const std::string& drawing) {
  return {{"images", "<folder>"}, {"images/coast", "<folder>"}, {kDrawingPath, drawing}};
}

bool ends_with(const std::string& text, const std::string& end) { return text.ends_with(end); }

std::string repeated(const std::string& text, int times) {
  std::string all;
  for (int i = 0; i < times; ++i) all += text;
  return all;
}

TEST(Faults, OutputThatCannotBeWrittenIsReported) {
  // Enough records to fill the record writer's 256 KiB buffer about twice.
  const int kMany = 25000;
  const std::string many = repeated("$EXTMIN 10 1 20 2\n", kMany);
  const std::string many_records = repeated(records({"4 1.000000 2.000000"}), kMany);
  struct Case {
    const char* name;
    std::string drawing;
    bool full_disk;             // the output path a symbolic link to /dev/full
    std::uint64_t limit;        // else the largest file the program may write
    std::string written;        // what the output then holds
  };
  const Case cases[] = {
      {"full disk, found at the close", kDrawing, true, 0, ""},
      {"full disk, found while scanning", many, true, 0, ""},
      {"file size limit reached inside a write", many, false, 100000, many_records.substr(0, 100000)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // The size limit is a POSIX process limit: under Wine it would stop Wine itself, not test
    // the Windows program.
    if (c.limit != 0 && testing_windows_program()) continue;
    ProgramDir dir;
    dir.write(kDrawingPath, c.drawing);
    Entries expected = with_drawing(c.drawing);
    if (c.full_disk) {
      std::filesystem::create_symlink("/dev/full", dir.root() / kOutputPath);
      expected[kOutputPath] = "-> /dev/full";
    } else {
      expected[kOutputPath] = c.written;
    }
    const RunResult run = dir.run(kMainAnswers, c.limit);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(ends_with(run.console, "\r\n\tCannot write the file C:\\images\\coast\\map1pts.rak\r\n"));
    EXPECT_EQ(dir.entries(), expected);
  }
}

TEST(Faults, MissingOutputFolderIsReported) {
  ProgramDir dir;
  dir.write(kDrawingPath, kDrawing);
  const RunResult run = dir.run("coast map1 missing\\map1pts 0\n");
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(ends_with(run.console, std::string(" ?  ") +
                                         "\r\n\tCannot create the file C:\\images\\coast\\missing\\map1pts.rak\r\n"));
  EXPECT_EQ(dir.entries(), with_drawing(kDrawing));
}

TEST(Faults, DrawingsOfRandomBytes) {
  std::mt19937 random(2026);
  std::string noise(1 << 20, '\0');
  for (char& c : noise) c = static_cast<char>(random());
  // Without Ctrl-Z bytes, which would end the drawing within its first few hundred bytes.
  std::string noise_to_the_end = noise;
  for (char& c : noise_to_the_end) c = c == '\x1A' ? 'z' : c;
  struct Case {
    const char* name;
    std::string drawing;
    std::string records;
  };
  const Case cases[] = {
      {"random bytes", noise, ""},
      {"random bytes ended by Ctrl-Z before a keyword", noise + " $EXTMIN 10 1 20 2 ", ""},
      {"keywords among random bytes",
       noise_to_the_end + "\n$EXTMIN 10 1 20 2\n" + noise_to_the_end +
           "\n0\nPOLYLINE\n8\nHA_6292\n0\nVERTEX\n8\nHA_6292\n10\n3\n20\n4\n" + noise_to_the_end,
       records({"4 1.000000 2.000000", "7 0.000000 0.000000", "1 3.000000 4.000000"})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ProgramDir dir;
    dir.write(kDrawingPath, c.drawing);
    const RunResult run = dir.run(kMainAnswers);
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(ends_with(run.console, kMenuEnd));
    Entries expected = with_drawing(c.drawing);
    expected[kOutputPath] = c.records;
    EXPECT_EQ(dir.entries(), expected);
  }
}

TEST(Faults, TokenOf100MegabytesIsReadInConstantMemory) {
  const std::string extents = "$EXTMIN 10 1 20 2\n";
  ProgramDir small;
  small.write(kDrawingPath, extents);
  ProgramDir big;
  big.write(kDrawingPath, "");
  {
    // Written piece by piece: the test itself never holds the drawing, whose pages the
    // program's peak would otherwise count from before it starts.
    std::ofstream out(big.root() / kDrawingPath, std::ios::binary);
    const std::string piece(1 << 20, 'x');
    for (int i = 0; i < 100; ++i) out << piece;
    out << ' ' << extents;
  }
  const RunResult small_run = small.run(kMainAnswers);
  const RunResult big_run = big.run(kMainAnswers);
  EXPECT_EQ(big_run.status, 0);
  EXPECT_TRUE(ends_with(big_run.console, kMenuEnd));
  EXPECT_EQ(big.read(kOutputPath), records({"4 1.000000 2.000000"}));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(big.root() / "images/coast"), {}), 2);
  // The peak of a run includes the test's own pages, shared with the program until it starts;
  // the difference between the two runs is what the drawing's size cost.
  EXPECT_LT(big_run.peak_kib - small_run.peak_kib, 16 * 1024) << small_run.peak_kib << " KiB, then " << big_run.peak_kib;
}

TEST(Faults, ConsoleReaderThatGoesAwayDoesNotStopTheConversion) {
  if (testing_windows_program()) GTEST_SKIP() << "a POSIX pipe closed under the program";
  ProgramDir dir;
  dir.write(kDrawingPath, kDrawing);
  // The answers come after the console's reader has gone, so every prompt meets a closed pipe.
  const std::string command = "cd '" + dir.root().string() + "' && (sleep 0.5; echo coast map1 map1pts 0) | ('" +
                              POLYDUMP_EXE + "'; echo $? >status) | head -c 1 >/dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0);
  EXPECT_EQ(dir.read("status"), "0\n");
  EXPECT_EQ(dir.read(kOutputPath), records({"4 1.500000 2.500000"}));
}

}  // namespace
