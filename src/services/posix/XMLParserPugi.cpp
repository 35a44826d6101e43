// The XML reader on pugixml. pugixml neither reads DTDs nor expands entities of its own; a
// document type declaration is refused outright. pugixml is more lenient than the Windows
// reader in a few places (unknown entities, "]]>" in text); those documents are refused here
// too, so that both back ends read the same files the same way.
#include <pugixml.hpp>

#include <array>
#include <memory>
#include <string_view>

#include "services/CodePage.h"
#include "services/File.h"
#include "services/XMLParser.h"

namespace {

pugi::xml_node ToNode(void* handle) {
    // xml_node is a pointer to its node record and nothing else.
    return pugi::xml_node(static_cast<pugi::xml_node_struct*>(handle));
}

void* ToHandle(pugi::xml_node node) { return node.internal_object(); }

pugi::xml_attribute ToAttr(void* handle) { return pugi::xml_attribute(static_cast<pugi::xml_attribute_struct*>(handle)); }

// Attributes are a list in pugixml but are asked for by index, nearly always in order: the
// last answer is remembered so that a walk over all of them stays linear. Forgotten whenever a
// document goes, so a node at a reused address never finds another document's attribute.
// Plain pointers, so that the thread-local needs no initialisation check; initial-exec, so that
// reaching it costs no call: readers come here for every attribute.
struct LastAttr {
    void* node;
    int index;
    pugi::xml_attribute_struct* attr;
    void* countedNode;  // readers ask for the count at every step of their walk
    int count;
};
[[gnu::tls_model("initial-exec")]] thread_local LastAttr last{};

pugi::xml_attribute AttrAt(void* handle, int index) {
    if (handle == nullptr || index < 0) return {};
    pugi::xml_attribute a;
    int i = 0;
    if (last.node == handle && last.index >= 0 && last.index <= index) {
        a = pugi::xml_attribute(last.attr);
        i = last.index;
    } else {
        a = ToNode(handle).first_attribute();
    }
    for (; a && i < index; ++i) a = a.next_attribute();
    if (a) {
        last.node = handle;
        last.index = index;
        last.attr = a.internal_object();
    }
    return a;
}

// A zero-terminated name against an ASCII name, ignoring case, without measuring it first.
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsNoCaseZ(const char* z, std::string_view name) {
    for (const char c : name) {
        if (*z == '\0' || Lower(*z) != Lower(c)) return false;
        ++z;
    }
    return *z == '\0';
}

bool IsText(pugi::xml_node n) {
    return n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata;
}

bool IsBlank(const char* text) {
    for (; *text != '\0'; ++text) {
        if (*text != ' ' && *text != '\t' && *text != '\r' && *text != '\n') return false;
    }
    return true;
}

// What a reader sees of the document: elements, CDATA sections and text, where text that is
// only white space counts only as its element's sole child (comments and processing
// instructions count as siblings), so indentation is never seen.
bool IsSeen(pugi::xml_node n) {
    switch (n.type()) {
    case pugi::node_element:
    case pugi::node_cdata: return true;
    case pugi::node_pcdata: return !IsBlank(n.value()) || (!n.previous_sibling() && !n.next_sibling());
    default: return false;
    }
}

pugi::xml_node FirstSeen(pugi::xml_node n) {
    while (n && !IsSeen(n)) n = n.next_sibling();
    return n;
}

pugi::xml_node FirstElement(pugi::xml_node n) {
    while (n && n.type() != pugi::node_element) n = n.next_sibling();
    return n;
}

bool IsXmlChar(unsigned long cp) {
    return cp == 0x9 || cp == 0xa || cp == 0xd || (cp >= 0x20 && cp <= 0xd7ff) ||
           (cp >= 0xe000 && cp <= 0xfffd) || (cp >= 0x10000 && cp <= 0x10ffff);
}

// A reference at text[i] (just after '&'): one of the five predefined entities or a character
// reference to a character XML allows.
bool IsValidReference(std::string_view text, std::size_t i) {
    const auto semi = text.find(';', i);
    if (semi == std::string_view::npos || semi - i > 12) return false;
    const std::string_view ref = text.substr(i, semi - i);
    if (ref == "lt" || ref == "gt" || ref == "amp" || ref == "apos" || ref == "quot") return true;
    if (ref.size() < 2 || ref[0] != '#') return false;
    const bool hex = ref[1] == 'x';
    const std::string_view digits = ref.substr(hex ? 2 : 1);
    if (digits.empty()) return false;
    unsigned long cp = 0;
    for (const char c : digits) {
        int d;
        if (c >= '0' && c <= '9') d = c - '0';
        else if (hex && c >= 'a' && c <= 'f') d = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F') d = c - 'A' + 10;
        else return false;
        cp = cp * (hex ? 16 : 10) + static_cast<unsigned long>(d);
        if (cp > 0x10ffff) return false;
    }
    return IsXmlChar(cp);
}

// The bytes each state of StrictFault must look at; all others are skipped in a tight loop.
enum : unsigned char { kTextStop = 1, kTagStop = 2, kValueStop = 4 };
constexpr auto kStops = [] {
    std::array<unsigned char, 256> t{};
    for (const unsigned char c : {'<', '&', ']'}) t[c] |= kTextStop;
    for (const unsigned char c : {'"', '\'', '>'}) t[c] |= kTagStop;
    for (const unsigned char c : {'"', '\'', '&'}) t[c] |= kValueStop;
    return t;
}();

// Refuses what pugixml would let through but a conforming reader does not: references to
// entities that are not declared (no DTD is ever read, so only the predefined five exist) or
// to characters XML forbids, and "]]>" in text. Null when the text passes; else why not, with
// the offset of the fault in at.
const char* StrictFault(std::string_view text, std::size_t& at) {
    enum class State { Text, Tag, Value } state = State::Text;
    char quote = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char stop = state == State::Text ? kTextStop : state == State::Tag ? kTagStop : kValueStop;
        while (i < text.size() && (kStops[static_cast<unsigned char>(text[i])] & stop) == 0) ++i;
        if (i == text.size()) break;
        const char c = text[i];
        switch (state) {
        case State::Text:
            if (c == '<') {
                const std::string_view rest = text.substr(i);
                std::string_view end;
                if (rest.starts_with("<!--")) end = "-->";
                else if (rest.starts_with("<![CDATA[")) end = "]]>";
                else if (rest.starts_with("<?")) end = "?>";
                if (!end.empty()) {
                    const auto close = text.find(end, i + 2);
                    if (close == std::string_view::npos) return at = i, "a comment, CDATA section or declaration that never ends";
                    i = close + end.size() - 1;
                } else {
                    state = State::Tag;
                }
            } else if (c == '&') {
                if (!IsValidReference(text, i + 1)) return at = i, "a reference to an undeclared entity or a forbidden character";
            } else if (c == ']' && text.substr(i, 3) == "]]>") {
                return at = i, "\"]]>\" in text";
            }
            break;
        case State::Tag:
            if (c == '"' || c == '\'') {
                quote = c;
                state = State::Value;
            } else if (c == '>') {
                state = State::Text;
            }
            break;
        case State::Value:
            if (c == quote) state = State::Tag;
            else if (c == '&' && !IsValidReference(text, i + 1)) return at = i, "a reference to an undeclared entity or a forbidden character";
            break;
        }
    }
    return nullptr;
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
    return handle_ != nullptr && EqualsNoCaseZ(ToNode(handle_).name(), name);
}

