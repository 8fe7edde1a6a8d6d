#include "store/datafile.h"
#include "platform/msgbox.h"
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

static bool dataFilePath(const char* name, std::string& path) {
    // A working directory that cannot be named behaves like one without the file.
    char dir[4096];
    if (getcwd(dir, sizeof dir) == nullptr)
        return false;
    path = dir;
    if (path.empty() || path.back() != '/')
        path += '/';
    path += name;
    return true;
}

// Opened for update, never truncated. Only a regular file counts: a FIFO or a device under the
// name would block the start-up or feed bytes without end. O_NONBLOCK only guards the open itself.
static std::FILE* openForUpdate(const std::string& path, int extraFlags) {
    const int fd =
        open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | extraFlags, 0644);
    if (fd < 0)
        return nullptr;
    struct stat st;
    std::FILE* f = nullptr;
    if (fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && fcntl(fd, F_SETFL, 0) == 0)
        f = fdopen(fd, "r+b");
    if (f == nullptr)
        close(fd);
    return f;
}

std::FILE* OpenDataFile(const char* name, bool create) {
    std::string path;
    std::FILE* f = nullptr;
    if (dataFilePath(name, path)) {
        f = openForUpdate(path, 0);
        if (f == nullptr && create)
            f = openForUpdate(path, O_CREAT);
    }
    if (f == nullptr && create)
        ShowMessageBox("Kan inte skapa fil till spelet", "Fel!", MBOX_OK, MBOX_ICON_NONE, true);
    return f;
}

size_t ReadTextImage(std::FILE* f, uint8_t* image, size_t size) {
    size_t n = 0;
    int c = 0;
    while (n < size && (c = std::fgetc(f)) != EOF) {
        if (c == '\r') {
            const int next = std::fgetc(f);
            if (next == '\n') {
                c = '\n';
            } else if (next != EOF) {
                std::ungetc(next, f);
            }
        }
        image[n++] = static_cast<uint8_t>(c);
    }
    return n;
}

bool WriteTextImage(std::FILE* f, const uint8_t* image, size_t size) {
    if (std::fseek(f, 0, SEEK_SET) != 0)
        return false;
    uint8_t out[2 * 80];
    size_t n = 0;
    for (size_t i = 0; i < size; i++) {
        if (n + 2 > sizeof out) {
            if (std::fwrite(out, 1, n, f) != n)
                return false;
            n = 0;
        }
        if (image[i] == '\n')
            out[n++] = '\r';
        out[n++] = image[i];
    }
    return std::fwrite(out, 1, n, f) == n && std::fflush(f) == 0;
}

int32_t GetLe32(const uint8_t* p) {
    const uint32_t v = static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                       static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24;
    return static_cast<int32_t>(v);
}

void PutLe32(uint8_t* p, int32_t v) {
    const uint32_t u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; i++)
        p[i] = static_cast<uint8_t>(u >> (8 * i));
}
