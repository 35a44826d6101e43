// The XML reader on the MSXML DOM. The file's bytes are read and decoded here, as on every
// platform, so size limits and encodings behave the same; MSXML parses the text as UTF-8 with
// DTDs prohibited and nothing resolved. Texts and the children a caller sees follow the rule of
// XMLParser.h (whitespace-only text only as an element's sole child; no comments or processing
// instructions), which MSXML itself has no setting for.
#include <msxml2.h>
#include <oleauto.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "services/CodePage.h"
#include "services/File.h"
#include "services/XMLParser.h"
#include "services/win32/Win32.h"

namespace {

// {2933BF95-7B36-11D2-B20E-00C04F983E60}
constexpr IID kIidXmlDomDocument2 = {
    0x2933bf95, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};

// An owned interface pointer.
template <typename T>
class Ref {
public:
    Ref() = default;
    explicit Ref(T* p) : p_(p) {}
    Ref(const Ref&) = delete;
    Ref& operator=(const Ref&) = delete;
    Ref(Ref&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    Ref& operator=(Ref&& other) noexcept {
        std::swap(p_, other.p_);
        return *this;
    }
    ~Ref() {
        if (p_ != nullptr) p_->Release();
    }
    T* get() const { return p_; }
    T* operator->() const { return p_; }
    T** put() {
        if (p_ != nullptr) p_->Release();
        p_ = nullptr;
        return &p_;
    }
    T* release() { return std::exchange(p_, nullptr); }
    explicit operator bool() const { return p_ != nullptr; }

private:
    T* p_ = nullptr;
};

// An owned BSTR.
class Bstr {
public:
    Bstr() = default;
    explicit Bstr(const std::wstring& text)
        : s_(::SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    Bstr(Bstr&& other) noexcept : s_(std::exchange(other.s_, nullptr)) {}
    Bstr& operator=(Bstr&& other) noexcept {
        std::swap(s_, other.s_);
        return *this;
    }
    ~Bstr() { ::SysFreeString(s_); }
    BSTR get() const { return s_; }
    BSTR* put() {
        ::SysFreeString(s_);
        s_ = nullptr;
        return &s_;
    }
    std::wstring_view view() const { return s_ == nullptr ? std::wstring_view() : std::wstring_view(s_, ::SysStringLen(s_)); }

private:
    BSTR s_ = nullptr;
};

// COM stays initialised on a thread that used the reader: nodes may be released after their
// parser, and a host's user-interface thread has its apartment for its whole life anyway.
bool EnsureCom() {
    thread_local const bool ready = [] {
        const HRESULT hr = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        // RPC_E_CHANGED_MODE: the thread already lives in the multithreaded apartment; MSXML
        // works there too.
        return SUCCEEDED(hr) || hr == RPC_E_CHANGED_MODE;
    }();
    return ready;
}

// What a CXMLNode holds: the DOM node and, once asked for, its attributes. Copies of a node
// share the record, so a caller reading attributes by index walks the DOM's list once.
// The strings are kept as MSXML gave them, never copied.
struct Attr {
    Bstr name;
    Bstr value;
    std::string asciiName;  // the name when it is ASCII, which is all a grammar's names are
};

// Each COM call costs far more than the memory, so what a reader asks of a node more than once
// (its type, its name) is kept too.
struct NodeRecord {
    long refs = 1;
    IXMLDOMNode* node = nullptr;  // one reference, released with the record
    DOMNodeType type = NODE_INVALID;
    bool textOnly = false;  // found to hold one text and nothing else, so no child element
    bool nameRead = false;
    std::wstring name;
    bool attrsRead = false;
    std::vector<Attr> attrs;
};

Attr& ToAttr(void* handle) { return *static_cast<Attr*>(handle); }

NodeRecord* ToRecord(void* handle) { return static_cast<NodeRecord*>(handle); }
IXMLDOMNode* ToNode(void* handle) { return handle == nullptr ? nullptr : ToRecord(handle)->node; }

void* NewRecord(IXMLDOMNode* node, DOMNodeType type) {
    if (node == nullptr) return nullptr;
    auto* record = new NodeRecord;
    record->node = node;
    record->type = type;
    return record;
}

void Retain(void* handle) {
    if (handle != nullptr) ++ToRecord(handle)->refs;
}

void Drop(void* handle) {
    NodeRecord* record = ToRecord(handle);
    if (record != nullptr && --record->refs == 0) {
        record->node->Release();
        delete record;
    }
}

DOMNodeType TypeOf(IXMLDOMNode* node) {
    DOMNodeType type = NODE_INVALID;
    if (node == nullptr || FAILED(node->get_nodeType(&type))) return NODE_INVALID;
    return type;
}

// The node's value as MSXML allocated it; null when it has none.
Bstr ValueOf(IXMLDOMNode* node) {
    VARIANT value;
    ::VariantInit(&value);
    Bstr text;
    if (SUCCEEDED(node->get_nodeValue(&value)) && value.vt == VT_BSTR) {
        *text.put() = value.bstrVal;  // taken over: the variant is not cleared
        return text;
    }
    ::VariantClear(&value);
    return text;
}

Bstr NameOf(IXMLDOMNode* node) {
    Bstr name;
    if (FAILED(node->get_nodeName(name.put()))) return {};
    return name;
}

bool IsXmlSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

bool IsBlank(std::wstring_view text) {
    for (const wchar_t c : text) {
        if (!IsXmlSpace(c)) return false;
    }
    return true;
}

Ref<IXMLDOMNode> Next(IXMLDOMNode* node) {
    Ref<IXMLDOMNode> next;
    if (FAILED(node->get_nextSibling(next.put()))) return {};
    return next;
}

Ref<IXMLDOMNode> First(IXMLDOMNode* node) {
    Ref<IXMLDOMNode> child;
    if (FAILED(node->get_firstChild(child.put()))) return {};
    return child;
}

// Whether a caller sees this node: elements, CDATA sections, and text that is not just
// white space or is its element's sole child. Comments, processing instructions and
// indentation are not part of the document the library reads.
// A node reached from its previous sibling is known to have one, which spares asking.
bool IsSeen(IXMLDOMNode* node, DOMNodeType type, bool hasPrevious = false) {
    switch (type) {
    case NODE_ELEMENT:
    case NODE_CDATA_SECTION:
        return true;
    case NODE_TEXT: {
        if (!IsBlank(ValueOf(node).view())) return true;
        if (hasPrevious) return false;
        Ref<IXMLDOMNode> sibling;
        if (SUCCEEDED(node->get_previousSibling(sibling.put())) && sibling) return false;
        return !Next(node);
    }
    default:
        return false;
    }
}

// The first node from node on that a caller sees, wrapped with the type found on the way.
// hasPrevious: node was reached as a next sibling.
CXMLNode WrapFirstSeen(Ref<IXMLDOMNode> node, bool hasPrevious) {
    for (; node; node = Next(node.get()), hasPrevious = true) {
        const DOMNodeType type = TypeOf(node.get());
        if (IsSeen(node.get(), type, hasPrevious)) return CXMLNode(NewRecord(node.release(), type));
    }
    return {};
}

// The first element from node on; the nodes before it are only asked their type.
CXMLNode WrapFirstElement(Ref<IXMLDOMNode> node) {
    for (; node; node = Next(node.get())) {
        if (TypeOf(node.get()) == NODE_ELEMENT) return CXMLNode(NewRecord(node.release(), NODE_ELEMENT));
    }
    return {};
}

DOMNodeType TypeOfRecord(void* handle) { return handle == nullptr ? NODE_INVALID : ToRecord(handle)->type; }

const std::wstring& NameOfRecord(void* handle) {
    NodeRecord* record = ToRecord(handle);
    if (!record->nameRead) {
        record->name = std::wstring(NameOf(record->node).view());
        record->nameRead = true;
    }
    return record->name;
}

// The element's attributes in document order, read once per element through the attribute
// map's get_length and get_item. Real MSXML answers get_item at once; Wine's walks the list
// from the start for each index, so an element with a great many attributes is read through
// one XPath selection instead, which is linear everywhere, and the map is walked by index only
// when that selection misses some (namespace declarations are no attributes to XPath).
const std::vector<Attr>& AttrsOf(void* handle) {
    static const std::vector<Attr> none;
    NodeRecord* record = ToRecord(handle);
    if (record == nullptr) return none;
    if (record->attrsRead) return record->attrs;
    record->attrsRead = true;
    if (record->type != NODE_ELEMENT) return record->attrs;

    Ref<IXMLDOMNamedNodeMap> map;
    long count = 0;
    if (FAILED(record->node->get_attributes(map.put())) || !map || FAILED(map->get_length(&count)) ||
        count <= 0) {
        return record->attrs;
    }
    const auto add = [record](IXMLDOMNode* attr) {
        Attr read{NameOf(attr), ValueOf(attr), {}};
        const std::wstring_view name = read.name.view();
        if (std::all_of(name.begin(), name.end(), [](wchar_t c) { return c < 0x80; })) {
            read.asciiName.assign(name.begin(), name.end());
        }
        record->attrs.push_back(std::move(read));
    };
    const auto byIndex = [&] {
        record->attrs.reserve(static_cast<std::size_t>(count));
        for (long i = 0; i < count; ++i) {
            Ref<IXMLDOMNode> attr;
            if (FAILED(map->get_item(i, attr.put())) || !attr) break;
            add(attr.get());
        }
    };
    constexpr long kMapItems = 32;  // a real element's attributes, with room to spare
    if (count <= kMapItems) {
        byIndex();
        return record->attrs;
    }
    Ref<IXMLDOMNodeList> selected;
    long selectedCount = 0;
    const Bstr all{std::wstring(L"@*")};
    if (SUCCEEDED(record->node->selectNodes(all.get(), selected.put())) && selected &&
        SUCCEEDED(selected->get_length(&selectedCount)) && selectedCount == count) {
        record->attrs.reserve(static_cast<std::size_t>(count));
        for (Ref<IXMLDOMNode> attr; SUCCEEDED(selected->nextNode(attr.put())) && attr;) add(attr.get());
        if (static_cast<long>(record->attrs.size()) == count) return record->attrs;
        record->attrs.clear();
    }
    byIndex();
    return record->attrs;
}

const Attr* AttrAt(void* handle, int index) {
    const auto& attrs = AttrsOf(handle);
    if (index < 0 || static_cast<std::size_t>(index) >= attrs.size()) return nullptr;
    return &attrs[static_cast<std::size_t>(index)];
}

bool AsciiEqualsNoCase(std::wstring_view own, std::string_view name) {
    if (own.size() != name.size()) return false;
    const auto lower = [](unsigned c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; };
    for (std::size_t i = 0; i < own.size(); ++i) {
        if (lower(static_cast<unsigned>(own[i])) != lower(static_cast<unsigned char>(name[i]))) return false;
    }
    return true;
}

void AppendUtf8(std::string& out, std::wstring_view text) {
    if (text.empty() || text.size() > 0x7fffffff) return;
    const int size = static_cast<int>(text.size());
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return;
    const std::size_t at = out.size();
    out.resize(at + static_cast<std::size_t>(n));
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), size, out.data() + at, n, nullptr, nullptr);
}

// The decoded text without its XML declaration: the declaration names the encoding the file
// had, which no longer describes the UTF-8 that MSXML is given.
std::string_view WithoutDeclaration(std::string_view utf8) {
    if (utf8.size() < 6 || utf8.substr(0, 5) != "<?xml") return utf8;
    const char after = utf8[5];
    if (after != ' ' && after != '\t' && after != '\r' && after != '\n' && after != '?') return utf8;
    const auto end = utf8.find("?>");
    return end == std::string_view::npos ? utf8 : utf8.substr(end + 2);
}

Ref<IXMLDOMDocument2> NewDocument() {
    // MSXML 6 where present; 3 ships with every Windows this library runs on.
    for (const wchar_t* progId : {L"Msxml2.DOMDocument.6.0", L"Msxml2.DOMDocument.3.0"}) {
        CLSID clsid;
        if (FAILED(::CLSIDFromProgID(progId, &clsid))) continue;
        Ref<IXMLDOMDocument2> doc;
        if (SUCCEEDED(::CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, kIidXmlDomDocument2,
                                         reinterpret_cast<void**>(doc.put())))) {
            return doc;
        }
    }
    return {};
}

