// The program's state sits above every other folder of logic and may use them all.
#pragma once
#include "logic/core/records.h"
#include "logic/settings/options_file.h"
#include "logic/statistics/frequency_statistics.h"
#include "logic/update/program_update.h"
