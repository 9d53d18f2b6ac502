#include "validation/validation_run.h"

#include "platform/win/com.h"
#include "platform/text/text_encoding.h"
#include "platform/xml/component/validation_load_ahead.h"
#include "platform/xml/component/xml_dom.h"
#include "res/resource.h"

#include <memory>
#include <string>
#include <utility>

namespace {

// Raised inside the report's construction only; it never leaves the run.
struct ReportUnavailable {
    HRESULT hr;
};

// A read that fails without delivering a value shows 0 or an empty text.
ValidationError ReadError(IXMLDOMParseError& parseError)
{
    std::u16string bstrReason;
    ValidationError error;
    parseError.get_reason(&bstrReason);
    parseError.get_errorCode(&error.lErrorCode);
    parseError.get_line(&error.lLine);
    parseError.get_linepos(&error.lLinePos);
    std::u16string bstrUrl;
    parseError.get_url(&bstrUrl);
    error.strUrl = CString(WideToAnsi(bstrUrl));
    // Visible already: the component escapes what a description echoes.
    error.strDescription = CString(WideToAnsi(bstrReason));
    return error;
}

// The errors after the first, when the component keeps them; none when it
// cannot tell them. True when the component's bound ended the list.
bool ReadFurtherErrors(std::unique_ptr<IXMLDOMParseError>& pXMLError, std::vector<ValidationError>& errors)
{
    std::unique_ptr<IXMLDOMParseError2> pXMLError2;
    std::unique_ptr<IXMLDOMParseErrorCollection> pAllErrors;
    if (FAILED(QueryInterface(pXMLError, pXMLError2)) || FAILED(pXMLError2->get_allErrors(pAllErrors)) ||
        !pAllErrors)
        return false;
    LONG lLength = 0;
    pAllErrors->get_length(&lLength);
    for (LONG i = 1; i < lLength; ++i) {
        std::unique_ptr<IXMLDOMParseError2> pItem;
        if (pAllErrors->get_item(i, pItem) != S_OK || !pItem)
            break;
        errors.push_back(ReadError(*pItem));
    }
    VARIANT_BOOL bBounded = VARIANT_FALSE;
    pAllErrors->get_boundReached(&bBounded);
    return bBounded != VARIANT_FALSE;
}

// Builds the five-line report of the first error; an empty text when the
// component delivers no error object. The errors read are added to the
// outcome (all of them with bAllErrors).
CString BuildErrorReport(IXMLDOMDocument& document, bool bAllErrors, ValidationOutcome& outcome)
{
    std::vector<ValidationError>& errors = outcome.errors;
    std::unique_ptr<IXMLDOMParseError> pXMLError;
    const HRESULT hr = document.get_parseError(pXMLError);
    if (FAILED(hr))
        throw ReportUnavailable{hr};
    if (!pXMLError)
        return {};

    const ValidationError first = ReadError(*pXMLError);
    errors.push_back(first);
    if (bAllErrors)
        outcome.bErrorListBounded = ReadFurtherErrors(pXMLError, errors);
    pXMLError.reset();
    return ErrorReportText(first);
}

// Asks the document for every error; a document without that property
// reports its first error alone.
void AskForAllErrors(std::unique_ptr<IXMLDOMDocument>& pXMLDoc)
{
    std::unique_ptr<IXMLDOMDocument2> pXMLDoc2;
    if (FAILED(QueryInterface(pXMLDoc, pXMLDoc2)))
        return;
    VARIANT varMultiple;
    varMultiple.vt = VT_BOOL;
    varMultiple.boolVal = VARIANT_TRUE;
    pXMLDoc2->setProperty(u"MultipleErrorMessages", varMultiple);
    pXMLDoc = std::move(pXMLDoc2);
}

} // namespace

CString ErrorReportText(const ValidationError& error)
{
    CString strResult;
    CString strLine;
    strResult.LoadString(IDS_ERROR_HEADER);
    strLine.Format(IDS_ERROR_CODE, error.lErrorCode);
    strResult += strLine;
    strLine.Format(IDS_ERROR_SOURCE, error.lLine, error.lLinePos);
    strResult += strLine;
    strLine.Format(IDS_ERROR_DESCRIPTION, error.strDescription);
    strResult += strLine;
    return strResult;
}

ValidationOutcome RunValidation(CWnd& window, const CString& strXmlPath, bool bAllErrors)
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
        outcome.strResult.LoadString(IDS_LOAD_FAILED);
        CoUninitialize();
        return outcome;
    }

    if (bAllErrors)
        AskForAllErrors(pXMLDoc);
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
        outcome.verdict = ValidationVerdict::Valid;
    } else {
        try {
            strResult = BuildErrorReport(*pXMLDoc, bAllErrors, outcome);
            outcome.verdict = outcome.errors.empty() ? ValidationVerdict::NoReport : ValidationVerdict::ErrorReport;
            const ValidationError* first = outcome.errors.empty() ? nullptr : &outcome.errors.front();
            if (first != nullptr && first->lLine > 0 && first->strUrl == strXmlPath)
                outcome.lErrorLineInDocument = first->lLine;
        } catch (...) {
            strResult.LoadString(IDS_LOAD_FAILED);
            outcome.errors.clear();
            outcome.bErrorListBounded = false;
        }
    }
    outcome.strResult = strResult;

    if (pResult != nullptr)
        pResult->SetWindowText(strResult);
    if (pStatus != nullptr)
        pStatus->SetWindowText(CString());

    pXMLDoc.reset();
    CoUninitialize();
    window.EndWaitCursor();
    return outcome;
}

void ExpectValidationRun(const CString& strXmlPath, bool bAllErrors)
{
    ExpectValidationLoad(strXmlPath.GetString(), bAllErrors);
}

void PrepareValidationRuns()
{
    PrepareValidationLoads();
}

void LetLaterRunsUseThisParser(std::chrono::seconds staysFor)
{
    LetLoadWorkerServeLaterRuns(staysFor);
}
