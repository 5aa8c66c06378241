#include "support/TestSupport.h"

#include "catalog/CatalogStore.h"
#include "catalog/ListingFile.h"
#include "scan/Scanner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <fstream>
#include <iterator>
#include <stdexcept>

#include <unistd.h>

namespace rkm::test {

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

CliResult RunProgram(const std::string &program, const std::vector<std::string> &args, const RunOptions &options)
{
    QProcess p;
    QStringList list;
    for (const std::string &a : args)
        list << QString::fromStdString(a);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("RACKMERE_DIR"));
    for (const auto &[name, value] : options.env)
        env.insert(QString::fromStdString(name), QString::fromStdString(value));
    p.setProcessEnvironment(env);
    if (options.asNobody) {
        p.setChildProcessModifier([] {
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                ::_exit(99);
        });
    }
    if (!options.workingDirectory.empty())
        p.setWorkingDirectory(QString::fromStdString(options.workingDirectory));
    p.start(QString::fromStdString(program), list);
    CliResult r;
    r.finished = p.waitForFinished(120000);
    if (!r.finished) {
        p.kill();
        p.waitForFinished();
    }
    r.status = r.finished && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput().toStdString();
    r.err = p.readAllStandardError().toStdString();
    return r;
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

} // namespace rkm::test
