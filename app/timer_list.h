// Timed callbacks requested by the GUI library. Each pending request is one
// TimerCallback in timerList; the main loop's timer pass charges them all with
// the time since the previous pass and fires the ones that are due.
#pragma once

struct TimerCallback {
    void (*callback)(int) = nullptr;
    int userData = 0;
    double secondsLeft = 0.0;
};

// The add-timer callback handed to the GUI library. The count is unsigned,
// so very long delays (2^31 ms and more) stay long.
void addTimer(unsigned milliseconds, void (*callback)(int), int userData);

// One timer pass at clock reading `now`: charges now - lastTimerPass to every
// pending timer, fires and removes the due ones, then sets lastTimerPass.
void runTimerPass(double now);
