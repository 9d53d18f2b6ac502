// Catalog answers kept between processes are used only while whole, for the
// same root catalogs, and while every catalog file they came from is as it
// was.

#include "platform/xml/references/catalog_answers_store.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

std::string ReadWhole(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void WriteWhole(const fs::path& path, const std::string& text)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
}

struct StoreCase {
    const char* name;
    std::function<void(const fs::path& store, const fs::path& catalog)> change;
    bool used;
};

TEST(CatalogAnswersStore, UsedOnlyWhileWholeAndItsFilesUnchanged)
{
    const StoreCase cases[] = {
        {"unchanged", [](const fs::path&, const fs::path&) {}, true},
        {"catalog edited", [](const fs::path&, const fs::path& c) { WriteWhole(c, ReadWhole(c) + "\n"); }, false},
        {"catalog removed", [](const fs::path&, const fs::path& c) { fs::remove(c); }, false},
        {"byte flipped",
         [](const fs::path& s, const fs::path&) {
             std::string text = ReadWhole(s);
             text[text.size() - 3] ^= 0x20;
             WriteWhole(s, text);
         },
         false},
        {"truncated",
         [](const fs::path& s, const fs::path&) {
             const std::string text = ReadWhole(s);
             WriteWhole(s, text.substr(0, text.size() - 4));
         },
         false},
        {"other program's file", [](const fs::path& s, const fs::path&) { WriteWhole(s, "<catalog/>\n"); }, false},
    };
    for (const StoreCase& c : cases) {
        TempDir dir;
        const fs::path catalog = dir.Write("catalog.xml", "<catalog/>\n");
        const std::string folder = (dir.Path() / "cache").string();
        CatalogAnswerSnapshot snapshot;
        snapshot.roots = "file://" + catalog.string();
        snapshot.files[catalog.string()] = CatalogFileIdentity(catalog.string());
        snapshot.answers["-//Corvane//DTD Note//EN\x1Fnote.dtd"] = "file:///usr/share/note.dtd";
        snapshot.answers["\x1Fhttp://example.org/none.xsd"] = std::nullopt;
        StoreCatalogAnswers(folder, snapshot);
        c.change(fs::path(folder) / "catalog-answers", catalog);

        const auto read = ReadStoredCatalogAnswers(folder, snapshot.roots);
        ASSERT_EQ(read.has_value(), c.used) << c.name;
        if (read) {
            EXPECT_EQ(read->answers, snapshot.answers) << c.name;
            EXPECT_EQ(read->files, snapshot.files) << c.name;
        }
    }
    // Answers for other root catalogs are not these roots' answers.
    TempDir dir;
    const std::string folder = (dir.Path() / "cache").string();
    StoreCatalogAnswers(folder, CatalogAnswerSnapshot{"file:///etc/xml/catalog", {}, {{"q", "a"}}});
    EXPECT_FALSE(ReadStoredCatalogAnswers(folder, "file:///elsewhere/catalog").has_value());
    EXPECT_TRUE(ReadStoredCatalogAnswers(folder, "file:///etc/xml/catalog").has_value());
}

} // namespace
