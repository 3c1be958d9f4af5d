#include "ResultAlert.h"

namespace {

const QString successTitle = QStringLiteral("config.xml successfully written!");

ResultAlert failure(const QString& details)
{
    return {QStringLiteral("Problem writing config.xml!"),
            QStringLiteral("There was a problem with generating your config.xml file. The "
                           "process cannot continue."),
            details};
}

} // namespace

ResultAlert ResultAlert::forBrowse(bool written, const QString& details)
{
    if (!written) {
        return failure(details);
    }
    return {successTitle,
            QStringLiteral("Your config.xml file has been successfully created with the files "
                           "you selected. The XML is in the same folder as your files.\n\nIf you "
                           "missed some files from your selection, simply repeat this process."),
            details};
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
