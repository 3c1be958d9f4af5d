#include "WriteAccount.h"

#include "FileNames.h"

namespace crestmap {

void WriteTally::entry(const EntryAccount& entry)
{
    if (entry.reason) {
        m_pending.add(entry.folder.empty() ? std::string(entry.name)
                                           : joinPath(entry.folder, entry.name),
                      *entry.reason);
    }
}

void WriteTally::folder(const FolderAccount& folder)
{
    switch (folder.outcome) {
    case FolderAccount::Outcome::Written:
        ++m_foldersWritten;
        m_records += folder.records;
        m_images += folder.images;
        m_lastConfigPath = folder.configPath;
        m_skipped.merge(m_pending);
        m_recordsLost += folder.recordsLost;
        m_foldersLosing += folder.recordsLost > 0 ? 1 : 0;
        break;
    case FolderAccount::Outcome::LeftAlone:
        // Entries passed over in a folder left alone still want the user's eye.
        m_skipped.merge(m_pending);
        break;
    case FolderAccount::Outcome::Failed:
        ++m_foldersFailed;
        if (m_failures.size() < sampleLimit) {
            m_failures.push_back({std::string(folder.folder), std::string(folder.error)});
        }
        break;
    case FolderAccount::Outcome::Cancelled:
        m_cancelled = true;
        break;
    case FolderAccount::Outcome::Kept:
        ++m_foldersKept;
        break;
    case FolderAccount::Outcome::NotMapped:
        ++m_foldersNotMapped;
        break;
    }
    m_pending = {};
}

void WriteTally::problem(const ProblemAccount& problem)
{
    ++(problem.kind == ProblemAccount::Kind::Clash ? m_clashes : m_unloadable);
}

} // namespace crestmap
