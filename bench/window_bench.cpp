// crestmap-window-bench [IMAGES]: the real window (offscreen) under the loads its users give it.
// - A folder of IMAGES small PNGs dropped: how soon it is written and listed, the event loop's
//   longest stall while it is written and its images are checked in the background, then while
//   the list is scrolled top to bottom; sorting the list, typing in its filter box; peak memory
//   above the idle window; sorting by image with a row selected, and showing the report again
//   with its columns sized.
// - A pack of 100 folders of 1,000 images dropped with its sub-folders: the longest stall while
//   it is written, how often the progress is updated, and how soon Cancel gives control back;
//   then the same pack checked, against crestmap-cli --recursive --check on it.
// - A pack of 1,000 folders written, then undone from a window that does not show that write:
//   how soon Undo asks which write it is, and how long it takes.
// In the language of LANGUAGE/LANG, as the window would start.
// Every wait has a bound: a result or an end that never comes fails the bench, saying which.

#include "Desktop.h"
#include "FolderDragView.h"
#include "MainWindow.h"
#include "Prompts.h"
#include "ResultAlert.h"
#include "ResultsModel.h"
#include "ResultsPanel.h"
#include "ResultsProxy.h"
#include "ResultsView.h"
#include "Translator.h"
#include "WriteController.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <numeric>
#include <string>

namespace fs = std::filesystem;

namespace {

class SilentPrompts final : public Prompts, public Desktop {
public:
    QList<QUrl> chooseImageFiles(QWidget*) override { return {}; }
    QUrl chooseFolder(QWidget*, bool, const QString&) override { return folder; }
    StyleChoice choosePlan(QWidget*, const crestmap::PackPlan&, crestmap::StylePair, bool) override
    {
        return StyleChoice::WriteChosenStyle;
    }
    StyleChoice chooseKeep(QWidget*, const QString&, const crestmap::MappingScan&,
                           std::optional<crestmap::StylePair>, crestmap::StylePair, bool) override
    {
        return StyleChoice::WriteChosenStyle;
    }
    bool confirmUndo(QWidget*, const QString&) override
    {
        asked = true;
        return true;
    }
    bool confirmForce(QWidget*, const QStringList&, std::size_t) override { return false; }
    AlertAnswer showResultAlert(QWidget*, const ResultAlert&) override
    {
        ++alerts;
        return AlertAnswer::Ok;
    }
    bool confirmQuit(QWidget*, const QString&, bool) override { return true; }
    void showText(QWidget*, const QString&, const QString&) override {}
    void open(const QString&, const std::function<void(Opening)>&) override {}
    void showInFolder(const QString&, const std::function<void(Opening)>&) override {}
    int alerts = 0;
    bool asked = false;
    QUrl folder;
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

// FOLDERS folders of IMAGES small PNGs each (FOLDERS 0: the images in the root itself).
fs::path makePack(long folders, long images)
{
    const fs::path root =
        fs::temp_directory_path() /
        ("crestmap-window-bench-" + std::to_string(folders) + "-" + std::to_string(images));
    if (fs::exists(root / ".complete")) {
        return root;
    }
    fs::remove_all(root);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    QImage image(96, 64, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    image.save(&buffer, "PNG");
    for (long f = 0; f < std::max(1L, folders); ++f) {
        const fs::path folder = folders == 0 ? root : root / ("f" + std::to_string(1000 + f));
        fs::create_directories(folder);
        for (long i = 0; i < images; ++i) {
            std::ofstream(folder / (std::to_string(100000 + i) + ".png"), std::ios::binary)
                .write(png.constData(), png.size());
        }
    }
    std::ofstream(root / ".complete") << images;
    return root;
}

// The longest time the event loop could not run, measured by a 1 ms timer, until `done`.
struct StallProbe {
    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    QTimer timer;
    StallProbe()
    {
        timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer, &QTimer::timeout, [this] {
            const qint64 now = clock.nsecsElapsed();
            longest = std::max(longest, now - last);
            last = now;
        });
    }
    double runUntil(const std::function<bool()>& done, const char* what = "the end")
    {
        clock.start();
        last = 0;
        longest = 0;
        timer.start(1);
        while (!done()) {
            QApplication::processEvents(QEventLoop::AllEvents, 5);
            if (clock.elapsed() > 300000) {
                std::fprintf(stderr, "no %s within 300 s\n", what);
                std::exit(1);
            }
        }
        timer.stop();
        return static_cast<double>(longest) / 1e6;
    }
};

void dropFolder(QWidget* area, const fs::path& folder)
{
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QString::fromStdString(folder.string()))});
    const QPoint centre = area->rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(area, &enter);
    QDropEvent dropped(centre, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(area, &dropped);
}

