#include "overlay/ui/KeycapPainter.h"

#include "input/EventRecords.h"
#include "input/KeystrokeFormatter.h"
#include "overlay/KeyLabels.h"
#include "overlay/KeycapColors.h"
#include "overlay/OverlayController.h"
#include "overlay/ui/KeycapArtwork.h"

#include <QFont>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace kestrel {
namespace {

Keycap letter(const std::string& symbol)
{
    return Keycap{.id = "key-0", .symbol = symbol, .isPressed = false};
}

class KeycapPainterTest : public ::testing::Test {
protected:
    // Paints one keycap at the top-left of a transparent image, at pixel ratio 1.
    QImage paint(const Keycap& keycap, KeyColor color = KeyColor::dark, double sink = 0, double size = 64)
    {
        const KeycapGeometry geometry(size, keycap.shape);
        QImage image(static_cast<int>(std::ceil(geometry.width)) + 2, static_cast<int>(geometry.height) + 20,
                     QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.translate(1, 1);
        keycaps.paint(painter, QPointF(0, 0), keycap, size, color, sink);
        return image;
    }

    // The bounding box of the pixels that differ between two pictures.
    static QRect difference(const QImage& a, const QImage& b)
    {
        QRect box;
        for (int y = 0; y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                if (a.pixel(x, y) != b.pixel(x, y))
                    box |= QRect(x, y, 1, 1);
            }
        }
        return box;
    }

    KeycapArtwork artwork;
    KeycapPainter keycaps{artwork};
};

TEST_F(KeycapPainterTest, TheCapSinksAndTheBaseStays)
{
    const Keycap key = letter("K");
    const QImage up = paint(key);
    const QImage down = paint(key, KeyColor::dark, 1);
    const KeycapGeometry geometry(64, KeycapShape::key);
    // The legend (light on the dark cap) goes down with the cap, by the sink distance.
    const auto legend = [](const QImage& picture) {
        QRect box;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb pixel = picture.pixel(x, y);
                if (qAlpha(pixel) == 255 && qGray(pixel) > 180)
                    box |= QRect(x, y, 1, 1);
            }
        }
        return box;
    };
    const QRect legendUp = legend(up);
    const QRect legendDown = legend(down);
    ASSERT_FALSE(legendUp.isEmpty());
    EXPECT_NEAR(legendDown.top() - legendUp.top(), geometry.sinkDistance(), 1.0);
    EXPECT_EQ(legendDown.height(), legendUp.height());
    EXPECT_EQ(legendDown.left(), legendUp.left()) << "straight down";
    // Nothing is drawn past the frame when up; when down the cap reaches 4.39 points lower.
    EXPECT_EQ(qAlpha(up.pixel(50, static_cast<int>(geometry.height) + 3)), 0);
    EXPECT_GT(qAlpha(up.pixel(50, 50)), 250) << "opaque in the middle";

    // A scroll keycap is pressed by its data but never sinks.
    Keycap scroll{
        .id = "scroll", .symbol = "↓", .name = "scroll", .mouse = MouseGlyph::forScroll(ScrollDirection::down)};
    EXPECT_EQ(paint(scroll), paint(scroll, KeyColor::dark, 1));
}

TEST_F(KeycapPainterTest, ScrollArrowsSitOnTheirSideOfTheMouse)
{
    const auto picture = [&](ScrollDirection direction) {
        return paint(Keycap{.id = "scroll", .name = "scroll", .mouse = MouseGlyph::forScroll(direction)});
    };
    const QImage up = picture(ScrollDirection::up);
    const QPoint centre = QRectF(KeycapGeometry(64, KeycapShape::key).labelArea().x + 1,
                                 KeycapGeometry(64, KeycapShape::key).labelArea().y + 1,
                                 KeycapGeometry(64, KeycapShape::key).labelArea().width,
                                 KeycapGeometry(64, KeycapShape::key).labelArea().height)
                              .center()
                              .toPoint();
    // Against the picture of another direction, only the arrows differ.
    EXPECT_LT(difference(up, picture(ScrollDirection::down)).top(), centre.y() - 10);
    EXPECT_GT(difference(picture(ScrollDirection::down), up).bottom(), centre.y() + 10);
    const QRect horizontal = difference(picture(ScrollDirection::left), picture(ScrollDirection::right));
    EXPECT_LT(horizontal.left(), centre.x() - 10);
    EXPECT_GT(horizontal.right(), centre.x() + 10);
    const QRect leftOnly = difference(picture(ScrollDirection::left), picture(ScrollDirection::up));
    EXPECT_LT(leftOnly.left(), centre.x() - 10);
}

TEST_F(KeycapPainterTest, TheCapsLockLightGlowsWhenOn)
{
    const auto capsLock = [](bool on) {
        return Keycap{
            .id = "caps-lock", .symbol = "⇪", .name = "caps lock", .indicatorIsOn = on, .shape = KeycapShape::shift};
    };
    const KeycapGeometry geometry(64, KeycapShape::shift);
    const Box face = geometry.labelArea();
    const QPoint light(static_cast<int>(1 + face.x + geometry.lightInset() + geometry.lightDiameter() / 2),
                       static_cast<int>(1 + face.y + geometry.lightInset() + geometry.lightDiameter() / 2));
    const QColor on = paint(capsLock(true)).pixelColor(light);
    const QColor off = paint(capsLock(false)).pixelColor(light);
    const QColor white = paint(capsLock(true), KeyColor::white).pixelColor(light);
    EXPECT_GT(on.green(), 150);
    EXPECT_GT(on.green(), on.red() + 60) << "green";
    EXPECT_NEAR(off.red(), off.green(), 8) << "grey when off";
    EXPECT_LT(off.red(), 120);
    EXPECT_GT(white.red(), 240);
    EXPECT_GT(white.blue(), 240) << "white on a white keycap";
}

