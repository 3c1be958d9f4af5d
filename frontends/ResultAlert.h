#pragma once

#include <QString>
#include <cstddef>

/// The modal outcome alert of a write: a title, a body, an "OK" button (and, after a cancel, an
/// "Undo" one), and the write's figures behind "Show Details…".
struct ResultAlert {
    QString messageText;
    QString informativeText;
    QString detailedText;
    bool offersUndo = false;

    /// After Browse wrote config.xml, or failed to; `lost`: records of the replaced file that
    /// the new one lacks.
    [[nodiscard]] static ResultAlert forBrowse(bool written, const QString& details = {},
                                               std::size_t lost = 0);
    /// After a dropped folder's config.xml was written, or not.
    [[nodiscard]] static ResultAlert forDrop(bool written, const QString& details = {});
    /// After a folder chosen with Write folder… was written, or not.
    [[nodiscard]] static ResultAlert forChosenFolder(bool written, const QString& details = {});
    /// After the folders of a pack were written, or some not.
    [[nodiscard]] static ResultAlert forPack(bool written, const QString& details,
                                             std::size_t folders);
    /// After the user stopped a write: `what` says how far it came.
    [[nodiscard]] static ResultAlert forCancel(const QString& what, const QString& details,
                                               bool undoable);

    friend bool operator==(const ResultAlert&, const ResultAlert&) = default;
};
