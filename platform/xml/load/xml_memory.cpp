#include "platform/xml/load/xml_memory.h"

#include <xercesc/util/OutOfMemoryException.hpp>
#include <xercesc/util/PlatformUtils.hpp>

#include <pthread.h>
#include <sys/mman.h>
#include <time.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <mutex>
#include <new>

namespace {

// Every block starts with a header holding its size, which keeps the
// block's payload aligned for any type the parser stores.
struct alignas(16) BlockHeader {
    std::size_t size;
};
static_assert(sizeof(BlockHeader) == 16);

// Under AddressSanitizer every block goes to malloc, so that a block used
// after its release is caught rather than hidden inside a pooled slab.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kPooling = false;
#else
constexpr bool kPooling = true;
#endif

// A block too large for the size classes comes from malloc with these links
// in front of its header, so that the pool can release it if the parser
// never does: the parser loses a few objects when a handler ends the parse
// inside a DOCTYPE, and the pool owns all of a load's memory either way.
struct alignas(16) LargeBlockLinks {
    LargeBlockLinks* previous;
    LargeBlockLinks* next;
};
static_assert(sizeof(LargeBlockLinks) == 16);

struct StallGuard {
    bool armed = false;
    bool fired = false;
};

thread_local StallGuard t_guard;
std::atomic<std::uint64_t> g_events{0};
std::atomic<std::uint64_t> g_eventLine{0};
std::atomic<bool> g_stopRequested{false};

void CheckStallGuard()
{
    if (!t_guard.armed || !g_stopRequested.load(std::memory_order_relaxed))
        return;
    // Once only: the parser frees its structures while the exception
    // unwinds, and some of its destructors allocate. A second throw there
    // would end the process.
    t_guard.fired = true;
    t_guard.armed = false;
    throw xercesc::OutOfMemoryException();
}

} // namespace

void ArmParserStallGuard()
{
    g_stopRequested = false;
    t_guard.armed = true;
    t_guard.fired = false;
}

void DisarmParserStallGuard()
{
    t_guard.armed = false;
}

bool ParserStallGuardFired()
{
    return t_guard.fired;
}

