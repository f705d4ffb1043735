#pragma once

#include "engine/GameView.h"

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace pentavo {

// One call the game made on its view.
struct ViewCall {
    enum class Kind { DrawCell, DrawMark, Message, Beep };
    Kind kind = Kind::DrawCell;
    std::int16_t col = 0;
    std::int16_t row = 0;
    std::int16_t mark = 0;
    std::string text;

    static ViewCall Cell(int col, int row);
    static ViewCall Mark(int col, int row, int mark);
    static ViewCall Message(std::string text);
    static ViewCall Beep();
    bool operator==(const ViewCall&) const = default;
};

void PrintTo(const ViewCall& call, std::ostream* out);

// A view that draws nothing and remembers every call in order. When probe is set, it is asked at
// every call for something worth remembering alongside (e.g. the Thinking flag at that moment).
class RecordingView : public GameView {
public:
    void DrawCell(std::int16_t col, std::int16_t row) override;
    void DrawMark(std::int16_t col, std::int16_t row, std::int16_t mark) override;
    void ShowMessage(std::string_view text) override;
    void Beep() override;

    void Clear();

    std::vector<ViewCall> calls;
    std::function<bool()> probe;
    std::vector<bool> probed; // one per call while probe is set

private:
    void Record(ViewCall call);
};

// The 225 DrawCell calls of a full redraw: columns outer, rows inner.
std::vector<ViewCall> FullGridDrawing();

} // namespace pentavo
