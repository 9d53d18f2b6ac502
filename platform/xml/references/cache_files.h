#pragma once
// The per-user cache folder and the way its files are written and trimmed,
// shared by the copies of fetched documents (remote_cache.h) and the compiled
// grammars (xml_grammar_store.h). Several programs may use the folder at
// once: a file is written whole under a temporary name and renamed into
// place, so a reader sees an old file or a new one, never half of one; each
// kind of file carries its own checksum against damage from outside.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// ${XDG_CACHE_HOME:-$HOME/.cache}/corvane for the current environment; empty
// when neither names an absolute folder.
std::string CorvaneCacheFolder();

// The folder and those above it, made private to the user when new.
bool MakeCacheFolders(const std::string& folder);

// A regular file's whole text, when it is no larger than `largest` bytes.
// Links are not followed.
std::optional<std::string> ReadWholeCacheFile(const std::string& path, std::uint64_t largest);

// A cache file's bytes, read whole into memory that is mapped in one step:
// a compiled grammar is megabytes, and touching fresh memory page by page
// costs more than reading it.
class CacheFileBytes {
public:
    CacheFileBytes() = default;
    ~CacheFileBytes();
    CacheFileBytes(CacheFileBytes&& other) noexcept;
    CacheFileBytes& operator=(CacheFileBytes&& other) noexcept;
    CacheFileBytes(const CacheFileBytes&) = delete;
    CacheFileBytes& operator=(const CacheFileBytes&) = delete;

    // Nothing unless `path` is a regular file of at most `largest` bytes,
    // read whole. Links are not followed.
    static std::optional<CacheFileBytes> Read(const std::string& path, std::uint64_t largest);
    std::string_view View() const { return {static_cast<const char*>(m_data), m_size}; }

private:
    void* m_data = nullptr;
    std::size_t m_mapped = 0;
    std::size_t m_size = 0;
};

// Writes `head` then `body` as the file `path`, whole or not at all.
bool WriteCacheFileWhole(const std::string& path, std::string_view head, std::string_view body);

// The file was just used: it goes last when room is made.
void MarkCacheFileUsed(const std::string& path);

// Removes the least recently used files of `folder` whose names end in
// `suffix` until they take at most `maxBytes`, and the temporary files that a
// program ending mid-write left behind. The file `justWritten` stays.
void KeepCacheFilesWithin(const std::string& folder, std::string_view suffix, std::uint64_t maxBytes,
                          const std::string& justWritten);

// 16 lowercase hex digits.
std::string CacheHex(std::uint64_t value);
