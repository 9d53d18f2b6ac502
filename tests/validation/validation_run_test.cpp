#include "validation/validation_run.h"

#include "platform/win/com.h"
#include "platform/ui/headless_window.h"
#include "platform/xml/component/xml_dom.h"
#include "res/corvane_resources.h"
#include "res/resource.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

// What the scripted component does and what it saw.
struct Script {
    HRESULT loadStatus = S_OK;
    HRESULT parseErrorStatus = S_OK;
    bool deliverErrorObject = true;
    bool fieldReadsFail = false;
    LONG code = 0;
    LONG line = 0;
    LONG linepos = 0;
    std::u16string reason;
    std::u16string url = u"Z:\\data\\site.xml";

    std::vector<std::string> calls;
    std::u16string loadedPath;
    VARENUM loadedType = VT_EMPTY;
    // What the window showed while the load ran.
    std::string resultDuringLoad;
    std::string statusDuringLoad;
    int waitDepthDuringLoad = 0;
    bool apartmentDuringLoad = false;
    int errorObjectsAlive = 0;
    int documentsAlive = 0;
};

class ScriptedError : public IXMLDOMParseError {
public:
    explicit ScriptedError(Script& script) : m_script(script) { ++m_script.errorObjectsAlive; }
    ~ScriptedError() override { --m_script.errorObjectsAlive; }
    HRESULT get_errorCode(LONG* v) override { return Read(v, m_script.code, "get_errorCode"); }
    HRESULT get_line(LONG* v) override { return Read(v, m_script.line, "get_line"); }
    HRESULT get_linepos(LONG* v) override { return Read(v, m_script.linepos, "get_linepos"); }
    HRESULT get_reason(std::u16string* v) override
    {
        m_script.calls.push_back("get_reason");
        if (m_script.fieldReadsFail)
            return E_FAIL;
        *v = m_script.reason;
        return S_OK;
    }
    HRESULT get_url(std::u16string* v) override
    {
        m_script.calls.push_back("get_url");
        if (m_script.fieldReadsFail)
            return E_FAIL;
        *v = m_script.url;
        return S_OK;
    }

private:
    HRESULT Read(LONG* out, LONG value, const char* name)
    {
        m_script.calls.push_back(name);
        if (m_script.fieldReadsFail)
            return E_FAIL;
        *out = value;
        return S_OK;
    }
    Script& m_script;
};

class ScriptedDocument : public IXMLDOMDocument {
public:
    ScriptedDocument(Script& script, CHeadlessDialog& window) : m_script(script), m_window(window)
    {
        ++m_script.documentsAlive;
    }
    ~ScriptedDocument() override { --m_script.documentsAlive; }

    HRESULT put_validateOnParse(VARIANT_BOOL v) override
    {
        m_script.calls.push_back(v == VARIANT_TRUE ? "validateOnParse(true)" : "validateOnParse");
        return S_OK;
    }
    HRESULT put_async(VARIANT_BOOL v) override
    {
        m_script.calls.push_back(v == VARIANT_FALSE ? "async(false)" : "async");
        return S_OK;
    }
    HRESULT load(VARIANT source, VARIANT_BOOL* ok) override
    {
        m_script.calls.push_back("load");
        m_script.loadedType = source.vt;
        m_script.loadedPath = source.bstrVal;
        m_script.resultDuringLoad = m_window.GetDlgItem(IDC_RESULT)
                                        ? m_window.GetDlgItem(IDC_RESULT)->GetWindowText().str()
                                        : "(none)";
        m_script.statusDuringLoad = m_window.GetDlgItem(IDC_STATUS)
                                        ? m_window.GetDlgItem(IDC_STATUS)->GetWindowText().str()
                                        : "(none)";
        m_script.waitDepthDuringLoad = m_window.WaitCursorDepth();
        m_script.apartmentDuringLoad = CoIsApartmentEntered();
        *ok = m_script.loadStatus == S_OK ? VARIANT_TRUE : VARIANT_FALSE;
        return m_script.loadStatus;
    }
    HRESULT get_parseError(std::unique_ptr<IXMLDOMParseError>& error) override
    {
        m_script.calls.push_back("get_parseError");
        if (m_script.deliverErrorObject)
            error = std::make_unique<ScriptedError>(m_script);
        return m_script.parseErrorStatus;
    }

private:
    Script& m_script;
    CHeadlessDialog& m_window;
};

class ValidationRun : public ::testing::Test {
protected:
    void SetUp() override { UseCorvaneResources(); }

    // Runs with the scripted component in place of the real one.
    std::string Run(const CString& path = "Z:\\data\\site.xml")
    {
        ClassRegistration registration(CLSID_DOMDocument40, [this](std::unique_ptr<IUnknown>& out) {
            if (FAILED(creationStatus))
                return creationStatus;
            out = std::make_unique<ScriptedDocument>(script, window);
            return S_OK;
        });
        outcome = RunValidation(window, path);
        return Result();
    }

