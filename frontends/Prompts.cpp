#include "Prompts.h"

#include "FileWords.h"
#include "PathText.h"
#include "ResultAlert.h"
#include "ScreenRoom.h"
#include "WindowWords.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <array>

namespace {

// Up to ten folders a line each, each with what it is, then how many more.
QString folderLines(const std::vector<crestmap::PlannedFolder>& sample, std::size_t count,
                    bool withStyle)
{
    QStringList lines;
    for (const crestmap::PlannedFolder& folder : sample) {
        const QString what = withStyle && folder.own ? WindowWords::style(*folder.own)
                                                     : FileWords::check(folder.check);
        lines << QStringLiteral("  • %1 (%2)").arg(WindowWords::named(folder.folder), what);
    }
    if (count > sample.size()) {
        //: More folders, after a list of ten
        lines << DialogPrompts::tr("  … and %Ln more", nullptr, pluralCount(count - sample.size()));
    }
    return lines.join(QLatin1Char('\n'));
}

// A question whose buttons say what they do; the first is the default.
int ask(QWidget* parent, QMessageBox::Icon icon, const QString& text, const QString& body,
        const QStringList& buttons, int escape)
{
    QMessageBox box(icon, QCoreApplication::applicationName(), text, QMessageBox::NoButton, parent);
    box.setInformativeText(WindowWords::capitalFirst(body));
    QList<QPushButton*> made;
    for (const QString& button : buttons) {
        made << box.addButton(WindowWords::capitalFirst(button), QMessageBox::ActionRole);
    }
    box.setDefaultButton(made.front());
    box.setEscapeButton(made[escape]);
    box.exec();
    return static_cast<int>(made.indexOf(qobject_cast<QPushButton*>(box.clickedButton())));
}

// The answer of a question whose buttons are, in order, Update, Write and Cancel.
StyleChoice styleChoice(int button)
{
    return button == 0   ? StyleChoice::UpdateOwnStyle
           : button == 1 ? StyleChoice::WriteChosenStyle
                         : StyleChoice::Cancel;
}

} // namespace

QList<QUrl> DialogPrompts::chooseImageFiles(QWidget* parent)
{
    QFileDialog dialog(parent, tr("Browse for images"),
                       m_lastFolder.isEmpty() ? QDir::homePath() : m_lastFolder);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilter(tr("Images (*.png *.jpg *.jpeg)"));
    giveRoom(dialog);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    const QList<QUrl> urls = dialog.selectedUrls();
    if (!urls.isEmpty() && urls.front().isLocalFile()) {
        m_lastFolder = QFileInfo(urls.front().toLocalFile()).absolutePath();
    }
    return urls;
}

QUrl DialogPrompts::chooseFolder(QWidget* parent, bool checking, const QString& start)
{
    // The folder in view is where the user is; the last one chosen may be of another job.
    const QString from = !start.isEmpty()          ? start
                         : !m_lastFolder.isEmpty() ? m_lastFolder
                                                   : QDir::homePath();
    QFileDialog dialog(parent, checking ? tr("Check a folder") : tr("Write a folder"), from);
    dialog.setFileMode(QFileDialog::Directory);
    dialog.setOption(QFileDialog::ShowDirsOnly);
    giveRoom(dialog);
    const QUrl folder =
        dialog.exec() == QDialog::Accepted ? dialog.selectedUrls().value(0) : QUrl();
    if (folder.isLocalFile()) {
        m_lastFolder = folder.toLocalFile();
    }
    return folder;
}

StyleChoice DialogPrompts::choosePlan(QWidget* parent, const crestmap::PackPlan& plan,
                                      crestmap::StylePair chosen, bool undoable)
{
    const QString style = WindowWords::style(chosen);
    QStringList body;
    if (plan.replaces > 0) {
        body << tr("Updating each folder in its own style changes %Ln config.xml file(s):", nullptr,
                   pluralCount(plan.replaces))
             << folderLines(plan.updatedSample, plan.replaces, false);
    }
    if (plan.creates > 0) {
        //: %1: the style chosen, as “club logos”
        body << tr("%Ln folder(s) without a config.xml get one as %1.", nullptr,
                   pluralCount(plan.creates))
                    .arg(style);
        body << folderLines(plan.createdSample, plan.creates, false);
    }
    if (plan.unchanged > 0) {
        // Those of another style stay only in an update: writing all changes them too.
        body << (plan.folders - plan.writesAll == plan.unchanged
                     ? tr("%Ln config.xml file(s) already current stay as they are.", nullptr,
                          pluralCount(plan.unchanged))
                     : tr("An update leaves the %Ln config.xml file(s) already current as they "
                          "are.",
                          nullptr, pluralCount(plan.unchanged)));
    }
    if (plan.cutShort > 0) {
        body << tr("%Ln config.xml file(s) cut short are kept by an update; writing all replaces "
                   "them:",
                   nullptr, pluralCount(plan.cutShort))
             << folderLines(plan.cutShortSample, plan.cutShort, false);
    }
    if (plan.otherStyle > 0) {
        //: %1: the style chosen, as “club logos”
        body << tr("Writing all as %1 would change the style of %Ln folder(s):", nullptr,
                   pluralCount(plan.otherStyle))
                    .arg(style)
             << folderLines(plan.otherStyleSample, plan.otherStyle, true);
    }
    //: A button; %1: the style chosen, as “club logos”
    const QString writeAll = tr("Write &all as %1").arg(style);
    if (plan.replaces + plan.otherStyle + plan.cutShort > 0) {
        body << (undoable ? tr("Undo puts back every config.xml the write replaces.")
                          : tr("Undo is not available for this write."));
    }
    // Those already current are not written, whatever the answer; writing all may write more.
    const std::size_t updates = plan.creates + plan.replaces;
    const QString question =
        updates == plan.writesAll
            ? tr("Write config.xml in %Ln folder(s)?", nullptr, pluralCount(updates))
            //: The answers write different numbers of folders: this one is the most
            : tr("Write config.xml in up to %Ln folder(s)?", nullptr, pluralCount(plan.writesAll));
    return styleChoice(ask(parent, QMessageBox::Question, question, body.join(QLatin1Char('\n')),
                           {tr("&Update each folder in its own style"), writeAll, tr("Cancel")},
                           2));
}

