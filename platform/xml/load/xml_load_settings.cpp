#include "platform/xml/load/xml_load_settings.h"

#include <algorithm>
#include <mutex>

namespace {

std::mutex g_mutex;
XmlLoadSettings g_settings;

} // namespace

XmlLoadSettings CurrentXmlLoadSettings()
{
    std::lock_guard lock(g_mutex);
    return g_settings;
}

void SetXmlLoadSettings(const XmlLoadSettings& settings)
{
    std::lock_guard lock(g_mutex);
    g_settings = settings;
    // Zero would unbound each read from the worker instead.
    g_settings.workerSilence = std::max(settings.workerSilence, std::chrono::milliseconds(1));
}
