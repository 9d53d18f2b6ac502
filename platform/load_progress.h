#pragma once
// The parser component reports how far a load has read, so that a terminal
// or a window can show progress while the one thread is blocked in the load.

#include <cstdint>
#include <functional>

using LoadProgressListener = std::function<void(std::uint64_t bytesRead, std::uint64_t bytesTotal)>;

// Replaces the listener for this thread; an empty function removes it.
void SetLoadProgressListener(LoadProgressListener listener);
void ReportLoadProgress(std::uint64_t bytesRead, std::uint64_t bytesTotal);
