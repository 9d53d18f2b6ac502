// Every message between a caller and its worker reads back as it was
// written, through the same framing the connection uses, with the values
// that break naive encodings: empty and non-ASCII text, embedded NUL and
// line ends, numbers beyond 32 bits.

#include "platform/xml/worker/worker_protocol.h"
#include "platform/xml/load/xml_limits.h"
#include "platform/os/unique_fd.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <unistd.h>

namespace {

using namespace xmlworker;
using namespace std::string_literals;

// The frame as the other end receives it.
std::optional<Message> Carried(const std::string& frame)
{
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, ends) != 0)
        return std::nullopt;
    const UniqueFd sender(ends[0]);
    const UniqueFd receiver(ends[1]);
    if (!SendAll(sender.Get(), frame))
        return std::nullopt;
    return ReceiveMessage(receiver.Get());
}

XmlLoadError Error(std::uint32_t code, long line, std::u16string reason, std::string file)
{
    XmlLoadError error;
    error.code = code;
    error.line = line;
    error.column = line / 3;
    error.reason = std::move(reason);
    error.file = std::move(file);
    return error;
}

void ExpectSame(const XmlLoadError& got, const XmlLoadError& sent)
{
    EXPECT_EQ(got.code, sent.code);
    EXPECT_EQ(got.line, sent.line);
    EXPECT_EQ(got.column, sent.column);
    EXPECT_EQ(got.reason, sent.reason);
    EXPECT_EQ(got.file, sent.file);
}

TEST(WorkerProtocol, RequestsReadBackFieldByField)
{
    WorkerRequest everything;
    everything.load = {"/tmp/d\xC3\xA9j\xC3\xA0 vu/a\nb.xml", "C:\\Users\\\xE2\x82\xAC\\a.xml", false, true,
                       "/proc/self/fd/0\0tail"s};
    everything.load.settings.stallTime = std::chrono::milliseconds(0xFFFF'FFFF'FFFFll);
    everything.load.settings.workerSilence = std::chrono::milliseconds(1);
    everything.load.settings.remote = {std::chrono::milliseconds(7), std::chrono::milliseconds(1ll << 40),
                         std::chrono::milliseconds(0), 0xFFFF'FFFF'FFFF'FFFFull, false, 5'000'000'000ull};
    everything.load.settings.quickChecks = false;
    everything.progressWanted = false;
    everything.pathForm = ShownPathForm::Linux;
    for (const WorkerRequest& sent : {WorkerRequest{}, everything}) {
        const std::optional<Message> message = Carried(EncodeRequest(sent));
        ASSERT_TRUE(message);
        EXPECT_EQ(message->kind, MessageKind::Load);
        const std::optional<WorkerRequest> got = DecodeRequest(message->body);
        ASSERT_TRUE(got);
        EXPECT_EQ(got->load.linuxPath, sent.load.linuxPath);
        EXPECT_EQ(got->load.displayPath, sent.load.displayPath);
        EXPECT_EQ(got->load.readFrom, sent.load.readFrom);
        EXPECT_EQ(got->load.validate, sent.load.validate);
        EXPECT_EQ(got->load.multipleErrors, sent.load.multipleErrors);
        const XmlLoadSettings& settings = got->load.settings;
        EXPECT_EQ(settings.stallTime, sent.load.settings.stallTime);
        EXPECT_EQ(settings.workerSilence, sent.load.settings.workerSilence);
        EXPECT_EQ(settings.remote.connectTimeout, sent.load.settings.remote.connectTimeout);
        EXPECT_EQ(settings.remote.stallTimeout, sent.load.settings.remote.stallTimeout);
        EXPECT_EQ(settings.remote.totalTimeout, sent.load.settings.remote.totalTimeout);
        EXPECT_EQ(settings.remote.maxBytes, sent.load.settings.remote.maxBytes);
        EXPECT_EQ(settings.remote.networkAllowed, sent.load.settings.remote.networkAllowed);
        EXPECT_EQ(settings.remote.cacheMaxBytes, sent.load.settings.remote.cacheMaxBytes);
        EXPECT_EQ(settings.quickChecks, sent.load.settings.quickChecks);
        EXPECT_EQ(got->progressWanted, sent.progressWanted);
        EXPECT_EQ(got->pathForm, sent.pathForm);
    }
}