void SetProperty(IXMLDOMDocument2* doc, const wchar_t* name, VARIANT value) {
    const Bstr property{std::wstring(name)};
    // MSXML 3 lacks some of these; the checks after parsing stand in for them.
    doc->setProperty(property.get(), value);
}

VARIANT Bool(bool value) {
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_BOOL;
    v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

VARIANT Int(int value) {
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}

}  // namespace

// --- CXMLNode ---------------------------------------------------------------------------------

CXMLNode::CXMLNode(void* handle) : handle_(handle) {}

CXMLNode::CXMLNode(const CXMLNode& other) : handle_(other.handle_) { Retain(handle_); }

CXMLNode& CXMLNode::operator=(const CXMLNode& other) {
    Retain(other.handle_);
    Drop(handle_);
    handle_ = other.handle_;
    return *this;
}

CXMLNode::~CXMLNode() { Drop(handle_); }

bool CXMLNode::IsElement() const { return TypeOfRecord(handle_) == NODE_ELEMENT; }

std::string CXMLNode::GetName() const {
    if (!IsElement()) return {};
    return orv::win32::Narrow(NameOfRecord(handle_));
}

bool CXMLNode::NameIs(std::string_view name) const {
    return IsElement() && AsciiEqualsNoCase(NameOfRecord(handle_), name);
}

