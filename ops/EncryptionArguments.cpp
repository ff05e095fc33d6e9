#include "ops/EncryptionArguments.h"
#include "ops/Formatter.h"
#include "ops/OperationPaths.h"
#include "ops/ArgumentQuoting.h"
#include "ops/SameFileCheck.h"
#include "text/CharacterSteps.h"
#include <cstring>

namespace velmora {

namespace {

const char kNoInput[] = "Choose a pdf file first";
const char kEqualPasswords[] = "User and Owner password must be different";
const char kNoTarget[] = "Choose a target file first";
const char kTargetIsInput[] = "Target file must be different from the pdf file";

// Windows drops trailing blanks from file names, so a target of blanks alone
// names no file but the input's folder.
bool NamesNoFile(const std::string& target)
{
    return target.find_first_not_of(" \t") == std::string::npos;
}

// The checks both operations share, after the input has been checked.
std::string TargetRefusal(const std::string& pdfFile, const WideText& pdfPath, const std::string& target)
{
    if (NamesNoFile(target))
        return kNoTarget;
    if (HoldsNonNameCharacters(target))
        return kTargetNotAName;
    const WideText input = pdfPath.empty() ? WideFromAnsi(pdfFile) : pdfPath;
    if (TargetNamesInput(input, WideFromAnsi(target)))
        return kTargetIsInput;
    return std::string();
}

std::string PasswordPart(const char* keyword, const std::string& password)
{
    if (password.empty())
        return std::string();
    return std::string(keyword) + " " + QuoteArgument(password);
}

} // namespace

// A trail byte of a double-byte character may be 0x7C, which is then no '|'.
bool HoldsNonNameCharacters(const std::string& target)
{
    for (size_t i = 0; i < target.size(); i += CharacterSize(target, i)) {
        const char c = target[i];
        const bool single = CharacterSize(target, i) == 1;
        if (single && (std::strchr("?*<>|\"", c) && c != '\0'))
            return true;
        if (single && c == ':' && i != 1)
            return true;
    }
    return false;
}

std::string PermissionList(const Permissions& p)
{
    std::string list;
    if (p.printing) list = "printing";
    if (p.degradedPrinting) list += " degradedprinting";
    if (p.modifyContents) list += " ModifyContents";
    if (p.assembly) list += " Assembly";
    if (p.copyContents) list += " CopyContents";
    if (p.screenReaders) list += " ScreenReaders";
    if (p.modifyAnnotations) list += " ModifyAnnotations";
    if (p.fillIn) list += " FillIn";
    if (p.allFeatures) list = "AllFeatures";
    return list.empty() ? list : "allow " + list;
}

EncryptionPlan PlanEncryption(const EncryptionFields& fields)
{
    EncryptionPlan plan;
    if (fields.pdfFile.empty()) {
        plan.refusal = kNoInput;
        return plan;
    }
    if (fields.userPassword == fields.ownerPassword) {
        plan.refusal = kEqualPasswords;
        return plan;
    }
    plan.refusal = TargetRefusal(fields.pdfFile, fields.pdfPath, fields.target);
    if (!plan.refusal.empty())
        return plan;

    plan.call.arguments = Format("%s output %s %s %s %s %s", {
        QuoteAlways(fields.pdfFile),
        QuoteAlways(fields.target),
        fields.strength40 ? "encrypt_40bits" : "encrypt_128bits",
        PasswordPart("owner_pw", fields.ownerPassword),
        PasswordPart("user_pw", fields.userPassword),
        PermissionList(fields.permissions)});
    plan.call.folder = InputFolder(fields.pdfFile);
    plan.call.outputFile = fields.target;
    return plan;
}

EncryptionPlan PlanDecryption(const DecryptionFields& fields)
{
    EncryptionPlan plan;
    if (fields.pdfFile.empty()) {
        plan.refusal = kNoInput;
        return plan;
    }
    plan.refusal = TargetRefusal(fields.pdfFile, fields.pdfPath, fields.target);
    if (!plan.refusal.empty())
        return plan;

    // Without a password there is no input_pw at all: "input_pw" followed by
    // nothing would make the tool take "output" for the password. The part's
    // blank goes with it, so one blank stands before "output".
    if (fields.ownerPassword.empty()) {
        plan.call.arguments = Format("%s output %s", {QuoteAlways(fields.pdfFile), QuoteAlways(fields.target)});
    } else {
        plan.call.arguments = Format("%s %s output %s", {
            QuoteAlways(fields.pdfFile), PasswordPart("input_pw", fields.ownerPassword), QuoteAlways(fields.target)});
    }
    plan.call.folder = InputFolder(fields.pdfFile);
    plan.call.outputFile = fields.target;
    return plan;
}

} // namespace velmora
