// The resources embedded into the executable: pictures, sounds, about text and help pages.
#pragma once
#include <cstddef>
#include <cstdint>

enum ResourceId : int32_t {
    IDI_APP_ICON = 101,
    IDB_DIE_FIRST = 102, // 102..107 free faces one to six, 108..113 held faces
    IDB_BACKGROUND = 114,
    IDB_LOGO = 116,
    IDW_FIVE_ALIKE = 2401,
    IDW_THROW_FIRST = 2402,     // 2402..2404
    IDW_CROSS_OUT_FIRST = 2405, // 2405..2406
    IDW_BONUS = 2407,
    IDT_ABOUT = 2500,
    IDT_HELP = 2600,
};

struct ResourceData {
    const unsigned char* data;
    size_t size;
};

// False when the executable carries no such resource.
bool FindResourceData(int32_t id, ResourceData* out);

// The menu bars, as the windows build them. A row with commandId 0 opens a submenu that holds
// the following rows of greater depth.
struct MenuEntry {
    int32_t depth;
    int32_t commandId;
    const char* text;   // Windows-1252, with & before the mnemonic
    bool check = false; // a check item
};

extern const MenuEntry ROOT_MENU[];
extern const int32_t ROOT_MENU_COUNT;
extern const MenuEntry DICE_MENU[];
extern const int32_t DICE_MENU_COUNT;
