#include "tests/e2e/VelmoraSession.h"
#include <gtest/gtest.h>

namespace velmora::e2e {

using namespace driver;

VelmoraSession::VelmoraSession(SessionOptions options)
    : folder_(options.folderName), documents_(options.folderName)
{
    const std::string program = CopyInto(VelmoraProgram(), folder_.Path());
    if (options.withTool) {
        CopyInto(StandinProgram(), folder_.Path(), "pdftk.exe");
        SetTool(options.tool);
    }
    process_ = options.wideArguments.empty()
                   ? std::make_unique<Process>(program, options.arguments, folder_.Path())
                   : std::make_unique<Process>(program, options.wideArguments, folder_.Path());
}

HWND VelmoraSession::MainWindow()
{
    if (!main_)
        main_ = WaitForTopWindow(ProcessId(), WindowMatch::Title(kMainTitle));
    return main_;
}

HWND VelmoraSession::Control(const std::string& caption)
{
    return WaitForControl(MainWindow(), ControlMatch::Text(caption));
}

void VelmoraSession::Click(const std::string& caption)
{
    ClickButton(WaitForControl(MainWindow(), ControlMatch::Text(caption).AndClass("obj_BUTTON")));
}

void VelmoraSession::SetTool(const std::vector<StandinStep>& steps)
{
    std::vector<StandinStep> all = {{"log", ToolLog()}};
    all.insert(all.end(), steps.begin(), steps.end());
    WriteStandinControl(folder_.File("standin.cfg"), all);
}

std::vector<StandinRun> VelmoraSession::ToolRuns() const
{
    return ReadStandinLog(ToolLog());
}

StandinRun VelmoraSession::WaitForToolRun(size_t count)
{
    std::vector<StandinRun> runs;
    WaitUntil([&] { runs = ToolRuns(); return runs.size() >= count; },
              "the stand-in's run " + std::to_string(count));
    return runs.back();
}

void VelmoraSession::ExpectNotice(const std::string& text)
{
    MessageBoxInfo box = WaitForMessageBox(ProcessId(), kMainTitle);
    EXPECT_EQ(box.text, text);
    AnswerMessageBox(box, IDOK);
}

} // namespace velmora::e2e
