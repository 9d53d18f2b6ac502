// Dialogs built from templates with the real widgets: geometry in dialog
// units, control kinds and styles, the modal loop and how it ends, keyboard
// navigation, the system menu, icons, pictures and the wait cursor.

#include "platform/win/dialog.h"
#include "platform/qt/controls.h"
#include "platform/qt/dialog_units.h"
#include "platform/qt/dialog_window.h"
#include "platform/qt/pictures.h"
#include "platform/win/resources.h"
#include "platform/win/win_app.h"
#include "tests/support/gui_test_application.h"
#include "tests/support/modal_dialog.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace {

constexpr UINT kTestDialog = 900;
constexpr UINT kPlainDialog = 901; // no system menu
constexpr UINT kNoDefaultDialog = 902;
constexpr UINT kTestBitmap = 700;
constexpr UINT kTestIcon = 701;

constexpr int kResultField = 501;
constexpr int kFirstButton = 502;
constexpr int kSecondButton = 503;
constexpr int kDisabledButton = 504;
constexpr int kHiddenLabel = 505;
constexpr int kPicture = 506;
constexpr int kTypingField = 507;
constexpr int kIconPicture = 508;
constexpr int IDC_STATIC_TEST = -1;

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

constexpr std::array kTestControls = {
    DialogItemTemplate{IDOK, ControlClass::Button, u"OK", {10, 90, 50, 14}, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON},
    DialogItemTemplate{IDCANCEL, ControlClass::Button, u"Cancel", {70, 90, 50, 14}, kChild | WS_TABSTOP},
    DialogItemTemplate{kResultField, ControlClass::Edit, u"", {10, 10, 100, 40},
                       kChild | WS_BORDER | WS_HSCROLL | WS_TABSTOP | ES_MULTILINE | ES_READONLY},
    DialogItemTemplate{kFirstButton, ControlClass::Button, u"&First", {120, 10, 50, 14},
                       kChild | WS_GROUP | WS_TABSTOP},
    DialogItemTemplate{kSecondButton, ControlClass::Button, u"Second", {120, 30, 50, 14}, kChild | WS_TABSTOP},
    DialogItemTemplate{kDisabledButton, ControlClass::Button, u"Third", {120, 50, 50, 14},
                       kChild | WS_TABSTOP | WS_DISABLED},
    DialogItemTemplate{kHiddenLabel, ControlClass::Static, u"Hidden", {10, 60, 50, 8}, WS_CHILD},
    DialogItemTemplate{kPicture, ControlClass::Static, TemplateText::Resource(kTestBitmap), {130, 70, 60, 20},
                       kChild | SS_BITMAP | SS_CENTERIMAGE, WS_EX_CLIENTEDGE | WS_EX_STATICEDGE},
    DialogItemTemplate{IDC_STATIC_TEST, ControlClass::Static, u"A&&B &x", {10, 52, 60, 8}, kChild | SS_RIGHT},
    DialogItemTemplate{kTypingField, ControlClass::Edit, u"start", {10, 70, 60, 12},
                       kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL},
    DialogItemTemplate{kIconPicture, ControlClass::Static, TemplateText::Resource(kTestIcon), {70, 66, 20, 20},
                       kChild | SS_ICON},
};

constexpr std::array kPlainControls = {
    DialogItemTemplate{IDOK, ControlClass::Button, u"OK", {10, 10, 50, 14}, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON},
};

constexpr std::array kNoDefaultControls = {
    DialogItemTemplate{kTypingField, ControlClass::Edit, u"", {10, 10, 50, 12}, kChild | WS_BORDER | WS_TABSTOP},
    DialogItemTemplate{kFirstButton, ControlClass::Button, u"First", {10, 24, 50, 14}, kChild | WS_TABSTOP},
};

constexpr DWORD kFrame = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;
constexpr DialogFont kFont{8, u"MS Sans Serif"};

