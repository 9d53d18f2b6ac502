#include "platform/xml/load/libxml_library.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// The sonames of the libraries Corvane was built against.
constexpr const char* kLibxml = "libxml2.so.2";
constexpr const char* kLibxslt = "libxslt.so.1";

[[noreturn]] void Unusable(const std::string& what)
{
    std::fprintf(stderr, "corvane: %s\n", what.c_str());
    std::_Exit(70);
}

void* OpenOrEnd(const char* name)
{
    // Never closed: documents, grammars and handlers made by the libraries
    // live until the process ends.
    void* library = dlopen(name, RTLD_NOW | RTLD_GLOBAL);
    if (library == nullptr) {
        const char* reason = dlerror();
        Unusable(std::string("the XML library ") + name + " could not be loaded" +
                 (reason != nullptr ? std::string(" (") + reason + ")" : std::string()));
    }
    return library;
}

template <typename Pointer>
void Find(void* library, const char* libraryName, const char* name, Pointer& pointer)
{
    pointer = reinterpret_cast<Pointer>(dlsym(library, name));
    if (pointer == nullptr)
        Unusable(std::string("the XML library ") + libraryName + " lacks " + name);
}

LibxmlLibrary Open()
{
    LibxmlLibrary functions;
    void* xml = OpenOrEnd(kLibxml);
    void* xslt = OpenOrEnd(kLibxslt);
    const auto find = [&](const char* name, auto& pointer) {
        const bool fromXslt = std::string(name).starts_with("xslt");
        Find(fromXslt ? xslt : xml, fromXslt ? kLibxslt : kLibxml, name, pointer);
    };
#define CORVANE_LIBXML_FIND(name) find(#name, functions.name);
    CORVANE_LIBXML_FUNCTIONS(CORVANE_LIBXML_FIND)
#undef CORVANE_LIBXML_FIND
    find("xmlFree", functions.xmlFree);
    find("__xmlGenericError", functions.xmlGenericErrorHandler);
    find("__xmlGenericErrorContext", functions.xmlGenericErrorHandlerContext);
    find("xsltGenericError", functions.xsltGenericError);
    find("xsltGenericErrorContext", functions.xsltGenericErrorContext);
    return functions;
}

} // namespace

const LibxmlLibrary& Libxml()
{
    static const LibxmlLibrary library = Open();
    return library;
}
