#pragma once

#include "WriteJob.h"
#include "WriteReport.h"

#include <QCoreApplication>
#include <QString>

/// The modal outcome alert of a write: a title, a body, an "OK" button (and, where the write
/// can be taken back and should be thought of, an "Undo" one), and the write's figures behind
/// "Show Details…".
struct ResultAlert {
    Q_DECLARE_TR_FUNCTIONS(ResultAlert)

public:
    QString messageText;
    QString informativeText;
    QString detailedText;
    bool offersUndo = false;
    bool warning = false; ///< it replaced records the new files lack

    /// The alert that follows a write of `source`.
    [[nodiscard]] static ResultAlert forWrite(WriteRequest::Source source,
                                              const WriteReport& report);

    friend bool operator==(const ResultAlert&, const ResultAlert&) = default;
};
