// What the overlay puts on the screen, pixel for pixel: five scenes a user sees every day,
// held still and compared with pictures of how they looked when they were right, whether the
// X server composes the overlay or Qt paints it. A change to how the overlay reaches the
// screen must leave them as they are; a German PC keyboard's Control, too. The pictures are
// kept in tests/integration/references; KESTREL_UPDATE_REFERENCES=1 writes them anew from the
// running build (and then compares nothing), for a change that means to alter them.

#include "integration/KestrelAppFixture.h"

#include <QImage>

#include <cstdlib>
#include <functional>
#include <tuple>

namespace kestrel::test {
namespace {

constexpr std::uint32_t leftShift = 42;
constexpr std::uint32_t capsLock = 58;
constexpr std::uint8_t scrollDown = 5;
// A pixel matches when no channel is further off than this, and a scene matches when no more
// than one pixel in `allowedMismatch` does not (anti-aliasing may round differently).
constexpr int channelTolerance = 16;
constexpr int allowedMismatch = 200;

struct Scene {
    const char* name;
    std::function<void(XTestDriver&)> act;
    std::function<void(XTestDriver&)> undo;
};

const Scene scenes[] = {
    {"control-c",
     [](XTestDriver& input) {
         input.key(leftControl, true);
         input.key(c, true);
     },
     [](XTestDriver& input) {
         input.key(c, false);
         input.key(leftControl, false);
     }},
    {"shift-a",
     [](XTestDriver& input) {
         input.key(leftShift, true);
         input.key(a, true);
     },
     [](XTestDriver& input) {
         input.key(a, false);
         input.key(leftShift, false);
     }},
    {"caps-lock", [](XTestDriver& input) { input.tap(capsLock); }, [](XTestDriver& input) { input.tap(capsLock); }},
    {"click",
     [](XTestDriver& input) {
         input.moveTo(screenWidth / 2, 300);
         input.buttonAsync(1, true);
         input.sync();
     },
     [](XTestDriver& input) {
         input.buttonAsync(1, false);
         input.sync();
     }},
    {"scroll-with-command",
     [](XTestDriver& input) {
         input.key(leftSuper, true);
         input.click(scrollDown);
     },
     [](XTestDriver& input) { input.key(leftSuper, false); }},
};

QImage cropped(const Screenshot& shot)
{
    const QImage screen(reinterpret_cast<const uchar*>(shot.pixels.data()), screenWidth, screenHeight,
                        QImage::Format_RGB32);
    return screen.copy(shot.changed);
}

// How many pixels of `image` differ from `reference` by more than the tolerance, the two laid
// over each other where they match best (a crop may take in one more faint column or row).
int mismatches(const QImage& image, const QImage& reference)
{
    const int width = std::min(image.width(), reference.width());
    const int height = std::min(image.height(), reference.height());
    int fewest = width * height;
    for (int dy = 0; dy <= std::abs(image.height() - reference.height()); ++dy) {
        for (int dx = 0; dx <= std::abs(image.width() - reference.width()); ++dx) {
            const QPoint imageOrigin(image.width() > width ? dx : 0, image.height() > height ? dy : 0);
            const QPoint referenceOrigin(reference.width() > width ? dx : 0, reference.height() > height ? dy : 0);
            int count = 0;
            for (int y = 0; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    const QRgb one = image.pixel(imageOrigin + QPoint(x, y));
                    const QRgb other = reference.pixel(referenceOrigin + QPoint(x, y));
                    if (std::abs(qRed(one) - qRed(other)) > channelTolerance ||
                        std::abs(qGreen(one) - qGreen(other)) > channelTolerance ||
                        std::abs(qBlue(one) - qBlue(other)) > channelTolerance)
                        ++count;
                }
            }
            fewest = std::min(fewest, count);
        }
    }
    return fewest;
}

// How the overlay reaches the screen: composed by the X server, or painted by Qt.
enum class Drawing { server, qt };

class KestrelRenderingTest : public KestrelAppTest {
protected:
    // Acts out the scene and takes the screen once every animation has ended: the same picture
    // for longer than any pause between an animation's frames (a released caps lock rises only
    // after 150 ms; a spring's last steps of a pixel come slowly).
    QImage stillScene(const Scene& scene)
    {
        scene.act(input);
        Screenshot shot = screenshot();
        auto changedAt = std::chrono::steady_clock::now();
        const bool still = test::runEventLoopUntil(
            [&] {
                Screenshot next = screenshot();
                const auto now = std::chrono::steady_clock::now();
                if (next.pixels != shot.pixels) {
                    shot = std::move(next);
                    changedAt = now;
                }
                return !shot.changed.isNull() && now - changedAt >= 400ms;
            },
            5s, 60ms);
        scene.undo(input);
        EXPECT_TRUE(still) << "the overlay never held still";
        EXPECT_FALSE(shot.changed.isNull()) << "nothing on screen";
        return shot.changed.isNull() ? QImage() : cropped(shot);
    }

