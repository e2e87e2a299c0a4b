#include "png_writer.h"

#include <png.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace tmb::harness {

bool writeRgbPng(const std::string& path, const std::vector<uint32_t>& pixels, int width, int height,
                 std::string* error) {
  FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) {
    if (error) *error = path + ": " + std::strerror(errno);
    return false;
  }
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!png || !info || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    std::fclose(f);
    if (error) *error = path + ": cannot encode the PNG";
    return false;
  }
  png_init_io(png, f);
  png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_write_info(png, info);
  std::vector<png_byte> row(static_cast<size_t>(width) * 3);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      uint32_t p = pixels[static_cast<size_t>(y) * width + x];
      row[x * 3] = static_cast<png_byte>(p >> 16);
      row[x * 3 + 1] = static_cast<png_byte>(p >> 8);
      row[x * 3 + 2] = static_cast<png_byte>(p);
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  bool ok = std::fclose(f) == 0;
  if (!ok && error) *error = path + ": " + std::strerror(errno);
  return ok;
}

}  // namespace tmb::harness
