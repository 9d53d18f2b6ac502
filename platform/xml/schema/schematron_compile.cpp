// Compiling a Schematron schema: its structure read once, every query
// compiled once, so that a run only evaluates.

#include "platform/xml/schema/schematron_source.h"
#include "platform/xml/load/libxml_library.h"

#include <libxml/parser.h>
#include <libxml/xpathInternals.h>
#include <libxslt/keys.h>
#include <libxslt/xslt.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <utility>

namespace schematron {
namespace {

constexpr char kXsltNamespace[] = "http://www.w3.org/1999/XSL/Transform";
// Abstract rules extending abstract rules: deep enough for any real schema.
constexpr int kMaxExtendsDepth = 16;

const char* Chars(const xmlChar* s) {
    return reinterpret_cast<const char*>(s);
}
const xmlChar* XmlChars(const std::string& s) {
    return reinterpret_cast<const xmlChar*>(s.c_str());
}

std::string Lower(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '-' || c == '.' ||
           static_cast<unsigned char>(c) >= 0x80;
}

SchematronSeverity SeverityOf(const std::string& role) {
    const std::string r = Lower(CollapseSpace(role));
    if (r == "warning" || r == "warn" || r == "caution")
        return SchematronSeverity::Warning;
    if (r == "info" || r == "information" || r == "informational" || r == "note" || r == "hint")
        return SchematronSeverity::Information;
    return SchematronSeverity::Error;
}

// Which kinds of node a context can match. A context names attributes only
// through '@' or the attribute axis; other nodes than elements only through
// a node test or the root pattern. Erring towards more kinds costs only time.
unsigned KindsOf(const std::string& context) {
    unsigned kinds = kElements;
    if (context.find("key(") != std::string::npos || context.find("id(") != std::string::npos)
        return kElements | kAttributes | kOthers;
    if (context.find('@') != std::string::npos || context.find("attribute::") != std::string::npos)
        kinds |= kAttributes;
    for (const char* test : {"node()", "text()", "comment()", "processing-instruction("})
        if (context.find(test) != std::string::npos)
            kinds |= kOthers;
    std::size_t start = 0;
    while (start <= context.size()) {
        std::size_t bar = context.find('|', start);
        if (bar == std::string::npos)
            bar = context.size();
        if (CollapseSpace(context.substr(start, bar - start)) == "/")
            kinds |= kOthers;
        start = bar + 1;
    }
    return kinds;
}

// Whether every bracket opened outside a string literal is closed in order.
// libxml2 takes "true(" as a whole call when the text ends inside it.
bool BracketsClose(const std::string& expr) {
    std::string open;
    for (std::size_t i = 0; i < expr.size(); ++i) {
        const char c = expr[i];
        if (c == '\'' || c == '"') {
            const std::size_t end = expr.find(c, i + 1);
            if (end == std::string::npos)
                return false;
            i = end;
        } else if (c == '(' || c == '[') {
            open += c == '(' ? ')' : ']';
        } else if (c == ')' || c == ']') {
            if (open.empty() || open.back() != c)
                return false;
            open.pop_back();
        }
    }
    return open.empty();
}

using Params = std::vector<std::pair<std::string, std::string>>;

struct XPathCompileContext {
    std::unique_ptr<xmlXPathContext, void (*)(xmlXPathContext*)> ctxt{Libxml().xmlXPathNewContext(nullptr),
                                                                      Libxml().xmlXPathFreeContext};
    std::string message;
    int position = -1;
    static void Collect(void* self, xmlErrorPtr error) {
        auto* me = static_cast<XPathCompileContext*>(self);
        if (error != nullptr && me->message.empty()) {
            me->message = XPathProblem(error);
            me->position = error->int1;
        }
    }
    XPathCompileContext() {
        if (ctxt) {
            ctxt->error = &XPathCompileContext::Collect;
            ctxt->userData = this;
        }
    }
};

class Compiler {
public:
    Compiler(SchematronRules::Impl& out, xmlNode* root) : out_(out), root_(root) {}
    bool Compile(const std::string& phase);
    SchematronProblem problem = SchematronProblem::DoesNotCompile;
    std::string error;

private:
    bool Fail(const xmlNode* where, const std::string& what) {
        error = Where(where) + ": " + what;
        return false;
    }
    std::string Query(const xmlNode* node, const char* attribute) const;
    XPathPtr CompileXPath(const std::string& expr, const xmlNode* where, const char* what);
    bool ReadNamespaces();
    bool ReadKeys();
    bool SelectPhase(std::string phase, std::vector<std::string>& active, bool& all);
    bool CompileLet(xmlNode* node, std::vector<Let>& into);
    bool CompileMessage(xmlNode* node, std::vector<MessagePart>& into);
    bool CompileCheck(xmlNode* node, const std::string& ruleRole, Check& check);
    bool CompileRuleBody(xmlNode* rule, xmlNode* pattern, const std::string& role, Rule& into,
                         int depth);
    bool CompileRule(xmlNode* node, xmlNode* pattern, Rule& rule);
    bool CompilePattern(xmlNode* node, Pattern& pattern);
    xmlNode* FindById(const char* localName, const std::string& id, xmlNode* within) const;

