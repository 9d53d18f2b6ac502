#include "app/verdict_output.h"

#include "platform/text/drive_path.h"
#include "platform/text/text_encoding.h"
#include "platform/xml/component/xml_error_codes.h"

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

// The last line of a list that the bound on reported errors ended.
const char* const kListBounded = "The list of errors stops at its bound (1000 errors, or 1048576 characters of "
                                 "descriptions): the document may hold more";

void WriteText(std::ostream& out, const FileVerdict& verdict, bool oneOfSeveral)
{
    // A file that could not be named has its message on standard error.
    if (!verdict.unnamable.empty())
        return;
    if (oneOfSeveral)
        out << OneLineText(verdict.path) << ":\n";
    out << verdict.outcome.strResult.str() << '\n';
    const auto& errors = verdict.outcome.errors;
    for (std::size_t i = 1; i < errors.size(); ++i)
        out << ErrorReportText(errors[i]).str() << '\n';
    if (verdict.outcome.bErrorListBounded)
        out << kListBounded << '\n';
    if (oneOfSeveral)
        out << '\n';
}

// The file as an editor opens it: as the user named it, but a drive path
// as its Linux path.
std::string NamedFile(const FileVerdict& verdict)
{
    return LinuxPathFromDrivePath(verdict.path).value_or(verdict.path);
}

// The file an error's line counts in: the file named, or the referenced
// schema, DTD or entity the error lies in (its Linux path, or its URL).
std::string FileOfError(const FileVerdict& verdict, const ValidationError& error)
{
    const std::string url = error.strUrl.str();
    if (url.empty() || url == verdict.drivePath)
        return NamedFile(verdict);
    return LinuxPathFromDrivePath(url).value_or(url);
}

// A report without an error object, or a file that could not be named, is
// still one line that the tools read, placed at line 0.
void WriteGnu(std::ostream& out, const FileVerdict& verdict)
{
    const std::string file = OneLineText(NamedFile(verdict));
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
    if (outcome.bErrorListBounded)
        out << file << ":0:0: note: " << kListBounded << '\n';
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

// `last` marks the file's last line, which says whether the list is cut.
void WriteJsonLine(std::ostream& out, const FileVerdict& verdict, const ValidationError* error,
                   const std::string& description, bool last)
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
    if (last && verdict.outcome.bErrorListBounded)
        out << ",\"truncated\":true";
    out << "}\n";
}

void WriteJson(std::ostream& out, const FileVerdict& verdict)
{
    const ValidationOutcome& outcome = verdict.outcome;
    if (!verdict.unnamable.empty()) {
        WriteJsonLine(out, verdict, nullptr, verdict.unnamable, true);
    } else if (outcome.errors.empty()) {
        WriteJsonLine(out, verdict, nullptr, outcome.strResult.str(), true);
    } else {
        for (const ValidationError& error : outcome.errors)
            WriteJsonLine(out, verdict, &error, error.strDescription.str(), &error == &outcome.errors.back());
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
    return WideToAnsi(VisibleText(AnsiToWide(text)));
}

std::string JsonString(const std::string& text)
{
    // JSON escapes give a reader the text back as it is, and the line holds
    // no control, line separator or bidirectional control raw. Bytes that are
    // not UTF-8, which JSON cannot carry, are written as VisibleText shows
    // them (\xFF).
    const std::u16string wide = AnsiToWide(text);
    std::string literal = "\"";
    for (std::size_t i = 0; i < wide.size(); ++i) {
        const bool pair = wide[i] >= 0xD800 && wide[i] <= 0xDBFF && i + 1 < wide.size() &&
                          wide[i + 1] >= 0xDC00 && wide[i + 1] <= 0xDFFF;
        const std::u16string_view character(&wide[i], pair ? 2 : 1);
        i += character.size() - 1;
        const std::string shown = WideToAnsi(VisibleText(character));
        const char16_t unit = character[0];
        if (unit == u'"' || unit == u'\\') {
            literal += '\\' + shown;
        } else if (shown == WideToAnsi(character)) {
            literal += shown;
        } else if (unit == u'\n' || unit == u'\r' || unit == u'\t') {
            literal += unit == u'\n' ? "\\n" : unit == u'\r' ? "\\r" : "\\t";
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            literal += '\\' + shown; // an undecodable byte or a lone surrogate, shown
        } else {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(unit));
            literal += escape;
        }
    }
    return literal + '"';
}
