// Gliding a lifted selection along a straight line for the solving aids. A glide is
// a state the game advances on its animation ticks: the selection moves step pixels
// every 10 − step milliseconds of the clock; a frame whose time has passed is left
// out, never the timing, and the last frame is always at the end of the line unless
// a click stopped the glide.
#include <algorithm>
#include <cstdlib>

#include "board/move.h"

namespace quill {
namespace {

// Glide speeds run from 1 to 10 pixels per frame; a frame lasts 10 − step ms.
constexpr int32_t kGlideSteps = 10;

}  // namespace

void TMove::Glide(int32_t x0, int32_t y0, bool abortable, int32_t step, int32_t x1, int32_t y1) {
  TGlideRun g;
  g.Step = std::clamp<int32_t>(step, 1, kGlideSteps);
  g.Period = kGlideSteps - g.Step;
  g.Abortable = abortable;
  g.X = x0;
  g.Y = y0;
  g.X1 = x1;
  g.Y1 = y1;
  const int32_t dx = x1 - x0, dy = y1 - y0;
  g.StepX = dx < 0 ? -1 : 1;
  g.StepY = dy < 0 ? -1 : 1;
  g.XMajor = std::abs(dx) > std::abs(dy);
  g.Major = g.XMajor ? std::abs(dx) : std::abs(dy);
  g.Minor = g.XMajor ? std::abs(dy) : std::abs(dx);
  g.Error = 2 * g.Minor - g.Major;
  MoveSpriteTo(x0, y0);
  g.Deadline = TheHost().Milliseconds() + g.Period;
  FGlide = g;
}

void TMove::StepAlongLine(TGlideRun& g) {
  if (g.XMajor) {
    g.X += g.StepX;
  } else {
    g.Y += g.StepY;
  }
  if (g.Error < 0) {
    g.Error += 2 * g.Minor;
  } else {
    g.Error += 2 * (g.Minor - g.Major);
    if (g.XMajor) {
      g.Y += g.StepY;
    } else {
      g.X += g.StepX;
    }
  }
  ++g.I;
}

// Every step-th pixel of the walk is a frame: drawn when its time has not yet passed,
// then the walk waits for the frame's deadline, which moves on by one period.
void TMove::AdvanceGlide(int64_t now) {
  if (!FGlide) return;
  TGlideRun& g = *FGlide;
  for (;;) {
    if (g.Waiting) {
      if (now < g.Deadline) return;
      g.Waiting = false;
      g.Deadline += g.Period;
      StepAlongLine(g);
    }
    if (g.I >= g.Major) break;
    if (++g.Counter == g.Step) {
      g.Counter = 0;
      if (now <= g.Deadline) MoveSpriteTo(g.X, g.Y);
      if (g.Step != kGlideSteps) {
        g.Waiting = true;
        continue;
      }
      g.Deadline += g.Period;
    }
    StepAlongLine(g);
  }
  FinishGlide();
}

void TMove::FinishGlide() {
  if (!FGlide) return;
  const Point end{FGlide->X1, FGlide->Y1};
  FGlide.reset();
  MoveSpriteTo(end.X, end.Y);
}

void TMove::ClickDuringGlide() {
  if (!FGlide) return;
  if (FGlide->Abortable) {
    FGlide.reset();
  } else {
    FinishGlide();
  }
}

}  // namespace quill
