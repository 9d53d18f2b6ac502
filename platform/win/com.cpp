#include "platform/win/com.h"

#include <algorithm>
#include <vector>

namespace {

thread_local int t_apartmentEntries = 0;

struct Registration {
    unsigned long cookie;
    CLSID clsid;
    ClassFactory factory;
};

std::vector<Registration>& Registrations()
{
    static std::vector<Registration> registrations;
    return registrations;
}

unsigned long g_nextCookie = 1;

} // namespace

HRESULT CoInitializeEx(void* /*pvReserved*/, DWORD /*dwCoInit*/)
{
    return t_apartmentEntries++ == 0 ? S_OK : S_FALSE;
}

void CoUninitialize()
{
    if (t_apartmentEntries > 0)
        --t_apartmentEntries;
}

bool CoIsApartmentEntered()
{
    return t_apartmentEntries > 0;
}

HRESULT CoCreateInstanceRaw(const CLSID& rclsid, IUnknown* pUnkOuter, DWORD dwClsContext,
                            std::unique_ptr<IUnknown>& instance)
{
    instance.reset();
    if (!CoIsApartmentEntered())
        return CO_E_NOTINITIALIZED;
    if (pUnkOuter != nullptr)
        return CLASS_E_NOAGGREGATION;
    if ((dwClsContext & CLSCTX_INPROC_SERVER) == 0)
        return REGDB_E_CLASSNOTREG;
    const auto& registrations = Registrations();
    const auto found = std::find_if(registrations.rbegin(), registrations.rend(),
                                    [&](const Registration& r) { return r.clsid == rclsid; });
    HRESULT hr = REGDB_E_CLASSNOTREG;
    if (found != registrations.rend())
        hr = found->factory(instance);
    if (SUCCEEDED(hr) && !instance)
        hr = E_FAIL;
    if (FAILED(hr))
        instance.reset();
    return FAILED(hr) ? hr : S_OK;
}

ClassRegistration::ClassRegistration(const CLSID& clsid, ClassFactory factory)
    : m_cookie(g_nextCookie++)
{
    Registrations().push_back({m_cookie, clsid, std::move(factory)});
}

ClassRegistration::~ClassRegistration()
{
    auto& registrations = Registrations();
    std::erase_if(registrations, [&](const Registration& r) { return r.cookie == m_cookie; });
}
