#include "process.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

extern char** environ;

namespace fs = std::filesystem;

namespace {

std::string search_path(const std::string& name) {
  if (name.find('/') != std::string::npos) return access(name.c_str(), X_OK) == 0 ? name : "";
  const char* path = std::getenv("PATH");
  std::string folders = path ? path : "/usr/bin:/bin";
  std::size_t begin = 0;
  for (;;) {
    const std::size_t colon = folders.find(':', begin);
    const fs::path folder = colon == begin ? fs::path(".") : fs::path(folders.substr(begin, colon - begin));
    const std::string candidate = (folder / name).string();
    if (access(candidate.c_str(), X_OK) == 0 && fs::is_regular_file(candidate)) return candidate;
    if (colon == std::string::npos) return "";
    begin = colon + 1;
  }
}

}  // namespace

int run_program(const std::vector<std::string>& command, std::string* output) {
  std::vector<char*> argv;
  for (const std::string& argument : command) argv.push_back(const_cast<char*>(argument.c_str()));
  argv.push_back(nullptr);

  int pipe_ends[2] = {-1, -1};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (output) {
    if (pipe(pipe_ends) != 0) return 127;
    posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipe_ends[0]);
    posix_spawn_file_actions_addclose(&actions, pipe_ends[1]);
  }
  pid_t child = 0;
  const int started = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (output) {
    close(pipe_ends[1]);
    char buffer[4096];
    ssize_t count = 0;
    while (started == 0 && (count = read(pipe_ends[0], buffer, sizeof buffer)) != 0) {
      if (count > 0) output->append(buffer, static_cast<std::size_t>(count));
      else if (errno != EINTR) break;
    }
    close(pipe_ends[0]);
  }
  if (started != 0) return 127;
  int status = 0;
  while (waitpid(child, &status, 0) < 0)
    if (errno != EINTR) return 127;
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return 127;
}

bool program_available(const std::string& name) { return !search_path(name).empty(); }

std::string find_mirelo() {
  if (const char* given = std::getenv("MIRELO"); given && *given) {
    const std::string found = search_path(given);
    return found.empty() ? "" : fs::absolute(found).string();
  }
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  if (!error) {
    for (const fs::path& candidate : {self.parent_path() / "mirelo", self.parent_path().parent_path() / "console" / "mirelo"})
      if (access(candidate.c_str(), X_OK) == 0) return candidate.string();
  }
  const std::string found = search_path("mirelo");
  return found.empty() ? "" : fs::absolute(found).string();
}

std::string shell_quote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}
