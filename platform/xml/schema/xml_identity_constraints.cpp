#include "platform/xml/schema/xml_identity_constraints.h"
#include "platform/xml/schema/xml_identity_state.h"

#include <xercesc/framework/XMLValidator.hpp>
#include <xercesc/framework/XMLValidityCodes.hpp>
#include <xercesc/validators/schema/identity/IC_Field.hpp>
#include <xercesc/validators/schema/identity/IC_KeyRef.hpp>
#include <xercesc/validators/schema/identity/IC_Selector.hpp>

XmlIdentityChecker::XmlIdentityChecker(xc::XMLScanner& scanner, xc::MemoryManager* memory)
    : m_scanner(scanner), m_memory(memory)
{
}

XmlIdentityChecker::~XmlIdentityChecker() = default;

std::uint32_t XmlIdentityChecker::NameId(const XMLCh* local)
{
    const auto [at, added] =
        m_names.emplace(std::u16string(View(local)), static_cast<std::uint32_t>(m_names.size() + 1));
    return at->second;
}

std::uint32_t XmlIdentityChecker::ElementNameId(const xc::SchemaElementDecl& element)
{
    const auto found = m_elementNames.find(&element);
    if (found != m_elementNames.end())
        return found->second;
    const std::uint32_t id = NameId(element.getElementName()->getLocalPart());
    m_elementNames.emplace(&element, id);
    return id;
}

const XmlIdentityChecker::Constraint& XmlIdentityChecker::ConstraintFor(xc::IdentityConstraint* source)
{
    const auto found = m_constraints.find(source);
    if (found != m_constraints.end())
        return *found->second;
    auto constraint = std::make_unique<Constraint>();
    Constraint& c = *constraint;
    c.source = source;
    c.index = static_cast<std::uint32_t>(m_constraints.size());
    c.type = source->getType();
    m_constraints.emplace(source, std::move(constraint));

    bool supported = c.type == xc::IdentityConstraint::ICType_UNIQUE ||
                     c.type == xc::IdentityConstraint::ICType_KEY ||
                     c.type == xc::IdentityConstraint::ICType_KEYREF;
    if (xc::IC_Selector* selector = source->getSelector()) {
        c.hasSelector = true;
        auto paths = CompileXmlPath(selector->getXPath());
        supported = supported && paths.has_value();
        if (paths)
            c.selector = std::move(*paths);
    }
    for (XMLSize_t i = 0; i < source->getFieldCount(); ++i) {
        xc::IC_Field* field = source->getFieldAt(i);
        auto paths = CompileXmlPath(field->getXPath());
        // Only a field that ends on an attribute is matched at a start tag.
        supported = supported && paths.has_value() && !paths->empty();
        if (paths)
            for (const XmlPath& path : *paths)
                supported = supported && !path.empty() && path.back().axis == XmlPathStep::Axis::Attribute;
        c.fields.push_back(paths ? std::move(*paths) : std::vector<XmlPath>());
        c.fieldKeys.push_back(field);
    }
    const auto nameIds = [this](std::vector<XmlPath>& paths) {
        for (XmlPath& path : paths)
            for (XmlPathStep& step : path)
                if (step.test == XmlPathStep::Test::Name)
                    step.localId = NameId(step.local.c_str());
    };
    nameIds(c.selector);
    for (std::vector<XmlPath>& field : c.fields)
        nameIds(field);
    c.selectorSkips = QuickSkips(c.selector);
    for (const std::vector<XmlPath>& field : c.fields)
        c.fieldSkips.push_back(std::vector<XmlQuickSkip>(field.size()));
    if (c.type == xc::IdentityConstraint::ICType_KEYREF) {
        xc::IdentityConstraint* key = static_cast<xc::IC_KeyRef*>(source)->getKey();
        if (key == nullptr)
            supported = false;
        else
            c.key = &ConstraintFor(key);
    }
    c.supported = supported;
    return c;
}

bool XmlIdentityChecker::Handles(const xc::SchemaElementDecl& element)
{
    auto& declaration = const_cast<xc::SchemaElementDecl&>(element);
    for (XMLSize_t i = 0; i < declaration.getIdentityConstraintCount(); ++i)
        if (!ConstraintFor(declaration.getIdentityConstraintAt(i)).supported)
            return false;
    return true;
}

XmlIdentityChecker::ValueStore* XmlIdentityChecker::FindStore(const Constraint& constraint, int depth)
{
    const std::uint64_t key = (std::uint64_t(constraint.index) << 32) | std::uint32_t(depth);
    const auto found = m_stores.find(key);
    return found == m_stores.end() ? nullptr : found->second.get();
}

