#include "FileSelector.h"

#include "ConfigWatch.h"
#include "FileNames.h"
#include "MappingFile.h"
#include "PathText.h"
#include "Prompts.h"
#include "ResultAlert.h"
#include "StyleChoices.h"
#include "WindowWords.h"
#include "WriteController.h"
#include "XmlRecordBuilder.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace {

using crestmap::StyleSelectors;
struct Group {
    const char* name;
    std::span<const crestmap::Choice> choices;
    std::int64_t StyleSelectors::*setting; ///< what a click on one of its buttons sets
};
constexpr std::array<Group, 4> groups{
    {{"graphicStyle", crestmap::graphicStyleChoices, &StyleSelectors::graphicStyle},
     {"logoType", crestmap::logoTypeChoices, &StyleSelectors::logoType},
     {"kitType", crestmap::kitTypeChoices, &StyleSelectors::kitType},
     {"backgroundType", crestmap::backgroundTypeChoices, &StyleSelectors::backgroundType}}};

// "graphicStyle" and "logo-left" make "graphicStyleLogoLeft": a name tests can find.
QString buttonName(const char* group, std::string_view choice)
{
    QString name = QString::fromLatin1(group);
    const QString words = QString::fromLatin1(choice).replace(QLatin1Char('_'), QLatin1Char('-'));
    for (const QString& word : words.split(QLatin1Char('-'), Qt::SkipEmptyParts)) {
        name += word.front().toUpper() + word.mid(1);
    }
    return name;
}

// The group of the setting that a graphic style reads beside it; 0, its own, for none.
std::size_t secondGroup(std::int64_t graphic)
{
    namespace Style = crestmap::GraphicStyle;
    return graphic >= Style::Logo && graphic <= Style::LogoBackgroundRight ? 1
           : graphic == Style::Kit                                         ? 2
           : graphic == Style::Background                                  ? 3
                                                                           : 0;
}

} // namespace

FileSelector::FileSelector(Prompts& prompts, WriteController& writer, QWidget* window,
                           std::array<QGroupBox*, 4> boxes, QLabel* preview,
                           QAbstractButton* subfolders)
    : QObject(window), m_prompts(prompts), m_writer(writer), m_window(window), m_boxes(boxes),
      m_preview(preview), m_subfolders(subfolders), m_folders(new ConfigWatch(this))
{
    for (std::size_t g = 0; g < groups.size(); ++g) {
        auto* group = new QButtonGroup(this);
        m_groups[g] = group;
        // Four buttons to a column, at the top of their box.
        auto* layout = new QGridLayout(boxes[g]);
        layout->setRowStretch(4, 1);
        int at = 0;
        for (const crestmap::Choice& choice : groups[g].choices) {
            auto* button =
                new QRadioButton(WindowWords::choice(groups[g].name, choice.value), boxes[g]);
            button->setObjectName(buttonName(groups[g].name, choice.name));
            button->setChecked(choice.value == 1);
            group->addButton(button, static_cast<int>(choice.value));
            layout->addWidget(button, at % 4, at / 4);
            ++at;
        }
        connect(group, &QButtonGroup::idClicked, this, [this, group, setting = groups[g].setting] {
            // A group with nothing checked carries no choice; keep what was stored.
            if (group->checkedButton() != nullptr) {
                m_styles.*setting = group->checkedId();
                updatePreview();
            }
        });
    }
    updatePreview();
    connect(&writer, &WriteController::reported, this, &FileSelector::follow);
    // Queued: a job that ends with a change of another program's first shows its own report.
    connect(&writer.journals(), &JournalWatch::writtenElsewhere, this, &FileSelector::recheck,
            Qt::QueuedConnection);
    connect(m_folders, &ConfigWatch::changed, this, &FileSelector::recheck, Qt::QueuedConnection);
    connect(&writer, &WriteController::undone, this, &FileSelector::followUndo);
    connect(&writer, &WriteController::descending, m_subfolders,
            [this] { m_subfolders->setChecked(true); });
    connect(&writer, &WriteController::busyChanged, this, [this](bool busy) {
        m_folders->hold(busy);
        emit updateAvailable(!busy && m_lastCheck && !m_lastCheck->outdated.empty());
    });
}

void FileSelector::updatePreview()
{
    const crestmap::StylePair style = m_styles.stylePair();
    const std::string sample =
        style.graphicStyle == crestmap::GraphicStyle::Kit ? "1234_home" : "1234";
    const auto picture = crestmap::RecordShape(style).picture(sample);
    m_preview->setText(picture
                           //: %1: an image's name and the picture it maps to
                           ? tr("Example: %1")
                                 .arg(QString::fromStdString(sample) + QStringLiteral(".png → ") +
                                      QString::fromStdString(*picture))
                           : tr("Example: with these choices, images get no record."));
    // Only the groups that this style reads can be chosen.
    for (std::size_t g = 1; g < m_boxes.size(); ++g) {
        m_boxes[g]->setEnabled(g == secondGroup(m_styles.graphicStyle));
    }
}

void FileSelector::fileBrowseSelect()
{
    if (m_writer.busy()) {
        return;
    }
    // The document is built from the choices as they stand when Browse starts.
    const crestmap::StylePair style = m_styles.stylePair();
    const QList<QUrl> chosen = m_prompts.chooseImageFiles(m_window);
    if (!chosen.isEmpty()) {
        (void)m_writer.start(WriteRequest::forFiles(chosen, style));
    }
}

