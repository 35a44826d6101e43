// The checker of a terminal's data folder (orvhost check): reads every file the way the
// components read it and reports each problem as "file:line:column: error|warning: message",
// columns counted in bytes of the line as the file stores them.
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

namespace orv::check {

// The grade masks the sample data is made for: a retail investor (basic account, stocks,
// internet) and a user with every grade.
inline constexpr std::uint32_t kSampleGrades[] = {0x00100401u, 0x3FFFFFFFu};

struct Options {
    std::string dir;       // the data folder, or a folder holding one as Data
    std::string imageDir;  // empty: the folder Image beside the data folder
    // The users' grade masks the menus are checked for, each with and without derivatives
    // rights and with screen 8000 shown and hidden; empty: kSampleGrades.
    std::vector<std::uint32_t> grades;
};

// Checks the folder and writes the report to out. A clean folder writes nothing. Returns 0 when
// no error was found, 1 otherwise.
int CheckDataFolder(const Options& options, std::ostream& out);
int CheckDataFolder(const std::string& dir, std::ostream& out);

inline constexpr char kUsage[] =
    "usage: orvhost check [DIR] [--grade HEX]... [--image DIR] [--help]\n"
    "Every file of the terminal's data folder DIR (default: the samples), problems as\n"
    "file:line:column: error|warning: message, the column in bytes of the file's line.\n"
    "The menus are checked for each user grade mask given (default: 00100401 and 3FFFFFFF),\n"
    "with and without derivatives rights; pictures in --image (default: Image beside the data folder).\n"
    "Exit status: 0 without errors, 1 with errors, 2 when the arguments are wrong.\n";

// orvhost check's arguments after "check": [DIR] [--grade HEX]... [--image DIR]. False, with
// what was wrong in error, when they do not parse.
bool ParseArguments(const std::vector<std::string>& args, Options& options, std::string& error);

}  // namespace orv::check
