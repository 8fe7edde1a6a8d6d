#include "store/settings.h"
#include "tests/store/workdir.h"
#include "tests/support/logic_platform.h"
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using SettingsFile = WorkDirTest;

std::vector<int32_t> fieldsOf(const Settings* s) {
    return {s->altDice,     s->unlimitedThrows, s->throwSound, s->robotSound,
            s->spareOption, s->longThrows,      s->sortedThrow};
}

const std::vector<int32_t> kDefaults = {1, 0, 1, 1, 1, 1200, 0};
const Bytes kDefaultImage = Le32({1, 0, 1, 1, 1, 1200, 0});

void expectTwoBoxesOnSave() {
    ASSERT_EQ(recordedBoxes.size(), 2u);
    EXPECT_EQ(recordedBoxes[0].text, "Kan inte skapa fil till spelet");
    EXPECT_EQ(recordedBoxes[1].text, "Kan inte skriva fil till h\xe5rddisken");
    for (const RecordedBox& box : recordedBoxes) {
        EXPECT_EQ(box.caption, "Fel!");
        EXPECT_EQ(box.style, 0) << "OK button only";
    }
}

TEST_F(SettingsFile, AMissingFileGivesTheDefaultsSilently) {
    const Settings* s = LoadSettings();
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(fieldsOf(s), kDefaults);
    EXPECT_TRUE(recordedBoxes.empty());
    EXPECT_FALSE(FileExists("state")) << "reading creates nothing";
    SaveSettings(s);
    EXPECT_EQ(ReadBytes("state"), kDefaultImage) << "28 bytes, no CR added";
    EXPECT_TRUE(recordedBoxes.empty());
    EXPECT_EQ(fieldsOf(LoadSettings()), kDefaults);
}

TEST_F(SettingsFile, AShortFileFillsOnlyWhatItCovers) {
    WriteBytes("state", {});
    EXPECT_EQ(fieldsOf(LoadSettings()), std::vector<int32_t>(7, 0)) << "empty: everything off";
    WriteBytes("state", Le32({7, 0x01020304}));
    EXPECT_EQ(fieldsOf(LoadSettings()), (std::vector<int32_t>{7, 0x01020304, 0, 0, 0, 0, 0}));
    // A field cut short keeps only the bytes that are there.
    WriteBytes("state", Concat({Le32({1, 1}), Bytes{0x34, 0x12}}));
    EXPECT_EQ(fieldsOf(LoadSettings()), (std::vector<int32_t>{1, 1, 0x1234, 0, 0, 0, 0}));
    EXPECT_TRUE(recordedBoxes.empty());
}

TEST(SettingsImage, AShortImageLiesOverTheRecordByteByByte) {
    Settings s{};
    SetDefaultSettings(&s);
    const Bytes image = Concat({Le32({0, 1}), Bytes{0x00}});
    DecodeSettings(&s, image.data(), image.size());
    EXPECT_EQ(fieldsOf(&s), (std::vector<int32_t>{0, 1, 0, 1, 1, 1200, 0}));
    DecodeSettings(&s, nullptr, 0);
    EXPECT_EQ(fieldsOf(&s), (std::vector<int32_t>{0, 1, 0, 1, 1, 1200, 0}));
}

TEST_F(SettingsFile, ALongerFileKeepsItsTail) {
    const Bytes tail = {0xde, 0xad, 0xbe, 0xef, 1, 2, 3, 4, 5, 6, 7, 8};
    WriteBytes("state", Concat({Le32({0, 1, 0, 0, 9, 0, 1}), tail}));
    Settings* s = LoadSettings();
    EXPECT_EQ(fieldsOf(s), (std::vector<int32_t>{0, 1, 0, 0, 9, 0, 1}));
    s->altDice = 1;
    s->longThrows = 1;
    SaveSettings(s);
    EXPECT_EQ(ReadBytes("state"), Concat({Le32({1, 1, 0, 0, 9, 1, 1}), tail}));
}

TEST_F(SettingsFile, LineFeedBytesAreStoredAsCrLf) {
    Settings s{};
    SetDefaultSettings(&s);
    s.longThrows = 10;          // 0A 00 00 00
    s.spareOption = 0x0a0d0a0d; // 0D 0A 0D 0A
    s.robotSound = 0x0d;        // a lone CR
    SaveSettings(&s);
    EXPECT_EQ(ReadBytes("state"),
              Concat({Le32({1, 0, 1, 0x0d}), Bytes{0x0d, 0x0d, 0x0a, 0x0d, 0x0d, 0x0a},
                      Bytes{0x0d, 0x0a, 0, 0, 0}, Le32({0})}));
    EXPECT_EQ(fieldsOf(LoadSettings()), fieldsOf(&s));
    EXPECT_TRUE(recordedBoxes.empty());
}

TEST_F(SettingsFile, TheFileFollowsTheWorkingDirectory) {
    WriteBytes("state", Le32({0, 0, 0, 0, 0, 0, 5}));
    ASSERT_EQ(mkdir("other", 0755), 0);
    ASSERT_EQ(chdir("other"), 0);
    EXPECT_EQ(fieldsOf(LoadSettings()), kDefaults);
    ASSERT_EQ(chdir(".."), 0);
    EXPECT_EQ(LoadSettings()->sortedThrow, 5);
}

TEST_F(SettingsFile, AReadOnlyDirectoryShowsBothBoxesAtSave) {
    chmod(dir.c_str(), 0555);
    RunWithPermissions([] {
        const Settings* s = LoadSettings();
        EXPECT_EQ(fieldsOf(s), kDefaults);
        EXPECT_TRUE(recordedBoxes.empty());
        SaveSettings(s);
        expectTwoBoxesOnSave();
        EXPECT_FALSE(FileExists("state"));
    });
}

TEST_F(SettingsFile, AReadOnlyFileIsNeitherReadNorChanged) {
    const Bytes image = Le32({0, 1, 0, 1, 0, 1, 0});
    WriteBytes("state", image);
    chmod("state", 0444);
    chmod(dir.c_str(), 0755);
    RunWithPermissions([&image] {
        const Settings* s = LoadSettings();
        EXPECT_EQ(fieldsOf(s), kDefaults);
        SaveSettings(s);
        expectTwoBoxesOnSave();
        EXPECT_EQ(ReadBytes("state"), image);
    });
}

// A write that the disk refuses is reported, not passed over.
TEST_F(SettingsFile, AFailedWriteShowsTheSaveBox) {
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 10;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    Settings s{};
    SetDefaultSettings(&s);
    SaveSettings(&s);
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &saved), 0);
    std::signal(SIGXFSZ, oldHandler);
    ASSERT_EQ(recordedBoxes.size(), 1u);
    EXPECT_EQ(recordedBoxes[0].text, "Kan inte skriva fil till h\xe5rddisken");
    EXPECT_EQ(recordedBoxes[0].caption, "Fel!");
}

} // namespace
