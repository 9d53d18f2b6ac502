#include "platform/xml/schema/xml_identity_constraints.h"
#include "platform/xml/schema/xml_identity_state.h"

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
    for (std::size_t i = 0; i < matcher.states.size(); ++i)
        PathStart(matcher, i, element, uri, prefix, nameId, local, attributes, attributeCount);
    if (matcher.selector)
        SelectorStart(matcher, element, uri, prefix, nameId, attributes, attributeCount);
}

// One path of a matcher at a start tag: it advances over self, descendant
// and child steps, or counts a level in which it cannot match.
void XmlIdentityChecker::PathStart(Matcher& matcher, std::size_t i, const xc::SchemaElementDecl& element,
                                   unsigned int uri, const XMLCh* prefix, std::uint32_t nameId, const XMLCh* local,
                                   const xc::RefVectorOf<xc::XMLAttr>& attributes, XMLSize_t attributeCount)
{
    PathState& state = matcher.states[i];
    const std::size_t startStep = state.currentStep;
    state.steps.push_back(startStep);
    if ((state.matched & kMatchedDescendant) == kMatched || state.noMatchDepth > 0) {
        ++state.noMatchDepth;
        return;
    }
    if ((state.matched & kMatchedDescendant) == kMatchedDescendant)
        state.matched = kMatchedAncestor;
    const XmlQuickSkip& skip = (*matcher.skips)[i];
    if (skip.usable && startStep == skip.waitingStep && (skip.localId != nameId || skip.uri != uri))
        return;
    const XmlPath& path = (*matcher.paths)[i];
    const std::size_t size = path.size();
    std::size_t& step = state.currentStep;
    while (step < size && path[step].axis == XmlPathStep::Axis::Self)
        ++step;
    if (step == size) {
        state.matched = kMatched;
        return;
    }
    const std::size_t descendantStep = step;
    while (step < size && path[step].axis == XmlPathStep::Axis::Descendant)
        ++step;
    const bool sawDescendant = step > descendantStep;
    if (step == size) {
        ++state.noMatchDepth;
        return;
    }
    if ((step == startStep || step > descendantStep) && path[step].axis == XmlPathStep::Axis::Child) {
        if (!ElementMatches(path[step], uri, prefix, nameId, local)) {
            if (step > descendantStep) {
                step = descendantStep;
                return;
            }
            ++state.noMatchDepth;
            return;
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
        return;
    }
    if (step < size && path[step].axis == XmlPathStep::Axis::Attribute)
        AttributeStepStart(matcher, state, path, descendantStep, element, attributes, attributeCount);
}

// A path at its attribute step: the first of the element's attributes that
// the step names advances it; a field that ends there takes its value.
void XmlIdentityChecker::AttributeStepStart(Matcher& matcher, PathState& state, const XmlPath& path,
                                            std::size_t descendantStep, const xc::SchemaElementDecl& element,
                                            const xc::RefVectorOf<xc::XMLAttr>& attributes,
                                            XMLSize_t attributeCount)
{
    const std::size_t size = path.size();
    std::size_t& step = state.currentStep;
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
            return;
        }
        ++state.noMatchDepth;
    }
}

// A selector at a start tag: where one of its paths matched this element
// (for the first time, or through a descendant step), the constraint's
// values start a scope here, and a matcher per field starts at this element.
void XmlIdentityChecker::SelectorStart(Matcher& matcher, const xc::SchemaElementDecl& element, unsigned int uri,
                                       const XMLCh* prefix, std::uint32_t nameId,
                                       const xc::RefVectorOf<xc::XMLAttr>& attributes, XMLSize_t attributeCount)
{
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
