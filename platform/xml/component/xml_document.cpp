#include "platform/xml/component/xml_dom.h"

#include "platform/text/drive_path.h"
#include "platform/xml/component/validation_load_ahead.h"
#include "platform/text/text_encoding.h"
#include "platform/xml/load/xml_document_file.h"
#include "platform/xml/component/xml_error_codes.h"
#include "platform/xml/worker/xml_worker.h"

#include <new>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace {

// Every error of one load, shared by the error objects that read it, and
// whether the bound on reported errors ended the list.
struct XmlLoadErrorList {
    std::vector<XmlLoadError> errors;
    bool boundReached = false;
};
using XmlLoadErrors = std::shared_ptr<const XmlLoadErrorList>;

// A snapshot of one error of a load (the first, unless taken from the
// collection of all); later loads do not change it.
class CXmlParseError final : public IXMLDOMParseError2 {
public:
    CXmlParseError(XmlLoadError error, XmlLoadErrors all) : m_error(std::move(error)), m_all(std::move(all)) {}

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
        // The one place where a description leaves the component, so the one
        // place it is made visible: it echoes names, values and locations as
        // the document or the user wrote them, and no caller (a window, a
        // terminal, a JSON reader) may receive a control that forges a line
        // or reorders what is shown.
        *reasonString = VisibleText(m_error.reason);
        return S_OK;
    }
    HRESULT get_allErrors(std::unique_ptr<IXMLDOMParseErrorCollection>& allErrors) override;
    HRESULT get_url(std::u16string* urlString) override
    {
        if (urlString == nullptr)
            return E_POINTER;
        *urlString = AnsiToWide(m_error.file);
        return S_OK;
    }

private:
    XmlLoadError m_error;
    XmlLoadErrors m_all;
};

class CXmlParseErrorCollection final : public IXMLDOMParseErrorCollection {
public:
    explicit CXmlParseErrorCollection(XmlLoadErrors all) : m_all(std::move(all)) {}

    HRESULT get_length(LONG* length) override
    {
        if (length == nullptr)
            return E_POINTER;
        *length = static_cast<LONG>(m_all->errors.size());
        return S_OK;
    }
    HRESULT get_boundReached(VARIANT_BOOL* reached) override
    {
        if (reached == nullptr)
            return E_POINTER;
        *reached = m_all->boundReached ? VARIANT_TRUE : VARIANT_FALSE;
        return S_OK;
    }
    HRESULT get_item(LONG index, std::unique_ptr<IXMLDOMParseError2>& error) override
    {
        error.reset();
        if (index < 0 || static_cast<std::size_t>(index) >= m_all->errors.size())
            return S_FALSE;
        try {
            error = std::make_unique<CXmlParseError>(m_all->errors[static_cast<std::size_t>(index)], m_all);
        } catch (const std::bad_alloc&) {
            return E_OUTOFMEMORY;
        }
        return S_OK;
    }

private:
    XmlLoadErrors m_all;
};

HRESULT CXmlParseError::get_allErrors(std::unique_ptr<IXMLDOMParseErrorCollection>& allErrors)
{
    try {
        allErrors = std::make_unique<CXmlParseErrorCollection>(m_all);
    } catch (const std::bad_alloc&) {
        allErrors.reset();
        return E_OUTOFMEMORY;
    }
    return S_OK;
}

XmlLoadError UnmappedPath(const std::string& path)
{
    return MakeXmlLoadError(XmlOwnErrorCode(XmlOwnError::NotADrivePath), 0, 0,
                            AnsiToWide(UnmappedDrivePathReason(path)));
}

// Every request of this process's loads is built here, with the settings
// the process chose (CurrentXmlLoadSettings): a load named ahead is taken
// as the load made later only when the two are built alike.
XmlLoadRequest RequestFor(const std::string& linuxPath, const std::string& drivePath, bool validate,
                          bool multipleErrors)
{
    XmlLoadRequest request{linuxPath, drivePath, validate, multipleErrors, DocumentStandInFor(linuxPath)};
    request.settings = CurrentXmlLoadSettings();
    return request;
}

constexpr std::u16string_view kMultipleErrorMessages = u"MultipleErrorMessages";

class CXmlDocument final : public IXMLDOMDocument2 {
public:
    HRESULT setProperty(const std::u16string& name, VARIANT value) override
    {
        if (name != kMultipleErrorMessages || value.vt != VT_BOOL)
            return E_INVALIDARG;
        m_multipleErrors = value.boolVal != VARIANT_FALSE;
        return S_OK;
    }

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
        m_furtherErrors.clear();
        m_boundReached = false;
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
                m_lastError =
                    LoadXmlDocumentInWorker(RequestFor(*linuxPath, drivePath, m_validateOnParse, m_multipleErrors),
                                            m_multipleErrors ? &m_furtherErrors : nullptr);
            // An error that names no referenced file lies in the document.
            if (m_lastError && m_lastError->file.empty())
                m_lastError->file = drivePath;
            m_boundReached = !m_furtherErrors.empty() &&
                             m_furtherErrors.back().code == XmlOwnErrorCode(XmlOwnError::ErrorListBounded);
            if (m_boundReached)
                m_furtherErrors.pop_back();
            for (XmlLoadError& further : m_furtherErrors)
                if (further.file.empty())
                    further.file = drivePath;
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
            const XmlLoadError first = m_lastError.value_or(XmlLoadError{});
            auto all = std::make_shared<XmlLoadErrorList>();
            if (m_lastError) {
                all->errors.push_back(first);
                all->errors.insert(all->errors.end(), m_furtherErrors.begin(), m_furtherErrors.end());
                all->boundReached = m_boundReached;
            }
            errorObj = std::make_unique<CXmlParseError>(first, std::move(all));
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
            m_furtherErrors.clear();
            m_failedWithoutError = true;
        }
        return hr;
    }

    bool m_validateOnParse = true;
    bool m_multipleErrors = false;
    std::vector<XmlLoadError> m_furtherErrors;
    bool m_boundReached = false;
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

const CLSID CLSID_DOMDocument40 = {
    0x88D969C0, 0xF192, 0x11D4, {0xA6, 0x5F, 0x00, 0x40, 0x96, 0x32, 0x51, 0xE5}};

namespace {
const ClassRegistration g_domDocumentClass(CLSID_DOMDocument40, CreateDOMDocument40);
} // namespace

void ExpectValidationLoad(const std::string& drivePath, bool allErrors)
{
    // The request a validation run's load makes: validated, from the drive path.
    if (const auto linuxPath = LinuxPathFromDrivePath(drivePath))
        ExpectXmlLoadInWorker(RequestFor(*linuxPath, drivePath, true, allErrors));
}

void PrepareValidationLoads()
{
    StartXmlWorker();
}

void LetLoadWorkerServeLaterRuns(std::chrono::seconds staysFor)
{
    LetXmlWorkerServeLaterCalls(staysFor);
}
