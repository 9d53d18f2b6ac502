// OK in the main window: the validation run with the real parser component
// into the result field, and what the window shows while the load blocks.

#include "tests/ui/main_window_fixture.h"

#include "platform/win/com.h"
#include "platform/xml/component/xml_dom.h"
#include "platform/xml/worker/xml_worker.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <regex>
#include <string>

namespace {

constexpr const char* kSchema = R"(<?xml version="1.0"?>
<xs:schema xmlns:xs="http://www.w3.org/2001/XMLSchema">
  <xs:element name="survey">
    <xs:complexType>
      <xs:sequence>
        <xs:element name="point" maxOccurs="unbounded">
          <xs:complexType>
            <xs:attribute name="x" type="xs:decimal" use="required"/>
            <xs:attribute name="y" type="xs:decimal" use="required"/>
          </xs:complexType>
        </xs:element>
      </xs:sequence>
    </xs:complexType>
  </xs:element>
</xs:schema>
)";

constexpr const char* kValid = R"(<?xml version="1.0"?>
<survey xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance" xsi:noNamespaceSchemaLocation="survey.xsd">
  <point x="1.5" y="2"/>
  <point x="3" y="4"/>
</survey>
)";

// Line 4 holds a value that is not a decimal.
constexpr const char* kInvalid = R"(<?xml version="1.0"?>
<survey xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance" xsi:noNamespaceSchemaLocation="survey.xsd">
  <point x="1.5" y="2"/>
  <point x="three" y="4"/>
</survey>
)";

// Line 3 is not well formed.
constexpr const char* kBroken = R"(<?xml version="1.0"?>
<survey xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance" xsi:noNamespaceSchemaLocation="survey.xsd">
  <point x="1.5" y="2">
</survey>
)";

void PressOK(const CDialog& dialog)
{
    auto* ok = static_cast<QPushButton*>(ControlWidgetOf(dialog, IDOK));
    ASSERT_TRUE(ok->isEnabled());
    ok->click();
}

TEST_F(MainWindowTest, OKValidatesTheChosenFileIntoTheResultField)
{
    m_home.Write("survey.xsd", kSchema);
    const std::string valid = DriveForm(m_home.Write("valid.xml", kValid));
    const std::string invalid = DriveForm(m_home.Write("invalid.xml", kInvalid));
    const std::string broken = DriveForm(m_home.Write("broken.xml", kBroken));

    CorvaneDlgUnderTest dialog;
    RunModal(dialog, [&](QDialog& widget) {
        dialog.ChooseXmlFile(valid.c_str());
        PressOK(dialog);
        EXPECT_EQ(Text(dialog, IDC_RESULT), "Loaded and Validated");
        EXPECT_EQ(Text(dialog, IDC_STATUS), "");
        EXPECT_TRUE(widget.isVisible()) << "the dialog stays open after a run";

        // A schema violation: the five-line report of the first error.
        dialog.ChooseXmlFile(invalid.c_str());
        PressOK(dialog);
        const std::string report = Text(dialog, IDC_RESULT);
        const std::regex shape("Error:\r\n\"Code = 0x[0-9a-f]{8}\r\n\"\"Source = Line : 4; Char : [0-9]+\r\n"
                               "\"\"Error Description = [^\r\n]+\r?\n?\r\n\"");
        EXPECT_TRUE(std::regex_match(report, shape)) << report;
        EXPECT_EQ(Text(dialog, IDC_STATUS), "");
        // The field shows the report's five lines, unwrapped.
        EXPECT_EQ(static_cast<QPlainTextEdit*>(Control(dialog, IDC_RESULT))->document()->blockCount(), 5);

        // Not well formed: a report too, with a code of its own.
        dialog.ChooseXmlFile(broken.c_str());
        PressOK(dialog);
        const std::string syntax = Text(dialog, IDC_RESULT);
        EXPECT_EQ(syntax.rfind("Error:\r\n\"Code = 0x", 0), 0u) << syntax;
        EXPECT_NE(syntax.substr(0, 30), report.substr(0, 30)) << "a different code";
        EXPECT_EQ(Text(dialog, IDC_STATUS), "");

        // Running again replaces the verdict.
        dialog.ChooseXmlFile(valid.c_str());
        PressOK(dialog);
        PressOK(dialog);
        EXPECT_EQ(Text(dialog, IDC_RESULT), "Loaded and Validated");
        EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the wait cursor is gone";
        QTest::keyClick(&widget, Qt::Key_Escape);
    });
}

