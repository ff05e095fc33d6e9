#pragma once
// Encryption and decryption of the PDF named in the PDF file field into the
// file named in the target field: the checks and the pdftk arguments.
#include "ops/ToolCall.h"
#include "text/WideText.h"
#include <string>

namespace velmora {

// Refusals of these two operations appear in an error box with this title.
inline constexpr char kDescriptionTitle[] = "Description";

// The permission check boxes, in the order they are written.
struct Permissions {
    bool printing = false;
    bool degradedPrinting = false;
    bool modifyContents = false;
    bool assembly = false;
    bool copyContents = false;
    bool screenReaders = false;
    bool modifyAnnotations = false;
    bool fillIn = false;
    bool allFeatures = false;
};

// The window's state as encryption reads it at the click.
struct EncryptionFields {
    std::string pdfFile;        // PDF file field: the input, as the tool gets it
    std::string target;         // target field: the output
    std::string userPassword;
    std::string ownerPassword;
    bool strength40 = false;    // the 40 bit radio; otherwise 128 bit
    Permissions permissions;
    // The input as the system names it, when the tool gets it by another
    // name (ChooseInputName); empty: pdfFile.
    WideText pdfPath;
};

// The window's state as decryption reads it; the owner password field holds
// the password that opens the input.
struct DecryptionFields {
    std::string pdfFile;
    std::string target;
    std::string ownerPassword;
    WideText pdfPath;           // as for encryption
};

// Either a refusal or a tool call: when refusal is not empty, the handler
// shows it (error icon, kDescriptionTitle) and runs nothing.
struct EncryptionPlan {
    std::string refusal;
    ToolCall call;
};

// Refuses a target field that holds '?', '*', '<', '>', '|', '"' or a ':'
// after the drive: the system takes none of them in a file name, and a '?'
// is what the field shows for a letter it cannot hold.
inline constexpr char kTargetNotAName[] =
    "The target cannot be a file name: it holds a character that file names cannot have "
    "(? * < > | \" or a colon after the drive). A ? stands for a letter that the Target field cannot hold. "
    "Type another target, or choose one with its \"...\" button.";

// True when target holds a character that kTargetNotAName refuses.
bool HoldsNonNameCharacters(const std::string& target);

// "allow " and the permission words, or empty when no box is checked.
// AllFeatures replaces every other word.
std::string PermissionList(const Permissions& permissions);

// True when pdftk would read password, given after input_pw, as one of its
// keywords ("output", "ownerpw", "allow", ...), whatever its case.
bool IsToolKeyword(const std::string& password);

// Refuses, in this order: no input ("Choose a pdf file first"), equal
// passwords, both empty included ("User and Owner password must be
// different"), no target, a target with characters no file name can hold
// (kTargetNotAName), a target naming the input, a password pdftk cannot be
// given (PROMPT, which makes it ask on its standard input). Otherwise the
// call
//   "{IN}" output "{TARGET}" {STRENGTH} {OWNER} {USER} {PERMISSIONS}
// with empty parts leaving their blanks, in the input's folder. pdftk takes
// the word after owner_pw and user_pw as the password even when it is one of
// its keywords. The passwords are the call's secrets.
EncryptionPlan PlanEncryption(const EncryptionFields& fields);

// Refuses no input, no target, a target naming the input and the password
// PROMPT, as encryption does. Otherwise "{IN}" input_pw {PASSWORD} output
// "{TARGET}" in the input's folder, or "{IN}" output "{TARGET}" when the
// password field is empty. A password that is one of pdftk's keywords goes
// with the input's handle, so that pdftk cannot take it for the keyword:
// "A={IN}" input_pw A={PASSWORD} output "{TARGET}".
EncryptionPlan PlanDecryption(const DecryptionFields& fields);

} // namespace velmora