// Until the job is past its survey and has told how far it came, in the words of any language.
void progressedOnce(StallProbe& probe, WriteController& writer, const char* what)
{
    bool told = false;
    const auto telling = QObject::connect(
        &writer, &WriteController::progressed,
        [&told](const QString&, std::size_t, std::size_t total) { told = told || total > 0; });
    probe.runUntil([&] { return told && writer.busy(); }, what);
    QObject::disconnect(telling);
}

double since(const QElapsedTimer& clock)
{
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The journals of these writes are the bench's own.
    qputenv("XDG_CACHE_HOME",
            QFile::encodeName(QString::fromStdString(
                (fs::temp_directory_path() / "crestmap-window-bench-cache").string())));
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    QApplication app(argc, argv);
    // In the language the user's system asks for, as the window starts.
    std::printf("language: %s\n", qPrintable(installTranslators(app).bcp47Name()));
    const long images = argc > 1 ? std::stol(argv[1]) : 100000;
    const fs::path folder = makePack(0, images);
    const fs::path pack = makePack(100, 1000);
    const fs::path many = makePack(1000, 3);

    SilentPrompts prompts;
    MainWindow window(prompts, prompts);
    window.show();
    QApplication::processEvents();
    auto* panel = window.findChild<ResultsPanel*>();
    auto* area = window.findChild<FolderDragView*>(QStringLiteral("folderDragView"));
    WriteController& writer = window.writer();
    QTableView& view = panel->view();
    StallProbe probe;

    std::ofstream("/proc/self/clear_refs") << "5";
    const long idleKiB = statusKiB("VmRSS:");

    SharedReport shown;
    QObject::connect(&writer, &WriteController::reported,
                     [&shown](const SharedReport& report) { shown = report; });

    // One big folder: written, listed, its images checked in the background.
    QElapsedTimer clock;
    clock.start();
    dropFolder(area, folder);
    const double writeStall =
        probe.runUntil([&] { return prompts.alerts == 1; }, "alert after the folder's write");
    std::printf("folder of %ld images: written, its images checked and listed in %.0f ms; "
                "longest stall %.1f ms\n",
                images, since(clock), writeStall);

    QScrollBar* bar = view.verticalScrollBar();
    QTimer scroller;
    QObject::connect(&scroller, &QTimer::timeout, [&] {
        bar->setValue(bar->value() + std::max(1, bar->maximum() / 1000));
        view.viewport()->repaint();
    });
    QApplication::processEvents();
    const int scrollRange = bar->maximum();
    scroller.start(8);
    const double scrollStall =
        probe.runUntil([&] { return bar->value() >= bar->maximum(); }, "end of the scrolling");
    scroller.stop();
    std::printf("scroll top to bottom (%d px): longest stall %.1f ms\n", scrollRange, scrollStall);

    clock.restart();
    view.sortByColumn(ResultsModel::PictureColumn, Qt::AscendingOrder);
    std::printf("sort %d rows by picture: %.1f ms\n", panel->model().rowCount(), since(clock));
    auto* filter = panel->findChild<QLineEdit*>("resultsFilter");
    double slowest = 0;
    for (const char key : std::string("10099")) {
        clock.restart();
        QTest::keyClick(filter, key);
        QApplication::processEvents();
        slowest = std::max(slowest, since(clock));
    }
    std::printf("filter box: slowest key %.1f ms (%d rows left)\n", slowest,
                view.model()->rowCount());
    filter->clear();
    std::printf("memory: idle %.1f MiB, peak %.1f MiB above idle with %ld rows\n", idleKiB / 1024.0,
                static_cast<double>(statusKiB("VmHWM:") - idleKiB) / 1024.0, images);
    // Numbers as numbers, the selection kept: a row is selected, so its place is followed.
    view.selectRow(panel->model().rowCount() / 2);
    for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
        clock.restart();
        view.sortByColumn(ResultsModel::FileColumn, order);
        std::printf("sort by image, %s, a row selected: %.1f ms\n",
                    order == Qt::AscendingOrder ? "ascending" : "descending", since(clock));
    }
    clock.restart();
    panel->showReport(shown);
    std::printf("the report shown again, columns sized from a sample: %.1f ms\n", since(clock));

    // A pack of 100 folders: the stall and the progress while it is written, then Cancel.
    window.findChild<QCheckBox*>("includeSubfolders")->setChecked(true);
    int updates = 0;
    const auto counting =
        QObject::connect(&writer, &WriteController::progressed, [&updates] { ++updates; });
    clock.restart();
    dropFolder(area, pack);
    const double packStall =
        probe.runUntil([&] { return prompts.alerts == 2; }, "alert after the pack's write");
    const double packTime = since(clock);
    QObject::disconnect(counting);
    std::printf("pack of 100 folders x 1000 images: %.0f ms, longest stall %.1f ms, "
                "progress %.1f updates a second\n",
                packTime, packStall, updates / (packTime / 1000));
    dropFolder(area, pack);
    progressedOnce(probe, writer, "progress of the second write");
    clock.restart();
    QTest::mouseClick(panel->findChild<QPushButton*>("cancelButton"), Qt::LeftButton);
    probe.runUntil([&] { return area->isEnabled(); }, "drop area after Cancel");
    std::printf("Cancel: the drop area enabled again %.1f ms after the click\n", since(clock));
    probe.runUntil([&] { return prompts.alerts == 3; }, "alert after Cancel");

    // The same pack checked in the window, against the command line's check of it, in turn.
    prompts.folder = QUrl::fromLocalFile(QString::fromStdString(pack.string()));
    QAction* check = window.findChild<QAction*>(QStringLiteral("checkFolderAction"));
    std::vector<double> cliTimes;
    std::vector<double> windowTimes;
    double checkStall = 0;
    updates = 0;
    const auto checking =
        QObject::connect(&writer, &WriteController::progressed, [&updates] { ++updates; });
    for (int round = 0; round < 3; ++round) {
        QElapsedTimer cli;
        cli.start();
        QProcess process;
        process.setStandardOutputFile(QProcess::nullDevice());
        process.start(QStringLiteral(CRESTMAP_CLI_PATH),
                      {QStringLiteral("--recursive"), QStringLiteral("--check"),
                       QString::fromStdString(pack.string())});
        process.waitForFinished(-1);
        cliTimes.push_back(since(cli));
        clock.restart();
        check->trigger();
        probe.runUntil([&] { return writer.busy(); }, "the check to start");
        checkStall =
            std::max(checkStall, probe.runUntil([&] { return !writer.busy(); }, "the check's end"));
        windowTimes.push_back(since(clock));
    }
    QObject::disconnect(checking);
    std::sort(cliTimes.begin(), cliTimes.end());
    std::sort(windowTimes.begin(), windowTimes.end());
    const double windowTotal = std::accumulate(windowTimes.begin(), windowTimes.end(), 0.0);
    std::printf("check of the pack, 3 rounds: %.0f ms (crestmap-cli -r --check %.0f ms, ratio of "
                "medians %.2f), longest stall %.1f ms, progress %.1f updates a second\n",
                windowTimes[1], cliTimes[1], windowTimes[1] / cliTimes[1], checkStall,
                updates / (windowTotal / 1000));
    check->trigger();
    progressedOnce(probe, writer, "the second check's progress");
    clock.restart();
    writer.cancel();
    probe.runUntil([&] { return !writer.busy(); }, "the check's end after Cancel");
    std::printf("Cancel of the check: done %.1f ms after it\n", since(clock));

    // Undo of a write of 1,000 folders, as a window that shows another write would ask it.
    dropFolder(area, many);
    probe.runUntil([&] { return prompts.alerts == 4; }, "alert after the 1,000 folders");
    clock.restart();
    bool undone = false;
    double askedAfter = 0;
    QObject::connect(&writer, &WriteController::reported, [&undone] { undone = true; });
    QTimer::singleShot(0, [&] {
        writer.undo(std::string());
        askedAfter = since(clock);
    });
    probe.runUntil([&] { return undone; }, "end of Undo");
    std::printf("Undo of a write of 1000 folders: asked which write %.1f ms after it was called, "
                "done in %.0f ms%s\n",
                askedAfter, since(clock), prompts.asked ? "" : " (never asked!)");
    return 0;
}
