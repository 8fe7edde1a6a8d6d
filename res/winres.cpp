// Build-time tool of the Windows build, run on the build machine: writes the resource script
// from the manifest and the menu tables, so that nothing is written twice, and the icon file
// from the icon picture. It also turns a UTF-8 text into a Windows-1252 one with CRLF lines.
// Usage: winres rc MANIFEST SOURCE_DIR OUTPUT_DIR   (writes dyxel.rc and icon.ico there)
//        winres text SOURCE TARGET
#include "res/gen/texts.h"
#include "res/manifest.h"
#include "res/resources.h"
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

bool ReadFile(const std::string& path, Bytes* out) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    out->assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

uint32_t Le(const Bytes& b, size_t at, int width) {
    uint32_t v = 0;
    for (int i = width - 1; i >= 0; i--)
        v = (v << 8) | b[at + static_cast<size_t>(i)];
    return v;
}

void PutLe(Bytes* b, uint32_t v, int width) {
    for (int i = 0; i < width; i++)
        b->push_back(static_cast<unsigned char>(v >> (8 * i)));
}

// The 32-bit picture as rows of BGRA from the top, or false for any other kind of BMP.
bool ReadBgra(const Bytes& bmp, int32_t* width, int32_t* height, Bytes* pixels) {
    if (bmp.size() < 54 || bmp[0] != 'B' || bmp[1] != 'M' || Le(bmp, 28, 2) != 32 ||
        Le(bmp, 30, 4) != 0)
        return false;
    const auto w = static_cast<int32_t>(Le(bmp, 18, 4));
    const auto h = static_cast<int32_t>(Le(bmp, 22, 4));
    const size_t offset = Le(bmp, 10, 4);
    const int32_t rows = h < 0 ? -h : h;
    if (w <= 0 || rows == 0 || offset + static_cast<size_t>(w) * rows * 4 > bmp.size())
        return false;
    pixels->resize(static_cast<size_t>(w) * rows * 4);
    for (int32_t y = 0; y < rows; y++) {
        const int32_t from = h < 0 ? y : rows - 1 - y;
        std::copy_n(bmp.begin() + static_cast<ptrdiff_t>(offset + size_t(from) * w * 4), w * 4,
                    pixels->begin() + static_cast<ptrdiff_t>(size_t(y) * w * 4));
    }
    *width = w;
    *height = rows;
    return true;
}

// An area-averaged copy at side x side, with the colours weighted by their alpha.
Bytes Shrink(const Bytes& src, int32_t from, int32_t side) {
    Bytes out(static_cast<size_t>(side) * side * 4);
    for (int32_t y = 0; y < side; y++)
        for (int32_t x = 0; x < side; x++) {
            double sum[4] = {};
            const int32_t x0 = x * from / side, x1 = (x + 1) * from / side;
            const int32_t y0 = y * from / side, y1 = (y + 1) * from / side;
            for (int32_t sy = y0; sy < y1; sy++)
                for (int32_t sx = x0; sx < x1; sx++) {
                    const unsigned char* p = &src[(size_t(sy) * from + sx) * 4];
                    for (int c = 0; c < 3; c++)
                        sum[c] += p[c] * p[3];
                    sum[3] += p[3];
                }
            unsigned char* q = &out[(size_t(y) * side + x) * 4];
            const double n = double(x1 - x0) * (y1 - y0);
            for (int c = 0; c < 3; c++)
                q[c] = static_cast<unsigned char>(sum[3] > 0 ? sum[c] / sum[3] + 0.5 : 0);
            q[3] = static_cast<unsigned char>(sum[3] / n + 0.5);
        }
    return out;
}

