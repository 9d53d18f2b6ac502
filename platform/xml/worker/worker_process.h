#pragma once
// The worker's side: the program started as a worker serves loads until the
// program that started it goes away.

namespace xmlworker {

// Serves the loads that come through `fd` for the rest of the process's life.
[[noreturn]] void RunWorker(int fd);

} // namespace xmlworker
