#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>

namespace quorlin::testing {

// Runs `work` in a forked child that ends with exit code 0 when it returns.
inline pid_t StartChild(const std::function<void()>& work) {
  pid_t pid = fork();
  if (pid == 0) {
    work();
    _exit(0);
  }
  return pid;
}

// Waits for a child and tells whether it ended by itself with exit code 0.
inline bool JoinChild(pid_t pid) {
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return false;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace quorlin::testing
