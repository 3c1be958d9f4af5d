#pragma once

#include "StyleSelectors.h"
#include "WriteReport.h"

#include <QList>
#include <QObject>
#include <QUrl>
#include <optional>
#include <string>

class Prompts;
class QButtonGroup;
class QWidget;

/// The main window's controller: stores the radio choices and runs Browse.
class FileSelector : public QObject {
    Q_OBJECT

public:
    FileSelector(crestmap::StyleSelectors& styles, Prompts& prompts, QWidget* window);

    void graphicStyleRadios(const QButtonGroup& sender);
    void logoTypeRadios(const QButtonGroup& sender);
    void kitTypeRadios(const QButtonGroup& sender);
    void backgroundTypeRadios(const QButtonGroup& sender);

    /// Lets the user choose images, writes config.xml beside the first and reports the outcome.
    void fileBrowseSelect();

    /// Where Browse writes for these files: the first one's folder; nothing when it is not local.
    [[nodiscard]] static std::optional<std::string> configPathFor(const QList<QUrl>& files);

signals:
    /// A radio choice changed one of the settings.
    void stylesChanged();
    /// A write ended, with what it did; the alert follows.
    void reported(const SharedReport& report);

private:
    void store(const QButtonGroup& sender, std::int64_t& setting);

    crestmap::StyleSelectors& m_styles;
    Prompts& m_prompts;
    QWidget* m_window;
};
