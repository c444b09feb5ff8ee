#include "Utf.h"

#include <windows.h>

#include <algorithm>
#include <climits>

// With no flags both conversions put U+FFFD for what is malformed.

std::wstring Utf16(std::string_view utf8)
{
    const int delka = static_cast<int>(std::min<std::size_t>(utf8.size(), INT_MAX));
    if (delka == 0)
        return {};
    std::wstring cil(
        static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), delka, nullptr, 0)),
        L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), delka, cil.data(), static_cast<int>(cil.size()));
    return cil;
}

std::string Utf8(std::wstring_view utf16)
{
    const int delka = static_cast<int>(std::min<std::size_t>(utf16.size(), INT_MAX));
    if (delka == 0)
        return {};
    std::string cil(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, utf16.data(), delka,
                                                                 nullptr, 0, nullptr, nullptr)),
                    '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), delka, cil.data(), static_cast<int>(cil.size()),
                        nullptr, nullptr);
    return cil;
}
