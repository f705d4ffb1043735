#pragma once

// The mark the translators' tool (lupdate) reads: an English text in its context. The plain C++
// layers keep the text as it is; the windows translate it in that context when they show it.
// Spelled as Qt spells it, so that either definition may come first.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
