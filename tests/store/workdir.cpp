#include "tests/store/workdir.h"
#include "store/topten.h"
#include "tests/support/logic_platform.h"
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <iterator>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

void WorkDirTest::SetUp() {
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    savedCwd = cwd;
    std::string pattern = (fs::temp_directory_path() / "dyxel-store-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir = pattern;
    ASSERT_EQ(chdir(dir.c_str()), 0);
    ClearPlatformRecords();
    topTen = TopTenList{};
}

void WorkDirTest::TearDown() {
    EXPECT_EQ(chdir(savedCwd.c_str()), 0);
    chmod(dir.c_str(), 0700); // a test may have made it read-only
    std::error_code ec;
    fs::remove_all(dir, ec);
    topTen = TopTenList{};
    ClearPlatformRecords();
}

bool FileExists(const char* name) {
    struct stat st;
    return stat(name, &st) == 0;
}

Bytes ReadBytes(const char* name) {
    std::ifstream in(name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const char* name, const Bytes& bytes) {
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.flush()) << name;
}

Bytes Le32(std::initializer_list<int64_t> values) {
    Bytes bytes;
    for (int64_t v : values)
        for (int shift = 0; shift < 32; shift += 8)
            bytes.push_back(static_cast<uint8_t>((static_cast<uint64_t>(v) >> shift) & 0xff));
    return bytes;
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

bool PermissionsEnforced() {
    const std::string probe = (fs::temp_directory_path() / "dyxel-perm-XXXXXX").string();
    std::string path = probe;
    if (mkdtemp(path.data()) == nullptr)
        return false;
    chmod(path.c_str(), 0555);
    const std::string file = path + "/probe";
    std::FILE* f = std::fopen(file.c_str(), "w");
    if (f != nullptr) {
        std::fclose(f);
        std::remove(file.c_str());
    }
    chmod(path.c_str(), 0700);
    rmdir(path.c_str());
    return f == nullptr;
}

void RunWithPermissions(const std::function<void()>& body) {
    if (PermissionsEnforced()) {
        body();
        return;
    }
    std::fflush(nullptr);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const gid_t nobody = 65534;
        if (setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0)
            _exit(3);
        body();
        std::fflush(nullptr);
        _exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status)) << "the unprivileged run ended abnormally";
    ASSERT_NE(WEXITSTATUS(status), 3) << "cannot drop root privileges to test read-only files";
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the unprivileged run failed (see above)";
}
