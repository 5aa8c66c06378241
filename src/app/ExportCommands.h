#pragma once

namespace rkm {

class TfrmMain;

// "Disk > Export...": asks what to export and in which form (TfrmExport),
// then for the file, and writes it with the hourglass showing.
void ExportCommand(TfrmMain &main);

} // namespace rkm
