#include "view/CGlyphs.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

constexpr GlyphKind kAllGlyphs[] = {GlyphKind::Capacitor,    GlyphKind::Fault,
                                    GlyphKind::Zground,      GlyphKind::PowerInjectionMeter,
                                    GlyphKind::VoltageMeter, GlyphKind::Generator,
                                    GlyphKind::Transformer};
constexpr int kOrientations[] = {0, 90, 180, 270};

QSize expectedSize(GlyphKind glyph, int orientation) {
    const bool across = orientation == 90 || orientation == 270;
    if (glyph == GlyphKind::Transformer) return {10, 20};
    if (glyph == GlyphKind::Generator) return across ? QSize(16, 25) : QSize(25, 16);
    return across ? QSize(10, 20) : QSize(20, 10);
}

// Pixels at least half covered by a stroke.
int inkedPixels(const QImage& image) {
    int inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) >= 128) ++inked;
    return inked;
}

TEST(GlyphsTest, EveryPictureHasTheSymbolSizeInUnitsAndATransparentBackground) {
    for (qreal ratio : {1.0, 4.0}) {
        const CGlyphs glyphs(ratio);
        for (GlyphKind glyph : kAllGlyphs) {
            for (int orientation : kOrientations) {
                const QPixmap& pixmap = glyphs.Pixmap(glyph, orientation);
                const QSize size = expectedSize(glyph, orientation);
                EXPECT_EQ(CGlyphs::Size(glyph, orientation), size);
                EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), size);
                EXPECT_EQ(pixmap.size(), size * ratio);
                const QImage image = pixmap.toImage();
                ASSERT_TRUE(image.hasAlphaChannel());
                // The corners are never part of a stroke: the picture shows through
                // only where it is drawn.
                const int w = image.width() - 1;
                const int h = image.height() - 1;
                for (QPoint corner : {QPoint(0, 0), QPoint(w, 0), QPoint(0, h), QPoint(w, h)})
                    EXPECT_EQ(qAlpha(image.pixel(corner)), 0)
                        << static_cast<int>(glyph) << " " << orientation << " ratio " << ratio;
                const int inked = inkedPixels(image);
                EXPECT_GT(inked, image.width() * image.height() / 20);
                EXPECT_LT(inked, image.width() * image.height() / 2);
            }
        }
    }
}

TEST(GlyphsTest, BusSideOfEachSymbolFacesThePlacingPoint) {
    // The stub of every symbol that has one starts on the edge facing its bus: right for
    // 0, top for 90, left for 180, bottom for 270; the opposite edge stays clear.
    const GlyphKind withStub[] = {GlyphKind::Capacitor, GlyphKind::Zground,
                                  GlyphKind::PowerInjectionMeter, GlyphKind::VoltageMeter,
                                  GlyphKind::Generator};
    const CGlyphs glyphs(4.0);
    for (GlyphKind glyph : withStub) {
        for (int orientation : kOrientations) {
            const QImage image = glyphs.Pixmap(glyph, orientation).toImage();
            const int w = image.width() - 1;
            const int h = image.height() - 1;
            QPoint busSide, farSide;
            switch (orientation) {
            case 0:
                busSide = {w, h / 2};
                farSide = {0, h / 2};
                break;
            case 90:
                busSide = {w / 2, 0};
                farSide = {w / 2, h};
                break;
            case 180:
                busSide = {0, h / 2};
                farSide = {w, h / 2};
                break;
            default:
                busSide = {w / 2, h};
                farSide = {w / 2, 0};
                break;
            }
            // The stub is one unit (four pixels) wide, so the middle pixel row or
            // column either side of the centre line is fully covered.
            EXPECT_EQ(qAlpha(image.pixel(busSide)), 255)
                << static_cast<int>(glyph) << " " << orientation;
            EXPECT_EQ(qAlpha(image.pixel(farSide)), 0)
                << static_cast<int>(glyph) << " " << orientation;
        }
    }
}

TEST(GlyphsTest, UnknownOrientationFallsBackToTheFirst) {
    const CGlyphs glyphs;
    EXPECT_EQ(glyphs.Pixmap(GlyphKind::Capacitor, 45).cacheKey(),
              glyphs.Pixmap(GlyphKind::Capacitor, 0).cacheKey());
    EXPECT_EQ(&CGlyphs::Shared(), &CGlyphs::Shared());
}

} // namespace
