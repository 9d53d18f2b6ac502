#include "platform/xml/schema/xml_identity_constraints.h"
#include "platform/xml/schema/xml_identity_state.h"

#include <xercesc/framework/ValidationContext.hpp>
#include <xercesc/framework/XMLValidityCodes.hpp>
#include <xercesc/util/XMLException.hpp>
#include <xercesc/util/XMLString.hpp>
#include <xercesc/validators/schema/SchemaAttDef.hpp>

#include <functional>

namespace {

std::size_t TextHash(std::u16string_view text)
{
    return std::hash<std::u16string_view>()(text);
}

} // namespace

bool SameXmlKeyValue(const XmlKeyField& a, const XmlKeyField& b, xc::MemoryManager* memory)
{
    if (a.type == nullptr || b.type == nullptr)
        return xc::XMLString::equals(a.value, b.value);
    const bool aEmpty = Empty(a.value);
    const bool bEmpty = Empty(b.value);
    if (aEmpty && bEmpty)
        return a.type == b.type;
    if (aEmpty || bEmpty)
        return false;
    // The nearest type both derive from judges; unrelated types never agree.
    for (xc::DatatypeValidator* left = a.type; left != nullptr; left = left->getBaseValidator()) {
        for (xc::DatatypeValidator* right = b.type; right != nullptr; right = right->getBaseValidator()) {
            if (right == left)
                return right->compare(a.value, b.value, memory) == 0;
        }
    }
    return false;
}

std::size_t XmlKeyValueHash(const XmlKeyField& field, xc::MemoryManager* memory)
{
    if (field.value == nullptr)
        return 0;
    xc::DatatypeValidator* primitive = field.type;
    while (primitive != nullptr && primitive->getBaseValidator() != nullptr)
        primitive = primitive->getBaseValidator();
    if (primitive != nullptr) {
        const XMLCh* canonical = nullptr;
        try {
            canonical = primitive->getCanonicalRepresentation(field.value, memory);
        } catch (const xc::XMLException&) {
            canonical = nullptr;
        }
        if (canonical != nullptr) {
            const std::size_t hash = TextHash(View(canonical));
            memory->deallocate(const_cast<XMLCh*>(canonical));
            return hash;
        }
    }
    return TextHash(View(field.value));
}

void XmlIdentityChecker::FieldMatched(Matcher& field, const xc::SchemaElementDecl& element,
                                      const xc::XMLAttr& attribute)
{
    const xc::SchemaAttDef* declaration = element.getAttDef(attribute.getName(), attribute.getURIId());
    xc::DatatypeValidator* type = declaration != nullptr ? declaration->getDatatypeValidator() : nullptr;
    const XMLCh* value = attribute.getValue();
    std::u16string clark;
    // A QName is kept by its namespace and local name.
    if (type != nullptr && type->getType() == xc::DatatypeValidator::QName) {
        const std::u16string_view text = View(value);
        const auto colon = text.find(u':');
        if (colon != std::u16string_view::npos) {
            clark = u"{";
            if (xc::ValidationContext* context = m_scanner.getValidationContext()) {
                std::u16string prefix(text.substr(0, colon));
                clark += View(context->getURIForPrefix(prefix.data()));
            }
            clark += u"}";
            clark += text.substr(colon + 1);
            value = clark.c_str();
        }
    }
    if (field.store != nullptr)
        AddValue(*field.store, field.field, type, value);
    m_mayMatch[field.constraint->fieldKeys[field.field]] = false;
}

void XmlIdentityChecker::StartValueScope(ValueStore& store)
{
    const std::size_t count = store.constraint->fields.size();
    store.valuesCount = 0;
    store.scoped = true;
    store.current.assign(count, {});
    store.currentText.assign(count, {});
}

void XmlIdentityChecker::EndValueScope(ValueStore& store)
{
    const Constraint& constraint = *store.constraint;
    const bool key = constraint.type == xc::IdentityConstraint::ICType_KEY;
    if (store.valuesCount == 0) {
        if (key)
            Emit(xc::XMLValid::IC_AbsentKeyValue, constraint.source->getElementName());
        return;
    }
    if (store.valuesCount != constraint.fields.size() && key)
        Emit(xc::XMLValid::IC_KeyNotEnoughValues, constraint.source->getElementName(),
             constraint.source->getIdentityConstraintName());
}

