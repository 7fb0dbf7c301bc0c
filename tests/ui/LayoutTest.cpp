#include "WindowFixture.h"
