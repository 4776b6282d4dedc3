#include "view/CGlyphs.h"
#include "view/CPainterSurface.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <optional>

namespace {

bool isWhite(QRgb pixel) {
    return qRed(pixel) == 255 && qGreen(pixel) == 255 && qBlue(pixel) == 255;
}

// The bounding box of everything that is not white.
std::optional<QRect> inkBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!isWhite(image.pixel(x, y))) box |= QRect(x, y, 1, 1);
    if (box.isNull()) return std::nullopt;
    return box;
}

int inkInRow(const QImage& image, int y, const QRect& box) {
    int count = 0;
    for (int x = box.left(); x <= box.right(); ++x)
        if (qGray(image.pixel(x, y)) < 128) ++count;
    return count;
}

// A white 300 x 300 image; for the diagram one logical unit is one pixel and y grows
// upward from the top edge, so logical (x, -y) is pixel (x, y).
class PainterSurfaceTest : public ::testing::Test {
protected:
    QImage image{300, 300, QImage::Format_ARGB32};

    void SetUp() override { image.fill(Qt::white); }

    template <typename Draw> void paint(bool yUp, Draw draw) {
        QPainter painter(&image);
        if (yUp) painter.scale(1, -1);
        CPainterSurface surface(painter, yUp);
        draw(surface);
    }
};

TEST_F(PainterSurfaceTest, GlyphHangsFromItsCornerUprightAndTransparentOutsideItsStrokes) {
    // A capacitor pointing up from its bus (orientation 270): its bus side is the bottom
    // edge of the picture, and it must stay there in the flipped diagram.
    paint(true, [](CDrawSurface& s) { s.Glyph(GlyphKind::Capacitor, 270, 100, -100); });
    const auto box = inkBox(image);
    ASSERT_TRUE(box);
    EXPECT_TRUE(QRect(100, 100, 10, 20).contains(*box)) << box->x() << "," << box->y();
    EXPECT_FALSE(isWhite(image.pixel(105, 119))) << "the stub sits at the bus, below";
    EXPECT_TRUE(isWhite(image.pixel(105, 100))) << "the far end is clear";
    // Around the strokes the white canvas shows through.
    EXPECT_TRUE(isWhite(image.pixel(100, 119)));
    EXPECT_TRUE(isWhite(image.pixel(109, 119)));
}

TEST_F(PainterSurfaceTest, GlyphInThePlotPaneHangsDownFromItsCorner) {
    paint(false, [](CDrawSurface& s) { s.Glyph(GlyphKind::Capacitor, 270, 100, 100); });
    const auto box = inkBox(image);
    ASSERT_TRUE(box);
    EXPECT_TRUE(QRect(100, 100, 10, 20).contains(*box));
    EXPECT_FALSE(isWhite(image.pixel(105, 119)));
}

TEST_F(PainterSurfaceTest, TextIsUprightBelowItsTopAndAlignedOnItsPoint) {
    struct Case {
        bool yUp;
        TextAlign align;
    };
    for (const Case c : {Case{true, TextAlign::Left}, Case{true, TextAlign::Right},
                         Case{true, TextAlign::Center}, Case{false, TextAlign::Left}}) {
        image.fill(Qt::white);
        paint(c.yUp, [&](CDrawSurface& s) {
            s.SetFont(FontKind::Label);
            s.Text(150, c.yUp ? -100 : 100, c.align, "TTT");
        });
        const auto box = inkBox(image);
        ASSERT_TRUE(box);
        // Top of the text at the reference row, the glyphs under it, 12 units high.
        EXPECT_GE(box->top(), 100);
        EXPECT_LE(box->top(), 104);
        EXPECT_LE(box->bottom(), 114);
        // A T has its bar on top: upside-down text would have it at the bottom.
        EXPECT_GT(inkInRow(image, box->top(), *box), 3 * inkInRow(image, box->bottom(), *box));
        switch (c.align) {
        case TextAlign::Left:
            EXPECT_GE(box->left(), 150);
            EXPECT_LE(box->left(), 153);
            break;
        case TextAlign::Right:
            EXPECT_LE(box->right(), 150);
            EXPECT_GE(box->right(), 147);
            break;
        case TextAlign::Center:
            EXPECT_LE(std::abs(box->center().x() - 150), 2);
            break;
        }
    }
}

