// The main window as the system sees it, its menu, and the two ways out.
#include <vector>

#include "calculator_test.h"

namespace {

TEST_F(CalculatorTest, WindowHasItsClassTitleStyleAndSize) {
    EXPECT_EQ(ClassOf(calc.hMain), L"Miravox");
    EXPECT_EQ(TextOf(calc.hMain), L"Miravox \uFF0D\uFF0D Orlen");

    const LONG_PTR style = GetWindowLongPtrW(calc.hMain, GWL_STYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME) << "must not be resizable";
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_EQ(GetWindowLongPtrW(calc.hMain, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);

    RECT rc = {};
    GetWindowRect(calc.hMain, &rc);
    EXPECT_EQ(rc.right - rc.left, 770);
    EXPECT_EQ(rc.bottom - rc.top, 400);
}

TEST_F(CalculatorTest, WindowIsCentredInTheWorkAreaFromTheScreenOrigin) {
    RECT rcWork = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &rcWork, 0);
    const int w = rcWork.right - rcWork.left, h = rcWork.bottom - rcWork.top;
    RECT rc = {};
    GetWindowRect(calc.hMain, &rc);
    EXPECT_EQ(rc.left, w > 770 ? (w - 770) / 2 : 0);
    EXPECT_EQ(rc.top, h > 400 ? (h - 400) / 2 : 0);
}

TEST_F(CalculatorTest, BackgroundIsWhite) {
    HDC hdc = GetDC(calc.hMain);
    // Between the expression box and the groups, where nothing is drawn.
    COLORREF c = GetPixel(hdc, 300, 50);
    ReleaseDC(calc.hMain, hdc);
    EXPECT_EQ(c, RGB(255, 255, 255));
}

TEST_F(CalculatorTest, FocusIsInTheExpressionBoxAfterStartAndActivation) {
    EXPECT_TRUE(Eventually([&] { return calc.Focus() == Expression(); }));
    Click(Result());  // the read-only box takes the focus when clicked
    EXPECT_TRUE(Eventually([&] { return calc.Focus() == Result(); }));
    SendMessageW(calc.hMain, WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ(calc.Focus(), Expression()) << "deactivation focuses the expression box too";
}

struct SMenuItem {
    int nLevel;  // 0: on the menu bar
    const wchar_t* wszText;
    UINT nId;  // 0 for pop-ups and separators
    bool bSeparator;
};

const SMenuItem kMenu[] = {
    {0, L"文件(&F)", 0, false},
    {1, L"退出(&X)", 100, false},
    {0, L"帮助(&H)", 0, false},
    {1, L"使用说明(&F)", 120, false},
    {1, L"检查更新(&U)", 121, false},
    {1, L"", 0, true},
    {1, L"访问作者 MSN 空间(&W)", 122, false},
    {1, L"", 0, true},
    {1, L"关于(&A) Miravox", 123, false},
};

std::vector<SMenuItem> Flatten(HMENU hMenu, int nLevel, std::vector<std::wstring>& texts) {
    std::vector<SMenuItem> items;
    for (int i = 0; i < GetMenuItemCount(hMenu); ++i) {
        wchar_t buf[128] = {};
        MENUITEMINFOW mii = {};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
        mii.dwTypeData = buf;
        mii.cch = std::size(buf);
        GetMenuItemInfoW(hMenu, i, TRUE, &mii);
        texts.push_back(buf);
        bool bSeparator = (mii.fType & MFT_SEPARATOR) != 0;
        items.push_back({nLevel, texts.back().c_str(), mii.hSubMenu ? 0 : mii.wID, bSeparator});
        if (mii.hSubMenu) {
            auto sub = Flatten(mii.hSubMenu, nLevel + 1, texts);
            items.insert(items.end(), sub.begin(), sub.end());
        }
    }
    return items;
}

TEST_F(CalculatorTest, MenuIsAttachedWithItsTextsIdentifiersAndSeparators) {
    ASSERT_NE(GetMenu(calc.hMain), nullptr);
    // The menu resource as the program carries it.
    HMODULE hExe = LoadLibraryExW(WindowsPath(Environment("MIRAVOX_EXE")).c_str(), nullptr,
                                  LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(hExe, nullptr);
    HMENU hMenu = LoadMenuW(hExe, L"IDM_MV");
    ASSERT_NE(hMenu, nullptr);
    std::vector<std::wstring> texts;
    texts.reserve(64);
    std::vector<SMenuItem> items = Flatten(hMenu, 0, texts);
    ASSERT_EQ(items.size(), std::size(kMenu));
    for (size_t i = 0; i < items.size(); ++i) {
        EXPECT_EQ(items[i].nLevel, kMenu[i].nLevel) << "item " << i;
        EXPECT_EQ(std::wstring(items[i].wszText), kMenu[i].wszText) << "item " << i;
        EXPECT_EQ(items[i].nId, kMenu[i].nId) << "item " << i;
        EXPECT_EQ(items[i].bSeparator, kMenu[i].bSeparator) << "item " << i;
    }
    DestroyMenu(hMenu);
    FreeLibrary(hExe);
}

TEST_F(CalculatorTest, ExitCommandEndsWithCodeZero) {
    PostMessageW(calc.hMain, WM_COMMAND, 100, 0);
    EXPECT_EQ(calc.WaitForExit(5000), 0u);
}

TEST_F(CalculatorTest, ClosingTheWindowEndsWithCodeZero) {
    PostMessageW(calc.hMain, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(calc.WaitForExit(5000), 0u);
}

TEST_F(CalculatorTest, UnknownCommandsAreIgnored) {
    SetText(Expression(), L"1+2");
    for (WPARAM id : {0, 101, 110, 119, 124, 202, 203, 257, 5000, 65535})
        SendMessageW(calc.hMain, WM_COMMAND, id, 0);
    Sync();
    EXPECT_TRUE(calc.IsRunning());
    EXPECT_EQ(calc.FindDialog(), nullptr);
    EXPECT_EQ(TextOf(Result()), L"") << "a click notification does not calculate";
}

TEST_F(CalculatorTest, Screenshot) {
    SetText(Expression(), L"sin(1+2)*cos(0)");
    Click(calc.Control(kCalculate));
    ASSERT_TRUE(Eventually([&] { return TextOf(Result()) == L"0.14112"; }));
    EXPECT_TRUE(SaveScreenshot(calc.hMain, ScreenshotPath(L"main-window")));
}

}  // namespace
