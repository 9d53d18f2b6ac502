#include "platform/win/cstring.h"
#include "res/corvane_resources.h"
#include "res/resource.h"
#include "validation/validation_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

class StringTable : public ::testing::Test {
protected:
    void SetUp() override { UseCorvaneResources(); }

    static std::string Load(UINT id)
    {
        CString text;
        EXPECT_TRUE(text.LoadString(id)) << id;
        return text.str();
    }
};

struct Entry {
    UINT id;
    int length;
    bool quoted;
};

// Identifier, stored length and whether the text is enclosed in double quotes.
constexpr Entry kEntries[] = {
    {IDS_ABOUTBOX, 17, false},          {IDS_SELECT_XML_FILE, 27, false},
    {IDS_EDITOR_FAILED, 19, false},     {IDS_SELECT_EDITOR, 24, false},
    {IDS_LOADED_VALIDATED, 20, false},  {IDS_HELP_FILE, 73, false},
    {IDS_HELP_INTRO, 77, false},        {IDS_HELP_SCHEMA, 211, false},
    {IDS_HELP_PARSER, 115, false},      {IDS_HELP_OK, 148, false},
    {IDS_ERROR_HEADER, 8, false},       {IDS_ERROR_CODE, 15, true},
    {IDS_ERROR_SOURCE, 35, true},       {IDS_ERROR_DESCRIPTION, 26, true},
    {IDS_LOAD_FAILED, 33, false},       {IDS_XML_FILTER, 23, true},
    {IDS_EDITOR_FILTER, 21, true},      {IDS_PLEASE_WAIT, 55, false},
    {IDS_HELP_EDITOR, 161, false},      {IDS_HELP_RESULT, 171, false},
    {IDS_HELP_EDIT, 77, false},         {IDS_NAME_HOLDS_BACKSLASH, 154, false},
    {IDS_FILE_NOT_FOUND, 27, false},
};

TEST_F(StringTable, EveryEntryHasItsLengthAndQuotes)
{
    EXPECT_EQ(CorvaneStringTable().size(), std::size(kEntries));
    for (const Entry& entry : kEntries) {
        const std::string text = Load(entry.id);
        EXPECT_EQ(static_cast<int>(text.size()), entry.length) << entry.id;
        const bool quoted = text.size() >= 2 && text.front() == '"' && text.back() == '"';
        EXPECT_EQ(quoted, entry.quoted) << entry.id;
        EXPECT_EQ(text.find('\t'), std::string::npos) << entry.id;
        EXPECT_TRUE(std::all_of(text.begin(), text.end(), [](char ch) {
            return ch == '\r' || ch == '\n' || (ch >= 0x20 && ch < 0x7F);
        })) << entry.id;
    }
}

TEST_F(StringTable, IdentifiersOutsideTheTableLoadNothing)
{
    for (UINT id : {100u, 116u, 119u, 122u, 129u, 0u}) {
        CString text("stale");
        EXPECT_FALSE(text.LoadString(id)) << id;
        EXPECT_TRUE(text.IsEmpty()) << id;
    }
}

TEST_F(StringTable, FiltersExpandWithTheirExtensions)
{
    CString filter;
    filter.FormatMessage(IDS_XML_FILTER, "xml", "xml");
    EXPECT_EQ(filter.str(), "\"XML Data (*.xml)|*.xml|\"");
    EXPECT_EQ(filter.GetLength(), 25);
    filter.FormatMessage(IDS_EDITOR_FILTER, "exe", "exe");
    EXPECT_EQ(filter.str(), "\"Editor (*.exe)|*.exe|\"");
    EXPECT_EQ(filter.GetLength(), 23);
}

TEST_F(StringTable, ReportLinesFormatAsTheRunShowsThem)
{
    CString line;
    line.Format(IDS_ERROR_SOURCE, 12, 7);
    EXPECT_EQ(line.str(), "\"Source = Line : 12; Char : 7\r\n\"");
    line.Format(IDS_ERROR_CODE, static_cast<LONG>(0xC00CE00D));
    EXPECT_EQ(line.str(), "\"Code = 0xc00ce00d\r\n\"");
    line.Format(IDS_ERROR_DESCRIPTION, CString("bad %s %x"));
    EXPECT_EQ(line.str(), "\"Error Description = bad %s %x\r\n\"");
}

TEST_F(StringTable, TextsKeepTheirExactCharacters)
{
    EXPECT_EQ(Load(IDS_PLEASE_WAIT), "Please be Patient  - Validation may take a few minutes ");
    EXPECT_EQ(Load(IDS_ERROR_HEADER), "Error:\r\n");
    EXPECT_NE(Load(IDS_HELP_FILE).find("'XML'file"), std::string::npos);
    EXPECT_NE(Load(IDS_HELP_SCHEMA).find("location.This"), std::string::npos);
    EXPECT_EQ(Load(IDS_HELP_INTRO).rfind("This application, validates", 0), 0u);
    EXPECT_NE(Load(IDS_HELP_RESULT).find("successfull,'Loaded and Validated'"), std::string::npos);
    EXPECT_EQ(Load(IDS_HELP_FILE).find('\r'), std::string::npos);
    EXPECT_EQ(Load(IDS_LOADED_VALIDATED), kLoadedAndValidated);
}

TEST_F(StringTable, IndentedHelpLinesStartWithTheirBlanks)
{
    struct Indent {
        UINT id;
        std::string indent;
        int lines;
    };
    const Indent cases[] = {
        {IDS_HELP_FILE, "\n     B", 1},  {IDS_HELP_OK, "\n      T", 1},
        {IDS_HELP_EDITOR, "\n      ", 2}, {IDS_HELP_RESULT, "\n      ", 2},
        {IDS_HELP_EDIT, "\n      T", 1},
    };
    for (const Indent& c : cases) {
        const std::string text = Load(c.id);
        int found = 0;
        for (auto pos = text.find(c.indent); pos != std::string::npos;
             pos = text.find(c.indent, pos + 1))
            ++found;
        EXPECT_EQ(found, c.lines) << c.id;
    }
}

} // namespace
