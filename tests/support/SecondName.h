#pragma once
// Under Wine every file of C: has a second name on Z: (the whole Linux
// tree), as subst or a mapped drive gives one on Windows; that name leads
// through the prefix's dosdevices\c:, a symbolic link to the drive's folder.
#include <string>

namespace velmora {

// The Z: name of path, or empty outside Wine.
std::string SecondName(const std::string& path);

} // namespace velmora
