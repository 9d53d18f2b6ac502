// Schematron rule sets: small schemas of both dialects run on small
// documents, schemas that must be refused, and Debian's DocBook 5 rules.

#include "platform/xml/schema/schematron.h"
#include "tests/support/http_test_server.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

std::string Iso(const std::string& body, const std::string& attributes = "") {
    return "<schema xmlns='http://purl.oclc.org/dsdl/schematron'" + attributes + ">\n" + body +
           "</schema>\n";
}

std::string Old(const std::string& body) {
    return "<schema xmlns='http://www.ascc.net/xml/schematron' xmlns:o='urn:x'>\n" + body +
           "</schema>\n";
}

// A failure as the test expects it: "line|severity|id|pattern|kind|message",
// kind A for a failed assert, R for a fired report, severity E, W or I.
std::string Describe(const SchematronFailure& f) {
    const char* severity = f.severity == SchematronSeverity::Error     ? "E"
                           : f.severity == SchematronSeverity::Warning ? "W"
                                                                       : "I";
    return std::to_string(f.line) + "|" + severity + "|" + f.id + "|" + f.pattern + "|" +
           (f.report ? "R" : "A") + "|" + f.message +
           (f.diagnostics.empty() ? "" : "|" + f.diagnostics);
}

const char* const kDocument = R"(<?xml version="1.0"?>
<!DOCTYPE order [ <!ENTITY who "Ada"> ]>
<order xmlns:x="urn:x" id="o1" total="30">
  <item price="10" qty="1">pen</item>
  <item price="20" qty="0">ink</item>
  <x:note>&who;</x:note>
  <customer>  Grace   Hopper </customer>
</order>
)";

struct RunCase {
    const char* name;
    std::string schema;
    const char* phase;
    std::vector<std::string> expected;
};

