#pragma once

// The five reading choices as check boxes, which Add new and the listing's
// properties both show under the same names.

#include "scan/ScanOptions.h"

namespace rkm {

template <class Ui> ScanOptions ReadingOfBoxes(const Ui &ui)
{
    ScanOptions options;
    options.archives = ui.chkArchives->isChecked();
    options.descriptions = ui.chkDescriptions->isChecked();
    options.tags = ui.chkTags->isChecked();
    options.fingerprints = ui.chkFingerprints->isChecked();
    options.pictures = ui.chkPictures->isChecked();
    return options;
}

template <class Ui> void ShowReadingInBoxes(Ui &ui, const ScanOptions &options)
{
    ui.chkArchives->setChecked(options.archives);
    ui.chkDescriptions->setChecked(options.descriptions);
    ui.chkTags->setChecked(options.tags);
    ui.chkFingerprints->setChecked(options.fingerprints);
    ui.chkPictures->setChecked(options.pictures);
}

} // namespace rkm
