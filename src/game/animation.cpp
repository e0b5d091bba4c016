#include "game/engine.h"
#include "game/randomvalue.h"

#include <utility>

namespace rollwell {

namespace {
constexpr int kDown = 1, kUp = 2, kFree = 3, kAnnounce = 4;
constexpr int kLastRow = kRowCount - 1;
constexpr int kYambCellCount = kRowCount * kColumnCount; // 52
constexpr int kFourColumnPatterns = 9;
constexpr int kOneColumnPatterns = 4;

// Int(n × r + 1): a pattern 1..n.
int32_t pickPattern(double r, int32_t n) {
    return intWithin(n * r + 1, 1, n);
}
} // namespace

void Engine::StartNewGameAnimation() {
    for (int c = 1; c <= kColumnCount; ++c) {
        for (int r = 0; r < kRowCount; ++r)
            board_.lbl(c, r).text.clear();
    }
    clearHints();

    platform_.Reseed();
    anim_.AnimationPattern = yamb() ? pickPattern(platform_.Random(), kFourColumnPatterns)
                                    : pickPattern(platform_.Random(), kOneColumnPatterns);
    anim_.AnimationStep = 0;
    anim_.AnimationPhase = 0;
    if (anim_.AnimationPattern == 6 && yamb()) ShuffleCells();
    board_.tmrAnimation.running = true;
}

// A random order of the 52 cells of a four-column sheet for pattern 6.
void Engine::ShuffleCells() {
    auto& order = anim_.CellOrder;
    for (int i = 0; i < kYambCellCount; ++i)
        order[static_cast<size_t>(i)] = i;
    auto swapWithRandom = [&](int j) {
        // k lies in 1..j (1 for j = 0); the clamp only guards a stray source.
        const int k = intWithin(j * platform_.Random() + 1, 0, kYambCellCount - 1);
        std::swap(order[static_cast<size_t>(j)], order[static_cast<size_t>(k)]);
    };
    for (int pass = 0; pass < 3; ++pass) {
        for (int j = kYambCellCount - 1; j >= 0; --j)
            swapWithRandom(j);
        for (int j = 0; j < kYambCellCount; ++j)
            swapWithRandom(j);
    }
}

// The buttons before the first tick: the patterns that close the grid first
// start from a full one, the others from an empty one.
void Engine::setAnimationStartState() {
    const int pattern = anim_.AnimationPattern;
    for (int c = 1; c <= kColumnCount; ++c) {
        const bool inUse = yamb() || c == kFree;
        const bool startsShown = yamb() ? pattern == 1 : (pattern == 3 || pattern == 4);
        for (int r = 0; r < kRowCount; ++r) {
            board_.cmd(c, r).visible = inUse && startsShown;
            board_.cmd(c, r).enabled = false;
        }
    }
}

namespace {

// The steps of one animation tick, on the buttons of the board. Rows outside
// the sheet are skipped.
class AnimationTick {
  public:
    explicit AnimationTick(Board& board) : board_(board) {}

    void show(int column, int row) { set(column, row, true); }
    void hide(int column, int row) { set(column, row, false); }
    void showAll(int row) {
        for (int c = 1; c <= kColumnCount; ++c)
            show(c, row);
    }
    void hideAll(int row) {
        for (int c = 1; c <= kColumnCount; ++c)
            hide(c, row);
    }
    void showRows(int column, int firstRow) {
        for (int r = firstRow; r < kRowCount; r += 2)
            show(column, r);
    }

