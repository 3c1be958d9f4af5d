#include "Prompts.h"

#include "ResultAlert.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

QList<QUrl> DialogPrompts::chooseImageFiles(QWidget* parent)
{
    QFileDialog dialog(parent, QObject::tr("Choose images"), QDir::homePath());
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilter(QObject::tr("Images (*.png *.jpg *.jpeg)"));
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.selectedUrls();
}

void DialogPrompts::showResultAlert(QWidget* parent, const ResultAlert& alert)
{
    QMessageBox box(parent);
    box.setWindowTitle(QObject::tr("Crestmap"));
    box.setText(alert.messageText);
    box.setInformativeText(alert.informativeText);
    if (!alert.detailedText.isEmpty()) {
        box.setDetailedText(alert.detailedText);
    }
    box.addButton(QMessageBox::Ok);
    box.exec();
}