const std::vector<RunCase> kRuns = {
    {"assert fails, report fires, first rule wins",
     Iso("<pattern id='p'>"
         "<rule context='item[@qty=0]'><report id='r0' test='true()'>no <name/> "
         "ordered</report></rule>"
         "<rule context='item'><assert id='a1' test='@qty &gt; 1'>one <value-of "
         "select='.'/></assert></rule>"
         "</pattern>"),
     "",
     {"4|E|a1|p|A|one pen", "5|E|r0|p|R|no item ordered"}},
    {"roles: warning and information are not errors; case does not matter",
     Iso("<pattern id='p'><rule context='item'>"
         "<assert test='false()' role='WARNING'>w</assert><assert test='false()' "
         "role='info'>i</assert>"
         "<assert test='false()' role='fatal'>f</assert></rule></pattern>"),
     "",
     {"4|W||p|A|w", "4|I||p|A|i", "4|E||p|A|f", "5|W||p|A|w", "5|I||p|A|i", "5|E||p|A|f"}},
    {"lets at every level, name with a path, white space collapsed",
     Iso("<let name='limit' value='25'/><pattern id='p'><let name='n' value='count(//item)'/>"
         "<rule context='item'><let name='cost' value='@price * @qty'/>"
         "<assert test='$cost &lt;= $limit - 20'>  <name path='..'/> costs\n <value-of "
         "select='$cost'/>"
         " of <value-of select='$n'/> </assert></rule></pattern>"),
     "",
     {"4|E||p|A|order costs 10 of 2"}},
    {"ns prefixes, attributes as contexts, entities expanded",
     Iso("<ns prefix='y' uri='urn:x'/><pattern id='p'>"
         "<rule context='y:note'><report test=\". = 'Ada'\">note by <value-of "
         "select='.'/></report></rule>"
         "<rule context='@total'><assert test='. = sum(//item/@price)'>total</assert></rule>"
         "</pattern>"),
     "",
     {"6|E||p|R|note by Ada"}},
    {"the attribute's element's line",
     Iso("<pattern id='p'><rule context='item/@price'><assert test='. &gt; 15'>cheap "
         "<name/></assert>"
         "</rule></pattern>"),
     "",
     {"4|E||p|A|cheap price"}},
    {"phases: the default phase, then one named",
     Iso("<phase id='first'><active pattern='a'/></phase><phase id='second'><active "
         "pattern='b'/></phase>"
         "<pattern id='a'><rule context='order'><report test='true()'>a</report></rule></pattern>"
         "<pattern id='b'><rule context='order'><report test='true()'>b</report></rule></pattern>",
         " defaultPhase='second'"),
     "",
     {"3|E||b|R|b"}},
    {"phase #ALL",
     Iso("<phase id='first'><active pattern='a'/></phase>"
         "<pattern id='a'><rule context='order'><report test='true()'>a</report></rule></pattern>"
         "<pattern id='b'><rule context='order'><report test='true()'>b</report></rule></pattern>",
         " defaultPhase='first'"),
     "#ALL",
     {"3|E||a|R|a", "3|E||b|R|b"}},
    {"abstract pattern instantiated with parameters",
     Iso("<pattern abstract='true' id='positive'><rule context='$element'>"
         "<assert test='$value &gt; 0'><name/> needs a quantity</assert></rule></pattern>"
         "<pattern is-a='positive' id='qty'><param name='element' value='item'/>"
         "<param name='value' value='@qty'/></pattern>"),
     "",
     {"5|E||qty|A|item needs a quantity"}},
    {"abstract rule extended",
     Iso("<pattern id='p'><rule abstract='true' id='priced'><assert test='@price'>price</assert>"
         "<assert id='q' test='@qty &gt; 0'>qty</assert></rule>"
         "<rule context='item'><extends rule='priced'/></rule></pattern>"),
     "",
     {"5|E|q|p|A|qty"}},
    {"current() and generate-id() from XSLT",
     Iso("<pattern id='p'><rule context='item'>"
         "<assert test='count(//item[@price &gt; current()/@price]) = 0'><value-of "
         "select='.'/></assert>"
         "<assert test=\"generate-id(.) != generate-id(current())\">same</assert>"
         "</rule></pattern>",
         " queryBinding='xslt'"),
     "",
     {"4|E||p|A|pen", "4|E||p|A|same", "5|E||p|A|same"}},
    {"the other XSLT functions",
     Iso("<ns prefix='xsl' uri='http://www.w3.org/1999/XSL/Transform'/><pattern id='p'><rule "
         "context='order'>"
         "<report test=\"function-available('current') and element-available('xsl:value-of') and "
         "not(function-available('nope'))\"><value-of select=\"format-number(@total * 1000.5, "
         "'#,##0.0')\"/> "
         "<value-of select=\"system-property('xsl:version')\"/></report></rule></pattern>"),
     "",
     {"3|E||p|R|30,015.0 1.0"}},
    {"a subject moves the line",
     Iso("<pattern id='p'><rule context='order'><assert test='false()' "
         "subject='customer'>c</assert>"
         "</rule></pattern>"),
     "",
     {"7|E||p|A|c"}},
    {"lets and current() in a context's predicates",
     Iso("<let name='limit' value='15'/><pattern id='p'>"
         "<rule context='item[@price &gt; $limit]'><report test='true()'>dear</report></rule>"
         "<rule context='item[current()/@qty = 1]'><report "
         "test='true()'>single</report></rule></pattern>"),
     "",
     {"4|E||p|R|single", "5|E||p|R|dear"}},
    {"a rule's role for its checks, a check's own role first",
     Iso("<pattern id='p'><rule context='order' role='Warning'><assert test='false()'>r</assert>"
         "<assert test='false()' role='error'>e</assert></rule></pattern>"),
     "",
     {"3|W||p|A|r", "3|E||p|A|e"}},
    {"a phase's lets",
     Iso("<phase id='ph'><let name='n' value='2'/><active pattern='p'/></phase><pattern id='p'>"
         "<rule context='order'><report test='count(item) = $n'>two</report></rule></pattern>",
         " defaultPhase='ph'"),
     "",
     {"3|E||p|R|two"}},
    {"a prefix declared on the schema element, without an ns element",
     Old("<pattern name='n'><rule context='o:note'><report "
         "test='true()'>o</report></rule></pattern>"),
     "",
     {"6|E||n|R|o"}},
    {"diagnostics named by a check",
     Iso("<pattern id='p'><rule context='item'><assert test='@qty &gt; 0' diagnostics=' "
         "d1\nd2'>qty</assert>"
         "</rule></pattern><diagnostics><diagnostic id='d1'>is <value-of "
         "select='@qty'/></diagnostic>"
         "<diagnostic id='d2'>for <name/></diagnostic></diagnostics>"),
     "",
     {"5|E||p|A|qty|is 0 for item"}},
    {"positions in contexts, xsl:key",
     Iso("<xsl:key xmlns:xsl='http://www.w3.org/1999/XSL/Transform' name='k' match='item' "
         "use='@qty'/>"
         "<pattern id='p'><rule context='item[2]'><report test=\"key('k', '1') = "
         "'pen'\">2nd</report></rule>"
         "<rule context='item[1]'><report test='true()'>1st</report></rule></pattern>"),
     "",
     {"4|E||p|R|1st", "5|E||p|R|2nd"}},
    {"the root and text nodes as contexts",
     Iso("<pattern id='p'><rule context='/'><report test='order'>root</report></rule>"
         "<rule context='customer/text()'><report test='true()'>[<value-of "
         "select='.'/>]</report></rule>"
         "</pattern>"),
     "",
     {"3|E||p|R|root", "7|E||p|R|[ Grace Hopper ]"}},
    {"Schematron 1.5: named patterns, key with match and path",
     Old("<key name='items' match='item' path='.'/><pattern name='Keys'><rule context='order'>"
         "<assert test=\"key('items', 'ink')/@qty &gt; 0\">ink <value-of "
         "select='count(key(&quot;items&quot;, &quot;pen&quot;))'/></assert>"
         "</rule></pattern>"),
     "",
     {"3|E||Keys|A|ink 1"}},
};

