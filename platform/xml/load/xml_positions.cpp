#include "platform/xml/load/xml_positions.h"

#include "platform/os/posix_io.h"
#include "platform/os/unique_fd.h"
#include "platform/xml/load/xml_document_file.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

std::string ReadFileBytesAt(int fd, std::uint64_t offset, std::size_t count)
{
    std::string bytes(count, '\0');
    std::size_t filled = 0;
    while (filled < count) {
        const std::size_t wanted = count - filled;
        const ssize_t got = ReadSomeAt(fd, bytes.data() + filled, wanted, offset + filled);
        if (got <= 0)
            break;
        filled += static_cast<std::size_t>(got);
        if (static_cast<std::size_t>(got) < wanted)
            break; // a regular file reads short only at its end
    }
    bytes.resize(filled);
    return bytes;
}

namespace {

// Sequential, buffered reading of a file's bytes.
class ByteReader {
public:
    // A reader of the first few bytes takes a small buffer: each load reads
    // its document's start, and a large one would cost more than the read.
    explicit ByteReader(const std::string& path, std::size_t bufferBytes = 1 << 20)
        : m_fd(OpenToRead(path)), m_buffer(bufferBytes)
    {
    }

    bool IsOpen() const { return static_cast<bool>(m_fd); }

    // The next byte, or -1 at the end.
    int Next()
    {
        if (m_next == m_end && !Fill())
            return -1;
        return m_buffer[m_next++];
    }
    int Peek()
    {
        if (m_next == m_end && !Fill())
            return -1;
        return m_buffer[m_next];
    }

private:
    bool Fill()
    {
        if (!m_fd)
            return false;
        const ssize_t got = ReadSome(m_fd.Get(), m_buffer.data(), m_buffer.size());
        if (got <= 0)
            return false;
        m_next = 0;
        m_end = static_cast<std::size_t>(got);
        return true;
    }

    UniqueFd m_fd;
    std::vector<std::uint8_t> m_buffer;
    std::size_t m_next = 0;
    std::size_t m_end = 0;
};

enum class Encoding { Utf8, Utf16LE, Utf16BE, SingleUnit };

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return text;
}

// How many of a file's first bytes tell its encoding.
constexpr std::size_t kEncodingHeadBytes = 512;


// The encoding of a file, from its first bytes; and how many bytes of
// byte-order mark to skip.
Encoding EncodingOfHead(const std::string& head, int& bomBytes)
{
    bomBytes = 0;
    const auto starts = [&](std::string_view prefix) { return head.starts_with(prefix); };
    if (starts("\xEF\xBB\xBF")) {
        bomBytes = 3;
        return Encoding::Utf8;
    }
    if (starts("\xFF\xFE")) {
        bomBytes = 2;
        return Encoding::Utf16LE;
    }
    if (starts("\xFE\xFF")) {
        bomBytes = 2;
        return Encoding::Utf16BE;
    }
    if (starts(std::string_view("<\0?\0", 4)))
        return Encoding::Utf16LE;
    if (starts(std::string_view("\0<\0?", 4)))
        return Encoding::Utf16BE;
    if (!starts("<?xml"))
        return Encoding::Utf8;
    const auto end = head.find("?>");
    const std::string declaration = Lower(head.substr(0, end));
    const auto at = declaration.find("encoding");
    if (at == std::string::npos)
        return Encoding::Utf8;
    const auto quote = declaration.find_first_of("\"'", at);
    if (quote == std::string::npos)
        return Encoding::Utf8;
    const auto close = declaration.find(declaration[quote], quote + 1);
    const std::string name = declaration.substr(quote + 1, close - quote - 1);
    if (name == "utf-8" || name == "utf8")
        return Encoding::Utf8;
    if (name == "utf-16" || name == "utf-16le")
        return Encoding::Utf16LE; // without a mark the parser reads UTF-16 as little-endian here
    if (name == "utf-16be")
        return Encoding::Utf16BE;
    return Encoding::SingleUnit;
}

