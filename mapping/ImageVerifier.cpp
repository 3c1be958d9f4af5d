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
    if (const auto image = imageLoadProblem(joinPath(entry.folder, entry.name))) {
        problem({ProblemAccount::Kind::Unloadable, entry.folder, entry.name, {}, *image});
    }
}

} // namespace crestmap
