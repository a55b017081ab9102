// Clicking the panel: every button types its text at the caret.
#include "calculator_test.h"

namespace {

struct SButton {
    int nId;
    const wchar_t* wszTyped;
};

const SButton kButtons[] = {
    {205, L"sinh()"}, {206, L"asinh()"}, {207, L"cosh()"}, {208, L"acosh()"},
    {209, L"acosh2()"}, {210, L"tanh()"}, {211, L"atanh()"}, {212, L"coth()"},
    {213, L"acoth()"}, {214, L"sech()"}, {215, L"asech()"}, {216, L"asech2()"},
    {217, L"csch()"}, {218, L"acsch()"}, {219, L"sin()"}, {220, L"asin()"},
    {221, L"cos()"}, {222, L"acos()"}, {223, L"tan()"}, {224, L"atan()"},
    {225, L"cot()"}, {226, L"acot()"}, {227, L"sec()"}, {228, L"asec()"},
    {229, L"csc()"}, {230, L"acsc()"}, {231, L"3.141592"}, {232, L"2.718281"},
    {233, L"ngtv()"}, {234, L"abs()"}, {235, L"sqr()"}, {236, L"sqrt()"},
    {237, L"cb()"}, {238, L"cbt()"}, {239, L"exp()"}, {240, L"ln()"},
    {241, L"pow10()"}, {242, L"log10()"}, {243, L"()"}, {244, L"/"},
    {245, L"*"}, {246, L"-"}, {247, L"7"}, {248, L"8"},
    {249, L"9"}, {250, L"+"}, {251, L"4"}, {252, L"5"},
    {253, L"6"}, {254, L"1"}, {255, L"2"}, {256, L"3"},
    {258, L"0"}, {259, L"."},
};

TEST_F(CalculatorTest, EveryPanelButtonTypesItsTextWithTheCaretRule) {
    for (const SButton& b : kButtons) {
        SetText(Expression(), L"");
        Click(calc.Control(b.nId));
        const std::wstring wstrTyped = b.wszTyped;
        EXPECT_EQ(TextOf(Expression()), wstrTyped) << "button " << b.nId;
        // After a call or "( )" the caret stands between the parentheses.
        const DWORD nCaret = static_cast<DWORD>(wstrTyped.size()) - (wstrTyped.back() == L')' ? 1 : 0);
        EXPECT_EQ(CaretOf(Expression()), nCaret) << "button " << b.nId;
        EXPECT_EQ(calc.Focus(), Expression()) << "button " << b.nId;
    }
}

TEST_F(CalculatorTest, TypingContinuesBetweenTheParentheses) {
    Click(calc.Control(219));  // sin
    Click(calc.Control(256));  // 3
    EXPECT_EQ(TextOf(Expression()), L"sin(3)");
    Click(calc.Control(236));  // sqrt, nested
    Click(calc.Control(247));  // 7
    EXPECT_EQ(TextOf(Expression()), L"sin(3sqrt(7))");
}

TEST_F(CalculatorTest, ButtonsInsertAtTheCaretAndReplaceTheSelection) {
    SetText(Expression(), L"12");
    SendMessageW(Expression(), EM_SETSEL, 1, 1);
    Click(calc.Control(250));  // +
    EXPECT_EQ(TextOf(Expression()), L"1+2");
    EXPECT_EQ(CaretOf(Expression()), 2u);

    SetText(Expression(), L"123");
    SendMessageW(Expression(), EM_SETSEL, 0, 2);
    Click(calc.Control(219));  // sin
    EXPECT_EQ(TextOf(Expression()), L"sin()3");
    EXPECT_EQ(CaretOf(Expression()), 4u);
}

TEST_F(CalculatorTest, ADoubleClickTypesTwice) {
    DoubleClick(calc.Control(247));
    EXPECT_EQ(TextOf(Expression()), L"77");
    SetText(Expression(), L"");
    DoubleClick(calc.Control(243));
    EXPECT_EQ(TextOf(Expression()), L"(())");
    EXPECT_EQ(CaretOf(Expression()), 2u);
}

TEST_F(CalculatorTest, ClearEmptiesBothBoxesAndFocusesTheExpression) {
    SetText(Expression(), L"1+2");
    Click(calc.Control(kCalculate));
    ASSERT_EQ(TextOf(Result()), L"3");
    Click(calc.Control(kClear));
    EXPECT_EQ(TextOf(Expression()), L"");
    EXPECT_EQ(TextOf(Result()), L"");
    EXPECT_EQ(calc.Focus(), Expression());
}

TEST_F(CalculatorTest, BackspaceDeletesBeforeTheCaretOrTheSelection) {
    SetText(Expression(), L"123");
    SendMessageW(Expression(), EM_SETSEL, 3, 3);
    Click(calc.Control(kBackspace));
    EXPECT_EQ(TextOf(Expression()), L"12");
    EXPECT_EQ(calc.Focus(), Expression());

    SendMessageW(Expression(), EM_SETSEL, 0, 0);
    Click(calc.Control(kBackspace));
    EXPECT_EQ(TextOf(Expression()), L"12") << "nothing before the caret";

    SetText(Expression(), L"12345");
    SendMessageW(Expression(), EM_SETSEL, 1, 4);
    Click(calc.Control(kBackspace));
    EXPECT_EQ(TextOf(Expression()), L"15");
}

TEST_F(CalculatorTest, ResultBoxTakesNoTyping) {
    SetText(Expression(), L"2*3");
    Click(calc.Control(kCalculate));
    Click(Result());
    ASSERT_TRUE(Eventually([&] { return calc.Focus() == Result(); }));
    PressKey('7');
    PressKey(VK_BACK);
    Sync();
    EXPECT_EQ(TextOf(Result()), L"6");
}

}  // namespace
