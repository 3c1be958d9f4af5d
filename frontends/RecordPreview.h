#pragma once

#include "StyleSelectors.h"

#include <QString>

/// One line that shows what a sample image becomes under these choices, made by the same
/// record builder as the file.
[[nodiscard]] QString recordPreview(crestmap::StylePair style);
