#include "services/File.h"

#include <vector>

namespace orv::file::fault {

namespace {
// The library runs on one thread; the seam is only armed by tests.
unsigned armedAt = 0;
unsigned counted = 0;
bool persistent = false;
bool fired = false;
Op firstFailed = Op::Open;
bool allocations = false;  // what the armed fault counts: allocations, or file operations
bool recording = false;
std::vector<Op> trace;
}  // namespace

void Record(bool on) {
    recording = on;
    trace.clear();
}

std::vector<Op> Recorded() { return trace; }

const char* OpName(Op op) {
    switch (op) {
    case Op::Open: return "open";
    case Op::Write: return "write";
    case Op::Flush: return "flush";
    case Op::Close: return "close";
    case Op::Rename: return "rename";
    case Op::FolderFlush: return "folder flush";
    case Op::CopyRead: return "copy read";
    case Op::Link: return "link";
    case Op::Alloc: return "allocation";
    }
    return "?";
}

void FailAt(unsigned n, bool failLater) {
    armedAt = n;
    counted = 0;
    persistent = failLater;
    fired = false;
    allocations = false;
}

void FailAllocationAt(unsigned n) {
    FailAt(n, false);
    allocations = true;
}

void Disarm() { armedAt = 0; }
unsigned Counted() { return counted; }
bool Fired() { return fired; }
Op FirstFailed() { return firstFailed; }

bool Inject(Op op) {
    if (recording) trace.push_back(op);
    if (armedAt == 0 || (op == Op::Alloc) != allocations) return false;
    ++counted;
    if (counted < armedAt || (counted > armedAt && !persistent)) return false;
    if (!fired) firstFailed = op;
    fired = true;
    return true;
}

}  // namespace orv::file::fault
