#include "engine/tests/RecordingView.h"

#include "core/Board.h"

#include <utility>

namespace pentavo {

ViewCall ViewCall::Cell(int col, int row) {
    return {Kind::DrawCell, static_cast<std::int16_t>(col), static_cast<std::int16_t>(row), 0, {}};
}

ViewCall ViewCall::Mark(int col, int row, int mark) {
    return {Kind::DrawMark,
            static_cast<std::int16_t>(col),
            static_cast<std::int16_t>(row),
            static_cast<std::int16_t>(mark),
            {}};
}

ViewCall ViewCall::Message(std::string text) {
    return {Kind::Message, 0, 0, 0, std::move(text)};
}

ViewCall ViewCall::Beep() {
    return {Kind::Beep, 0, 0, 0, {}};
}

void PrintTo(const ViewCall& call, std::ostream* out) {
    switch (call.kind) {
    case ViewCall::Kind::DrawCell:
        *out << "DrawCell(" << call.col << ", " << call.row << ")";
        break;
    case ViewCall::Kind::DrawMark:
        *out << "DrawMark(" << call.col << ", " << call.row << ", " << call.mark << ")";
        break;
    case ViewCall::Kind::Message:
        *out << "ShowMessage(\"" << call.text << "\")";
        break;
    case ViewCall::Kind::Beep:
        *out << "Beep()";
        break;
    }
}

void RecordingView::DrawCell(std::int16_t col, std::int16_t row) {
    Record(ViewCall::Cell(col, row));
}

void RecordingView::DrawMark(std::int16_t col, std::int16_t row, std::int16_t mark) {
    Record(ViewCall::Mark(col, row, mark));
}

void RecordingView::ShowMessage(std::string_view text) {
    Record(ViewCall::Message(std::string(text)));
}

void RecordingView::Beep() {
    Record(ViewCall::Beep());
}

void RecordingView::Clear() {
    calls.clear();
    probed.clear();
}

void RecordingView::Record(ViewCall call) {
    calls.push_back(std::move(call));
    if (probe)
        probed.push_back(probe());
}

std::vector<ViewCall> FullGridDrawing() {
    std::vector<ViewCall> grid;
    for (int col = 0; col < BoardSize; ++col)
        for (int row = 0; row < BoardSize; ++row)
            grid.push_back(ViewCall::Cell(col, row));
    return grid;
}

} // namespace pentavo
