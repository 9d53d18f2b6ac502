#include "platform/xml/schema/xml_identity_constraints.h"

#include <xercesc/framework/ValidationContext.hpp>
#include <xercesc/framework/XMLValidator.hpp>
#include <xercesc/framework/XMLValidityCodes.hpp>
#include <xercesc/util/XMLException.hpp>
#include <xercesc/util/XMLString.hpp>
#include <xercesc/validators/schema/SchemaAttDef.hpp>
#include <xercesc/validators/schema/identity/IC_Field.hpp>
#include <xercesc/validators/schema/identity/IC_KeyRef.hpp>
#include <xercesc/validators/schema/identity/IC_Selector.hpp>

#include <algorithm>
#include <cstring>
#include <functional>
#include <new>
#include <string_view>

namespace xc = xercesc;

namespace {

// How far a path has matched, in the parser's terms: matched at all, on the
// attribute axis, through a descendant step, or for an ancestor only.
constexpr std::uint8_t kMatched = 1;
constexpr std::uint8_t kMatchedAttribute = 3;
constexpr std::uint8_t kMatchedDescendant = 5;
constexpr std::uint8_t kMatchedAncestor = 13;

std::u16string_view View(const XMLCh* text)
{
    return text == nullptr ? std::u16string_view() : std::u16string_view(text);
}

bool Empty(const XMLCh* text)
{
    return text == nullptr || *text == 0;
}

// The name as the parser's element name object spells it.
std::u16string RawName(const XMLCh* prefix, const XMLCh* local)
{
    std::u16string raw;
    if (!Empty(prefix)) {
        raw = View(prefix);
        raw += u':';
    }
    raw += View(local);
    return raw;
}

std::size_t TextHash(std::u16string_view text)
{
    return std::hash<std::u16string_view>()(text);
}

} // namespace

std::optional<std::vector<XmlPath>> CompileXmlPath(const xc::XercesXPath* xpath)
{
    std::vector<XmlPath> paths;
    const auto* locations = xpath == nullptr ? nullptr : xpath->getLocationPaths();
    if (locations == nullptr)
        return paths;
    for (XMLSize_t i = 0; i < locations->size(); ++i) {
        const xc::XercesLocationPath* location = locations->elementAt(i);
        XmlPath path;
        for (XMLSize_t s = 0; s < location->getStepSize(); ++s) {
            const xc::XercesStep* step = location->getStep(s);
            XmlPathStep compiled;
            switch (step->getAxisType()) {
            case xc::XercesStep::AxisType_CHILD:
                compiled.axis = XmlPathStep::Axis::Child;
                break;
            case xc::XercesStep::AxisType_ATTRIBUTE:
                compiled.axis = XmlPathStep::Axis::Attribute;
                break;
            case xc::XercesStep::AxisType_SELF:
                compiled.axis = XmlPathStep::Axis::Self;
                break;
            case xc::XercesStep::AxisType_DESCENDANT:
                compiled.axis = XmlPathStep::Axis::Descendant;
                break;
            default:
                return std::nullopt;
            }
            const xc::XercesNodeTest* test = step->getNodeTest();
            const short type = test == nullptr ? short(xc::XercesNodeTest::NodeType_NODE) : test->getType();
            switch (type) {
            case xc::XercesNodeTest::NodeType_QNAME:
                if (test->getName() == nullptr)
                    return std::nullopt;
                compiled.test = XmlPathStep::Test::Name;
                compiled.uri = test->getName()->getURI();
                compiled.local = View(test->getName()->getLocalPart());
                compiled.raw = RawName(test->getName()->getPrefix(), test->getName()->getLocalPart());
                break;
            case xc::XercesNodeTest::NodeType_NAMESPACE:
                if (test->getName() == nullptr)
                    return std::nullopt;
                compiled.test = XmlPathStep::Test::Namespace;
                compiled.uri = test->getName()->getURI();
                break;
            case xc::XercesNodeTest::NodeType_WILDCARD:
            case xc::XercesNodeTest::NodeType_NODE:
                compiled.test = XmlPathStep::Test::Any;
                break;
            default:
                return std::nullopt;
            }
            path.push_back(std::move(compiled));
        }
        paths.push_back(std::move(path));
    }
    return paths;
}

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

// ---------------------------------------------------------------------------

