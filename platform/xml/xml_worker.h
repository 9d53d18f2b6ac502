#pragma once
// Documents are parsed in a worker process, so that a document which drives
// the parser into a crash, a runaway recursion or endless work costs a
// report, not the program. The worker is this very executable started again:
// a hook that runs before main() recognises it and serves loads until the
// program that started it goes away. One worker serves the whole process and
// keeps the schemas it read between loads; it is started again after it died
// or was ended.

#include "platform/xml/xml_parse_session.h"

#include <optional>
#include <vector>

// Loads the document in the worker, on the caller's thread as far as the
// caller can tell: progress is reported to the caller's listener while the
// load runs. A worker that dies ends in a report too; only std::bad_alloc
// escapes.
// The errors after the first go to `further` when the request asked for
// every error.
std::optional<XmlLoadError> LoadXmlDocumentInWorker(const XmlLoadRequest& request,
                                                    std::vector<XmlLoadError>* further = nullptr);

// Names the load the caller makes next: its request goes to the worker right
// behind the next load's, so that the worker reads that document while the
// caller reports the one before. A later load with the
// very same request and settings only collects what the worker sent; any
// other load first reads and drops it.
void ExpectXmlLoadInWorker(const XmlLoadRequest& request);

// Ends the worker (and with it the schemas it kept); the next load starts a
// fresh one.
void EndXmlWorker();

// Sends a signal to the worker of this process, if one runs; for tests that
// need a worker to die in the middle of a load. Safe to call from a progress
// listener.
bool SignalXmlWorkerForTests(int signalNumber);