TEST(Schematron, RunsRulesOnADocument) {
    TempDir dir;
    const std::string document = dir.Write("order.xml", kDocument).string();
    for (const RunCase& c : kRuns) {
        const std::string schema = dir.Write("rules.sch", c.schema).string();
        SchematronCompiled compiled = CompileSchematron(schema, c.phase);
        ASSERT_TRUE(compiled.rules) << c.name << ": " << compiled.error;
        SchematronOutcome outcome = RunSchematron(*compiled.rules, document, {100, 100});
        EXPECT_EQ(outcome.problem, SchematronProblem::None) << c.name << ": " << outcome.error;
        std::vector<std::string> got;
        for (const SchematronFailure& f : outcome.failures)
            got.push_back(Describe(f));
        EXPECT_EQ(got, c.expected) << c.name;
    }
}

TEST(Schematron, StopsAtTheFirstErrorButKeepsEarlierWarnings) {
    TempDir dir;
    const std::string document = dir.Write("order.xml", kDocument).string();
    const std::string schema =
        dir.Write("rules.sch", Iso("<pattern id='p'><rule context='item'><assert test='false()' "
                                   "role='warn'>w</assert>"
                                   "<assert test='false()'>e</assert></rule></pattern>"))
            .string();
    SchematronCompiled compiled = CompileSchematron(schema, "");
    ASSERT_TRUE(compiled.rules) << compiled.error;
    SchematronOutcome first = RunSchematron(*compiled.rules, document);
    ASSERT_EQ(first.failures.size(), 2u);
    EXPECT_EQ(Describe(first.failures[1]), "4|E||p|A|e");
    EXPECT_TRUE(first.stoppedEarly);
    // Compiled once, run again: all of them this time.
    SchematronOutcome all = RunSchematron(*compiled.rules, document, {0, 0});
    EXPECT_EQ(all.failures.size(), 4u);
    EXPECT_FALSE(all.stoppedEarly);
}

// Nothing of one run stays for the next: keys are built for each document.
TEST(Schematron, OneRuleSetRunsOnManyDocuments) {
    TempDir dir;
    const std::string schema =
        dir.Write("k.sch", Iso("<xsl:key xmlns:xsl='http://www.w3.org/1999/XSL/Transform' name='k' "
                               "match='item' use='.'/><pattern id='p'><rule context='order'>"
                               "<assert test=\"key('k', 'pen')\">no pen</assert></rule></pattern>"))
            .string();
    SchematronCompiled compiled = CompileSchematron(schema, "");
    ASSERT_TRUE(compiled.rules) << compiled.error;
    const struct {
        const char* body;
        std::size_t failures;
        SchematronProblem problem;
    } documents[] = {
        {"<order><item>pen</item></order>", 0, SchematronProblem::None},
        {"<order><item>ink</item></order>", 1, SchematronProblem::None},
        {"<order><item>pen</item>", 0, SchematronProblem::DocumentUnreadable},
        {"<order><item>pen</item><item>ink</item></order>", 0, SchematronProblem::None},
        {nullptr, 0, SchematronProblem::DocumentUnreadable}, // no such file
    };
    int n = 0;
    for (const auto& d : documents) {
        const std::string name = "d" + std::to_string(++n) + ".xml";
        const std::string path =
            d.body ? dir.Write(name, d.body).string() : (dir.Path() / name).string();
        SchematronOutcome outcome = RunSchematron(*compiled.rules, path);
        EXPECT_EQ(outcome.problem, d.problem) << name << ": " << outcome.error;
        EXPECT_EQ(outcome.failures.size(), d.failures) << name;
    }
}

