#pragma once
// Keys, keyrefs and unique constraints, checked by our own engine instead of
// the parser's. The parser's engine tries every selector of every constraint
// in scope on every element, building a name object and pushing onto a heap
// stack each time, and hashes a stored key's canonical form again on every
// lookup; on a large document whose root declares a dozen `.//` selectors
// that is a third of the whole run.
//
// This engine follows the parser's rules step by step (how a path advances
// over child, descendant and attribute steps, when fields are activated and
// their scope ends, how key tables travel up to the scoping element and how a
// keyref finds its key), so that every verdict, error code and position stays
// what the parser gave. Values compare in the value space through the
// parser's own datatype validators: `1.0` and `1` are one decimal key.
//
// It checks constraints whose fields all select attributes. A field that
// selects an element's text needs the parser's normalized content, which its
// interface does not hand out: a grammar with such a field keeps the parser's
// own engine.

#include <xercesc/framework/XMLAttr.hpp>
#include <xercesc/internal/XMLScanner.hpp>
#include <xercesc/util/RefVectorOf.hpp>
#include <xercesc/validators/datatype/DatatypeValidator.hpp>
#include <xercesc/validators/schema/SchemaElementDecl.hpp>
#include <xercesc/validators/schema/identity/IdentityConstraint.hpp>
#include <xercesc/validators/schema/identity/XercesXPath.hpp>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

// One step of a selector or field path, as the parser compiled it.
struct XmlPathStep {
    enum class Axis : std::uint8_t { Child, Attribute, Self, Descendant };
    enum class Test : std::uint8_t { Name, Namespace, Any };
    Axis axis = Axis::Child;
    Test test = Test::Any;
    unsigned int uri = 0;
    std::u16string local;
    std::u16string raw; // prefix:local, compared when the name has no namespace id
    std::uint32_t localId = 0; // the local name's id in the engine's name table
};
using XmlPath = std::vector<XmlPathStep>;

// A path union in the engine's form; nothing if the parser's path holds a
// step this engine does not know.
std::optional<std::vector<XmlPath>> CompileXmlPath(const xercesc::XercesXPath* xpath);

// A stored key value: what one field gave, with the type that judges it.
struct XmlKeyField {
    xercesc::DatatypeValidator* type = nullptr;
    const XMLCh* value = nullptr; // null: the field gave no value
};

// Whether two field values are one key value: in the value space of their
// nearest common type; different when the types are unrelated; as text when
// either has no type.
bool SameXmlKeyValue(const XmlKeyField& a, const XmlKeyField& b, xercesc::MemoryManager* memory);
// A hash that agrees with SameXmlKeyValue for values of related types.
std::size_t XmlKeyValueHash(const XmlKeyField& field, xercesc::MemoryManager* memory);

class XmlIdentityChecker {
public:
    XmlIdentityChecker(xercesc::XMLScanner& scanner, xercesc::MemoryManager* memory);
    ~XmlIdentityChecker();
    XmlIdentityChecker(const XmlIdentityChecker&) = delete;
    XmlIdentityChecker& operator=(const XmlIdentityChecker&) = delete;

    // Whether every constraint of the element's declaration can be checked
    // here.
    bool Handles(const xercesc::SchemaElementDecl& element);

    // The element events, at the place the parser's engine would have been
    // called. Errors go through the validator, as the parser's would.
    void StartElement(const xercesc::SchemaElementDecl& element, unsigned int uri, const XMLCh* prefix,
                      const xercesc::RefVectorOf<xercesc::XMLAttr>& attributes, XMLSize_t attributeCount);
    void EndElement(const xercesc::SchemaElementDecl& element);

private:
    struct Constraint;
    struct ValueStore;
    struct Matcher;
    struct PathState;