// Called for every node of the document, so no locked instruction: the
// watchdog only asks whether the count moved, and an increment that another
// thread's overlapped one swallowed still moves it.
void NoteParserProgress()
{
    g_events.store(g_events.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
}

void NoteParserProgress(std::uint64_t line)
{
    g_eventLine.store(line, std::memory_order_relaxed);
    NoteParserProgress();
}

namespace {

std::chrono::nanoseconds CpuTimeOf(clockid_t clock)
{
    timespec now{};
    if (::clock_gettime(clock, &now) != 0)
        return {};
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

// A helper's clock is read only while it is signed up, that is, alive.
struct HelperThreads {
    std::mutex mutex;
    std::vector<clockid_t> alive;
    std::chrono::nanoseconds ended{};
};

HelperThreads& Helpers()
{
    static HelperThreads helpers;
    return helpers;
}

} // namespace

ParserHelperThreadTime::ParserHelperThreadTime()
{
    clockid_t clock{};
    if (::pthread_getcpuclockid(::pthread_self(), &clock) != 0)
        return;
    HelperThreads& helpers = Helpers();
    std::lock_guard lock(helpers.mutex);
    helpers.alive.push_back(clock);
    m_signedUp = true;
}

ParserHelperThreadTime::~ParserHelperThreadTime()
{
    if (!m_signedUp)
        return;
    clockid_t clock{};
    ::pthread_getcpuclockid(::pthread_self(), &clock);
    HelperThreads& helpers = Helpers();
    std::lock_guard lock(helpers.mutex);
    helpers.ended += CpuTimeOf(CLOCK_THREAD_CPUTIME_ID);
    std::erase(helpers.alive, clock);
}

std::chrono::nanoseconds ParserHelperThreadsCpuTime()
{
    HelperThreads& helpers = Helpers();
    std::lock_guard lock(helpers.mutex);
    std::chrono::nanoseconds total = helpers.ended;
    for (const clockid_t clock : helpers.alive)
        total += CpuTimeOf(clock);
    return total;
}

std::uint64_t ParserProgressEvents()
{
    return g_events.load(std::memory_order_relaxed);
}

std::uint64_t ParserProgressLine()
{
    return g_eventLine.load(std::memory_order_relaxed);
}

void StopParserAtNextAllocation()
{
    g_stopRequested = true;
}

bool ParserStopRequested()
{
    return g_stopRequested.load(std::memory_order_relaxed);
}

XmlMemoryPool::XmlMemoryPool(std::uint64_t ceilingBytes) : m_ceiling(ceilingBytes) {}

XmlMemoryPool::~XmlMemoryPool()
{
    for (void* slab : m_slabs)
        std::free(slab);
    if (m_region != nullptr)
        ::munmap(m_region, m_regionBytes);
    while (m_largeBlocks != nullptr) {
        auto* links = static_cast<LargeBlockLinks*>(m_largeBlocks);
        m_largeBlocks = links->next;
        std::free(links);
    }
}

void* XmlMemoryPool::AllocateLarge(std::size_t rounded)
{
    auto* links = static_cast<LargeBlockLinks*>(
        std::malloc(sizeof(LargeBlockLinks) + sizeof(BlockHeader) + rounded));
    if (links == nullptr)
        return nullptr;
    links->previous = nullptr;
    links->next = static_cast<LargeBlockLinks*>(m_largeBlocks);
    if (links->next != nullptr)
        links->next->previous = links;
    m_largeBlocks = links;
    return links + 1;
}

void XmlMemoryPool::ReleaseLarge(void* header)
{
    auto* links = static_cast<LargeBlockLinks*>(header) - 1;
    if (links->previous != nullptr)
        links->previous->next = links->next;
    else
        m_largeBlocks = links->next;
    if (links->next != nullptr)
        links->next->previous = links->previous;
    std::free(links);
}

void XmlMemoryPool::PrefaultSlabs(std::size_t bytes)
{
    // Beyond this the pages come one by one, as without it.
    constexpr std::size_t kLargestRegion = 64 * 1024 * 1024;
    if (!kPooling || m_region != nullptr || bytes == 0)
        return;
    const std::size_t rounded = (std::min(bytes, kLargestRegion) + kSlabBytes - 1) / kSlabBytes * kSlabBytes;
    void* region = ::mmap(nullptr, rounded, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (region == MAP_FAILED)
        return;
    m_region = static_cast<std::byte*>(region);
    m_regionBytes = rounded;
}

xercesc::MemoryManager* XmlMemoryPool::getExceptionMemoryManager()
{
    // Exceptions may outlive the load that raised them.
    return xercesc::XMLPlatformUtils::fgMemoryManager;
}

void* XmlMemoryPool::AllocateFromClass(std::size_t sizeClass)
{
    if (FreeBlock* block = m_free[sizeClass]) {
        m_free[sizeClass] = block->next;
        return block;
    }
    const std::size_t blockBytes = sizeof(BlockHeader) + (sizeClass + 1) * kGranule;
    if (m_slabLeft < blockBytes) {
        void* slab = nullptr;
        if (m_regionUsed + kSlabBytes <= m_regionBytes) {
            slab = m_region + m_regionUsed;
            m_regionUsed += kSlabBytes;
        } else {
            slab = std::malloc(kSlabBytes);
            if (slab == nullptr)
                return nullptr;
            m_slabs.push_back(slab);
        }
        m_slabCursor = static_cast<std::byte*>(slab);
        m_slabLeft = kSlabBytes;
    }
    void* block = m_slabCursor;
    m_slabCursor += blockBytes;
    m_slabLeft -= blockBytes;
    return block;
}

void* XmlMemoryPool::allocate(XMLSize_t size)
{
    CheckStallGuard();
    const std::size_t rounded = size == 0 ? kGranule : (size + kGranule - 1) / kGranule * kGranule;
    // After the ceiling has been reported, the parser's cleanup (some of its
    // destructors allocate) draws on a reserve; a throw inside a destructor
    // would end the process.
    const std::uint64_t limit = m_ceilingReached ? m_ceiling + kCleanupReserve : m_ceiling;
    if (m_inUse + rounded > limit) {
        m_ceilingReached = true;
        throw xercesc::OutOfMemoryException();
    }
    const std::size_t sizeClass = rounded / kGranule - 1;
    void* raw = kPooling && sizeClass < kClassCount ? AllocateFromClass(sizeClass) : AllocateLarge(rounded);
    if (raw == nullptr)
        throw xercesc::OutOfMemoryException();
    auto* header = static_cast<BlockHeader*>(raw);
    header->size = rounded;
    m_inUse += rounded;
    return header + 1;
}

void XmlMemoryPool::deallocate(void* p)
{
    if (p == nullptr)
        return;
    auto* header = static_cast<BlockHeader*>(p) - 1;
    const std::size_t rounded = header->size;
    m_inUse -= rounded;
    const std::size_t sizeClass = rounded / kGranule - 1;
    if (kPooling && sizeClass < kClassCount) {
        auto* block = reinterpret_cast<FreeBlock*>(header);
        block->next = m_free[sizeClass];
        m_free[sizeClass] = block;
    } else {
        ReleaseLarge(header);
    }
}
