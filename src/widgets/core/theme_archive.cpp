#include "widgets/core/theme_archive.h"

#include <algorithm>
#include <charconv>
#include <sstream>

namespace {
std::vector<std::string> Words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

std::optional<int> ParseInt(const std::string& s) {
    int value = 0;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return value;
}

std::optional<ThemeRgb> ParseColor(const std::string& s) {
    if (s.size() != 7 || s[0] != '#') return std::nullopt;
    unsigned value = 0;
    auto [end, ec] = std::from_chars(s.data() + 1, s.data() + s.size(), value, 16);
    if (ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return ThemeRgb{uint8_t(value >> 16), uint8_t(value >> 8), uint8_t(value)};
}

struct StepSyntax {
    const char* word;
    DrawStep::Kind kind;
    int colors;
};
constexpr StepSyntax kSteps[] = {
    {"fill", DrawStep::Kind::kFill, 1},
    {"vgradient", DrawStep::Kind::kVGradient, 2},
    {"hgradient", DrawStep::Kind::kHGradient, 2},
    {"frame", DrawStep::Kind::kFrame, 1},
};

std::optional<DrawStep> ParseStep(const std::vector<std::string>& w) {
    for (const StepSyntax& s : kSteps) {
        if (w[0] != s.word) continue;
        if (int(w.size()) != 5 + s.colors) return std::nullopt;
        DrawStep step;
        step.kind = s.kind;
        int* numbers[] = {&step.x, &step.y, &step.w, &step.h};
        for (int i = 0; i < 4; ++i) {
            auto n = ParseInt(w[1 + i]);
            if (!n) return std::nullopt;
            *numbers[i] = *n;
        }
        auto c1 = ParseColor(w[5]);
        if (!c1) return std::nullopt;
        step.first = step.second = *c1;
        if (s.colors == 2) {
            auto c2 = ParseColor(w[6]);
            if (!c2) return std::nullopt;
            step.second = *c2;
        }
        return step;
    }
    return std::nullopt;
}

ThemeParseResult Fail(int line, std::string why) { return {std::nullopt, line, std::move(why)}; }
}  // namespace

ThemeParseResult ParseThemeArchive(const std::string& text) {
    ThemeArchive archive;
    std::istringstream in(text);
    std::string line;
    int number = 0;
    bool sawMagic = false;
    ImageDescription* image = nullptr;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::vector<std::string> w = Words(line);
        if (w.empty() || w[0][0] == '#') continue;
        if (!sawMagic) {
            if (w.size() != 2 || w[0] != "KDC-THEME" || w[1] != "1")
                return Fail(number, "not a version 1 archive");
            sawMagic = true;
            continue;
        }
        if (image) {
            if (w[0] == "end" && w.size() == 1) {
                image = nullptr;
                continue;
            }
            auto step = ParseStep(w);
            if (!step) return Fail(number, "bad drawing step");
            image->steps.push_back(*step);
            continue;
        }
        if ((w[0] == "name" || w[0] == "base") && w.size() >= 2) {
            std::string value = line.substr(line.find(w[1]));
            while (!value.empty() && (value.back() == ' ' || value.back() == '\t')) value.pop_back();
            (w[0] == "name" ? archive.name : archive.base) = value;
        } else if (w[0] == "color" && w.size() == 3) {
            auto c = ParseColor(w[2]);
            if (!c) return Fail(number, "bad colour");
            if (!archive.colors.emplace(w[1], *c).second) return Fail(number, "colour defined twice");
        } else if (w[0] == "metric" && w.size() == 3) {
            auto n = ParseInt(w[2]);
            if (!n) return Fail(number, "bad metric");
            if (!archive.metrics.emplace(w[1], *n).second) return Fail(number, "metric defined twice");
        } else if (w[0] == "image" && w.size() == 4) {
            auto width = ParseInt(w[2]), height = ParseInt(w[3]);
            if (!width || !height || *width <= 0 || *height <= 0 || *width > kMaxImageSide ||
                *height > kMaxImageSide)
                return Fail(number, "bad image size");
            auto [it, fresh] = archive.images.emplace(w[1], ImageDescription{*width, *height, {}});
            if (!fresh) return Fail(number, "image defined twice");
            image = &it->second;
        } else {
            return Fail(number, "unknown entry");
        }
    }
    if (!sawMagic) return Fail(number, "empty archive");
    if (image) return Fail(number, "image without end");
    return {std::move(archive), 0, {}};
}

