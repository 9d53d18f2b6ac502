#include "platform/win/cstring.h"

#include "platform/win/resources.h"
#include "platform/text/text_encoding.h"

#include <algorithm>
#include <cstring>

std::string_view FormatArg::Text() const
{
    if (const auto* text = std::get_if<std::string_view>(&m_value))
        return *text;
    return {};
}

std::uint32_t FormatArg::Bits32() const
{
    if (const auto* s = std::get_if<std::int64_t>(&m_value))
        return static_cast<std::uint32_t>(*s);
    if (const auto* u = std::get_if<std::uint64_t>(&m_value))
        return static_cast<std::uint32_t>(*u);
    return 0;
}

std::string FormatArg::Decimal() const
{
    if (IsText())
        return std::string(Text());
    return std::to_string(static_cast<std::int32_t>(Bits32()));
}

namespace {

std::string Hex(std::uint32_t value, bool upper)
{
    const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    std::string out;
    do {
        out.insert(out.begin(), digits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    return out;
}

std::string Pad(std::string text, std::size_t width, bool leftAlign, bool zeroPad)
{
    if (text.size() >= width)
        return text;
    const std::size_t fill = width - text.size();
    if (leftAlign)
        return text + std::string(fill, ' ');
    if (zeroPad) {
        const std::size_t sign = (!text.empty() && text[0] == '-') ? 1 : 0;
        return text.insert(sign, std::string(fill, '0'));
    }
    return std::string(fill, ' ') + text;
}

} // namespace

std::string FormatPrintf(std::string_view format, std::initializer_list<FormatArg> args)
{
    std::string out;
    out.reserve(format.size() + 16);
    auto next = args.begin();
    std::size_t i = 0;
    while (i < format.size()) {
        const char ch = format[i];
        if (ch != '%') {
            out += ch;
            ++i;
            continue;
        }
        const std::size_t start = i++;
        if (i < format.size() && format[i] == '%') {
            out += '%';
            ++i;
            continue;
        }
        bool leftAlign = false;
        bool zeroPad = false;
        while (i < format.size() && (format[i] == '-' || format[i] == '0')) {
            (format[i] == '-' ? leftAlign : zeroPad) = true;
            ++i;
        }
        std::size_t width = 0;
        while (i < format.size() && format[i] >= '0' && format[i] <= '9' && width < 1000) {
            width = width * 10 + static_cast<std::size_t>(format[i] - '0');
            ++i;
        }
        while (i < format.size() && (format[i] == 'l' || format[i] == 'h'))
            ++i;
        if (i >= format.size()) {
            out.append(format.substr(start));
            break;
        }
        const char conversion = format[i++];
        const bool known = std::strchr("sdiuxXc", conversion) != nullptr;
        if (!known || next == args.end()) {
            out.append(format.substr(start, i - start));
            continue;
        }
        const FormatArg& arg = *next++;
        std::string text;
        switch (conversion) {
        case 's':
            text = arg.Decimal();
            break;
        case 'd':
        case 'i':
            text = arg.Decimal();
            break;
        case 'u':
            text = arg.IsText() ? std::string(arg.Text()) : std::to_string(arg.Bits32());
            break;
        case 'x':
        case 'X':
            text = arg.IsText() ? std::string(arg.Text()) : Hex(arg.Bits32(), conversion == 'X');
            break;
        case 'c':
            text = arg.IsText() ? std::string(arg.Text().substr(0, 1))
                                : std::string(1, static_cast<char>(arg.Bits32() & 0xFF));
            break;
        default:
            break;
        }
        out += Pad(std::move(text), width, leftAlign, zeroPad && conversion != 's');
    }
    return out;
}

std::string FormatInserts(std::string_view format, std::initializer_list<FormatArg> inserts)
{
    std::string out;
    out.reserve(format.size() + 16);
    std::size_t i = 0;
    while (i < format.size()) {
        const char ch = format[i];
        if (ch != '%' || i + 1 >= format.size()) {
            out += ch;
            ++i;
            continue;
        }
        if (format[i + 1] == '%') {
            out += '%';
            i += 2;
            continue;
        }
        std::size_t j = i + 1;
        std::size_t number = 0;
        while (j < format.size() && j < i + 3 && format[j] >= '0' && format[j] <= '9') {
            number = number * 10 + static_cast<std::size_t>(format[j] - '0');
            ++j;
        }
        if (j == i + 1 || number == 0 || number > inserts.size()) {
            out.append(format.substr(i, j - i));
            i = j;
            continue;
        }
        out += (inserts.begin() + (number - 1))->Decimal();
        i = j;
    }
    return out;
}

BOOL CString::LoadString(UINT nID)
{
    m_text.clear();
    const auto text = FindStringResource(nID);
    if (!text)
        return FALSE;
    m_text = WideToAnsi(*text);
    return TRUE;
}

char* CString::GetBuffer(int nMinBufLength)
{
    const std::size_t wanted = static_cast<std::size_t>(std::max(nMinBufLength, 0));
    m_bufferCapacity = std::max(wanted, m_text.size());
    // One byte more than asked, so that a buffer filled to the brim still ends
    // in a terminator when it is released.
    m_text.resize(m_bufferCapacity + 1, '\0');
    return m_text.data();
}

void CString::ReleaseBuffer(int nNewLength)
{
    const std::size_t limit = std::min(m_bufferCapacity, m_text.size());
    std::size_t length = 0;
    if (nNewLength < 0)
        length = strnlen(m_text.data(), limit);
    else
        length = std::min(static_cast<std::size_t>(nNewLength), limit);
    m_text.resize(length);
    m_bufferCapacity = 0;
}

int CString::Find(char ch, int nStart) const
{
    if (nStart < 0 || static_cast<std::size_t>(nStart) >= m_text.size())
        return -1;
    const auto pos = m_text.find(ch, static_cast<std::size_t>(nStart));
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

int CString::ReverseFind(char ch) const
{
    const auto pos = m_text.rfind(ch);
    return pos == std::string::npos ? -1 : static_cast<int>(pos);
}

CString CString::Left(int nCount) const
{
    if (nCount <= 0)
        return {};
    return CString(m_text.substr(0, static_cast<std::size_t>(nCount)));
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const
{
    nFirst = std::max(nFirst, 0);
    if (nCount <= 0 || static_cast<std::size_t>(nFirst) >= m_text.size())
        return {};
    return CString(m_text.substr(static_cast<std::size_t>(nFirst), static_cast<std::size_t>(nCount)));
}

CString CString::Right(int nCount) const
{
    if (nCount <= 0)
        return {};
    const std::size_t count = std::min(static_cast<std::size_t>(nCount), m_text.size());
    return CString(m_text.substr(m_text.size() - count));
}
