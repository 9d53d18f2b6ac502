#include "platform/resources.h"

namespace {
const ResourceModule* g_module = nullptr;
}

void AfxSetResourceModule(const ResourceModule& module)
{
    g_module = &module;
}

const ResourceModule* AfxGetResourceModule()
{
    return g_module;
}

std::optional<std::u16string_view> FindStringResource(UINT nID)
{
    if (g_module == nullptr)
        return std::nullopt;
    for (const StringResource& entry : g_module->strings) {
        if (entry.nID == nID)
            return entry.text;
    }
    return std::nullopt;
}
