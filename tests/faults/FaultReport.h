#pragma once
// Each fault case leaves one row for docs/reliability.md: what was tried, what
// the user saw, and whether the program held. Rows go to one file per case in
// the folder VELMORA_RELIABILITY_ROWS names (none: no row), so a rerun
// replaces them; the report step of the test run gathers them, sorted by name.
#include <string>

namespace velmora::faults {

// What the report's summary line counts over all cases.
enum class Tally {
    InputOverwritten,           // an input file changed by a run
    ReplacedWithoutQuestion,    // an existing file replaced without the user saying Yes
    FailureCalledSuccess,       // a run that failed reported as a success
    OutputOutsideInputFolder,   // an action wrote somewhere else than beside its input
};

class FaultRecord {
public:
    // name orders the table ("tool crashes"); done says what the test did.
    FaultRecord(std::string name, std::string done);
    // Writes the row; the verdict is the test's: a failed check or an
    // exception on the way out makes it "FAILED".
    ~FaultRecord();
    FaultRecord(const FaultRecord&) = delete;
    FaultRecord& operator=(const FaultRecord&) = delete;

    // One thing the user saw, in order ("notice: Successful executed").
    void Saw(const std::string& what);

    // One check of what the summary counts; happened: the fault was seen.
    // The caller's own EXPECT fails the case as well.
    void Checked(Tally what, bool happened);

private:
    std::string name_;
    std::string done_;
    std::string seen_;
    int checked_[4] = {};
    int happened_[4] = {};
};

} // namespace velmora::faults
