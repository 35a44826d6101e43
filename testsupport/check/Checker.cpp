// orvhost check: reads every file of a terminal's data folder with the XML reader and the name
// tables the components use, and reports each problem as
//
//   file:line:column: error|warning: message
//
// the form compilers use, so that an editor jumps to it. An error is something the terminal
// will not do as the file says (an entry never shown, a hot key dropped, a value ignored, a
// picture not painted, a file it cannot read); a warning is a likely mistake that changes
// nothing yet or only the look (a name no reader knows, a character the terminal's code page
// cannot hold, two separator lines in a row). Columns count bytes of the file's line from 1.
//
// The XML reader gives no positions of elements; a light scan of the text does: the n-th start
// tag of the text is the n-th element of the document, on both back ends.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdint>
#include <filesystem>
#include <iterator>
#include <map>
#include <ostream>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "acttab/ActTabGrammar.h"
#include "hotkey/HotKeyGrammar.h"
#include "menu/MenuGrammar.h"
#include "menu/MenuTypes.h"
#include "menu/ScreenSetGrammar.h"
#include "orvmenu/EnvMgr.h"
#include "orvmenu/FormColor.h"
#include "orvmenu/FormFont.h"
#include "services/CodePage.h"
#include "services/File.h"
#include "services/FormColorGrammar.h"
#include "services/Numbers.h"
#include "services/XMLGrammar.h"
#include "services/XMLParser.h"
#include "tabgroup/TabGrpGrammar.h"
#include "tabgroup/UserTabGrpGrammar.h"
#include "ui/FormBitmap.h"
#include "toolbar/ToolBarTypes.h"
#include "testsupport/Contrast.h"
#include "testsupport/check/Checker.h"
#include "testsupport/check/Positions.h"

namespace fs = std::filesystem;

namespace orv::check {
namespace {

// --- where elements and attributes stand ----------------------------------------------------

// An element of a document with where it stands; only element children are kept.
struct Element {
    CXMLNode node;
    TextPosition at;
    std::vector<TextPosition> attrs;
    std::vector<Element> children;

    TextPosition AttrAt(int index) const {
        return index >= 0 && static_cast<std::size_t>(index) < attrs.size() ? attrs[static_cast<std::size_t>(index)] : at;
    }
};

void BuildTree(const CXMLNode& node, const std::vector<TagPositions>& tags, std::size_t& next, Element& into) {
    into.node = node;
    if (next < tags.size()) {
        into.at = tags[next].at;
        into.attrs = tags[next].attrs;
    }
    ++next;
    for (CXMLNode child = node.GetFirstChild(); child; child = child.GetNextSibling()) {
        if (!child.IsElement()) continue;
        into.children.emplace_back();
        BuildTree(child, tags, next, into.children.back());
    }
}

// --- the report ----------------------------------------------------------------------------

enum class Severity { Warning, Error };

struct Problem {
    std::size_t fileOrder;
    std::string file;
    TextPosition at;
    Severity severity;
    std::string message;
};

// Text of the terminal (code page 950) as UTF-8 for the report, quoted.
std::string Quote(std::string_view text) { return "'" + orv::cp950::ToUtf8(text) + "'"; }

// The word of a list that is closest to a misspelt one, if any is close: at most two edits
// away, and fewer edits than the word has letters (so 'X' is no typo for 'C').
std::string_view Nearest(std::string_view word, const std::vector<std::string_view>& known) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    std::string_view best;
    std::size_t bestDistance = 3;
    for (const std::string_view candidate : known) {
        std::vector<std::size_t> row(candidate.size() + 1);
        for (std::size_t j = 0; j <= candidate.size(); ++j) row[j] = j;
        for (std::size_t i = 1; i <= word.size(); ++i) {
            std::size_t diagonal = row[0];
            row[0] = i;
            for (std::size_t j = 1; j <= candidate.size(); ++j) {
                const std::size_t up = row[j];
                row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (lower(word[i - 1]) == lower(candidate[j - 1]) ? 0 : 1)});
                diagonal = up;
            }
        }
        const std::size_t distance = row[candidate.size()];
        if (distance < bestDistance && distance < candidate.size()) {
            bestDistance = distance;
            best = candidate;
        }
    }
    return best;
}

// "; a typo for 'X'?" when a known word is close, else nothing.
std::string TypoFor(std::string_view word, const std::vector<std::string_view>& known) {
    const std::string_view nearest = Nearest(word, known);
    return nearest.empty() ? std::string() : "; a typo for '" + std::string(nearest) + "'?";
}

template <typename Key, std::size_t N>
std::vector<std::string_view> NamesOf(const orv::xml::Name<Key> (&table)[N]) {
    std::vector<std::string_view> names;
    for (const auto& entry : table) names.push_back(entry.name);
    return names;
}

template <typename List, typename Word>
std::vector<std::string_view> WordsOf(const List& list, Word word) {
    std::vector<std::string_view> words;
    for (const auto& entry : list) words.push_back(entry.*word);
    return words;
}

std::string Joined(const std::vector<std::string_view>& words) {
    std::string joined;
    for (const std::string_view w : words) joined += (joined.empty() ? "" : ", ") + std::string(w);
    return joined;
}

template <typename Key, std::size_t N>
std::string KnownNames(const orv::xml::Name<Key> (&table)[N]) {
    std::string names;
    for (const auto& entry : table) names += (names.empty() ? "" : ", ") + std::string(entry.name);
    return names;
}

