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
    if (const auto problem = imageLoadProblem(
            entry.folder.empty() ? std::string(entry.name) : joinPath(entry.folder, entry.name))) {
        ++m_found;
        m_next.problem({ProblemAccount::Kind::Unloadable, entry.folder, entry.name, {}, *problem});
    }
}

} // namespace crestmap
