#include "app/timer_list.h"

#include "state/program_state.h"

void addTimer(unsigned milliseconds, void (*callback)(int), int userData)
{
    // Before start-up has made the list there is nowhere to keep a timer.
    if (timerList == nullptr)
        return;
    auto* record = new TimerCallback;
    record->callback = callback;
    record->userData = userData;
    record->secondsLeft = static_cast<double>(milliseconds) / 1000.0;
    timerList->insert(record, -1);
}

void runTimerPass(double now)
{
    if (timerList != nullptr && timerList->count != 0) {
        double elapsed = now - lastTimerPass;
        // Timers added by a callback go to the head, behind this walk, so
        // they are neither charged nor fired until the next pass.
        for (auto* node = timerList->head; node != nullptr;) {
            auto* next = node->next;
            TimerCallback* timer = node->item;
            timer->secondsLeft -= elapsed;
            if (timer->secondsLeft <= 0.0) {
                // A request without a function is dropped rather than called.
                if (timer->callback != nullptr)
                    timer->callback(timer->userData);
                timerList->removeNode(node);
            }
            node = next;
        }
    }
    lastTimerPass = now;
}
