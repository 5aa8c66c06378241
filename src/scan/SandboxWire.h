#pragma once

// How the walk and its workers talk (scan/Sandbox.h): a request is a 32-bit
// length (little-endian), a kind and a file's name, with the open file passed
// along; a reply is a length, an answer byte and what was read.

#include <cstdint>
#include <string>
#include <string_view>

namespace rkm::sandbox {

enum Kind : uint8_t { kTags = 1, kArchive = 2, kDescriptIon = 3, kFileIdDiz = 4, kPicture = 5 };
enum Answer : uint8_t { kAnswerDone = 0, kAnswerNone = 1 };

inline void putU32(std::string &out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

inline void putU64(std::string &out, uint64_t v)
{
    for (int i = 0; i < 8; ++i)
        out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

inline void putText(std::string &out, std::string_view s)
{
    putU32(out, static_cast<uint32_t>(s.size()));
    out.append(s);
}

class Reader final {
public:
    explicit Reader(std::string_view s) : m_s(s) {}
    bool u64(uint64_t &v)
    {
        if (m_s.size() < 8)
            return false;
        v = 0;
        for (int i = 7; i >= 0; --i)
            v = (v << 8) | static_cast<unsigned char>(m_s[static_cast<std::size_t>(i)]);
        m_s.remove_prefix(8);
        return true;
    }
    bool u8(uint8_t &v)
    {
        if (m_s.empty())
            return false;
        v = static_cast<uint8_t>(m_s[0]);
        m_s.remove_prefix(1);
        return true;
    }
    bool u32(uint32_t &v)
    {
        if (m_s.size() < 4)
            return false;
        v = 0;
        for (int i = 3; i >= 0; --i)
            v = (v << 8) | static_cast<unsigned char>(m_s[static_cast<std::size_t>(i)]);
        m_s.remove_prefix(4);
        return true;
    }
    bool text(std::string &s)
    {
        uint32_t n = 0;
        if (!u32(n) || m_s.size() < n)
            return false;
        s.assign(m_s.substr(0, n));
        m_s.remove_prefix(n);
        return true;
    }
    bool done() const { return m_s.empty(); }

private:
    std::string_view m_s;
};

} // namespace rkm::sandbox
