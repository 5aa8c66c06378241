#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
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

CliResult RunCli(const std::vector<std::string> &args, const RunOptions &options)
{
    std::vector<std::string> all;
    if (!options.programDir.empty())
        all = {"--dir", options.programDir};
    all.insert(all.end(), args.begin(), args.end());
    return RunProgram(RACKMERE_CLI, all, options);
}

} // namespace rkm::test
