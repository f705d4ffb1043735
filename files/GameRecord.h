#pragma once

#include "core/Board.h"
#include "core/Outcome.h"

#include <filesystem>
#include <span>

namespace pentavo {

// Save and open are done, or failed with a message that names the file.

// Stores the 225 entries as one byte each at offsets 0..224. A longer file keeps its bytes from
// offset 225 on; a missing file is created. The new content reaches the file by an atomic
// replacement where the folder allows one, so a failed save leaves the old file as it was.
Outcome WriteGameRecord(const std::filesystem::path& path, const MoveLog& log);

// Reads offsets 0..224 (missing bytes read as 0, later ones are ignored) and checks the moves.
// `log` is assigned only when both succeed, so a refused or unreadable record changes nothing. A
// name that does not exist is refused; nothing is created.
Outcome ReadGameRecord(const std::filesystem::path& path, MoveLog& log);

// The record held in `bytes`, of any length, read as the file reader reads a file: offsets
// 0..224, missing bytes as 0, later ones ignored; then checked. Done when it was taken, else
// failed with why it is refused; `log` is assigned only when it was taken.
Outcome DecodeGameRecord(std::span<const unsigned char> bytes, MoveLog& log);

// Done when the moves before the first 0 can be replayed; else failed with the reason (a code that
// names no cell, or a cell named twice). Entries after the first 0 are not looked at.
Outcome CheckGameRecord(const MoveLog& log);

} // namespace pentavo
