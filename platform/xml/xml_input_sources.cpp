#include "platform/xml/xml_input_sources.h"

#include "platform/load_progress.h"
#include "platform/xml/xml_document_file.h"

#include <xercesc/util/BinInputStream.hpp>
#include <xercesc/util/RuntimeException.hpp>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace xc = xercesc;

// Progress is told every this many bytes, and once at the end.
constexpr std::uint64_t kProgressStep = 1024 * 1024;

class FileStream final : public xc::BinInputStream {
public:
    FileStream(int fd, std::uint64_t size, bool reportProgress)
        : m_fd(fd), m_size(size), m_reportProgress(reportProgress)
    {
        if (m_size >= kProgressStep) // a small file is read in one go anyway
            ::posix_fadvise(m_fd, 0, 0, POSIX_FADV_SEQUENTIAL);
        if (m_reportProgress)
            ReportLoadProgress(0, m_size);
    }
    ~FileStream() override { ::close(m_fd); }
    FileStream(const FileStream&) = delete;
    FileStream& operator=(const FileStream&) = delete;

    XMLFilePos curPos() const override { return m_position; }

    XMLSize_t readBytes(XMLByte* const toFill, const XMLSize_t maxToRead) override
    {
        ssize_t got = 0;
        do {
            got = ::read(m_fd, toFill, maxToRead);
        } while (got < 0 && errno == EINTR);
        if (got < 0)
            ThrowXML(xc::RuntimeException, xc::XMLExcepts::File_CouldNotReadFromFile);
        m_position += static_cast<std::uint64_t>(got);
        if (m_reportProgress &&
            (m_position - m_reported >= kProgressStep || (got == 0 && m_reported != m_position))) {
            m_reported = m_position;
            ReportLoadProgress(m_position, std::max(m_size, m_position));
        }
        return static_cast<XMLSize_t>(got);
    }

    const XMLCh* getContentType() const override { return nullptr; }

private:
    int m_fd;
    std::uint64_t m_size;
    bool m_reportProgress;
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

} // namespace

LocalFileCheck CheckLocalFile(const std::string& name)
{
    const std::string linuxPath = FileToRead(name);
    LocalFileCheck check;
    struct stat info {};
    if (::stat(linuxPath.c_str(), &info) != 0) {
        const int error = errno;
        if (error == ENOENT || error == ENOTDIR)
            check.problem = LocalFileProblem::NotFound;
        else if (error == EACCES)
            check.problem = LocalFileProblem::PermissionDenied;
        else {
            check.problem = LocalFileProblem::ReadFailed;
            check.detail = std::strerror(error);
        }
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
    if (::access(linuxPath.c_str(), R_OK) != 0) {
        const int error = errno;
        if (error == EACCES) {
            check.problem = LocalFileProblem::PermissionDenied;
        } else {
            check.problem = LocalFileProblem::ReadFailed;
            check.detail = std::strerror(error);
        }
    }
    return check;
}

LocalFileInputSource::LocalFileInputSource(std::string linuxPath, const std::u16string& systemId,
                                           bool reportProgress, xc::MemoryManager* manager)
    : xc::InputSource(AsXmlCh(systemId), manager)
    , m_linuxPath(std::move(linuxPath))
    , m_reportProgress(reportProgress)
{
}

xc::BinInputStream* LocalFileInputSource::makeStream() const
{
    const int fd = OpenToRead(m_linuxPath).Release();
    if (fd < 0)
        return nullptr;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    // O_NONBLOCK only kept the open itself from waiting on a pipe.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return new (getMemoryManager())
        FileStream(fd, static_cast<std::uint64_t>(info.st_size), m_reportProgress);
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