Encoding DetectEncoding(const std::string& path, int& bomBytes)
{
    const UniqueFd fd = OpenToRead(path);
    return EncodingOfHead(fd ? ReadFileBytesAt(fd.Get(), 0, kEncodingHeadBytes) : std::string(), bomBytes);
}

// Decodes one character: its code point and whether it was well formed.
struct Decoded {
    char32_t cp = 0;
    bool valid = true;
    bool end = false;
};

Decoded NextUtf8(ByteReader& reader)
{
    Decoded out;
    const int lead = reader.Next();
    if (lead < 0) {
        out.end = true;
        return out;
    }
    if (lead < 0x80) {
        out.cp = static_cast<char32_t>(lead);
        return out;
    }
    int length = 0;
    char32_t min = 0;
    if ((lead & 0xE0) == 0xC0)
        length = 2, out.cp = lead & 0x1F, min = 0x80;
    else if ((lead & 0xF0) == 0xE0)
        length = 3, out.cp = lead & 0x0F, min = 0x800;
    else if ((lead & 0xF8) == 0xF0)
        length = 4, out.cp = lead & 0x07, min = 0x10000;
    else {
        out.valid = false;
        return out;
    }
    for (int k = 1; k < length; ++k) {
        const int next = reader.Peek();
        if (next < 0 || (next & 0xC0) != 0x80) {
            out.valid = false;
            return out;
        }
        reader.Next();
        out.cp = (out.cp << 6) | static_cast<char32_t>(next & 0x3F);
    }
    if (out.cp < min || out.cp > 0x10FFFF || (out.cp >= 0xD800 && out.cp <= 0xDFFF))
        out.valid = false;
    return out;
}

// `pending` holds a unit read ahead after a lone leading surrogate: that
// unit is a character of its own, and is where the next call starts.
Decoded NextUtf16(ByteReader& reader, bool littleEndian, int& pending)
{
    Decoded out;
    const auto unit = [&]() -> int {
        const int a = reader.Next();
        const int b = reader.Next();
        if (a < 0 || b < 0)
            return -1;
        return littleEndian ? (a | (b << 8)) : ((a << 8) | b);
    };
    const int first = pending >= 0 ? pending : unit();
    pending = -1;
    if (first < 0) {
        out.end = true;
        return out;
    }
    out.cp = static_cast<char32_t>(first);
    if (first >= 0xD800 && first <= 0xDBFF) {
        const int second = unit();
        if (second >= 0xDC00 && second <= 0xDFFF) {
            out.cp = 0x10000 + ((static_cast<char32_t>(first) - 0xD800) << 10) +
                     (static_cast<char32_t>(second) - 0xDC00);
        } else {
            out.valid = false;
            pending = second;
        }
    } else if (first >= 0xDC00 && first <= 0xDFFF) {
        out.valid = false;
    }
    return out;
}

// Walks a file character by character, keeping the line as the parser
// counts it (CR LF, CR and LF each end a line).
class CharacterWalker {
public:
    CharacterWalker(const std::string& path, Encoding encoding, int bomBytes)
        : m_reader(path), m_encoding(encoding)
    {
        for (int i = 0; i < bomBytes; ++i)
            m_reader.Next();
    }
    bool IsOpen() const { return m_reader.IsOpen(); }

    // The next character; its position is Line() and Column() as they were
    // before the call.
    Decoded Next()
    {
        if (m_pendingBreak) {
            m_pendingBreak = false;
            ++m_line;
            m_column = 1;
        }
        Decoded ch;
        switch (m_encoding) {
        case Encoding::Utf8:
            ch = NextUtf8(m_reader);
            break;
        case Encoding::Utf16LE:
            ch = NextUtf16(m_reader, true, m_pendingUnit);
            break;
        case Encoding::Utf16BE:
            ch = NextUtf16(m_reader, false, m_pendingUnit);
            break;
        case Encoding::SingleUnit: {
            const int byte = m_reader.Next();
            ch.end = byte < 0;
            ch.cp = static_cast<char32_t>(std::max(byte, 0));
            break;
        }
        }
        if (ch.end)
            return ch;
        if (ch.cp == '\n' && m_lastWasCr) { // the LF of a CR LF pair adds no line
            m_lastWasCr = false;
            return ch;
        }
        m_lastWasCr = ch.cp == '\r';
        if (ch.cp == '\r' || ch.cp == '\n')
            m_pendingBreak = true;
        else
            ++m_column;
        return ch;
    }

