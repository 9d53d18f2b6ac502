#include "platform/os/terminal_editor.h"

#include "platform/os/program_search.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>

#include <unistd.h>

namespace {

// When an editor of a name needs the terminal: always, only when given one of
// the options, or unless given one of them.
enum class Needs { Always, WithOption, UnlessOption };

struct TerminalEditor {
    std::string_view name;
    Needs needs;
    std::array<std::string_view, 3> options;
};

// Kept to editors that have no window of their own at all, or whose options
// say plainly which one they use.
constexpr TerminalEditor kTerminalEditors[] = {
    {"vi", Needs::UnlessOption, {"-g"}},
    {"vim", Needs::UnlessOption, {"-g"}},
    {"vim.basic", Needs::Always, {}},
    {"vim.tiny", Needs::Always, {}},
    {"vim.nox", Needs::Always, {}},
    {"nvim", Needs::Always, {}},
    {"nano", Needs::Always, {}},
    {"pico", Needs::Always, {}},
    {"micro", Needs::Always, {}},
    {"hx", Needs::Always, {}},
    {"helix", Needs::Always, {}},
    {"kak", Needs::Always, {}},
    {"ne", Needs::Always, {}},
    {"joe", Needs::Always, {}},
    {"mg", Needs::Always, {}},
    {"jed", Needs::Always, {}},
    {"mcedit", Needs::Always, {}},
    {"emacs-nox", Needs::Always, {}},
    {"emacs", Needs::WithOption, {"-nw", "--no-window-system"}},
    {"emacsclient", Needs::WithOption, {"-t", "-nw", "--tty"}},
};

// The words between a terminal (with its own options) and the program it is
// to run. A terminal missing here is taken to follow xterm's -e, as Debian
// requires of every x-terminal-emulator.
struct TerminalForm {
    std::string_view name;
    std::array<std::string_view, 2> words;
};

constexpr TerminalForm kTerminalForms[] = {
    {"xdg-terminal-exec", {}},
    {"gnome-terminal", {"--"}},
    {"ptyxis", {"--"}},
    {"xfce4-terminal", {"-x"}},
    {"mate-terminal", {"-x"}},
    {"terminator", {"-x"}},
    {"kitty", {}},
    {"foot", {}},
    {"wezterm", {"start", "--"}},
};

// After $TERMINAL, in this order.
constexpr std::string_view kTerminals[] = {
    "xdg-terminal-exec", "x-terminal-emulator", "gnome-terminal", "ptyxis", "konsole", "xfce4-terminal",
    "mate-terminal",     "terminator",          "alacritty",      "kitty",  "foot",    "wezterm",
    "urxvt",             "xterm",
};

std::string_view FileName(std::string_view path)
{
    const auto slash = path.rfind('/');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

// The path its symbolic links end at; empty when it cannot be resolved.
std::string LinkTarget(const std::string& path)
{
    const std::unique_ptr<char, decltype(&std::free)> resolved(realpath(path.c_str(), nullptr), &std::free);
    return resolved ? std::string(resolved.get()) : std::string();
}

bool NeedsTerminalByName(std::string_view name, const std::vector<std::string>& args)
{
    for (const TerminalEditor& editor : kTerminalEditors) {
        if (editor.name != name)
            continue;
        const bool given = std::any_of(args.begin(), args.end(), [&](const std::string& arg) {
            return std::any_of(editor.options.begin(), editor.options.end(),
                               [&](std::string_view option) { return !option.empty() && arg == option; });
        });
        switch (editor.needs) {
        case Needs::Always:
            return true;
        case Needs::WithOption:
            return given;
        case Needs::UnlessOption:
            return !given;
        }
    }
    return false;
}

std::vector<std::string> SplitAtBlanks(std::string_view text)
{
    std::vector<std::string> words;
    while (true) {
        const auto start = text.find_first_not_of(" \t");
        if (start == std::string_view::npos)
            return words;
        text.remove_prefix(start);
        const auto end = text.find_first_of(" \t");
        words.emplace_back(text.substr(0, end));
        if (end == std::string_view::npos)
            return words;
        text.remove_prefix(end);
    }
}

// The terminal (program and its own options) that $TERMINAL names, or the
// first of the usual ones found.
std::optional<ProgramLaunch> FindTerminal()
{
    if (const char* chosen = std::getenv("TERMINAL")) {
        auto words = SplitAtBlanks(chosen);
        if (!words.empty())
            if (auto program = ProgramPathFromWord(words.front()))
                return ProgramLaunch{std::move(*program), std::vector<std::string>(words.begin() + 1, words.end())};
    }
    for (const std::string_view name : kTerminals)
        if (auto program = FindProgramInPath(name))
            return ProgramLaunch{std::move(*program), {}};
    return std::nullopt;
}

} // namespace

bool StandardStreamsAreTerminal()
{
    return isatty(STDIN_FILENO) == 1 && isatty(STDOUT_FILENO) == 1;
}

bool EditorNeedsTerminal(const ProgramLaunch& editor)
{
    if (NeedsTerminalByName(FileName(editor.program), editor.args))
        return true;
    const std::string target = LinkTarget(editor.program);
    return !target.empty() && NeedsTerminalByName(FileName(target), editor.args);
}

std::optional<ProgramLaunch> EditorLaunchFor(ProgramLaunch editor, bool haveTerminal)
{
    if (haveTerminal || !EditorNeedsTerminal(editor))
        return editor;
    auto terminal = FindTerminal();
    if (!terminal)
        return std::nullopt;
    std::array<std::string_view, 2> words = {"-e"};
    const std::string_view name = FileName(terminal->program);
    for (const TerminalForm& form : kTerminalForms)
        if (form.name == name)
            words = form.words;
    for (const std::string_view word : words)
        if (!word.empty())
            terminal->args.emplace_back(word);
    terminal->args.push_back(std::move(editor.program));
    terminal->args.insert(terminal->args.end(), std::make_move_iterator(editor.args.begin()),
                          std::make_move_iterator(editor.args.end()));
    return terminal;
}
