// Compiled DTDs kept on disk: a load that reads one back gives the verdict
// of a load that compiles the DTD, and an entry that no longer holds (a file
// changed, another build wrote it, it is damaged) is never used, and is
// written again.

#include "platform/xml/references/cache_files.h"
#include "platform/xml/schema/xml_grammar_store.h"
#include "tests/platform/xml/component/xml_component_fixture.h"
#include "tests/support/scoped_environment.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const std::string kDtd = "<!ENTITY % parts SYSTEM \"parts.mod\">\n%parts;\n"
                         "<!ELEMENT book (part+)>\n"
                         "<!ATTLIST book version CDATA #FIXED \"2\" id ID #IMPLIED ref IDREF #IMPLIED\n"
                         "               cover ENTITY #IMPLIED>\n"
                         "<!ENTITY product \"Corvane\">\n"
                         "<!NOTATION png SYSTEM \"image/png\">\n"
                         "<!ENTITY logo SYSTEM \"logo.png\" NDATA png>\n";
// Same length: a change that keeps the file's size.
const std::string kTextParts = "<!ELEMENT part (#PCDATA)>\n";
const std::string kEmptyParts = "<!ELEMENT part EMPTY>    \n";

std::string Book(const std::string& attributes, const std::string& parts)
{
    return "<!DOCTYPE book SYSTEM \"book.dtd\">\n<book" + attributes + ">" + parts + "</book>\n";
}

class DtdCacheTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::remove_all(GrammarStoreFolder());
        m_dir.Write("book.dtd", kDtd);
        m_dir.Write("parts.mod", kTextParts);
        m_document = m_dir.Write("doc.xml", Book("", "<part>text</part>"));
    }
    void TearDown() override { UseGrammarCache(true); }

    std::string EntryPath() const { return GrammarEntryPath("book " + (m_dir.Path() / "book.dtd").string()); }
    std::optional<XmlGrammarEntry> Entry() const
    {
        const auto bytes = ReadWholeCacheFile(EntryPath(), 1 << 30);
        return bytes ? DecodeGrammarEntry(*bytes) : std::nullopt;
    }
    void PutEntry(const std::string& bytes) const { ASSERT_TRUE(WriteCacheFileWhole(EntryPath(), bytes, {})); }
    // The parts module now says EMPTY, in the same size and modification time.
    void EmptyPartsUnnoticeably() const
    {
        const fs::path parts = m_dir.Path() / "parts.mod";
        const auto written = fs::last_write_time(parts);
        m_dir.Write("parts.mod", kEmptyParts);
        fs::last_write_time(parts, written);
    }

    TempDir m_dir;
    fs::path m_document;
};


TEST_F(DtdCacheTest, AReadBackDtdGivesTheVerdictOfACompiledOne)
{
    const struct {
        std::string attributes, parts;
        bool valid;
    } cases[] = {
        {"", "<part>&product;</part>", true},
        {" id='a' ref='a' cover='logo'", "<part/>", true},
        {"", "<chapter/>", false},                   // undeclared element
        {" version='3'", "<part/>", false},           // differs from the fixed default
        {" ref='nowhere'", "<part/>", false},         // an IDREF without its ID
        {" cover='product'", "<part/>", false},       // not an unparsed entity
        {"", "<part>&missing;</part>", false},        // undeclared entity
    };
    for (const auto& c : cases) {
        const std::string what = c.attributes + c.parts;
        m_dir.Write("doc.xml", Book(c.attributes, c.parts));
        fs::remove_all(GrammarStoreFolder());
        UseGrammarCache(false);
        const XmlLoadOutcome compiled = LoadFile(m_document);
        EXPECT_FALSE(fs::exists(EntryPath())) << what;
        UseGrammarCache(true);
        const XmlLoadOutcome cold = LoadFile(m_document);
        ASSERT_TRUE(Entry().has_value()) << what;
        const XmlLoadOutcome warm = LoadFile(m_document);
        EXPECT_EQ(compiled.Valid(), c.valid) << what << ": " << compiled;
        ExpectSameVerdict(compiled, cold, what + " (cold)");
        ExpectSameVerdict(compiled, warm, what + " (warm)");
    }
}

// Each entry below would pass the document if it were used: it holds the
// grammar compiled while the parts were text.
TEST_F(DtdCacheTest, AnEntryThatNoLongerHoldsIsNeverUsedAndIsWrittenAgain)
{
    ASSERT_TRUE(LoadFile(m_document).Valid());
    const std::optional<XmlGrammarEntry> textual = Entry();
    ASSERT_TRUE(textual.has_value());
    EmptyPartsUnnoticeably();
    const XmlGrammarEntry stale = *textual;
    XmlGrammarEntry current = stale;
    for (XmlGrammarSourceFile& file : current.files)
        file = *IdentifyGrammarSource(file.path);
    const std::string intact = EncodeGrammarEntry(current);
    std::string flipped = intact;
    flipped[flipped.size() - 100] ^= 0x20;
    const struct {
        const char* what;
        std::string bytes;
    } entries[] = {
        {"a file's text changed, size and time kept", EncodeGrammarEntry(stale)},
        {"another build", EncodeGrammarEntry(current, "corvane 0.9 parser 3.2.4 level 7")},
        {"a flipped byte", flipped},
        {"cut short", intact.substr(0, intact.size() / 2)},
        {"another DTD's name", [&] {
             XmlGrammarEntry other = current;
             other.key += "x";
             return EncodeGrammarEntry(other);
         }()},
    };
    for (const auto& e : entries) {
        PutEntry(e.bytes);
        const XmlLoadOutcome outcome = LoadFile(m_document);
        EXPECT_EQ(outcome.Group(), XmlErrorGroup::Validity) << e.what << ": " << outcome;
        const auto rewritten = Entry();
        ASSERT_TRUE(rewritten.has_value()) << e.what;
        EXPECT_EQ(rewritten->files, current.files) << e.what;
    }
}

