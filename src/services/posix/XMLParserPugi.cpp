// The XML reader on pugixml. pugixml neither reads DTDs nor expands entities of its own; a
// document type declaration is refused outright so that both back ends read the same files.
#include <pugixml.hpp>

#include <memory>

#include "services/CodePage.h"
#include "services/File.h"
#include "services/XMLParser.h"

namespace {

pugi::xml_node ToNode(void* handle) {
    // xml_node is a pointer to its node record and nothing else.
    return pugi::xml_node(static_cast<pugi::xml_node_struct*>(handle));
}

void* ToHandle(pugi::xml_node node) { return node.internal_object(); }

// Attributes are a list in pugixml but are asked for by index, nearly always in order: the
// last answer is remembered so that a walk over all of them stays linear. Forgotten whenever a
// document goes, so a node at a reused address never finds another document's attribute.
struct LastAttr {
    void* node = nullptr;
    int index = -1;
    pugi::xml_attribute attr;
};
thread_local LastAttr last;

pugi::xml_attribute AttrAt(void* handle, int index) {
    if (handle == nullptr || index < 0) return {};
    pugi::xml_attribute a;
    int i = 0;
    if (last.node == handle && last.index >= 0 && last.index <= index) {
        a = last.attr;
        i = last.index;
    } else {
        a = ToNode(handle).first_attribute();
    }
    for (; a && i < index; ++i) a = a.next_attribute();
    if (a) last = {handle, index, a};
    return a;
}

bool IsText(pugi::xml_node n) {
    return n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata;
}

// Whether elements nest deeper than limit (the document element is depth 1). Counted without
// recursion, stopping at the first element past the limit.
bool DeeperThan(pugi::xml_node root, int limit) {
    int depth = 1;
    pugi::xml_node n = root;
    for (;;) {
        if (const pugi::xml_node child = n.first_child()) {
            n = child;
            if (++depth > limit && n.type() == pugi::node_element) return true;
            continue;
        }
        while (n != root && !n.next_sibling()) {
            n = n.parent();
            --depth;
        }
        if (n == root) return false;
        n = n.next_sibling();
        if (depth > limit && n.type() == pugi::node_element) return true;
    }
}

}  // namespace

// --- CXMLNode ---------------------------------------------------------------------------------

CXMLNode::CXMLNode(void* handle) : handle_(handle) {}
CXMLNode::CXMLNode(const CXMLNode& other) = default;
CXMLNode& CXMLNode::operator=(const CXMLNode& other) = default;
CXMLNode::~CXMLNode() = default;

bool CXMLNode::IsElement() const { return handle_ != nullptr && ToNode(handle_).type() == pugi::node_element; }

std::string CXMLNode::GetName() const {
    return handle_ == nullptr ? std::string() : orv::cp950::FromUtf8(ToNode(handle_).name());
}

bool CXMLNode::NameIs(std::string_view name) const {
    return handle_ != nullptr && orv::xml::EqualsNoCase(ToNode(handle_).name(), name);
}

std::string CXMLNode::GetText() const {
    if (handle_ == nullptr) return {};
    const pugi::xml_node self = ToNode(handle_);
    if (IsText(self)) return orv::cp950::FromUtf8(self.value());
    // Whitespace-only text survives parsing only as an element's sole child, so every text
    // node below counts. Walk without recursion: documents may nest deeply.
    std::string utf8;
    pugi::xml_node n = self.first_child();
    while (n && utf8.size() < CXMLParser::kMaxTextBytes) {
        if (IsText(n)) utf8 += n.value();
        if (n.first_child()) {
            n = n.first_child();
            continue;
        }
        while (n && n != self && !n.next_sibling()) n = n.parent();
        if (!n || n == self) break;
        n = n.next_sibling();
    }
    if (utf8.size() > CXMLParser::kMaxTextBytes) utf8.resize(CXMLParser::kMaxTextBytes);
    return orv::cp950::FromUtf8(utf8);
}

CXMLNode CXMLNode::GetFirstChild() const {
    return handle_ == nullptr ? CXMLNode() : CXMLNode(ToHandle(ToNode(handle_).first_child()));
}

CXMLNode CXMLNode::GetNextSibling() const {
    return handle_ == nullptr ? CXMLNode() : CXMLNode(ToHandle(ToNode(handle_).next_sibling()));
}

int CXMLNode::GetAttrCount() const {
    int count = 0;
    if (handle_ != nullptr) {
        for (pugi::xml_attribute a = ToNode(handle_).first_attribute(); a; a = a.next_attribute()) ++count;
    }
    return count;
}

std::string CXMLNode::GetAttrName(int index) const {
    const pugi::xml_attribute a = AttrAt(handle_, index);
    return a ? orv::cp950::FromUtf8(a.name()) : std::string();
}

bool CXMLNode::AttrNameIs(int index, std::string_view name) const {
    const pugi::xml_attribute a = AttrAt(handle_, index);
    return a && orv::xml::EqualsNoCase(a.name(), name);
}

std::string CXMLNode::GetAttrValue(int index) const {
    const pugi::xml_attribute a = AttrAt(handle_, index);
    return a ? orv::cp950::FromUtf8(a.value()) : std::string();
}

// --- CXMLParser -------------------------------------------------------------------------------

struct CXMLParser::Impl {
    std::string text;  // the document as UTF-8, parsed in place
    pugi::xml_document doc;
    pugi::xml_node root;
};

CXMLParser::CXMLParser() = default;
CXMLParser::~CXMLParser() {
    last = {};
    delete impl_;
}

int CXMLParser::FindXMLFile(const std::string& path) { return orv::file::Exists(path) ? 1 : 0; }

int CXMLParser::Open(const std::string& path, int flags) {
    (void)flags;
    std::string bytes;
    if (!orv::file::ReadAll(path, bytes, kMaxFileBytes)) {
        last = {};
        delete impl_;
        impl_ = nullptr;
        return 0;
    }
    return OpenBuffer(bytes);
}

int CXMLParser::OpenBuffer(std::string_view bytes) {
    last = {};
    delete impl_;
    impl_ = nullptr;
    auto impl = std::make_unique<Impl>();
    if (!orv::xml::ToUtf8Document(bytes, impl->text)) return 0;

    constexpr unsigned kFlags = pugi::parse_cdata | pugi::parse_escapes | pugi::parse_wconv_attribute |
                                pugi::parse_eol | pugi::parse_ws_pcdata_single | pugi::parse_doctype;
    const pugi::xml_parse_result result =
        impl->doc.load_buffer_inplace(impl->text.data(), impl->text.size(), kFlags, pugi::encoding_utf8);
    if (!result) return 0;
    // pugixml also reads fragments; a document has exactly one element and no text outside it.
    for (pugi::xml_node n = impl->doc.first_child(); n; n = n.next_sibling()) {
        if (n.type() == pugi::node_doctype) return 0;  // DTDs are refused, never read
        if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata) return 0;
        if (n.type() == pugi::node_element) {
            if (impl->root) return 0;
            impl->root = n;
        }
    }
    if (!impl->root || DeeperThan(impl->root, kMaxDepth)) return 0;
    impl_ = impl.release();
    return 1;
}

CXMLNode CXMLParser::GetRoot() const { return impl_ == nullptr ? CXMLNode() : CXMLNode(ToHandle(impl_->root)); }
