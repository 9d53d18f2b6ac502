#include "platform/xml/references/xml_input_sources.h"

#include "platform/os/posix_io.h"
#include "platform/xml/load/xml_document_file.h"
#include "platform/xml/component/xml_error_codes.h"

#include <xercesc/util/BinInputStream.hpp>
#include <xercesc/util/RuntimeException.hpp>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace xc = xercesc;

// Progress is told every this many bytes, and once at the end.
constexpr std::uint64_t kProgressStep = 1024 * 1024;

class FileStream final : public xc::BinInputStream {
public:
    FileStream(UniqueFd fd, std::uint64_t size, LoadProgressListener progress)
        : m_fd(std::move(fd)), m_size(size), m_progress(std::move(progress))
    {
        if (m_size >= kProgressStep) // a small file is read in one go anyway
            ::posix_fadvise(m_fd.Get(), 0, 0, POSIX_FADV_SEQUENTIAL);
        if (m_progress)
            m_progress(0, m_size);
    }

    XMLFilePos curPos() const override { return m_position; }

    XMLSize_t readBytes(XMLByte* const toFill, const XMLSize_t maxToRead) override
    {
        const ssize_t got = ReadSome(m_fd.Get(), toFill, maxToRead);
        if (got < 0)
            ThrowXML(xc::RuntimeException, xc::XMLExcepts::File_CouldNotReadFromFile);
        m_position += static_cast<std::uint64_t>(got);
        if (m_progress &&
            (m_position - m_reported >= kProgressStep || (got == 0 && m_reported != m_position))) {
            m_reported = m_position;
            m_progress(m_position, std::max(m_size, m_position));
        }
        return static_cast<XMLSize_t>(got);
    }

    const XMLCh* getContentType() const override { return nullptr; }

private:
    UniqueFd m_fd;
    std::uint64_t m_size;
    LoadProgressListener m_progress;
    std::uint64_t m_position = 0;
    std::uint64_t m_reported = 0;
};

class MemoryStream final : public xc::BinInputStream {
public:
    explicit MemoryStream(std::shared_ptr<const std::string> bytes) : m_bytes(std::move(bytes)) {}

    XMLFilePos curPos() const override { return m_position; }

    XMLSize_t readBytes(XMLByte* const toFill, const XMLSize_t maxToRead) override
    {
        const std::size_t count = std::min<std::size_t>(maxToRead, m_bytes->size() - m_position);
        std::memcpy(toFill, m_bytes->data() + m_position, count);
        m_position += count;
        return count;
    }

    const XMLCh* getContentType() const override { return nullptr; }

private:
    std::shared_ptr<const std::string> m_bytes;
    std::size_t m_position = 0;
};

const XMLCh* AsXmlCh(const std::u16string& text)
{
    return reinterpret_cast<const XMLCh*>(text.c_str());
}

// Why a file cannot be read, from the system's error.
void Fail(LocalFileCheck& check, int error)
{
    if (error == ENOENT || error == ENOTDIR)
        check.problem = LocalFileProblem::NotFound;
    else if (error == EACCES || error == EPERM)
        check.problem = LocalFileProblem::PermissionDenied;
    else if (error == EISDIR)
        check.problem = LocalFileProblem::IsADirectory;
    else {
        check.problem = LocalFileProblem::ReadFailed;
        check.detail = std::strerror(error);
    }
}

// The failure a test asked for at the open of this file, if any.
int InjectedOpenFailure(const std::string& linuxPath)
{
    const char* wanted = std::getenv("CORVANE_XML_OPEN_FAILURE");
    if (wanted == nullptr)
        return 0;
    char* rest = nullptr;
    const long error = std::strtol(wanted, &rest, 10);
    return rest != wanted && *rest == ':' && linuxPath == rest + 1 ? static_cast<int>(error) : 0;
}

} // namespace

LocalFileCheck CheckLocalFile(const std::string& name)
{
    const std::string linuxPath = FileToRead(name);
    LocalFileCheck check;
    struct stat info {};
    if (::stat(linuxPath.c_str(), &info) != 0) {
        Fail(check, errno);
        return check;
    }
    if (S_ISDIR(info.st_mode)) {
        check.problem = LocalFileProblem::IsADirectory;
        return check;
    }
    if (!S_ISREG(info.st_mode)) {
        check.problem = LocalFileProblem::NotARegularFile;
        return check;
    }
    check.size = static_cast<std::uint64_t>(info.st_size);
    check.modifiedNs = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
    if (::access(linuxPath.c_str(), R_OK) != 0)
        Fail(check, errno);
    return check;
}

