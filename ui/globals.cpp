// Objects with static storage, defined in one place so that they are built
// in this order and destroyed in the reverse: identifiers, maps, engine.
#include "globals.h"

#include "control_registry.h"

HINSTANCE hInst = nullptr;
HWND hMainWnd = nullptr;
HFONT hPanelFont = nullptr;

const std::vector<uint16_t> ControlIds = DrawControlIds();

std::map<uint16_t, HWND> WindowById;
std::map<uint16_t, const wchar_t*> HintById;
std::map<uint16_t, WNDPROC> OldProcById;

SExprEngine Engine;