constexpr std::array kTemplates = {
    DialogTemplate{kTestDialog, LANG_ENGLISH_US, TemplateFormat::Extended, u"Framework", {0, 0, 200, 120}, kFrame,
                   0, kFont, kTestControls},
    DialogTemplate{kPlainDialog, LANG_ENGLISH_US, TemplateFormat::Classic, u"Plain", {0, 0, 80, 40},
                   WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT, 0, kFont, kPlainControls},
    DialogTemplate{kNoDefaultDialog, LANG_ENGLISH_US, TemplateFormat::Classic, u"No default", {0, 0, 80, 40},
                   kFrame, 0, kFont, kNoDefaultControls},
};

// An 8 x 4 bitmap, 24 bits a pixel: red in the top left corner, blue elsewhere.
std::vector<BYTE> TestBitmapFile()
{
    const int width = 8;
    const int height = 4;
    const int stride = width * 3;
    std::vector<BYTE> file;
    auto put16 = [&file](std::uint32_t v) { file.push_back(v & 0xFF); file.push_back((v >> 8) & 0xFF); };
    auto put32 = [&put16](std::uint32_t v) { put16(v & 0xFFFF); put16(v >> 16); };
    file.push_back('B');
    file.push_back('M');
    put32(14 + 40 + stride * height);
    put32(0);
    put32(14 + 40);
    put32(40);
    put32(width);
    put32(height);
    put16(1);
    put16(24);
    put32(0);
    put32(stride * height);
    put32(0);
    put32(0);
    put32(0);
    put32(0);
    for (int row = height - 1; row >= 0; --row) { // bottom-up
        for (int x = 0; x < width; ++x) {
            const bool corner = row == 0 && x == 0;
            file.push_back(corner ? 0x00 : 0xFF); // blue
            file.push_back(0x00);                 // green
            file.push_back(corner ? 0xFF : 0x00); // red
        }
    }
    return file;
}

// A 2 x 2 icon, 4 bits a pixel: black, white / red, transparent (by its mask).
std::vector<BYTE> TestIconFile()
{
    std::vector<BYTE> image;
    auto put16 = [&image](std::uint32_t v) { image.push_back(v & 0xFF); image.push_back((v >> 8) & 0xFF); };
    auto put32 = [&put16](std::uint32_t v) { put16(v & 0xFFFF); put16(v >> 16); };
    put32(40);
    put32(2);
    put32(4);
    put16(1);
    put16(4);
    for (int i = 0; i < 6; ++i)
        put32(0);
    const BYTE palette[16][3] = {{0, 0, 0}, {255, 255, 255}, {0, 0, 255}}; // blue, green, red
    for (const auto& colour : palette) {
        image.push_back(colour[0]);
        image.push_back(colour[1]);
        image.push_back(colour[2]);
        image.push_back(0);
    }
    // Colour rows, bottom-up, 4 bytes each: bottom row red (2) then 0; top row black, white.
    const BYTE colours[] = {0x20, 0, 0, 0, 0x01, 0, 0, 0};
    image.insert(image.end(), std::begin(colours), std::end(colours));
    // Mask rows, bottom-up: bottom row's second pixel transparent.
    const BYTE mask[] = {0x40, 0, 0, 0, 0x00, 0, 0, 0};
    image.insert(image.end(), std::begin(mask), std::end(mask));

    std::vector<BYTE> file = {0, 0, 1, 0, 1, 0, 2, 2, 16, 0, 1, 0, 4, 0};
    const auto length = static_cast<std::uint32_t>(image.size());
    for (int i = 0; i < 4; ++i)
        file.push_back(static_cast<BYTE>(length >> (8 * i)));
    for (int i = 0; i < 4; ++i)
        file.push_back(static_cast<BYTE>(22u >> (8 * i)));
    file.insert(file.end(), image.begin(), image.end());
    return file;
}

const std::vector<BYTE>& BitmapBytes()
{
    static const std::vector<BYTE> bytes = TestBitmapFile();
    return bytes;
}

const std::vector<BYTE>& IconBytes()
{
    static const std::vector<BYTE> bytes = TestIconFile();
    return bytes;
}

