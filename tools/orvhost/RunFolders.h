// orvhost works on copies of the terminal's files in a folder of its own under the temporary
// folder. A run that is killed cannot remove its folder: the next run does.
#pragma once

#include <filesystem>
#include <ostream>

namespace orvhost {

// A new folder "orvhost-<process>-<n>" under the temporary folder. Throws when none can be
// made.
std::filesystem::path FreshRunFolder();

// Removes the run folders of orvhost processes that no longer run. A folder whose process still
// runs (this one, another orvhost) stays, and so does anything not named as a run folder.
void RemoveStaleRunFolders();

// Writes every file of from into the same place under to, each through the library's atomic
// save. Tells out of each file it could not write back; false when there was one.
bool WriteBack(const std::filesystem::path& from, const std::filesystem::path& to, std::ostream& out);

}  // namespace orvhost
