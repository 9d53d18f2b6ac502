#pragma once
// The framework's narrow string class. Text is UTF-8, this platform's narrow
// code page. Formatting is type-checked at the call: an argument list that
// does not match its format can neither overrun nor misread memory.

#include "platform/win/win_types.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

class CString;

// One argument of a printf-style or numbered-insert format.
class FormatArg {
public:
    FormatArg(int v) : m_value(static_cast<std::int64_t>(v)) {}
    FormatArg(long v) : m_value(static_cast<std::int64_t>(v)) {}
    FormatArg(long long v) : m_value(static_cast<std::int64_t>(v)) {}
    FormatArg(unsigned v) : m_value(static_cast<std::uint64_t>(v)) {}
    FormatArg(unsigned long v) : m_value(static_cast<std::uint64_t>(v)) {}
    FormatArg(unsigned long long v) : m_value(static_cast<std::uint64_t>(v)) {}
    FormatArg(const char* s) : m_value(std::string_view(s ? s : "")) {}
    FormatArg(std::string_view s) : m_value(s) {}
    FormatArg(const std::string& s) : m_value(std::string_view(s)) {}
    FormatArg(const CString& s);

    bool IsText() const { return std::holds_alternative<std::string_view>(m_value); }
    std::string_view Text() const;
    // The low 32 bits of an integer argument, as the 32-bit conversions see it.
    std::uint32_t Bits32() const;
    std::string Decimal() const;

private:
    std::variant<std::int64_t, std::uint64_t, std::string_view> m_value;
};

// printf-style conversions: %s, %d, %i, %u, %x, %X, %c and %% with the length
// modifiers l, ll and h (all integers are taken as 32-bit, as the described
// platform does), optional '-', '0' flags and a width. A conversion without a
// matching argument is copied as it stands.
std::string FormatPrintf(std::string_view format, std::initializer_list<FormatArg> args);

// Numbered inserts %1 to %99 and %%; every other character is copied unchanged.
std::string FormatInserts(std::string_view format, std::initializer_list<FormatArg> inserts);

class CString {
public:
    CString() = default;
    CString(const char* text) : m_text(text ? text : "") {}
    CString(std::string_view text) : m_text(text) {}
    CString(std::string text) : m_text(std::move(text)) {}

    // Loads a string-table entry; an unknown identifier leaves the string empty.
    BOOL LoadString(UINT nID);

    template <class... Args> void Format(const char* format, const Args&... args)
    {
        m_text = FormatPrintf(format ? format : "", {FormatArg(args)...});
    }
    template <class... Args> void Format(UINT nFormatID, const Args&... args)
    {
        CString format;
        format.LoadString(nFormatID);
        m_text = FormatPrintf(format.m_text, {FormatArg(args)...});
    }
    template <class... Args> void FormatMessage(const char* format, const Args&... inserts)
    {
        m_text = FormatInserts(format ? format : "", {FormatArg(inserts)...});
    }
    template <class... Args> void FormatMessage(UINT nFormatID, const Args&... inserts)
    {
        CString format;
        format.LoadString(nFormatID);
        m_text = FormatInserts(format.m_text, {FormatArg(inserts)...});
    }

    CString& operator+=(const CString& other) { m_text += other.m_text; return *this; }
    CString& operator+=(const char* text) { m_text += (text ? text : ""); return *this; }
    CString& operator+=(char ch) { m_text += ch; return *this; }
    friend CString operator+(CString left, const CString& right) { left += right; return left; }

    void Empty() { m_text.clear(); }
    bool IsEmpty() const { return m_text.empty(); }
    int GetLength() const { return static_cast<int>(m_text.size()); }

    // A writable buffer of at least nMinBufLength characters plus a terminator;
    // ReleaseBuffer(-1) then takes the text up to the first NUL, never beyond
    // the buffer.
    char* GetBuffer(int nMinBufLength);
    void ReleaseBuffer(int nNewLength = -1);

    int Find(char ch, int nStart = 0) const;
    int ReverseFind(char ch) const;
    CString Left(int nCount) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Right(int nCount) const;

    const char* GetString() const { return m_text.c_str(); }
    operator const char*() const { return m_text.c_str(); }
    const std::string& str() const { return m_text; }

    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator==(const CString& a, const char* b) { return a.m_text == (b ? b : ""); }

private:
    std::string m_text;
    std::size_t m_bufferCapacity = 0;
};

inline FormatArg::FormatArg(const CString& s) : m_value(std::string_view(s.str())) {}
