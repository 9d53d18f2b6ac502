#include "platform/xml/references/xml_catalog.h"
#include "platform/xml/load/libxml_library.h"

#include "platform/xml/load/xml_memory.h"

#include <libxml/catalog.h>
#include <libxml/parser.h>
#include <libxml/xmlIO.h>
#include <libxml/xmlerror.h>

#include <sys/stat.h>

#include <cstdlib>
#include <memory>
#include <mutex>
#include <sstream>
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
};

// Answers are kept for this many questions at most.
constexpr std::size_t kKeptAnswers = 4096;

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

// Sees every file the engine opens and takes none: a catalog file opened
// while the catalogs are asked is the one being read.
int NoteCatalogFileOpened(const char* name)
{
    if (t_readingCatalogs && name != nullptr) {
        std::string file = WithoutFileScheme(name);
        CatalogWork& work = Work();
        std::lock_guard lock(work.mutex);
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

} // namespace

std::optional<std::string> ResolveThroughCatalogs(const XmlCatalogQuery& query)
{
    CatalogState& state = State();
    std::lock_guard lock(state.mutex);
    const ScopedCatalogWork work;
    PrepareCatalogs(state);
    std::string question = query.publicId;
    for (const std::string* part : {&query.systemId, &query.resolvedSystemId, &query.importedNamespace})
        question += '\x1F' + *part;
    if (const auto known = state.answers.find(question); known != state.answers.end())
        return known->second;
    std::optional<std::string> answer = AskCatalogs(query);
    if (state.answers.size() >= kKeptAnswers)
        state.answers.clear();
    state.answers.emplace(std::move(question), answer);
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