// A path that reads `.//name` after its self steps (a selector `.//name` is
// compiled so), once past its first element, waits at its descendant step: an
// element of another name leaves it there (the full walk pushes that step,
// goes back to it and pops it again). That is the whole work for most
// elements of a large document.
struct XmlQuickSkip {
    bool usable = false;
    std::size_t waitingStep = 0;
    unsigned int uri = 0;
    std::uint32_t localId = 0;
};

std::vector<XmlQuickSkip> QuickSkips(const std::vector<XmlPath>& paths)
{
    std::vector<XmlQuickSkip> skips(paths.size());
    for (std::size_t i = 0; i < paths.size(); ++i) {
        const XmlPath& path = paths[i];
        std::size_t at = 0;
        while (at < path.size() && path[at].axis == XmlPathStep::Axis::Self)
            ++at;
        if (at + 1 < path.size() && path[at].axis == XmlPathStep::Axis::Descendant &&
            path[at + 1].axis == XmlPathStep::Axis::Child && path[at + 1].test == XmlPathStep::Test::Name &&
            path[at + 1].uri != 0)
            skips[i] = {true, at, path[at + 1].uri, path[at + 1].localId};
    }
    return skips;
}

struct XmlIdentityChecker::Constraint {
    xc::IdentityConstraint* source = nullptr;
    std::uint32_t index = 0;
    short type = xc::IdentityConstraint::ICType_UNKNOWN;
    bool supported = false;
    bool hasSelector = false;
    std::vector<XmlPath> selector;
    std::vector<XmlQuickSkip> selectorSkips;
    std::vector<std::vector<XmlPath>> fields;
    std::vector<std::vector<XmlQuickSkip>> fieldSkips;
    std::vector<const void*> fieldKeys;
    const Constraint* key = nullptr; // the key a keyref refers to
};

// The tuples of one constraint in one scope. They are kept packed: a large
// document's keys (a point id per point) must stay well within the load's
// memory, so each tuple is one record in a chunked arena, found through an
// open-addressing table of record offsets.
struct XmlIdentityChecker::ValueStore {
    const Constraint* constraint = nullptr;
    // The tuple being collected; absent fields until a scope starts.
    bool scoped = false;
    std::size_t valuesCount = 0;
    std::vector<XmlKeyField> current;
    std::vector<std::u16string> currentText;

    std::vector<xc::DatatypeValidator*> types;
    std::vector<std::unique_ptr<unsigned char[]>> chunks;
    std::size_t chunkUsed = 0;
    std::size_t chunkCapacity = 0; // of the last chunk
    std::vector<std::uint32_t> slots; // record offset + 1; 0 is free
    std::size_t tupleCount = 0;

    static constexpr std::size_t kChunkBits = 20;
    static constexpr std::size_t kChunkSize = std::size_t(1) << kChunkBits;
    static constexpr std::size_t kFirstChunk = 256;

    void Clear()
    {
        scoped = false;
        valuesCount = 0;
        current.clear();
        currentText.clear();
        types.clear();
        chunks.clear();
        chunkUsed = 0;
        chunkCapacity = 0;
        chunkSizes.clear();
        slots.clear();
        tupleCount = 0;
    }

    // A decoded record: its fields point into text owned by the decoder.
    struct Tuple {
        std::uint32_t hash = 0;
        std::vector<XmlKeyField> fields;
        std::vector<std::u16string> text;
    };

    static void PutNumber(std::vector<unsigned char>& out, std::size_t value)
    {
        while (value >= 0x80) {
            out.push_back(static_cast<unsigned char>(value | 0x80));
            value >>= 7;
        }
        out.push_back(static_cast<unsigned char>(value));
    }
    static std::size_t GetNumber(const unsigned char*& at)
    {
        std::size_t value = 0;
        int shift = 0;
        while (*at & 0x80) {
            value |= std::size_t(*at++ & 0x7F) << shift;
            shift += 7;
        }
        value |= std::size_t(*at++) << shift;
        return value;
    }

    std::size_t TypeIndex(xc::DatatypeValidator* type)
    {
        for (std::size_t i = 0; i < types.size(); ++i)
            if (types[i] == type)
                return i;
        types.push_back(type);
        return types.size() - 1;
    }

