// Store tests run each in a fresh private working directory, since the data files live there.
#pragma once
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

class WorkDirTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;
    std::string dir;

  private:
    std::string savedCwd;
};

bool FileExists(const char* name);
// The file's bytes; empty when it is missing.
Bytes ReadBytes(const char* name);
void WriteBytes(const char* name, const Bytes& bytes);
// The values as consecutive little-endian 32-bit integers.
Bytes Le32(std::initializer_list<int64_t> values);
Bytes Concat(std::initializer_list<Bytes> parts);

// Whether this process is refused writes that file permissions forbid (not so for root).
bool PermissionsEnforced();
// Runs body where file permissions hold: here, or, when the tests run as root, in a child that
// has dropped to an unprivileged user. The child's failures are reported as this test's.
void RunWithPermissions(const std::function<void()>& body);
