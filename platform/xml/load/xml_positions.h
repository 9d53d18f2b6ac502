#pragma once
// Positions as the user counts them. The parser counts a column in UTF-16
// units (a character outside the Basic Multilingual Plane counts two) and
// places an undecodable byte where it was when it decoded the byte's block.
// These functions re-read the file to give 1-based lines and columns that
// count characters.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct TextPosition {
    long line = 0;
    long column = 0;
};

// The column in characters of a position the parser gave as a line and a
// UTF-16 column. The file's encoding is recognised from its byte-order mark
// or XML declaration; in single-byte encodings the two counts agree. Nothing
// when the file cannot be read.
// Up to `count` bytes of an open regular file from `offset` on; fewer where
// the file ends or a read fails.
std::string ReadFileBytesAt(int fd, std::uint64_t offset, std::size_t count);

std::optional<long> CharacterColumn(const std::string& linuxPath, long line, long utf16Column);

// CharacterColumn for many positions in one file, each given as a line and
// a UTF-16 column and changed in place; a UTF-8 file is read once, whatever
// the number of positions. A position that cannot be re-established keeps
// the parser's column.
void ToCharacterColumns(const std::string& linuxPath, std::vector<TextPosition*>& positions);

// The place of the first byte sequence that is not valid UTF-8 (by line and
// character column), for a file read as UTF-8. Nothing when there is none.
std::optional<TextPosition> FindInvalidUtf8(const std::string& linuxPath);

// The place of the lone surrogate the parser complained of, given where the
// parser stood when it did (a line and a UTF-16 column, a character or two
// past it): the last one before that place, in a UTF-16 file.
std::optional<TextPosition> FindLoneSurrogate(const std::string& linuxPath, long line, long utf16Column);

// A file that ends inside a character: an odd byte after the last whole
// UTF-16 unit, or a UTF-8 sequence cut short. The parser drops such a tail
// without a word.
struct IncompleteCharacter {
    TextPosition at;
    bool utf16 = false;
};
std::optional<IncompleteCharacter> FindIncompleteFinalCharacter(const std::string& linuxPath);

// The column of the encoding name in the XML declaration on the first line,
// or 1 when the line holds none.
long EncodingNameColumn(const std::string& linuxPath);
