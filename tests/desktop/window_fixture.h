// Helpers for driving the real window: read the picture it shows, answer the
// modal boxes it opens without blocking, and find its controls.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "frame_probe.h"
#include "wave_app.h"
#include "wave_window.h"

// What the window shows at its plot rectangle, read back from a grab of the
// whole window: blue, green, red bytes, the bottom row first, the layout the
// dialog's frame has.
struct ShownFrame {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bits;

    FrameProbe Probe() const { return FrameProbe(bits, width, height); }
};

inline ShownFrame Shown(WaveWindow& window) {
    const QImage grab = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const PixelRect r = window.Dialog().PlotRect();
    ShownFrame shown{r.Width(), r.Height(), {}};
    shown.bits.reserve(static_cast<std::size_t>(shown.width) * shown.height * 3);
    for (int row = 0; row < shown.height; ++row) {
        for (int col = 0; col < shown.width; ++col) {
            const QRgb c = grab.pixel(r.left + col, r.bottom - 1 - row);
            shown.bits.push_back(static_cast<std::uint8_t>(qBlue(c)));
            shown.bits.push_back(static_cast<std::uint8_t>(qGreen(c)));
            shown.bits.push_back(static_cast<std::uint8_t>(qRed(c)));
        }
    }
    return shown;
}

// The dialog's own frame, as it would copy it to the screen.
inline std::vector<std::uint8_t> FrameBytes(const CWaveDlg& dlg) {
    std::vector<std::uint8_t> bits(static_cast<std::size_t>(dlg.Frame().Width()) *
                                   dlg.Frame().Height() * 3);
    dlg.Frame().CopyTo(bits.data());
    return bits;
}

// Watches for a window that find() returns and runs act() on it, from the
// event loop that window runs in; each window is acted on once. Gives up
// after patienceMs, so that a test which expects a box that never comes
// fails instead of hanging.
class WhenShown {
  public:
    WhenShown(std::function<QWidget*()> find, std::function<void(QWidget*)> act,
              int patienceMs = 10000)
        : find_(std::move(find)), act_(std::move(act)), patience_(patienceMs) {
        clock_.start();
        poll_.setInterval(20);
        QObject::connect(&poll_, &QTimer::timeout, [this] { Poll(); });
        poll_.start();
    }
    int Seen() const { return seen_; }

  private:
    void Poll() {
        if (clock_.elapsed() > patience_) {
            poll_.stop();
            return;
        }
        QWidget* w = find_();
        if (!w || !w->isVisible() || w == last_) return;
        last_ = w;
        ++seen_;
        act_(w);
    }

    std::function<QWidget*()> find_;
    std::function<void(QWidget*)> act_;
    int patience_;
    QElapsedTimer clock_;
    QTimer poll_;
    QPointer<QWidget> last_;
    int seen_ = 0;
};

inline QWidget* ActiveModal() {
    return QApplication::activeModalWidget();
}

// A fresh main window, shown and active, as the program opens it.
inline std::unique_ptr<WaveWindow> OpenWindow() {
    auto window = std::make_unique<WaveWindow>();
    window->SetWebOpener([](const QUrl&) {});
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) qWarning("the window did not become active");
    return window;
}

template <class Widget>
Widget* ControlOf(WaveWindow& window, int id) {
    return qobject_cast<Widget*>(window.Control(id));
}

inline QTabBar* TabBarOf(WaveWindow& window) {
    return window.Control(1010)->findChild<QTabBar*>();
}

// Runs a test class with the program's own application object.
#define VELQUOR_DESKTOP_TEST_MAIN(TestClass)    \
    int main(int argc, char** argv) {           \
        CWaveApp app(argc, argv);               \
        TestClass test;                         \
        return QTest::qExec(&test, argc, argv); \
    }
