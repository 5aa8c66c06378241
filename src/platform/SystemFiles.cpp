// Small helpers over the system's files and paths below SystemView's root.

#include "platform/SystemFiles.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace fs = std::filesystem;

namespace rkm::platform::detail {

namespace {

std::string Trim(std::string s)
{
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (!s.empty() && isSpace(s.back()))
        s.pop_back();
    std::size_t i = 0;
    while (i < s.size() && isSpace(s[i]))
        ++i;
    return s.substr(i);
}

// The kernel name of the mount's source device ("sdb1"), or empty.
std::string SourceDeviceName(const std::string &root, const Mount &m)
{
    if (!StartsWith(m.source, "/dev/"))
        return {};
    const std::string real = Canonical(root + m.source);
    return BaseName(real.empty() ? m.source : real);
}

// Does the /dev/disk/by-* link `link` point at the mount's device?
bool LinkMatches(const std::string &root, const fs::path &link, const Mount &m, const std::string &sourceName)
{
    std::error_code ec;
    const fs::path target = fs::read_symlink(link, ec);
    if (ec)
        return false;
    const std::string name = BaseName(target.string());
    if (name.empty())
        return false;
    if (!sourceName.empty() && name == sourceName)
        return true;
    if (m.major != 0) {
        const std::string dev = ReadFirstLine(root + "/sys/class/block/" + name + "/dev");
        if (!dev.empty() && dev == std::to_string(m.major) + ":" + std::to_string(m.minor))
            return true;
    }
    return false;
}

} // namespace

bool StartsWith(std::string_view s, std::string_view prefix)
{
    return s.size() >= prefix.size() && s.compare(0, prefix.size(), prefix) == 0;
}

// The first line of a small file, trimmed; empty when it cannot be read.
std::string ReadFirstLine(const std::string &path)
{
    std::ifstream f(path);
    if (!f)
        return {};
    std::string line;
    std::getline(f, line);
    return Trim(line);
}

bool Exists(const std::string &path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

// The real path of an existing file, or empty.
std::string Canonical(const std::string &path)
{
    std::error_code ec;
    fs::path p = fs::canonical(path, ec);
    if (ec)
        return {};
    return p.string();
}

std::string BaseName(std::string_view path)
{
    while (path.size() > 1 && path.back() == '/')
        path.remove_suffix(1);
    const auto slash = path.rfind('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string ParentOf(std::string_view path)
{
    const auto slash = path.rfind('/');
    if (slash == std::string_view::npos)
        return {};
    if (slash == 0)
        return "/";
    return std::string(path.substr(0, slash));
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Decodes the \xHH escapes udev uses in /dev/disk/by-label names.
std::string DecodeHexEscapes(std::string_view s)
{
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 3 < s.size() && s[i + 1] == 'x') {
            const int hi = HexValue(s[i + 2]), lo = HexValue(s[i + 3]);
            if (hi >= 0 && lo >= 0) {
                out.push_back(static_cast<char>((hi << 4) | lo));
                i += 3;
                continue;
            }
        }
        out.push_back(s[i]);
    }
    return out;
}

// Lexically normalised absolute path: no ".", "..", doubled or trailing
// slashes ("/" stays "/"). A relative path is taken from the current folder
// when `realSystem`, else from "/". Empty stays empty.
std::string Normalize(const std::string &path, bool realSystem)
{
    if (path.empty())
        return {};
    std::string full = path;
    if (full[0] != '/') {
        std::string cwd = "/";
        if (realSystem) {
            std::error_code ec;
            const fs::path p = fs::current_path(ec);
            if (!ec)
                cwd = p.string();
        }
        full = cwd + "/" + full;
    }
    std::vector<std::string_view> parts;
    std::string_view rest(full);
    std::size_t i = 0;
    while (i < rest.size()) {
        while (i < rest.size() && rest[i] == '/')
            ++i;
        std::size_t j = i;
        while (j < rest.size() && rest[j] != '/')
            ++j;
        const std::string_view part = rest.substr(i, j - i);
        if (part.empty() || part == ".") {
            // skip
        } else if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else {
            parts.push_back(part);
        }
        i = j;
    }
    if (parts.empty())
        return "/";
    std::string out;
    for (const auto part : parts) {
        out += '/';
        out += part;
    }
    return out;
}

// Does mount point `mp` hold `path` (both normalised)? On component
// boundaries only: "/media/usb" holds "/media/usb/x" but not "/media/usb2".
bool Holds(const std::string &mp, const std::string &path)
{
    if (mp == "/")
        return !path.empty() && path[0] == '/';
    if (!StartsWith(path, mp))
        return false;
    return path.size() == mp.size() || path[mp.size()] == '/';
}

std::string ResolvePath(const std::string &root, const std::string &path)
{
    std::string p = Normalize(path, root.empty());
    if (root.empty() && !p.empty()) {
        const std::string real = Canonical(p);
        if (!real.empty())
            return real;
    }
    return p;
}

std::optional<Mount> HoldingMount(const std::vector<Mount> &mounts, const std::string &path)
{
    if (path.empty())
        return std::nullopt;
    const Mount *best = nullptr;
    for (const Mount &m : mounts) {
        const std::string mp = Normalize(m.mountPoint, false);
        if (!Holds(mp, path))
            continue;
        if (!best || mp.size() >= Normalize(best->mountPoint, false).size())
            best = &m;
    }
    if (!best)
        return std::nullopt;
    return *best;
}

// The sysfs folder (real path, root prefix included) of the block device of a
// mount, or empty: by major:minor through sys/dev/block, else by the source
// device's name through sys/class/block.
std::string BlockDeviceDir(const std::string &root, const Mount &m)
{
    if (m.major != 0) {
        const std::string dir = Canonical(root + "/sys/dev/block/" + std::to_string(m.major) + ":" +
                                          std::to_string(m.minor));
        if (!dir.empty())
            return dir;
    }
    if (StartsWith(m.source, "/dev/")) {
        std::string real = Canonical(root + m.source);
        const std::string name = BaseName(real.empty() ? m.source : real);
        if (!name.empty()) {
            const std::string dir = Canonical(root + "/sys/class/block/" + name);
            if (!dir.empty())
                return dir;
        }
    }
    return {};
}

// The name (as udev wrote it) of the first link in `dir` that points at the
// mount's device, in name order; empty when there is none.
std::string FindLinkFor(const std::string &root, const std::string &dir, const Mount &m)
{
    std::error_code ec;
    fs::directory_iterator it(dir, ec);
    if (ec)
        return {};
    std::vector<fs::path> links;
    for (const fs::directory_iterator end; !ec && it != end; it.increment(ec))
        links.push_back(it->path());
    std::sort(links.begin(), links.end());
    const std::string sourceName = SourceDeviceName(root, m);
    for (const fs::path &link : links) {
        if (LinkMatches(root, link, m, sourceName))
            return link.filename().string();
    }
    return {};
}

} // namespace rkm::platform::detail
