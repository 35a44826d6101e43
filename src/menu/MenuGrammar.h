// The names of the menu definition file (the catalogue), read by MenuReader.cpp:
//
//   <ORVMENU>                                   any name
//     <NAME>catalogue name</NAME>               anywhere: names the catalogue
//     <NODE TYPE="FORM" DISP="Y" GRADE="3FFFFFFF" TRCODE="1001" FILE="F1001.frm">name</NODE>
//   </ORVMENU>
//
// NODE elements nest into submenus. The TYPE keywords are in MenuTypes.h.
#pragma once

#include <cstdint>

#include "services/XMLGrammar.h"

namespace orv::menu {

enum class MenuElement { Name, Node };

inline constexpr orv::xml::Name<MenuElement> kMenuElements[] = {
    {"NAME", MenuElement::Name},
    {"NODE", MenuElement::Node},
};

enum class MenuAttr { Disp, Multi, OpenCnt, Grade, Type, File, Icon, TrCode, Name, TabGroup, HitCount };

inline constexpr orv::xml::Name<MenuAttr> kMenuNodeAttrs[] = {
    {"DISP", MenuAttr::Disp},         {"MULTI", MenuAttr::Multi}, {"OPENCNT", MenuAttr::OpenCnt},
    {"GRADE", MenuAttr::Grade},       {"TYPE", MenuAttr::Type},   {"FILE", MenuAttr::File},
    {"ICON", MenuAttr::Icon},         {"TRCODE", MenuAttr::TrCode}, {"NAME", MenuAttr::Name},
    {"TABGROUP", MenuAttr::TabGroup}, {"HITCOUNT", MenuAttr::HitCount},
};

// Command identifiers: menu nodes are numbered from here by one counter for the process; the
// low 16 bits key the identifier lookup and are the Win32 command.
inline constexpr std::uint32_t kFirstMenuId = 7800;

}  // namespace orv::menu
