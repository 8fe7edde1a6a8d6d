#include "core/settings.h"

Settings* settings;
ExtraSettings extraSettings;
