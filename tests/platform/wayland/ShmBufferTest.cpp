// Kestrel's shared-memory buffers against a real compositor (sway, headless): how many are
// made, which one a frame is drawn in, what becomes of those of an old size, and of memory
// that cannot be had.

#include "platform/wayland/WaylandConnection.h"
#include "platform/wayland/WaylandGlobals.h"

#include "support/wayland/SwayServer.h"

#include <gtest/gtest.h>

#include <wayland-client.h>

#include <csignal>
#include <memory>
#include <sys/resource.h>

namespace kestrel::wayland {
namespace {

using namespace std::chrono_literals;

class ShmBufferTest : public ::testing::Test {
protected:
    static test::SwayServer& sway()
    {
        static test::SwayServer server(640, 480);
        return server;
    }

    void SetUp() override
    {
        ASSERT_TRUE(sway().isRunning()) << sway().error();
        const QProcessEnvironment client = sway().clientEnvironment();
        // The compositor's socket, by its full path.
        display = wl_display_connect(client.value(QStringLiteral("WAYLAND_DISPLAY")).toLocal8Bit().constData());
        ASSERT_NE(display, nullptr);
        ASSERT_TRUE(globals.bind(display));
        ASSERT_NE(globals.shm, nullptr);
        surface = wl_compositor_create_surface(globals.compositor);
    }
    void TearDown() override
    {
        buffers.clear();
        if (surface)
            wl_surface_destroy(surface);
        globals.release();
        if (display)
            wl_display_disconnect(display);
    }

    ShmBuffer* take(int width, int height, std::size_t maximum = 3)
    {
        return freeBuffer(buffers, globals.shm, width, height, maximum, [this] { ++releases; });
    }
    // Shows the buffer on the surface, as a frame does: the compositor holds it from now on.
    void show(ShmBuffer& buffer)
    {
        wl_surface_attach(surface, buffer.buffer, 0, 0);
        wl_surface_damage_buffer(surface, 0, 0, buffer.width, buffer.height);
        wl_surface_commit(surface);
        buffer.busy = true;
        wl_display_flush(display);
    }
    // Reads what the compositor says until `done`, for up to three seconds.
    template <typename Done>
    bool awaitCompositor(Done done)
    {
        for (int turn = 0; turn < 300 && !done(); ++turn) {
            if (!roundTrip(display, 10ms))
                continue;
        }
        return done();
    }

    wl_display* display = nullptr;
    Globals globals;
    wl_surface* surface = nullptr;
    std::list<ShmBuffer> buffers;
    int releases = 0;
};

TEST_F(ShmBufferTest, TwoTakeTurnsAndAThirdIsMadeOnlyWhileTheCompositorHoldsBoth)
{
    ShmBuffer* first = take(64, 32);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->image().size(), QSize(64, 32));
    EXPECT_EQ(first->stale, QRegion(0, 0, 64, 32)) << "a new buffer is drawn whole";
    show(*first);
    ShmBuffer* second = take(64, 32);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    show(*second);
    // The compositor lets go of the first once the second is on the surface.
    ASSERT_TRUE(awaitCompositor([&] { return !first->busy; }));
    EXPECT_GE(releases, 1) << "the frame waiting for a buffer hears of it";
    EXPECT_EQ(take(64, 32), first);
    EXPECT_EQ(buffers.size(), 2u);

    // All held, and no more may be made: nothing, until one comes back.
    first->busy = true;
    EXPECT_EQ(take(64, 32, 2), nullptr);
    EXPECT_EQ(buffers.size(), 2u);
}

TEST_F(ShmBufferTest, BuffersOfAnOldSizeGoOnceTheCompositorLetsGoOfThem)
{
    ShmBuffer* old = take(64, 32);
    ASSERT_NE(old, nullptr);
    show(*old);
    ShmBuffer* spare = take(64, 32);
    ASSERT_NE(spare, nullptr);
    // A new size: the free one of the old size goes at once, the held one stays for now.
    ShmBuffer* resized = take(80, 40);
    ASSERT_NE(resized, nullptr);
    EXPECT_EQ(resized->image().size(), QSize(80, 40));
    EXPECT_EQ(buffers.size(), 2u);
    show(*resized);
    ASSERT_TRUE(awaitCompositor([&] { return !old->busy; }));
    ShmBuffer* next = take(80, 40);
    ASSERT_NE(next, nullptr);
    EXPECT_NE(next, resized);
    for (const ShmBuffer& buffer : buffers)
        EXPECT_EQ(buffer.width, 80) << "a buffer of the old size is kept";
}

TEST_F(ShmBufferTest, AFrameDrawnAsABufferComesBackMayLetGoOfThatVeryBuffer)
{
    // A buffer of a size the overlay no longer has is shown; the frame that waits for it is
    // drawn at the new size when the compositor lets go of it, and so drops it, while its
    // release is still being told.
    auto token = std::make_shared<int>(0); // held by what the release calls, while it runs
    const std::weak_ptr<int> calledStillHeld = token;
    bool heldWhileDrawing = false;
    ShmBuffer* resized = nullptr;
    ShmBuffer* old = freeBuffer(buffers, globals.shm, 64, 32, 3, [&, token = std::move(token)] {
        resized = take(80, 40);
        heldWhileDrawing = !calledStillHeld.expired();
    });
    ASSERT_NE(old, nullptr);
    show(*old);
    ShmBuffer* next = take(64, 32);
    ASSERT_NE(next, nullptr);
    show(*next);
    ASSERT_TRUE(awaitCompositor([&] { return resized != nullptr; })) << "the waiting frame was not drawn";
    EXPECT_TRUE(heldWhileDrawing) << "what the release called went while it ran";
    EXPECT_TRUE(calledStillHeld.expired()) << "the old buffer is kept";
    EXPECT_EQ(buffers.size(), 2u);
    EXPECT_TRUE(roundTrip(display));
    EXPECT_EQ(wl_display_get_error(display), 0);
}

TEST_F(ShmBufferTest, MemoryThatCannotBeHadMakesNoBufferAndLeavesNothingBehind)
{
    // Files (a buffer's memory is one) may be no larger than a kilobyte for now.
    rlimit before{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto previousSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    ShmBuffer* refused = take(64, 32);
    ::setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previousSignal);

    EXPECT_EQ(refused, nullptr);
    EXPECT_TRUE(buffers.empty()) << "a half-made buffer is kept";
    ShmBuffer* made = take(64, 32);
    ASSERT_NE(made, nullptr) << "memory that can be had again makes one";
    show(*made);
    EXPECT_TRUE(roundTrip(display));
    EXPECT_EQ(wl_display_get_error(display), 0) << "the compositor took it";
}

} // namespace
} // namespace kestrel::wayland
