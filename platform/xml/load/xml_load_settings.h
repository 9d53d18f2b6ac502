#pragma once
// What a caller chooses for its loads besides the document, as one value.
// The component builds each request with this process's settings, and the
// value travels with the request into the worker: the load there reads it
// from its request, never from a global.

#include "platform/xml/load/xml_limits.h"
#include "platform/xml/references/remote_fetch.h"

#include <chrono>

struct XmlLoadSettings {
    // The processor time the parser may use without getting further in the
    // document (XmlLimits::kParserStallTime).
    std::chrono::milliseconds stallTime{XmlLimits::kParserStallTime};
    // How long a load waits without hearing that its worker gets further
    // (XmlLimits::kWorkerSilence); the worker is then ended and the load
    // reports it. A fetch waiting for its server shows as progress about
    // once a second, so the allowance stays some seconds long.
    std::chrono::milliseconds workerSilence{XmlLimits::kWorkerSilence};
    // Whether a validating load uses the quicker checks of our own (keys,
    // keyrefs and uniques by our engine where it can, number lists through
    // quick item validators). Off, the parser's own checks do it all: tests
    // and profiles compare the two.
    bool quickChecks = true;
    // The room the compiled DTDs kept on disk may take
    // (xml_grammar_store.h); 0 keeps none and reads none.
    std::uint64_t grammarCacheMaxBytes = 64ull * 1024 * 1024;
    // How referenced documents are fetched over the network and cached.
    RemoteFetchLimits remote;
};

// The settings this process's loads are made with: the component builds
// every request from them. Tests, profiles and the terminal program's
// options choose them here; nothing else changes them.
XmlLoadSettings CurrentXmlLoadSettings();
void SetXmlLoadSettings(const XmlLoadSettings& settings);
