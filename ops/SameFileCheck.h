#pragma once
// Whether an output would make pdftk overwrite one of its own inputs. The
// decisions of the operations that ask the system: one file can be reached
// by many names (a second drive letter for the same folder, subst and mapped
// drives, symbolic links, junctions, hard links, short 8.3 names), full path
// names depend on the current folder, and the file system ignores case.
#include "text/WideText.h"
#include <string>
#include <vector>

namespace velmora {

// True when target names the same file as input, the way the tool sees both
// when it runs in the input's folder (a relative target is taken in that
// folder, a relative input in the current folder). When both exist, their
// identities decide (volume serial number and file index, as
// GetFileInformationByHandle tells them), so C:\Docs\a.pdf and the same file
// reached through Z:\...\drive_c\Docs\a.pdf, a link or another drive letter
// are one file. Otherwise, as for a target that does not exist yet, the
// names decide: both are made full path names (GetFullPathNameW: "." and
// ".." resolved, '/' read as '\', trailing dots and blanks dropped), short
// 8.3 names of existing files made long, and compared without regard to case.
bool TargetNamesInput(const std::string& input, const std::string& target);

// True when target is one of inputs, each compared as TargetNamesInput does;
// a relative target is taken in the first input's folder. For join and
// merge: pdftk reads its inputs while it writes the target, so a target that
// is one of them comes out corrupt, and the input is lost. False for no
// inputs. Asks the disk once for the target and once for each input.
bool TargetIsAmong(const std::vector<std::string>& inputs, const std::string& target);

// The same for paths as the system names them; the 8-bit forms above are
// read in the system's code page and go this way.
bool TargetNamesInput(const WideText& input, const WideText& target);
bool TargetIsAmong(const std::vector<WideText>& inputs, const WideText& target);

} // namespace velmora
