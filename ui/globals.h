// The front end's process-wide state.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>

#include "expr_engine.h"

extern HINSTANCE hInst;
extern HWND hMainWnd;
extern HFONT hPanelFont;

// Keyed by control identifier; filled while the main window is created and
// never changed afterwards.
extern std::map<uint16_t, HWND> WindowById;
extern std::map<uint16_t, const wchar_t*> HintById;
extern std::map<uint16_t, WNDPROC> OldProcById;

extern SExprEngine Engine;
