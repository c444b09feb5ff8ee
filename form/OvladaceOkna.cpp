#include "OvladaceOkna.h"

using D = DruhOvladace;
using enum Vlastnost;

// clang-format off
const std::array<PopisOvladace, 47> Ovladace = {{
//   name         kind              container  caption or start text               left   top  width height tab  settings
    {"TKonec",    D::Tlacitko,      nullptr,   "Ukonči",                           8760, 6360, 1095,  615, 40, Zadna},
    {"Frame3",    D::Ramecek,       nullptr,   "Zadání",                           4080, 1680, 6135, 2775, 11, Zadna},
    {"TSuchost",  D::TextovePole,   "Frame3",  "1",                                 960, 1680, 1215,  285,  1, Skryty},
    {"TDeltaP",   D::TextovePole,   "Frame3",  "100",                              2400, 2280, 1695,  285, 23, Zadna},
    {"TZprutok",  D::TextovePole,   "Frame3",  "2",                                4080,  600, 1215,  285, 21, Skryty},
    {"TPpary",    D::TextovePole,   "Frame3",  "160",                               960, 1320, 1215,  285, 15, Skryty},
    {"TVykon",    D::TextovePole,   "Frame3",  "100",                               960,  600, 1215,  285, 14, Zadna},
    {"TDeltaT",   D::TextovePole,   "Frame3",  "20",                                960,  960, 1215,  285, 13, Zadna},
    {"LJSuchost", D::Popisek,       "Frame3",  "-",                                2280, 1680,  255,  255, 44, Skryty},
    {"LSuchost",  D::Popisek,       "Frame3",  "Suchost",                           120, 1680,  735,  255, 43, Skryty},
    {"Lvykon",    D::Popisek,       "Frame3",  "Výkon",                             120,  600,  615,  255, 28, Zadna},
    {"LJDeltaP",  D::Popisek,       "Frame3",  "kPa",                              4200, 2280,  495,  255, 25, Zadna},
    {"LDeltaP",   D::Popisek,       "Frame3",  "Tlaková ztráta na ventilu",         480, 2280, 1815,  255, 24, Zadna},
    {"LJZprutok", D::Popisek,       "Frame3",  "m3/h",                             5400,  600,  495,  255, 22, Skryty},
    {"LZprutok",  D::Popisek,       "Frame3",  "Objemový tok",                     2760,  600, 1095,  255, 20, Skryty},
    {"LJPpary",   D::Popisek,       "Frame3",  "kPa abs (max 2000)",               2280, 1320, 1455,  255, 19, Skryty},
    {"LJDeltaT",  D::Popisek,       "Frame3",  "°K",                               2280,  960,  240,  240, 18, Zadna},
    {"LJVykon",   D::Popisek,       "Frame3",  "kW",                               2280,  600,  330,  195, 17, Zadna},
    {"LPpary",    D::Popisek,       "Frame3",  "Tlak páry",                         120, 1320,  855,  255, 16, Skryty},
    {"LDeltaT",   D::Popisek,       "Frame3",  "Delta T",                           120,  960, 1155,  225, 12, Zadna},
    {"Frame2",    D::Ramecek,       nullptr,   "Médium",                           2520, 1680, 1455, 2775,  4, Zadna},
    {"TMedium3",  D::Prepinac,      "Frame2",  "Kondenzát",                         120,  960, 1215,  255,  7, Zadna},
    {"TMedium2",  D::Prepinac,      "Frame2",  "Pára",                              120,  600, 1275,  330,  6, Zadna},
    {"TMedium1",  D::Prepinac,      "Frame2",  "Voda",                              120,  240,  975,  375,  5, Vybrany},
    {"TPocitej",  D::Tlacitko,      nullptr,   "Spočítej",                         7320, 6360, 1095,  615,  2, Zadna},
    {"Frame1",    D::Ramecek,       nullptr,   "Způsob výpočtu",                   4080,  960, 6135,  615,  3, Zadna},
    {"TZpusob2",  D::Prepinac,      "Frame1",  "Průtok",                           4080,  240,  960,  240, 27, Zadna},
    {"TZpusob1",  D::Prepinac,      "Frame1",  "Výkon",                             960,  240,  855,  255, 26, Vybrany},
    {"LNadpis",   D::Popisek,       nullptr,   "Regulační ventily MZA, MZB, MZC",  4200,  480, 3855,  375, 42, Zadna},
    {"THlaska",   D::Popisek,       nullptr,   "",                                 3720, 6480, 3375,  375, 41, Zadna},
    {"Image2",    D::Obrazek,       nullptr,   ":/res/ventil.gif",                  240, 1200, 1830, 4170, -1, Zadna},
    {"Label1",    D::Popisek,       nullptr,   "m3/h",                            10080, 5400,  615,  375, 39, Zadna},
    {"Lkvs",      D::Popisek,       nullptr,   "Průtočný součinitel kvs",          7320, 4800, 2655,  375, 38, Zadna},
    {"LJObjem12", D::Popisek,       nullptr,   "m3/kg",                            6480, 6000,  615,  255, 37, Skryty},
    {"LJObjem2",  D::Popisek,       nullptr,   "m3/kg",                            6480, 5640,  495,  255, 36, Skryty},
    {"LJObjem1",  D::Popisek,       nullptr,   "m3/kg",                            6480, 5280,  495,  255, 35, Skryty},
    {"TObjem12",  D::VystupniPole,  nullptr,   "",                                 5040, 6000, 1215,  255, 34, Skryty},
    {"TObjem2",   D::VystupniPole,  nullptr,   "",                                 5040, 5640, 1215,  255, 33, Skryty},
    {"LObjem12",  D::Popisek,       nullptr,   "Měrný objem v12",                  3720, 6000, 1215,  255, 32, Skryty},
    {"LObjem2",   D::Popisek,       nullptr,   "Měrný objem v2",                   3720, 5640, 1215,  255, 31, Skryty},
    {"LObjem1",   D::Popisek,       nullptr,   "Měrný objem v1",                   3720, 5280, 1215,  255, 30, Skryty},
    {"TObjem1",   D::VystupniPole,  nullptr,   "",                                 5040, 5280, 1215,  255, 29, Skryty},
    {"LPrutok",   D::Popisek,       nullptr,   "Objemový tok",                     3840, 4800, 1215,  255, 10, Zadna},
    {"LJPrutok",  D::Popisek,       nullptr,   "m3/h",                             6480, 4800,  420,  195,  9, Zadna},
    {"TPrutok",   D::VystupniPole,  nullptr,   "",                                 5040, 4800, 1230,  285,  8, AzurovePozadi},
    {"Tkvs",      D::VystupniPole,  nullptr,   "",                                 7320, 5280, 2535,  495,  0, AzurovePozadi},
    {"Image1",    D::Obrazek,       nullptr,   ":/res/logo.gif",                    360,  120, 2670,  540, -1, Zadna},
}};

const std::array<PismoOvladace, 5> PismaOvladacu = {{
    {"LNadpis", 12.0, false},
    {"Lkvs",    12.0, false},
    {"Label1",  12.0, false},
    {"Tkvs",    13.5, false},
    {"THlaska", 13.5, true},
}};
// clang-format on

// In the order of Radek.
const std::array<RadekHodnoty, 11> RadkyHodnot = {{
    {"Lvykon", "TVykon", "LJVykon"},
    {"LDeltaT", "TDeltaT", "LJDeltaT"},
    {"LPpary", "TPpary", "LJPpary"},
    {"LSuchost", "TSuchost", "LJSuchost"},
    {"LZprutok", "TZprutok", "LJZprutok"},
    {"LDeltaP", "TDeltaP", "LJDeltaP"},
    {"LPrutok", "TPrutok", "LJPrutok"},
    {"LObjem1", "TObjem1", "LJObjem1"},
    {"LObjem2", "TObjem2", "LJObjem2"},
    {"LObjem12", "TObjem12", "LJObjem12"},
    {"Lkvs", "Tkvs", "Label1"},
}};
