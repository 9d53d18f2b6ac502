#pragma once
// The network library is opened when a document is first fetched from the
// network or a remote reference is resolved, not when Corvane starts: it
// brings a TLS stack, Kerberos and LDAP with it, whose loading would be most
// of the time Corvane takes to check a small local file.

#include <curl/curl.h>

#include <string>

struct NetworkLibrary {
    CURLcode (*global_init)(long flags);
    CURL* (*easy_init)();
    CURLcode (*easy_setopt)(CURL* handle, CURLoption option, ...);
    CURLcode (*easy_perform)(CURL* handle);
    CURLcode (*easy_getinfo)(CURL* handle, CURLINFO info, ...);
    void (*easy_cleanup)(CURL* handle);
    const char* (*easy_strerror)(CURLcode code);
    curl_slist* (*slist_append)(curl_slist* list, const char* text);
    void (*slist_free_all)(curl_slist* list);
    time_t (*getdate)(const char* text, const time_t* unused);
    CURLU* (*url)();
    CURLUcode (*url_set)(CURLU* handle, CURLUPart part, const char* content, unsigned int flags);
    CURLUcode (*url_get)(const CURLU* handle, CURLUPart part, char** content, unsigned int flags);
    void (*url_cleanup)(CURLU* handle);
    void (*free)(void* pointer);
};

// The library, opened and initialised once per process; nothing when it
// cannot be opened, and then NetworkLibraryProblem() says why.
const NetworkLibrary* OpenNetworkLibrary();
std::string NetworkLibraryProblem();
