#include "platform/xml/worker/kept_worker.h"

#include "platform/xml/worker/worker_protocol.h"
#include "platform/text/fnv_hash.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace xmlworker {

namespace {

// A folder for the sockets that only this user can enter: made if need be,
// and refused when it is anything else (a link, another user's, open to
// others). Whoever could still put a socket there is checked again at each
// connection by the credentials of the process behind it.
bool PrivateFolder(const std::string& folder)
{
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return false;
    struct stat info {};
    return ::lstat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::getuid() &&
           (info.st_mode & 077) == 0;
}

// The user's runtime folder when the session names one (and nothing when
// its folder for Corvane is not private), a folder of /tmp otherwise.
std::string SocketsFolder()
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string folder = runtime != nullptr && runtime[0] == '/'
                                   ? std::string(runtime) + "/corvane"
                                   : "/tmp/corvane-" + std::to_string(::getuid());
    return PrivateFolder(folder) ? folder : std::string();
}

// Everything a worker takes from the process that started it, besides the
// requests: a call that differs in any of it gets a worker of its own.
std::string CallKind(const std::vector<std::string>& environment, std::chrono::seconds staysFor)
{
    std::string kind;
    const auto add = [&kind](const auto&... parts) {
        ((kind += parts, kind += '\0'), ...);
    };
    struct stat program {};
    if (::stat("/proc/self/exe", &program) != 0)
        return {};
    add(std::to_string(program.st_dev), std::to_string(program.st_ino), std::to_string(program.st_size),
        std::to_string(program.st_mtim.tv_sec), std::to_string(program.st_mtim.tv_nsec));
    add(std::to_string(::getuid()), std::to_string(::getgid()), std::to_string(staysFor.count()));
    char folder[4096];
    if (::getcwd(folder, sizeof folder) == nullptr)
        return {};
    add(folder);
    for (const int resource : {RLIMIT_AS, RLIMIT_DATA, RLIMIT_STACK, RLIMIT_NOFILE, RLIMIT_CPU, RLIMIT_FSIZE}) {
        rlimit limit{};
        ::getrlimit(resource, &limit);
        add(std::to_string(limit.rlim_cur), std::to_string(limit.rlim_max));
    }
    for (const std::string& entry : environment)
        add(entry);
    return kind;
}

