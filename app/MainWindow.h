#pragma once

#include "StyleSelectors.h"
#include "WriteReport.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>

class FileSelector;
class Prompts;
class QButtonGroup;
class WriteController;
namespace Ui {
class MainWindow;
}

/// Crestmap's one window: the four style groups, a live record example, Browse, Write folder,
/// the drop area and the results of the last write.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    /// Uses the real dialogs unless `prompts` is given; a given one must outlive the window.
    explicit MainWindow(Prompts* prompts = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    [[nodiscard]] const crestmap::StyleSelectors& styles() const noexcept { return m_styles; }
    [[nodiscard]] WriteController& writer() noexcept { return *m_writer; }

    /// Opens the window on the folder named on the command line: its own style chosen, and
    /// checked; anything else given is reported in the window.
    void openArguments(const QStringList& arguments);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void connectGroup(QButtonGroup* group, const std::function<void(const QButtonGroup&)>& action);
    void connectCommands();
    void updatePreview();
    void report(const SharedReport& report);
    void open(const QString& path);
    void couldNotOpen(const QString& path);
    void writeFolder();
    void checkFolder();
    void checkFolderAt(const QUrl& folder);
    void updateStale();
    void chooseStyle(crestmap::StylePair style);
    void showAbout();
    void showHelp();

    std::unique_ptr<Ui::MainWindow> m_ui;
    std::unique_ptr<Prompts> m_ownPrompts;
    Prompts* m_prompts;
    crestmap::StyleSelectors m_styles;
    WriteController* m_writer;
    FileSelector* m_fileSelector;
    SharedReport m_lastCheck;
    std::string m_opened; ///< the folder named on the command line, until its check is shown
    QString m_openedName;
    bool m_quitting = false;
    bool m_fitted = false; ///< kept inside the screen once shown
};
