#include "validation/validation_run.h"

#include "platform/com.h"
#include "platform/text_encoding.h"
#include "platform/xml/xml_dom.h"
#include "res/resource.h"

#include <memory>
#include <string>

namespace {

// Raised inside the report's construction only; it never leaves the run.
struct ReportUnavailable {
    HRESULT hr;
};

// Builds the five-line report of the first error; an empty text when the
// component delivers no error object. lLineInDocument takes the report's
// line when the error lies in the document itself.
CString BuildErrorReport(IXMLDOMDocument& document, const CString& strXmlPath, LONG& lLineInDocument)
{
    std::unique_ptr<IXMLDOMParseError> pXMLError;
    const HRESULT hr = document.get_parseError(pXMLError);
    if (FAILED(hr))
        throw ReportUnavailable{hr};
    if (!pXMLError)
        return {};

    // A read that fails without delivering a value shows 0 or an empty text.
    std::u16string bstrReason;
    LONG lErrorCode = 0;
    LONG lLine = 0;
    LONG lLinePos = 0;
    pXMLError->get_reason(&bstrReason);
    pXMLError->get_errorCode(&lErrorCode);
    pXMLError->get_line(&lLine);
    pXMLError->get_linepos(&lLinePos);
    std::u16string bstrUrl;
    pXMLError->get_url(&bstrUrl);
    if (lLine > 0 && bstrUrl == AnsiToWide(strXmlPath.str()))
        lLineInDocument = lLine;

    CString strResult;
    CString strLine;
    strResult.LoadString(IDS_ERROR_HEADER);
    strLine.Format(IDS_ERROR_CODE, lErrorCode);
    strResult += strLine;
    strLine.Format(IDS_ERROR_SOURCE, lLine, lLinePos);
    strResult += strLine;
    // The description may echo any name the user or the document gave.
    strLine.Format(IDS_ERROR_DESCRIPTION, CString(WideToAnsi(VisibleText(bstrReason))));
    strResult += strLine;
    pXMLError.reset();
    return strResult;
}

} // namespace

ValidationOutcome RunValidation(CWnd& window, const CString& strXmlPath)
{
    ValidationOutcome outcome;
    CWnd* pResult = window.GetDlgItem(IDC_RESULT);
    CWnd* pStatus = window.GetDlgItem(IDC_STATUS);

    CoInitializeEx(nullptr, COINIT_MULTITHREADED);

    std::unique_ptr<IXMLDOMDocument> pXMLDoc;
    const HRESULT hrCreate = CoCreateInstance(CLSID_DOMDocument40, nullptr, CLSCTX_INPROC_SERVER,
                                              IID_IXMLDOMDocument, pXMLDoc);
    if (FAILED(hrCreate) || !pXMLDoc) {
        // No component, so no verdict: say the file could not be loaded
        // rather than leave a stale one, and leave the apartment as entered.
        if (pResult != nullptr) {
            CString strFailed;
            strFailed.LoadString(IDS_LOAD_FAILED);
            pResult->SetWindowText(strFailed);
        }
        CoUninitialize();
        return outcome;
    }

    pXMLDoc->put_validateOnParse(VARIANT_TRUE);

    VARIANT varSource;
    varSource.vt = VT_BSTR;
    varSource.bstrVal = AnsiToWide(strXmlPath.str());

    window.BeginWaitCursor();
    if (pResult != nullptr)
        pResult->SetWindowText(CString());

    CString strScratch;
    strScratch.LoadString(IDS_PLEASE_WAIT);
    if (pStatus != nullptr)
        pStatus->SetWindowText(strScratch);

    pXMLDoc->put_async(VARIANT_FALSE);

    VARIANT_BOOL bLoaded = VARIANT_FALSE;
    const HRESULT hrLoad = pXMLDoc->load(std::move(varSource), &bLoaded);

    CString strResult;
    if (hrLoad == S_OK) {
        strResult = kLoadedAndValidated;
    } else {
        try {
            strResult = BuildErrorReport(*pXMLDoc, strXmlPath, outcome.lErrorLineInDocument);
        } catch (...) {
            strResult.LoadString(IDS_LOAD_FAILED);
            outcome.lErrorLineInDocument = 0;
        }
    }

    if (pResult != nullptr)
        pResult->SetWindowText(strResult);
    if (pStatus != nullptr)
        pStatus->SetWindowText(CString());

    pXMLDoc.reset();
    CoUninitialize();
    window.EndWaitCursor();
    return outcome;
}
