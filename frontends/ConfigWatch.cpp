#include "ConfigWatch.h"

#include "FileNames.h"
#include "PathText.h"

#include <QFileInfo>
#include <QSet>
#include <QStringList>
#include <algorithm>
#include <iterator>

namespace {
// Beyond this many folders a pack is not watched: each takes two of the system's watches.
constexpr std::size_t mostFolders = 2000;
#ifdef _WIN32
// Under Wine, a write into a watched pack never ended; until that is understood, not on Windows.
constexpr bool watching = false;
#else
constexpr bool watching = true;
#endif

QString configIn(const QString& folder)
{
    return folder + QStringLiteral("/config.xml");
}
} // namespace

ConfigWatch::ConfigWatch(QObject* parent) : QObject(parent)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(300);
    connect(&m_settle, &QTimer::timeout, this, &ConfigWatch::look);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_settle,
            qOverload<>(&QTimer::start));
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_settle, qOverload<>(&QTimer::start));
}

ConfigWatch::Stamp ConfigWatch::stampOf(const QString& folder)
{
    const QFileInfo config(configIn(folder));
    return {QFileInfo(folder).lastModified(), config.lastModified(),
            config.exists() ? config.size() : -1};
}

void ConfigWatch::watch(const SharedReport& report)
{
    m_folders.clear();
    if (const QStringList paths = m_watcher.files() + m_watcher.directories(); !paths.isEmpty()) {
        m_watcher.removePaths(paths);
    }
    if (!watching || !report || report->base.empty() || report->folderImages.size() > mostFolders) {
        return;
    }
    QStringList paths;
    for (const auto& [relative, images] : report->folderImages) {
        const QString folder =
            qtPath(relative == "." ? report->base : crestmap::joinPath(report->base, relative));
        m_folders.push_back({folder, stampOf(folder)});
        paths << folder << configIn(folder);
    }
    addPaths(paths);
}

void ConfigWatch::addPaths(const QStringList& paths)
{
    // A config.xml not there yet is seen through its folder.
    QStringList more;
    const QStringList files = m_watcher.files();
    const QSet<QString> watched(files.begin(), files.end());
    std::ranges::copy_if(paths, std::back_inserter(more), [&watched](const QString& path) {
        return !watched.contains(path) && QFileInfo::exists(path);
    });
    if (!more.isEmpty()) {
        (void)m_watcher.addPaths(more);
    }
}

void ConfigWatch::hold(bool held)
{
    m_held = held;
    for (Watched& each : m_folders) {
        each.stamp = held ? each.stamp : stampOf(each.folder);
    }
}

void ConfigWatch::look()
{
    if (m_held) {
        return;
    }
    std::vector<std::string> configs;
    QStringList paths;
    for (Watched& each : m_folders) {
        if (Stamp now = stampOf(each.folder); now != each.stamp) {
            each.stamp = now;
            configs.push_back(crestmap::configPathIn(coreBytes(each.folder)));
        }
        // One written anew by a rename is another file, watched anew.
        paths << configIn(each.folder);
    }
    addPaths(paths);
    if (!configs.empty()) {
        emit changed(configs);
    }
}