std::string CXMLNode::GetText() const {
    IXMLDOMNode* self = ToNode(handle_);
    const DOMNodeType type = TypeOfRecord(handle_);
    std::string utf8;
    if (type == NODE_TEXT || type == NODE_CDATA_SECTION) {
        AppendUtf8(utf8, ValueOf(self).view());
        return orv::cp950::FromUtf8(utf8);
    }
    if (type != NODE_ELEMENT) return {};
    // Most elements hold one text and nothing else: read it once.
    Ref<IXMLDOMNode> first = First(self);
    if (const DOMNodeType t = TypeOf(first.get()); t == NODE_TEXT || t == NODE_CDATA_SECTION) {
        if (!Next(first.get())) {
            ToRecord(handle_)->textOnly = true;
            const Bstr value = ValueOf(first.get());
            const std::wstring_view text = value.view();
            // Straight into the code page when the text cannot pass the cap, which counts UTF-8
            // bytes (at most three a UTF-16 unit).
            if (text.size() <= CXMLParser::kMaxTextBytes / 3) return orv::win32::Narrow(text);
            AppendUtf8(utf8, text);
            if (utf8.size() > CXMLParser::kMaxTextBytes) utf8.resize(CXMLParser::kMaxTextBytes);
            return orv::cp950::FromUtf8(utf8);
        }
    }
    // Document order without recursion: documents may nest deeply.
    std::vector<Ref<IXMLDOMNode>> pending;  // next siblings still to visit, innermost last
    Ref<IXMLDOMNode> n = std::move(first);
    while (utf8.size() < CXMLParser::kMaxTextBytes) {
        if (!n) {
            if (pending.empty()) break;
            n = std::move(pending.back());
            pending.pop_back();
            continue;
        }
        const DOMNodeType t = TypeOf(n.get());
        if ((t == NODE_TEXT || t == NODE_CDATA_SECTION) && IsSeen(n.get(), t)) {
            AppendUtf8(utf8, ValueOf(n.get()).view());
        }
        Ref<IXMLDOMNode> child = t == NODE_ELEMENT ? First(n.get()) : Ref<IXMLDOMNode>();
        if (child) {
            pending.push_back(Next(n.get()));
            n = std::move(child);
        } else {
            n = Next(n.get());
        }
    }
    if (utf8.size() > CXMLParser::kMaxTextBytes) utf8.resize(CXMLParser::kMaxTextBytes);
    return orv::cp950::FromUtf8(utf8);
}

