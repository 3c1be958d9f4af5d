#pragma once

#include "StyleSelectors.h"
#include "WriteJob.h"
#include "WriteReport.h"

#include <QObject>
#include <QStringList>
#include <QUrl>
#include <array>

class ConfigWatch;
class Prompts;
class QAbstractButton;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QWidget;
class WriteController;

/// The main window's controller: the four radio groups and their settings, Browse, the folder
/// verbs, the line that shows what an image becomes, and the folder the window was started on.
class FileSelector : public QObject {
    Q_OBJECT

public:
    /// The group boxes get their radio buttons here, from the core's tables of choices.
    FileSelector(Prompts& prompts, WriteController& writer, QWidget* window,
                 std::array<QGroupBox*, 4> groups, QLabel* preview, QAbstractButton* subfolders);

    /// Lets the user choose images, writes config.xml beside the first and reports the outcome.
    void fileBrowseSelect();
    /// Lets the user choose a folder to write, or to check, starting at the folder in view.
    void chooseFolder(bool checking);
    /// Writes or checks `folder` as a drop or a chosen folder; false while another job runs.
    bool takeFolder(const QUrl& folder, WriteRequest::Source source);
    /// Writes the folders the last check found not current.
    void updateStale();
    /// Opens the window on the folder named on the command line: its own style chosen, and
    /// checked; anything else given is reported in the window.
    void openArguments(const QStringList& arguments);

signals:
    /// Whether there are folders of the last check to update, and nothing runs.
    void updateAvailable(bool available);
    /// Something to tell the user that is no write's outcome.
    void message(const QString& text);

private:
    void updatePreview();
    void follow(const SharedReport& report);
    void recheck(const std::vector<std::string>& configs);
    [[nodiscard]] bool shows(const std::vector<std::string>& configs) const;
    void followUndo(const QString& words, const std::vector<std::string>& configs);

    crestmap::StyleSelectors m_styles;
    Prompts& m_prompts;
    WriteController& m_writer;
    QWidget* m_window;
    std::array<QGroupBox*, 4> m_boxes;
    std::array<QButtonGroup*, 4> m_groups{};
    QLabel* m_preview;
    QAbstractButton* m_subfolders;
    QString m_inView;         ///< the folder the list shows, where the folder dialogs start
    SharedReport m_lastCheck; ///< the check shown, whose stale folders Update writes
    SharedReport m_shown;     ///< the report the list shows
    ConfigWatch* m_folders;   ///< its folders, for what changes in them by hand
    QString m_lead;           ///< what an undo did, said with the check after it
    std::vector<std::string> m_changed; ///< config.xml files changed since the list was made
    bool m_retrying = false;            ///< a check of them waits for a question or a job
};
