#include "ConfigWriteAction.h"

#include "ConfigBuilder.h"

#include <QCoreApplication>
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

WriteOutcome writeConfigShowingBusy(const std::string& configPath,
                                    std::span<const std::string> files, crestmap::StylePair style)
{
    const BusyCursor busy;
    const crestmap::WriteResult result =
        crestmap::ConfigBuilder::writeConfig(configPath, files, style.graphicStyle, style.subType);
    if (!result) {
        return WriteOutcome::failed(QString::fromStdString(result.error));
    }
    const char* text = result.records == 1 ? "Wrote %1 record to %2" : "Wrote %1 records to %2";
    return {true, QCoreApplication::translate("WriteOutcome", text)
                      .arg(QString::number(result.records), QFile::decodeName(configPath.c_str()))};
}
