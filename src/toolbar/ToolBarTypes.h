// The toolbar file's keywords: one table per list, read by the reader, written by the writer.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "orvmenu/OrvToolBar.h"
#include "services/XMLGrammar.h"

namespace orv::toolbar {

struct Keyword {
    std::string_view text;
    std::int32_t code;
};

// TYPE keywords. Codes 8 and 9 have none.
inline constexpr std::array<Keyword, 11> kTypeKeywords{{
    {"NORMAL", kOrvTbNormal},
    {"SEP", kOrvTbSep},
    {"TREDIT", kOrvTbTrEdit},
    {"GROUP", kOrvTbGroup},
    {"BUTTON", kOrvTbButton},
    {"GROUPBTN", kOrvTbGroupBtn},
    {"FOLDER", kOrvTbFolder},
    {"URLEDIT", kOrvTbUrlEdit},
    {"CODECOMBO", kOrvTbCodeCombo},
    {"USERINFO", kOrvTbUserInfo},
    {"CTIWINDOW", kOrvTbCtiWindow},
}};

// STYLE keywords. The plain button (0) is the default and is never written.
inline constexpr std::array<Keyword, 5> kStyleKeywords{{
    {"BUTTON", kOrvTbStyleButton},
    {"SEP", kOrvTbStyleSep},
    {"CHECK", kOrvTbStyleCheck},
    {"GROUP", kOrvTbStyleGroup},
    {"CHECKGROUP", kOrvTbStyleCheckGroup},
}};

// Elements of a toolbar element or of a NODE, and attributes of a NODE.
enum class ToolBarElement { MinSize, Break, ContextMenu, Name, Node };
inline constexpr orv::xml::Name<ToolBarElement> kToolBarElements[] = {
    {"MINSIZE", ToolBarElement::MinSize},
    {"BREAK", ToolBarElement::Break},
    {"CONTEXTMENU", ToolBarElement::ContextMenu},
    {"NAME", ToolBarElement::Name},
    {"NODE", ToolBarElement::Node},
};

enum class ToolBarAttr { TrCode, Name, Type, Style, Icon, Prop, Value, ToolTip, LastAct };
inline constexpr orv::xml::Name<ToolBarAttr> kToolBarAttrs[] = {
    {"TRCODE", ToolBarAttr::TrCode},
    {"NAME", ToolBarAttr::Name},
    {"TYPE", ToolBarAttr::Type},
    {"STYLE", ToolBarAttr::Style},
    {"ICON", ToolBarAttr::Icon},
    {"PROP", ToolBarAttr::Prop},
    {"VALUE", ToolBarAttr::Value},
    {"TOOLTIP", ToolBarAttr::ToolTip},
    {"LASTACT", ToolBarAttr::LastAct},
};

// The element of the default definition that holds the toolbar, and the values that switch
// CONTEXTMENU and LASTACT on (anything else leaves them as they were).
inline constexpr std::string_view kToolBarElement = "TOOLBAR";
inline constexpr std::string_view kOn = "ON";

// The default definition whose TOOLBAR element seeds a user's first toolbar file.
inline constexpr std::string_view kDefaultFile = "OrvUIInit.xml";

// The code of a keyword (letter case ignored); false when the list has no such keyword.
template <std::size_t N>
bool CodeOf(const std::array<Keyword, N>& list, std::string_view text, std::int32_t& code);

// The keyword of a code, or "" when the list has none.
template <std::size_t N>
std::string_view KeywordOf(const std::array<Keyword, N>& list, std::int32_t code) {
    for (const auto& k : list) {
        if (k.code == code) return k.text;
    }
    return {};
}

}  // namespace orv::toolbar

#include "services/XMLParser.h"

template <std::size_t N>
bool orv::toolbar::CodeOf(const std::array<Keyword, N>& list, std::string_view text,
                          std::int32_t& code) {
    for (const auto& k : list) {
        if (orv::xml::EqualsNoCase(text, k.text)) {
            code = k.code;
            return true;
        }
    }
    return false;
}
