// Entry point and main window: registers the class, creates the window
// (whose creation builds every control), and runs the message loop.
#include <windows.h>
#include <commctrl.h>

#include "builtins.h"
#include "control_registry.h"
#include "globals.h"
#include "menu_dialogs.h"
#include "panel.h"

namespace {

constexpr int kWindowWidth = 770;
constexpr int kWindowHeight = 400;

// Centred in a rectangle of the work area's size, measured from the screen
// origin: the work area's own offset is not added.
void CentreWindow(HWND hWnd) {
    RECT rcWork = {0, 0, 0, 0};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcWork, 0);
    const int nWidth = rcWork.right - rcWork.left;
    const int nHeight = rcWork.bottom - rcWork.top;
    const int x = nWidth > kWindowWidth ? (nWidth - kWindowWidth) / 2 : 0;
    const int y = nHeight > kWindowHeight ? (nHeight - kWindowHeight) / 2 : 0;
    MoveWindow(hWnd, x, y, kWindowWidth, kWindowHeight, FALSE);
}

HFONT CreatePanelFont() {
    LOGFONTW lf = {};
    lf.lfHeight = 16;
    lf.lfWidth = 8;
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = GB2312_CHARSET;
    lstrcpyW(lf.lfFaceName, L"宋体");
    return CreateFontIndirectW(&lf);
}

LRESULT OnCreate(HWND hWnd) {
    hMainWnd = hWnd;
    CentreWindow(hWnd);
    hPanelFont = CreatePanelFont();  // every control is given it
    RegisterBuiltins(Engine);
    CreatePanel();
    SetFocus(ControlWindow(IDC_EXPRESSION));
    return 0;
}

LRESULT CALLBACK MainWndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_CREATE: return OnCreate(hWnd);
    case WM_ACTIVATE:
        // Activation and deactivation alike: switching back to the
        // calculator finds the caret where the user types.
        SetFocus(ControlWindow(IDC_EXPRESSION));
        return 0;
    case WM_CLOSE:
        DeleteObject(hPanelFont);
        return DefWindowProcW(hWnd, uMsg, wParam, lParam);
    case WM_DESTROY: PostQuitMessage(0); return 0;
    case WM_COMMAND:
        // Control notifications arrive here too and are ignored: controls
        // act in their own procedures.
        OnMenuCommand(LOWORD(wParam));
        return 0;
    }
    return DefWindowProcW(hWnd, uMsg, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, PWSTR, int nShowCmd) {
    hInst = hInstance;
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);  // the status bar's class

    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = MainWndProc;
    wc.hInstance = hInst;
    wc.hIcon = LoadIconW(hInst, L"IDI_MV");
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = CreateSolidBrush(RGB(255, 255, 255));
    wc.lpszMenuName = L"IDM_MV";
    wc.lpszClassName = L"Miravox";
    if (RegisterClassExW(&wc) == 0) return 0;

    HWND hWnd = CreateWindowExW(0, L"Miravox", L"Miravox －－ Orlen",
                                WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, CW_USEDEFAULT,
                                CW_USEDEFAULT, kWindowWidth, kWindowHeight, nullptr, nullptr,
                                hInst, nullptr);
    ShowWindow(hWnd, nShowCmd);

    MSG msg = {};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
