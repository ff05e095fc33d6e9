#include "app/ChosenPdf.h"
#include "app/MainWindow.h"
#include "ops/OperationPaths.h"
#include "ui/Control.h"

namespace velmora {

WideText ChosenPdf;
WideText NamedPdf;

void ShowPdfFile(MainWindow* window, const WideText& path)
{
    ChosenPdf = path;
    const std::string shown = ShownAnsi(path);
    window->PdfFileEdit->SetText(shown);
    // A proposal the field cannot hold would only be refused at the run.
    window->TargetEdit->SetText(FitsCodePage(path.data()) ? ProposedTarget(shown) : std::string());
}

void TakePdfFile(MainWindow* window, const WideText& path)
{
    ShowPdfFile(window, path);
    NamedPdf = path;
}

} // namespace velmora
