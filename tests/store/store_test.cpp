// The two data files: their images in text mode, the options and the list as the game reads
// and writes them, and the files that are not the game's to touch (links, read-only files).
#include "platform/msgbox.h"
#include "store/datafile.h"
#include "store/settings.h"
#include "store/topten.h"
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gc.h>
#include <gtest/gtest.h>
#include <random>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> boxes;

std::string bytes(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}
void write(const fs::path& p, const std::string& data) {
    std::ofstream(p, std::ios::binary) << data;
}
std::string le(std::initializer_list<int32_t> words) {
    std::string s;
    for (int32_t w : words)
        for (int i = 0; i < 4; i++)
            s += static_cast<char>(static_cast<uint32_t>(w) >> (8 * i));
    return s;
}

class Store : public testing::Test {
  protected:
    void SetUp() override {
        char name[] = "/tmp/dyxel-store-XXXXXX";
        dir = mkdtemp(name);
        fs::create_directory(dir / "work");
        fs::current_path(dir / "work");
        boxes.clear();
        topTen = TopTenList{};
        extraSettings = ExtraSettings{};
    }
    void TearDown() override {
        fs::permissions(dir / "work", fs::perms::owner_all);
        fs::current_path("/");
        fs::remove_all(dir);
    }
    fs::path dir;
};

} // namespace

int ShowMessageBox(const char* text, const char* caption, int, int, bool) {
    boxes.push_back(std::string(caption) + " " + text);
    return MBOX_ANSWER_OK;
}

TEST(TextMode, LineFeedsTakeACarriageReturnOnDisk) {
    const struct {
        std::string raw, image;
    } cases[] = {{"a\r\nb", "a\nb"}, {"\r\r\n", "\r\n"}, {"x\r", "x\r"}, {"\n\r", "\n\r"}};
    for (const auto& c : cases) {
        uint8_t image[8];
        const size_t n = DecodeText(reinterpret_cast<const uint8_t*>(c.raw.data()), c.raw.size(),
                                    image, sizeof image);
        EXPECT_EQ(std::string(reinterpret_cast<char*>(image), n), c.image) << c.raw;
    }
    uint8_t raw[8];
    const size_t n = EncodeText(reinterpret_cast<const uint8_t*>("\n\r\n"), 3, raw);
    EXPECT_EQ(std::string(reinterpret_cast<char*>(raw), n), "\r\n\r\r\n");
}

TEST_F(Store, OptionsFromFilesOfEveryLength) {
    const struct {
        std::string file;
        Settings expected;
        int32_t expert;
        std::string written; // "state" after the save
    } cases[] = {
        {"", {0, 0, 0, 0, 0, 0, 0}, 0, std::string(28, '\0')},
        {le({1, 1}), {1, 1, 0, 0, 0, 0, 0}, 0, le({1, 1, 0, 0, 0, 0, 0})},
        // An LF in the record takes a CR on disk; the old bytes past the new ones stay, and
        // a tail not ours turns nothing on.
        {le({0, 1, 0, 1, 7, 10, 0, 0, 99}),
         {0, 1, 0, 1, 7, 10, 0},
         0,
         le({0, 1, 0, 1, 7}) + "\r\n" + std::string(10, '\0') + le({99})},
        // The earlier release's "&Expert" word becomes our tagged record.
        {le({1, 0, 1, 1, 1, 1200, 0, 1}),
         {1, 0, 1, 1, 1, 1200, 0},
         1,
         le({1, 0, 1, 1, 1, 1200, 0}) + "DYX+" + le({1, 8, 1, 0})},
    };
    for (const auto& c : cases) {
        write("state", c.file);
        const Settings s = *LoadSettings();
        EXPECT_EQ(std::memcmp(&s, &c.expected, sizeof s), 0) << c.file.size();
        EXPECT_EQ(extraSettings.expertRobots, c.expert);
        SaveSettings(&s);
        EXPECT_EQ(bytes("state"), c.written) << c.file.size();
    }
    fs::remove("state");
    const Settings s = *LoadSettings();
    EXPECT_EQ(s.longThrows * 10 + s.altDice, 12001) << "the defaults of a missing file";
    extraSettings.championRobots = 1;
    SaveSettings(&s);
    EXPECT_EQ(bytes("state"), le({1, 0, 1, 1, 1, 1200, 0}) + "DYX+" + le({1, 8, 0, 1}));
    EXPECT_TRUE(boxes.empty());
}