// Whole text is a decimal number (blanks around it allowed), as the readers' atoi would read it.
bool IsDecimal(std::string_view text, bool allowSign) {
    text = orv::text::Trim(text);
    if (allowSign && !text.empty() && (text[0] == '-' || text[0] == '+')) text.remove_prefix(1);
    return !text.empty() && text.size() <= 10 &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// --- the checker -----------------------------------------------------------------------------

// A catalogue entry as the menu reads it, with where it stands.
struct MenuEntry {
    TextPosition at;
    OrvMenuType type = kOrvMenuNone;
    bool disp = false;
    std::uint32_t grade = 0;
    std::string name;  // code page 950
    std::string trCode;
    std::vector<MenuEntry> children;
};

// What decides the menu a user gets besides the catalogue.
struct GradeSet {
    std::uint32_t mask = 0;
    bool derivatives = false;
    bool show8000 = true;

    std::string Describe() const {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%08X", static_cast<unsigned>(mask));
        return std::string(hex) + (derivatives ? " with" : " without") + " derivatives rights" + (show8000 ? "" : ", screen 8000 hidden");
    }
};

// A file as the checker holds it: its parser (which owns the nodes) and its element tree.
struct Document {
    CXMLParser parser;
    Element root;
};

class Checker {
public:
    Checker(std::string dataDir, std::string userDir, std::string imageDir, std::vector<GradeSet> gradeSets)
        : dataDir_(std::move(dataDir)), userDir_(std::move(userDir)), imageDir_(std::move(imageDir)), gradeSets_(std::move(gradeSets)) {}

    struct DataFile {
        const char* name;
        bool userFile;  // in the user's folder; set aside when unreadable
        bool required;
        const char* lost;  // what the terminal starts without when it cannot read the file
        void (Checker::*check)(const Element& root);
    };

    // The files of a terminal's data folder, in the order they are checked: the catalogue
    // first, since the others name its screens; the toolbar's files last, so the command
    // identifier check knows how many items it numbers.
    static std::span<const DataFile> Files();

    int Run(std::ostream& out) {
        for (const DataFile& file : Files()) CheckFile(file);
        CheckCommandIds();
        std::stable_sort(problems_.begin(), problems_.end(), [](const Problem& a, const Problem& b) {
            if (a.fileOrder != b.fileOrder) return a.fileOrder < b.fileOrder;
            return a.at.line != b.at.line ? a.at.line < b.at.line : a.at.column < b.at.column;
        });
        int errors = 0;
        int warnings = 0;
        for (const Problem& p : problems_) {
            (p.severity == Severity::Error ? errors : warnings) += 1;
            out << p.file << ":" << p.at.line << ":" << p.at.column << ": "
                << (p.severity == Severity::Error ? "error: " : "warning: ") << p.message << "\n";
        }
        if (errors + warnings > 0) {
            out << errors << (errors == 1 ? " error, " : " errors, ") << warnings
                << (warnings == 1 ? " warning\n" : " warnings\n");
        }
        return errors == 0 ? 0 : 1;
    }

    // For the files that name screens: whether the catalogue has the TR code.
    bool HasScreen(const std::string& trCode) const { return screens_.count(trCode) != 0; }
    // For the toolbar's file: its items are numbered from 9900 by a counter of their own.
    void NoteToolbarItems(std::uint32_t count) { toolbarItems_ = count; }

private:
    void Report(TextPosition at, Severity severity, std::string message) {
        problems_.push_back({fileOrder_, file_, at, severity, std::move(message)});
    }
    void Error(TextPosition at, std::string message) { Report(at, Severity::Error, std::move(message)); }
    void Warning(TextPosition at, std::string message) { Report(at, Severity::Warning, std::move(message)); }

    void CheckFile(const DataFile& file) {
        const fs::path path = fs::path(file.userFile ? userDir_ : dataDir_) / file.name;
        file_ = path.generic_string();
        fileOrder_ += 1;
        if (!fs::exists(path)) {
            if (file.required) Error({}, std::string("no such file: the terminal shows \"File open error\" and starts with ") + file.lost);
            return;
        }
        std::string bytes;
        Document doc;
        const bool read = orv::file::ReadAll(path.string(), bytes, CXMLParser::kMaxFileBytes);
        const ColumnUnit unit = UnitOf(bytes);
        std::string utf8;
        const bool decoded = orv::xml::ToUtf8Document(std::string_view(bytes), utf8);
        if (!read || doc.parser.OpenBuffer(bytes) == 0) {
            const std::string consequence =
                file.userFile ? ": it keeps it aside as " + path.filename().string() + ".unreadable and starts with " + file.lost
                              : std::string(": it shows \"File open error\" and starts with ") + file.lost;
            const CXMLParser::ParseError& why = doc.parser.GetParseError();
            const TextPosition readerAt = why.line > 0 ? Positions(utf8, unit).FromCharacters({why.line, std::max(why.column, 1)}) : TextPosition{};
            // What was left open, where it was opened, when the reader gave up between there and
            // where the text shows it (a text cut short by a bad byte shows nothing about it).
            if (const auto open = decoded ? FindLeftOpen(utf8, unit) : std::nullopt;
                open && (why.line == 0 || (open->at.line <= readerAt.line && readerAt.line <= open->noticed.line))) {
                Error(open->at, open->message + ", so the terminal cannot read this file" + consequence);
                return;
            }
            const std::string reason = why.reason.empty() ? "not well-formed XML" : why.reason;
            Error(readerAt, "the terminal cannot read this file (" + reason + ")" + consequence);
            return;
        }
        CheckCodePage(utf8, unit);
        const std::vector<TagPositions> tags = ScanTags(utf8, unit);
        std::size_t next = 0;
        BuildTree(doc.parser.GetRoot(), tags, next, doc.root);
        (this->*file.check)(doc.root);
    }

    // Characters the code page cannot hold read as '?'. Comments are never read: skipped.
    void CheckCodePage(std::string_view utf8, ColumnUnit unit) {
        Positions positions(utf8, unit);
        std::unordered_map<char32_t, bool> fits;
        int reportedLine = 0;
        for (std::size_t i = 0; i < utf8.size();) {
            if (utf8.compare(i, 4, "<!--") == 0) {
                const std::size_t end = utf8.find("-->", i);
                if (end == std::string_view::npos) break;
                i = end + 3;
                continue;
            }
            const auto lead = static_cast<unsigned char>(utf8[i]);
            if (lead < 0x80) {
                ++i;
                continue;
            }
            const std::size_t length = lead >= 0xf0 ? 4 : lead >= 0xe0 ? 3 : 2;
            const std::string_view ch = utf8.substr(i, length);
            char32_t cp = lead & (length == 2 ? 0x1f : length == 3 ? 0x0f : 0x07);
            for (std::size_t k = 1; k < ch.size(); ++k) cp = (cp << 6) | (static_cast<unsigned char>(ch[k]) & 0x3f);
            auto found = fits.find(cp);
            if (found == fits.end()) found = fits.emplace(cp, orv::cp950::ToUtf8(orv::cp950::FromUtf8(ch)) == ch).first;
            if (!found->second) {
                const TextPosition at = positions.At(i);
                if (at.line != reportedLine) {  // once a line is enough
                    char code[16];
                    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(cp));
                    Warning(at, "'" + std::string(ch) + "' (" + code + ") is not in the terminal's code page (950): it reads as '?'");
                    reportedLine = at.line;
                }
            }
            i += length;
        }
    }

    template <typename Key, std::size_t N>
    const orv::xml::Name<Key>* KnownElement(const Element& e, const orv::xml::Name<Key> (&table)[N], std::string_view where) {
        const auto* entry = orv::xml::FindElement(e.node, table);
        if (entry == nullptr) {
            const std::string name = e.node.GetName();
            Warning(e.at, "element " + Quote(name) + " " + std::string(where) + " is ignored (the terminal reads " +
                              KnownNames(table) + ")" + TypoFor(name, NamesOf(table)));
        }
        return entry;
    }

    template <typename Key, std::size_t N>
    const orv::xml::Name<Key>* KnownAttr(const Element& e, int index, const orv::xml::Name<Key> (&table)[N]) {
        const auto* entry = orv::xml::FindAttr(e.node, index, table);
        if (entry == nullptr) {
            const std::string name = e.node.GetAttrName(index);
            Warning(e.AttrAt(index), "attribute " + Quote(name) + " of " + e.node.GetName() + " is ignored (the terminal reads " +
                                         KnownNames(table) + ")" + TypoFor(name, NamesOf(table)));
        }
        return entry;
    }

    // --- the catalogue ---

    void CheckCatalogue(const Element& root) {
        MenuEntry menu;
        CheckMenuLevel(root, "in the catalogue", menu);
        for (const GradeSet& grades : gradeSets_) CheckShownMenu(menu, grades, true);
        reportedEntries_.clear();
    }

    void CheckMenuLevel(const Element& parent, std::string_view where, MenuEntry& into) {
        for (const Element& child : parent.children) {
            const auto* known = KnownElement(child, orv::menu::kMenuElements, where);
            if (known == nullptr || known->key != orv::menu::MenuElement::Node) continue;
            into.children.emplace_back();
            MenuEntry& entry = into.children.back();
            CheckMenuNode(child, entry);
            CheckMenuLevel(child, "in a NODE", entry);
        }
    }

    void CheckMenuNode(const Element& e, MenuEntry& entry) {
        using orv::menu::MenuAttr;
        menuNodes_.push_back(e.at);
        entry.at = e.at;
        entry.name = e.node.GetText();
        bool hasType = false;
        for (int i = 0; i < e.node.GetAttrCount(); ++i) {
            const auto* attr = KnownAttr(e, i, orv::menu::kMenuNodeAttrs);
            if (attr == nullptr) continue;
            const std::string value = e.node.GetAttrValue(i);
            const TextPosition at = e.AttrAt(i);
            const std::string named = std::string(attr->name) + " " + Quote(value);
            switch (attr->key) {
            case MenuAttr::Disp:
                entry.disp = value == "Y";
                if (value != "Y" && value != "N") Error(at, named + " hides the entry: only 'Y' shows it ('N' hides it)");
                break;
            case MenuAttr::Multi:
                if (value != "Y" && value != "N") Error(at, named + " reads as 'N': only 'Y' and 'N' are values");
                break;
            case MenuAttr::OpenCnt:
            case MenuAttr::TabGroup:
                if (!IsDecimal(value, false)) Error(at, named + " is not a number of 0 or more: it reads as 0");
                break;
            case MenuAttr::Grade: CheckGrade(at, value, entry.grade); break;
            case MenuAttr::Type: {
                hasType = true;
                // The reader's own table of kinds (its lookup lives inside the library).
                const auto* kind = std::find_if(std::begin(orv::menu::kTypeNames), std::end(orv::menu::kTypeNames),
                                                [&](const auto& t) { return orv::xml::EqualsNoCase(value, t.keyword); });
                if (kind == std::end(orv::menu::kTypeNames)) {
                    entry.type = kOrvMenuNone;
                    const auto kinds = WordsOf(orv::menu::kTypeNames, &orv::menu::TypeName::keyword);
                    Error(at, named + " is not a kind of entry (" + Joined(kinds) + "): the entry is never shown" + TypoFor(value, kinds));
                } else {
                    entry.type = kind->type;
                }
                break;
            }
            case MenuAttr::TrCode: {
                entry.trCode = value;
                const auto [earlier, added] = screens_.emplace(value, at);
                if (!added) {
                    Error(at, "TR code " + Quote(value) + " is also the entry's at line " + std::to_string(earlier->second.line) +
                                  ": screens, hot keys and tab groups reach only this later entry");
                }
                break;
            }
            case MenuAttr::HitCount:
                if (!orv::xml::EqualsNoCase(value, "TRUE") && !orv::xml::EqualsNoCase(value, "FALSE")) {
                    Error(at, named + " reads as TRUE: the values are TRUE and FALSE" + TypoFor(value, {"TRUE", "FALSE"}));
                }
                break;
            case MenuAttr::Name: entry.name = value; break;
            case MenuAttr::File:
            case MenuAttr::Icon: break;
            }
        }
        if (!hasType) Error(e.at, "NODE without TYPE is never shown");
    }

    // Whether a user of these grades sees the entry: the menu's own filter.
    static bool Visible(const MenuEntry& entry, const GradeSet& grades) {
        using namespace orv::grade;
        if (entry.type == kOrvMenuNone || !entry.disp) return false;
        if (!grades.show8000 && entry.trCode == "8000") return false;
        const std::uint32_t m = grades.mask & entry.grade;
        if (grades.mask == kSpecial && m != 0) return true;
        if ((m & kGroup1) == 0 || (m & kGroup2) == 0 || (m & kGroup3) == 0) return false;
        if (grades.derivatives) return true;
        static const std::string words[] = {CFmtString::GetCodePageString("期權", "CHT"), CFmtString::GetCodePageString("期貨", "CHT"),
                                            CFmtString::GetCodePageString("選擇權", "CHT")};
        return std::none_of(std::begin(words), std::end(words), [&](const std::string& w) { return orv::cp950::Find(entry.name, w) != std::string::npos; });
    }

    // The menu a user of these grades gets, walked as the menu builds it. It shows every
    // separator the catalogue lets him see, one after the other when the entries between them
    // are hidden from him: two lines in a row, or a line at the top or the bottom of a submenu.
    // An entry with entries of its own is a submenu even when he sees none of them: it opens
    // empty. Each entry is reported once, for the first grade set that shows it so.
    void CheckShownMenu(const MenuEntry& parent, const GradeSet& grades, bool topLevel) {
        std::vector<const MenuEntry*> shown;
        for (const MenuEntry& child : parent.children) {
            if (Visible(child, grades)) shown.push_back(&child);
        }
        const std::string who = "a user of grades " + grades.Describe();
        if (!topLevel && shown.empty()) {
            if (reportedEntries_.insert(&parent).second) {
                Warning(parent.at, "for " + who + ", the menu shows submenu " + Quote(parent.name) + " opening empty: " +
                                       (parent.children.size() == 1 ? std::string("its one entry is not")
                                                                    : "none of its " + std::to_string(parent.children.size()) + " entries is") +
                                       " shown to him");
            }
            return;
        }
        if (topLevel) {  // separators go after the entries of the menu bar
            std::stable_partition(shown.begin(), shown.end(), [](const MenuEntry* e) { return e->type != kOrvMenuSeparator; });
        }
        const auto isSeparator = [](const MenuEntry* e) { return e->type == kOrvMenuSeparator; };
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const MenuEntry* entry = shown[i];
            if (!isSeparator(entry) || !reportedEntries_.insert(entry).second) continue;
            if (i > 0 && isSeparator(shown[i - 1])) {
                Warning(entry->at, "for " + who + ", this separator follows the one at line " + std::to_string(shown[i - 1]->at.line) +
                                       " with nothing shown between them: the menu shows two separator lines in a row");
            } else if (!topLevel && i == 0) {
                Warning(entry->at, "for " + who + ", this separator is the first line of its submenu: nothing shown stands above it");
            } else if (!topLevel && i + 1 == shown.size()) {
                Warning(entry->at, "for " + who + ", this separator is the last line of its submenu: nothing shown stands below it");
            } else {
                reportedEntries_.erase(entry);  // fine for these grades; others may still show it so
            }
        }
        for (const MenuEntry* entry : shown) {
            if (!entry->children.empty()) CheckShownMenu(*entry, grades, false);
        }
    }

    void CheckGrade(TextPosition at, const std::string& value, std::uint32_t& read) {
        std::string_view digits = orv::text::Trim(value);
        if (digits.starts_with("0x") || digits.starts_with("0X")) digits.remove_prefix(2);
        const bool hex = !digits.empty() && digits.size() <= 8 && std::all_of(digits.begin(), digits.end(), [](char c) {
            return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
        });
        std::uint32_t grade = 0;
        if (!hex || !orv::text::ParseHex(digits, grade)) {
            Error(at, "GRADE " + Quote(value) + " is not a hexadecimal grade mask of up to 8 digits");
            return;
        }
        read = grade;
        if ((grade & 0x40000000u) != 0) return;  // the special grade sees it
        if ((grade & 0x3ffu) == 0 || (grade & 0xffc00u) == 0 || (grade & 0x3ff00000u) == 0) {
            Error(at, "GRADE " + Quote(value) + " has no bit in one of the three grade groups (3FF, FFC00, 3FF00000): no user sees the entry");
        }
    }

    // Menu nodes are numbered from 7800 and toolbar items from 9900; the low 16 bits are the
    // command. Past 65,536 nodes, or where the two ranges meet, two entries answer one command.
    void CheckCommandIds() {
        const std::uint32_t first = orv::menu::kFirstMenuId;
        const std::uint32_t count = static_cast<std::uint32_t>(menuNodes_.size());
        fileOrder_ = 1;
        file_ = (fs::path(dataDir_) / Files()[0].name).generic_string();
        if (count > 0x10000u) {
            const std::uint32_t id = first + 0x10000u;
            Error(menuNodes_[0x10000u], "this entry's command identifier " + std::to_string(id) + " wraps past 16 bits to " +
                                            std::to_string(id & 0xffffu) + ", the command of the entry at line " +
                                            std::to_string(menuNodes_[0].line) + ": " + std::to_string(count - 0x10000u) +
                                            " entries from here answer another entry's command");
        }
        const std::uint32_t toolbarFirst = 9900;
        if (count > toolbarFirst - first) {
            const TextPosition at = menuNodes_[toolbarFirst - first];
            const std::string message = "from this entry on, the menu's command identifiers reach " + std::to_string(toolbarFirst) +
                                        ", where the toolbar numbers its items";
            if (toolbarItems_ > 0) Error(at, message + ": two entries answer one command");
            else Warning(at, message + ": with a toolbar, two entries would answer one command");
        }
    }

    // --- the screen settings ---

    void CheckScreenSet(const Element& root) {
        if (!root.node.NameIs(orv::menu::kScreenSetRoot)) {
            Error(root.at, "the terminal ignores this file: its document element must be " + std::string(orv::menu::kScreenSetRoot));
            return;
        }
        std::vector<const Element*> codes, counts;
        for (const Element& list : root.children) {
            const auto* known = KnownElement(list, orv::menu::kScreenSetLists, "in USRDEFDATA");
            if (known == nullptr) continue;
            for (const Element& item : list.children) {
                if (!KnownElement(item, orv::menu::kScreenSetItems, "in a list")) continue;
                (known->key == orv::menu::ScreenSetList::Codes ? codes : counts).push_back(&item);
            }
        }
        for (const Element* code : codes) {
            const std::string text = code->node.GetText();
            if (!HasScreen(text)) Warning(code->at, "TR code " + Quote(text) + " is not in the catalogue: its open count is not applied");
        }
        for (const Element* count : counts) {
            const std::string text = count->node.GetText();
            if (!IsDecimal(text, true)) Error(count->at, "open count " + Quote(text) + " is not a number: it reads as 0");
        }
        // Codes and counts pair by position.
        for (std::size_t i = counts.size(); i < codes.size(); ++i) {
            Error(codes[i]->at, "TR code " + Quote(codes[i]->node.GetText()) + " has no count (TRCOE1 has more ITEMs than OPENCNT): it is ignored");
        }
        for (std::size_t i = codes.size(); i < counts.size(); ++i) {
            Warning(counts[i]->at, "this count has no TR code (OPENCNT has more ITEMs than TRCOE1): it is ignored");
        }
    }

    // --- the action tab style ---

    void CheckActTab(const Element& root) {
        using orv::acttab::StyleElement;
        for (const Element& e : root.children) {
            const auto* known = KnownElement(e, orv::acttab::kStyleElements, "in the tab style");
            if (known == nullptr) continue;
            const std::string text = e.node.GetText();
            const std::string named = std::string(known->name) + " " + Quote(text);
            switch (known->key) {
            case StyleElement::Use:
                if (text != "Y" && text != "N") Error(e.at, named + " reads as 'N': only 'Y' turns the tab bar on");
                break;
            case StyleElement::Font: {
                CFormFont font;
                if (!font.fromString(text)) {
                    Error(e.at, named + " is not a font (face,width,height,weight,italic,underline,strikeout): the font stays as it was");
                }
                break;
            }
            case StyleElement::Icon: break;
            case StyleElement::SelBackColor:
            case StyleElement::SelForeColor:
            case StyleElement::NorBackColor:
            case StyleElement::NorForeColor: {
                CFormColor color;
                if (!color.fromString(text)) Error(e.at, named + " is not a colour (R,G,B from 0 to 255, or #RRGGBB): the colour stays as it was");
                break;
            }
            }
        }
    }

    // --- the colour table ---

    void CheckFormColors(const Element& root) {
        using namespace orv::formcolor;
        if (!root.node.NameIs(kTableRoot)) {
            Error(root.at, "the terminal ignores this file: its document element must be " + std::string(kTableRoot) +
                               ", so the terminal shows its light default colours");
            return;
        }
        CFormColor::Table table = CFormColor::GetDefaultFormColorTable();
        std::map<int, int> set;  // index -> line
        for (const Element& e : root.children) {
            if (!KnownElement(e, kTableElements, "in FORMCOLOR")) continue;
            int index = -1;
            bool hasIndex = false;
            TextPosition indexAt = e.at;
            for (int i = 0; i < e.node.GetAttrCount(); ++i) {
                if (!KnownAttr(e, i, kColorAttrs)) continue;
                const std::string value = e.node.GetAttrValue(i);
                hasIndex = true;
                indexAt = e.AttrAt(i);
                index = orv::text::AtoI(value);
                if (!IsDecimal(value, false) || index >= CFormColor::kFormColorCount) {
                    Error(indexAt, "INDEX " + Quote(value) + " is not an entry of the table (0 to " +
                                       std::to_string(CFormColor::kFormColorCount - 1) + "): the colour is ignored");
                    index = -1;
                }
            }
            if (!hasIndex) Error(e.at, "COLOR without INDEX is ignored");
            if (index < 0) continue;
            const std::string text = e.node.GetText();
            CFormColor color;
            if (!color.fromString(text)) {
                Error(e.at, "colour " + Quote(text) + " is not a colour (R,G,B from 0 to 255, or #RRGGBB): entry " +
                                std::to_string(index) + " keeps its default");
                continue;
            }
            table[static_cast<std::size_t>(index)] = color.GetColor();
            if (const auto [earlier, added] = set.emplace(index, e.at.line); !added) {
                Warning(indexAt, "entry " + std::to_string(index) + " is also set at line " + std::to_string(earlier->second) +
                                     ": this later colour holds");
                earlier->second = e.at.line;
            }
        }
        // The screen-number box paints its field in 52 and its text and triangle in 54.
        const double contrast = orv::test::ContrastRatio(table[54], table[52]);
        if (contrast < 4.5) {
            char ratio[16];
            std::snprintf(ratio, sizeof ratio, "%.1f", contrast);
            Warning(root.at, std::string("the toolbar box's text (entry 54) on its field (entry 52) has a contrast of ") + ratio +
                                 ":1, under the 4.5:1 that text needs to read clearly");
        }
    }

    // --- the fixed tab groups ---

    void CheckTabGroups(const Element& root) {
        using namespace orv::tabgroup;
        std::map<std::int32_t, int> ids;  // id -> line
        for (const Element& group : root.children) {
            if (!KnownElement(group, kTabGrpElements, "in the tab groups")) continue;
            bool hasId = false;
            for (int i = 0; i < group.node.GetAttrCount(); ++i) {
                const auto* attr = KnownAttr(group, i, kTabGrpGroupAttrs);
                if (attr == nullptr || attr->key != TabGrpGroupAttr::Id) continue;
                hasId = true;
                CheckGroupId(group.AttrAt(i), group.node.GetAttrValue(i), ids);
            }
            if (!hasId) Error(group.at, "GROUP without ID is group 0, which the terminal never opens");
            for (const Element& item : group.children) {
                if (!KnownElement(item, kTabGrpMembers, "in a GROUP")) continue;
                bool hasCode = false;
                for (int i = 0; i < item.node.GetAttrCount(); ++i) {
                    if (!KnownAttr(item, i, kTabGrpItemAttrs)) continue;
                    hasCode = true;
                    CheckMember(item.AttrAt(i), item.node.GetAttrValue(i));
                }
                if (!hasCode) Warning(item.at, "ITEM without TRCODE adds no screen");
            }
        }
    }

    void CheckGroupId(TextPosition at, const std::string& value, std::map<std::int32_t, int>& ids) {
        if (!IsDecimal(value, true) || orv::text::AtoI(value) < 1) {
            Error(at, "ID " + Quote(value) + " is not a group number of 1 or more: the terminal never opens the group");
            return;
        }
        const auto [earlier, added] = ids.emplace(orv::text::AtoI(value), at.line);
        if (!added) {
            Error(at, "group " + std::to_string(earlier->first) + " is also the group at line " + std::to_string(earlier->second) +
                          ": this later one replaces it");
        }
    }

    void CheckMember(TextPosition at, const std::string& trCode) {
        if (!HasScreen(trCode)) Warning(at, "TR code " + Quote(trCode) + " is not in the catalogue: the group cannot open it");
    }

    // --- the hot keys ---

    void CheckHotKeys(const Element& root) {
        using namespace orv::hotkey;
        std::map<std::pair<std::int32_t, int>, int> keys;  // key code and modifier -> line
        std::map<std::string, int> texts;                  // text -> line
        for (const Element& e : root.children) {
            if (!KnownElement(e, kHotKeyElements, "in the hot keys")) continue;
            bool hasCode = false, hasKey = false, kept = true;
            std::int32_t keyCode = 0;
            int modifier = 0;
            for (int i = 0; i < e.node.GetAttrCount(); ++i) {
                const auto* attr = KnownAttr(e, i, kHotKeyAttrs);
                if (attr == nullptr) continue;
                const std::string value = e.node.GetAttrValue(i);
                const TextPosition at = e.AttrAt(i);
                switch (attr->key) {
                case HotKeyAttr::TrCode:
                    hasCode = true;
                    if (!HasScreen(value)) {
                        kept = false;
                        Error(at, "TR code " + Quote(value) + " is not in the catalogue: the hot key is dropped when the file is read, and gone from it at the next save");
                    }
                    break;
                case HotKeyAttr::KeyCode:
                    hasKey = true;
                    keyCode = orv::text::AtoI(value);
                    if (!IsDecimal(value, false) || keyCode <= 0) {
                        Error(at, "KEYCODE " + Quote(value) + " is not a key code (a number above 0): the hot key never fires");
                    }
                    break;
                case HotKeyAttr::Mod:
                    if (orv::xml::EqualsNoCase(value, kModCtrl)) modifier = 1;
                    else if (orv::xml::EqualsNoCase(value, kModShift)) modifier = 2;
                    else if (!value.empty()) Error(at, "MOD " + Quote(value) + " reads as no modifier: the values are C (Ctrl), S (Shift) or empty");
                    break;
                }
            }
            if (!hasCode) {
                Error(e.at, "NODE without TRCODE: the hot key is dropped when the file is read");
                continue;
            }
            if (!hasKey) Error(e.at, "NODE without KEYCODE: the hot key never fires");
            if (!kept) continue;
            const std::string text = e.node.GetText();
            if (const auto [earlier, added] = texts.emplace(text, e.at.line); !added) {
                Error(e.at, "text " + Quote(text) + " is also the hot key's at line " + std::to_string(earlier->second) + ": only this later one is kept");
            }
            if (keyCode > 0) {
                if (const auto [earlier, added] = keys.emplace(std::make_pair(keyCode, modifier), e.at.line); !added) {
                    const char* mod = modifier == 1 ? "Ctrl+" : modifier == 2 ? "Shift+" : "";
                    // Key codes 112 to 123 are the function keys F1 to F12.
                    const std::string key = keyCode >= 112 && keyCode <= 123 ? "F" + std::to_string(keyCode - 111) + " (" + std::to_string(keyCode) + ")"
                                                                             : "key " + std::to_string(keyCode);
                    Error(e.at, std::string(mod) + key + " is also bound at line " + std::to_string(earlier->second) + ": only one of the two ever fires");
                }
            }
        }
    }

    // --- the toolbar: the default definition and the user's file ---

    void CheckDefaultToolBar(const Element& root) {
        for (const Element& child : root.children) {
            if (child.node.NameIs(orv::toolbar::kToolBarElement)) return CheckToolBar(child);
        }
        Warning(root.at, "no TOOLBAR element: a new user's toolbar file cannot be made from this file");
    }

    void CheckToolBar(const Element& toolBar) {
        std::uint32_t items = 0;
        CheckToolBarLevel(toolBar, "in the toolbar", items);
        NoteToolbarItems(items);
        CheckBoxPlacement(toolBar);
        // Items are numbered from 9900; past 16 bits their commands wrap onto the menu's.
        if (items > 65536u - 9900u) {
            Error(toolBar.at, std::to_string(items) + " toolbar items: their command identifiers wrap past 65535, so two items answer one command");
        }
    }

    // A NODE's attribute by name, empty when it has none.
    static std::string AttrOf(const Element& e, std::string_view name) {
        for (int i = 0; i < e.node.GetAttrCount(); ++i) {
            if (e.node.AttrNameIs(i, name)) return e.node.GetAttrValue(i);
        }
        return {};
    }

    // Where the boxes land. The screen-number box stands on a hidden placeholder, which takes no
    // room and has no rectangle: the box always lands at the bar's left edge, 80 pixels wide,
    // over whatever begins there. The other boxes stand on separators of their own width.
    void CheckBoxPlacement(const Element& toolBar) {
        constexpr int kScreenBoxRight = 80;
        const auto typeOf = [](const Element& e) {
            std::int32_t type = 0;
            orv::toolbar::CodeOf(orv::toolbar::kTypeKeywords, AttrOf(e, "TYPE"), type);
            return type;
        };
        const Element* switchButton = nullptr;
        for (const Element& child : toolBar.children) {
            if (child.node.NameIs("NODE") && typeOf(child) == kOrvTbGroupBtn) {
                switchButton = &child;
                break;
            }
        }
        // Groups without a screen-number box, with what their first 80 pixels hold: the box of
        // a group shown before stays there (a group makes anew only the boxes it has).
        std::vector<std::pair<const Element*, std::string>> withoutBox;
        bool anyBox = false;
        for (const Element& group : toolBar.children) {
            if (!group.node.NameIs("NODE") || (switchButton != nullptr && typeOf(group) != kOrvTbGroup)) continue;
            const Element* screenBox = nullptr;
            std::string under;  // what begins left of the box's right edge
            int x = 0;  // known up to the first image button, whose width is its bitmap's
            bool xKnown = true;
            int position = 0;
            if (switchButton != nullptr) {
                under = "the group switch button";
                position = 1;
            }
            for (const Element& child : group.children) {
                if (!child.node.NameIs("NODE")) continue;
                const std::string trCode = AttrOf(child, "TRCODE");
                const std::int32_t n = orv::text::AtoI(trCode);
                if (!trCode.empty() && !HasScreen(trCode) && (n < 9100 || n > 9200)) continue;  // no button
                const std::int32_t type = typeOf(child);
                std::int32_t style = 0;
                orv::toolbar::CodeOf(orv::toolbar::kStyleKeywords, AttrOf(child, "STYLE"), style);
                int width = -1;  // an image button: its bitmap's width
                if (type == kOrvTbTrEdit) {
                    if (screenBox == nullptr) screenBox = &child;
                    width = 0;
                } else if (type == kOrvTbUrlEdit) {
                    width = 250;
                } else if (type == kOrvTbCodeCombo) {
                    width = 70;
                } else if (type == kOrvTbUserInfo) {
                    width = 600;  // with the account box; without it an image button
                } else if ((style & 0xff) == kOrvTbStyleSep) {
                    width = position > 0 ? position : 8;  // the image index is a separator's width
                }
                ++position;
                if (width == 0) continue;
                if (under.empty() && xKnown && x < kScreenBoxRight && (width < 0 || type == kOrvTbUrlEdit || type == kOrvTbCodeCombo || type == kOrvTbUserInfo)) {
                    const std::string name = AttrOf(child, "NAME");
                    under = (width < 0 ? "button " : "the box of ") + Quote(name);
                }
                if (width < 0) xKnown = false;
                x += width;
            }
            if (screenBox == nullptr) {
                if (!under.empty() && !group.children.empty()) withoutBox.emplace_back(&group, under);
                continue;
            }
            anyBox = true;
            if (under.empty()) continue;
            std::string why = switchButton != nullptr
                                  ? "a screen-number box in a group behind a group switch button always lands over it"
                                  : "it begins within the box's 80 pixels";
            Warning(screenBox->at, "the screen-number box lands over " + under + " of group " + Quote(AttrOf(group, "NAME")) + ": " + why +
                                       " (the box's placeholder is hidden and takes no room, so the box stands at the bar's left edge, 80 pixels wide)");
        }
        if (!anyBox) return;
        for (const auto& [group, covered] : withoutBox) {
            Warning(group->at, "when group " + Quote(AttrOf(*group, "NAME")) + " is shown after a group with a screen-number box, that box stays at the bar's left edge over " +
                                   covered + ": a group makes anew only the boxes it has itself");
        }
    }

    void CheckToolBarLevel(const Element& parent, std::string_view where, std::uint32_t& items) {
        using orv::toolbar::ToolBarElement;
        for (const Element& e : parent.children) {
            const auto* known = KnownElement(e, orv::toolbar::kToolBarElements, where);
            if (known == nullptr) continue;
            const std::string text = known->key == ToolBarElement::Node ? std::string() : e.node.GetText();
            switch (known->key) {
            case ToolBarElement::MinSize:
            case ToolBarElement::Break:
                if (!IsDecimal(orv::text::Trim(text), true)) {
                    Error(e.at, std::string(known->name) + " " + Quote(text) + " is not a number: it reads as " +
                                    std::to_string(orv::text::AtoI(text)));
                }
                break;
            case ToolBarElement::ContextMenu:
                if (text != orv::toolbar::kOn && text != "OFF") Warning(e.at, "CONTEXTMENU " + Quote(text) + ": only 'ON' turns the context menu on");
                break;
            case ToolBarElement::Name: break;
            case ToolBarElement::Node: {
                ++items;
                CheckToolBarItem(e);
                // The menus (drop-down and context) list a record's items by type; one without a
                // type is skipped, and its own items with it.
                const auto isNode = [](const Element& c) { return c.node.NameIs("NODE"); };
                const auto withItems = std::count_if(e.children.begin(), e.children.end(), isNode);
                bool typed = false;
                for (int i = 0; i < e.node.GetAttrCount(); ++i) typed = typed || e.node.AttrNameIs(i, "TYPE");
                if (withItems > 0 && !typed) {
                    Error(e.at, "NODE " + Quote(AttrOf(e, "NAME")) + " has " + std::to_string(withItems) + (withItems == 1 ? " item" : " items") +
                                    " but no TYPE: the menus leave it out, and its items with it (TYPE FOLDER drops its items down, TYPE GROUP makes a group of buttons)");
                } else if (!typed) {
                    // Its button still shows; only the lists that name the items lose it.
                    const std::string name = AttrOf(e, "NAME"), trCode = AttrOf(e, "TRCODE");
                    const std::string item = !name.empty() ? " " + Quote(name) : !trCode.empty() ? " of TR code " + Quote(trCode) : "";
                    Warning(e.at, "NODE" + item + " has no TYPE: the menus leave it out (a folder's drop-down list and the toolbar's context menu); "
                                      "TYPE BUTTON or NORMAL lists it");
                }
                CheckToolBarLevel(e, "in a NODE", items);
                break;
            }
            }
        }
    }

    void CheckToolBarItem(const Element& e) {
        using orv::toolbar::ToolBarAttr;
        for (int i = 0; i < e.node.GetAttrCount(); ++i) {
            const auto* attr = KnownAttr(e, i, orv::toolbar::kToolBarAttrs);
            if (attr == nullptr) continue;
            const std::string value = e.node.GetAttrValue(i);
            const TextPosition at = e.AttrAt(i);
            std::int32_t code = 0;
            switch (attr->key) {
            case ToolBarAttr::TrCode:
                // A screen the catalogue does not have never gets a button, unless its number
                // lies from 9100 to 9200.
                if (!value.empty() && !HasScreen(value)) {
                    const std::int32_t n = orv::text::AtoI(value);
                    if (n < 9100 || n > 9200) Warning(at, "TR code " + Quote(value) + " is not in the catalogue: the item never gets a button");
                }
                break;
            case ToolBarAttr::Type:
                if (!orv::toolbar::CodeOf(orv::toolbar::kTypeKeywords, value, code)) {
                    const auto types = WordsOf(orv::toolbar::kTypeKeywords, &orv::toolbar::Keyword::text);
                    Warning(at, "TYPE " + Quote(value) + " is not a type (" + Joined(types) + "): the item is left out of the menus" + TypoFor(value, types));
                }
                break;
            case ToolBarAttr::Style:
                if (!orv::toolbar::CodeOf(orv::toolbar::kStyleKeywords, value, code)) {
                    const auto styles = WordsOf(orv::toolbar::kStyleKeywords, &orv::toolbar::Keyword::text);
                    Warning(at, "STYLE " + Quote(value) + " is not a style (" + Joined(styles) + "): the item is a plain button" + TypoFor(value, styles));
                }
                break;
            case ToolBarAttr::LastAct:
                if (value != orv::toolbar::kOn) Warning(at, "LASTACT " + Quote(value) + ": only 'ON' checks the item");
                break;
            case ToolBarAttr::Icon: CheckPicture(at, value); break;
            default: break;
            }
        }
    }

    // A picture the toolbar would not show: the button then shows its name on the toolbar's
    // background. The toolbar reads pictures only from the image folder.
    void CheckPicture(TextPosition at, const std::string& name) {
        if (name.empty()) return;
        std::string relative = name;
        std::replace(relative.begin(), relative.end(), '\\', '/');  // the file layer takes both
        const fs::path folder = fs::path(imageDir_).lexically_normal();
        const fs::path path = (folder / fs::path(relative).relative_path()).lexically_normal();
        const std::string shown = "ICON " + Quote(name);
        const auto [end, rest] = std::mismatch(folder.begin(), folder.end(), path.begin(), path.end());
        if ((end != folder.end() && !end->empty())) {
            Error(at, shown + " leads out of the image folder (" + imageDir_ + "): the terminal does not read it, and the button shows only its name");
            return;
        }
        if (!orv::file::Exists(path.string())) {
            Error(at, shown + " is not in the image folder (" + imageDir_ + "): the button shows only its name");
            return;
        }
        if (!orv::file::IsInside(imageDir_, path.string())) {
            Error(at, shown + " is a link that leads out of the image folder: the terminal does not read it, and the button shows only its name");
            return;
        }
        CFormBitmap picture;
        if (!picture.Load(path.string())) {
            Warning(at, shown + " is not a picture the terminal shows (a broken BMP file, or one over 1024 x 1024 pixels or 4 MiB): the button shows only its name");
        }
    }

    // --- the user tab groups ---

    void CheckUserTabGroups(const Element& root) {
        using namespace orv::tabgroup;
        std::map<std::int32_t, int> ids;
        std::map<std::string, int> codes;  // group code, upper case -> line
        for (const Element& group : root.children) {
            if (!KnownElement(group, kUserTabGrpElements, "in the user tab groups")) continue;
            bool hasId = false;
            for (int i = 0; i < group.node.GetAttrCount(); ++i) {
                const auto* attr = KnownAttr(group, i, kUserTabGrpAttrs);
                if (attr == nullptr) continue;
                const std::string value = group.node.GetAttrValue(i);
                const TextPosition at = group.AttrAt(i);
                if (attr->key == UserTabGrpAttr::Id) {
                    hasId = true;
                    CheckGroupId(at, value, ids);
                } else if (attr->key == UserTabGrpAttr::GroupCode && !value.empty()) {
                    std::string key = value;
                    std::transform(key.begin(), key.end(), key.begin(), [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; });
                    if (const auto [earlier, added] = codes.emplace(key, at.line); !added) {
                        Error(at, "group code " + Quote(value) + " is also the group's at line " + std::to_string(earlier->second) + ": a typed code finds only one of them");
                    }
                }
            }
            if (!hasId) Error(group.at, "TABGRP without ID is group 0, which the terminal never opens");
            for (const Element& member : group.children) {
                if (KnownElement(member, kUserTabGrpMembers, "in a TABGRP")) CheckMember(member.at, member.node.GetText());
            }
        }
    }

    std::string dataDir_, userDir_, imageDir_;
    std::vector<GradeSet> gradeSets_;
    std::set<const MenuEntry*> reportedEntries_;  // separators and empty submenus, during the catalogue's check
    std::string file_;
    std::size_t fileOrder_ = 0;
    std::vector<Problem> problems_;
    std::map<std::string, TextPosition> screens_;  // the catalogue's TR codes
    std::vector<TextPosition> menuNodes_;         // every NODE, in the order they are numbered
    std::uint32_t toolbarItems_ = 0;
};

