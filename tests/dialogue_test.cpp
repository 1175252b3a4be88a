// The console dialogue of the built program: banner, prompts, menu replies, refused answers and
// every way the dialogue ends.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "program_runner.h"

namespace {

const std::string kDrawing = "0\nSECTION\n2\nHEADER\n9\n$EXTMIN\n10\n1.5\n20\n2.5\n0\nENDSEC\n0\nEOF\n";
const std::string kRecords = records({"4 1.500000 2.500000"});

const char* const kBanner =
    "\r\n\t***********************************************************"
    "\r\n\t*                                                         *"
    "\r\n\t*                                                         *"
    "\r\n\t*                SEAWRACK_POLYDUMP                        *";

const char* const kFolderPrompt = "\r\n\r\n\tName of the File Folder located in the Directory C:\\images\\ : ";
const char* const kInputPrompt =
    "\r\n\r\n\tName of the input .dxf File to be transformed (without extension .dxf) ? ";
const char* const kOutputPrompt =
    "\r\n\r\n\tName of the output .rak File to be created (without extension .rak)"
    "\r\n\t\treported in the File Folder C:\\images\\coast ?  ";
const char* const kMenu =
    "\r\n\r\n\tchosen code that corresponds to the sea : "
    "\r\n\t\t0 ====> HA_6292\r\n\t\t1 ====> ha_6292"
    "\r\n\t\t2 ====> other code\r\n\t\t";
const char* const kCodePrompt = "\r\n\r\n\tdefine the code ";
const char* const kConsoleEnded = "\r\n\tNo answer: the console input has ended\r\n";

int count(const std::string& text, const std::string& part) {
  int n = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

// A drawing whose records tell which of the two built-in codes, or another, was chosen.
const std::string kLayers =
    "0\nPOLYLINE\n8\nHA_6292\n0\nPOLYLINE\n8\nha_6292\n0\nPOLYLINE\n8\nabc\n0\nPOLYLINE\n8\nX\n";

TEST(Dialogue, MainRoadShowsBannerAndEveryPromptInOrder) {
  ProgramDir dir;
  dir.write("images/coast/map1.dxf", kDrawing);
  const RunResult run = dir.run(kMainAnswers);
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.console, std::string(kBanner) + run.console.substr(std::string(kBanner).size()));
  const std::string expected_tail = std::string(kFolderPrompt) + kInputPrompt + kOutputPrompt + kMenu;
  ASSERT_GE(run.console.size(), expected_tail.size());
  EXPECT_EQ(run.console.substr(run.console.size() - expected_tail.size()), expected_tail);
  EXPECT_EQ(count(run.console, "\r\n\t"), 13 + 1 + 1 + 2 + 5);  // banner, then each prompt's lines
  EXPECT_EQ(dir.read("images/coast/map1pts.rak"), kRecords);
}

TEST(Dialogue, BannerLinesAreAllOfOneWidth) {
  ProgramDir dir;
  dir.write("images/coast/map1.dxf", kDrawing);
  const std::string console = dir.run(kMainAnswers).console;
  const std::string banner = console.substr(0, console.find(kFolderPrompt));
  int lines = 0;
  for (std::size_t at = 0; at < banner.size(); at += 2 + 1 + 59, ++lines) {
    ASSERT_EQ(banner.substr(at, 3), "\r\n\t");
    const std::string line = banner.substr(at + 3, 59);
    EXPECT_TRUE(line.front() == '*' && line.back() == '*') << line;
  }
  EXPECT_EQ(lines, 13);
}

TEST(Dialogue, MenuReplies) {
  struct Case {
    const char* replies;
    const char* records;
    int menus;  // times the menu is shown
  };
  const Case cases[] = {
      {"0\n", "7 0.000000 0.000000\r\n", 1},
      {"1\n", "7 0.000000 0.000000\r\n", 1},
      {"2\nabc\n", "7 0.000000 0.000000\r\n", 1},
      {"3\n0\n", "7 0.000000 0.000000\r\n", 2},
      {"-1\n1\n", "7 0.000000 0.000000\r\n", 2},
      {"99999999999\n0\n", "7 0.000000 0.000000\r\n", 2},
      {"x 2 abc\n0\n", "7 0.000000 0.000000\r\n", 2},  // the rest of a bad line is dropped
      {"3 1\n-2 1\n0\n", "7 0.000000 0.000000\r\n", 3},
      {"-\n+\n0\n", "7 0.000000 0.000000\r\n", 3},  // a lone sign is no reply, and the line ends with it
      {"2abc\n", "7 0.000000 0.000000\r\n", 1},        // choice 2, and "abc" answers the code prompt
      {"\n\n  0\n", "7 0.000000 0.000000\r\n", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.replies);
    ProgramDir dir;
    dir.write("images/coast/map1.dxf", kLayers);
    const RunResult run = dir.run(std::string("coast\nmap1\nmap1pts\n") + c.replies);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(count(run.console, kMenu), c.menus);
    std::string expected = c.records;
    for (char& ch : expected) ch = ch == ' ' ? '\t' : ch;
    EXPECT_EQ(dir.read("images/coast/map1pts.rak"), expected);
  }
}

TEST(Dialogue, ChoicesSelectTheirLayerCaseSensitively) {
  const std::string drawing =
      "0\nPOLYLINE\n8\nHA_6292\n0\nPOLYLINE\n8\nha_6292\n0\nPOLYLINE\n8\nha_6292\n0\nPOLYLINE\n8\nX\n";
  EXPECT_EQ(convert(drawing, "0\n"), records({"7 0.000000 0.000000"}));
  EXPECT_EQ(convert(drawing, "1\n"), records({"7 0.000000 0.000000", "7 0.000000 0.000000"}));
  EXPECT_EQ(convert(drawing, "2\nX\n"), records({"7 0.000000 0.000000"}));
  EXPECT_EQ(convert(drawing, "2\nha_6292x\n"), "");
}

TEST(Dialogue, AnswersMaySpreadOverOneLine) {
  ProgramDir dir;
  dir.write("images/coast/map1.dxf", kDrawing);
  const RunResult run = dir.run("  coast map1\tmap1pts 0");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(dir.read("images/coast/map1pts.rak"), kRecords);
}

TEST(Dialogue, FoldersAndNamesComposeThePaths) {
  ProgramDir dir;
  dir.write("images/coast/north/map1.dxf", kDrawing);
  const RunResult run = dir.run("coast\\north map1 out.v2 0\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.console.find("reported in the File Folder C:\\images\\coast\\north ?  "), std::string::npos);
  EXPECT_EQ(dir.read("images/coast/north/out.v2.rak"), kRecords);
}

TEST(Dialogue, MissingInputFileIsReportedAndNothingIsCreated) {
  ProgramDir dir;
  dir.write("images/coast/other.dxf", kDrawing);
  const RunResult run = dir.run(kMainAnswers);
  EXPECT_EQ(run.status, 1);
  const std::string message = "\r\n\tFile C:\\images\\coast\\map1.dxf unknown\r\n";
  ASSERT_GE(run.console.size(), message.size());
  EXPECT_EQ(run.console.substr(run.console.size() - message.size()), message);
  EXPECT_EQ(count(run.console, kMenu), 0);
  EXPECT_FALSE(dir.exists("images/coast/map1pts.rak"));
}

TEST(Dialogue, ExistingOutputFileIsReplaced) {
  ProgramDir dir;
  dir.write("images/coast/map1.dxf", kDrawing);
  dir.write("images/coast/map1pts.rak", std::string(5000, 'x'));
  EXPECT_EQ(dir.run(kMainAnswers).status, 0);
  EXPECT_EQ(dir.read("images/coast/map1pts.rak"), kRecords);
}

TEST(Dialogue, ConsoleInputEndingBeforeEveryAnswerEndsTheRun) {
  struct Case {
    const char* answers;
    bool output_created;
  };
  const Case cases[] = {
      {"", false}, {"coast\n", false}, {"coast map1", false}, {"coast map1 map1pts\n", true},
      {"coast map1 map1pts x\n", true}, {"coast map1 map1pts 2\n", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answers);
    ProgramDir dir;
    dir.write("images/coast/map1.dxf", kDrawing);
    const RunResult run = dir.run(c.answers);
    EXPECT_EQ(run.status, 1);
    const std::string tail = run.console.substr(run.console.size() - std::string(kConsoleEnded).size());
    EXPECT_EQ(tail, kConsoleEnded);
    EXPECT_EQ(dir.exists("images/coast/map1pts.rak"), c.output_created);
    if (c.output_created) {
      EXPECT_EQ(dir.read("images/coast/map1pts.rak"), "");
    }
  }
}

TEST(Dialogue, OverlongAnswersAreRefusedAndAskedAgain) {
  // 127 characters of path: "C:\images\" (10), the folder, "\" and the name with its extension;
  // the folder leaves room for a name of one character.
  const std::string folder_111(111, 'f');
  const std::string name_for_folder_5(127 - 10 - 5 - 1 - 4, 'n');
  struct Case {
    std::string answers;
    std::string refusal;  // "" when the answers fit
    std::string input;
  };
  const Case cases[] = {
      {std::string(112, 'f') + " coast map1 map1pts 0\n", "at most 111 characters", "images/coast/map1.dxf"},
      {std::string(116, 'f') + " coast map1 map1pts 0\n", "at most 111 characters", "images/coast/map1.dxf"},
      {std::string(300, 'f') + " coast map1 map1pts 0\n", "at most 111 characters", "images/coast/map1.dxf"},
      {folder_111 + " n o 0\n", "", "images/" + folder_111 + "/n.dxf"},
      {"coast " + name_for_folder_5 + "x map1 map1pts 0\n", "at most 107 characters", "images/coast/map1.dxf"},
      {"coast map1 " + name_for_folder_5 + "x map1pts 0\n", "at most 107 characters", "images/coast/map1.dxf"},
      {"coast " + name_for_folder_5 + " map1pts 0\n", "", "images/coast/" + name_for_folder_5 + ".dxf"},
      {"coast map1 map1pts 2 ABCDEFGHIJKL ABCDEFGHIJK\n", "at most 11 characters", "images/coast/map1.dxf"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answers);
    ProgramDir dir;
    dir.write(c.input, kDrawing);
    const RunResult run = dir.run(c.answers);
    EXPECT_EQ(run.status, 0);
    if (c.refusal.empty()) {
      EXPECT_EQ(run.console.find("too long"), std::string::npos);
    } else {
      EXPECT_NE(run.console.find("\r\n\tThis answer is too long: " + c.refusal + " here\r\n"), std::string::npos);
    }
  }
}

TEST(Dialogue, OutputThatCannotBeCreatedIsReported) {
  ProgramDir dir;
  dir.write("images/coast/map1.dxf", kDrawing);
  dir.write("images/coast/map1pts.rak/keep", "");
  const RunResult run = dir.run(kMainAnswers);
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.console.ends_with(std::string(kOutputPrompt) +
                                    "\r\n\tCannot create the file C:\\images\\coast\\map1pts.rak\r\n"));
  const std::map<std::string, std::string> untouched = {{"images", "<folder>"},
                                                        {"images/coast", "<folder>"},
                                                        {"images/coast/map1.dxf", kDrawing},
                                                        {"images/coast/map1pts.rak", "<folder>"},
                                                        {"images/coast/map1pts.rak/keep", ""}};
  EXPECT_EQ(dir.entries(), untouched);
}

TEST(Dialogue, InputThatCannotBeReadIsReported) {
  // A folder in place of the drawing: POSIX systems open it and fail at the first read, while
  // Windows cannot open it at all, so there it is an unknown file.
  ProgramDir dir;
  dir.write("images/coast/map1.dxf/keep", "");
  const RunResult run = dir.run(kMainAnswers);
  EXPECT_EQ(run.status, 1);
  if (testing_windows_program()) {
    EXPECT_TRUE(run.console.ends_with("\r\n\tFile C:\\images\\coast\\map1.dxf unknown\r\n"));
    return;
  }
  EXPECT_TRUE(run.console.ends_with(std::string(kMenu) + "\r\n\tCannot read the file C:\\images\\coast\\map1.dxf\r\n"));
  // The output was created before the drawing was read, and nothing was written to it.
  const std::map<std::string, std::string> entries = {{"images", "<folder>"},
                                                      {"images/coast", "<folder>"},
                                                      {"images/coast/map1.dxf", "<folder>"},
                                                      {"images/coast/map1.dxf/keep", ""},
                                                      {"images/coast/map1pts.rak", ""}};
  EXPECT_EQ(dir.entries(), entries);
}

}  // namespace
