#pragma once
// Between Windows and Unix names, by Wine's own mapping, so that the drive
// letters of the prefix decide (C: its drive_c, Z: the Unix root). The Unix
// side takes UTF-8; the Windows side is 8-bit ANSI text of the system code
// page.
#include <string>

namespace velmora::bridge {

// The Unix path of a Windows path, which need not exist: folders that do not
// exist yet are appended as they are written. Empty when Wine has no mapping
// for it (a network share, or not running under Wine). A drive letter that
// the prefix lacks maps to a missing dosdevices entry, where pdftk finds and
// writes nothing.
std::string UnixPathOf(const std::string& windowsPath);
// The same for a path as the system names it (UTF-16), such as a working
// folder whose name the code page cannot hold.
std::string UnixPathOf(const std::wstring& windowsPath);

// A relative name with its backslashes turned into slashes, in UTF-8.
std::string UnixRelativePath(const std::string& relativePath);

// ANSI text in UTF-8, unchanged otherwise.
std::string UnixText(const std::string& ansi);

// The Windows name under which Wine shows a Unix path; empty when none.
std::wstring WindowsNameOf(const std::string& unixPath);

// Conversions between the encodings; exposed for the relay's own names.
std::wstring Widen(const std::string& text, unsigned codePage);
std::string Narrow(const std::wstring& text, unsigned codePage);

} // namespace velmora::bridge
