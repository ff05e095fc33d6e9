#pragma once
// What pdftk's report tells of inputs it could not open because of their
// encryption, and of protection it dropped without being asked. pdftk says
// so only in words: its exit code is 1 for any failure.
#include <string>
#include <vector>

namespace velmora {

enum class InputLock {
    PasswordNeeded,     // an open password is needed: none was given, or the one given did not open it
    EncryptionUnknown,  // pdftk cannot read that kind of encryption (AES-256) at all
};

// An input that pdftk refused for its encryption, with its name as pdftk
// printed it (as it was handed on, or as the Linux bridge made it).
struct LockedInput {
    InputLock lock = InputLock::PasswordNeeded;
    std::string file;
};

// Every input the report says was refused for its encryption, in the order
// told: pdftk-java's "OWNER OR USER PASSWORD REQUIRED, but not given" or
// "... but incorrect", pdftk 2.x's "OWNER PASSWORD REQUIRED, but not given
// (or incorrect)", "Invalid PDF: unknown.encryption.type.r". pdftk opens
// every input before it gives up, so one run names them all.
std::vector<LockedInput> FindLockedInputs(const std::string& report);

// True when pdftk opened an input that an owner password protected, without
// that password: its output no longer carries that protection.
bool OwnerProtectionDropped(const std::string& report);

} // namespace velmora
