#include "platform/text/text_encoding.h"

#include <cstdint>

namespace {

constexpr char16_t kEscapeBase = 0xDC80;

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Length of the valid UTF-8 sequence at text[i], or 0 if there is none.
std::size_t ValidSequence(std::string_view text, std::size_t i, char32_t& cp)
{
    const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(text[k]); };
    const std::uint8_t lead = byte(i);
    std::size_t length = 0;
    char32_t min = 0;
    if (lead < 0x80) {
        cp = lead;
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        length = 2, cp = lead & 0x1F, min = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, cp = lead & 0x0F, min = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, cp = lead & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

std::u16string AnsiToWide(std::string_view narrow)
{
    std::u16string wide;
    wide.reserve(narrow.size());
    for (std::size_t i = 0; i < narrow.size();) {
        char32_t cp = 0;
        const std::size_t length = ValidSequence(narrow, i, cp);
        if (length == 0) {
            wide += static_cast<char16_t>(kEscapeBase + static_cast<std::uint8_t>(narrow[i]) - 0x80);
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            wide += static_cast<char16_t>(0xD800 + (cp >> 10));
            wide += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            wide += static_cast<char16_t>(cp);
        }
        i += length;
    }
    return wide;
}

namespace {

// A high surrogate at `i` followed by a low one: one character in two units.
bool StartsSurrogatePair(std::u16string_view text, std::size_t i)
{
    return text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
           text[i + 1] <= 0xDFFF;
}

// Characters that a terminal, an editor or a line splitter takes as a line
// break or a command (the C1 controls, NEL and the 8-bit CSI among them), and
// the bidirectional controls that make one text read as another. Escaped as
// \u0085 rather than \x85, which already stands for an undecodable byte.
bool BreaksOrReordersLines(char16_t unit)
{
    return (unit >= 0x80 && unit <= 0x9F) || unit == 0x061C || unit == 0x200E || unit == 0x200F ||
           (unit >= 0x2028 && unit <= 0x202E) || (unit >= 0x2066 && unit <= 0x2069);
}

} // namespace

std::string WideToAnsi(std::u16string_view wide)
{
    std::string narrow;
    narrow.reserve(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const char16_t unit = wide[i];
        if (StartsSurrogatePair(wide, i)) {
            const char32_t cp = 0x10000 + ((unit - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
            AppendUtf8(narrow, cp);
            ++i;
        } else if (unit >= kEscapeBase && unit <= 0xDCFF) {
            narrow += static_cast<char>(0x80 + (unit - kEscapeBase));
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            AppendUtf8(narrow, 0xFFFD);
        } else {
            AppendUtf8(narrow, unit);
        }
    }
    return narrow;
}

std::u16string VisibleText(std::u16string_view text)
{
    static constexpr char16_t kHex[] = u"0123456789ABCDEF";
    const auto escape = [&](std::u16string& out, char16_t prefix, unsigned value, int digits) {
        out += u'\\';
        out += prefix;
        for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4)
            out += kHex[(value >> shift) & 0xF];
    };
    std::u16string visible;
    visible.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (StartsSurrogatePair(text, i)) {
            visible += unit;
            visible += text[++i];
        } else if (unit >= kEscapeBase && unit <= 0xDCFF) {
            escape(visible, u'x', 0x80u + (unit - kEscapeBase), 2);
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            escape(visible, u'u', unit, 4);
        } else if (unit < 0x20 || unit == 0x7F) {
            escape(visible, u'x', unit, 2);
        } else if (BreaksOrReordersLines(unit)) {
            escape(visible, u'u', unit, 4);
        } else {
            visible += unit;
        }
    }
    return visible;
}