XmlIdentityChecker::ValueStore& XmlIdentityChecker::StoreFor(const Constraint& constraint, int depth)
{
    const std::uint64_t key = (std::uint64_t(constraint.index) << 32) | std::uint32_t(depth);
    auto& store = m_stores[key];
    if (!store) {
        store = std::make_unique<ValueStore>();
        store->constraint = &constraint;
    } else {
        store->Clear();
    }
    return *store;
}

XmlIdentityChecker::Matcher& XmlIdentityChecker::AddMatcher()
{
    if (m_matcherCount == m_matchers.size())
        m_matchers.push_back(std::make_unique<Matcher>());
    return *m_matchers[m_matcherCount++];
}

void XmlIdentityChecker::Emit(unsigned int code, const XMLCh* text1, const XMLCh* text2)
{
    m_scanner.getValidator()->emitError(static_cast<xc::XMLValid::Codes>(code), text1, text2);
}

void XmlIdentityChecker::StartElement(const xc::SchemaElementDecl& element, unsigned int uri, const XMLCh* prefix,
                                      const xc::RefVectorOf<xc::XMLAttr>& attributes, XMLSize_t attributeCount)
{
    auto& declaration = const_cast<xc::SchemaElementDecl&>(element);
    const int depth = m_depth++;
    const XMLSize_t count = declaration.getIdentityConstraintCount();
    if (count == 0 && m_matcherCount == 0)
        return;
    PushGlobalScope();
    m_contexts.push_back(m_matcherCount);
    for (XMLSize_t i = 0; i < count; ++i)
        StoreFor(ConstraintFor(declaration.getIdentityConstraintAt(i)), depth);
    for (XMLSize_t i = 0; i < count; ++i) {
        const Constraint& constraint = ConstraintFor(declaration.getIdentityConstraintAt(i));
        if (!constraint.hasSelector)
            continue;
        Matcher& matcher = AddMatcher();
        matcher.selector = true;
        matcher.constraint = &constraint;
        matcher.paths = &constraint.selector;
        matcher.skips = &constraint.selectorSkips;
        matcher.initialDepth = depth;
        matcher.store = nullptr;
        matcher.Reset();
    }
    const std::uint32_t nameId = ElementNameId(element);
    const std::size_t active = m_matcherCount;
    m_skippedCounts.push_back(active);
    for (std::size_t j = 0; j < active; ++j) {
        Matcher& matcher = *m_matchers[j];
        const bool unaffected = Unaffected(matcher, uri, nameId);
        m_skipped.push_back(unaffected ? 1 : 0);
        if (!unaffected)
            MatcherStart(matcher, element, uri, prefix, nameId, attributes, attributeCount);
    }
}

void XmlIdentityChecker::EndElement(const xc::SchemaElementDecl& element)
{
    auto& declaration = const_cast<xc::SchemaElementDecl&>(element);
    --m_depth;
    const std::size_t oldCount = m_matcherCount;
    if (oldCount == 0 && declaration.getIdentityConstraintCount() == 0)
        return;
    // The matchers this element left alone at its start are left alone now.
    std::size_t started = 0;
    if (!m_skippedCounts.empty()) {
        started = m_skippedCounts.back();
        m_skippedCounts.pop_back();
    }
    const std::size_t flags = m_skipped.size() - started;
    for (std::size_t i = oldCount; i > 0; --i)
        if (i > started || m_skipped[flags + i - 1] == 0)
            MatcherEnd(*m_matchers[i - 1]);
    m_skipped.resize(flags);
    if (!m_contexts.empty()) {
        m_matcherCount = m_contexts.back();
        m_contexts.pop_back();
    }
    const std::size_t newCount = m_matcherCount;
    // Keys and uniques first, so that a keyref sees the keys of its own scope.
    for (std::size_t j = oldCount; j > newCount; --j) {
        const Matcher& matcher = *m_matchers[j - 1];
        if (matcher.selector && matcher.constraint->type != xc::IdentityConstraint::ICType_KEYREF)
            Transplant(*matcher.constraint, matcher.initialDepth);
    }
    for (std::size_t k = oldCount; k > newCount; --k) {
        const Matcher& matcher = *m_matchers[k - 1];
        if (matcher.selector && matcher.constraint->type == xc::IdentityConstraint::ICType_KEYREF)
            if (ValueStore* values = FindStore(*matcher.constraint, matcher.initialDepth))
                CheckReferences(*values);
    }
    PopGlobalScope();
}
