#pragma once
// Xerces-C++ is initialised once per process, on first use, and left
// initialised until the process ends (terminating it while any parser object
// might still exist would be unsafe, and the operating system reclaims it).

// True when the library is ready; false when its initialisation failed.
bool EnsureXmlRuntime();
