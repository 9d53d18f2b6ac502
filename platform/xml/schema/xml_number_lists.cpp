#include "platform/xml/schema/xml_number_lists.h"

#include <xercesc/validators/datatype/DatatypeValidatorFactory.hpp>
#include <xercesc/validators/datatype/DecimalDatatypeValidator.hpp>
#include <xercesc/validators/datatype/DoubleDatatypeValidator.hpp>
#include <xercesc/validators/schema/SchemaGrammar.hpp>
#include <xercesc/validators/schema/SchemaSymbols.hpp>

#include <xercesc/validators/schema/ComplexTypeInfo.hpp>
#include <xercesc/validators/schema/SchemaAttDef.hpp>

#include <memory>
#include <string_view>
#include <utility>
#include <vector>

namespace xc = xercesc;

namespace {

enum class NumberKind { Double, Decimal, Integer, NonNegativeInteger, PositiveInteger };

// A list's item validator is its base validator, which the validator class
// keeps private and sets only when it is built. The one place that may
// rebind it is this module; explicit instantiation is the language's own
// way to name a private member from outside its class.
template <typename Tag, typename Tag::type Member>
struct PrivateMember {
    friend typename Tag::type MemberOf(Tag) { return Member; }
};
struct BaseValidatorTag {
    using type = xc::DatatypeValidator* xc::DatatypeValidator::*;
    friend type MemberOf(BaseValidatorTag);
};
template struct PrivateMember<BaseValidatorTag, &xc::DatatypeValidator::fBaseValidator>;

bool Digit(char16_t ch)
{
    return ch >= u'0' && ch <= u'9';
}

// `-?[0-9]+(\.[0-9]+)?` for doubles and decimals, `-?[0-9]+` for integers,
// `[0-9]+` for the unsigned ones (with a digit other than 0 for positive
// ones), short enough that a double holds it without overflow or underflow.
bool Plain(std::u16string_view text, NumberKind kind)
{
    constexpr std::size_t kLongest = 40;
    if (text.empty() || text.size() > kLongest)
        return false;
    const bool unsignedKind = kind == NumberKind::NonNegativeInteger || kind == NumberKind::PositiveInteger;
    std::size_t at = text[0] == u'-' && !unsignedKind ? 1 : 0;
    const std::size_t whole = at;
    bool nonZero = false;
    while (at < text.size() && Digit(text[at])) {
        nonZero = nonZero || text[at] != u'0';
        ++at;
    }
    if (at == whole || (kind == NumberKind::PositiveInteger && !nonZero))
        return false;
    if (at == text.size())
        return true;
    if ((kind != NumberKind::Double && kind != NumberKind::Decimal) || text[at] != u'.')
        return false;
    const std::size_t fraction = ++at;
    while (at < text.size() && Digit(text[at]))
        ++at;
    return at > fraction && at == text.size();
}

// Derived from the built-in type without a facet, of the built-in type's
// class: whatever the quick path does not take, the built-in type validates,
// with its own facets and messages.
template <typename BuiltInClass, xc::DatatypeValidator::ValidatorType kType>
class QuickNumber final : public BuiltInClass {
public:
    QuickNumber(xc::DatatypeValidator* builtIn, NumberKind kind)
        : BuiltInClass(builtIn, nullptr, 0, kType, xc::XMLPlatformUtils::fgMemoryManager)
        , m_builtIn(builtIn)
        , m_kind(kind)
    {
        this->setTypeName(builtIn->getTypeLocalName(), builtIn->getTypeUri());
    }
    void validate(const XMLCh* const content, xc::ValidationContext* const context,
                  xc::MemoryManager* const manager) override
    {
        if (content == nullptr || !Plain(content, m_kind))
            m_builtIn->validate(content, context, manager);
    }
    // An xsi:type may name any type derived from the built-in one, itself
    // included.
    bool isSubstitutableBy(const xc::DatatypeValidator* const toCheck) override
    {
        return m_builtIn->isSubstitutableBy(toCheck);
    }

private:
    xc::DatatypeValidator* m_builtIn;
    NumberKind m_kind;
};
using QuickDouble = QuickNumber<xc::DoubleDatatypeValidator, xc::DatatypeValidator::Double>;
using QuickDecimal = QuickNumber<xc::DecimalDatatypeValidator, xc::DatatypeValidator::Decimal>;

// One quick validator per built-in type, for the whole process: the built-in
// types live as long, and so do the schemas kept between loads.
class QuickValidators {
public:
    QuickValidators()
    {
        auto* builtIns = xc::DatatypeValidatorFactory::getBuiltInRegistry();
        if (builtIns == nullptr)
            return;
        Add<QuickDouble>(builtIns->get(xc::SchemaSymbols::fgDT_DOUBLE), NumberKind::Double);
        Add<QuickDecimal>(builtIns->get(xc::SchemaSymbols::fgDT_DECIMAL), NumberKind::Decimal);
        Add<QuickDecimal>(builtIns->get(xc::SchemaSymbols::fgDT_INTEGER), NumberKind::Integer);
        Add<QuickDecimal>(builtIns->get(xc::SchemaSymbols::fgDT_NONNEGATIVEINTEGER), NumberKind::NonNegativeInteger);
        Add<QuickDecimal>(builtIns->get(xc::SchemaSymbols::fgDT_POSITIVEINTEGER), NumberKind::PositiveInteger);
    }

