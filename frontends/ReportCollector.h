#pragma once

#include "ConfigCheck.h"
#include "WriteAccount.h"
#include "WriteReport.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct WriteProgress;

/// Turns a write's or a check's account into a report as it is made; a folder's rows join only
/// once its outcome is known.
class ReportCollector : public crestmap::WriteListener {
public:
    explicit ReportCollector(WriteReport& report, WriteProgress* progress = nullptr)
        : m_report(report), m_progress(progress)
    {}

    [[nodiscard]] crestmap::EntryDetail entryDetail() const override
    {
        return crestmap::EntryDetail::Pictures;
    }
    void entry(const crestmap::EntryAccount& entry) override;
    void folder(const crestmap::FolderAccount& folder) override;
    void problem(const crestmap::ProblemAccount& problem) override;
    /// One folder of a check, after its entries.
    void checked(const std::string& folder, const crestmap::ConfigCheck& check,
                 std::optional<crestmap::StylePair> style);

    /// Puts the problems first, ranks the rows and states the facts; call once the job is over.
    void finish(std::vector<crestmap::Fact> facts);

private:
    /// `planned`: one of the folders a plan counts, so one that the progress counts too.
    void folderDone(std::string_view folder, std::size_t images,
                    std::optional<crestmap::StylePair> style, bool planned);

    WriteReport& m_report;
    WriteProgress* m_progress;
    std::size_t m_folderStart = 0; ///< the first row of the folder under way
};
