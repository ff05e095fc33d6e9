#pragma once
// The open passwords of protected inputs reach pdftk on its standard input,
// never on its command line, where any other program of the user could read
// them: "input_pw PROMPT" makes pdftk ask for each, one line each, in the
// order of its inputs. These decide how a run asks for them and what the
// user is told; the runner carries it out.
#include "ops/ToolCall.h"
#include <string>
#include <vector>

namespace velmora {

// The words by which pdftk asks for the next input's password ("Please
// enter the open password to use on the input PDF:"); they leave out the
// kind of password, which pdftk's versions name differently.
inline constexpr char kPasswordPromptWords[] = "password to use on the input PDF";

// The call with pdftk told to read the open password of each input that
// prompted marks (by the order of the inputs). A run on one input gets
// " input_pw PROMPT" after its first argument, or " input_pw A=PROMPT"
// where that is "A=...". A combining run names its inputs by handles, each
// reading its own password: "A=f1" "B=f2" input_pw B=PROMPT cat A B output
// "{TARGET}". Nothing marked: the call as it is.
ToolCall WithPasswordPrompts(const ToolCall& call, const std::vector<bool>& prompted);

// pdftk's handle of the input at index: A to Z, then AA, AB, ...
std::string InputHandle(size_t index);

// Which of names (the inputs as pdftk got them) is the file pdftk printed
// as printed: the one that ends in most of the same folders and name, as
// pdftk may print it with another folder before it (the Linux bridge's
// Unix path); -1 when none shares even its name.
int ReportedInput(const std::string& printed, const std::vector<std::string>& names);

// text (pdftk's output) with the passwords it lists behind their files
// ("   a.pdf, {PASSWORD}", in its verbose report) shown as asterisks; only
// whole lines count, so that a short password hides nothing else.
std::string HidePasswords(const std::string& text, const std::vector<std::string>& passwords);

// The question for the open password of the file named fileName (its name
// alone); triedBefore says that the password given last did not open it.
std::string PasswordQuestion(const std::string& fileName, bool triedBefore);

// Told instead of a question for a file of an encryption pdftk cannot read.
std::string UnknownEncryptionNotice(const std::string& fileName);

// Added to the outcome when an input lost its protection in the output:
// one that pdftk opened without its owner password, or with its open
// password.
inline constexpr char kOwnerProtectionDroppedNote[] =
    "The output is not protected by the original's owner password any more.";
inline constexpr char kOpenProtectionDroppedNote[] =
    "The output is not protected by the original's passwords any more: it opens without a password.";

} // namespace velmora
