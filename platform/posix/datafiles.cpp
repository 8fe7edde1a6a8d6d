// The data files over POSIX: shared by the Linux and browser builds, the simulator and the tests.
#include "platform/files.h"
#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Only a regular file with a single name is ours: a link could point anywhere.
bool isPlainFile(const struct stat& st) {
    return S_ISREG(st.st_mode) && st.st_nlink == 1;
}

// Opened for update, as the game has always opened its files, and never through a link. Opening
// a FIFO or a device must not block or have effects, hence O_NONBLOCK until it is known.
int openForUpdate(const char* name) {
    const int fd = open(name, O_RDWR | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    struct stat st;
    if (fstat(fd, &st) != 0 || !isPlainFile(st) || fcntl(fd, F_SETFL, 0) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

bool writeAll(int fd, const uint8_t* bytes, size_t length, off_t at) {
    while (length > 0) {
        const ssize_t n = pwrite(fd, bytes, length, at);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes += n;
        length -= static_cast<size_t>(n);
        at += n;
    }
    return true;
}

// The old file's bytes from `from` on, appended to the new one.
bool copyTail(int oldFd, int newFd, off_t from) {
    uint8_t buffer[1 << 16];
    for (;;) {
        const ssize_t n = pread(oldFd, buffer, sizeof buffer, from);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            return true;
        if (!writeAll(newFd, buffer, static_cast<size_t>(n), from))
            return false;
        from += n;
    }
}

void syncDirectory() {
    const int dir = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        fsync(dir);
        close(dir);
    }
}

int lockFd = -1;
int lockDepth = 0;

} // namespace

// Set by a platform that keeps the files elsewhere too (the browser's storage): handed the files
// after each replacement, false when they were not kept there; told when the lock is taken and
// released, to hold it across its own instances as well.
bool (*dataFilesWritten)() = nullptr;
void (*dataFilesLocked)(bool held) = nullptr;

bool ReadDataFile(const char* name, uint8_t* bytes, size_t capacity, size_t* length) {
    *length = 0;
    const int fd = openForUpdate(name);
    if (fd < 0)
        return false;
    while (*length < capacity) {
        const ssize_t n = read(fd, bytes + *length, capacity - *length);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        *length += static_cast<size_t>(n);
    }
    close(fd);
    return true;
}

namespace {

bool replaceFile(const char* name, const uint8_t* bytes, size_t length, bool keepTail) {
    struct stat st;
    int oldFd = -1;
    if (lstat(name, &st) == 0) {
        oldFd = openForUpdate(name);
        if (oldFd < 0)
            return false;
    } else if (errno != ENOENT) {
        return false;
    }
    const std::string temporary = std::string(name) + ".tmp";
    unlink(temporary.c_str()); // left over from a crash; a link is removed, never followed
    const mode_t mode = oldFd >= 0 ? (st.st_mode & 07777) : 0666;
    const int fd =
        open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
    if (fd < 0) {
        // A directory that takes no new file: the file itself can still be written in place.
        bool ok = false;
        if (oldFd >= 0 && (errno == EACCES || errno == EROFS || errno == EPERM))
            ok = writeAll(oldFd, bytes, length, 0) &&
                 (keepTail || ftruncate(oldFd, static_cast<off_t>(length)) == 0) &&
                 fsync(oldFd) == 0;
        if (oldFd >= 0)
            close(oldFd);
        return ok;
    }
    bool ok = (oldFd < 0 || fchmod(fd, mode) == 0) && writeAll(fd, bytes, length, 0);
    if (ok && keepTail && oldFd >= 0 && st.st_size > static_cast<off_t>(length))
        ok = copyTail(oldFd, fd, static_cast<off_t>(length));
    ok = fsync(fd) == 0 && ok;
    ok = close(fd) == 0 && ok;
    if (oldFd >= 0)
        close(oldFd);
    if (ok)
        ok = rename(temporary.c_str(), name) == 0;
    if (!ok) {
        unlink(temporary.c_str());
        return false;
    }
    syncDirectory();
    return dataFilesWritten == nullptr || dataFilesWritten();
}

} // namespace

bool ReplaceDataFile(const char* name, const uint8_t* bytes, size_t length) {
    return replaceFile(name, bytes, length, true);
}

bool ReplaceDataFileWhole(const char* name, const uint8_t* bytes, size_t length) {
    return replaceFile(name, bytes, length, false);
}

void LockDataFiles() {
    if (lockDepth++ > 0)
        return;
    lockFd = open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    // Without a lock (a file system that has none) the game still runs, as it always did.
    while (lockFd >= 0 && flock(lockFd, LOCK_EX) != 0 && errno == EINTR) {
    }
    if (dataFilesLocked != nullptr)
        dataFilesLocked(true);
}

void UnlockDataFiles() {
    if (lockDepth == 0 || --lockDepth > 0)
        return;
    if (dataFilesLocked != nullptr)
        dataFilesLocked(false);
    if (lockFd >= 0) {
        flock(lockFd, LOCK_UN);
        close(lockFd);
    }
    lockFd = -1;
}
