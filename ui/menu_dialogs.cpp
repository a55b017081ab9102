#include "menu_dialogs.h"

#include <shellapi.h>

#include "globals.h"
#include "resource.h"

namespace {

// The two web pages the Help menu opens in the default browser.
const wchar_t kUpdatePage[] = L"https://miravox.example.org/download/";
const wchar_t kAuthorPage[] = L"https://miravox.example.org/author/";

const wchar_t kAboutText[] =
    L"版本：1.6\r\n"
    L"\r\n"
    L"发布日期：2010-09-20\r\n"
    L"\r\n"
    L"本软件按 MIT 许可证发布，可自由使用、复制和分发。\r\n"
    L"\r\n"
    L"作者：Miravox 开发组\r\n"
    L"\r\n"
    L"主页：https://miravox.example.org/\r\n"
    L"\r\n"
    L"电子邮件：team@miravox.example.org";

const wchar_t kUsageText[] =
    L"1. 输入方式。\r\n"
    L"\r\n"
    L"\u3000\u3000可点击按钮输入，也可从键盘输入。支持长表达式，支持函数、括号对的嵌套。\r\n"
    L"\r\n"
    L"\u3000\u3000当点击按钮输入函数、括号对后，光标会自动定位到括号对的中间，方便继续输入。\r\n"
    L"\r\n"
    L"2. 按钮的语义。\r\n"
    L"\r\n"
    L"\u3000\u3000鼠标停留在按钮上时，软件窗口下方的状态栏会显示该按钮所表示的意思。\r\n"
    L"\r\n"
    L"3. 错误报告。\r\n"
    L"\r\n"
    L"\u3000\u3000若您在使用过程中发现错误，恳请您发邮件告知作者，不胜感激。\r\n"
    L"\r\n"
    L"\u3000\u3000在报告软件错误时，请注明您的操作系统的版本、本软件版本、出错时的输入和截图。";

struct SDialogText {
    int nTextBox;
    int nCloseButton;
    const wchar_t* wszText;
};

const SDialogText kAbout = {IDC_ABOUT_TEXT, IDC_ABOUT_CLOSE, kAboutText};
const SDialogText kUsage = {IDC_USAGE_TEXT, IDC_USAGE_CLOSE, kUsageText};

// Both dialogs: the text is set afresh at every opening, and the close
// button, Enter (the default button) and the close box end the dialog. Esc
// sends IDCANCEL, on which neither acts.
INT_PTR TextDialog(const SDialogText& dialog, HWND hDlg, UINT uMsg, WPARAM wParam) {
    switch (uMsg) {
    case WM_INITDIALOG:
        SetWindowTextW(GetDlgItem(hDlg, dialog.nTextBox), dialog.wszText);
        return TRUE;  // the system focuses the first tab stop, the close button
    case WM_COMMAND:
        if (LOWORD(wParam) != dialog.nCloseButton) return FALSE;
        EndDialog(hDlg, 0);
        return TRUE;
    case WM_CLOSE:
        EndDialog(hDlg, 0);
        return TRUE;
    }
    return FALSE;
}

void OpenWebPage(const wchar_t* wszAddress) {
    // The shell opens the page in the user's browser; the program itself
    // connects to nothing.
    ShellExecuteW(hMainWnd, L"Open", wszAddress, nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace

INT_PTR CALLBACK AboutDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM) {
    return TextDialog(kAbout, hDlg, uMsg, wParam);
}

INT_PTR CALLBACK UsageDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM) {
    return TextDialog(kUsage, hDlg, uMsg, wParam);
}

void OnMenuCommand(WORD nCommand) {
    switch (nCommand) {
    case IDM_EXIT:
        // Ends the message loop at once; the window is not destroyed first.
        PostQuitMessage(0);
        break;
    case IDM_USAGE:
        DialogBoxParamW(hInst, MAKEINTRESOURCEW(IDD_USAGE), hMainWnd, UsageDlgProc, 0);
        break;
    case IDM_UPDATE: OpenWebPage(kUpdatePage); break;
    case IDM_WEBSPACE: OpenWebPage(kAuthorPage); break;
    case IDM_ABOUT:
        DialogBoxParamW(hInst, MAKEINTRESOURCEW(IDD_ABOUT), hMainWnd, AboutDlgProc, 0);
        break;
    }
}
