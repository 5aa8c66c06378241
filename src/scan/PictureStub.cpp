// TEMPORARY: stands in for the pictures made by the sandbox's workers until
// they are built; weak, so the real definitions win. Makes no picture.
#include "scan/Sandbox.h"

#include <algorithm>
#include <cctype>

namespace rkm {

__attribute__((weak)) PictureKind PictureKindOf(std::string_view fileName)
{
    const std::size_t dot = fileName.rfind('.');
    if (dot == std::string_view::npos)
        return PictureKind::None;
    std::string ext(fileName.substr(dot + 1));
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    if (ext == "jpg" || ext == "jpeg" || ext == "png")
        return PictureKind::Image;
    return PictureKind::None;
}

__attribute__((weak)) std::optional<std::vector<PictureAnswer>>
SandboxPictures(int, const std::vector<std::string> &names, const ScanControl *)
{
    return std::vector<PictureAnswer>(names.size());
}

} // namespace rkm
