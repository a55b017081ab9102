// Every control of the main window against the product's layout, row by
// row: identifier, class, position, size, label and hint.
#include <map>

#include "calculator_test.h"

namespace {

struct SRow {
    int nId;  // 0: group box (the status bar is found by class)
    const wchar_t* wszClass;
    const wchar_t* wszLabel;
    int x, y, nWidth, nHeight;
    const wchar_t* wszHint;
    const char* szTyped;  // null: the control types nothing
};

const SRow kLayout[] = {
    {202, L"Edit", L"", 20, 20, 570, 25, L"待计算的表达式", nullptr},
    {203, L"Button", L"=", 600, 20, 30, 25, L"计算", nullptr},
    {204, L"Edit", L"", 640, 20, 100, 25, L"计算结果", nullptr},
    {0, L"Button", L"双曲函数", 20, 55, 225, 245, nullptr, nullptr},
    {205, L"Button", L"sinh", 30, 85, 60, 25, L"双曲正弦函数", "sinh()"},
    {206, L"Button", L"asinh", 100, 85, 60, 25, L"双曲正弦函数的反函数", "asinh()"},
    {207, L"Button", L"cosh", 30, 120, 60, 25, L"双曲余弦函数", "cosh()"},
    {208, L"Button", L"acosh", 100, 120, 60, 25, L"双曲余弦函数的反函数的第一个结果", "acosh()"},
    {209, L"Button", L"acosh2", 170, 120, 60, 25, L"双曲余弦函数的反函数的第二个结果", "acosh2()"},
    {210, L"Button", L"tanh", 30, 155, 60, 25, L"双曲正切函数", "tanh()"},
    {211, L"Button", L"atanh", 100, 155, 60, 25, L"双曲正切函数的反函数", "atanh()"},
    {212, L"Button", L"coth", 30, 190, 60, 25, L"双曲余切函数", "coth()"},
    {213, L"Button", L"acoth", 100, 190, 60, 25, L"双曲余切函数的反函数", "acoth()"},
    {214, L"Button", L"sech", 30, 225, 60, 25, L"双曲正割函数", "sech()"},
    {215, L"Button", L"asech", 100, 225, 60, 25, L"双曲正割函数的反函数的第一个结果", "asech()"},
    {216, L"Button", L"asech2", 170, 225, 60, 25, L"双曲正割函数的反函数的第二个结果", "asech2()"},
    {217, L"Button", L"csch", 30, 260, 60, 25, L"双曲余割函数", "csch()"},
    {218, L"Button", L"acsch", 100, 260, 60, 25, L"双曲余割函数的反函数", "acsch()"},
    {0, L"Button", L"三角函数", 255, 55, 155, 245, nullptr, nullptr},
    {219, L"Button", L"sin", 265, 85, 60, 25, L"正弦函数", "sin()"},
    {220, L"Button", L"asin", 335, 85, 60, 25, L"正弦函数的反函数", "asin()"},
    {221, L"Button", L"cos", 265, 120, 60, 25, L"余弦函数", "cos()"},
    {222, L"Button", L"acos", 335, 120, 60, 25, L"余弦函数的反函数", "acos()"},
    {223, L"Button", L"tan", 265, 155, 60, 25, L"正切函数", "tan()"},
    {224, L"Button", L"atan", 335, 155, 60, 25, L"正切函数的反函数", "atan()"},
    {225, L"Button", L"cot", 265, 190, 60, 25, L"余切函数", "cot()"},
    {226, L"Button", L"acot", 335, 190, 60, 25, L"余切函数的反函数", "acot()"},
    {227, L"Button", L"sec", 265, 225, 60, 25, L"正割函数", "sec()"},
    {228, L"Button", L"asec", 335, 225, 60, 25, L"正割函数的反函数", "asec()"},
    {229, L"Button", L"csc", 265, 260, 60, 25, L"余割函数", "csc()"},
    {230, L"Button", L"acsc", 335, 260, 60, 25, L"余割函数的反函数", "acsc()"},
    {0, L"Button", L"常用函数", 420, 55, 155, 245, nullptr, nullptr},
    {231, L"Button", L"PI", 430, 85, 60, 25, L"圆周率常数", "3.141592"},
    {232, L"Button", L"E", 500, 85, 60, 25, L"纳皮尔常数", "2.718281"},
    {233, L"Button", L"ngtv", 430, 120, 60, 25, L"负值函数", "ngtv()"},
    {234, L"Button", L"abs", 500, 120, 60, 25, L"绝对值函数", "abs()"},
    {235, L"Button", L"sqr", 430, 155, 60, 25, L"平方函数", "sqr()"},
    {236, L"Button", L"sqrt", 500, 155, 60, 25, L"算术平方根函数", "sqrt()"},
    {237, L"Button", L"cb", 430, 190, 60, 25, L"立方函数", "cb()"},
    {238, L"Button", L"cbt", 500, 190, 60, 25, L"立方根函数", "cbt()"},
    {239, L"Button", L"exp", 430, 225, 60, 25, L"自然指数函数\uFF1A以纳皮尔常数 E 为底的幂次方", "exp()"},
    {240, L"Button", L"ln", 500, 225, 60, 25, L"自然对数函数\uFF1A以纳皮尔常数 E 为底的对数", "ln()"},
    {241, L"Button", L"pow10", 430, 260, 60, 25, L"以 10 为底的幂次方函数", "pow10()"},
    {242, L"Button", L"log10", 500, 260, 60, 25, L"以 10 为底的对数函数", "log10()"},
    {0, L"Button", L"数字区", 585, 55, 155, 245, nullptr, nullptr},
    {243, L"Button", L"( )", 595, 85, 25, 25, L"括弧", "()"},
    {244, L"Button", L"/", 630, 85, 25, 25, L"除以", "/"},
    {245, L"Button", L"*", 665, 85, 25, 25, L"乘以", "*"},
    {246, L"Button", L"-", 700, 85, 25, 25, L"减去", "-"},
    {247, L"Button", L"7", 595, 120, 25, 25, L"数字\uFF1A7", "7"},
    {248, L"Button", L"8", 630, 120, 25, 25, L"数字\uFF1A8", "8"},
    {249, L"Button", L"9", 665, 120, 25, 25, L"数字\uFF1A9", "9"},
    {250, L"Button", L"+", 700, 120, 25, 60, L"加上", "+"},
    {251, L"Button", L"4", 595, 155, 25, 25, L"数字\uFF1A4", "4"},
    {252, L"Button", L"5", 630, 155, 25, 25, L"数字\uFF1A5", "5"},
    {253, L"Button", L"6", 665, 155, 25, 25, L"数字\uFF1A6", "6"},
    {254, L"Button", L"1", 595, 190, 25, 25, L"数字\uFF1A1", "1"},
    {255, L"Button", L"2", 630, 190, 25, 25, L"数字\uFF1A2", "2"},
    {256, L"Button", L"3", 665, 190, 25, 25, L"数字\uFF1A3", "3"},
    {257, L"Button", L"=", 700, 190, 25, 60, L"计算", nullptr},
    {258, L"Button", L"0", 595, 225, 60, 25, L"数字\uFF1A0", "0"},
    {259, L"Button", L".", 665, 225, 25, 25, L"小数点\uFF1A.", "."},
    {260, L"Button", L"清 空", 595, 260, 60, 25, L"清空表达式", nullptr},
    {261, L"Button", L"退 格", 665, 260, 60, 25, L"后退一格", nullptr},
};

std::vector<HWND> Children(HWND hParent) {
    std::vector<HWND> children;
    EnumChildWindows(
        hParent,
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    return children;
}

TEST_F(CalculatorTest, ControlsStandWhereTheLayoutPutsThem) {
    // The children in creation order: the status bar, then the layout.
    std::vector<HWND> children = Children(calc.hMain);
    ASSERT_EQ(children.size(), 1 + std::size(kLayout));
    EXPECT_EQ(ClassOf(children[0]), L"msctls_statusbar32");
    EXPECT_EQ(GetDlgCtrlID(children[0]), 0);
    for (size_t i = 0; i < std::size(kLayout); ++i) {
        const SRow& row = kLayout[i];
        HWND hWnd = children[i + 1];
        SCOPED_TRACE(testing::Message() << "row " << i << " (" << row.nId << ")");
        EXPECT_EQ(GetDlgCtrlID(hWnd), row.nId);
        EXPECT_EQ(ClassOf(hWnd), row.wszClass);
        EXPECT_EQ(TextOf(hWnd), row.wszLabel);
        RECT rc = ClientRectIn(hWnd, calc.hMain);
        EXPECT_EQ(rc.left, row.x);
        EXPECT_EQ(rc.top, row.y);
        EXPECT_EQ(rc.right - rc.left, row.nWidth);
        EXPECT_EQ(rc.bottom - rc.top, row.nHeight);
        const LONG style = static_cast<LONG>(GetWindowLongPtrW(hWnd, GWL_STYLE));
        if (row.nId == 0) {
            EXPECT_EQ(style & BS_TYPEMASK, BS_GROUPBOX);
        }
    }
}

TEST_F(CalculatorTest, EditBoxesAlignRightAndOnlyTheResultIsReadOnly) {
    const LONG expr = static_cast<LONG>(GetWindowLongPtrW(Expression(), GWL_STYLE));
    const LONG result = static_cast<LONG>(GetWindowLongPtrW(Result(), GWL_STYLE));
    for (LONG style : {expr, result}) {
        EXPECT_TRUE(style & ES_RIGHT);
        EXPECT_TRUE(style & ES_AUTOHSCROLL);
        EXPECT_FALSE(style & ES_MULTILINE);
    }
    EXPECT_FALSE(expr & ES_READONLY);
    EXPECT_TRUE(result & ES_READONLY);
}

TEST_F(CalculatorTest, StatusBarStandsAtTheBottomAndStartsEmpty) {
    HWND hStatus = StatusBar();
    ASSERT_NE(hStatus, nullptr);
    EXPECT_EQ(TextOf(hStatus), L"");
    RECT rcClient = {}, rcStatus = ClientRectIn(hStatus, calc.hMain);
    GetClientRect(calc.hMain, &rcClient);
    EXPECT_EQ(rcStatus.bottom, rcClient.bottom);
    EXPECT_EQ(rcStatus.left, 0);
}

TEST_F(CalculatorTest, EveryControlShowsItsHintWhenTheMouseMovesOverIt) {
    HWND hStatus = StatusBar();
    for (const SRow& row : kLayout) {
        if (row.nId == 0) continue;
        SendMessageW(calc.Control(row.nId), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        EXPECT_EQ(TextOf(hStatus), row.wszHint) << "control " << row.nId;
    }
}

TEST_F(CalculatorTest, HintStaysWhenTheMouseLeavesForAPlaceWithoutOne) {
    HWND hStatus = StatusBar();
    HWND hE = calc.Control(232);
    MoveMouseTo(hE);  // real pointer movement
    ASSERT_TRUE(Eventually([&] { return TextOf(hStatus) == L"纳皮尔常数"; }));
    // The white background between the groups, then a group box's frame.
    MoveMouseTo(calc.hMain, 0, 160);
    Sync();
    EXPECT_EQ(TextOf(hStatus), L"纳皮尔常数");
    for (HWND hWnd : Children(calc.hMain)) {
        if (GetDlgCtrlID(hWnd) == 0) SendMessageW(hWnd, WM_MOUSEMOVE, 0, 0);
    }
    EXPECT_EQ(TextOf(hStatus), L"纳皮尔常数");
}

}  // namespace
