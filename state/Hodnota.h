#pragma once

// One value of the calculator state. It is empty until first assigned and a
// number afterwards; Objem2 and Objem12 can also hold empty text (a steam
// calculation of the other flow case), which, like empty, shows as nothing.
class Hodnota
{
public:
    enum class Druh { Prazdna, Cislo, PrazdnyText };

    constexpr Hodnota() = default;
    constexpr Hodnota(double cislo) : druh_(Druh::Cislo), cislo_(cislo) {}

    static constexpr Hodnota PrazdnyText()
    {
        Hodnota h;
        h.druh_ = Druh::PrazdnyText;
        return h;
    }

    constexpr Druh druh() const { return druh_; }
    constexpr bool jeCislo() const { return druh_ == Druh::Cislo; }

    // The number; only meaningful when jeCislo().
    constexpr double operator*() const { return cislo_; }

    // Bit-exact on numbers (no tolerance), so tests can compare with ==.
    friend constexpr bool operator==(const Hodnota &a, const Hodnota &b)
    {
        return a.druh_ == b.druh_ && (a.druh_ != Druh::Cislo || a.cislo_ == b.cislo_);
    }

private:
    Druh druh_ = Druh::Prazdna;
    double cislo_ = 0.0;
};
