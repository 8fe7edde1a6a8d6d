#include "store/datafile.h"
#include "platform/files.h"
#include "platform/msgbox.h"
#include <vector>

size_t DecodeText(const uint8_t* raw, size_t rawLength, uint8_t* image, size_t size) {
    size_t n = 0;
    for (size_t i = 0; i < rawLength && n < size; i++) {
        const bool pair = raw[i] == '\r' && i + 1 < rawLength && raw[i + 1] == '\n';
        image[n++] = pair ? '\n' : raw[i];
        i += pair ? 1 : 0;
    }
    return n;
}

size_t EncodeText(const uint8_t* image, size_t size, uint8_t* raw) {
    size_t n = 0;
    for (size_t i = 0; i < size; i++) {
        if (image[i] == '\n')
            raw[n++] = '\r';
        raw[n++] = image[i];
    }
    return n;
}

bool ReadDataImage(const char* name, uint8_t* image, size_t size, size_t* length) {
    // Every image byte takes at most two bytes on disk, and a last CR needs the byte after it.
    std::vector<uint8_t> raw(2 * size + 1);
    size_t rawLength = 0;
    *length = 0;
    if (!ReadDataFile(name, raw.data(), raw.size(), &rawLength))
        return false;
    *length = DecodeText(raw.data(), rawLength, image, size);
    return true;
}

bool WriteDataImage(const char* name, const uint8_t* image, size_t size) {
    std::vector<uint8_t> raw(2 * size);
    return ReplaceDataFile(name, raw.data(), EncodeText(image, size, raw.data()));
}

void ShowWriteFailure(const char* what, bool owned) {
    ShowMessageBox("Kan inte skapa fil till spelet", "Fel!", MBOX_OK, MBOX_ICON_NONE, owned);
    ShowMessageBox(what, "Fel!", MBOX_OK, MBOX_ICON_NONE, owned);
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