// The parser's worker starts once the window is up, not while it is built,
// and the first OK finds it running rather than starting its own.
TEST_F(MainWindowTest, TheParserStartsOnceTheWindowShowsAndServesTheFirstOK)
{
    m_home.Write("survey.xsd", kSchema);
    const std::string valid = DriveForm(m_home.Write("valid.xml", kValid));
    EndXmlWorker();
    ASSERT_EQ(XmlWorkerProcessIdForTests(), 0);

    struct Watched : CorvaneDlgUnderTest {
        int workerAfterInit = -1;
        BOOL OnInitDialog() override
        {
            const BOOL focus = CorvaneDlgUnderTest::OnInitDialog();
            workerAfterInit = XmlWorkerProcessIdForTests();
            return focus;
        }
    } dialog;
    RunModal(dialog, [&](QDialog& widget) {
        EXPECT_EQ(dialog.workerAfterInit, 0) << "the window waited for the worker's start";
        const int shown = XmlWorkerProcessIdForTests();
        EXPECT_NE(shown, 0) << "no worker runs once the window shows";
        dialog.ChooseXmlFile(valid.c_str());
        PressOK(dialog);
        EXPECT_EQ(Text(dialog, IDC_RESULT), "Loaded and Validated");
        EXPECT_EQ(XmlWorkerProcessIdForTests(), shown) << "the first OK started another worker";
        QTest::keyClick(&widget, Qt::Key_Escape);
    });
}

// Schemas named by xml-model instructions reach the window as the terminal
// shows them: a grammar's error, a rule's error, and a pass when both hold.
TEST_F(MainWindowTest, OKChecksTheGrammarAndRulesADocumentNamesByXmlModel)
{
    m_home.Write("survey.rng", R"(<element name="survey" xmlns="http://relaxng.org/ns/structure/1.0"
    datatypeLibrary="http://www.w3.org/2001/XMLSchema-datatypes">
  <oneOrMore><element name="point"><attribute name="x"><data type="decimal"/></attribute></element></oneOrMore>
</element>)");
    m_home.Write("survey.sch", R"(<schema xmlns="http://purl.oclc.org/dsdl/schematron"><pattern>
  <rule context="point"><assert test="@x &gt;= 0">A point lies east of the origin.</assert></rule>
</pattern></schema>)");
    const auto survey = [&](const char* name, const char* x) {
        return DriveForm(m_home.Write(
            name, std::string("<?xml version=\"1.0\"?>\n"
                              "<?xml-model href=\"survey.rng\" schematypens=\"http://relaxng.org/ns/structure/1.0\"?>\n"
                              "<?xml-model href=\"survey.sch\" schematypens=\"http://purl.oclc.org/dsdl/schematron\"?>\n"
                              "<survey>\n  <point x=\"") + x + "\"/>\n</survey>\n"));
    };
    const struct {
        std::string path;
        std::string verdictStart;
    } cases[] = {
        {survey("valid.xml", "1.5"), "Loaded and Validated"},
        {survey("grammar.xml", "east"), "Error:\r\n\"Code = 0x8c240003\r\n\"\"Source = Line : 5; Char : 3\r\n"},
        {survey("rules.xml", "-2"), "Error:\r\n\"Code = 0x8c250001\r\n\"\"Source = Line : 5; Char : 0\r\n"
                                    "\"\"Error Description = A point lies east of the origin."},
    };
    CorvaneDlgUnderTest dialog;
    RunModal(dialog, [&](QDialog& widget) {
        for (const auto& c : cases) {
            dialog.ChooseXmlFile(c.path.c_str());
            PressOK(dialog);
            EXPECT_EQ(Text(dialog, IDC_RESULT).rfind(c.verdictStart, 0), 0u) << Text(dialog, IDC_RESULT);
        }
        QTest::keyClick(&widget, Qt::Key_Escape);
    });
}

