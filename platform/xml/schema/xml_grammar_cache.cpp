#include "platform/xml/schema/xml_grammar_cache.h"

#include "platform/text/text_encoding.h"
#include "platform/os/unique_fd.h"
#include "platform/xml/load/xml_document_file.h"
#include "platform/xml/references/xml_entity_resolver.h"
#include "platform/xml/references/xml_input_sources.h"
#include "platform/xml/load/xml_limits.h"
#include "platform/xml/load/xml_positions.h"

#include <algorithm>
#include <deque>
#include <fcntl.h>
#include <mutex>
#include <unistd.h>

namespace {

constexpr std::size_t kProbeBytes = 256 * 1024;
// Most documents' root tag lies in their first few kilobytes: these are read
// first, and the whole probe only when they do not hold it.
constexpr std::size_t kFirstProbeBytes = 8 * 1024;
constexpr std::size_t kKeptSets = 4;
constexpr std::string_view kInstanceNamespace = "http://www.w3.org/2001/XMLSchema-instance";

std::string ReadStart(const std::string& path, std::size_t probeBytes)
{
    const UniqueFd fd = OpenToRead(path);
    return fd ? ReadFileBytesAt(fd.Get(), 0, probeBytes) : std::string();
}

bool IsBlank(char ch)
{
    return ch == ' ' || ch == '\t' || ch == '\r' || ch == '\n';
}

// A small reader of the prolog and the root start tag, which gives up on
// anything it is not sure of.
class StartTagReader {
public:
    explicit StartTagReader(std::string_view text) : m_text(text) {}

    // The root start tag's attributes, in document order.
    std::optional<std::vector<std::pair<std::string, std::string>>> RootAttributes()
    {
        if (m_text.starts_with("\xEF\xBB\xBF"))
            m_at = 3;
        if (!SkipProlog())
            return std::nullopt;
        std::vector<std::pair<std::string, std::string>> attributes;
        ++m_at; // '<'
        if (Name().empty())
            return std::nullopt;
        while (true) {
            const bool blank = SkipBlanks();
            if (m_at >= m_text.size())
                return std::nullopt;
            if (m_text[m_at] == '>' || m_text.substr(m_at).starts_with("/>"))
                return attributes;
            if (!blank)
                return std::nullopt;
            std::string name(Name());
            SkipBlanks();
            if (name.empty() || m_at >= m_text.size() || m_text[m_at] != '=')
                return std::nullopt;
            ++m_at;
            SkipBlanks();
            if (m_at >= m_text.size() || (m_text[m_at] != '"' && m_text[m_at] != '\''))
                return std::nullopt;
            const char quote = m_text[m_at++];
            const auto end = m_text.find(quote, m_at);
            if (end == std::string_view::npos)
                return std::nullopt;
            std::string value(m_text.substr(m_at, end - m_at));
            // References would need the DTD's and the parser's expansion.
            if (value.find('&') != std::string::npos || value.find('<') != std::string::npos)
                return std::nullopt;
            attributes.emplace_back(std::move(name), std::move(value));
            m_at = end + 1;
        }
    }

private:
    bool SkipBlanks()
    {
        const std::size_t start = m_at;
        while (m_at < m_text.size() && IsBlank(m_text[m_at]))
            ++m_at;
        return m_at > start;
    }

    bool SkipPast(std::string_view terminator)
    {
        const auto end = m_text.find(terminator, m_at);
        if (end == std::string_view::npos)
            return false;
        m_at = end + terminator.size();
        return true;
    }

    // Up to the root's '<': comments, processing instructions and the XML
    // declaration only. A DOCTYPE means a DTD, which this cache leaves alone.
    bool SkipProlog()
    {
        while (true) {
            SkipBlanks();
            const std::string_view rest = m_text.substr(std::min(m_at, m_text.size()));
            if (rest.starts_with("<?")) {
                if (!SkipPast("?>"))
                    return false;
            } else if (rest.starts_with("<!--")) {
                if (!SkipPast("-->"))
                    return false;
            } else {
                return rest.size() > 1 && rest[0] == '<' && rest[1] != '!' && rest[1] != '/';
            }
        }
    }

    std::string_view Name()
    {
        const std::size_t start = m_at;
        while (m_at < m_text.size() && !IsBlank(m_text[m_at]) && m_text[m_at] != '=' && m_text[m_at] != '>' &&
               m_text[m_at] != '/')
            ++m_at;
        return m_text.substr(start, m_at - start);
    }