TEST_F(KeycapPainterTest, TintedCapsCarryTheirColour)
{
    const QColor blue = paint(letter("A"), KeyColor::blue).pixelColor(20, 60);
    const QColor white = paint(letter("A"), KeyColor::white).pixelColor(20, 60);
    const QColor dark = paint(letter("A"), KeyColor::dark).pixelColor(20, 60);
    EXPECT_GT(blue.blue(), blue.red() + 60);
    EXPECT_GT(white.lightness(), 180);
    EXPECT_LT(dark.lightness(), 90);
}

TEST_F(KeycapPainterTest, PicturesKeptStayWithinTheirBudgetThroughEveryStyle)
{
    // Every colour at every size and two pixel ratios, each with more keycaps than a row
    // holds: many times what the budget has room for.
    std::size_t made = 0;
    for (const qreal ratio : {1.0, 2.0}) {
        for (const OverlaySize size : allCases<OverlaySize>()) {
            for (const KeyColor colour : allCases<KeyColor>()) {
                for (char symbol = 'A'; symbol <= 'D'; ++symbol) {
                    const Keycap key = letter(std::string(1, symbol));
                    const double points = OverlayController::fontSize(size);
                    for (const KeycapPicture picture :
                         {KeycapPicture::base, KeycapPicture::cap, KeycapPicture::blurred}) {
                        const QImage& image = keycaps.picture(key, picture, points, colour, ratio);
                        made += static_cast<std::size_t>(image.sizeInBytes());
                    }
                    ASSERT_LE(keycaps.cachedBytes(), keycaps.cacheBudget());
                }
            }
        }
    }
    EXPECT_GT(made, 4 * keycaps.cacheBudget());

    // What was let go is made again the same; what is kept is the latest style.
    KeycapArtwork freshArtwork;
    KeycapPainter fresh(freshArtwork);
    const double large = OverlayController::fontSize(OverlaySize::large);
    for (const KeyColor colour : {KeyColor::dark, KeyColor::green}) {
        const QImage again = keycaps.picture(letter("Q"), KeycapPicture::cap, large, colour, 2);
        EXPECT_EQ(again, fresh.picture(letter("Q"), KeycapPicture::cap, large, colour, 2));
    }
}

TEST_F(KeycapPainterTest, KeepingOnlyRecentPicturesLetsTheRestGoAndStillMakesEachRight)
{
    KeycapArtwork freshArtwork;
    KeycapPainter fresh(freshArtwork);
    for (char symbol = 'A'; symbol <= 'L'; ++symbol)
        keycaps.picture(letter(std::string(1, symbol)), KeycapPicture::cap, 64, KeyColor::dark, 1);
    const std::size_t keptBefore = keycaps.cachedBytes();
    keycaps.keepOnlyRecentPictures();
    EXPECT_LT(keycaps.cacheBudget(), keptBefore);
    EXPECT_LE(keycaps.cachedBytes(), keycaps.cacheBudget());

    // A keycap's pictures asked for in a row, as a surface uploads them: each as it should be,
    // the blurred one made from a cap no longer kept.
    for (char symbol = 'M'; symbol <= 'R'; ++symbol) {
        const Keycap key = letter(std::string(1, symbol));
        for (const KeycapPicture picture : {KeycapPicture::blurred, KeycapPicture::base, KeycapPicture::cap}) {
            const QImage made = keycaps.picture(key, picture, 64, KeyColor::blue, 1);
            EXPECT_EQ(made, fresh.picture(key, picture, 64, KeyColor::blue, 1)) << symbol;
        }
        ASSERT_LE(keycaps.cachedBytes(), keycaps.cacheBudget());
    }
}

TEST(KeycapFonts, EveryLabelKestrelCanShowHasItsGlyphs)
{
    std::vector<std::string> labels;
    for (const auto& [code, key] : KeystrokeFormatter::specialKeys()) {
        labels.emplace_back(key.symbol);
        if (key.name)
            labels.emplace_back(*key.name);
    }
    for (Modifier modifier : allModifiers) {
        labels.emplace_back(symbol(modifier));
        labels.emplace_back(caption(modifier));
    }
    // The names of PC keyboards too.
    for (const auto& label : KeyLabels::pcModifierLabels()) {
        labels.emplace_back(label.legend.symbol);
        labels.emplace_back(label.legend.name);
    }
    for (const auto& label : KeyLabels::pcKeyLabels()) {
        labels.emplace_back(label.legend.symbol);
        labels.emplace_back(label.legend.name);
    }
    // And those of other languages' keyboards.
    for (const auto& table : KeyLabels::pcLegendTables()) {
        for (const auto& label : table.modifiers) {
            labels.emplace_back(label.legend.symbol);
            labels.emplace_back(label.legend.name);
        }
        for (const auto& label : table.keys) {
            labels.emplace_back(label.legend.symbol);
            labels.emplace_back(label.legend.name);
        }
    }
    for (const char* text : {"⇪", "caps lock", "↑", "↓", "←", "→", "left click", "middle click", "right click",
                             "scroll", "ß", "SS", "é", "ф", "@", "´", "^", "¨"})
        labels.emplace_back(text);

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(30);
    for (const std::string& label : labels) {
        if (label.empty())
            continue;
        QTextLayout layout(QString::fromStdString(label), font);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (const QGlyphRun& run : layout.glyphRuns()) {
            for (quint32 glyph : run.glyphIndexes())
                EXPECT_NE(glyph, 0u) << "missing glyph in \"" << label << "\" ("
                                     << run.rawFont().familyName().toStdString() << ")";
        }
    }
}

} // namespace
} // namespace kestrel
