#include "ImageVerifier.h"

#include "FileNames.h"
#include "ImageCheck.h"

namespace crestmap {

void ImageVerifier::entry(const EntryAccount& entry)
{
    if (entry.reason || m_nextDetail != EntryDetail::Skips) {
        m_next.entry(entry);
    }
    if (entry.reason) {
        return;
    }
    // A file handed over has no folder, and its name is its whole path.
    if (const auto problem = imageLoadProblem(joinPath(entry.folder, entry.name))) {
        ++m_found;
        m_next.problem({ProblemAccount::Kind::Unloadable, entry.folder, entry.name, {}, *problem});
    }
}

} // namespace crestmap
