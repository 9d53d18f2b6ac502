#pragma once
// What a compiled Schematron schema is made of, for the files that compile
// and run it, and the entry point for a caller that already holds the
// document as a libxml2 tree.

#include "platform/xml/load/libxml_library.h"
#include "platform/xml/schema/schematron.h"

#include <libxml/tree.h>
#include <libxml/xpath.h>
#include <libxslt/pattern.h>
#include <libxslt/xsltInternals.h>

#include <memory>
#include <string>
#include <vector>

// Runs the rules on a document the caller parsed (keep line numbers:
// XML_PARSE_BIG_LINES). The document is only read.
SchematronOutcome RunSchematronOnDocument(const SchematronRules& rules, xmlDoc* document,
                                          const SchematronLimits& limits = {});

namespace schematron {

// The node after `node` and all it holds, in document order, climbing out of
// the elements it ends; nullptr past the root element's last node.
inline xmlNode* NextAfterSubtree(xmlNode* node)
{
    while (node != nullptr && node->next == nullptr)
        node = node->parent != nullptr && node->parent->type == XML_ELEMENT_NODE ? node->parent : nullptr;
    return node != nullptr ? node->next : nullptr;
}

struct FreeDoc {
    void operator()(xmlDoc* d) const { Libxml().xmlFreeDoc(d); }
};
struct FreeXPath {
    void operator()(xmlXPathCompExpr* e) const { Libxml().xmlXPathFreeCompExpr(e); }
};
struct FreeMatch {
    void operator()(xsltCompMatch* m) const { Libxml().xsltFreeCompMatchList(m); }
};
struct FreeStylesheet {
    void operator()(xsltStylesheet* s) const { Libxml().xsltFreeStylesheet(s); }
};
using DocPtr = std::unique_ptr<xmlDoc, FreeDoc>;
using XPathPtr = std::unique_ptr<xmlXPathCompExpr, FreeXPath>;
using MatchPtr = std::unique_ptr<xsltCompMatch, FreeMatch>;
using StylesheetPtr = std::unique_ptr<xsltStylesheet, FreeStylesheet>;

// A piece of a message: literal text, or a query whose string value is put in.
struct MessagePart {
    std::string text;
    XPathPtr query;
};

struct Let {
    std::string name;
    std::string source;
    XPathPtr value;
};

struct Check {
    bool report = false;
    std::string id;
    std::string role;
    SchematronSeverity severity = SchematronSeverity::Error;
    std::string test;
    XPathPtr query;
    XPathPtr subject; // null: the context node
    std::vector<MessagePart> message;
    std::vector<MessagePart> diagnostics;
};

// Which kinds of node a rule's context can match, so that a walk offers it
// only those.
enum NodeKinds : unsigned { kElements = 1, kAttributes = 2, kOthers = 4 };

struct Rule {
    std::string context;
    MatchPtr match;
    unsigned kinds = kElements;
    std::vector<Let> lets; // in order; a let sees those before it
    std::vector<Check> checks;
    XPathPtr subject;
};

struct Pattern {
    std::string name; // id, else name
    std::vector<Let> lets;
    std::vector<Rule> rules;
    unsigned kinds = 0; // union of its rules'
};

} // namespace schematron

struct SchematronRules::Impl {
    std::string dialect;
    std::string phase;
    std::vector<std::string> sources;
    // The `ns` declarations live on the root of this small document: the
    // compiled contexts and keys point at them.
    schematron::DocPtr namespaceHolder;
    std::vector<xmlNs*> namespaces;
    // An empty stylesheet: what the XSLT functions and the compiled contexts
    // need of one; it also holds the keys.
    schematron::StylesheetPtr stylesheet;
    int keyCount = 0;
    std::vector<schematron::Let> globals; // schema's, then the phase's
    std::vector<schematron::Pattern> patterns;
    unsigned kinds = 0;
};