CXMLNode CXMLNode::GetFirstChild() const {
    if (handle_ == nullptr) return {};
    return WrapFirstSeen(First(ToNode(handle_)), false);
}

CXMLNode CXMLNode::GetNextSibling() const {
    if (handle_ == nullptr) return {};
    return WrapFirstSeen(Next(ToNode(handle_)), true);
}

CXMLNode CXMLNode::GetFirstElement() const {
    if (handle_ == nullptr || ToRecord(handle_)->textOnly) return {};
    return WrapFirstElement(First(ToNode(handle_)));
}

CXMLNode CXMLNode::GetNextElement() const {
    if (handle_ == nullptr) return {};
    return WrapFirstElement(Next(ToNode(handle_)));
}

// An attribute is its element's record and its place in the record's list; the record lives
// as long as the element's CXMLNode.
CXMLAttr CXMLNode::GetFirstAttr() const {
    if (AttrsOf(handle_).empty()) return {};
    return CXMLAttr(handle_, ToRecord(handle_)->attrs.data());
}

bool CXMLAttr::NameIs(std::string_view name) const { return handle_ != nullptr && AsciiEqualsNoCase(ToAttr(handle_).name.view(), name); }

std::string_view CXMLAttr::GetAsciiName() const { return handle_ == nullptr ? std::string_view() : ToAttr(handle_).asciiName; }

