#include "WriteAccount.h"

#include "FileNames.h"
#include "MappingFile.h"

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
    case FolderAccount::Outcome::NotMapped: {
        const bool kept = folder.outcome == FolderAccount::Outcome::Kept;
        ++(kept ? m_foldersKept : m_foldersNotMapped);
        if (m_left.size() < sampleLimit) {
            m_left.push_back({std::string(folder.folder),
                              kept ? "kept: maps " + describeStyle(folder.style) + " records"
                                   : "not mapped yet"});
        }
        break;
    }
    }
    m_pending = {};
}

void WriteTally::problem(const ProblemAccount& problem)
{
    ++(problem.kind == ProblemAccount::Kind::Clash ? m_clashes : m_unloadable);
    if (m_problems.size() < sampleLimit) {
        m_problems.push_back({problem.kind,
                              problem.folder.empty() ? std::string(problem.name)
                                                     : joinPath(problem.folder, problem.name),
                              std::string(problem.detail)});
    }
}

} // namespace crestmap
