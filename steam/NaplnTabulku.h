#pragma once

#include "TabulkaSytePary.h"

// Fills the saturated-steam table with its 48 fixed rows, in ascending order
// of pressure. Calling it again writes the same values.
void NaplnTabulku(TabulkaSytePary &tabulka);
