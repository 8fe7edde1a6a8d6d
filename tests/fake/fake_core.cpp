#include "tests/fake/fake_platform.h"
#include <cstdio>

FakePlatform fake;
PlatformEvents platformEvents;

void FakeReset() {
    fake = FakePlatform{};
}

void FakeClearLog() {
    fake.log.clear();
}

void FakeLog(const std::string& line) {
    fake.log.push_back(line);
    if (fake.onLog)
        fake.onLog(line);
}

int FakeCount(const std::string& line) {
    int n = 0;
    for (const std::string& l : fake.log)
        if (l == line)
            n++;
    return n;
}

bool FakeLogged(const std::string& line) {
    return FakeCount(line) > 0;
}

int FakeIndexOf(const std::string& line, int from) {
    for (size_t i = from < 0 ? 0 : static_cast<size_t>(from); i < fake.log.size(); i++)
        if (fake.log[i] == line)
            return static_cast<int>(i);
    return -1;
}

std::vector<std::string> FakeLinesContaining(const std::string& part) {
    std::vector<std::string> lines;
    for (const std::string& l : fake.log)
        if (l.find(part) != std::string::npos)
            lines.push_back(l);
    return lines;
}

std::string FakeRect(const Rect& r) {
    char text[80];
    std::snprintf(text, sizeof text, "(%d,%d,%d,%d)", r.left, r.top, r.right, r.bottom);
    return text;
}

std::string FakeColour(Colour c) {
    char text[16];
    std::snprintf(text, sizeof text, "%06x", c & 0xffffffu);
    return text;
}
