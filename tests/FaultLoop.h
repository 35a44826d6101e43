// Every file operation of a save made to fail in turn: round N arms the file layer so that its
// Nth operation fails, runs the save, and checks what a user would find afterwards. The loop
// ends at the first round whose save never reached the fault. A component that writes a user
// file joins by filling a FaultLoop with its own few lines.
#pragma once

#include <algorithm>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "TestSupport.h"
#include "services/File.h"

namespace orv::test {

struct FaultLoop {
    std::string file;       // the user file the save writes
    // The message the user sees when the save failed; empty when the operation under test tells
    // the user in its own way (finish checks it then).
    std::string saveError;
    // Starts a round: the old file on disk (or none), the component loaded and edited.
    std::function<void()> arrange;
    // The operation under test, run with the fault armed.
    std::function<void()> save;
    // The component's model as text: a failed save must not change it. May be empty.
    std::function<std::string()> model;
    // Ends a round, unarmed (destroys the component). May be empty.
    std::function<void()> finish;
    std::vector<std::string>* messageBoxes = nullptr;
};

struct FaultLoopReport {
    unsigned rounds = 0;  // rounds that reached the fault
    std::set<orv::file::fault::Op> failed;
    std::optional<std::string> oldBytes, newBytes;
};

inline std::optional<std::string> FileBytes(const std::string& path) {
    if (!FileExists(path)) return std::nullopt;
    return ReadFile(path);
}

// Temporary files a save left in the folder of path.
inline std::vector<std::string> LeftTemporaries(const std::string& path) {
    const std::string dir = path.substr(0, path.find_last_of("/\\"));
    std::vector<std::string> left;
    for (const std::string& name : ListDir(dir)) {
        if (name.find(".orvtmp.") != std::string::npos) left.push_back(name);
    }
    return left;
}

inline FaultLoopReport RunFaultLoop(const FaultLoop& loop, bool persistent) {
    namespace fault = orv::file::fault;
    FaultLoopReport report;
    const auto told = [&] {
        if (loop.saveError.empty()) return -1;
        return static_cast<int>(std::count(loop.messageBoxes->begin(), loop.messageBoxes->end(), loop.saveError));
    };

    // The reference round: what the save writes when nothing fails.
    loop.arrange();
    report.oldBytes = FileBytes(loop.file);
    loop.messageBoxes->clear();
    loop.save();
    report.newBytes = FileBytes(loop.file);
    EXPECT_LE(told(), 0) << "a save that could not fail was reported as failed";
    if (loop.finish) loop.finish();
    if (!report.newBytes || report.newBytes == report.oldBytes) {
        ADD_FAILURE() << "the save under test must change the file";
        return report;
    }

    for (unsigned n = 1; n < 10000; ++n) {
        loop.arrange();
        EXPECT_EQ(FileBytes(loop.file), report.oldBytes) << "round " << n << " did not start from the old file";
        const std::string modelBefore = loop.model ? loop.model() : std::string();
        loop.messageBoxes->clear();
        fault::FailAt(n, persistent);
        loop.save();
        const bool fired = fault::Fired();
        const fault::Op op = fault::FirstFailed();
        fault::Disarm();

        const std::string where = "round " + std::to_string(n) + (persistent ? " (disk full from then on)" : "") +
                                  (fired ? std::string(", failed: ") + fault::OpName(op) : ", no fault");
        const auto bytes = FileBytes(loop.file);
        EXPECT_TRUE(bytes == report.oldBytes || bytes == report.newBytes)
            << where << ": the file is neither the old one nor the new one";
        EXPECT_EQ(LeftTemporaries(loop.file), std::vector<std::string>{}) << where;
        if (loop.model) {
            EXPECT_EQ(loop.model(), modelBefore) << where << ": the model changed";
        }
        const int toldCount = told();
        if (toldCount >= 0) {
            EXPECT_EQ(toldCount, fired ? 1 : 0) << where << (fired ? ": a failed save was not reported" : "");
        }
        if (!fired) {
            EXPECT_EQ(bytes, report.newBytes) << where;
        }
        if (loop.finish) loop.finish();
        if (!fired) break;
        ++report.rounds;
        report.failed.insert(op);
        if (::testing::Test::HasFailure()) break;  // one broken round says enough
    }
    return report;
}

}  // namespace orv::test
