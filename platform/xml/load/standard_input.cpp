#include "platform/xml/load/standard_input.h"

#include "platform/text/drive_path.h"
#include "platform/os/posix_io.h"
#include "platform/xml/load/xml_document_file.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <sys/mman.h>
#include <unistd.h>

namespace {

std::string SystemError(const char* doing)
{
    return std::string(doing) + ": " + std::strerror(errno);
}

// Copies standard input to `copy`; an empty text, or what went wrong.
std::string CopyStandardInput(int copy)
{
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = ReadSome(STDIN_FILENO, buffer, sizeof buffer);
        if (got == 0)
            return {};
        if (got < 0)
            return SystemError("standard input cannot be read");
        if (!WriteAll(copy, std::string_view(buffer, static_cast<std::size_t>(got))))
            return SystemError("standard input cannot be kept");
    }
}

} // namespace

std::unique_ptr<StandardInputDocument> StandardInputDocument::Read(std::string& error)
{
    std::error_code failed;
    const std::filesystem::path folder = std::filesystem::current_path(failed);
    if (failed) {
        error = "the current folder cannot be named: " + failed.message();
        return nullptr;
    }
    const std::string name = (folder / "-").string();
    const auto drivePath = DrivePathFromLinuxPath(name);
    if (!drivePath) {
        error = "a current folder whose path holds a backslash cannot be named as a drive path";
        return nullptr;
    }
    UniqueFd copy(::memfd_create("corvane-standard-input", MFD_CLOEXEC));
    if (!copy) {
        error = SystemError("standard input cannot be kept");
        return nullptr;
    }
    error = CopyStandardInput(copy.Get());
    if (!error.empty())
        return nullptr;
    return std::unique_ptr<StandardInputDocument>(new StandardInputDocument(std::move(copy), name, *drivePath));
}

StandardInputDocument::StandardInputDocument(UniqueFd copy, std::string name, std::string drivePath)
    : m_copy(std::move(copy)), m_name(std::move(name)), m_drivePath(std::move(drivePath))
{
    // The parser's worker is another process: it reads the copy by this
    // process's descriptor.
    SetDocumentStandIn(m_name, "/proc/" + std::to_string(::getpid()) + "/fd/" + std::to_string(m_copy.Get()));
}

StandardInputDocument::~StandardInputDocument()
{
    SetDocumentStandIn(m_name, {});
}
