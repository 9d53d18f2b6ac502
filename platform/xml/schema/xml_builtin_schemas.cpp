#include "platform/xml/schema/xml_builtin_schemas.h"

#include <array>

namespace {

constexpr std::u16string_view kXmlNamespace = u"http://www.w3.org/XML/1998/namespace";

// The addresses the namespace's own schema has been published under.
constexpr std::array<std::string_view, 6> kWellKnownLocations = {
    "http://www.w3.org/2001/xml.xsd",     "https://www.w3.org/2001/xml.xsd",
    "http://www.w3.org/2001/03/xml.xsd",  "https://www.w3.org/2001/03/xml.xsd",
    "http://www.w3.org/2009/01/xml.xsd",  "https://www.w3.org/2009/01/xml.xsd",
};

// The four attributes XML itself defines, typed as XML and its namespace
// recommendations say: a language tag (or empty, to undo an inherited one),
// the white-space mode, the base URI and an ID.
const char* const kXmlNamespaceSchema = R"(<?xml version="1.0" encoding="UTF-8"?>
<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema"
           targetNamespace="http://www.w3.org/XML/1998/namespace">
  <xs:attribute name="lang">
    <xs:simpleType>
      <xs:union memberTypes="xs:language">
        <xs:simpleType>
          <xs:restriction base="xs:string"><xs:enumeration value=""/></xs:restriction>
        </xs:simpleType>
      </xs:union>
    </xs:simpleType>
  </xs:attribute>
  <xs:attribute name="space">
    <xs:simpleType>
      <xs:restriction base="xs:NCName">
        <xs:enumeration value="default"/>
        <xs:enumeration value="preserve"/>
      </xs:restriction>
    </xs:simpleType>
  </xs:attribute>
  <xs:attribute name="base" type="xs:anyURI"/>
  <xs:attribute name="id" type="xs:ID"/>
  <xs:attributeGroup name="specialAttrs">
    <xs:attribute ref="xml:base"/>
    <xs:attribute ref="xml:lang"/>
    <xs:attribute ref="xml:space"/>
    <xs:attribute ref="xml:id"/>
  </xs:attributeGroup>
</xs:schema>
)";

} // namespace

bool HasBuiltinSchema(std::u16string_view space)
{
    return space == kXmlNamespace;
}

const XmlBuiltinSchema* FindBuiltinSchema(std::u16string_view space, std::string_view location,
                                          bool namespaceAlreadyRead)
{
    static const XmlBuiltinSchema xmlNamespace{u"corvane-builtin:xml.xsd",
                                               "built into Corvane for the xml: namespace",
                                               std::make_shared<const std::string>(kXmlNamespaceSchema)};
    if (space != kXmlNamespace)
        return nullptr;
    for (const std::string_view known : kWellKnownLocations)
        if (location == known)
            return &xmlNamespace;
    return location.empty() && !namespaceAlreadyRead ? &xmlNamespace : nullptr;
}
