#include "text_convert.h"

#include <windows.h>

namespace {
const UINT kEngineCodePage = 936;
}

std::optional<std::string> WideToNarrow(std::wstring_view wstrText) {
    if (wstrText.empty()) return std::string();
    const int nWide = static_cast<int>(wstrText.size());
    // No best-fit mapping: a character the code page lacks must be detected,
    // not replaced by a look-alike that the engine might accept.
    BOOL bUsedDefault = FALSE;
    int nBytes = WideCharToMultiByte(kEngineCodePage, WC_NO_BEST_FIT_CHARS, wstrText.data(), nWide,
                                     nullptr, 0, nullptr, &bUsedDefault);
    if (nBytes <= 0 || bUsedDefault) return std::nullopt;
    std::string strNarrow(static_cast<size_t>(nBytes), '\0');
    WideCharToMultiByte(kEngineCodePage, WC_NO_BEST_FIT_CHARS, wstrText.data(), nWide,
                        strNarrow.data(), nBytes, nullptr, &bUsedDefault);
    if (bUsedDefault) return std::nullopt;
    return strNarrow;
}

std::wstring NarrowToWide(std::string_view strText) {
    if (strText.empty()) return std::wstring();
    const int nBytes = static_cast<int>(strText.size());
    int nWide = MultiByteToWideChar(kEngineCodePage, 0, strText.data(), nBytes, nullptr, 0);
    if (nWide <= 0) return std::wstring();
    std::wstring wstrWide(static_cast<size_t>(nWide), L'\0');
    MultiByteToWideChar(kEngineCodePage, 0, strText.data(), nBytes, wstrWide.data(), nWide);
    return wstrWide;
}
