// Validates documents of five kinds in turn, thousands of times in one
// process, and tells whether memory stays flat meanwhile: a valid document,
// an invalid one, one that is not well formed, one with a DTD (valid and
// invalid by turns), and one whose schema a loopback server answers with 404.
//
//   corvane-soak [--in-process] [--growth-limit-mib N] COUNT
//
// By default each document is loaded as the program loads it, through the
// parser component and its worker process, and the resident memory of both
// processes is reported at checkpoints. --in-process runs the same load in
// this process instead, so that LeakSanitizer (in a sanitizer build) sees
// every allocation of the parse. Every verdict is checked; with a growth
// limit, resident memory may grow at most that much from the end of the
// warm-up (a tenth of the run) to the end. Exit status 0 when all held.

#include "platform/text/text_encoding.h"
#include "platform/xml/component/xml_dom.h"
#include "platform/xml/component/xml_error_codes.h"
#include "platform/xml/load/xml_parse_session.h"
#include "platform/xml/load/xml_runtime.h"
#include "tests/support/http_test_server.h"
#include "tests/support/temp_dir.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

const char* const kSchema = R"(<?xml version="1.0"?>
<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema">
  <xs:element name="note">
    <xs:complexType><xs:sequence>
      <xs:element name="to" type="xs:string"/>
      <xs:element name="count" type="xs:int"/>
    </xs:sequence></xs:complexType>
  </xs:element>
</xs:schema>
)";

const char* const kDtd = "<!ELEMENT note (to, count)>\n<!ELEMENT to (#PCDATA)>\n<!ELEMENT count (#PCDATA)>\n";

std::string SchemaNote(const std::string& location, const std::string& count)
{
    return "<?xml version=\"1.0\"?>\n<note xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
           "xsi:noNamespaceSchemaLocation=\"" + location + "\">\n  <to>Ann</to>\n  <count>" + count +
           "</count>\n</note>\n";
}

std::string DtdNote(const std::string& body)
{
    return "<?xml version=\"1.0\"?>\n<!DOCTYPE note SYSTEM \"note.dtd\">\n<note>" + body + "</note>\n";
}

struct Case {
    const char* kind;
    fs::path file;
    std::optional<XmlErrorGroup> expected; // nothing: the document is valid
};

struct Verdict {
    bool valid = false;
    std::uint32_t code = 0;
    std::string reason;
};

Verdict LoadThroughComponent(const fs::path& file)
{
    Verdict verdict;
    std::unique_ptr<IUnknown> instance;
    if (CreateDOMDocument40(instance) != S_OK)
        return verdict;
    auto* document = dynamic_cast<IXMLDOMDocument*>(instance.get());
    if (document == nullptr)
        return verdict;
    document->put_validateOnParse(VARIANT_TRUE);
    document->put_async(VARIANT_FALSE);
    VARIANT source;
    source.vt = VT_BSTR;
    source.bstrVal = AnsiToWide(DriveForm(file));
    VARIANT_BOOL loaded = VARIANT_FALSE;
    verdict.valid = document->load(source, &loaded) == S_OK && loaded == VARIANT_TRUE;
    std::unique_ptr<IXMLDOMParseError> error;
    if (document->get_parseError(error) == S_OK && error) {
        LONG code = 0;
        std::u16string reason;
        error->get_errorCode(&code);
        error->get_reason(&reason);
        verdict.code = static_cast<std::uint32_t>(code);
        verdict.reason = WideToAnsi(reason);
    }
    return verdict;
}

Verdict LoadInProcess(const fs::path& file)
{
    const auto error = LoadXmlDocument({file.string(), DriveForm(file), true});
    if (!error)
        return {true, 0, {}};
    return {false, error->code, WideToAnsi(error->reason)};
}

// Resident memory in KiB, from the process's status; 0 when it is gone.
long ResidentKib(const std::string& pid)
{
    std::ifstream status("/proc/" + pid + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return 0;
}

// The parser's worker: the child of this process that runs as one.
std::optional<std::string> WorkerPid()
{
    std::error_code error;
    for (const auto& task : fs::directory_iterator("/proc/self/task", error)) {
        std::ifstream children(task.path() / "children");
        std::string pid;
        while (children >> pid) {
            std::ifstream cmdline("/proc/" + pid + "/cmdline");
            std::string name;
            std::getline(cmdline, name, '\0');
            if (name == "corvane-xml-worker")
                return pid;
        }
    }
    return std::nullopt;
}

struct Sample {
    long validations = 0;
    double seconds = 0;
    long selfKib = 0;
    long workerKib = 0;
};

void Print(const Sample& sample, bool inProcess)
{
    if (inProcess)
        std::printf("| %6ld | %7.1f | %8.1f |\n", sample.validations, sample.seconds, sample.selfKib / 1024.0);
    else
        std::printf("| %6ld | %7.1f | %8.1f | %8.1f |\n", sample.validations, sample.seconds,
                    sample.selfKib / 1024.0, sample.workerKib / 1024.0);
    std::fflush(stdout);
}

int Usage()
{
    std::fprintf(stderr, "usage: corvane-soak [--in-process] [--growth-limit-mib N] COUNT\n");
    return 64;
}

} // namespace

