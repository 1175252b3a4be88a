// The point-list file: records of a code and two values, "%d\t%lf\t%lf" and CR LF, gathered
// in one buffer and written in large blocks. The scan writes every record through it.
#pragma once

#include <cstddef>
#include <vector>

namespace polydump {

class RecordWriter {
 public:
  // Large writes keep the system calls few; 256 KiB holds some 5000 typical records.
  static constexpr std::size_t kBufferSize = std::size_t{256} << 10;

  /// Creates the file at path, or empties it; false when that fails.
  bool create(const char* path);
  /// Appends one record line.
  void write_record(int code, double first, double second);
  /// Writes what is buffered and closes the file; false when any write or the close failed,
  /// and then the file is incomplete.
  bool close();
  bool is_open() const { return fd_ >= 0; }

 private:
  void flush();

  int fd_ = -1;
  int error_ = 0;
  std::vector<char> buffer_;
  std::size_t used_ = 0;
};

}  // namespace polydump
