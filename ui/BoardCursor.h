#pragma once

#include "core/Board.h"

#include <algorithm>
#include <optional>

namespace pentavo {

// The keyboard's cell on the board: hidden until a key shows it on the centre cell; it moves one
// cell a step and stops at the edges.
class BoardCursor {
public:
    struct Cell {
        int col;
        int row;
        bool operator==(const Cell&) const = default;
    };

    const std::optional<Cell>& Current() const { return cell_; }

    // The first step only shows the cursor, on the centre cell.
    void Step(int dcol, int drow) {
        if (!cell_) {
            Centre();
            return;
        }
        cell_->col = std::clamp(cell_->col + dcol, 0, BoardSize - 1);
        cell_->row = std::clamp(cell_->row + drow, 0, BoardSize - 1);
    }
    void Centre() { cell_ = Cell{BoardSize / 2, BoardSize / 2}; }
    void Hide() { cell_.reset(); }

private:
    std::optional<Cell> cell_;
};

} // namespace pentavo
