#include "platform/xml/references/xml_catalog.h"
#include "platform/xml/load/libxml_library.h"

#include "platform/xml/load/xml_memory.h"
#include "platform/xml/references/catalog_answers_store.h"
#include "platform/xml/references/cache_files.h"

#include <libxml/catalog.h>
#include <libxml/parser.h>
#include <libxml/xmlIO.h>
#include <libxml/xmlerror.h>

#include <sys/stat.h>

#include <cctype>
#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <sstream>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace {

// The engine's state is process-wide and not safe for concurrent use. Kept
// in a function's static: a worker serves loads before main() starts, when
// this file's globals may not have been constructed yet.
struct CatalogState {
    std::mutex mutex;
    std::string signature;
    bool initialised = false;
    bool recheck = true; // set when a load begins
    // The answers given since the catalogs were read: a batch asks the same
    // questions for every document, and the engine walks its entries anew
    // each time.
    std::unordered_map<std::string, std::optional<std::string>> answers;
    // The answers earlier processes stored, read again at each load while
    // the engine is not needed in this process.
    std::optional<CatalogAnswerSnapshot> stored;
    // The first answers a process gives are written at once (a call for one
    // document asks a few dozen at most); after those, each write waits for
    // twice as many new ones as the last, so that a batch asking thousands
    // of questions does not rewrite a growing file after each one.
    std::size_t unwritten = 0;
    std::size_t writeAfter = 1;
};

// Answers are kept for this many questions at most.
constexpr std::size_t kKeptAnswers = 4096;
constexpr std::size_t kAnswersWrittenAtOnce = 64;

CatalogState& State()
{
    static CatalogState state;
    return state;
}

struct XmlCharDeleter {
    void operator()(xmlChar* text) const { Libxml().Free(text); }
};
using XmlText = std::unique_ptr<xmlChar, XmlCharDeleter>;

// A broken catalog is the user's to mend; its complaints must not end up in
// the middle of a report or a terminal's progress line.
void IgnoreCatalogMessage(void*, const char*, ...) {}

std::string CatalogFiles()
{
    const char* named = std::getenv("XML_CATALOG_FILES");
    return named != nullptr ? std::string(named) : std::string("file:///etc/xml/catalog");
}

// Catalogs are named as files or as file: URLs; a file is shown as a path.
std::string WithoutFileScheme(std::string name)
{
    if (name.rfind("file://", 0) == 0)
        name.erase(0, 7);
    return name;
}

// Which catalog file the engine is reading, for a stall found meanwhile.
// Apart from the engine's state: the watchdog asks while the engine works.
struct CatalogWork {
    std::mutex mutex;
    bool active = false;
    std::string file;    // being read (or the catalogs named, until one is opened)
    std::string blamed;  // read while the parse was asked to stop
    // Every catalog file the engine opened, with its identity when opened:
    // what the answers given depend on.
    std::map<std::string, std::string> filesRead;
};

CatalogWork& Work()
{
    static CatalogWork work;
    return work;
}

thread_local bool t_readingCatalogs = false;

// The time a catalog takes is spent while the engine is asked something:
// that is when it reads the files it has not read yet.
class ScopedCatalogWork {
public:
    ScopedCatalogWork() : m_stopAskedBefore(ParserStopRequested())
    {
        CatalogWork& work = Work();
        std::lock_guard lock(work.mutex);
        work.active = true;
        work.file = WithoutFileScheme(CatalogFiles());
        t_readingCatalogs = true;
    }
    ~ScopedCatalogWork()
    {
        t_readingCatalogs = false;
        CatalogWork& work = Work();
        std::lock_guard lock(work.mutex);
        work.active = false;
        if (!m_stopAskedBefore && ParserStopRequested() && work.blamed.empty())
            work.blamed = work.file;
    }
    ScopedCatalogWork(const ScopedCatalogWork&) = delete;
    ScopedCatalogWork& operator=(const ScopedCatalogWork&) = delete;

private:
    bool m_stopAskedBefore;
};

// A file: URL's path as the file system names it.
std::string PercentDecoded(const std::string& text)
{
    std::string plain;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
            plain += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            plain += text[i];
        }
    }
    return plain;
}

// Sees every file the engine opens and takes none: a catalog file opened
// while the catalogs are asked is the one being read.
int NoteCatalogFileOpened(const char* name)
{
    if (t_readingCatalogs && name != nullptr) {
        const bool url = std::string_view(name).starts_with("file://");
        std::string file = WithoutFileScheme(name);
        std::string identity = CatalogFileIdentity(url ? PercentDecoded(file) : file);
        CatalogWork& work = Work();
        std::lock_guard lock(work.mutex);
        work.filesRead[url ? PercentDecoded(file) : file] = std::move(identity);
        work.file = std::move(file);
    }
    return 0;
}
void* OpenNothing(const char*) { return nullptr; }
int ReadNothing(void*, char*, int) { return -1; }
int CloseNothing(void*) { return 0; }

// What the catalogs were read from: the list and each top file's time stamp,
// so that an edited catalog is read again by a program that stays open.
std::string Signature(const std::string& files)
{
    std::string signature = files;
    std::istringstream names(files);
    std::string name;
    while (names >> name) {
        if (name.rfind("file://", 0) == 0)
            name = name.substr(7);
        struct stat info {};
        if (::stat(name.c_str(), &info) == 0)
            signature += "|" + std::to_string(info.st_mtim.tv_sec) + "." + std::to_string(info.st_mtim.tv_nsec) +
                         ":" + std::to_string(info.st_size);
    }
    return signature;
}

