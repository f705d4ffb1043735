#pragma once

#include "core/BoardGeometry.h"
#include "engine/Game.h"
#include "engine/tests/RecordingView.h"
#include "testkit/Logs.h"

#include <gtest/gtest.h>

#include <string>

namespace pentavo {

// Names a parameterised test after its case's `name`.
struct CaseName {
    template <class Case> std::string operator()(const testing::TestParamInfo<Case>& p) const {
        return p.param.name;
    }
};

// A game on a recording view, with the options the main window starts with.
class GameFixture : public testing::Test {
protected:
    GameFixture() {
        view.probe = [this] { return game.State().Thinking; };
    }

    // Opens a log as the Open command does, then forgets the drawing it caused.
    void Open(const MoveLog& log) {
        game.LoadLog(log);
        game.ReplayLog();
        view.Clear();
    }
    void ClickCell(int col, int row) {
        game.Form_MouseUp(1, 0, static_cast<float>(CellCentreX(col)),
                          static_cast<float>(CellCentreY(row)));
    }
    const GameState& State() const { return game.State(); }

    RecordingView view;
    GameOptions options{true, true, false};
    Game game{view, options};
};

} // namespace pentavo