const ResourceModule& TestModule()
{
    static const std::array bitmaps = {BitmapResource{kTestBitmap, LANG_ENGLISH_US, BitmapBytes()}};
    static const std::array icons = {IconResource{kTestIcon, LANG_ENGLISH_US, IconBytes()}};
    static const ResourceModule module{LANG_ENGLISH_US, {}, nullptr, kTemplates, icons, bitmaps};
    return module;
}

// A dialog that records what reaches it.
class TestDialog : public CDialog {
public:
    explicit TestDialog(UINT nIDTemplate = kTestDialog) : CDialog(nIDTemplate) {}

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        ++initialisations;
        if (endDuringInit)
            EndDialog(77);
        return TRUE;
    }

    struct SystemCommand {
        UINT nID;
        LPARAM lParam;
    };
    std::vector<SystemCommand> systemCommands;
    std::vector<int> clicks;
    int initialisations = 0;
    bool endDuringInit = false;

protected:
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        if (message == WM_SYSCOMMAND) {
            systemCommands.push_back({static_cast<UINT>(wParam), lParam});
            *pResult = Default();
            return TRUE;
        }
        if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED)
            clicks.push_back(static_cast<short>(LOWORD(wParam)));
        return CDialog::OnWndMsg(message, wParam, lParam, pResult);
    }
};

class DialogFramework : public ::testing::Test {
protected:
    void SetUp() override
    {
        GuiTestApplication();
        AfxSetResourceModule(TestModule());
    }

    static QWidget* Control(const CDialog& dialog, int nID) { return ControlWidgetOf(dialog, nID); }
};

