// The names of the fixed tab group file, read by TabGrpFile.cpp:
//
//   <TABGROUPS>                                   any name
//     <GROUP ID="3" NAME="...">
//       <ITEM TRCODE="8000"/>
//     </GROUP>
//   </TABGROUPS>
#pragma once

#include "services/XMLGrammar.h"

namespace orv::tabgroup {

enum class TabGrpElement { Group };
inline constexpr orv::xml::Name<TabGrpElement> kTabGrpElements[] = {{"GROUP", TabGrpElement::Group}};

enum class TabGrpGroupAttr { Id, Name };
inline constexpr orv::xml::Name<TabGrpGroupAttr> kTabGrpGroupAttrs[] = {
    {"ID", TabGrpGroupAttr::Id},
    {"NAME", TabGrpGroupAttr::Name},
};

enum class TabGrpMember { Item };
inline constexpr orv::xml::Name<TabGrpMember> kTabGrpMembers[] = {{"ITEM", TabGrpMember::Item}};

enum class TabGrpItemAttr { TrCode };
inline constexpr orv::xml::Name<TabGrpItemAttr> kTabGrpItemAttrs[] = {{"TRCODE", TabGrpItemAttr::TrCode}};

}  // namespace orv::tabgroup
