#pragma once

class QWidget;

namespace pentavo {

// Puts the string-table texts into a window's title, captions and tooltips in place of the
// identifiers it was designed with, and gives every control the window's font. A property whose
// identifier does not lead to a string keeps its designed value; nothing is reported.
void ApplyResourceCaptions(QWidget& window);

} // namespace pentavo
