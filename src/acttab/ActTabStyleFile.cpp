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
#include "acttab/ActTabGrammar.h"
#include "acttab/ActTabImpl.h"
#include "services/XMLParser.h"

using orv::acttab::StyleElement;

void COrvActTabImpl::ApplyStyle(const CXMLNode& root) {
    for (CXMLNode child = root.GetFirstElement(); child; child = child.GetNextElement()) {
        const auto* entry = orv::xml::FindElement(child, orv::acttab::kStyleElements);
        if (!entry) continue;
        const std::string text = child.GetText();
        // Malformed font or colour text keeps the value there was (CFormFont, CFormColor).
        switch (entry->key) {
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
