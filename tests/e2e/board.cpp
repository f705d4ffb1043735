// Reads the game board off a picture of the screen (or of a printed page), so the end-to-end runs
// judge what a person would see rather than what the program says about itself.
//
//   pentavo-e2e-board PICTURE
//
// prints
//
//   grid LEFT TOP PITCH ROWS     centre of the top-left grid corner, cell pitch, rows fully visible
//   15 rows of 15 characters     '.' empty, 'X' cross, 'O' circle, '?' unclear, '#' hidden
//   five MARK                    'X' or 'O' when that mark has five in a row, '-' otherwise
//
// The board is found by its 16 vertical grid lines, evenly spaced dark vertical runs of one length,
// so neither fonts nor the heights of the bars above it matter. Exit status 2: no board found.

#include <QColor>
#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int Cells = 15;

bool IsDark(QRgb p) {
    return qRed(p) < 110 && qGreen(p) < 110 && qBlue(p) < 110;
}

// The cross's dark red and the circle's dark green, with room for smoothing and scaling.
bool IsRed(QRgb p) {
    return qRed(p) >= 110 && qGreen(p) <= 90 && qBlue(p) <= 90 && qRed(p) - qGreen(p) >= 60;
}
bool IsGreen(QRgb p) {
    return qGreen(p) >= 110 && qRed(p) <= 90 && qBlue(p) <= 90 && qGreen(p) - qRed(p) >= 60;
}

struct Run {
    int length = 0;
    int start = 0;
};

struct GridLine {
    double centre = 0;
    int width = 0;
    int start = 0;
    int end = 0; // one past the last dark pixel
};

// The dark runs of one column at least `shortest` long, top to bottom.
std::vector<Run> DarkRuns(const QImage& image, int x, int shortest) {
    std::vector<Run> runs;
    int start = 0;
    int length = 0;
    for (int y = 0; y <= image.height(); ++y) {
        if (y < image.height() && IsDark(image.pixel(x, y))) {
            if (length++ == 0) {
                start = y;
            }
            continue;
        }
        if (length >= shortest) {
            runs.push_back({length, start});
        }
        length = 0;
    }
    return runs;
}

// Vertical lines: runs in neighbouring columns that start and end together. Every run counts, not
// only a column's longest: the dark screen below a window must not hide the grid above it.
std::vector<GridLine> VerticalLines(const QImage& image) {
    std::vector<GridLine> lines;
    std::vector<std::size_t> open; // lines that reached the previous column
    for (int x = 0; x < image.width(); ++x) {
        std::vector<std::size_t> reached;
        for (const Run& run : DarkRuns(image, x, 60)) {
            const int end = run.start + run.length;
            bool merged = false;
            for (std::size_t i : open) {
                GridLine& line = lines[i];
                if (std::abs(line.start - run.start) <= 2 && std::abs(line.end - end) <= 2) {
                    line.centre = (line.centre * line.width + x) / (line.width + 1);
                    ++line.width;
                    line.start = std::min(line.start, run.start);
                    line.end = std::max(line.end, end);
                    reached.push_back(i);
                    merged = true;
                    break;
                }
            }
            if (!merged) {
                lines.push_back({static_cast<double>(x), 1, run.start, end});
                reached.push_back(lines.size() - 1);
            }
        }
        open = reached;
    }
    std::sort(lines.begin(), lines.end(),
              [](const GridLine& a, const GridLine& b) { return a.centre < b.centre; });
    return lines;
}

// The grid: 16 evenly spaced verticals of one length starting on one row. Other long verticals
// (a window's edge, the root window's pattern) do not share all of that.
bool FindGrid(const QImage& image, std::vector<GridLine>& grid, std::string& why) {
    const std::vector<GridLine> lines = VerticalLines(image);
    for (std::size_t first = 0; first < lines.size(); ++first) {
        grid = {lines[first]};
        for (std::size_t i = first + 1; i < lines.size() && grid.size() < Cells + 1; ++i) {
            if (std::abs(lines[i].start - grid[0].start) <= 2 &&
                std::abs(lines[i].end - grid[0].end) <= 3) {
                grid.push_back(lines[i]);
            }
        }
        if (grid.size() != Cells + 1) {
            continue;
        }
        const double pitch = (grid.back().centre - grid.front().centre) / Cells;
        bool even = pitch >= 8;
        for (int i = 1; i <= Cells && even; ++i) {
            even =
                std::abs(grid[i].centre - grid[i - 1].centre - pitch) <= std::max(2.0, pitch / 10);
        }
        if (even) {
            return true;
        }
    }
    why = std::to_string(lines.size()) + " long vertical lines, no 16 of them evenly spaced";
    return false;
}

