#include "ImageChecker.h"

#include "FileNames.h"
#include "ImageCheck.h"

#include <QElapsedTimer>

ImageChecker::ImageChecker(QObject* parent) : QObject(parent)
{
    m_pool.setMaxThreadCount(1);
}

ImageChecker::~ImageChecker()
{
    stop();
    m_pool.waitForDone();
}

void ImageChecker::stop()
{
    if (m_stop) {
        *m_stop = true;
    }
    m_running = false;
}

void ImageChecker::check(const SharedReport& report)
{
    stop();
    auto stopped = std::make_shared<std::atomic<bool>>(false);
    m_stop = stopped;
    m_running = true;
    // The pool is this object's and is waited for when it goes, so `this` outlives the task.
    m_pool.start([this, report, stopped] {
        std::size_t total = 0;
        for (const ResultRow& row : report->rows) {
            total += row.kind == ResultRow::Kind::Mapped ? 1 : 0;
        }
        std::vector<ResultRow> batch;
        std::size_t done = 0;
        QElapsedTimer sinceLast;
        sinceLast.start();
        const auto hand = [&](bool last) {
            QMetaObject::invokeMethod(
                this,
                [this, stopped, problems = std::move(batch), done, total, last]() mutable {
                    if (*stopped) {
                        return;
                    }
                    emit found(std::move(problems), done, total);
                    if (last) {
                        m_running = false;
                        emit finished();
                    }
                },
                Qt::QueuedConnection);
            batch.clear();
            sinceLast.restart();
        };
        for (const ResultRow& row : report->rows) {
            if (*stopped) {
                return;
            }
            if (row.kind != ResultRow::Kind::Mapped) {
                continue;
            }
            const std::string path =
                report->base.empty() ? row.path : crestmap::joinPath(report->base, row.path);
            if (auto problem = crestmap::imageLoadProblem(path)) {
                batch.push_back({ResultRow::Kind::Unloadable, {}, row.path, std::move(*problem)});
            }
            // A few times a second is enough for the header, and keeps the queue short.
            if (++done % 64 == 0 && sinceLast.elapsed() >= 100) {
                hand(false);
            }
        }
        hand(true);
    });
}
