#pragma once

// Programs of Rackmere that no user starts by name (rackmere-reader, the
// whole rackmere-cli behind its lean front) live in libexec/rackmere/ when
// installed and beside the program in the build tree.

#include <string>

namespace rkm::platform {

// The path of the helper program `name`: $`envVariable` when set, else
// ../libexec/rackmere/NAME from the running program's folder, else NAME
// beside the running program, else `buildPath` (the build tree's) when given;
// the first that can be run. Empty when none can.
std::string HelperProgramPath(const char *name, const char *envVariable, const char *buildPath = nullptr);

} // namespace rkm::platform
