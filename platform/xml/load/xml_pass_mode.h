#pragma once
// What one pass over the document is for, shared by the pass and the parts
// that decide when it has to start over.

enum class XmlPassMode {
    WellFormed, // validation switched off by the caller
    Probe,      // reading until the document shows what to validate against
    Full,       // strict validation against the DTD or the schemas
    DtdOnly,    // strict validation against the DTD alone (when schemas are used too)
};

// How a pass uses a set of schemas kept between loads.
enum class XmlGrammarUse {
    None,
    Reuse,   // validate with the kept set; any further schema restarts the load without it
    Collect, // keep what this pass reads, for later loads
};

// Who checks keys, keyrefs and uniques in a validating pass.
enum class XmlIdentityChecks {
    OursWherePossible, // our engine, when it handles every constraint of the schemas
    Parser,            // the parser's own engine
};
