#include "app/ProtectedInputs.h"
#include "ops/LockedInputs.h"
#include "ops/OpenPasswords.h"
#include "ui/Application.h"
#include "ui/Control.h"
#include "ui/InputQuery.h"
#include "ui/MessageBoxes.h"

namespace velmora {

namespace {

void Wipe(std::string& secret)
{
    if (!secret.empty())
        SecureZeroMemory(&secret[0], secret.size());
    secret.clear();
}

void Wipe(std::vector<std::string>& secrets)
{
    for (std::string& secret : secrets)
        Wipe(secret);
}

} // namespace

ProtectedInputs::ProtectedInputs(const ToolRun& run)
    : run_(run), prompted_(run.inputFiles.size()), passwords_(run.inputFiles.size())
{
    answers_.lines = &lines_;
    answers_.promptWords = kPasswordPromptWords;
}

ProtectedInputs::~ProtectedInputs()
{
    Wipe(passwords_);
    Wipe(lines_);
}

ToolRun ProtectedInputs::Applied() const
{
    ToolRun run = run_;
    run.call = WithPasswordPrompts(run_.call, prompted_);
    return run;
}

const PromptAnswers* ProtectedInputs::Answers()
{
    Wipe(lines_);
    lines_.clear();
    for (size_t i = 0; i < prompted_.size(); ++i)
        if (prompted_[i])
            lines_.push_back(passwords_[i]);
    return lines_.empty() ? nullptr : &answers_;
}

void ProtectedInputs::HideIn(std::string& output) const
{
    std::string hidden = HidePasswords(output, passwords_);
    Wipe(output);
    output = std::move(hidden);
}

// A run on one input has only it to mean.
int ProtectedInputs::InputOf(const std::string& printed) const
{
    if (run_.call.combined.empty())
        return run_.inputFiles.empty() ? -1 : 0;
    const int input = ReportedInput(printed, run_.call.combined);
    return input < static_cast<int>(run_.inputFiles.size()) ? input : -1;
}

std::string ProtectedInputs::FileName(size_t input) const
{
    const std::string path = ShownAnsi(run_.inputFiles[input]);
    const size_t separator = path.find_last_of("\\/");
    return separator == std::string::npos ? path : path.substr(separator + 1);
}

bool ProtectedInputs::Ask(size_t input)
{
    // Titled as every box of the program, with the main window's caption.
    const std::string title = AppMainForm ? AppMainForm->GetText() : std::string();
    std::string typed;
    const bool given = QueryText(title, PasswordQuestion(FileName(input), prompted_[input]), typed, true);
    if (!given) {
        Wipe(typed);
        return false;
    }
    Wipe(passwords_[input]);
    passwords_[input] = typed;
    Wipe(typed);
    prompted_[input] = true;
    return true;
}

// A name that matches none of the inputs leaves the failure as pdftk told it.
ProtectedInputs::Refusals ProtectedInputs::Read(const ProcessResult& result) const
{
    Refusals refusals;
    if (!result.ended || result.exitCode == 0 || AppTerminated || run_.call.openPasswordGiven) {
        refusals.others = true;
        return refusals;
    }
    for (const LockedInput& locked : FindLockedInputs(result.output)) {
        const int input = InputOf(locked.file);
        if (input < 0)
            refusals.others = true;
        else if (locked.lock == InputLock::EncryptionUnknown && refusals.unreadable < 0)
            refusals.unreadable = input;
        else if (locked.lock == InputLock::PasswordNeeded)
            refusals.needPassword.push_back(static_cast<size_t>(input));
    }
    return refusals;
}

bool ProtectedInputs::WillAsk(const ProcessResult& result) const
{
    const Refusals refusals = Read(result);
    return !refusals.others && refusals.unreadable < 0 && !refusals.needPassword.empty();
}

ProtectedInputs::Next ProtectedInputs::AfterRun(const ProcessResult& result)
{
    const Refusals refusals = Read(result);
    if (refusals.others)
        return Next::Tell;
    if (refusals.unreadable >= 0) {
        ShowNotice(UnknownEncryptionNotice(FileName(static_cast<size_t>(refusals.unreadable))));
        return Next::Stop;
    }
    if (refusals.needPassword.empty())
        return Next::Tell;
    for (size_t input : refusals.needPassword)
        if (!Ask(input))
            return Next::Stop;
    return Next::RunAgain;
}

std::string ProtectedInputs::OutcomeNote(const ProcessResult& result) const
{
    if (!run_.call.tellsLostProtection)
        return std::string();
    for (bool asked : prompted_)
        if (asked)
            return kOpenProtectionDroppedNote;
    return OwnerProtectionDropped(result.output) ? kOwnerProtectionDroppedNote : std::string();
}

} // namespace velmora