    // hash, field count, then per field: type index + 1 (0: none), length
    // and form (bit 0: no value, bit 1: two bytes a character), characters.
    std::vector<unsigned char> Encode(std::uint32_t hash, const std::vector<XmlKeyField>& fields)
    {
        std::vector<unsigned char> out(4);
        std::memcpy(out.data(), &hash, 4);
        PutNumber(out, fields.size());
        for (const XmlKeyField& field : fields) {
            PutNumber(out, field.type == nullptr ? 0 : TypeIndex(field.type) + 1);
            if (field.value == nullptr) {
                PutNumber(out, 1);
                continue;
            }
            const std::u16string_view text(field.value);
            bool wide = false;
            for (const char16_t ch : text)
                wide = wide || ch > 0xFF;
            PutNumber(out, (text.size() << 2) | (wide ? 2 : 0));
            for (const char16_t ch : text) {
                out.push_back(static_cast<unsigned char>(ch & 0xFF));
                if (wide)
                    out.push_back(static_cast<unsigned char>(ch >> 8));
            }
        }
        return out;
    }

    const unsigned char* At(std::uint32_t offset) const
    {
        return chunks[offset >> kChunkBits].get() + (offset & (kChunkSize - 1));
    }

    std::uint32_t HashAt(std::uint32_t offset) const
    {
        std::uint32_t hash = 0;
        std::memcpy(&hash, At(offset), 4);
        return hash;
    }

    // Decodes the record at the offset; returns the offset past it.
    std::size_t Decode(std::uint32_t offset, Tuple& tuple) const
    {
        const unsigned char* start = At(offset);
        const unsigned char* at = start;
        std::memcpy(&tuple.hash, at, 4);
        at += 4;
        const std::size_t count = GetNumber(at);
        tuple.fields.assign(count, {});
        tuple.text.resize(count);
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t type = GetNumber(at);
            tuple.fields[i].type = type == 0 ? nullptr : types[type - 1];
            const std::size_t form = GetNumber(at);
            if (form & 1) {
                tuple.fields[i].value = nullptr;
                continue;
            }
            const std::size_t length = form >> 2;
            std::u16string& text = tuple.text[i];
            text.resize(length);
            for (std::size_t c = 0; c < length; ++c) {
                char16_t ch = *at++;
                if (form & 2)
                    ch = static_cast<char16_t>(ch | (char16_t(*at++) << 8));
                text[c] = ch;
            }
            tuple.fields[i].value = text.c_str();
        }
        return offset + static_cast<std::size_t>(at - start);
    }

    template <typename Visit>
    void ForEach(Visit&& visit) const
    {
        Tuple tuple;
        for (std::size_t c = 0; c < chunks.size(); ++c) {
            const std::size_t used = c + 1 == chunks.size() ? chunkUsed : chunkSizes[c];
            std::size_t at = 0;
            while (at < used) {
                const std::uint32_t offset = static_cast<std::uint32_t>((c << kChunkBits) + at);
                at = Decode(offset, tuple) - (c << kChunkBits);
                visit(tuple);
            }
        }
    }
    std::vector<std::size_t> chunkSizes; // the used length of every full chunk

    std::uint32_t Append(const std::vector<unsigned char>& record)
    {
        // Chunks start small and double, so that the many small tables of
        // a document with a constraint per group cost little. A record longer
        // than a chunk gets a chunk of its own; an offset names a chunk in
        // its top bits, so their number is bounded (4 GiB of full chunks).
        if (chunks.empty() || chunkUsed + record.size() > chunkCapacity) {
            if (chunks.size() >= (std::size_t(1) << (32 - kChunkBits)))
                throw std::bad_alloc();
            if (!chunks.empty())
                chunkSizes.push_back(chunkUsed);
            chunkCapacity = std::max(std::min(kChunkSize, std::max(kFirstChunk, chunkCapacity * 2)), record.size());
            chunks.push_back(std::make_unique_for_overwrite<unsigned char[]>(chunkCapacity));
            chunkUsed = 0;
        }
        const std::uint32_t offset = static_cast<std::uint32_t>(((chunks.size() - 1) << kChunkBits) + chunkUsed);
        std::memcpy(chunks.back().get() + chunkUsed, record.data(), record.size());
        chunkUsed += record.size();
        return offset;
    }

    void Insert(std::uint32_t offset, std::uint32_t hash)
    {
        if ((tupleCount + 1) * 4 > slots.size() * 3) {
            std::vector<std::uint32_t> old = std::move(slots);
            slots.assign(old.empty() ? 64 : old.size() * 2, 0);
            for (const std::uint32_t entry : old)
                if (entry != 0)
                    Place(entry, HashAt(entry - 1));
        }
        Place(offset + 1, hash);
        ++tupleCount;
    }

    void Place(std::uint32_t entry, std::uint32_t hash)
    {
        const std::size_t mask = slots.size() - 1;
        std::size_t at = hash & mask;
        while (slots[at] != 0)
            at = (at + 1) & mask;
        slots[at] = entry;
    }
};

