#include "platform/win/com.h"
#include "platform/xml/component/xml_dom.h"

#include <gtest/gtest.h>

namespace {

class Plain : public IUnknown {};

TEST(Com, ApartmentEntriesNest)
{
    EXPECT_FALSE(CoIsApartmentEntered());
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_FALSE);
    CoUninitialize();
    EXPECT_TRUE(CoIsApartmentEntered());
    CoUninitialize();
    EXPECT_FALSE(CoIsApartmentEntered());
    CoUninitialize(); // unbalanced: ignored
    EXPECT_FALSE(CoIsApartmentEntered());
}

TEST(Com, CreationFailuresAreReported)
{
    std::unique_ptr<IXMLDOMDocument> document;
    EXPECT_EQ(CoCreateInstance(CLSID_DOMDocument40, nullptr, CLSCTX_INPROC_SERVER,
                               IID_IXMLDOMDocument, document),
              CO_E_NOTINITIALIZED);

    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    const CLSID unknown = {1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
    EXPECT_EQ(CoCreateInstance(unknown, nullptr, CLSCTX_INPROC_SERVER, IID_IXMLDOMDocument, document),
              REGDB_E_CLASSNOTREG);
    Plain outer;
    EXPECT_EQ(CoCreateInstance(CLSID_DOMDocument40, &outer, CLSCTX_INPROC_SERVER,
                               IID_IXMLDOMDocument, document),
              CLASS_E_NOAGGREGATION);
    EXPECT_EQ(CoCreateInstance(CLSID_DOMDocument40, nullptr, CLSCTX_INPROC_SERVER, unknown, document),
              E_NOINTERFACE);
    {
        ClassRegistration wrongKind(CLSID_DOMDocument40, [](std::unique_ptr<IUnknown>& out) {
            out = std::make_unique<Plain>();
            return S_OK;
        });
        EXPECT_EQ(CoCreateInstance(CLSID_DOMDocument40, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IXMLDOMDocument, document),
                  E_NOINTERFACE);
        ClassRegistration failing(CLSID_DOMDocument40,
                                  [](std::unique_ptr<IUnknown>&) { return E_OUTOFMEMORY; });
        EXPECT_EQ(CoCreateInstance(CLSID_DOMDocument40, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IXMLDOMDocument, document),
                  E_OUTOFMEMORY);
        ClassRegistration empty(CLSID_DOMDocument40, [](std::unique_ptr<IUnknown>&) { return S_OK; });
        EXPECT_EQ(CoCreateInstance(CLSID_DOMDocument40, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IXMLDOMDocument, document),
                  E_FAIL);
        EXPECT_EQ(document, nullptr);
    }
    CoUninitialize();
}

TEST(Com, BuiltInDocumentIsCreatedAfterRegistrationsEnd)
{
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    {
        ClassRegistration failing(CLSID_DOMDocument40,
                                  [](std::unique_ptr<IUnknown>&) { return E_OUTOFMEMORY; });
    }
    std::unique_ptr<IXMLDOMDocument> document;
    EXPECT_EQ(CoCreateInstance(CLSID_DOMDocument40, nullptr, CLSCTX_INPROC_SERVER,
                               IID_IXMLDOMDocument, document),
              S_OK);
    EXPECT_NE(document, nullptr);
    CoUninitialize();
}

} // namespace
