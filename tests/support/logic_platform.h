// A recording stand-in for the two platform calls the plain logic makes: message boxes and
// sound playback. Tests read and clear the records.
#pragma once
#include <string>
#include <vector>

struct RecordedBox {
    std::string text;
    std::string caption;
    int style;
    int icon;
};

extern std::vector<RecordedBox> recordedBoxes;
extern std::vector<int> recordedSounds;
// The answer the next Yes/No box gives.
extern int scriptedBoxAnswer;

void ClearPlatformRecords();
