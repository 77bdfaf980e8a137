// The queue of a drawing that lets other handlers run inside it: redraws asked for meanwhile
// follow it, and commands wait until it and whatever started it are done.
#include "app/redraw_queue.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>

namespace {

using tavrel::app::RedrawQueue;

// A drawing that handles pending events half way, as the window's does, and runs `during` first.
struct Drawings {
    int count = 0;
    int depth = 0;
    int deepest = 0;
    bool stillWanted = true;
    std::function<void()> during;
    RedrawQueue queue{[this] { draw(); }, [this] { return stillWanted; }, nullptr};

    void draw()
    {
        ++count;
        deepest = std::max(deepest, ++depth);
        if (during) std::exchange(during, {})();
        QCoreApplication::processEvents();
        --depth;
    }
};

TEST(RedrawQueue, ARedrawAskedForDuringADrawingFollowsItWhileStillWanted)
{
    for (const bool stillWanted : {true, false}) {
        Drawings drawings;
        drawings.stillWanted = stillWanted;
        drawings.during = [&] {
            drawings.queue.redraw();
            drawings.queue.redraw();
        };
        drawings.queue.redraw();
        EXPECT_EQ(drawings.count, stillWanted ? 2 : 1) << stillWanted;
        EXPECT_EQ(drawings.deepest, 1) << stillWanted;
    }
}

TEST(RedrawQueue, CommandsWaitForTheDrawingAndWhatStartedIt)
{
    Drawings drawings;
    std::string ran;
    drawings.queue.afterDrawing([&] { ran += "now "; });
    EXPECT_EQ(ran, "now ");

    drawings.during = [&] {
        drawings.queue.afterDrawing([&] { ran += "first "; });
        drawings.queue.afterDrawing([&] { ran += "second "; });
    };
    drawings.queue.redraw();
    EXPECT_EQ(ran, "now ") << "ran before the caller of the drawing returned";
    QCoreApplication::processEvents();
    EXPECT_EQ(ran, "now first second ");
}

TEST(RedrawQueue, ACommandWhoseTurnComesDuringALaterDrawingWaitsForThatOne)
{
    Drawings drawings;
    bool ranWhileDrawing = false;
    int runs = 0;
    drawings.during = [&] {
        drawings.queue.afterDrawing([&] {
            ++runs;
            ranWhileDrawing = drawings.queue.drawing();
        });
    };
    drawings.queue.redraw();
    drawings.queue.redraw();  // its pending events include the command's turn
    EXPECT_EQ(runs, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(ranWhileDrawing);
}

}  // namespace
