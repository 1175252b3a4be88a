// The scan of the drawing and its extents records (4, 5, 6), through the built program.
#include <gtest/gtest.h>

#include <string>

#include "program_runner.h"

namespace {

struct Case {
  const char* name;
  std::string drawing;
  std::string expected;
};

TEST(Extents, Drawings) {
  const std::string header = "0\nSECTION\n2\nHEADER\n";
  const Case cases[] = {
      {"lower corner", "9\n$EXTMIN\n10\n-5.5\n20\n7\n", records({"4 -5.500000 7.000000"})},
      {"upper corner and altitudes", "9\n$EXTMAX\n10\n100\n20\n200\n30\n0\n",
       records({"5 100.000000 200.000000", "6 0.000000 0.000000"})},
      {"usual header", header + "9\n$EXTMIN\n10\n0.0\n20\n0.0\n30\n0.0\n9\n$EXTMAX\n10\n250.5\n20\n980\n30\n0.0\n",
       records({"4 0.000000 0.000000", "5 250.500000 980.000000", "6 0.000000 0.000000"})},
      {"upper before lower, each time met",
       "$EXTMAX 10 1 20 2 $EXTMIN 10 3 20 4 $EXTMIN 10 5 20 6",
       records({"5 1.000000 2.000000", "6 0.000000 0.000000", "4 3.000000 4.000000", "4 5.000000 6.000000"})},
      {"group codes are not looked at", "$EXTMIN 99 1.25 -3 2.75", records({"4 1.250000 2.750000"})},
      {"keywords are case-sensitive", "$extmin 10 1 20 2 $EXTMIN_ 10 1 20 2", ""},
      {"keyword inside the entities", "0\nTEXT\n8\n0\n1\n$EXTMIN\n10\n1\n20\n2\n", records({"4 1.000000 2.000000"})},
      {"no keyword at all", "0\nSECTION\n2\nENTITIES\n0\nENDSEC\n0\nEOF\n", ""},
      {"empty drawing", "", ""},
      {"white space only", " \n\t\r\n\v\f  ", ""},
      {"ending right after the y value", "$EXTMIN 10 1 20 2", records({"4 1.000000 2.000000"})},
      {"ending right after the upper corner", "$EXTMAX\n10\n1\n20\n2\n",
       records({"5 1.000000 2.000000", "6 0.000000 0.000000"})},
      {"value that is no number", "$EXTMIN 10 abc 20 2 $EXTMAX 10 1 20 2",
       records({"5 1.000000 2.000000", "6 0.000000 0.000000"})},
      {"drawing cut inside the step", "$EXTMAX 10 1 20", ""},
      {"CR LF line ends", "9\r\n$EXTMIN\r\n10\r\n1.5\r\n20\r\n2.5\r\n", records({"4 1.500000 2.500000"})},
      {"carriage return inside a token", "$EXT\rMIN 10 1\r.5 20 2", records({"4 1.500000 2.000000"})},
      {"Ctrl-Z ends the drawing", "$EXTMIN 10 1 20 2\x1A$EXTMAX 10 1 20 2", records({"4 1.000000 2.000000"})},
      {"Ctrl-Z inside the step", "$EXTMIN 10 1 20 \x1A" "2", ""},
      {"NUL separates tokens", std::string("$EXTMIN\0" "10\0" "1\0" "20\0" "2", 17), records({"4 1.000000 2.000000"})},
      {"numbers as the reads take them", "$EXTMIN 10 1e3 20 -.5e-1 $EXTMAX 10 +INF 20 -NAN",
       records({"4 1000.000000 -0.050000", "5 +INF -NAN", "6 0.000000 0.000000"})},
      {"rounding to six decimals", "$EXTMIN 10 0.0078125 20 -0.0000004 $EXTMAX 10 987.125 20 -12.25",
       records({"4 0.007812 0.000000", "5 987.125000 -12.250000", "6 0.000000 0.000000"})},
      {"beyond the double range", "$EXTMIN 10 1e999 20 -1e-999", records({"4 +INF 0.000000"})},
      {"long token before a keyword", std::string(100000, 'x') + " $EXTMIN 10 1 20 2", records({"4 1.000000 2.000000"})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(convert(c.drawing), c.expected);
  }
}

TEST(Extents, LineEndsDoNotMatter) {
  const std::string lf = read_file(std::string(POLYDUMP_EXAMPLES) + "/map1.dxf");
  std::string without_cr;
  for (char c : lf)
    if (c != '\r') without_cr += c;
  ASSERT_NE(without_cr, lf);
  EXPECT_EQ(convert(without_cr), convert(lf));
}

}  // namespace
