#pragma once

#include "StyleSelectors.h"
#include "WriteReport.h"

#include <QUrl>
#include <optional>
#include <string>
#include <vector>

/// The local file-system path of a URL, fully decoded, as the bytes the core works with;
/// nothing when the URL is not a local file.
[[nodiscard]] std::optional<std::string> localPathOf(const QUrl& url);

/// Writes config.xml at `configPath` for image files chosen one by one, with a busy cursor.
[[nodiscard]] WriteReport writeImagesConfig(const std::string& configPath,
                                            std::vector<std::string> files,
                                            crestmap::StylePair style);

/// Writes a folder's config.xml, and with `withSubfolders` one in every folder below it that
/// holds images, with a busy cursor. Written only when every folder was.
[[nodiscard]] WriteReport writeFolderConfigs(const std::string& folder, crestmap::StylePair style,
                                             bool withSubfolders);