// A caller that bounds work without progress hears each element's line.
TEST(Schematron, TellsProgressElementByElement) {
    TempDir dir;
    SchematronCompiled compiled = CompileSchematron(
        dir.Write("p.sch", Iso("<pattern><rule context='item'><assert test='true()'>x</assert></rule></pattern>"))
            .string(),
        "");
    ASSERT_TRUE(compiled.rules) << compiled.error;
    std::vector<unsigned long> lines;
    SchematronLimits limits;
    limits.progress = [&lines](unsigned long line) { lines.push_back(line); };
    const auto document = dir.Write("d.xml", "<order>\n<item/>\n<item/><item/>\n</order>\n");
    EXPECT_EQ(RunSchematron(*compiled.rules, document.string(), limits).problem, SchematronProblem::None);
    EXPECT_EQ(lines, (std::vector<unsigned long>{1, 2, 3, 3}));
}

TEST(Schematron, IncludesAreReadRelativeToTheIncludingFile) {
    TempDir dir;
    const std::string document = dir.Write("order.xml", kDocument).string();
    dir.Write("parts/rules.sch",
              "<rule xmlns='http://purl.oclc.org/dsdl/schematron' context='customer'>"
              "<include href='more/check.sch#c'/></rule>");
    dir.Write("parts/more/check.sch", "<x xmlns='http://purl.oclc.org/dsdl/schematron'>"
                                      "<report id='c' test='true()'>included</report></x>");
    const std::string schema =
        dir.Write("main.sch", Iso("<pattern id='p'><include href='parts/rules.sch'/></pattern>"))
            .string();
    SchematronCompiled compiled = CompileSchematron(schema, "");
    ASSERT_TRUE(compiled.rules) << compiled.error;
    EXPECT_EQ(compiled.rules->Sources().size(), 3u);
    SchematronOutcome outcome = RunSchematron(*compiled.rules, document);
    ASSERT_EQ(outcome.failures.size(), 1u);
    EXPECT_EQ(Describe(outcome.failures[0]), "7|E|c|p|R|included");

    // A fault in an included file is told at its own file and line.
    dir.Write("parts/more/check.sch", "<x xmlns='http://purl.oclc.org/dsdl/schematron'>\n"
                                      "<report id='c' test='true('>included</report></x>");
    compiled = CompileSchematron(schema, "");
    EXPECT_EQ(compiled.problem, SchematronProblem::DoesNotCompile);
    EXPECT_NE(compiled.error.find((dir.Path() / "parts/more/check.sch").string() + ", line 2:"),
              std::string::npos)
        << compiled.error;
}

struct RefusedCase {
    const char* name;
    std::string schema;
    const char* phase;
    SchematronProblem problem;
    const char* says;
};

