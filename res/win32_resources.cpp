// The Windows build finds its texts and sounds among the executable's own resources, where the
// resource script put them as raw data.
#include "res/resources.h"
#include <windows.h>

bool FindResourceData(int32_t id, ResourceData* out) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(id), RT_RCDATA);
    if (found == nullptr)
        return false;
    HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr)
        return false;
    // The bytes stay mapped with the module for the whole run.
    *out = ResourceData{static_cast<const unsigned char*>(bytes), SizeofResource(module, found)};
    return true;
}
