#include "platform/xml/schema/xml_grammar_store.h"

#include "platform/text/fnv_hash.h"
#include "platform/xml/references/cache_files.h"
#include "platform/os/posix_io.h"
#include "platform/xml/references/xml_input_sources.h"

#include "platform/xml/references/xml_entity_resolver.h"

#include <xercesc/framework/BinOutputStream.hpp>
#include <xercesc/util/BinInputStream.hpp>
#include <xercesc/util/OutOfMemoryException.hpp>
#include <xercesc/util/XMLException.hpp>
#include <xercesc/util/XercesVersion.hpp>

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <new>
#include <utility>
#include <vector>

namespace {

namespace xc = xercesc;

class StringOutputStream final : public xc::BinOutputStream {
public:
    XMLFilePos curPos() const override { return m_bytes.size(); }
    void writeBytes(const XMLByte* const toWrite, const XMLSize_t maxToWrite) override
    {
        m_bytes.append(reinterpret_cast<const char*>(toWrite), maxToWrite);
    }
    std::string& Bytes() { return m_bytes; }

private:
    std::string m_bytes;
};

class StringInputStream final : public xc::BinInputStream {
public:
    explicit StringInputStream(std::string_view bytes) : m_bytes(bytes) {}
    XMLFilePos curPos() const override { return m_at; }
    XMLSize_t readBytes(XMLByte* const toFill, const XMLSize_t maxToRead) override
    {
        const std::size_t count = std::min<std::size_t>(maxToRead, m_bytes.size() - m_at);
        std::memcpy(toFill, m_bytes.data() + m_at, count);
        m_at += count;
        return count;
    }
    const XMLCh* getContentType() const override { return nullptr; }

private:
    std::string_view m_bytes;
    std::size_t m_at = 0;
};

// Raised whenever what an entry holds, or how its grammar is compiled,
// changes: entries of one release are not all that a development build
// between releases can trust.
constexpr std::string_view kMagic = "corvane-grammar 1\n";
constexpr std::string_view kSuffix = ".grammar";
// The header holds a line per file and per reference: a few hundred for the
// largest DTDs. A larger one is damage.
constexpr std::size_t kLargestHeader = 4 * 1024 * 1024;
constexpr std::string_view kChecksumField = "checksum ";

bool OneLine(std::string_view value)
{
    return value.find_first_of("\r\n") == std::string_view::npos;
}

template <typename Number>
std::optional<Number> ParseNumber(std::string_view text, int base = 10)
{
    Number value{};
    if (text.empty() || text.size() > 20)
        return std::nullopt;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

// Reads the header line by line; every field must be there, in its order.
class HeaderReader {
public:
    explicit HeaderReader(std::string_view header) : m_rest(header) {}

    std::optional<std::string_view> Field(std::string_view name)
    {
        const auto end = m_rest.find('\n');
        if (end == std::string_view::npos)
            return std::nullopt;
        const std::string_view line = m_rest.substr(0, end);
        // A field holds one line, as the writer writes it.
        if (line.size() <= name.size() || !line.starts_with(name) || line[name.size()] != ' ' ||
            line.find('\r') != std::string_view::npos)
            return std::nullopt;
        m_rest.remove_prefix(end + 1);
        return line.substr(name.size() + 1);
    }
    std::optional<std::string> Text(std::string_view name)
    {
        const auto value = Field(name);
        return value ? std::optional<std::string>(std::string(*value)) : std::nullopt;
    }
    template <typename Number>
    std::optional<Number> Count(std::string_view name, int base = 10)
    {
        const auto value = Field(name);
        return value ? ParseNumber<Number>(*value, base) : std::nullopt;
    }
    bool Done() const { return m_rest.empty(); }

private:
    std::string_view m_rest;
};

} // namespace

// Not for defence against a forger (whoever can write the cache folder can
// write anything the user can): for damage, and for a file changed in place.
std::uint64_t GrammarStoreHash(std::string_view bytes, std::uint64_t seed)
{
    constexpr std::uint64_t kPrime = 0x9E3779B97F4A7C15ull;
    std::uint64_t hash = seed ^ (bytes.size() * kPrime);
    const auto mix = [&hash](std::uint64_t word) {
        hash = (hash ^ word) * kPrime;
        hash ^= hash >> 31;
    };
    std::size_t at = 0;
    for (; at + 8 <= bytes.size(); at += 8) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data() + at, 8);
        mix(word);
    }
    std::uint64_t tail = 0;
    std::memcpy(&tail, bytes.data() + at, bytes.size() - at);
    mix(tail);
    return hash;
}

