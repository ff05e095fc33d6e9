#pragma once
// Whether an output name would make pdftk overwrite its own input. The one
// decision of the operations that asks the system: full path names depend on
// the current folder, and the file system ignores case.
#include <string>

namespace velmora {

// True when target names the same file as input, the way the tool sees both
// when it runs in the input's folder (a relative target is taken in that
// folder, a relative input in the current folder). Both are made full path
// names (GetFullPathNameA: "." and ".." resolved, '/' read as '\', trailing
// dots and blanks dropped), short 8.3 names of existing files made long, and
// compared without regard to case.
bool TargetNamesInput(const std::string& input, const std::string& target);

} // namespace velmora
