// A fresh calculator process for every test.
#pragma once

#include <gtest/gtest.h>

#include "calculator_driver.h"

// Identifiers of the main window's controls, as a user's tools see them.
enum : int {
    kExpression = 202,
    kCalculate = 203,
    kResult = 204,
    kCalculate2 = 257,
    kClear = 260,
    kBackspace = 261,
};

inline const wchar_t kIllegalText[] = L"表达式非法！";

class CalculatorTest : public ::testing::Test {
protected:
    SCalculator calc;
    void SetUp() override { ASSERT_TRUE(calc.Launch()) << "miravox.exe did not show its window"; }
    void TearDown() override { calc.Stop(); }

    HWND Expression() const { return calc.Control(kExpression); }
    HWND Result() const { return calc.Control(kResult); }
    HWND StatusBar() const { return FindWindowExW(calc.hMain, nullptr, L"msctls_statusbar32", nullptr); }
    void Sync() const { Settle(calc.hMain); }
};

// Screenshots for people to look at, beside the build's other outputs.
inline std::wstring ScreenshotPath(const wchar_t* wszName) {
    return WindowsPath(Environment("MIRAVOX_SCREENSHOTS")) + L"\\" + wszName + L".bmp";
}
