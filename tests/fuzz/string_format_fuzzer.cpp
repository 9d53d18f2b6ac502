// Fuzzes the printf-style and numbered-insert formatters with a fuzzer-chosen
// format and fixed arguments.
//
// The first input byte picks the formatter and the argument set, the rest is
// the format, NULs included:
//   bit 0: FormatPrintf (0) or FormatInserts (1);
//   bit 1: text arguments only (0) or text, integers and a CString mixed (1).
// Text arguments that look like conversions ("%s", "%1") make sure an inserted
// argument is never formatted again.

#include "platform/win/cstring.h"

#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Require(bool condition, const char* what, std::string_view format)
{
    if (condition)
        return;
    std::fprintf(stderr, "formatting broke an invariant: %s (format of %zu bytes)\n", what, format.size());
    std::abort();
}

std::string Format(bool inserts, std::string_view format, std::initializer_list<FormatArg> args)
{
    return inserts ? FormatInserts(format, args) : FormatPrintf(format, args);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const bool inserts = (data[0] & 1) != 0;
    const bool mixed = (data[0] & 2) != 0;
    const std::string_view format(reinterpret_cast<const char*>(data + 1), size - 1);
    const bool formatHasNul = format.find('\0') != std::string_view::npos;

    const std::string owned = "owned %2 %d";
    const CString cstring("C%sString%1");
    std::string out;
    if (mixed) {
        out = Format(inserts, format,
                     {0, -1, INT_MIN, 0xFFFFFFFFu, 0x1234567890LL, "text", std::string_view(), owned, cstring,
                      static_cast<unsigned long long>(-1), 'A', 65536L});
    } else {
        out = Format(inserts, format, {"%s%d", "", owned, std::string_view("%1%2%%"), cstring, "x"});
        // Text arguments hold no NUL, so only the format can bring one.
        Require(formatHasNul || out.find('\0') == std::string::npos, "text arguments produced a NUL", format);
    }
    // Without a '%' there is nothing to convert.
    if (format.find('%') == std::string_view::npos)
        Require(out == format, "a format without '%' was changed", format);
    return 0;
}
