#include "program_runner.h"

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

// No conversion in the suite takes more than a fraction of this; a run that does has hung.
constexpr auto kRunLimit = std::chrono::seconds(60);

// Names a program that runs the Windows program in the current directory, under Wine.
constexpr const char* kWindowsLauncher = "POLYDUMP_WINDOWS_LAUNCHER";

}  // namespace

ProgramDir::ProgramDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "polydump-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  root_ = pattern;
}

ProgramDir::~ProgramDir() {
  std::error_code ignored;
  std::filesystem::remove_all(root_, ignored);
}

void ProgramDir::write(const std::string& relative, const std::string& bytes) const {
  const auto path = root_ / relative;
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string ProgramDir::read(const std::string& relative) const { return read_file(root_ / relative); }

bool ProgramDir::exists(const std::string& relative) const { return std::filesystem::exists(root_ / relative); }

std::map<std::string, std::string> ProgramDir::entries() const {
  std::map<std::string, std::string> found;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root_)) {
    const std::string relative = entry.path().lexically_relative(root_).string();
    if (entry.is_symlink()) {
      found[relative] = "-> " + std::filesystem::read_symlink(entry.path()).string();
    } else if (entry.is_directory()) {
      found[relative] = "<folder>";
    } else {
      found[relative] = read_file(entry.path());
    }
  }
  return found;
}

std::string read_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool testing_windows_program() { return std::getenv(kWindowsLauncher) != nullptr; }

RunResult ProgramDir::run(const std::string& answers, std::uint64_t output_limit) const {
  const char* const launcher = std::getenv(kWindowsLauncher);
  const char* const program = launcher ? launcher : POLYDUMP_EXE;
  int to_child[2], from_child[2];
  if (pipe(to_child) != 0 || pipe(from_child) != 0) throw std::runtime_error("pipe failed");
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(to_child[0], STDIN_FILENO);
    dup2(from_child[1], STDOUT_FILENO);
    close(to_child[0]);
    close(to_child[1]);
    close(from_child[0]);
    close(from_child[1]);
    if (chdir(root_.c_str()) != 0) _exit(127);
    if (output_limit != 0) {
      const rlimit limit{output_limit, output_limit};
      if (setrlimit(RLIMIT_FSIZE, &limit) != 0) _exit(127);
    }
    execl(program, program, static_cast<char*>(nullptr));
    _exit(127);
  }
  close(to_child[0]);
  close(from_child[1]);

  // Feed the answers and collect the console together, so neither pipe can fill up and
  // stall the other side.
  signal(SIGPIPE, SIG_IGN);
  RunResult result;
  std::size_t fed = 0;
  int input = to_child[1];
  if (answers.empty()) {
    close(input);
    input = -1;
  }
  const auto deadline = std::chrono::steady_clock::now() + kRunLimit;
  for (;;) {
    pollfd fds[2] = {{from_child[0], POLLIN, 0}, {input, POLLOUT, 0}};
    poll(fds, input >= 0 ? 2 : 1, 1000);
    if (std::chrono::steady_clock::now() > deadline) {
      kill(pid, SIGKILL);
      break;
    }
    if (input >= 0 && (fds[1].revents & (POLLOUT | POLLERR | POLLHUP))) {
      const ssize_t n = ::write(input, answers.data() + fed, answers.size() - fed);
      if (n > 0) fed += static_cast<std::size_t>(n);
      if (n < 0 || fed == answers.size()) {
        close(input);
        input = -1;
      }
    }
    if (fds[0].revents & (POLLIN | POLLHUP)) {
      char chunk[4096];
      const ssize_t n = ::read(from_child[0], chunk, sizeof chunk);
      if (n <= 0) break;
      result.console.append(chunk, static_cast<std::size_t>(n));
    }
  }
  if (input >= 0) close(input);
  close(from_child[0]);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.peak_kib = usage.ru_maxrss;
  return result;
}

std::string convert(const std::string& drawing, const std::string& menu_reply) {
  ProgramDir dir;
  dir.write("images/coast/map1.dxf", drawing);
  const RunResult run = dir.run(std::string("coast\nmap1\nmap1pts\n") + menu_reply);
  if (run.status != 0) return "exit status " + std::to_string(run.status);
  return dir.read("images/coast/map1pts.rak");
}

std::string records(std::initializer_list<const char*> lines) {
  std::string text;
  for (std::string line : lines) {
    for (char& c : line) c = c == ' ' ? '\t' : c;
    text += line + "\r\n";
  }
  return text;
}
