#pragma once
// A worker that outlives its call. Each call of the command-line program
// would otherwise pay for a process and a parser started for it alone, which
// on a small document is most of the check. Once its call has ended cleanly
// (no load under way), the worker detaches, listens on a socket in a folder
// only this user can enter, and serves the next call made with the same
// program, user, folder, environment and limits; it ends after a while
// without one. One call at a time uses it: a caller holds the worker's lock
// while it is connected, and a call that finds the lock taken starts a
// worker of its own, as every call did before. A document that crashes the
// kept worker costs that call its report and the next call a fresh start.

#include "platform/os/unique_fd.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace xmlworker {

// Where the worker kept for one kind of call listens, and the lock its
// callers take.
struct KeptWorkerPlace {
    std::string socketPath;
    std::string lockPath;
    std::chrono::seconds staysFor{};
};

// The place for calls with this environment (the worker's, as its caller
// hands it on), in the user's runtime folder or a private folder of /tmp;
// nothing when `staysFor` is zero, or no such folder is this user's alone.
std::optional<KeptWorkerPlace> KeptWorkerPlaceFor(const std::vector<std::string>& environment,
                                                  std::chrono::seconds staysFor);

struct KeptWorkerConnection {
    UniqueFd socket;
    UniqueFd lock; // held while connected: other calls start their own worker
    pid_t pid = 0;
    std::uint64_t loadsServed = 0;
};

// The kept worker's connection, once it has said it is ready; nothing when
// another call uses it, none listens, or it does not answer within `wait`.
std::optional<KeptWorkerConnection> ConnectToKeptWorker(const KeptWorkerPlace& place,
                                                        std::chrono::milliseconds wait);

// In a worker started by a call that lets it stay: the place it may be kept
// at (set in the caller before the worker is forked).
void SetKeptWorkerPlace(std::optional<KeptWorkerPlace> place);
bool WorkerMayBeKept();

// In the worker, once its caller has gone between loads: the next caller's
// connection, after the worker became the one kept for its place; nothing
// when it is to end (another is kept there, nobody came in time, or it may
// not be kept).
std::optional<UniqueFd> AwaitNextCaller();

} // namespace xmlworker
