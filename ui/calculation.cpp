#include "calculation.h"

#include <windows.h>

#include <string>

#include "control_registry.h"
#include "format_number.h"
#include "globals.h"
#include "text_convert.h"

namespace {

uint8_t bCalculating = 0;

const wchar_t kIllegalText[] = L"表达式非法！";

std::wstring WindowText(HWND hWnd) {
    int nLength = GetWindowTextLengthW(hWnd);
    if (nLength <= 0) return std::wstring();
    std::wstring wstrText(static_cast<size_t>(nLength) + 1, L'\0');
    int nRead = GetWindowTextW(hWnd, wstrText.data(), nLength + 1);
    wstrText.resize(nRead > 0 ? static_cast<size_t>(nRead) : 0);
    return wstrText;
}

// The text for the result box; empty for an empty expression.
std::wstring Calculate(const std::wstring& wstrExpression) {
    if (wstrExpression.empty()) return std::wstring();
    // A character that code page 936 cannot hold has no engine form; the
    // engine would reject any such byte, so the text is illegal.
    std::optional<std::string> strNarrow = WideToNarrow(wstrExpression);
    if (!strNarrow) return kIllegalText;
    // The terminator is appended even when the text holds one already.
    Evaluate(Engine, *strNarrow + "=");
    if (HasError(Engine)) return kIllegalText;
    return NarrowToWide(FormatNumber(GetResult(Engine)));
}

}  // namespace

void RunCalculation() {
    // The engine is not reentrant. Nothing in a calculation dispatches
    // messages, so this guards against a path that should not exist.
    if (bCalculating == 1) {
        MessageBoxW(hMainWnd, L"您的操作速度还真快！上一次的计算都还在进行中...", L"提示",
                    MB_ICONINFORMATION);
        return;
    }
    bCalculating = 1;
    std::wstring wstrResult = Calculate(WindowText(ControlWindow(IDC_EXPRESSION)));
    SetWindowTextW(ControlWindow(IDC_RESULT), wstrResult.empty() ? nullptr : wstrResult.c_str());
    SetFocus(ControlWindow(IDC_EXPRESSION));
    bCalculating = 0;
}
