#pragma once
// The open passwords of one action's inputs: asked for when pdftk reports
// that it needs them, handed to pdftk on its standard input at the next
// run, and wiped when the action ends.
#include "ops/ProcessExecution.h"
#include "ops/ToolNames.h"
#include <string>
#include <vector>

namespace velmora {

class ProtectedInputs {
public:
    explicit ProtectedInputs(const ToolRun& run);
    ~ProtectedInputs();
    ProtectedInputs(const ProtectedInputs&) = delete;
    ProtectedInputs& operator=(const ProtectedInputs&) = delete;

    // The run with pdftk told to read the passwords asked for so far.
    ToolRun Applied() const;
    // Those passwords, in the order pdftk asks for them; none before the
    // first was asked for.
    const PromptAnswers* Answers();

    enum class Next {
        Tell,       // the run's outcome is for the user
        RunAgain,   // every input pdftk could not open has a password now
        Stop,       // the user cancelled a question, or was told why nothing can be done
    };
    // The passwords given so far, by input (empty where none was asked).
    const std::vector<std::string>& Given() const { return passwords_; }
    // pdftk's report lists the passwords it was given: they are hidden in
    // output, and the text that held them is wiped.
    void HideIn(std::string& output) const;

    // True when the finished run's report asks for passwords: the run is
    // then no outcome, and its output wants no reading.
    bool WillAsk(const ProcessResult& result) const;
    // Reads a finished run's report, and asks for what it needs.
    Next AfterRun(const ProcessResult& result);

    // Added to the outcome of a run that went well.
    std::string OutcomeNote(const ProcessResult& result) const;

private:
    // What a run's report asks of the user.
    struct Refusals {
        std::vector<size_t> needPassword;   // inputs, in the order told
        int unreadable = -1;                // an input of an encryption pdftk cannot read
        bool others = false;                // an input that cannot be told, or a failure of another kind
    };
    Refusals Read(const ProcessResult& result) const;
    int InputOf(const std::string& printed) const;
    std::string FileName(size_t input) const;
    bool Ask(size_t input);

    ToolRun run_;
    std::vector<bool> prompted_;
    std::vector<std::string> passwords_;   // by input; empty where none was asked
    std::vector<std::string> lines_;       // the answers of the next run
    PromptAnswers answers_;
};

} // namespace velmora
