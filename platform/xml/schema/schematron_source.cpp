// Reading schema files and documents for the Schematron engine.

#include "platform/xml/schema/schematron_source.h"
#include "platform/xml/load/libxml_library.h"

#include <libxml/entities.h>
#include <libxml/parser.h>
#include <libxml/uri.h>
#include <libxml/xmlerror.h>
#include <libxslt/xsltutils.h>

#include <algorithm>
#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace schematron {

const char kIsoNamespace[] = "http://purl.oclc.org/dsdl/schematron";
const char kOldNamespace[] = "http://www.ascc.net/xml/schematron";

namespace {

namespace fs = std::filesystem;

// Includes inside includes: deep enough for any real schema, short of a loop.
constexpr int kMaxIncludeDepth = 16;
// Text an internal entity may add to a document, all references together:
// a document of nested entities may not grow without bound.
constexpr std::size_t kMaxEntityExpansion = 32u << 20;

const char* Chars(const xmlChar* s) {
    return reinterpret_cast<const char*>(s);
}
const xmlChar* XmlChars(const char* s) {
    return reinterpret_cast<const xmlChar*>(s);
}

void Quiet(void*, xmlErrorPtr) {}

// The parser's last complaint, as "line N: text".
std::string ParseError(xmlParserCtxt* ctxt) {
    const xmlError* e = Libxml().xmlCtxtGetLastError(ctxt);
    if (e == nullptr || e->message == nullptr)
        return "it is not well-formed";
    std::string text = CollapseSpace(e->message);
    return e->line > 0 ? "line " + std::to_string(e->line) + ": " + text : text;
}

DocPtr ParseFile(const std::string& path, int options, std::string& error) {
    std::unique_ptr<xmlParserCtxt, void (*)(xmlParserCtxt*)> ctxt(Libxml().xmlNewParserCtxt(),
                                                                  Libxml().xmlFreeParserCtxt);
    if (!ctxt) {
        error = "out of memory";
        return nullptr;
    }
    ctxt->sax->serror = Quiet; // the complaint is taken below, not printed
    DocPtr doc(Libxml().xmlCtxtReadFile(ctxt.get(), path.c_str(), nullptr, options));
    if (!doc || !ctxt->wellFormed) {
        error = ParseError(ctxt.get());
        return nullptr;
    }
    return doc;
}

// A reference (href) resolved against the including file: a local path and
// the fragment after '#', or an error text.
struct LocalTarget {
    std::string path;
    std::string fragment;
    std::string error;
};

LocalTarget ResolveLocal(const std::string& href, const xmlDoc* from) {
    LocalTarget target;
    std::string reference = href;
    if (auto hash = reference.find('#'); hash != std::string::npos) {
        target.fragment = reference.substr(hash + 1);
        reference.erase(hash);
    }
    std::unique_ptr<xmlChar, void (*)(void*)> built(
        Libxml().xmlBuildURI(XmlChars(reference.c_str()), from->URL), *Libxml().xmlFree);
    std::string uri = built ? Chars(built.get()) : reference;
    if (uri.rfind("file://", 0) == 0) {
        uri.erase(0, 7);
        if (uri.rfind("localhost/", 0) == 0)
            uri.erase(0, 9);
        std::unique_ptr<char, void (*)(void*)> plain(Libxml().xmlURIUnescapeString(uri.c_str(), 0, nullptr),
                                                     *Libxml().xmlFree);
        if (plain)
            uri = plain.get();
    } else if (uri.find("://") != std::string::npos) {
        target.error =
            "'" + href + "' is not a local file; includes are read from local files only";
        return target;
    }
    target.path = uri;
    return target;
}

xmlNode* FindById(xmlNode* node, const std::string& id) {
    for (; node != nullptr; node = node->next) {
        if (node->type != XML_ELEMENT_NODE)
            continue;
        if (Attribute(node, "id") == id)
            return node;
        std::unique_ptr<xmlChar, void (*)(void*)> xmlId(
            Libxml().xmlGetNsProp(node, XmlChars("id"), XML_XML_NAMESPACE), *Libxml().xmlFree);
        if (xmlId && id == Chars(xmlId.get()))
            return node;
        if (xmlNode* found = FindById(node->children, id))
            return found;
    }
    return nullptr;
}

void CollectIncludes(xmlNode* node, std::vector<xmlNode*>& found) {
    for (; node != nullptr; node = node->next) {
        if (IsSchematron(node, "include"))
            found.push_back(node);
        else if (node->type == XML_ELEMENT_NODE)
            CollectIncludes(node->children, found);
    }
}

ReadTree ReadWithIncludes(const std::string& path, std::vector<std::string>& sources,
                          std::vector<std::string>& chain);

std::string ExpandIncludes(xmlDoc* doc, std::vector<std::string>& sources,
                           std::vector<std::string>& chain) {
    std::vector<xmlNode*> includes;
    CollectIncludes(Libxml().xmlDocGetRootElement(doc), includes);
    for (xmlNode* include : includes) {
        const std::string href = Attribute(include, "href");
        LocalTarget target = ResolveLocal(href, doc);
        if (!target.error.empty())
            return Where(include) + ": " + target.error;
        ReadTree included = ReadWithIncludes(target.path, sources, chain);
        if (!included.doc)
            return Where(include) + ": include '" + href + "': " + included.error;
        xmlNode* root = Libxml().xmlDocGetRootElement(included.doc.get());
        xmlNode* what = target.fragment.empty() ? root : FindById(root, target.fragment);
        if (what == nullptr)
            return Where(include) + ": include '" + href + "': no element has the id '" +
                   target.fragment + "'";
        xmlNode* copy = Libxml().xmlDocCopyNode(what, doc, 1);
        if (copy == nullptr)
            return "out of memory";
        // So that a complaint about it names the file it came from.
        std::error_code ignored;
        Libxml().xmlNodeSetBase(copy, XmlChars(fs::absolute(target.path, ignored).string().c_str()));
        Libxml().xmlReplaceNode(include, copy);
        Libxml().xmlFreeNode(include);
    }
    return {};
}

ReadTree ReadWithIncludes(const std::string& path, std::vector<std::string>& sources,
                          std::vector<std::string>& chain) {
    ReadTree tree;
    tree.problem = SchematronProblem::Unreadable;
    if (std::find(chain.begin(), chain.end(), path) != chain.end()) {
        tree.error = "'" + path + "' includes itself";
        return tree;
    }
    if (chain.size() >= static_cast<std::size_t>(kMaxIncludeDepth)) {
        tree.error = "includes nest deeper than " + std::to_string(kMaxIncludeDepth);
        return tree;
    }
    sources.push_back(path);
    std::string error;
    tree.doc = ParseFile(path, XML_PARSE_NONET | XML_PARSE_BIG_LINES, error);
    if (!tree.doc) {
        tree.error = "cannot read '" + path + "': " + error;
        return tree;
    }
    chain.push_back(path);
    tree.error = ExpandIncludes(tree.doc.get(), sources, chain);
    chain.pop_back();
    if (!tree.error.empty())
        tree.doc.reset();
    else
        tree.problem = SchematronProblem::None;
    return tree;
}

// Text nodes made neighbours by an expansion become one, as queries expect
// (text() counts them). Depth is bounded by the parser's own nesting limit.
void MergeNeighbouringText(xmlNode* parent) {
    for (xmlNode* c = parent->children; c != nullptr; c = c->next) {
        while (c->type == XML_TEXT_NODE && c->next != nullptr && c->next->type == XML_TEXT_NODE) {
            xmlNode* next = c->next;
            Libxml().xmlNodeAddContent(c, next->content);
            Libxml().xmlUnlinkNode(next);
            Libxml().xmlFreeNode(next);
        }
        if (c->type == XML_ELEMENT_NODE)
            MergeNeighbouringText(c);
    }
}

// Puts in place of each reference to an internal entity a copy of its
// content, so queries see the text the document means. References to
// external entities stay as they are: their files are not read.
bool ExpandInternalEntities(xmlDoc* doc) {
    if (doc->intSubset == nullptr)
        return true; // nothing declared, nothing to expand
    std::size_t budget = kMaxEntityExpansion;
    xmlNode* node = Libxml().xmlDocGetRootElement(doc);
    while (node != nullptr) {
        if (node->type == XML_ENTITY_REF_NODE) {
            xmlEntity* entity = Libxml().xmlGetDocEntity(doc, node->name);
            if (entity != nullptr && entity->etype == XML_INTERNAL_GENERAL_ENTITY &&
                entity->children != nullptr) {
                const std::size_t size = entity->content ? std::strlen(Chars(entity->content)) : 0;
                if (size + 1 > budget)
                    return false;
                budget -= size + 1;
                xmlNode* copies = Libxml().xmlDocCopyNodeList(doc, entity->children);
                xmlNode* first = copies;
                for (xmlNode* c = copies; c != nullptr;) {
                    xmlNode* next = c->next;
                    c->line = node->line;
                    Libxml().xmlAddPrevSibling(node, c);
                    c = next;
                }
                xmlNode* next = node->next;
                xmlNode* parent = node->parent;
                Libxml().xmlUnlinkNode(node);
                Libxml().xmlFreeNode(node);
                // The copies are walked too: they may hold references themselves.
                node = first != nullptr ? first : next;
                if (node != nullptr)
                    continue;
                node = parent; // the parent's last child is done
            }
        } else if (node->type == XML_ELEMENT_NODE && node->children != nullptr) {
            node = node->children;
            continue;
        }
        node = NextAfterSubtree(node);
    }
    if (budget != kMaxEntityExpansion)
        MergeNeighbouringText(Libxml().xmlDocGetRootElement(doc));
    return true;
}

} // namespace

