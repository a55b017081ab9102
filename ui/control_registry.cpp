#include "control_registry.h"

#include <commctrl.h>

#include "globals.h"
#include "panel.h"

namespace {

uint16_t nControlCounter = 200;

HWND CreateChild(const wchar_t* wszClass, const wchar_t* wszText, DWORD dwStyle, int x, int y,
                 int nWidth, int nHeight, uint16_t nId) {
    return CreateWindowExW(0, wszClass, wszText, dwStyle, x, y, nWidth, nHeight, hMainWnd,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nId)), hInst, nullptr);
}

// Registers a control in the three maps and puts its procedure in front of
// the class's own. The previous procedure is stored before any message can
// reach the new one.
void RegisterAndSubclass(uint16_t nId, HWND hWnd, const wchar_t* wszHint, WNDPROC pfnProc) {
    WindowById.emplace(nId, hWnd);
    HintById.emplace(nId, wszHint);
    // The pointer-sized call: SetWindowLongW would cut a 64-bit address.
    auto pfnOld = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pfnProc)));
    OldProcById.emplace(nId, pfnOld);
    SendMessageW(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(hPanelFont), TRUE);
}

}  // namespace

uint16_t NextControlId() { return ++nControlCounter; }

std::vector<uint16_t> DrawControlIds() {
    std::vector<uint16_t> ids(RegisteredControlCount());
    for (uint16_t& nId : ids) nId = NextControlId();
    return ids;
}

HWND CreateStatusBar() {
    // The status bar places itself along the bottom of its parent.
    HWND hWnd = CreateChild(STATUSCLASSNAMEW, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, -100,
                            -100, 10, 10, 0);
    WindowById.emplace(IDC_STATUSBAR, hWnd);
    return hWnd;
}

HWND CreatePanelEdit(uint16_t nId, DWORD dwStyle, const wchar_t* wszHint, int x, int y,
                     int nWidth, int nHeight, WNDPROC pfnProc) {
    HWND hWnd = CreateChild(L"Edit", nullptr, dwStyle, x, y, nWidth, nHeight, nId);
    RegisterAndSubclass(nId, hWnd, wszHint, pfnProc);
    return hWnd;
}

HWND CreatePanelButton(uint16_t nId, const wchar_t* wszLabel, const wchar_t* wszHint, int x,
                       int y, int nWidth, int nHeight, WNDPROC pfnProc) {
    HWND hWnd = CreateChild(L"Button", wszLabel, WS_CHILD | WS_VISIBLE | WS_BORDER, x, y, nWidth,
                            nHeight, nId);
    RegisterAndSubclass(nId, hWnd, wszHint, pfnProc);
    return hWnd;
}

HWND CreateGroupBox(const wchar_t* wszLabel, int x, int y, int nWidth, int nHeight) {
    HWND hWnd = CreateChild(L"Button", wszLabel, WS_CHILD | WS_VISIBLE | BS_GROUPBOX, x, y,
                            nWidth, nHeight, 0);
    SendMessageW(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(hPanelFont), TRUE);
    return hWnd;
}

HWND ControlWindow(uint16_t nId) {
    auto it = WindowById.find(nId);
    return it == WindowById.end() ? nullptr : it->second;
}

void ShowHintOnMouseMove(uint16_t nId, UINT uMsg) {
    if (uMsg != WM_MOUSEMOVE) return;
    auto it = HintById.find(nId);
    if (it == HintById.end()) return;
    // Sent on every move, also when the hint is already showing.
    SendMessageW(ControlWindow(IDC_STATUSBAR), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(it->second));
}

LRESULT PassToPreviousProc(uint16_t nId, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    auto it = OldProcById.find(nId);
    HWND hWnd = ControlWindow(nId);
    if (it == OldProcById.end() || hWnd == nullptr) return 0;
    return CallWindowProcW(it->second, hWnd, uMsg, wParam, lParam);
}
