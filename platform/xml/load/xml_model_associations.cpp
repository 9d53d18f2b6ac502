#include "platform/xml/load/xml_model_associations.h"

#include "platform/text/text_encoding.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <set>
#include <utility>

namespace {

bool IsBlank(char16_t ch)
{
    return ch == u' ' || ch == u'\t' || ch == u'\r' || ch == u'\n';
}

bool IsNameStart(char16_t ch)
{
    return (ch >= u'A' && ch <= u'Z') || (ch >= u'a' && ch <= u'z') || ch == u'_' || ch == u':' || ch >= 0xC0;
}

bool IsNameChar(char16_t ch)
{
    return IsNameStart(ch) || (ch >= u'0' && ch <= u'9') || ch == u'-' || ch == u'.' || ch == 0xB7;
}

void AppendCodePoint(std::u16string& out, std::uint32_t value)
{
    if (value >= 0x10000) {
        value -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (value >> 10));
        out += static_cast<char16_t>(0xDC00 + (value & 0x3FF));
    } else {
        out += static_cast<char16_t>(value);
    }
}

bool IsXmlChar(std::uint32_t value)
{
    return value == 0x9 || value == 0xA || value == 0xD || (value >= 0x20 && value <= 0xD7FF) ||
           (value >= 0xE000 && value <= 0xFFFD) || (value >= 0x10000 && value <= 0x10FFFF);
}

// One reference at `at` (the '&'), appended to `out`; false when it is none
// the syntax allows.
bool TakeReference(std::u16string_view data, std::size_t& at, std::u16string& out)
{
    const std::size_t end = data.find(u';', at);
    if (end == std::u16string_view::npos)
        return false;
    const std::u16string_view name = data.substr(at + 1, end - at - 1);
    static const std::array<std::pair<std::u16string_view, char16_t>, 5> predefined{
        {{u"lt", u'<'}, {u"gt", u'>'}, {u"amp", u'&'}, {u"quot", u'"'}, {u"apos", u'\''}}};
    for (const auto& [entity, ch] : predefined) {
        if (name == entity) {
            out += ch;
            at = end + 1;
            return true;
        }
    }
    if (name.size() < 2 || name[0] != u'#')
        return false;
    const bool hex = name[1] == u'x';
    const std::u16string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty() || digits.size() > 8)
        return false;
    std::uint32_t value = 0;
    for (const char16_t ch : digits) {
        int digit = -1;
        if (ch >= u'0' && ch <= u'9')
            digit = ch - u'0';
        else if (hex && ch >= u'a' && ch <= u'f')
            digit = ch - u'a' + 10;
        else if (hex && ch >= u'A' && ch <= u'F')
            digit = ch - u'A' + 10;
        if (digit < 0)
            return false;
        value = value * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
    }
    if (!IsXmlChar(value))
        return false;
    AppendCodePoint(out, value);
    at = end + 1;
    return true;
}

std::string* FieldFor(XmlModelAssociation& association, std::u16string_view name)
{
    if (name == u"href")
        return &association.href;
    if (name == u"type")
        return &association.type;
    if (name == u"schematypens")
        return &association.schematypens;
    if (name == u"phase")
        return &association.phase;
    if (name == u"charset")
        return &association.charset;
    if (name == u"title")
        return &association.title;
    if (name == u"group")
        return &association.group;
    return nullptr;
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return text;
}

// A media type without its parameters, in lower case.
std::string MediaType(const std::string& type)
{
    std::string bare = Lower(type.substr(0, type.find(';')));
    while (!bare.empty() && (bare.back() == ' ' || bare.back() == '\t'))
        bare.pop_back();
    return bare;
}

} // namespace

