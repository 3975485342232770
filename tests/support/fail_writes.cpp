// A library preloaded into a test or a child program that makes the disk fail on purpose:
// the n-th write to a regular file fails with "no space left", the n-th sync of one fails with
// an I/O error, and writes may be cut short as a filling disk cuts them. It replaces write,
// fsync and fdatasync of the C library; everything else runs as usual.
//
// Set by environment when the process starts:
//   DOVAZEZ_FAIL_WRITE=n   the n-th write to a regular file fails (ENOSPC); later ones succeed
//   DOVAZEZ_FAIL_FSYNC=n   the n-th fsync/fdatasync of a regular file fails (EIO)
//   DOVAZEZ_WRITE_CHUNK=k  every write to a regular file writes at most k bytes
//   DOVAZEZ_WRITE_COUNT=F  at exit, the number of writes to regular files is written to F
// or from inside the process through dovazez_fail_writes_arm and dovazez_fail_writes_seen.
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

using WriteFunction = ssize_t (*)(int, const void*, size_t);
using SyncFunction = int (*)(int);

std::atomic<long> failingWrite{0};
std::atomic<long> failingSync{0};
std::atomic<long> chunk{0};
std::atomic<long> writesSeen{0};
std::atomic<long> syncsSeen{0};

long FromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::atol(value) : 0;
}

bool IsRegularFile(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

template <typename Function>
Function Next(const char* name) {
    return reinterpret_cast<Function>(::dlsym(RTLD_NEXT, name));
}

int Sync(SyncFunction next, int fd) {
    if (IsRegularFile(fd) && ++syncsSeen == failingSync.load()) {
        errno = EIO;
        return -1;
    }
    return next(fd);
}

__attribute__((constructor)) void ReadEnvironment() {
    failingWrite = FromEnvironment("DOVAZEZ_FAIL_WRITE");
    failingSync = FromEnvironment("DOVAZEZ_FAIL_FSYNC");
    chunk = FromEnvironment("DOVAZEZ_WRITE_CHUNK");
}

__attribute__((destructor)) void ReportCount() {
    const char* path = std::getenv("DOVAZEZ_WRITE_COUNT");
    if (!path) return;
    char text[32];
    const int length = std::snprintf(text, sizeof text, "%ld\n", writesSeen.load());
    const int fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return;
    // The real system call: this write is the library's own, not one of the program's.
    (void)::syscall(SYS_write, fd, text, size_t(length));
    ::close(fd);
}

}  // namespace

extern "C" {

__attribute__((visibility("default"))) ssize_t write(int fd, const void* buffer, size_t count) {
    static const WriteFunction next = Next<WriteFunction>("write");
    if (!IsRegularFile(fd)) return next(fd, buffer, count);
    if (++writesSeen == failingWrite.load()) {
        errno = ENOSPC;
        return -1;
    }
    const long most = chunk.load();
    return next(fd, buffer, most > 0 && count > size_t(most) ? size_t(most) : count);
}

__attribute__((visibility("default"))) int fsync(int fd) {
    static const SyncFunction next = Next<SyncFunction>("fsync");
    return Sync(next, fd);
}

__attribute__((visibility("default"))) int fdatasync(int fd) {
    static const SyncFunction next = Next<SyncFunction>("fdatasync");
    return Sync(next, fd);
}

// Counts start again from zero; 0 turns a failure off.
__attribute__((visibility("default"))) void dovazez_fail_writes_arm(long write, long sync, long writeChunk) {
    writesSeen = 0;
    syncsSeen = 0;
    failingWrite = write;
    failingSync = sync;
    chunk = writeChunk;
}

__attribute__((visibility("default"))) long dovazez_fail_writes_seen() { return writesSeen.load(); }
__attribute__((visibility("default"))) long dovazez_fail_syncs_seen() { return syncsSeen.load(); }

}  // extern "C"
