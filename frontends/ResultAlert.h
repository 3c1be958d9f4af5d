#pragma once

#include <QString>

/// The modal outcome alert of a write: a title, a body and one "OK" button.
struct ResultAlert {
    QString messageText;
    QString informativeText;

    /// The alert after Browse wrote config.xml, or failed to.
    [[nodiscard]] static ResultAlert forBrowse(bool written);
    /// The alert after a dropped folder's config.xml was written, or not.
    [[nodiscard]] static ResultAlert forDrop(bool written);

    friend bool operator==(const ResultAlert&, const ResultAlert&) = default;
};
