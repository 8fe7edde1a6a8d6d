// After each game: the review of its human decisions and each name's statistics, recorded at the
// game's end and shown by their commands in a box of their own.
#pragma once

// A game starts: the last one's review goes, and its command is greyed until this one ends.
void StartReviewedGame();
// The game's end: the top-ten list as always, then the review closed and the statistics added.
void RecordFinishedGame();
void ShowReviewBox();
void ShowStatisticsBox();
