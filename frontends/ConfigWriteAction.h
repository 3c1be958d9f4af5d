#pragma once

#include "StyleSelectors.h"

#include <QUrl>
#include <optional>
#include <span>
#include <string>

/// The local file-system path of a URL, fully decoded, as the bytes the core works with;
/// nothing when the URL is not a local file.
[[nodiscard]] std::optional<std::string> localPathOf(const QUrl& url);

/// Writes config.xml for a front end, with a busy cursor meanwhile; true when written.
[[nodiscard]] bool writeConfigShowingBusy(const std::string& configPath,
                                          std::span<const std::string> files,
                                          crestmap::StylePair style);
