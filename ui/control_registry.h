// Control identifiers, the creation of the four kinds of control, and the
// pattern that every control procedure follows.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

// Identifiers are drawn from one counter, one per registered control in the
// order of the panel layout, so they run from 201 to 261.
uint16_t NextControlId();
std::vector<uint16_t> DrawControlIds();
extern const std::vector<uint16_t> ControlIds;  // by registered control ordinal

inline constexpr uint16_t IDC_STATUSBAR = 201;
inline constexpr uint16_t IDC_EXPRESSION = 202;
inline constexpr uint16_t IDC_CALCULATE = 203;
inline constexpr uint16_t IDC_RESULT = 204;
inline constexpr uint16_t IDC_CALCULATE2 = 257;
inline constexpr uint16_t IDC_CLEAR = 260;
inline constexpr uint16_t IDC_BACKSPACE = 261;

HWND CreateStatusBar();
HWND CreatePanelEdit(uint16_t nId, DWORD dwStyle, const wchar_t* wszHint, int x, int y,
                     int nWidth, int nHeight, WNDPROC pfnProc);
HWND CreatePanelButton(uint16_t nId, const wchar_t* wszLabel, const wchar_t* wszHint, int x,
                       int y, int nWidth, int nHeight, WNDPROC pfnProc);
HWND CreateGroupBox(const wchar_t* wszLabel, int x, int y, int nWidth, int nHeight);

HWND ControlWindow(uint16_t nId);

// The two ends of every control procedure: the hint on WM_MOUSEMOVE first,
// the control's previous procedure last, whatever the control did between.
void ShowHintOnMouseMove(uint16_t nId, UINT uMsg);
LRESULT PassToPreviousProc(uint16_t nId, UINT uMsg, WPARAM wParam, LPARAM lParam);
