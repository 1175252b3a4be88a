#include "record_writer.h"

#include <charconv>

#include "system_file.h"
#include "value_format.h"

namespace polydump {
namespace {

// A code of at most 11 characters, two tabs, two values and CR LF.
constexpr std::size_t kMaxRecordChars = 11 + 2 + 2 * kMaxValueChars + 2;

}  // namespace

bool RecordWriter::create(const char* path) {
  fd_ = create_for_writing(path);
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
  if (error_ == 0) error_ = write_all(fd_, buffer_.data(), used_);
  used_ = 0;
}

bool RecordWriter::close() {
  if (fd_ < 0) return error_ == 0;
  flush();
  const int close_error = close_file(fd_);
  if (error_ == 0) error_ = close_error;
  fd_ = -1;
  buffer_ = {};
  return error_ == 0;
}

}  // namespace polydump
