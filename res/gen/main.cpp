// Makes the game's pictures, sounds and texts. Run by hand (the resgen target) when one of
// them should change; its outputs are committed, so the normal build never runs it.
// Usage: dyxel-resgen RES_DIR
#include "res/gen/image.h"
#include "res/gen/pictures.h"
#include "res/gen/sound.h"
#include "res/gen/texts.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: dyxel-resgen RES_DIR\n");
        return 2;
    }
    std::string dir = argv[1];
    bool ok = ConvertTextFile(dir + "/text/about.utf8.txt", dir + "/text/about.txt", true);
    ok = ConvertTextFile(dir + "/text/help.utf8.html", dir + "/text/help.html", false) && ok;
    for (int held = 0; held < 2; held++)
        for (int pips = 1; pips <= 6; pips++) {
            std::string name =
                dir + "/pic/" + (held ? "held" : "free") + std::to_string(pips) + ".bmp";
            ok = WriteBytes(name, EncodePaletteBmp(MakeFace(pips, held))) && ok;
        }
    ok = WriteBytes(dir + "/pic/icon.bmp", EncodeAlphaBmp(MakeIcon(48))) && ok;
    for (int size : {48, 256})
        ok = WriteBytes(dir + "/pic/icon-" + std::to_string(size) + ".png",
                        EncodePng(MakeIcon(size))) &&
             ok;
    ok = WriteBytes(dir + "/pic/background.bmp", EncodeTrueColourBmp(MakeBackground())) && ok;
    Picture logo;
    if (MakeLogo(&logo))
        ok = WriteBytes(dir + "/pic/logo.bmp", EncodeTrueColourBmp(logo)) && ok;
    else {
        std::fprintf(stderr, "resgen: cannot render the logo's lettering (ImageMagick?)\n");
        ok = false;
    }
    struct Named {
        const char* name;
        Sound sound;
    };
    const Named sounds[] = {
        {"fanfare", MakeFanfare()},
        {"rattle1", MakeRattle(2402, 0.83)},
        {"rattle2", MakeRattle(2403, 0.80)},
        {"rattle3", MakeRattle(2404, 0.80)},
        {"crossout1", MakeCrossOutLong()},
        {"crossout2", MakeCrossOutShort()},
        {"chime", MakeChime()},
    };
    for (const Named& s : sounds) {
        Levels m = Measure(s.sound);
        std::printf("%-10s %5d Hz %5.3f s  peak %6.2f dBFS  rms %6.2f dBFS\n", s.name, s.sound.rate,
                    m.seconds, m.peakDb, m.rmsDb);
        ok = WriteBytes(dir + "/snd/" + s.name + ".wav", EncodeWav(s.sound)) && ok;
    }
    return ok ? 0 : 1;
}
