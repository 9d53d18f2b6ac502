#pragma once
// The memory the parser uses for one load. Small blocks come from pooled
// size classes (the parser allocates and frees millions of small objects on
// a large document, and malloc dominates its profile otherwise). The total
// held at once is bounded: beyond the ceiling every allocation fails with the
// parser's own out-of-memory exception, and the load reports a resource limit.

#include <xercesc/framework/MemoryManager.hpp>

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <vector>

// A bound on the work the parser may do without reaching the next document
// event. No setting of the parser bounds it: a content model with a sequence
// repeated thousands of times takes minutes to compile, when the element
// first needs it. The reader notes each event; a watchdog outside the parse
// compares them with the processor time the parsing threads used, and asks
// the parse to stop. While the guard is armed, the parser's next allocation
// on the parsing thread then fails, and the load reports a resource limit.
void ArmParserStallGuard();
void DisarmParserStallGuard();
bool ParserStallGuardFired();
void NoteParserProgress();
void NoteParserProgress(std::uint64_t line);
// For the watchdog, from any thread.
std::uint64_t ParserProgressEvents();
std::uint64_t ParserProgressLine(); // the line of the last event that named one
void StopParserAtNextAllocation();
// Whether the watchdog asked the parse under way to stop.
bool ParserStopRequested();

// A thread that works for the load beside the parsing thread (the
// associations checked ahead) counts toward the bound too: made on that
// thread, this signs it up while it lives, and keeps the time it used once
// it ends.
class ParserHelperThreadTime {
public:
    ParserHelperThreadTime();
    ~ParserHelperThreadTime();
    ParserHelperThreadTime(const ParserHelperThreadTime&) = delete;
    ParserHelperThreadTime& operator=(const ParserHelperThreadTime&) = delete;

private:
    bool m_signedUp = false;
};
// For the watchdog: the processor time every helper thread used so far.
std::chrono::nanoseconds ParserHelperThreadsCpuTime();

class XmlMemoryPool final : public xercesc::MemoryManager {
public:
    explicit XmlMemoryPool(std::uint64_t ceilingBytes);
    ~XmlMemoryPool() override;
    XmlMemoryPool(const XmlMemoryPool&) = delete;
    XmlMemoryPool& operator=(const XmlMemoryPool&) = delete;

    xercesc::MemoryManager* getExceptionMemoryManager() override;
    void* allocate(XMLSize_t size) override;
    void deallocate(void* p) override;

    // Maps about `bytes` of slabs in one step, their pages present: a load
    // about to fill megabytes at once (a compiled grammar read back from the
    // disk) would otherwise meet each fresh page with a fault of its own.
    // What the load may hold is bounded as before.
    void PrefaultSlabs(std::size_t bytes);

    std::uint64_t Ceiling() const { return m_ceiling; }
    std::uint64_t BytesInUse() const { return m_inUse; }
    // Whether an allocation failed at the ceiling (rather than for want of
    // memory below it).
    bool CeilingReached() const { return m_ceilingReached; }

private:
    static constexpr std::size_t kGranule = 16;
    static constexpr std::size_t kClassCount = 32; // blocks up to 512 bytes are pooled
    static constexpr std::size_t kSlabBytes = 64 * 1024;
    static constexpr std::uint64_t kCleanupReserve = 16ull * 1024 * 1024;

    struct FreeBlock {
        FreeBlock* next;
    };

    void* AllocateFromClass(std::size_t sizeClass);
    void* AllocateLarge(std::size_t rounded);
    void ReleaseLarge(void* header);

    std::uint64_t m_ceiling;
    std::uint64_t m_inUse = 0;
    bool m_ceilingReached = false;
    std::array<FreeBlock*, kClassCount> m_free{};
    std::vector<void*> m_slabs;
    std::byte* m_region = nullptr; // the slabs mapped at once, used first
    std::size_t m_regionBytes = 0;
    std::size_t m_regionUsed = 0;
    std::byte* m_slabCursor = nullptr;
    std::size_t m_slabLeft = 0;
    void* m_largeBlocks = nullptr; // the large blocks not yet released, linked
};
