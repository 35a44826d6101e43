// Messages recorded as they reach windows, and expected sequences written as tables to compare
// them with: one table entry per message, with what of its parameters must match. A mismatch is
// reported with both sequences side by side, so the first message out of place can be read off.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "orvmenu/OrvWinTypes.h"

namespace orv::test {

// What a table entry checks besides the message number.
enum SeqFlags : unsigned {
    kSeqParent = 0x01,    // sent to the parent window (else to the watched window itself)
    kSeqWParam = 0x02,    // wParam is exactly the entry's
    kSeqLParam = 0x04,    // lParam is exactly the entry's
    kSeqLParamSet = 0x08, // lParam is not 0 (a pointer or a handle whose value varies)
    kSeqOptional = 0x10,  // may be missing: one back end sends it and the other does not
    kSeqWParamSet = 0x20, // wParam is not 0
};

struct SeqEntry {
    unsigned message = 0;
    unsigned flags = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

struct LoggedMessage {
    unsigned message = 0;
    bool parent = false;  // reached the parent window
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    int code = 0;  // a WM_NOTIFY's notification code, read during the call
};

class MessageLog {
public:
    // Which messages a comparison looks at: the rest is the window system's own traffic.
    using Filter = bool (*)(const LoggedMessage&);

    // Called during the message, while what lParam points at is valid.
    void Add(unsigned message, bool parent, WPARAM wParam, LPARAM lParam);
    void Clear() { messages_.clear(); }
    const std::vector<LoggedMessage>& All() const { return messages_; }
    std::vector<LoggedMessage> Filtered(Filter keep) const;

private:
    std::vector<LoggedMessage> messages_;
};

// Empty when the messages that keep lets through match the table in order; otherwise both
// sequences and where they part.
std::string CompareSequence(const MessageLog& log, MessageLog::Filter keep, std::span<const SeqEntry> expected);

// One line per message: its name where known, the window it reached and its parameters.
std::string Describe(const std::vector<LoggedMessage>& messages);
std::string MessageName(unsigned message);

// Records every message sent to a window from now until it ends, in front of the window's own
// procedure (a subclass on Windows; headless, a wrapper of the window's procedure). Messages
// recorded for a parent are marked as such. The window may go first; the recorder then records
// nothing more.
class WindowRecorder {
public:
    WindowRecorder(HWND wnd, MessageLog& log, bool parent);
    WindowRecorder(const WindowRecorder&) = delete;
    WindowRecorder& operator=(const WindowRecorder&) = delete;
    ~WindowRecorder();

    bool Active() const;  // false when the window could not be watched

    struct Hook;

private:
    std::shared_ptr<Hook> hook_;
};

}  // namespace orv::test