std::string GrammarStoreBuild()
{
    return std::string("corvane ") + CORVANE_VERSION_TEXT + " parser " + XERCES_FULLVERSIONDOT + " level " +
           std::to_string(XERCES_GRAMMAR_SERIALIZATION_LEVEL);
}

std::string EncodeGrammarEntry(const XmlGrammarEntry& entry, std::string_view build)
{
    std::string text(kMagic);
    bool writable = OneLine(build) && OneLine(entry.key);
    const auto field = [&](std::string_view name, std::string_view value) {
        writable = writable && OneLine(value);
        text.append(name).append(" ").append(value).append("\n");
    };
    field("build", build);
    field("key", entry.key);
    field("files", std::to_string(entry.files.size()));
    for (const XmlGrammarSourceFile& file : entry.files) {
        field("path", file.path);
        field("size", std::to_string(file.size));
        field("modified", std::to_string(file.modifiedNs));
        field("hash", CacheHex(file.contentHash));
    }
    field("references", std::to_string(entry.references.size()));
    for (const XmlGrammarReference& reference : entry.references) {
        field("public", reference.publicId);
        field("system", reference.systemId);
        field("from", reference.referrer);
        field("to", reference.target);
    }
    field("length", std::to_string(entry.payload.size()));
    if (!writable)
        return {};
    // Over the header before it and the payload after it.
    const std::uint64_t checksum = GrammarStoreHash(entry.payload, GrammarStoreHash(text));
    text.append(kChecksumField).append(CacheHex(checksum)).append("\n");
    text += entry.payload;
    return text;
}

namespace {

// Everything but the payload, which starts at `payloadAt`.
std::optional<XmlGrammarEntry> DecodeHeader(std::string_view bytes, std::string_view build, std::size_t& payloadAt)
{
    if (!bytes.starts_with(kMagic))
        return std::nullopt;
    // The checksum's line ends the header.
    const auto checksumAt = bytes.find(std::string("\n").append(kChecksumField));
    if (checksumAt == std::string_view::npos || checksumAt > kLargestHeader)
        return std::nullopt;
    const std::size_t checksumStart = checksumAt + 1 + kChecksumField.size();
    const auto checksumEnd = bytes.find('\n', checksumStart);
    if (checksumEnd == std::string_view::npos)
        return std::nullopt;
    const std::string_view header = bytes.substr(kMagic.size(), checksumAt + 1 - kMagic.size());
    const std::string_view payload = bytes.substr(checksumEnd + 1);
    const auto checksum = ParseNumber<std::uint64_t>(bytes.substr(checksumStart, checksumEnd - checksumStart), 16);
    if (!checksum || *checksum != GrammarStoreHash(payload, GrammarStoreHash(bytes.substr(0, checksumAt + 1))))
        return std::nullopt;

    HeaderReader reader(header);
    const auto builtBy = reader.Field("build");
    if (!builtBy || *builtBy != build)
        return std::nullopt;
    XmlGrammarEntry entry;
    const auto key = reader.Text("key");
    const auto files = reader.Count<std::size_t>("files");
    // Each record takes several lines of the header: a count beyond that is damage.
    if (!key || key->empty() || !files || *files > header.size() / 8)
        return std::nullopt;
    entry.key = *key;
    for (std::size_t i = 0; i < *files; ++i) {
        auto path = reader.Text("path");
        const auto size = reader.Count<std::uint64_t>("size");
        const auto modified = reader.Count<std::int64_t>("modified");
        const auto hash = reader.Count<std::uint64_t>("hash", 16);
        if (!path || !size || !modified || !hash)
            return std::nullopt;
        entry.files.push_back({std::move(*path), *size, *modified, *hash});
    }
    const auto references = reader.Count<std::size_t>("references");
    if (!references || *references > header.size() / 8)
        return std::nullopt;
    for (std::size_t i = 0; i < *references; ++i) {
        auto publicId = reader.Text("public");
        auto systemId = reader.Text("system");
        auto referrer = reader.Text("from");
        auto target = reader.Text("to");
        if (!publicId || !systemId || !referrer || !target)
            return std::nullopt;
        entry.references.push_back({std::move(*publicId), std::move(*systemId), std::move(*referrer),
                                    std::move(*target)});
    }
    const auto length = reader.Count<std::uint64_t>("length");
    if (!length || *length != payload.size() || !reader.Done())
        return std::nullopt;
    payloadAt = checksumEnd + 1;
    return entry;
}

} // namespace

