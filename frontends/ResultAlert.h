#pragma once

#include <QString>

/// The modal outcome alert of a write: a title, a body, one "OK" button, and the write's figures
/// behind "Show Details…".
struct ResultAlert {
    QString messageText;
    QString informativeText;
    QString detailedText;

    /// The alert after Browse wrote config.xml, or failed to.
    [[nodiscard]] static ResultAlert forBrowse(bool written, const QString& details = {});
    /// The alert after a dropped folder's config.xml was written, or not.
    [[nodiscard]] static ResultAlert forDrop(bool written, const QString& details = {});

    friend bool operator==(const ResultAlert&, const ResultAlert&) = default;
};
