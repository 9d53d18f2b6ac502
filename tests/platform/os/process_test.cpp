// Starting the editor: how a command line splits, which program it names,
// and what the started program receives.

#include "platform/os/command_line.h"
#include "platform/os/process.h"
#include "platform/os/terminal_editor.h"

#include "tests/support/recorded_launches.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const fs::path kRecorder = ArgvRecorderPath(CORVANE_BIN_DIR);

fs::path CopyRecorder(const TempDir& dir, const std::string& relative)
{
    const fs::path target = dir.Path() / relative;
    fs::create_directories(target.parent_path());
    fs::copy_file(kRecorder, target);
    return target;
}

std::string Quoted(const fs::path& path)
{
    return "\"" + DriveForm(path) + "\"";
}

// Starts the command line as the editor button does; the handles are closed.
bool Start(std::string commandLine, DWORD* pid = nullptr)
{
    STARTUPINFO si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    if (pid != nullptr)
        *pid = pi.dwProcessId;
    EXPECT_TRUE(CloseHandle(pi.hThread));
    EXPECT_TRUE(CloseHandle(pi.hProcess));
    return true;
}

using Words = std::vector<std::string>;

TEST(SplitCommandLineTest, FollowsTheWindowsRules)
{
    TempDir empty;
    const ScopedEnvironment path("PATH", empty.Path().string());
    const struct {
        std::string line;
        Words words;
    } cases[] = {
        {"", {}},
        {"p a b", {"p", "a", "b"}},
        {"p \t a\t\tb  ", {"p", "a", "b"}},
        {" p", {"", "p"}},
        {R"("C:\Program Files\x.exe" a)", {R"(C:\Program Files\x.exe)", "a"}},
        {R"("a"b c)", {"a", "b", "c"}},
        {R"("C:\dir\"x y)", {R"(C:\dir\)", "x", "y"}},
        {R"(C:\a\\b "c)", {R"(C:\a\\b)", "c"}},
        {R"(p "abc" d e)", {"p", "abc", "d", "e"}},
        {R"(p a\\\b d"e f"g h)", {"p", R"(a\\\b)", "de fg", "h"}},
        {R"(p a\\\"b c d)", {"p", R"(a\"b)", "c", "d"}},
        {R"(p a\\\\"b c" d e)", {"p", R"(a\\b c)", "d", "e"}},
        {R"(p a"b"" c d)", {"p", R"(ab" c d)"}},
        {R"(p "" x)", {"p", "", "x"}},
        {R"(p a""b)", {"p", "ab"}},
        {R"(p \\server\share\ "x\\")", {"p", R"(\\server\share\)", R"(x\)"}},
        {R"(p "unclosed arg)", {"p", "unclosed arg"}},
        {R"(p "Z:\no\such file.xml")", {"p", R"(Z:\no\such file.xml)"}},
        {R"(p "Z:\no\such" b.xml")", {"p", R"(Z:\no\such)", "b.xml"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitCommandLine(c.line), c.words) << c.line;
}