    std::string Result() const { return window.GetDlgItem(IDC_RESULT)->GetWindowText().str(); }
    std::string Status() const { return window.GetDlgItem(IDC_STATUS)->GetWindowText().str(); }

    Script script;
    ValidationOutcome outcome;
    HRESULT creationStatus = S_OK;
    CHeadlessDialog window;
    CTextControl& result = window.AddControl(IDC_RESULT);
    CTextControl& status = window.AddControl(IDC_STATUS);
};

const std::string kPleaseWait = "Please be Patient  - Validation may take a few minutes ";
const std::string kLoadFailed = "Unable to load or parse this file";

TEST_F(ValidationRun, ValidDocumentIsLoadedAndValidated)
{
    result.SetWindowText("stale verdict");
    EXPECT_EQ(Run(), "Loaded and Validated");
    EXPECT_EQ(Status(), "");
    EXPECT_EQ(script.resultDuringLoad, "");
    EXPECT_EQ(script.statusDuringLoad, kPleaseWait);
    EXPECT_EQ(script.waitDepthDuringLoad, 1);
    EXPECT_TRUE(script.apartmentDuringLoad);
    EXPECT_EQ(window.WaitCursorDepth(), 0);
    EXPECT_EQ(window.WaitCursorShown(), 1);
    EXPECT_FALSE(CoIsApartmentEntered());
    EXPECT_EQ(script.documentsAlive, 0);
    const std::vector<std::string> expected = {"validateOnParse(true)", "async(false)", "load"};
    EXPECT_EQ(script.calls, expected);
    EXPECT_EQ(script.loadedType, VT_BSTR);
    EXPECT_EQ(script.loadedPath, u"Z:\\data\\site.xml");
}

TEST_F(ValidationRun, ReportLinesAndFailuresFollowTheComponent)
{
    struct Case {
        const char* name;
        HRESULT load;
        HRESULT parseError;
        bool object;
        bool readsFail;
        LONG code, line, pos;
        std::u16string reason;
        std::string expected;
    };
    const Case cases[] = {
        {"schema violation", S_FALSE, S_OK, true, false, static_cast<LONG>(0x8C22004D), 12, 7,
         u"element 'P' is not allowed here",
         "Error:\r\n\"Code = 0x8c22004d\r\n\"\"Source = Line : 12; Char : 7\r\n\"\"Error "
         "Description = element 'P' is not allowed here\r\n\""},
        // The component hands its descriptions visible (line breaks escaped);
        // the report shows them as they are, not escaped twice.
        {"reason holding escaped line breaks", S_FALSE, S_OK, true, false, 1, 1, 1,
         u"bad\\x0D\\x0ALoaded and Validated\\x0D\\x0A",
         "Error:\r\n\"Code = 0x1\r\n\"\"Source = Line : 1; Char : 1\r\n\"\"Error Description = "
         "bad\\x0D\\x0ALoaded and Validated\\x0D\\x0A\r\n\""},
        {"non-ASCII reason", S_FALSE, S_OK, true, false, -1, -5, 0, u"größe € \U0001F4D0",
         "Error:\r\n\"Code = 0xffffffff\r\n\"\"Source = Line : -5; Char : 0\r\n\"\"Error "
         "Description = größe € \U0001F4D0\r\n\""},
        {"percent signs in the reason", S_FALSE, S_OK, true, false, 2, 3, 4, u"%s %d %x %1",
         "Error:\r\n\"Code = 0x2\r\n\"\"Source = Line : 3; Char : 4\r\n\"\"Error Description = "
         "%s %d %x %1\r\n\""},
        {"field reads fail", S_FALSE, S_OK, true, true, 9, 9, 9, u"ignored",
         "Error:\r\n\"Code = 0x0\r\n\"\"Source = Line : 0; Char : 0\r\n\"\"Error Description = "
         "\r\n\""},
        {"hard load failure still reports", E_FAIL, S_OK, true, false, 5, 6, 7, u"io",
         "Error:\r\n\"Code = 0x5\r\n\"\"Source = Line : 6; Char : 7\r\n\"\"Error Description = "
         "io\r\n\""},
        {"error object unavailable", S_FALSE, E_FAIL, false, false, 0, 0, 0, u"", kLoadFailed},
        {"negative status with an object", S_FALSE, E_POINTER, true, false, 1, 2, 3, u"x",
         kLoadFailed},
        {"success without an object", S_FALSE, S_OK, false, false, 0, 0, 0, u"", ""},
        {"S_FALSE status without an object", S_FALSE, S_FALSE, false, false, 0, 0, 0, u"", ""},
    };
    for (const Case& c : cases) {
        script = Script{};
        script.loadStatus = c.load;
        script.parseErrorStatus = c.parseError;
        script.deliverErrorObject = c.object;
        script.fieldReadsFail = c.readsFail;
        script.code = c.code;
        script.line = c.line;
        script.linepos = c.pos;
        script.reason = c.reason;
        result.SetWindowText("stale");
        EXPECT_EQ(Run(), c.expected) << c.name;
        EXPECT_EQ(Status(), "") << c.name;
        EXPECT_EQ(script.errorObjectsAlive, 0) << c.name;
        EXPECT_EQ(script.documentsAlive, 0) << c.name;
        EXPECT_EQ(window.WaitCursorDepth(), 0) << c.name;
        EXPECT_FALSE(CoIsApartmentEntered()) << c.name;
    }
}

