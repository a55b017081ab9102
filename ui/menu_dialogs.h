#pragma once

#include <windows.h>

// Acts on a menu command of the main window; other identifiers are ignored.
void OnMenuCommand(WORD nCommand);

INT_PTR CALLBACK AboutDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
INT_PTR CALLBACK UsageDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam);
