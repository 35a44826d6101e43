// What every test of the library needs: a folder of its own for the terminal's directories,
// a record of the message boxes shown, and file helpers. Builds for both back ends.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "orvmenu/OrvWinTypes.h"
#include "testsupport/Contrast.h"
#include "testsupport/Handles.h"

namespace orv::test {

// The terminal's text for a UTF-8 literal (code page 950).
std::string Big5(std::string_view utf8);
// UTF-8 for the terminal's text, for readable failure messages.
std::string Utf8(std::string_view big5);

void WriteFile(const std::string& path, std::string_view bytes);
std::string ReadFile(const std::string& path);
bool FileExists(const std::string& path);
std::vector<std::string> ListDir(const std::string& dir);  // file names, sorted

#if defined(__SANITIZE_ADDRESS__)
#define ORV_SANITIZED 1  // the sanitizer reserves terabytes of address space: no limit can hold
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ORV_SANITIZED 1
#endif
#endif

#if !defined(_WIN32)
// Whether the system applies an address-space limit at all. qemu's user-mode emulator, which
// runs the 32-bit suite, takes the call and limits nothing (its own allocations would fail), and
// reads the limit back as unlimited: there tests of memory running out cannot run.
bool AddressLimitApplies();

// The address space a child process may take, counted from what it held when it started.
class AddressLimit {
public:
    AddressLimit();
    bool Allow(std::size_t extraBytes);  // what it held at the start plus extraBytes
    bool Lift();                         // no limit
private:
    std::size_t start_ = 0;
};

// Runs body in a child process (the test's state copied as fork copies it) and returns the
// status body returned; an exception out of body counts as 1, and a child that died of a
// signal fails the test and returns -1.
int RunInChild(const std::function<int(AddressLimit&)>& body);
#endif

// Base fixture: a fresh folder per test with Data, Data/User, Form and Image inside, set as the
// terminal's directories; message boxes are recorded instead of shown. Removed afterwards.
class OrvTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string DataPath(const std::string& name) const { return dataDir + "/" + name; }
    std::string UserPath(const std::string& name) const { return userDir + "/" + name; }

    std::string rootDir, dataDir, userDir, formDir, imageDir;
    std::vector<std::string> messageBoxes;  // texts, in the order shown

private:
    orv::test::HandleCounts handlesAtStart_;
};

}  // namespace orv::test
