#pragma once

#include "WriteReport.h"

#include <QDateTime>
#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>
#include <string>
#include <vector>

/// The folders a list shows, watched for what no Crestmap program tells of: a config.xml edited
/// or removed by hand, images added or taken away.
class ConfigWatch : public QObject {
    Q_OBJECT

public:
    explicit ConfigWatch(QObject* parent = nullptr);

    /// Watches the folders of `report`, as they stand now; none for a list of files handed over.
    void watch(const SharedReport& report);
    /// While a job runs, what changes is its own doing, or told by its report: taken as it
    /// stands when the job ends.
    void hold(bool held);

signals:
    /// The config.xml of each folder that changed since it was watched.
    void changed(const std::vector<std::string>& configs);

private:
    /// A folder's listing and its config.xml, by what a change of either changes.
    struct Stamp {
        QDateTime folder;
        QDateTime config;
        qint64 size = -1;
        bool operator==(const Stamp&) const = default;
    };
    struct Watched {
        QString folder;
        Stamp stamp;
    };
    [[nodiscard]] static Stamp stampOf(const QString& folder);
    void look();
    void addPaths(const QStringList& paths);

    QFileSystemWatcher m_watcher;
    QTimer m_settle; ///< one look after a burst of changes, such as a copy of many images
    std::vector<Watched> m_folders;
    bool m_held = false;
};