// One icon image: the header with twice the height, the pixels from the bottom, and an
// all-clear AND mask (the alpha decides).
Bytes IconImage(const Bytes& bgra, int32_t side) {
    Bytes out;
    PutLe(&out, 40, 4);
    PutLe(&out, static_cast<uint32_t>(side), 4);
    PutLe(&out, static_cast<uint32_t>(2 * side), 4);
    PutLe(&out, 1, 2);
    PutLe(&out, 32, 2);
    for (int i = 0; i < 6; i++)
        PutLe(&out, 0, 4);
    for (int32_t y = side - 1; y >= 0; y--)
        out.insert(out.end(), bgra.begin() + y * side * 4, bgra.begin() + (y + 1) * side * 4);
    const int32_t maskRow = (side + 31) / 32 * 4;
    out.insert(out.end(), static_cast<size_t>(maskRow) * side, 0);
    return out;
}

bool WriteIcon(const std::string& bmpPath, const std::string& icoPath) {
    Bytes bmp, bgra;
    int32_t w = 0, h = 0;
    if (!ReadFile(bmpPath, &bmp) || !ReadBgra(bmp, &w, &h, &bgra) || w != h) {
        std::fprintf(stderr, "winres: %s is no square 32-bit picture\n", bmpPath.c_str());
        return false;
    }
    std::vector<Bytes> images;
    std::vector<int32_t> sides;
    for (int32_t side : {w, 32, 16}) {
        if (side > w || std::find(sides.begin(), sides.end(), side) != sides.end())
            continue;
        images.push_back(IconImage(side == w ? bgra : Shrink(bgra, w, side), side));
        sides.push_back(side);
    }
    Bytes ico;
    PutLe(&ico, 0, 2);
    PutLe(&ico, 1, 2);
    PutLe(&ico, static_cast<uint32_t>(images.size()), 2);
    uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
    for (size_t i = 0; i < images.size(); i++) {
        ico.push_back(static_cast<unsigned char>(sides[i] >= 256 ? 0 : sides[i]));
        ico.push_back(static_cast<unsigned char>(sides[i] >= 256 ? 0 : sides[i]));
        PutLe(&ico, 0, 2); // no palette, reserved
        PutLe(&ico, 1, 2);
        PutLe(&ico, 32, 2);
        PutLe(&ico, static_cast<uint32_t>(images[i].size()), 4);
        PutLe(&ico, offset, 4);
        offset += static_cast<uint32_t>(images[i].size());
    }
    for (const Bytes& image : images)
        ico.insert(ico.end(), image.begin(), image.end());
    std::ofstream out(icoPath, std::ios::binary);
    out.write(reinterpret_cast<const char*>(ico.data()), static_cast<std::streamsize>(ico.size()));
    return static_cast<bool>(out);
}

// A string of the script: the bytes stay Windows-1252 (the script is compiled as code page
// 1252); quotes are doubled.
std::string Quoted(const char* text) {
    std::string out = "\"";
    for (const char* p = text; *p != 0; p++)
        out += *p == '"' ? std::string("\"\"") : std::string(1, *p);
    return out + "\"";
}

std::string PathLiteral(const std::string& path) {
    std::string out = "\"";
    for (char c : path)
        out += c == '\\' ? '/' : c;
    return out + "\"";
}

void WriteMenu(std::ostream& rc, const char* name, const MenuEntry* entries, int32_t count) {
    rc << name << " MENU\nBEGIN\n";
    int32_t depth = 0;
    for (int32_t i = 0; i < count; i++) {
        const MenuEntry& e = entries[i];
        for (; depth > e.depth; depth--)
            rc << std::string(2 * depth, ' ') << "END\n";
        const std::string indent(2 * e.depth + 2, ' ');
        if (e.commandId == 0) {
            rc << indent << "POPUP " << Quoted(e.text) << "\n" << indent << "BEGIN\n";
            depth = e.depth + 1;
        } else {
            rc << indent << "MENUITEM " << Quoted(e.text) << ", " << e.commandId
               << (e.check ? ", CHECKED" : "") << "\n";
        }
    }
    for (; depth > 0; depth--)
        rc << std::string(2 * depth, ' ') << "END\n";
    rc << "END\n\n";
}

