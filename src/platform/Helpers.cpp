#include "platform/Helpers.h"

#include <climits>
#include <cstdlib>
#include <unistd.h>

namespace rkm::platform {

std::string HelperProgramPath(const char *name, const char *envVariable, const char *buildPath)
{
    if (const char *env = envVariable ? std::getenv(envVariable) : nullptr; env && *env)
        return env;
    char self[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (n > 0) {
        std::string folder(self, static_cast<std::size_t>(n));
        folder.resize(folder.rfind('/') + 1);
        // Installed: bin/ and libexec/rackmere/; else beside the program.
        for (const std::string &path : {folder + "../libexec/rackmere/" + name, folder + name})
            if (::access(path.c_str(), X_OK) == 0)
                return path;
    }
    // Tests and the desktop program run from the build tree.
    if (buildPath && ::access(buildPath, X_OK) == 0)
        return buildPath;
    return {};
}

} // namespace rkm::platform
