#include "res/corvane_resources.h"
#include "res/resource.h"

#include <array>

namespace {

constexpr DialogFont kMsSansSerif8{8, u"MS Sans Serif"};

constexpr std::array kAboutBoxControls = {
    DialogItemTemplate{IDC_STATIC, ControlClass::Static, TemplateText::Resource(IDR_MAINFRAME),
                       {11, 17, 20, 20}, WS_CHILD | WS_VISIBLE | SS_ICON},
    DialogItemTemplate{IDC_STATIC, ControlClass::Static, u"Corvane Version 1.0", {40, 10, 119, 8},
                       WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT | SS_NOPREFIX},
    DialogItemTemplate{IDC_STATIC, ControlClass::Static, u"(C) 2026 the Corvane developers",
                       {40, 25, 119, 8}, WS_CHILD | WS_VISIBLE | WS_GROUP | SS_LEFT},
    DialogItemTemplate{IDOK, ControlClass::Button, u"OK", {178, 7, 50, 14},
                       WS_CHILD | WS_VISIBLE | WS_GROUP | WS_TABSTOP | BS_DEFPUSHBUTTON},
};

constexpr DWORD kPathField = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL | ES_READONLY;
constexpr DWORD kPushButton = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kGroupBox = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;
constexpr DWORD kRightLabel = WS_CHILD | WS_VISIBLE | WS_GROUP | SS_RIGHT;

constexpr std::array kMainDialogControls = {
    DialogItemTemplate{IDOK, ControlClass::Button, u"OK", {7, 252, 50, 14},
                       WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON},
    DialogItemTemplate{IDCANCEL, ControlClass::Button, u"Cancel", {151, 252, 50, 14}, kPushButton},
    DialogItemTemplate{IDC_FILE_NAME, ControlClass::Edit, u"", {76, 80, 172, 14}, kPathField},
    DialogItemTemplate{IDC_BROWSE_FILE, ControlClass::Button, u"...", {255, 80, 12, 14}, kPushButton},
    DialogItemTemplate{IDC_STATIC, ControlClass::Button, u"XML File", {7, 70, 266, 33}, kGroupBox},
    DialogItemTemplate{IDC_STATIC, ControlClass::Static, u"File Name:", {13, 83, 60, 8}, kRightLabel},
    DialogItemTemplate{IDC_HELP_SUMMARY, ControlClass::Button, u"Help", {223, 252, 50, 14}, kPushButton},
    DialogItemTemplate{IDC_STATIC, ControlClass::Button, u"Result of Validation", {7, 148, 266, 78}, kGroupBox},
    DialogItemTemplate{IDC_RESULT, ControlClass::Edit, u"", {15, 160, 250, 59},
                       WS_CHILD | WS_VISIBLE | WS_BORDER | WS_HSCROLL | WS_TABSTOP | ES_LEFT | ES_MULTILINE |
                           ES_READONLY},
    DialogItemTemplate{IDC_STATUS, ControlClass::Static, u"", {7, 233, 266, 14},
                       WS_CHILD | WS_VISIBLE | WS_BORDER | WS_GROUP | SS_CENTER},
    DialogItemTemplate{IDC_EDIT_FILE, ControlClass::Button, u"Edit", {79, 252, 50, 14}, kPushButton},
    DialogItemTemplate{IDC_STATIC, ControlClass::Button, u"Configure Editor", {7, 109, 266, 33}, kGroupBox},
    DialogItemTemplate{IDC_EDITOR_NAME, ControlClass::Edit, u"", {75, 122, 172, 14}, kPathField},
    DialogItemTemplate{IDC_BROWSE_EDITOR, ControlClass::Button, u"...", {255, 122, 12, 14}, kPushButton},
    DialogItemTemplate{IDC_STATIC, ControlClass::Static, u"Editor:", {13, 125, 60, 8}, kRightLabel},
    DialogItemTemplate{IDC_LOGO, ControlClass::Static, TemplateText::Resource(IDB_LOGO), {7, 7, 266, 62},
                       WS_CHILD | WS_VISIBLE | SS_BITMAP | SS_CENTERIMAGE, WS_EX_STATICEDGE | WS_EX_CLIENTEDGE},
};

constexpr std::array kDialogTemplates = {
    DialogTemplate{IDD_ABOUTBOX, LANG_ENGLISH_US, TemplateFormat::Classic, u"About Corvane", {0, 0, 235, 55},
                   WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, 0, kMsSansSerif8,
                   kAboutBoxControls},
    DialogTemplate{IDD_CORVANE_DIALOG, LANG_ENGLISH_US, TemplateFormat::Extended, u"XML Validation",
                   {0, 0, 280, 273}, WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT,
                   WS_EX_APPWINDOW, kMsSansSerif8, kMainDialogControls},
};

} // namespace

std::span<const DialogTemplate> CorvaneDialogTemplates()
{
    return kDialogTemplates;
}