void PrepareCatalogs(CatalogState& state)
{
    if (state.initialised && !state.recheck)
        return;
    state.recheck = false;
    const std::string signature = Signature(CatalogFiles());
    if (state.initialised && signature == state.signature)
        return;
    if (!state.initialised) {
        Libxml().xmlInitParser();
        Libxml().xmlSetGenericErrorFunc(nullptr, IgnoreCatalogMessage);
        Libxml().xmlCatalogSetDefaults(XML_CATA_ALLOW_ALL);
        Libxml().xmlRegisterInputCallbacks(NoteCatalogFileOpened, OpenNothing, ReadNothing, CloseNothing);
    } else {
        Libxml().xmlCatalogCleanup();
        // What was answered from the files before their change is stored
        // no more.
        state.stored.reset();
        CatalogWork& work = Work();
        std::lock_guard lock(work.mutex);
        work.filesRead.clear();
    }
    state.answers.clear();
    // Reads XML_CATALOG_FILES itself, with the same default.
    Libxml().xmlInitializeCatalog();
    state.signature = signature;
    state.initialised = true;
}

const xmlChar* Chars(const std::string& text)
{
    return text.empty() ? nullptr : reinterpret_cast<const xmlChar*>(text.c_str());
}

std::optional<std::string> Taken(XmlText text)
{
    if (!text)
        return std::nullopt;
    return std::string(reinterpret_cast<const char*>(text.get()));
}

std::optional<std::string> AskCatalogs(const XmlCatalogQuery& query)
{
    std::vector<std::string> systemIds;
    for (const std::string* id : {&query.systemId, &query.resolvedSystemId})
        if (!id->empty() && (systemIds.empty() || systemIds.front() != *id))
            systemIds.push_back(*id);

    if (!query.publicId.empty() || !systemIds.empty()) {
        const std::string& firstSystem = systemIds.empty() ? std::string() : systemIds.front();
        if (auto found = Taken(XmlText(Libxml().xmlCatalogResolve(Chars(query.publicId), Chars(firstSystem)))))
            return found;
    }
    for (const std::string& id : systemIds) {
        if (&id != &systemIds.front())
            if (auto found = Taken(XmlText(Libxml().xmlCatalogResolveSystem(Chars(id)))))
                return found;
        if (auto found = Taken(XmlText(Libxml().xmlCatalogResolveURI(Chars(id)))))
            return found;
    }
    if (!query.importedNamespace.empty()) {
        if (auto found = Taken(XmlText(Libxml().xmlCatalogResolveURI(Chars(query.importedNamespace)))))
            return found;
        if (auto found = Taken(XmlText(Libxml().xmlCatalogResolveSystem(Chars(query.importedNamespace)))))
            return found;
    }
    return std::nullopt;
}

// Adds this process's answers to those stored, with the files they depend
// on. A store for other roots, or one that no longer held, is replaced.
void StoreAnswers(CatalogState& state)
{
    CatalogAnswerSnapshot snapshot;
    const std::string roots = CatalogFiles();
    if (state.stored && state.stored->roots == roots &&
        state.stored->answers.size() + state.answers.size() <= kKeptAnswers)
        snapshot = *state.stored;
    snapshot.roots = roots;
    {
        CatalogWork& work = Work();
        std::lock_guard lock(work.mutex);
        for (const auto& [file, identity] : work.filesRead)
            snapshot.files[file] = identity;
    }
    for (const auto& [question, answer] : state.answers)
        snapshot.answers[question] = answer;
    StoreCatalogAnswers(CorvaneCacheFolder(), snapshot);
    state.stored = std::move(snapshot);
}

} // namespace

std::optional<std::string> ResolveThroughCatalogs(const XmlCatalogQuery& query)
{
    CatalogState& state = State();
    std::lock_guard lock(state.mutex);
    const ScopedCatalogWork work;
    std::string question = query.publicId;
    for (const std::string* part : {&query.systemId, &query.resolvedSystemId, &query.importedNamespace})
        question += '\x1F' + *part;
    if (!state.initialised) {
        if (state.recheck) {
            state.stored = ReadStoredCatalogAnswers(CorvaneCacheFolder(), CatalogFiles());
            state.recheck = false;
        }
        if (state.stored)
            if (const auto known = state.stored->answers.find(question); known != state.stored->answers.end())
                return known->second;
    }
    PrepareCatalogs(state);
    if (const auto known = state.answers.find(question); known != state.answers.end())
        return known->second;
    std::optional<std::string> answer = AskCatalogs(query);
    if (state.answers.size() >= kKeptAnswers)
        state.answers.clear();
    state.answers.emplace(question, answer);
    if (++state.unwritten >= state.writeAfter) {
        StoreAnswers(state);
        state.unwritten = 0;
        if (state.answers.size() > kAnswersWrittenAtOnce)
            state.writeAfter *= 2;
    }
    return answer;
}

void RecheckCatalogsForNextLoad()
{
    {
        CatalogState& state = State();
        std::lock_guard lock(state.mutex);
        state.recheck = true;
    }
    CatalogWork& work = Work();
    std::lock_guard lock(work.mutex);
    work.blamed.clear();
}

std::optional<std::string> CatalogBlamedForStall()
{
    CatalogWork& work = Work();
    std::lock_guard lock(work.mutex);
    if (work.active)
        return work.file;
    if (!work.blamed.empty())
        return work.blamed;
    return std::nullopt;
}
