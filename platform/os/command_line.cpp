// Splitting a command line into the program and its arguments.
//
// The plain rules are the ones programs on the other platform parse their
// own command line by. They cannot express every Linux file name: a blank in
// an unquoted program path ends it, and a double quote in a file name ends
// the quoted run. Where the plain rules would lose a file that exists, the
// file system decides instead.

#include "platform/os/command_line.h"

#include "platform/os/desktop_editor.h"
#include "platform/os/program_search.h"
#include "platform/text/drive_path.h"

#include <algorithm>

namespace {

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t';
}

void SkipBlanks(std::string_view line, std::size_t& pos)
{
    while (pos < line.size() && IsBlank(line[pos]))
        ++pos;
}

bool StartsWithDrivePath(std::string_view text)
{
    const auto isLetter = [](char ch) { return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z'); };
    return text.size() >= 3 && isLetter(text[0]) && text[1] == ':' && text[2] == '\\';
}

// A quoted drive path may hold double quotes of its own (Linux names may).
// The closing quote is the last one, followed by a blank or the end of the
// line, that leaves an existing entry between the quotes. The caller puts its
// one file last, so the longest such run is the one it meant.
std::optional<std::string> ReadQuotedExistingDrivePath(std::string_view line, std::size_t& pos)
{
    if (line[pos] != '"' || !StartsWithDrivePath(line.substr(pos + 1)))
        return std::nullopt;
    for (std::size_t close = line.size(); close-- > pos + 1;) {
        if (line[close] != '"' || (close + 1 < line.size() && !IsBlank(line[close + 1])))
            continue;
        const std::string_view candidate = line.substr(pos + 1, close - pos - 1);
        const auto linuxPath = LinuxPathFromDrivePath(candidate);
        if (linuxPath && EntryExists(*linuxPath)) {
            pos = close + 1;
            return std::string(candidate);
        }
    }
    return std::nullopt;
}

// One argument after the program: 2n backslashes before a quote give n
// backslashes and the quote opens or closes a quoted run; 2n+1 give n and a
// literal quote; backslashes elsewhere are literal; a doubled quote inside a
// quoted run is a literal quote and the run goes on.
std::string ReadArgument(std::string_view line, std::size_t& pos)
{
    if (auto whole = ReadQuotedExistingDrivePath(line, pos))
        return *whole;
    std::string arg;
    bool quoted = false;
    while (pos < line.size()) {
        const char ch = line[pos];
        if (IsBlank(ch) && !quoted)
            break;
        if (ch == '\\') {
            std::size_t count = 0;
            while (pos < line.size() && line[pos] == '\\') {
                ++count;
                ++pos;
            }
            if (pos < line.size() && line[pos] == '"') {
                arg.append(count / 2, '\\');
                if (count % 2 == 1) {
                    arg += '"';
                    ++pos;
                }
            } else {
                arg.append(count, '\\');
            }
            continue;
        }
        if (ch == '"') {
            if (quoted && pos + 1 < line.size() && line[pos + 1] == '"') {
                arg += '"';
                pos += 2;
            } else {
                quoted = !quoted;
                ++pos;
            }
            continue;
        }
        arg += ch;
        ++pos;
    }
    return arg;
}

// The program is read without escapes: quoted up to the next quote, else up
// to the first blank. An unquoted path holding blanks (a folder picked in a
// file chooser, such as "My Editor") is taken whole when a longer prefix,
// ending at a blank or at the end of the line, names a program and the first
// word alone does not. Prefixes stop before the first double quote, which
// starts the arguments.
std::string ReadProgram(std::string_view line, std::size_t& pos)
{
    if (!line.empty() && line[0] == '"') {
        const auto close = line.find('"', 1);
        const std::size_t end = close == std::string_view::npos ? line.size() : close;
        pos = close == std::string_view::npos ? line.size() : close + 1;
        return std::string(line.substr(1, end - 1));
    }
    std::size_t end = 0;
    while (end < line.size() && !IsBlank(line[end]))
        ++end;
    pos = end;
    const std::string_view word = line.substr(0, end);
    if (word.empty() || ProgramPathFromWord(word))
        return std::string(word);
    // A prefix ends at a blank, or at the end of a line that has no quote.
    const std::size_t limit = std::min(line.find('"'), line.size());
    for (std::size_t stop = limit + 1; stop-- > end + 1;) {
        if ((stop < line.size() && !IsBlank(line[stop])) || IsBlank(line[stop - 1]))
            continue;
        const std::string_view prefix = line.substr(0, stop);
        if (ProgramPathFromWord(prefix)) {
            pos = stop;
            return std::string(prefix);
        }
    }
    return std::string(word);
}

bool IsNotepad(std::string_view word)
{
    constexpr std::string_view kNotepad = "notepad.exe";
    if (word.size() != kNotepad.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char ch = (word[i] >= 'A' && word[i] <= 'Z') ? static_cast<char>(word[i] - 'A' + 'a') : word[i];
        if (ch != kNotepad[i])
            return false;
    }
    return true;
}

} // namespace

std::vector<std::string> SplitCommandLine(std::string_view commandLine)
{
    std::vector<std::string> words;
    if (commandLine.empty())
        return words;
    std::size_t pos = 0;
    words.push_back(ReadProgram(commandLine, pos));
    SkipBlanks(commandLine, pos);
    while (pos < commandLine.size()) {
        words.push_back(ReadArgument(commandLine, pos));
        SkipBlanks(commandLine, pos);
    }
    return words;
}

std::optional<ProgramLaunch> ResolveCommandLine(std::string_view commandLine)
{
    const auto words = SplitCommandLine(commandLine);
    if (words.empty() || words.front().empty())
        return std::nullopt;
    std::vector<std::string> args;
    std::vector<std::string> options;
    std::vector<std::string> files;
    args.reserve(words.size() - 1);
    for (std::size_t i = 1; i < words.size(); ++i) {
        auto linuxPath = LinuxPathFromDrivePath(words[i]);
        if (linuxPath)
            files.push_back(*linuxPath);
        else
            options.push_back(words[i]);
        args.push_back(linuxPath ? std::move(*linuxPath) : words[i]);
    }
    if (auto program = ProgramPathFromWord(words.front()))
        return ProgramLaunch{std::move(*program), std::move(args)};
    if (IsNotepad(words.front()))
        return DesktopTextEditorLaunch(options, files);
    return std::nullopt;
}

std::string ProgramNameOfCommandLine(std::string_view commandLine)
{
    try {
        const auto launch = ResolveCommandLine(commandLine);
        if (!launch)
            return {};
        const auto slash = launch->program.rfind('/');
        return slash == std::string::npos ? launch->program : launch->program.substr(slash + 1);
    } catch (...) {
        return {};
    }
}
