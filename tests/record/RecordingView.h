#pragma once
// A GameView that keeps what a window would show, and the order of requests,
// so tests can compare the screen with the game.

#include "record/GameView.h"
#include "situation/Ports.h"
#include "support/RecordingMessages.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace tumbla::test {

class RecordingView : public GameView {
  public:
    Board shown{}; // the stones as drawn
    std::vector<std::string> events;
    std::vector<std::pair<int, int>> cellOrder; // cells of the last redraw, in order
    int gravity = 0;
    std::string total, removed, points;
    int moveCounter = -1;
    NavigationState navigation;
    bool locked = false;
    int lockGravity = -1;
    bool markShown = false;
    Move mark;
    MarksState marks;
    std::string hintCounter; // empty while hidden
    int glassSounds = 0;
    int gameOvers = 0;
    int movesMade = 0; // moves a click made or redid
    std::array<int, 9> stoneCounts{};
    FieldLayout layout;

    void showSettingsInForce(const GameSettings&) override { events.push_back("settings"); }
    void showNewField(const FieldLayout& l, const Board& board) override {
        layout = l;
        shown = board;
        events.push_back("field");
    }
    void showSituation(std::int32_t number, std::string_view code) override {
        events.push_back("situation " + std::string(code) + " " + std::to_string(number));
    }
    void showCell(int row, int col, StoneCode code) override {
        if (events.empty() || events.back() != "cells") {
            events.push_back("cells");
            cellOrder.clear();
        }
        shown.at(row, col) = code;
        cellOrder.emplace_back(row, col);
    }
    void showMoveMade(const MoveRecord&, const MoveRecord&) override { ++movesMade; }
    void showGravity(int from, int to) override {
        EXPECT_EQ(from, gravity) << "the indicator moves from where it stands";
        gravity = to;
        events.push_back("gravity");
    }
    void showScoreFields(const ScoreFields& f) override {
        total = f.total;
        removed = f.removed;
        points = f.points;
        events.push_back("score");
    }
    void showStoneCounts(const std::array<int, 9>& counts) override { stoneCounts = counts; }
    void showMoveCounter(int moves) override {
        moveCounter = moves;
        events.push_back("counter");
    }
    void showNavigation(const NavigationState& s) override {
        navigation = s;
        events.push_back("navigation");
    }
    void showLock(bool on, int g) override {
        locked = on;
        lockGravity = g;
        events.push_back("lock");
    }
    void showMoveMark(Move m) override {
        markShown = true;
        mark = m;
        events.push_back("mark");
    }
    void hideMoveMark(Move m) override {
        EXPECT_TRUE(markShown);
        EXPECT_EQ(m, mark);
        markShown = false;
        events.push_back("unmark");
    }
    void showMarks(const MarksState& s) override { marks = s; }
    void showHintCounter(std::string_view text) override { hintCounter = text; }
    void hideHintCounter() override { hintCounter.clear(); }
    void playGlassSound() override { ++glassSounds; }
    void showGameOver() override {
        ++gameOvers;
        events.push_back("over");
    }
};

} // namespace tumbla::test
