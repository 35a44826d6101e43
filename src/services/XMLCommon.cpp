// What both XML back ends share: opening a document.
#include <new>
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
    // A file there is no memory for is reported as one that cannot be read: its reader then
    // keeps it aside rather than write over it.
    try {
        std::string bytes;
        if (!orv::file::ReadAll(path, bytes, kMaxFileBytes)) {
            Close();
            error_ = {0, 0, "the file cannot be read, or is larger than 256 MB"};
            return 0;
        }
        return Parse(std::move(bytes), [&path](std::string& again) { return orv::file::ReadAll(path, again, kMaxFileBytes); });
    } catch (const std::bad_alloc&) {
        Close();
        error_ = {};
        return 0;
    }
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
