#include "double_click.h"

#include <cstdlib>

namespace plat {

namespace {
constexpr int kReach = 2;  // pixels each way from the first click
}  // namespace

bool DoubleClicks::isDouble(int button, int x, int y, int clicks) {
    bool twice = firstPending_ && button == button_ && clicks >= 2 && std::abs(x - x_) <= kReach &&
                 std::abs(y - y_) <= kReach;
    firstPending_ = !twice;
    button_ = button;
    x_ = x;
    y_ = y;
    return twice;
}

}  // namespace plat
