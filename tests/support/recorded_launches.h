#pragma once
// Reading what tests/support/programs/argv_recorder wrote: one record per
// start, in the folder its environment variable CORVANE_RECORD_DIR names.
// Set CORVANE_RECORD_MARK to see whether the environment was inherited.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

struct RecordedLaunch {
    long pid = 0;
    long parentPid = 0;
    long sessionId = 0;
    std::string cwd;
    std::optional<std::string> mark; // CORVANE_RECORD_MARK, when set
    std::string blockedSignals;      // hex masks as the kernel shows them
    std::string ignoredSignals;
    std::string inheritedDescriptors; // open descriptors >= 3, comma-separated
    std::vector<std::string> argv;
};

// The recorder's path in a build folder's bin/.
std::filesystem::path ArgvRecorderPath(const std::filesystem::path& binFolder);

// The records in `folder` now, oldest pid first.
std::vector<RecordedLaunch> RecordedLaunches(const std::filesystem::path& folder);

// Waits until `folder` holds at least `count` records and returns them. Gives
// up after a minute (a liveness bound, not a timing check) and returns what
// is there.
std::vector<RecordedLaunch> WaitForRecordedLaunches(const std::filesystem::path& folder, std::size_t count);

long CurrentProcessId();

// The pids of our own children that are zombies now.
std::vector<long> OwnZombieChildren();

// The parent of a running process; empty when it has gone.
std::optional<long> ParentOfProcess(long pid);

// While it lives: SIGUSR1 is ignored and SIGUSR2 blocked in the calling
// thread, and a descriptor without close-on-exec is open; all of which a
// started program must not inherit.
class InheritableState {
public:
    InheritableState();
    ~InheritableState();
    InheritableState(const InheritableState&) = delete;
    InheritableState& operator=(const InheritableState&) = delete;

private:
    int m_descriptor = -1;
    bool m_wasIgnored = false;
    bool m_wasBlocked = false;
};
