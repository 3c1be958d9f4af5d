#pragma once

#include "CliReport.h"
#include "StyleSelectors.h"

#include <cstddef>
#include <string>
#include <vector>

namespace CLI {
class App;
} // namespace CLI

namespace crestmap::cli {

inline constexpr const char* programName = "crestmap-cli";

/// What one run of crestmap-cli is asked to do, as its options say it.
struct Request {
    StyleSelectors styles;
    bool styleGiven = false;
    std::vector<std::string> inputs;
    bool toStdout = false;
    bool recursive = false;
    bool check = false;
    bool update = false;
    bool restyle = false;
    bool verify = false;
    bool verbose = false;
    bool undo = false;
    bool force = false;
    Format format = Format::Text;
    bool folder = false; ///< the one input is a folder
};

/// Gives `app` the tool's options, each read into `request`, and its usage, help and examples.
void declareOptions(CLI::App& app, Request& request);

/// How wide the console is, to wrap the help to; 80 columns when it cannot tell.
[[nodiscard]] std::size_t consoleWidth();

/// `text` with each line longer than `width` broken between words.
[[nodiscard]] std::string wrapped(const std::string& text, std::size_t width);

} // namespace crestmap::cli