std::optional<XmlGrammarEntry> DecodeGrammarEntry(std::string_view bytes, std::string_view build)
{
    std::size_t payloadAt = 0;
    auto entry = DecodeHeader(bytes, build, payloadAt);
    if (entry)
        entry->payload = std::string(bytes.substr(payloadAt));
    return entry;
}

std::optional<XmlGrammarSourceFile> IdentifyGrammarSource(const std::string& path)
{
    OpenedLocalFile file = OpenLocalFile(path);
    if (!file.fd)
        return std::nullopt;
    // Read in blocks of one size, into memory used again for every file.
    constexpr std::size_t kBlock = 64 * 1024;
    thread_local std::vector<char> block(kBlock);
    std::uint64_t hash = 0;
    std::uint64_t read = 0;
    while (true) {
        const std::size_t count = ReadFully(file.fd.Get(), block.data(), kBlock);
        hash = GrammarStoreHash({block.data(), count}, hash);
        read += count;
        if (count < kBlock)
            break;
    }
    // A file that changed while it was read is no source to trust.
    if (read != file.check.size)
        return std::nullopt;
    return XmlGrammarSourceFile{path, file.check.size, file.check.modifiedNs, hash};
}

std::string GrammarStoreFolder()
{
    const std::string folder = CorvaneCacheFolder();
    return folder.empty() ? folder : folder + "/grammars";
}

bool GrammarStoreWritable()
{
    const std::string folder = GrammarStoreFolder();
    return !folder.empty() && MakeCacheFolders(folder) && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

std::string GrammarEntryPath(const std::string& key)
{
    const std::string folder = GrammarStoreFolder();
    return folder.empty() ? folder : folder + "/" + CacheHex(Fnv1a(key)) + std::string(kSuffix);
}

std::optional<XmlStoredGrammar> ReadGrammarEntry(const std::string& key, std::uint64_t maxBytes)
{
    const std::string path = GrammarEntryPath(key);
    if (path.empty() || maxBytes == 0)
        return std::nullopt;
    auto bytes = CacheFileBytes::Read(path, maxBytes);
    if (!bytes)
        return std::nullopt;
    XmlStoredGrammar stored;
    auto entry = DecodeHeader(bytes->View(), GrammarStoreBuild(), stored.payloadAt);
    // Another grammar's entry under the same name is no entry for this one.
    if (!entry || entry->key != key)
        return std::nullopt;
    for (const XmlGrammarSourceFile& file : entry->files) {
        const LocalFileCheck check = CheckLocalFile(file.path);
        if (check.problem || check.size != file.size || check.modifiedNs != file.modifiedNs)
            return std::nullopt;
        const auto now = IdentifyGrammarSource(file.path);
        if (!now || *now != file)
            return std::nullopt;
    }
    MarkCacheFileUsed(path);
    stored.entry = std::move(*entry);
    stored.bytes = std::move(*bytes);
    return stored;
}

void WriteGrammarEntry(const XmlGrammarEntry& entry, std::uint64_t maxBytes)
{
    const std::string path = GrammarEntryPath(entry.key);
    const std::string bytes = EncodeGrammarEntry(entry);
    if (path.empty() || bytes.empty() || bytes.size() > maxBytes)
        return;
    const std::string folder = GrammarStoreFolder();
    if (!MakeCacheFolders(folder) || !WriteCacheFileWhole(path, bytes, {}))
        return;
    KeepCacheFilesWithin(folder, kSuffix, maxBytes, path);
}

std::string GrammarPayload(xc::XMLGrammarPoolImpl& pool)
{
    try {
        StringOutputStream out;
        pool.serializeGrammars(&out);
        return std::move(out.Bytes());
    } catch (const xc::OutOfMemoryException&) {
    } catch (const xc::XMLException&) {
    } catch (const std::bad_alloc&) {
    }
    return {};
}

bool ReadGrammarPayload(std::string_view payload, xc::XMLGrammarPoolImpl& pool)
{
    try {
        StringInputStream in(payload);
        pool.deserializeGrammars(&in);
        return true;
    } catch (const xc::OutOfMemoryException&) {
    } catch (const xc::XMLException&) {
    } catch (const std::bad_alloc&) {
    }
    try {
        pool.clear();
    } catch (...) {
    }
    return false;
}

bool GrammarReferencesStillHold(const XmlGrammarEntry& entry)
{
    return std::all_of(entry.references.begin(), entry.references.end(), [](const XmlGrammarReference& reference) {
        const XmlResource referrer{XmlResourceKind::Dtd, reference.referrer, reference.referrer, false};
        const XmlResolvedLocation now = FollowedLocation(reference.publicId, reference.systemId, referrer);
        return now.Resolved() && !now.remote && now.location == reference.target;
    });
}
