#include "tests/conformance/relaxng_cases.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/SAX2.h>
#include <libxml/entities.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct DocFree {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
using DocPtr = std::unique_ptr<xmlDoc, DocFree>;

std::string_view Name(const xmlNode* node)
{
    return node->name == nullptr ? std::string_view{} : reinterpret_cast<const char*>(node->name);
}

bool IsElement(const xmlNode* node, std::string_view name)
{
    return node->type == XML_ELEMENT_NODE && Name(node) == name;
}

std::string Attribute(const xmlNode* node, const char* name)
{
    std::unique_ptr<xmlChar, decltype(xmlFree)> value(
        xmlGetProp(node, reinterpret_cast<const xmlChar*>(name)), xmlFree);
    return value ? reinterpret_cast<const char*>(value.get()) : std::string{};
}

std::string TextOf(const xmlNode* node)
{
    std::unique_ptr<xmlChar, decltype(xmlFree)> text(xmlNodeGetContent(node), xmlFree);
    return text ? reinterpret_cast<const char*>(text.get()) : std::string{};
}

bool IsBlank(std::string_view text)
{
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// spectest.xml parsed, with the byte range of each element's content in the
// file, so that a case can be written out as the suite's own bytes.
class ParsedSuite {
public:
    static std::optional<ParsedSuite> Read(const fs::path& path, std::string* error)
    {
        ParsedSuite suite;
        std::ifstream in(path, std::ios::binary);
        if (in)
            suite.m_bytes.assign(std::istreambuf_iterator<char>(in), {});
        std::unique_ptr<xmlParserCtxt, decltype(&xmlFreeParserCtxt)> ctxt(xmlNewParserCtxt(),
                                                                          xmlFreeParserCtxt);
        if (!in || in.bad() || ctxt == nullptr || ctxt->sax == nullptr) {
            *error = "cannot read " + path.string();
            return std::nullopt;
        }
        ctxt->sax->startElementNs = StartElement;
        ctxt->sax->endElementNs = EndElement;
        ctxt->_private = &suite;
        // The suite's entities (a Thai element name) are replaced in the tree;
        // in a case's bytes, Content() replaces them.
        suite.m_doc.reset(xmlCtxtReadMemory(ctxt.get(), suite.m_bytes.data(),
                                            static_cast<int>(suite.m_bytes.size()),
                                            path.c_str(), nullptr,
                                            XML_PARSE_NOENT | XML_PARSE_NONET));
        if (!suite.m_doc || !ctxt->wellFormed) {
            const xmlError* last = xmlCtxtGetLastError(ctxt.get());
            *error = "cannot read " + path.string() +
                     (last != nullptr && last->message != nullptr
                          ? std::string(": ") + last->message
                          : std::string{});
            return std::nullopt;
        }
        if (suite.m_doc->encoding != nullptr &&
            xmlStrcasecmp(suite.m_doc->encoding, reinterpret_cast<const xmlChar*>("UTF-8")) != 0) {
            *error = path.string() + " is not in UTF-8, which its cases are written in";
            return std::nullopt;
        }
        return suite;
    }

    const xmlNode* Root() const { return xmlDocGetRootElement(m_doc.get()); }

    // The bytes between ELEMENT's start and end tags, with references to the
    // suite's own entities replaced by their text: a case names no DTD that
    // would declare them. Character references and the predefined entities
    // stay as written.
    std::optional<std::string> Content(const xmlNode* element, std::string* error) const
    {
        const auto begin = m_begin.find(element);
        const auto end = m_end.find(element);
        const std::size_t open =
            begin == m_begin.end() || begin->second == 0 ? std::string::npos
                                                         : m_bytes.find('>', begin->second - 1);
        // The parser stands just past the end tag's '>' when it reports it.
        const std::size_t close = end == m_end.end() || end->second == 0
                                      ? std::string::npos
                                      : m_bytes.rfind("</", end->second - 1);
        if (open == std::string::npos || close == std::string::npos || close <= open) {
            *error = "line " + std::to_string(xmlGetLineNo(element)) +
                     ": cannot find the bytes of <" + std::string(Name(element)) + ">";
            return std::nullopt;
        }
        return ReplaceEntities(std::string_view(m_bytes).substr(open + 1, close - open - 1),
                               element, 0, error);
    }

private:
    static void StartElement(void* ctx, const xmlChar* localname, const xmlChar* prefix,
                             const xmlChar* uri, int namespaceCount, const xmlChar** namespaces,
                             int attributeCount, int defaultedCount, const xmlChar** attributes)
    {
        auto* ctxt = static_cast<xmlParserCtxt*>(ctx);
        xmlSAX2StartElementNs(ctx, localname, prefix, uri, namespaceCount, namespaces,
                              attributeCount, defaultedCount, attributes);
        // Elements of an entity's text report offsets within that text; the
        // elements whose content is taken are never among them.
        if (ctxt->node != nullptr && ctxt->_private != nullptr)
            static_cast<ParsedSuite*>(ctxt->_private)->m_begin[ctxt->node] =
                static_cast<std::size_t>(std::max(0L, xmlByteConsumed(ctxt)));
    }

    static void EndElement(void* ctx, const xmlChar* localname, const xmlChar* prefix,
                           const xmlChar* uri)
    {
        auto* ctxt = static_cast<xmlParserCtxt*>(ctx);
        if (ctxt->node != nullptr && ctxt->_private != nullptr)
            static_cast<ParsedSuite*>(ctxt->_private)->m_end[ctxt->node] =
                static_cast<std::size_t>(std::max(0L, xmlByteConsumed(ctxt)));
        xmlSAX2EndElementNs(ctx, localname, prefix, uri);
    }

    std::optional<std::string> ReplaceEntities(std::string_view text, const xmlNode* at,
                                               int depth, std::string* error) const
    {
        constexpr std::string_view kPredefined[] = {"lt", "gt", "amp", "apos", "quot"};
        std::string out;
        std::size_t i = 0;
        while (i < text.size()) {
            // Comments, CDATA sections and instructions hold no references.
            std::string_view closer;
            if (text.substr(i).starts_with("<!--"))
                closer = "-->";
            else if (text.substr(i).starts_with("<![CDATA["))
                closer = "]]>";
            else if (text.substr(i).starts_with("<?"))
                closer = "?>";
            if (!closer.empty()) {
                const auto stop = text.find(closer, i);
                const auto next =
                    stop == std::string_view::npos ? text.size() : stop + closer.size();
                out += text.substr(i, next - i);
                i = next;
                continue;
            }
            const auto semicolon = text[i] == '&' ? text.find(';', i) : std::string_view::npos;
            if (semicolon == std::string_view::npos || text[i + 1] == '#') {
                out += text[i++];
                continue;
            }
            const std::string name(text.substr(i + 1, semicolon - i - 1));
            if (std::find(std::begin(kPredefined), std::end(kPredefined), name) !=
                std::end(kPredefined)) {
                out += text.substr(i, semicolon + 1 - i);
            } else {
                const xmlEntity* entity =
                    xmlGetDocEntity(m_doc.get(), reinterpret_cast<const xmlChar*>(name.c_str()));
                if (entity == nullptr || entity->etype != XML_INTERNAL_GENERAL_ENTITY ||
                    entity->content == nullptr || depth > 8) {
                    *error = "line " + std::to_string(xmlGetLineNo(at)) +
                             ": a reference to &" + name + "; that cannot be replaced";
                    return std::nullopt;
                }
                auto replaced = ReplaceEntities(reinterpret_cast<const char*>(entity->content),
                                                at, depth + 1, error);
                if (!replaced)
                    return std::nullopt;
                out += *replaced;
            }
            i = semicolon + 1;
        }
        return out;
    }

    std::string m_bytes;
    DocPtr m_doc;
    std::map<const xmlNode*, std::size_t> m_begin; // offset of the start tag's end
    std::map<const xmlNode*, std::size_t> m_end;   // offset just after the end tag
};

// The document an element of the suite holds, as the suite's bytes. Usually
// its content is the document's element, with comments or instructions
// beside it; the white space around them goes. A holder whose content is
// only text or CDATA holds the document as text, declaration and DOCTYPE
// included, and that text is taken as it is.
std::optional<std::string> HeldDocument(const ParsedSuite& suite, const xmlNode* holder,
                                        std::string* error)
{
    for (const xmlNode* up = holder; up != nullptr && up->type == XML_ELEMENT_NODE;
         up = up->parent)
        if (up->nsDef != nullptr) {
            // The case's bytes would not carry the declaration, so a name or
            // a QName value could lose its binding.
            *error = "line " + std::to_string(xmlGetLineNo(holder)) +
                     ": namespaces declared around a case are not carried into its files";
            return std::nullopt;
        }
    bool hasElement = false;
    std::string text;
    for (const xmlNode* child = holder->children; child != nullptr; child = child->next) {
        if (child->type == XML_TEXT_NODE || child->type == XML_CDATA_SECTION_NODE)
            text += TextOf(child);
        hasElement = hasElement || child->type == XML_ELEMENT_NODE;
    }
    if (!hasElement) {
        const auto start = text.find_first_not_of(" \t\r\n");
        if (start == std::string::npos) {
            *error = "line " + std::to_string(xmlGetLineNo(holder)) + ": <" +
                     std::string(Name(holder)) + "> holds no document";
            return std::nullopt;
        }
        return text.substr(start);
    }
    if (!IsBlank(text)) {
        *error = "line " + std::to_string(xmlGetLineNo(holder)) + ": <" +
                 std::string(Name(holder)) + "> holds text beside its document's element";
        return std::nullopt;
    }
    auto bytes = suite.Content(holder, error);
    if (!bytes)
        return std::nullopt;
    const auto first = bytes->find_first_not_of(" \t\r\n");
    const auto last = bytes->find_last_not_of(" \t\r\n");
    return bytes->substr(first, last + 1 - first) + "\n";
}

// The encoding a document's declaration names, lower-cased; empty when none.
std::string DeclaredEncoding(std::string_view document)
{
    if (!document.starts_with("<?xml"))
        return {};
    const auto end = document.find("?>");
    const auto at = document.substr(0, end).find("encoding");
    if (at == std::string_view::npos)
        return {};
    const auto quote = document.find_first_of("\"'", at);
    if (quote == std::string_view::npos)
        return {};
    const auto close = document.find(document[quote], quote + 1);
    std::string name(document.substr(quote + 1, close - quote - 1));
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name;
}

bool WriteFile(const fs::path& path, std::string_view bytes, std::string* error)
{
    std::ofstream out(path, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        *error = "cannot write " + path.string();
        return false;
    }
    return true;
}

struct ManifestRow {
    std::string instance;
    std::string expected;
    std::string caseName;
    std::string section;
};

class CaseWriter {
public:
    CaseWriter(const ParsedSuite& suite, fs::path folder, std::string* error)
        : m_suite(suite), m_folder(std::move(folder)), m_error(error)
    {
    }

    bool Suite(const xmlNode* suite)
    {
        for (const xmlNode* child = suite->children; child != nullptr; child = child->next) {
            if (IsElement(child, "testSuite") && !Suite(child))
                return false;
            if (IsElement(child, "testCase") && !Case(child))
                return false;
        }
        return true;
    }

    std::size_t CaseCount() const { return m_cases; }
    const std::vector<ManifestRow>& Rows() const { return m_rows; }

private:
    bool Fail(const xmlNode* node, const std::string& what)
    {
        *m_error = "line " + std::to_string(xmlGetLineNo(node)) + ": " + what;
        return false;
    }

    // Each file of a case is written once: a resource that took the schema's
    // or an instance's name would change what the case tests.
    bool Write(const xmlNode* node, const fs::path& relative, std::string_view bytes)
    {
        if (!m_written.insert(relative.generic_string()).second)
            return Fail(node, "two files of the case are named " + relative.generic_string());
        std::error_code ec;
        fs::create_directories((m_caseDir / relative).parent_path(), ec);
        return WriteFile(m_caseDir / relative, bytes, m_error);
    }

    // resource and dir elements, which name the files a schema includes.
    bool Resources(const xmlNode* parent, const fs::path& under)
    {
        for (const xmlNode* child = parent->children; child != nullptr; child = child->next) {
            if (!IsElement(child, "resource") && !IsElement(child, "dir"))
                continue;
            const std::string name = Attribute(child, "name");
            if (!IsPlainFileName(name))
                return Fail(child, "a resource or dir name that is no plain file name: '" + name +
                                       "'");
            if (IsElement(child, "dir")) {
                std::error_code ec;
                fs::create_directories(m_caseDir / under / name, ec);
                if (!Resources(child, under / name))
                    return false;
                continue;
            }
            const auto content = HeldDocument(m_suite, child, m_error);
            if (!content || !Write(child, under / name, *content))
                return false;
        }
        return true;
    }

    bool Instance(const xmlNode* holder, const std::string& file)
    {
        const auto held = HeldDocument(m_suite, holder, m_error);
        if (!held)
            return false;
        // The files are written as the suite's own text, in UTF-8; a
        // document declaring another encoding would no longer say what it is.
        const std::string encoding = DeclaredEncoding(*held);
        if (!encoding.empty() && encoding != "utf-8" && encoding != "us-ascii")
            return Fail(holder, "an instance declaring encoding " + encoding +
                                    " cannot be written as the UTF-8 the suite holds");
        const auto document = WithModelInstruction(*held);
        if (!document)
            return Fail(holder, "an instance whose XML declaration is not closed");
        return Write(holder, file, *document);
    }

    bool Case(const xmlNode* testCase)
    {
        ++m_cases;
        char name[16];
        std::snprintf(name, sizeof name, "%03zu", m_cases);
        const std::string caseName = name;
        m_caseDir = m_folder / "cases" / caseName;
        m_written.clear();
        std::error_code ec;
        fs::remove_all(m_caseDir, ec);
        fs::create_directories(m_caseDir, ec);
        if (ec)
            return Fail(testCase, "cannot create " + m_caseDir.string() + ": " + ec.message());

        std::string section;
        const xmlNode* schema = nullptr;
        for (const xmlNode* child = testCase->children; child != nullptr; child = child->next) {
            if (IsElement(child, "section"))
                section += (section.empty() ? "" : " ") + TextOf(child);
            if (IsElement(child, "correct") || IsElement(child, "incorrect")) {
                if (schema != nullptr)
                    return Fail(child, "a test case with two schemas");
                schema = child;
            }
        }
        if (schema == nullptr)
            return Fail(testCase, "a test case without a schema");
        const auto schemaText = HeldDocument(m_suite, schema, m_error);
        if (!schemaText || !Write(schema, "schema.rng", *schemaText) || !Resources(testCase, {}))
            return false;

        const std::string prefix = "cases/" + caseName + "/";
        if (IsElement(schema, "incorrect")) {
            // The schema must be rejected, whatever the instance holds.
            const auto document = WithModelInstruction("<foo/>\n");
            if (!Write(schema, "incorrect-schema.xml", *document))
                return false;
            m_rows.push_back(
                {prefix + "incorrect-schema.xml", "incorrect-schema", caseName, section});
            return true;
        }
        std::size_t valid = 0;
        std::size_t invalid = 0;
        for (const xmlNode* child = testCase->children; child != nullptr; child = child->next) {
            const bool isValid = IsElement(child, "valid");
            if (!isValid && !IsElement(child, "invalid"))
                continue;
            const std::string kind = isValid ? "valid" : "invalid";
            const std::string file =
                kind + "-" + std::to_string(isValid ? ++valid : ++invalid) + ".xml";
            if (!Instance(child, file))
                return false;
            m_rows.push_back({prefix + file, kind, caseName, section});
        }
        if (valid + invalid == 0)
            m_rows.push_back({"", "no-instance", caseName, section});
        return true;
    }

    const ParsedSuite& m_suite;
    fs::path m_folder;
    std::string* m_error;
    fs::path m_caseDir;
    std::set<std::string> m_written;
    std::size_t m_cases = 0;
    std::vector<ManifestRow> m_rows;
};

std::string FirstLine(const fs::path& path)
{
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line.substr(0, line.find(' '));
}

} // namespace