    long Line() const { return m_pendingBreak ? m_line + 1 : m_line; }
    long Column() const { return m_pendingBreak ? 1 : m_column; }

private:
    ByteReader m_reader;
    Encoding m_encoding;
    int m_pendingUnit = -1;
    long m_line = 1;
    long m_column = 1;
    bool m_pendingBreak = false;
    bool m_lastWasCr = false;
};


// Reads a file from an offset in large blocks, for the byte-oriented scans
// below: they run at memory speed even through a file of gigabytes.
class BlockReader {
public:
    BlockReader(const std::string& path, std::uint64_t offset, std::size_t bufferBytes = 1 << 20)
        : m_fd(OpenToRead(path)), m_offset(offset), m_buffer(bufferBytes)
    {
    }

    bool IsOpen() const { return static_cast<bool>(m_fd); }

    // Makes at least `count` bytes available from Data() unless the file
    // ends first; returns how many are available.
    std::size_t Ensure(std::size_t count)
    {
        if (m_end - m_next >= count)
            return m_end - m_next;
        std::copy(m_buffer.begin() + static_cast<std::ptrdiff_t>(m_next),
                  m_buffer.begin() + static_cast<std::ptrdiff_t>(m_end), m_buffer.begin());
        m_end -= m_next;
        m_next = 0;
        while (m_end < count && m_fd) {
            const ssize_t got = ReadSomeAt(m_fd.Get(), m_buffer.data() + m_end, m_buffer.size() - m_end,
                                           m_offset + m_end);
            if (got <= 0)
                break;
            m_end += static_cast<std::size_t>(got);
        }
        return m_end - m_next;
    }
    const std::uint8_t* Data() const { return m_buffer.data() + m_next; }
    void Advance(std::size_t count)
    {
        m_next += count;
        m_offset += count;
    }
    std::uint64_t Offset() const { return m_offset; }

private:
    UniqueFd m_fd;
    std::uint64_t m_offset; // the file offset of Data()
    std::vector<std::uint8_t> m_buffer;
    std::size_t m_next = 0;
    std::size_t m_end = 0;
};

// The offset of the first byte of a line in a byte-oriented encoding (CR LF,
// CR and LF each end a line), scanning from `from`, which starts line 1.
std::optional<std::uint64_t> LineStart(const std::string& path, std::uint64_t from, long line)
{
    BlockReader reader(path, from);
    if (!reader.IsOpen())
        return std::nullopt;
    long current = 1;
    std::uint64_t start = from;
    bool lastWasCr = false;
    while (true) {
        const std::size_t available = reader.Ensure(1);
        if (available == 0)
            return current == line ? std::optional<std::uint64_t>(start) : std::nullopt;
        const std::uint8_t* data = reader.Data();
        for (std::size_t i = 0; i < available; ++i) {
            const std::uint8_t byte = data[i];
            if (byte > '\r') {
                if (current == line)
                    return start;
                lastWasCr = false;
                continue;
            }
            if (byte == '\n' && lastWasCr) {
                start = reader.Offset() + i + 1;
                lastWasCr = false;
                continue;
            }
            if (current == line && byte != '\n' && byte != '\r')
                return start;
            if (byte == '\n' || byte == '\r') {
                if (current == line)
                    return start; // the line is empty
                ++current;
                start = reader.Offset() + i + 1;
                lastWasCr = byte == '\r';
            } else {
                lastWasCr = false;
            }
        }
        reader.Advance(available);
    }
}

