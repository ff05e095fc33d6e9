#pragma once
// What pdftk's report tells of inputs it could not open because of their
// encryption, and of protection it dropped without being asked. pdftk says
// so only in words: its exit code is 1 for any failure.
#include <string>

namespace velmora {

enum class InputLock {
    None,               // nothing was refused for its encryption
    PasswordNeeded,     // an open password is needed and none was given
    PasswordWrong,      // the open password given did not open it
    EncryptionUnknown,  // pdftk cannot read that kind of encryption (AES-256) at all
};

// The first input that pdftk refused for its encryption, with its name as
// pdftk printed it (as it was handed on; empty where the report names none).
struct LockedInput {
    InputLock lock = InputLock::None;
    std::string file;
};

// Reads pdftk's report (pdftk-java's "OWNER OR USER PASSWORD REQUIRED, but
// not given" or "... but incorrect", pdftk 2.x's "OWNER PASSWORD REQUIRED,
// but not given (or incorrect)", "Invalid PDF: unknown.encryption.type.r").
// pdftk 2.x does not tell a missing password from a wrong one: passwordGiven
// says which it was.
LockedInput FindLockedInput(const std::string& report, bool passwordGiven);

// True when pdftk opened an input that only an owner password protected,
// without that password: its output no longer carries that protection.
bool OwnerProtectionDropped(const std::string& report);

// Added to the outcome of a run whose input lost its owner password.
inline constexpr char kOwnerProtectionDroppedNote[] =
    "The output is not protected by the original's owner password any more.";

} // namespace velmora
