#include "platform/win/resources.h"

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

namespace {
template <class Resource> const Resource* FindById(std::span<const Resource> resources, UINT nID)
{
    for (const Resource& resource : resources) {
        if (resource.nID == nID)
            return &resource;
    }
    return nullptr;
}
} // namespace

const DialogTemplate* FindDialogTemplate(UINT nID)
{
    return g_module == nullptr ? nullptr : FindById(g_module->dialogs, nID);
}

const IconResource* FindIconResource(UINT nID)
{
    return g_module == nullptr ? nullptr : FindById(g_module->icons, nID);
}

const BitmapResource* FindBitmapResource(UINT nID)
{
    return g_module == nullptr ? nullptr : FindById(g_module->bitmaps, nID);
}
