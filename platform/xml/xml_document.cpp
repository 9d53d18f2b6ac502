#include "platform/xml/xml_dom.h"

#include "platform/drive_path.h"
#include "platform/text_encoding.h"
#include "platform/xml/xml_error_codes.h"
#include "platform/xml/xml_worker.h"

#include <new>
#include <optional>

namespace {

// A snapshot of the first error of a load; later loads do not change it.
class CXmlParseError final : public IXMLDOMParseError {
public:
    explicit CXmlParseError(XmlLoadError error) : m_error(std::move(error)) {}

    HRESULT get_errorCode(LONG* errorCode) override
    {
        if (errorCode == nullptr)
            return E_POINTER;
        *errorCode = static_cast<LONG>(m_error.code);
        return S_OK;
    }
    HRESULT get_line(LONG* lineNumber) override
    {
        if (lineNumber == nullptr)
            return E_POINTER;
        *lineNumber = m_error.line;
        return S_OK;
    }
    HRESULT get_linepos(LONG* linePosition) override
    {
        if (linePosition == nullptr)
            return E_POINTER;
        *linePosition = m_error.column;
        return S_OK;
    }
    HRESULT get_reason(std::u16string* reasonString) override
    {
        if (reasonString == nullptr)
            return E_POINTER;
        *reasonString = m_error.reason;
        return S_OK;
    }
    HRESULT get_url(std::u16string* urlString) override
    {
        if (urlString == nullptr)
            return E_POINTER;
        *urlString = AnsiToWide(m_error.file);
        return S_OK;
    }

private:
    XmlLoadError m_error;
};

XmlLoadError UnmappedPath(const std::string& path)
{
    return MakeXmlLoadError(XmlOwnErrorCode(XmlOwnError::NotADrivePath), 0, 0,
                            AnsiToWide(UnmappedDrivePathReason(path)));
}

class CXmlDocument final : public IXMLDOMDocument {
public:
    HRESULT put_validateOnParse(VARIANT_BOOL isValidating) override
    {
        m_validateOnParse = isValidating != VARIANT_FALSE;
        return S_OK;
    }

    // Loading is always synchronous; the switch is kept for the caller.
    HRESULT put_async(VARIANT_BOOL isAsync) override
    {
        m_async = isAsync != VARIANT_FALSE;
        return S_OK;
    }

    HRESULT load(VARIANT xmlSource, VARIANT_BOOL* isSuccessful) override
    {
        m_lastError.reset();
        m_failedWithoutError = false;
        if (isSuccessful != nullptr)
            *isSuccessful = VARIANT_FALSE;
        if (xmlSource.vt != VT_BSTR)
            return E_INVALIDARG;
        try {
            const std::string drivePath = WideToAnsi(xmlSource.bstrVal);
            const auto linuxPath = LinuxPathFromDrivePath(drivePath);
            if (!linuxPath)
                m_lastError = UnmappedPath(drivePath);
            else
                m_lastError = LoadXmlDocumentInWorker({*linuxPath, drivePath, m_validateOnParse});
            // An error that names no referenced file lies in the document.
            if (m_lastError && m_lastError->file.empty())
                m_lastError->file = drivePath;
        } catch (const std::bad_alloc&) {
            return FailedUnexpectedly(E_OUTOFMEMORY, u"The parser failed unexpectedly: out of memory");
        } catch (...) {
            return FailedUnexpectedly(E_FAIL, u"The parser failed unexpectedly");
        }
        if (m_lastError)
            return S_FALSE;
        if (isSuccessful != nullptr)
            *isSuccessful = VARIANT_TRUE;
        return S_OK;
    }

    HRESULT get_parseError(std::unique_ptr<IXMLDOMParseError>& errorObj) override
    {
        // A failed load always has its error: an empty one would read as a
        // report of nothing.
        if (m_failedWithoutError) {
            errorObj.reset();
            return E_FAIL;
        }
        try {
            errorObj = std::make_unique<CXmlParseError>(m_lastError.value_or(XmlLoadError{}));
        } catch (const std::bad_alloc&) {
            errorObj.reset();
            return E_OUTOFMEMORY;
        }
        return S_OK;
    }

private:
    // A load that ended in an exception still leaves an error to report; if
    // even that cannot be recorded, the error object is withheld.
    HRESULT FailedUnexpectedly(HRESULT hr, std::u16string_view reason)
    {
        try {
            m_lastError = MakeXmlLoadError(XmlOwnErrorCode(XmlOwnError::UnexpectedFailure), 0, 0,
                                           std::u16string(reason));
        } catch (const std::bad_alloc&) {
            m_lastError.reset();
            m_failedWithoutError = true;
        }
        return hr;
    }

    bool m_validateOnParse = true;
    bool m_failedWithoutError = false;
    bool m_async = true;
    std::optional<XmlLoadError> m_lastError;
};

} // namespace

HRESULT CreateDOMDocument40(std::unique_ptr<IUnknown>& instance)
{
    // The parser itself runs in the worker, which readies its runtime; the
    // caller's process never needs it, and a first error comes sooner.
    instance.reset();
    try {
        instance = std::make_unique<CXmlDocument>();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return S_OK;
}