const std::vector<RefusedCase> kRefused = {
    {"xslt2 binding", Iso("<pattern/>", " queryBinding='xslt2'"), "",
     SchematronProblem::CannotCheck, "'xslt2'"},
    {"xslt3 binding", Iso("<pattern/>", " queryBinding='XSLT3'"), "",
     SchematronProblem::CannotCheck, "'xslt3'"},
    {"broken test",
     Iso("<pattern><rule context='a'><assert test='count(('>x</assert></rule></pattern>"), "",
     SchematronProblem::DoesNotCompile, "the test 'count((' is not an XPath 1.0 expression"},
    {"a call left open",
     Iso("<pattern><rule context='a'><assert test='1 = last('>x</assert></rule></pattern>"), "",
     SchematronProblem::DoesNotCompile, "not closed"},
    {"broken context",
     Iso("<pattern><rule context='a[['><assert test='1'>x</assert></rule></pattern>"), "",
     SchematronProblem::DoesNotCompile, "the context 'a[[' is not an XSLT 1.0 pattern"},
    {"a broken predicate in a context: libxml2's reason is kept",
     Iso("<pattern><rule context='a[@b = 3 +]'><assert test='1'>x</assert></rule></pattern>"), "",
     SchematronProblem::DoesNotCompile, "Invalid expression"},
    {"a prefix never declared",
     Iso("<pattern><rule context='z:a'><assert test='1'>x</assert></rule></pattern>"), "",
     SchematronProblem::DoesNotCompile, "pattern: no namespace bound to prefix z"},
    {"a diagnostic missing",
     Iso("<pattern><rule context='a'><assert test='1' diagnostics='d'>x</assert></rule></pattern>"),
     "", SchematronProblem::DoesNotCompile, "no diagnostic 'd'"},
    {"broken value-of",
     Iso("<pattern><rule context='a'><assert test='1'><value-of "
         "select='/('/></assert></rule></pattern>"),
     "", SchematronProblem::DoesNotCompile, "value-of select"},
    {"unknown phase", Iso("<phase id='one'/><pattern/>"), "two", SchematronProblem::DoesNotCompile,
     "no phase 'two' (it has one)"},
    {"unknown abstract pattern", Iso("<pattern is-a='nothing'/>"), "",
     SchematronProblem::DoesNotCompile, "no abstract pattern 'nothing'"},
    {"extends a rule that loops",
     Iso("<pattern><rule abstract='true' id='r'><extends rule='r'/></rule>"
         "<rule context='a'><extends rule='r'/></rule></pattern>"),
     "", SchematronProblem::DoesNotCompile, "deeper than"},
    {"not Schematron", "<schema xmlns='http://www.w3.org/2001/XMLSchema'/>", "",
     SchematronProblem::NotSchematron, "not a Schematron schema"},
    {"not well-formed", "<schema xmlns='http://purl.oclc.org/dsdl/schematron'>", "",
     SchematronProblem::Unreadable, "line 1"},
    {"an include of itself", Iso("<include href='rules.sch'/>"), "", SchematronProblem::Unreadable,
     "includes itself"},
};

TEST(Schematron, RefusesWhatItCannotCheck) {
    TempDir dir;
    for (const RefusedCase& c : kRefused) {
        const std::string schema = dir.Write("rules.sch", c.schema).string();
        SchematronCompiled compiled = CompileSchematron(schema, c.phase);
        EXPECT_FALSE(compiled.rules) << c.name;
        EXPECT_EQ(compiled.problem, c.problem) << c.name << ": " << compiled.error;
        EXPECT_NE(compiled.error.find(c.says), std::string::npos)
            << c.name << ": " << compiled.error;
    }
}

TEST(Schematron, AQueryThatFailsOnTheDocumentIsAnErrorNotAVerdict) {
    TempDir dir;
    const std::string document = dir.Write("order.xml", kDocument).string();
    for (const char* test : {"no-such-function()", "$undefined", "z:item"}) {
        const std::string schema =
            dir.Write("rules.sch", Iso(std::string("<pattern><rule context='order'>"
                                                   "<assert test='") +
                                       test + "'>x</assert></rule></pattern>"))
                .string();
        SchematronCompiled compiled = CompileSchematron(schema, "");
        ASSERT_TRUE(compiled.rules) << test << ": " << compiled.error;
        SchematronOutcome outcome = RunSchematron(*compiled.rules, document);
        EXPECT_EQ(outcome.problem, SchematronProblem::EvaluationFailed) << test;
        EXPECT_TRUE(outcome.failures.empty()) << test;
        EXPECT_NE(outcome.error.find("line 3"), std::string::npos) << test << ": " << outcome.error;
    }
}

