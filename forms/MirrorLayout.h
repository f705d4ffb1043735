#pragma once

class QWidget;

namespace pentavo {

// In a language written from right to left, a window of fixed geometry reads from the right: each
// control keeps its size and its distance from its parent's edge, the right edge instead of the
// left. Controls that a layout places are left to it, as it mirrors them itself. In a language
// written from left to right nothing moves, and a window is mirrored once however often it
// loads.
void MirrorLayout(QWidget& window);

} // namespace pentavo