bool IsSchematron(const xmlNode* node, const char* localName) {
    if (node == nullptr || node->type != XML_ELEMENT_NODE || node->ns == nullptr ||
        node->ns->href == nullptr)
        return false;
    const char* space = Chars(node->ns->href);
    if (std::strcmp(space, kIsoNamespace) != 0 && std::strcmp(space, kOldNamespace) != 0)
        return false;
    return localName == nullptr || std::strcmp(Chars(node->name), localName) == 0;
}

std::string Attribute(const xmlNode* node, const char* name) {
    std::unique_ptr<xmlChar, void (*)(void*)> value(
        Libxml().xmlGetNoNsProp(const_cast<xmlNode*>(node), XmlChars(name)), *Libxml().xmlFree);
    return value ? Chars(value.get()) : std::string();
}

bool HasAttribute(const xmlNode* node, const char* name) {
    return Libxml().xmlHasNsProp(const_cast<xmlNode*>(node), XmlChars(name), nullptr) != nullptr;
}

unsigned long LineOf(const xmlNode* node) {
    const long line = node != nullptr ? Libxml().xmlGetLineNo(node) : -1;
    return line > 0 ? static_cast<unsigned long>(line) : 0;
}

std::string Where(const xmlNode* node) {
    std::unique_ptr<xmlChar, void (*)(void*)> base(Libxml().xmlNodeGetBase(node->doc, node), *Libxml().xmlFree);
    const std::string file = base ? Chars(base.get()) : "the schema";
    return file + ", line " + std::to_string(LineOf(node));
}