std::string CXMLNode::GetText() const {
    if (handle_ == nullptr) return {};
    const pugi::xml_node self = ToNode(handle_);
    if (IsText(self)) return orv::cp950::FromUtf8(self.value());
    // Most elements hold one text and nothing else.
    if (const pugi::xml_node only = self.first_child(); only && !only.next_sibling() && IsText(only)) {
        return orv::cp950::FromUtf8(std::string_view(only.value()).substr(0, CXMLParser::kMaxTextBytes));
    }
    // Walk without recursion: documents may nest deeply.
    std::string utf8;
    pugi::xml_node n = self.first_child();
    while (n && utf8.size() < CXMLParser::kMaxTextBytes) {
        if (IsText(n) && IsSeen(n)) utf8 += n.value();
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
    return handle_ == nullptr ? CXMLNode() : CXMLNode(ToHandle(FirstSeen(ToNode(handle_).first_child())));
}

CXMLNode CXMLNode::GetNextSibling() const {
    return handle_ == nullptr ? CXMLNode() : CXMLNode(ToHandle(FirstSeen(ToNode(handle_).next_sibling())));
}

CXMLAttr CXMLNode::GetFirstAttr() const {
    return handle_ == nullptr ? CXMLAttr() : CXMLAttr(nullptr, ToNode(handle_).first_attribute().internal_object());
}

bool CXMLAttr::NameIs(std::string_view name) const { return handle_ != nullptr && EqualsNoCaseZ(ToAttr(handle_).name(), name); }

std::string_view CXMLAttr::GetAsciiName() const { return handle_ == nullptr ? std::string_view() : ToAttr(handle_).name(); }

std::string CXMLAttr::GetName() const {
    return handle_ == nullptr ? std::string() : orv::cp950::FromUtf8(ToAttr(handle_).name());
}

std::string CXMLAttr::GetValue() const {
    return handle_ == nullptr ? std::string() : orv::cp950::FromUtf8(ToAttr(handle_).value());
}

CXMLAttr CXMLAttr::GetNext() const {
    return handle_ == nullptr ? CXMLAttr() : CXMLAttr(nullptr, ToAttr(handle_).next_attribute().internal_object());
}

CXMLNode CXMLNode::GetFirstElement() const {
    return handle_ == nullptr ? CXMLNode() : CXMLNode(ToHandle(FirstElement(ToNode(handle_).first_child())));
}

CXMLNode CXMLNode::GetNextElement() const {
    return handle_ == nullptr ? CXMLNode() : CXMLNode(ToHandle(FirstElement(ToNode(handle_).next_sibling())));
}

int CXMLNode::GetAttrCount() const {
    if (handle_ == nullptr) return 0;
    if (last.countedNode == handle_) return last.count;
    int count = 0;
    for (pugi::xml_attribute a = ToNode(handle_).first_attribute(); a; a = a.next_attribute()) ++count;
    last.countedNode = handle_;
    last.count = count;
    return count;
}

std::string CXMLNode::GetAttrName(int index) const {
    const pugi::xml_attribute a = AttrAt(handle_, index);
    return a ? orv::cp950::FromUtf8(a.name()) : std::string();
}

bool CXMLNode::AttrNameIs(int index, std::string_view name) const {
    const pugi::xml_attribute a = AttrAt(handle_, index);
    return a && EqualsNoCaseZ(a.name(), name);
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

void CXMLParser::Close() {
    last = {};
    delete impl_;
    impl_ = nullptr;
}

int CXMLParser::Parse(std::string bytes, const std::function<bool(std::string&)>& original) {
    Close();
    error_ = {};
    auto impl = std::make_unique<Impl>();
    const auto fail = [&](std::size_t offset, std::string reason) {
        const orv::xml::TextPosition at = orv::xml::PositionOf(impl->text, offset);
        error_ = {at.line, at.column, std::move(reason)};
        return 0;
    };
    if (!orv::xml::ToUtf8Document(std::move(bytes), impl->text)) {
        return fail(impl->text.size(), "bytes that are not text in the file's encoding, or a character XML forbids");
    }
    // References and "]]>" need the careful walk through the text; most files have neither,
    // and two searches cost far less than the walk.
    std::size_t faultAt = 0;
    if (impl->text.find('&') != std::string::npos || impl->text.find("]]>") != std::string::npos) {
        if (const char* fault = StrictFault(impl->text, faultAt)) return fail(faultAt, fault);
    }
    // Found and placed now, before the parse rewrites the text; told once it is known to parse.
    orv::xml::MarkupFault markup = orv::xml::FindMarkupFault(impl->text, kMaxDepth);
    const orv::xml::TextPosition markupAt = markup ? orv::xml::PositionOf(impl->text, markup.offset) : orv::xml::TextPosition{};

    // Comments and processing instructions are kept so that IsSeen judges text against all its
    // siblings, as the Windows reader does. White space that is not an element's sole child is
    // never seen: pugixml drops it while parsing (parse_ws_pcdata_single), so indentation costs
    // no nodes.
    constexpr unsigned kFlags = pugi::parse_cdata | pugi::parse_escapes | pugi::parse_wconv_attribute |
                                pugi::parse_eol | pugi::parse_ws_pcdata_single | pugi::parse_comments |
                                pugi::parse_pi | pugi::parse_doctype;
    const pugi::xml_parse_result result =
        impl->doc.load_buffer_inplace(impl->text.data(), impl->text.size(), kFlags, pugi::encoding_utf8);
    // pugixml parsed the text in place: a fault it finds is placed in the text read again, or
    // told without a place when that cannot be read.
    const auto readAgain = [&] {
        std::string again;
        return original(again) && orv::xml::ToUtf8Document(std::move(again), impl->text);
    };
    if (!result) {
        if (!readAgain()) return error_ = {0, 0, result.description()}, 0;
        return fail(static_cast<std::size_t>(result.offset), result.description());
    }
    // pugixml also reads fragments; a document has exactly one element and no text outside it.
    // (Those faults are the document's as a whole: no position.)
    for (pugi::xml_node n = impl->doc.first_child(); n; n = n.next_sibling()) {
        if (n.type() == pugi::node_doctype) {
            // Refused, never read.
            constexpr char kDoctype[] = "a document type declaration";
            if (!readAgain()) return error_ = {0, 0, kDoctype}, 0;
            return fail(impl->text.find("<!DOCTYPE"), kDoctype);
        }
        if ((n.type() == pugi::node_pcdata && !IsBlank(n.value())) || n.type() == pugi::node_cdata) {
            return error_ = {0, 0, "text outside the document element"}, 0;
        }
        if (n.type() == pugi::node_element) {
            if (impl->root) return error_ = {0, 0, "a second document element"}, 0;
            impl->root = n;
        }
    }
    if (!impl->root) return error_ = {0, 0, "no document element"}, 0;
    if (markup) return error_ = {markupAt.line, markupAt.column, std::move(markup.reason)}, 0;
    impl_ = impl.release();
    return 1;
}

CXMLNode CXMLParser::GetRoot() const { return impl_ == nullptr ? CXMLNode() : CXMLNode(ToHandle(impl_->root)); }
