// The front end's tables and text conversion, checked inside the process.
#include <gtest/gtest.h>

#include <set>

#include "builtins.h"
#include "control_registry.h"
#include "panel.h"
#include "text_convert.h"

namespace {

TEST(PanelLayout, SixtyOneControlsSixtyHintsFourGroups) {
    size_t nRegistered = 0, nHints = 0, nGroups = 0;
    for (const SControlRow& row : PanelLayout()) {
        if (row.eKind == EControl::GroupBox) {
            ++nGroups;
            EXPECT_EQ(RowHint(row), nullptr);
            continue;
        }
        ++nRegistered;
        if (RowHint(row) != nullptr) ++nHints;
    }
    EXPECT_EQ(nRegistered, 61u);
    EXPECT_EQ(RegisteredControlCount(), 61u);
    EXPECT_EQ(nHints, 60u) << "every control but the status bar";
    EXPECT_EQ(nGroups, 4u);
    EXPECT_EQ(PanelLayout().front().eKind, EControl::StatusBar);
}

TEST(PanelLayout, IdentifiersAreDrawnInTableOrder) {
    ASSERT_EQ(ControlIds.size(), 61u);
    for (size_t i = 0; i < ControlIds.size(); ++i) EXPECT_EQ(ControlIds[i], 201 + i);
    // The named identifiers land on the rows they name.
    struct { uint16_t nId; EAction eAction; } kNamed[] = {
        {IDC_EXPRESSION, EAction::CalculateOnEnter}, {IDC_CALCULATE, EAction::Calculate},
        {IDC_RESULT, EAction::None}, {IDC_CALCULATE2, EAction::Calculate},
        {IDC_CLEAR, EAction::Clear}, {IDC_BACKSPACE, EAction::Backspace}};
    std::vector<const SControlRow*> registered;
    for (const SControlRow& row : PanelLayout())
        if (row.eKind != EControl::GroupBox) registered.push_back(&row);
    for (const auto& named : kNamed)
        EXPECT_EQ(registered[named.nId - 201]->eAction, named.eAction) << named.nId;
    EXPECT_EQ(registered[IDC_STATUSBAR - 201]->eKind, EControl::StatusBar);
}

TEST(PanelLayout, FunctionButtonsAreTheEngineFunctionsOnceEach) {
    std::set<std::string> names;
    for (const SControlRow& row : PanelLayout()) {
        if (row.eAction != EAction::TypeCall) continue;
        const SBuiltinFunction* fn = FindBuiltin(row.szText);
        ASSERT_NE(fn, nullptr) << row.szText;
        EXPECT_TRUE(names.insert(row.szText).second) << row.szText << " twice";
        EXPECT_EQ(RowTypedText(row), std::string(row.szText) + "()");
        EXPECT_EQ(RowLabel(row), std::wstring(row.szText, row.szText + strlen(row.szText)));
        EXPECT_EQ(RowHint(row), reinterpret_cast<const wchar_t*>(fn->wszHint));
    }
    EXPECT_EQ(names.size(), BuiltinFunctions().size());
}

TEST(PanelLayout, EveryTypedTextCanStartALegalExpression) {
    SExprEngine engine;
    RegisterBuiltins(engine);
    for (const SControlRow& row : PanelLayout()) {
        if (row.eAction != EAction::Type && row.eAction != EAction::TypeCall) continue;
        std::string strText = RowTypedText(row);
        // A call or "()" gets an argument; an operator or point gets operands.
        if (strText.back() == ')') strText.insert(strText.size() - 1, "1");
        else if (strText == "." ) strText = "1.5";
        else if (strText.find_first_of("+-*/") == 0) strText = "6" + strText + "2";
        Evaluate(engine, strText + "=");
        EXPECT_FALSE(HasError(engine)) << strText;
    }
}

struct SConversion {
    const wchar_t* wszWide;
    const char* szNarrow;  // null: no code page 936 form
};

const SConversion kConversions[] = {
    {L"", ""},
    {L"sin(1)+2", "sin(1)+2"},
    {L"中文", "\xD6\xD0\xCE\xC4"},
    {L"\uFF11", "\xA3\xB1"},  // full-width digit one
    {L"\u00E9", "\xA8\xA6"},   // pinyin letters are in the code page
    {L"\u00C5", nullptr},       // no best-fit "A"
    {L"1+\u0E01", nullptr},
    {L"\U0001F600", nullptr},
};

TEST(TextConvert, CodePage936BothWays) {
    for (const SConversion& c : kConversions) {
        std::optional<std::string> strNarrow = WideToNarrow(c.wszWide);
        if (c.szNarrow == nullptr) {
            EXPECT_FALSE(strNarrow.has_value()) << "row " << (&c - kConversions);
            continue;
        }
        ASSERT_TRUE(strNarrow.has_value()) << "row " << (&c - kConversions);
        EXPECT_EQ(*strNarrow, c.szNarrow);
        EXPECT_EQ(NarrowToWide(*strNarrow), c.wszWide);
    }
}

}  // namespace