    xc::DatatypeValidator* QuickFor(const xc::DatatypeValidator* builtIn) const
    {
        for (const auto& [from, quick] : m_quick)
            if (from == builtIn)
                return quick.get();
        return nullptr;
    }
    // The built-in type a quick validator stands for; nothing for any other.
    xc::DatatypeValidator* BuiltInFor(const xc::DatatypeValidator* validator) const
    {
        for (const auto& [from, quick] : m_quick)
            if (quick.get() == validator)
                return const_cast<xc::DatatypeValidator*>(from);
        return nullptr;
    }

private:
    template <typename Quick>
    void Add(xc::DatatypeValidator* builtIn, NumberKind kind)
    {
        if (builtIn != nullptr)
            m_quick.emplace_back(builtIn, std::make_unique<Quick>(builtIn, kind));
    }

    std::vector<std::pair<const xc::DatatypeValidator*, std::unique_ptr<xc::DatatypeValidator>>> m_quick;
};

const QuickValidators& TheQuickValidators()
{
    static const QuickValidators validators;
    return validators;
}

// What takes the place of a validator, if anything does.
using Replacement = xc::DatatypeValidator* (*)(const QuickValidators&, const xc::DatatypeValidator*);

void QuickenLists(xc::SchemaGrammar& grammar, const QuickValidators& quick, Replacement replacementFor)
{
    xc::DatatypeValidatorFactory* types = grammar.getDatatypeRegistry();
    auto* own = types == nullptr ? nullptr : types->getUserDefinedRegistry();
    if (own == nullptr)
        return;
    xc::RefHashTableOfEnumerator<xc::DatatypeValidator> each(own, false, xc::XMLPlatformUtils::fgMemoryManager);
    while (each.hasMoreElements()) {
        xc::DatatypeValidator& type = each.nextElement();
        if (type.getType() != xc::DatatypeValidator::List)
            continue;
        if (xc::DatatypeValidator* replacement = replacementFor(quick, type.getBaseValidator()))
            type.*MemberOf(BaseValidatorTag{}) = replacement;
    }
}

// Attributes declared with a built-in number type (a point's id, a record's
// sequence number) get the quick validator as their type.
void QuickenAttributes(xc::SchemaGrammar& grammar, const QuickValidators& quick, Replacement replacementFor)
{
    auto* complexTypes = grammar.getComplexTypeRegistry();
    if (complexTypes == nullptr)
        return;
    xc::RefHashTableOfEnumerator<xc::ComplexTypeInfo> each(complexTypes, false, xc::XMLPlatformUtils::fgMemoryManager);
    while (each.hasMoreElements()) {
        xc::ComplexTypeInfo& type = each.nextElement();
        if (!type.hasAttDefs())
            continue;
        xc::XMLAttDefList& attributes = type.getAttDefList();
        for (XMLSize_t i = 0; i < attributes.getAttDefCount(); ++i) {
            auto& attribute = static_cast<xc::SchemaAttDef&>(attributes.getAttDef(i));
            if (xc::DatatypeValidator* replacement = replacementFor(quick, attribute.getDatatypeValidator()))
                attribute.setDatatypeValidator(replacement);
        }
    }
}

// Elements of a built-in number type (a record's amount), unless the type
// takes part in a check that compares it by identity: a default or fixed
// value (checked again when an xsi:type changes the type), a block on
// derivation, membership of a substitution group.
void QuickenElements(xc::SchemaGrammar& grammar, const QuickValidators& quick, Replacement replacementFor)
{
    auto elements = grammar.getElemEnumerator();
    while (elements.hasMoreElements()) {
        auto& element = const_cast<xc::SchemaElementDecl&>(elements.nextElement());
        if (element.getComplexTypeInfo() != nullptr || element.getBlockSet() != 0 ||
            (element.getMiscFlags() & xc::SchemaSymbols::XSD_FIXED) != 0 || element.getDefaultValue() != nullptr ||
            element.getSubstitutionGroupElem() != nullptr)
            continue;
        if (xc::DatatypeValidator* replacement = replacementFor(quick, element.getDatatypeValidator()))
            element.setDatatypeValidator(replacement);
    }
}

void QuickenGrammar(xc::Grammar& grammar, const QuickValidators& quick, Replacement replacementFor)
{
    if (grammar.getGrammarType() != xc::Grammar::SchemaGrammarType)
        return;
    QuickenLists(static_cast<xc::SchemaGrammar&>(grammar), quick, replacementFor);
    QuickenAttributes(static_cast<xc::SchemaGrammar&>(grammar), quick, replacementFor);
    QuickenElements(static_cast<xc::SchemaGrammar&>(grammar), quick, replacementFor);
}

xc::DatatypeValidator* QuickFor(const QuickValidators& quick, const xc::DatatypeValidator* validator)
{
    return quick.QuickFor(validator);
}

xc::DatatypeValidator* BuiltInFor(const QuickValidators& quick, const xc::DatatypeValidator* validator)
{
    return quick.BuiltInFor(validator);
}

} // namespace

