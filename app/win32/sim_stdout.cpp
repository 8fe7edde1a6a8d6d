// The simulator's output is the same bytes on every platform: no CR before each LF on Windows.
#include <cstdio>
#include <fcntl.h>
#include <io.h>

namespace {
const int binaryStdout = _setmode(_fileno(stdout), _O_BINARY);
} // namespace
