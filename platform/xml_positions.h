#pragma once
// Positions as the user counts them. The parser counts a column in UTF-16
// units (a character outside the Basic Multilingual Plane counts two) and
// places an undecodable byte where it was when it decoded the byte's block.
// These functions re-read the file to give 1-based lines and columns that
// count characters.

#include <optional>
#include <string>

struct TextPosition {
    long line = 0;
    long column = 0;
};

// The column in characters of a position the parser gave as a line and a
// UTF-16 column. The file's encoding is recognised from its byte-order mark
// or XML declaration; in single-byte encodings the two counts agree. Nothing
// when the file cannot be read.
std::optional<long> CharacterColumn(const std::string& linuxPath, long line, long utf16Column);

// The place of the first byte sequence that is not valid UTF-8 (by line and
// character column), for a file read as UTF-8. Nothing when there is none.
std::optional<TextPosition> FindInvalidUtf8(const std::string& linuxPath);
