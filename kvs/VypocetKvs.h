#pragma once

#include "Stav.h"

#include <string_view>

// The valve flow coefficient Kvs (m3/h) for the medium of the flags, with
// the specific volumes of the steam: Objem1 for every medium; for steam
// Objem2 (subcritical flow) or Objem12 (critical flow), the other one
// becoming empty text. Water and condensate leave Objem2 and Objem12 alone.
//
// textTPpary is the current text of the steam-pressure field: the lookup
// pressures are read from it afresh, while the branch test and the
// critical-flow formula use Ppary.
//
// Preconditions, kept by the compute command: Prutok set; DeltaP > 0;
// 0 < Suchost <= 1; 100 <= Ppary <= 2000; exactly one medium flag true; the
// table filled.
void VypocetKvs(Stav &s, std::string_view textTPpary);
