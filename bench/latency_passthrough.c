// A read-only mirror of a folder through FUSE in which every request waits a
// fixed time first, like a volume behind a network: the same as
// tests/support/passthrough_fs.py, but in C, so that the server itself costs
// next to nothing per request and the walk's waiting is what gets measured.
// The Python server spends about 0.2 ms of processor time per request, which
// on two cores caps it near 10,000 requests a second whatever the client does.
//
// usage: latency_passthrough SOURCE MOUNTPOINT [--delay-ms D] [--fsname NAME] [--subtype TYPE]
// Runs in the foreground, multi-threaded (up to 256 requests at once), until
// unmounted (fusermount3 -u MOUNTPOINT). Entries are listed without a type,
// as many network file systems list them.
#define FUSE_USE_VERSION 35
#include <fuse.h>

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <limits.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <time.h>
#include <unistd.h>

static char g_source[PATH_MAX];
static struct timespec g_delay;

static void wait_a_while(void)
{
    if (g_delay.tv_sec || g_delay.tv_nsec) {
        struct timespec left = g_delay;
        while (nanosleep(&left, &left) != 0 && errno == EINTR) {
        }
    }
}

// The source path of a path below the mount point; false when it is too long.
static int real_path(const char *path, char *out)
{
    return snprintf(out, PATH_MAX, "%s%s", g_source, path) < PATH_MAX;
}

static int mirror_getattr(const char *path, struct stat *st, struct fuse_file_info *fi)
{
    (void)fi;
    wait_a_while();
    char real[PATH_MAX];
    if (!real_path(path, real))
        return -ENAMETOOLONG;
    return lstat(real, st) == 0 ? 0 : -errno;
}

static int mirror_readdir(const char *path, void *buf, fuse_fill_dir_t fill, off_t offset, struct fuse_file_info *fi,
                          enum fuse_readdir_flags flags)
{
    (void)offset;
    (void)fi;
    (void)flags;
    wait_a_while();
    char real[PATH_MAX];
    if (!real_path(path, real))
        return -ENAMETOOLONG;
    DIR *dir = opendir(real);
    if (!dir)
        return -errno;
    // Names only: no attributes, so the kernel knows no entry types.
    for (struct dirent *e; (e = readdir(dir)) != NULL;)
        if (fill(buf, e->d_name, NULL, 0, 0))
            break;
    closedir(dir);
    return 0;
}

static int mirror_readlink(const char *path, char *buf, size_t size)
{
    wait_a_while();
    char real[PATH_MAX];
    if (!real_path(path, real))
        return -ENAMETOOLONG;
    const ssize_t n = readlink(real, buf, size - 1);
    if (n < 0)
        return -errno;
    buf[n] = '\0';
    return 0;
}

static int mirror_open(const char *path, struct fuse_file_info *fi)
{
    wait_a_while();
    if ((fi->flags & O_ACCMODE) != O_RDONLY || (fi->flags & (O_TRUNC | O_APPEND)))
        return -EROFS;
    char real[PATH_MAX];
    if (!real_path(path, real))
        return -ENAMETOOLONG;
    const int fd = open(real, O_RDONLY);
    if (fd < 0)
        return -errno;
    fi->fh = (uint64_t)fd;
    return 0;
}

static int mirror_read(const char *path, char *buf, size_t size, off_t offset, struct fuse_file_info *fi)
{
    (void)path;
    wait_a_while();
    const ssize_t n = pread((int)fi->fh, buf, size, offset);
    return n < 0 ? -errno : (int)n;
}

static int mirror_release(const char *path, struct fuse_file_info *fi)
{
    (void)path;
    close((int)fi->fh);
    return 0;
}

static int mirror_statfs(const char *path, struct statvfs *sv)
{
    wait_a_while();
    char real[PATH_MAX];
    if (!real_path(path, real))
        return -ENAMETOOLONG;
    return statvfs(real, sv) == 0 ? 0 : -errno;
}

static const struct fuse_operations kMirror = {
    .getattr = mirror_getattr,
    .readlink = mirror_readlink,
    .open = mirror_open,
    .read = mirror_read,
    .statfs = mirror_statfs,
    .release = mirror_release,
    .readdir = mirror_readdir,
};

int main(int argc, char *argv[])
{
    const char *source = NULL, *mountpoint = NULL, *fsname = "latency", *subtype = "latency";
    double delay_ms = 0;
    for (int i = 1; i < argc; ++i) {
        if (strcmp(argv[i], "--delay-ms") == 0 && i + 1 < argc)
            delay_ms = atof(argv[++i]);
        else if (strcmp(argv[i], "--fsname") == 0 && i + 1 < argc)
            fsname = argv[++i];
        else if (strcmp(argv[i], "--subtype") == 0 && i + 1 < argc)
            subtype = argv[++i];
        else if (!source)
            source = argv[i];
        else if (!mountpoint)
            mountpoint = argv[i];
        else {
            fprintf(stderr, "latency_passthrough: unexpected argument %s\n", argv[i]);
            return 2;
        }
    }
    if (!source || !mountpoint || delay_ms < 0) {
        fprintf(stderr, "usage: latency_passthrough SOURCE MOUNTPOINT [--delay-ms D] [--fsname NAME] [--subtype TYPE]\n");
        return 2;
    }
    if (!realpath(source, g_source)) {
        perror(source);
        return 2;
    }
    const long long ns = (long long)(delay_ms * 1e6);
    g_delay.tv_sec = (time_t)(ns / 1000000000LL);
    g_delay.tv_nsec = (long)(ns % 1000000000LL);

    char options[512];
    snprintf(options, sizeof options, "ro,fsname=%s,subtype=%s,max_threads=256,max_idle_threads=256", fsname,
             subtype);
    char *args[] = {argv[0], "-f", "-o", options, (char *)mountpoint, NULL};
    return fuse_main(5, args, &kMirror, NULL);
}
