// The rectangles of a host window waiting to be recomposed, drained in order.
// Everything queued while a message is handled is painted before the handler
// returns; a rectangle waits only while a drain further up the stack runs.
#pragma once

#include "toolkit/core/DuiRect.h"

#include <deque>

class DuiWindow;

class DuiRepaintQueue {
public:
    void Init(DuiWindow* host);
    // Drops everything queued and forgets a drain in progress.
    void Clear();
    // mode: kInvalidateQueue, kInvalidateNow or kInvalidateQueueFront (DuiEvents.h).
    void Add(const DuiRect& rect, int mode);
    bool IsIdle() const { return !m_draining; }
    void Drain();

private:
    DuiWindow* m_host = nullptr;
    std::deque<DuiRect> m_rects;
    bool m_draining = false;
};
