#pragma once
// The bounds that keep one load finite whatever the document says. Each one,
// when reached, ends the load with an error in the resource-limits group.

#include <chrono>
#include <cstddef>
#include <cstdint>

namespace XmlLimits {

// Entity references expanded in one document (the "billion laughs" guard).
// Real documents use a few hundred; the attack needs billions.
inline constexpr std::uint64_t kEntityExpansions = 100'000;

// Characters the parser may deliver (text and attribute values) beyond the
// document's own size: a few references to a large entity repeated many
// times ("quadratic blow-up") expand far beyond the file without tripping
// the expansion count. Without entities a document delivers at most one
// character per byte.
inline constexpr std::uint64_t kTextAllowanceChars = 64ull * 1024 * 1024;
inline constexpr std::uint64_t kTextCharsPerDocumentByte = 4;

// Element nesting. Real documents stay below a hundred; the parser's work
// per element grows with the depth, so a million levels would take minutes.
inline constexpr std::uint32_t kElementDepth = 10'000;

// Memory the parser may hold at once for one load: a floor for schemas,
// identity tables and buffers, plus a share of the document's size for
// documents whose single text items are large (CDATA sections are held
// whole). An attribute built from many entity references is stopped here.
inline constexpr std::uint64_t kParserMemoryFloor = 256ull * 1024 * 1024;
inline constexpr std::uint64_t kParserMemoryPerDocumentByte = 4;

// A referenced schema or DTD is read whole before it is parsed.
inline constexpr std::uint64_t kReferencedDocumentBytes = 64ull * 1024 * 1024;

// The parser's work between two document events, in processor time of the
// threads that parse: reading and compiling the schemas named at one place, or
// checking one element. Large real schemas compile in a few seconds; a
// sequence repeated thousands of times, or a pattern that backtracks
// exponentially, takes minutes. Processor time, so that a busy machine does
// not turn a slow verdict into a false limit.
inline constexpr std::chrono::seconds kParserStallTime{20};

// The time a load waits for its worker to show that it gets further: a
// document event or processor time of the threads that parse each count (a
// network fetch waiting within its own timeouts uses a little every second).
// A worker that shows neither for this long (stopped, held by a debugger,
// blocked outside its bounded waits) is ended, and the load reports it.
// Progress, not the time a load takes, is what counts: a large document
// takes as long as it needs.
inline constexpr std::chrono::seconds kWorkerSilence{30};

// The address space of the process that parses, beyond what it has mapped
// when a load starts: the memory ceiling above counts only what the parser
// asks for through its own pool, so this outer bound sits well above it and
// stops only what escapes that accounting.
inline constexpr std::uint64_t kWorkerAddressSpaceMargin = 1024ull * 1024 * 1024;

// The stack of the parsing thread. The parser recurses on patterns, type
// derivations and nested groups as deep as the document makes it; this is
// reserved address space, used only as deep as a document goes.
inline constexpr std::uint64_t kParserStackBytes = 512ull * 1024 * 1024;

// Errors one load reports when the caller asks for every error rather than
// the first: a document broken on every line would otherwise send millions,
// and their descriptions together are held to a size that travels from the
// worker in one message. The load stops reading at either bound.
inline constexpr std::size_t kReportedErrors = 1000;
inline constexpr std::uint64_t kReportedErrorTextChars = 1024 * 1024;

} // namespace XmlLimits
