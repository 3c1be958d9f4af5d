#pragma once

#include "StyleSelectors.h"
#include "WriteJob.h"

#include <QList>
#include <QObject>
#include <QUrl>
#include <optional>
#include <string>

class Prompts;
class QButtonGroup;
class QWidget;
class WriteController;

/// The main window's controller: stores the radio choices and runs Browse.
class FileSelector : public QObject {
    Q_OBJECT

public:
    FileSelector(crestmap::StyleSelectors& styles, Prompts& prompts, WriteController& writer,
                 QWidget* window);

    void graphicStyleRadios(const QButtonGroup& sender);
    void logoTypeRadios(const QButtonGroup& sender);
    void kitTypeRadios(const QButtonGroup& sender);
    void backgroundTypeRadios(const QButtonGroup& sender);

    /// Lets the user choose images, writes config.xml beside the first and reports the outcome.
    void fileBrowseSelect();

    /// The write of the chosen files: config.xml beside the first, every file in order.
    [[nodiscard]] static WriteRequest browseRequest(const QList<QUrl>& files,
                                                    crestmap::StylePair style);

signals:
    /// A radio choice changed one of the settings.
    void stylesChanged();

private:
    void store(const QButtonGroup& sender, std::int64_t& setting);

    crestmap::StyleSelectors& m_styles;
    Prompts& m_prompts;
    WriteController& m_writer;
    QWidget* m_window;
};
