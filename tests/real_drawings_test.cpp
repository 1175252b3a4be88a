// Drawings written by CAD programs and DXF libraries, not shaped for this program: each is
// converted through the built program and compared byte for byte with a point-list file whose
// records were checked against the drawing's own entities (tests/data/SOURCES.md).
#include <gtest/gtest.h>

#include <string>

#include "program_runner.h"

namespace {

struct RealDrawing {
  const char* drawing;     // in the test data
  const char* menu_reply;  // choice 2 and the drawing's polyline layer
  const char* expected;    // the point-list file, in the test data
};

/// The bytes of a file of the test data; a missing or empty file fails the test.
std::string test_data(const char* name) {
  const std::string bytes = read_file(std::string(POLYDUMP_TESTDATA) + "/" + name);
  if (bytes.empty()) ADD_FAILURE() << "missing test data " << name;
  return bytes;
}

TEST(RealDrawings, GiveTheCheckedPointLists) {
  const RealDrawing drawings[] = {
      // AutoCAD R12: vertices end with group 30, no 70; the layer code is "0".
      {"jsdxf-issue42.dxf", "2\n0\n", "jsdxf-issue42.rak"},
      // Vertices of groups 8, 10 and 20 only; polylines with odd vertex counts.
      {"jsdxf-issue29.dxf", "2\n1\n", "jsdxf-issue29.rak"},
      // R13: subclass and owner groups put a vertex's layer code out of reach, not a polyline's.
      {"ezdxf-small_r13.dxf", "2\n3USMM_PKG\n", "ezdxf-small_r13.rak"},
      // Vertices on another layer than their polylines: every one is a record 0.
      {"dxfparser-polylines.dxf", "2\nMY3DLAYER\n", "dxfparser-polylines.rak"},
  };
  for (const RealDrawing& d : drawings) {
    SCOPED_TRACE(d.drawing);
    EXPECT_EQ(convert(test_data(d.drawing), d.menu_reply), test_data(d.expected));
  }
}

}  // namespace
