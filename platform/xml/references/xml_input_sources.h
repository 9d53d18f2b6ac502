#pragma once
// Where the parser's bytes come from: local files opened by their Linux path
// as bytes (so blanks and any characters work, whatever the locale), and
// documents already fetched into memory.

#include "platform/xml/component/load_progress.h"
#include "platform/os/unique_fd.h"

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

// A local file opened for the parser, or why it could not be (check.problem).
struct OpenedLocalFile {
    UniqueFd fd;
    LocalFileCheck check;
};

// Checks and opens a file the parser is to read: the one place where the
// parser's files are opened, so that a failure there (no descriptor left,
// an unreadable disk) is reported in the component's words rather than
// left to the parser, which only warns about a schema it cannot open.
//
// Tests make the open of one file fail with a given errno, in the worker
// process too: CORVANE_XML_OPEN_FAILURE=<errno>:<linux path>.
OpenedLocalFile OpenLocalFile(const std::string& linuxPath);

// The component's own error for a document that cannot be read, and its
// words (`displayPath`: the document as the user named it).
struct UnreadableFile {
    std::uint32_t ownError = 0; // an XmlOwnError
    std::string reason;
};
UnreadableFile DescribeUnreadableDocument(const LocalFileCheck& check, const std::string& displayPath);
// The same for a referenced file: the error, and why, to follow its name.
UnreadableFile DescribeUnreadableReference(const LocalFileCheck& check);

// A local file read in large blocks, from the descriptor it was opened with.
// The main document reports its progress to its load's `progress` listener
// as it is read (an empty one for every other file).
class LocalFileInputSource final : public xercesc::InputSource {
public:
    LocalFileInputSource(OpenedLocalFile file, std::string linuxPath, const std::u16string& systemId,
                         LoadProgressListener progress, xercesc::MemoryManager* manager);
    xercesc::BinInputStream* makeStream() const override;

private:
    // Handed to the first stream; a second stream opens the file again.
    mutable UniqueFd m_fd;
    mutable std::uint64_t m_size;
    std::string m_linuxPath;
    LoadProgressListener m_progress;
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
