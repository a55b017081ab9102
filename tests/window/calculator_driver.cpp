#include "calculator_driver.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// The first top-level window of a process with the given class.
HWND FindTopLevel(DWORD dwPid, const wchar_t* wszClass) {
    struct SSearch {
        DWORD dwPid;
        const wchar_t* wszClass;
        HWND hFound;
    } search = {dwPid, wszClass, nullptr};
    EnumWindows(
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            auto* s = reinterpret_cast<SSearch*>(lParam);
            DWORD dwOwner = 0;
            GetWindowThreadProcessId(hWnd, &dwOwner);
            if (dwOwner != s->dwPid || ClassOf(hWnd) != s->wszClass) return TRUE;
            s->hFound = hWnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.hFound;
}

}  // namespace

bool SCalculator::Launch() {
    std::wstring wstrExe = WindowsPath(Environment("MIRAVOX_EXE"));
    std::wstring wstrCommand = L"\"" + wstrExe + L"\"";
    // The pointer waits outside the window: a control under it would put
    // its hint in the status bar.
    // Two positions: a move to where the system already believes the
    // pointer is would not reach the display.
    SetCursorPos(1, 1);
    SetCursorPos(0, 0);
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    if (!CreateProcessW(wstrExe.c_str(), wstrCommand.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &si, &pi))
        return false;
    WaitForInputIdle(pi.hProcess, 10000);
    Eventually([this] {
        hMain = FindTopLevel(pi.dwProcessId, L"Miravox");
        return hMain != nullptr && IsWindowVisible(hMain);
    }, 10000);
    if (hMain == nullptr) return false;
    SetForegroundWindow(hMain);
    Settle(hMain);
    return true;
}

bool SCalculator::IsRunning() const {
    return pi.hProcess != nullptr && WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT;
}

