// Text crossing into the toolkit: the game's Windows-1252 bytes and the toolkit's Unicode.
#pragma once
#include <cstdint>
#include <string>
#include <wx/string.h>

wxString FromWindows1252(const char* text, int32_t length = -1);
std::string ToWindows1252(const wxString& text);