TEST(WorkerProtocol, ResultsReadBackWithTheirErrors)
{
    const XmlLoadError odd = Error(0xC00CE014u, 0x7FFF'FFFFl, u"\u00AB\u20AC\U0001F600\u00BB\n\0x"s, "");
    const XmlLoadError plain = Error(1, 0, u"", "C:\\\xC3\xA9.xsd");
    const std::vector<XmlLoadError> tooMany(XmlLimits::kReportedErrors + 5, plain);
    const struct {
        bool workerEnds;
        std::optional<XmlLoadError> error;
        std::vector<XmlLoadError> further;
        std::size_t furtherKept;
    } cases[] = {
        {false, std::nullopt, {}, 0},
        {true, odd, {}, 0},
        {false, plain, {odd, plain}, 2},
        {false, odd, tooMany, XmlLimits::kReportedErrors},
    };
    for (const auto& c : cases) {
        const std::optional<Message> message = Carried(EncodeResult(c.error, c.workerEnds, c.further));
        ASSERT_TRUE(message);
        EXPECT_EQ(message->kind, MessageKind::Result);
        const std::optional<LoadResult> got = DecodeResult(message->body);
        ASSERT_TRUE(got);
        EXPECT_EQ(got->workerEnds, c.workerEnds);
        ASSERT_EQ(got->error.has_value(), c.error.has_value());
        if (c.error)
            ExpectSame(*got->error, *c.error);
        ASSERT_EQ(got->further.size(), c.furtherKept);
        for (std::size_t i = 0; i < c.furtherKept; ++i)
            ExpectSame(got->further[i], c.further[i]);
        // A body cut short anywhere is refused, not read as something else.
        for (std::size_t cut = 0; cut < message->body.size(); cut += 1 + message->body.size() / 16)
            EXPECT_FALSE(DecodeResult(std::string_view(message->body).substr(0, cut))) << cut;
    }
}

TEST(WorkerProtocol, ProgressAndNoticesReadBack)
{
    for (const auto& [done, total] : {std::pair<std::uint64_t, std::uint64_t>{0, 0},
                                      {5'000'000'000ull, 0xFFFF'FFFF'FFFF'FFFFull}}) {
        const std::optional<Message> message = Carried(EncodeProgress(done, total));
        ASSERT_TRUE(message);
        EXPECT_EQ(message->kind, MessageKind::Progress);
        const std::optional<LoadProgress> got = DecodeProgress(message->body);
        ASSERT_TRUE(got);
        EXPECT_EQ(got->done, done);
        EXPECT_EQ(got->total, total);
        EXPECT_FALSE(DecodeProgress(std::string_view(message->body).substr(0, 12)));
    }
    for (const std::string& notice : {""s, "caf\xC3\xA9\n\0after NUL"s, std::string(100'000, 'n')}) {
        const std::optional<Message> message = Carried(EncodeNotice(notice));
        ASSERT_TRUE(message);
        EXPECT_EQ(message->kind, MessageKind::Notice);
        EXPECT_EQ(DecodeNotice(message->body), notice);
        EXPECT_FALSE(DecodeNotice(std::string_view(message->body).substr(0, message->body.size() - 1)));
    }
}

TEST(WorkerProtocol, AFrameLongerThanAnyMessageIsRefused)
{
    std::string frame(1, static_cast<char>(MessageKind::Notice));
    const std::uint32_t length = kLargestMessage + 1;
    frame.append(reinterpret_cast<const char*>(&length), sizeof length);
    EXPECT_FALSE(Carried(frame));
}

} // namespace
