// Settings use core alone among logic's folders.
#pragma once
#include "logic/core/records.h"
#include "logic/draws/store_draw.h"
#include "logic/settings/colour_scheme.h"
#include "logic/state/program_state.h"