    std::string_view m_text;
    std::size_t m_at = 0;
};

// Only encodings in which the start of the file reads as ASCII.
bool ReadableAsAscii(const std::string& start)
{
    if (start.starts_with("\xFF\xFE") || start.starts_with("\xFE\xFF") || start.find('\0') != std::string::npos)
        return false;
    if (!start.starts_with("<?xml"))
        return true;
    const auto end = start.find("?>");
    std::string declaration = start.substr(0, end);
    std::transform(declaration.begin(), declaration.end(), declaration.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    const auto at = declaration.find("encoding");
    if (at == std::string::npos)
        return true;
    return declaration.find("utf-8", at) != std::string::npos || declaration.find("us-ascii", at) != std::string::npos ||
           declaration.find("iso-8859-1", at) != std::string::npos;
}

std::vector<std::string> Tokens(const std::string& value)
{
    std::vector<std::string> tokens;
    std::string current;
    for (const char ch : value) {
        if (IsBlank(ch)) {
            if (!current.empty())
                tokens.push_back(std::move(current));
            current.clear();
        } else {
            current += ch;
        }
    }
    if (!current.empty())
        tokens.push_back(std::move(current));
    return tokens;
}

bool Unchanged(const XmlCachedSchemaSet& set)
{
    return std::all_of(set.sources.begin(), set.sources.end(), [](const XmlCachedSchemaSet::Source& source) {
        const LocalFileCheck check = CheckLocalFile(source.linuxPath);
        return !check.problem && check.size == source.size && check.modifiedNs == source.modifiedNs;
    });
}

struct Cache {
    std::mutex mutex;
    std::deque<std::unique_ptr<XmlCachedSchemaSet>> sets; // most recently kept first
};

Cache& TheCache()
{
    static Cache cache;
    return cache;
}

// Called outside the lock: one may wait for a worker that holds sets.
struct Forgetters {
    std::mutex mutex;
    std::vector<std::function<void()>> calls;
};

Forgetters& TheForgetters()
{
    static Forgetters forgetters;
    return forgetters;
}

} // namespace

std::optional<XmlSchemaSetKey> RootSchemaSetKey(const XmlResource& document)
{
    std::optional<std::vector<std::pair<std::string, std::string>>> attributes;
    for (const std::size_t probeBytes : {kFirstProbeBytes, kProbeBytes}) {
        const std::string start = ReadStart(document.linuxPath, probeBytes);
        if (start.empty() || !ReadableAsAscii(start))
            return std::nullopt;
        attributes = StartTagReader(start).RootAttributes();
        if (attributes || start.size() < probeBytes)
            break;
    }
    if (!attributes)
        return std::nullopt;
    std::string instancePrefix;
    for (const auto& [name, value] : *attributes)
        if (name.starts_with("xmlns:") && value == kInstanceNamespace)
            instancePrefix = name.substr(6) + ":";
    if (instancePrefix.empty())
        return std::nullopt;

    XmlSchemaSetKey key;
    bool anyHint = false;
    const auto addHint = [&](const std::string& space, const std::string& location) {
        XmlResolvedLocation resolved = ResolveXmlLocation(location, document);
        // A hint the catalogs map to a local schema is as good as a local hint.
        if (auto mapped = CatalogMappedLocation(location, resolved))
            resolved = std::move(*mapped);
        if (resolved.remote || !resolved.Resolved())
            return false;
        // The files, not the words that name them: documents in other
        // folders reach the same schema by other relative paths.
        key.text += space + '\x1F' + resolved.location + '\x1E';
        key.spaces.push_back(AnsiToWide(space));
        anyHint = true;
        return true;
    };
    for (const auto& [name, value] : *attributes) {
        if (name == instancePrefix + "schemaLocation") {
            const auto tokens = Tokens(value);
            if (tokens.size() % 2 != 0)
                return std::nullopt;
            for (std::size_t i = 0; i < tokens.size(); i += 2)
                if (!addHint(tokens[i], tokens[i + 1]))
                    return std::nullopt;
        } else if (name == instancePrefix + "noNamespaceSchemaLocation") {
            const auto tokens = Tokens(value);
            if (tokens.size() != 1 || !addHint({}, tokens.front()))
                return std::nullopt;
        }
    }
    if (!anyHint)
        return std::nullopt;
    return key;
}

std::unique_ptr<XmlCachedSchemaSet> NewSchemaSet(XmlSchemaSetKey key)
{
    auto set = std::make_unique<XmlCachedSchemaSet>();
    set->key = std::move(key);
    set->memory = std::make_unique<XmlMemoryPool>(XmlLimits::kParserMemoryFloor);
    set->pool = std::make_unique<xercesc::XMLGrammarPoolImpl>(set->memory.get());
    return set;
}

std::unique_ptr<XmlCachedSchemaSet> TakeCachedSchemaSet(const XmlSchemaSetKey& key)
{
    Cache& cache = TheCache();
    std::unique_ptr<XmlCachedSchemaSet> found;
    {
        std::lock_guard lock(cache.mutex);
        const auto at = std::find_if(cache.sets.begin(), cache.sets.end(),
                                     [&](const auto& set) { return set->key == key; });
        if (at == cache.sets.end())
            return nullptr;
        found = std::move(*at);
        cache.sets.erase(at);
    }
    // A set whose files changed is dropped; the load builds a new one.
    return Unchanged(*found) ? std::move(found) : nullptr;
}

void KeepSchemaSet(std::unique_ptr<XmlCachedSchemaSet> set)
{
    if (!set)
        return;
    Cache& cache = TheCache();
    std::unique_ptr<XmlCachedSchemaSet> dropped;
    std::lock_guard lock(cache.mutex);
    // The pool is not locked: locking builds a schema model nobody reads, and
    // a load that reuses the set never adds to it (grammars reach a pool only
    // when a collecting load hands them over).
    std::erase_if(cache.sets, [&](const auto& kept) { return kept->key == set->key; });
    cache.sets.push_front(std::move(set));
    if (cache.sets.size() > kKeptSets) {
        dropped = std::move(cache.sets.back());
        cache.sets.pop_back();
    }
}

void ForgetCachedSchemaSets()
{
    {
        Cache& cache = TheCache();
        std::lock_guard lock(cache.mutex);
        cache.sets.clear();
    }
    std::vector<std::function<void()>> others;
    {
        Forgetters& forgetters = TheForgetters();
        std::lock_guard lock(forgetters.mutex);
        others = forgetters.calls;
    }
    for (const auto& forget : others)
        forget();
}

void AlsoOnForgettingSchemaSets(std::function<void()> forget)
{
    Forgetters& forgetters = TheForgetters();
    std::lock_guard lock(forgetters.mutex);
    forgetters.calls.push_back(std::move(forget));
}