TEST_F(MainWindowTest, EnterDoesNotValidateBeforeAFileIsChosen)
{
    CorvaneDlgUnderTest dialog;
    RunModal(dialog, [&dialog](QDialog& widget) {
        Control(dialog, IDC_EDITOR_NAME)->setFocus();
        QTest::keyClick(Control(dialog, IDC_EDITOR_NAME), Qt::Key_Return);
        EXPECT_EQ(Text(dialog, IDC_RESULT), "");
        EXPECT_TRUE(widget.isVisible());
        dialog.EndDialog(IDCANCEL);
    });
}

// What the window looked like at the moment the component was asked to load.
struct DuringLoad {
    bool loaded = false;
    Qt::CursorShape cursor = Qt::ArrowCursor;
    QString statusShown;
    QString statusPainted;
    QString result;
};

// Counts the paints of the status line, with the text each one painted.
class StatusPaints : public QObject {
public:
    explicit StatusPaints(QLabel& label) : m_label(label) { label.installEventFilter(this); }
    QString lastPainted;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            lastPainted = m_label.text();
        return false;
    }

private:
    QLabel& m_label;
};

StatusPaints* g_statusPaints = nullptr;
DuringLoad* g_duringLoad = nullptr;

// A document that records the window's state when its load begins and
// reports the document valid.
class ObservingDocument : public IXMLDOMDocument {
public:
    HRESULT put_validateOnParse(VARIANT_BOOL) override { return S_OK; }
    HRESULT put_async(VARIANT_BOOL) override { return S_OK; }
    HRESULT load(VARIANT, VARIANT_BOOL* isSuccessful) override
    {
        DuringLoad& seen = *g_duringLoad;
        seen.loaded = true;
        if (const QCursor* cursor = QApplication::overrideCursor())
            seen.cursor = cursor->shape();
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* status = widget->findChild<QLabel*>(QStringLiteral("control_1012")))
                seen.statusShown = status->text();
            if (auto* result = widget->findChild<QPlainTextEdit*>(QStringLiteral("control_1011")))
                seen.result = result->toPlainText();
        }
        seen.statusPainted = g_statusPaints->lastPainted;
        *isSuccessful = VARIANT_TRUE;
        return S_OK;
    }
    HRESULT get_parseError(std::unique_ptr<IXMLDOMParseError>& errorObj) override
    {
        errorObj.reset();
        return S_FALSE;
    }
};

TEST_F(MainWindowTest, StatusLineAndWaitCursorArePaintedBeforeTheLoadBlocks)
{
    const ClassRegistration observing(CLSID_DOMDocument40, [](std::unique_ptr<IUnknown>& instance) {
        instance = std::make_unique<ObservingDocument>();
        return S_OK;
    });
    DuringLoad seen;
    g_duringLoad = &seen;

    CorvaneDlgUnderTest dialog;
    RunModal(dialog, [&dialog, &seen](QDialog& widget) {
        StatusPaints paints(*static_cast<QLabel*>(Control(dialog, IDC_STATUS)));
        g_statusPaints = &paints;
        dialog.ChooseXmlFile("Z:\\tmp\\site.xml");
        dialog.GetDlgItem(IDC_RESULT)->SetWindowText("an old verdict");
        PressOK(dialog);
        g_statusPaints = nullptr;

        ASSERT_TRUE(seen.loaded);
        EXPECT_EQ(seen.cursor, Qt::WaitCursor);
        const QString pleaseWait = QStringLiteral("Please be Patient  - Validation may take a few minutes ");
        EXPECT_EQ(seen.statusShown, pleaseWait);
        EXPECT_EQ(seen.statusPainted, pleaseWait) << "painted, not merely set, before the thread blocked";
        EXPECT_EQ(seen.result, QString()) << "no stale verdict next to the status";

        EXPECT_EQ(Text(dialog, IDC_RESULT), "Loaded and Validated");
        EXPECT_EQ(Text(dialog, IDC_STATUS), "");
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        QTest::keyClick(&widget, Qt::Key_Escape);
    });
    g_duringLoad = nullptr;
}

} // namespace
