#pragma once
// Reading what the Schematron engine works on: schema files with their
// includes, the documents to check, and the texts libxml2 and libxslt give
// when something is wrong.

#include "platform/xml/schema/schematron_compiled.h"

#include <string>
#include <vector>

namespace schematron {

extern const char kIsoNamespace[];
extern const char kOldNamespace[];

// An element of either dialect with that local name (null: any name).
bool IsSchematron(const xmlNode* node, const char* localName = nullptr);
// An attribute's value, empty when there is none.
std::string Attribute(const xmlNode* node, const char* name);
bool HasAttribute(const xmlNode* node, const char* name);
// The element's line, with the file it came from when known.
std::string Where(const xmlNode* node);
unsigned long LineOf(const xmlNode* node);
// XML white space runs made one space, and none at either end.
std::string CollapseSpace(const std::string& text);
// What an XPath error means, in words (libxml2 gives XPath errors only a code).
std::string XPathProblem(const xmlError* error);
// A library's message without the name of its function that raised it
// ("xsltLoadDocument: read rights ... denied") and ending in "; " to make a
// list; empty for its lines that tell where in a stylesheet.
std::string WithoutCaller(const char* message);
// Such a list as a sentence: white space collapsed, no separator at the end.
std::string Tidy(const std::string& list);

struct ReadTree {
    DocPtr doc;
    std::string error;
    SchematronProblem problem = SchematronProblem::None;
};

// Reads a schema file and puts in place of each include what it names,
// relative to the including file, recursively. Every file read is added to
// `sources`.
ReadTree ReadSchemaTree(const std::string& path, std::vector<std::string>& sources);

// Reads a document to check: line numbers kept, no network, no external DTD,
// no external entity read, internal entities expanded within a bound.
ReadTree ReadDocument(const std::string& path);

// Collects what libxml2 reports through its generic error channel (a
// function it does not know, a file document() cannot read) while alive; the
// previous channel is put back after.
class XmlNotes {
public:
    XmlNotes();
    ~XmlNotes();
    XmlNotes(const XmlNotes&) = delete;
    XmlNotes& operator=(const XmlNotes&) = delete;
    std::string Take();
    const std::string& text() const { return text_; }
    static void Collect(void* self, const char* format, ...);

private:
    std::string text_;
    xmlGenericErrorFunc previous_;
    void* previousContext_;
};

// Collects what libxslt reports through its process-wide error channel while
// alive (compiling a context or a key reports nowhere else), and what libxml2
// reports on its own for the queries inside; the previous channels are put
// back after.
class XsltErrorCapture {
public:
    XsltErrorCapture();
    ~XsltErrorCapture();
    XsltErrorCapture(const XsltErrorCapture&) = delete;
    XsltErrorCapture& operator=(const XsltErrorCapture&) = delete;
    std::string text() const { return text_ + xml_.text(); }
    static void Collect(void* self, const char* format, ...);

private:
    std::string text_;
    XmlNotes xml_;
    xmlGenericErrorFunc previous_;
    void* previousContext_;
};

} // namespace schematron