    bool ownsCompositingSelection()
    {
        const xcb_atom_t selection = x11::internAtom(connection, "_NET_WM_CM_S0");
        if (selection == XCB_ATOM_NONE)
            return false;
        const XcbPointer<xcb_get_selection_owner_reply_t> owner(
            xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr));
        return owner && owner->owner != XCB_NONE;
    }

    static QString referencePath(const char* name)
    {
        return QStringLiteral(KESTREL_REFERENCE_DIR "/%1.png").arg(QString::fromLatin1(name));
    }

    // Compares what was on screen with the picture `name`, or writes the picture anew when
    // asked to (and `writes` says this run may).
    void expectAsReference(const QImage& image, const char* name, bool writes = true)
    {
        const QString path = referencePath(name);
        if (qEnvironmentVariableIsSet("KESTREL_UPDATE_REFERENCES") && writes) {
            ASSERT_TRUE(image.save(path)) << path.toStdString();
            GTEST_SKIP() << "wrote " << path.toStdString();
        }
        const QImage reference(path);
        ASSERT_FALSE(reference.isNull()) << "no reference picture at " << path.toStdString();
        EXPECT_LE(std::abs(image.width() - reference.width()), 2) << "width";
        EXPECT_LE(std::abs(image.height() - reference.height()), 2) << "height";
        const int wrong = mismatches(image, reference.convertToFormat(QImage::Format_RGB32));
        const int allowed = image.width() * image.height() / allowedMismatch;
        if (wrong > allowed) {
            const QString seen = QDir::temp().filePath(QStringLiteral("kestrel-%1.png").arg(QString::fromLatin1(name)));
            image.save(seen);
            ADD_FAILURE() << wrong << " pixels differ (at most " << allowed << " may); what was on screen is in "
                          << seen.toStdString();
        }
    }
};

class KestrelSceneTest : public KestrelRenderingTest,
                         public ::testing::WithParamInterface<std::tuple<Scene, Drawing>> {};

TEST_P(KestrelSceneTest, TheSceneLooksAsItDidWhenItWasRight)
{
    const auto& [scene, drawing] = GetParam();
    if (drawing == Drawing::qt)
        extraEnvironment["KESTREL_OVERLAY"] = "qt";
    ASSERT_NO_FATAL_FAILURE(start());
    const QImage image = stillScene(scene);
    ASSERT_FALSE(image.isNull());
    expectAsReference(image, scene.name, drawing == Drawing::server);
}

INSTANTIATE_TEST_SUITE_P(Kestrel, KestrelSceneTest,
                         ::testing::Combine(::testing::ValuesIn(scenes),
                                            ::testing::Values(Drawing::server, Drawing::qt)),
                         [](const auto& info) {
                             std::string name;
                             for (const char* letter = std::get<0>(info.param).name; *letter; ++letter) {
                                 if (*letter != '-')
                                     name += *letter;
                             }
                             return name + (std::get<1>(info.param) == Drawing::qt ? "_qt" : "_server");
                         });

TEST_F(KestrelRenderingTest, InGermanAPcKeyboardsControlReadsStrg)
{
    writePreferences(R"({"keyLabelStyle": "pc"})");
    extraEnvironment["LANGUAGE"] = "de";
    ASSERT_NO_FATAL_FAILURE(start());
    const QImage image = stillScene(scenes[0]);
    ASSERT_FALSE(image.isNull());
    expectAsReference(image, "control-c-german");
}

// Pixels where the keycaps' soft edges were mixed with the blue desktop behind them.
int blended(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if ((pixel & 0xffffff) != background && qBlue(pixel) > qRed(pixel) + 24)
                ++count;
        }
    }
    return count;
}

