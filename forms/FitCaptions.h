#pragma once

class QWidget;

namespace pentavo {

// Widens a window of fixed geometry, every control in proportion, just enough that each caption
// fits its control: a button's, check box's or one-line label's text on one line, a word-wrapped
// label's within its height. Where a font's glyphs are taller than designed (as Chinese and
// Japanese ones are), an option button or check box grows around its caption, and a word-wrapped
// label longer, the window with it. A window whose captions
// already fit keeps every size as designed.
void FitCaptions(QWidget& window);

// An option button, check box or one-line label lower than its caption's glyphs (Chinese,
// Japanese and Arabic ones reach further than Latin) grows around its middle, where the caption
// stands; FitCaptions does this too.
void HeightenToGlyphs(QWidget& window);

} // namespace pentavo
