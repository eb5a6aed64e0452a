// The GDI+ flat API. <gdiplus.h> needs the OLE declarations that
// WIN32_LEAN_AND_MEAN leaves out of <windows.h>.
#pragma once

#include <windows.h>

#include <objidl.h>

#include <gdiplus.h>

using Gdiplus::ARGB;
using Gdiplus::GpBitmap;
using Gdiplus::GpBrush;
using Gdiplus::GpFont;
using Gdiplus::GpFontFamily;
using Gdiplus::GpGraphics;
using Gdiplus::GpImage;
using Gdiplus::GpImageAttributes;
using Gdiplus::GpPath;
using Gdiplus::GpPen;
using Gdiplus::GpRegion;
using Gdiplus::GpStatus;
using Gdiplus::GpStringFormat;
using namespace Gdiplus::DllExports;
