// How far apart two colours read, as the web's accessibility rules measure it: from 1 (the same)
// to 21 (black on white). Text wants 4.5 or more; shapes such as a drop-down triangle 3.
#pragma once

#include "orvmenu/OrvWinTypes.h"

namespace orv::test {

double ContrastRatio(orv::Color a, orv::Color b);

}  // namespace orv::test
