#include "MainWindow.h"

#include "FileSelector.h"
#include "FolderDragView.h"
#include "Prompts.h"
#include "RecordPreview.h"
#include "ResultsPanel.h"
#include "WriteReport.h"
#include "ui_MainWindow.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QLayout>
#include <QStatusBar>

MainWindow::MainWindow(Prompts* prompts, QWidget* parent)
    : QMainWindow(parent), m_ui(std::make_unique<Ui::MainWindow>())
{
    if (prompts == nullptr) {
        m_ownPrompts = std::make_unique<DialogPrompts>();
        prompts = m_ownPrompts.get();
    }
    m_ui->setupUi(this);
    // The window can never be made smaller than its contents need, so nothing is clipped.
    // A wrapped label's height depends on its width, which the window's minimum size does not
    // count; reserve what it needs at the narrowest, so nothing else is squeezed for it.
    m_ui->mainLayout->setSizeConstraint(QLayout::SetMinimumSize);
    const int narrowest = m_ui->groupsLayout->minimumSize().width();
    m_ui->introLabel->setMinimumHeight(m_ui->introLabel->heightForWidth(narrowest));
    m_ui->mainLayout->setStretchFactor(m_ui->resultsPanel, 1);
    m_fileSelector = new FileSelector(m_styles, *prompts, this);
    m_ui->folderDragView->attach(m_styles, *prompts);

    auto* selector = m_fileSelector;
    connectGroup(m_ui->graphicStyleGroup,
                 [selector](const QButtonGroup& group) { selector->graphicStyleRadios(group); });
    connectGroup(m_ui->logoTypeGroup,
                 [selector](const QButtonGroup& group) { selector->logoTypeRadios(group); });
    connectGroup(m_ui->kitTypeGroup,
                 [selector](const QButtonGroup& group) { selector->kitTypeRadios(group); });
    connectGroup(m_ui->backgroundTypeGroup,
                 [selector](const QButtonGroup& group) { selector->backgroundTypeRadios(group); });
    connect(m_fileSelector, &FileSelector::stylesChanged, this, &MainWindow::updatePreview);
    connect(m_fileSelector, &FileSelector::reported, this, &MainWindow::report);
    connect(m_ui->folderDragView, &FolderDragView::reported, this, &MainWindow::report);
    connect(m_ui->includeSubfolders, &QCheckBox::toggled, m_ui->folderDragView,
            &FolderDragView::setIncludeSubfolders);

    connect(m_ui->browseButton, &QPushButton::clicked, m_fileSelector,
            &FileSelector::fileBrowseSelect);
    connect(m_ui->browseAction, &QAction::triggered, m_fileSelector,
            &FileSelector::fileBrowseSelect);
    connect(m_ui->quitAction, &QAction::triggered, this, &QWidget::close);
    updatePreview();
}

MainWindow::~MainWindow() = default;

void MainWindow::connectGroup(QButtonGroup* group,
                              const std::function<void(const QButtonGroup&)>& action)
{
    // The interface file keeps each button's setting value in its "tag" property.
    for (QAbstractButton* button : group->buttons()) {
        group->setId(button, button->property("tag").toInt());
    }
    connect(group, &QButtonGroup::idClicked, m_fileSelector, [group, action] { action(*group); });
}

void MainWindow::report(const SharedReport& report)
{
    statusBar()->showMessage(report->statusLine());
    m_ui->resultsPanel->showReport(report);
}

void MainWindow::updatePreview()
{
    m_ui->previewLabel->setText(tr("Example: %1").arg(recordPreview(m_styles.stylePair())));
}