void FileSelector::chooseFolder(bool checking)
{
    if (m_writer.busy()) {
        return;
    }
    const QUrl folder = m_prompts.chooseFolder(m_window, checking, m_inView);
    if (!folder.isEmpty()) {
        (void)takeFolder(folder,
                         checking ? WriteRequest::Source::Check : WriteRequest::Source::Chosen);
    }
}

bool FileSelector::takeFolder(const QUrl& folder, WriteRequest::Source source)
{
    return m_writer.start(
        WriteRequest::forFolder(folder, source, m_styles.stylePair(), m_subfolders->isChecked()));
}

void FileSelector::updateStale()
{
    if (m_lastCheck && !m_lastCheck->outdated.empty()) {
        (void)m_writer.start(WriteRequest::forUpdate(*m_lastCheck, m_styles.stylePair()));
    }
}

void FileSelector::follow(const SharedReport& report)
{
    // A write makes the last check's list of folders to update old news.
    m_lastCheck = report->checked ? report : nullptr;
    m_shown = report;
    m_folders->watch(report);
    emit updateAvailable(m_lastCheck && !m_lastCheck->outdated.empty());
    if (report->checked && report->descended) {
        m_subfolders->setChecked(true);
    }
    if (const QString folder = report->shownFolder(); !folder.isEmpty()) {
        m_inView = QDir::toNativeSeparators(folder);
    }
}

bool FileSelector::shows(const std::vector<std::string>& configs) const
{
    const QString shown = m_shown ? m_shown->shownFolder() : QString();
    const std::optional<std::string> folder = localPathOf(QUrl::fromLocalFile(shown));
    const auto within = [&](const std::string& config) {
        const std::string parent = crestmap::parentFolderOf(config);
        return parent.size() >= folder->size() &&
               (parent.size() == folder->size() ||
                (m_shown->pack && crestmap::isPathSeparator(parent[folder->size()]))) &&
               std::equal(folder->begin(), folder->end(), parent.begin(), [](char a, char b) {
                   return a == b || (crestmap::isPathSeparator(a) && crestmap::isPathSeparator(b));
               });
    };
    return !shown.isEmpty() && folder && std::ranges::any_of(configs, within);
}

void FileSelector::recheck(const std::vector<std::string>& configs)
{
    // Changes told while one check waits are all taken in by it: the journal and the folders tell
    // of one write twice.
    m_changed.insert(m_changed.end(), configs.begin(), configs.end());
    if (m_retrying) {
        return;
    }
    // Not under a question or an alert, whose answer may want the writer (Undo), nor in a job.
    if (QApplication::activeModalWidget() != nullptr || m_writer.busy()) {
        m_retrying = true;
        QTimer::singleShot(250, this, [this] {
            m_retrying = false;
            recheck({});
        });
        return;
    }
    // The list would say what is no longer on disk: it is made again, as a check.
    QString lead = std::exchange(m_lead, {});
    if (shows(std::exchange(m_changed, {}))) {
        WriteRequest request = WriteRequest::forFolder(
            QUrl::fromLocalFile(m_shown->shownFolder()), WriteRequest::Source::Again,
            m_shown->asked.value_or(m_styles.stylePair()), m_shown->pack);
        request.lead = std::move(lead);
        (void)m_writer.start(std::move(request));
    }
}

// After an undo the list shows what is on disk again, led by what the undo did.
void FileSelector::followUndo(const QString& words, const std::vector<std::string>& configs)
{
    if (!shows(configs)) {
        // A list of folders the undo did not touch still stands: only what it did is news.
        if (m_shown && !m_shown->shownFolder().isEmpty()) {
            emit message(words);
        } else {
            m_writer.say(words);
        }
        return;
    }
    m_lead = words;
    recheck(configs);
}

void FileSelector::openArguments(const QStringList& arguments)
{
    if (arguments.isEmpty()) {
        return;
    }
    const QString& first = arguments.front();
    const QString shown = WindowWords::isolated(QDir::toNativeSeparators(first));
    const QFileInfo info(first);
    QString problem;
    if (arguments.size() > 1) {
        QStringList more;
        for (const QString& each : arguments.mid(1)) {
            more << WindowWords::isolated(QDir::toNativeSeparators(each));
        }
        //: %1: the folders given after the first
        problem = tr("Crestmap opens one folder at a time; %Ln more were given: %1", nullptr,
                     pluralCount(static_cast<std::size_t>(more.size())))
                      .arg(QLocale().createSeparatedList(more));
    } else if (!info.exists()) {
        problem = tr("There is no file or folder called %1.").arg(shown);
    } else if (!info.isDir()) {
        problem = tr("%1 is a file, not a folder. Open the folder that holds it.").arg(shown);
    } else if (!info.isReadable() || !QDir(first).isReadable()) {
        problem = tr("%1 cannot be read.").arg(shown);
    }
    if (!problem.isEmpty()) {
        emit message(problem);
        (void)m_prompts.showResultAlert(m_window, {tr("Cannot open %1").arg(shown), problem, {}});
        return;
    }
    const QString folder = QDir::toNativeSeparators(info.absoluteFilePath());
    // Its own style's buttons are picked, as a click on each would.
    if (const auto own = crestmap::readExistingFile(coreBytes(folder)).style) {
        const auto pick = [](QButtonGroup* group, std::int64_t value) {
            if (QAbstractButton* button = group->button(static_cast<int>(value))) {
                button->click();
            }
        };
        pick(m_groups[0], own->graphicStyle);
        if (const std::size_t second = secondGroup(own->graphicStyle); second != 0) {
            pick(m_groups[second], own->subType);
        }
    }
    m_inView = folder;
    (void)takeFolder(QUrl::fromLocalFile(info.absoluteFilePath()), WriteRequest::Source::Opened);
}
