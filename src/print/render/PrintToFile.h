#pragma once

// Printing without a window, for the command line. This header needs no GUI
// headers; the work is done with Qt's painter on a PDF printer or an image.

#include "print/PageLayout.h"

#include <string>
#include <vector>

class QCoreApplication;

namespace rkm {

// Prints to a PDF file (A4) at 600 dots per inch: no printer dialog and no fit
// question (lines that do not fit a cover run on; a list of contents takes
// as many pages as it needs). Throws RackmereError.
void PrintPdfFile(const std::string &path, const PageRequest &request, const std::vector<std::string> &folderLines,
                  const std::vector<std::string> &fileLines);

// Writes the preview image (540 × 470) of page `request.page` (from 0) as a
// PNG file. Throws RackmereError, also when the preview has no such page.
void WritePreviewPng(const std::string &path, const PageRequest &request,
                     const std::vector<std::string> &folderLines, const std::vector<std::string> &fileLines);

// A QGuiApplication on the offscreen platform: fonts and painting without a display.
QCoreApplication *MakeOffscreenGuiApplication(int &argc, char **argv);

} // namespace rkm
