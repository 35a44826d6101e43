// The names of the hot-key file, read and written by HotKeyFile.cpp:
//
//   <HOTKEY>                                             any name when read
//     <NODE TRCODE="8000" KEYCODE="112" MOD="C">text</NODE>
//   </HOTKEY>
#pragma once

#include "services/XMLGrammar.h"

namespace orv::hotkey {

inline constexpr std::string_view kHotKeyRoot = "HOTKEY";

enum class HotKeyElement { Node };

inline constexpr orv::xml::Name<HotKeyElement> kHotKeyElements[] = {{"NODE", HotKeyElement::Node}};

enum class HotKeyAttr { TrCode, KeyCode, Mod };

inline constexpr orv::xml::Name<HotKeyAttr> kHotKeyAttrs[] = {
    {"TRCODE", HotKeyAttr::TrCode},
    {"KEYCODE", HotKeyAttr::KeyCode},
    {"MOD", HotKeyAttr::Mod},
};

// MOD values, compared without regard to case; anything else means no modifier.
inline constexpr std::string_view kModCtrl = "C";
inline constexpr std::string_view kModShift = "S";

}  // namespace orv::hotkey
