// The screen in words for the page's screen-reader twin.
#pragma once

// Has the page look at the game each time the game waits.
void InstallAccess();