TEST(SplitCommandLineTest, ExistingFilesDecideWhereThePlainRulesWouldLoseThem)
{
    TempDir dir;
    const std::string root = DriveForm(dir.Path());
    for (const char* program : {"My Editor/edit", "tool", "tool x", "a b", "a b c"})
        CopyRecorder(dir, program);
    dir.Write("My Doc x", "not executable");
    dir.Write("site plan \"v2\".xml", "<a/>");
    dir.Write("a\" b.xml", "<a/>");
    const std::string linuxRoot = dir.Path().string();
    const struct {
        std::string line;
        Words words;
    } cases[] = {
        {root + R"(\My Editor\edit "Z:\x.xml")", {root + R"(\My Editor\edit)", R"(Z:\x.xml)"}},
        {linuxRoot + "/My Editor/edit x", {linuxRoot + "/My Editor/edit", "x"}},
        {root + R"(\My Editor\edit)", {root + R"(\My Editor\edit)"}},
        {root + R"(\tool x)", {root + R"(\tool)", "x"}},        // the first word already names one
        {root + R"(\a b c d)", {root + R"(\a b c)", "d"}},      // longest first
        {root + R"(\My Doc x)", {root + R"(\My)", "Doc", "x"}}, // not a program
        {root + R"(\a "b c d")", {root + R"(\a)", "b c d"}},    // prefixes end before a quote
        {R"(p ")" + root + R"(\site plan "v2".xml")", {"p", root + R"(\site plan "v2".xml)"}},
        {R"(p ")" + root + R"(\a" b.xml" x)", {"p", root + R"(\a" b.xml)", "x"}},
        {R"(p ")" + root + R"(\")", {"p", root + R"(\)"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitCommandLine(c.line), c.words) << c.line;
}

class ProcessStartTest : public testing::Test {
protected:
    TempDir m_dir;
    fs::path m_records = m_dir.Path() / "records";
    ScopedEnvironment m_recordDir{"CORVANE_RECORD_DIR", m_records.string()};
    fs::path m_editor = CopyRecorder(m_dir, "My Editor/edit");
    int m_handlesBefore = OpenProcessHandleCount();

    void SetUp() override { fs::create_directories(m_records); }
    void TearDown() override { EXPECT_EQ(OpenProcessHandleCount(), m_handlesBefore); }
};

const RecordedLaunch* Find(const std::vector<RecordedLaunch>& launches, DWORD pid)
{
    for (const auto& launch : launches)
        if (launch.pid == static_cast<long>(pid))
            return &launch;
    return nullptr;
}

TEST_F(ProcessStartTest, TheProgramInheritsEnvironmentAndFolderButNothingElse)
{
    const ScopedEnvironment mark("CORVANE_RECORD_MARK", "inherited $x \"y\"");
    const InheritableState leaks;
    DWORD pid = 0;
    ASSERT_TRUE(Start(DriveForm(m_editor) + " x", &pid));
    const auto launches = WaitForRecordedLaunches(m_records, 1);
    ASSERT_EQ(launches.size(), 1u);
    const auto& launch = launches.front();
    EXPECT_EQ(launch.pid, static_cast<long>(pid));
    EXPECT_EQ(launch.mark, "inherited $x \"y\"");
    EXPECT_EQ(fs::path(launch.cwd), fs::current_path());
    EXPECT_EQ(launch.sessionId, launch.pid) << "a session of its own";
    // The signals below the real-time ones; the C library keeps two of the
    // rest for itself, and a test runner may leave them ignored.
    const auto standard = [](const std::string& mask) { return std::stoull(mask, nullptr, 16) & 0x7FFFFFFFull; };
    EXPECT_EQ(standard(launch.blockedSignals), 0u) << launch.blockedSignals;
    EXPECT_EQ(standard(launch.ignoredSignals), 0u) << launch.ignoredSignals;
    EXPECT_EQ(launch.inheritedDescriptors, "");
}

TEST_F(ProcessStartTest, StartsAreDetachedAndLeaveNoZombie)
{
    TempDir bin;
    const fs::path inPath = CopyRecorder(bin, "corvane-editor");
    const ScopedEnvironment path("PATH", "/nonexistent::" + bin.Path().string());
    const fs::path xml = m_dir.Write("a b.xml", "<a/>");
    DWORD first = 0;
    DWORD second = 0;
    ASSERT_TRUE(Start("corvane-editor " + Quoted(xml), &first));
    ASSERT_TRUE(Start(DriveForm(m_editor) + " " + Quoted(xml), &second));
    EXPECT_NE(first, second);
    EXPECT_EQ(OwnZombieChildren(), std::vector<long>{});
    const auto launches = WaitForRecordedLaunches(m_records, 2);
    ASSERT_EQ(launches.size(), 2u);
    ASSERT_NE(Find(launches, first), nullptr);
    EXPECT_EQ(Find(launches, first)->argv, (Words{inPath.string(), xml.string()}));
    for (const auto& launch : launches) {
        EXPECT_NE(launch.parentPid, CurrentProcessId());
        // Running or exited, the program must never be ours to reap.
        EXPECT_NE(ParentOfProcess(launch.pid).value_or(0), CurrentProcessId());
    }
}

TEST_F(ProcessStartTest, WhatCannotStartFailsAtOnce)
{
    const fs::path xml = m_dir.Write("a.xml", "<a/>");
    const fs::path plain = m_dir.Write("plain", "no program");
    const fs::path badInterpreter = m_dir.Write("script", "#!/nonexistent/interpreter\n");
    fs::permissions(badInterpreter, fs::perms::owner_all);
    const std::string file = " " + Quoted(xml);
    const std::string commandLines[] = {
        DriveForm(m_dir.Path() / "missing") + file,
        DriveForm(plain) + file,
        DriveForm(m_dir.Path()) + file,
        DriveForm(badInterpreter) + file, // found, but exec fails
        "C" + DriveForm(m_editor).substr(1) + file,
        "My Editor/edit" + file,
        file,
        "",
    };
    for (const auto& line : commandLines)
        EXPECT_FALSE(Start(line)) << line;
    EXPECT_FALSE(Start("Z:\\nonexistent\\Notepad.exe" + file));

    std::string line = DriveForm(m_editor) + file;
    STARTUPINFO si{};
    PROCESS_INFORMATION pi{};
    const auto create = [&](LPCSTR app, LPSTR cmd, BOOL inherit, DWORD flags, void* env, LPCSTR cwd,
                            STARTUPINFO* s, PROCESS_INFORMATION* p) {
        return CreateProcessA(app, cmd, nullptr, nullptr, inherit, flags, env, cwd, s, p);
    };
    char environment[] = "A=b\0";
    EXPECT_FALSE(create(line.c_str(), line.data(), FALSE, 0, nullptr, nullptr, &si, &pi));
    EXPECT_FALSE(create(nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    EXPECT_FALSE(create(nullptr, line.data(), TRUE, 0, nullptr, nullptr, &si, &pi));
    EXPECT_FALSE(create(nullptr, line.data(), FALSE, 0x10, nullptr, nullptr, &si, &pi));
    EXPECT_FALSE(create(nullptr, line.data(), FALSE, 0, environment, nullptr, &si, &pi));
    EXPECT_FALSE(create(nullptr, line.data(), FALSE, 0, nullptr, "Z:\\", &si, &pi));
    EXPECT_FALSE(create(nullptr, line.data(), FALSE, 0, nullptr, nullptr, nullptr, &pi));
    EXPECT_FALSE(create(nullptr, line.data(), FALSE, 0, nullptr, nullptr, &si, nullptr));
    EXPECT_EQ(RecordedLaunches(m_records).size(), 0u);
}

TEST_F(ProcessStartTest, HandlesAreDistinctAndCloseOnce)
{
    std::string line = DriveForm(m_editor);
    STARTUPINFO si{};
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    EXPECT_NE(pi.hProcess, nullptr);
    EXPECT_NE(pi.hThread, nullptr);
    EXPECT_NE(pi.hProcess, pi.hThread);
    EXPECT_EQ(OpenProcessHandleCount(), m_handlesBefore + 2);
    EXPECT_TRUE(CloseHandle(pi.hProcess));
    EXPECT_FALSE(CloseHandle(pi.hProcess));
    EXPECT_TRUE(CloseHandle(pi.hThread));
    EXPECT_FALSE(CloseHandle(pi.hThread));
    EXPECT_FALSE(CloseHandle(nullptr));
    EXPECT_EQ(WaitForRecordedLaunches(m_records, 1).size(), 1u);
}

// An editor that draws in a terminal, with no terminal to inherit: in the
// desktop's terminal, asked to run it as that terminal documents. "@" stands
// for the folder of the terminals in PATH, "=" for the editors' folder.
TEST(TerminalEditorTest, TerminalEditorsRunInTheFirstTerminalFound)
{
    TempDir dir;
    const ScopedEnvironment path("PATH", (dir.Path() / "bin").string());
    fs::create_directories(dir.Path() / "e");
    fs::create_symlink(CopyRecorder(dir, "real/nano"), dir.Path() / "e/editor");
    const auto expand = [&](Words words) {
        for (auto& word : words)
            if (word[0] == '@' || word[0] == '=')
                word = (dir.Path() / (word[0] == '@' ? "bin" : "e") / word.substr(1)).string();
        return words;
    };
    const struct {
        Words editor;
        Words inPath;
        std::string terminalVariable;
        Words expected; // empty: nothing can start
    } cases[] = {
        {{"vim", "+3", "F"}, {"xterm", "gnome-terminal"}, "", {"@gnome-terminal", "--", "=vim", "+3", "F"}},
        {{"nano", "F"}, {"x-terminal-emulator", "xdg-terminal-exec"}, "", {"@xdg-terminal-exec", "=nano", "F"}},
        {{"nvim", "F"}, {"konsole", "x-terminal-emulator"}, "", {"@x-terminal-emulator", "-e", "=nvim", "F"}},
        {{"hx", "F"}, {"xterm", "xfce4-terminal"}, "", {"@xfce4-terminal", "-x", "=hx", "F"}},
        {{"emacs", "-nw", "+3", "F"}, {"kitty", "xterm"}, " kitty\t--single-instance ",
         {"@kitty", "--single-instance", "=emacs", "-nw", "+3", "F"}},
        {{"emacsclient", "--tty", "F"}, {"myterm", "xterm"}, "@myterm --hold",
         {"@myterm", "--hold", "-e", "=emacsclient", "--tty", "F"}},
        {{"micro", "F"}, {"xterm"}, "/nonexistent/terminal", {"@xterm", "-e", "=micro", "F"}},
        {{"editor", "F"}, {"xterm"}, "", {"@xterm", "-e", "=editor", "F"}}, // a link to nano
        // Editors with a window of their own keep their command line.
        {{"emacs", "+3", "F"}, {"xterm"}, "", {"=emacs", "+3", "F"}},
        {{"vim", "-g", "F"}, {"xterm"}, "", {"=vim", "-g", "F"}},
        {{"gedit", "+3", "F"}, {"xterm"}, "", {"=gedit", "+3", "F"}},
        {{"nano", "F"}, {}, "", {}},
    };
    for (const auto& c : cases) {
        fs::remove_all(dir.Path() / "bin");
        for (const std::string& name : c.inPath)
            CopyRecorder(dir, "bin/" + name);
        const ScopedEnvironment terminal("TERMINAL", expand({c.terminalVariable}).front());
        const Words editor = expand(Words{"=" + c.editor.front()});
        const auto launch = EditorLaunchFor({editor.front(), Words(c.editor.begin() + 1, c.editor.end())}, false);
        Words started;
        if (launch) {
            started.push_back(launch->program);
            started.insert(started.end(), launch->args.begin(), launch->args.end());
        }
        EXPECT_EQ(started, expand(c.expected)) << c.editor.front() << " " << c.terminalVariable;
    }
}

// "Notepad.exe" where no such program exists: the desktop's text editor,
// found through a sandboxed set of XDG folders.
class XdgSandbox {
public:
    TempDir dir;
    const fs::path xml = dir.Write("docs/a b.xml", "<a/>");
    const fs::path bin = dir.Path() / "bin";

    std::string Line() const { return "Notepad.exe " + Quoted(xml); }

private:
    std::string Under(const char* folder) const { return (dir.Path() / folder).string(); }
    ScopedEnvironment m_configHome{"XDG_CONFIG_HOME", Under("config")};
    ScopedEnvironment m_configDirs{"XDG_CONFIG_DIRS", Under("configdirs")};
    ScopedEnvironment m_dataHome{"XDG_DATA_HOME", Under("data")};
    ScopedEnvironment m_dataDirs{"XDG_DATA_DIRS", Under("datadirs")};
    ScopedEnvironment m_desktop{"XDG_CURRENT_DESKTOP", "Test:Other"};
    ScopedEnvironment m_path{"PATH", Under("bin")};
};

std::string App(const std::string& tag, const std::string& extra = "", const std::string& args = " %f")
{
    return "[Desktop Entry]\nType=Application\nName=" + tag + "\nExec=" + kRecorder.string() + " --from " +
           tag + args + "\n" + extra;
}

std::string Defaults(const std::string& ids)
{
    return "# chosen by the user\n[Default Applications]\ntext/plain=" + ids + "\n";
}

TEST(DesktopEditorTest, TheFirstUsableAssociationWins)
{
    const std::string apps = "data/applications/";
    const struct {
        const char* what;
        std::vector<std::pair<std::string, std::string>> files;
        std::string winner; // empty: no editor at all
    } cases[] = {
        {"a default",
         {{"config/mimeapps.list", Defaults("one.desktop")}, {apps + "one.desktop", App("one")}},
         "one"},
        {"no field code appends the file",
         {{"config/mimeapps.list", Defaults("nocode.desktop")},
          {apps + "nocode.desktop", App("nocode", "", "")}},
         "nocode"},
        {"unusable entries are passed over",
         {{"config/mimeapps.list", Defaults("term.desktop;hidden.desktop;gone.desktop;tryexec."
                                            "desktop;absent.desktop;good.desktop")},
          {apps + "term.desktop", App("term", "Terminal=true\n")},
          {apps + "hidden.desktop", App("hidden", "Hidden=true\n")},
          {apps + "gone.desktop", "[Desktop Entry]\nExec=/nonexistent/editor %f\n"},
          {apps + "tryexec.desktop", App("tryexec", "TryExec=/nonexistent/check\n")},
          {apps + "good.desktop", App("good")}},
         "good"},
        {"the data home's entry hides the same ID further down",
         {{"config/mimeapps.list", Defaults("x.desktop;y.desktop")},
          {apps + "x.desktop", App("x", "Hidden=true\n")},
          {"datadirs/applications/x.desktop", App("x-below")},
          {"datadirs/applications/y.desktop", App("y")}},
         "y"},
        {"lists in order, the desktop's own first",
         {{"config/mimeapps.list", Defaults("plain.desktop")},
          {"config/other-mimeapps.list", Defaults("other.desktop")},
          {"configdirs/test-mimeapps.list", Defaults("dirs.desktop")},
          {apps + "plain.desktop", App("plain")},
          {apps + "other.desktop", App("other")},
          {apps + "dirs.desktop", App("dirs")}},
         "other"},
        {"defaults before added associations",
         {{"config/mimeapps.list", "[Added Associations]\ntext/plain=added.desktop;\n"},
          {"datadirs/applications/mimeapps.list", Defaults("default.desktop")},
          {apps + "added.desktop", App("added")},
          {apps + "default.desktop", App("default")}},
         "default"},
        {"added associations less removed ones",
         {{"config/mimeapps.list", "[Removed Associations]\ntext/plain=a.desktop\n"},
          {"data/applications/mimeapps.list", "[Added Associations]\ntext/plain = a.desktop;b.desktop\n"},
          {apps + "a.desktop", App("a")},
          {apps + "b.desktop", App("b")}},
         "b"},
        {"an ID's dash may be a subfolder",
         {{"config/mimeapps.list", Defaults("vendor-tool.desktop")},
          {apps + "vendor/tool.desktop", App("sub")}},
         "sub"},
        {"nothing configured, nothing in PATH", {{apps + "one.desktop", App("one")}}, ""},
    };
    for (const auto& c : cases) {
        const XdgSandbox sandbox;
        for (const auto& [relative, content] : c.files)
            sandbox.dir.Write(relative, content);
        const auto launch = ResolveCommandLine(sandbox.Line());
        if (c.winner.empty()) {
            EXPECT_FALSE(launch) << c.what;
            EXPECT_FALSE(Start(sandbox.Line())) << c.what;
            continue;
        }
        ASSERT_TRUE(launch) << c.what;
        EXPECT_EQ(launch->program, kRecorder.string()) << c.what;
        EXPECT_EQ(launch->args, (Words{"--from", c.winner, sandbox.xml.string()})) << c.what;
    }
}

TEST(DesktopEditorTest, ExecQuotingAndFieldCodes)
{
    const XdgSandbox sandbox;
    sandbox.dir.Write("config/mimeapps.list", Defaults("codes.desktop"));
    const fs::path entry =
        sandbox.dir.Write("data/applications/codes.desktop",
                          "[Desktop Entry]\nName=Text Ed\nIcon=txt\nExec=\"" + kRecorder.string() +
                              R"(" --name=%c %i "a \\"b\\" \\$x\s%%" %k 100%% %d %N --file=%u -t\tx)" + "\n");
    const auto launch = ResolveCommandLine(sandbox.Line());
    ASSERT_TRUE(launch);
    EXPECT_EQ(launch->program, kRecorder.string());
    EXPECT_EQ(launch->args, (Words{"--name=Text Ed", "--icon", "txt", "a \"b\" $x %", entry.string(), "100%",
                                   "--file=" + sandbox.xml.string(), "-t", "x"}));
}

TEST(DesktopEditorTest, CommonEditorsInPathWhenNoAssociationWorks)
{
    const XdgSandbox sandbox;
    sandbox.dir.Write("config/mimeapps.list", Defaults("absent.desktop"));
    for (const char* name : {"geany", "kate", "gedit"})
        CopyRecorder(sandbox.dir, std::string("bin/") + name);
    const auto launch = ResolveCommandLine("NOTEPAD.EXE " + Quoted(sandbox.xml));
    ASSERT_TRUE(launch);
    EXPECT_EQ(launch->program, (sandbox.bin / "gedit").string());
    EXPECT_EQ(launch->args, Words{sandbox.xml.string()});
}

// Words that are not drive paths are options for the desktop's text editor
// (the line to open at): right before the files, wherever Exec takes them.
TEST(DesktopEditorTest, OptionsGoRightBeforeTheFiles)
{
    const std::pair<const char*, const char*> cases[] = {
        {" --new-window %U", "--new-window +7 FILE"},
        {" %f --wait", "+7 FILE --wait"},
        {" --file=%f", "+7 --file=FILE"},
        {" --standalone", "--standalone +7 FILE"},
    };
    for (const auto& [exec, expected] : cases) {
        const XdgSandbox sandbox;
        sandbox.dir.Write("config/mimeapps.list", Defaults("ed.desktop"));
        sandbox.dir.Write("data/applications/ed.desktop",
                          "[Desktop Entry]\nType=Application\nName=Ed\nExec=" + kRecorder.string() + exec + "\n");
        const auto launch = ResolveCommandLine("Notepad.exe +7 " + Quoted(sandbox.xml));
        ASSERT_TRUE(launch) << exec;
        std::string args;
        for (std::string arg : launch->args) {
            if (arg.ends_with(sandbox.xml.string()))
                arg.replace(arg.size() - sandbox.xml.string().size(), std::string::npos, "FILE");
            args += (args.empty() ? "" : " ") + arg;
        }
        EXPECT_EQ(args, expected) << exec;
        // What starts counts by its own name.
        EXPECT_EQ(ProgramNameOfCommandLine(sandbox.Line()), kRecorder.filename().string());
    }
    EXPECT_EQ(ProgramNameOfCommandLine(DriveForm(kRecorder) + " \"Z:\\a.xml\""), kRecorder.filename().string());
    EXPECT_EQ(ProgramNameOfCommandLine("Z:\\nowhere\\gedit \"Z:\\a.xml\""), "");
}

} // namespace
