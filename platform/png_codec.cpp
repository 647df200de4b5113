// PNG through libpng's simplified interface.
#include "platform/png_codec.h"

#include <png.h>

#include <cstdio>

namespace platform {

bool DecodePng(std::span<const std::uint8_t> png, Pixels& out) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, png.data(), png.size())) return false;
    image.format = PNG_FORMAT_BGRA;  // byte order B, G, R, A is 0xAARRGGBB on little-endian
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(image.width) * image.height);
    if (!png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr)) {
        png_image_free(&image);
        return false;
    }
    out.width = static_cast<int>(image.width);
    out.height = static_cast<int>(image.height);
    out.argb = std::move(pixels);
    return true;
}

bool EncodePngRgb(const Pixels& pixels, std::vector<std::uint8_t>& png) {
    std::vector<std::uint8_t> rgb;
    rgb.reserve(pixels.argb.size() * 3);
    for (std::uint32_t p : pixels.argb) {
        rgb.push_back(static_cast<std::uint8_t>(p >> 16));
        rgb.push_back(static_cast<std::uint8_t>(p >> 8));
        rgb.push_back(static_cast<std::uint8_t>(p));
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(pixels.width);
    image.height = static_cast<png_uint_32>(pixels.height);
    image.format = PNG_FORMAT_RGB;
    png_alloc_size_t size = 0;
    if (!png_image_write_get_memory_size(image, size, 0, rgb.data(), 0, nullptr)) return false;
    png.resize(size);
    if (!png_image_write_to_memory(&image, png.data(), &size, 0, rgb.data(), 0, nullptr)) return false;
    png.resize(size);
    return true;
}

bool WritePngRgb(const Pixels& pixels, const std::string& path) {
    std::vector<std::uint8_t> png;
    if (!EncodePngRgb(pixels, png)) return false;
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    bool ok = std::fwrite(png.data(), 1, png.size(), f) == png.size();
    return std::fclose(f) == 0 && ok;
}

}  // namespace platform
