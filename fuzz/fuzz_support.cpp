#include "fuzz/fuzz_support.h"
#include "platform/msgbox.h"
#include "store/datafile.h"
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>
#include <vector>

int shownBoxes = 0;

int ShowMessageBox(const char*, const char*, int, int, bool) {
    shownBoxes++;
    return MBOX_ANSWER_OK;
}

namespace {
std::string scratch;

void removeScratch() {
    for (const char* name : {"/state", "/h_score"})
        std::remove((scratch + name).c_str());
    rmdir(scratch.c_str());
}
} // namespace

bool EnterScratchDir() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern =
        std::string(tmp != nullptr && *tmp != 0 ? tmp : "/tmp") + "/dyxel-fuzz-XXXXXX";
    Check(mkdtemp(pattern.data()) != nullptr, "cannot make a scratch directory");
    scratch = pattern;
    Check(chdir(scratch.c_str()) == 0, "cannot enter the scratch directory");
    std::atexit(removeScratch);
    return true;
}

void WriteWholeFile(const char* name, const uint8_t* data, size_t size) {
    std::FILE* f = std::fopen(name, "wb");
    Check(f != nullptr, "cannot write the input file");
    Check(size == 0 || std::fwrite(data, 1, size, f) == size, "short write of the input file");
    Check(std::fclose(f) == 0, "cannot close the input file");
}

const uint8_t* ReadWholeFile(const char* name, size_t* size) {
    static std::vector<uint8_t> bytes;
    bytes.clear();
    if (std::FILE* f = std::fopen(name, "rb")) {
        int c;
        while ((c = std::fgetc(f)) != EOF)
            bytes.push_back(static_cast<uint8_t>(c));
        std::fclose(f);
    }
    *size = bytes.size();
    return bytes.data();
}

size_t ReadImageFromMemory(const uint8_t* data, size_t size, uint8_t* image, size_t imageSize) {
    if (size == 0)
        return 0;
    std::vector<uint8_t> copy(data, data + size);
    std::FILE* m = fmemopen(copy.data(), copy.size(), "rb");
    Check(m != nullptr, "fmemopen failed");
    const size_t n = ReadTextImage(m, image, imageSize);
    std::fclose(m);
    return n;
}

void Check(bool cond, const char* what) {
    if (!cond) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}
