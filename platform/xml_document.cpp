#include "platform/xml_dom.h"

// Placeholder until the Xerces-C++ component lands.
HRESULT CreateDOMDocument40(std::unique_ptr<IUnknown>& instance)
{
    instance.reset();
    return REGDB_E_CLASSNOTREG;
}
