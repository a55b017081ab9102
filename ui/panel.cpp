#include "panel.h"

#include <array>
#include <utility>

#include "builtins.h"
#include "calculation.h"
#include "control_registry.h"

namespace {

constexpr DWORD kExpressionStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_RIGHT | ES_AUTOHSCROLL;

constexpr SControlRow Group(const wchar_t* wszLabel, int x, int y, int nWidth, int nHeight) {
    return {EControl::GroupBox, wszLabel, x, y, nWidth, nHeight, nullptr, EAction::None, nullptr, 0};
}
// A function button: label, hint and call come from the engine's table.
constexpr SControlRow Fn(const char* szName, int x, int y) {
    return {EControl::Button, nullptr, x, y, 60, 25, nullptr, EAction::TypeCall, szName, 0};
}
constexpr SControlRow Key(const wchar_t* wszLabel, int x, int y, int nWidth, int nHeight,
                          const wchar_t* wszHint, EAction eAction, const char* szText = nullptr) {
    return {EControl::Button, wszLabel, x, y, nWidth, nHeight, wszHint, eAction, szText, 0};
}

// The creation order is the order of the identifiers: 201 for the status
// bar, then one more for each row that is not a group box.
constexpr SControlRow kLayout[] = {
    {EControl::StatusBar, nullptr, 0, 0, 0, 0, nullptr, EAction::None, nullptr, 0},
    {EControl::Edit, nullptr, 20, 20, 570, 25, L"待计算的表达式", EAction::CalculateOnEnter, nullptr,
     kExpressionStyle},
    Key(L"=", 600, 20, 30, 25, L"计算", EAction::Calculate),
    {EControl::Edit, nullptr, 640, 20, 100, 25, L"计算结果", EAction::None, nullptr,
     kExpressionStyle | ES_READONLY},

    Group(L"双曲函数", 20, 55, 225, 245),
    Fn("sinh", 30, 85), Fn("asinh", 100, 85),
    Fn("cosh", 30, 120), Fn("acosh", 100, 120), Fn("acosh2", 170, 120),
    Fn("tanh", 30, 155), Fn("atanh", 100, 155),
    Fn("coth", 30, 190), Fn("acoth", 100, 190),
    Fn("sech", 30, 225), Fn("asech", 100, 225), Fn("asech2", 170, 225),
    Fn("csch", 30, 260), Fn("acsch", 100, 260),

    Group(L"三角函数", 255, 55, 155, 245),
    Fn("sin", 265, 85), Fn("asin", 335, 85),
    Fn("cos", 265, 120), Fn("acos", 335, 120),
    Fn("tan", 265, 155), Fn("atan", 335, 155),
    Fn("cot", 265, 190), Fn("acot", 335, 190),
    Fn("sec", 265, 225), Fn("asec", 335, 225),
    Fn("csc", 265, 260), Fn("acsc", 335, 260),

    Group(L"常用函数", 420, 55, 155, 245),
    // The constants, cut off (not rounded) after six decimals.
    Key(L"PI", 430, 85, 60, 25, L"圆周率常数", EAction::Type, "3.141592"),
    Key(L"E", 500, 85, 60, 25, L"纳皮尔常数", EAction::Type, "2.718281"),
    Fn("ngtv", 430, 120), Fn("abs", 500, 120),
    Fn("sqr", 430, 155), Fn("sqrt", 500, 155),
    Fn("cb", 430, 190), Fn("cbt", 500, 190),
    Fn("exp", 430, 225), Fn("ln", 500, 225),
    Fn("pow10", 430, 260), Fn("log10", 500, 260),

    Group(L"数字区", 585, 55, 155, 245),
    Key(L"( )", 595, 85, 25, 25, L"括弧", EAction::Type, "()"),
    Key(L"/", 630, 85, 25, 25, L"除以", EAction::Type, "/"),
    Key(L"*", 665, 85, 25, 25, L"乘以", EAction::Type, "*"),
    Key(L"-", 700, 85, 25, 25, L"减去", EAction::Type, "-"),
    Key(L"7", 595, 120, 25, 25, L"数字：7", EAction::Type, "7"),
    Key(L"8", 630, 120, 25, 25, L"数字：8", EAction::Type, "8"),
    Key(L"9", 665, 120, 25, 25, L"数字：9", EAction::Type, "9"),
    Key(L"+", 700, 120, 25, 60, L"加上", EAction::Type, "+"),
    Key(L"4", 595, 155, 25, 25, L"数字：4", EAction::Type, "4"),
    Key(L"5", 630, 155, 25, 25, L"数字：5", EAction::Type, "5"),
    Key(L"6", 665, 155, 25, 25, L"数字：6", EAction::Type, "6"),
    Key(L"1", 595, 190, 25, 25, L"数字：1", EAction::Type, "1"),
    Key(L"2", 630, 190, 25, 25, L"数字：2", EAction::Type, "2"),
    Key(L"3", 665, 190, 25, 25, L"数字：3", EAction::Type, "3"),
    Key(L"=", 700, 190, 25, 60, L"计算", EAction::Calculate),
    Key(L"0", 595, 225, 60, 25, L"数字：0", EAction::Type, "0"),
    Key(L".", 665, 225, 25, 25, L"小数点：.", EAction::Type, "."),
    Key(L"清 空", 595, 260, 60, 25, L"清空表达式", EAction::Clear),
    Key(L"退 格", 665, 260, 60, 25, L"后退一格", EAction::Backspace),
};

constexpr size_t kRowCount = std::size(kLayout);

// The ordinal of a row among the registered controls, fixed when the program
// is built, so that each procedure knows its own identifier.
constexpr size_t OrdinalOf(size_t nRow) {
    size_t nOrdinal = 0;
    for (size_t i = 0; i < nRow; ++i)
        if (kLayout[i].eKind != EControl::GroupBox) ++nOrdinal;
    return nOrdinal;
}

void ClearExpression() {
    HWND hExpression = ControlWindow(IDC_EXPRESSION);
    SetFocus(hExpression);
    SendMessageW(hExpression, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    SendMessageW(ControlWindow(IDC_RESULT), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
}

void Backspace() {
    HWND hExpression = ControlWindow(IDC_EXPRESSION);
    SetFocus(hExpression);
    SendMessageW(hExpression, WM_CHAR, 8, 0);
}

// A control's own action. Buttons act on the release of the left button,
// which a pressed button receives even when the pointer has left it.
void RunOwnAction(const SControlRow& row, UINT uMsg, WPARAM wParam) {
    if (row.eAction == EAction::CalculateOnEnter) {
        if (uMsg == WM_KEYUP && wParam == VK_RETURN) RunCalculation();
        return;
    }
    if (uMsg != WM_LBUTTONUP) return;
    switch (row.eAction) {
    case EAction::Calculate: RunCalculation(); break;
    case EAction::Type:
    case EAction::TypeCall: TypeIntoExpression(RowTypedText(row)); break;
    case EAction::Clear: ClearExpression(); break;
    case EAction::Backspace: Backspace(); break;
    case EAction::None:
    case EAction::CalculateOnEnter: break;
    }
}

// A registered row's identifier; group boxes have none.
uint16_t RowId(size_t nRow) {
    return kLayout[nRow].eKind == EControl::GroupBox ? 0 : ControlIds[OrdinalOf(nRow)];
}

template <size_t nRow>
LRESULT CALLBACK ControlProc(HWND, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    const uint16_t nId = RowId(nRow);
    ShowHintOnMouseMove(nId, uMsg);
    RunOwnAction(kLayout[nRow], uMsg, wParam);
    return PassToPreviousProc(nId, uMsg, wParam, lParam);
}

template <size_t... nRows>
constexpr std::array<WNDPROC, kRowCount> MakeProcs(std::index_sequence<nRows...>) {
    return {&ControlProc<nRows>...};
}
constexpr std::array<WNDPROC, kRowCount> kProcs = MakeProcs(std::make_index_sequence<kRowCount>());

}  // namespace

std::span<const SControlRow> PanelLayout() { return kLayout; }

size_t RegisteredControlCount() { return OrdinalOf(kRowCount); }

std::wstring RowLabel(const SControlRow& row) {
    if (row.wszLabel != nullptr) return row.wszLabel;
    std::string_view strName = row.szText;
    return std::wstring(strName.begin(), strName.end());  // names are ASCII
}

const wchar_t* RowHint(const SControlRow& row) {
    if (row.wszHint != nullptr || row.eAction != EAction::TypeCall) return row.wszHint;
    const SBuiltinFunction* pFunction = FindBuiltin(row.szText);
    // UTF-16 either way: char16_t and the platform's wchar_t share a layout.
    static_assert(sizeof(wchar_t) == sizeof(char16_t));
    return pFunction ? reinterpret_cast<const wchar_t*>(pFunction->wszHint) : nullptr;
}

std::string RowTypedText(const SControlRow& row) {
    if (row.szText == nullptr) return std::string();
    return row.eAction == EAction::TypeCall ? std::string(row.szText) + "()" : row.szText;
}

void CreatePanel() {
    for (size_t nRow = 0; nRow < kRowCount; ++nRow) {
        const SControlRow& row = kLayout[nRow];
        const uint16_t nId = RowId(nRow);
        switch (row.eKind) {
        case EControl::StatusBar: CreateStatusBar(); break;
        case EControl::Edit:
            CreatePanelEdit(nId, row.dwStyle, RowHint(row), row.x, row.y, row.nWidth,
                            row.nHeight, kProcs[nRow]);
            break;
        case EControl::Button:
            CreatePanelButton(nId, RowLabel(row).c_str(), RowHint(row), row.x, row.y, row.nWidth,
                              row.nHeight, kProcs[nRow]);
            break;
        case EControl::GroupBox:
            CreateGroupBox(row.wszLabel, row.x, row.y, row.nWidth, row.nHeight);
            break;
        }
    }
}

void TypeIntoExpression(std::string_view strText) {
    HWND hExpression = ControlWindow(IDC_EXPRESSION);
    SetFocus(hExpression);
    for (char c : strText)
        SendMessageW(hExpression, WM_CHAR, static_cast<unsigned char>(c), 0);
    // Step back over the ")" so that the caret stands between the
    // parentheses. Done here, synchronously: an injected arrow key would
    // reach whatever window has the focus when it is processed, and would
    // leave the key down in the system's key state.
    if (!strText.empty() && strText.back() == ')') {
        DWORD dwEnd = 0;
        SendMessageW(hExpression, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&dwEnd));
        if (dwEnd > 0) SendMessageW(hExpression, EM_SETSEL, dwEnd - 1, dwEnd - 1);
    }
}
