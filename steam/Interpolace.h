#pragma once

#include "Stav.h"

// Specific volume of dry saturated steam at the pressure s.Tlak (kPa abs),
// written to s.Objem: linear between the two table rows around Tlak; below
// the first and above the last row the end segment's line continues,
// unclamped. Reads Tlak and the table, writes Objem only. At every table
// pressure the result is that row's volume, bit for bit.
// Precondition: the table is filled and Tlak holds a number.
void Interpolace(Stav &s);
