// The game's help: its own Swedish page (resource 2600) as plain text in a read-only view, in a
// window beside the root window. Escape closes it, and so does the end of the game.
#include "platform/system.h"
#include "platform/win32/w32platform.h"
#include "res/resources.h"
#include <cstring>
#include <string>

namespace {

constexpr int32_t HELP_WIDTH = 480;
constexpr int32_t TEXT_ID = 1;

// The page as plain text, written as it is read.
struct PlainText {
    std::string out;
    bool space = false;     // blanks seen since the last character
    bool heading = false;   // inside a heading: written in capitals
    bool skipping = false;  // inside the head: nothing shown
    bool firstCell = false; // the next table cell opens its row
};

// Ends the line, with the given number of empty lines after it (never at the very start).
void BreakLine(PlainText& t, int emptyLines) {
    while (!t.out.empty() && t.out.back() == ' ')
        t.out.pop_back();
    int ends = 0;
    for (size_t i = t.out.size(); i >= 2 && t.out.compare(i - 2, 2, "\r\n") == 0; i -= 2)
        ends++;
    for (; !t.out.empty() && ends < emptyLines + 1; ends++)
        t.out += "\r\n";
    t.space = false;
}

bool IsHeading(const std::string& tag) {
    return tag.size() == 2 && tag[0] == 'h' && tag[1] >= '1' && tag[1] <= '6';
}

// Paragraphs and headings stand apart, list items get a bullet, table cells a bar between them.
void Tag(PlainText& t, std::string tag) {
    const bool closing = !tag.empty() && tag[0] == '/';
    tag = tag.substr(closing ? 1 : 0);
    tag = tag.substr(0, tag.find_first_of(" \t\r\n"));
    CharLowerA(tag.data());
    if (tag == "head") {
        t.skipping = !closing;
    } else if (tag == "br") {
        BreakLine(t, 0);
    } else if (IsHeading(tag) || tag == "p" || tag == "ul" || tag == "ol" || tag == "table") {
        BreakLine(t, 1);
        t.heading = IsHeading(tag) && !closing;
    } else if (tag == "li" && !closing) {
        BreakLine(t, 0);
        t.out += "  \x95 ";
    } else if (tag == "tr" && !closing) {
        BreakLine(t, 0);
        t.firstCell = true;
    } else if ((tag == "td" || tag == "th") && !closing) {
        if (!t.firstCell)
            t.out += " | ";
        t.firstCell = t.space = false;
    }
}

void Character(PlainText& t, char c) {
    if (t.skipping)
        return;
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
        t.space = true;
        return;
    }
    if (t.space && !t.out.empty() && t.out.back() != '\n' && t.out.back() != ' ')
        t.out += ' ';
    t.space = false;
    if (t.heading) // a character in place of a string: CharUpperA's own convention
        c = static_cast<char>(reinterpret_cast<uintptr_t>(
            CharUpperA(reinterpret_cast<LPSTR>(uintptr_t{static_cast<unsigned char>(c)}))));
    t.out += c;
}

std::string PageText(const char* html, size_t length) {
    PlainText t;
    for (size_t i = 0; i < length; i++) {
        if (html[i] != '<') {
            Character(t, html[i]);
            continue;
        }
        const void* close = std::memchr(html + i, '>', length - i);
        if (close == nullptr)
            break;
        const size_t end = static_cast<size_t>(static_cast<const char*>(close) - html);
        Tag(t, std::string(html + i + 1, end - i - 1));
        i = end;
    }
    BreakLine(t, 0);
    return t.out;
}

std::string HelpText() {
    ResourceData page{};
    if (!FindResourceData(IDT_HELP, &page) || page.size == 0)
        return "Hj\xe4lpen saknas i programmet.";
    return PageText(reinterpret_cast<const char*>(page.data), page.size);
}

LRESULT CALLBACK HelpWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: {
        HWND text = CreateWindowExA(
            WS_EX_CLIENTEDGE, "EDIT", "",
            WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0,
            0, 0, hwnd, reinterpret_cast<HMENU>(INT_PTR{TEXT_ID}), win.instance, nullptr);
        SendMessageA(text, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                     FALSE);
        SendMessageA(text, EM_SETLIMITTEXT, 0, 0);
        SetWindowTextA(text, HelpText().c_str());
        return 0;
    }
    case WM_SIZE:
        MoveWindow(GetDlgItem(hwnd, TEXT_ID), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
        return 0;
    case WM_SETFOCUS:
        SetFocus(GetDlgItem(hwnd, TEXT_ID));
        return 0;
    case WM_DESTROY:
        if (win.help == hwnd)
            win.help = nullptr;
        return 0;
    default:
        return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

// Right of the root window where the screen has room, else left of it, else at the edge.
RECT PlaceBesideRoot() {
    RECT root{}, work{};
    GetWindowRect(win.root, &root);
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const int32_t height = root.bottom - root.top;
    int32_t left = root.right;
    if (left + HELP_WIDTH > work.right)
        left =
            root.left - HELP_WIDTH >= work.left ? root.left - HELP_WIDTH : work.right - HELP_WIDTH;
    return RECT{left, root.top, left + HELP_WIDTH, root.top + height};
}

} // namespace

void RegisterHelpClass() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = HelpWindowProc;
    wc.hInstance = win.instance;
    wc.hIcon = LoadIconA(win.instance, MAKEINTRESOURCEA(IDI_APP_ICON));
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "HelpClass";
    RegisterClassA(&wc);
}

bool HelpKeyMessage(const MSG& msg) {
    if (win.help == nullptr || msg.message != WM_KEYDOWN || msg.wParam != VK_ESCAPE)
        return false;
    if (msg.hwnd != win.help && !IsChild(win.help, msg.hwnd))
        return false;
    CloseHelp();
    return true;
}

void OpenHelp() {
    if (win.root == nullptr || win.rootGone)
        return;
    if (win.help != nullptr) {
        SetForegroundWindow(win.help);
        return;
    }
    const RECT r = PlaceBesideRoot();
    win.help = CreateWindowExA(0, "HelpClass", "Tolvik dyxel \x96 hj\xe4lp", WS_OVERLAPPEDWINDOW,
                               r.left, r.top, r.right - r.left, r.bottom - r.top, win.root, nullptr,
                               win.instance, nullptr);
    if (win.help != nullptr)
        ShowWindow(win.help, SW_SHOWNORMAL);
}

void CloseHelp() {
    if (win.help != nullptr)
        DestroyWindow(win.help);
    win.help = nullptr;
}
