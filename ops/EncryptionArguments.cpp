#include "ops/EncryptionArguments.h"
#include "ops/Formatter.h"
#include "ops/OperationPaths.h"
#include "ops/ArgumentQuoting.h"
#include "ops/SameFileCheck.h"
#include "text/CharacterSteps.h"
#include <cstring>
#include <vector>

namespace velmora {

namespace {

const char kNoInput[] = "Choose a pdf file first";
const char kEqualPasswords[] = "User and Owner password must be different";
const char kNoTarget[] = "Choose a target file first";
const char kTargetIsInput[] = "Target file must be different from the pdf file";
const char kPromptPassword[] =
    "pdftk cannot be given the password PROMPT: it takes that word as a request to ask for the password, "
    "which it cannot do here.";

// Asking for the password on pdftk's standard input, which is empty here.
const char kPromptWord[] = "PROMPT";

// The words pdftk-java reads as its own after input_pw, in lower case (it
// compares them so): its operations, output options, permissions and
// rotations, with their other spellings. Each was seen to end the password
// there; "even", "odd" and "end" were not.
const char* const kToolKeywords[] = {
    "allfeatures", "allow", "assembly", "attach_file", "attach_file_relation", "attach_file_to_page",
    "attach_files", "attachfile", "background", "barcode_burst", "burst", "cat", "compress", "copycontents",
    "data_dump", "datadump", "degradedprinting", "do_ask", "dont_ask", "dontask", "down", "drop_xfa", "drop_xmp",
    "dump_data", "dump_data_annots", "dump_data_fields", "dump_data_fields_fdf", "dump_data_fields_utf8",
    "dump_data_utf8", "dumpdata", "east", "encrypt128_bit", "encrypt128_bits", "encrypt128bit", "encrypt128bits",
    "encrypt40_bit", "encrypt40_bits", "encrypt40bit", "encrypt40bits", "encrypt_128_bit", "encrypt_128_bits",
    "encrypt_128bit", "encrypt_128bits", "encrypt_40_bit", "encrypt_40_bits", "encrypt_40bit", "encrypt_40bits",
    "encrypt_aes128", "fdfdump", "fdfgen", "fill_form", "fillform", "fillin", "filt_compress", "filt_uncompress",
    "filter", "flatten", "generate_fdf", "input_pw", "inputpw", "keep_final_id", "keep_first_id", "left",
    "modifyannotations", "modifycontents", "multibackground", "multistamp", "need_appearances", "north", "output",
    "owner_pw", "ownerpw", "perm_all", "perm_assembly", "perm_copy_contents", "perm_degraded_printing",
    "perm_fillin", "perm_modify_annotations", "perm_modify_contents", "perm_printing", "perm_screen_readers",
    "printing", "range_minus", "relation", "replacement_font", "right", "rot_east", "rot_left", "rot_north",
    "rot_right", "rot_south", "rot_upside_down", "rot_west", "rotate", "screenreaders", "shuffle", "south",
    "stamp", "to_page", "topage", "uncompress", "unpack_file", "unpack_files", "unpackfiles", "update_info",
    "update_info_utf8", "updateinfo", "updateinfoutf8", "user_perms", "user_pw", "userpw", "verbose", "west",
};

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

std::string PasswordRefusal(const std::string& first, const std::string& second = std::string())
{
    return first == kPromptWord || second == kPromptWord ? kPromptPassword : std::string();
}

std::vector<std::string> Secrets(const std::string& first, const std::string& second = std::string())
{
    std::vector<std::string> secrets;
    for (const std::string& password : {first, second})
        if (!password.empty())
            secrets.push_back(password);
    return secrets;
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

bool IsToolKeyword(const std::string& password)
{
    std::string lower = password;
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    for (const char* keyword : kToolKeywords)
        if (lower == keyword)
            return true;
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
    if (plan.refusal.empty())
        plan.refusal = PasswordRefusal(fields.ownerPassword, fields.userPassword);
    if (!plan.refusal.empty())
        return plan;

    plan.call.secrets = Secrets(fields.ownerPassword, fields.userPassword);
    plan.call.arguments = Format("%s output %s %s %s %s %s", {
        QuoteAlways(fields.pdfFile),
        QuoteAlways(fields.target),
        fields.strength40 ? "encrypt_40bits" : "encrypt_128bits",
        PasswordPart("owner_pw", fields.ownerPassword),
        PasswordPart("user_pw", fields.userPassword),
        PermissionList(fields.permissions)});
    plan.call.folder = InputFolder(fields.pdfFile);
    plan.call.outputFile = fields.target;
    plan.call.tellsLostProtection = false;
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
    if (plan.refusal.empty())
        plan.refusal = PasswordRefusal(fields.ownerPassword);
    if (!plan.refusal.empty())
        return plan;

    plan.call.secrets = Secrets(fields.ownerPassword);
    // Without a password there is no input_pw at all: "input_pw" followed by
    // nothing would make the tool take "output" for the password. The part's
    // blank goes with it, so one blank stands before "output".
    if (fields.ownerPassword.empty()) {
        plan.call.arguments = Format("%s output %s", {QuoteAlways(fields.pdfFile), QuoteAlways(fields.target)});
    } else if (IsToolKeyword(fields.ownerPassword)) {
        // Only pdftk's handle form sets a password apart from its keywords.
        plan.call.arguments = Format("%s input_pw %s output %s", {
            QuoteAlways("A=" + fields.pdfFile), QuoteArgument("A=" + fields.ownerPassword), QuoteAlways(fields.target)});
    } else {
        plan.call.arguments = Format("%s %s output %s", {
            QuoteAlways(fields.pdfFile), PasswordPart("input_pw", fields.ownerPassword), QuoteAlways(fields.target)});
    }
    plan.call.folder = InputFolder(fields.pdfFile);
    plan.call.outputFile = fields.target;
    plan.call.tellsLostProtection = false;
    plan.call.openPasswordGiven = !fields.ownerPassword.empty();
    return plan;
}

} // namespace velmora
