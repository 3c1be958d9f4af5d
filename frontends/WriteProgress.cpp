#include "WriteProgress.h"

#include "WindowWords.h"

#include <algorithm>
#include <array>

QString WriteProgress::text(bool checking) const
{
    if (surveying) {
        return tr("Looking through the folders…");
    }
    const auto doneFolders = static_cast<qulonglong>(folders.load());
    auto doneImages = static_cast<qulonglong>(images.load());
    if (const std::size_t total = totalFolders.load(); total > 0) {
        // Those of the folders done, so that the count agrees with the folders' and the quit
        // question's: a folder's images are read before its config.xml is written.
        doneImages = imagesDone.load();
        const std::size_t allImages = totalImages.load();
        const qulonglong done = std::min(doneFolders, static_cast<qulonglong>(total));
        // The clashes across the pack and the list take a while after the last folder.
        //: In place of “1,200 of 4,000 images” once every folder is done
        QString imageWords = tr("listing the results…");
        if (done < total) {
            imageWords =
                tr("%L1 of %Ln image(s)",
                   "the images of “Checking %L1 of %Ln folder(s) · %2” and of its Writing twin",
                   pluralCount(allImages))
                    .arg(std::min(doneImages, static_cast<qulonglong>(allImages)));
        }
        static constexpr std::array<const char*, 2> words{
            //: %L1: the folders written so far; %2: the images, as “1,200 of 4,000 images”
            QT_TR_N_NOOP("Writing %L1 of %Ln folder(s) · %2"),
            //: %L1: the folders checked so far; %2: the images, as “1,200 of 4,000 images”
            QT_TR_N_NOOP("Checking %L1 of %Ln folder(s) · %2")};
        return tr(words[checking ? 1 : 0], nullptr, pluralCount(total)).arg(done).arg(imageWords);
    }
    const QString imageWords =
        tr("%Ln image(s)",
           "the images of “Checking… %Ln folder(s), %1 so far” and of its Writing twin",
           pluralCount(doneImages));
    static constexpr std::array<const char*, 2> words{
        //: %1: the images written so far, as “1,200 images”
        QT_TR_N_NOOP("Writing… %Ln folder(s), %1 so far"),
        //: %1: the images checked so far, as “1,200 images”
        QT_TR_N_NOOP("Checking… %Ln folder(s), %1 so far")};
    return tr(words[checking ? 1 : 0], nullptr, pluralCount(doneFolders)).arg(imageWords);
}

QString WriteProgress::quitQuestion() const
{
    const std::size_t done = folders.load();
    if (const std::size_t total = totalFolders.load(); total > 0) {
        //: %L1: the folders written so far
        return tr("The write is paused at %L1 of %Ln folder(s). Stop it and quit?", nullptr,
                  pluralCount(total))
            .arg(static_cast<qulonglong>(std::min(done, total)));
    }
    return tr("The write is paused after %Ln folder(s). Stop it and quit?", nullptr,
              pluralCount(done));
}
