#include "Utf.h"

#include <cstdint>

namespace {

constexpr char32_t Nahradni = 0xFFFD;

void PridejUtf8(std::string &cil, char32_t z)
{
    if (z < 0x80) {
        cil += static_cast<char>(z);
    } else if (z < 0x800) {
        cil += static_cast<char>(0xC0 | (z >> 6));
        cil += static_cast<char>(0x80 | (z & 0x3F));
    } else if (z < 0x10000) {
        cil += static_cast<char>(0xE0 | (z >> 12));
        cil += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
        cil += static_cast<char>(0x80 | (z & 0x3F));
    } else {
        cil += static_cast<char>(0xF0 | (z >> 18));
        cil += static_cast<char>(0x80 | ((z >> 12) & 0x3F));
        cil += static_cast<char>(0x80 | ((z >> 6) & 0x3F));
        cil += static_cast<char>(0x80 | (z & 0x3F));
    }
}

void PridejUtf16(std::wstring &cil, char32_t z)
{
    if (z < 0x10000) {
        cil += static_cast<wchar_t>(z);
    } else {
        z -= 0x10000;
        cil += static_cast<wchar_t>(0xD800 + (z >> 10));
        cil += static_cast<wchar_t>(0xDC00 + (z & 0x3FF));
    }
}

} // namespace

std::wstring Utf16(std::string_view utf8)
{
    std::wstring cil;
    cil.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        // Length of the sequence and the least code point it may encode, so
        // that overlong forms are refused as well.
        const int delka = b < 0x80           ? 1
                          : (b >> 5) == 0x6  ? 2
                          : (b >> 4) == 0xE  ? 3
                          : (b >> 3) == 0x1E ? 4
                                             : 0;
        char32_t z = delka == 1   ? b
                     : delka == 2 ? (b & 0x1F)
                     : delka == 3 ? (b & 0x0F)
                                  : (b & 0x07);
        int k = 1;
        for (; delka > 1 && k < delka && i + k < utf8.size(); ++k) {
            const auto p = static_cast<unsigned char>(utf8[i + k]);
            if ((p & 0xC0) != 0x80)
                break;
            z = (z << 6) | (p & 0x3F);
        }
        constexpr char32_t Nejmensi[] = {0, 0, 0x80, 0x800, 0x10000};
        if (delka == 0 || k < delka || z < Nejmensi[delka] || z > 0x10FFFF ||
            (z >= 0xD800 && z < 0xE000)) {
            PridejUtf16(cil, Nahradni);
            i += delka == 0 ? 1 : static_cast<std::size_t>(k);
            continue;
        }
        PridejUtf16(cil, z);
        i += static_cast<std::size_t>(delka);
    }
    return cil;
}

std::string Utf8(std::wstring_view utf16)
{
    std::string cil;
    cil.reserve(utf16.size());
    for (std::size_t i = 0; i < utf16.size(); ++i) {
        const auto j = static_cast<char32_t>(static_cast<std::uint16_t>(utf16[i]));
        if (j >= 0xD800 && j < 0xDC00 && i + 1 < utf16.size()) {
            const auto d = static_cast<char32_t>(static_cast<std::uint16_t>(utf16[i + 1]));
            if (d >= 0xDC00 && d < 0xE000) {
                PridejUtf8(cil, 0x10000 + ((j - 0xD800) << 10) + (d - 0xDC00));
                ++i;
                continue;
            }
        }
        // A lone half of a surrogate pair.
        PridejUtf8(cil, j >= 0xD800 && j < 0xE000 ? Nahradni : j);
    }
    return cil;
}
