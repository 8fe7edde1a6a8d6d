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

bool StartsWithTag(const std::string& tag, const char* name) {
    return tag == name;
}

bool IsHeading(const std::string& tag) {
    return tag.size() == 2 && tag[0] == 'h' && tag[1] >= '1' && tag[1] <= '6';
}

// The page as text: paragraphs and headings apart, list items with a bullet, table cells
// between bars, headings in capitals, runs of blanks as one.
std::string PageText(const char* html, size_t length) {
    std::string out;
    bool space = false, heading = false, skipping = false, firstCell = false;
    auto breakLine = [&](int blankLines) {
        while (!out.empty() && out.back() == ' ')
            out.pop_back();
        int have = 0;
        for (size_t i = out.size(); i >= 2 && out.compare(i - 2, 2, "\r\n") == 0; i -= 2)
            have++;
        for (; !out.empty() && have < blankLines + 1; have++)
            out += "\r\n";
        space = false;
    };
    for (size_t i = 0; i < length; i++) {
        const char c = html[i];
        if (c == '<') {
            const size_t end = std::string(html + i, length - i).find('>');
            if (end == std::string::npos)
                break;
            std::string tag(html + i + 1, end - 1);
            i += end;
            const bool closing = !tag.empty() && tag[0] == '/';
            tag = tag.substr(closing ? 1 : 0, tag.find_first_of(" \t\r\n") - (closing ? 1 : 0));
            CharLowerA(tag.data());
            if (StartsWithTag(tag, "head"))
                skipping = !closing;
            else if (StartsWithTag(tag, "br"))
                breakLine(0);
            else if (IsHeading(tag) || tag == "p" || tag == "ul" || tag == "ol" || tag == "table")
                breakLine(1), heading = IsHeading(tag) && !closing;
            else if (tag == "li" && !closing)
                breakLine(0), out += "  \x95 ";
            else if (tag == "tr" && !closing)
                breakLine(0), firstCell = true;
            else if ((tag == "td" || tag == "th") && !closing)
                out += firstCell ? "" : " | ", firstCell = false, space = false;
            continue;
        }
        if (skipping)
            continue;
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            space = true;
            continue;
        }
        if (space && !out.empty() && out.back() != '\n' && out.back() != ' ')
            out += ' ';
        space = false;
        const char shown = heading ? static_cast<char>(reinterpret_cast<uintptr_t>(CharUpperA(
                                         reinterpret_cast<LPSTR>(uintptr_t{(unsigned char)c}))))
                                   : c;
        out += shown;
    }
    breakLine(0);
    return out;
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

bool RegisterHelpClass() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = HelpWindowProc;
    wc.hInstance = win.instance;
    wc.hIcon = LoadIconA(win.instance, MAKEINTRESOURCEA(IDI_APP_ICON));
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = "HelpClass";
    return RegisterClassA(&wc) != 0;
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
