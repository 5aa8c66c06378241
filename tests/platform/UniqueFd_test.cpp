// The owning file descriptor: each way of letting go of one closes it once,
// or hands it over without closing it.

#include "platform/UniqueFd.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <unistd.h>
#include <utility>

using rkm::platform::UniqueFd;

namespace {

bool isOpen(int fd)
{
    return ::fcntl(fd, F_GETFD) != -1;
}

int openNull()
{
    return ::open("/dev/null", O_RDONLY | O_CLOEXEC);
}

} // namespace

TEST(UniqueFd, ClosesExactlyWhatItOwns)
{
    struct Case {
        const char *what;
        // Does something with an owner of `fd`; returns the descriptor that
        // should be left open afterwards (the caller's to close), or -1.
        std::function<int(int fd)> act;
        bool stillOpen;
    };
    const Case cases[] = {
        {"goes out of scope",
         [](int fd) {
             UniqueFd owner(fd);
             return -1;
         },
         false},
        {"released",
         [](int fd) {
             UniqueFd owner(fd);
             return owner.release();
         },
         true},
        {"reset to nothing",
         [](int fd) {
             UniqueFd owner(fd);
             owner.reset();
             EXPECT_FALSE(owner);
             return -1;
         },
         false},
        {"reset to the one it holds",
         [](int fd) {
             UniqueFd owner(fd);
             owner.reset(fd);
             return owner.release();
         },
         true},
        {"moved to another",
         [](int fd) {
             UniqueFd owner(fd);
             UniqueFd other(std::move(owner));
             EXPECT_FALSE(owner.valid());
             EXPECT_EQ(other.get(), fd);
             return other.release();
         },
         true},
        {"assigned over another",
         [](int fd) {
             UniqueFd owner(fd);
             UniqueFd other(openNull());
             const int replaced = other.get();
             other = std::move(owner);
             EXPECT_FALSE(isOpen(replaced)) << "the descriptor it held before is closed";
             return other.release();
         },
         true},
        {"closed now",
         [](int fd) {
             UniqueFd owner(fd);
             EXPECT_EQ(owner.close(), 0);
             EXPECT_FALSE(owner);
             return -1;
         },
         false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const int fd = openNull();
        ASSERT_GE(fd, 0);
        const int left = c.act(fd);
        EXPECT_EQ(isOpen(fd), c.stillOpen);
        if (c.stillOpen) {
            EXPECT_EQ(left, fd);
            ::close(left);
        }
    }
}

TEST(UniqueFd, ACloseThatFailsSaysWhy)
{
    UniqueFd none;
    EXPECT_EQ(none.close(), 0) << "nothing held, nothing to fail";
    const int fd = openNull();
    ASSERT_GE(fd, 0);
    ::close(fd); // closed behind the owner's back
    UniqueFd stale(fd);
    EXPECT_EQ(stale.close(), EBADF);
    EXPECT_EQ(stale.get(), -1);
}
