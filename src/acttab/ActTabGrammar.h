// The names of the action tab style file, read by ActTabStyleFile.cpp: one root element of any
// name holding a flat list of these elements, each with its value as text.
#pragma once

#include "services/XMLGrammar.h"

namespace orv::acttab {

enum class StyleElement { Use, Font, Icon, SelBackColor, SelForeColor, NorBackColor, NorForeColor };

inline constexpr orv::xml::Name<StyleElement> kStyleElements[] = {
    {"USE", StyleElement::Use},
    {"FONT", StyleElement::Font},
    {"ICON", StyleElement::Icon},
    {"SELBACKCOLOR", StyleElement::SelBackColor},
    {"SELFORECOLOR", StyleElement::SelForeColor},
    {"NORBACKCOLOR", StyleElement::NorBackColor},
    {"NORFORECOLOR", StyleElement::NorForeColor},
};

}  // namespace orv::acttab