bool AddressFor(const std::string& path, sockaddr_un& address)
{
    address = {};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

UniqueFd TakeLock(const std::string& path)
{
    UniqueFd lock(::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (lock && ::flock(lock.Get(), LOCK_EX | LOCK_NB) != 0)
        lock.Reset();
    return lock;
}

// The user of the process at the other end of a connection.
std::optional<ucred> PeerOf(int socket)
{
    ucred peer{};
    socklen_t size = sizeof peer;
    if (::getsockopt(socket, SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0 || peer.uid != ::getuid())
        return std::nullopt;
    return peer;
}

UniqueFd Connect(const std::string& path)
{
    sockaddr_un address{};
    if (!AddressFor(path, address))
        return {};
    UniqueFd socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (socket && ::connect(socket.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        socket.Reset();
    return socket;
}

// The worker's side, inherited from the caller that forked it.
struct KeptState {
    std::optional<KeptWorkerPlace> place;
    UniqueFd listening;
    ino_t bound = 0; // the socket file this worker made
};

KeptState& Kept()
{
    static KeptState state;
    return state;
}

// Leaves the caller's session (its terminal's signals and hang-up are no
// longer this worker's), lets go of the caller's standard error (a caller
// whose output is read through a pipe would otherwise seem to run on), and
// listens at the place, unless another worker is kept there.
bool BecomeKept(KeptState& state)
{
    ::setsid();
    const UniqueFd nowhere(::open("/dev/null", O_WRONLY | O_CLOEXEC));
    if (!nowhere || ::dup2(nowhere.Get(), STDERR_FILENO) < 0)
        return false;
    const std::string& path = state.place->socketPath;
    const UniqueFd lock = TakeLock(state.place->lockPath);
    if (!lock || Connect(path))
        return false;
    ::unlink(path.c_str()); // a worker that died left it
    sockaddr_un address{};
    UniqueFd listening(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (!listening || !AddressFor(path, address) ||
        ::bind(listening.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        return false;
    struct stat info {};
    if (::chmod(path.c_str(), 0600) != 0 || ::lstat(path.c_str(), &info) != 0 || ::listen(listening.Get(), 8) != 0) {
        ::unlink(path.c_str());
        return false;
    }
    state.bound = info.st_ino;
    state.listening = std::move(listening);
    return true;
}

// Nobody came for a while: the worker ends, unless a caller holds the lock
// (it is about to connect). Its socket goes first, so that no caller finds
// it afterwards, and the lock with it (each folder a call is made in has
// its own): a caller that opened the lock before cannot connect any more.
bool EndWhenNobodyWaits(KeptState& state)
{
    const UniqueFd lock = TakeLock(state.place->lockPath);
    if (!lock)
        return false;
    struct stat info {};
    if (::lstat(state.place->socketPath.c_str(), &info) == 0 && info.st_ino == state.bound) {
        ::unlink(state.place->socketPath.c_str());
        ::unlink(state.place->lockPath.c_str());
    }
    state.listening.Reset();
    return true;
}

} // namespace

std::optional<KeptWorkerPlace> KeptWorkerPlaceFor(const std::vector<std::string>& environment,
                                                  std::chrono::seconds staysFor)
{
    if (staysFor.count() <= 0)
        return std::nullopt;
    const std::string folder = SocketsFolder();
    const std::string kind = CallKind(environment, staysFor);
    if (folder.empty() || kind.empty())
        return std::nullopt;
    char name[17];
    std::snprintf(name, sizeof name, "%016llx", static_cast<unsigned long long>(Fnv1a(kind)));
    KeptWorkerPlace place{folder + "/" + name + ".socket", folder + "/" + name + ".lock", staysFor};
    sockaddr_un address{};
    if (!AddressFor(place.socketPath, address))
        return std::nullopt;
    return place;
}

std::optional<KeptWorkerConnection> ConnectToKeptWorker(const KeptWorkerPlace& place,
                                                        std::chrono::milliseconds wait)
{
    // No socket, no worker kept: the lock is not made for nothing.
    if (::access(place.socketPath.c_str(), F_OK) != 0)
        return std::nullopt;
    KeptWorkerConnection connection;
    connection.lock = TakeLock(place.lockPath);
    if (!connection.lock)
        return std::nullopt;
    connection.socket = Connect(place.socketPath);
    const std::optional<ucred> peer = connection.socket ? PeerOf(connection.socket.Get()) : std::nullopt;
    if (!peer)
        return std::nullopt;
    pollfd ready{connection.socket.Get(), POLLIN, 0};
    int found = 0;
    do {
        found = ::poll(&ready, 1, static_cast<int>(wait.count()));
    } while (found < 0 && errno == EINTR);
    const auto hello = found > 0 ? ReceiveMessage(connection.socket.Get()) : std::nullopt;
    const auto loads = hello && hello->kind == MessageKind::Hello ? DecodeHello(hello->body) : std::nullopt;
    if (!loads)
        return std::nullopt;
    connection.pid = peer->pid;
    connection.loadsServed = *loads;
    return connection;
}

void SetKeptWorkerPlace(std::optional<KeptWorkerPlace> place)
{
    Kept().place = std::move(place);
}

bool WorkerMayBeKept()
{
    return Kept().place.has_value();
}

std::optional<UniqueFd> AwaitNextCaller()
{
    KeptState& state = Kept();
    if (!state.place || (!state.listening && !BecomeKept(state)))
        return std::nullopt;
    const auto idle = std::chrono::duration_cast<std::chrono::milliseconds>(state.place->staysFor);
    while (true) {
        pollfd ready{state.listening.Get(), POLLIN, 0};
        const int found = ::poll(&ready, 1, static_cast<int>(idle.count()));
        if (found < 0 && errno != EINTR)
            return std::nullopt;
        if (found == 0 && EndWhenNobodyWaits(state))
            return std::nullopt;
        if (found <= 0)
            continue;
        UniqueFd caller(::accept4(state.listening.Get(), nullptr, nullptr, SOCK_CLOEXEC));
        if (caller && PeerOf(caller.Get()))
            return caller;
    }
}

} // namespace xmlworker
