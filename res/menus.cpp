// The two menu bars. Texts are Windows-1252.
#include "res/resources.h"

const MenuEntry ROOT_MENU[] = {
    {0, 0, "&Fil"},
    {1, 1003, "&Nytt spel"},
    {1, 1012, "&Omspel"},
    {1, 1004, "&Se tio i topp"},
    {1, 1001, "&Avsluta"},
    {0, 0, "&Inst\xe4llningar"},
    {1, 0, "&Ljud"},
    {2, 1008, "&T\xe4rningskast", true},
    {2, 1009, "&Robot", true},
    {1, 0, "&Robot"},
    {2, 1011, "&L\xe5nga kast", true},
    {2, 1014, "&Expert", true},
    {2, 1015, "&M\xe4stare", true},
    {1, 1013, "&Sorterat kast", true},
    {1, 1007, "&Alt t\xe4rning", true},
    {1, 1005, "&rensa tio i top"},
    {1, 0, "&Fusk"},
    {2, 1010, "&3 Kast", true},
    {0, 0, "&Hj\xe4lp"},
    {1, 1006, "&Spelet"},
    {1, 1002, "&Om dyxel"},
    {1, 1016, "&Granskning"},
    {1, 1017, "S&tatistik"},
};
const int32_t ROOT_MENU_COUNT = sizeof ROOT_MENU / sizeof ROOT_MENU[0];

// Commands placed directly on the dice window's bar.
const MenuEntry DICE_MENU[] = {
    {0, 2001, "&Kasta"}, {0, 2004, "&Lika"}, {0, 2002, "&Alla"},
    {0, 2003, "&Ingen"}, {0, 2006, "&Klar"}, {0, 2007, "&Tips"},
};
const int32_t DICE_MENU_COUNT = sizeof DICE_MENU / sizeof DICE_MENU[0];
