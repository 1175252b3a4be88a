// Polylines and vertices of the chosen layer (records 7, 1, 0), through the built program.
#include <gtest/gtest.h>

#include <string>

#include "program_runner.h"

namespace {

struct Case {
  const char* name;
  std::string drawing;
  std::string expected;
};

// Group code and value pairs on lines of their own, as a drawing holds them.
std::string dxf(const std::string& pairs) {
  std::string text = pairs;
  for (char& c : text) c = c == ' ' ? '\n' : c;
  return text + "\n";
}

const char* const kUsualVertex = "0 VERTEX 8 HA_6292 10 13.0 20 41.0 30 0.0 70 0";

TEST(Polylines, PointListExample) {
  const std::string drawing = dxf(
      "0 SECTION 2 HEADER 9 $EXTMIN 10 0.0 20 0.0 30 0.0 9 $EXTMAX 10 250.5 20 980.0 30 0.0 0 ENDSEC "
      "0 SECTION 2 ENTITIES 0 POLYLINE 8 HA_6292 66 1 10 0.0 20 0.0 30 0.0 70 0 "
      "0 VERTEX 8 HA_6292 10 12.5 20 40.25 30 0.0 70 0 "
      "0 VERTEX 8 HA_6292 10 13.0 20 41.0 30 0.0 70 0 "
      "0 VERTEX 8 HA_6292 10 13.75 20 41.5 30 0.0 70 0 "
      "0 SEQEND 8 HA_6292 0 ENDSEC 0 EOF");
  EXPECT_EQ(convert(drawing), records({"4 0.000000 0.000000", "5 250.500000 980.000000", "6 0.000000 0.000000",
                                       "7 0.000000 0.000000", "1 12.500000 40.250000", "0 13.000000 41.000000",
                                       "0 13.750000 41.500000"}));
}

TEST(Polylines, Drawings) {
  const std::string polyline = "0 POLYLINE 8 HA_6292 66 1 70 0 ";
  const Case cases[] = {
      {"usual form", dxf(polyline + kUsualVertex + " " + kUsualVertex),
       records({"7 0.000000 0.000000", "1 13.000000 41.000000", "0 13.000000 41.000000"})},
      {"handle groups", dxf("0 POLYLINE 5 2A 8 HA_6292 66 1 0 VERTEX 5 2B 8 HA_6292 10 1 20 2 30 0 70 0 "
                            "0 VERTEX 5 2C 8 HA_6292 10 3 20 4 30 0 70 0 0 SEQEND 5 2D 8 HA_6292"),
       records({"7 0.000000 0.000000", "1 1.000000 2.000000", "0 3.000000 4.000000"})},
      {"vertices with group 30 and no 70",
       dxf(polyline + "0 VERTEX 8 HA_6292 10 1 20 2 30 0 0 VERTEX 8 HA_6292 10 3 20 4 30 0 "
                      "0 VERTEX 8 HA_6292 10 5 20 6 30 0 0 SEQEND"),
       records({"7 0.000000 0.000000", "1 1.000000 2.000000", "0 3.000000 4.000000", "0 5.000000 6.000000"})},
      {"vertices with groups 10 and 20 only, odd count",
       dxf(polyline + "0 VERTEX 8 HA_6292 10 1 20 2 0 VERTEX 8 HA_6292 10 3 20 4 0 VERTEX 8 HA_6292 10 5 20 6 "
                      "0 SEQEND 0 POLYLINE 8 HA_6292 0 VERTEX 8 HA_6292 10 7 20 8 0 SEQEND"),
       records({"7 0.000000 0.000000", "1 1.000000 2.000000", "0 3.000000 4.000000", "0 5.000000 6.000000",
                "7 0.000000 0.000000", "1 7.000000 8.000000"})},
      {"a z value of 10.x is no second vertex",
       dxf(polyline + "0 VERTEX 8 HA_6292 10 1 20 2 30 10.052 70 10 0 SEQEND"),
       records({"7 0.000000 0.000000", "1 1.000000 2.000000"})},
      {"other layers give nothing",
       dxf("0 POLYLINE 8 ROADS 0 VERTEX 8 ROADS 10 1 20 2 0 VERTEX 8 ha_6292 10 1 20 2 0 SEQEND"), ""},
      {"vertex on the layer after a polyline elsewhere is record 0",
       dxf("0 POLYLINE 8 ROADS 0 VERTEX 8 HA_6292 10 1 20 2 0 SEQEND"), records({"0 1.000000 2.000000"})},
      {"two headers in a row", dxf(polyline + polyline + kUsualVertex),
       records({"7 0.000000 0.000000", "7 0.000000 0.000000", "1 13.000000 41.000000"})},
      {"layer code past the twelfth token", dxf("0 POLYLINE 5 1 6 2 62 3 39 4 66 1 70 0 8 HA_6292 " +
                                                 std::string(kUsualVertex)),
       records({"0 13.000000 41.000000"})},
      {"layer code past the sixth token of a vertex", dxf(polyline + "0 VERTEX 5 1 6 2 62 3 8 HA_6292 10 1 20 2"),
       records({"7 0.000000 0.000000"})},
      {"layer code as the twelfth token", dxf("0 POLYLINE 5 1 6 2 62 3 39 4 66 1 8 HA_6292 " +
                                               std::string(kUsualVertex)),
       records({"7 0.000000 0.000000", "1 13.000000 41.000000"})},
      {"group codes 10.0, 10abc, +10 count as 10; the y group code is not looked at",
       dxf(polyline + "0 VERTEX 8 HA_6292 10.0 1 20 2 0 VERTEX 8 HA_6292 10abc 3 20 4 0 VERTEX 8 HA_6292 +10 5 99 6"),
       records({"7 0.000000 0.000000", "1 1.000000 2.000000", "0 3.000000 4.000000", "0 5.000000 6.000000"})},
      {"group code out of the int range is not 10",
       dxf(polyline + "0 VERTEX 8 HA_6292 4294967306 1 20 2 10 3 20 4"),
       records({"7 0.000000 0.000000", "1 3.000000 4.000000"})},
      {"no group code 10", dxf(polyline + "0 VERTEX 8 HA_6292 11 1 21 2 31 0 " + kUsualVertex),
       records({"7 0.000000 0.000000", "1 13.000000 41.000000"})},
      {"vertex whose numbers fail writes nothing and searches on",
       dxf(polyline + "0 VERTEX 8 HA_6292 10 x 20 y 10 5 20 6 " + kUsualVertex),
       records({"7 0.000000 0.000000", "1 5.000000 6.000000", "0 13.000000 41.000000"})},
      {"vertex whose numbers fail and stop", dxf(polyline + "0 VERTEX 8 HA_6292 10 abc 20 y " + kUsualVertex),
       records({"7 0.000000 0.000000", "1 13.000000 41.000000"})},
      {"drawing cut inside a vertex", dxf(polyline + "0 VERTEX 8 HA_6292 10 1 20"), records({"7 0.000000 0.000000"})},
      {"drawing cut after the group code 10", dxf(polyline + "0 VERTEX 8 HA_6292 10"),
       records({"7 0.000000 0.000000"})},
      {"keyword ends the header search", dxf("0 POLYLINE 8 ROADS 0 $EXTMIN 10 1 20 2 8 HA_6292"),
       records({"4 1.000000 2.000000"})},
      {"keyword ends the vertex layer search", dxf(polyline + "0 VERTEX 0 VERTEX 8 HA_6292 10 1 20 2"),
       records({"7 0.000000 0.000000", "1 1.000000 2.000000"})},
      {"layer named like a keyword is a keyword", dxf("0 POLYLINE 8 VERTEX 8 HA_6292 10 1 20 2"),
       records({"0 1.000000 2.000000"})},
      {"polyline header cut short", dxf("0 POLYLINE 8"), ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(convert(c.drawing), c.expected);
  }
}

TEST(Polylines, SampleDrawing) {
  const std::string drawing = read_file(std::string(POLYDUMP_EXAMPLES) + "/map1.dxf");
  EXPECT_EQ(convert(drawing, "0\n"),
            records({"4 402150.250000 6203410.500000", "5 404980.750000 6205122.125000", "6 0.000000 0.000000",
                     "7 0.000000 0.000000", "1 402150.250000 6203410.500000", "0 402611.875000 6203588.062500",
                     "0 403020.400000 6203902.150000", "0 403512.000000 6204105.750000", "7 0.000000 0.000000",
                     "1 403600.500000 6204200.000000", "0 403750.250000 6204310.875000",
                     "0 403980.000000 6204402.500000", "0 404205.062500 6204498.000000",
                     "0 403600.500000 6204200.000000"}));
  EXPECT_EQ(convert(drawing, "1\n"),
            records({"4 402150.250000 6203410.500000", "5 404980.750000 6205122.125000", "6 0.000000 0.000000",
                     "7 0.000000 0.000000", "1 404100.125000 6204950.500000", "0 404500.000000 6205000.000000",
                     "0 404980.750000 6205122.125000"}));
}

}  // namespace
