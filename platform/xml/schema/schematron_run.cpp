// Running a compiled Schematron schema on a document: one walk over the
// document's nodes in document order; at each node every active pattern
// offers it to its rules, and the first rule whose context matches handles
// it, as the first matching template would.

#include "platform/xml/schema/schematron_source.h"
#include "platform/xml/load/libxml_library.h"

#include <libxml/parser.h>
#include <libxml/xpathInternals.h>
#include <libxslt/functions.h>
#include <libxslt/security.h>
#include <libxslt/transform.h>
#include <libxslt/xsltutils.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace schematron {
namespace {

struct FreeObject {
    void operator()(xmlXPathObject* o) const { Libxml().xmlXPathFreeObject(o); }
};
using ObjectPtr = std::unique_ptr<xmlXPathObject, FreeObject>;
using Variables = std::vector<std::pair<std::string, ObjectPtr>>;

struct FreeTransform {
    void operator()(xsltTransformContext* c) const { Libxml().xsltFreeTransformContext(c); }
};
struct FreeSecurity {
    void operator()(xsltSecurityPrefs* s) const { Libxml().xsltFreeSecurityPrefs(s); }
};

const char* Chars(const xmlChar* s) {
    return reinterpret_cast<const char*>(s);
}

xmlXPathObject* Find(const Variables& variables, const xmlChar* name) {
    for (auto it = variables.rbegin(); it != variables.rend(); ++it)
        if (it->first == Chars(name))
            return it->second.get();
    return nullptr;
}

// The line a failure is reported at for a node.
unsigned long ReportLine(const xmlNode* node) {
    if (node->type == XML_ATTRIBUTE_NODE)
        node = node->parent;
    else if (node->type == XML_DOCUMENT_NODE)
        node = Libxml().xmlDocGetRootElement(reinterpret_cast<const xmlDoc*>(node));
    return LineOf(node);
}

class Runner {
public:
    Runner(const SchematronRules::Impl& rules, xmlDoc* doc, const SchematronLimits& limits)
        : rules_(rules), doc_(doc), limits_(limits) {}
    SchematronOutcome Run();

private:
    bool Prepare();
    bool EvaluateLets(const std::vector<Let>& lets, xmlNode* node, Variables& into);
    ObjectPtr Evaluate(xmlXPathCompExpr* query, xmlNode* node, const std::string& what);
    void Walk();
    void Offer(xmlNode* node, unsigned kind);
    bool Fire(const Pattern& pattern, const Rule& rule, xmlNode* node);
    bool Text(const std::vector<MessagePart>& parts, xmlNode* node, const std::string& what,
              std::string& into);
    bool Record(const Pattern& pattern, const Rule& rule, const Check& check, xmlNode* node);
    bool Fail(const std::string& what);

    static xmlXPathObject* LookUp(void* self, const xmlChar* name, const xmlChar* space);
    static void XPathError(void* self, xmlErrorPtr error);
    static void TransformError(void* self, const char* format, ...);

