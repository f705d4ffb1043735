#pragma once

#include "core/Board.h"
#include "core/Cell.h"

#include <algorithm>
#include <optional>

namespace pentavo {

// The keyboard's cell on the board: hidden until a key shows it on the centre cell; it moves one
// cell a step and stops at the edges.
class BoardCursor {
public:
    const std::optional<Cell>& Current() const { return cell_; }

    // The first step only shows the cursor, on the centre cell.
    void Step(int dcol, int drow) {
        if (!cell_) {
            Centre();
            return;
        }
        const Cell next = cell_->Step(dcol, drow);
        cell_ =
            Cell{std::clamp(next.col, 0, BoardSize - 1), std::clamp(next.row, 0, BoardSize - 1)};
    }
    void Centre() { cell_ = Cell{BoardSize / 2, BoardSize / 2}; }
    void MoveTo(int col, int row) { cell_ = Cell{col, row}; }
    void Hide() { cell_.reset(); }

private:
    std::optional<Cell> cell_;
};

} // namespace pentavo
