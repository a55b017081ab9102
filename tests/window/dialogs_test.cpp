// The Help menu: the two dialogs and the two web pages.
#include <fstream>
#include <sstream>
#include <vector>

#include "calculator_test.h"

namespace {

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

struct SDialog {
    WPARAM nCommand;
    int nClose, nTitle, nText;
    const wchar_t* wszTitle;
    int nWidthDlu;
    const wchar_t* wszScreenshot;
};

const SDialog kAbout = {123, 203, 202, 204, L"Miravox", 240, L"about-dialog"};
const SDialog kUsage = {120, 213, 212, 214, L"使用说明\uFF0D\uFF0DMiravox", 360, L"usage-dialog"};

class DialogTest : public CalculatorTest {
protected:
    HWND Open(const SDialog& d) {
        PostMessageW(calc.hMain, WM_COMMAND, d.nCommand, 0);
        HWND hDlg = nullptr;
        // Under Wine a dialog now and then takes two seconds to show.
        Eventually([&] { return (hDlg = calc.FindDialog()) != nullptr; }, 10000);
        if (hDlg) Settle(hDlg);
        return hDlg;
    }
    bool Closed() {
        return Eventually([&] { return calc.FindDialog() == nullptr; });
    }
};

TEST_F(DialogTest, AboutShowsVersionDateAndAuthor) {
    HWND hDlg = Open(kAbout);
    ASSERT_NE(hDlg, nullptr);
    EXPECT_EQ(TextOf(hDlg), L"") << "empty caption";
    EXPECT_EQ(TextOf(GetDlgItem(hDlg, kAbout.nTitle)), kAbout.wszTitle);
    EXPECT_EQ(TextOf(GetDlgItem(hDlg, kAbout.nClose)), L"关 闭");
    const std::wstring wstrText = TextOf(GetDlgItem(hDlg, kAbout.nText));
    EXPECT_EQ(wstrText.rfind(L"版本\uFF1A1.6\r\n\r\n发布日期\uFF1A2010-09-20\r\n\r\n", 0), 0u) << "starts with";
    EXPECT_GT(wstrText.size(), 40u) << "licence and author lines follow";
    EXPECT_TRUE(SaveScreenshot(hDlg, ScreenshotPath(kAbout.wszScreenshot)));
}

TEST_F(DialogTest, UsageShowsTheWholeText) {
    HWND hDlg = Open(kUsage);
    ASSERT_NE(hDlg, nullptr);
    EXPECT_EQ(TextOf(hDlg), L"");
    EXPECT_EQ(TextOf(GetDlgItem(hDlg, kUsage.nTitle)), kUsage.wszTitle);
    EXPECT_EQ(TextOf(GetDlgItem(hDlg, kUsage.nText)), kUsageText);
    EXPECT_TRUE(SaveScreenshot(hDlg, ScreenshotPath(kUsage.wszScreenshot)));
}

TEST_F(DialogTest, DialogsAreModalReadOnlyAndFocusTheCloseButton) {
    std::vector<RECT> sizes;
    for (const SDialog* d : {&kAbout, &kUsage}) {
        HWND hDlg = Open(*d);
        ASSERT_NE(hDlg, nullptr);
        EXPECT_FALSE(IsWindowEnabled(calc.hMain)) << "the main window waits";
        EXPECT_EQ(calc.Focus(), GetDlgItem(hDlg, d->nClose));
        const LONG style = static_cast<LONG>(GetWindowLongPtrW(GetDlgItem(hDlg, d->nText), GWL_STYLE));
        EXPECT_TRUE(style & ES_READONLY);
        EXPECT_TRUE(style & ES_MULTILINE);
        RECT rc = {};
        GetClientRect(hDlg, &rc);
        sizes.push_back(rc);
        SendMessageW(hDlg, WM_CLOSE, 0, 0);
        ASSERT_TRUE(Closed());
        EXPECT_TRUE(IsWindowEnabled(calc.hMain));
    }
    // In dialog units both are 180 high; About is 240 wide and Usage 360.
    ASSERT_EQ(sizes.size(), 2u);
    EXPECT_EQ(sizes[0].bottom, sizes[1].bottom);
    EXPECT_EQ(sizes[0].right * 360, sizes[1].right * 240);
}

TEST_F(DialogTest, CloseButtonEnterAndCloseBoxEndADialogButEscDoesNot) {
    for (const SDialog* d : {&kAbout, &kUsage}) {
        HWND hDlg = Open(*d);
        ASSERT_NE(hDlg, nullptr);
        PressKey(VK_ESCAPE);
        Settle(hDlg);
        EXPECT_EQ(calc.FindDialog(), hDlg) << "Esc leaves the dialog open";

        Click(GetDlgItem(hDlg, d->nClose));
        EXPECT_TRUE(Closed()) << "close button";

        hDlg = Open(*d);
        ASSERT_NE(hDlg, nullptr);
        PressKey(VK_RETURN);
        EXPECT_TRUE(Closed()) << "Enter presses the default button";

        hDlg = Open(*d);
        ASSERT_NE(hDlg, nullptr);
        PostMessageW(hDlg, WM_SYSCOMMAND, SC_CLOSE, 0);
        EXPECT_TRUE(Closed()) << "close box";
    }
    EXPECT_TRUE(calc.IsRunning());
}

std::string OpenedUrls() {
    std::ifstream in(WindowsPath(Environment("WINEPREFIX") + "/opened-urls.txt").c_str());
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

TEST_F(DialogTest, WebCommandsOpenTheirPagesThroughTheShell) {
    const std::string strBefore = OpenedUrls();
    PostMessageW(calc.hMain, WM_COMMAND, 121, 0);
    EXPECT_TRUE(Eventually([&] { return OpenedUrls().find("/download/") != std::string::npos &&
                                        OpenedUrls() != strBefore; }, 15000));
    PostMessageW(calc.hMain, WM_COMMAND, 122, 0);
    EXPECT_TRUE(Eventually([&] { return OpenedUrls().find("/author/") != std::string::npos; }, 15000));
    EXPECT_TRUE(calc.IsRunning());
}

}  // namespace
