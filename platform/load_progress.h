#pragma once
// The parser component reports how far a load has read, so that a terminal
// or a window can show progress while the one thread is blocked in the load.

#include <cstdint>
#include <functional>

using LoadProgressListener = std::function<void(std::uint64_t bytesRead, std::uint64_t bytesTotal)>;

// Replaces the listener for this thread; an empty function removes it.
void SetLoadProgressListener(LoadProgressListener listener);
void ReportLoadProgress(std::uint64_t bytesRead, std::uint64_t bytesTotal);

// While a load waits for the parser, the caller's thread may do other work
// between short waits: a window repaints and watches for the user ending the
// program. Returning false ends the load, which then reports that it was
// cancelled. An empty function removes the handler (for this thread).
using LoadWaitHandler = std::function<bool()>;

void SetLoadWaitHandler(LoadWaitHandler handler);
bool HasLoadWaitHandler();
// True while the load should go on.
bool ContinueLoadWait();
