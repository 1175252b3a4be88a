#include "native_path.h"

#include <algorithm>

namespace polydump {

std::string native_path(std::string_view shown) {
#ifdef _WIN32
  return std::string(shown);
#else
  constexpr std::string_view kDrive = "C:\\";
  if (shown.starts_with(kDrive)) shown.remove_prefix(kDrive.size());
  std::string path(shown);
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
#endif
}

}  // namespace polydump
