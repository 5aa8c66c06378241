#include "support/TestSupport.h"

#include "catalog/CatalogStore.h"
#include "catalog/ListingFile.h"
#include "scan/Scanner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <random>
#include <stdexcept>

#include <fcntl.h>
#include <poll.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace rkm::test {

namespace {

// Every test program keeps its settings in the build folder, never in the
// user's own: the test runner passes on only one variable of the list it is
// given, so the folder is set here, before any test reads a setting (a test
// that looks at them sets a folder of its own).
[[maybe_unused]] const bool settingsInBuildFolder = ::setenv("XDG_CONFIG_HOME", RACKMERE_TEST_CONFIG, 1) == 0;

} // namespace

TempDir::TempDir()
{
    if (!m_dir.isValid())
        throw std::runtime_error("cannot make a temporary folder");
}

std::string TempDir::path() const
{
    return m_dir.path().toStdString() + "/";
}

void WriteBytes(const std::string &path, std::string_view bytes)
{
    QDir().mkpath(QFileInfo(QString::fromStdString(path)).absolutePath());
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!f)
        throw std::runtime_error("cannot write " + path);
}

std::string ReadBytes(const std::string &path)
{
    std::ifstream f(path, std::ios::binary);
    if (!f)
        throw std::runtime_error("cannot read " + path);
    return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

void MakeDirs(const std::string &path)
{
    if (!QDir().mkpath(QString::fromStdString(path)))
        throw std::runtime_error("cannot make " + path);
}

std::string Word(int32_t value)
{
    const uint32_t v = static_cast<uint32_t>(value);
    std::string s(4, '\0');
    for (int i = 0; i < 4; ++i)
        s[static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xff);
    return s;
}

std::string Counted(std::string_view text)
{
    return Word(static_cast<int32_t>(text.size())) + std::string(text);
}

// ---- Seeds of randomised tests and the CLI tests' four-file disk ----

namespace {

uint32_t AnnounceSeed(uint32_t seed)
{
    const ::testing::TestInfo *test = ::testing::UnitTest::GetInstance()->current_test_info();
    const std::string name = test ? std::string(test->test_suite_name()) + "." + test->name() : "this test";
    std::cout << "[   SEED   ] " << name << ": " << seed << " (RACKMERE_TEST_SEED=" << seed << " repeats it)"
              << std::endl;
    if (test)
        ::testing::Test::RecordProperty("seed", std::to_string(seed));
    return seed;
}

} // namespace

uint32_t TestSeed(uint32_t fallback)
{
    const char *given = std::getenv("RACKMERE_TEST_SEED");
    if (!given || !*given)
        return AnnounceSeed(fallback);
    char *end = nullptr;
    errno = 0;
    const unsigned long long value = std::strtoull(given, &end, 0);
    if (errno != 0 || *end != '\0' || *given == '-' || value > UINT32_MAX) {
        ADD_FAILURE() << "RACKMERE_TEST_SEED is not a number from 0 to " << UINT32_MAX << ": '" << given << "'";
        return AnnounceSeed(fallback);
    }
    return AnnounceSeed(static_cast<uint32_t>(value));
}

uint32_t FreshTestSeed()
{
    return TestSeed(std::random_device{}());
}

void FourFileDiskTest::SetUp()
{
    src = tmp.path() + "disk";
    programDir = tmp.path() + "catalog/";
    for (const char *f : {"a.txt", "b.txt", "c.txt", "sub/d.txt"})
        WriteBytes(src + "/" + f, f);
    MakeDirs(programDir);
}

CliResult FourFileDiskTest::Cli(const std::vector<std::string> &args, bool unprivileged) const
{
    const CliResult r = RunCli(args, {.programDir = programDir, .asNobody = unprivileged});
    EXPECT_TRUE(r.finished);
    return r;
}

// ---- end of the seeds and the four-file disk ----

namespace {

// Reads what is there on a non-blocking pipe; false once it is closed.
bool ReadAvailable(int fd, std::string &into)
{
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0)
            into.append(buffer, static_cast<std::size_t>(n));
        else if (n == 0)
            return false;
        else if (errno != EINTR)
            return errno == EAGAIN;
    }
}

} // namespace