int main(int argc, char** argv)
{
    bool inProcess = false;
    std::optional<long> growthLimitMib;
    long count = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--in-process")
            inProcess = true;
        else if (argument == "--growth-limit-mib" && i + 1 < argc)
            growthLimitMib = std::strtol(argv[++i], nullptr, 10);
        else if (count == 0 && std::strtol(argument.c_str(), nullptr, 10) > 0)
            count = std::strtol(argument.c_str(), nullptr, 10);
        else
            return Usage();
    }
    if (count <= 0)
        return Usage();
    // The worker starts the parser library for itself.
    if (inProcess && !EnsureXmlRuntime()) {
        std::fprintf(stderr, "the parser library did not start\n");
        return 1;
    }

    // The server is on the loopback: no proxy stands between.
    for (const char* name : {"http_proxy", "HTTP_PROXY", "all_proxy", "ALL_PROXY"})
        ::unsetenv(name);
    HttpTestServer server; // every path is answered with 404
    const TempDir dir;
    // Fetched documents are kept per user and catalogs are read from the
    // system: neither may make one run differ from the next.
    ::setenv("XDG_CACHE_HOME", (dir.Path() / "cache").c_str(), 1);
    ::setenv("XML_CATALOG_FILES", (dir.Path() / "no-catalog.xml").c_str(), 1);
    dir.Write("note.xsd", kSchema);
    dir.Write("note.dtd", kDtd);
    const Case cases[] = {
        {"valid", dir.Write("valid.xml", SchemaNote("note.xsd", "4")), std::nullopt},
        {"invalid", dir.Write("invalid.xml", SchemaNote("note.xsd", "four")), XmlErrorGroup::Validity},
        {"not well-formed", dir.Write("broken.xml", "<note><to>Ann</note>\n"), XmlErrorGroup::WellFormedness},
        {"DTD, valid", dir.Write("dtd-valid.xml", DtdNote("<to>Ann</to><count>4</count>")), std::nullopt},
        {"remote 404", dir.Write("remote.xml", SchemaNote(server.Url("/missing.xsd"), "4")),
         XmlErrorGroup::ReferencedDocument},
        {"DTD, invalid", dir.Write("dtd-invalid.xml", DtdNote("<count>4</count>")), XmlErrorGroup::Validity},
    };
    // Five kinds in turn; the DTD document is valid and invalid by turns.
    const auto pick = [&](long i) -> const Case& {
        const long kind = i % 5;
        if (kind == 3 && (i / 5) % 2 == 1)
            return cases[5];
        return cases[kind];
    };

    const long warmUp = std::max(1L, count / 10);
    std::set<long> checkpoints = {warmUp, 1000, 5000, count};
    for (long step = 10000; step < count; step += 10000)
        checkpoints.insert(step);

    std::printf("%ld validations, %s\n", count,
                inProcess ? "loaded in this process" : "loaded through the component and its worker process");
    if (inProcess)
        std::printf("| validations | seconds | RSS MiB |\n|---|---|---|\n");
    else
        std::printf("| validations | seconds | RSS MiB | worker RSS MiB |\n|---|---|---|---|\n");

    const auto start = std::chrono::steady_clock::now();
    std::vector<Sample> samples;
    std::set<std::string> workers;
    int failures = 0;
    for (long i = 0; i < count; ++i) {
        const Case& c = pick(i);
        const Verdict verdict = inProcess ? LoadInProcess(c.file) : LoadThroughComponent(c.file);
        const bool right = c.expected ? (!verdict.valid && XmlErrorGroupOf(verdict.code) == *c.expected)
                                      : verdict.valid;
        if (!right && ++failures <= 5)
            std::fprintf(stderr, "validation %ld (%s): unexpected verdict: %s, code 0x%08X: %s\n", i + 1, c.kind,
                         verdict.valid ? "valid" : "not valid", verdict.code, verdict.reason.c_str());
        if (!inProcess)
            if (const auto pid = WorkerPid())
                workers.insert(*pid);
        if (checkpoints.count(i + 1) != 0) {
            Sample sample;
            sample.validations = i + 1;
            sample.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            sample.selfKib = ResidentKib("self");
            const auto worker = inProcess ? std::nullopt : WorkerPid();
            sample.workerKib = worker ? ResidentKib(*worker) : 0;
            samples.push_back(sample);
            Print(sample, inProcess);
        }
    }

    std::printf("the server answered %d requests for the missing schema\n", server.Requests("/missing.xsd"));
    bool held = failures == 0;
    if (failures > 0)
        std::printf("%d of %ld verdicts were wrong\n", failures, count);
    if (!inProcess && workers.size() != 1) {
        std::printf("the loads were served by %zu worker processes (one expected)\n", workers.size());
        held = false;
    }
    if (growthLimitMib && samples.size() >= 2) {
        const Sample& first = samples.front();
        const Sample& last = samples.back();
        const long selfGrowth = last.selfKib - first.selfKib;
        const long workerGrowth = last.workerKib - first.workerKib;
        std::printf("growth after warm-up: %.1f MiB in this process", selfGrowth / 1024.0);
        if (!inProcess)
            std::printf(", %.1f MiB in the worker", workerGrowth / 1024.0);
        std::printf(" (limit %ld MiB)\n", *growthLimitMib);
#if defined(__SANITIZE_ADDRESS__)
        // Freed memory waits in the sanitizer's quarantine, so resident
        // memory grows by design until the quarantine is full.
        std::printf("(not held to the limit: AddressSanitizer keeps freed memory in quarantine)\n");
#else
        if (selfGrowth > *growthLimitMib * 1024 || workerGrowth > *growthLimitMib * 1024)
            held = false;
#endif
    }
    std::printf("%s\n", held ? "soak held" : "soak FAILED");
    return held ? 0 : 1;
}
