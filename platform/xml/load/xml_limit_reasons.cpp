#include "platform/xml/load/xml_limit_reasons.h"

#include "platform/xml/references/xml_catalog.h"
#include "platform/xml/component/xml_error_codes.h"
#include "platform/xml/load/xml_limits.h"
#include "platform/xml/load/xml_memory.h"
#include "platform/xml/load/xml_parse_session.h"

namespace {

std::string MiB(std::uint64_t bytes)
{
    return std::to_string(bytes / (1024 * 1024)) + " MiB";
}

} // namespace

std::string SecondsText(std::chrono::milliseconds duration)
{
    const auto tenths = duration.count() / 100;
    return std::to_string(tenths / 10) + (tenths % 10 != 0 ? "." + std::to_string(tenths % 10) : "");
}

XmlLimitFailure DescribeXmlLimit(std::uint32_t ownError, const XmlMemoryPool& memory,
                                 std::chrono::milliseconds stallTime)
{
    switch (ownError) {
    case XmlOwnError::DepthLimit:
        return {ownError, "Elements are nested more than " + std::to_string(XmlLimits::kElementDepth) +
                              " levels deep; the document is not read further (resource limit)"};
    case XmlOwnError::ParserStalled:
        return DescribeParserStall(stallTime);
    case XmlOwnError::EntityTextLimit:
        return {ownError, "Entity references or default values produce far more text than the document holds (more than " +
                              std::to_string(XmlLimits::kTextAllowanceChars / (1024 * 1024)) +
                              " million characters beyond its size); the document is not read further "
                              "(resource limit)"};
    default:
        break;
    }
    if (memory.CeilingReached())
        return {XmlOwnError::MemoryLimit, "The parser needed more than " + MiB(memory.Ceiling()) +
                                              " of memory for this document; the document is not read "
                                              "further (resource limit)"};
    return {XmlOwnError::MemoryLimit,
            "The parser needed more memory than a load may use; the document is not read further "
            "(resource limit)"};
}

XmlLimitFailure DescribeParserStall(std::chrono::milliseconds stallTime)
{
    if (const auto catalog = CatalogBlamedForStall())
        return {XmlOwnError::CatalogTooCostly, CatalogStalledReason(*catalog, stallTime)};
    return {XmlOwnError::ParserStalled, ParserStalledReason(stallTime)};
}
