#include "scan/ui/ScanCommands.h"

#include "app/Mainfrm.h"
#include "app/Prompter.h"

namespace rkm {

ScanCommands::ScanCommands(TfrmMain &main) : m_main(main) {}

ScanCommands::~ScanCommands() = default;

void ScanCommands::Addnew1Click()
{
    prompter().message(&m_main, QMessageBox::Information, m_main.windowTitle(),
                       QStringLiteral("This command is not yet available."), QMessageBox::Ok);
}

void ScanCommands::popUpdateClick()
{
    prompter().message(&m_main, QMessageBox::Information, m_main.windowTitle(),
                       QStringLiteral("This command is not yet available."), QMessageBox::Ok);
}

void ScanCommands::popDeleteClick()
{
    prompter().message(&m_main, QMessageBox::Information, m_main.windowTitle(),
                       QStringLiteral("This command is not yet available."), QMessageBox::Ok);
}

void ScanCommands::mnuRenameClick()
{
    prompter().message(&m_main, QMessageBox::Information, m_main.windowTitle(),
                       QStringLiteral("This command is not yet available."), QMessageBox::Ok);
}

void ScanCommands::mnuPropertiesClick()
{
    prompter().message(&m_main, QMessageBox::Information, m_main.windowTitle(),
                       QStringLiteral("This command is not yet available."), QMessageBox::Ok);
}

} // namespace rkm
