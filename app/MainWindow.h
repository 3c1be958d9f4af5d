#pragma once

#include "StyleSelectors.h"
#include "WriteReport.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class FileSelector;
class Prompts;
class QButtonGroup;
namespace Ui {
class MainWindow;
}

/// Crestmap's one window: the four style groups, a live record example, Browse, the drop area and
/// the results of the last write.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    /// Uses the real dialogs unless `prompts` is given; a given one must outlive the window.
    explicit MainWindow(Prompts* prompts = nullptr, QWidget* parent = nullptr);
    ~MainWindow() override;

    [[nodiscard]] const crestmap::StyleSelectors& styles() const noexcept { return m_styles; }

private:
    void connectGroup(QButtonGroup* group, const std::function<void(const QButtonGroup&)>& action);
    void updatePreview();
    void report(const SharedReport& report);

    std::unique_ptr<Ui::MainWindow> m_ui;
    std::unique_ptr<Prompts> m_ownPrompts;
    crestmap::StyleSelectors m_styles;
    FileSelector* m_fileSelector;
};
