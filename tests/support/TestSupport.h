#pragma once

#include <QTemporaryDir>

#include <string>
#include <string_view>

namespace rkm::test {

// A temporary folder that goes away with the test.
class TempDir final {
public:
    TempDir();
    // The folder's path, ending with '/'.
    std::string path() const;
    std::string file(std::string_view name) const { return path() + std::string(name); }

private:
    QTemporaryDir m_dir;
};

void WriteBytes(const std::string &path, std::string_view bytes);
std::string ReadBytes(const std::string &path);
void MakeDirs(const std::string &path);

// Little-endian 32-bit word as four bytes, for spelling out file contents.
std::string Word(int32_t value);
// A counted text: length word then the bytes.
std::string Counted(std::string_view text);

} // namespace rkm::test
