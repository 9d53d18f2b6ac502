#pragma once
// Runs a piece of a test in a child process of its own: for work that must
// happen in separate processes, or with rights the test runner lacks.

#include <cstddef>
#include <functional>

// Forks, runs `body` in the child and returns its result as the child's exit
// status (0 to 255); -1 if the child could not be started or did not exit
// normally. `body` must not use test assertions: it reports through its
// result.
int RunInChildProcess(const std::function<int()>& body);

// As RunInChildProcess, but the child gives up the superuser's rights first
// (when it has them), so that file permissions bind it as they bind a user.
// Returns kCannotDropPrivileges when that is not possible.
inline constexpr int kCannotDropPrivileges = 254;
int RunInUnprivilegedChildProcess(const std::function<int()>& body);

// Starts `body` in a child and returns at once; WaitForChild collects it.
int StartChildProcess(const std::function<int()>& body);
int WaitForChild(int pid);

// Caps this process' address space at its present size plus `headroom`, so
// that a large allocation fails; for use inside a child process only.
bool LimitAddressSpaceToCurrentPlus(std::size_t headroom);
