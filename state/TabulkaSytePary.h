#pragma once

#include <array>
#include <cstddef>

// Saturated-steam table: absolute pressure (kPa) and specific volume of dry
// saturated steam (m3/kg), ascending in pressure. Empty until NaplnTabulku
// fills it at start-up; read only by Interpolace afterwards.
struct TabulkaSytePary
{
    static constexpr std::size_t PocetRadku = 48;

    struct Radek
    {
        double tlak = 0.0;  // kPa absolute
        double objem = 0.0; // m3/kg

        friend bool operator==(const Radek &, const Radek &) = default;
    };

    std::array<Radek, PocetRadku> radky{};

    friend bool operator==(const TabulkaSytePary &, const TabulkaSytePary &) = default;
};
