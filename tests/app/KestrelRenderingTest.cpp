// What the overlay puts on the screen, pixel for pixel: five scenes a user sees every day,
// held still and compared with pictures of how they looked when they were right. A change to
// how the overlay reaches the screen must leave them as they are. The pictures are kept in
// tests/app/references; KESTREL_UPDATE_REFERENCES=1 writes them anew from the running build
// (and then compares nothing), for a change that means to alter them.

#include "app/KestrelAppFixture.h"

#include <QImage>

#include <cstdlib>
#include <functional>

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
// over each other centre on centre.
int mismatches(const QImage& image, const QImage& reference)
{
    const int width = std::min(image.width(), reference.width());
    const int height = std::min(image.height(), reference.height());
    const QPoint imageOrigin((image.width() - width) / 2, (image.height() - height) / 2);
    const QPoint referenceOrigin((reference.width() - width) / 2, (reference.height() - height) / 2);
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
    return count;
}

void PrintTo(const Scene& scene, std::ostream* out)
{
    *out << scene.name;
}

class KestrelRenderingTest : public KestrelAppTest, public ::testing::WithParamInterface<Scene> {};

TEST_P(KestrelRenderingTest, TheSceneLooksAsItDidWhenItWasRight)
{
    const Scene& scene = GetParam();
    ASSERT_NO_FATAL_FAILURE(start());
    scene.act(input);
    // Once every animation has ended: two looks in a row that find the same picture.
    test::runEventLoop(300ms);
    Screenshot shot = screenshot();
    const bool still = test::runEventLoopUntil(
        [&] {
            Screenshot next = screenshot();
            const bool same = next.pixels == shot.pixels;
            shot = std::move(next);
            return same;
        },
        3s, 60ms);
    scene.undo(input);
    ASSERT_TRUE(still) << "the overlay never held still";
    ASSERT_FALSE(shot.changed.isNull()) << "nothing on screen";
    const QImage image = cropped(shot);
    const QString path = QStringLiteral(KESTREL_REFERENCE_DIR "/%1.png").arg(QString::fromLatin1(scene.name));

    if (qEnvironmentVariableIsSet("KESTREL_UPDATE_REFERENCES")) {
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
        const QString seen =
            QDir::temp().filePath(QStringLiteral("kestrel-%1.png").arg(QString::fromLatin1(scene.name)));
        image.save(seen);
        ADD_FAILURE() << wrong << " pixels differ (at most " << allowed << " may); what was on screen is in "
                      << seen.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Kestrel, KestrelRenderingTest, ::testing::ValuesIn(scenes), [](const auto& info) {
    std::string name;
    for (const char* letter = info.param.name; *letter; ++letter) {
        if (*letter != '-')
            name += *letter;
    }
    return name;
});

} // namespace
} // namespace kestrel::test
