// A window that covers its screen in one colour and says on standard output what reaches it:
// "ready" once shown, "press X Y" for a mouse press, "key TEXT" for a key. The Wayland tests
// use it to see whether Kestrel's overlay lets clicks and keys through to the window below.

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

class InputLogWindow final : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(0x30, 0x60, 0xc0));
        if (!m_saidReady) {
            m_saidReady = true;
            QTimer::singleShot(0, [] { say("ready"); });
        }
    }
    void mousePressEvent(QMouseEvent* event) override
    {
        const QPoint at = event->globalPosition().toPoint();
        std::printf("press %d %d\n", at.x(), at.y());
        std::fflush(stdout);
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        std::printf("key %s\n", event->text().toUtf8().constData());
        std::fflush(stdout);
    }

private:
    static void say(const char* what)
    {
        std::printf("%s\n", what);
        std::fflush(stdout);
    }
    bool m_saidReady = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    InputLogWindow window;
    window.setWindowTitle(QStringLiteral("Kestrel test window"));
    window.showFullScreen();
    return application.exec();
}
