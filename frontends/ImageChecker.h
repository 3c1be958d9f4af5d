#pragma once

#include "WriteReport.h"

#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <memory>
#include <vector>

/// Reads the first bytes of every image a write mapped, on a worker, and hands back in small
/// batches the images that would not load, so the window never waits for a disk.
class ImageChecker : public QObject {
    Q_OBJECT

public:
    explicit ImageChecker(QObject* parent = nullptr);
    ~ImageChecker() override;

    /// Checks the mapped images of `report`, abandoning any check under way.
    void check(const SharedReport& report);
    /// Abandons the check under way, if any.
    void stop();
    [[nodiscard]] bool running() const noexcept { return m_running; }

signals:
    /// Some images that would not load, and how far the check has come.
    void found(std::vector<ResultRow> problems, std::size_t done, std::size_t total);
    void finished();

private:
    QThreadPool m_pool;
    std::shared_ptr<std::atomic<bool>> m_stop;
    bool m_running = false;
};
