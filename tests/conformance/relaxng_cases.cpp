#include "tests/conformance/relaxng_cases.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <libxml/xmlsave.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>
#include <memory>
#include <set>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct DocFree {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
struct BufferFree {
    void operator()(xmlBuffer* buffer) const { xmlBufferFree(buffer); }
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

// The document an element of the suite holds. Usually its content is the
// document's element (with comments or instructions beside it), written out
// by the serializer: entity references of the suite are already replaced, and
// the serializer keeps every namespace declaration the copied nodes make. A
// holder whose content is only text or CDATA holds the document as text,
// declaration and DOCTYPE included, and that text is kept as it is.
std::optional<std::string> HeldDocument(const xmlNode* holder, std::string* error)
{
    for (const xmlNode* up = holder; up != nullptr && up->type == XML_ELEMENT_NODE;
         up = up->parent)
        if (up->nsDef != nullptr) {
            // A copy keeps only the declarations its own names use, so a
            // QName in content could lose its binding.
            *error = "line " + std::to_string(xmlGetLineNo(holder)) +
                     ": namespaces declared around a case are not carried into its files";
            return std::nullopt;
        }
    std::vector<const xmlNode*> parts;
    bool hasElement = false;
    std::string text;
    for (const xmlNode* child = holder->children; child != nullptr; child = child->next) {
        if (child->type == XML_TEXT_NODE || child->type == XML_CDATA_SECTION_NODE) {
            text += TextOf(child);
            continue;
        }
        hasElement = hasElement || child->type == XML_ELEMENT_NODE;
        parts.push_back(child);
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
    DocPtr doc(xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0")));
    for (const xmlNode* part : parts) {
        xmlNode* copy = xmlDocCopyNode(const_cast<xmlNode*>(part), doc.get(), 1);
        if (copy == nullptr || xmlAddChild(reinterpret_cast<xmlNode*>(doc.get()), copy) == nullptr) {
            xmlFreeNode(copy);
            *error = "out of memory copying a case";
            return std::nullopt;
        }
    }
    std::unique_ptr<xmlBuffer, BufferFree> buffer(xmlBufferCreate());
    xmlSaveCtxt* save = xmlSaveToBuffer(buffer.get(), "UTF-8", XML_SAVE_NO_DECL);
    const bool saved = save != nullptr && xmlSaveDoc(save, doc.get()) >= 0;
    if (save != nullptr)
        xmlSaveClose(save);
    if (!saved) {
        *error = "line " + std::to_string(xmlGetLineNo(holder)) + ": cannot write the case out";
        return std::nullopt;
    }
    return std::string(reinterpret_cast<const char*>(xmlBufferContent(buffer.get())),
                       static_cast<std::size_t>(xmlBufferLength(buffer.get())));
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
    CaseWriter(fs::path folder, std::string* error) : m_folder(std::move(folder)), m_error(error)
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
            const auto content = HeldDocument(child, m_error);
            if (!content || !Write(child, under / name, *content))
                return false;
        }
        return true;
    }

    bool Instance(const xmlNode* holder, const std::string& file)
    {
        const auto held = HeldDocument(holder, m_error);
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
        const auto schemaText = HeldDocument(schema, m_error);
        if (!schemaText || !Write(schema, "schema.rng", *schemaText) || !Resources(testCase, {}))
            return false;

        const std::string prefix = "cases/" + caseName + "/";
        if (IsElement(schema, "incorrect")) {
            // The schema must be rejected, whatever the instance holds.
            const auto document = WithModelInstruction("<foo/>\n");
            if (!Write(schema, "incorrect-schema.xml", *document))
                return false;
            m_rows.push_back({prefix + "incorrect-schema.xml", "incorrect-schema", caseName, section});
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
    const fs::path suite = folder / "spectest.xml";
    // The suite's own entities (a Thai element name) are replaced, so each
    // case stands alone without the suite's DOCTYPE.
    DocPtr doc(xmlReadFile(suite.c_str(), nullptr, XML_PARSE_NOENT | XML_PARSE_NONET));
    if (!doc) {
        const xmlError* last = xmlGetLastError();
        *error = "cannot read " + suite.string() +
                 (last != nullptr && last->message != nullptr ? std::string(": ") + last->message
                                                              : std::string{});
        return std::nullopt;
    }
    const xmlNode* root = xmlDocGetRootElement(doc.get());
    if (root == nullptr || !IsElement(root, "testSuite")) {
        *error = suite.string() + " is not a testSuite";
        return std::nullopt;
    }
    CaseWriter writer(folder, error);
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
