#pragma once
// The program's command-line arguments.
#include "text/WideText.h"
#include <string>

namespace velmora {

// Argument 0 is the program's full path; 1 and on come from GetCommandLineA.
// Empty when there is no such argument.
std::string GetArgument(int index);
// How many arguments follow the program name (counting until one is empty).
int CountArguments();

// Argument index (1 and on) of commandLine: blanks (bytes up to 0x20) part
// arguments, double quotes group blanks into one argument, a "" at an
// argument's start is skipped, and an argument in quotes loses them. Bytes
// above 0x7F are ordinary characters. Index 0 is the program part as written.
std::string ArgumentOf(const std::string& commandLine, int index);
// The same for the wide command line: argument index (1 and on) of
// commandLine, as the system names it (zero-terminated; empty when there is
// no such argument), so that a file name the code page cannot hold arrives
// whole.
WideText WideArgumentOf(const wchar_t* commandLine, int index);
// Argument index (1 and on) of GetCommandLineW, split as GetArgument splits
// GetCommandLineA: the two always name the same argument.
WideText GetWideArgument(int index);

// The program's full path from GetModuleFileNameA; empty when the path does
// not fit (a cut path would name some other file).
std::string ModulePath();
// The path GetModuleFileNameA left in buffer with the length it returned:
// empty for a failure and for 260 characters or more.
std::string UsableModulePath(const char* buffer, unsigned long length);

} // namespace velmora
