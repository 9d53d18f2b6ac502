#include "ui/editor_line_rules.h"

#include "platform/os/command_line.h"

#include <string>

namespace {

// %1 the editor as configured, %2 the line, %3 the XML path in double
// quotes, %4 the XML path and the line as one quoted "path:line" argument.
struct EditorLineRule {
    const char* program; // the file name of the program that starts
    const char* commandLine;
};

constexpr EditorLineRule kEditorLineRules[] = {
    {"vim", "%1 +%2 %3"},
    {"nvim", "%1 +%2 %3"},
    {"emacs", "%1 +%2 %3"},
    {"nano", "%1 +%2 %3"},
    {"gedit", "%1 +%2 %3"},
    {"gnome-text-editor", "%1 +%2 %3"},
    {"kate", "%1 --line %2 %3"},
    {"code", "%1 -g %4"},
};

// One argument in double quotes by the command-line rules: a quote in the
// text is escaped, and so are the backslashes right before a quote.
CString QuotedArgument(const std::string& text)
{
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char ch : text) {
        if (ch == '\\') {
            ++backslashes;
        } else if (ch == '"') {
            quoted.append(backslashes + 1, '\\');
            backslashes = 0;
        } else {
            backslashes = 0;
        }
        quoted += ch;
    }
    quoted.append(backslashes, '\\');
    quoted += '"';
    return CString(std::move(quoted));
}

} // namespace

CString EditorCommandLineAtLine(const CString& strEditor, const CString& strXmlPath, LONG lLine)
{
    // The program is the one the plain command line would start, so that a
    // configured path, a name found in PATH and the desktop's own text
    // editor all count by what really runs.
    CString strPlain;
    strPlain.Format("%s \"%s\"", strEditor, strXmlPath);
    const std::string program = ProgramNameOfCommandLine(strPlain.str());

    CString strLine;
    strLine.Format("%ld", lLine);
    CString strQuotedPath;
    strQuotedPath.Format("\"%s\"", strXmlPath);
    const CString strPathAndLine = QuotedArgument(strXmlPath.str() + ":" + strLine.str());

    CString strCommandLine;
    for (const EditorLineRule& rule : kEditorLineRules) {
        if (program == rule.program) {
            strCommandLine.FormatMessage(rule.commandLine, strEditor, strLine, strQuotedPath, strPathAndLine);
            break;
        }
    }
    return strCommandLine;
}
