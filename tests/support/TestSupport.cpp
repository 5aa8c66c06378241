#include "support/TestSupport.h"

#include <QDir>
#include <QFile>

#include <fstream>
#include <iterator>
#include <stdexcept>

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

} // namespace rkm::test
