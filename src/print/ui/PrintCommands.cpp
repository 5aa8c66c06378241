#include "print/ui/PrintCommands.h"

#include "app/Mainfrm.h"
#include "app/Prompter.h"

namespace rkm {

PrintCommands::PrintCommands(TfrmMain &main) : m_main(main) {}

PrintCommands::~PrintCommands() = default;

void PrintCommands::mnuPrintClick()
{
    prompter().message(&m_main, QMessageBox::Information, m_main.windowTitle(),
                       QStringLiteral("This command is not yet available."), QMessageBox::Ok);
}

} // namespace rkm
