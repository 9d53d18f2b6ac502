#pragma once
// The schemas a document associates with itself through `xml-model`
// processing instructions in its prolog ("Associating Schemas with XML
// documents 1.0"). An instruction after the root's start tag is no
// association. Each instruction's data is read as pseudo-attributes, written
// as for `xml-stylesheet`: name="value" or name='value', separated by blanks,
// values holding character references and the five predefined entities.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The schema languages an association can name, as Corvane tells them apart.
enum class XmlModelLanguage {
    Unknown,          // neither type nor schematypens says; judged by the schema's root
    XmlSchema,        // http://www.w3.org/2001/XMLSchema
    RelaxNg,          // http://relaxng.org/ns/structure/1.0 (XML syntax)
    RelaxNgCompact,   // type="application/relax-ng-compact-syntax", or an .rnc file
    Schematron,       // ISO (http://purl.oclc.org/dsdl/schematron) or 1.5 (http://www.ascc.net/xml/schematron)
    Nvdl,             // http://purl.oclc.org/dsdl/nvdl/ns/structure/1.0
    Dtd,              // type="application/xml-dtd"
    Other,            // a schematypens Corvane does not know
};

struct XmlModelAssociation {
    // The pseudo-attributes; absent ones are empty.
    std::string href;
    std::string type;
    std::string schematypens;
    std::string phase;
    std::string charset;
    std::string title;
    std::string group;
    // Where the instruction ends in the document (just after its "?>", the
    // column as the parser counts it), for reports about the association.
    std::uint64_t line = 0;
    std::uint64_t column = 0;
    // Why the instruction's data is not a list of pseudo-attributes; empty
    // when it is one.
    std::string malformed;
    friend bool operator==(const XmlModelAssociation&, const XmlModelAssociation&) = default;
};

// Reads an instruction's data (what follows the target). A data that breaks
// the pseudo-attribute syntax comes back with `malformed` set; unknown
// pseudo-attributes are ignored, as the note asks.
XmlModelAssociation ParseXmlModelData(std::u16string_view data, std::uint64_t line, std::uint64_t column);

// The language the association names by its own words: schematypens first,
// then type, then the location's ending (.rnc).
XmlModelLanguage XmlModelLanguageOf(const XmlModelAssociation& association);

// The language a schema document's root namespace names; nothing when it
// names none Corvane knows.
std::optional<XmlModelLanguage> XmlModelLanguageOfNamespace(std::string_view space);
