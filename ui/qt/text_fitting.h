// SPDX-License-Identifier: MIT
#pragma once

class QLabel;

namespace quendrel {

// The labels were sized for ＭＳ Ｐゴシック, whose lines lie one em apart; a stand-in font that
// sets its lines farther apart may push the last line out of a label. Such a label keeps its
// place and size and gets the largest whole pixel size of its font at which its text, wrapped as
// the label wraps it, fits whole.
void FitTextToLabel(QLabel& label);

}  // namespace quendrel
