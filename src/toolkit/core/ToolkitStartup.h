// The toolkit's process-wide state, set up once by ToolkitStartup on the main
// thread before the first host window is made.
#pragma once

#include "toolkit/core/DibSurface.h"
#include "toolkit/core/GdiplusOwners.h"

#include <string>

// The class of the windows the toolkit makes itself (message boxes, menus).
inline constexpr wchar_t kToolkitWindowClass[] = L"Re_DirovaDE";
// RCDATA resource holding the caption-button sprite (a 729 x 20 PNG).
inline constexpr wchar_t kCaptionSpriteResource[] = L"TC_CAPTION_SPRITE";

struct ToolkitState {
    bool started = false;
    ULONG_PTR gdiplusToken = 0;
    // 6 on Vista and 7, the only systems whose DWM blur the skin asks for.
    int systemMajorVersion = 0;
    // The originals of the shared GDI+ objects: only copied, never drawn with
    // (see DefaultFont and CaptionSprite).
    UniqueGpFont defaultFont; // size 12, regular, pixel units
    UniqueGpBitmap captionSprite;
    std::wstring defaultFontFace;
    HCURSOR arrowCursor = nullptr;
};

ToolkitState& Toolkit();

// GDI+, the system version, the default font, the arrow cursor, the caption
// sprite and the window class. Safe to call again; false when GDI+ cannot start.
bool ToolkitStartup();

// A GDI+ object must not be used by two threads at once, and a worker thread
// may show message boxes of its own: each thread draws with its own copy of the
// default font and the caption sprite, made on first use.
GpFont* DefaultFont();
GpBitmap* CaptionSprite();

// This thread's scratch buffer, grown to hold a window of that size;
// cross-fades compose into it.
DibSurface& ScratchBuffer(int width, int height);

// The major version of the running system, read without the compatibility
// shims that make GetVersionEx lie.
int ReadSystemMajorVersion();
