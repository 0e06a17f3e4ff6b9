// A domain folder uses core, settings, itself and the domain folders the check allows it,
// never the program's state.
#pragma once
#include "../state/statistics.h"
#include "logic/core/tables.h"
#include "logic/evaluation/evaluate_slip.h"
#include "logic/settings/options_file.h"
#include "logic/state/program_state.h"
#include "logic/statistics/frequency_classes.h"
#include "logic/tips/class_rows.h"
