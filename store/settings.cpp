#include "store/settings.h"
#include "platform/files.h"
#include "store/datafile.h"
#include <cstring>
#include <gc.h>

#if defined(GC_H) && defined(__GLIBC__)
extern "C" void* __libc_stack_end; // the C library's own record, as the collector reads it
#endif

namespace {

// The collector's start comes before the first frame, so it skips what it would otherwise do
// there: a full collection over every library's data, for two records that are never freed, and
// reading the whole memory map for where the main thread's stack begins, which the C library
// recorded at entry. Called on the main thread.
void StartCollector() {
#if defined(GC_H) && defined(__GLIBC__)
    if (GC_is_init_called())
        return;
    GC_set_dont_precollect(1);
    GC_stack_base base{};
    base.mem_base = __libc_stack_end;
    GC_set_stackbottom(nullptr, &base);
#endif
    GC_INIT();
}

int32_t Settings::*const recordFields[] = {&Settings::altDice,     &Settings::unlimitedThrows,
                                           &Settings::throwSound,  &Settings::robotSound,
                                           &Settings::spareOption, &Settings::longThrows,
                                           &Settings::sortedThrow};
int32_t ExtraSettings::*const extraFields[EXTRA_FIELDS] = {&ExtraSettings::expertRobots,
                                                           &ExtraSettings::championRobots};

// The fields' byte count of the added options' record at `tail`, or 0 when the tail is not one
// whole: then it is someone else's and reads as no option.
size_t ExtraRecordFields(const uint8_t* tail, size_t size) {
    if (size < EXTRA_HEADER_BYTES || std::memcmp(tail, EXTRA_TAG, sizeof EXTRA_TAG) != 0 ||
        GetLe32(tail + 4) < 1)
        return 0;
    const int32_t fields = GetLe32(tail + 8);
    if (fields <= 0 || static_cast<size_t>(fields) > size - EXTRA_HEADER_BYTES)
        return 0;
    return static_cast<size_t>(fields);
}

} // namespace

void SetDefaultSettings(Settings* s) {
    *s = Settings{1, 0, 1, 1, 1, 1200, 0};
}

size_t EncodeSettings(const Settings* s, const ExtraSettings* extra, size_t fields,
                      uint8_t image[SETTINGS_BYTES + EXTRA_BYTES]) {
    for (size_t i = 0; i < 7; i++)
        PutLe32(image + 4 * i, s->*recordFields[i]);
    bool on = false;
    for (auto field : extraFields)
        on = on || extra->*field != 0;
    if (!on && fields == 0)
        return SETTINGS_BYTES;
    uint8_t* tail = image + SETTINGS_BYTES;
    std::memcpy(tail, EXTRA_TAG, sizeof EXTRA_TAG);
    PutLe32(tail + 4, EXTRA_VERSION);
    // Only our own fields are counted: a later version's may no longer be whole behind a record
    // whose text-mode form has grown over them.
    PutLe32(tail + 8, static_cast<int32_t>(4 * EXTRA_FIELDS));
    for (size_t i = 0; i < EXTRA_FIELDS; i++)
        PutLe32(tail + EXTRA_HEADER_BYTES + 4 * i, extra->*extraFields[i]);
    return SETTINGS_BYTES + EXTRA_BYTES;
}

size_t DecodeSettings(Settings* s, ExtraSettings* extra, const uint8_t* image, size_t size) {
    // The image lies over the record byte by byte, as a short read would fill it.
    uint8_t record[SETTINGS_BYTES];
    for (size_t i = 0; i < 7; i++)
        PutLe32(record + 4 * i, s->*recordFields[i]);
    std::memcpy(record, image, size < SETTINGS_BYTES ? size : SETTINGS_BYTES);
    for (size_t i = 0; i < 7; i++)
        s->*recordFields[i] = GetLe32(record + 4 * i);
    *extra = ExtraSettings{};
    if (size <= SETTINGS_BYTES)
        return 0;
    const uint8_t* tail = image + SETTINGS_BYTES;
    const size_t fields = ExtraRecordFields(tail, size - SETTINGS_BYTES);
    for (size_t i = 0; i < EXTRA_FIELDS && 4 * i + 4 <= fields; i++)
        extra->*extraFields[i] = GetLe32(tail + EXTRA_HEADER_BYTES + 4 * i);
    // The earlier release kept "&Expert" alone in the word after the record.
    if (fields == 0 && size == SETTINGS_BYTES + 4 && GetLe32(tail) == 1) {
        extra->expertRobots = 1;
        return 4;
    }
    return fields;
}

Settings* LoadSettings() {
    StartCollector();
    auto* s = static_cast<Settings*>(GC_MALLOC(sizeof(Settings)));
    if (s == nullptr) {
        // Out of memory at start-up: the game still needs its options.
        static Settings fallback;
        s = &fallback;
    }
    extraSettings = ExtraSettings{};
    static uint8_t image[SETTINGS_IMAGE_BYTES];
    size_t n = 0;
    if (!ReadDataImage("state", image, sizeof image, &n))
        SetDefaultSettings(s);
    else
        DecodeSettings(s, &extraSettings, image, n);
    return s;
}

void SaveSettings(const Settings* s) {
    LockDataFiles();
    uint8_t image[SETTINGS_BYTES + EXTRA_BYTES];
    // Whether the file holds our record decides its form: read it as it is now.
    static uint8_t onDisk[SETTINGS_IMAGE_BYTES];
    size_t n = 0;
    Settings ignored{};
    ExtraSettings stored{};
    ReadDataImage("state", onDisk, sizeof onDisk, &n);
    const size_t fields = DecodeSettings(&ignored, &stored, onDisk, n);
    const size_t size = EncodeSettings(s, &extraSettings, fields, image);
    const bool written = WriteDataImage("state", image, size);
    UnlockDataFiles();
    // At exit the root window is gone: the boxes have no owner.
    if (!written)
        ShowWriteFailure("Kan inte skriva fil till h\xe5rddisken", false);
}
