// Conversion between window text (UTF-16) and the engine's narrow text
// (code page 936). The process locale is never touched.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// std::nullopt when the text holds a character that code page 936 cannot
// represent: such a text has no narrow form.
std::optional<std::string> WideToNarrow(std::wstring_view wstrText);

std::wstring NarrowToWide(std::string_view strText);
