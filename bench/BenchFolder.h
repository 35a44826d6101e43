// The folder a benchmark writes its files into: fresh for each run, removed when the program
// ends, so that a run leaves nothing behind.
#pragma once

#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <system_error>
#include <vector>

namespace orv::bench {

inline std::string FreshFolder(const std::string& prefix) {
    struct Removed {
        std::string dir;
        ~Removed() {
            std::error_code ec;
            std::filesystem::remove_all(dir, ec);
        }
    };
    auto folder = std::make_unique<Removed>();
    folder->dir = (std::filesystem::temp_directory_path() / (prefix + std::to_string(std::random_device{}()))).string();
    std::filesystem::create_directories(folder->dir);
    const std::string dir = folder->dir;
    // Destroyed at exit, after the static objects built before it.
    static std::vector<std::unique_ptr<Removed>> folders;
    folders.push_back(std::move(folder));
    return dir;
}

}  // namespace orv::bench