    SchematronRules::Impl& out_;
    xmlNode* root_;
    xmlNode* holder_ = nullptr;
    const Params* params_ = nullptr; // while compiling an abstract pattern's instance
    XPathCompileContext xpath_;
};

// An attribute that holds a query, with the parameters of the abstract
// pattern being instantiated put in ($name, not $name2 for $name).
std::string Compiler::Query(const xmlNode* node, const char* attribute) const {
    const std::string text = Attribute(node, attribute);
    if (params_ == nullptr || text.find('$') == std::string::npos)
        return text;
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        if (text[i] != '$') {
            out += text[i++];
            continue;
        }
        std::size_t end = i + 1;
        while (end < text.size() && IsNameChar(text[end]))
            ++end;
        const std::string name = text.substr(i + 1, end - i - 1);
        auto param = std::find_if(params_->begin(), params_->end(),
                                  [&](const auto& p) { return p.first == name; });
        out += param != params_->end() ? param->second : text.substr(i, end - i);
        i = end;
    }
    return out;
}

XPathPtr Compiler::CompileXPath(const std::string& expr, const xmlNode* where, const char* what) {
    xpath_.message.clear();
    XPathPtr compiled(xpath_.ctxt ? Libxml().xmlXPathCtxtCompile(xpath_.ctxt.get(), XmlChars(expr))
                                  : nullptr);
    if (compiled && !BracketsClose(expr)) {
        compiled.reset();
        xpath_.message = "a bracket or a quote not closed";
        xpath_.position = -1;
    }
    if (!compiled) {
        std::string why =
            xpath_.message.empty() ? std::string("it cannot be compiled") : xpath_.message;
        if (xpath_.position >= 0)
            why += " at character " + std::to_string(xpath_.position + 1);
        Fail(where,
             std::string("the ") + what + " '" + expr + "' is not an XPath 1.0 expression: " + why);
    }
    return compiled;
}

bool Compiler::ReadNamespaces() {
    out_.namespaceHolder.reset(Libxml().xmlNewDoc(reinterpret_cast<const xmlChar*>("1.0")));
    holder_ = out_.namespaceHolder ? Libxml().xmlNewDocNode(out_.namespaceHolder.get(), nullptr,
                                                   reinterpret_cast<const xmlChar*>("ns"), nullptr)
                                   : nullptr;
    if (holder_ == nullptr)
        return Fail(root_, "out of memory");
    Libxml().xmlDocSetRootElement(out_.namespaceHolder.get(), holder_);
    // document('relative') is read relative to the schema, as from a stylesheet.
    out_.namespaceHolder->URL = Libxml().xmlStrdup(root_->doc->URL);
    for (xmlNode* n = root_->children; n != nullptr; n = n->next) {
        if (!IsSchematron(n, "ns"))
            continue;
        const std::string prefix = Attribute(n, "prefix");
        const std::string uri = Attribute(n, "uri");
        if (prefix.empty() || !HasAttribute(n, "uri"))
            return Fail(n, "an ns element needs a prefix and a uri");
        xmlNs* existing = Libxml().xmlSearchNs(out_.namespaceHolder.get(), holder_, XmlChars(prefix));
        if (existing != nullptr && uri != Chars(existing->href))
            return Fail(n, "the prefix '" + prefix + "' is declared for two namespaces");
        if (existing == nullptr && Libxml().xmlNewNs(holder_, XmlChars(uri), XmlChars(prefix)) == nullptr)
            return Fail(n, "the prefix '" + prefix + "' cannot be declared");
    }
    // Prefixes the schema element itself declares serve too where no ns
    // element names them: 1.5 schemas were run with them in scope, and
    // many rely on it.
    for (const xmlNs* ns = root_->nsDef; ns != nullptr; ns = ns->next)
        if (ns->prefix != nullptr &&
            Libxml().xmlSearchNs(out_.namespaceHolder.get(), holder_, ns->prefix) == nullptr)
            Libxml().xmlNewNs(holder_, ns->href, ns->prefix);
    for (xmlNs* ns = holder_->nsDef; ns != nullptr; ns = ns->next)
        out_.namespaces.push_back(ns);
    return true;
}

// Keys for key(): ISO schemas declare them as xsl:key, 1.5 schemas as key
// (match, path).
bool Compiler::ReadKeys() {
    for (xmlNode* n = root_->children; n != nullptr; n = n->next) {
        const bool xslKey = n->type == XML_ELEMENT_NODE && n->ns != nullptr &&
                            std::strcmp(Chars(n->ns->href), kXsltNamespace) == 0 &&
                            std::strcmp(Chars(n->name), "key") == 0;
        if (!xslKey && !IsSchematron(n, "key"))
            continue;
        const std::string name = Attribute(n, "name");
        const std::string match = Attribute(n, "match");
        const std::string use = Attribute(n, xslKey ? "use" : "path");
        if (name.empty() || match.empty() || use.empty())
            return Fail(n, "a key needs a name, a match and a " +
                               std::string(xslKey ? "use" : "path"));
        XsltErrorCapture capture;
        if (Libxml().xsltAddKey(out_.stylesheet.get(), XmlChars(name), nullptr, XmlChars(match),
                       XmlChars(use), holder_) != 0 ||
            !capture.text().empty())
            return Fail(n, "the key '" + name + "' cannot be compiled: " + Tidy(capture.text()));
        ++out_.keyCount;
    }
    return true;
}

bool Compiler::SelectPhase(std::string phase, std::vector<std::string>& active, bool& all) {
    if (phase.empty() || phase == "#DEFAULT")
        phase = Attribute(root_, "defaultPhase");
    all = phase.empty() || phase == "#ALL";
    out_.phase = all ? "#ALL" : phase;
    if (all)
        return true;
    std::string known;
    for (xmlNode* n = root_->children; n != nullptr; n = n->next) {
        if (!IsSchematron(n, "phase"))
            continue;
        const std::string id = Attribute(n, "id");
        if (id != phase) {
            known += (known.empty() ? "" : ", ") + id;
            continue;
        }
        for (xmlNode* a = n->children; a != nullptr; a = a->next) {
            if (IsSchematron(a, "active"))
                active.push_back(Attribute(a, "pattern"));
            else if (IsSchematron(a, "let") && !CompileLet(a, out_.globals))
                return false;
        }
        return true;
    }
    error = "the schema has no phase '" + phase + "'" +
            (known.empty() ? std::string(" (it has none)") : " (it has " + known + ")");
    return false;
}

bool Compiler::CompileLet(xmlNode* node, std::vector<Let>& into) {
    Let let;
    let.name = Attribute(node, "name");
    if (let.name.empty())
        return Fail(node, "a let needs a name");
    if (!HasAttribute(node, "value"))
        return Fail(node, "the let '" + let.name +
                              "' has no value (a value given as content is not supported)");
    let.source = Query(node, "value");
    let.value = CompileXPath(let.source, node, "value");
    if (!let.value)
        return false;
    into.push_back(std::move(let));
    return true;
}

bool Compiler::CompileMessage(xmlNode* node, std::vector<MessagePart>& into) {
    for (xmlNode* n = node->children; n != nullptr; n = n->next) {
        std::string query;
        if (n->type == XML_TEXT_NODE || n->type == XML_CDATA_SECTION_NODE ||
            n->type == XML_ENTITY_REF_NODE) {
            std::unique_ptr<xmlChar, void (*)(void*)> text(Libxml().xmlNodeGetContent(n), *Libxml().xmlFree);
            if (into.empty() || into.back().query)
                into.emplace_back();
            into.back().text += text ? Chars(text.get()) : "";
            continue;
        }
        if (IsSchematron(n, "name")) {
            const std::string path = Query(n, "path");
            query = "name(" + (path.empty() ? std::string(".") : path) + ")";
        } else if (IsSchematron(n, "value-of")) {
            if (!HasAttribute(n, "select"))
                return Fail(n, "a value-of needs a select");
            query = "string((" + Query(n, "select") + "))";
        } else if (n->type == XML_ELEMENT_NODE) {
            if (!CompileMessage(n, into)) // emph, dir, span and the like: their text
                return false;
            continue;
        } else {
            continue;
        }
        MessagePart part;
        part.query =
            CompileXPath(query, n, IsSchematron(n, "name") ? "name path" : "value-of select");
        if (!part.query)
            return false;
        into.push_back(std::move(part));
    }
    return true;
}

bool Compiler::CompileCheck(xmlNode* node, const std::string& ruleRole, Check& check) {
    check.report = IsSchematron(node, "report");
    check.id = Attribute(node, "id");
    check.role = HasAttribute(node, "role") ? Attribute(node, "role") : ruleRole;
    check.severity = SeverityOf(check.role);
    if (!HasAttribute(node, "test"))
        return Fail(node,
                    std::string("an ") + (check.report ? "report" : "assert") + " needs a test");
    check.test = Query(node, "test");
    check.query = CompileXPath(check.test, node, "test");
    if (!check.query)
        return false;
    if (HasAttribute(node, "subject")) {
        check.subject = CompileXPath(Query(node, "subject"), node, "subject");
        if (!check.subject)
            return false;
    }
    if (!CompileMessage(node, check.message))
        return false;
    const std::string names = Attribute(node, "diagnostics");
    for (std::size_t at = 0; at < names.size();) {
        const std::size_t start = names.find_first_not_of(" \t\r\n", at);
        if (start == std::string::npos)
            break;
        at = std::min(names.find_first_of(" \t\r\n", start), names.size());
        const std::string id = names.substr(start, at - start);
        xmlNode* diagnostic = FindById("diagnostic", id, root_);
        if (diagnostic == nullptr)
            return Fail(node, "there is no diagnostic '" + id + "'");
        check.diagnostics.emplace_back();
        check.diagnostics.back().text = " ";
        if (!CompileMessage(diagnostic, check.diagnostics))
            return false;
    }
    return true;
}

xmlNode* Compiler::FindById(const char* localName, const std::string& id, xmlNode* within) const {
    for (xmlNode* n = within->children; n != nullptr; n = n->next) {
        if (IsSchematron(n, localName) && Attribute(n, "id") == id)
            return n;
        if (n->type == XML_ELEMENT_NODE && !IsSchematron(n, "rule") && !IsSchematron(n, "assert") &&
            !IsSchematron(n, "report"))
            if (xmlNode* found = FindById(localName, id, n))
                return found;
    }
    return nullptr;
}

// A rule's lets and checks in order, an abstract rule's put in where the
// rule extends it.
bool Compiler::CompileRuleBody(xmlNode* rule, xmlNode* pattern, const std::string& role, Rule& into,
                               int depth) {
    for (xmlNode* n = rule->children; n != nullptr; n = n->next) {
        if (IsSchematron(n, "let")) {
            if (!CompileLet(n, into.lets))
                return false;
        } else if (IsSchematron(n, "assert") || IsSchematron(n, "report")) {
            Check check;
            if (!CompileCheck(n, role, check))
                return false;
            into.checks.push_back(std::move(check));
        } else if (IsSchematron(n, "extends")) {
            if (!HasAttribute(n, "rule"))
                return Fail(n, "an extends without a rule (extends by href) is not supported");
            const std::string id = Attribute(n, "rule");
            xmlNode* base = FindById("rule", id, pattern);
            if (base == nullptr)
                base = FindById("rule", id, root_);
            if (base == nullptr || Attribute(base, "abstract") != "true")
                return Fail(n, "there is no abstract rule '" + id + "' to extend");
            if (depth >= kMaxExtendsDepth)
                return Fail(n, "abstract rules extend each other deeper than " +
                                   std::to_string(kMaxExtendsDepth) + " (a loop?)");
            if (!CompileRuleBody(base, pattern, role, into, depth + 1))
                return false;
        }
    }
    return true;
}

bool Compiler::CompileRule(xmlNode* node, xmlNode* pattern, Rule& rule) {
    rule.context = Query(node, "context");
    if (CollapseSpace(rule.context).empty())
        return Fail(node, "a rule needs a context");
    {
        XsltErrorCapture capture;
        rule.match.reset(Libxml().xsltCompilePattern(XmlChars(rule.context), out_.namespaceHolder.get(),
                                            holder_, out_.stylesheet.get(), nullptr));
        if (!rule.match || !capture.text().empty()) {
            const std::string why = Tidy(capture.text());
            return Fail(node, "the context '" + rule.context + "' is not an XSLT 1.0 pattern" +
                                  (why.empty() ? std::string() : ": " + why));
        }
    }
    rule.kinds = KindsOf(rule.context);
    if (HasAttribute(node, "subject")) {
        rule.subject = CompileXPath(Query(node, "subject"), node, "subject");
        if (!rule.subject)
            return false;
    }
    return CompileRuleBody(node, pattern, Attribute(node, "role"), rule, 0);
}

bool Compiler::CompilePattern(xmlNode* node, Pattern& pattern) {
    pattern.name = HasAttribute(node, "id") ? Attribute(node, "id") : Attribute(node, "name");
    if (HasAttribute(node, "documents"))
        return Fail(node, "patterns over other documents (documents=) are not supported");
    xmlNode* body = node;
    Params params;
    if (HasAttribute(node, "is-a")) {
        const std::string base = Attribute(node, "is-a");
        body = FindById("pattern", base, root_);
        if (body == nullptr || Attribute(body, "abstract") != "true")
            return Fail(node, "there is no abstract pattern '" + base + "'");
        for (xmlNode* p = node->children; p != nullptr; p = p->next)
            if (IsSchematron(p, "param"))
                params.emplace_back(Attribute(p, "name"), Attribute(p, "value"));
        params_ = &params;
    }
    bool ok = true;
    for (xmlNode* n = body->children; n != nullptr && ok; n = n->next) {
        if (IsSchematron(n, "let")) {
            ok = CompileLet(n, pattern.lets);
        } else if (IsSchematron(n, "rule") && Attribute(n, "abstract") != "true") {
            Rule rule;
            ok = CompileRule(n, body, rule);
            pattern.kinds |= rule.kinds;
            pattern.rules.push_back(std::move(rule));
        }
    }
    params_ = nullptr;
    return ok;
}

bool Compiler::Compile(const std::string& phase) {
    out_.stylesheet.reset(Libxml().xsltNewStylesheet());
    if (!out_.stylesheet)
        return Fail(root_, "out of memory");
    if (!ReadNamespaces() || !ReadKeys())
        return false;
    for (xmlNode* n = root_->children; n != nullptr; n = n->next)
        if (IsSchematron(n, "let") && !CompileLet(n, out_.globals))
            return false;
    std::vector<std::string> active;
    bool all = true;
    if (!SelectPhase(phase, active, all))
        return false;
    for (xmlNode* n = root_->children; n != nullptr; n = n->next) {
        if (!IsSchematron(n, "pattern") || Attribute(n, "abstract") == "true")
            continue;
        const std::string id = Attribute(n, "id");
        if (!all && std::find(active.begin(), active.end(), id) == active.end())
            continue;
        Pattern pattern;
        if (!CompilePattern(n, pattern))
            return false;
        out_.kinds |= pattern.kinds;
        out_.patterns.push_back(std::move(pattern));
    }
    return true;
}

// The schema's dialect, or why it is not one this engine checks.
SchematronProblem JudgeRoot(const xmlNode* root, std::string& dialect, std::string& error) {
    if (!IsSchematron(root, "schema")) {
        const std::string space = root->ns != nullptr ? Chars(root->ns->href) : "";
        error = "the root element is {" + space + "}" + Chars(root->name) +
                ", not a Schematron schema (ISO or 1.5)";
        return SchematronProblem::NotSchematron;
    }
    dialect = std::strcmp(Chars(root->ns->href), kIsoNamespace) == 0 ? "ISO" : "1.5";
    const std::string binding = Lower(CollapseSpace(Attribute(root, "queryBinding")));
    if (binding.empty() || binding == "xslt" || binding == "xslt1" || binding == "xpath")
        return SchematronProblem::None;
    error = "its query language binding '" + binding +
            "' cannot be checked: only XSLT 1.0 and XPath 1.0 (xslt, xpath) are supported";
    return SchematronProblem::CannotCheck;
}

} // namespace
} // namespace schematron

