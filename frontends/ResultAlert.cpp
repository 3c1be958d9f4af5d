#include "ResultAlert.h"

#include <QCoreApplication>

namespace {

const QString successTitle = QStringLiteral("config.xml successfully written!");

ResultAlert failure(const QString& details)
{
    return {QStringLiteral("Problem writing config.xml!"),
            QStringLiteral("There was a problem with generating your config.xml file. The "
                           "process cannot continue."),
            details};
}

QString tr(const char* text, int count = -1)
{
    return QCoreApplication::translate("ResultAlert", text, nullptr, count);
}

} // namespace

ResultAlert ResultAlert::forBrowse(bool written, const QString& details, std::size_t lost)
{
    if (!written) {
        return failure(details);
    }
    QString body =
        QStringLiteral("Your config.xml file has been successfully created with the files you "
                       "selected. The XML is in the same folder as your files.\n\nIf you missed "
                       "some files from your selection, simply repeat this process.");
    if (lost > 0) {
        body += QStringLiteral("\n\n") +
                (lost == 1 ? tr("The config.xml it replaced held 1 record that is not in the new "
                                "one; Edit ▸ Undo puts it back.")
                           : tr("The config.xml it replaced held %1 records that are not in the "
                                "new one; Edit ▸ Undo puts it back.")
                                 .arg(lost));
    }
    return {successTitle, body, details};
}

ResultAlert ResultAlert::forDrop(bool written, const QString& details)
{
    if (!written) {
        return failure(details);
    }
    return {successTitle,
            QStringLiteral("Your config.xml file has been successfully created in "
                           "the folder you dragged."),
            details};
}

ResultAlert ResultAlert::forChosenFolder(bool written, const QString& details)
{
    if (!written) {
        return failure(details);
    }
    return {successTitle,
            tr("Your config.xml file has been successfully created in the folder "
               "you chose."),
            details};
}

ResultAlert ResultAlert::forPack(bool written, const QString& details, std::size_t folders)
{
    if (!written) {
        return failure(details);
    }
    return {successTitle,
            folders == 1 ? tr("Your config.xml file has been successfully created in 1 folder.")
                         : tr("Your config.xml files have been successfully created in %1 folders.")
                               .arg(folders),
            details};
}

ResultAlert ResultAlert::forCancel(const QString& what, const QString& details, bool undoable)
{
    QString title = what;
    if (!title.isEmpty()) {
        title[0] = title[0].toUpper();
    }
    return {title,
            undoable ? tr("Undo puts back every config.xml this write replaced, and removes those "
                          "it made.")
                     : tr("Undo is not available for this write."),
            details, undoable};
}
