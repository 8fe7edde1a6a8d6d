#include "tests/ui/ui_test.h"
