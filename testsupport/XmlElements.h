// Reading a terminal file's elements the way the library reads them, for a test or orvhost that
// needs a file's content without a component of its own for it.
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

}  // namespace orv::test
