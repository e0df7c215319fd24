#include "widgets/core/theme_archive.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {
std::string ReadSourceFile(const std::string& relative) {
    std::string here = __FILE__;
    std::string root = here.substr(0, here.rfind("/tests/"));
    std::ifstream in(root + "/" + relative, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

ThemeRgb Rgb(unsigned v) { return {uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)}; }
}  // namespace

TEST(ThemeArchive, ReadsNamesColoursMetricsAndImages) {
    auto parsed = ParseThemeArchive(
        "KDC-THEME 1\r\n"
        "# comment\n"
        "\n"
        "name  Deep Forest \n"
        "base Midsummer\n"
        "color pageBack #FF8000\n"
        "metric titleBarHeight 24\n"
        "image dot 4 3\n"
        "  fill 0 0 4 3 #010203\n"
        "end\n");
    ASSERT_TRUE(parsed.archive) << parsed.error;
    const ThemeArchive& a = *parsed.archive;
    EXPECT_EQ(a.name, "Deep Forest");
    EXPECT_EQ(a.base, "Midsummer");
    EXPECT_EQ(a.colors.at("pageBack"), Rgb(0xFF8000));
    EXPECT_EQ(a.metrics.at("titleBarHeight"), 24);
    ASSERT_EQ(a.images.at("dot").steps.size(), 1u);
    EXPECT_EQ(a.images.at("dot").width, 4);
}

TEST(ThemeArchive, RefusesDamagedArchivesWithTheirLine) {
    struct Case {
        const char* text;
        int line;
    } cases[] = {
        {"", 0},
        {"KDC-THEME 2\n", 1},
        {"theme\n", 1},
        {"KDC-THEME 1\ncolor a #12345\n", 2},
        {"KDC-THEME 1\ncolor a #12345G\n", 2},
        {"KDC-THEME 1\ncolor a #123456\ncolor a #123456\n", 3},
        {"KDC-THEME 1\nmetric a 1x\n", 2},
        {"KDC-THEME 1\nsparkle on\n", 2},
        {"KDC-THEME 1\nimage a 0 5\nend\n", 2},
        {"KDC-THEME 1\nimage a 5000 5\nend\n", 2},
        {"KDC-THEME 1\nimage a 5 5\n  fill 0 0 5 #000000\nend\n", 3},
        {"KDC-THEME 1\nimage a 5 5\n  vgradient 0 0 5 5 #000000\nend\n", 3},
        {"KDC-THEME 1\nimage a 5 5\n  fill 0 0 5 5 #000000\n", 3},
    };
    for (const Case& c : cases) {
        auto parsed = ParseThemeArchive(c.text);
        EXPECT_FALSE(parsed.archive) << c.text;
        EXPECT_EQ(parsed.errorLine, c.line) << c.text;
        EXPECT_FALSE(parsed.error.empty());
    }
}

TEST(ThemeArchive, DrawsStepsInOrderClippedToTheImage) {
    ImageDescription d{10, 6, {}};
    d.steps.push_back({DrawStep::Kind::kFill, -5, -5, 100, 100, Rgb(0x102030), {}});
    d.steps.push_back({DrawStep::Kind::kVGradient, 0, 0, 10, 3, Rgb(0x000000), Rgb(0xFFFFFF)});
    d.steps.push_back({DrawStep::Kind::kHGradient, 0, 3, 5, 1, Rgb(0x000000), Rgb(0x0000FF)});
    d.steps.push_back({DrawStep::Kind::kFrame, 6, 3, 4, 3, Rgb(0xFF0000), {}});
    RenderedImage img = RenderImage(d);
    ASSERT_EQ(img.width, 10);
    EXPECT_EQ(img.stride, 32);
    EXPECT_EQ(img.At(0, 0), Rgb(0x000000));
    EXPECT_EQ(img.At(9, 1), Rgb(0x7F7F7F));
    EXPECT_EQ(img.At(3, 2), Rgb(0xFFFFFF));
    EXPECT_EQ(img.At(0, 3), Rgb(0x000000));
    EXPECT_EQ(img.At(4, 3), Rgb(0x0000FF));
    EXPECT_EQ(img.At(6, 3), Rgb(0xFF0000));
    EXPECT_EQ(img.At(9, 5), Rgb(0xFF0000));
    EXPECT_EQ(img.At(7, 4), Rgb(0x102030));  // inside the frame
    EXPECT_EQ(img.At(5, 5), Rgb(0x102030));
    EXPECT_EQ(img.At(10, 0), ThemeRgb{});  // outside reads as black
}