void QuickenNumberLists(const xc::GrammarResolver& grammars)
{
    const QuickValidators& quick = TheQuickValidators();
    for (auto each = grammars.getGrammarEnumerator(); each.hasMoreElements();)
        QuickenGrammar(each.nextElement(), quick, QuickFor);
    for (auto each = grammars.getReferencedGrammarEnumerator(); each.hasMoreElements();)
        QuickenGrammar(each.nextElement(), quick, QuickFor);
}

void RestoreBuiltInNumberTypes(xc::XMLGrammarPool& pool)
{
    const QuickValidators& quick = TheQuickValidators();
    for (auto each = pool.getGrammarEnumerator(); each.hasMoreElements();)
        QuickenGrammar(each.nextElement(), quick, BuiltInFor);
}

bool QuickNumberAccepted(const char16_t* item, const char16_t* typeName)
{
    const std::u16string_view type(typeName);
    NumberKind kind = NumberKind::Decimal;
    if (type == u"double")
        kind = NumberKind::Double;
    else if (type == u"integer")
        kind = NumberKind::Integer;
    else if (type == u"nonNegativeInteger")
        kind = NumberKind::NonNegativeInteger;
    else if (type == u"positiveInteger")
        kind = NumberKind::PositiveInteger;
    return item != nullptr && Plain(item, kind);
}