// The game holds the options record through a pointer on its stack and in its globals: the
// collector, told where the main thread's stack begins, must keep it through full collections
// while records of its size come and go.
TEST_F(Store, TheOptionsRecordOutlivesCollections) {
    Settings* volatile held = LoadSettings();
    const Settings expected = *held;
    for (int round = 0; round < 20; round++) {
        for (int i = 0; i < 500; i++)
            std::memset(GC_MALLOC(sizeof(Settings)), 0x5a, sizeof(Settings));
        GC_gcollect();
    }
    EXPECT_EQ(std::memcmp(held, &expected, sizeof expected), 0);
}

TEST_F(Store, OnlyOurOwnRecordAfterTheOptionsTurnsAnAdditionOn) {
    const std::string record = le({1, 0, 1, 1, 1, 1200, 0});
    std::mt19937 random(1700000000);
    for (size_t length = 1; length <= 64; length++) {
        std::string tail;
        while (tail.size() < length)
            tail += static_cast<char>(random());
        // Half of the tails begin with our tag, as a truncated record would.
        if (length % 2 == 0)
            tail.replace(0, std::min<size_t>(4, length),
                         std::string("DYX+", std::min<size_t>(4, length)));
        write("state", record + tail);
        const Settings s = *LoadSettings();
        EXPECT_EQ(extraSettings.expertRobots | extraSettings.championRobots, 0) << length;
        SaveSettings(&s);
        EXPECT_EQ(bytes("state"), record + tail) << "the foreign tail is kept, " << length;
    }
    // A later version's record: we read the fields we know, and count only ours when we save.
    const std::string later = "DYX+" + le({2, 16, 1, 0, 7, 9});
    write("state", record + later + "xyz");
    const Settings s = *LoadSettings();
    EXPECT_EQ(extraSettings.expertRobots, 1);
    extraSettings = ExtraSettings{0, 1};
    SaveSettings(&s);
    EXPECT_EQ(bytes("state"), record + "DYX+" + le({1, 8, 0, 1, 7, 9}) + "xyz");
    // Turning an option on over a foreign tail writes our record over its start.
    write("state", record + "tail kept!!!");
    LoadSettings();
    extraSettings.expertRobots = 1;
    SaveSettings(&s);
    EXPECT_EQ(bytes("state"), record + "DYX+" + le({1, 8, 1, 0}));
}

TEST_F(Store, TheListKeepsTheTenBestInOrderOfMerit) {
    const char ab[4] = "AB", cd[4] = "CD", ef[4] = "EF", gh[4] = "GH";
    for (int32_t score : {200, 200, 180, 266, 0, 210})
        AddTopTenResult(score == 266 ? ab : cd, score);
    EXPECT_EQ(topTen.entries[0].score * 1000 + topTen.entries[1].score, 266210);
    EXPECT_EQ(topTen.entries[4].score * 1000 + topTen.entries[5].score, 180000);
    // 266 is 0x10a: its LF byte takes a CR on disk, and reads back.
    EXPECT_EQ(bytes("h_score").size(), 81u);
    EXPECT_EQ(bytes("h_score").substr(4, 5), std::string("\r\n\1\0\0", 5));
    topTen = TopTenList{};
    LoadTopTen();
    EXPECT_EQ(std::string(topTen.entries[0].name), "AB");
    EXPECT_EQ(topTen.entries[0].score, 266);
    for (int i = 0; i < 10; i++)
        AddTopTenResult(ef, 300 - i);
    AddTopTenResult(gh, 295); // below the 295 already there, the older result
    EXPECT_EQ(std::string(topTen.entries[6].name) + std::to_string(topTen.entries[6].score),
              "GH295");
    EXPECT_EQ(topTen.entries[9].score, 292);
    ClearTopTen();
    EXPECT_EQ(bytes("h_score").substr(0, 8), std::string("\0F\0\0\0\0\0\0", 8));
}

