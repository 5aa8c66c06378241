#pragma once

// What the walk's tests share: files of a given size, the nodes and files of
// a walked tree by name, and a folder mirrored through a slow FUSE volume.

#include "catalog/Disks.h"
#include "scan/Scanner.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <map>
#include <sstream>
#include <string>
#include <sys/mount.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace rkm::scantest {

using test::ReadBytes;

inline void sizedFile(const std::string &path, off_t size)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0) << path;
    ASSERT_EQ(::ftruncate(fd, size), 0);
    ::close(fd);
}

// Files of a node by name, for checks that do not depend on the listing order.
inline std::map<std::string, FileEntry> filesOf(const TreeNode &n)
{
    std::map<std::string, FileEntry> m;
    for (int i = 0; i < n.disk().Files.count(); ++i)
        m[n.disk().Files.entryCopy(i)[FT_NAME]] = n.disk().Files.entryCopy(i);
    return m;
}

inline const TreeNode *childNamed(const TreeNode &n, const std::string &name)
{
    for (int i = 0; i < n.childCount(); ++i)
        if (n.child(i)->text() == name)
            return n.child(i);
    return nullptr;
}

// The node at a '/'-separated path below `root`, or null.
inline const TreeNode *nodeAt(const TreeNode &root, const std::string &path)
{
    const TreeNode *n = &root;
    std::istringstream parts(path);
    for (std::string name; n && std::getline(parts, name, '/');)
        n = childNamed(*n, name);
    return n;
}

// A folder mirrored read-only through the FUSE pass-through of the tests,
// whose folder listings carry no entry types, every request waiting
// `delayMs` first. Mounted on construction, unmounted (and its server gone)
// on destruction, whatever the test did.
class PassthroughMount {
public:
    PassthroughMount(const std::string &source, const std::string &mountPoint, const std::string &log,
                     double delayMs = 0)
        : m_mountPoint(ResolveScanRoot(mountPoint))
    {
        if (::access("/dev/fuse", R_OK | W_OK) != 0 || ::access("/usr/bin/python3", X_OK) != 0) {
            m_skip = "no usable /dev/fuse or /usr/bin/python3";
            return;
        }
        m_pid = ::fork();
        if (m_pid < 0) {
            m_failure = "cannot start the pass-through";
            return;
        }
        if (m_pid == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGTERM); // the server unmounts on SIGTERM
            const int out = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            ::dup2(out, 1);
            ::dup2(out, 2);
            const std::string delay = std::to_string(delayMs);
            ::execl("/usr/bin/python3", "python3", RACKMERE_PASSTHROUGH_FS, source.c_str(), m_mountPoint.c_str(),
                    "--fsname", "rackmere-test", "--delay-ms", delay.c_str(), static_cast<char *>(nullptr));
            ::_exit(127);
        }
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (!mounted()) {
            int status = 0;
            if (::waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_pid = -1;
                const bool unusable = WIFEXITED(status) && WEXITSTATUS(status) == 77;
                (unusable ? m_skip : m_failure) = "the pass-through ended: " + ReadBytes(log);
                return;
            }
            if (std::chrono::steady_clock::now() > deadline) {
                m_failure = "the pass-through did not mount within 20 s: " + ReadBytes(log);
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    }

    ~PassthroughMount()
    {
        if (m_pid <= 0)
            return;
        const bool wasMounted = mounted();
        if (wasMounted) {
            if (::geteuid() == 0) {
                if (::umount2(m_mountPoint.c_str(), 0) != 0)
                    ::umount2(m_mountPoint.c_str(), MNT_DETACH);
            } else {
                [[maybe_unused]] const int status = std::system(("fusermount -u '" + m_mountPoint + "'").c_str());
            }
        }
        // Unmounted, the server ends by itself; else it is told to, which
        // unmounts too.
        for (const int signal : {wasMounted ? 0 : SIGTERM, SIGTERM, SIGKILL}) {
            if (signal)
                ::kill(m_pid, signal);
            for (int i = 0; i < 250; ++i) {
                if (::waitpid(m_pid, nullptr, WNOHANG) == m_pid)
                    return;
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        }
    }

    // Why FUSE cannot be used here (empty when it can), and what went wrong
    // otherwise.
    const std::string &skip() const { return m_skip; }
    const std::string &failure() const { return m_failure; }

    // From the mount table, which asks nothing of a server that may hang.
    bool mounted() const
    {
        std::istringstream table(ReadBytes("/proc/self/mountinfo"));
        std::string id, parent, device, root, mountPoint, rest;
        while (table >> id >> parent >> device >> root >> mountPoint && std::getline(table, rest))
            if (mountPoint == m_mountPoint)
                return true;
        return false;
    }

private:
    std::string m_mountPoint, m_skip, m_failure;
    pid_t m_pid = -1;
};

} // namespace rkm::scantest
