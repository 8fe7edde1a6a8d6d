#include "fuzz/fuzz_support.h"
#include "platform/msgbox.h"
#include <cstdio>
#include <cstdlib>
#include <cstring>
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

void CheckSavedOver(const char* name, const uint8_t* data, size_t size, const uint8_t* head,
                    size_t headSize) {
    size_t fileSize = 0;
    const uint8_t* file = ReadWholeFile(name, &fileSize);
    Check(fileSize == (size > headSize ? size : headSize), "the save changed the length");
    Check(std::memcmp(file, head, headSize) == 0, "the saved bytes are not the image");
    Check(fileSize == headSize ||
              std::memcmp(file + headSize, data + headSize, fileSize - headSize) == 0,
          "the save changed the bytes past the image");
}

void Check(bool cond, const char* what) {
    if (!cond) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}
