#include "core/hooks.h"

FrontEndHooks frontEnd;
