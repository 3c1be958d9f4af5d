#pragma once

#include "WriteAccount.h"

#include <algorithm>
#include <cstddef>

namespace crestmap {

/// Reads each mapped image's first bytes as its entry passes, telling the next listener of those
/// that would not load: the one image check of every front end.
class ImageVerifier : public WriteListener {
public:
    explicit ImageVerifier(WriteListener& next) : m_next(next), m_nextDetail(next.entryDetail()) {}
    [[nodiscard]] EntryDetail entryDetail() const override
    {
        // Every mapped image is read, whether the next one wants to hear of it or not.
        return std::max(m_nextDetail, EntryDetail::Records);
    }
    void entry(const EntryAccount& entry) override;
    void replacing(std::string_view configPath) override { m_next.replacing(configPath); }
    void folder(const FolderAccount& folder) override { m_next.folder(folder); }
    void problem(const ProblemAccount& problem) override
    {
        ++m_found;
        m_next.problem(problem);
    }
    [[nodiscard]] std::size_t found() const noexcept { return m_found; }

private:
    WriteListener& m_next;
    EntryDetail m_nextDetail; ///< asked once: it is asked for every entry
    std::size_t m_found = 0;
};

} // namespace crestmap