// The length of the valid UTF-8 sequence at data[0] (with `available` bytes
// there), or 0 when it is not valid.
std::size_t ValidUtf8Length(const std::uint8_t* data, std::size_t available)
{
    const std::uint8_t lead = data[0];
    std::size_t length = 0;
    char32_t cp = 0;
    char32_t min = 0;
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0)
        length = 2, cp = lead & 0x1F, min = 0x80;
    else if ((lead & 0xF0) == 0xE0)
        length = 3, cp = lead & 0x0F, min = 0x800;
    else if ((lead & 0xF8) == 0xF0)
        length = 4, cp = lead & 0x07, min = 0x10000;
    else
        return 0;
    if (available < length)
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((data[k] & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (data[k] & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return length;
}

// The offset of the first byte that does not start a valid UTF-8 sequence.
std::optional<std::uint64_t> FirstInvalidUtf8(const std::string& path, std::uint64_t from)
{
    BlockReader reader(path, from);
    while (reader.IsOpen()) {
        // Eight bytes at hand, so that any sequence is whole unless the file ends.
        const std::size_t available = reader.Ensure(8);
        if (available == 0)
            return std::nullopt;
        const std::uint8_t* data = reader.Data();
        std::size_t ascii = 0;
        while (ascii + 8 <= available) {
            std::uint64_t word = 0;
            std::memcpy(&word, data + ascii, 8);
            if ((word & 0x8080808080808080ull) != 0)
                break;
            ascii += 8;
        }
        if (ascii > 0) {
            reader.Advance(ascii);
            continue;
        }
        const std::size_t length = ValidUtf8Length(data, available);
        if (length == 0)
            return reader.Offset();
        reader.Advance(length);
    }
    return std::nullopt;
}

// Characters (code points, an invalid byte counting one) in a UTF-8 range.
long Utf8Characters(const std::string& path, std::uint64_t from, std::uint64_t to)
{
    BlockReader reader(path, from);
    long characters = 0;
    while (reader.Offset() < to) {
        const std::size_t available = reader.Ensure(1);
        if (available == 0)
            break;
        const std::size_t count = static_cast<std::size_t>(std::min<std::uint64_t>(available, to - reader.Offset()));
        const std::uint8_t* data = reader.Data();
        for (std::size_t i = 0; i < count; ++i)
            characters += (data[i] & 0xC0) != 0x80 ? 1 : 0;
        reader.Advance(count);
    }
    return characters;
}

} // namespace

namespace {

// The units and characters before a UTF-16 column on the UTF-8 line that
// begins at `start`.
void CountUtf8LineTo(const std::string& linuxPath, std::uint64_t start, long utf16Column, long& unitsBefore,
                     long& charactersBefore)
{
    BlockReader reader(linuxPath, start);
    while (unitsBefore < utf16Column - 1) {
        const std::size_t available = reader.Ensure(4);
        if (available == 0 || reader.Data()[0] == '\r' || reader.Data()[0] == '\n')
            break;
        const std::size_t length = ValidUtf8Length(reader.Data(), available);
        const long units = length == 4 ? 2 : 1;
        if (unitsBefore + units > utf16Column - 1)
            break;
        unitsBefore += units;
        ++charactersBefore;
        reader.Advance(length == 0 ? 1 : length);
    }
}

// Past the end of the line's text every unit is one character.
long CharacterColumnFrom(long utf16Column, long unitsBefore, long charactersBefore)
{
    return charactersBefore + 1 + (utf16Column - 1 - unitsBefore);
}

} // namespace

std::optional<long> CharacterColumn(const std::string& linuxPath, long line, long utf16Column)
{
    if (line < 1 || utf16Column < 1)
        return std::nullopt;
    int bomBytes = 0;
    const Encoding encoding = DetectEncoding(linuxPath, bomBytes);
    if (encoding == Encoding::SingleUnit)
        return utf16Column;
    long unitsBefore = 0;
    long charactersBefore = 0;
    if (encoding == Encoding::Utf8) {
        const auto start = LineStart(linuxPath, static_cast<std::uint64_t>(bomBytes), line);
        if (!start)
            return std::nullopt;
        CountUtf8LineTo(linuxPath, *start, utf16Column, unitsBefore, charactersBefore);
    } else {
        CharacterWalker walker(linuxPath, encoding, bomBytes);
        if (!walker.IsOpen())
            return std::nullopt;
        while (walker.Line() <= line) {
            const bool onLine = walker.Line() == line;
            const Decoded ch = walker.Next();
            if (ch.end)
                break;
            if (!onLine || ch.cp == '\r' || ch.cp == '\n')
                continue;
            const long units = ch.cp >= 0x10000 ? 2 : 1;
            if (unitsBefore + units > utf16Column - 1)
                break;
            unitsBefore += units;
            ++charactersBefore;
        }
    }
    return CharacterColumnFrom(utf16Column, unitsBefore, charactersBefore);
}

void ToCharacterColumns(const std::string& linuxPath, std::vector<TextPosition*>& positions)
{
    int bomBytes = 0;
    const Encoding encoding = DetectEncoding(linuxPath, bomBytes);
    if (encoding == Encoding::SingleUnit)
        return;
    if (encoding != Encoding::Utf8) {
        // Rare enough (many errors in a UTF-16 file) to walk the file once
        // for each; the first few are placed, the rest keep the parser's
        // column, which differs only beyond the Basic Multilingual Plane.
        constexpr std::size_t kWalked = 16;
        for (std::size_t i = 0; i < positions.size() && i < kWalked; ++i)
            if (const auto column = CharacterColumn(linuxPath, positions[i]->line, positions[i]->column))
                positions[i]->column = *column;
        return;
    }
    std::vector<TextPosition*> byLine;
    for (TextPosition* position : positions)
        if (position->line >= 1 && position->column >= 1)
            byLine.push_back(position);
    std::stable_sort(byLine.begin(), byLine.end(),
                     [](const TextPosition* a, const TextPosition* b) { return a->line < b->line; });
    std::uint64_t lineStart = static_cast<std::uint64_t>(bomBytes);
    long startLine = 1;
    for (TextPosition* position : byLine) {
        // Each search goes on from the line found before.
        const auto start = LineStart(linuxPath, lineStart, position->line - startLine + 1);
        if (!start)
            return;
        lineStart = *start;
        startLine = position->line;
        long unitsBefore = 0;
        long charactersBefore = 0;
        CountUtf8LineTo(linuxPath, lineStart, position->column, unitsBefore, charactersBefore);
        position->column = CharacterColumnFrom(position->column, unitsBefore, charactersBefore);
    }
}

std::optional<TextPosition> FindInvalidUtf8(const std::string& linuxPath)
{
    int bomBytes = 0;
    if (DetectEncoding(linuxPath, bomBytes) != Encoding::Utf8)
        return std::nullopt;
    const auto bad = FirstInvalidUtf8(linuxPath, static_cast<std::uint64_t>(bomBytes));
    if (!bad)
        return std::nullopt;
    // Count the lines before it, and the characters from its line's start.
    BlockReader reader(linuxPath, static_cast<std::uint64_t>(bomBytes));
    long line = 1;
    std::uint64_t lineStart = static_cast<std::uint64_t>(bomBytes);
    bool lastWasCr = false;
    while (reader.Offset() < *bad) {
        const std::size_t available = reader.Ensure(1);
        if (available == 0)
            break;
        const std::size_t count = static_cast<std::size_t>(std::min<std::uint64_t>(available, *bad - reader.Offset()));
        const std::uint8_t* data = reader.Data();
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint8_t byte = data[i];
            if (byte > '\r') {
                lastWasCr = false;
            } else if (byte == '\n' && lastWasCr) {
                lineStart = reader.Offset() + i + 1;
                lastWasCr = false;
            } else if (byte == '\n' || byte == '\r') {
                ++line;
                lineStart = reader.Offset() + i + 1;
                lastWasCr = byte == '\r';
            } else {
                lastWasCr = false;
            }
        }
        reader.Advance(count);
    }
    return TextPosition{line, Utf8Characters(linuxPath, lineStart, *bad) + 1};
}

