#pragma once

#include "ConfigCheck.h"
#include "FileError.h"
#include "ImageCheck.h"
#include "JournalIndex.h"
#include "MappingFile.h"
#include "UndoReplay.h"
#include "WriteAccount.h"

#include <QCoreApplication>
#include <QString>

/// The window's words for what became of files and folders: an image's problem, a file error, a
/// mapping file's state, a folder's check or outcome, an undo. Translated in WindowWords'
/// context, as the rest of the window's words.
class FileWords {
    Q_DECLARE_TR_FUNCTIONS(WindowWords)

public:
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
};
