#pragma once

#include "SkipReason.h"
#include "StyleSelectors.h"
#include "WriteAccount.h"

#include <QCoreApplication>
#include <QString>
#include <algorithm>
#include <climits>
#include <vector>

/// The window's words for the core's facts and the user's choices, translated; FileWords has
/// those for files and folders. Every other file of the window formats through these two.
class WindowWords {
    Q_DECLARE_TR_FUNCTIONS(WindowWords)

public:
    /// "club logos", "kit textures", "stadium backgrounds": what a style's pictures are.
    [[nodiscard]] static QString style(crestmap::StylePair style);
    /// The label of a radio button: "Logo", "Kit texture", "Media source".
    [[nodiscard]] static QString choice(const char* group, std::int64_t value);

    [[nodiscard]] static QString fact(const crestmap::Fact& fact);
    /// The facts joined by " · ", the first word in capitals unless they go into a sentence.
    [[nodiscard]] static QString facts(const std::vector<crestmap::Fact>& facts,
                                       bool inSentence = false);

    [[nodiscard]] static QString skip(crestmap::SkipReason reason);

    /// A path as the system writes it, control characters shown as symbols.
    [[nodiscard]] static QString path(std::string_view bytes);
    /// A path as a sentence names it: path(), isolated as isolated() says.
    [[nodiscard]] static QString named(std::string_view bytes) { return isolated(path(bytes)); }
    /// A name or path put into a sentence, kept apart from the sentence's direction where the
    /// window reads right to left, so that its slashes and dots stay where they belong.
    [[nodiscard]] static QString isolated(const QString& name);
    /// Text for one line: control characters, which would break it or vanish, as symbols.
    [[nodiscard]] static QString readable(QString text);
    /// A sentence or button with its first letter (after a mnemonic's &) in capitals, unless it
    /// starts with a file's name, whose case is the name's own.
    [[nodiscard]] static QString capitalFirst(QString text);
};

/// A count as the plural forms of a translation take it.
[[nodiscard]] inline int pluralCount(std::size_t count)
{
    return static_cast<int>(std::min<std::size_t>(count, INT_MAX));
}
