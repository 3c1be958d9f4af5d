#pragma once

#include <iosfwd>

namespace crestmap::cli {

/// Exit statuses of crestmap-cli.
enum ExitStatus : int { Written = 0, Failed = 1, UsageError = 2 };

/// Runs crestmap-cli on its arguments: parses them, writes config.xml or the document, reports.
[[nodiscard]] int run(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

} // namespace crestmap::cli
