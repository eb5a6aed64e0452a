#include "toolkit/core/DuiRepaintQueue.h"

#include "toolkit/core/Composition.h"
#include "toolkit/core/DuiEvents.h"
#include "toolkit/core/DuiWindow.h"

void DuiRepaintQueue::Init(DuiWindow* host) {
    m_host = host;
}

void DuiRepaintQueue::Clear() {
    m_rects.clear();
    m_draining = false;
}

void DuiRepaintQueue::Add(const DuiRect& rect, int mode) {
    if (!m_host)
        return;
    if (mode == int(kInvalidateNow)) {
        // A layered window is presented once at the end of the drain below,
        // with everything composed since its last present.
        PaintRect(*m_host, rect, !m_host->Layered());
    } else if (mode == int(kInvalidateQueueFront)) {
        m_rects.push_front(rect);
    } else {
        m_rects.push_back(rect);
    }
    if (!m_draining)
        Drain();
}

void DuiRepaintQueue::Drain() {
    if (!m_host)
        return;
    m_draining = true;
    const bool layered = m_host->Layered();
    while (!m_rects.empty()) {
        const DuiRect rect = m_rects.front();
        m_rects.pop_front();
        PaintRect(*m_host, rect, !layered);
        if (!m_draining)
            return; // cleared while painting: the host is being torn down
    }
    if (layered && !m_host->PaintingSuspended())
        m_host->PresentComposed();
    m_draining = false;
}
