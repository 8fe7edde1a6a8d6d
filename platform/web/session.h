// The browser's end of a session: the page is hidden or closed without the game's shutdown.
#pragma once

// Saves what the shutdown would save; called when the page goes away and the front end has
// installed no platformEvents.sessionEnding of its own. Set by the app.
extern void (*sessionEndingFallback)();
