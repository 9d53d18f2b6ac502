#pragma once
// Rule-based checks of a document: a Schematron schema is read and compiled
// once into a rule set that can be run on any number of documents.
//
// Both dialects are read, judged by the schema's own root element: ISO
// (http://purl.oclc.org/dsdl/schematron) and the older 1.5
// (http://www.ascc.net/xml/schematron). Queries are XPath 1.0 with the
// XSLT 1.0 functions (current(), key(), document(), generate-id(),
// format-number(), system-property(), element-available(),
// function-available()); a schema that asks for an XSLT 2 or 3 binding is
// refused as one that cannot be checked, never run half right.
//
// Read: pattern, rule (context is an XSLT pattern; within a pattern a node
// is handled by the first rule whose context matches it, attributes and
// text included), assert, report, let (schema, phase, pattern and rule
// level, with a value), ns, phase/active with defaultPhase, include (with a
// #id), abstract patterns (is-a with param, put in the query attributes) and
// abstract rules (extends rule=), value-of, name, emph/dir/span (their text),
// diagnostics, subject, role, keys (xsl:key, and 1.5's key).
// Refused as not compiling: a let given by content, extends href=, pattern
// documents=. Ignored: title, p, flag, properties, xsl:function and other
// XSLT elements but xsl:key. Attribute defaults from a DTD are not applied.
//
// Nothing here reaches the network: includes, document() and the document's
// own parse read local files only.

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// Why a schema or a run gave no verdict.
enum class SchematronProblem {
    None,
    Unreadable,         // the schema (or a file it includes) cannot be read or is not well-formed
    NotSchematron,      // the root is not a schema element of either dialect
    CannotCheck,        // a query binding other than XSLT 1.0 / XPath 1.0
    DoesNotCompile,     // a query that does not compile, an unknown phase, a broken structure
    DocumentUnreadable, // the document to check cannot be read or is not well-formed
    EvaluationFailed,   // a query failed on the document (unknown function, undefined prefix...)
};

// How serious a failed assert or a fired report is, from its `role` (else its
// rule's), compared without regard to case and surrounding spaces:
//   warning, warn, caution                      -> Warning
//   info, information, informational, note, hint -> Information
//   anything else, and no role at all           -> Error
enum class SchematronSeverity { Error, Warning, Information };

struct SchematronFailure {
    unsigned long line = 0;  // of the context node (an attribute's: its element's; the
                             // document node's: the root element's), or of the node
                             // the check's `subject` selects
    std::string message;     // the check's text, value-of and name evaluated,
                             // white space collapsed
    std::string diagnostics; // the text of the diagnostics it names, evaluated the same way
    std::string role;        // as written, empty when none
    SchematronSeverity severity = SchematronSeverity::Error;
    std::string id;      // the assert's or report's id, empty when none
    std::string pattern; // the pattern's id, else its name (1.5 patterns have names)
    std::string test;    // the check's test, as compiled (parameters replaced)
    bool report = false; // a report that fired; false: an assert that failed
};

// A compiled schema for one phase. Immutable once compiled; one run at a time
// may use it (a run keeps its own evaluation state, but the compiled
// patterns' caches are shared).
class SchematronRules {
public:
    struct Impl;
    explicit SchematronRules(std::unique_ptr<Impl> impl);
    ~SchematronRules();
    SchematronRules(const SchematronRules&) = delete;
    SchematronRules& operator=(const SchematronRules&) = delete;

    const Impl& impl() const { return *impl_; }
    // "ISO" or "1.5".
    std::string Dialect() const;
    // The phase that was compiled: "#ALL" or a phase id.
    std::string Phase() const;
    // Every file read to compile it: the schema first, then its includes
    // (for the caller's check that none changed).
    std::vector<std::string> Sources() const;

private:
    std::unique_ptr<Impl> impl_;
};

struct SchematronCompiled {
    std::shared_ptr<const SchematronRules> rules; // null when problem != None
    SchematronProblem problem = SchematronProblem::None;
    std::string error; // in words, naming the file and the place
};

// Reads and compiles the schema at a local path. `phase`: empty for the
// schema's defaultPhase (all patterns when it names none), "#ALL", "#DEFAULT"
// or a phase id.
SchematronCompiled CompileSchematron(const std::string& schemaPath, const std::string& phase);

struct SchematronLimits {
    std::size_t maxErrors = 1;      // stop after this many Error failures (0: no bound)
    std::size_t maxFailures = 1000; // and after this many failures of any severity (0: no bound)
    // Whether document() may read local files (relative names: relative to the
    // schema). A schema that came from the network may not name local files:
    // its caller says false, and such a document() is an evaluation failure.
    bool documentReadsLocalFiles = true;
    // Told the line of each element as the rules reach it, so that a caller
    // bounding work without progress sees a long run get further.
    std::function<void(unsigned long line)> progress{};
};

struct SchematronOutcome {
    std::vector<SchematronFailure> failures; // in document order of their context nodes;
                                             // for one node, in schema order
    bool stoppedEarly = false;               // a limit was reached; more may follow
    SchematronProblem problem = SchematronProblem::None;
    std::string error;
};

// Parses the document at a local path (line numbers kept, no network, no
// external DTD, external entities left unread, internal ones expanded) and
// runs the rules on it.
SchematronOutcome RunSchematron(const SchematronRules& rules, const std::string& documentPath,
                                const SchematronLimits& limits = {});
