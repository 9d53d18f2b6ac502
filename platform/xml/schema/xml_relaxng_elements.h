#pragma once
// What elements a RELAX NG grammar declares, read from its schema documents,
// so that the load can tell an element the grammar allows nowhere. Private
// to platform/xml/schema/.

#include <libxml/tree.h>

#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace xmlrelaxng {

using ExpandedName = std::pair<std::string, std::string>; // namespace, local name

// The element names a grammar mentions anywhere, and its element
// wildcards. An element none of them covers is allowed nowhere. The engine
// reports such an element oddly when it sits in content it checks by
// backtracking (it names an earlier sibling as extra content), so the load
// looks for one itself when the engine fails.
struct DeclaredElements {
    struct Wildcard {
        std::optional<std::string> space; // nsName; anyName when empty
        std::set<std::string> exceptSpaces;
        std::set<ExpandedName> exceptNames;
    };
    std::set<ExpandedName> names;
    std::vector<Wildcard> wildcards;
    bool usable = true; // false when some name class could not be read

    bool Covers(const ExpandedName& name) const
    {
        if (!usable || names.count(name) != 0)
            return true;
        for (const Wildcard& wildcard : wildcards) {
            if (wildcard.space && *wildcard.space != name.first)
                continue;
            if (wildcard.exceptSpaces.count(name.first) == 0 && wildcard.exceptNames.count(name) == 0)
                return true;
        }
        return false;
    }
};

// Every <element> of a schema document, wherever it stands.
void ReadDeclaredElements(xmlNode* node, DeclaredElements& declared);

// The first element from `top` on (in the order of the document) that the
// grammar allows nowhere; nothing when each is covered.
const xmlNode* FirstUndeclared(const xmlNode* top, const DeclaredElements& declared);

// An element's text, without the blanks around it.
std::string TextOf(const xmlNode* node);

} // namespace xmlrelaxng
