#pragma once

#include "core/Board.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <utility>

namespace pentavo {

// The outcome of a save or an open: done, or failed with a message for the person that names
// the file, e.g. `Cannot save "/x/y.pnv": Permission denied.`
class [[nodiscard]] RecordResult {
public:
    static RecordResult Done() { return RecordResult({}); }
    static RecordResult Failed(std::string message) { return RecordResult(std::move(message)); }

    bool Ok() const { return message_.empty(); }
    explicit operator bool() const { return Ok(); }
    // Empty when the operation succeeded.
    const std::string& Message() const { return message_; }

private:
    explicit RecordResult(std::string message) : message_(std::move(message)) {}
    std::string message_;
};

// Stores the 225 entries as one byte each at offsets 0..224. A longer file keeps its bytes from
// offset 225 on; a missing file is created. The new content reaches the file by an atomic
// replacement where the folder allows one, so a failed save leaves the old file as it was.
RecordResult WriteGameRecord(const std::filesystem::path& path, const MoveLog& log);

// Reads offsets 0..224 (missing bytes read as 0, later ones are ignored), creating an empty file
// when the name does not exist, and checks the moves. `log` is assigned only when both succeed,
// so a refused or unreadable record changes nothing.
RecordResult ReadGameRecord(const std::filesystem::path& path, MoveLog& log);

// The record held in `bytes`, of any length, read as the file reader reads a file: offsets
// 0..224, missing bytes as 0, later ones ignored; then checked. Why it is refused, or nothing when
// it was taken; `log` is assigned only when it was taken.
std::optional<std::string> DecodeGameRecord(std::span<const unsigned char> bytes, MoveLog& log);

// Why the moves before the first 0 cannot be replayed (a code that names no cell, or a cell
// named twice), or nothing when they can. Entries after the first 0 are not looked at.
std::optional<std::string> CheckGameRecord(const MoveLog& log);

} // namespace pentavo
