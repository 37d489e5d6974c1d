#pragma once

// The lookup lives on the ground floor, where the file layer's messages need it too.
#include "core/Localized.h"
