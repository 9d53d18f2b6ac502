#include "tests/support/run_program.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kProgram = std::string(CORVANE_BIN_DIR) + "/corvane-validate";

const char* kSchema = R"(<?xml version="1.0"?>
<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema">
  <xs:element name="survey">
    <xs:complexType><xs:sequence>
      <xs:element name="point" type="xs:decimal" maxOccurs="unbounded"/>
    </xs:sequence></xs:complexType>
  </xs:element>
</xs:schema>
)";

std::string Instance(const char* value)
{
    return std::string("<?xml version=\"1.0\"?>\n"
                       "<survey xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"\n"
                       "        xsi:noNamespaceSchemaLocation=\"survey.xsd\">\n"
                       "  <point>") +
           value + "</point>\n</survey>\n";
}

TEST(CorvaneValidate, UsageAndVersion)
{
    struct Case {
        std::vector<std::string> args;
        int status;
        bool usageOnStderr;
    };
    const Case cases[] = {
        {{}, 64, true},
        {{"--format=xml", "a.xml"}, 64, true},
        {{"--offline"}, 64, true},
        {{"--frobnicate"}, 64, true},
        {{"--help"}, 0, false},
    };
    for (const Case& c : cases) {
        const ProgramRun run = RunProgram(kProgram, c.args);
        EXPECT_EQ(run.exitStatus, c.status);
        EXPECT_EQ(run.err.find("usage: corvane-validate") != std::string::npos, c.usageOnStderr);
    }
    const ProgramRun version = RunProgram(kProgram, {"--version"});
    EXPECT_EQ(version.exitStatus, 0);
    EXPECT_EQ(version.out, "1.0.0.3\n");
}

TEST(CorvaneValidate, VerdictsAndExitStatus)
{
    TempDir dir;
    dir.Write("survey.xsd", kSchema);
    const auto valid = dir.Write("valid.xml", Instance("12.5"));
    const auto invalid = dir.Write("invalid.xml", Instance("twelve"));

    const ProgramRun ok = RunProgram(kProgram, {valid.string()});
    EXPECT_EQ(ok.exitStatus, 0);
    EXPECT_EQ(ok.out, "Loaded and Validated\n");
    EXPECT_EQ(ok.err, ""); // not a terminal: no progress

    const ProgramRun bad = RunProgram(kProgram, {invalid.string()});
    EXPECT_EQ(bad.exitStatus, 1);
    EXPECT_EQ(bad.out.rfind("Error:\r\n\"Code = 0x8c2", 0), 0u) << bad.out;
    EXPECT_NE(bad.out.find("\"\"Source = Line : 4; Char : "), std::string::npos) << bad.out;
    EXPECT_EQ(bad.out.substr(bad.out.size() - 4), "\r\n\"\n");

    // The same file named by its drive path.
    const ProgramRun drive = RunProgram(kProgram, {DriveForm(valid)});
    EXPECT_EQ(drive.exitStatus, 0);
    EXPECT_EQ(drive.out, "Loaded and Validated\n");

    // A file that does not exist is a report, not a crash.
    const ProgramRun missing = RunProgram(kProgram, {(dir.Path() / "absent.xml").string()});
    EXPECT_EQ(missing.exitStatus, 1);
    EXPECT_NE(missing.out.find("absent.xml"), std::string::npos) << missing.out;
}

TEST(CorvaneValidate, NetworkPathIsAReport)
{
    const ProgramRun run = RunProgram(kProgram, {"\\\\server\\share\\x.xml"});
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_EQ(run.out.rfind("Error:\r\n\"Code = 0x8c400001", 0), 0u) << run.out;
    EXPECT_EQ(run.err, "");
}

TEST(CorvaneValidate, EchoedLocationsAreWrittenAsVisibleText)
{
    TempDir dir;
    const auto file = dir.Write("doc.xml", "<r xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                                           "xsi:noNamespaceSchemaLocation=\"s%FF.xsd\"/>");
    const ProgramRun run = RunProgram(kProgram, {file.string()});
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_NE(run.out.find("\\s\\xFF.xsd"), std::string::npos) << run.out;
    for (const char byte : run.out)
        EXPECT_TRUE(byte == '\r' || byte == '\n' || (byte >= 0x20 && byte < 0x7F)) << run.out;
}

TEST(CorvaneValidate, NameWithBackslashCannotBeNamed)
{
    TempDir dir;
    const auto odd = dir.Write("odd\\name.xml", "<a/>");
    const ProgramRun run = RunProgram(kProgram, {odd.string()});
    EXPECT_EQ(run.exitStatus, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("backslash"), std::string::npos);
}

} // namespace
