// A file held in memory (memfd), which the fuzz targets hand to the program's readers and
// writers by descriptor or by path, without touching the disk on every input.
#pragma once

#include <string>
#include <string_view>

class MemoryFile {
 public:
  MemoryFile();
  ~MemoryFile();
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;

  int fd() const { return fd_; }
  /// A path that opens this same file, for code that takes a path.
  const char* path() const { return path_.c_str(); }
  /// Replaces the contents with bytes and puts the offset at the start.
  void assign(std::string_view bytes);
  /// Puts the offset back at the start, for another reader.
  void rewind() const;
  /// The whole contents.
  std::string contents() const;
  /// The offset of the descriptor: how far a reader of fd() has read.
  long offset() const;

 private:
  int fd_;
  std::string path_;
};
