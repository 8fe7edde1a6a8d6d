#include "ui/startup.h"
#include "core/hooks.h"
#include "core/turn.h"
#include "platform/dialog.h"
#include "platform/draw.h"
#include "platform/msgbox.h"
#include "platform/system.h"
#include "platform/window.h"
#include "res/resources.h"
#include "sound/sound.h"
#include "store/settings.h"
#include "store/topten.h"
#include "ui/app.h"
#include "ui/dialog.h"
#include "ui/dice_window.h"
#include "ui/paint.h"
#include "ui/pointer.h"
#include "ui/review_box.h"
#include "ui/root_window.h"
#include "ui/sheet.h"
#include <gc.h>
#include <initializer_list>

int32_t finishingUnseen;
bool expertTableInBackground = true;

namespace {

void errorBox(const char* text, bool owned) {
    ShowMessageBox(text, "error", MBOX_OK, MBOX_ICON_NONE, owned);
}

void eraseCommittedCell(int32_t player, int32_t row) {
    previewShown = 0;
    if (finishingUnseen != 0)
        return;
    Surface* s = AcquireRootSurface();
    // The sums go too: a would-be "  0" of the preview would outlive a sum that stays 0, since
    // the sheet never draws zeros over it.
    EraseCellWithSums(s, player, row);
    ReleaseSurface(s);
}

// Whether a human still has a turn after the current one.
bool humanTurnAhead() {
    const GameState& g = gameState;
    for (int32_t k = 1; k < g.turnsLeft && k <= g.playerCount; k++)
        if (g.players[(g.currentPlayer + k) % g.playerCount].isRobot == 0)
            return true;
    return false;
}

void pauseKeepingPainted(int32_t milliseconds) {
    if (finishingUnseen != 0)
        return;
    PauseKeepingPainted(milliseconds);
    if (!QuitRequested())
        return;
    // The window was closed during a robot's pause. With a human turn still to come the game is
    // abandoned; otherwise the robots finish at once, unseen and unheard, so that every finished
    // result reaches the top-ten list before the program ends.
    if (humanTurnAhead()) {
        gameState.turnsLeft = 0;
    } else {
        finishingUnseen = 1;
        cuesSilenced = 1;
    }
}

} // namespace

void InstallFrontEnd() {
    platformEvents = PlatformEvents{};
    platformEvents.rootCreate = OnRootCreate;
    platformEvents.rootDestroy = OnRootDestroy;
    platformEvents.rootPaint = PaintRootWindow;
    platformEvents.rootLeftDown = OnRootLeftDown;
    platformEvents.rootLeftDoubleClick = [](int32_t, int32_t) { OnCommitRequest(); };
    platformEvents.rootRightDown = [](int32_t, int32_t) { OnCommitRequest(); };
    platformEvents.rootCommand = OnRootCommand;
    platformEvents.dicePaint = PaintDiceWindow;
    platformEvents.diceCommand = [](int32_t id) { OnDiceCommand(id); };
    platformEvents.diceDoubleClick = [] { OnDiceCommand(IDM_THROW); };
    platformEvents.diePressed = PressDie;
    platformEvents.dieRedraw = DrawDie;
    platformEvents.dialogInit = [] { NewPlayerDialogProc(DIALOG_INIT, 0); };
    platformEvents.dialogCommand = [](int32_t id) { NewPlayerDialogProc(DIALOG_COMMAND, id); };
    platformEvents.rootKey = OnRootKey;
    platformEvents.diceKey = OnDiceKey;
    // The display or the page goes without a shutdown: the options are saved all the same.
    platformEvents.sessionEnding = [] { SaveSettings(settings); };

    frontEnd = FrontEndHooks{};
    frontEnd.eraseCommittedCell = eraseCommittedCell;
    frontEnd.requestPaint = [](int32_t request) {
        if (finishingUnseen == 0)
            RootPaintRequest(request);
    };
    frontEnd.showDiceWindow = ShowDiceWindow;
    frontEnd.setDiceTitle = [](int32_t player, int32_t count) { SetDiceTitle(player, count); };
    frontEnd.redrawDice = RedrawDice;
    frontEnd.alikeModeOff = AlikeModeOff;
    frontEnd.hideDiceWindow = HideDiceWindow;
    frontEnd.drawCornerBoxLogo = [] {
        if (finishingUnseen == 0)
            DrawCornerBox(true);
    };
    frontEnd.activateRootWindow = [] { ActivateWindow(WINDOW_ROOT); };
    frontEnd.pause = pauseKeepingPainted;
    frontEnd.sendCommitRequest = OnCommitRequest;

    InstallSoundCues();
    services.offerResults = RecordFinishedGame;
}

void MeasureSheetMetrics() {
    int32_t textHeight = 0, avgCharWidth = 0;
    DefaultFontMetrics(&textHeight, &avgCharWidth);
    ComputeSheetMetrics(textHeight, avgCharWidth);
}

void LoadPictures() {
    for (int32_t k = 0; k < 12; k++) {
        facePictures[k] = LoadPicture(IDB_DIE_FIRST + k);
        if (facePictures[k] == nullptr)
            errorBox("can't load bitmap!", true);
    }
    logoPicture = LoadPicture(IDB_LOGO);
    if (logoPicture == nullptr)
        errorBox("can't load logo bitmap!", true);
    backgroundPicture = LoadPicture(IDB_BACKGROUND);
    if (backgroundPicture == nullptr)
        errorBox("can't load bkg bitmap!", true);
}

void ReleaseSurfaces() {
    for (Picture*& face : facePictures) {
        if (face != nullptr)
            FreePicture(face);
        face = nullptr;
    }
    for (Picture** picture : {&logoPicture, &backgroundPicture}) {
        if (*picture != nullptr)
            FreePicture(*picture);
        *picture = nullptr;
    }
}

bool CreateGameWindows() {
    MeasureSheetMetrics();
    const int32_t W = sheetMetrics.colWidth, H = sheetMetrics.rowHeight;
    if (!CreateRootWindow("Tolvik dyxel", 8 * W + 120, 26 * H)) {
        errorBox("can't create root win!", false);
        return false;
    }
    if (!CreateDiceWindow("T\xe4rningarna", 400, 100, 350)) {
        errorBox("can't create dice win!", true);
        return false;
    }
    LoadPictures();
    CreateSheetPens();
    ShowWindowNow(WINDOW_ROOT);
    UpdateWindowNow(WINDOW_ROOT);
    HideWindow(WINDOW_DICE);
    UpdateWindowNow(WINDOW_DICE);
    return true;
}

int32_t DyxelMain() {
    InstallFrontEnd();
    settings = LoadSettings();
    if (!RegisterWindowClasses()) {
        ShowMessageBox("error", "Creating Classes", MBOX_OK, MBOX_ICON_NONE, false);
        return 1;
    }
    if (!CreateGameWindows()) {
        ShowMessageBox("error", "Creating windows", MBOX_OK, MBOX_ICON_NONE, false);
        return 2;
    }
    PlayFiveOfAKindSound();
    int32_t cw = 0, ch = 0;
    GetClientSize(WINDOW_ROOT, &cw, &ch);
    RestoreBackground(Rect{0, 0, cw, ch});
    DrawCornerBox(true);
    gameState.dice = static_cast<DiceThrow*>(GC_MALLOC(sizeof(DiceThrow)));
    const int32_t exitCode = RunMessageLoop();
    DeleteSheetPens();
    ReleaseSurfaces();
    SaveSettings(settings);
    return exitCode;
}
