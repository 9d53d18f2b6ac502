#include "platform/xml/references/cache_files.h"

#include "platform/os/posix_io.h"
#include "platform/os/unique_fd.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <utility>
#include <vector>

namespace {

// A temporary file this old was left by a program that ended mid-write.
constexpr std::int64_t kAbandonedSeconds = 3600;
constexpr std::string_view kTemporaryMark = ".tmp-";

struct FolderDeleter {
    void operator()(DIR* folder) const { ::closedir(folder); }
};

} // namespace

std::string CorvaneCacheFolder()
{
    const char* cacheHome = std::getenv("XDG_CACHE_HOME");
    // A relative XDG_CACHE_HOME is invalid and is to be ignored.
    if (cacheHome != nullptr && cacheHome[0] == '/')
        return std::string(cacheHome) + "/corvane";
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/')
        return std::string(home) + "/.cache/corvane";
    return {};
}

bool MakeCacheFolders(const std::string& folder)
{
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            break;
    }
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::optional<std::string> ReadWholeCacheFile(const std::string& path, std::uint64_t largest)
{
    const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    struct stat info {};
    if (!fd || ::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode) ||
        static_cast<std::uint64_t>(info.st_size) > largest)
        return std::nullopt;
    std::string text(static_cast<std::size_t>(info.st_size), '\0');
    if (ReadFully(fd.Get(), text.data(), text.size()) != text.size())
        return std::nullopt;
    return text;
}

CacheFileBytes::~CacheFileBytes()
{
    if (m_data != nullptr)
        ::munmap(m_data, m_mapped);
}

CacheFileBytes::CacheFileBytes(CacheFileBytes&& other) noexcept
    : m_data(std::exchange(other.m_data, nullptr))
    , m_mapped(std::exchange(other.m_mapped, 0))
    , m_size(std::exchange(other.m_size, 0))
{
}

CacheFileBytes& CacheFileBytes::operator=(CacheFileBytes&& other) noexcept
{
    if (this != &other) {
        this->~CacheFileBytes();
        m_data = std::exchange(other.m_data, nullptr);
        m_mapped = std::exchange(other.m_mapped, 0);
        m_size = std::exchange(other.m_size, 0);
    }
    return *this;
}

// Anonymous memory, filled by read(2): a file truncated by another program
// while it is read leaves a short read, where a mapping of the file itself
// would end the process.
std::optional<CacheFileBytes> CacheFileBytes::Read(const std::string& path, std::uint64_t largest)
{
    const UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK));
    struct stat info {};
    if (!fd || ::fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size == 0 ||
        static_cast<std::uint64_t>(info.st_size) > largest)
        return std::nullopt;
    CacheFileBytes bytes;
    bytes.m_size = static_cast<std::size_t>(info.st_size);
    bytes.m_mapped = bytes.m_size;
    void* data = ::mmap(nullptr, bytes.m_mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE,
                        -1, 0);
    if (data == MAP_FAILED)
        return std::nullopt;
    bytes.m_data = data;
    if (ReadFully(fd.Get(), static_cast<char*>(data), bytes.m_size) != bytes.m_size)
        return std::nullopt;
    return bytes;
}

// No fsync: a file that a crash leaves short or zeroed fails its checksum
// and is written again, which costs less than waiting for the disk on every
// write.
bool WriteCacheFileWhole(const std::string& path, std::string_view head, std::string_view body)
{
    static std::atomic<unsigned> counter{0};
    const std::string temporary =
        path + std::string(kTemporaryMark) + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    {
        const UniqueFd fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600));
        if (!fd)
            return false;
        if (!WriteAll(fd.Get(), head) || !WriteAll(fd.Get(), body)) {
            ::unlink(temporary.c_str());
            return false;
        }
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

void MarkCacheFileUsed(const std::string& path)
{
    if (!path.empty())
        ::utimensat(AT_FDCWD, path.c_str(), nullptr, AT_SYMLINK_NOFOLLOW);
}

void KeepCacheFilesWithin(const std::string& folder, std::string_view suffix, std::uint64_t maxBytes,
                          const std::string& justWritten)
{
    const std::unique_ptr<DIR, FolderDeleter> listing(::opendir(folder.c_str()));
    if (!listing)
        return;
    struct Found {
        std::string path;
        std::int64_t used;
        std::uint64_t size;
    };
    std::vector<Found> entries;
    std::uint64_t total = 0;
    const auto now = static_cast<std::int64_t>(std::time(nullptr));
    while (const dirent* item = ::readdir(listing.get())) {
        const std::string_view name = item->d_name;
        const bool entry = name.ends_with(suffix);
        const bool temporary = name.find(kTemporaryMark) != std::string_view::npos;
        if (!entry && !temporary)
            continue;
        const std::string path = folder + "/" + std::string(name);
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
            continue;
        if (temporary) {
            if (now - info.st_mtime > kAbandonedSeconds)
                ::unlink(path.c_str());
            continue;
        }
        const auto size = static_cast<std::uint64_t>(info.st_size);
        total += size;
        // Several are written within a second: their times tell them apart
        // to the nanosecond.
        if (path != justWritten)
            entries.push_back({path, info.st_mtim.tv_sec * 1'000'000'000ll + info.st_mtim.tv_nsec, size});
    }
    if (total <= maxBytes)
        return;
    std::sort(entries.begin(), entries.end(), [](const Found& a, const Found& b) { return a.used < b.used; });
    for (const Found& found : entries) {
        if (total <= maxBytes)
            break;
        // Another program may have removed it first; the space is free either way.
        ::unlink(found.path.c_str());
        total -= found.size;
    }
}

std::string CacheHex(std::uint64_t value)
{
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i, value >>= 4)
        text[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
    return text;
}
