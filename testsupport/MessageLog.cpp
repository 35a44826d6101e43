#include "testsupport/MessageLog.h"

#include <cstdio>
#include <sstream>

namespace orv::test {

namespace {

struct Named {
    unsigned message;
    const char* name;
};

// The messages the toolbar tests meet, by the window system's names.
constexpr Named kNames[] = {
    {0x0002, "WM_DESTROY"},         {0x000B, "WM_SETREDRAW"},        {0x0030, "WM_SETFONT"},          {0x004E, "WM_NOTIFY"},
    {0x0082, "WM_NCDESTROY"},       {0x0111, "WM_COMMAND"},          {0x0200, "WM_MOUSEMOVE"},
    {0x0201, "WM_LBUTTONDOWN"},     {0x0202, "WM_LBUTTONUP"},        {0x0210, "WM_PARENTNOTIFY"},
    {0x0215, "WM_CAPTURECHANGED"},  {0x0414, "TB_ADDBUTTONSA"},      {0x0415, "TB_INSERTBUTTONA"},
    {0x0416, "TB_DELETEBUTTON"},    {0x0417, "TB_GETBUTTON"},        {0x0418, "TB_BUTTONCOUNT"},
    {0x041D, "TB_GETITEMRECT"},     {0x041E, "TB_BUTTONSTRUCTSIZE"}, {0x0423, "TB_GETTOOLTIPS"},
    {0x0424, "TB_SETTOOLTIPS"},     {0x0430, "TB_SETIMAGELIST"},     {0x0431, "TB_GETIMAGELIST"},
    {0x0454, "TB_SETEXTENDEDSTYLE"}, {0x0455, "TB_GETEXTENDEDSTYLE"}, {0x2002, "CCM_SETCOLORSCHEME"},
    {0x2003, "CCM_GETCOLORSCHEME"},
};

constexpr unsigned kWmNotify = 0x004E;

// The notifications the toolbar sends its parent, by their codes.
constexpr struct {
    int code;
    const char* name;
} kNotifications[] = {
    {-2, "NM_CLICK"},           {-12, "NM_CUSTOMDRAW"},       {-16, "NM_RELEASEDCAPTURE"},
    {-20, "NM_LDOWN"},          {-710, "TBN_DROPDOWN"},       {-713, "TBN_HOTITEMCHANGE"},
    {-715, "TBN_DELETINGBUTTON"}, {-701, "TBN_BEGINDRAG"},     {-702, "TBN_ENDDRAG"},
};

// NMHDR: the sender, its identifier, the code.
struct NotifyHeader {
    HWND from;
    std::uintptr_t id;
    unsigned code;
};

std::string Hex(std::uintmax_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%jx", value);
    return text;
}

bool Matches(const SeqEntry& e, const LoggedMessage& m) {
    if (e.message != m.message || ((e.flags & kSeqParent) != 0) != m.parent) return false;
    if ((e.flags & kSeqWParam) != 0 && e.wParam != m.wParam) return false;
    if ((e.flags & kSeqLParam) != 0 && e.lParam != m.lParam) return false;
    if ((e.flags & kSeqLParamSet) != 0 && m.lParam == 0) return false;
    if ((e.flags & kSeqWParamSet) != 0 && m.wParam == 0) return false;
    return true;
}

std::string Line(unsigned message, bool parent, const std::string& wParam, const std::string& lParam) {
    return MessageName(message) + (parent ? " to the parent" : "") + " wParam " + wParam + " lParam " + lParam;
}

std::string Describe(const SeqEntry& e) {
    const std::string w = (e.flags & kSeqWParam) != 0 ? Hex(e.wParam) : ((e.flags & kSeqWParamSet) != 0 ? "set" : "any");
    const std::string l = (e.flags & kSeqLParam) != 0
                              ? Hex(static_cast<std::uintptr_t>(e.lParam))
                              : ((e.flags & kSeqLParamSet) != 0 ? "set" : "any");
    return Line(e.message, (e.flags & kSeqParent) != 0, w, l) + ((e.flags & kSeqOptional) != 0 ? " (optional)" : "");
}

}  // namespace

std::string MessageName(unsigned message) {
    for (const Named& n : kNames) {
        if (n.message == message) return n.name;
    }
    return Hex(message);
}

void MessageLog::Add(unsigned message, bool parent, WPARAM wParam, LPARAM lParam) {
    LoggedMessage m{message, parent, wParam, lParam, 0};
    if (message == kWmNotify && lParam != 0) {
        m.code = static_cast<int>(reinterpret_cast<const NotifyHeader*>(lParam)->code);
    }
    messages_.push_back(m);
}

std::vector<LoggedMessage> MessageLog::Filtered(Filter keep) const {
    std::vector<LoggedMessage> kept;
    for (const LoggedMessage& m : messages_) {
        if (keep == nullptr || keep(m)) kept.push_back(m);
    }
    return kept;
}

std::string Describe(const std::vector<LoggedMessage>& messages) {
    std::string text;
    for (const LoggedMessage& m : messages) {
        text += "  " + Line(m.message, m.parent, Hex(m.wParam), Hex(static_cast<std::uintptr_t>(m.lParam)));
        if (m.message == kWmNotify) {
            std::string name = std::to_string(m.code);
            for (const auto& n : kNotifications) {
                if (n.code == m.code) name = n.name;
            }
            text += " " + name;
        }
        text += "\n";
    }
    return text;
}

std::string CompareSequence(const MessageLog& log, MessageLog::Filter keep, std::span<const SeqEntry> expected) {
    const std::vector<LoggedMessage> got = log.Filtered(keep);
    std::size_t e = 0;
    std::size_t g = 0;
    std::string problem;
    while (e < expected.size() && problem.empty()) {
        if (g < got.size() && Matches(expected[e], got[g])) {
            ++e;
            ++g;
        } else if ((expected[e].flags & kSeqOptional) != 0) {
            ++e;
        } else {
            problem = "expected #" + std::to_string(e) + " " + Describe(expected[e]) + ", got " +
                      (g < got.size() ? "#" + std::to_string(g) + " " + Describe(std::vector<LoggedMessage>{got[g]}).substr(2)
                                      : std::string("nothing more\n"));
        }
    }
    if (problem.empty() && g < got.size()) {
        problem = "the table ends; got #" + std::to_string(g) + " " + Describe(std::vector<LoggedMessage>{got[g]}).substr(2);
    }
    if (problem.empty()) return {};
    std::string text = problem + "expected:\n";
    for (const SeqEntry& entry : expected) text += "  " + Describe(entry) + "\n";
    return text + "got:\n" + Describe(got);
}

}  // namespace orv::test
