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

// The folder the operations run in: the folder part of the PDF file field,
// with its trailing backslash; empty when the field holds no folder.
std::string FieldFolder(const std::string& pdfField);

// The folder that burst and dump run in and therefore must create first: the
// field's folder followed by the input's base name, no trailing backslash;
// the base name alone (relative to the current folder) when the field is empty.
std::string ReportFolder(const std::string& input, const std::string& pdfField);

// The target proposed for encryption when a PDF is chosen or named on the
// command line: C:\Docs\report.pdf gives C:\Docs\report_sec.pdf.
std::string ProposedTarget(const std::string& pdfPath);

} // namespace velmora