ThemeRgb RenderedImage::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return {};
    const uint8_t* p = &bgr[size_t(y) * stride + size_t(x) * 3];
    return {p[2], p[1], p[0]};
}

namespace {
ThemeRgb Mix(ThemeRgb a, ThemeRgb b, long long pos, long long span) {
    if (span <= 1) return a;
    auto m = [&](int from, int to) { return uint8_t(from + (to - from) * pos / (span - 1)); };
    return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b)};
}

void Put(RenderedImage& img, int x, int y, ThemeRgb c) {
    if (x < 0 || y < 0 || x >= img.width || y >= img.height) return;
    uint8_t* p = &img.bgr[size_t(y) * img.stride + size_t(x) * 3];
    p[0] = c.b;
    p[1] = c.g;
    p[2] = c.r;
}
}  // namespace

RenderedImage RenderImage(const ImageDescription& d) {
    RenderedImage img;
    if (d.width <= 0 || d.height <= 0 || d.width > kMaxImageSide || d.height > kMaxImageSide) return img;
    img.width = d.width;
    img.height = d.height;
    img.stride = (d.width * 3 + 3) / 4 * 4;
    img.bgr.assign(size_t(img.stride) * d.height, 0);
    for (const DrawStep& s : d.steps) {
        int x0 = std::max(s.x, 0), y0 = std::max(s.y, 0);
        int x1 = int(std::min<long long>((long long)s.x + s.w, d.width));
        int y1 = int(std::min<long long>((long long)s.y + s.h, d.height));
        // Colours are worked out once a row (or a column); a frame visits only its edges. Drawn again
        // at 200 %, the skin has four times the pixels, and the start of the program waits for it.
        for (int y = y0; y < y1; ++y) {
            const bool edgeRow = y == s.y || y == (long long)s.y + s.h - 1;
            const ThemeRgb rowColor = s.kind == DrawStep::Kind::kVGradient
                                          ? Mix(s.first, s.second, (long long)y - s.y, s.h)
                                          : s.first;
            for (int x = x0; x < x1; ++x) {
                switch (s.kind) {
                    case DrawStep::Kind::kFill:
                    case DrawStep::Kind::kVGradient:
                        Put(img, x, y, rowColor);
                        break;
                    case DrawStep::Kind::kHGradient:
                        Put(img, x, y, Mix(s.first, s.second, (long long)x - s.x, s.w));
                        break;
                    case DrawStep::Kind::kFrame:
                        if (edgeRow || x == s.x || x == (long long)s.x + s.w - 1)
                            Put(img, x, y, s.first);
                        else if (x < (long long)s.x + s.w - 1)
                            x = int(std::min<long long>((long long)s.x + s.w - 1, x1) - 1);
                        break;
                }
            }
        }
    }
    return img;
}

ImageDescription ScaleImage(const ImageDescription& d, int num, int den) {
    auto scale = [&](long long v) {
        long long n = v * num;
        return int(n >= 0 ? (n + den / 2) / den : -((-n + den / 2) / den));
    };
    ImageDescription out;
    out.width = scale(d.width);
    out.height = scale(d.height);
    const int line = std::max(1, scale(1));
    for (const DrawStep& s : d.steps) {
        const int x0 = scale(s.x), y0 = scale(s.y);
        const int x1 = scale((long long)s.x + s.w), y1 = scale((long long)s.y + s.h);
        DrawStep scaled = s;
        scaled.x = x0;
        scaled.y = y0;
        scaled.w = x1 - x0;
        scaled.h = y1 - y0;
        if (s.kind != DrawStep::Kind::kFrame) {
            out.steps.push_back(scaled);
            continue;
        }
        scaled.kind = DrawStep::Kind::kFill;
        const int t = std::min({line, scaled.w, scaled.h});
        if (t <= 0) continue;
        for (DrawStep edge : {DrawStep{scaled.kind, x0, y0, scaled.w, t, s.first, s.second},
                              DrawStep{scaled.kind, x0, y1 - t, scaled.w, t, s.first, s.second},
                              DrawStep{scaled.kind, x0, y0, t, scaled.h, s.first, s.second},
                              DrawStep{scaled.kind, x1 - t, y0, t, scaled.h, s.first, s.second}})
            out.steps.push_back(edge);
    }
    return out;
}
