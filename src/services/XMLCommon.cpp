// What both XML back ends share: opening a document.
#include <string>
#include <string_view>

#include "services/File.h"
#include "services/XMLParser.h"

// --- CXMLParser: what both back ends share ----------------------------------------------------

CXMLParser::CXMLParser() = default;
CXMLParser::~CXMLParser() { Close(); }

int CXMLParser::FindXMLFile(const std::string& path) { return orv::file::Exists(path) ? 1 : 0; }

int CXMLParser::Open(const std::string& path, int flags) {
    (void)flags;
    std::string bytes;
    if (!orv::file::ReadAll(path, bytes, kMaxFileBytes)) {
        Close();
        error_ = {0, 0, "the file cannot be read, or is larger than 256 MB"};
        return 0;
    }
    return Parse(std::move(bytes), [&path](std::string& again) { return orv::file::ReadAll(path, again, kMaxFileBytes); });
}

int CXMLParser::OpenBuffer(std::string_view bytes) {
    if (bytes.size() > kMaxFileBytes) {  // refused before it is copied
        Close();
        error_ = {0, 0, "larger than 256 MB"};
        return 0;
    }
    return Parse(std::string(bytes), [bytes](std::string& again) {
        again.assign(bytes);
        return true;
    });
}
