#pragma once

#include <QObject>
#include <QString>
#include <functional>

/// What became of handing a file to the desktop, when it did not simply open.
enum class Opening { Failed, NoAnswer };

/// The window's calls into the desktop behind one seam, so that tests start no other programs:
/// none of them waits for the program it starts.
class Desktop {
public:
    virtual ~Desktop() = default;

    /// Opens a file or folder in the desktop's own program for it; calls `trouble` later, on the
    /// window's thread, when nothing could or the program has not answered.
    virtual void open(const QString& path, const std::function<void(Opening)>& trouble) = 0;

    /// Shows a file in the file manager, selected where the desktop allows it, or else opens its
    /// folder.
    virtual void showInFolder(const QString& path, const std::function<void(Opening)>& trouble) = 0;
};

/// The system's own: xdg-open and the file manager's D-Bus call on Linux, and on Windows the
/// shell on a thread of its own, which the window never waits for.
class SystemDesktop final : public QObject, public Desktop {
public:
    using QObject::QObject;
    void open(const QString& path, const std::function<void(Opening)>& trouble) override;
    void showInFolder(const QString& path, const std::function<void(Opening)>& trouble) override;
};