std::string CollapseSpace(const std::string& text) {
    std::string out;
    bool space = false;
    for (char c : text) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') {
            space = !out.empty();
            continue;
        }
        if (space)
            out += ' ';
        space = false;
        out += c;
    }
    return out;
}

ReadTree ReadSchemaTree(const std::string& path, std::vector<std::string>& sources) {
    std::vector<std::string> chain;
    return ReadWithIncludes(path, sources, chain);
}

ReadTree ReadDocument(const std::string& path) {
    ReadTree tree;
    std::string error;
    tree.doc = ParseFile(path, XML_PARSE_NONET | XML_PARSE_BIG_LINES | XML_PARSE_NOCDATA, error);
    if (!tree.doc) {
        tree.problem = SchematronProblem::DocumentUnreadable;
        tree.error = "cannot read '" + path + "': " + error;
    } else if (!ExpandInternalEntities(tree.doc.get())) {
        tree.doc.reset();
        tree.problem = SchematronProblem::DocumentUnreadable;
        tree.error = "the entities of '" + path + "' expand to more than " +
                     std::to_string(kMaxEntityExpansion >> 20) + " MiB of text";
    }
    return tree;
}

std::string XPathProblem(const xmlError* error) {
    static const char* const kProblems[] = {"no error",
                                            "a malformed number",
                                            "a string without its closing quote",
                                            "a string expected",
                                            "a variable name expected",
                                            "an undefined variable",
                                            "a malformed predicate",
                                            "a malformed expression",
                                            "a bracket not closed",
                                            "an unknown function",
                                            "an operand of the wrong type",
                                            "a value of the wrong type",
                                            "a function called with the wrong number of arguments",
                                            "a bad context size",
                                            "a bad context position",
                                            "out of memory",
                                            "a malformed pointer",
                                            "a pointer to nothing",
                                            "a pointer to nothing",
                                            "an undefined namespace prefix",
                                            "a text encoding error",
                                            "a character not allowed"};
    if (error == nullptr)
        return {};
    const int index = error->code - XML_XPATH_EXPRESSION_OK;
    if (index >= 0 && index < static_cast<int>(sizeof kProblems / sizeof *kProblems))
        return kProblems[index];
    return error->message != nullptr ? CollapseSpace(error->message) : std::string();
}

