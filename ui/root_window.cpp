#include "ui/root_window.h"
#include "core/hooks.h"
#include "core/turn.h"
#include "expert/expert.h"
#include "platform/dialog.h"
#include "platform/menu.h"
#include "platform/msgbox.h"
#include "platform/system.h"
#include "platform/window.h"
#include "res/resources.h"
#include "review/review.h"
#include "store/settings.h"
#include "store/topten.h"
#include "ui/app.h"
#include "ui/dialog.h"
#include "ui/dice_window.h"
#include "ui/hint.h"
#include "ui/pointer.h"
#include "ui/review_box.h"
#include <vector>

namespace {

struct OptionItem {
    int32_t commandId;
    int32_t Settings::*field;
    int32_t ExtraSettings::*extra; // an option kept after the record
};

// In the order the creation sets the check marks.
constexpr OptionItem OPTION_ITEMS[] = {
    {IDM_ALT_DICE, &Settings::altDice, nullptr},
    {IDM_LONG_THROWS, &Settings::longThrows, nullptr},
    {IDM_THROW_SOUND, &Settings::throwSound, nullptr},
    {IDM_ROBOT_SOUND, &Settings::robotSound, nullptr},
    {IDM_UNLIMITED_THROWS, &Settings::unlimitedThrows, nullptr},
    {IDM_SORTED_THROW, &Settings::sortedThrow, nullptr},
    {IDM_EXPERT, nullptr, &ExtraSettings::expertRobots},
    {IDM_CHAMPION, nullptr, &ExtraSettings::championRobots},
};

int32_t* optionField(const OptionItem& item) {
    if (item.extra != nullptr)
        return &(extraSettings.*item.extra);
    return settings != nullptr ? &(settings->*item.field) : nullptr;
}

const OptionItem* findOption(int32_t commandId) {
    for (const OptionItem& item : OPTION_ITEMS)
        if (item.commandId == commandId)
            return &item;
    return nullptr;
}

void toggleOption(const OptionItem& item) {
    int32_t* field = optionField(item);
    if (field == nullptr)
        return;
    *field = *field == 0 ? 1 : 0;
    SetMenuCheck(item.commandId, *field != 0);
    // "&Expert" and "&Mästare" name what the robots play: one at most.
    const int32_t other = item.commandId == IDM_EXPERT     ? IDM_CHAMPION
                          : item.commandId == IDM_CHAMPION ? IDM_EXPERT
                                                           : 0;
    const OptionItem* partner = findOption(other);
    if (*field != 0 && partner != nullptr && *optionField(*partner) != 0)
        toggleOption(*partner);
}

// Asks before a running game is given up; true when none runs or the player agreed.
bool noGameOrAbandoned() {
    if (gameState.turnsLeft <= 0)
        return true;
    const int answer = ShowMessageBox("Ett spel p\xe5g\xe5r, vill du avbryta det?", "Varning",
                                      MBOX_YESNO, MBOX_ICON_STOP, false);
    if (answer != MBOX_ANSWER_YES)
        return false;
    gameState.turnsLeft = 0;
    // A human's dice window of the abandoned game would otherwise stay up and keep throwing.
    if (diceWindowShown != 0)
        HideDiceWindow();
    return true;
}

void hideTopTen() {
    gameState.topTenShown = 0;
    RequestPaint(PAINT_TOP_TEN);
}

void newGameCommand() {
    if (!noGameOrAbandoned())
        return;
    hideTopTen();
    resetGame(true);
    playerDialogStartsGame = 0;
    startExpertTable(expertTableInBackground); // while the names are typed
    RunPlayerDialog();
    if (playerDialogStartsGame != 0 && gameState.playerCount > 0) {
        gameState.sheetVisible = 1;
        StartReviewedGame();
        newGame();
        return;
    }
    // The dialog has gone, wherever it stood: the window shows the emptied sheet, as it would
    // where the dialog had covered it.
    int32_t cw = 0, ch = 0;
    GetClientSize(WINDOW_ROOT, &cw, &ch);
    InvalidateArea(WINDOW_ROOT, Rect{0, 0, cw, ch});
    UpdateWindowNow(WINDOW_ROOT);
}

void replayCommand() {
    if (!noGameOrAbandoned())
        return;
    hideTopTen();
    resetGame(false);
    if (gameState.playerCount > 0) {
        gameState.sheetVisible = 1;
        StartReviewedGame();
        newGame();
    }
}

void aboutCommand() {
    ResourceData about{};
    if (!FindResourceData(IDT_ABOUT, &about))
        return;
    // The resource has no terminator: its length is its size.
    std::vector<char> text(about.data, about.data + about.size);
    text.push_back(0);
    ShowMessageBox(text.data(), "Om programmet", MBOX_OK, MBOX_ICON_NONE, true);
}

} // namespace

void OnRootCreate() {
    for (const OptionItem& item : OPTION_ITEMS)
        if (const int32_t* field = optionField(item))
            SetMenuCheck(item.commandId, *field != 0);
    SetMenuEnabled(IDM_REVIEW, false); // until a game has ended
    gameState.topTenShown = 0;
    gameState.sheetVisible = 0;
    gameState.diceOnBoard = 0;
}

void OnRootDestroy() {
    CloseHelp();
}

void OnRootLeftDown(int32_t x, int32_t y) {
    if (gameState.turnsLeft > 0 && gameState.throwsLeft == 0)
        OnSheetClick(x, y);
}

void OnCommitRequest() {
    recordCommit();
    completeTurn();
}

void OnRootCommand(int32_t commandId) {
    if (const OptionItem* option = findOption(commandId)) {
        toggleOption(*option);
        return;
    }
    switch (commandId) {
    case IDM_QUIT:
        CloseHelp();
        CloseRootWindow();
        break;
    case IDM_ABOUT:
        aboutCommand();
        break;
    case IDM_NEW_GAME:
        newGameCommand();
        break;
    case IDM_REPLAY:
        replayCommand();
        break;
    case IDM_SHOW_TOP_TEN:
        gameState.topTenShown = 1;
        RequestPaint(PAINT_TOP_TEN);
        break;
    case IDM_CLEAR_TOP_TEN:
        ClearTopTen();
        if (gameState.topTenShown == 1)
            hideTopTen();
        break;
    case IDM_HELP:
        OpenHelp();
        break;
    case IDM_REVIEW:
        ShowReviewBox();
        break;
    case IDM_STATISTICS:
        ShowStatisticsBox();
        break;
    default: // not ours
        break;
    }
}

// The hint while a row is to be chosen: the best row proposed, as a click on it would.
static void proposeHintedRow() {
    ExpertAdvice advice{};
    if (CurrentAdvice(&advice) && advice.row >= 0)
        ProposeCell(advice.row);
}

void OnRootKey(int32_t key) {
    const bool choosing = gameState.turnsLeft > 0 && gameState.throwsLeft == 0;
    if (key == KEY_UP && choosing)
        ProposeNextCell(-1);
    else if (key == KEY_DOWN && choosing)
        ProposeNextCell(1);
    else if (key == KEY_RETURN)
        OnCommitRequest(); // as a double click
    else if (key == KEY_F1)
        OpenHelp();
    else if (key == 'h' && choosing)
        proposeHintedRow();
}
