#include "platform/xml/worker/worker_protocol.h"

#include "platform/xml/component/xml_error_codes.h"
#include "platform/text/text_encoding.h"
#include "platform/xml/load/xml_limits.h"

#include <algorithm>
#include <cerrno>

namespace xmlworker {

namespace {

// `silent` learns whether the socket's receive bound ran out.
bool ReceiveAll(int fd, char* data, std::size_t size, bool* silent)
{
    int error = 0;
    if (ReadFully(fd, data, size, &error) == size)
        return true;
    if ((error == EAGAIN || error == EWOULDBLOCK) && silent != nullptr)
        *silent = true;
    return false;
}

} // namespace

std::optional<Message> ReceiveMessage(int fd, bool* silent)
{
    char header[1 + sizeof(std::uint32_t)];
    if (!ReceiveAll(fd, header, sizeof header, silent))
        return std::nullopt;
    std::uint32_t length = 0;
    std::memcpy(&length, header + 1, sizeof length);
    if (length > kLargestMessage)
        return std::nullopt;
    Message message;
    message.kind = static_cast<MessageKind>(header[0]);
    message.body.resize(length);
    if (!ReceiveAll(fd, message.body.data(), length, silent))
        return std::nullopt;
    return message;
}

std::string EncodeRequest(const WorkerRequest& request)
{
    MessageWriter writer;
    writer.Text(request.load.linuxPath);
    writer.Text(request.load.displayPath);
    writer.Text(request.load.readFrom);
    writer.U8(request.load.validate ? 1 : 0);
    const XmlLoadSettings& settings = request.load.settings;
    writer.U64(static_cast<std::uint64_t>(settings.stallTime.count()));
    writer.U64(static_cast<std::uint64_t>(settings.workerSilence.count()));
    writer.U64(static_cast<std::uint64_t>(settings.remote.connectTimeout.count()));
    writer.U64(static_cast<std::uint64_t>(settings.remote.stallTimeout.count()));
    writer.U64(static_cast<std::uint64_t>(settings.remote.totalTimeout.count()));
    writer.U64(settings.remote.maxBytes);
    writer.U8(settings.remote.networkAllowed ? 1 : 0);
    writer.U64(settings.remote.cacheMaxBytes);
    writer.U8(request.load.multipleErrors ? 1 : 0);
    writer.U8(settings.quickChecks ? 1 : 0);
    writer.U64(settings.grammarCacheMaxBytes);
    writer.U8(request.progressWanted ? 1 : 0);
    writer.U8(request.pathForm == ShownPathForm::Linux ? 1 : 0);
    return writer.Framed(MessageKind::Load);
}

std::optional<WorkerRequest> DecodeRequest(std::string_view body)
{
    MessageReader reader(body);
    WorkerRequest request;
    request.load.linuxPath = reader.Text();
    request.load.displayPath = reader.Text();
    request.load.readFrom = reader.Text();
    request.load.validate = reader.U8() != 0;
    XmlLoadSettings& settings = request.load.settings;
    settings.stallTime = std::chrono::milliseconds(reader.U64());
    settings.workerSilence = std::chrono::milliseconds(reader.U64());
    settings.remote.connectTimeout = std::chrono::milliseconds(reader.U64());
    settings.remote.stallTimeout = std::chrono::milliseconds(reader.U64());
    settings.remote.totalTimeout = std::chrono::milliseconds(reader.U64());
    settings.remote.maxBytes = reader.U64();
    settings.remote.networkAllowed = reader.U8() != 0;
    settings.remote.cacheMaxBytes = reader.U64();
    request.load.multipleErrors = reader.U8() != 0;
    settings.quickChecks = reader.U8() != 0;
    settings.grammarCacheMaxBytes = reader.U64();
    request.progressWanted = reader.U8() != 0;
    request.pathForm = reader.U8() != 0 ? ShownPathForm::Linux : ShownPathForm::Drive;
    if (!reader.Ok())
        return std::nullopt;
    return request;
}

void WriteError(MessageWriter& writer, const XmlLoadError& error)
{
    writer.U64(error.code);
    writer.U64(static_cast<std::uint64_t>(error.line));
    writer.U64(static_cast<std::uint64_t>(error.column));
    writer.Text16(error.reason);
    writer.Text(error.file);
}

XmlLoadError ReadError(MessageReader& reader)
{
    XmlLoadError error;
    error.code = static_cast<std::uint32_t>(reader.U64());
    error.line = static_cast<long>(reader.U64());
    error.column = static_cast<long>(reader.U64());
    error.reason = reader.Text16();
    error.file = reader.Text();
    return error;
}

// A result may tell that the worker ends right after it. It ends with the
std::string EncodeResult(const std::optional<XmlLoadError>& error, bool workerEnds,
                         const std::vector<XmlLoadError>& further)
{
    MessageWriter writer;
    writer.U8(workerEnds ? 1 : 0);
    writer.U8(error ? 1 : 0);
    if (error)
        WriteError(writer, *error);
    writer.U64(further.size());
    for (const XmlLoadError& next : further)
        WriteError(writer, next);
    return writer.Framed(MessageKind::Result);
}

std::string EncodeProgress(std::uint64_t done, std::uint64_t total)
{
    MessageWriter writer;
    writer.U64(done);
    writer.U64(total);
    return writer.Framed(MessageKind::Progress);
}

std::string EncodeNotice(const std::string& notice)
{
    MessageWriter writer;
    writer.Text(notice);
    return writer.Framed(MessageKind::Notice);
}

std::string EncodeHello(std::uint64_t loadsServed)
{
    MessageWriter writer;
    writer.U64(loadsServed);
    return writer.Framed(MessageKind::Hello);
}

std::optional<LoadResult> DecodeResult(std::string_view body)
{
    MessageReader reader(body);
    LoadResult result;
    result.workerEnds = reader.U8() != 0;
    if (reader.U8() != 0)
        result.error = ReadError(reader);
    const std::uint64_t furtherCount = reader.U64();
    result.further.resize(std::min<std::uint64_t>(furtherCount, XmlLimits::kReportedErrors));
    for (XmlLoadError& next : result.further)
        next = ReadError(reader);
    if (!reader.Ok())
        return std::nullopt;
    return result;
}

std::optional<LoadProgress> DecodeProgress(std::string_view body)
{
    MessageReader reader(body);
    LoadProgress progress;
    progress.done = reader.U64();
    progress.total = reader.U64();
    if (!reader.Ok())
        return std::nullopt;
    return progress;
}

std::optional<std::string> DecodeNotice(std::string_view body)
{
    MessageReader reader(body);
    std::string notice = reader.Text();
    if (!reader.Ok())
        return std::nullopt;
    return notice;
}

std::optional<std::uint64_t> DecodeHello(std::string_view body)
{
    MessageReader reader(body);
    const std::uint64_t loadsServed = reader.U64();
    if (!reader.Ok())
        return std::nullopt;
    return loadsServed;
}

XmlLoadError LimitError(std::uint32_t ownError, std::uint64_t line, const std::string& reason)
{
    return MakeXmlLoadError(XmlOwnErrorCode(ownError), line, 0, AnsiToWide(reason));
}

} // namespace xmlworker
