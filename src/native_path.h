// Where a path of the dialogue ("C:\images\coast\map1.dxf") is opened on this system. The
// dialogue shows and composes paths in that form on every platform; the file functions take
// them through here.
#pragma once

#include <string>
#include <string_view>

namespace polydump {

/// On Windows the path as it stands. Elsewhere the drive "C:" is the directory the program was
/// started in and every "\" is a "/": "C:\images\coast\map1.dxf" is "images/coast/map1.dxf".
std::string native_path(std::string_view shown);

}  // namespace polydump
