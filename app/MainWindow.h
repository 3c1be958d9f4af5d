#pragma once

#include "WriteReport.h"

#include <QMainWindow>
#include <memory>

class Desktop;
class FileSelector;
class QLabel;
class Prompts;
class WriteController;
namespace Ui {
class MainWindow;
}

/// Crestmap's one window: the four style groups, a live record example, Browse, the folder
/// verbs, the drop area and the results of the last write or check.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    /// Asks through `prompts` and opens files through `desktop`, which must outlive it.
    MainWindow(Prompts& prompts, Desktop& desktop, QWidget* parent = nullptr);
    ~MainWindow() override;

    [[nodiscard]] FileSelector& selector() noexcept { return *m_selector; }
    [[nodiscard]] WriteController& writer() noexcept { return *m_writer; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void connectCommands();
    void setBusy(bool busy);
    void setTitle(const QString& folder);
    void showReport(const SharedReport& report);
    void open(const QString& path);
    /// Help ▸ About Crestmap and Help ▸ Crestmap help, with the keys of the commands it names.
    void showAbout();
    void showHelp();
    /// Puts `text` in the status line, on as many lines as it takes.
    void say(const QString& text);
    void fitStatus();

    std::unique_ptr<Ui::MainWindow> m_ui;
    Prompts& m_prompts;
    Desktop& m_desktop;
    WriteController* m_writer;
    FileSelector* m_selector;
    QLabel* m_status;
};