TEST_F(Store, FilesThatAreNotTheGamesAreNeverReadNorWritten) {
    const fs::path outside = dir / "outside";
    const std::string secret =
        "someone else's file, eighty bytes or more of it" + std::string(40, '!');
    const struct {
        const char* what;
        std::function<void()> make;
    } cases[] = {
        {"symbolic link", [&] { write(outside, secret), fs::create_symlink(outside, "h_score"); }},
        {"dangling link", [&] { fs::create_symlink(outside, "h_score"); }},
        {"hard link", [&] { write(outside, secret), fs::create_hard_link(outside, "h_score"); }},
        {"directory", [&] { fs::create_directory("h_score"); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        fs::remove(outside);
        fs::remove_all("h_score");
        c.make();
        topTen = TopTenList{};
        topTen.entries[0].score = 5;
        LoadTopTen();
        EXPECT_EQ(topTen.entries[0].score, 5) << "the list in memory stays";
        boxes.clear();
        AddTopTenResult("AB\0", 100);
        EXPECT_EQ(boxes, (std::vector<std::string>{"Fel! Kan inte skapa fil till spelet",
                                                   "Fel! Kan inte skriva tio i top lista"}));
        EXPECT_EQ(fs::exists(outside) ? bytes(outside) : "", c.what[0] == 'd' ? "" : secret);
        if (c.what[0] == 'h') {
            EXPECT_EQ(bytes("h_score"), secret);
        }
    }
    EXPECT_FALSE(fs::exists(dir / "outside.tmp") || fs::exists("h_score.tmp"));
}

TEST_F(Store, ATemporaryFileLeftByACrashIsReplacedNotFollowed) {
    const fs::path outside = dir / "outside";
    write(outside, "keep");
    fs::create_symlink(outside, "h_score.tmp");
    write("h_score", std::string(80, '\0') + "tail");
    AddTopTenResult("AB\0", 150);
    EXPECT_EQ(bytes(outside), "keep");
    EXPECT_FALSE(fs::exists("h_score.tmp"));
    EXPECT_EQ(bytes("h_score").substr(80), "tail") << "a longer file keeps its further bytes";
    EXPECT_EQ(fs::status("h_score").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                  fs::perms::others_read);
}

// Read-only files and directories, as a player meets them (root may write anywhere, so the
// checks then run as nobody).
TEST_F(Store, ReadOnlyFilesAndDirectories) {
    write("h_score", std::string(80, '\0'));
    write("state", le({0, 0, 0, 0, 0, 0, 0}));
    chmod("state", 0444);
    chmod(".", 0555);
    if (geteuid() == 0) {
        ASSERT_EQ(chown(".", 65534, 65534) + chown("h_score", 65534, 65534), 0);
    }
    const auto asPlayer = [&] {
        if (geteuid() == 0 && setuid(65534) != 0)
            _exit(2);
        AddTopTenResult("AB\0", 150); // the file itself is still the game's: in place
        const bool listWritten = bytes("h_score").substr(0, 6) == std::string("AB\0\0\x96\0", 6);
        const Settings s = *LoadSettings(); // a read-only file is never read
        SaveSettings(&s);
        const bool boxed =
            boxes == std::vector<std::string>{"Fel! Kan inte skapa fil till spelet",
                                              "Fel! Kan inte skriva fil till h\xe5rddisken"};
        _exit(listWritten && s.longThrows == 1200 && boxed &&
                      bytes("state") == le({0, 0, 0, 0, 0, 0, 0})
                  ? 0
                  : 1);
    };
    EXPECT_EXIT(asPlayer(), testing::ExitedWithCode(0), "");
}
