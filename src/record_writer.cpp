#include "record_writer.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>

#include "value_format.h"

namespace polydump {
namespace {

// A code of at most 11 characters, two tabs, two values and CR LF.
constexpr std::size_t kMaxRecordChars = 11 + 2 + 2 * kMaxValueChars + 2;

}  // namespace

bool RecordWriter::create(const char* path) {
  fd_ = ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd_ < 0) return false;
  error_ = 0;
  buffer_.resize(kBufferSize);
  used_ = 0;
  return true;
}

void RecordWriter::write_record(int code, double first, double second) {
  if (kBufferSize - used_ < kMaxRecordChars) flush();
  char* const start = buffer_.data() + used_;
  char* out = std::to_chars(start, start + 11, code).ptr;
  *out++ = '\t';
  out = format_value(first, out);
  *out++ = '\t';
  out = format_value(second, out);
  *out++ = '\r';
  *out++ = '\n';
  used_ += static_cast<std::size_t>(out - start);
}

void RecordWriter::flush() {
  const char* data = buffer_.data();
  std::size_t left = used_;
  while (left > 0 && error_ == 0) {
    const ssize_t n = ::write(fd_, data, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      error_ = n < 0 ? errno : EIO;
      break;
    }
    data += n;
    left -= static_cast<std::size_t>(n);
  }
  used_ = 0;
}

bool RecordWriter::close() {
  if (fd_ < 0) return error_ == 0;
  flush();
  if (::close(fd_) != 0 && error_ == 0) error_ = errno ? errno : EIO;
  fd_ = -1;
  buffer_ = {};
  return error_ == 0;
}

}  // namespace polydump
