#include "WriteProgress.h"

#include "WindowWords.h"

#include <algorithm>

QString WriteProgress::text(bool checking) const
{
    if (surveying) {
        return tr("Looking through the folders…");
    }
    const std::size_t doneFolders = folders.load();
    const std::size_t doneImages = images.load();
    if (const std::size_t total = totalFolders.load(); total > 0) {
        return (checking ? tr("Checking %1 of %2 · %3 of %4") : tr("Writing %1 of %2 · %3 of %4"))
            .arg(WindowWords::number(std::min(doneFolders, total)),
                 tr("%Ln folder(s)", nullptr, static_cast<int>(total)),
                 WindowWords::number(std::min(doneImages, totalImages.load())),
                 tr("%Ln image(s)", nullptr, static_cast<int>(totalImages.load())));
    }
    return (checking ? tr("Checking… %1, %2 so far") : tr("Writing… %1, %2 so far"))
        .arg(tr("%Ln folder(s)", nullptr, static_cast<int>(doneFolders)),
             tr("%Ln image(s)", nullptr, static_cast<int>(doneImages)));
}

QString WriteProgress::brief() const
{
    const std::size_t done = folders.load();
    if (const std::size_t total = totalFolders.load(); total > 0) {
        return tr("%1 of %Ln folder(s)", nullptr, static_cast<int>(total))
            .arg(WindowWords::number(std::min(done, total)));
    }
    return tr("%Ln folder(s) written so far", nullptr, static_cast<int>(done));
}
