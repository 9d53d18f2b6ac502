#pragma once
// What one load of a document shares between the reader, the reference
// resolver and the session that drives them: the first error, the documents
// that were read and what each one is, and the signal that ends the parse.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>

// The first error of a load, as the parse error object reports it.
struct XmlLoadError {
    std::uint32_t code = 0;
    long line = 0;
    long column = 0;
    std::u16string reason;
    // The file the line and column count in, as the user knows it (a drive
    // path or a URL); empty for the document itself.
    std::string file;
};

// Every error of a load is built here, so that a place beyond what the
// error object can hold is reported alike wherever the error arises.
inline XmlLoadError MakeXmlLoadError(std::uint32_t code, std::uint64_t line, std::uint64_t column,
                                     std::u16string reason)
{
    const auto held = [](std::uint64_t value) {
        return value > 0x7FFFFFFFu ? 0x7FFFFFFFL : static_cast<long>(value);
    };
    return {code, held(line), held(column), std::move(reason), {}};
}

// Thrown through the parser to end the parse once the load's outcome is
// known (the first error has been recorded, or the parse must restart).
struct XmlParseStop {};

// What a document read during a load is to the load.
enum class XmlResourceKind {
    MainDocument,
    ContentEntity, // an external entity referenced from the document's content
    Schema,
    SchemaEntity,  // an external entity declared in a schema document: part of the schema
    Dtd,           // the external DTD subset, or a parameter entity of a DTD
    SchemaDtd,     // a DTD named by a schema document (never read)
};

// The word a message uses for a document of the kind.
inline const char* XmlResourceKindWord(XmlResourceKind kind)
{
    switch (kind) {
    case XmlResourceKind::Schema:
        return "schema";
    case XmlResourceKind::Dtd:
    case XmlResourceKind::SchemaDtd:
        return "DTD";
    case XmlResourceKind::ContentEntity:
    case XmlResourceKind::SchemaEntity:
        return "external entity";
    case XmlResourceKind::MainDocument:
        break;
    }
    return "document";
}

struct XmlResource {
    XmlResourceKind kind = XmlResourceKind::MainDocument;
    std::string displayName; // a drive path or a URL, as the user knows it
    std::string linuxPath;   // empty for a remote or a built-in document
    bool remote = false;
    // A local file's state when it was read, to tell whether it changed since.
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
};

// The documents of one load, keyed by the system identifier the parser
// reports for each.
class XmlResourceRegistry {
public:
    void SetMainDocument(const std::u16string& systemId, XmlResource resource)
    {
        m_main = resource;
        m_resources[systemId] = std::move(resource);
    }
    // The document being loaded: the referrer of any reference whose origin
    // the parser does not name.
    const XmlResource& MainDocument() const { return m_main; }
    void Add(const std::u16string& systemId, XmlResource resource)
    {
        m_resources[systemId] = std::move(resource);
    }
    const std::map<std::u16string, XmlResource>& All() const { return m_resources; }
    const XmlResource* Find(const std::u16string& systemId) const
    {
        const auto found = m_resources.find(systemId);
        return found == m_resources.end() ? nullptr : &found->second;
    }

private:
    XmlResource m_main;
    std::map<std::u16string, XmlResource> m_resources;
};

// The position in the main document of the reference being followed, so
// that an error inside a referenced document can be ordered against errors
// in the document itself.
struct XmlDocumentPosition {
    std::uint64_t line = 0;
    std::uint64_t column = 0;
    friend auto operator<=>(const XmlDocumentPosition&, const XmlDocumentPosition&) = default;
};
