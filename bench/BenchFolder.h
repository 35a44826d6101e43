// The folder a benchmark writes its files into: fresh for each run, removed when the program
// ends, so that a run leaves nothing behind.
#pragma once

#include <filesystem>
#include <random>
#include <string>
#include <system_error>
#include <vector>

namespace orv::bench {

inline std::string FreshFolder(const std::string& prefix) {
    static struct Folders {
        std::vector<std::string> made;
        ~Folders() {
            for (const std::string& dir : made) {
                std::error_code ec;
                std::filesystem::remove_all(dir, ec);
            }
        }
    } folders;
    const std::string dir = (std::filesystem::temp_directory_path() / (prefix + std::to_string(std::random_device{}()))).string();
    std::filesystem::create_directories(dir);
    folders.made.push_back(dir);
    return dir;
}

}  // namespace orv::bench
