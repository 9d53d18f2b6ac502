#include "platform/os/desktop_editor.h"

#include "platform/os/program_search.h"

#include <array>
#include <cstdlib>
#include <fstream>
#include <map>
#include <set>
#include <string_view>

#include <sys/stat.h>

namespace {

constexpr std::string_view kTextMimeType = "text/plain";

// Widely installed editors, desktop environments' own first; plain ones that
// need no particular desktop next.
constexpr std::array<std::string_view, 10> kCommonEditors = {
    "gnome-text-editor", "gedit",   "kwrite", "kate", "mousepad", "pluma", "xed",
    "featherpad",        "leafpad", "geany",
};

using Group = std::vector<std::pair<std::string, std::string>>;

std::string_view Trim(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::vector<std::string> Split(std::string_view text, char separator)
{
    std::vector<std::string> parts;
    while (true) {
        const auto at = text.find(separator);
        const auto part = Trim(text.substr(0, at));
        if (!part.empty())
            parts.emplace_back(part);
        if (at == std::string_view::npos)
            return parts;
        text.remove_prefix(at + 1);
    }
}

// The key/value lines of each group of a desktop-entry style file, in
// order. Missing and unreadable files read as empty.
std::map<std::string, Group, std::less<>> ReadGroups(const std::string& path)
{
    std::map<std::string, Group, std::less<>> groups;
    std::ifstream in(path, std::ios::binary);
    std::string line;
    Group* group = nullptr;
    while (std::getline(in, line)) {
        const std::string_view text = Trim(line);
        if (text.empty() || text.front() == '#')
            continue;
        if (text.front() == '[') {
            group = text.size() >= 2 && text.back() == ']'
                        ? &groups[std::string(text.substr(1, text.size() - 2))]
                        : nullptr;
            continue;
        }
        const auto equals = text.find('=');
        if (group != nullptr && equals != std::string_view::npos)
            group->emplace_back(Trim(text.substr(0, equals)), Trim(text.substr(equals + 1)));
    }
    return groups;
}

std::optional<std::string> Find(const Group& group, std::string_view key)
{
    for (const auto& [name, value] : group)
        if (name == key)
            return value;
    return std::nullopt;
}

bool IsAbsolute(std::string_view path)
{
    return !path.empty() && path.front() == '/';
}

// A base folder: the variable when it holds an absolute path, else the
// default below the home folder. Relative values are ignored, as the base
// directory rules ask.
std::optional<std::string> BaseFolder(const char* variable, std::string_view belowHome)
{
    if (const char* value = std::getenv(variable); value != nullptr && IsAbsolute(value))
        return std::string(value);
    if (const char* home = std::getenv("HOME"); home != nullptr && IsAbsolute(home))
        return std::string(home) + "/" + std::string(belowHome);
    return std::nullopt;
}

std::vector<std::string> BaseFolders(const char* variable, std::string_view fallback)
{
    const char* value = std::getenv(variable);
    std::vector<std::string> folders;
    for (auto& folder : Split(value != nullptr && *value != '\0' ? value : fallback, ':'))
        if (IsAbsolute(folder))
            folders.push_back(std::move(folder));
    return folders;
}

std::vector<std::string> ApplicationFolders()
{
    std::vector<std::string> folders;
    if (auto dataHome = BaseFolder("XDG_DATA_HOME", ".local/share"))
        folders.push_back(*dataHome + "/applications");
    for (const auto& folder : BaseFolders("XDG_DATA_DIRS", "/usr/local/share:/usr/share"))
        folders.push_back(folder + "/applications");
    return folders;
}

std::vector<std::string> AssociationLists()
{
    std::vector<std::string> folders;
    if (auto configHome = BaseFolder("XDG_CONFIG_HOME", ".config"))
        folders.push_back(*configHome);
    for (auto& folder : BaseFolders("XDG_CONFIG_DIRS", "/etc/xdg"))
        folders.push_back(std::move(folder));
    for (auto& folder : ApplicationFolders())
        folders.push_back(std::move(folder));

    std::vector<std::string> desktops;
    if (const char* current = std::getenv("XDG_CURRENT_DESKTOP"))
        desktops = Split(current, ':');
    for (auto& desktop : desktops)
        for (auto& ch : desktop)
            if (ch >= 'A' && ch <= 'Z')
                ch = static_cast<char>(ch - 'A' + 'a');

    std::vector<std::string> lists;
    for (const auto& folder : folders) {
        for (const auto& desktop : desktops)
            lists.push_back(folder + "/" + desktop + "-mimeapps.list");
        lists.push_back(folder + "/mimeapps.list");
    }
    return lists;
}

// Desktop IDs for text/plain, most preferred first.
std::vector<std::string> TextEditorIds()
{
    std::vector<std::string> defaults;
    std::vector<std::string> added;
    std::set<std::string, std::less<>> removed;
    const auto idsOf = [](const auto& groups, std::string_view groupName) {
        const auto group = groups.find(groupName);
        if (group == groups.end())
            return std::vector<std::string>();
        return Split(Find(group->second, kTextMimeType).value_or(""), ';');
    };
    // A removal takes away what this list and the less important ones add;
    // it never takes away a default.
    for (const auto& list : AssociationLists()) {
        const auto groups = ReadGroups(list);
        for (auto& id : idsOf(groups, "Removed Associations"))
            removed.insert(std::move(id));
        for (auto& id : idsOf(groups, "Default Applications"))
            defaults.push_back(std::move(id));
        for (auto& id : idsOf(groups, "Added Associations"))
            if (!removed.contains(id))
                added.push_back(std::move(id));
    }
    defaults.insert(defaults.end(), added.begin(), added.end());
    return defaults;
}

bool IsFolder(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsRegularFile(const std::string& path)
{
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// "vendor-editor.desktop" may be applications/vendor-editor.desktop or
// applications/vendor/editor.desktop.
std::optional<std::string> FindDesktopFileIn(const std::string& folder, std::string_view id)
{
    if (const std::string direct = folder + "/" + std::string(id); IsRegularFile(direct))
        return direct;
    for (auto dash = id.find('-'); dash != std::string_view::npos; dash = id.find('-', dash + 1)) {
        const std::string below = folder + "/" + std::string(id.substr(0, dash));
        if (IsFolder(below))
            if (auto found = FindDesktopFileIn(below, id.substr(dash + 1)))
                return found;
    }
    return std::nullopt;
}

std::optional<std::string> FindDesktopFile(std::string_view id)
{
    if (id.find('/') != std::string_view::npos || !id.ends_with(".desktop"))
        return std::nullopt;
    for (const auto& folder : ApplicationFolders())
        if (auto found = FindDesktopFileIn(folder, id))
            return found;
    return std::nullopt;
}

// The escapes of a string value; others stay for the Exec quoting to read.
std::string UnescapeString(std::string_view value)
{
    std::string text;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\' || i + 1 == value.size()) {
            text += value[i];
            continue;
        }
        switch (value[i + 1]) {
        case 's':
            text += ' ';
            break;
        case 'n':
            text += '\n';
            break;
        case 't':
            text += '\t';
            break;
        case 'r':
            text += '\r';
            break;
        case '\\':
            text += '\\';
            break;
        default:
            text += value[i];
            text += value[i + 1];
            break;
        }
        ++i;
    }
    return text;
}

struct ExecWord {
    std::string text;
    bool quoted = false;
};

// Words separated by blanks; a double-quoted run may hold blanks, and \" \`
// \$ \\ inside it stand for the character. Empty on an unclosed quote.
std::optional<std::vector<ExecWord>> SplitExec(std::string_view exec)
{
    std::vector<ExecWord> words;
    std::optional<ExecWord> word;
    for (std::size_t i = 0; i < exec.size(); ++i) {
        const char ch = exec[i];
        if (ch == ' ' || ch == '\t' || ch == '\n') {
            if (word)
                words.push_back(std::move(*word));
            word.reset();
            continue;
        }
        if (!word)
            word.emplace();
        if (ch != '"') {
            word->text += ch;
            continue;
        }
        word->quoted = true;
        for (++i; i < exec.size() && exec[i] != '"'; ++i) {
            if (exec[i] == '\\' && i + 1 < exec.size() &&
                std::string_view("\"`$\\").find(exec[i + 1]) != std::string_view::npos)
                ++i;
            word->text += exec[i];
        }
        if (i == exec.size())
            return std::nullopt;
    }
    if (word)
        words.push_back(std::move(*word));
    return words;
}

struct DesktopEntry {
    std::string path;
    std::string name;
    std::string icon;
};

// The Exec words with field codes replaced; the files are appended when no
// field code takes them. The options go right before the word that takes the
// files, or before the appended files.
std::vector<std::string> ExpandFieldCodes(const std::vector<ExecWord>& words, const DesktopEntry& entry,
                                          const std::vector<std::string>& options,
                                          const std::vector<std::string>& files)
{
    std::vector<std::string> args;
    bool filesTaken = false;
    const std::string firstFile = files.empty() ? std::string() : files.front();
    const auto takeOptions = [&] {
        if (!filesTaken)
            args.insert(args.end(), options.begin(), options.end());
    };
    for (const auto& word : words) {
        if (!word.quoted && (word.text == "%F" || word.text == "%U")) {
            takeOptions();
            args.insert(args.end(), files.begin(), files.end());
            filesTaken = true;
            continue;
        }
        if (!word.quoted && word.text == "%i") {
            if (!entry.icon.empty()) {
                args.emplace_back("--icon");
                args.push_back(entry.icon);
            }
            continue;
        }
        std::string text;
        bool takesFile = false;
        for (std::size_t i = 0; i < word.text.size(); ++i) {
            if (word.text[i] != '%' || i + 1 == word.text.size()) {
                text += word.text[i];
                continue;
            }
            switch (word.text[++i]) {
            case 'f':
            case 'u':
            case 'F':
            case 'U':
                text += firstFile;
                takesFile = true;
                break;
            case 'i':
                text += entry.icon;
                break;
            case 'c':
                text += entry.name;
                break;
            case 'k':
                text += entry.path;
                break;
            case '%':
                text += '%';
                break;
            default:
                break; // deprecated or unknown codes expand to nothing
            }
        }
        if (takesFile) {
            takeOptions();
            filesTaken = true;
        }
        // A word of field codes that expanded to nothing is no argument.
        if (!text.empty() || word.quoted)
            args.push_back(std::move(text));
    }
    if (!filesTaken) {
        takeOptions();
        args.insert(args.end(), files.begin(), files.end());
    }
    return args;
}

std::optional<std::string> ExecutableOf(const std::string& word)
{
    if (IsAbsolute(word))
        return IsExecutableFile(word) ? std::optional(word) : std::nullopt;
    return FindProgramInPath(word);
}

std::optional<ProgramLaunch> LaunchFromDesktopFile(const std::string& path,
                                                   const std::vector<std::string>& options,
                                                   const std::vector<std::string>& files)
{
    const auto groups = ReadGroups(path);
    const auto entry = groups.find("Desktop Entry");
    if (entry == groups.end())
        return std::nullopt;
    const Group& group = entry->second;
    const auto value = [&](std::string_view key) { return UnescapeString(Find(group, key).value_or("")); };
    if (auto type = Find(group, "Type"); type && *type != "Application")
        return std::nullopt;
    if (value("Hidden") == "true" || value("Terminal") == "true")
        return std::nullopt;
    if (const std::string tryExec = value("TryExec"); !tryExec.empty() && !ExecutableOf(tryExec))
        return std::nullopt;
    const auto words = SplitExec(value("Exec"));
    if (!words)
        return std::nullopt;
    auto args = ExpandFieldCodes(*words, DesktopEntry{path, value("Name"), value("Icon")}, options, files);
    if (args.empty())
        return std::nullopt;
    auto program = ExecutableOf(args.front());
    if (!program)
        return std::nullopt;
    args.erase(args.begin());
    return ProgramLaunch{std::move(*program), std::move(args)};
}

} // namespace

std::optional<ProgramLaunch> DesktopTextEditorLaunch(const std::vector<std::string>& options,
                                                     const std::vector<std::string>& files)
{
    std::set<std::string> tried;
    for (const auto& id : TextEditorIds()) {
        if (!tried.insert(id).second)
            continue;
        if (auto path = FindDesktopFile(id))
            if (auto launch = LaunchFromDesktopFile(*path, options, files))
                return launch;
    }
    std::vector<std::string> args = options;
    args.insert(args.end(), files.begin(), files.end());
    for (const auto name : kCommonEditors)
        if (auto program = FindProgramInPath(name))
            return ProgramLaunch{std::move(*program), args};
    return std::nullopt;
}
