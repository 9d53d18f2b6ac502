#pragma once
// Where the parser's bytes come from: local files opened by their Linux path
// as bytes (so blanks and any characters work, whatever the locale), and
// documents already fetched into memory.

#include <xercesc/sax/InputSource.hpp>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

// Why a local file cannot be read, or nothing when it can.
enum class LocalFileProblem { NotFound, IsADirectory, PermissionDenied, NotARegularFile, ReadFailed };

struct LocalFileCheck {
    std::optional<LocalFileProblem> problem;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0; // last modification, in nanoseconds since the epoch
    std::string detail;          // the system's words for ReadFailed
};

// Checks that a path names a regular file this process may read (the file
// that stands in for it, if any). Devices and pipes are refused: reading one
// could block or never end.
LocalFileCheck CheckLocalFile(const std::string& name);

// A local file read in large blocks. The main document reports its progress
// to the load progress listener as it is read.
class LocalFileInputSource final : public xercesc::InputSource {
public:
    LocalFileInputSource(std::string linuxPath, const std::u16string& systemId, bool reportProgress,
                         xercesc::MemoryManager* manager);
    xercesc::BinInputStream* makeStream() const override;

private:
    std::string m_linuxPath;
    bool m_reportProgress;
};

// A document held in memory (a fetched schema, or an empty stand-in).
class MemoryInputSource final : public xercesc::InputSource {
public:
    MemoryInputSource(std::shared_ptr<const std::string> bytes, const std::u16string& systemId,
                      xercesc::MemoryManager* manager);
    xercesc::BinInputStream* makeStream() const override;

private:
    std::shared_ptr<const std::string> m_bytes;
};