std::optional<TextPosition> FindLoneSurrogate(const std::string& linuxPath, long line, long utf16Column)
{
    int bomBytes = 0;
    const Encoding encoding = DetectEncoding(linuxPath, bomBytes);
    if (encoding != Encoding::Utf16LE && encoding != Encoding::Utf16BE)
        return std::nullopt;
    CharacterWalker walker(linuxPath, encoding, bomBytes);
    std::optional<TextPosition> found;
    long walkerLine = 1;
    long unitColumn = 1;
    while (walker.IsOpen()) {
        if (walker.Line() != walkerLine) {
            walkerLine = walker.Line();
            unitColumn = 1;
        }
        if (walkerLine > line || (walkerLine == line && unitColumn >= utf16Column))
            break;
        const TextPosition at{walker.Line(), walker.Column()};
        const Decoded ch = walker.Next();
        if (ch.end)
            break;
        if (!ch.valid)
            found = at;
        unitColumn += ch.cp >= 0x10000 ? 2 : 1;
    }
    return found;
}

std::optional<IncompleteCharacter> FindIncompleteFinalCharacter(const std::string& linuxPath)
{
    // Every load that ends without an error asks this: one open serves the
    // encoding, the size and the last bytes.
    const UniqueFd fd = OpenToRead(linuxPath);
    struct stat info {};
    if (!fd || ::fstat(fd.Get(), &info) != 0)
        return std::nullopt;
    int bomBytes = 0;
    const Encoding encoding = EncodingOfHead(ReadFileBytesAt(fd.Get(), 0, kEncodingHeadBytes), bomBytes);
    if (encoding == Encoding::SingleUnit)
        return std::nullopt;
    const auto size = static_cast<std::uint64_t>(info.st_size);
    if (encoding == Encoding::Utf8) {
        // Only the last few bytes can start a sequence the file cuts short;
        // the parser reports any other undecodable byte itself.
        const std::uint64_t from = std::max<std::uint64_t>(size >= 3 ? size - 3 : 0, bomBytes);
        const std::string tail = ReadFileBytesAt(fd.Get(), from, 4);
        const std::size_t available = tail.size();
        const auto* data = reinterpret_cast<const std::uint8_t*>(tail.data());
        for (std::size_t i = 0; i < available; ++i) {
            const std::uint8_t lead = data[i];
            const std::size_t length = (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : (lead & 0xF8) == 0xF0 ? 4 : 0;
            if (length != 0 && i + length > available && ValidUtf8Length(data + i, available - i) == 0) {
                const auto at = FindInvalidUtf8(linuxPath);
                if (!at)
                    return std::nullopt;
                return IncompleteCharacter{*at, false};
            }
        }
        return std::nullopt;
    }
    if ((size - static_cast<std::uint64_t>(bomBytes)) % 2 == 0)
        return std::nullopt;
    CharacterWalker walker(linuxPath, encoding, bomBytes);
    TextPosition at{walker.Line(), walker.Column()};
    while (!walker.Next().end)
        at = {walker.Line(), walker.Column()};
    return IncompleteCharacter{at, true};
}

long EncodingNameColumn(const std::string& linuxPath)
{
    ByteReader reader(linuxPath);
    std::string head;
    for (int i = 0; i < 512; ++i) {
        const int byte = reader.Next();
        if (byte < 0 || byte == '\n' || byte == '\r')
            break;
        head += static_cast<char>(byte);
    }
    if (!head.starts_with("<?xml"))
        return 1;
    const auto at = head.find("encoding");
    const auto quote = at == std::string::npos ? at : head.find_first_of("\"'", at);
    return quote == std::string::npos ? 1 : static_cast<long>(quote) + 2;
}
