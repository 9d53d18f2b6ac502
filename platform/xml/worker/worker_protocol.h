#pragma once
// The messages between a caller and its worker: a request to load one
// document, and what the worker tells while it loads and once it is done.

#include "platform/xml/load/xml_parse_session.h"
#include "platform/text/drive_path.h"
#include "platform/os/posix_io.h"

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace xmlworker {

// Names the worker's end of the connection in the environment of the
// program started as a worker.
constexpr std::string_view kWorkerFdVariable = "CORVANE_XML_WORKER_FD";
constexpr int kWorkerFd = 3;

// --- Messages -------------------------------------------------------------
//
// Each message is a kind byte, a 32-bit length and that many bytes. Numbers
// are in the machine's own order: both ends are the same executable.

enum class MessageKind : std::uint8_t {
    Load = 'L',       // to the worker: one document to load
    Progress = 'P',   // from the worker: bytes read, bytes in all
    Notice = 'N',     // from the worker: a line for the user beside the verdict
    Result = 'R',     // from the worker: the outcome of the load
    Alive = 'A',      // from the worker: the load under way got further
    MemoryBound = 'M', // from the worker: its address space ran out
    Hello = 'H',       // from a kept worker, first: the loads it served so far
    Fatal = 'F'        // from a kept worker: the signal it dies of (its caller cannot wait for it)
};

constexpr std::uint32_t kLargestMessage = 16u * 1024 * 1024;

class MessageWriter {
public:
    void U8(std::uint8_t value) { m_bytes.push_back(static_cast<char>(value)); }
    void U64(std::uint64_t value) { Raw(&value, sizeof value); }
    void Text(std::string_view text)
    {
        U64(text.size());
        m_bytes.append(text);
    }
    void Text16(std::u16string_view text)
    {
        U64(text.size());
        Raw(text.data(), text.size() * sizeof(char16_t));
    }
    std::string Framed(MessageKind kind) const
    {
        std::string frame(1, static_cast<char>(kind));
        const auto length = static_cast<std::uint32_t>(m_bytes.size());
        frame.append(reinterpret_cast<const char*>(&length), sizeof length);
        return frame + m_bytes;
    }

private:
    void Raw(const void* data, std::size_t size) { m_bytes.append(static_cast<const char*>(data), size); }
    std::string m_bytes;
};

class MessageReader {
public:
    explicit MessageReader(std::string_view bytes) : m_bytes(bytes) {}
    bool Ok() const { return m_ok; }
    std::uint8_t U8()
    {
        std::uint8_t value = 0;
        Raw(&value, sizeof value);
        return value;
    }
    std::uint64_t U64()
    {
        std::uint64_t value = 0;
        Raw(&value, sizeof value);
        return value;
    }
    std::string Text()
    {
        const std::uint64_t size = U64();
        if (!m_ok || size > m_bytes.size())
            return Fail<std::string>();
        std::string text(m_bytes.substr(0, size));
        m_bytes.remove_prefix(size);
        return text;
    }
    std::u16string Text16()
    {
        const std::uint64_t size = U64();
        if (!m_ok || size > m_bytes.size() / sizeof(char16_t))
            return Fail<std::u16string>();
        std::u16string text(size, u'\0');
        Raw(text.data(), size * sizeof(char16_t));
        return text;
    }

private:
    template <typename T>
    T Fail()
    {
        m_ok = false;
        return {};
    }
    void Raw(void* data, std::size_t size)
    {
        if (!m_ok || m_bytes.size() < size) {
            m_ok = false;
            return;
        }
        std::memcpy(data, m_bytes.data(), size);
        m_bytes.remove_prefix(size);
    }
    std::string_view m_bytes;
    bool m_ok = true;
};

struct Message {
    MessageKind kind{};
    std::string body;
};

// Nothing when the other end went away (or broke the framing), or when
// nothing came within the socket's receive bound (`silent` is then set).
std::optional<Message> ReceiveMessage(int fd, bool* silent = nullptr);

// What travels with a request besides the load and its settings (among
// them the caller's wait for a sign of progress, which the worker beats
// well within).
struct WorkerRequest {
    XmlLoadRequest load;
    // Without a listener in the caller, progress travels only in steps that
    // place a failure in a large document: a batch of small documents then
    // costs one message each way per document.
    bool progressWanted = true;
    ShownPathForm pathForm = ShownPathForm::Drive;
};

std::string EncodeRequest(const WorkerRequest& request);
std::optional<WorkerRequest> DecodeRequest(std::string_view body);

void WriteError(MessageWriter& writer, const XmlLoadError& error);
XmlLoadError ReadError(MessageReader& reader);

// A result may tell that the worker ends right after it. It ends with the
// errors after the first (none unless the request asked for every error).
std::string EncodeResult(const std::optional<XmlLoadError>& error, bool workerEnds,
                         const std::vector<XmlLoadError>& further = {});
std::string EncodeProgress(std::uint64_t done, std::uint64_t total);
std::string EncodeNotice(const std::string& notice);
std::string EncodeHello(std::uint64_t loadsServed);

// The bodies of the worker's messages, read back; nothing when malformed.
struct LoadResult {
    bool workerEnds = false;
    std::optional<XmlLoadError> error;
    // At most XmlLimits::kReportedErrors, whatever the message claims.
    std::vector<XmlLoadError> further;
};
std::optional<LoadResult> DecodeResult(std::string_view body);
struct LoadProgress {
    std::uint64_t done = 0;
    std::uint64_t total = 0;
};
std::optional<LoadProgress> DecodeProgress(std::string_view body);
std::optional<std::string> DecodeNotice(std::string_view body);
std::optional<std::uint64_t> DecodeHello(std::string_view body);

XmlLoadError LimitError(std::uint32_t ownError, std::uint64_t line, const std::string& reason);

} // namespace xmlworker
