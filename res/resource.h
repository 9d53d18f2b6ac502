#pragma once
// Identifiers of the program's resources: string-table entries, dialog
// templates, controls, the bitmap, the icon and the system-menu command.

#include "platform/win/win_types.h"

// String table
inline constexpr UINT IDS_ABOUTBOX = 101;
inline constexpr UINT IDS_SELECT_XML_FILE = 102;
inline constexpr UINT IDS_EDITOR_FAILED = 103;
inline constexpr UINT IDS_SELECT_EDITOR = 104;
inline constexpr UINT IDS_LOADED_VALIDATED = 105;
inline constexpr UINT IDS_HELP_FILE = 106;
inline constexpr UINT IDS_HELP_INTRO = 107;
inline constexpr UINT IDS_HELP_SCHEMA = 108;
inline constexpr UINT IDS_HELP_PARSER = 109;
inline constexpr UINT IDS_HELP_OK = 110;
inline constexpr UINT IDS_ERROR_HEADER = 111;
inline constexpr UINT IDS_ERROR_CODE = 112;
inline constexpr UINT IDS_ERROR_SOURCE = 113;
inline constexpr UINT IDS_ERROR_DESCRIPTION = 114;
inline constexpr UINT IDS_LOAD_FAILED = 115;
inline constexpr UINT IDS_XML_FILTER = 123;
inline constexpr UINT IDS_EDITOR_FILTER = 124;
inline constexpr UINT IDS_PLEASE_WAIT = 125;
inline constexpr UINT IDS_HELP_EDITOR = 126;
inline constexpr UINT IDS_HELP_RESULT = 127;
inline constexpr UINT IDS_HELP_EDIT = 128;
inline constexpr UINT IDS_NAME_HOLDS_BACKSLASH = 140;
inline constexpr UINT IDS_FILE_NOT_FOUND = 141;

// Dialog templates, bitmap and icon
inline constexpr UINT IDD_ABOUTBOX = 100;
inline constexpr UINT IDD_CORVANE_DIALOG = 102;
inline constexpr UINT IDB_LOGO = 130;
inline constexpr UINT IDR_MAINFRAME = 131;

// Controls (IDOK and IDCANCEL are the platform's own)
inline constexpr int IDC_FILE_NAME = 1000;
inline constexpr int IDC_BROWSE_FILE = 1001;
inline constexpr int IDC_EDITOR_NAME = 1002;
inline constexpr int IDC_BROWSE_EDITOR = 1003;
inline constexpr int IDC_HELP_SUMMARY = 1010;
inline constexpr int IDC_RESULT = 1011;
inline constexpr int IDC_STATUS = 1012;
inline constexpr int IDC_EDIT_FILE = 1013;
inline constexpr int IDC_LOGO = 1014;
inline constexpr int IDC_STATIC = -1;

// System-menu command of the About item
inline constexpr UINT IDM_ABOUTBOX = 0x0010;
