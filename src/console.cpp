#include "console.h"

#include "system_file.h"

namespace polydump {
namespace {

constexpr int kStandardOutput = 1;

// The line ends are already CR LF, so standard output must pass the bytes unchanged. A failed
// write means nobody reads the console any more (its reader has gone, say, in
// "seawrack_polydump | head"); the run goes on regardless and its file is still complete.
void write_bytes(const char* data, std::size_t size) {
  [[maybe_unused]] static const bool prepared = [] {
    use_binary_mode(kStandardOutput);
    survive_refused_writes();
    return true;
  }();
  write_all(kStandardOutput, data, size);
}

}  // namespace

void console_write(std::string_view text) {
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t newline = text.find('\n', start);
    const std::size_t stop = newline == std::string_view::npos ? text.size() : newline;
    write_bytes(text.data() + start, stop - start);
    if (newline == std::string_view::npos) return;
    write_bytes("\r\n", 2);
    start = newline + 1;
  }
}

void console_write(std::string_view format, std::string_view arg) {
  const std::size_t at = format.find("%s");
  if (at == std::string_view::npos) return console_write(format);
  console_write(format.substr(0, at));
  console_write(arg);
  console_write(format.substr(at + 2));
}

}  // namespace polydump
