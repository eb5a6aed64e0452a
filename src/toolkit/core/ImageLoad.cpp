#include "toolkit/core/ImageLoad.h"

#include "toolkit/core/GdiOwners.h"

#include <cstring>
#include <vector>

namespace {

// A stream over a private copy of the bytes; the stream frees the memory.
UniqueStream StreamOverCopy(ImageBytes bytes, bool addSignature) {
    if (bytes.empty())
        return {};
    const std::size_t prefix = addSignature ? sizeof kPngSignature : 0;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes.size() + prefix);
    if (!memory)
        return {};
    auto* target = static_cast<std::uint8_t*>(GlobalLock(memory));
    if (!target) {
        GlobalFree(memory);
        return {};
    }
    if (addSignature)
        std::memcpy(target, kPngSignature, prefix);
    std::memcpy(target + prefix, bytes.data(), bytes.size());
    GlobalUnlock(memory);
    UniqueStream stream;
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, stream.put()))) {
        GlobalFree(memory);
        return {};
    }
    return stream;
}

} // namespace

StreamImage LoadImageKeepDecoded(ImageBytes bytes, bool addSignature) {
    StreamImage result;
    result.stream = StreamOverCopy(bytes, addSignature);
    if (!result.stream)
        return {};
    if (GdipLoadImageFromStream(result.stream.get(), result.image.put()) != Gdiplus::Ok)
        return {};
    return result;
}

UniqueGpBitmap LoadImageFromBytes(ImageBytes bytes, bool addSignature) {
    StreamImage decoded = LoadImageKeepDecoded(bytes, addSignature);
    if (!decoded)
        return {};
    const int width = ImageWidth(decoded.image.get());
    const int height = ImageHeight(decoded.image.get());
    if (width <= 0 || height <= 0)
        return {};
    UniqueGpBitmap copy;
    if (GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, copy.put()) != Gdiplus::Ok)
        return {};
    UniqueGpGraphics graphics;
    if (GdipGetImageGraphicsContext(copy.get(), graphics.put()) != Gdiplus::Ok)
        return {};
    GdipSetCompositingMode(graphics.get(), Gdiplus::CompositingModeSourceCopy);
    if (GdipDrawImageRectI(graphics.get(), decoded.image.get(), 0, 0, width, height) != Gdiplus::Ok)
        return {};
    return copy;
}

int ImageWidth(GpImage* image) {
    UINT width = 0;
    if (!image || GdipGetImageWidth(image, &width) != Gdiplus::Ok)
        return 0;
    return int(width);
}

int ImageHeight(GpImage* image) {
    UINT height = 0;
    if (!image || GdipGetImageHeight(image, &height) != Gdiplus::Ok)
        return 0;
    return int(height);
}

ColourRef AverageColour(GpBitmap* bitmap) {
    const int width = ImageWidth(bitmap);
    const int height = ImageHeight(bitmap);
    if (width <= 0 || height <= 0)
        return 0;
    Gdiplus::GpRect all{0, 0, width, height};
    Gdiplus::BitmapData data{};
    if (GdipBitmapLockBits(bitmap, &all, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data) !=
        Gdiplus::Ok)
        return 0;
    unsigned long long sum[3] = {0, 0, 0};
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(
            static_cast<const std::uint8_t*>(data.Scan0) + std::ptrdiff_t(y) * data.Stride);
        for (int x = 0; x < width; ++x) {
            sum[0] += (row[x] >> 16) & 255;
            sum[1] += (row[x] >> 8) & 255;
            sum[2] += row[x] & 255;
        }
    }
    GdipBitmapUnlockBits(bitmap, &data);
    const unsigned long long count = (unsigned long long)width * (unsigned long long)height;
    return MakeColourRef(int(sum[0] / count), int(sum[1] / count), int(sum[2] / count));
}

ImageBytes ResourceBytes(const wchar_t* name) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, name, MAKEINTRESOURCEW(10)); // RT_RCDATA
    if (!resource)
        return {};
    HGLOBAL loaded = LoadResource(module, resource);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        return {};
    return {static_cast<const std::uint8_t*>(data), SizeofResource(module, resource)};
}

namespace {

// The pixels of a bitmap as 32 bpp top-down rows.
bool ReadPixels(HBITMAP bitmap, int width, int height, std::vector<std::uint32_t>& pixels) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    pixels.assign(std::size_t(width) * std::size_t(height), 0);
    UniqueWindowDc screen(nullptr);
    return GetDIBits(screen.get(), bitmap, 0, UINT(height), pixels.data(), &info, DIB_RGB_COLORS) == height;
}

} // namespace

UniqueGpBitmap BitmapFromIcon(HICON icon) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info))
        return {};
    UniqueHbitmap colour(info.hbmColor);
    UniqueHbitmap mask(info.hbmMask);
    BITMAP header{};
    if (!colour || !GetObjectW(colour.get(), sizeof header, &header))
        return {};
    const int width = header.bmWidth;
    const int height = header.bmHeight;
    std::vector<std::uint32_t> pixels;
    if (!ReadPixels(colour.get(), width, height, pixels))
        return {};
    bool hasAlpha = false;
    for (std::uint32_t p : pixels)
        hasAlpha = hasAlpha || (p >> 24) != 0;
    std::vector<std::uint32_t> maskPixels;
    if (!hasAlpha && mask && ReadPixels(mask.get(), width, height, maskPixels))
        for (std::size_t i = 0; i < pixels.size(); ++i)
            pixels[i] = (pixels[i] & 0x00FFFFFFu) | ((maskPixels[i] & 0x00FFFFFFu) ? 0u : 0xFF000000u);
    UniqueGpBitmap bitmap;
    if (GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, bitmap.put()) !=
        Gdiplus::Ok)
        return {};
    Gdiplus::GpRect all{0, 0, width, height};
    Gdiplus::BitmapData data{};
    if (GdipBitmapLockBits(bitmap.get(), &all, Gdiplus::ImageLockModeWrite, PixelFormat32bppARGB, &data) !=
        Gdiplus::Ok)
        return {};
    for (int y = 0; y < height; ++y)
        std::memcpy(static_cast<std::uint8_t*>(data.Scan0) + std::ptrdiff_t(y) * data.Stride,
                    pixels.data() + std::size_t(y) * std::size_t(width), std::size_t(width) * 4);
    GdipBitmapUnlockBits(bitmap.get(), &data);
    return bitmap;
}
