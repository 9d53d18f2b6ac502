#include "tests/support/http_test_server.h"
#include "tests/support/run_program.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/prctl.h>
#include <sys/wait.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <regex>
#include <sstream>
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

// At its end the program kills its worker rather than wait for it, unless
// the worker may stay for the next call (kept_worker_test.cpp): this
// process, made the reaper of orphans, is left the killed worker.
TEST(CorvaneValidate, TheWorkerIsKilledNotWaitedForAtTheEnd)
{
    const ScopedEnvironment notKept("CORVANE_WORKER_STAYS", "0");
    ASSERT_EQ(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
    TempDir dir;
    dir.Write("survey.xsd", kSchema);
    EXPECT_EQ(RunProgram(kProgram, {dir.Write("ok.xml", Instance("1.5")).string()}).exitStatus, 0);
    int status = 0;
    EXPECT_GT(::waitpid(-1, &status, 0), 0) << "the program waited for its worker";
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
    ::prctl(PR_SET_CHILD_SUBREAPER, 0);
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
        {{"--", ""}, 64, true},
        {{"--frobnicate"}, 64, true},
        {{"--help"}, 0, false},
    };
    for (const Case& c : cases) {
        const ProgramRun run = RunProgram(kProgram, c.args);
        EXPECT_EQ(run.exitStatus, c.status);
        EXPECT_EQ(run.err.find("usage: corvane-validate") != std::string::npos, c.usageOnStderr);
    }
    const ProgramRun help = RunProgram(kProgram, {"--help"});
    for (const char* listed : {"--format=text", "--format=gnu", "--format=json", "--all-errors", "--quiet",
                               "--offline", "--version", "--", "64"})
        EXPECT_NE(help.out.find(listed), std::string::npos) << listed;
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

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// A document whose points hold these values, one per line from line 4.
std::string Points(const std::vector<std::string>& values, const std::string& after = "")
{
    std::string text = "<?xml version=\"1.0\"?>\n"
                       "<survey xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\"\n"
                       "        xsi:noNamespaceSchemaLocation=\"survey.xsd\">\n";
    for (const std::string& value : values)
        text += "  <point>" + value + "</point>\n";
    return text + after + "</survey>\n";
}

TEST(CorvaneValidate, SeveralFilesGiveOneVerdictEachAndTheWorstStatus)
{
    TempDir dir;
    dir.Write("survey.xsd", kSchema);
    const std::string valid = dir.Write("valid.xml", Instance("1")).string();
    const std::string invalid = dir.Write("invalid.xml", Instance("x")).string();
    const std::string missing = (dir.Path() / "missing.xml").string();
    const std::string unnamable = dir.Write("back\\slash.xml", "<a/>").string();
    struct Case {
        std::vector<std::string> files;
        int status;
    };
    const Case cases[] = {
        {{valid, valid}, 0},
        {{valid, invalid, valid}, 1},
        {{invalid, missing}, 1},
        {{unnamable, valid}, 2},
        {{valid, unnamable, invalid}, 2},
    };
    for (const Case& c : cases) {
        const ProgramRun run = RunProgram(kProgram, c.files);
        EXPECT_EQ(run.exitStatus, c.status) << run.out;
        const ProgramRun gnu = RunProgram(kProgram, [&] {
            std::vector<std::string> args{"--format=json"};
            args.insert(args.end(), c.files.begin(), c.files.end());
            return args;
        }());
        EXPECT_EQ(gnu.exitStatus, c.status);
        EXPECT_EQ(Lines(gnu.out).size(), c.files.size()) << gnu.out; // one verdict each
    }
    // Several files: each text verdict follows its file's name.
    const ProgramRun two = RunProgram(kProgram, {valid, "--", invalid});
    EXPECT_EQ(two.out.rfind(valid + ":\nLoaded and Validated\n\n" + invalid + ":\nError:\r\n", 0), 0u) << two.out;
}

// A batch hands the files named ahead to workers on every processor: its
// verdicts are those of one call per file, in the order given, also around
// documents that reach a worker's (lowered) memory bound.
TEST(CorvaneValidate, ABatchGivesTheVerdictsOfOneCallPerFile)
{
    ScopedEnvironment bound("CORVANE_XML_WORKER_MEMORY_MIB", "64");
    TempDir dir;
    dir.Write("survey.xsd", kSchema);
    std::string hog = "<!DOCTYPE r [<!ELEMENT r (#PCDATA)><!ATTLIST r a CDATA #IMPLIED><!ENTITY big \"" +
                      std::string(100'000, 'x') + "\">]>\n<r a=\"";
    for (int i = 0; i < 2'000; ++i)
        hog += "&big;";
    const std::vector<std::string> kinds = {
        dir.Write("valid.xml", Instance("1")).string(),
        dir.Write("invalid.xml", Instance("x")).string(),
        dir.Write("broken.xml", "<survey>\n</point>\n").string(),
        (dir.Path() / "missing.xml").string(),
        dir.Write("hog.xml", hog + "\"/>\n").string(),
    };
    std::vector<std::string> alone;
    int worst = 0;
    for (const std::string& file : kinds) {
        const ProgramRun run = RunProgram(kProgram, {"--format=json", file});
        alone.push_back(run.out);
        worst = std::max(worst, run.exitStatus);
    }
    ASSERT_NE(alone[4].find("\"group\":\"resource-limits\""), std::string::npos) << alone[4];

    std::vector<std::string> args{"--format=json"};
    std::string expected;
    for (std::size_t i = 0; i < 40; ++i) {
        const std::size_t kind = (i * 3 + i / 5) % kinds.size();
        args.push_back(kinds[kind]);
        expected += alone[kind];
    }
    const ProgramRun batch = RunProgram(kProgram, args);
    EXPECT_EQ(batch.exitStatus, worst);
    EXPECT_EQ(batch.out, expected);
}

TEST(CorvaneValidate, GnuAndJsonLines)
{
    TempDir dir;
    dir.Write("survey.xsd", kSchema);
    struct Case {
        const char* name;
        const char* content; // nullptr: no such file
        const char* gnu;     // a pattern for the one line, or "" for none
        const char* json;    // a pattern for the one line
    };
    const Case cases[] = {
        {"valid.xml", "1", "",
         R"(\{"path":"P","verdict":"valid","code":null,"group":null,"line":null,"column":null,"description":"Loaded and Validated"\})"},
        {"invalid.xml", "x", R"(P:4:\d+: error: .+ \[0x8C2[0-9A-F]{5}\])",
         R"(\{"path":"P","verdict":"error","code":"0x8C2[0-9A-F]{5}","group":"validity","line":4,"column":\d+,"description":".+"\})"},
        {"notwf.xml", "1</survey>", R"(P:4:\d+: error: .+ \[0x8C1[0-9A-F]{5}\])",
         R"(\{"path":"P","verdict":"error","code":"0x8C1[0-9A-F]{5}","group":"well-formedness","line":4,.*)"},
        {"missing.xml", nullptr, R"(P:0:0: error: The file .*missing.xml does not exist \[0x8C400002\])",
         R"(\{"path":"P","verdict":"error","code":"0x8C400002","group":"input-output","line":0,"column":0,.*)"},
    };
    for (const Case& c : cases) {
        const std::string path = c.content != nullptr ? dir.Write(c.name, Instance(c.content)).string()
                                                      : (dir.Path() / c.name).string();
        const auto pattern = [&path](const char* text) {
            return std::regex(std::regex_replace(text, std::regex("P"), path));
        };
        const ProgramRun gnu = RunProgram(kProgram, {"--format=gnu", path});
        if (*c.gnu == '\0')
            EXPECT_EQ(gnu.out, "") << c.name;
        else
            EXPECT_TRUE(std::regex_match(gnu.out, pattern((std::string(c.gnu) + "\n").c_str()))) << gnu.out;
        const ProgramRun json = RunProgram(kProgram, {"--format=json", path});
        EXPECT_TRUE(std::regex_match(json.out, pattern((std::string(c.json) + "\n").c_str()))) << json.out;
        EXPECT_EQ(gnu.exitStatus, json.exitStatus);
    }

    // An error inside the schema counts its line there, so it names the schema.
    const std::string schema =
        dir.Write("broken.xsd", "<xs:schema xmlns:xs=\"http://www.w3.org/2001/XMLSchema\">\n\n"
                                "  <xs:element name=\"survey\" type=\"xs:nothing\"/>\n</xs:schema>\n")
            .string();
    const std::string path =
        dir.Write("uses-broken.xml", "<survey xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                                     "xsi:noNamespaceSchemaLocation=\"broken.xsd\">1</survey>\n")
            .string();
    const ProgramRun gnu = RunProgram(kProgram, {"--format=gnu", path});
    EXPECT_TRUE(std::regex_match(gnu.out, std::regex(schema + R"(:3:\d+: error: .+ \[0x8C3[0-9A-F]{5}\]\n)")))
        << gnu.out;
    const ProgramRun json = RunProgram(kProgram, {"--format=json", path});
    EXPECT_NE(json.out.find("\"path\":\"" + path + "\""), std::string::npos) << json.out;
    EXPECT_NE(json.out.find("\"file\":\"" + schema + "\"}"), std::string::npos) << json.out;
}

TEST(CorvaneValidate, JsonEscapesHostileNames)
{
    TempDir dir;
    struct Case {
        std::string name;
        std::string literal; // how the name appears inside the JSON string
    };
    const Case cases[] = {
        {"quote\"d.xml", "quote\\\"d.xml"},
        {"new\nline.xml", "new\\nline.xml"},
        {"tab\tand\x01.xml", "tab\\tand\\u0001.xml"},
        {"nel\xC2\x85" "and\xE2\x80\xA8.xml", "nel\\u0085and\\u2028.xml"},
        {"bad\xFF.xml", "bad\\\\xFF.xml"},
        {"back\\slash.xml", "back\\\\slash.xml"},
    };
    for (const Case& c : cases) {
        const std::string path = dir.Write(c.name, "<not-closed>").string();
        const ProgramRun run = RunProgram(kProgram, {"--format=json", path});
        EXPECT_NE(run.out.find("{\"path\":\"" + dir.Path().string() + "/" + c.literal + "\","), std::string::npos)
            << run.out;
        EXPECT_EQ(Lines(run.out).size(), 1u) << run.out;
        for (const char byte : run.out.substr(0, run.out.size() - 1))
            EXPECT_TRUE(byte >= 0x20 && byte < 0x7F) << run.out;
    }
}

TEST(CorvaneValidate, AllErrorsGoOnAfterValidityErrorsAndStopAtWellFormedness)
{
    TempDir dir;
    dir.Write("survey.xsd", kSchema);
    const std::string path =
        dir.Write("doc.xml", Points({"a", "1", "b", "c"}, "  <point>2</pt>\n  <point>d</point>\n")).string();
    struct Case {
        std::vector<std::string> options;
        std::vector<std::string> lines; // line and code group of each error
    };
    const Case cases[] = {
        {{"--format=gnu"}, {"4 0x8C2"}},
        {{"--format=gnu", "--all-errors"}, {"4 0x8C2", "6 0x8C2", "7 0x8C2", "8 0x8C1"}},
    };
    const std::regex gnuLine(R"(.*doc\.xml:(\d+):\d+: error: .* \[(0x8C\d).*)");
    for (const Case& c : cases) {
        std::vector<std::string> args = c.options;
        args.push_back(path);
        const ProgramRun run = RunProgram(kProgram, args);
        EXPECT_EQ(run.exitStatus, 1);
        std::vector<std::string> got;
        for (const std::string& line : Lines(run.out)) {
            std::smatch match;
            EXPECT_TRUE(std::regex_match(line, match, gnuLine)) << line;
            got.push_back(match[1].str() + " " + match[2].str());
        }
        EXPECT_EQ(got, c.lines) << run.out;
    }
    // The text format gives each error its report; the first is the window's.
    const ProgramRun text = RunProgram(kProgram, {"--all-errors", path});
    const ProgramRun first = RunProgram(kProgram, {path});
    EXPECT_EQ(text.out.rfind(first.out, 0), 0u);
    EXPECT_EQ(Lines(text.out).size(), 4 * Lines(first.out).size());
}

TEST(CorvaneValidate, QuietPrintsNothing)
{
    TempDir dir;
    dir.Write("survey.xsd", kSchema);
    const std::string invalid = dir.Write("invalid.xml", Instance("x")).string();
    const std::string valid = dir.Write("valid.xml", Instance("1")).string();
    for (const char* format : {"--format=text", "--format=gnu", "--format=json"}) {
        const ProgramRun run = RunProgram(kProgram, {"--quiet", format, "--all-errors", valid, invalid});
        EXPECT_EQ(run.exitStatus, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "");
    }
    const ProgramRun usage = RunProgram(kProgram, {"-q", "--bogus", valid});
    EXPECT_EQ(usage.exitStatus, 64);
    EXPECT_NE(usage.err.find("unknown option --bogus"), std::string::npos);
}

TEST(CorvaneValidate, OfflineNeverTouchesTheNetwork)
{
    auto server = std::make_unique<HttpTestServer>();
    server->Serve("/survey.xsd", kSchema);
    TempDir dir;
    const std::string url = server->Url("/survey.xsd");
    const std::string path = dir.Write("doc.xml", "<survey xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                                                  "xsi:noNamespaceSchemaLocation=\"" + url +
                                                      "\"><point>1</point></survey>")
                                 .string();
    const ProgramRun refused = RunProgram(kProgram, {"--offline", "--format=gnu", path});
    EXPECT_EQ(refused.exitStatus, 1);
    EXPECT_NE(refused.out.find("[0x8C300025]"), std::string::npos) << refused.out;
    EXPECT_NE(refused.out.find(url), std::string::npos) << refused.out;
    EXPECT_EQ(server->Requests("/survey.xsd"), 0);

    // Fetched once, the schema then serves offline from the cache.
    EXPECT_EQ(RunProgram(kProgram, {path}).exitStatus, 0);
    EXPECT_EQ(server->Requests("/survey.xsd"), 1);
    const ProgramRun cached = RunProgram(kProgram, {"--offline", path});
    EXPECT_EQ(cached.exitStatus, 0) << cached.out << cached.err;
    EXPECT_EQ(server->Requests("/survey.xsd"), 1);

    // With the server gone, the cached copy serves and the user is told so,
    // even with --quiet.
    server.reset();
    const ProgramRun unreachable = RunProgram(kProgram, {"--quiet", path});
    EXPECT_EQ(unreachable.exitStatus, 0);
    EXPECT_EQ(unreachable.err.rfind("corvane-validate: " + path + ": ", 0), 0u) << unreachable.err;
    EXPECT_NE(unreachable.err.find(url), std::string::npos) << unreachable.err;
    EXPECT_EQ(Lines(unreachable.err).size(), 1u) << unreachable.err;
}

// A catalog's answers are kept between calls only while the catalog is as it
// was: an edited catalog, or a damaged store of answers, never gives the
// previous call's answer.
TEST(CorvaneValidate, CatalogAnswersKeptBetweenCallsFollowAnEditedCatalog)
{
    TempDir dir;
    dir.Write("text.dtd", "<!ELEMENT note (#PCDATA)>\n");
    dir.Write("empty.dtd", "<!ELEMENT note EMPTY>\n");
    const auto catalogTo = [&](const std::string& dtd) {
        dir.Write("catalog.xml", "<catalog xmlns=\"urn:oasis:names:tc:entity:xmlns:xml:catalog\">\n"
                                 "  <system systemId=\"http://example.org/note.dtd\" uri=\"" + dtd + "\"/>\n</catalog>\n");
    };
    const ScopedEnvironment catalogs("XML_CATALOG_FILES", (dir.Path() / "catalog.xml").string());
    const std::string path =
        dir.Write("doc.xml", "<!DOCTYPE note SYSTEM \"http://example.org/note.dtd\">\n<note>text</note>\n").string();
    const std::string store = std::string(std::getenv("XDG_CACHE_HOME")) + "/corvane/catalog-answers";

    catalogTo("text.dtd");
    EXPECT_EQ(RunProgram(kProgram, {"--offline", path}).exitStatus, 0);
    EXPECT_EQ(RunProgram(kProgram, {"--offline", path}).exitStatus, 0);
    catalogTo("empty.dtd"); // one byte longer, whatever the clock says
    EXPECT_EQ(RunProgram(kProgram, {"--offline", path}).exitStatus, 1);
    std::ofstream(store, std::ios::trunc) << "corvane catalog answers 1\n0000000000000000\nR3:abc";
    catalogTo("text.dtd");
    EXPECT_EQ(RunProgram(kProgram, {"--offline", path}).exitStatus, 0);
    EXPECT_EQ(RunProgram(kProgram, {"--offline", path}).exitStatus, 0);
}

} // namespace

TEST(CorvaneValidate, NoValueOrFileNameForgesALine)
{
    TempDir dir;
    dir.Write("survey.xsd", kSchema);
    // A value that breaks lines in every way a reader knows, and a file
    // name that would colour a terminal.
    const std::string forged = "&#13;&#10;&#10;Loaded and Validated&#10;&#x85;&#x2028;&#x202E;&#x9B;&#27;[0m";
    const std::string path =
        dir.Write("\x1B[32mLoaded and Validated\x1B[0m.xml", Instance(forged.c_str())).string();
    struct Case {
        const char* format;
        std::size_t lines; // the format's own lines for one file, one error
    };
    const Case cases[] = {{"--format=text", 5}, {"--format=gnu", 1}, {"--format=json", 1}};
    for (const Case& c : cases) {
        for (const std::vector<std::string>& files : {std::vector<std::string>{path}, {path, path}}) {
            std::vector<std::string> args{c.format};
            args.insert(args.end(), files.begin(), files.end());
            const ProgramRun run = RunProgram(kProgram, args);
            EXPECT_EQ(run.exitStatus, 1);
            const std::vector<std::string> lines = Lines(run.out);
            // text names each of several files and leaves a blank line.
            const std::size_t perFile = c.lines + (files.size() > 1 && c.lines == 5 ? 2 : 0);
            EXPECT_EQ(lines.size(), perFile * files.size()) << c.format << '\n' << run.out;
            for (const std::string& line : lines) {
                EXPECT_NE(line.substr(0, line.find_last_not_of('\r') + 1), "Loaded and Validated") << c.format;
                for (const std::string raw : {"\x1B", "\xC2\x85", "\xC2\x9B", "\xE2\x80\xA8", "\xE2\x80\xAE"})
                    EXPECT_EQ(line.find(raw), std::string::npos) << c.format << ": " << line;
            }
        }
    }
}

TEST(CorvaneValidate, StandardInputIsTheFileNamedDash)
{
    TempDir dir;
    dir.Write("survey.xsd", kSchema);
    const auto valid = dir.Write("valid.in", Instance("12.5"));
    const auto invalid = dir.Write("invalid.in", Instance("twelve"));
    const ProgramSetting inFolder{dir.Path().string(), {}};
    struct Case {
        std::vector<std::string> args;
        std::string input;
        int status;
        std::string out; // a pattern
    };
    const Case cases[] = {
        {{"-"}, valid.string(), 0, "Loaded and Validated\n"},
        {{"--format=gnu", "-"}, invalid.string(), 1, R"(-:4:\d+: error: .+ \[0x8C2[0-9A-F]{5}\]\n)"},
        {{"--format=json", "-"}, invalid.string(), 1, R"(\{"path":"-",.*"line":4,.*"file":"-"\}\n)"},
        // Read once: a second "-" checks the same document again.
        {{"--format=gnu", "-", "-"}, invalid.string(), 1, R"((-:4:\d+: error: .+\n){2})"},
        {{"--format=gnu", "-"}, dir.Path().string(), 2, R"(-:0:0: error: standard input cannot be read: .+\n)"},
    };
    for (const Case& c : cases) {
        const ProgramRun run = RunProgram(kProgram, c.args, {inFolder.folder, c.input});
        EXPECT_EQ(run.exitStatus, c.status) << run.out << run.err;
        EXPECT_TRUE(std::regex_match(run.out, std::regex(c.out))) << run.out;
    }
    // The text report is the one a file gives.
    const ProgramRun fromFile = RunProgram(kProgram, {invalid.string()});
    EXPECT_EQ(RunProgram(kProgram, {"-"}, {inFolder.folder, invalid.string()}).out, fromFile.out);
}

TEST(CorvaneValidate, ToolFormatsNameLinuxPaths)
{
    TempDir dir;
    const std::string folder = dir.Path().string();
    const std::string missing = folder + "/absent.xml";
    const std::string noSchema =
        dir.Write("no-schema.xml", "<r xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
                                   "xsi:noNamespaceSchemaLocation=\"gone.xsd\"/>")
            .string();
    struct Case {
        std::string file;
        std::string named; // the Linux path the description names
    };
    const Case cases[] = {{missing, missing}, {folder, folder}, {noSchema, folder + "/gone.xsd"}};
    for (const Case& c : cases) {
        for (const char* format : {"--format=gnu", "--format=json"}) {
            const ProgramRun run = RunProgram(kProgram, {format, c.file});
            EXPECT_NE(run.out.find(c.named), std::string::npos) << run.out;
            EXPECT_EQ(run.out.find("Z:"), std::string::npos) << run.out;
        }
        // The text format is the window's report, in drive paths.
        EXPECT_NE(RunProgram(kProgram, {c.file}).out.find("Z:"), std::string::npos);
    }
    // A file named by its drive path is opened by its Linux path.
    const ProgramRun drive = RunProgram(kProgram, {"--format=gnu", DriveForm(missing)});
    EXPECT_EQ(drive.out.rfind(missing + ":0:0: error: The file " + missing + " does not exist", 0), 0u) << drive.out;
}

TEST(CorvaneValidate, AllErrorsSaysWhenTheBoundEndedTheList)
{
    TempDir dir;
    dir.Write("survey.xsd", kSchema);
    const std::string path = dir.Write("doc.xml", Points(std::vector<std::string>(1005, "x"))).string();
    const std::string few = dir.Write("few.xml", Points({"x", "y"})).string();
    const std::string note = "The list of errors stops at its bound";
    const ProgramRun text = RunProgram(kProgram, {"--all-errors", path});
    EXPECT_EQ(Lines(text.out).back().rfind(note, 0), 0u) << Lines(text.out).back();
    const ProgramRun gnu = RunProgram(kProgram, {"--format=gnu", "--all-errors", path});
    EXPECT_EQ(Lines(gnu.out).size(), 1001u);
    EXPECT_EQ(Lines(gnu.out).back(), path + ":0:0: note: " + Lines(text.out).back());
    const ProgramRun json = RunProgram(kProgram, {"--format=json", "--all-errors", path, few});
    const std::vector<std::string> lines = Lines(json.out);
    ASSERT_EQ(lines.size(), 1002u);
    EXPECT_NE(lines[999].find(",\"truncated\":true}"), std::string::npos) << lines[999];
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& line) { return line.find("truncated") != std::string::npos; }),
              1);
    EXPECT_EQ(RunProgram(kProgram, {"--all-errors", few}).out.find(note), std::string::npos);
}

