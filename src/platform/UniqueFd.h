#pragma once

#include <cerrno>
#include <unistd.h>

namespace rkm::platform {

// A file descriptor that is closed when its owner goes: one owner at a time
// (it moves, it does not copy). -1 holds nothing.
class UniqueFd final {
public:
    UniqueFd() noexcept = default;
    explicit UniqueFd(int fd) noexcept : m_fd(fd) {}
    ~UniqueFd() { reset(); }

    UniqueFd(UniqueFd &&other) noexcept : m_fd(other.release()) {}
    UniqueFd &operator=(UniqueFd &&other) noexcept
    {
        if (this != &other)
            reset(other.release());
        return *this;
    }
    UniqueFd(const UniqueFd &) = delete;
    UniqueFd &operator=(const UniqueFd &) = delete;

    int get() const noexcept { return m_fd; }
    bool valid() const noexcept { return m_fd >= 0; }
    explicit operator bool() const noexcept { return valid(); }

    // Gives the descriptor up without closing it; the caller closes it.
    int release() noexcept
    {
        const int fd = m_fd;
        m_fd = -1;
        return fd;
    }
    // Closes the descriptor held, if any, and holds `fd` instead.
    void reset(int fd = -1) noexcept
    {
        if (m_fd >= 0 && m_fd != fd)
            ::close(m_fd);
        m_fd = fd;
    }
    // Closes the descriptor now and says how that went: 0, or the system's
    // error number (a write may only fail here, on a network volume or a full
    // disk). The descriptor is let go either way, as close(2) lets it go.
    int close() noexcept
    {
        const int fd = release();
        if (fd < 0)
            return 0;
        return ::close(fd) == 0 ? 0 : errno;
    }

private:
    int m_fd = -1;
};

} // namespace rkm::platform
