#pragma once
// Where an element's start tag opens. The engine names the line where a
// start tag ends; the reports want the line and column of its "<", found by
// the element's name on or before that line. Private to platform/xml/schema/.

#include <cstdint>
#include <string>
#include <vector>

namespace xmlrelaxng {

// An element's start tag to place: asked by the line the engine gave and
// the element's name; answered with the line and character column of the
// "<" that opens it, the last such tag on or before that line.
struct StartTagQuery {
    std::uint64_t line = 0;
    std::string name;
    // Which of the element's start tags on that line, counted from 1; 0
    // when not known (the last one then).
    int ordinal = 0;
    long foundLine = 0;
    long foundColumn = 0;
};

// Reads the file once for all the queries (in the order of their lines).
void PlaceStartTags(const std::string& linuxPath, std::vector<StartTagQuery*>& queries);

} // namespace xmlrelaxng