// Nothing is fetched: not the document's DTD or external entities, not an
// include or a document() on the network. Internal entities are expanded.
TEST(Schematron, ReadsNothingButLocalFilesItMayRead) {
    TempDir dir;
    HttpTestServer server;
    server.Serve("/order.dtd", "<!ATTLIST order total CDATA '99'>");
    server.Serve("/more.xml", "<more/>");
    dir.Write("secret.txt", "SECRET");
    dir.Write("rules/lookup.xml", "<prices><price>10</price></prices>");
    const std::string document =
        dir.Write("order.xml", "<!DOCTYPE order SYSTEM '" + server.Url("/order.dtd") +
                                   "' [\n"
                                   "  <!ENTITY a 'x<b>y</b>'> <!ENTITY ab '&a;-&a;'> <!ENTITY "
                                   "secret SYSTEM 'secret.txt'>]>\n"
                                   "<order>&ab;&secret;</order>\n")
            .string();
    const std::string rules =
        dir.Write(
               "rules/r.sch",
               Iso("<pattern id='p'><rule context='order'>"
                   "<report test='true()'><value-of select='.'/> <value-of select='count(text())'/>"
                   " <value-of select='count(b)'/> <value-of select='count(@total)'/></report>"
                   "<assert test=\"document('lookup.xml')//price = "
                   "10\">lookup</assert></rule></pattern>"))
            .string();
    SchematronCompiled compiled = CompileSchematron(rules, "");
    ASSERT_TRUE(compiled.rules) << compiled.error;
    SchematronOutcome outcome = RunSchematron(*compiled.rules, document, {0, 0});
    ASSERT_EQ(outcome.failures.size(), 1u) << outcome.error;
    EXPECT_EQ(outcome.failures[0].message, "xy-xy 2 2 0");
    SchematronLimits remoteSchema;
    remoteSchema.maxErrors = 0;
    remoteSchema.documentReadsLocalFiles = false;
    outcome = RunSchematron(*compiled.rules, document, remoteSchema);
    EXPECT_EQ(outcome.problem, SchematronProblem::EvaluationFailed) << outcome.error;

    dir.Write("rules/remote.sch",
              Iso("<pattern><rule context='order'><assert test=\"document('" +
                  server.Url("/more.xml") + "')\">x</assert></rule></pattern>"));
    compiled = CompileSchematron((dir.Path() / "rules/remote.sch").string(), "");
    ASSERT_TRUE(compiled.rules) << compiled.error;
    outcome = RunSchematron(*compiled.rules, document);
    EXPECT_EQ(outcome.problem, SchematronProblem::EvaluationFailed);
    EXPECT_TRUE(outcome.failures.empty());

    dir.Write("rules/include.sch", Iso("<include href='" + server.Url("/more.xml") + "'/>"));
    compiled = CompileSchematron((dir.Path() / "rules/include.sch").string(), "");
    EXPECT_EQ(compiled.problem, SchematronProblem::Unreadable) << compiled.error;
    EXPECT_EQ(server.Requests("/order.dtd") + server.Requests("/more.xml"), 0);
}

TEST(Schematron, DocBook5RulesFromDebian) {
    const char* rules = "/usr/share/xml/docbook/schema/schematron/5.0/docbook.sch";
    ASSERT_TRUE(fs::exists(rules)) << "scripts/install-deps installs docbook5-xml";
    SchematronCompiled compiled = CompileSchematron(rules, "");
    ASSERT_TRUE(compiled.rules) << compiled.error;
    EXPECT_EQ(compiled.rules->Dialect(), "1.5");
    TempDir dir;
    const std::string article =
        "<?xml version='1.0'?>\n"
        "<article xmlns='http://docbook.org/ns/docbook' version='5.0'>\n"
        "  <title>T</title>\n"
        "  <para><termdef><firstterm linkend='g'>term</firstterm> is a term.</termdef></para>\n"
        "  <para>TERMDEF</para>\n"
        "  <glossary><glossentry xml:id='g'><glossterm>term</glossterm>\n"
        "    <glossdef><para>A term.</para></glossdef></glossentry></glossary>\n"
        "</article>\n";
    const std::string valid = dir.Write("valid.xml", article).string();
    SchematronOutcome passes = RunSchematron(*compiled.rules, valid);
    EXPECT_EQ(passes.problem, SchematronProblem::None) << passes.error;
    EXPECT_TRUE(passes.failures.empty()) << Describe(passes.failures.at(0));

    std::string broken = article;
    broken.replace(broken.find("TERMDEF"), 7, "<termdef>a term without its first use</termdef>");
    SchematronOutcome fails =
        RunSchematron(*compiled.rules, dir.Write("termdef.xml", broken).string());
    ASSERT_EQ(fails.failures.size(), 1u) << fails.error;
    EXPECT_EQ(
        Describe(fails.failures[0]),
        "5|E||Glossary term definition constraint|A|A termdef must contain exactly one firstterm");
}

} // namespace
