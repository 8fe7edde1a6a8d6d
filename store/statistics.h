// Each player name's record over every game finished at this computer, kept in the text file
// "statistik" beside "state" and "h_score" (docs/statistics-file.md). The game itself never
// reads it: it is written once at each game's end and read only to be shown.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct StatisticsEntry {
    char name[4]; // as the sheet has it, Windows-1252, NUL-terminated
    int32_t games;
    int64_t totalSum;
    int32_t best;
    int32_t bonusGames; // games that won the upper bonus
    int32_t dyxelGames; // games with "Dyxel" scored, not scratched
    int32_t humanGames; // games the name played as a human, whose decisions were weighed
    int64_t decisions;
    int64_t lossMilli; // the decisions' summed loss against the optimal strategy, in 1/1000
};

// The file's text and back. Reading is strict: false for anything but a whole file of this
// format's version, so a foreign or damaged file is never half taken.
bool ParseStatistics(const char* text, size_t length, std::vector<StatisticsEntry>& out);
std::string FormatStatisticsFile(const std::vector<StatisticsEntry>& entries);
// Adds one game's results (one per player, `games` 1) into the entries, by name.
void MergeStatistics(std::vector<StatisticsEntry>& entries, const StatisticsEntry& result);

// Reads the file; false when it is missing, refused or not ours (the list is then empty).
bool LoadStatistics(std::vector<StatisticsEntry>& out);
// Reads, adds and writes under the data files' lock, so another instance's game is never lost.
// A file that is not ours is kept as "statistik.bak" and a new one started. False, quietly,
// when it could not be written: the game's own files and boxes are not its business.
bool AddGameToStatistics(const StatisticsEntry* results, int32_t count);
