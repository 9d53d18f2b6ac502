#include "platform/xml/load/xml_runtime.h"

#include <xercesc/util/PlatformUtils.hpp>
#include <xercesc/util/XMLException.hpp>

#include <cstdlib>
#include <mutex>

bool EnsureXmlRuntime()
{
    static std::once_flag once;
    static bool ready = false;
    std::call_once(once, [] {
        try {
            xercesc::XMLPlatformUtils::Initialize();
            ready = true;
        } catch (const xercesc::XMLException&) {
            ready = false;
        } catch (...) {
            ready = false;
        }
    });
    return ready;
}
