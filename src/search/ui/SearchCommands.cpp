#include "search/ui/SearchCommands.h"

#include "app/Mainfrm.h"
#include "app/Prompter.h"

namespace rkm {

SearchCommands::SearchCommands(TfrmMain &main) : m_main(main) {}

SearchCommands::~SearchCommands() = default;

void SearchCommands::mnuFindClick()
{
    prompter().message(&m_main, QMessageBox::Information, m_main.windowTitle(),
                       QStringLiteral("This command is not yet available."), QMessageBox::Ok);
}

void SearchCommands::mnuFindNextClick()
{
    prompter().message(&m_main, QMessageBox::Information, m_main.windowTitle(),
                       QStringLiteral("This command is not yet available."), QMessageBox::Ok);
}

void SearchCommands::StringGrid1DblClick()
{
    prompter().message(&m_main, QMessageBox::Information, m_main.windowTitle(),
                       QStringLiteral("This command is not yet available."), QMessageBox::Ok);
}

} // namespace rkm
