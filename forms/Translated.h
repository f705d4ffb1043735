#pragma once

#include "core/Sentence.h"

#include <QString>

namespace pentavo {

// The sentence in the person's language: each of its patterns translated in the context "Outcome",
// English where no translation is installed.
QString Translated(const Sentence& sentence);

} // namespace pentavo
