#include "NaplnTabulku.h"

namespace {

// Absolute pressure (kPa) and specific volume of dry saturated steam (m3/kg):
// every 20 kPa from 100 to 500, every 50 kPa to 1700, every 100 kPa to 2000.
// Program data, taken as the decimals written here.
constexpr TabulkaSytePary::Radek Radky[TabulkaSytePary::PocetRadku] = {
    {100, 1.694},   {120, 1.428},  {140, 1.236},  {160, 1.091},  {180, 0.9771}, {200, 0.8853},
    {220, 0.8097},  {240, 0.7464}, {260, 0.6925}, {280, 0.646},  {300, 0.6056}, {320, 0.57},
    {340, 0.5385},  {360, 0.5104}, {380, 0.4851}, {400, 0.4623}, {420, 0.4416}, {440, 0.4227},
    {460, 0.4053},  {480, 0.3894}, {500, 0.3747}, {550, 0.3425}, {600, 0.3155}, {650, 0.2929},
    {700, 0.2727},  {750, 0.2555}, {800, 0.2403}, {850, 0.2288}, {900, 0.2148}, {950, 0.204},
    {1000, 0.1943}, {1050, 0.185}, {1100, 0.177}, {1150, 0.171}, {1200, 0.163}, {1250, 0.157},
    {1300, 0.151},  {1350, 0.148}, {1400, 0.141}, {1450, 0.136}, {1500, 0.132}, {1550, 0.128},
    {1600, 0.124},  {1650, 0.119}, {1700, 0.117}, {1800, 0.11},  {1900, 0.105}, {2000, 0.1},
};

} // namespace

void NaplnTabulku(TabulkaSytePary &tabulka)
{
    for (std::size_t k = 0; k < TabulkaSytePary::PocetRadku; ++k)
        tabulka.radky[k] = Radky[k];
}
