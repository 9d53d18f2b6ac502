#include "platform/win/cstring.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

namespace {

TEST(FormatPrintf, ConversionsAsTheReportUsesThem)
{
    struct Case {
        std::string expected;
        CString actual;
    };
    const auto fmt = [](const char* format, auto... args) {
        CString s;
        s.Format(format, args...);
        return s;
    };
    const Case cases[] = {
        {"0x0", fmt("0x%x", 0)},
        {"0xffffffff", fmt("0x%x", -1)},
        {"0x80000000", fmt("0x%x", static_cast<LONG>(INT32_MIN))},
        {"0x8c11002a", fmt("0x%x", 0x8C11002Au)},
        {"0x1234abcd", fmt("0x%x", 0x1234ABCD)},
        {"0XAB", fmt("0X%X", 0xAB)},
        {"-12 7", fmt("%ld %ld", -12, 7)},
        {"-2147483648", fmt("%ld", INT32_MIN)},
        {"42", fmt("%d", 42LL)},
        {"4294967295", fmt("%u", -1)},
        {"text", fmt("%s", "text")},
        {"a%b", fmt("a%%b")},
        {"[  7][7  ][007]", fmt("[%3d][%-3d][%03d]", 7, 7, 7)},
        {"-07", fmt("%03d", -7)},
        {"x", fmt("%c", 'x')},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.actual.str(), c.expected);
}

TEST(FormatPrintf, MismatchedArgumentsCannotMisreadMemory)
{
    CString s;
    s.Format("%s and %d and %x");
    EXPECT_EQ(s.str(), "%s and %d and %x");
    s.Format("%s %s", "only");
    EXPECT_EQ(s.str(), "only %s");
    s.Format("%d", "word");
    EXPECT_EQ(s.str(), "word");
    s.Format("%s", 12);
    EXPECT_EQ(s.str(), "12");
    s.Format("%n%p%q trailing %");
    EXPECT_EQ(s.str(), "%n%p%q trailing %");
    s.Format("%ld", 1, 2, 3);
    EXPECT_EQ(s.str(), "1");
    s.Format(static_cast<const char*>(nullptr), 1);
    EXPECT_TRUE(s.IsEmpty());
    // A huge width is capped rather than allocating without bound.
    s.Format("%999999999d", 1);
    EXPECT_LT(s.GetLength(), 2000);
}

TEST(FormatInserts, NumberedInsertsAndUnchangedRest)
{
    CString s;
    s.FormatMessage("(*.%1)|*.%2|", "xml", "xml");
    EXPECT_EQ(s.str(), "(*.xml)|*.xml|");
    s.FormatMessage("%2-%1", "a", "b");
    EXPECT_EQ(s.str(), "b-a");
    s.FormatMessage("%1 %3 %0 %% %x", "a");
    EXPECT_EQ(s.str(), "a %3 %0 % %x");
    s.FormatMessage("100%");
    EXPECT_EQ(s.str(), "100%");
    s.FormatMessage("%10", "one");
    EXPECT_EQ(s.str(), "%10");
}

TEST(CString, SearchAndSlices)
{
    const CString path("Z:\\home\\ann\\site.xml");
    EXPECT_EQ(path.ReverseFind('\\'), 11);
    EXPECT_EQ(path.ReverseFind('/'), -1);
    EXPECT_EQ(path.Find('\\'), 2);
    EXPECT_EQ(path.Find('\\', 3), 7);
    EXPECT_EQ(path.Find('\\', 100), -1);
    EXPECT_EQ(path.Left(11).str(), "Z:\\home\\ann");
    EXPECT_EQ(path.Left(0).str(), "");
    EXPECT_EQ(path.Left(500).str(), path.str());
    EXPECT_EQ(path.Mid(12).str(), "site.xml");
    EXPECT_EQ(path.Mid(12, 4).str(), "site");
    EXPECT_EQ(path.Mid(12, 400).str(), "site.xml");
    EXPECT_EQ(path.Mid(400, 4).str(), "");
    EXPECT_EQ(path.Mid(-3, 2).str(), "Z:");
    EXPECT_EQ(path.Right(3).str(), "xml");

    CString text("ab");
    text += CString("cd");
    text += "ef";
    text += 'g';
    EXPECT_EQ(text.str(), "abcdefg");
    EXPECT_EQ((CString("x") + CString("y")).str(), "xy");
    text.Empty();
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(text.GetLength(), 0);
}

TEST(CString, ReleaseBufferStopsAtTheFirstNulOrTheBufferEnd)
{
    CString s("old text");
    char* buffer = s.GetBuffer(6);
    std::memcpy(buffer, "ab\0cd", 6);
    s.ReleaseBuffer(-1);
    EXPECT_EQ(s.str(), "ab");

    // Data without a terminator: the text ends with the buffer.
    CString unterminated;
    buffer = unterminated.GetBuffer(4);
    std::memcpy(buffer, "wxyz", 4);
    unterminated.ReleaseBuffer(-1);
    EXPECT_EQ(unterminated.str(), "wxyz");

    CString counted;
    buffer = counted.GetBuffer(8);
    std::memcpy(buffer, "12345678", 8);
    counted.ReleaseBuffer(3);
    EXPECT_EQ(counted.str(), "123");
    counted.GetBuffer(2);
    counted.ReleaseBuffer(100);
    EXPECT_EQ(counted.str(), "123");
}

} // namespace