struct XmlIdentityChecker::PathState {
    std::size_t currentStep = 0;
    std::size_t noMatchDepth = 0;
    std::uint8_t matched = 0;
    std::vector<std::size_t> steps;

    void Reset()
    {
        currentStep = 0;
        noMatchDepth = 0;
        matched = 0;
        steps.clear();
    }
};

struct XmlIdentityChecker::Matcher {
    bool selector = true;
    const Constraint* constraint = nullptr;
    const std::vector<XmlPath>* paths = nullptr;
    const std::vector<XmlQuickSkip>* skips = nullptr;
    std::vector<PathState> states;
    int initialDepth = 0;
    // A selector's own state.
    int elementDepth = 0;
    std::vector<int> matchedDepth;
    // A field's own state.
    std::size_t field = 0;
    ValueStore* store = nullptr;

    void Reset()
    {
        states.resize(paths->size());
        for (PathState& state : states)
            state.Reset();
        elementDepth = 0;
        matchedDepth.assign(paths->size(), -1);
    }

    std::uint8_t Matched() const
    {
        for (const PathState& state : states)
            if ((state.matched & kMatched) == kMatched && (state.matched & kMatchedAncestor) != kMatchedAncestor)
                return state.matched;
        return 0;
    }
};

// ---------------------------------------------------------------------------

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

