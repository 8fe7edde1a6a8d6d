#include "store/topten.h"
#include "tests/store/workdir.h"
#include "tests/support/logic_platform.h"
#include <cstring>
#include <random>
#include <sys/stat.h>

namespace {

using TopTenFile = WorkDirTest;

using Row = std::pair<std::string, int32_t>;
using Rows = std::vector<Row>;

// The list as (name, score) with names cut at their terminator, for readable comparisons.
Rows listed() {
    Rows rows;
    for (const TopTenEntry& e : topTen.entries)
        rows.emplace_back(std::string(e.name, strnlen(e.name, 4)), e.score);
    return rows;
}

void setEntry(int i, const std::string& name, int32_t score) {
    char bytes[4] = {};
    std::memcpy(bytes, name.data(), std::min<size_t>(name.size(), 4));
    std::memcpy(topTen.entries[i].name, bytes, 4);
    topTen.entries[i].score = score;
}

// The 80-byte image of entries given as 4 name bytes and a score.
Bytes imageOf(std::initializer_list<std::pair<const char*, int32_t>> entries) {
    Bytes image;
    for (const auto& [name, score] : entries)
        image = Concat({image, Bytes(name, name + 4), Le32({score})});
    image.resize(80, 0);
    return image;
}

TEST_F(TopTenFile, ResultsEnterInOrderOfMeritAndTiesStayBelow) {
    AddTopTenResult("AB\0", 180);
    AddTopTenResult("CD\0", 210);
    EXPECT_EQ(ReadBytes("h_score"), imageOf({{"CD\0", 210}, {"AB\0", 180}}));
    AddTopTenResult("EF\0", 180);
    AddTopTenResult("GH\0", 210);
    AddTopTenResult("IJ\0", 0);
    topTen = TopTenList{};
    LoadTopTen();
    // A total of 0 never enters.
    const Rows rows = listed();
    EXPECT_EQ(Rows(rows.begin(), rows.begin() + 5),
              (Rows{{"CD", 210}, {"GH", 210}, {"AB", 180}, {"EF", 180}, {"", 0}}));
    EXPECT_TRUE(recordedBoxes.empty());
}

TEST_F(TopTenFile, ANewResultPushesTheTenthOut) {
    for (int i = 0; i < 10; i++)
        setEntry(i, std::string("P") + char('0' + i), 1000 - 100 * i);
    SaveTopTen();
    AddTopTenResult("NEW", 650); // above the fifth (600), not above the fourth (700)
    const auto rows = listed();
    EXPECT_EQ(rows[3], (Row{"P3", 700}));
    EXPECT_EQ(rows[4], (Row{"NEW", 650}));
    for (int i = 5; i < 10; i++)
        EXPECT_EQ(rows[i], (Row{"P" + std::to_string(i - 1), 1000 - 100 * (i - 1)}));
    topTen = TopTenList{};
    LoadTopTen();
    EXPECT_EQ(listed(), rows) << "the file holds what the list shows";
}

TEST_F(TopTenFile, ZeroOrATieWithAFullListStaysOut) {
    EXPECT_EQ(TopTenPosition(0), 10);
    AddTopTenResult("AB\0", 0);
    EXPECT_EQ(ReadBytes("h_score"), Bytes(80, 0)) << "the list is written all the same";
    EXPECT_EQ(TopTenPosition(1), 0);
    for (int i = 0; i < 10; i++)
        setEntry(i, "ZZ", 200);
    SaveTopTen();
    const Bytes before = ReadBytes("h_score");
    EXPECT_EQ(TopTenPosition(200), 10);
    EXPECT_EQ(TopTenPosition(201), 0);
    AddTopTenResult("NO\0", 200);
    AddTopTenResult("NO\0", 0);
    EXPECT_EQ(ReadBytes("h_score"), before);
}

TEST_F(TopTenFile, LineFeedAndEndOfFileBytesInAScoreRoundTrip) {
    AddTopTenResult("ABC", 266); // 0A 01 00 00
    EXPECT_EQ(ReadBytes("h_score"),
              Concat({Bytes{'A', 'B', 'C', 0, 0x0d, 0x0a, 0x01, 0, 0}, Bytes(72, 0)}));
    AddTopTenResult("AB\0", 282); // 1A 01 00 00
    AddTopTenResult("CD\0", 26);
    topTen = TopTenList{};
    LoadTopTen();
    const Rows rows = listed();
    EXPECT_EQ(Rows(rows.begin(), rows.begin() + 4),
              (Rows{{"AB", 282}, {"ABC", 266}, {"CD", 26}, {"", 0}}));
}

TEST_F(TopTenFile, ClearingWritesEmptyEntriesAndKeepsTheOtherNameBytes) {
    WriteBytes("h_score", imageOf({{"OLD", 500}}));
    for (int i = 0; i < 10; i++)
        setEntry(i, "WXY", 90 - i);
    ClearTopTen();
    Bytes expected;
    for (int i = 0; i < 10; i++)
        expected = Concat({expected, Bytes{0, 'X', 'Y', 0}, Le32({0})});
    EXPECT_EQ(ReadBytes("h_score"), expected) << "not read first: the memory's names are kept";
    topTen = TopTenList{};
    LoadTopTen();
    for (const TopTenEntry& e : topTen.entries) {
        EXPECT_EQ(e.score, 0);
        EXPECT_EQ(e.name[0], 0);
    }
}

TEST_F(TopTenFile, EveryLoadSeesTheFileAsItIsNow) {
    AddTopTenResult("AB\0", 100);
    WriteBytes("h_score", imageOf({{"XY\0", 300}, {"AB\0", 100}}));
    LoadTopTen();
    EXPECT_EQ(listed()[0], (Row{"XY", 300}));
    AddTopTenResult("MN\0", 200);
    EXPECT_EQ(ReadBytes("h_score"), imageOf({{"XY\0", 300}, {"MN\0", 200}, {"AB\0", 100}}));
}

TEST_F(TopTenFile, AShortFileKeepsTheRestOfTheList) {
    for (int i = 0; i < 10; i++)
        setEntry(i, "MEM", 100 - i);
    WriteBytes("h_score", Concat({Bytes{'F', 0, 0, 0}, Le32({500}), Bytes{'G', 'H', 0, 0}}));
    LoadTopTen();
    const auto rows = listed();
    EXPECT_EQ(rows[0], (Row{"F", 500}));
    EXPECT_EQ(rows[1], (Row{"GH", 99}));
    for (int i = 2; i < 10; i++)
        EXPECT_EQ(rows[i], (Row{"MEM", 100 - i}));
}

TEST_F(TopTenFile, FilesOfAnySizeLoad) {
    Bytes pairs;
    for (int i = 0; i < 5120; i++)
        pairs.insert(pairs.end(), {0x0d, 0x0a});
    WriteBytes("h_score", pairs);
    LoadTopTen();
    for (const TopTenEntry& e : topTen.entries) {
        EXPECT_EQ(std::memcmp(e.name, "\n\n\n\n", 4), 0);
        EXPECT_EQ(e.score, 0x0a0a0a0a);
    }
    // Random bytes without CR: the first 80 are the list, the rest is ignored.
    std::mt19937 random(2024);
    Bytes noise(10240);
    for (uint8_t& b : noise)
        do
            b = static_cast<uint8_t>(random());
        while (b == 0x0d);
    WriteBytes("h_score", noise);
    LoadTopTen();
    EXPECT_EQ(std::memcmp(&topTen, noise.data(), 80), 0);
    AddTopTenResult("AB\0", 1);
    const Bytes after = ReadBytes("h_score");
    ASSERT_EQ(after.size(), noise.size());
    EXPECT_TRUE(std::equal(noise.begin() + 100, noise.end(), after.begin() + 100))
        << "the bytes past the list are kept";
}

TEST_F(TopTenFile, AReadOnlyFileIsNeverReadAndEveryWriteComplains) {
    const Bytes image = imageOf({{"RO\0", 999}});
    WriteBytes("h_score", image);
    chmod("h_score", 0444);
    chmod(dir.c_str(), 0755);
    RunWithPermissions([&image] {
        setEntry(0, "MEM", 50);
        LoadTopTen();
        EXPECT_EQ(topTen.entries[0].score, 50) << "the list in memory stays";
        EXPECT_TRUE(recordedBoxes.empty());
        AddTopTenResult("NEW", 70);
        ClearTopTen();
        ASSERT_EQ(recordedBoxes.size(), 4u);
        for (size_t i = 0; i < 4; i += 2) {
            EXPECT_EQ(recordedBoxes[i].text, "Kan inte skapa fil till spelet");
            EXPECT_EQ(recordedBoxes[i + 1].text, "Kan inte skriva tio i top lista");
            EXPECT_EQ(recordedBoxes[i + 1].caption, "Fel!");
        }
        EXPECT_EQ(ReadBytes("h_score"), image);
    });
}

TEST_F(TopTenFile, AListThatCannotBeWrittenStaysInMemory) {
    ASSERT_EQ(mkdir("h_score", 0755), 0);
    AddTopTenResult("AB\0", 120);
    ASSERT_EQ(recordedBoxes.size(), 2u);
    EXPECT_EQ(recordedBoxes[1].text, "Kan inte skriva tio i top lista");
    EXPECT_EQ(topTen.entries[0].score, 120);
    LoadTopTen();
    EXPECT_EQ(topTen.entries[0].score, 120);
}

} // namespace
