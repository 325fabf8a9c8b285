// The scroll and blink animation of the preview; the stored picture stays at rest.

#include "UnitZozAvudMain.h"

namespace zozavud {

void TFormZozAvudMain::StartAnimation() {
    if (TimerAnimation.isActive()) return;
    state_.ScrollPosition = 0;
    state_.BlinkPhase = false;
    TimerAnimation.start();
}

void TFormZozAvudMain::StopAnimation() {
    if (!TimerAnimation.isActive()) return;
    state_.ScrollPosition = 0;
    state_.BlinkPhase = false;
    TimerAnimation.stop();
    RenderImage();
}

void TFormZozAvudMain::AnimationTick() {
    state_.ScrollPosition += 8;
    if (state_.ScrollPosition >= LcdColumns) state_.ScrollPosition = 0;
    state_.BlinkPhase = !state_.BlinkPhase;
    RenderImage();
}

void TFormZozAvudMain::TimerAnimationTimer() { AnimationTick(); }

}  // namespace zozavud
