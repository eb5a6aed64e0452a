// The toolkit's painter. Each control keeps its own image; the host keeps a
// back buffer of the whole window and a copy of its painted background. To
// update a rectangle the host restores the background there, composes the
// images of the visible controls that touch it in tree order (with their
// alpha, disabled look or running transition) and puts the result on the
// screen: BitBlt for an ordinary window, UpdateLayeredWindow for a layered one.
//
// Composition draws the cached images with GdiAlphaBlend on the back buffer's
// DC, clipped by GDI regions: every image is premultiplied, so a control's
// alpha is the blend's constant alpha.
#pragma once

#include "toolkit/core/DuiRect.h"

#include <windows.h>

class DuiControl;
class DuiWindow;

// The whole pixels a rectangle touches.
RECT PixelBounds(const DuiRect& rect);

// Restores, composes and (when present is set) presents one rectangle. Does
// nothing while the host's painting is suspended.
void PaintRect(DuiWindow& host, const DuiRect& rect, bool present);

// Composes a sibling list and, recursively, the children, inside paintRect.
void ComposeList(DuiWindow& host, DuiControl* first, const DuiRect& paintRect);

// Puts a rectangle (a layered window: with what else was composed) on the screen.
void PresentRect(DuiWindow& host, const DuiRect& rect);

// Draws every visible control into the back buffer with its alpha (a disabled
// one at half alpha unless it says otherwise), children inside their parent,
// sending DuiEvtSnapshot first unless told not to. Used by the skin painter.
void SnapshotPaint(DuiWindow& host, bool sendEvents);
