#include "ConfigWriteAction.h"

#include "ConfigBuilder.h"

#include <QCursor>
#include <QFile>
#include <QGuiApplication>

namespace {

class BusyCursor {
public:
    BusyCursor() { QGuiApplication::setOverrideCursor(Qt::BusyCursor); }
    ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

std::optional<std::string> localPathOf(const QUrl& url)
{
    if (!url.isLocalFile()) {
        return std::nullopt;
    }
    const QString path = url.toLocalFile();
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return QFile::encodeName(path).toStdString();
}

bool writeConfigShowingBusy(const std::string& configPath, std::span<const std::string> files,
                            crestmap::StylePair style)
{
    const BusyCursor busy;
    return static_cast<bool>(
        crestmap::ConfigBuilder::writeConfig(configPath, files, style.graphicStyle, style.subType));
}