XmlModelAssociation ParseXmlModelData(std::u16string_view data, std::uint64_t line, std::uint64_t column)
{
    XmlModelAssociation association;
    association.line = line;
    association.column = column;
    std::set<std::u16string> seen;
    std::size_t at = 0;
    const auto fail = [&](const std::string& why) {
        association = XmlModelAssociation{};
        association.line = line;
        association.column = column;
        association.malformed = why;
        return association;
    };
    while (true) {
        const std::size_t before = at;
        while (at < data.size() && IsBlank(data[at]))
            ++at;
        if (at >= data.size())
            break;
        if (at == before && before != 0)
            return fail("pseudo-attributes must be separated by blanks");
        if (!IsNameStart(data[at]))
            return fail("\"" + WideToAnsi(data.substr(at, 1)) + "\" cannot start a pseudo-attribute's name");
        const std::size_t nameStart = at;
        while (at < data.size() && IsNameChar(data[at]))
            ++at;
        const std::u16string name(data.substr(nameStart, at - nameStart));
        while (at < data.size() && IsBlank(data[at]))
            ++at;
        if (at >= data.size() || data[at] != u'=')
            return fail("the pseudo-attribute " + WideToAnsi(name) + " has no \"=\" and value");
        ++at;
        while (at < data.size() && IsBlank(data[at]))
            ++at;
        if (at >= data.size() || (data[at] != u'"' && data[at] != u'\''))
            return fail("the value of " + WideToAnsi(name) + " is not in quotes");
        const char16_t quote = data[at++];
        std::u16string value;
        while (true) {
            if (at >= data.size())
                return fail("the value of " + WideToAnsi(name) + " has no closing quote");
            const char16_t ch = data[at];
            if (ch == quote) {
                ++at;
                break;
            }
            if (ch == u'<')
                return fail("the value of " + WideToAnsi(name) + " holds \"<\"");
            if (ch == u'&') {
                if (!TakeReference(data, at, value))
                    return fail("the value of " + WideToAnsi(name) +
                                " holds \"&\" that starts no character reference or predefined entity");
                continue;
            }
            value += ch;
            ++at;
        }
        if (!seen.insert(name).second)
            return fail("the pseudo-attribute " + WideToAnsi(name) + " is given twice");
        if (std::string* field = FieldFor(association, name))
            *field = WideToAnsi(value);
    }
    if (seen.find(u"href") == seen.end())
        return fail("it has no href naming the schema");
    return association;
}

std::optional<XmlModelLanguage> XmlModelLanguageOfNamespace(std::string_view space)
{
    if (space == "http://www.w3.org/2001/XMLSchema")
        return XmlModelLanguage::XmlSchema;
    if (space == "http://relaxng.org/ns/structure/1.0")
        return XmlModelLanguage::RelaxNg;
    if (space == "http://purl.oclc.org/dsdl/schematron" || space == "http://www.ascc.net/xml/schematron")
        return XmlModelLanguage::Schematron;
    if (space == "http://purl.oclc.org/dsdl/nvdl/ns/structure/1.0")
        return XmlModelLanguage::Nvdl;
    return std::nullopt;
}

XmlModelLanguage XmlModelLanguageOf(const XmlModelAssociation& association)
{
    const std::string type = MediaType(association.type);
    const std::string path = Lower(association.href.substr(0, association.href.find_first_of("?#")));
    const bool compact = type == "application/relax-ng-compact-syntax" ||
                         (path.size() > 4 && path.compare(path.size() - 4, 4, ".rnc") == 0);
    // The compact syntax has no namespace of its own: an instruction naming
    // RELAX NG's for an .rnc file means the compact syntax.
    if (!association.schematypens.empty()) {
        const auto language = XmlModelLanguageOfNamespace(association.schematypens);
        if (language == XmlModelLanguage::RelaxNg && compact)
            return XmlModelLanguage::RelaxNgCompact;
        return language.value_or(XmlModelLanguage::Other);
    }
    if (compact)
        return XmlModelLanguage::RelaxNgCompact;
    if (type == "application/xml-dtd")
        return XmlModelLanguage::Dtd;
    return XmlModelLanguage::Unknown;
}
