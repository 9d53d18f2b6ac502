// Fuzzes the folder path rules against a plain model of them.
//
// The first input byte picks what is tested, the rest is the text (up to its
// first NUL):
//   0: IsValidPathComponent on the text;
//   1: CheckFolderPath in check-only mode on the text;
//   2: CheckFolderPath in create mode on the text below a private temporary
//      folder, which is emptied after each input;
//   3: PrepareFolder on the text, every question answered No, so nothing is
//      ever created.
// Any disagreement with the model aborts, and libFuzzer keeps the input.

#include "paths/folder_path_rules.h"

#include "platform/ui/message_box.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace {

void Require(bool condition, const char* what, std::string_view input)
{
    if (condition)
        return;
    std::fprintf(stderr, "folder path rules disagree with the model: %s (input of %zu bytes)\n", what,
                 input.size());
    std::abort();
}

bool ModelComponent(std::string_view component)
{
    if (component.empty())
        return false;
    const auto edge = [](char ch) { return ch == '\t' || ch == ' ' || ch == '.'; };
    if (edge(component.front()) || edge(component.back()))
        return false;
    return component.find_first_of(std::string_view("\"*/:<>?\\|", 9)) == std::string_view::npos;
}

// 0 valid, 1 invalid, as check-only mode answers.
int ModelPath(std::string_view path)
{
    if (path.size() > 259 || path.size() < 3)
        return 1;
    const char drive = path[0];
    const bool letter = (drive >= 'A' && drive <= 'Z') || (drive >= 'a' && drive <= 'z');
    if (!letter || path[1] != ':' || path[2] != '\\')
        return 1;
    if (path.size() == 3)
        return 0;
    std::string_view rest = path.substr(3);
    while (true) {
        const auto slash = rest.find('\\');
        if (!ModelComponent(rest.substr(0, slash)))
            return 1;
        if (slash == std::string_view::npos)
            return 0;
        rest = rest.substr(slash + 1);
    }
}

std::string g_rootLinux;
std::string g_rootDrive;

void EmptyRoot()
{
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(g_rootLinux, ignored))
        std::filesystem::remove_all(entry.path(), ignored);
}

std::string Format(const char* format, const std::string& path)
{
    std::string text = format;
    text.replace(text.find("%s"), 2, path);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "corvane-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr)
        std::abort();
    g_rootLinux = pattern;
    g_rootDrive = "Z:";
    for (const char ch : g_rootLinux)
        g_rootDrive += (ch == '/') ? '\\' : ch;
    std::atexit([]() {
        std::error_code ignored;
        std::filesystem::remove_all(g_rootLinux, ignored);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int mode = data[0] % 4;
    std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    text = text.substr(0, text.find('\0'));
    const std::string original = text;

    switch (mode) {
    case 0:
        Require(IsValidPathComponent(text.c_str()) == (ModelComponent(text) ? 1 : 0), "component", text);
        break;
    case 1:
        Require(CheckFolderPath(text.c_str(), 1) == ModelPath(text), "check-only", text);
        break;
    case 2: {
        const std::string path = g_rootDrive + "\\" + text;
        const int expected = ModelPath(path);
        const int result = CheckFolderPath(path.c_str(), 0);
        if (expected == 1) {
            // Valid levels before the invalid one may have been made (or
            // failed to be).
            Require(result == 1 || result == 2, "create mode, invalid path", text);
        } else {
            // A level may fail to be made (a name too long for the file system).
            Require(result == 0 || result == 2, "create mode, valid path", text);
            if (result == 0) {
                std::string linuxPath = "/";
                for (const char ch : path.substr(3))
                    linuxPath += (ch == '\\') ? '/' : ch;
                Require(std::filesystem::exists(linuxPath), "create mode made the folder", text);
            }
        }
        EmptyRoot();
        break;
    }
    default: {
        ScriptedMessageBoxes boxes;
        const int expected = ModelPath(text);
        const int result = PrepareFolder(text.c_str());
        if (expected == 1) {
            Require(result == 1, "prepare, invalid path", text);
            Require(boxes.Boxes().size() == 1 &&
                        boxes.Boxes()[0].text.str() ==
                            Format("The folder:\n\n%s\n\nis invalid. Please reenter.", text) &&
                        boxes.Boxes()[0].nType == 0x30,
                    "prepare, invalid text", text);
        } else {
            Require(result == 0 || result == -1, "prepare, valid path", text);
            Require(boxes.Boxes().size() == (result == 0 ? 0u : 1u), "prepare, boxes", text);
            if (result == -1)
                Require(boxes.Boxes()[0].nType == 0x24, "prepare, question", text);
        }
        break;
    }
    }
    Require(text == original, "the caller's text was changed", text);
    return 0;
}
