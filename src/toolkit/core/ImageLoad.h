// Images decoded from bytes held in the program (PNG, JPEG, BMP, GIF, ICO).
#pragma once

#include "toolkit/core/Colour.h"
#include "toolkit/core/GdiplusOwners.h"

#include <cstdint>
#include <span>

using ImageBytes = std::span<const std::uint8_t>;

namespace com_close {
inline void ReleaseStream(IStream* stream) noexcept {
    stream->Release();
}
} // namespace com_close
using UniqueStream = UniqueAny<IStream*, com_close::ReleaseStream>;

// The eight bytes every PNG file starts with.
inline constexpr std::uint8_t kPngSignature[8] = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A};

// Decodes the bytes (with the PNG signature put in front when addSignature is
// set, for images stored without it) and returns a 32 bpp ARGB copy that does
// not depend on the bytes. Empty or undecodable bytes give an empty owner.
UniqueGpBitmap LoadImageFromBytes(ImageBytes bytes, bool addSignature = false);

// The decoded image itself, for images whose frames are read later (animated
// GIF): GDI+ keeps reading from the stream, so the stream lives with it.
struct StreamImage {
    UniqueGpImage image;
    UniqueStream stream;
    explicit operator bool() const { return image.get() != nullptr; }
};
StreamImage LoadImageKeepDecoded(ImageBytes bytes, bool addSignature = false);

// 0 for a null image.
int ImageWidth(GpImage* image);
int ImageHeight(GpImage* image);

// The mean red, green and blue of all pixels of a bitmap.
ColourRef AverageColour(GpBitmap* bitmap);

// A 32 bpp ARGB copy of an icon that keeps its alpha channel (icons without
// one take it from their mask). Empty for a null or unreadable icon.
UniqueGpBitmap BitmapFromIcon(HICON icon);

// Bytes of an RCDATA resource of the executable, empty when there is none.
ImageBytes ResourceBytes(const wchar_t* name);