std::string CXMLAttr::GetName() const { return handle_ == nullptr ? std::string() : orv::win32::Narrow(ToAttr(handle_).name.view()); }

std::string CXMLAttr::GetValue() const { return handle_ == nullptr ? std::string() : orv::win32::Narrow(ToAttr(handle_).value.view()); }

CXMLAttr CXMLAttr::GetNext() const {
    if (handle_ == nullptr) return {};
    auto& attrs = ToRecord(owner_)->attrs;
    Attr* const next = &ToAttr(handle_) + 1;
    return next == attrs.data() + attrs.size() ? CXMLAttr() : CXMLAttr(owner_, next);
}

int CXMLNode::GetAttrCount() const { return static_cast<int>(AttrsOf(handle_).size()); }

std::string CXMLNode::GetAttrName(int index) const {
    const auto* attr = AttrAt(handle_, index);
    return attr != nullptr ? orv::win32::Narrow(attr->name.view()) : std::string();
}

bool CXMLNode::AttrNameIs(int index, std::string_view name) const {
    const auto* attr = AttrAt(handle_, index);
    return attr != nullptr && AsciiEqualsNoCase(attr->name.view(), name);
}

std::string CXMLNode::GetAttrValue(int index) const {
    const auto* attr = AttrAt(handle_, index);
    return attr != nullptr ? orv::win32::Narrow(attr->value.view()) : std::string();
}

// --- CXMLParser -------------------------------------------------------------------------------

struct CXMLParser::Impl {
    Ref<IXMLDOMDocument2> doc;
    CXMLNode root;  // one record for every caller, so its attributes are read once
};

void CXMLParser::Close() {
    delete impl_;
    impl_ = nullptr;
}

