#pragma once
// The parser component reports how far a load has read, so that a terminal
// or a window can show progress while the one thread is blocked in the load.

#include <cstdint>
#include <functional>
#include <string>

using LoadProgressListener = std::function<void(std::uint64_t bytesRead, std::uint64_t bytesTotal)>;

// Replaces the listener for this thread; an empty function removes it.
void SetLoadProgressListener(LoadProgressListener listener);
// Whether this thread follows progress: a load may skip telling it if not.
bool HasLoadProgressListener();
void ReportLoadProgress(std::uint64_t bytesRead, std::uint64_t bytesTotal);

// Something the user should know about a load that is not its verdict: a
// referenced document taken from the cache because its server could not be
// reached, say. One line of text, without a terminator.
using LoadNoticeListener = std::function<void(const std::string& notice)>;

// Replaces the listener for this thread; an empty function removes it.
void SetLoadNoticeListener(LoadNoticeListener listener);
void ReportLoadNotice(const std::string& notice);

// While a load waits for the parser, the caller's thread may do other work
// between short waits: a window repaints and watches for the user ending the
// program. Returning false ends the load, which then reports that it was
// cancelled. An empty function removes the handler (for this thread).
using LoadWaitHandler = std::function<bool()>;

void SetLoadWaitHandler(LoadWaitHandler handler);
bool HasLoadWaitHandler();
// True while the load should go on.
bool ContinueLoadWait();
