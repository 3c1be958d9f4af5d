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
    /// What a folder's row says: "stale: 1 record to add", "kept: it maps kit textures".
    [[nodiscard]] static QString check(const crestmap::ConfigCheck& check);
    [[nodiscard]] static QString folder(const crestmap::FolderAccount& folder);
    /// "cut short: it ends inside a record", "not a mapping file (it is empty)".
    [[nodiscard]] static QString file(const crestmap::MappingScan& file);

    [[nodiscard]] static QString undo(const crestmap::UndoOutcome& outcome);
    /// Whether to take back `journal`'s write, naming it and who made it, `thisWindow` or
    /// another: "Undo the write of 8 config.xml files in /pack, made by crestmap-cli at 12/8/26
    /// 10:32 AM?".
    [[nodiscard]] static QString undoQuestion(const crestmap::Journal& journal, bool thisWindow);
};
