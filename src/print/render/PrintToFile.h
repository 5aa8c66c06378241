#pragma once

// Printing without a window, for the command line. This header needs no GUI
// headers; the work is done with Qt's painter on a PDF printer or an image.

#include "print/PageLayout.h"

#include <string>
#include <vector>

class QCoreApplication;

namespace rkm {

// Prints the page to a PDF file at 600 dots per inch: no printer dialog and
// no fit question (lines that do not fit run on). Throws RackmereError.
void PrintPdfFile(const std::string &path, const PageRequest &request, const std::vector<std::string> &folderLines,
                  const std::vector<std::string> &fileLines);

// Writes the preview image (540 × 470) as a PNG file. Throws RackmereError.
void WritePreviewPng(const std::string &path, const PageRequest &request,
                     const std::vector<std::string> &folderLines, const std::vector<std::string> &fileLines);

// A QGuiApplication on the offscreen platform: fonts and painting without a display.
QCoreApplication *MakeOffscreenGuiApplication(int &argc, char **argv);

} // namespace rkm
