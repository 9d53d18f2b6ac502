#include "platform/xml/xml_number_lists.h"

#include <xercesc/validators/datatype/DatatypeValidatorFactory.hpp>
#include <xercesc/validators/datatype/DecimalDatatypeValidator.hpp>
#include <xercesc/validators/datatype/DoubleDatatypeValidator.hpp>
#include <xercesc/validators/schema/SchemaGrammar.hpp>
#include <xercesc/validators/schema/SchemaSymbols.hpp>

#include <memory>
#include <mutex>
#include <string_view>

namespace xc = xercesc;

namespace {

enum class NumberKind { Double, Decimal, Integer };

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

// `-?[0-9]+` (integers) or `-?[0-9]+(\.[0-9]+)?`, short enough that a
// double holds it without overflow or underflow.
bool Plain(std::u16string_view text, NumberKind kind)
{
    constexpr std::size_t kLongest = 40;
    if (text.empty() || text.size() > kLongest)
        return false;
    std::size_t at = text[0] == u'-' ? 1 : 0;
    const std::size_t whole = at;
    while (at < text.size() && Digit(text[at]))
        ++at;
    if (at == whole)
        return false;
    if (at == text.size())
        return true;
    if (kind == NumberKind::Integer || text[at] != u'.')
        return false;
    const std::size_t fraction = ++at;
    while (at < text.size() && Digit(text[at]))
        ++at;
    return at > fraction && at == text.size();
}

class QuickDouble final : public xc::DoubleDatatypeValidator {
public:
    explicit QuickDouble(xc::DatatypeValidator* builtIn)
        : xc::DoubleDatatypeValidator(builtIn, nullptr, 0, xc::DatatypeValidator::Double,
                                      xc::XMLPlatformUtils::fgMemoryManager)
    {
        setTypeName(builtIn->getTypeLocalName(), builtIn->getTypeUri());
    }
    void validate(const XMLCh* const content, xc::ValidationContext* const context,
                  xc::MemoryManager* const manager) override
    {
        if (content == nullptr || !Plain(content, NumberKind::Double))
            xc::DoubleDatatypeValidator::validate(content, context, manager);
    }
};

class QuickDecimal final : public xc::DecimalDatatypeValidator {
public:
    QuickDecimal(xc::DatatypeValidator* builtIn, NumberKind kind)
        : xc::DecimalDatatypeValidator(builtIn, nullptr, 0, xc::DatatypeValidator::Decimal,
                                       xc::XMLPlatformUtils::fgMemoryManager)
        , m_kind(kind)
    {
        setTypeName(builtIn->getTypeLocalName(), builtIn->getTypeUri());
    }
    void validate(const XMLCh* const content, xc::ValidationContext* const context,
                  xc::MemoryManager* const manager) override
    {
        if (content == nullptr || !Plain(content, m_kind))
            xc::DecimalDatatypeValidator::validate(content, context, manager);
    }

private:
    NumberKind m_kind;
};

// One quick validator per built-in type, for the whole process: the built-in
// types live as long, and so do the schemas kept between loads.
struct QuickValidators {
    xc::DatatypeValidator* builtInDouble = nullptr;
    xc::DatatypeValidator* builtInDecimal = nullptr;
    xc::DatatypeValidator* builtInInteger = nullptr;
    std::unique_ptr<QuickDouble> quickDouble;
    std::unique_ptr<QuickDecimal> quickDecimal;
    std::unique_ptr<QuickDecimal> quickInteger;

    xc::DatatypeValidator* QuickFor(const xc::DatatypeValidator* builtIn) const
    {
        if (builtIn == nullptr)
            return nullptr;
        if (builtIn == builtInDouble)
            return quickDouble.get();
        if (builtIn == builtInDecimal)
            return quickDecimal.get();
        if (builtIn == builtInInteger)
            return quickInteger.get();
        return nullptr;
    }
};

const QuickValidators* TheQuickValidators()
{
    static std::once_flag once;
    static QuickValidators validators;
    std::call_once(once, [] {
        auto* builtIns = xc::DatatypeValidatorFactory::getBuiltInRegistry();
        if (builtIns == nullptr)
            return;
        validators.builtInDouble = builtIns->get(xc::SchemaSymbols::fgDT_DOUBLE);
        validators.builtInDecimal = builtIns->get(xc::SchemaSymbols::fgDT_DECIMAL);
        validators.builtInInteger = builtIns->get(xc::SchemaSymbols::fgDT_INTEGER);
        if (validators.builtInDouble != nullptr)
            validators.quickDouble = std::make_unique<QuickDouble>(validators.builtInDouble);
        if (validators.builtInDecimal != nullptr)
            validators.quickDecimal = std::make_unique<QuickDecimal>(validators.builtInDecimal, NumberKind::Decimal);
        if (validators.builtInInteger != nullptr)
            validators.quickInteger = std::make_unique<QuickDecimal>(validators.builtInInteger, NumberKind::Integer);
    });
    return &validators;
}

void QuickenGrammar(xc::Grammar& grammar, const QuickValidators& quick)
{
    if (grammar.getGrammarType() != xc::Grammar::SchemaGrammarType)
        return;
    xc::DatatypeValidatorFactory* types = static_cast<xc::SchemaGrammar&>(grammar).getDatatypeRegistry();
    auto* own = types == nullptr ? nullptr : types->getUserDefinedRegistry();
    if (own == nullptr)
        return;
    xc::RefHashTableOfEnumerator<xc::DatatypeValidator> each(own, false, xc::XMLPlatformUtils::fgMemoryManager);
    while (each.hasMoreElements()) {
        xc::DatatypeValidator& type = each.nextElement();
        if (type.getType() != xc::DatatypeValidator::List)
            continue;
        if (xc::DatatypeValidator* replacement = quick.QuickFor(type.getBaseValidator()))
            type.*MemberOf(BaseValidatorTag{}) = replacement;
    }
}

} // namespace

void QuickenNumberLists(const xc::GrammarResolver& grammars)
{
    const QuickValidators* quick = TheQuickValidators();
    if (quick == nullptr)
        return;
    for (auto each = grammars.getGrammarEnumerator(); each.hasMoreElements();)
        QuickenGrammar(each.nextElement(), *quick);
    for (auto each = grammars.getReferencedGrammarEnumerator(); each.hasMoreElements();)
        QuickenGrammar(each.nextElement(), *quick);
}

bool QuickNumberAccepted(const char16_t* item, const char16_t* typeName)
{
    const std::u16string_view type(typeName);
    const NumberKind kind = type == u"double"    ? NumberKind::Double
                            : type == u"integer" ? NumberKind::Integer
                                                 : NumberKind::Decimal;
    return item != nullptr && Plain(item, kind);
}
