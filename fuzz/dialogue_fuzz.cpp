// Fuzzes the console dialogue: arbitrary bytes as the console input of a whole run, with a
// drawing present at C:\images\coast\map1.dxf. Every run must come to an end (libFuzzer's
// timeout catches an endless menu or an endless asking again) with status 0 or 1 and both
// files closed. The run happens in this process: exit_process hands the status back by
// throwing, where the program would end the process.
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "dialogue.h"
#include "finding.h"
#include "globals.h"
#include "memory_file.h"
#include "native_path.h"
#include "opening.h"
#include "process_exit.h"
#include "text_input.h"
#include "treatment.h"

namespace {

struct RunEnded {
  int status;
};

// Polylines on both built-in layers and on a third, extents in the header.
constexpr std::string_view kDrawing =
    "0\nSECTION\n2\nHEADER\n9\n$EXTMIN\n10\n1.5\n20\n2.5\n9\n$EXTMAX\n10\n9.5\n20\n8.5\n0\nENDSEC\n"
    "0\nSECTION\n2\nENTITIES\n"
    "0\nPOLYLINE\n8\nHA_6292\n66\n1\n0\nVERTEX\n8\nHA_6292\n10\n1.0\n20\n2.0\n0\nVERTEX\n8\nHA_6292\n10\n3\n20\n4\n"
    "0\nSEQEND\n0\nPOLYLINE\n8\nha_6292\n66\n1\n0\nVERTEX\n8\nha_6292\n10\n5\n20\n6\n0\nSEQEND\n"
    "0\nPOLYLINE\n8\nSEA\n66\n1\n0\nVERTEX\n8\nSEA\n10\n7\n20\n8\n0\nSEQEND\n0\nENDSEC\n0\nEOF\n";

// A directory of its own holding the drawing, where every run takes place; removed when the
// fuzzer ends.
class RunDirectory {
 public:
  RunDirectory() {
    char root[] = "/tmp/polydump-dialogue-fuzz-XXXXXX";
    if (!mkdtemp(root)) finding("mkdtemp failed");
    root_ = root;
    std::filesystem::create_directories(root_ / "images/coast");
    std::ofstream(root_ / "images/coast/map1.dxf", std::ios::binary) << kDrawing;
    fd_ = open(root, O_RDONLY | O_DIRECTORY);
  }
  ~RunDirectory() {
    close(fd_);
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  RunDirectory(const RunDirectory&) = delete;
  RunDirectory& operator=(const RunDirectory&) = delete;

  int fd() const { return fd_; }

 private:
  std::filesystem::path root_;
  int fd_;
};

// Enters the run directory for one run and returns to where libFuzzer reads its corpus and
// writes what it finds.
class InRunDirectory {
 public:
  explicit InRunDirectory(const RunDirectory& run_dir) : home_(open(".", O_RDONLY | O_DIRECTORY)) {
    if (fchdir(run_dir.fd()) != 0) finding("cannot enter the run directory");
  }
  ~InRunDirectory() {
    if (fchdir(home_) != 0) finding("cannot return from the run directory");
    close(home_);
  }
  InRunDirectory(const InRunDirectory&) = delete;
  InRunDirectory& operator=(const InRunDirectory&) = delete;

 private:
  int home_;
};

// The console output goes nowhere.
bool silence_console() {
  const int null = open("/dev/null", O_WRONLY);
  dup2(null, STDOUT_FILENO);
  close(null);
  return true;
}

}  // namespace

[[noreturn]] void exit_process(int status) { throw RunEnded{status}; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const RunDirectory run_dir;
  static const bool silent = silence_console();
  (void)silent;
  const std::string_view answers(reinterpret_cast<const char*>(data), size);
  // A ".." could lead the files out of the run directory and empty a .rak file elsewhere;
  // the console drops carriage returns, so ".\r." is one too.
  std::string typed(answers);
  std::erase(typed, '\r');
  if (typed.find("..") != std::string::npos) return -1;

  static MemoryFile console;
  console.assign(answers);
  dup2(console.fd(), STDIN_FILENO);
  // Blocks of 3 bytes put answers across block ends.
  polydump::console_input().attach(STDIN_FILENO, 3);
  nomim2[0] = '\0';

  const InRunDirectory in_run_dir(run_dir);
  int status = 0;
  try {
    opening();
    treatment();
  } catch (const RunEnded& ended) {
    status = ended.status;
  }
  if (status != 0 && status != 1) finding("exit status other than 0 and 1", std::to_string(status));
  if (f1.is_open() || f2.is_open()) finding("a file left open at the end of the run");
  std::error_code ignored;
  if (nomim2[0] != '\0') std::filesystem::remove(polydump::native_path(nomim2), ignored);
  return 0;
}
