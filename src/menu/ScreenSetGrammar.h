// The names of the screen settings file (UserDef/Screen_Set.xml), read by ScreenSet.cpp:
//
//   <USRDEFDATA>
//     <TRCOE1><ITEM>8000</ITEM><ITEM>1001</ITEM></TRCOE1>      TR codes (spelled so)
//     <OPENCNT><ITEM>128</ITEM><ITEM>57</ITEM></OPENCNT>       counts, paired by position
//   </USRDEFDATA>
#pragma once

#include "services/XMLGrammar.h"

namespace orv::menu {

inline constexpr std::string_view kScreenSetRoot = "USRDEFDATA";

enum class ScreenSetList { Codes, Counts };

inline constexpr orv::xml::Name<ScreenSetList> kScreenSetLists[] = {
    {"TRCOE1", ScreenSetList::Codes},
    {"OPENCNT", ScreenSetList::Counts},
};

enum class ScreenSetEntry { Item };

inline constexpr orv::xml::Name<ScreenSetEntry> kScreenSetItems[] = {{"ITEM", ScreenSetEntry::Item}};

}  // namespace orv::menu
