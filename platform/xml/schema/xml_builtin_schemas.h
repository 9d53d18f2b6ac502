#pragma once
// Schemas that come with Corvane rather than from where a document names
// them. Only the xml: namespace's: schemas import it without a location (a
// processor is expected to know it) or from its well-known w3.org address,
// which answers slowly, if at all, and is out of reach offline.

#include <memory>
#include <string>
#include <string_view>

struct XmlBuiltinSchema {
    std::u16string systemId;                 // the name it is read under
    std::string displayName;                 // how messages name it
    std::shared_ptr<const std::string> text; // the schema document
};

// The built-in schema standing in for a schema of the namespace named at the
// location; nothing for any other. A reference without a location is
// served only while the load has read no schema of that namespace: a schema
// that defines the namespace itself may import it without a location, to
// mean itself.
const XmlBuiltinSchema* FindBuiltinSchema(std::u16string_view space, std::string_view location,
                                          bool namespaceAlreadyRead);

// Whether the namespace is one that has a built-in schema.
bool HasBuiltinSchema(std::u16string_view space);
