#pragma once
// The component object services the validation run calls: entering and leaving
// the thread's apartment and creating a component by class identifier.
// Interfaces are owned through std::unique_ptr; resetting one is its Release.

#include "platform/win/win_types.h"

#include <array>
#include <functional>
#include <memory>

struct GUID {
    DWORD Data1;
    WORD Data2;
    WORD Data3;
    std::array<BYTE, 8> Data4;
    friend bool operator==(const GUID&, const GUID&) = default;
};
using CLSID = GUID;
using IID = GUID;

inline constexpr DWORD COINIT_MULTITHREADED = 0x0;
inline constexpr DWORD COINIT_APARTMENTTHREADED = 0x2;
inline constexpr DWORD CLSCTX_INPROC_SERVER = 0x1;

class IUnknown {
public:
    virtual ~IUnknown() = default;
};

// S_OK on the first entry of this thread, S_FALSE on a nested one.
HRESULT CoInitializeEx(void* pvReserved, DWORD dwCoInit);
// Leaves the apartment once; unbalanced calls are ignored.
void CoUninitialize();
bool CoIsApartmentEntered();

// Creates an instance of a class. Fails with CO_E_NOTINITIALIZED outside an
// apartment, REGDB_E_CLASSNOTREG for an unknown class, CLASS_E_NOAGGREGATION
// with an outer object, E_NOINTERFACE if the instance lacks the interface, or
// the class factory's own failure.
HRESULT CoCreateInstanceRaw(const CLSID& rclsid, IUnknown* pUnkOuter, DWORD dwClsContext,
                            std::unique_ptr<IUnknown>& instance);

template <class Interface>
HRESULT CoCreateInstance(const CLSID& rclsid, IUnknown* pUnkOuter, DWORD dwClsContext,
                         const IID& riid, std::unique_ptr<Interface>& ppv)
{
    ppv.reset();
    if (!(riid == Interface::iid))
        return E_NOINTERFACE;
    std::unique_ptr<IUnknown> instance;
    const HRESULT hr = CoCreateInstanceRaw(rclsid, pUnkOuter, dwClsContext, instance);
    if (FAILED(hr))
        return hr;
    auto* typed = dynamic_cast<Interface*>(instance.get());
    if (typed == nullptr)
        return E_NOINTERFACE;
    instance.release();
    ppv.reset(typed);
    return S_OK;
}

// Asks an object for another of its interfaces. An interface pointer owns
// its object, so the object moves to the new pointer when it has the
// interface, and stays where it was otherwise.
template <class Interface, class Held>
HRESULT QueryInterface(std::unique_ptr<Held>& object, std::unique_ptr<Interface>& ppv)
{
    auto* typed = dynamic_cast<Interface*>(object.get());
    if (typed == nullptr)
        return E_NOINTERFACE;
    object.release();
    ppv.reset(typed);
    return S_OK;
}

// A class factory fills the instance and returns S_OK, or returns a failure.
using ClassFactory = std::function<HRESULT(std::unique_ptr<IUnknown>& instance)>;

// Registers a class factory for this process until the registration object is
// destroyed; the newest registration of a class wins. A built-in class
// registers itself with a registration object of static duration, beside
// its code.
class ClassRegistration {
public:
    ClassRegistration(const CLSID& clsid, ClassFactory factory);
    ~ClassRegistration();
    ClassRegistration(const ClassRegistration&) = delete;
    ClassRegistration& operator=(const ClassRegistration&) = delete;

private:
    unsigned long m_cookie;
};