DWORD SCalculator::WaitForExit(DWORD dwMilliseconds) {
    if (WaitForSingleObject(pi.hProcess, dwMilliseconds) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD dwCode = 0;
    GetExitCodeProcess(pi.hProcess, &dwCode);
    return dwCode;
}

DWORD SCalculator::Stop() {
    if (pi.hProcess == nullptr) return 0;
    DWORD dwCode = WaitForExit(0);
    if (dwCode == STILL_ACTIVE) {
        PostMessageW(hMain, WM_CLOSE, 0, 0);
        dwCode = WaitForExit(5000);
        if (dwCode == STILL_ACTIVE) {
            TerminateProcess(pi.hProcess, 99);
            WaitForSingleObject(pi.hProcess, 5000);
        }
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    pi = {};
    return dwCode;
}

HWND SCalculator::Focus() const {
    GUITHREADINFO gti = {};
    gti.cbSize = sizeof gti;
    GetGUIThreadInfo(pi.dwThreadId, &gti);
    return gti.hwndFocus;
}

HWND SCalculator::FindDialog() const {
    HWND hDlg = FindTopLevel(pi.dwProcessId, L"#32770");
    return hDlg != nullptr && IsWindowVisible(hDlg) ? hDlg : nullptr;
}

std::wstring TextOf(HWND hWnd) {
    wchar_t buf[4096] = {};
    DWORD_PTR nResult = 0;
    SendMessageTimeoutW(hWnd, WM_GETTEXT, std::size(buf), reinterpret_cast<LPARAM>(buf),
                        SMTO_ABORTIFHUNG, 5000, &nResult);
    // Only the length that the window reports is its text: across
    // processes the rest of the buffer need not be cleared.
    return std::wstring(buf, std::min<size_t>(nResult, std::size(buf) - 1));
}

void SetText(HWND hWnd, const std::wstring& wstrText) {
    SendMessageW(hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wstrText.c_str()));
}

std::wstring ClassOf(HWND hWnd) {
    wchar_t buf[256] = {};
    GetClassNameW(hWnd, buf, std::size(buf));
    return buf;
}

RECT ClientRectIn(HWND hWnd, HWND hParent) {
    RECT rc = {};
    GetWindowRect(hWnd, &rc);
    MapWindowPoints(HWND_DESKTOP, hParent, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

DWORD CaretOf(HWND hEdit) {
    DWORD_PTR nSel = 0;
    SendMessageTimeoutW(hEdit, EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, 5000, &nSel);
    return HIWORD(nSel);
}

namespace {
void Send(INPUT input) { SendInput(1, &input, sizeof input); }
}  // namespace

void MoveMouseToPoint(int x, int y) {
    // Absolute input coordinates span the primary screen as 0 to 65535.
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    input.mi.dy = MulDiv(y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    Send(input);
}

void MoveMouseTo(HWND hWnd, int dx, int dy) {
    RECT rc = {};
    GetWindowRect(hWnd, &rc);
    MoveMouseToPoint((rc.left + rc.right) / 2 + dx, (rc.top + rc.bottom) / 2 + dy);
}

void MouseButton(bool bDown) {
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = bDown ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    Send(input);
}

void Click(HWND hWnd) {
    MoveMouseTo(hWnd);
    MouseButton(true);
    MouseButton(false);
    Settle(GetAncestor(hWnd, GA_ROOT));
}

void DoubleClick(HWND hWnd) {
    MoveMouseTo(hWnd);
    for (int i = 0; i < 2; ++i) {
        MouseButton(true);
        MouseButton(false);
    }
    Settle(GetAncestor(hWnd, GA_ROOT));
}

void Key(WORD vk, bool bDown) {
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = bDown ? 0 : KEYEVENTF_KEYUP;
    Send(input);
}

void PressKey(WORD vk) {
    Key(vk, true);
    Key(vk, false);
}

// The program may send messages to the driver's own windows (activation
// does), and waits until they are handled: a driver that only sleeps would
// hold it up.
void PumpOwnMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

void Settle(HWND hWnd) {
    // Input reaches the program through its queue; a message sent after a
    // pause returns once the program is idle again.
    for (int i = 0; i < 3; ++i) {
        PumpOwnMessages();
        Sleep(30);
        DWORD_PTR nResult = 0;
        SendMessageTimeoutW(hWnd, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &nResult);
    }
}

bool Eventually(const std::function<bool()>& fnCondition, DWORD dwMilliseconds) {
    const DWORD dwStart = GetTickCount();
    for (;;) {
        if (fnCondition()) return true;
        if (GetTickCount() - dwStart > dwMilliseconds) return false;
        PumpOwnMessages();
        Sleep(20);
    }
}

bool SaveScreenshot(HWND hWnd, const std::wstring& wstrPath) {
    RECT rc = {};
    GetWindowRect(hWnd, &rc);
    const int nWidth = rc.right - rc.left, nHeight = rc.bottom - rc.top;
    HDC hScreen = GetDC(nullptr);
    HDC hMem = CreateCompatibleDC(hScreen);
    HBITMAP hBitmap = CreateCompatibleBitmap(hScreen, nWidth, nHeight);
    HGDIOBJ hOld = SelectObject(hMem, hBitmap);
    BitBlt(hMem, 0, 0, nWidth, nHeight, hScreen, rc.left, rc.top, SRCCOPY);
    SelectObject(hMem, hOld);

    BITMAPINFOHEADER bih = {sizeof bih, nWidth, nHeight, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    const DWORD dwRow = (nWidth * 3 + 3) & ~3u;
    std::vector<BYTE> pixels(dwRow * nHeight);
    GetDIBits(hMem, hBitmap, 0, nHeight, pixels.data(), reinterpret_cast<BITMAPINFO*>(&bih),
              DIB_RGB_COLORS);
    DeleteObject(hBitmap);
    DeleteDC(hMem);
    ReleaseDC(nullptr, hScreen);

    BITMAPFILEHEADER bfh = {};
    bfh.bfType = 0x4D42;  // "BM"
    bfh.bfOffBits = sizeof bfh + sizeof bih;
    bfh.bfSize = bfh.bfOffBits + static_cast<DWORD>(pixels.size());
    FILE* f = _wfopen(wstrPath.c_str(), L"wb");
    if (f == nullptr) return false;
    fwrite(&bfh, sizeof bfh, 1, f);
    fwrite(&bih, sizeof bih, 1, f);
    fwrite(pixels.data(), 1, pixels.size(), f);
    return fclose(f) == 0;
}

std::wstring WindowsPath(const std::string& strPath) {
    std::wstring wstrPath(strPath.begin(), strPath.end());
    if (!wstrPath.empty() && wstrPath[0] == L'/') wstrPath = L"Z:" + wstrPath;
    for (wchar_t& c : wstrPath)
        if (c == L'/') c = L'\\';
    return wstrPath;
}

std::string Environment(const char* szName) {
    char buf[4096] = {};
    DWORD n = GetEnvironmentVariableA(szName, buf, sizeof buf);
    return n > 0 && n < sizeof buf ? std::string(buf, n) : std::string();
}