TEST(ThemeArchive, HugeStepCoordinatesStayInside) {
    ImageDescription d{3, 3, {}};
    d.steps.push_back({DrawStep::Kind::kVGradient, -2000000000, -2000000000, 2000000000, 2100000000,
                       Rgb(0x000000), Rgb(0xFFFFFF)});
    d.steps.push_back(
        {DrawStep::Kind::kFrame, 2000000000, 2000000000, 2000000000, 2000000000, Rgb(0xFF0000), {}});
    RenderedImage img = RenderImage(d);
    EXPECT_EQ(img.width, 3);
    EXPECT_EQ(img.bgr.size(), 3u * 12u);
}

TEST(ThemeArchive, BuiltInThemesParseAndTheSkinHasTheFrameGeometry) {
    auto midsummer = ParseThemeArchive(ReadSourceFile("resources/themes/midsummer.theme"));
    ASSERT_TRUE(midsummer.archive) << midsummer.errorLine << ": " << midsummer.error;
    EXPECT_EQ(midsummer.archive->name, "Midsummer");
    const ImageDescription& skin = midsummer.archive->images.at("skin");
    EXPECT_EQ(skin.width, 710);
    EXPECT_EQ(skin.height, 540);
    RenderedImage img = RenderImage(skin);
    // The edges are uniform along their length, so stretching them keeps the frame intact.
    for (int y : {28, 60, 99, 300, 519}) EXPECT_EQ(img.At(3, y), img.At(3, 28)) << y;
    for (int x : {8, 50, 99, 400}) EXPECT_EQ(img.At(x, 535), img.At(8, 535)) << x;
    for (int x : {8, 50, 99}) EXPECT_EQ(img.At(x, 14), img.At(8, 14)) << x;

    auto mainfrom = ParseThemeArchive(ReadSourceFile("resources/themes/mainfrom.theme"));
    ASSERT_TRUE(mainfrom.archive) << mainfrom.errorLine << ": " << mainfrom.error;
    EXPECT_EQ(mainfrom.archive->name, "mainfrom");
    EXPECT_EQ(mainfrom.archive->base, "Midsummer");
    EXPECT_EQ(mainfrom.archive->colors.at("border"), Rgb(0x000000));
}

// A picture drawn again at 150 %: the same shapes at that scale, its frame's line as thick as the scale.
TEST(ThemeArchive, ScaledImagesAreTheSameShapesAtTheirScale) {
    ImageDescription d{10, 8, {{DrawStep::Kind::kFill, 0, 0, 10, 8, Rgb(0x0000FF), {}}}};
    d.steps.push_back({DrawStep::Kind::kFrame, 2, 2, 6, 4, Rgb(0xFF0000), {}});
    EXPECT_EQ(RenderImage(ScaleImage(d, 1, 1)).bgr, RenderImage(d).bgr);
    RenderedImage img = RenderImage(ScaleImage(d, 3, 2));
    ASSERT_EQ(img.width, 15);
    ASSERT_EQ(img.height, 12);
    for (int x : {2, 5, 9, 12}) EXPECT_EQ(img.At(x, 5), Rgb(0x0000FF)) << x;
    for (int x : {3, 4, 10, 11}) EXPECT_EQ(img.At(x, 5), Rgb(0xFF0000)) << x;
}
