#pragma once

#include "ConfigCheck.h"
#include "FileError.h"
#include "ImageCheck.h"
#include "JournalIndex.h"
#include "MappingFile.h"
#include "SkipReason.h"
#include "StyleSelectors.h"
#include "UndoReplay.h"
#include "WriteAccount.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

/// The window's words for each fact of the core, in one table, translated: every other file of
/// the window formats through these.
class WindowWords {
    Q_DECLARE_TR_FUNCTIONS(WindowWords)

public:
    /// "club logos", "kit textures", "stadium backgrounds": what a style's pictures are.
    [[nodiscard]] static QString style(crestmap::StylePair style);
    /// The label of a radio button: "Logo", "Kit texture", "Media source".
    [[nodiscard]] static QString choice(const char* group, std::int64_t value);

    [[nodiscard]] static QString fact(const crestmap::Fact& fact);
    /// The facts joined by " · ", the first word in capitals.
    [[nodiscard]] static QString facts(const std::vector<crestmap::Fact>& facts);

    [[nodiscard]] static QString skip(crestmap::SkipReason reason);
    [[nodiscard]] static QString image(const crestmap::ImageProblem& problem);
    [[nodiscard]] static QString error(const crestmap::FileError& error);
    /// What a folder's row says: "stale: 1 record added", "kept: maps kit records".
    [[nodiscard]] static QString check(const crestmap::ConfigCheck& check);
    [[nodiscard]] static QString folder(const crestmap::FolderAccount& folder);
    /// "cut short: it ends inside a record", "not a mapping file (it is empty)".
    [[nodiscard]] static QString file(const crestmap::MappingScan& file);

    [[nodiscard]] static QString undo(const crestmap::UndoOutcome& outcome);
    /// Which write Undo takes back: "the write of 8 config.xml files in /pack by crestmap-cli,
    /// today at 10:32".
    [[nodiscard]] static QString journal(const crestmap::Journal& journal);

    /// A path as the system writes it, control characters shown as symbols.
    [[nodiscard]] static QString path(std::string_view bytes);
    /// Text for one line: control characters, which would break it or vanish, as symbols.
    [[nodiscard]] static QString readable(QString text);
    /// A count in the form of the window's language.
    [[nodiscard]] static QString number(std::size_t count);
};
