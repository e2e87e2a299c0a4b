// mkicons: draws a Pogoshell icon sheet, an uncompressed 8-bit Windows bitmap.
//   mkicons GLYPHS THEME OUT.bmp
// GLYPHS holds pictures in text, one character per pixel:
//   glyph NAME
//   <rows of equal length; the characters are colour names of the theme>
// THEME says how to lay them out and colour them:
//   size W H            the bitmap (W a multiple of 4)
//   cell W H            the icon cells, left to right, top to bottom; glyphs are centred
//   colour C R G B      palette entry for character C; the first one is the background
//   icons NAME NAME...  the glyphs in icon order
// Lines starting with "#" are comments.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Glyph {
  std::vector<std::string> rows;
};

struct Theme {
  int width = 0, height = 0, cellW = 0, cellH = 0;
  std::vector<std::pair<char, std::uint32_t>> colours;  // character, 0xRRGGBB
  std::vector<std::string> icons;
};

[[noreturn]] void die(const std::string& what) {
  std::fprintf(stderr, "mkicons: %s\n", what.c_str());
  std::exit(1);
}

std::vector<std::string> readLines(const std::string& path) {
  std::ifstream f(path);
  if (!f) die("cannot read " + path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(f, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::map<std::string, Glyph> readGlyphs(const std::string& path) {
  std::map<std::string, Glyph> glyphs;
  Glyph* current = nullptr;
  for (const auto& line : readLines(path)) {
    if (line.empty() || line[0] == '#') continue;
    if (line.compare(0, 6, "glyph ") == 0) {
      current = &glyphs[line.substr(6)];
      continue;
    }
    if (!current) die(path + ": picture rows before the first glyph");
    if (!current->rows.empty() && line.size() != current->rows[0].size()) die(path + ": ragged row \"" + line + "\"");
    current->rows.push_back(line);
  }
  return glyphs;
}

Theme readTheme(const std::string& path) {
  Theme t;
  for (const auto& line : readLines(path)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream in(line);
    std::string word;
    in >> word;
    if (word == "size") {
      in >> t.width >> t.height;
    } else if (word == "cell") {
      in >> t.cellW >> t.cellH;
    } else if (word == "colour") {
      std::string c;
      unsigned r, g, b;
      in >> c >> r >> g >> b;
      t.colours.emplace_back(c.at(0), r << 16 | g << 8 | b);
    } else if (word == "icons") {
      for (std::string name; in >> name;) t.icons.push_back(name);
    } else {
      die(path + ": unknown line \"" + line + "\"");
    }
    if (in.fail() && !in.eof()) die(path + ": bad line \"" + line + "\"");
  }
  if (t.width <= 0 || t.width % 4 || t.height <= 0 || t.cellW <= 0 || t.cellH <= 0 || t.colours.empty())
    die(path + ": needs size (width a multiple of 4), cell and colours");
  if (t.colours.size() > 256) die(path + ": more than 256 colours");
  return t;
}

void put16(std::vector<std::uint8_t>& b, std::uint16_t v) {
  b.push_back(v & 0xFF);
  b.push_back(v >> 8);
}
void put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: mkicons GLYPHS THEME OUT.bmp\n");
    return 2;
  }
  const auto glyphs = readGlyphs(argv[1]);
  const Theme t = readTheme(argv[2]);

  std::map<char, std::uint8_t> index;
  for (std::size_t i = 0; i < t.colours.size(); ++i) index[t.colours[i].first] = static_cast<std::uint8_t>(i);

  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(t.width) * t.height, 0);  // top row first
  const int perRow = t.width / t.cellW;
  for (std::size_t n = 0; n < t.icons.size(); ++n) {
    const auto g = glyphs.find(t.icons[n]);
    if (g == glyphs.end()) die("no glyph \"" + t.icons[n] + "\"");
    const auto& rows = g->second.rows;
    const int gw = static_cast<int>(rows.at(0).size()), gh = static_cast<int>(rows.size());
    const int cx = static_cast<int>(n) % perRow * t.cellW, cy = static_cast<int>(n) / perRow * t.cellH;
    if (gw > t.cellW || gh > t.cellH || cy + t.cellH > t.height) die("icon \"" + t.icons[n] + "\" does not fit");
    const int ox = cx + (t.cellW - gw) / 2, oy = cy + (t.cellH - gh) / 2;
    for (int y = 0; y < gh; ++y) {
      for (int x = 0; x < gw; ++x) {
        const auto colour = index.find(rows[y][x]);
        if (colour == index.end()) die("glyph \"" + t.icons[n] + "\" uses a colour the theme lacks: " + rows[y][x]);
        pixels[static_cast<std::size_t>(oy + y) * t.width + ox + x] = colour->second;
      }
    }
  }

  // BITMAPFILEHEADER, BITMAPINFOHEADER (BI_RGB), a full 256-entry palette, rows bottom-up.
  const std::uint32_t paletteBytes = 256 * 4, offset = 14 + 40 + paletteBytes;
  const std::uint32_t imageBytes = static_cast<std::uint32_t>(pixels.size());
  std::vector<std::uint8_t> bmp;
  bmp.push_back('B');
  bmp.push_back('M');
  put32(bmp, offset + imageBytes);
  put32(bmp, 0);
  put32(bmp, offset);
  put32(bmp, 40);
  put32(bmp, static_cast<std::uint32_t>(t.width));
  put32(bmp, static_cast<std::uint32_t>(t.height));
  put16(bmp, 1);   // planes
  put16(bmp, 8);   // bits per pixel
  put32(bmp, 0);   // BI_RGB: uncompressed
  put32(bmp, imageBytes);
  put32(bmp, 2835);  // 72 dpi
  put32(bmp, 2835);
  put32(bmp, 256);
  put32(bmp, 0);
  for (std::size_t i = 0; i < 256; ++i) {
    const std::uint32_t rgb = i < t.colours.size() ? t.colours[i].second : 0;
    bmp.push_back(rgb & 0xFF);
    bmp.push_back((rgb >> 8) & 0xFF);
    bmp.push_back((rgb >> 16) & 0xFF);
    bmp.push_back(0);
  }
  for (int y = t.height - 1; y >= 0; --y)
    bmp.insert(bmp.end(), pixels.begin() + static_cast<std::ptrdiff_t>(y) * t.width,
               pixels.begin() + static_cast<std::ptrdiff_t>(y + 1) * t.width);

  std::ofstream out(argv[3], std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
  if (!out) die(std::string("cannot write ") + argv[3]);
  return 0;
}