std::span<const Checker::DataFile> Checker::Files() {
    static const DataFile files[] = {
        {"OrvMenu.xml", false, true, "no menu", &Checker::CheckCatalogue},
        {"UserDef/Screen_Set.xml", false, false, "no open counts", &Checker::CheckScreenSet},
        {"ActTab.xml", false, false, "its default tab style", &Checker::CheckActTab},
        {CFormColor::kTableFileName, false, false, "its light default colours", &Checker::CheckFormColors},
        {"TabGroup.xml", false, false, "no fixed tab groups", &Checker::CheckTabGroups},
        {"HotKey.xml", true, false, "no hot keys", &Checker::CheckHotKeys},
        {"UserTabGrp.xml", true, false, "no user tab groups", &Checker::CheckUserTabGroups},
        {"OrvUIInit.xml", false, false, "no toolbar for a new user", &Checker::CheckDefaultToolBar},
        {"ToolBar.xml", true, false, "an empty toolbar", &Checker::CheckToolBar},
    };
    return files;
}

}  // namespace

int CheckDataFolder(const Options& options, std::ostream& out) {
    // A terminal's data folder, or a folder holding one as Data (the samples: examples).
    fs::path data = options.dir;
    if (!fs::exists(data / Checker::Files()[0].name) && fs::is_directory(data / "Data")) data /= "Data";
    if (!fs::is_directory(data)) {
        out << options.dir << ": error: no such folder\n";
        return 1;
    }
    // The terminal keeps its pictures in Image beside its Data.
    const std::string imageDir = !options.imageDir.empty() ? options.imageDir : (data.parent_path() / "Image").generic_string();
    std::vector<GradeSet> gradeSets;
    const std::vector<std::uint32_t> masks = options.grades.empty() ? std::vector<std::uint32_t>(std::begin(kSampleGrades), std::end(kSampleGrades))
                                                                    : options.grades;
    for (const bool show8000 : {true, false}) {
        for (const std::uint32_t mask : masks) {
            for (const bool derivatives : {false, true}) gradeSets.push_back({mask, derivatives, show8000});
        }
    }
    Checker checker(data.generic_string(), (data / "User").generic_string(), imageDir, std::move(gradeSets));
    return checker.Run(out);
}

int CheckDataFolder(const std::string& dir, std::ostream& out) {
    Options options;
    options.dir = dir;
    return CheckDataFolder(options, out);
}

bool ParseArguments(const std::vector<std::string>& args, Options& options, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--grade" || a == "--image") {
            if (i + 1 >= args.size()) {
                error = a + " needs a value";
                return false;
            }
            const std::string& value = args[++i];
            if (a == "--image") {
                options.imageDir = value;
                continue;
            }
            std::uint32_t mask = 0;
            const bool hex = std::all_of(value.begin(), value.end(), [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; });
            if (value.empty() || value.size() > 8 || !hex || !orv::text::ParseHex(value, mask)) {
                error = "--grade " + value + ": a grade mask is 1 to 8 hexadecimal digits, 0 to FFFFFFFF, such as 00100401";
                return false;
            }
            options.grades.push_back(mask);
        } else if (!a.empty() && a[0] != '-' && options.dir.empty()) {
            options.dir = a;
        } else {
            error = "unknown argument " + a + " (check takes a folder, --grade HEX, as often as needed, and --image DIR)";
            return false;
        }
    }
    return true;
}

}  // namespace orv::check
