// CXMLParser: reads an XML file into a document; CXMLNode: a node of that document.
//
// The reader accepts UTF-8 (with or without a byte-order mark), UTF-16 with a byte-order mark,
// and files that declare big5 or cp950. It never reads a DTD, expands an entity or fetches
// anything: a document type declaration makes the file unreadable. Files larger than
// kMaxFileBytes, nested deeper than kMaxDepth elements, malformed, or whose bytes do not match
// their encoding are reported as unreadable (Open returns 0).
#pragma once

#include "orvmenu/OrvLibApi.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// An attribute of an element, valid while the element's CXMLNode lives. A default attribute is
// null. Loaders walk an element's attributes with it once, in document order; reading by index
// (CXMLNode::GetAttrValue) serves callers that come back to an attribute.
class ORV_SERVICES_API CXMLAttr {
public:
    CXMLAttr() = default;
    explicit operator bool() const { return handle_ != nullptr; }
    bool NameIs(std::string_view name) const;  // ASCII, ignoring case
    // The name as a reader's ASCII names are matched against it, without a copy; a name with
    // other characters matches none of them.
    std::string_view GetAsciiName() const;
    std::string GetName() const;
    std::string GetValue() const;
    CXMLAttr GetNext() const;

    // Back end only: an attribute of an element's platform record.
    CXMLAttr(void* owner, void* handle) : owner_(owner), handle_(handle) {}
    void* Owner() const { return owner_; }
    void* Handle() const { return handle_; }

private:
    void* owner_ = nullptr;
    void* handle_ = nullptr;
};

// A node of a parsed document, valid while its CXMLParser lives. A default node is null.
// Names, texts and values are in the terminal's code page.
class ORV_SERVICES_API CXMLNode {
public:
    CXMLNode() = default;
    CXMLNode(const CXMLNode& other);
    CXMLNode& operator=(const CXMLNode& other);
    ~CXMLNode();

    explicit operator bool() const { return handle_ != nullptr; }
    bool IsElement() const;

    std::string GetName() const;
    // Compares the node's name with an ASCII name, ignoring letter case.
    bool NameIs(std::string_view name) const;

    // The text of the node and its descendants, concatenated in document order. A text node
    // that is only white space counts only when it is its element's sole child, so indentation
    // is never part of a text while " " inside an element is; CDATA sections always count.
    // Stops growing at kMaxTextBytes.
    std::string GetText() const;

    CXMLNode GetFirstChild() const;
    CXMLNode GetNextSibling() const;
    // The first child element and the next sibling element: the walk of a reader that reads
    // elements only, which never reads the text between them.
    CXMLNode GetFirstElement() const;
    CXMLNode GetNextElement() const;

    CXMLAttr GetFirstAttr() const;
    int GetAttrCount() const;
    std::string GetAttrName(int index) const;
    bool AttrNameIs(int index, std::string_view name) const;  // ASCII, ignoring case
    std::string GetAttrValue(int index) const;

    // Back end only: wraps a platform node.
    explicit CXMLNode(void* handle);
    void* Handle() const { return handle_; }

private:
    void* handle_ = nullptr;
};

class ORV_SERVICES_API CXMLParser {
public:
    static constexpr std::size_t kMaxFileBytes = 256u << 20;
    static constexpr int kMaxDepth = 256;
    static constexpr std::size_t kMaxTextBytes = 1u << 20;

    CXMLParser();
    CXMLParser(const CXMLParser&) = delete;
    CXMLParser& operator=(const CXMLParser&) = delete;
    ~CXMLParser();

    // 1 when a file exists at path, else 0.
    static int FindXMLFile(const std::string& path);
    // Nonzero when the file was read and parsed. The second argument is kept for callers that
    // pass 1; it has no other meaning.
    int Open(const std::string& path, int flags);
    // Parses a document held in memory, as Open does a file's bytes.
    int OpenBuffer(std::string_view bytes);
    // The document element, or a null node before a successful Open.
    CXMLNode GetRoot() const;

    // Why the last Open or OpenBuffer found the document unreadable, and where: line and column
    // counted from 1, the column in characters. Line 0 when there is no position to give (the
    // file could not be read, or the fault is the document as a whole).
    struct ParseError {
        int line = 0;
        int column = 0;
        std::string reason;
    };
    const ParseError& GetParseError() const { return error_; }

private:
    // What each back end does for Open and OpenBuffer, and the destructor.
    // Drops the document: every node of it is invalid from now on.
    void Close();
    // Parses bytes (at most kMaxFileBytes) the caller gave up, which may become the document's
    // text without a copy. A back end that parses the text where it lies finds the position of
    // a later fault through original(into), which reads the bytes into into again (false when
    // it cannot).
    int Parse(std::string bytes, const std::function<bool(std::string&)>& original);

    struct Impl;
    Impl* impl_ = nullptr;
    ParseError error_;
};

namespace orv::xml {
// ASCII case-insensitive comparison, as the readers match element and attribute names.
// Inline: readers compare every attribute's name with every name of their table.
constexpr bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

// A file's bytes as UTF-8 without a byte-order mark, from UTF-8 (with or without the mark),
// UTF-16 (with the mark, or recognisable by its first characters), or a declared big5, cp950
// or iso-8859-1 encoding. False when the bytes do not match the encoding, the encoding is
// unknown, or the text holds characters XML forbids (NUL and other control characters); utf8
// then holds the text decoded before the fault, so that its end is where the fault lies.
bool ToUtf8Document(std::string_view bytes, std::string& utf8);
// The same for bytes the caller gives up: UTF-8, the usual case, is checked where it lies and
// becomes utf8 without a copy.
bool ToUtf8Document(std::string&& bytes, std::string& utf8);

// What the markup of a document that parses may still hold and a reader must refuse: elements
// nested deeper than depthLimit (the document element is depth 1), an element naming one
// attribute twice, or '<' in an attribute value. Found in one pass over the text, before or
// without any walk of a parsed tree; what it finds in a document that does not parse is
// meaningless. No reason when there is none; offset is where in text the fault lies.
struct MarkupFault {
    std::string reason;
    std::size_t offset = 0;
    explicit operator bool() const { return !reason.empty(); }
};
MarkupFault FindMarkupFault(std::string_view text, int depthLimit);

// Line and column (from 1; the column in characters) of the byte at offset in UTF-8 text.
struct TextPosition {
    int line = 1;
    int column = 1;
};
TextPosition PositionOf(std::string_view utf8, std::size_t offset);
}  // namespace orv::xml