  private:
    void set(int column, int row, bool visible) {
        if (column < 1 || column > kColumnCount || row < 0 || row >= kRowCount) return;
        board_.cmd(column, row).visible = visible;
    }
    Board& board_;
};

// Pattern 8: the last row of Up and Free, then Down and Announce from the
// bottom up, then Up and Free from the top down.
bool tickPattern8(AnimationTick& tick, int32_t& phase, int32_t& s) {
    switch (phase) {
    case 0:
        tick.show(kUp, kLastRow);
        tick.show(kFree, kLastRow);
        phase = 1;
        return false;
    case 1:
        tick.show(kDown, kLastRow);
        tick.show(kAnnounce, kLastRow);
        s = 1;
        phase = 2;
        return false;
    case 2:
        tick.show(kDown, kLastRow - s);
        tick.show(kAnnounce, kLastRow - s);
        if (++s >= kRowCount) phase = 3;
        return false;
    case 3:
        tick.show(kUp, 0);
        tick.show(kFree, 0);
        s = 1;
        phase = 4;
        return false;
    default:
        tick.show(kUp, s);
        tick.show(kFree, s);
        return ++s >= kLastRow;
    }
}

// Pattern 9: the first row everywhere, then two rows a tick: Announce down,
// Down up, Free down, Up up.
bool tickPattern9(AnimationTick& tick, int32_t& phase, int32_t& s) {
    // Two rows of a column going down the sheet; true when `stop` is reached.
    auto twoDown = [&](int column, int stop) {
        tick.show(column, ++s);
        if (++s < stop) tick.show(column, s);
        return s >= stop;
    };
    // Two rows of a column going up the sheet; true when row 0 is passed.
    auto twoUp = [&](int column) {
        tick.show(column, --s);
        if (--s > 0) tick.show(column, s);
        return s <= 0;
    };
    switch (phase) {
    case 0:
        tick.showAll(0);
        s = -1;
        phase = 1;
        return false;
    case 1:
        if (twoDown(kAnnounce, kRowCount)) phase = 2;
        return false;
    case 2:
        tick.show(kFree, kLastRow);
        tick.show(kUp, kLastRow);
        if (twoUp(kDown)) {
            tick.show(kUp, 1);
            s = 0;
            phase = 3;
        }
        return false;
    case 3:
        if (twoDown(kFree, kLastRow)) {
            s = kLastRow;
            phase = 4;
        }
        return false;
    default:
        return twoUp(kUp);
    }
}

// The columns in use with every button shown, still disabled until the first
// roll; the ending of a pattern that cannot be told apart.
void showWholeSheet(Board& board, bool yamb) {
    for (int c = 1; c <= kColumnCount; ++c) {
        const bool inUse = yamb || c == kFree;
        for (int r = 0; r < kRowCount; ++r) {
            board.cmd(c, r).visible = inUse;
            board.cmd(c, r).enabled = false;
        }
    }
}

} // namespace

void Engine::tmrAnimation_Timer() {
    if (!board_.tmrAnimation.running) return;
    board_.picRollDices.enabled = false; // no roll before the board is built

    AnimationTick tick(board_);
    int32_t& s = anim_.AnimationStep;
    int32_t& phase = anim_.AnimationPhase;
    bool done = false;

    if (!yamb()) {
        switch (anim_.AnimationPattern) {
        case 1: // top to bottom
            tick.show(kFree, s);
            done = ++s >= kRowCount;
            break;
        case 2: // bottom to top
            tick.show(kFree, kLastRow - s);
            done = ++s >= kRowCount;
            break;
        case 3: // closes from the ends to the middle, then opens again
            if (phase == 0) {
                tick.hide(kFree, s);
                tick.hide(kFree, kLastRow - s);
                if (++s >= 7) {
                    s = 6;
                    phase = 1;
                }
            } else {
                tick.show(kFree, s);
                tick.show(kFree, kLastRow - s);
                done = --s <= -1;
            }
            break;
        case 4: // closes from the middle outwards, then opens again
            if (phase == 0) {
                s = 6;
                phase = 1;
            } else if (phase == 1) {
                tick.hide(kFree, kLastRow - s);
                tick.hide(kFree, s);
                if (--s <= -1) {
                    s = 0;
                    phase = 2;
                }
            } else {
                tick.show(kFree, kLastRow - s);
                tick.show(kFree, s);
                done = ++s >= 7;
            }
            break;
        default:
            showWholeSheet(board_, yamb());
            done = true;
            break;
        }
    } else {
        switch (anim_.AnimationPattern) {
        case 1: // closes from the outer rows to the middle and opens again
            if (phase == 0) {
                tick.hideAll(s);
                tick.hideAll(kLastRow - s);
                if (++s >= 7) {
                    s = 6;
                    phase = 1;
                }
            } else {
                tick.showAll(s);
                tick.showAll(kLastRow - s);
                if (--s <= -1) {
                    s = 0;
                    phase = 0;
                    done = true;
                }
            }
            break;
        case 2:
            tick.show(kDown, kLastRow - s);
            tick.show(kUp, kLastRow - s);
            tick.show(kFree, s);
            tick.show(kAnnounce, s);
            done = ++s >= kRowCount;
            break;
        case 3: // column by column, even rows first, slowing down for a while
            switch (phase) {
            case 0:
                board_.tmrAnimation.interval = 50;
                tick.showRows(kDown, 0);
                break;
            case 1:
                tick.showRows(kUp, 0);
                break;
            case 2:
                tick.showRows(kFree, 0);
                break;
            case 3:
                tick.showRows(kAnnounce, 0);
                break;
            case 4:
                tick.showRows(kAnnounce, 1);
                board_.tmrAnimation.interval = 5;
                break;
            case 5:
                tick.showRows(kFree, 1);
                break;
            case 6:
                tick.showRows(kUp, 1);
                break;
            default:
                tick.showRows(kDown, 1);
                break;
            }
            done = ++phase >= 8;
            break;
        case 4: // the corners, then a sweep
            switch (phase) {
            case 0:
                tick.show(kDown, 0);
                tick.show(kAnnounce, kLastRow);
                break;
            case 1:
                tick.show(kUp, 0);
                tick.show(kFree, kLastRow);
                break;
            case 2:
                tick.show(kFree, 0);
                tick.show(kUp, kLastRow);
                break;
            case 3:
                tick.show(kAnnounce, 0);
                tick.show(kDown, kLastRow);
                break;
            default:
                tick.show(kAnnounce, s);
                tick.show(kFree, s);
                tick.show(kDown, kLastRow - s);
                tick.show(kUp, kLastRow - s);
                done = ++s >= kRowCount;
                break;
            }
            if (phase < 4) ++phase;
            break;
        case 5:
            tick.show(kDown, s);
            tick.show(kAnnounce, s);
            tick.show(kFree, kLastRow - s);
            tick.show(kUp, kLastRow - s);
            done = ++s >= kRowCount;
            break;
        case 6: // random order, three cells a tick
            for (int n = 0; n < 3 && !done; ++n) {
                const int cell =
                    s >= 0 && s < kYambCellCount ? anim_.CellOrder[static_cast<size_t>(s)] : -1;
                if (cell >= 0 && cell < kYambCellCount) {
                    tick.show(cell / kRowCount + 1, cell % kRowCount);
                }
                ++s;
                if (s >= kYambCellCount) {
                    s = kYambCellCount + 1;
                    done = true;
                }
            }
            break;
        case 7:
            if (phase == 0) {
                tick.show(kUp, kLastRow - s);
                tick.show(kFree, kLastRow - s);
                if (++s >= kRowCount) {
                    s = 0;
                    phase = 1;
                }
            } else {
                tick.show(kDown, s);
                tick.show(kAnnounce, s);
                done = ++s >= kRowCount;
            }
            break;
        case 8:
            done = tickPattern8(tick, phase, s);
            break;
        case 9:
            done = tickPattern9(tick, phase, s);
            break;
        default:
            showWholeSheet(board_, yamb());
            done = true;
            break;
        }
    }

    if (done) {
        board_.picRollDices.enabled = true;
        board_.tmrAnimation.running = false;
    }
}

} // namespace rollwell
