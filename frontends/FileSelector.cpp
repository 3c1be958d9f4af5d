#include "FileSelector.h"

#include "FileNames.h"
#include "PathText.h"
#include "Prompts.h"
#include "WriteController.h"

#include <QButtonGroup>
#include <QFile>
#include <QWidget>
#include <vector>

FileSelector::FileSelector(crestmap::StyleSelectors& styles, Prompts& prompts,
                           WriteController& writer, QWidget* window)
    : QObject(window), m_styles(styles), m_prompts(prompts), m_writer(writer), m_window(window)
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

WriteRequest FileSelector::browseRequest(const QList<QUrl>& files, crestmap::StylePair style)
{
    WriteRequest request;
    request.source = WriteRequest::Source::Browse;
    const auto first = files.isEmpty() ? std::nullopt : localPathOf(files.front());
    if (!first) {
        request.failure = tr("%1 is not a local file")
                              .arg(files.isEmpty() ? QString() : files.front().toDisplayString());
        return request;
    }
    request.folder = crestmap::parentFolderOf(*first);
    request.pack.style = style;
    for (const QUrl& url : files) {
        request.pack.images.push_back(localPathOf(url).value_or(coreBytes(url.path())));
    }
    return request;
}

void FileSelector::fileBrowseSelect()
{
    if (m_writer.busy()) {
        return;
    }
    // The document is built from the choices as they stand when Browse starts.
    const crestmap::StylePair style = m_styles.stylePair();
    const QList<QUrl> chosen = m_prompts.chooseImageFiles(m_window);
    if (chosen.isEmpty()) {
        return;
    }
    m_writer.start(browseRequest(chosen, style));
}
