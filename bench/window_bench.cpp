// crestmap-window-bench [IMAGES]: drops a folder of IMAGES small PNGs on the real window
// (offscreen), then reports how long the results view took to fill after the write returned,
// the event loop's longest stall while the view is scrolled from top to bottom, and the window's
// peak memory above its idle state.

#include "MainWindow.h"
#include "Prompts.h"
#include "ResultAlert.h"
#include "ResultsModel.h"
#include "ResultsPanel.h"

#include <QApplication>
#include <QBuffer>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QImage>
#include <QMimeData>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableView>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {

class SilentPrompts final : public Prompts {
public:
    QList<QUrl> chooseImageFiles(QWidget*) override { return {}; }
    void showResultAlert(QWidget*, const ResultAlert&) override {}
};

long statusKiB(const char* field)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) {
            return std::stol(line.substr(std::string(field).size()));
        }
    }
    return 0;
}

fs::path makeFolder(long images)
{
    const fs::path folder =
        fs::temp_directory_path() / ("crestmap-window-bench-" + std::to_string(images));
    if (fs::exists(folder / ".complete")) {
        return folder;
    }
    fs::remove_all(folder);
    fs::create_directories(folder);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImage image(96, 64, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    image.save(&buffer, "PNG");
    for (long i = 0; i < images; ++i) {
        std::ofstream(folder / (std::to_string(100000 + i) + ".png"), std::ios::binary)
            .write(png.constData(), png.size());
    }
    std::ofstream(folder / ".complete") << images;
    return folder;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    QApplication app(argc, argv);
    const long images = argc > 1 ? std::stol(argv[1]) : 100000;
    const fs::path folder = makeFolder(images);

    SilentPrompts prompts;
    MainWindow window(&prompts);
    window.resize(760, 720);
    window.show();
    QApplication::processEvents();
    auto* panel = window.findChild<ResultsPanel*>();
    auto* drop = window.findChild<QWidget*>(QStringLiteral("folderDragView"));
    QTableView& view = panel->view();

    // Peak memory is measured from here: the idle window.
    std::ofstream("/proc/self/clear_refs") << "5";
    const long idleKiB = statusKiB("VmRSS:");

    // The write ends where the window is told what it did; from there the view must be filled
    // and painted.
    QElapsedTimer clock;
    qint64 writeReturned = 0;
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(folder.string()))});
    const QPointF centre = QRectF(drop->rect()).center();
    QDragEnterEvent enter(centre.toPoint(), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(drop, &enter);
    QDropEvent dropped(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    clock.start();
    // The window's first act on a finished write is its status line.
    QObject::connect(window.statusBar(), &QStatusBar::messageChanged, [&] {
        writeReturned = writeReturned != 0 ? writeReturned : clock.nsecsElapsed();
    });
    QApplication::sendEvent(drop, &dropped);
    view.viewport()->repaint();
    const qint64 filled = clock.nsecsElapsed();
    std::printf("images %ld, rows %d\n", images, panel->model().rowCount());
    std::printf("drop: write %.1f ms, results view filled and painted %.1f ms after it\n",
                static_cast<double>(writeReturned) / 1e6,
                static_cast<double>(filled - writeReturned) / 1e6);

    // Scroll from top to bottom in steps a user's fast flick would take, while a 1 ms timer
    // measures the longest time the event loop could not run.
    QScrollBar* bar = view.verticalScrollBar();
    const int steps = 1000;
    qint64 last = clock.nsecsElapsed();
    qint64 longest = 0;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        longest = std::max(longest, now - last);
        last = now;
    });
    QTimer scroller;
    QObject::connect(&scroller, &QTimer::timeout, [&] {
        if (bar->value() >= bar->maximum()) {
            scroller.stop();
            QTimer::singleShot(500, &app, &QApplication::quit);
            return;
        }
        // The range is known only once the view has laid the rows out.
        bar->setValue(bar->value() + std::max(1, bar->maximum() / steps));
        view.viewport()->repaint();
    });
    probe.start(1);
    scroller.start(8);
    last = clock.nsecsElapsed();
    const qint64 scrollStart = last;
    QApplication::exec();
    std::printf("scroll: %d steps in %.1f s, longest event-loop stall %.1f ms\n", steps,
                static_cast<double>(clock.nsecsElapsed() - scrollStart) / 1e9,
                static_cast<double>(longest) / 1e6);
    std::printf("memory: idle %.1f MiB, peak %.1f MiB above idle\n", idleKiB / 1024.0,
                static_cast<double>(statusKiB("VmHWM:") - idleKiB) / 1024.0);
    return 0;
}