std::string RelaxNgModelInstruction()
{
    return "<?xml-model href=\"schema.rng\" schematypens=\"" + std::string(kRelaxNgNamespace) +
           "\"?>";
}

std::optional<std::string> WithModelInstruction(std::string_view document)
{
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    std::size_t at = document.starts_with(kBom) ? kBom.size() : 0;
    const std::string_view rest = document.substr(at);
    // "<?xml" followed by white space opens the declaration; "<?xml-model"
    // or "<?xml-stylesheet" are instructions that may follow it.
    const bool declared = rest.size() > 5 && rest.starts_with("<?xml") &&
                          std::string_view(" \t\r\n").find(rest[5]) != std::string_view::npos;
    std::string line = RelaxNgModelInstruction();
    if (declared) {
        const auto end = rest.find("?>");
        if (end == std::string_view::npos)
            return std::nullopt;
        at += end + 2;
        line.insert(0, "\n");
    } else {
        line += "\n";
    }
    std::string result(document.substr(0, at));
    result += line;
    result += document.substr(at);
    return result;
}

bool IsPlainFileName(std::string_view name)
{
    return !name.empty() && name != "." && name != ".." &&
           name.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

std::optional<std::size_t> WriteRelaxNgCases(const fs::path& folder, std::string* error)
{
    const auto suite = ParsedSuite::Read(folder / "spectest.xml", error);
    if (!suite)
        return std::nullopt;
    const xmlNode* root = suite->Root();
    if (root == nullptr || !IsElement(root, "testSuite")) {
        *error = (folder / "spectest.xml").string() + " is not a testSuite";
        return std::nullopt;
    }
    CaseWriter writer(*suite, folder, error);
    if (!writer.Suite(root))
        return std::nullopt;

    const std::string source = "github.com/relaxng/jing-trang@" + FirstLine(folder / "SOURCE");
    std::string manifest = "instance\tschemas\texpected\tsource_repo\tlicence\tcase\tsection\n";
    for (const auto& row : writer.Rows()) {
        const std::string schema = "cases/" + row.caseName + "/schema.rng";
        manifest += row.instance + '\t' + schema + '\t' + row.expected + '\t' + source +
                    "\tBSD-3-Clause (COPYING)\t" + row.caseName + '\t' + row.section + '\n';
    }
    // The manifest comes last: its presence says the cases are complete.
    if (!WriteFile(folder / "MANIFEST.tsv", manifest, error))
        return std::nullopt;
    return writer.CaseCount();
}