// With fork and exec rather than QProcess: QProcess starts its child with
// vfork semantics (clone with CLONE_VM), and what the child calls before exec
// runs in the test's own memory and thread state, which ThreadSanitizer cannot
// tell apart from the test's; it then loses track of the test's locks and
// reports races in all the threaded code the test runs afterwards.
StartedProgram::StartedProgram(const std::string &program, const std::vector<std::string> &args,
                               const RunOptions &options)
{
    std::map<std::string, std::string> env;
    for (char **e = environ; *e; ++e) {
        const std::string_view entry(*e);
        const std::size_t eq = entry.find('=');
        if (eq != std::string_view::npos)
            env[std::string(entry.substr(0, eq))] = std::string(entry.substr(eq + 1));
    }
    env.erase("RACKMERE_DIR");
    // The search index the programs keep goes to the build folder, never to
    // the user's cache (a test that looks at it gives a folder of its own).
    env["XDG_CACHE_HOME"] = RACKMERE_TEST_CACHE;
    for (const auto &[name, value] : options.env)
        env[name] = value;
    std::vector<std::string> envTexts;
    for (const auto &[name, value] : env)
        envTexts.push_back(name + "=" + value);
    std::vector<char *> envp, argv;
    for (std::string &e : envTexts)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    std::vector<std::string> argTexts{program};
    argTexts.insert(argTexts.end(), args.begin(), args.end());
    for (std::string &a : argTexts)
        argv.push_back(a.data());
    argv.push_back(nullptr);

    int out[2], err[2], failed[2];
    if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0 || ::pipe2(failed, O_CLOEXEC) != 0)
        throw std::runtime_error("cannot make pipes for " + program);
    m_pid = ::fork();
    if (m_pid < 0)
        throw std::runtime_error("cannot start " + program);
    if (m_pid == 0) {
        // Only calls that are safe after fork from here on.
        const int nothing = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        if (nothing < 0 || ::dup2(nothing, 0) < 0 || ::dup2(out[1], 1) < 0 || ::dup2(err[1], 2) < 0)
            ::_exit(127);
        if (options.asNobody && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(99);
        if (options.workingDirectory.empty() || ::chdir(options.workingDirectory.c_str()) == 0)
            ::execvpe(argv[0], argv.data(), envp.data());
        const int e = errno;
        [[maybe_unused]] const ssize_t w = ::write(failed[1], &e, sizeof e);
        ::_exit(127);
    }
    ::close(out[1]);
    ::close(err[1]);
    ::close(failed[1]);
    m_out = out[0];
    m_err = err[0];
    int execError = 0;
    ssize_t got;
    do
        got = ::read(failed[0], &execError, sizeof execError); // returns at exec or exit
    while (got < 0 && errno == EINTR);
    ::close(failed[0]);
    if (got > 0) { // it did not start: as a program that never ends, status -1
        ::waitpid(m_pid, nullptr, 0);
        m_pid = -1;
        return;
    }
    ::fcntl(m_out, F_SETFL, O_NONBLOCK);
    ::fcntl(m_err, F_SETFL, O_NONBLOCK);
    m_pidfd = static_cast<int>(::syscall(SYS_pidfd_open, m_pid, 0)); // readable once it ends
}

StartedProgram::~StartedProgram()
{
    if (m_pid > 0) {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
    }
    for (const int fd : {m_out, m_err, m_pidfd})
        if (fd >= 0)
            ::close(fd);
}

void StartedProgram::signal(int sig)
{
    if (m_pid > 0)
        ::kill(m_pid, sig);
}

bool StartedProgram::waitForFinished(int ms)
{
    if (m_result.finished || m_pid < 0)
        return m_result.finished;
    // Until the program ends (what it left running may hold the pipes open).
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    int status = 0;
    for (;;) {
        // A closed pipe is left out (-1): it would report its end again and again.
        pollfd fds[3] = {{m_outOpen ? m_out : -1, POLLIN, 0},
                         {m_errOpen ? m_err : -1, POLLIN, 0},
                         {m_pidfd, POLLIN, 0}};
        ::poll(fds, 3, m_pidfd >= 0 ? 100 : 10);
        if (m_outOpen)
            m_outOpen = ReadAvailable(m_out, m_result.out);
        if (m_errOpen)
            m_errOpen = ReadAvailable(m_err, m_result.err);
        if (::waitpid(m_pid, &status, WNOHANG) == m_pid)
            break;
        if (std::chrono::steady_clock::now() > deadline)
            return false;
    }
    m_pid = -1;
    // What it wrote just before it ended.
    if (m_outOpen)
        ReadAvailable(m_out, m_result.out);
    if (m_errOpen)
        ReadAvailable(m_err, m_result.err);
    m_result.finished = true;
    m_result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return true;
}

CliResult RunProgram(const std::string &program, const std::vector<std::string> &args, const RunOptions &options)
{
    StartedProgram p(program, args, options);
    p.waitForFinished(120000); // one that does not end is killed
    return p.result();
}

std::string CliProgram()
{
    return RACKMERE_CLI;
}

CliResult RunCli(const std::vector<std::string> &args, const RunOptions &options)
{
    std::vector<std::string> all;
    if (!options.programDir.empty())
        all = {"--dir", options.programDir};
    all.insert(all.end(), args.begin(), args.end());
    return RunProgram(RACKMERE_CLI, all, options);
}

