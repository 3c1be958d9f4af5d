#include "FileSelector.h"

#include "ConfigWriteAction.h"
#include "FileNames.h"
#include "Prompts.h"
#include "ResultAlert.h"

#include <QButtonGroup>
#include <QFile>
#include <QWidget>
#include <vector>

FileSelector::FileSelector(crestmap::StyleSelectors& styles, Prompts& prompts, QWidget* window)
    : QObject(window), m_styles(styles), m_prompts(prompts), m_window(window)
{}

void FileSelector::graphicStyleRadios(const QButtonGroup& sender)
{
    store(sender, m_styles.graphicStyle);
}

void FileSelector::logoTypeRadios(const QButtonGroup& sender)
{
    store(sender, m_styles.logoType);
}

void FileSelector::kitTypeRadios(const QButtonGroup& sender)
{
    store(sender, m_styles.kitType);
}

void FileSelector::backgroundTypeRadios(const QButtonGroup& sender)
{
    store(sender, m_styles.backgroundType);
}

void FileSelector::store(const QButtonGroup& sender, std::int64_t& setting)
{
    // A group with nothing checked carries no choice; keep what was stored.
    if (sender.checkedButton() == nullptr) {
        return;
    }
    setting = sender.checkedId();
    emit stylesChanged();
}

std::optional<std::string> FileSelector::configPathFor(const QList<QUrl>& files)
{
    if (files.isEmpty()) {
        return std::nullopt;
    }
    const auto first = localPathOf(files.front());
    if (!first) {
        return std::nullopt;
    }
    return crestmap::configPathBeside(*first);
}

void FileSelector::fileBrowseSelect()
{
    // The document is built from the choices as they stand when Browse starts.
    const crestmap::StylePair style = m_styles.stylePair();
    const QList<QUrl> chosen = m_prompts.chooseImageFiles(m_window);
    if (chosen.isEmpty()) {
        return;
    }

    WriteReport report =
        WriteReport::failed(tr("%1 is not a local file").arg(chosen.front().toDisplayString()));
    if (const auto configPath = configPathFor(chosen)) {
        std::vector<std::string> files;
        files.reserve(static_cast<std::size_t>(chosen.size()));
        for (const QUrl& url : chosen) {
            files.push_back(localPathOf(url).value_or(QFile::encodeName(url.path()).toStdString()));
        }
        report = writeImagesConfig(*configPath, std::move(files), style);
    }
    const auto shared = std::make_shared<const WriteReport>(std::move(report));
    emit reported(shared);
    m_prompts.showResultAlert(m_window, ResultAlert::forBrowse(shared->written, shared->details()));
}
