// The checker of a terminal's data folder (orvhost check): reads every file the way the
// components read it and reports each problem as "file:line:column: error|warning: message".
#pragma once

#include <iosfwd>
#include <string>

namespace orv::check {

// Checks the data folder dir (or a folder holding one as Data) and writes the report to out.
// A clean folder writes nothing. Returns 0 when no error was found, 1 otherwise.
int CheckDataFolder(const std::string& dir, std::ostream& out);

}  // namespace orv::check
