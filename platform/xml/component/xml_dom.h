#pragma once
// The XML parser component as the validation run uses it: a document that
// loads a file by path synchronously, validating it on parse against what the
// document itself references, and the first parse error it met.

#include "platform/win/com.h"

#include <memory>
#include <string>

using VARIANT_BOOL = short;
inline constexpr VARIANT_BOOL VARIANT_TRUE = -1;
inline constexpr VARIANT_BOOL VARIANT_FALSE = 0;

enum VARENUM : unsigned short { VT_EMPTY = 0, VT_BSTR = 8, VT_BOOL = 11 };

// The kinds of variant the program passes: a wide string or a switch.
struct VARIANT {
    VARENUM vt = VT_EMPTY;
    std::u16string bstrVal;
    VARIANT_BOOL boolVal = VARIANT_FALSE;
};

// Defined beside the class, which registers itself with the COM base: a
// program that names the class links the code that registers it, as a
// Windows program links a class id from the component's import library.
extern const CLSID CLSID_DOMDocument40;

class IXMLDOMParseError : public IUnknown {
public:
    virtual HRESULT get_errorCode(LONG* errorCode) = 0;
    virtual HRESULT get_line(LONG* lineNumber) = 0;
    virtual HRESULT get_linepos(LONG* linePosition) = 0;
    virtual HRESULT get_reason(std::u16string* reasonString) = 0;
    // The file that the line and position count in: the loaded document's
    // own path, or the drive path or URL of the referenced schema, DTD or
    // external entity the error lies in.
    virtual HRESULT get_url(std::u16string* urlString) = 0;
};

class IXMLDOMDocument : public IUnknown {
public:
    static constexpr IID iid = {
        0x2933BF81, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};

    virtual HRESULT put_validateOnParse(VARIANT_BOOL isValidating) = 0;
    virtual HRESULT put_async(VARIANT_BOOL isAsync) = 0;
    // S_OK: loaded and valid. S_FALSE: not loaded or not valid; the parse
    // error tells why. A negative status: the load could not be attempted.
    virtual HRESULT load(VARIANT xmlSource, VARIANT_BOOL* isSuccessful) = 0;
    // The error of the last load; S_OK may still deliver no object.
    virtual HRESULT get_parseError(std::unique_ptr<IXMLDOMParseError>& errorObj) = 0;
};

inline constexpr IID IID_IXMLDOMDocument = IXMLDOMDocument::iid;

class IXMLDOMParseError2;

// Every error of a load, in the order of the document.
class IXMLDOMParseErrorCollection : public IUnknown {
public:
    static constexpr IID iid = {
        0x3EFAA429, 0x272F, 0x11D2, {0x83, 0x6F, 0x00, 0x00, 0xF8, 0x7A, 0x77, 0x82}};

    virtual HRESULT get_length(LONG* length) = 0;
    // S_FALSE and no object past the end.
    virtual HRESULT get_item(LONG index, std::unique_ptr<IXMLDOMParseError2>& error) = 0;
    // VARIANT_TRUE when the load stopped at its bound on reported errors
    // (their number or the size of their descriptions): the document may
    // hold more than the list.
    virtual HRESULT get_boundReached(VARIANT_BOOL* reached) = 0;
};

class IXMLDOMParseError2 : public IXMLDOMParseError {
public:
    static constexpr IID iid = {
        0x3EFAA428, 0x272F, 0x11D2, {0x83, 0x6F, 0x00, 0x00, 0xF8, 0x7A, 0x77, 0x82}};

    // Every error of the load when the document was asked for them
    // (MultipleErrorMessages); otherwise the one error.
    virtual HRESULT get_allErrors(std::unique_ptr<IXMLDOMParseErrorCollection>& allErrors) = 0;
};

// The document with its properties. "MultipleErrorMessages" (VT_BOOL): a
// load goes on after a validity error and keeps every error, up to a bound
// (a well-formedness error or any other still ends it); the parse error
// object stays the first error.
class IXMLDOMDocument2 : public IXMLDOMDocument {
public:
    static constexpr IID iid = {
        0x2933BF95, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};

    // E_INVALIDARG for a property the document does not know or a value of
    // the wrong kind.
    virtual HRESULT setProperty(const std::u16string& name, VARIANT value) = 0;
};

inline constexpr IID IID_IXMLDOMDocument2 = IXMLDOMDocument2::iid;

// The built-in class behind CLSID_DOMDocument40 (on Xerces-C++).
HRESULT CreateDOMDocument40(std::unique_ptr<IUnknown>& instance);
