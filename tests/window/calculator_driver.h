// Drives a running miravox.exe from outside, as a user would: its own
// process, real messages, real mouse and keyboard input.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

struct SCalculator {
    PROCESS_INFORMATION pi = {};
    HWND hMain = nullptr;

    // Starts the program and waits for its main window.
    bool Launch();
    // Ends the program if it still runs and returns its exit code.
    DWORD Stop();
    bool IsRunning() const;
    DWORD WaitForExit(DWORD dwMilliseconds);

    HWND Control(int nId) const { return GetDlgItem(hMain, nId); }
    HWND Focus() const;  // the window with the keyboard focus in the program's thread
    // The program's dialog, once it shows.
    HWND FindDialog() const;
};

std::wstring TextOf(HWND hWnd);
void SetText(HWND hWnd, const std::wstring& wstrText);
std::wstring ClassOf(HWND hWnd);
RECT ClientRectIn(HWND hWnd, HWND hParent);  // position within the parent's client area
DWORD CaretOf(HWND hEdit);                   // the selection's end, where the caret stands

// Real input through the system queue.
void MoveMouseToPoint(int x, int y);                  // screen coordinates
void MoveMouseTo(HWND hWnd, int dx = 0, int dy = 0);  // to the window's centre, offset
void MouseButton(bool bDown);
void Click(HWND hWnd);
void DoubleClick(HWND hWnd);
void Key(WORD vk, bool bDown);
void PressKey(WORD vk);

// Checks a condition until it holds or the time has passed.
bool Eventually(const std::function<bool()>& fnCondition, DWORD dwMilliseconds = 5000);
// Lets the program handle what was sent to it.
void Settle(HWND hWnd);

// Saves what the screen shows of a window as a .bmp file.
bool SaveScreenshot(HWND hWnd, const std::wstring& wstrPath);

// A Unix path (as the build passes it) in the form Wine's Windows side reads.
std::wstring WindowsPath(const std::string& strPath);
std::string Environment(const char* szName);
