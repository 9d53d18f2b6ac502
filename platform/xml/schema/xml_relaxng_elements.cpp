// Reads the element names and wildcards out of RELAX NG schema documents,
// and finds the first element of a document none of them covers.

#include "platform/xml/schema/xml_relaxng_elements.h"
#include "platform/xml/load/libxml_library.h"

#include <algorithm>

namespace xmlrelaxng {

namespace {

constexpr const char* kRelaxNgSpace = "http://relaxng.org/ns/structure/1.0";

bool IsRngElement(const xmlNode* node)
{
    return node != nullptr && node->type == XML_ELEMENT_NODE && node->ns != nullptr &&
           Libxml().xmlStrEqual(node->ns->href, reinterpret_cast<const xmlChar*>(kRelaxNgSpace));
}

bool IsRng(const xmlNode* node, const char* local)
{
    return IsRngElement(node) && Libxml().xmlStrEqual(node->name, reinterpret_cast<const xmlChar*>(local));
}

std::string WithoutBlanksAround(std::string text)
{
    const auto notBlank = [](unsigned char ch) { return ch != ' ' && ch != '\t' && ch != '\n' && ch != '\r'; };
    const auto first = std::find_if(text.begin(), text.end(), notBlank);
    const auto last = std::find_if(text.rbegin(), text.rend(), notBlank).base();
    return first < last ? std::string(first, last) : std::string();
}

std::string Attribute(const xmlNode* node, const char* name)
{
    xmlChar* value = Libxml().xmlGetNoNsProp(node, reinterpret_cast<const xmlChar*>(name));
    std::string text = value == nullptr ? std::string() : reinterpret_cast<const char*>(value);
    Libxml().Free(value);
    return WithoutBlanksAround(std::move(text));
}
} // namespace

std::string TextOf(const xmlNode* node)
{
    xmlChar* content = Libxml().xmlNodeGetContent(node);
    std::string text = content == nullptr ? std::string() : reinterpret_cast<const char*>(content);
    Libxml().Free(content);
    return WithoutBlanksAround(std::move(text));
}

namespace {

// The ns in force for a node: its own attribute, else its nearest ancestor's.
std::string InheritedSpace(const xmlNode* node)
{
    for (; node != nullptr && node->type == XML_ELEMENT_NODE; node = node->parent)
        if (Libxml().xmlHasProp(node, reinterpret_cast<const xmlChar*>("ns")) != nullptr)
            return Attribute(node, "ns");
    return {};
}

// A QName of a name class, by the namespaces declared where it is written.
std::optional<ExpandedName> NameOf(xmlNode* node, const std::string& qname)
{
    const auto colon = qname.find(':');
    if (colon == std::string::npos)
        return ExpandedName{InheritedSpace(node), qname};
    const std::string prefix = qname.substr(0, colon);
    const xmlNs* space = Libxml().xmlSearchNs(node->doc, node, reinterpret_cast<const xmlChar*>(prefix.c_str()));
    if (space == nullptr)
        return std::nullopt;
    return ExpandedName{reinterpret_cast<const char*>(space->href), qname.substr(colon + 1)};
}

void ReadExcept(xmlNode* except, DeclaredElements::Wildcard& wildcard, DeclaredElements& declared)
{
    for (xmlNode* child = except->children; child != nullptr; child = child->next) {
        if (IsRng(child, "nsName")) {
            wildcard.exceptSpaces.insert(InheritedSpace(child));
        } else if (IsRng(child, "name")) {
            if (const auto name = NameOf(child, TextOf(child)))
                wildcard.exceptNames.insert(*name);
        } else if (IsRng(child, "choice")) {
            ReadExcept(child, wildcard, declared);
        } else if (IsRngElement(child)) {
            declared.usable = false;
        }
    }
}

void ReadNameClass(xmlNode* nameClass, DeclaredElements& declared)
{
    if (IsRng(nameClass, "name")) {
        if (const auto name = NameOf(nameClass, TextOf(nameClass)))
            declared.names.insert(*name);
        else
            declared.usable = false;
    } else if (IsRng(nameClass, "anyName") || IsRng(nameClass, "nsName")) {
        DeclaredElements::Wildcard wildcard;
        if (IsRng(nameClass, "nsName"))
            wildcard.space = InheritedSpace(nameClass);
        for (xmlNode* child = nameClass->children; child != nullptr; child = child->next)
            if (IsRng(child, "except"))
                ReadExcept(child, wildcard, declared);
        declared.wildcards.push_back(std::move(wildcard));
    } else if (IsRng(nameClass, "choice")) {
        for (xmlNode* child = nameClass->children; child != nullptr; child = child->next)
            if (IsRngElement(child))
                ReadNameClass(child, declared);
    } else {
        declared.usable = false;
    }
}

} // namespace

void ReadDeclaredElements(xmlNode* node, DeclaredElements& declared)
{
    for (; node != nullptr; node = node->next) {
        if (node->type != XML_ELEMENT_NODE)
            continue;
        if (IsRng(node, "element")) {
            if (Libxml().xmlHasProp(node, reinterpret_cast<const xmlChar*>("name")) != nullptr) {
                if (const auto name = NameOf(node, Attribute(node, "name")))
                    declared.names.insert(*name);
                else
                    declared.usable = false;
            } else {
                // The first child of RELAX NG's own (annotations come first).
                xmlNode* nameClass = node->children;
                while (nameClass != nullptr && !IsRngElement(nameClass))
                    nameClass = nameClass->next;
                ReadNameClass(nameClass, declared);
            }
        }
        ReadDeclaredElements(node->children, declared);
    }
}

const xmlNode* FirstUndeclared(const xmlNode* top, const DeclaredElements& declared)
{
    if (top == nullptr || !declared.usable)
        return nullptr;
    const xmlNode* node = top;
    while (node != nullptr) {
        if (node->type == XML_ELEMENT_NODE) {
            const std::string space = node->ns != nullptr ? reinterpret_cast<const char*>(node->ns->href) : "";
            if (!declared.Covers({space, reinterpret_cast<const char*>(node->name)}))
                return node;
            if (node->children != nullptr) {
                node = node->children;
                continue;
            }
        }
        while (node != nullptr && node != top && node->next == nullptr)
            node = node->parent;
        if (node == nullptr || node == top)
            break;
        node = node->next;
    }
    return nullptr;
}

} // namespace xmlrelaxng
