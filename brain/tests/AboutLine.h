#pragma once

#include "core/Version.h"

#include <string>

namespace pentavo {

// What the brain answers to ABOUT.
inline const std::string AboutLine = std::string(R"(name="pentavo", version=")") + VersionText +
                                     R"(", author="Pentavo developers", country="-")";

} // namespace pentavo
