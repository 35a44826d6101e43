// Files that no reader can read, for every component that loads a file: a reader must report
// each one the way its component reports an unreadable file, never crash, never hang, and the
// user's bytes must survive whatever the component writes afterwards. With two small checks on
// what a component wrote.
#pragma once

#include <string>
#include <vector>

#include "TestSupport.h"
#include "services/XMLParser.h"

namespace orv::test {

struct BadFile {
    const char* what;
    std::string bytes;
};

inline std::vector<BadFile> UnreadableXmlFiles(const std::string& root) {
    const std::string decl = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary.push_back(static_cast<char>((i * 7919) & 0xff));
    std::string deep;
    for (int i = 0; i < 100000; ++i) deep += "<" + root + ">";
    for (int i = 0; i < 100000; ++i) deep += "</" + root + ">";
    return {
        {"empty", ""},
        {"truncated", decl + "<" + root + "><NODE TRCODE=\"8000\""},
        {"entity expansion",
         decl + "<!DOCTYPE r [<!ENTITY a \"aaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">]><" +
             root + ">&b;</" + root + ">"},
        {"external entity",
         decl + "<!DOCTYPE r [<!ENTITY x SYSTEM \"file:///etc/passwd\">]><" + root + ">&x;</" +
             root + ">"},
        {"binary junk", binary},
        {"deep nesting", decl + deep},
        {"bad UTF-8", decl + "<" + root + "><NODE>\xff\xfe\x80</NODE></" + root + ">"},
        {"odd UTF-16", std::string("\xff\xfe<\0H", 5)},
    };
}

inline bool HasChildElement(const CXMLNode& node) {
    for (CXMLNode child = node.GetFirstChild(); child; child = child.GetNextSibling()) {
        if (child.IsElement()) return true;
    }
    return false;
}

// Whether some file in dir holds exactly bytes.
inline bool SomeFileHolds(const std::string& dir, const std::string& bytes) {
    for (const std::string& name : ListDir(dir)) {
        if (FileExists(dir + "/" + name) && ReadFile(dir + "/" + name) == bytes) return true;
    }
    return false;
}

}  // namespace orv::test