OpenedLocalFile OpenLocalFile(const std::string& linuxPath)
{
    OpenedLocalFile file;
    file.check = CheckLocalFile(linuxPath);
    if (file.check.problem)
        return file;
    if (const int injected = InjectedOpenFailure(linuxPath)) {
        Fail(file.check, injected);
        return file;
    }
    file.fd = OpenToRead(linuxPath);
    if (!file.fd) {
        Fail(file.check, errno);
        return file;
    }
    // Checked again on what was opened: the name may have changed hands.
    struct stat info {};
    if (::fstat(file.fd.Get(), &info) != 0) {
        Fail(file.check, errno);
        file.fd.Reset();
        return file;
    }
    if (!S_ISREG(info.st_mode)) {
        file.check.problem =
            S_ISDIR(info.st_mode) ? LocalFileProblem::IsADirectory : LocalFileProblem::NotARegularFile;
        file.fd.Reset();
        return file;
    }
    file.check.size = static_cast<std::uint64_t>(info.st_size);
    // O_NONBLOCK only kept the open itself from waiting on a pipe.
    ::fcntl(file.fd.Get(), F_SETFL, ::fcntl(file.fd.Get(), F_GETFL) & ~O_NONBLOCK);
    return file;
}

UnreadableFile DescribeUnreadableDocument(const LocalFileCheck& check, const std::string& displayPath)
{
    switch (check.problem.value_or(LocalFileProblem::ReadFailed)) {
    case LocalFileProblem::NotFound:
        return {XmlOwnError::FileNotFound, "The file " + displayPath + " does not exist"};
    case LocalFileProblem::IsADirectory:
        return {XmlOwnError::IsADirectory, displayPath + " is a folder, not a file"};
    case LocalFileProblem::PermissionDenied:
        return {XmlOwnError::PermissionDenied, "The file " + displayPath + " cannot be read: permission denied"};
    case LocalFileProblem::NotARegularFile:
        return {XmlOwnError::NotARegularFile, displayPath + " is not a regular file"};
    case LocalFileProblem::ReadFailed:
        break;
    }
    return {XmlOwnError::ReadFailed, "The file " + displayPath + " cannot be read: " + check.detail};
}

UnreadableFile DescribeUnreadableReference(const LocalFileCheck& check)
{
    switch (check.problem.value_or(LocalFileProblem::ReadFailed)) {
    case LocalFileProblem::NotFound:
        return {XmlOwnError::ReferencedFileNotFound, "the file does not exist"};
    case LocalFileProblem::IsADirectory:
        return {XmlOwnError::ReferencedIsADirectory, "it is a folder, not a file"};
    case LocalFileProblem::PermissionDenied:
        return {XmlOwnError::ReferencedPermissionDenied, "permission denied"};
    case LocalFileProblem::NotARegularFile:
        return {XmlOwnError::ReferencedNotARegularFile, "it is not a regular file"};
    case LocalFileProblem::ReadFailed:
        break;
    }
    return {XmlOwnError::ReferencedReadFailed, check.detail};
}

LocalFileInputSource::LocalFileInputSource(OpenedLocalFile file, std::string linuxPath,
                                           const std::u16string& systemId, LoadProgressListener progress,
                                           xc::MemoryManager* manager)
    : xc::InputSource(AsXmlCh(systemId), manager)
    , m_fd(std::move(file.fd))
    , m_size(file.check.size)
    , m_linuxPath(std::move(linuxPath))
    , m_progress(std::move(progress))
{
}

xc::BinInputStream* LocalFileInputSource::makeStream() const
{
    if (!m_fd) {
        OpenedLocalFile again = OpenLocalFile(m_linuxPath);
        if (!again.fd)
            return nullptr;
        m_fd = std::move(again.fd);
        m_size = again.check.size;
    }
    return new (getMemoryManager()) FileStream(std::move(m_fd), m_size, m_progress);
}

MemoryInputSource::MemoryInputSource(std::shared_ptr<const std::string> bytes,
                                     const std::u16string& systemId, xc::MemoryManager* manager)
    : xc::InputSource(AsXmlCh(systemId), manager), m_bytes(std::move(bytes))
{
}

xc::BinInputStream* MemoryInputSource::makeStream() const
{
    return new (getMemoryManager()) MemoryStream(m_bytes);
}
