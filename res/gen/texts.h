// The texts are written in UTF-8 with plain line ends and stored as the game keeps all text.
#pragma once
#include <string>

// UTF-8 to Windows-1252, with every line end made CRLF when crlf is set. False, with the
// offending byte offset in *badOffset, for malformed input or a character 1252 cannot hold.
bool ToWindows1252(const std::string& utf8, bool crlf, std::string* out, size_t* badOffset);

// Reads the UTF-8 source, converts it and writes the result; reports failures on stderr.
bool ConvertTextFile(const std::string& source, const std::string& target, bool crlf);