// MSXML is handed a copy of the text, which stays here for the position of any fault: the
// original bytes are never needed again.
int CXMLParser::Parse(std::string bytes, const std::function<bool(std::string&)>& original) {
    (void)original;
    Close();
    error_ = {};
    std::string utf8;
    if (!orv::xml::ToUtf8Document(std::move(bytes), utf8)) {
        const orv::xml::TextPosition at = orv::xml::PositionOf(utf8, utf8.size());
        error_ = {at.line, at.column, "bytes that are not text in the file's encoding, or a character XML forbids"};
        return 0;
    }
    if (!EnsureCom()) return error_ = {0, 0, "COM cannot be started"}, 0;

    auto impl = std::make_unique<Impl>();
    impl->doc = NewDocument();
    if (!impl->doc) return 0;
    IXMLDOMDocument2* doc = impl->doc.get();
    doc->put_async(VARIANT_FALSE);
    doc->put_validateOnParse(VARIANT_FALSE);
    doc->put_resolveExternals(VARIANT_FALSE);
    doc->put_preserveWhiteSpace(VARIANT_TRUE);
    SetProperty(doc, L"ProhibitDTD", Bool(true));
    // MSXML 3 selects with XSL patterns unless told otherwise; attributes are read with XPath.
    const Bstr xpath{std::wstring(L"XPath")};
    VARIANT language;
    ::VariantInit(&language);
    language.vt = VT_BSTR;
    language.bstrVal = xpath.get();
    SetProperty(doc, L"SelectionLanguage", language);
    SetProperty(doc, L"MaxElementDepth", Int(kMaxDepth + 1));

    // MSXML is handed UTF-8 bytes, which it reads without a declaration as it reads any
    // other document: a byte array keeps big documents to one copy of the text.
    const std::string_view text = WithoutDeclaration(utf8);
    if (text.size() > 0x7fffffff) return 0;
    SAFEARRAY* array = ::SafeArrayCreateVector(VT_UI1, 0, static_cast<ULONG>(text.size()));
    if (array == nullptr) return 0;
    void* data = nullptr;
    if (FAILED(::SafeArrayAccessData(array, &data))) {
        ::SafeArrayDestroy(array);
        return 0;
    }
    if (!text.empty()) std::memcpy(data, text.data(), text.size());
    ::SafeArrayUnaccessData(array);
    VARIANT source;
    ::VariantInit(&source);
    source.vt = VT_ARRAY | VT_UI1;
    source.parray = array;
    VARIANT_BOOL loaded = VARIANT_FALSE;
    const HRESULT hr = doc->load(source, &loaded);
    ::VariantClear(&source);  // destroys the array
    if (FAILED(hr) || loaded != VARIANT_TRUE) {
        error_ = {0, 0, "not well-formed"};
        Ref<IXMLDOMParseError> parseError;
        long line = 0, column = 0;
        Bstr reason;
        if (SUCCEEDED(doc->get_parseError(parseError.put())) && parseError &&
            SUCCEEDED(parseError->get_line(&line)) && SUCCEEDED(parseError->get_linepos(&column))) {
            // MSXML was given the text without its declaration, which stood on the first line.
            if (line == 1) column += static_cast<long>(utf8.size() - text.size());
            error_.line = static_cast<int>(line);
            error_.column = static_cast<int>(column);
            // Without a line (Wine's MSXML gives none) the reason says no more than "error".
            if (line > 0 && SUCCEEDED(parseError->get_reason(reason.put())) && !reason.view().empty()) {
                std::string why = orv::win32::Narrow(std::wstring(reason.view()));
                while (!why.empty() && (why.back() == '\n' || why.back() == '\r' || why.back() == '.')) why.pop_back();
                error_.reason = why;
            }
        }
        return 0;
    }

    // A document type declaration is refused even where MSXML could not be told to.
    Ref<IXMLDOMDocumentType> doctype;
    if (FAILED(doc->get_doctype(doctype.put())) || doctype) {
        const orv::xml::TextPosition at = orv::xml::PositionOf(utf8, utf8.find("<!DOCTYPE"));
        return error_ = {at.line, at.column, "a document type declaration"}, 0;
    }
    Ref<IXMLDOMElement> element;
    if (FAILED(doc->get_documentElement(element.put())) || !element) return error_ = {0, 0, "no document element"}, 0;
    impl->root = CXMLNode(NewRecord(element.release(), NODE_ELEMENT));  // an element is a node
    // MSXML's own limit guards its parser; the count in the text makes the limit exact without
    // a second walk of the document through the DOM. (MSXML has refused the other faults.)
    if (orv::xml::MarkupFault markup = orv::xml::FindMarkupFault(text, kMaxDepth)) {
        const orv::xml::TextPosition at = orv::xml::PositionOf(utf8, markup.offset + (utf8.size() - text.size()));
        return error_ = {at.line, at.column, std::move(markup.reason)}, 0;
    }
    impl_ = impl.release();
    return 1;
}

CXMLNode CXMLParser::GetRoot() const { return impl_ == nullptr ? CXMLNode() : impl_->root; }