TEST_F(PainterSurfaceTest, TextColourAndLabelFontHeight) {
    paint(true, [](CDrawSurface& s) {
        s.SetFont(FontKind::Label);
        s.SetTextColor({255, 0, 0});
        s.Text(20, -20, TextAlign::Left, "H");
    });
    const auto box = inkBox(image);
    ASSERT_TRUE(box);
    // A capital of a 12-unit Arial is about 8.6 units high.
    EXPECT_GE(box->height(), 8);
    EXPECT_LE(box->height(), 10);
    // The most strongly inked pixel of the letter is red.
    QRgb darkest = qRgb(255, 255, 255);
    for (int y = box->top(); y <= box->bottom(); ++y)
        for (int x = box->left(); x <= box->right(); ++x)
            if (qGreen(image.pixel(x, y)) < qGreen(darkest)) darkest = image.pixel(x, y);
    EXPECT_GT(qRed(darkest), 200);
    EXPECT_LT(qGreen(darkest), 60);
    EXPECT_LT(qBlue(darkest), 60);
    EXPECT_EQ(CPainterSurface::LabelFont().pixelSize(), 12);
    EXPECT_EQ(CPainterSurface::LabelFont().weight(), QFont::Normal);
}

TEST_F(PainterSurfaceTest, RectangleFillsWithTheBrushInsideThePenOutline) {
    paint(true, [](CDrawSurface& s) {
        s.SetPen({PenStyle::Solid, 1, {0, 0, 0}});
        s.SetBrush({true, {0, 255, 255}});
        s.Rectangle({50, -50, 120, -60});
    });
    EXPECT_EQ(image.pixel(85, 55), qRgb(0, 255, 255));
    EXPECT_TRUE(isWhite(image.pixel(85, 45)));
    EXPECT_TRUE(isWhite(image.pixel(85, 65)));
    EXPECT_FALSE(isWhite(image.pixel(50, 55))) << "left edge outlined";
}

TEST_F(PainterSurfaceTest, DottedPenLeavesGapsWhereASolidOneDoesNot) {
    paint(true, [](CDrawSurface& s) {
        s.SetPen({PenStyle::Dotted, 1, {0, 0, 0}});
        s.MoveTo(10, -20);
        s.LineTo(210, -20);
        s.SetPen({PenStyle::Solid, 1, {0, 0, 0}});
        const CPointL points[] = {{10, -40}, {210, -40}};
        s.Polyline(points, 2);
    });
    auto whites = [&](int row) {
        int count = 0;
        for (int x = 20; x < 200; ++x)
            if (isWhite(image.pixel(x, row)) && isWhite(image.pixel(x, row - 1))) ++count;
        return count;
    };
    EXPECT_GT(whites(20), 40);
    EXPECT_EQ(whites(40), 0);
}

TEST_F(PainterSurfaceTest, LeavesThePaintersStateAsItFoundIt) {
    QPainter painter(&image);
    painter.setPen(QPen(Qt::green, 3));
    painter.setBrush(Qt::red);
    {
        CPainterSurface surface(painter, false);
        surface.SetPen({PenStyle::Dotted, 1, {0, 0, 255}});
        surface.SetBrush({false, {}});
        surface.SetFont(FontKind::Label);
    }
    EXPECT_EQ(painter.pen().color(), QColor(Qt::green));
    EXPECT_EQ(painter.pen().width(), 3);
    EXPECT_EQ(painter.brush().color(), QColor(Qt::red));
}

} // namespace
