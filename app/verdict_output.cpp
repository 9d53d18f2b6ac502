#include "app/verdict_output.h"

#include "platform/drive_path.h"
#include "platform/text_encoding.h"
#include "platform/xml/xml_error_codes.h"

#include <cstdint>
#include <cstdio>

namespace {

std::string CodeText(LONG code)
{
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(static_cast<std::uint32_t>(code)));
    return text;
}

// The names of docs/error-codes.md's groups, as JSON gives them.
const char* GroupName(LONG code)
{
    switch (XmlErrorGroupOf(static_cast<std::uint32_t>(code))) {
    case XmlErrorGroup::WellFormedness:
        return "well-formedness";
    case XmlErrorGroup::Validity:
        return "validity";
    case XmlErrorGroup::ReferencedDocument:
        return "referenced-document";
    case XmlErrorGroup::InputOutput:
        return "input-output";
    case XmlErrorGroup::ResourceLimits:
        return "resource-limits";
    }
    return nullptr;
}

std::string VisibleUtf8(const std::string& text)
{
    return WideToAnsi(VisibleText(AnsiToWide(text)));
}

void WriteText(std::ostream& out, const FileVerdict& verdict, bool oneOfSeveral)
{
    // A file that could not be named has its message on standard error.
    if (!verdict.unnamable.empty())
        return;
    if (oneOfSeveral)
        out << verdict.path << ":\n";
    out << verdict.outcome.strResult.str() << '\n';
    const auto& errors = verdict.outcome.errors;
    for (std::size_t i = 1; i < errors.size(); ++i)
        out << ErrorReportText(errors[i]).str() << '\n';
    if (oneOfSeveral)
        out << '\n';
}

// The file an error's line counts in, as an editor opens it: the file as the
// user named it, or the referenced schema, DTD or entity the error lies in
// (its Linux path, or its URL).
std::string FileOfError(const FileVerdict& verdict, const ValidationError& error)
{
    const std::string url = error.strUrl.str();
    if (url.empty() || url == verdict.drivePath)
        return verdict.path;
    return LinuxPathFromDrivePath(url).value_or(url);
}

// A report without an error object, or a file that could not be named, is
// still one line that the tools read, placed at line 0.
void WriteGnu(std::ostream& out, const FileVerdict& verdict)
{
    const std::string file = OneLineText(verdict.path);
    const ValidationOutcome& outcome = verdict.outcome;
    if (!verdict.unnamable.empty()) {
        out << file << ":0:0: error: " << OneLineText(verdict.unnamable) << '\n';
        return;
    }
    if (outcome.verdict == ValidationVerdict::Valid)
        return;
    if (outcome.errors.empty()) {
        out << file << ":0:0: error: " << OneLineText(outcome.strResult.str()) << '\n';
        return;
    }
    for (const ValidationError& error : outcome.errors)
        out << OneLineText(FileOfError(verdict, error)) << ':' << error.lLine << ':' << error.lLinePos
            << ": error: " << OneLineText(error.strDescription.str()) << " [" << CodeText(error.lErrorCode) << "]\n";
}

const char* VerdictName(const FileVerdict& verdict)
{
    if (!verdict.unnamable.empty())
        return "no-report";
    switch (verdict.outcome.verdict) {
    case ValidationVerdict::Valid:
        return "valid";
    case ValidationVerdict::ErrorReport:
        return "error";
    case ValidationVerdict::NoReport:
        break;
    }
    return "no-report";
}

void WriteJsonLine(std::ostream& out, const FileVerdict& verdict, const ValidationError* error,
                   const std::string& description)
{
    out << "{\"path\":" << JsonString(verdict.path) << ",\"verdict\":\"" << VerdictName(verdict) << '"';
    if (error != nullptr) {
        const char* group = GroupName(error->lErrorCode);
        out << ",\"code\":\"" << CodeText(error->lErrorCode) << '"'
            << ",\"group\":" << (group != nullptr ? '"' + std::string(group) + '"' : std::string("null"))
            << ",\"line\":" << error->lLine << ",\"column\":" << error->lLinePos;
    } else {
        out << ",\"code\":null,\"group\":null,\"line\":null,\"column\":null";
    }
    out << ",\"description\":" << JsonString(description);
    if (error != nullptr)
        out << ",\"file\":" << JsonString(FileOfError(verdict, *error));
    out << "}\n";
}

void WriteJson(std::ostream& out, const FileVerdict& verdict)
{
    const ValidationOutcome& outcome = verdict.outcome;
    if (!verdict.unnamable.empty()) {
        WriteJsonLine(out, verdict, nullptr, verdict.unnamable);
    } else if (outcome.errors.empty()) {
        WriteJsonLine(out, verdict, nullptr, outcome.strResult.str());
    } else {
        for (const ValidationError& error : outcome.errors)
            WriteJsonLine(out, verdict, &error, error.strDescription.str());
    }
}

} // namespace

void WriteVerdict(std::ostream& out, OutputFormat format, const FileVerdict& verdict, bool oneOfSeveral)
{
    switch (format) {
    case OutputFormat::Text:
        WriteText(out, verdict, oneOfSeveral);
        break;
    case OutputFormat::Gnu:
        WriteGnu(out, verdict);
        break;
    case OutputFormat::Json:
        WriteJson(out, verdict);
        break;
    }
}

std::string OneLineText(const std::string& text)
{
    std::string line;
    for (const char c : VisibleUtf8(text)) {
        if (c == '\r' || c == '\n' || c == '\t') {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned>(c));
            line += escape;
        } else {
            line += c;
        }
    }
    return line;
}

std::string JsonString(const std::string& text)
{
    std::string literal = "\"";
    for (const char c : VisibleUtf8(text)) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '"':
            literal += "\\\"";
            break;
        case '\\':
            literal += "\\\\";
            break;
        case '\n':
            literal += "\\n";
            break;
        case '\r':
            literal += "\\r";
            break;
        case '\t':
            literal += "\\t";
            break;
        default:
            if (byte < 0x20 || byte == 0x7F) {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04X", byte);
                literal += escape;
            } else {
                literal += c;
            }
        }
    }
    return literal + '"';
}
