#pragma once
// Loading a file through the XML parser component as the validation run
// does, and reading back the verdict and the first error.

#include "platform/xml/load/xml_load_settings.h"
#include "platform/text/text_encoding.h"
#include "platform/xml/component/xml_dom.h"
#include "platform/xml/component/xml_error_codes.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <utility>

struct XmlLoadOutcome {
    HRESULT status = E_FAIL;
    std::uint32_t code = 0;
    long line = 0;
    long position = 0;
    std::string reason;
    std::string url; // the file the line counts in

    XmlErrorGroup Group() const { return XmlErrorGroupOf(code); }
    bool Valid() const { return status == S_OK; }
};

inline std::ostream& operator<<(std::ostream& out, const XmlLoadOutcome& outcome)
{
    return out << "status " << outcome.status << ", code 0x" << std::hex << outcome.code << std::dec
               << ", line " << outcome.line << ", position " << outcome.position << ", reason \""
               << outcome.reason << "\"";
}

// Line and character column just after the first occurrence of a marker,
// counted as a reader counts them (characters, not bytes).
inline std::pair<long, long> After(const std::string& text, const std::string& marker)
{
    const auto at = text.find(marker);
    EXPECT_NE(at, std::string::npos) << "marker not in text: " << marker;
    const auto end = at == std::string::npos ? 0 : at + marker.size();
    long line = 1;
    long column = 1;
    for (std::size_t i = 0; i < end; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte == '\n') {
            ++line;
            column = 1;
        } else if ((byte & 0xC0) != 0x80) {
            ++column;
        }
    }
    return {line, column};
}

// This process's load settings with a change, for the loads that follow.
inline void ChangeLoadSettings(const std::function<void(XmlLoadSettings&)>& change)
{
    XmlLoadSettings settings = CurrentXmlLoadSettings();
    change(settings);
    SetXmlLoadSettings(settings);
}

inline void UseQuickChecks(bool on)
{
    ChangeLoadSettings([on](XmlLoadSettings& settings) { settings.quickChecks = on; });
}

// Network limits a test sets for its loads, put back when it ends.
class ScopedRemoteFetchLimits {
public:
    explicit ScopedRemoteFetchLimits(const std::function<void(RemoteFetchLimits&)>& change)
        : m_saved(CurrentXmlLoadSettings().remote)
    {
        ChangeLoadSettings([&change](XmlLoadSettings& settings) { change(settings.remote); });
    }
    ~ScopedRemoteFetchLimits()
    {
        ChangeLoadSettings([this](XmlLoadSettings& settings) { settings.remote = m_saved; });
    }
    ScopedRemoteFetchLimits(const ScopedRemoteFetchLimits&) = delete;
    ScopedRemoteFetchLimits& operator=(const ScopedRemoteFetchLimits&) = delete;

private:
    RemoteFetchLimits m_saved;
};

// Short network limits keep the hanging-server cases quick.
inline void UseQuickRemoteFetchLimits(RemoteFetchLimits& limits)
{
    limits.connectTimeout = std::chrono::milliseconds(3000);
    limits.stallTimeout = std::chrono::milliseconds(2000);
    limits.totalTimeout = std::chrono::milliseconds(6000);
}

inline std::unique_ptr<IXMLDOMDocument> NewXmlDocument()
{
    std::unique_ptr<IUnknown> instance;
    EXPECT_EQ(CreateDOMDocument40(instance), S_OK);
    auto* document = dynamic_cast<IXMLDOMDocument*>(instance.get());
    if (document == nullptr)
        return nullptr;
    instance.release();
    return std::unique_ptr<IXMLDOMDocument>(document);
}

inline XmlLoadOutcome LoadWith(IXMLDOMDocument& document, const std::string& drivePath,
                               bool validate = true)
{
    XmlLoadOutcome outcome;
    document.put_validateOnParse(validate ? VARIANT_TRUE : VARIANT_FALSE);
    document.put_async(VARIANT_FALSE);
    VARIANT source;
    source.vt = VT_BSTR;
    source.bstrVal = AnsiToWide(drivePath);
    VARIANT_BOOL loaded = VARIANT_FALSE;
    outcome.status = document.load(source, &loaded);
    EXPECT_EQ(loaded == VARIANT_TRUE, outcome.status == S_OK);
    std::unique_ptr<IXMLDOMParseError> error;
    EXPECT_EQ(document.get_parseError(error), S_OK);
    if (error) {
        LONG code = 0;
        LONG line = 0;
        LONG position = 0;
        std::u16string reason;
        std::u16string url;
        error->get_url(&url);
        error->get_errorCode(&code);
        error->get_line(&line);
        error->get_linepos(&position);
        error->get_reason(&reason);
        outcome.code = static_cast<std::uint32_t>(code);
        outcome.line = line;
        outcome.position = position;
        outcome.reason = WideToAnsi(reason);
        outcome.url = WideToAnsi(url);
    }
    return outcome;
}

inline XmlLoadOutcome LoadFile(const std::filesystem::path& file, bool validate = true)
{
    auto document = NewXmlDocument();
    if (!document)
        return {};
    return LoadWith(*document, DriveForm(file), validate);
}

// Two loads' verdicts alike: the status, the code, the place and the words.
inline void ExpectSameVerdict(const XmlLoadOutcome& a, const XmlLoadOutcome& b, const std::string& what)
{
    EXPECT_EQ(a.status, b.status) << what << ": " << a << " / " << b;
    EXPECT_EQ(a.code, b.code) << what;
    EXPECT_EQ(a.line, b.line) << what;
    EXPECT_EQ(a.position, b.position) << what;
    EXPECT_EQ(a.reason, b.reason) << what;
}

// The compiled grammars kept on disk used, or not, by the loads that follow.
inline void UseGrammarCache(bool on)
{
    ChangeLoadSettings([on](XmlLoadSettings& settings) {
        settings.grammarCacheMaxBytes = on ? XmlLoadSettings{}.grammarCacheMaxBytes : 0;
    });
}