namespace {

// A survey whose xml-model instruction names a RELAX NG grammar as well:
// each point must also be below 10.
const char* kSurveyRng = R"(<element name="survey" xmlns="http://relaxng.org/ns/structure/1.0"
    datatypeLibrary="http://www.w3.org/2001/XMLSchema-datatypes">
  <zeroOrMore><attribute><nsName ns="http://www.w3.org/2001/XMLSchema-instance"/></attribute></zeroOrMore>
  <oneOrMore><element name="point"><data type="decimal"><param name="maxExclusive">10</param></data></element></oneOrMore>
</element>)";

} // namespace

// --all-errors collects from every engine: the schema hint's errors first,
// then the grammar's, each at its line; the first alone is the hint's.
TEST(CorvaneValidate, AllErrorsCollectFromTheXmlModelGrammarToo)
{
    TempDir dir;
    dir.Write("survey.xsd", kSchema);
    dir.Write("survey.rng", kSurveyRng);
    const std::string model =
        "<?xml-model href=\"survey.rng\" schematypens=\"http://relaxng.org/ns/structure/1.0\"?>\n";
    std::string text = Points({"1", "a", "12", "3", "40"});
    text.insert(text.find('\n') + 1, model);
    const std::string path = dir.Write("doc.xml", text).string();
    const std::regex gnuLine(R"(.*doc\.xml:(\d+):(\d+): error: .* \[(0x8C\d\d).*)");
    std::vector<std::string> got;
    const ProgramRun all = RunProgram(kProgram, {"--format=gnu", "--all-errors", path});
    EXPECT_EQ(all.exitStatus, 1);
    for (const std::string& line : Lines(all.out)) {
        std::smatch match;
        EXPECT_TRUE(std::regex_match(line, match, gnuLine)) << line;
        got.push_back(match[1].str() + ":" + match[2].str() + " " + match[3].str());
    }
    // The xsd's decimal refuses "a" (line 6); the grammar refuses "a", 12 and 40
    // at their start tags.
    const std::vector<std::string> expected{"6:19 0x8C23", "6:3 0x8C24", "7:3 0x8C24", "9:3 0x8C24"};
    EXPECT_EQ(got, expected) << all.out;
    EXPECT_NE(all.out.find("The value '12' of element point does not match the datatype decimal"), std::string::npos)
        << all.out;
    const ProgramRun first = RunProgram(kProgram, {"--format=gnu", path});
    EXPECT_EQ(Lines(first.out).size(), 1u);
    EXPECT_EQ(Lines(first.out).front(), Lines(all.out).front());
}
