#pragma once
// The words for a load that reached one of its bounds. A memory failure of
// any kind is reported as the memory bound.

#include <chrono>
#include <cstdint>
#include <string>

class XmlMemoryPool;

struct XmlLimitFailure {
    std::uint32_t ownError = 0; // an XmlOwnError
    std::string reason;
};

// A duration as the reports give it: whole seconds, or tenths ("0.5").
std::string SecondsText(std::chrono::milliseconds duration);

// `stallTime` is the load's bound on parser work (XmlLoadSettings).
XmlLimitFailure DescribeXmlLimit(std::uint32_t ownError, const XmlMemoryPool& memory,
                                 std::chrono::milliseconds stallTime);

// The bound on parser work was reached: by the parser, or by the catalog
// engine reading a catalog too large, which is then named.
XmlLimitFailure DescribeParserStall(std::chrono::milliseconds stallTime);
