#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace pentavo {

// The program's texts by identifier; empty for an identifier the table does not hold.
std::optional<std::string_view> LoadResString(std::int16_t id);

} // namespace pentavo
