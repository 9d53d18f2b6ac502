#pragma once
// What the catalogs answered, kept on disk between processes: a program
// started for one document then answers its catalog questions without
// opening libxml2 and reading Debian's catalogs again. An answer is used only
// while every catalog file read to give it is as it was then (time stamp and
// size), for the same root catalogs.

#include <map>
#include <optional>
#include <string>
#include <unordered_map>

struct CatalogAnswerSnapshot {
    std::string roots;                         // XML_CATALOG_FILES, or the default
    std::map<std::string, std::string> files;  // each catalog file read, with its identity then
    std::unordered_map<std::string, std::optional<std::string>> answers;
};

// A file's identity for the snapshot: its modification time and size, or
// that it is absent.
std::string CatalogFileIdentity(const std::string& path);

// The stored answers for these roots, when the store is whole and every file
// in it is as it was; nothing otherwise (and then a new store replaces it).
std::optional<CatalogAnswerSnapshot> ReadStoredCatalogAnswers(const std::string& folder, const std::string& roots);

// Writes the snapshot whole (a temporary file, then a rename), or nothing.
void StoreCatalogAnswers(const std::string& folder, const CatalogAnswerSnapshot& snapshot);