    const Constraint& ConstraintFor(xercesc::IdentityConstraint* constraint);
    std::uint32_t NameId(const XMLCh* local);
    std::uint32_t ElementNameId(const xercesc::SchemaElementDecl& element);
    ValueStore& StoreFor(const Constraint& constraint, int depth);
    ValueStore* FindStore(const Constraint& constraint, int depth);
    Matcher& AddMatcher();

    void MatcherStart(Matcher& matcher, const xercesc::SchemaElementDecl& element, unsigned int uri,
                      const XMLCh* prefix, std::uint32_t nameId,
                      const xercesc::RefVectorOf<xercesc::XMLAttr>& attributes, XMLSize_t attributeCount);
    void PathStart(Matcher& matcher, std::size_t path, const xercesc::SchemaElementDecl& element, unsigned int uri,
                   const XMLCh* prefix, std::uint32_t nameId, const XMLCh* local,
                   const xercesc::RefVectorOf<xercesc::XMLAttr>& attributes, XMLSize_t attributeCount);
    void AttributeStepStart(Matcher& matcher, PathState& state, const XmlPath& path, std::size_t descendantStep,
                            const xercesc::SchemaElementDecl& element,
                            const xercesc::RefVectorOf<xercesc::XMLAttr>& attributes, XMLSize_t attributeCount);
    void SelectorStart(Matcher& matcher, const xercesc::SchemaElementDecl& element, unsigned int uri,
                       const XMLCh* prefix, std::uint32_t nameId,
                       const xercesc::RefVectorOf<xercesc::XMLAttr>& attributes, XMLSize_t attributeCount);
    void MatcherEnd(Matcher& matcher);
    bool Unaffected(const Matcher& matcher, unsigned int uri, std::uint32_t nameId) const;
    bool ElementMatches(const XmlPathStep& step, unsigned int uri, const XMLCh* prefix, std::uint32_t nameId,
                        const XMLCh* local) const;
    static bool AttributeMatches(const XmlPathStep& step, const xercesc::QName& name);
    void FieldMatched(Matcher& field, const xercesc::SchemaElementDecl& element, const xercesc::XMLAttr& attribute);
    void StartValueScope(ValueStore& store);
    void EndValueScope(ValueStore& store);
    void AddValue(ValueStore& store, std::size_t field, xercesc::DatatypeValidator* type, const XMLCh* value);
    void Append(ValueStore& into, const ValueStore& from);
    void CheckReferences(ValueStore& keyref);
    void PushGlobalScope();
    void PopGlobalScope();
    ValueStore* GlobalStore(const Constraint& constraint) const;
    void Transplant(const Constraint& constraint, int depth);
    void Emit(unsigned int code, const XMLCh* text1 = nullptr, const XMLCh* text2 = nullptr);

    xercesc::XMLScanner& m_scanner;
    xercesc::MemoryManager* m_memory;
    std::unordered_map<const xercesc::IdentityConstraint*, std::unique_ptr<Constraint>> m_constraints;
    std::unordered_map<std::u16string, std::uint32_t> m_names;
    std::unordered_map<const xercesc::SchemaElementDecl*, std::uint32_t> m_elementNames;
    // Matchers in activation order; those past m_matcherCount are spare.
    std::vector<std::unique_ptr<Matcher>> m_matchers;
    std::size_t m_matcherCount = 0;
    std::vector<std::size_t> m_contexts;
    // Per open element with matchers: how many were active at its start, and
    // which of them it left alone (one flag each, innermost element last).
    std::vector<std::size_t> m_skippedCounts;
    std::vector<std::uint8_t> m_skipped;
    // A value store per constraint and depth of its scoping element.
    std::unordered_map<std::uint64_t, std::unique_ptr<ValueStore>> m_stores;
    // Which field may still give a value in the current scope.
    std::unordered_map<const void*, bool> m_mayMatch;
    // The key tables visible at each open element, innermost last; a level
    // past m_globalDepth is spare.
    std::vector<std::vector<std::pair<const Constraint*, ValueStore*>>> m_globals;
    std::size_t m_globalDepth = 0;
    int m_depth = 0;
};
