#include "store/datafile.h"
#include "tests/store/workdir.h"
#include "tests/support/logic_platform.h"
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using DataFile = WorkDirTest;

const uint8_t CR = 0x0d, LF = 0x0a;

// A read-only stream over the bytes, as a data file would give them.
struct MemoryFile {
    explicit MemoryFile(Bytes b) : bytes(std::move(b)) {
        f = fmemopen(bytes.data(), bytes.size(), "rb");
    }
    ~MemoryFile() {
        if (f != nullptr)
            std::fclose(f);
    }
    Bytes bytes;
    std::FILE* f;
};

Bytes readImage(const Bytes& file, size_t size) {
    MemoryFile m(file);
    EXPECT_NE(m.f, nullptr);
    Bytes image(size, 0xee);
    image.resize(ReadTextImage(m.f, image.data(), size));
    return image;
}

TEST(TextImage, ReadingTurnsCrLfIntoLf) {
    EXPECT_EQ(readImage({'a', CR, LF, 'b'}, 80), (Bytes{'a', LF, 'b'}));
    // A lone CR stays, also at the end; CR CR LF is CR LF; 0x1A is data.
    EXPECT_EQ(readImage({CR, 'x', CR, CR, LF, 0x1a, 'z', CR}, 80),
              (Bytes{CR, 'x', CR, LF, 0x1a, 'z', CR}));
    EXPECT_EQ(readImage({}, 80), Bytes{});
}

TEST(TextImage, ReadingStopsAtTheImageSize) {
    EXPECT_EQ(readImage({1, 2, CR, LF, 5}, 3), (Bytes{1, 2, LF}));
    MemoryFile m({LF, CR, LF, CR, LF, 9});
    uint8_t image[2];
    EXPECT_EQ(ReadTextImage(m.f, image, 2), 2u);
    EXPECT_EQ(std::fgetc(m.f), CR) << "nothing beyond the image is consumed";
}

TEST_F(DataFile, WritingTurnsLfIntoCrLfOverTheStartOfTheFile) {
    WriteBytes("h_score", Bytes(10, 'x'));
    std::FILE* f = std::fopen("h_score", "r+b");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(std::fgetc(f), 'x') << "a stream that was read from is written from its start";
    const uint8_t image[] = {LF, 1, LF};
    EXPECT_TRUE(WriteTextImage(f, image, sizeof image));
    EXPECT_EQ(std::fclose(f), 0);
    EXPECT_EQ(ReadBytes("h_score"), (Bytes{CR, LF, 1, CR, LF, 'x', 'x', 'x', 'x', 'x'}));
}

TEST_F(DataFile, EveryImageSurvivesAWriteAndARead) {
    Bytes all(256);
    for (int i = 0; i < 256; i++)
        all[i] = static_cast<uint8_t>(i);
    Bytes crs(300, CR), lfs(300, LF), mixed;
    for (int i = 0; i < 150; i++)
        mixed.insert(mixed.end(), {CR, LF, LF, CR});
    for (const Bytes& image : {all, crs, lfs, mixed}) {
        std::FILE* f = std::fopen("state", "w+b");
        ASSERT_NE(f, nullptr);
        ASSERT_TRUE(WriteTextImage(f, image.data(), image.size()));
        ASSERT_EQ(std::fseek(f, 0, SEEK_SET), 0);
        Bytes back(image.size() + 1);
        back.resize(ReadTextImage(f, back.data(), back.size()));
        EXPECT_EQ(back, image);
        std::fclose(f);
    }
}

TEST(Le32, LittleEndianTwosComplement) {
    uint8_t b[4];
    PutLe32(b, 1200);
    EXPECT_EQ(Bytes(b, b + 4), (Bytes{0xb0, 0x04, 0x00, 0x00}));
    PutLe32(b, -2);
    EXPECT_EQ(Bytes(b, b + 4), (Bytes{0xfe, 0xff, 0xff, 0xff}));
    for (int32_t v : {0, 1, 266, -1, INT32_MIN, INT32_MAX, 0x0d0a1a00}) {
        PutLe32(b, v);
        EXPECT_EQ(GetLe32(b), v);
    }
}

TEST_F(DataFile, OpeningFindsOrCreatesTheFileInTheWorkingDirectory) {
    EXPECT_EQ(OpenDataFile("state", false), nullptr);
    EXPECT_FALSE(FileExists("state")) << "opening without create makes no file";
    std::FILE* f = OpenDataFile("state", true);
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    EXPECT_TRUE(FileExists("state"));
    EXPECT_TRUE(ReadBytes("state").empty());

    WriteBytes("h_score", {1, 2, 3});
    for (bool create : {false, true}) {
        f = OpenDataFile("h_score", create);
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(std::fgetc(f), 1);
        std::fclose(f);
        EXPECT_EQ(ReadBytes("h_score"), (Bytes{1, 2, 3})) << "an existing file is never emptied";
    }
    EXPECT_TRUE(recordedBoxes.empty());
}

void expectOpenFails(const char* name) {
    EXPECT_EQ(OpenDataFile(name, false), nullptr);
    EXPECT_TRUE(recordedBoxes.empty()) << "a failed open for reading is silent";
    EXPECT_EQ(OpenDataFile(name, true), nullptr);
    ASSERT_EQ(recordedBoxes.size(), 1u);
    EXPECT_EQ(recordedBoxes[0].text, "Kan inte skapa fil till spelet");
    EXPECT_EQ(recordedBoxes[0].caption, "Fel!");
    ClearPlatformRecords();
}

TEST_F(DataFile, OnlyARegularFileInAWorkingDirectoryThatExistsIsADataFile) {
    ASSERT_EQ(mkfifo("state", 0644), 0);
    expectOpenFails("state");
    ASSERT_EQ(mkdir("h_score", 0755), 0);
    expectOpenFails("h_score");
    ASSERT_EQ(mkdir("gone", 0755), 0);
    ASSERT_EQ(chdir("gone"), 0);
    ASSERT_EQ(rmdir((dir + "/gone").c_str()), 0);
    expectOpenFails("state");
}

TEST_F(DataFile, AWorkingDirectoryTooLongToNameHasNoDataFiles) {
    const std::string part(200, 'd');
    int depth = 0;
    for (; depth < 25; depth++) {
        ASSERT_EQ(mkdir(part.c_str(), 0755), 0);
        ASSERT_EQ(chdir(part.c_str()), 0);
    }
    expectOpenFails("h_score");
    EXPECT_FALSE(FileExists("h_score"));
    for (; depth > 0; depth--) {
        ASSERT_EQ(chdir(".."), 0);
        ASSERT_EQ(rmdir(part.c_str()), 0);
    }
}

TEST_F(DataFile, AReadOnlyDirectoryRefusesANewFile) {
    chmod(dir.c_str(), 0555);
    RunWithPermissions([] {
        expectOpenFails("state");
        EXPECT_FALSE(FileExists("state"));
    });
}

} // namespace
