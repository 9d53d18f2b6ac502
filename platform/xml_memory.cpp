#include "platform/xml_memory.h"

#include <xercesc/util/OutOfMemoryException.hpp>
#include <xercesc/util/PlatformUtils.hpp>

#include <cstdlib>
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

} // namespace

XmlMemoryPool::XmlMemoryPool(std::uint64_t ceilingBytes) : m_ceiling(ceilingBytes) {}

XmlMemoryPool::~XmlMemoryPool()
{
    for (void* slab : m_slabs)
        std::free(slab);
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
        void* slab = std::malloc(kSlabBytes);
        if (slab == nullptr)
            return nullptr;
        m_slabs.push_back(slab);
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
    const std::size_t rounded = size == 0 ? kGranule : (size + kGranule - 1) / kGranule * kGranule;
    if (m_inUse + rounded > m_ceiling) {
        m_ceilingReached = true;
        throw xercesc::OutOfMemoryException();
    }
    const std::size_t sizeClass = rounded / kGranule - 1;
    void* raw = kPooling && sizeClass < kClassCount ? AllocateFromClass(sizeClass)
                                        : std::malloc(sizeof(BlockHeader) + rounded);
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
        std::free(header);
    }
}