std::string WithoutCaller(const char* message) {
    std::string text = CollapseSpace(message);
    // Where in a stylesheet: there is none to speak of.
    if (text.rfind("compilation error", 0) == 0 || text.rfind("runtime error", 0) == 0 ||
        text == "error" || text == "warning")
        return {};
    if (text.find_first_not_of("^ ") == std::string::npos)
        return {}; // the caret under a query libxml2 prints on a line of its own
    for (const char* prefix : {"error ", "XPath error : "})
        if (text.rfind(prefix, 0) == 0)
            text.erase(0, std::strlen(prefix));
    if (text.rfind("xml", 0) == 0 || text.rfind("xslt", 0) == 0) {
        std::size_t end = 0;
        while (end < text.size() && (std::isalnum(static_cast<unsigned char>(text[end])) != 0))
            ++end;
        std::size_t colon = text.compare(end, 2, " :") == 0 ? end + 1 : end;
        if (text.compare(colon, 2, ": ") == 0)
            text.erase(0, colon + 2);
    }
    return text.empty() ? text : text + "; ";
}

std::string Tidy(const std::string& list) {
    std::string text = CollapseSpace(list);
    while (!text.empty() && (text.back() == ';' || text.back() == ' '))
        text.pop_back();
    return text;
}

namespace {

void Append(std::string& into, const char* format, va_list args) {
    char buffer[1024];
    std::vsnprintf(buffer, sizeof buffer, format, args);
    if (into.size() < 4096)
        into += WithoutCaller(buffer);
}

} // namespace

XmlNotes::XmlNotes() : previous_(*Libxml().xmlGenericErrorHandler()), previousContext_(*Libxml().xmlGenericErrorHandlerContext()) {
    Libxml().xmlSetGenericErrorFunc(this, &XmlNotes::Collect);
}

XmlNotes::~XmlNotes() {
    Libxml().xmlSetGenericErrorFunc(previousContext_, previous_);
}

std::string XmlNotes::Take() {
    std::string text = Tidy(text_);
    text_.clear();
    return text;
}

void XmlNotes::Collect(void* self, const char* format, ...) {
    va_list args;
    va_start(args, format);
    Append(static_cast<XmlNotes*>(self)->text_, format, args);
    va_end(args);
}

XsltErrorCapture::XsltErrorCapture()
    : previous_(*Libxml().xsltGenericError), previousContext_(*Libxml().xsltGenericErrorContext) {
    Libxml().xsltSetGenericErrorFunc(this, &XsltErrorCapture::Collect);
}

XsltErrorCapture::~XsltErrorCapture() {
    Libxml().xsltSetGenericErrorFunc(previousContext_, previous_);
}

void XsltErrorCapture::Collect(void* self, const char* format, ...) {
    va_list args;
    va_start(args, format);
    Append(static_cast<XsltErrorCapture*>(self)->text_, format, args);
    va_end(args);
}

} // namespace schematron