std::unique_ptr<TreeNode> MakeDisk(const std::string &name, int rootFiles, const std::vector<FolderSpec> &folders,
                                   int driveType)
{
    auto disk = MakeDiskNode(name);
    disk->disk().DriveType = driveType;
    disk->disk().RootPath = "/media/" + name;
    auto addFiles = [](TreeNode *node, int n) {
        for (int i = 0; i < n; ++i) {
            const std::string f = node->text() + "-file" + std::to_string(i) + ".txt";
            node->disk().Files.append(FileEntry{f, "", "1/2/2024", std::to_string(i + 1) + " Kb", ""});
        }
    };
    addFiles(disk.get(), rootFiles);
    for (const FolderSpec &f : folders)
        addFiles(disk->appendChild(f.name), f.files);
    return disk;
}

void AddFile(TreeNode *n, std::string name, std::string desc, std::string cat)
{
    n->disk().Files.append(FileEntry{std::move(name), std::move(desc), "01/02/2020", "12 Kb", std::move(cat)});
}

void WriteDisk(const std::string &dir, const std::string &fileName, const TreeNode &disk)
{
    WriteBytes(dir + fileName, WriteListing(disk, 0x1234abcd));
}

std::string AddListing(const std::string &programDir, const std::string &folder, const std::string &name,
                       const std::string &comment, uint32_t serial, const std::function<void(TreeNode &)> &annotate)
{
    CatalogStore store(programDir);
    store.serialSource = [serial](const TDisk &) { return serial; };
    TreeNode *disk = store.Tree().appendDisk(ScanDisk(folder, name, comment));
    if (annotate)
        annotate(*disk);
    store.SaveListing(disk);
    return disk->disk().FileName;
}

std::string HitPath(const SearchHit &hit)
{
    std::string path;
    for (const TreeNode *n = hit.node; n; n = n->parent())
        path = n->text() + "/" + path;
    if (hit.entry >= 0)
        path += std::string(hit.node->disk().Files.text(hit.entry, FT_NAME));
    return path;
}

std::vector<std::string> FindNextPaths(const Catalog &tree, const SearchOptions &options)
{
    const Finder f(options);
    std::vector<std::string> out;
    for (SearchHit h = f.findFirst(tree); h && out.size() < 100; h = f.findNext(tree, h.node, h.entry + 1))
        out.push_back(HitPath(h));
    return out;
}

} // namespace rkm::test

// --- A fake system for SystemView ------------------------------------------

#include <cstdio>
#include <filesystem>

namespace rkm::test {

namespace {

// The mount table's escapes: space, tab, line feed and backslash in octal.
std::string EscapedMountPoint(std::string_view path)
{
    std::string out;
    for (const char c : path) {
        if (c == ' ' || c == '\t' || c == '\n' || c == '\\') {
            char code[5];
            std::snprintf(code, sizeof code, "\\%03o", static_cast<unsigned>(static_cast<unsigned char>(c)));
            out += code;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

FakeSystemRoot::FakeSystemRoot(std::string root) : m_root(std::move(root))
{
    MakeDirs(m_root);
}

void FakeSystemRoot::mounts(const std::vector<FakeMount> &table) const
{
    std::string text;
    int id = 1;
    for (const FakeMount &m : table) {
        text += std::to_string(id) + (id == 1 ? " 0 " : " 1 ") + m.device + " / " + EscapedMountPoint(m.mountPoint) +
                " rw - " + m.fsType + " " + m.source + " rw\n";
        ++id;
    }
    mountInfo(text);
}

void FakeSystemRoot::mountInfo(std::string_view text) const
{
    file("/proc/self/mountinfo", text);
}

void FakeSystemRoot::folders(const std::vector<std::string> &paths) const
{
    for (const std::string &p : paths)
        MakeDirs(m_root + p);
}

void FakeSystemRoot::file(const std::string &path, std::string_view text) const
{
    WriteBytes(m_root + path, text);
}

void FakeSystemRoot::link(const std::string &path, const std::string &target) const
{
    const std::filesystem::path p(m_root + path);
    std::filesystem::create_directories(p.parent_path());
    std::filesystem::create_symlink(target, p);
}

void FakeSystemRoot::disk(const std::string &host, const std::string &disk, const std::string &dev,
                          const std::string &removable,
                          const std::vector<std::pair<std::string, std::string>> &parts) const
{
    const std::string dir = host + "/" + disk;
    file(dir + "/dev", dev + "\n");
    file(dir + "/removable", removable + "\n");
    link("/sys/block/" + disk, "../.." + dir);
    link("/sys/class/block/" + disk, "../../.." + dir);
    link("/sys/dev/block/" + dev, "../../.." + dir);
    for (const auto &[name, partDev] : parts) {
        file(dir + "/" + name + "/dev", partDev + "\n");
        file(dir + "/" + name + "/partition", "1\n");
        link("/sys/class/block/" + name, "../../.." + dir + "/" + name);
        link("/sys/dev/block/" + partDev, "../../.." + dir + "/" + name);
    }
}

std::vector<std::string> ListingFileNames(const std::string &dir)
{
    std::vector<std::string> names;
    for (const auto &e : std::filesystem::directory_iterator(dir))
        if (e.path().extension() == ".rkm")
            names.push_back(e.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace rkm::test
