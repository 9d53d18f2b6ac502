#pragma once
// A document read from standard input ("-" on a command line, as Unix tools
// take it). The parser and the positions of its errors read a document more
// than once, so its bytes are kept in a file in memory, which goes with the
// process. The document is named "-" in the current folder: its relative
// references resolve there, as for a file in it.

#include "platform/os/unique_fd.h"

#include <memory>
#include <string>

class StandardInputDocument {
public:
    // Reads standard input to its end. Nothing when it cannot be read, and
    // `error` says why.
    static std::unique_ptr<StandardInputDocument> Read(std::string& error);
    ~StandardInputDocument();
    StandardInputDocument(const StandardInputDocument&) = delete;
    StandardInputDocument& operator=(const StandardInputDocument&) = delete;

    // The drive path a validation run is given for the document.
    const std::string& DrivePath() const { return m_drivePath; }

private:
    StandardInputDocument(UniqueFd copy, std::string name, std::string drivePath);

    UniqueFd m_copy;
    std::string m_name; // "-" in the current folder, as a Linux path
    std::string m_drivePath;
};