// The new-player dialog, in tab order.
const char* const PLAYER_DIALOG =
    "2200 DIALOGEX 0, 0, 100, 95\n"
    "STYLE DS_MODALFRAME | DS_CENTERMOUSE | DS_SETFONT | WS_POPUP | WS_DLGFRAME\n"
    "EXSTYLE WS_EX_TOOLWINDOW\n"
    "FONT 10, \"MS Sans Serif\"\n"
    "BEGIN\n"
    "  EDITTEXT 2201, 8, 12, 45, 10, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL\n"
    "  DEFPUSHBUTTON \"Klar\", 1, 65, 75, 29, 14, WS_TABSTOP\n"
    "  GROUPBOX \"Ny spelare\", 2204, 4, 2, 90, 26\n"
    "  LISTBOX 2202, 10, 35, 45, 50, WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY | LBS_SORT"
    " | LBS_NOINTEGRALHEIGHT\n"
    "  DEFPUSHBUTTON \"L\xe4gg till\", 2203, 65, 30, 30, 14, WS_TABSTOP\n"
    "  AUTOCHECKBOX \"Robot\", 2209, 58, 12, 32, 10, WS_TABSTOP\n"
    "  GROUPBOX \"\", 2205, 5, 25, 55, 65\n"
    "END\n\n";

bool WriteScript(const std::string& manifestPath, const std::string& sourceDir,
                 const std::string& outDir) {
    std::vector<ManifestEntry> entries;
    if (!ReadManifest("winres", manifestPath, &entries))
        return false;
    std::ostringstream rc;
    rc << "// Generated from res/manifest.txt and res/menus.cpp. Do not edit.\n"
          "#include <windows.h>\n#pragma code_page(1252)\n\n";
    for (const auto& [id, path] : entries) {
        const std::string file = sourceDir + "/" + path;
        if (id == IDI_APP_ICON) {
            if (!WriteIcon(file, outDir + "/icon.ico"))
                return false;
            rc << id << " ICON " << PathLiteral(outDir + "/icon.ico") << "\n";
        } else if (path.size() > 4 && path.compare(path.size() - 4, 4, ".bmp") == 0) {
            rc << id << " BITMAP " << PathLiteral(file) << "\n";
        } else {
            rc << id << " RCDATA " << PathLiteral(file) << "\n";
        }
    }
    rc << "\n";
    WriteMenu(rc, "IDM_MENU", ROOT_MENU, ROOT_MENU_COUNT);
    WriteMenu(rc, "IDD_MENU", DICE_MENU, DICE_MENU_COUNT);
    rc << PLAYER_DIALOG;
    rc << "VS_VERSION_INFO VERSIONINFO\n"
          "FILEVERSION 3,20,0,0\nPRODUCTVERSION 3,20,0,0\nFILEOS VOS_NT_WINDOWS32\n"
          "FILETYPE VFT_APP\nBEGIN\n  BLOCK \"StringFileInfo\"\n  BEGIN\n"
          "    BLOCK \"041D04E4\"\n    BEGIN\n"
          "      VALUE \"FileDescription\", \"Tolvik dyxel\"\n"
          "      VALUE \"FileVersion\", \"3.20\"\n"
          "      VALUE \"ProductName\", \"Tolvik dyxel\"\n"
          "      VALUE \"ProductVersion\", \"3.20\"\n"
          "    END\n  END\n  BLOCK \"VarFileInfo\"\n  BEGIN\n"
          "    VALUE \"Translation\", 0x041D, 1252\n  END\nEND\n";
    std::ofstream out(outDir + "/dyxel.rc", std::ios::binary);
    out << rc.str();
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "rc" && argc == 5)
        return WriteScript(argv[2], argv[3], argv[4]) ? 0 : 1;
    if (mode == "text" && argc == 4)
        return ConvertTextFile(argv[2], argv[3], true) ? 0 : 1;
    std::fprintf(stderr, "usage: winres rc MANIFEST SOURCE_DIR OUTPUT_DIR\n"
                         "       winres text SOURCE TARGET\n");
    return 2;
}
