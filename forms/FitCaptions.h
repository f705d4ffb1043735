#pragma once

class QWidget;

namespace pentavo {

// Widens a window of fixed geometry, every control in proportion, just enough that each caption
// fits its control: a button's, check box's or one-line label's text on one line, a word-wrapped
// label's within its height. A window whose captions already fit keeps every size as designed.
void FitCaptions(QWidget& window);

} // namespace pentavo
