// xclose WINDOW_ID: the close box, for the end-to-end scripts (there is no window manager).
#include "tests/e2e/x11_tools.h"
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: xclose WINDOW_ID\n");
        return 2;
    }
    const unsigned long window = std::strtoul(argv[1], nullptr, 0);
    if (!SendCloseRequest(window)) {
        std::fprintf(stderr, "xclose: cannot send to window %s\n", argv[1]);
        return 1;
    }
    return 0;
}
