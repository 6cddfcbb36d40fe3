// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "ui/main_window_model.h"

namespace quendrel {

// What a screen reader announces for an element, in Japanese, from what the window shows now:
// what each box holds, each number and fortune row with its caption, the trend a rating picture
// stands for, and the name in the strip without its marks. Empty for the elements whose
// own caption says it all.
std::string AccessibleName(const MainWindowModel& window, ElementId id);

// What a screen reader adds after an element's name and its tooltip shows: for a count box whose
// count came from the second table, that it did. Empty for everything else.
std::string AccessibleDescription(const MainWindowModel& window, ElementId id);

// Whether a label is a caption that a screen reader hears in the name of the value it captions,
// so that a review of the window need not read it on its own as well.
bool HeardWithItsValue(ElementId id);

// What a screen reader announces once a command has run, so that a listener learns the results
// without going to look for them. After 画数計算: the five numbers with their captions, and the
// characters the table lacks, whose counts stayed empty. After 鑑定: each theme row with its
// fortune and trend, or none, and the remark.
std::string StrokeCalculationAnnouncement(const MainWindowModel& window);
std::string AppraisalAnnouncement(const MainWindowModel& window);
// After a name is brought from another window and both commands run: the name, then both in one,
// as a reader may drop the second of two announcements that come close together.
std::string CarriedNameAnnouncement(const MainWindowModel& window);

}  // namespace quendrel