    const SchematronRules::Impl& rules_;
    xmlDoc* doc_;
    SchematronLimits limits_;
    SchematronOutcome outcome_;
    XmlNotes notes_; // kept quiet: they explain an error, or belong to a recovery
    std::unique_ptr<xsltSecurityPrefs, FreeSecurity> security_;
    std::unique_ptr<xsltTransformContext, FreeTransform> transform_;
    Variables globals_;
    std::vector<Variables> patternVariables_;
    const Variables* pattern_ = nullptr; // the variables of the pattern at work
    Variables rule_;                     // and of the rule at work
    std::string engineError_;
    std::size_t errors_ = 0;
    bool stop_ = false;
};

xmlXPathObject* Runner::LookUp(void* self, const xmlChar* name, const xmlChar* space) {
    auto* me = static_cast<Runner*>(self);
    if (space != nullptr)
        return nullptr;
    xmlXPathObject* found = Find(me->rule_, name);
    if (found == nullptr && me->pattern_ != nullptr)
        found = Find(*me->pattern_, name);
    if (found == nullptr)
        found = Find(me->globals_, name);
    return found != nullptr ? Libxml().xmlXPathObjectCopy(found) : nullptr;
}

void Runner::XPathError(void* self, xmlErrorPtr error) {
    auto* me = static_cast<Runner*>(self);
    if (error != nullptr && me->engineError_.empty())
        me->engineError_ = XPathProblem(error);
}

void Runner::TransformError(void* self, const char* format, ...) {
    char buffer[1024];
    va_list args;
    va_start(args, format);
    std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    auto* me = static_cast<Runner*>(self);
    if (me->engineError_.size() < 1024)
        me->engineError_ += WithoutCaller(buffer);
}

bool Runner::Fail(const std::string& what) {
    if (outcome_.problem == SchematronProblem::None) {
        outcome_.problem = SchematronProblem::EvaluationFailed;
        outcome_.error = what;
        std::string why = Tidy(engineError_);
        const std::string notes = notes_.Take(); // e.g. which function is unknown
        if (!notes.empty())
            why += (why.empty() ? "" : "; ") + notes;
        if (!why.empty())
            outcome_.error += ": " + why;
    }
    stop_ = true;
    return false;
}

// A transformation context without a transformation: it gives the XSLT
// functions what they need (current() reads its node), and its security
// settings keep document() off the network and from writing anything.
bool Runner::Prepare() {
    security_.reset(Libxml().xsltNewSecurityPrefs());
    transform_.reset(Libxml().xsltNewTransformContext(rules_.stylesheet.get(), doc_));
    if (!security_ || !transform_)
        return Fail("out of memory");
    for (xsltSecurityOption option : {XSLT_SECPREF_READ_NETWORK, XSLT_SECPREF_WRITE_NETWORK,
                                      XSLT_SECPREF_WRITE_FILE, XSLT_SECPREF_CREATE_DIRECTORY})
        Libxml().xsltSetSecurityPrefs(security_.get(), option, Libxml().xsltSecurityForbid);
    if (!limits_.documentReadsLocalFiles)
        Libxml().xsltSetSecurityPrefs(security_.get(), XSLT_SECPREF_READ_FILE, Libxml().xsltSecurityForbid);
    Libxml().xsltSetCtxtSecurityPrefs(security_.get(), transform_.get());
    Libxml().xsltSetCtxtParseOptions(transform_.get(),
                            XML_PARSE_NONET | XML_PARSE_NOCDATA | XML_PARSE_BIG_LINES);
    Libxml().xsltSetTransformErrorFunc(transform_.get(), this, &Runner::TransformError);
    transform_->inst = Libxml().xmlDocGetRootElement(rules_.namespaceHolder.get());
    // key() computes a document's keys only when told how many there are
    // (a transformation counts them when it starts).
    transform_->nbKeys = rules_.keyCount;
    xmlXPathContext* xpath = transform_->xpathCtxt;
    Libxml().xsltRegisterAllFunctions(xpath);
    Libxml().xmlXPathRegisterVariableLookup(xpath, &Runner::LookUp, this);
    xpath->error = &Runner::XPathError;
    xpath->userData = this;
    return true;
}

ObjectPtr Runner::Evaluate(xmlXPathCompExpr* query, xmlNode* node, const std::string& what) {
    xmlXPathContext* xpath = transform_->xpathCtxt;
    xpath->doc = doc_;
    xpath->node = node;
    xpath->contextSize = 1;
    xpath->proximityPosition = 1;
    xpath->namespaces = const_cast<xmlNs**>(rules_.namespaces.data());
    xpath->nsNr = static_cast<int>(rules_.namespaces.size());
    transform_->node = node;
    engineError_.clear();
    notes_.Take();
    ObjectPtr value(Libxml().xmlXPathCompiledEval(query, xpath));
    if (!value || !engineError_.empty()) {
        Fail(what + " failed at line " + std::to_string(ReportLine(node)));
        return nullptr;
    }
    return value;
}

bool Runner::EvaluateLets(const std::vector<Let>& lets, xmlNode* node, Variables& into) {
    for (const Let& let : lets) {
        ObjectPtr value =
            Evaluate(let.value.get(), node, "the let '" + let.name + "' (" + let.source + ")");
        if (!value)
            return false;
        into.emplace_back(let.name, std::move(value));
    }
    return true;
}

bool Runner::Text(const std::vector<MessagePart>& parts, xmlNode* node, const std::string& what,
                  std::string& into) {
    std::string text;
    for (const MessagePart& part : parts) {
        if (!part.query) {
            text += part.text;
            continue;
        }
        ObjectPtr value = Evaluate(part.query.get(), node, what);
        if (!value)
            return false;
        std::unique_ptr<xmlChar, void (*)(void*)> string(Libxml().xmlXPathCastToString(value.get()),
                                                         *Libxml().xmlFree);
        text += string ? Chars(string.get()) : "";
    }
    into = CollapseSpace(text);
    return true;
}

bool Runner::Record(const Pattern& pattern, const Rule& rule, const Check& check, xmlNode* node) {
    SchematronFailure failure;
    failure.report = check.report;
    failure.id = check.id;
    failure.role = check.role;
    failure.severity = check.severity;
    failure.pattern = pattern.name;
    failure.test = check.test;
    xmlNode* at = node;
    if (xmlXPathCompExpr* subject = check.subject ? check.subject.get() : rule.subject.get()) {
        ObjectPtr selected = Evaluate(subject, node, "the subject of '" + check.test + "'");
        if (!selected)
            return false;
        if (selected->type == XPATH_NODESET && selected->nodesetval != nullptr &&
            selected->nodesetval->nodeNr > 0)
            at = selected->nodesetval->nodeTab[0];
    }
    failure.line = ReportLine(at);
    if (!Text(check.message, node, "the message of '" + check.test + "'", failure.message) ||
        !Text(check.diagnostics, node, "the diagnostics of '" + check.test + "'",
              failure.diagnostics))
        return false;
    if (failure.severity == SchematronSeverity::Error)
        ++errors_;
    outcome_.failures.push_back(std::move(failure));
    if ((limits_.maxErrors > 0 && errors_ >= limits_.maxErrors) ||
        (limits_.maxFailures > 0 && outcome_.failures.size() >= limits_.maxFailures)) {
        outcome_.stoppedEarly = true;
        stop_ = true;
    }
    return true;
}

bool Runner::Fire(const Pattern& pattern, const Rule& rule, xmlNode* node) {
    rule_.clear();
    if (!EvaluateLets(rule.lets, node, rule_))
        return false;
    for (const Check& check : rule.checks) {
        ObjectPtr value = Evaluate(check.query.get(), node, "the test '" + check.test + "'");
        if (!value)
            return false;
        const bool holds = Libxml().xmlXPathCastToBoolean(value.get()) != 0;
        if (holds == check.report && !Record(pattern, rule, check, node))
            return false;
        if (stop_)
            break;
    }
    rule_.clear();
    return true;
}

void Runner::Offer(xmlNode* node, unsigned kind) {
    if (!(rules_.kinds & kind))
        return;
    for (std::size_t p = 0; p < rules_.patterns.size() && !stop_; ++p) {
        const Pattern& pattern = rules_.patterns[p];
        if (!(pattern.kinds & kind))
            continue;
        pattern_ = &patternVariables_[p];
        for (const Rule& rule : pattern.rules) {
            if (!(rule.kinds & kind))
                continue;
            engineError_.clear();
            transform_->node = node; // current() in a context's predicate is the node tried
            const int matched = Libxml().xsltTestCompMatchList(transform_.get(), node, rule.match.get());
            if (matched < 0 || !engineError_.empty()) {
                Fail("the context '" + rule.context + "' failed at line " +
                     std::to_string(ReportLine(node)));
                return;
            }
            if (matched == 1) {
                Fire(pattern, rule, node);
                break;
            }
        }
    }
}

// Document order: a node, its attributes, then its children.
void Runner::Walk() {
    Offer(reinterpret_cast<xmlNode*>(doc_), kOthers);
    xmlNode* node = doc_->children;
    while (node != nullptr && !stop_) {
        const bool element = node->type == XML_ELEMENT_NODE;
        if (element) {
            if (limits_.progress)
                limits_.progress(static_cast<unsigned long>(Libxml().xmlGetLineNo(node)));
            Offer(node, kElements);
            for (xmlAttr* a = node->properties; a != nullptr && !stop_; a = a->next)
                Offer(reinterpret_cast<xmlNode*>(a), kAttributes);
        } else if (node->type == XML_TEXT_NODE || node->type == XML_COMMENT_NODE ||
                   node->type == XML_PI_NODE) {
            Offer(node, kOthers);
        }
        if (element && node->children != nullptr) {
            node = node->children;
            continue;
        }
        node = NextAfterSubtree(node);
    }
}

SchematronOutcome Runner::Run() {
    if (!Prepare())
        return std::move(outcome_);
    xmlNode* top = reinterpret_cast<xmlNode*>(doc_);
    if (!EvaluateLets(rules_.globals, top, globals_))
        return std::move(outcome_);
    patternVariables_.resize(rules_.patterns.size());
    for (std::size_t p = 0; p < rules_.patterns.size(); ++p) {
        pattern_ = &patternVariables_[p];
        if (!EvaluateLets(rules_.patterns[p].lets, top, patternVariables_[p]))
            return std::move(outcome_);
    }
    Walk();
    return std::move(outcome_);
}

} // namespace
} // namespace schematron

SchematronOutcome RunSchematronOnDocument(const SchematronRules& rules, xmlDoc* document,
                                          const SchematronLimits& limits) {
    if (document == nullptr || Libxml().xmlDocGetRootElement(document) == nullptr) {
        SchematronOutcome outcome;
        outcome.problem = SchematronProblem::DocumentUnreadable;
        outcome.error = "the document has no root element";
        return outcome;
    }
    return schematron::Runner(rules.impl(), document, limits).Run();
}

SchematronOutcome RunSchematron(const SchematronRules& rules, const std::string& documentPath,
                                const SchematronLimits& limits) {
    Libxml().xmlInitParser();
    schematron::ReadTree tree = schematron::ReadDocument(documentPath);
    if (!tree.doc) {
        SchematronOutcome outcome;
        outcome.problem = tree.problem;
        outcome.error = tree.error;
        return outcome;
    }
    // Numbers the elements in document order, which makes sorting node sets
    // cheap; this document is ours to write in.
    Libxml().xmlXPathOrderDocElems(tree.doc.get());
    return RunSchematronOnDocument(rules, tree.doc.get(), limits);
}
