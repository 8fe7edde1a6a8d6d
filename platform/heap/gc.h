// The collector's allocation call where no build of the collector exists (Windows, the
// browser): the two records it serves live for the whole run, so the system heap does as well.
#pragma once
#include <cstdlib>

#define GC_INIT() ((void)0)
#define GC_MALLOC(bytes) std::calloc(1, (bytes))