TEST_F(DtdCacheTest, ASizeOrTimeChangeIsNoticedToo)
{
    ASSERT_TRUE(LoadFile(m_document).Valid());
    const fs::path parts = m_dir.Path() / "parts.mod";
    fs::last_write_time(parts, fs::last_write_time(parts) + std::chrono::seconds(5));
    EXPECT_TRUE(LoadFile(m_document).Valid());
    EXPECT_EQ(Entry()->files, std::vector<XmlGrammarSourceFile>({*IdentifyGrammarSource(m_dir.Path() / "book.dtd"),
                                                                 *IdentifyGrammarSource(parts.string())}));
    m_dir.Write("parts.mod", "<!ELEMENT part EMPTY>\n");
    EXPECT_EQ(LoadFile(m_document).Group(), XmlErrorGroup::Validity);
}

// A DTD too costly to compile within the bound on parser work stops the load
// where it stops without the disk, not a build apart that lets it go on.
TEST_F(DtdCacheTest, ADtdTooCostlyToCompileStopsTheLoadAsWithoutTheDisk)
{
    std::string names;
    for (int i = 0; i < 12'000; ++i)
        names += "|n" + std::to_string(i);
    m_dir.Write("costly.dtd", "<!ELEMENT doc (#PCDATA" + names + ")*>\n");
    const fs::path file = m_dir.Write("costly.xml", "<!DOCTYPE doc SYSTEM \"costly.dtd\">\n<doc/>\n");
    ChangeLoadSettings([](XmlLoadSettings& settings) { settings.stallTime = std::chrono::milliseconds(150); });
    UseGrammarCache(false);
    const XmlLoadOutcome compiled = LoadFile(file);
    UseGrammarCache(true);
    const XmlLoadOutcome fromDisk = LoadFile(file);
    ChangeLoadSettings([](XmlLoadSettings& settings) { settings.stallTime = XmlLoadSettings{}.stallTime; });
    EXPECT_EQ(compiled.code, XmlOwnErrorCode(XmlOwnError::ParserStalled)) << compiled;
    ExpectSameVerdict(compiled, fromDisk, "a DTD beyond the bound");
}

// Each load writes a new entry; the folder's bound makes the older ones go,
// several written within the same second too, never the one just written.
TEST_F(DtdCacheTest, TheFolderKeepsToItsBoundLeastRecentlyUsedFirst)
{
    ASSERT_TRUE(LoadFile(m_document).Valid());
    const auto one = fs::file_size(EntryPath());
    ChangeLoadSettings([one](XmlLoadSettings& settings) { settings.grammarCacheMaxBytes = 2 * one + one / 2; });
    std::vector<std::string> entries{EntryPath()};
    for (const std::string root : {"a", "b", "c"}) {
        const fs::path file = m_dir.Write(root + ".xml", "<!DOCTYPE " + root + " SYSTEM \"book.dtd\"><" + root + "/>");
        EXPECT_EQ(LoadFile(file).Group(), XmlErrorGroup::Validity); // the DTD declares no such root
        entries.push_back(GrammarEntryPath(root + " " + (m_dir.Path() / "book.dtd").string()));
    }
    for (std::size_t i = 0; i < entries.size(); ++i)
        EXPECT_EQ(fs::exists(entries[i]), i >= 2) << i;
}

TEST_F(DtdCacheTest, DocBookThroughTheSystemCatalogValidatesAlikeFromTheDisk)
{
    ASSERT_TRUE(fs::exists("/etc/xml/catalog")) << "scripts/install-deps installs docbook-xml";
    const ScopedEnvironment systemCatalogs("XML_CATALOG_FILES", "/etc/xml/catalog");
    const std::string doctype = "<!DOCTYPE article PUBLIC \"-//OASIS//DTD DocBook XML V4.5//EN\"\n"
                                "  \"http://www.oasis-open.org/docbook/xml/4.5/docbookx.dtd\">\n";
    const std::string bodies[] = {
        "<article><title>Kept</title><para>Caf&eacute; &mdash; <xref linkend='s1'/></para>"
        "<section id='s1'><title>One</title><para/></section></article>",
        "<article><title>Kept</title><bogus/></article>",
        "<article><title>Kept</title><para><xref linkend='none'/></para></article>",
        "<article><title>Kept</title><para><ulink/></para></article>",
    };
    for (const std::string& body : bodies) {
        const fs::path file = m_dir.Write("article.xml", doctype + body + "\n");
        fs::remove_all(GrammarStoreFolder());
        UseGrammarCache(false);
        const XmlLoadOutcome compiled = LoadFile(file);
        UseGrammarCache(true);
        const XmlLoadOutcome cold = LoadFile(file);
        const XmlLoadOutcome warm = LoadFile(file);
        EXPECT_TRUE(fs::exists(GrammarEntryPath("article /usr/share/xml/docbook/schema/dtd/4.5/docbookx.dtd")));
        ExpectSameVerdict(compiled, cold, body + " (cold)");
        ExpectSameVerdict(compiled, warm, body + " (warm)");
    }
}

} // namespace
