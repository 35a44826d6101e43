// Files the way the library reads and writes them, for a test or orvhost that needs a file
// without a component of its own for it.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace orv::test {

// The attributes (name in upper case to value, code page 950) of each child element of the
// document element whose name is element (compared without regard to case), in file order.
// False when the file cannot be read.
bool ReadChildElements(const std::string& path, const std::string& element,
                       std::vector<std::map<std::string, std::string>>& out);

// Copies the file at from over target by the library's atomic save: target is the old file or
// the new one, a symbolic link there keeps its link and the file its permission bits. False
// when from cannot be read or target cannot be written.
bool CopyFileAsSaved(const std::string& from, const std::string& target);

}  // namespace orv::test
