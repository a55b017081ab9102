// Shows the calculator working where nobody can watch: starts it, types
// sqrt(2)*3 through its buttons, presses "=", prints the result box and
// saves a screenshot, then closes it. Usage: miravox-demo SCREENSHOT.bmp
#include <cstdio>
#include <string>

#include "calculator_driver.h"

namespace {

std::string Utf8(const std::wstring& wstrText) {
    int n = WideCharToMultiByte(CP_UTF8, 0, wstrText.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string strText(n > 0 ? n - 1 : 0, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wstrText.c_str(), -1, strText.data(), n, nullptr, nullptr);
    return strText;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    SCalculator calc;
    if (argc < 2 || !calc.Launch()) {
        std::fputs("miravox-demo: the calculator did not start\n", stderr);
        return 1;
    }
    for (int nId : {236, 255})  // sqrt, 2: the caret lands inside the call
        Click(calc.Control(nId));
    PressKey(VK_END);
    for (int nId : {245, 256, 203})  // *, 3, =
        Click(calc.Control(nId));
    Eventually([&] { return !TextOf(calc.Control(204)).empty(); });
    const std::string strLine = Utf8(TextOf(calc.Control(202)) + L" = " + TextOf(calc.Control(204)));
    std::printf("%s\n", strLine.c_str());
    bool bSaved = SaveScreenshot(calc.hMain, argv[1]);
    calc.Stop();
    return bSaved ? 0 : 1;
}
