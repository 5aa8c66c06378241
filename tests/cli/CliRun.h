#pragma once

// Runs rackmere-cli as a user would, for the end-to-end tests.
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <string>
#include <vector>

namespace rkm::test {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

inline CliResult RunCli(const std::vector<std::string> &args, const std::string &env_dir = {})
{
    QProcess p;
    QStringList list;
    for (const std::string &a : args)
        list << QString::fromStdString(a);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("RACKMERE_DIR"));
    if (!env_dir.empty())
        env.insert(QStringLiteral("RACKMERE_DIR"), QString::fromStdString(env_dir));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(RACKMERE_CLI), list);
    p.waitForFinished(120000);
    CliResult r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput().toStdString();
    r.err = p.readAllStandardError().toStdString();
    return r;
}

} // namespace rkm::test
