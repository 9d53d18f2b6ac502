#pragma once
// A corpus folder's MANIFEST.tsv: one row per test case, columns named by the
// header line. Fields hold no tabs or newlines, so no quoting is involved.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CorpusManifest {
public:
    // Reads FOLDER/MANIFEST.tsv; nullopt (and a message in *error) when it
    // cannot be read or has no header.
    static std::optional<CorpusManifest> Read(const std::filesystem::path& folder,
                                              std::string* error);

    std::size_t RowCount() const { return m_rows.size(); }
    bool HasColumn(std::string_view name) const { return ColumnIndex(name).has_value(); }
    // The field of row ROW in column NAME; empty when the column is absent.
    std::string_view Field(std::size_t row, std::string_view name) const;

private:
    std::optional<std::size_t> ColumnIndex(std::string_view name) const;

    std::vector<std::string> m_columns;
    std::vector<std::vector<std::string>> m_rows;
};
