// The names of the colour table file (FormColor.xml in the data folder), read by FormColor.cpp
// and checked by orvhost check:
//
//   <FORMCOLOR>
//     <COLOR INDEX="52">255,255,255</COLOR>
//   </FORMCOLOR>
//
// Each COLOR sets the entry INDEX (0 to 63) to its text, "R,G,B" or "#RRGGBB". Entries the file
// does not name keep the light default.
#pragma once

#include <string_view>

#include "services/XMLGrammar.h"

namespace orv::formcolor {

inline constexpr std::string_view kTableRoot = "FORMCOLOR";

enum class TableElement { Color };

inline constexpr orv::xml::Name<TableElement> kTableElements[] = {
    {"COLOR", TableElement::Color},
};

enum class ColorAttr { Index };

inline constexpr orv::xml::Name<ColorAttr> kColorAttrs[] = {
    {"INDEX", ColorAttr::Index},
};

}  // namespace orv::formcolor
