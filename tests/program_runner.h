// Runs the built program as a user would: in a temporary directory of its own, with answers
// piped to its standard input, its console transcript and exit status captured. When the
// environment names a POLYDUMP_WINDOWS_LAUNCHER, that runs the Windows program in its place,
// with the directory's images/ as C:\images.
#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <map>
#include <string>

struct RunResult {
  int status = -1;      // exit status, or -1 when the program did not exit normally
  std::string console;  // everything written to standard output
  long peak_kib = 0;    // the most memory the program held, as the system counts it (ru_maxrss)
};

class ProgramDir {
 public:
  ProgramDir();
  ~ProgramDir();
  ProgramDir(const ProgramDir&) = delete;
  ProgramDir& operator=(const ProgramDir&) = delete;

  const std::filesystem::path& root() const { return root_; }
  /// Writes bytes to the file at relative, creating its directories.
  void write(const std::string& relative, const std::string& bytes) const;
  /// The bytes of the file at relative; empty when missing.
  std::string read(const std::string& relative) const;
  bool exists(const std::string& relative) const;
  /// Every entry below root() by relative path: a file's bytes, "-> target" for a symbolic
  /// link, "<folder>" for a folder.
  std::map<std::string, std::string> entries() const;
  /// Runs the program in root() with answers as standard input. A non-zero output_limit is
  /// the largest file, in bytes, that the program may write (RLIMIT_FSIZE); a write past it
  /// fails as on a full disk.
  RunResult run(const std::string& answers, std::uint64_t output_limit = 0) const;

 private:
  std::filesystem::path root_;
};

/// Whether the runs go to the Windows program through POLYDUMP_WINDOWS_LAUNCHER.
bool testing_windows_program();

/// The bytes of a file outside the temporary directory.
std::string read_file(const std::filesystem::path& path);

/// Answers of the main road: folder "coast", input "map1", output "map1pts", choice 0.
inline constexpr const char* kMainAnswers = "coast\nmap1\nmap1pts\n0\n";

/// Converts drawing with the answers of the main road and the given menu reply; the records.
std::string convert(const std::string& drawing, const std::string& menu_reply = "0\n");

/// Point-list lines written with single spaces, as the file holds them: tabs and CR LF.
std::string records(std::initializer_list<const char*> lines);