TEST_F(KestrelRenderingTest, WithACompositingManagerTheKeycapsEdgesBlendWithTheDesktop)
{
    const Scene& scene = scenes[0];
    const QImage reference = QImage(referencePath(scene.name)).convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(reference.isNull());
    EXPECT_EQ(blended(reference), 0) << "without one, the window is cut to the keycaps and nothing blends";

    // A compositing manager draws the desktop from the root pixmap it is pointed to (grey
    // without one): the same blue.
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const xcb_pixmap_t desktop = xcb_generate_id(connection);
    xcb_create_pixmap(connection, screen->root_depth, desktop, root, 1, 1);
    const xcb_gcontext_t brush = xcb_generate_id(connection);
    xcb_create_gc(connection, brush, desktop, XCB_GC_FOREGROUND, &background);
    const xcb_rectangle_t pixel{0, 0, 1, 1};
    xcb_poly_fill_rectangle(connection, desktop, brush, 1, &pixel);
    const xcb_atom_t property = x11::internAtom(connection, "_XROOTPMAP_ID");
    ASSERT_NE(property, xcb_atom_t{XCB_ATOM_NONE});
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, root, property, XCB_ATOM_PIXMAP, 32, 1, &desktop);
    xcb_flush(connection);

    // Kestrel draws without one first, then a compositing manager starts: the keycaps it is
    // shown next must be whole, not only what changed since.
    ASSERT_NO_FATAL_FAILURE(start());
    const QImage cut = stillScene(scene);
    EXPECT_LE(mismatches(cut, reference), cut.width() * cut.height() / 200);
    ASSERT_TRUE(test::runEventLoopUntil([&] { return screenshot().changed.isNull(); }, 10s));

    // The compositor's events on the root window: exposures among them, which nothing asked
    // for before it.
    const auto rootExposures = [&] {
        const XcbPointer<xcb_get_window_attributes_reply_t> attributes(
            xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, root), nullptr));
        return attributes && (attributes->all_event_masks & XCB_EVENT_MASK_EXPOSURE) != 0;
    };
    ASSERT_FALSE(rootExposures());
    QProcess compositor;
    compositor.setProcessEnvironment(kestrelEnvironment());
    compositor.start(QStringLiteral("xcompmgr"), {});
    ASSERT_TRUE(compositor.waitForStarted()) << "xcompmgr is needed for this test";
    // It owns the compositing selection once it has set up.
    ASSERT_TRUE(test::runEventLoopUntil([&] { return ownsCompositingSelection(); }, 5s)) << "xcompmgr never started";
    // It asks for the root window's exposures once it has redirected the windows, then draws
    // the desktop; the baseline is that drawing.
    ASSERT_TRUE(test::runEventLoopUntil(rootExposures, 5s)) << "xcompmgr never set up";
    takeBaseline();
    const QImage image = stillScene(scene);
    compositor.terminate();
    compositor.waitForFinished(3000);
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(blended(image), 20) << "the rounded corners mix with the blue behind them";
    // Only their translucent rims differ from the picture without one (there they lie over
    // black): the keycaps themselves are the same.
    EXPECT_LE(mismatches(image, reference), image.width() * image.height() / 20);
}

TEST_F(KestrelRenderingTest, AWindowThatComesOverTheKeycapsIsCoveredAgainByTheNextKey)
{
    ASSERT_NO_FATAL_FAILURE(start());
    input.key(a, true);
    const Screenshot shown = settledScreenshot();
    ASSERT_FALSE(shown.changed.isNull());

    // A window of another program, mapped over the keycap: red, and on top.
    constexpr std::uint32_t red = 0xff0000;
    const xcb_window_t cover = xcb_generate_id(connection);
    const std::uint32_t values[] = {red, 1};
    xcb_create_window(connection, XCB_COPY_FROM_PARENT, cover, root, 0,
                      static_cast<std::int16_t>(shown.changed.top() - 50), screenWidth,
                      static_cast<std::uint16_t>(shown.changed.height() + 100), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                      XCB_COPY_FROM_PARENT, XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT, values);
    xcb_map_window(connection, cover);
    xcb_flush(connection);
    const QPoint middle = shown.changed.center();
    const auto pixelAt = [&](const Screenshot& shot) {
        return shot.pixels[static_cast<std::size_t>(middle.y() * screenWidth + middle.x())] & 0xffffff;
    };
    EXPECT_EQ(pixelAt(settledScreenshot()), red) << "the window covers the keycap";

    input.key(c, true);
    EXPECT_NE(pixelAt(settledScreenshot()), red) << "the next key brings the keycaps back on top";
    input.key(c, false);
    input.key(a, false);
    xcb_destroy_window(connection, cover);
    xcb_flush(connection);
}

} // namespace
} // namespace kestrel::test
