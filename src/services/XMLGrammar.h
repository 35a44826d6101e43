// The names a file format's reader matches, one table per list, so that the reader and anything
// that checks a file (orvhost check) know the same names. A name is matched without regard to
// ASCII letter case, as every reader of the terminal's files matches names.
#pragma once

#include <cstddef>
#include <string_view>

#include "services/XMLParser.h"

namespace orv::xml {

template <typename Key>
struct Name {
    std::string_view name;
    Key key;
};

// The entry for an element, or null for another element or a node that is not one.
template <typename Key, std::size_t N>
const Name<Key>* FindElement(const CXMLNode& node, const Name<Key> (&table)[N]) {
    if (!node.IsElement()) return nullptr;
    for (const Name<Key>& entry : table) {
        if (node.NameIs(entry.name)) return &entry;
    }
    return nullptr;
}

// The entry for the element's attribute at index, or null when the reader ignores it.
template <typename Key, std::size_t N>
const Name<Key>* FindAttr(const CXMLNode& node, int index, const Name<Key> (&table)[N]) {
    for (const Name<Key>& entry : table) {
        if (node.AttrNameIs(index, entry.name)) return &entry;
    }
    return nullptr;
}

// Calls read(key, attr) for each of the element's attributes that the table names, in
// document order; the others are not read.
template <typename Key, std::size_t N, typename Read>
void ReadAttrs(const CXMLNode& node, const Name<Key> (&table)[N], Read&& read) {
    for (CXMLAttr attr = node.GetFirstAttr(); attr; attr = attr.GetNext()) {
        // The name is fetched once and compared here: a table may hold a dozen names.
        const std::string_view name = attr.GetAsciiName();
        for (const Name<Key>& entry : table) {
            if (EqualsNoCase(name, entry.name)) {
                read(entry.key, attr);
                break;
            }
        }
    }
}

}  // namespace orv::xml