TEST_F(ValidationRun, FieldsAreReadReasonFirst)
{
    script.loadStatus = S_FALSE;
    Run();
    const std::vector<std::string> expected = {"validateOnParse(true)", "async(false)", "load",
                                               "get_parseError", "get_reason", "get_errorCode",
                                               "get_line", "get_linepos",    "get_url"};
    EXPECT_EQ(script.calls, expected);
}

// Edit may open the editor at the reported line only when that line counts
// in the document itself.
TEST_F(ValidationRun, OutcomeNamesTheErrorLineOnlyWhenItLiesInTheDocument)
{
    struct Case {
        const char* name;
        HRESULT load, parseError;
        bool readsFail;
        LONG line;
        std::u16string url;
        LONG expected;
    };
    const std::u16string self = u"Z:\\data\\site.xml";
    const Case cases[] = {
        {"error in the document", S_FALSE, S_OK, false, 12, self, 12},
        {"error in its schema", S_FALSE, S_OK, false, 12, u"Z:\\data\\site.xsd", 0},
        {"error in a remote DTD", S_FALSE, S_OK, false, 3, u"http://example.org/a.dtd", 0},
        {"a path differing in case", S_FALSE, S_OK, false, 4, u"Z:\\data\\Site.xml", 0},
        {"no line", S_FALSE, S_OK, false, 0, self, 0},
        {"field reads fail", S_FALSE, S_OK, true, 12, self, 0},
        {"no report could be had", S_FALSE, E_POINTER, false, 7, self, 0},
        {"valid", S_OK, S_OK, false, 12, self, 0},
    };
    for (const Case& c : cases) {
        script = Script{};
        script.loadStatus = c.load;
        script.parseErrorStatus = c.parseError;
        script.fieldReadsFail = c.readsFail;
        script.line = c.line;
        script.url = c.url;
        Run();
        EXPECT_EQ(outcome.lErrorLineInDocument, c.expected) << c.name;
    }
}

TEST_F(ValidationRun, CreationFailureSaysSoAndLeavesTheApartment)
{
    for (HRESULT failure : {REGDB_E_CLASSNOTREG, E_OUTOFMEMORY}) {
        creationStatus = failure;
        status.SetWindowText("untouched");
        result.SetWindowText("stale");
        EXPECT_EQ(Run(), kLoadFailed);
        EXPECT_EQ(Status(), "untouched");
        EXPECT_EQ(window.WaitCursorShown(), 0);
        EXPECT_FALSE(CoIsApartmentEntered());
        EXPECT_TRUE(script.calls.empty());
    }
}

TEST_F(ValidationRun, ApartmentEnteredByTheCallerStaysEntered)
{
    ASSERT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), S_OK);
    creationStatus = E_FAIL;
    Run();
    EXPECT_TRUE(CoIsApartmentEntered());
    creationStatus = S_OK;
    Run();
    EXPECT_TRUE(CoIsApartmentEntered());
    CoUninitialize();
    EXPECT_FALSE(CoIsApartmentEntered());
}

TEST_F(ValidationRun, MissingFieldsAreSkipped)
{
    CHeadlessDialog bare;
    ClassRegistration registration(CLSID_DOMDocument40, [&](std::unique_ptr<IUnknown>& out) {
        out = std::make_unique<ScriptedDocument>(script, bare);
        return S_OK;
    });
    script.loadStatus = S_FALSE;
    script.reason = u"x";
    RunValidation(bare, "Z:\\x.xml");
    EXPECT_EQ(script.resultDuringLoad, "(none)");
    EXPECT_EQ(script.statusDuringLoad, "(none)");
    EXPECT_EQ(bare.WaitCursorDepth(), 0);
    EXPECT_EQ(script.documentsAlive, 0);
}

TEST_F(ValidationRun, NonAsciiPathReachesTheComponentAsWideText)
{
    Run("Z:\\Vermessung\\Höhe €\\plan.xml");
    EXPECT_EQ(script.loadedPath, u"Z:\\Vermessung\\Höhe €\\plan.xml");
}

TEST_F(ValidationRun, SecondRunEmptiesTheOldVerdictBeforeLoading)
{
    script.loadStatus = S_FALSE;
    script.reason = u"first";
    const std::string first = Run();
    ASSERT_NE(first.find("first"), std::string::npos);
    script.loadStatus = S_OK;
    EXPECT_EQ(Run(), "Loaded and Validated");
    EXPECT_EQ(script.resultDuringLoad, "");
    EXPECT_EQ(script.statusDuringLoad, kPleaseWait);
    EXPECT_EQ(Status(), "");
}

} // namespace
