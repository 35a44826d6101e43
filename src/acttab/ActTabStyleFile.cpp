// The action tab style file: one root element of any name holding a flat list of elements, each
// with its value as text, for example
//
//   <ACTTAB>
//     <USE>Y</USE>
//     <FONT>Verdana,0,-12,400,0,0,0</FONT>
//     <SELBACKCOLOR>0,84,147</SELBACKCOLOR>
//   </ACTTAB>
//
// Element names match in any letter case; attributes are not read. An element may repeat: each
// one is applied, so the last wins. A value absent from the file keeps what it was before.
#include <string_view>

#include "acttab/ActTabImpl.h"
#include "services/XMLParser.h"

namespace {

enum class StyleElement { Use, Font, Icon, SelBackColor, SelForeColor, NorBackColor, NorForeColor };

struct StyleName {
    std::string_view name;
    StyleElement element;
};

constexpr StyleName kStyleNames[] = {
    {"USE", StyleElement::Use},
    {"FONT", StyleElement::Font},
    {"ICON", StyleElement::Icon},
    {"SELBACKCOLOR", StyleElement::SelBackColor},
    {"SELFORECOLOR", StyleElement::SelForeColor},
    {"NORBACKCOLOR", StyleElement::NorBackColor},
    {"NORFORECOLOR", StyleElement::NorForeColor},
};

const StyleName* FindStyleName(const CXMLNode& node) {
    if (!node.IsElement()) return nullptr;  // comments, text between elements
    for (const StyleName& entry : kStyleNames)
        if (node.NameIs(entry.name)) return &entry;
    return nullptr;
}

}  // namespace

void COrvActTabImpl::ApplyStyle(const CXMLNode& root) {
    for (CXMLNode child = root.GetFirstChild(); child; child = child.GetNextSibling()) {
        const StyleName* entry = FindStyleName(child);
        if (!entry) continue;
        const std::string text = child.GetText();
        // Malformed font or colour text keeps the value there was (CFormFont, CFormColor).
        switch (entry->element) {
        case StyleElement::Use:
            // Exactly "Y": the flag is not trimmed nor folded.
            useActTab = text == "Y" ? 1 : 0;
            break;
        case StyleElement::Font:
            formFont.fromString(text);
            break;
        case StyleElement::Icon:
            break;  // known, with nothing for the bar to apply
        case StyleElement::SelBackColor:
            selBackColor.fromString(text);
            break;
        case StyleElement::SelForeColor:
            selForeColor.fromString(text);
            break;
        case StyleElement::NorBackColor:
            norBackColor.fromString(text);
            break;
        case StyleElement::NorForeColor:
            norForeColor.fromString(text);
            break;
        }
    }
}
