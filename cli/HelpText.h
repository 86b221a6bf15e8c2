#pragma once

#include <string>

namespace cli {

// What --help shows: every option with its default and unit, the columns,
// the exit statuses and examples.
std::string HelpText();

// What --version shows: "kyvadlo-run <version>".
std::string VersionText();

} // namespace cli
