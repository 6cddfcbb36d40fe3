// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>

#include "core/shortlist.h"

class QPrinter;

namespace quendrel {

// The shortlist as one comparison table on the printer's pages: the heading with the surname,
// the date and the ranking rule; then a row per name with its counts, five numbers and three
// theme rows with their pictures, the remark beneath it; the table's header again on each page.
// Black on white, whatever the desktop's colours.
void PrintShortlist(QPrinter& printer, const Shortlist& list, std::chrono::year_month_day date);

// A4 portrait with margins of 15 mm, as the printout is laid out for.
void PrepareForShortlist(QPrinter& printer);

}  // namespace quendrel
