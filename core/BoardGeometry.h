#pragma once

namespace pentavo {

// Where the board lies in twips of the main window's client area: cell (col, row) is the square
// of side CellPitch whose top-left corner is (CellLeft(col), CellTop(row)).
inline constexpr double CellPitch = 400;
inline constexpr double BoardLeft = 200;
inline constexpr double BoardTop = 600;

constexpr double CellLeft(int col) {
    return col * CellPitch + BoardLeft;
}
constexpr double CellTop(int row) {
    return row * CellPitch + BoardTop;
}
constexpr double CellCentreX(int col) {
    return CellLeft(col) + CellPitch / 2;
}
constexpr double CellCentreY(int row) {
    return CellTop(row) + CellPitch / 2;
}

} // namespace pentavo
