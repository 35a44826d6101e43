// The names of the user tab group file, read and written by UserTabGrpFile.cpp:
//
//   <TAPGRPROOT>                                  spelled TAP; any name when read
//     <TABGRP ID="1" NAME="..." TRCODE="group code">
//       <NODE>8000</NODE>
//     </TABGRP>
//   </TAPGRPROOT>
#pragma once

#include "services/XMLGrammar.h"

namespace orv::tabgroup {

inline constexpr std::string_view kUserTabGrpRoot = "TAPGRPROOT";

enum class UserTabGrpElement { Group };
inline constexpr orv::xml::Name<UserTabGrpElement> kUserTabGrpElements[] = {{"TABGRP", UserTabGrpElement::Group}};

enum class UserTabGrpAttr { Id, Name, GroupCode };
inline constexpr orv::xml::Name<UserTabGrpAttr> kUserTabGrpAttrs[] = {
    {"ID", UserTabGrpAttr::Id},
    {"NAME", UserTabGrpAttr::Name},
    {"TRCODE", UserTabGrpAttr::GroupCode},
};

enum class UserTabGrpMember { Node };
inline constexpr orv::xml::Name<UserTabGrpMember> kUserTabGrpMembers[] = {{"NODE", UserTabGrpMember::Node}};

}  // namespace orv::tabgroup
