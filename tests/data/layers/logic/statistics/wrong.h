// The tips use the statistics, so the statistics never use the tips: that would be a circle.
#pragma once
#include "logic/statistics/draw_window.h"
#include "logic/tips/class_rows.h"