SchematronRules::SchematronRules(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
SchematronRules::~SchematronRules() = default;
std::string SchematronRules::Dialect() const {
    return impl_->dialect;
}
std::string SchematronRules::Phase() const {
    return impl_->phase;
}
std::vector<std::string> SchematronRules::Sources() const {
    return impl_->sources;
}

SchematronCompiled CompileSchematron(const std::string& schemaPath, const std::string& phase) {
    using namespace schematron;
    Libxml().xmlInitParser();
    SchematronCompiled result;
    auto impl = std::make_unique<SchematronRules::Impl>();
    ReadTree tree = ReadSchemaTree(schemaPath, impl->sources);
    if (!tree.doc) {
        result.problem = tree.problem;
        result.error = tree.error;
        return result;
    }
    xmlNode* root = Libxml().xmlDocGetRootElement(tree.doc.get());
    result.problem = JudgeRoot(root, impl->dialect, result.error);
    if (result.problem == SchematronProblem::None) {
        Compiler compiler(*impl, root);
        if (compiler.Compile(phase)) {
            result.rules = std::make_shared<SchematronRules>(std::move(impl));
            return result;
        }
        result.problem = compiler.problem;
        result.error = compiler.error;
    }
    result.error = "Schematron schema '" + schemaPath + "': " + result.error;
    return result;
}
