#include "tests/conformance/corpus_manifest.h"

#include <fstream>

namespace {

std::vector<std::string> SplitTabs(std::string_view line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        fields.emplace_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos)
            return fields;
        start = tab + 1;
    }
}

} // namespace

std::optional<CorpusManifest> CorpusManifest::Read(const std::filesystem::path& folder,
                                                   std::string* error)
{
    const auto path = folder / "MANIFEST.tsv";
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        if (error != nullptr)
            *error = "cannot open " + path.string();
        return std::nullopt;
    }
    CorpusManifest manifest;
    std::string line;
    bool header = true;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        if (header) {
            manifest.m_columns = SplitTabs(line);
            header = false;
        } else {
            manifest.m_rows.push_back(SplitTabs(line));
        }
    }
    if (header) {
        if (error != nullptr)
            *error = path.string() + " has no header line";
        return std::nullopt;
    }
    return manifest;
}

std::optional<std::size_t> CorpusManifest::ColumnIndex(std::string_view name) const
{
    for (std::size_t i = 0; i < m_columns.size(); ++i)
        if (m_columns[i] == name)
            return i;
    return std::nullopt;
}

std::string_view CorpusManifest::Field(std::size_t row, std::string_view name) const
{
    const auto column = ColumnIndex(name);
    if (!column || row >= m_rows.size() || *column >= m_rows[row].size())
        return {};
    return m_rows[row][*column];
}
