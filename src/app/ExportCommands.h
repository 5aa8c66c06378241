#pragma once

#include "app/Command.h"

#include <QCoreApplication>

namespace rkm {

class CatalogStore;
class MainView;

// "Disk > Export...": asks what to export and in which form (TfrmExport),
// then for the file, and writes it with the hourglass showing.
class ExportCommand final {
    Q_DECLARE_TR_FUNCTIONS(rkm::ExportCommand)

public:
    ExportCommand(CatalogStore &store, MainView &view);
    void exportListings();

    const CommandList &commands() const { return m_commands; }

private:
    CatalogStore &m_store;
    MainView &m_view;
    CommandList m_commands;
};

} // namespace rkm
