#pragma once
// Names an operation derives from the chosen input PDF and from the text of
// the PDF file field. Output names follow the input's base name, so
// "q3.final.pdf" gives "q3.final_fixed.pdf", never "q3_fixed.pdf".
#include <string>

namespace velmora {

// The input's file name without its folder and without its last extension:
// C:\Docs\q3.final.pdf gives q3.final, C:\My.Docs\scan gives scan.
std::string InputBase(const std::string& input);

// The input's folder, its base name and ending: C:\Docs\a.pdf with "_fixed.pdf"
// gives C:\Docs\a_fixed.pdf.
std::string BesideInput(const std::string& input, const std::string& ending);

// The folder an operation on an input runs in (a chosen one, or the PDF file
// field's for encryption and decryption): the input's own, with its
// trailing backslash, so that whatever the tool writes by a bare name lands
// beside the input; empty when the name holds no folder.
std::string InputFolder(const std::string& input);

// The folder that burst and dump run in and therefore must create first,
// beside the input: its folder followed by its base name, no trailing
// backslash (C:\Docs\a.pdf gives C:\Docs\a).
std::string ReportFolder(const std::string& input);

// The target proposed for encryption when a PDF is chosen or named on the
// command line: C:\Docs\report.pdf gives C:\Docs\report_sec.pdf.
std::string ProposedTarget(const std::string& pdfPath);

} // namespace velmora
