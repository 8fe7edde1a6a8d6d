// The data files over Win32: opened for update in the working directory, never through a link
// (a reparse point) or a file with more than one name, replaced whole through a temporary file,
// and guarded between instances by a mutex named after the directory.
#include "platform/files.h"
#include <cstdio>
#include <string>
#include <windows.h>

namespace {

// Only a plain disk file with a single name is ours: a link could point anywhere.
bool IsPlainFile(HANDLE file) {
    BY_HANDLE_FILE_INFORMATION info;
    if (GetFileType(file) != FILE_TYPE_DISK || !GetFileInformationByHandle(file, &info))
        return false;
    const DWORD refused = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT |
                          FILE_ATTRIBUTE_DEVICE | FILE_ATTRIBUTE_READONLY;
    return (info.dwFileAttributes & refused) == 0 && info.nNumberOfLinks == 1;
}

// Opened for update, as the game has always opened its files; a reparse point is opened as
// itself and then refused, never followed. INVALID_HANDLE_VALUE with *missing set when there
// is no such file.
HANDLE OpenForUpdate(const char* name, bool* missing) {
    HANDLE file = CreateFileA(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (missing != nullptr) {
        const DWORD error = GetLastError();
        *missing = file == INVALID_HANDLE_VALUE &&
                   (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND);
    }
    if (file != INVALID_HANDLE_VALUE && !IsPlainFile(file)) {
        CloseHandle(file);
        return INVALID_HANDLE_VALUE;
    }
    return file;
}

bool ReadAt(HANDLE file, uint8_t* bytes, DWORD length, uint64_t at, DWORD* got) {
    OVERLAPPED where{};
    where.Offset = static_cast<DWORD>(at);
    where.OffsetHigh = static_cast<DWORD>(at >> 32);
    return ReadFile(file, bytes, length, got, &where) != FALSE ||
           GetLastError() == ERROR_HANDLE_EOF;
}

bool WriteAt(HANDLE file, const uint8_t* bytes, size_t length, uint64_t at) {
    while (length > 0) {
        OVERLAPPED where{};
        where.Offset = static_cast<DWORD>(at);
        where.OffsetHigh = static_cast<DWORD>(at >> 32);
        const DWORD chunk = length > (1u << 20) ? (1u << 20) : static_cast<DWORD>(length);
        DWORD written = 0;
        if (!WriteFile(file, bytes, chunk, &written, &where) || written == 0)
            return false;
        bytes += written;
        length -= written;
        at += written;
    }
    return true;
}

// The old file's bytes from `from` on, appended to the new one.
bool CopyTail(HANDLE from, HANDLE to, uint64_t at) {
    uint8_t buffer[1 << 16];
    for (;;) {
        DWORD got = 0;
        if (!ReadAt(from, buffer, sizeof buffer, at, &got))
            return false;
        if (got == 0)
            return true;
        if (!WriteAt(to, buffer, got, at))
            return false;
        at += got;
    }
}

uint64_t FileSize(HANDLE file) {
    LARGE_INTEGER size{};
    return GetFileSizeEx(file, &size) ? static_cast<uint64_t>(size.QuadPart) : 0;
}

bool TruncateAt(HANDLE file, uint64_t at) {
    LARGE_INTEGER where{};
    where.QuadPart = static_cast<LONGLONG>(at);
    return SetFilePointerEx(file, where, nullptr, FILE_BEGIN) && SetEndOfFile(file);
}

HANDLE lockMutex = nullptr;
int lockDepth = 0;

// The same directory, however it is spelt in case, gives the same name.
std::string MutexName() {
    char dir[MAX_PATH * 2] = {};
    const DWORD n = GetCurrentDirectoryA(sizeof dir, dir);
    if (n == 0 || n >= sizeof dir)
        return std::string();
    CharLowerBuffA(dir, n);
    uint64_t hash = 14695981039346656037ull; // FNV-1a
    for (DWORD i = 0; i < n; i++)
        hash = (hash ^ static_cast<unsigned char>(dir[i])) * 1099511628211ull;
    char name[64];
    std::snprintf(name, sizeof name, "Local\\tolvik-dyxel-files-%016llx",
                  static_cast<unsigned long long>(hash));
    return name;
}

} // namespace

bool ReadDataFile(const char* name, uint8_t* bytes, size_t capacity, size_t* length) {
    *length = 0;
    HANDLE file = OpenForUpdate(name, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    while (*length < capacity) {
        const size_t want = capacity - *length;
        DWORD got = 0;
        if (!ReadFile(file, bytes + *length, want > (1u << 20) ? (1u << 20) : DWORD(want), &got,
                      nullptr) ||
            got == 0)
            break;
        *length += got;
    }
    CloseHandle(file);
    return true;
}

namespace {

bool ReplaceOnDisk(const char* name, const uint8_t* bytes, size_t length, bool keepTail) {
    bool missing = false;
    HANDLE old = OpenForUpdate(name, &missing);
    if (old == INVALID_HANDLE_VALUE && !missing)
        return false; // refused, or read-only: the file stays as it is
    const std::string temporary = std::string(name) + ".tmp";
    DeleteFileA(temporary.c_str()); // left over from a crash; a link goes, its target stays
    HANDLE fresh = CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
    if (fresh == INVALID_HANDLE_VALUE) {
        // A directory that takes no new file: the file itself can still be written in place.
        bool ok = false;
        if (old != INVALID_HANDLE_VALUE && GetLastError() == ERROR_ACCESS_DENIED)
            ok = WriteAt(old, bytes, length, 0) && (keepTail || TruncateAt(old, length)) &&
                 FlushFileBuffers(old);
        if (old != INVALID_HANDLE_VALUE)
            CloseHandle(old);
        return ok;
    }
    bool ok = WriteAt(fresh, bytes, length, 0);
    if (ok && keepTail && old != INVALID_HANDLE_VALUE && FileSize(old) > length)
        ok = CopyTail(old, fresh, length);
    ok = FlushFileBuffers(fresh) && ok;
    ok = CloseHandle(fresh) && ok;
    if (old != INVALID_HANDLE_VALUE)
        CloseHandle(old); // a file still open could not be replaced
    if (ok)
        ok = MoveFileExA(temporary.c_str(), name,
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
    if (!ok)
        DeleteFileA(temporary.c_str());
    return ok;
}

} // namespace

bool ReplaceDataFile(const char* name, const uint8_t* bytes, size_t length) {
    return ReplaceOnDisk(name, bytes, length, true);
}

bool ReplaceDataFileWhole(const char* name, const uint8_t* bytes, size_t length) {
    return ReplaceOnDisk(name, bytes, length, false);
}

void LockDataFiles() {
    if (lockDepth++ > 0)
        return;
    const std::string name = MutexName();
    lockMutex = CreateMutexA(nullptr, FALSE, name.empty() ? nullptr : name.c_str());
    // Without a lock the game still runs, as it always did. An instance that died holding the
    // lock leaves it abandoned, which hands it over all the same.
    if (lockMutex != nullptr)
        WaitForSingleObject(lockMutex, INFINITE);
}

void UnlockDataFiles() {
    if (lockDepth == 0 || --lockDepth > 0)
        return;
    if (lockMutex != nullptr) {
        ReleaseMutex(lockMutex);
        CloseHandle(lockMutex);
    }
    lockMutex = nullptr;
}
