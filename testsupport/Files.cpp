#include "testsupport/Files.h"

#include <cctype>

#include "services/File.h"
#include "services/XMLParser.h"

namespace orv::test {

bool ReadChildElements(const std::string& path, const std::string& element,
                       std::vector<std::map<std::string, std::string>>& out) {
    CXMLParser parser;
    if (parser.Open(path, 1) == 0) return false;
    for (CXMLNode n = parser.GetRoot().GetFirstChild(); n; n = n.GetNextSibling()) {
        if (!n.IsElement() || !n.NameIs(element)) continue;
        std::map<std::string, std::string> attributes;
        for (int i = 0; i < n.GetAttrCount(); ++i) {
            std::string name = n.GetAttrName(i);
            for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            attributes[name] = n.GetAttrValue(i);
        }
        out.push_back(std::move(attributes));
    }
    return true;
}

bool CopyFileAsSaved(const std::string& from, const std::string& target) {
    std::string bytes;
    CFile file;
    if (!orv::file::ReadAll(from, bytes, static_cast<std::size_t>(-1)) ||
        !file.Open(target, CFile::modeCreate | CFile::modeWrite)) {
        return false;
    }
    file.Write(bytes);
    return file.Close();
}

}  // namespace orv::test
