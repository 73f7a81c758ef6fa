#pragma once

#include "exportoptions.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace vendrix::exporter {

// What `vendrix-export compare` is asked for.
struct CompareOptions {
    bool strict = false;
    std::string oldFolder;
    std::string newFolder;
    std::optional<std::string> jsonFile;
    std::optional<std::string> textFile;
    std::optional<std::string> htmlFile; // the new season's page with the changes marked
};

std::string compareUsageText();

// Reads both seasons as the window does, compares them and writes the text and the JSON asked for
// (the text to standard output when neither is). The result is the exit status.
int runCompare(const CompareOptions& options);

} // namespace vendrix::exporter
