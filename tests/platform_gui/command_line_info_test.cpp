// The application's command line after the window system has taken its own
// options: other options are ignored, "--" ends them, and the first name is
// the file to open.

#include "platform/win_app.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(CommandLineInfo, TheFirstNameIsTheFileToOpenAndOptionsAreIgnored)
{
    struct Case {
        std::vector<const char*> args; // after the program's name
        CCommandLineInfo::ShellCommand command;
        std::string file;
    };
    const std::vector<Case> cases = {
        {{}, CCommandLineInfo::FileNew, ""},
        {{"/home/ann/site plan.xml"}, CCommandLineInfo::FileOpen, "/home/ann/site plan.xml"},
        {{"Z:\\home\\ann\\a.xml"}, CCommandLineInfo::FileOpen, "Z:\\home\\ann\\a.xml"},
        {{"--unknown", "-x", "a.xml"}, CCommandLineInfo::FileOpen, "a.xml"},
        {{"--option-only"}, CCommandLineInfo::FileNew, ""},
        {{"a.xml", "b.xml"}, CCommandLineInfo::FileOpen, "a.xml"},
        {{"--", "-dash.xml"}, CCommandLineInfo::FileOpen, "-dash.xml"},
        {{"--", "--"}, CCommandLineInfo::FileOpen, "--"},
        {{"-"}, CCommandLineInfo::FileOpen, "-"},
        {{""}, CCommandLineInfo::FileNew, ""},
    };
    for (const Case& c : cases) {
        std::vector<const char*> argv = {"corvane"};
        argv.insert(argv.end(), c.args.begin(), c.args.end());
        CCommandLineInfo info;
        ParseCommandLineArguments(static_cast<int>(argv.size()), argv.data(), info);
        const std::string line = c.args.empty() ? "(none)" : c.args.front();
        EXPECT_EQ(info.m_nShellCommand, c.command) << line;
        EXPECT_EQ(info.m_strFileName.str(), c.file) << line;
    }
}

} // namespace
