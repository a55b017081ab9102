// The calculation command: its three triggers and what the result box shows.
#include "calculator_test.h"

namespace {

struct SCase {
    const wchar_t* wszExpression;
    const wchar_t* wszResult;
};

const SCase kCases[] = {
    {L"1+2", L"3"},
    {L"1+2=", L"3"},  // the engine receives 1+2==
    {L"1+", kIllegalText},
    {L"1/0", L"inf"},
    {L"0/0", L"nan"},
    {L"ngtv(1)/0", L"-inf"},
    {L"sin(1)", L"0.841471"},
    {L"1234567", L"1.23457e+006"},
    {L"1234565", L"1.23456e+006"},  // ties to even, whatever the C runtime's printf does
    {L"(((1+2)))*3", L"9"},
    {L"1 + 2", kIllegalText},
    // Characters of code page 936 reach the engine as two-byte sequences.
    {L"中文", kIllegalText},
    {L"\uFF11\uFF12", kIllegalText},  // full-width digits
    {L"1+\u4E00", kIllegalText},
    // Characters that code page 936 cannot hold.
    {L"\U0001F600", kIllegalText},
    {L"1+\u0E01", kIllegalText},
    {L"1=\u0E01", kIllegalText},
};

TEST_F(CalculatorTest, CalculateButtonShowsValueOrError) {
    for (const SCase& c : kCases) {
        SetText(Expression(), c.wszExpression);
        Click(calc.Control(kCalculate));
        EXPECT_EQ(TextOf(Result()), c.wszResult) << "expression row " << (&c - kCases);
        EXPECT_EQ(TextOf(Expression()), c.wszExpression) << "the expression is never changed";
        EXPECT_EQ(calc.Focus(), Expression());
    }
}

TEST_F(CalculatorTest, EmptyExpressionEmptiesTheResult) {
    SetText(Expression(), L"7*6");
    Click(calc.Control(kCalculate2));
    ASSERT_EQ(TextOf(Result()), L"42");
    SetText(Expression(), L"");
    Click(calc.Control(kCalculate2));
    EXPECT_EQ(TextOf(Result()), L"");
}

TEST_F(CalculatorTest, SecondCalculateButtonCalculates) {
    SetText(Expression(), L"1/3");
    Click(calc.Control(kCalculate2));
    EXPECT_EQ(TextOf(Result()), L"0.333333");
    EXPECT_EQ(calc.Focus(), Expression());
}

TEST_F(CalculatorTest, EnterCalculatesOnceWhenReleased) {
    SetText(Expression(), L"2*(3+4)");
    ASSERT_TRUE(Eventually([&] { return calc.Focus() == Expression(); }));
    Key(VK_RETURN, true);
    Key(VK_RETURN, true);  // auto-repeat while held
    Sync();
    EXPECT_EQ(TextOf(Result()), L"") << "nothing before the key is released";
    Key(VK_RETURN, false);
    EXPECT_TRUE(Eventually([&] { return TextOf(Result()) == L"14"; }));
    EXPECT_EQ(TextOf(Expression()), L"2*(3+4)");
}

TEST_F(CalculatorTest, TypedKeysAndEnterWorkLikeButtons) {
    ASSERT_TRUE(Eventually([&] { return calc.Focus() == Expression(); }));
    for (WORD vk : {WORD('8'), WORD(VK_DIVIDE), WORD('2')}) PressKey(vk);
    PressKey(VK_RETURN);
    EXPECT_TRUE(Eventually([&] { return TextOf(Result()) == L"4"; }));
    EXPECT_EQ(TextOf(Expression()), L"8/2");
}

TEST_F(CalculatorTest, ReleasingOutsideThePressedButtonStillCalculates) {
    SetText(Expression(), L"5-7");
    HWND hButton = calc.Control(kCalculate);
    MoveMouseTo(hButton);
    MouseButton(true);
    Sync();
    MoveMouseTo(hButton, 0, 120);  // well below the button, over the groups
    MouseButton(false);
    EXPECT_TRUE(Eventually([&] { return TextOf(Result()) == L"-2"; }));
}

}  // namespace
