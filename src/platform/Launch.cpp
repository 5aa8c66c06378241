#include "platform/Launch.h"

#include <climits>
#include <cstdlib>
#include <strings.h>
#include <sys/stat.h>

namespace rkm::platform {

namespace {

bool resolve(const std::string &path, std::string &out)
{
    char *real = ::realpath(path.c_str(), nullptr);
    if (!real)
        return false;
    out = real;
    std::free(real);
    return true;
}

bool endsWithDesktop(const std::string &path)
{
    constexpr std::size_t n = sizeof(".desktop") - 1;
    return path.size() >= n && ::strcasecmp(path.c_str() + path.size() - n, ".desktop") == 0;
}

} // namespace

LaunchCheck CheckLaunch(const std::string &rootPath, const std::string &path)
{
    LaunchCheck check;
    std::string root;
    if (rootPath.empty() || rootPath[0] != '/' || !resolve(rootPath, root) || !resolve(path, check.resolved))
        return check; // Missing
    const std::string below = root == "/" ? root : root + "/";
    if (check.resolved.compare(0, below.size(), below) != 0 || check.resolved.size() == below.size()) {
        check.verdict = LaunchVerdict::Outside;
        return check;
    }
    struct stat st {};
    if (::stat(check.resolved.c_str(), &st) != 0)
        return check; // Missing
    if (!S_ISREG(st.st_mode)) {
        check.verdict = LaunchVerdict::NotAFile;
        return check;
    }
    const bool runs = (st.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH)) != 0 || endsWithDesktop(path) ||
                      endsWithDesktop(check.resolved);
    check.verdict = runs ? LaunchVerdict::AskFirst : LaunchVerdict::Open;
    return check;
}

} // namespace rkm::platform
