#pragma once
// Documents are parsed in a worker process, so that a document which drives
// the parser into a crash, a runaway recursion or endless work costs a
// report, not the program. The worker is this very executable started again
// (or a copy of it): a hook that runs before main() recognises it and serves
// loads until the program that started it goes away. One worker serves the
// whole process and keeps the schemas it read between loads, but for loads
// named ahead, which other workers may share; a worker is started again
// after it died or was ended.

#include "platform/xml/load/xml_parse_session.h"

#include <chrono>
#include <optional>
#include <vector>

// Loads the document in the worker, on the caller's thread as far as the
// caller can tell: progress is reported to the caller's listener while the
// load runs. A worker that dies ends in a report too; only std::bad_alloc
// escapes. The request's settings bound the load, and how long its worker
// may stay silent.
// The errors after the first go to `further` when the request asked for
// every error.
std::optional<XmlLoadError> LoadXmlDocumentInWorker(const XmlLoadRequest& request,
                                                    std::vector<XmlLoadError>* further = nullptr);

// Names a load the caller makes later, after those it named before and
// before any other: its request goes to a worker at once (to another worker
// than the loads named before it when the machine has several processors),
// so that the workers read the documents named while the caller reports the
// one before. A load with the very same request and settings as the first
// named only collects what its worker sent; any other load first drops
// every load named.
void ExpectXmlLoadInWorker(const XmlLoadRequest& request);

// Starts the worker that serves the loads nobody named ahead, unless it
// runs: a window calls this once it shows, so that its first load does not
// wait for the worker's start. Returns once the process is started; the
// worker readies the parser meanwhile. A worker that could not start is
// reported by the next load, which tries again.
void StartXmlWorker();

// Lets the worker of the loads nobody named stay, once this process is done
// with it, for the next process of the same program, user, folder,
// environment and limits, until `staysFor` passes without one; that process
// then uses it instead of starting its own (kept_worker.h). For a program
// run once per document, whose worker's start is most of a small check.
void LetXmlWorkerServeLaterCalls(std::chrono::seconds staysFor);

// Ends the workers (and with them the schemas they kept); the next load
// starts a fresh one.
void EndXmlWorker();

// Sends a signal to the worker of this process, if one runs; for tests that
// need a worker to die in the middle of a load. Safe to call from a progress
// listener.
bool SignalXmlWorkerForTests(int signalNumber);
// The process id of that worker; 0 when none runs.
int XmlWorkerProcessIdForTests();
