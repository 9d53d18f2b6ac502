#pragma once
// Lists of numbers (a LandXML point is "northing easting elevation", a face
// "a b c") are validated item by item by the parser's built-in double,
// decimal and integer validators. Each item costs a number object, a
// transcoding to the local code page for strtod, and for integers a match of
// the built-in pattern `[\-+]?[0-9]+` by the general regular-expression
// engine: two fifths of a LandXML surface's validation.
//
// Such a list is given an item validator of its own that derives from the
// built-in one without adding a facet; so is an attribute declared with a
// built-in double, decimal, integer, nonNegativeInteger or positiveInteger (a
// point's id, a record's sequence number). It accepts the plain spellings
// (`-12.5`, `42`) at once, which the built-in type accepts too, and hands
// every other value to the built-in type's own validation, so a verdict and
// its message never change. The built-in type stays the ancestor: values
// still compare in its value space.

#include <xercesc/framework/XMLGrammarPool.hpp>
#include <xercesc/validators/common/GrammarResolver.hpp>

// Gives the number lists and number attributes of the parse's schemas their
// quick validators. Safe to call again on schemas already given them.
void QuickenNumberLists(const xercesc::GrammarResolver& grammars);
// Gives the schemas in the pool back their built-in number types: the quick
// validators belong to this process, and schemas written for another one
// must name the types the parser knows by name. The next parse that uses
// the schemas quickens them again.
void RestoreBuiltInNumberTypes(xercesc::XMLGrammarPool& pool);

// Whether the quick path accepts the value as a double, decimal, integer,
// nonNegativeInteger or positiveInteger (names as in XML Schema); false means
// "ask the built-in type".
bool QuickNumberAccepted(const char16_t* item, const char16_t* typeName);