// Whether the element leaves a selector exactly as it finds it: each of its
// paths either is inside an element it gave up on or matched (it would count
// one level more and one less), or waits at `.//name` for another name (it
// would push its step and pop it again). The flag of a path that
// matched an ancestor is cleared either way before it is read again.
bool XmlIdentityChecker::Unaffected(const Matcher& matcher, unsigned int uri, std::uint32_t nameId) const
{
    if (!matcher.selector)
        return false;
    for (std::size_t i = 0; i < matcher.states.size(); ++i) {
        const PathState& state = matcher.states[i];
        if (state.noMatchDepth > 0 || (state.matched & kMatchedDescendant) == kMatched)
            continue;
        const XmlQuickSkip& skip = (*matcher.skips)[i];
        if (skip.usable && state.currentStep == skip.waitingStep && (skip.localId != nameId || skip.uri != uri))
            continue;
        return false;
    }
    return true;
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

bool XmlIdentityChecker::ElementMatches(const XmlPathStep& step, unsigned int uri, const XMLCh* prefix,
                                        std::uint32_t nameId, const XMLCh* local) const
{
    switch (step.test) {
    case XmlPathStep::Test::Name:
        if (step.uri == 0)
            return RawName(prefix, local) == step.raw;
        return step.uri == uri && step.localId == nameId;
    case XmlPathStep::Test::Namespace:
        return step.uri == uri;
    case XmlPathStep::Test::Any:
        break;
    }
    return true;
}

bool XmlIdentityChecker::AttributeMatches(const XmlPathStep& step, const xc::QName& name)
{
    switch (step.test) {
    case XmlPathStep::Test::Name:
        if (step.uri == 0)
            return View(name.getRawName()) == step.raw;
        return step.uri == name.getURI() && View(name.getLocalPart()) == step.local;
    case XmlPathStep::Test::Namespace:
        return step.uri == name.getURI();
    case XmlPathStep::Test::Any:
        break;
    }
    return true;
}

void XmlIdentityChecker::MatcherStart(Matcher& matcher, const xc::SchemaElementDecl& element, unsigned int uri,
                                      const XMLCh* prefix, std::uint32_t nameId,
                                      const xc::RefVectorOf<xc::XMLAttr>& attributes, XMLSize_t attributeCount)
{
    const XMLCh* local = element.getElementName()->getLocalPart();
    for (std::size_t i = 0; i < matcher.states.size(); ++i) {
        PathState& state = matcher.states[i];
        const std::size_t startStep = state.currentStep;
        state.steps.push_back(startStep);
        if ((state.matched & kMatchedDescendant) == kMatched || state.noMatchDepth > 0) {
            ++state.noMatchDepth;
            continue;
        }
        if ((state.matched & kMatchedDescendant) == kMatchedDescendant)
            state.matched = kMatchedAncestor;
        const XmlQuickSkip& skip = (*matcher.skips)[i];
        if (skip.usable && startStep == skip.waitingStep && (skip.localId != nameId || skip.uri != uri))
            continue;
        const XmlPath& path = (*matcher.paths)[i];
        const std::size_t size = path.size();
        std::size_t& step = state.currentStep;
        while (step < size && path[step].axis == XmlPathStep::Axis::Self)
            ++step;
        if (step == size) {
            state.matched = kMatched;
            continue;
        }
        const std::size_t descendantStep = step;
        while (step < size && path[step].axis == XmlPathStep::Axis::Descendant)
            ++step;
        const bool sawDescendant = step > descendantStep;
        if (step == size) {
            ++state.noMatchDepth;
            continue;
        }
        if ((step == startStep || step > descendantStep) && path[step].axis == XmlPathStep::Axis::Child) {
            if (!ElementMatches(path[step], uri, prefix, nameId, local)) {
                if (step > descendantStep) {
                    step = descendantStep;
                    continue;
                }
                ++state.noMatchDepth;
                continue;
            }
            ++step;
        }
        if (step == size) {
            if (sawDescendant) {
                step = descendantStep;
                state.matched = kMatchedDescendant;
            } else {
                state.matched = kMatched;
            }
            continue;
        }
        if (step < size && path[step].axis == XmlPathStep::Axis::Attribute) {
            for (XMLSize_t a = 0; a < attributeCount; ++a) {
                const xc::XMLAttr* attribute = attributes.elementAt(a);
                if (!AttributeMatches(path[step], *attribute->getAttName()))
                    continue;
                ++step;
                if (step == size) {
                    state.matched = kMatchedAttribute;
                    if (!matcher.selector)
                        FieldMatched(matcher, element, *attribute);
                }
                break;
            }
            if ((state.matched & kMatched) != kMatched) {
                if (step > descendantStep) {
                    step = descendantStep;
                    continue;
                }
                ++state.noMatchDepth;
            }
        }
    }
    if (!matcher.selector)
        return;

    ++matcher.elementDepth;
    for (std::size_t k = 0; k < matcher.states.size(); ++k) {
        const std::uint8_t flags = matcher.states[k].matched;
        const std::uint8_t matched =
            (flags & kMatched) == kMatched && (flags & kMatchedAncestor) != kMatchedAncestor ? flags : 0;
        if (!((matcher.matchedDepth[k] == -1 && (matched & kMatched) == kMatched) ||
              (matched & kMatchedDescendant) == kMatchedDescendant))
            continue;
        const Constraint& constraint = *matcher.constraint;
        matcher.matchedDepth[k] = matcher.elementDepth;
        ValueStore* store = FindStore(constraint, matcher.initialDepth);
        if (store != nullptr)
            StartValueScope(*store);
        for (std::size_t f = 0; f < constraint.fields.size(); ++f) {
            Matcher& field = AddMatcher();
            field.selector = false;
            field.constraint = &constraint;
            field.paths = &constraint.fields[f];
            field.skips = &constraint.fieldSkips[f];
            field.initialDepth = matcher.initialDepth;
            field.field = f;
            field.store = store;
            field.Reset();
            m_mayMatch[constraint.fieldKeys[f]] = true;
            MatcherStart(field, element, uri, prefix, nameId, attributes, attributeCount);
        }
        break;
    }
}

void XmlIdentityChecker::MatcherEnd(Matcher& matcher)
{
    for (PathState& state : matcher.states) {
        state.currentStep = state.steps.back();
        state.steps.pop_back();
        if (state.noMatchDepth > 0)
            --state.noMatchDepth;
        else
            state.matched = 0; // a field ending on an attribute matched at its start tag
    }
    if (!matcher.selector)
        return;
    for (std::size_t k = 0; k < matcher.matchedDepth.size(); ++k) {
        if (matcher.elementDepth == matcher.matchedDepth[k]) {
            matcher.matchedDepth[k] = -1;
            if (ValueStore* store = FindStore(*matcher.constraint, matcher.initialDepth))
                EndValueScope(*store);
            break;
        }
    }
    --matcher.elementDepth;
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
