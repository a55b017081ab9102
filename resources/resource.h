// Identifiers shared by the resource script and the program. The icon
// "IDI_MV" and the menu "IDM_MV" are resources named by text.
#pragma once

// Menu commands.
#define IDM_EXIT 100
#define IDM_USAGE 120
#define IDM_UPDATE 121
#define IDM_WEBSPACE 122
#define IDM_ABOUT 123

// Dialogs and their controls.
#define IDD_ABOUT 200
#define IDC_ABOUT_ICON 201
#define IDC_ABOUT_TITLE 202
#define IDC_ABOUT_CLOSE 203
#define IDC_ABOUT_TEXT 204

#define IDD_USAGE 210
#define IDC_USAGE_ICON 211
#define IDC_USAGE_TITLE 212
#define IDC_USAGE_CLOSE 213
#define IDC_USAGE_TEXT 214
