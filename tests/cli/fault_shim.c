/* Preloaded into crestmap-cli to make the system calls a real disk can fail fail on demand:
 * CRESTMAP_FAIL=readdir|fsync|renameat makes that call fail with EIO, after CRESTMAP_FAIL_AFTER
 * successful calls (readdir, default 0); CRESTMAP_FAIL=dtype makes readdir report no entry type,
 * as some file systems do; CRESTMAP_FAIL=open makes opening the file CRESTMAP_FAIL_PATH fail
 * with EACCES, as a file of another user's does. */
#define _GNU_SOURCE
#include <dirent.h>
#include <dlfcn.h>
#include <errno.h>
#include <fcntl.h>
#include <stdarg.h>
#include <stdlib.h>
#include <string.h>

static int failing(const char* call)
{
    const char* which = getenv("CRESTMAP_FAIL");
    return which != NULL && strcmp(which, call) == 0;
}

/* A failed call's result, with errno set as a disk's input/output error sets it. */
static int fail(void)
{
    errno = EIO;
    return -1;
}

struct dirent* readdir(DIR* dir)
{
    static long calls;
    struct dirent* (*real)(DIR*) = (struct dirent * (*)(DIR*)) dlsym(RTLD_NEXT, "readdir");
    const char* after = getenv("CRESTMAP_FAIL_AFTER");
    if (failing("readdir") && calls++ >= (after != NULL ? atol(after) : 0)) {
        errno = EIO;
        return NULL;
    }
    struct dirent* entry = real(dir);
    if (entry != NULL && failing("dtype")) {
        entry->d_type = DT_UNKNOWN;
    }
    return entry;
}

int fsync(int fd)
{
    int (*real)(int) = (int (*)(int))dlsym(RTLD_NEXT, "fsync");
    return failing("fsync") ? fail() : real(fd);
}

int renameat(int fromDir, const char* from, int toDir, const char* to)
{
    int (*real)(int, const char*, int, const char*) =
        (int (*)(int, const char*, int, const char*))dlsym(RTLD_NEXT, "renameat");
    return failing("renameat") ? fail() : real(fromDir, from, toDir, to);
}

int open(const char* path, int flags, ...)
{
    int (*real)(const char*, int, ...) = (int (*)(const char*, int, ...))dlsym(RTLD_NEXT, "open");
    const char* refused = getenv("CRESTMAP_FAIL_PATH");
    if (failing("open") && refused != NULL && strcmp(path, refused) == 0) {
        errno = EACCES;
        return -1;
    }
    va_list more;
    va_start(more, flags);
    const int mode = (flags & (O_CREAT | O_TMPFILE)) != 0 ? va_arg(more, int) : 0;
    va_end(more);
    return real(path, flags, mode);
}

/* On a 64-bit system the two are one call. */
int open64(const char* path, int flags, ...) __attribute__((alias("open")));
