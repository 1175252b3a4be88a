// Where the dialogue's paths are opened on this system.
#include "native_path.h"

#include <gtest/gtest.h>

namespace {

TEST(NativePath, DriveIsTheStartingDirectoryAndBackslashesAreSlashes) {
  EXPECT_EQ(polydump::native_path("C:\\images\\coast\\map1.dxf"), "images/coast/map1.dxf");
  EXPECT_EQ(polydump::native_path("C:\\images\\a/b\\c d.rak"), "images/a/b/c d.rak");
  EXPECT_EQ(polydump::native_path("C:\\images\\..\\x.dxf"), "images/../x.dxf");
}

}  // namespace
