#pragma once
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

// The skin theme archive: a small line-oriented text format that the two built-in themes are written
// in and that the program embeds as resources.
//
//   KDC-THEME 1                      first line: magic and format version
//   # a comment                      blank lines and lines starting with '#' are ignored
//   name Midsummer                   the theme's name
//   base Midsummer                   optional: colours and metrics not given here come from that theme
//   color <key> #RRGGBB              a named colour
//   metric <key> <integer>           a named size in pixels
//   image <key> <width> <height>     an image drawn at start, then its drawing steps, then "end"
//     fill      x y w h #c           solid rectangle
//     vgradient x y w h #top #bottom vertical gradient, first row #top, last row #bottom
//     hgradient x y w h #left #right horizontal gradient
//     frame     x y w h #c           one-pixel outline of the rectangle
//   end
//
// Images start black; steps paint in order and are clipped to the image. Sizes are limited to
// kMaxImageSide so a damaged archive cannot ask for huge bitmaps. Keys are unique per kind.
constexpr int kMaxImageSide = 4096;

struct ThemeRgb {
    uint8_t r = 0, g = 0, b = 0;
    bool operator==(const ThemeRgb&) const = default;
};

struct DrawStep {
    enum class Kind { kFill, kVGradient, kHGradient, kFrame };
    Kind kind = Kind::kFill;
    int x = 0, y = 0, w = 0, h = 0;
    ThemeRgb first, second;
};

struct ImageDescription {
    int width = 0, height = 0;
    std::vector<DrawStep> steps;
};

struct ThemeArchive {
    std::string name;
    std::string base;
    std::map<std::string, ThemeRgb> colors;
    std::map<std::string, int> metrics;
    std::map<std::string, ImageDescription> images;
};

struct ThemeParseResult {
    std::optional<ThemeArchive> archive;  // nothing when the text is not a valid archive
    int errorLine = 0;                    // 1-based line of the first fault
    std::string error;
};

ThemeParseResult ParseThemeArchive(const std::string& text);

// Pixels of a drawn image: rows top to bottom, three bytes per pixel in blue, green, red order, rows
// padded to four bytes as a 24-bit DIB wants them.
struct RenderedImage {
    int width = 0, height = 0, stride = 0;
    std::vector<uint8_t> bgr;
    ThemeRgb At(int x, int y) const;
};
RenderedImage RenderImage(const ImageDescription& image);
// The same picture at num/den of its size (150 %: 3/2): every shape's edges scaled and rounded, and a
// frame's one-pixel line as thick as the scale makes it, so the picture is drawn sharp at that size
// instead of stretched.
ImageDescription ScaleImage(const ImageDescription& image, int num, int den);
