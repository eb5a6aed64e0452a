// Fonts, text measurement and text drawing with halos. The program's text is
// GBK; it crosses to GDI+ as UTF-16 through code page 936.
#pragma once

#include "toolkit/core/Colour.h"
#include "toolkit/core/DuiRect.h"
#include "toolkit/core/GdiplusOwners.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

// GBK to UTF-16 (code page 936, never the ANSI code page of the system).
std::wstring ToWide(std::string_view gbk);
// UTF-16 units of a GBK text.
int WideLength(std::string_view gbk);

// A font in pixel units. A face that does not exist falls back to the family
// of the toolkit's default font.
UniqueGpFont MakeFont(std::wstring_view face, float size, int style);
UniqueGpFont MakeFont(std::string_view gbkFace, float size, int style);

// The family name of the default font, as GBK.
std::string DefaultFontFace();

// The default font's face: "宋体" when it exists, else the system's caption
// font unless that is "Tahoma" or cannot be made at size 12. Empty when
// neither exists (the caller falls back to the generic sans-serif family).
std::wstring ChooseDefaultFontFace(std::wstring_view captionFace,
                                   const std::function<bool(std::wstring_view)>& canMakeFont);

// GdipMeasureString of the text; false on failure.
bool MeasureText(GpGraphics* surface, std::wstring_view text, GpFont* font, const DuiRect& layout,
                 GpStringFormat* format, DuiRect& measured);

// Bounds of one character range (0-based first, length) of the text.
bool MeasureRange(GpGraphics* surface, std::wstring_view text, GpFont* font, const DuiRect& layout,
                  GpStringFormat* format, int first, int length, DuiRect& measured);

// Text effects: 0 none, 3 soft glow, 4 crisp halo.
inline constexpr int kTextEffectNone = 0;
inline constexpr int kTextEffectGlow = 3;
inline constexpr int kTextEffectHalo = 4;

// Without a halo colour: white at alpha 85 behind dark text, black at alpha 75
// behind light text.
Argb DefaultHaloColour(Argb textColour);

void DrawTextEffect(GpGraphics* surface, const DuiRect& rect, std::wstring_view text, GpFont* font, Argb argb,
                    GpStringFormat* format, int effect, std::optional<Argb> haloArgb = std::nullopt);