char Classify(const QImage& image, double left, double top, double pitch) {
    const double inset = pitch * 0.18;
    const int x0 = static_cast<int>(std::ceil(left + inset));
    const int x1 = static_cast<int>(std::floor(left + pitch - inset));
    const int y0 = static_cast<int>(std::ceil(top + inset));
    const int y1 = static_cast<int>(std::floor(top + pitch - inset));
    int red = 0;
    int green = 0;
    int area = 0;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            const QRgb p = image.pixel(x, y);
            red += IsRed(p);
            green += IsGreen(p);
            ++area;
        }
    }
    const int enough = std::max(4, area * 6 / 100);
    if (red >= enough && green >= enough) {
        return '?';
    }
    if (red >= enough) {
        return 'X';
    }
    if (green >= enough) {
        return 'O';
    }
    // A few coloured pixels that are no mark: a smudge, or a mark half drawn.
    return red + green > area / 50 ? '?' : '.';
}

char FiveInARow(const std::vector<std::string>& rows) {
    const int steps[4][2] = {{1, 0}, {0, 1}, {1, 1}, {1, -1}};
    for (int r = 0; r < Cells; ++r) {
        for (int c = 0; c < Cells; ++c) {
            const char mark = rows[r][c];
            if (mark != 'X' && mark != 'O') {
                continue;
            }
            // cppcheck-suppress constVariable ; `step` is already a reference to a const array
            for (const auto& step : steps) {
                int n = 1;
                while (n < 5) {
                    const int cc = c + step[0] * n;
                    const int rr = r + step[1] * n;
                    if (cc < 0 || cc >= Cells || rr < 0 || rr >= Cells || rows[rr][cc] != mark) {
                        break;
                    }
                    ++n;
                }
                if (n == 5) {
                    return mark;
                }
            }
        }
    }
    return '-';
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        (void)std::fprintf(stderr, "usage: %s PICTURE\n", argv[0]);
        return 1;
    }
    const QImage image =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    if (image.isNull()) {
        (void)std::fprintf(stderr, "%s: cannot read %s\n", argv[0], argv[1]);
        return 1;
    }
    std::vector<GridLine> lines;
    std::string why;
    if (!FindGrid(image, lines, why)) {
        (void)std::fprintf(stderr, "%s: no board in %s: %s\n", argv[0], argv[1], why.c_str());
        return 2;
    }

    const double pitch = (lines.back().centre - lines.front().centre) / Cells;
    double width = 0;
    for (const GridLine& line : lines) {
        width += line.width;
    }
    width /= static_cast<double>(lines.size());
    const double left = lines.front().centre;
    const double top = lines.front().start + (width - 1) / 2;
    const double bottom = lines.front().end - 1 - (width - 1) / 2;
    const int visibleRows =
        std::clamp(static_cast<int>(std::floor((bottom - top) / pitch + 0.05)), 0, Cells);

    std::vector<std::string> rows(Cells, std::string(Cells, '#'));
    for (int r = 0; r < visibleRows; ++r) {
        for (int c = 0; c < Cells; ++c) {
            rows[r][c] = Classify(image, left + c * pitch, top + r * pitch, pitch);
        }
    }

    (void)std::printf("grid %.2f %.2f %.3f %d\n", left, top, pitch, visibleRows);
    for (const std::string& row : rows) {
        (void)std::printf("%s\n", row.c_str());
    }
    (void)std::printf("five %c\n", FiveInARow(rows));
    return 0;
}
