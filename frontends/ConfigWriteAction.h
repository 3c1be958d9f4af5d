#pragma once

#include "StyleSelectors.h"

#include <QString>
#include <QUrl>
#include <optional>
#include <span>
#include <string>

/// What a front end's write came to, with one line of detail for the window's status bar.
struct WriteOutcome {
    bool written = false;
    QString summary;

    /// A write that never started, and why.
    [[nodiscard]] static WriteOutcome failed(const QString& reason) { return {false, reason}; }
};

/// The local file-system path of a URL, fully decoded, as the bytes the core works with;
/// nothing when the URL is not a local file.
[[nodiscard]] std::optional<std::string> localPathOf(const QUrl& url);

/// Writes config.xml for a front end, with a busy cursor meanwhile.
[[nodiscard]] WriteOutcome writeConfigShowingBusy(const std::string& configPath,
                                                  std::span<const std::string> files,
                                                  crestmap::StylePair style);
