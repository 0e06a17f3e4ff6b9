// A folder of logic that the check's order does not place is refused, whatever it includes.
#pragma once
#include "logic/core/records.h"