StyleChoice DialogPrompts::chooseKeep(QWidget* parent, const QString& config,
                                      const crestmap::MappingScan& file,
                                      std::optional<crestmap::StylePair> own,
                                      crestmap::StylePair chosen, bool undoable)
{
    //: A button; %1: the style chosen, as “club logos”
    const QString write = tr("&Write it as %1").arg(WindowWords::style(chosen));
    const QString shown = WindowWords::isolated(config);
    if (own) {
        return styleChoice(ask(
            parent, QMessageBox::Question,
            //: %1: the path of a config.xml file; %2: what it maps, as “kit textures”
            tr("%1 maps %2.").arg(shown, WindowWords::style(*own)),
            //: %1: the style chosen, as “club logos”
            (undoable ? tr("Writing it as %1 replaces its records; Undo puts them back.")
                      : tr("Writing it as %1 replaces its records; Undo is not available to put "
                           "them back."))
                .arg(WindowWords::style(chosen)),
            //: A button; %1: the style the file maps, as “kit textures”
            {tr("&Update it as %1").arg(WindowWords::style(*own)), write, tr("Cancel")}, 2));
    }
    // Of a file cut short nothing tells the style: keeping it is the safe answer.
    static constexpr std::array<const char*, 4> places{
        //: This and the three after it: %1 the path of a config.xml file
        QT_TR_NOOP("%1 is cut short: it ends in its header."),
        QT_TR_NOOP("%1 is cut short: it ends inside a record."),
        QT_TR_NOOP("%1 is cut short: it ends before the end of its list."),
        QT_TR_NOOP("%1 is cut short: it ends before </record>.")};
    const int choice =
        ask(parent, QMessageBox::Warning, tr(places[static_cast<std::size_t>(file.cut)]).arg(shown),
            undoable ? tr("Writing it replaces it; Undo puts it back.")
                     : tr("Writing it replaces it; Undo is not available to put it back."),
            {tr("Cancel"), write}, 0);
    return choice == 1 ? StyleChoice::WriteChosenStyle : StyleChoice::Cancel;
}

bool DialogPrompts::confirmUndo(QWidget* parent, const QString& question)
{
    return ask(parent, QMessageBox::Question, question, tr("It is not the write the list shows."),
               {tr("Cancel"), tr("&Undo")}, 0) == 1;
}

bool DialogPrompts::confirmForce(QWidget* parent, const QStringList& files, std::size_t made)
{
    const bool allMade = made == static_cast<std::size_t>(files.size());
    // Files the write made have no old copy: what the user is asked is what happens to them.
    const int changed = pluralCount(files.size());
    QString question =
        allMade ? tr("Remove the file(s) the write made, with the change(s)? The changes are lost.",
                     nullptr, changed)
        : made > 0
            ? tr("Put back what the write replaced and remove what it made, over the changes? The "
                 "changes are lost.")
            : tr("Put back the old copies over the change(s)? The changes are lost.", nullptr,
                 changed);
    return ask(parent, QMessageBox::Warning,
               tr("%Ln config.xml file(s) changed since the write:", nullptr, changed) +
                   QStringLiteral("\n") + files.join(QLatin1Char('\n')),
               question, {tr("&Keep the Changes"), allMade ? tr("&Remove") : tr("&Put Back")},
               0) == 1;
}

AlertAnswer DialogPrompts::showResultAlert(QWidget* parent, const ResultAlert& alert)
{
    QMessageBox box(parent);
    box.setWindowTitle(QCoreApplication::applicationName());
    box.setIcon(alert.warning ? QMessageBox::Warning : QMessageBox::NoIcon);
    box.setText(alert.messageText);
    box.setInformativeText(alert.informativeText);
    if (!alert.detailedText.isEmpty()) {
        box.setDetailedText(alert.detailedText);
        fitDetails(box, alert.detailedText);
    }
    QPushButton* ok = box.addButton(QMessageBox::Ok);
    QPushButton* undo =
        alert.offersUndo ? box.addButton(tr("&Undo"), QMessageBox::ResetRole) : nullptr;
    // Enter or Escape dismisses it; taking a write back is only ever chosen.
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
    return undo != nullptr && box.clickedButton() == undo ? AlertAnswer::Undo : AlertAnswer::Ok;
}

bool DialogPrompts::confirmQuit(QWidget* parent, const QString& question, bool foldersLeft)
{
    return ask(parent, QMessageBox::Warning, question,
               foldersLeft ? tr("Folders written so far keep their new config.xml, and Undo stays "
                                "available; the others keep their old one.")
                           : tr("Every folder keeps its new config.xml, and Undo stays available."),
               {tr("&Keep Writing"), tr("Stop and &Quit")}, 0) == 1;
}

void DialogPrompts::showText(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox::about(parent, title, text);
}