void XmlIdentityChecker::AddValue(ValueStore& store, std::size_t field, xc::DatatypeValidator* type,
                                  const XMLCh* value)
{
    const Constraint& constraint = *store.constraint;
    const auto mayMatch = m_mayMatch.find(constraint.fieldKeys[field]);
    if (mayMatch != m_mayMatch.end() && !mayMatch->second)
        Emit(xc::XMLValid::IC_FieldMultipleMatch);
    if (!store.scoped || field >= store.current.size()) {
        Emit(xc::XMLValid::IC_UnknownField);
        return;
    }
    XmlKeyField& slot = store.current[field];
    if (slot.type == nullptr && slot.value == nullptr)
        ++store.valuesCount;
    slot.type = type;
    if (value == nullptr) {
        slot.value = nullptr;
    } else {
        store.currentText[field] = View(value);
        slot.value = store.currentText[field].c_str();
    }
    if (store.valuesCount != store.current.size())
        return;

    std::size_t hash = 0;
    for (const XmlKeyField& each : store.current)
        hash += XmlKeyValueHash(each, m_memory);
    const auto hash32 = static_cast<std::uint32_t>(hash ^ (hash >> 32));
    if (!store.slots.empty()) {
        ValueStore::Tuple tuple;
        const std::size_t mask = store.slots.size() - 1;
        for (std::size_t at = hash32 & mask; store.slots[at] != 0; at = (at + 1) & mask) {
            const std::uint32_t offset = store.slots[at] - 1;
            if (store.HashAt(offset) != hash32)
                continue;
            store.Decode(offset, tuple);
            bool same = tuple.fields.size() == store.current.size();
            for (std::size_t i = 0; same && i < tuple.fields.size(); ++i)
                same = SameXmlKeyValue(tuple.fields[i], store.current[i], m_memory);
            if (!same)
                continue;
            if (constraint.type == xc::IdentityConstraint::ICType_UNIQUE)
                Emit(xc::XMLValid::IC_DuplicateUnique, constraint.source->getElementName());
            else if (constraint.type == xc::IdentityConstraint::ICType_KEY)
                Emit(xc::XMLValid::IC_DuplicateKey, constraint.source->getElementName());
            return; // one tuple stands for all values equal to it
        }
    }
    store.Insert(store.Append(store.Encode(hash32, store.current)), hash32);
}

namespace {

bool Contains(const std::vector<std::uint32_t>& slots, std::uint32_t hash32,
              const std::function<bool(std::uint32_t)>& same)
{
    if (slots.empty())
        return false;
    const std::size_t mask = slots.size() - 1;
    for (std::size_t at = hash32 & mask; slots[at] != 0; at = (at + 1) & mask)
        if (same(slots[at] - 1))
            return true;
    return false;
}

} // namespace

void XmlIdentityChecker::Append(ValueStore& into, const ValueStore& from)
{
    if (&into == &from || from.tupleCount == 0)
        return;
    ValueStore::Tuple found;
    from.ForEach([&](const ValueStore::Tuple& tuple) {
        const bool present = Contains(into.slots, tuple.hash, [&](std::uint32_t offset) {
            if (into.HashAt(offset) != tuple.hash)
                return false;
            into.Decode(offset, found);
            bool same = found.fields.size() == tuple.fields.size();
            for (std::size_t i = 0; same && i < found.fields.size(); ++i)
                same = SameXmlKeyValue(found.fields[i], tuple.fields[i], m_memory);
            return same;
        });
        if (!present)
            into.Insert(into.Append(into.Encode(tuple.hash, tuple.fields)), tuple.hash);
    });
}

void XmlIdentityChecker::CheckReferences(ValueStore& keyref)
{
    const Constraint& constraint = *keyref.constraint;
    ValueStore* keys = GlobalStore(*constraint.key);
    if (keys == nullptr) {
        Emit(xc::XMLValid::IC_KeyRefOutOfScope, constraint.source->getIdentityConstraintName());
        return;
    }
    ValueStore::Tuple found;
    keyref.ForEach([&](const ValueStore::Tuple& tuple) {
        const bool present = Contains(keys->slots, tuple.hash, [&](std::uint32_t offset) {
            if (keys->HashAt(offset) != tuple.hash)
                return false;
            keys->Decode(offset, found);
            bool same = found.fields.size() == tuple.fields.size();
            for (std::size_t i = 0; same && i < found.fields.size(); ++i)
                same = SameXmlKeyValue(found.fields[i], tuple.fields[i], m_memory);
            return same;
        });
        if (!present)
            Emit(xc::XMLValid::IC_KeyNotFound, constraint.source->getElementName());
    });
}

void XmlIdentityChecker::PushGlobalScope()
{
    ++m_globalDepth;
    if (m_globals.size() <= m_globalDepth)
        m_globals.resize(m_globalDepth + 1);
    m_globals[m_globalDepth].clear();
}

// The element's key tables join those of its parent, where an enclosing
// keyref finds them.
void XmlIdentityChecker::PopGlobalScope()
{
    if (m_globalDepth == 0)
        return;
    auto& current = m_globals[m_globalDepth];
    for (const auto& [constraint, store] : m_globals[m_globalDepth - 1]) {
        ValueStore* existing = GlobalStore(*constraint);
        if (existing == nullptr)
            current.emplace_back(constraint, store);
        else
            Append(*existing, *store);
    }
    std::swap(m_globals[m_globalDepth - 1], current);
    --m_globalDepth;
}

XmlIdentityChecker::ValueStore* XmlIdentityChecker::GlobalStore(const Constraint& constraint) const
{
    if (m_globals.size() <= m_globalDepth)
        return nullptr;
    for (const auto& [each, store] : m_globals[m_globalDepth])
        if (each == &constraint)
            return store;
    return nullptr;
}

void XmlIdentityChecker::Transplant(const Constraint& constraint, int depth)
{
    ValueStore* values = FindStore(constraint, depth);
    if (values == nullptr)
        return;
    if (m_globals.size() <= m_globalDepth)
        m_globals.resize(m_globalDepth + 1);
    if (ValueStore* existing = GlobalStore(constraint))
        Append(*existing, *values);
    else
        m_globals[m_globalDepth].emplace_back(&constraint, values);
}
