#include "platform/xml/references/network_library.h"

#include <dlfcn.h>

#include <mutex>

namespace {

// The name the development package's link name points to: the same library
// Corvane was built against.
constexpr const char* kLibraryName = "libcurl.so.4";

struct Opened {
    NetworkLibrary functions{};
    bool usable = false;
    std::string problem;
};

template <typename Function>
bool Find(void* library, const char* name, Function& function)
{
    function = reinterpret_cast<Function>(dlsym(library, name));
    return function != nullptr;
}

Opened Open()
{
    Opened opened;
    // Never closed: a transfer's callbacks and the library's own state
    // live until the process ends.
    void* library = dlopen(kLibraryName, RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        const char* reason = dlerror();
        opened.problem = std::string("the network library ") + kLibraryName + " could not be loaded" +
                         (reason != nullptr ? std::string(" (") + reason + ")" : std::string());
        return opened;
    }
    NetworkLibrary& f = opened.functions;
    const bool complete = Find(library, "curl_global_init", f.global_init) &&
                          Find(library, "curl_easy_init", f.easy_init) &&
                          Find(library, "curl_easy_setopt", f.easy_setopt) &&
                          Find(library, "curl_easy_perform", f.easy_perform) &&
                          Find(library, "curl_easy_getinfo", f.easy_getinfo) &&
                          Find(library, "curl_easy_cleanup", f.easy_cleanup) &&
                          Find(library, "curl_easy_strerror", f.easy_strerror) &&
                          Find(library, "curl_slist_append", f.slist_append) &&
                          Find(library, "curl_slist_free_all", f.slist_free_all) &&
                          Find(library, "curl_getdate", f.getdate) && Find(library, "curl_url", f.url) &&
                          Find(library, "curl_url_set", f.url_set) && Find(library, "curl_url_get", f.url_get) &&
                          Find(library, "curl_url_cleanup", f.url_cleanup) && Find(library, "curl_free", f.free);
    if (!complete) {
        opened.problem = std::string("the network library ") + kLibraryName + " lacks a function Corvane needs";
        return opened;
    }
    if (f.global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
        opened.problem = "the network library could not start";
        return opened;
    }
    opened.usable = true;
    return opened;
}

const Opened& Library()
{
    static const Opened opened = Open();
    return opened;
}

} // namespace

const NetworkLibrary* OpenNetworkLibrary()
{
    const Opened& opened = Library();
    return opened.usable ? &opened.functions : nullptr;
}

std::string NetworkLibraryProblem()
{
    return Library().problem;
}