TEST(DialogUnits, MulDivRoundsHalfAwayFromZero)
{
    struct Case {
        int number, numerator, denominator, expected;
    };
    const Case cases[] = {
        {7, 7, 4, 12},    {6, 7, 4, 11},   {2, 7, 4, 4},      {5, 13, 8, 8},   {3, 13, 8, 5},
        {-2, 7, 4, -4},   {2, -7, 4, -4},  {273, 13, 8, 444}, {0, 7, 4, 0},    {1, 1, 0, -1},
        {280, 7, 4, 490}, {1, 1, 2, 1},    {-1, 1, 2, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.expected)
            << c.number << " * " << c.numerator << " / " << c.denominator;
}

TEST(DialogUnits, TemplateFontResolvesToAnInstalledFaceAtItsPointSize)
{
    GuiTestApplication();
    const ResolvedDialogFont resolved = ResolveDialogFont(kTemplates[0]);
    const QFontInfo info(resolved.font);
    // "MS Sans Serif" is not a Linux font: the face used is whatever the
    // system substitutes, and it is really available.
    EXPECT_FALSE(info.family().isEmpty());
    EXPECT_EQ(info.family(), resolved.font.family());
    EXPECT_EQ(resolved.font.pointSize(), 8);

    // The base units are that face's average letter width and its height.
    const QFontMetrics metrics(resolved.font);
    const int letters = metrics.horizontalAdvance(QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    EXPECT_LE(std::abs(resolved.units.cx * 52 - letters), 52) << letters;
    EXPECT_EQ(resolved.units.cy, metrics.height());
    EXPECT_GT(resolved.units.cx, 3);
    EXPECT_GT(resolved.units.cy, 8);
}

TEST_F(DialogFramework, StylesDecideFrameVisibilityEnablingAndText)
{
    TestDialog dialog;
    RunModal(dialog, [&dialog](QDialog& widget) {
        EXPECT_EQ(widget.minimumSize(), widget.maximumSize()) << "a dialog without a sizing border has a fixed size";
        EXPECT_FALSE(widget.windowFlags() & Qt::WindowMinimizeButtonHint);
        EXPECT_FALSE(widget.windowFlags() & Qt::WindowMaximizeButtonHint);
        EXPECT_TRUE(widget.windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_EQ(widget.windowTitle(), QStringLiteral("Framework"));
        EXPECT_TRUE(Control(dialog, kHiddenLabel)->isHidden());
        EXPECT_FALSE(Control(dialog, kDisabledButton)->isEnabled());
        EXPECT_FALSE(dialog.GetDlgItem(kDisabledButton)->IsWindowEnabled());
        EXPECT_EQ(dialog.GetDlgItem(4242), nullptr);
        EXPECT_TRUE(static_cast<QPushButton*>(Control(dialog, IDOK))->isDefault());

        // Static text takes "&" as an access-key mark and "&&" as "&".
        const auto* label = DialogWidgetOf(dialog)->findChild<QLabel*>(QStringLiteral("static_9"));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), QStringLiteral("A&B x"));
        EXPECT_TRUE(label->alignment() & Qt::AlignRight);
        EXPECT_EQ(dialog.GetDlgItem(-1), dialog.GetDlgItem(IDC_STATIC_TEST));

        // EnableWindow answers whether the control was disabled before.
        CWnd* second = dialog.GetDlgItem(kSecondButton);
        EXPECT_FALSE(second->EnableWindow(FALSE));
        EXPECT_TRUE(second->EnableWindow(TRUE));
        EXPECT_TRUE(Control(dialog, kSecondButton)->isEnabled());
        dialog.EndDialog(IDCANCEL);
    });
}

TEST_F(DialogFramework, MultiLineFieldKeepsLinesUnwrappedAndGivesBackWhatWasSet)
{
    TestDialog dialog;
    RunModal(dialog, [&dialog](QDialog&) {
        const CString report = "Error:\r\n\"Code = 0xc00ce011\r\n\"\"Source = Line : 3; Char : 7\r\n\"\"Error "
                               "Description = a description far longer than the field is wide, so it has to be "
                               "scrolled to\r\n\"";
        dialog.GetDlgItem(kResultField)->SetWindowText(report);
        EXPECT_EQ(dialog.GetDlgItem(kResultField)->GetWindowText(), report);
        auto* field = static_cast<QPlainTextEdit*>(Control(dialog, kResultField));
        EXPECT_EQ(field->document()->blockCount(), 5);
        EXPECT_EQ(field->lineWrapMode(), QPlainTextEdit::NoWrap);
        EXPECT_EQ(field->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        EXPECT_EQ(field->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

        // Read-only: typing changes nothing, while a writable field takes it.
        field->setFocus();
        QTest::keyClicks(field, "typed");
        QTest::keyClick(field, Qt::Key_Backspace);
        EXPECT_EQ(dialog.GetDlgItem(kResultField)->GetWindowText(), report);
        QWidget* writable = Control(dialog, kTypingField);
        writable->setFocus();
        QTest::keyClick(writable, Qt::Key_End);
        QTest::keyClicks(writable, "ed");
        EXPECT_EQ(dialog.GetDlgItem(kTypingField)->GetWindowText(), "started");
        dialog.EndDialog(IDOK);
    });
}

struct EndingCase {
    const char* name;
    std::function<void(TestDialog&, QDialog&)> act;
    INT_PTR result;
    bool closeCommand; // the way of ending arrives as SC_CLOSE first
};

TEST_F(DialogFramework, EachWayOfEndingGivesItsResult)
{
    const EndingCase cases[] = {
        {"OK button", [](TestDialog& d, QDialog&) { static_cast<QPushButton*>(Control(d, IDOK))->click(); }, IDOK,
         false},
        {"Enter on the default button", [](TestDialog&, QDialog& w) { QTest::keyClick(&w, Qt::Key_Return); }, IDOK,
         false},
        {"Cancel button", [](TestDialog& d, QDialog&) { static_cast<QPushButton*>(Control(d, IDCANCEL))->click(); },
         IDCANCEL, false},
        {"Escape", [](TestDialog&, QDialog& w) { QTest::keyClick(&w, Qt::Key_Escape); }, IDCANCEL, false},
        {"close box", [](TestDialog&, QDialog& w) { w.close(); }, IDCANCEL, true},
        {"Alt+F4", [](TestDialog&, QDialog& w) { QTest::keyClick(&w, Qt::Key_F4, Qt::AltModifier); }, IDCANCEL,
         true},
        {"EndDialog", [](TestDialog& d, QDialog&) { d.EndDialog(1234); }, 1234, false},
    };
    for (const EndingCase& c : cases) {
        SCOPED_TRACE(c.name);
        TestDialog dialog;
        const INT_PTR result = RunModal(dialog, [&c, &dialog](QDialog& widget) { c.act(dialog, widget); });
        EXPECT_EQ(result, c.result);
        EXPECT_FALSE(dialog.IsWindowCreated());
        ASSERT_EQ(dialog.systemCommands.size(), c.closeCommand ? 1u : 0u);
        if (c.closeCommand) {
            EXPECT_EQ(dialog.systemCommands[0].nID, SC_CLOSE);
        }
    }
}

TEST_F(DialogFramework, EnterDoesNothingWhileTheDefaultButtonIsDisabled)
{
    TestDialog dialog;
    const INT_PTR result = RunModal(dialog, [&dialog](QDialog& widget) {
        dialog.GetDlgItem(IDOK)->EnableWindow(FALSE);
        Control(dialog, kFirstButton)->setFocus();
        Control(dialog, kTypingField)->setFocus(); // away from any button: OK is the default again
        QTest::keyClick(Control(dialog, kTypingField), Qt::Key_Return);
        EXPECT_TRUE(widget.isVisible());
        EXPECT_TRUE(dialog.clicks.empty());
        dialog.EndDialog(5);
    });
    EXPECT_EQ(result, 5);
}

TEST_F(DialogFramework, EnterWithoutADefaultButtonSendsOK)
{
    TestDialog dialog(kNoDefaultDialog);
    const INT_PTR result = RunModal(dialog, [&dialog](QDialog&) {
        // The focus is in the field, so no button is the default.
        EXPECT_EQ(QApplication::focusWidget(), Control(dialog, kTypingField));
        QTest::keyClick(Control(dialog, kTypingField), Qt::Key_Enter);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(dialog.clicks, std::vector<int>{IDOK});
}

TEST_F(DialogFramework, CloseDoesNothingWhileCancelIsDisabled)
{
    TestDialog dialog;
    RunModal(dialog, [&dialog](QDialog& widget) {
        dialog.GetDlgItem(IDCANCEL)->EnableWindow(FALSE);
        widget.close();
        EXPECT_TRUE(widget.isVisible());
        ASSERT_EQ(dialog.systemCommands.size(), 1u);
        dialog.EndDialog(3);
    });
}

TEST_F(DialogFramework, EndingDuringInitialisationNeverShowsTheDialog)
{
    TestDialog dialog;
    dialog.endDuringInit = true;
    int shows = 0;
    QObject watcher;
    // Counts every dialog window that appears while DoModal runs.
    QObject::connect(qApp, &QApplication::focusWindowChanged, &watcher, [&shows](QWindow* window) {
        if (window != nullptr && window->isVisible())
            ++shows;
    });
    EXPECT_EQ(dialog.DoModal(), 77);
    EXPECT_EQ(dialog.initialisations, 1);
    EXPECT_EQ(shows, 0);
    EXPECT_FALSE(dialog.IsWindowCreated());
}

TEST_F(DialogFramework, UnknownTemplateCannotRun)
{
    TestDialog dialog(4711);
    EXPECT_EQ(dialog.DoModal(), -1);
}

TEST_F(DialogFramework, ArrowKeysMoveWithinTheGroupSkippingWhatCannotTakeFocus)
{
    TestDialog dialog;
    RunModal(dialog, [&dialog](QDialog&) {
        QWidget* first = Control(dialog, kFirstButton);
        first->setFocus();
        QTest::keyClick(first, Qt::Key_Down);
        EXPECT_EQ(QApplication::focusWidget(), Control(dialog, kSecondButton));
        // Past the disabled button, the hidden label and the pictures to the field.
        QTest::keyClick(Control(dialog, kSecondButton), Qt::Key_Right);
        EXPECT_EQ(QApplication::focusWidget(), Control(dialog, kTypingField));
        Control(dialog, kSecondButton)->setFocus();
        QTest::keyClick(Control(dialog, kSecondButton), Qt::Key_Up);
        EXPECT_EQ(QApplication::focusWidget(), first);
        // Up from the group's first control wraps to its last one.
        QTest::keyClick(first, Qt::Key_Left);
        EXPECT_EQ(QApplication::focusWidget(), Control(dialog, kTypingField));
        dialog.EndDialog(1);
    });
}

TEST_F(DialogFramework, SystemMenuHoldsCloseAndWhatIsAppended)
{
    TestDialog dialog;
    RunModal(dialog, [&dialog](QDialog&) {
        CMenu* menu = dialog.GetSystemMenu(FALSE);
        ASSERT_NE(menu, nullptr);
        ASSERT_EQ(menu->GetMenuItemCount(), 1u);
        EXPECT_EQ(menu->GetMenuItemID(0), SC_CLOSE);
        menu->AppendMenu(MF_SEPARATOR);
        menu->AppendMenu(MF_STRING, 0x0030, "&Extra");
        EXPECT_EQ(menu->GetMenuItemCount(), 3u);
        EXPECT_EQ(menu->GetMenuItemID(1), 0u);
        EXPECT_EQ(menu->GetMenuItemID(2), 0x0030u);
        EXPECT_EQ(menu->GetMenuItemID(3), static_cast<UINT>(-1));
        // Reverting restores the default menu.
        EXPECT_EQ(dialog.GetSystemMenu(TRUE), nullptr);
        EXPECT_EQ(dialog.GetSystemMenu(FALSE)->GetMenuItemCount(), 1u);
        dialog.EndDialog(1);
    });

    TestDialog plain(kPlainDialog);
    RunModal(plain, [&plain](QDialog& widget) {
        EXPECT_EQ(plain.GetSystemMenu(FALSE), nullptr);
        EXPECT_FALSE(widget.windowFlags() & Qt::WindowCloseButtonHint);
        plain.EndDialog(1);
    });
}

TEST_F(DialogFramework, AltSpaceOpensTheMenuAndTheChosenItemArrivesAsASystemCommand)
{
    TestDialog dialog;
    QStringList shown;
    RunModal(dialog, [&dialog, &shown](QDialog& widget) {
        dialog.GetSystemMenu(FALSE)->AppendMenu(MF_SEPARATOR);
        dialog.GetSystemMenu(FALSE)->AppendMenu(MF_STRING, 0x0030, "&Extra");
        WhenPopupShows([&shown](QWidget& popup) {
            auto* menu = qobject_cast<QMenu*>(&popup);
            ASSERT_NE(menu, nullptr);
            for (const QAction* action : menu->actions())
                shown << (action->isSeparator() ? QStringLiteral("-") : action->text());
            QTest::keyClick(menu, Qt::Key_E); // the access key of "&Extra"
        });
        QTest::keyClick(&widget, Qt::Key_Space, Qt::AltModifier);
        // The keyboard asked for the menu, then the item was chosen.
        ASSERT_EQ(dialog.systemCommands.size(), 2u);
        EXPECT_EQ(dialog.systemCommands[0].nID, SC_KEYMENU);
        EXPECT_EQ(dialog.systemCommands[1].nID, 0x0030u);
        const QPoint cursor = QCursor::pos();
        EXPECT_EQ(GET_X_LPARAM(dialog.systemCommands[1].lParam), static_cast<short>(cursor.x()));
        EXPECT_EQ(GET_Y_LPARAM(dialog.systemCommands[1].lParam), static_cast<short>(cursor.y()));
        EXPECT_TRUE(widget.isVisible());

        // Close from the menu ends the dialog as the close box does.
        // The test platform activates a popup once its activation event is
        // handled, which may happen before the item was chosen or not, and on
        // closing it activates nothing: the dialog is left inactive and its
        // window shortcuts deaf. A desktop hands activation back; do as it does.
        widget.activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&widget] { return widget.isActiveWindow(); }));
        WhenPopupShows([](QWidget& popup) { QTest::keyClick(&popup, Qt::Key_C); });
        QTest::keyClick(&widget, Qt::Key_Space, Qt::AltModifier);
    });
    EXPECT_EQ(shown, (QStringList{QStringLiteral("&Close\tAlt+F4"), QStringLiteral("-"), QStringLiteral("&Extra")}));
    ASSERT_EQ(dialog.systemCommands.size(), 4u);
    EXPECT_EQ(dialog.systemCommands[3].nID, SC_CLOSE);
}

TEST_F(DialogFramework, RightClickOnTheBackgroundOpensTheMenuButNotOnAButton)
{
    TestDialog dialog;
    int menus = 0;
    RunModal(dialog, [&dialog, &menus](QDialog& widget) {
        // On a label (the background shows through it): the menu.
        const QWidget* label = widget.findChild<QWidget*>(QStringLiteral("static_9"));
        ASSERT_NE(label, nullptr);
        WhenPopupShows([&menus](QWidget& popup) {
            ++menus;
            QTest::keyClick(&popup, Qt::Key_Escape);
        });
        const QPoint onLabel = label->geometry().center();
        QContextMenuEvent background(QContextMenuEvent::Mouse, onLabel, widget.mapToGlobal(onLabel));
        QApplication::sendEvent(&widget, &background);
        EXPECT_EQ(menus, 1);

        // On a button: nothing.
        QWidget* button = Control(dialog, kFirstButton);
        QContextMenuEvent onButton(QContextMenuEvent::Mouse, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(button, &onButton);
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        EXPECT_TRUE(dialog.systemCommands.empty());
        dialog.EndDialog(1);
    });
}

TEST_F(DialogFramework, CenteredBitmapIsFramedAndSurroundedByItsCornerColour)
{
    TestDialog dialog;
    RunModal(dialog, [&dialog](QDialog&) {
        auto* picture = dynamic_cast<BitmapStatic*>(Control(dialog, kPicture));
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->EdgeWidth(), 3); // client edge and static edge
        const QImage shot = picture->grab().toImage();
        const QRect area = picture->ImageArea();
        EXPECT_EQ(area, picture->rect().adjusted(3, 3, -3, -3));
        // Around the bitmap: the colour of its top left pixel (red).
        EXPECT_EQ(shot.pixelColor(area.topLeft()), QColor(Qt::red));
        EXPECT_EQ(shot.pixelColor(area.bottomRight()), QColor(Qt::red));
        // In the middle: the bitmap itself (blue apart from its corner).
        EXPECT_EQ(shot.pixelColor(area.center() + QPoint(2, 1)), QColor(Qt::blue));
        const QPoint bitmapCorner(area.left() + (area.width() - 8) / 2, area.top() + (area.height() - 4) / 2);
        EXPECT_EQ(shot.pixelColor(bitmapCorner), QColor(Qt::red));
        EXPECT_EQ(shot.pixelColor(bitmapCorner + QPoint(1, 0)), QColor(Qt::blue));
        dialog.EndDialog(1);
    });
}

TEST_F(DialogFramework, IconsDecodeWithTheirMaskAndBadDataGivesNone)
{
    const QImage icon = DecodeIconFile(IconBytes());
    ASSERT_EQ(icon.size(), QSize(2, 2));
    EXPECT_EQ(icon.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(icon.pixelColor(1, 0), QColor(Qt::white));
    EXPECT_EQ(icon.pixelColor(0, 1), QColor(Qt::red));
    EXPECT_EQ(icon.pixelColor(1, 1).alpha(), 0);

    const std::vector<BYTE>& good = IconBytes();
    struct Bad {
        const char* what;
        std::vector<BYTE> bytes;
    };
    auto patched = [&good](std::size_t at, BYTE value) {
        std::vector<BYTE> copy = good;
        copy[at] = value;
        return copy;
    };
    const Bad bad[] = {
        {"empty", {}},
        {"cut inside the directory", std::vector<BYTE>(good.begin(), good.begin() + 10)},
        {"cut inside the image", std::vector<BYTE>(good.begin(), good.end() - 5)},
        {"a cursor, not an icon", patched(2, 2)},
        {"no images", patched(4, 0)},
        {"image beyond the end", patched(18, 0xF0)},
        {"odd double height", patched(22 + 8, 3)},
        {"compressed", patched(22 + 16, 1)},
        {"unknown depth", patched(22 + 14, 5)},
        {"huge width", patched(22 + 5, 0x40)},
    };
    for (const Bad& b : bad)
        EXPECT_TRUE(DecodeIconFile(b.bytes).isNull()) << b.what;
    EXPECT_TRUE(DecodeBitmapFile(std::vector<BYTE>{'B', 'M', 0, 0}).isNull());
    EXPECT_FALSE(DecodeBitmapFile(BitmapBytes()).isNull());
}

TEST_F(DialogFramework, IconStaticAndWindowIconsComeFromTheResources)
{
    TestDialog dialog;
    RunModal(dialog, [&dialog](QDialog& widget) {
        const auto* picture = qobject_cast<QLabel*>(Control(dialog, kIconPicture));
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->pixmap().size(), QSize(32, 32));

        const HICON icon = LoadIconResource(kTestIcon);
        ASSERT_NE(icon, nullptr);
        EXPECT_EQ(LoadIconResource(kTestIcon), icon) << "an icon is loaded once and shared";
        EXPECT_EQ(LoadIconResource(4711), nullptr);
        EXPECT_EQ(dialog.SetIcon(icon, TRUE), nullptr);
        EXPECT_EQ(dialog.SetIcon(icon, FALSE), nullptr);
        EXPECT_EQ(dialog.SetIcon(icon, TRUE), icon) << "SetIcon answers the icon set before";
        EXPECT_EQ(dialog.GetIcon(FALSE), icon);
        EXPECT_FALSE(widget.windowIcon().isNull());
        EXPECT_TRUE(widget.windowIcon().availableSizes().contains(QSize(32, 32)));
        EXPECT_TRUE(widget.windowIcon().availableSizes().contains(QSize(16, 16)));
        dialog.EndDialog(1);
    });
}

// Counts the paint events of a widget, and the text it had at the last one.
class PaintWatch : public QObject {
public:
    explicit PaintWatch(QLabel& label) : m_label(label) { label.installEventFilter(this); }
    int paints = 0;
    QString paintedText;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            paintedText = m_label.text();
        }
        return false;
    }

private:
    QLabel& m_label;
};

TEST_F(DialogFramework, WaitCursorShowsAndTextSetMeanwhileIsPaintedAtOnce)
{
    TestDialog dialog;
    RunModal(dialog, [&dialog](QDialog& widget) {
        auto* label = widget.findChild<QLabel*>(QStringLiteral("static_9"));
        ASSERT_NE(label, nullptr);
        PaintWatch watch(*label);

        dialog.BeginWaitCursor();
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        dialog.GetDlgItem(-1)->SetWindowText("Please wait");
        // Painted before SetWindowText returned, with the new text: the
        // caller may block the thread next.
        EXPECT_GE(watch.paints, 1);
        EXPECT_EQ(watch.paintedText, QStringLiteral("Please wait"));

        dialog.BeginWaitCursor(); // nested
        dialog.EndWaitCursor();
        EXPECT_NE(QApplication::overrideCursor(), nullptr);
        dialog.EndWaitCursor();
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        dialog.EndWaitCursor(); // unbalanced: ignored
        EXPECT_EQ(AfxGetApp()->WaitCursorDepth(), 0);
        dialog.EndDialog(1);
    });
}

} // namespace
