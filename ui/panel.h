// The controls of the main window: one table, read by one loop.
#pragma once

#include <windows.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

enum class EControl : uint8_t { StatusBar, Edit, Button, GroupBox };

// What a control does besides showing its hint.
enum class EAction : uint8_t {
    None,
    CalculateOnEnter,  // Enter released in the expression box
    Calculate,
    Type,      // types szText
    TypeCall,  // a function button: types szText followed by "()"
    Clear,
    Backspace,
};

struct SControlRow {
    EControl eKind;
    const wchar_t* wszLabel;  // null for a function button: its label is the name
    int x, y, nWidth, nHeight;
    const wchar_t* wszHint;  // null for a function button: the engine's hint
    EAction eAction;
    const char* szText;  // the typed text, or the function's name
    DWORD dwStyle;       // edit boxes only
};

std::span<const SControlRow> PanelLayout();
size_t RegisteredControlCount();  // every row but the group boxes

// A row's label, hint and typed text, whether given or taken from the
// engine's function table.
std::wstring RowLabel(const SControlRow& row);
const wchar_t* RowHint(const SControlRow& row);
std::string RowTypedText(const SControlRow& row);

// Creates every control, in table order, and registers them.
void CreatePanel();

// Types a text into the expression box as keystrokes at the caret. After a
// text that ends in ")" the caret stands in front of that ")".
void TypeIntoExpression(std::string_view strText);
