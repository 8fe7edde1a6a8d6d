// Writes the page's install icons, the game's own icon drawn at 192 and 512 pixels, into a
// folder. Run by the browser build: unlike the committed pictures, these sizes serve the page only.
// Usage: dyxel-webicons OUT_DIR
#include "res/gen/image.h"
#include "res/gen/pictures.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: dyxel-webicons OUT_DIR\n");
        return 2;
    }
    bool ok = true;
    for (int size : {192, 512})
        ok = WriteBytes(std::string(argv[1]) + "/icon-" + std::to_string(size) + ".png",
                        EncodePng(MakeIcon(size))) &&
             ok;
    return ok ? 0 : 1;
}
