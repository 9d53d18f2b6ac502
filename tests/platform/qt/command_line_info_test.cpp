// The application's command line after the window system has taken its own
// options: other options are ignored, "--" ends them, and the first name is
// the file to open.

#include "platform/win/win_app.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(CommandLineInfo, TheFirstNameIsTheFileToOpenAndOptionsAreIgnored)
{
    const std::pair<std::vector<const char*>, std::string> cases[] = {
        {{}, ""},
        {{"/home/ann/site plan.xml"}, "/home/ann/site plan.xml"},
        {{"--unknown", "-x", "Z:\\a.xml", "b.xml"}, "Z:\\a.xml"},
        {{"--option-only"}, ""},
        {{"--", "-dash.xml"}, "-dash.xml"},
        {{"-"}, "-"},
        {{""}, ""},
    };
    for (const auto& [args, file] : cases) {
        std::vector<const char*> argv = {"corvane"};
        argv.insert(argv.end(), args.begin(), args.end());
        CCommandLineInfo info;
        ParseCommandLineArguments(static_cast<int>(argv.size()), argv.data(), info);
        EXPECT_EQ(info.m_nShellCommand, file.empty() ? CCommandLineInfo::FileNew : CCommandLineInfo::FileOpen) << file;
        EXPECT_EQ(info.m_strFileName.str(), file);
    }
}

} // namespace
