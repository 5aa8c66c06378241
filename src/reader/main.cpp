// rackmere-reader: reads the tags and archive contents of the files the walk
// hands it and makes their pictures, one at a time, in a process of its own
// with as few rights as the libraries let it have. It answers on its
// standard output; it opens nothing for writing, starts no program and makes
// no network connection.

#include "reader/Pictures.h"
#include "scan/Sandbox.h"

#include <seccomp.h>

#include <cerrno>
#include <cstdio>
#include <csignal>
#include <fcntl.h>
#include <sched.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kSanitized = true; // their shadow memory needs terabytes of address space
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif
#else
constexpr bool kSanitized = false;
#endif

void limit(int resource, rlim_t value)
{
    const rlimit r{value, value};
    ::setrlimit(resource, &r);
}

bool deny(scmp_filter_ctx ctx, uint32_t action, int call)
{
    if (seccomp_rule_add(ctx, action, call, 0) == 0)
        return true;
    ::fprintf(stderr, "rackmere-reader: no filter rule for system call %d\n", call);
    return false;
}

// Everything not named here is allowed; what could change the system, reach
// the network or start a program is not.
bool installFilter()
{
    scmp_filter_ctx ctx = seccomp_init(SCMP_ACT_ALLOW);
    if (!ctx)
        return false;
    const uint32_t eperm = SCMP_ACT_ERRNO(EPERM), eacces = SCMP_ACT_ERRNO(EACCES);
    bool ok = deny(ctx, SCMP_ACT_KILL_PROCESS, SCMP_SYS(execve)) &&
              deny(ctx, SCMP_ACT_KILL_PROCESS, SCMP_SYS(execveat)) && deny(ctx, eacces, SCMP_SYS(socket));
    // clang-format off
    for (int call : {SCMP_SYS(connect), SCMP_SYS(bind), SCMP_SYS(listen), SCMP_SYS(accept), SCMP_SYS(accept4),
                     SCMP_SYS(socketpair), SCMP_SYS(fork), SCMP_SYS(vfork), SCMP_SYS(creat), SCMP_SYS(openat2),
                     SCMP_SYS(unlink), SCMP_SYS(unlinkat), SCMP_SYS(rename), SCMP_SYS(renameat),
                     SCMP_SYS(renameat2), SCMP_SYS(mkdir), SCMP_SYS(mkdirat), SCMP_SYS(rmdir), SCMP_SYS(link),
                     SCMP_SYS(linkat), SCMP_SYS(symlink), SCMP_SYS(symlinkat), SCMP_SYS(truncate),
                     SCMP_SYS(ftruncate), SCMP_SYS(fallocate), SCMP_SYS(chmod), SCMP_SYS(fchmod),
                     SCMP_SYS(fchmodat), SCMP_SYS(chown), SCMP_SYS(fchown), SCMP_SYS(fchownat), SCMP_SYS(lchown),
                     SCMP_SYS(utimensat), SCMP_SYS(utimes), SCMP_SYS(utime), SCMP_SYS(mknod), SCMP_SYS(mknodat),
                     SCMP_SYS(setxattr), SCMP_SYS(lsetxattr), SCMP_SYS(fsetxattr), SCMP_SYS(removexattr),
                     SCMP_SYS(lremovexattr), SCMP_SYS(fremovexattr), SCMP_SYS(ptrace), SCMP_SYS(process_vm_writev),
                     SCMP_SYS(process_vm_readv), SCMP_SYS(mount), SCMP_SYS(umount2), SCMP_SYS(pivot_root),
                     SCMP_SYS(chroot), SCMP_SYS(setns), SCMP_SYS(unshare), SCMP_SYS(bpf),
                     SCMP_SYS(perf_event_open), SCMP_SYS(keyctl), SCMP_SYS(add_key), SCMP_SYS(request_key),
                     SCMP_SYS(io_uring_setup), SCMP_SYS(memfd_create), SCMP_SYS(sendfile),
                     SCMP_SYS(copy_file_range), SCMP_SYS(splice)})
        ok = ok && deny(ctx, eperm, call);
    // clang-format on
    // A new process, as opposed to a thread of this one.
    ok = ok && seccomp_rule_add(ctx, eperm, SCMP_SYS(clone), 1, SCMP_A0(SCMP_CMP_MASKED_EQ, CLONE_THREAD, 0)) == 0;
    ok = ok && seccomp_rule_add(ctx, SCMP_ACT_ERRNO(ENOSYS), SCMP_SYS(clone3), 0) == 0;
    // Files are opened for reading only.
    for (const unsigned flag :
         {unsigned(O_WRONLY), unsigned(O_RDWR), unsigned(O_CREAT), unsigned(O_TRUNC), unsigned(O_APPEND)}) {
        ok = ok && seccomp_rule_add(ctx, eacces, SCMP_SYS(open), 1, SCMP_A1(SCMP_CMP_MASKED_EQ, flag, flag)) == 0;
        ok = ok && seccomp_rule_add(ctx, eacces, SCMP_SYS(openat), 1, SCMP_A2(SCMP_CMP_MASKED_EQ, flag, flag)) == 0;
    }
    // Writes go to the answer only. A sanitizer's build is let write: its
    // runtime writes to pipes of its own to test memory, and its reports go
    // to standard error.
    for (int call : {SCMP_SYS(write), SCMP_SYS(writev), SCMP_SYS(pwrite64), SCMP_SYS(pwritev), SCMP_SYS(pwritev2)}) {
        if (kSanitized)
            break;
        ok = ok && seccomp_rule_add(ctx, eperm, call, 1, SCMP_A0(SCMP_CMP_GT, 1)) == 0;
        ok = ok && seccomp_rule_add(ctx, eperm, call, 1, SCMP_A0(SCMP_CMP_EQ, 0)) == 0;
    }
    ok = ok && seccomp_load(ctx) == 0;
    seccomp_release(ctx);
    return ok;
}

} // namespace

int main()
{
    // Nothing the program had open comes along but the socket (0 and 1).
    ::close_range(3, ~0U, 0);
    std::signal(SIGPIPE, SIG_IGN);
    // A library's warning on a standard error that is a file fails (no file
    // may grow) instead of ending the worker.
    std::signal(SIGXFSZ, SIG_IGN);
    if (!kSanitized)
        limit(RLIMIT_AS, 512UL * 1024 * 1024);
    limit(RLIMIT_FSIZE, 0);
    limit(RLIMIT_CORE, 0);
    rlimit cpu{RLIM_INFINITY, RLIM_INFINITY};
    ::setrlimit(RLIMIT_CPU, &cpu); // set per file as files come
    rkm::reader::PreparePictures();
    if (!installFilter())
        return 2; // never read without the filter
    // Out at once: a leak checker's exit-time scan (sanitizer builds) needs
    // the very calls the filter refuses.
    ::_exit(rkm::ServeReaderRequests(rkm::reader::MakePicture));
}
