// Placeholders until the output writers land; replaced file by file.
#include "csvexport.h"
#include "outputfile.h"
#include "outputname.h"
#include "printedreport.h"
#include "textreport.h"

namespace vendrix::output {
std::string csvText(const parktable::ParkTable&) { return {}; }
std::string textReport(const parktable::ParkTable&, std::string_view) { return {}; }
PrintedReport layoutPrintedReport(const parktable::ParkTable&, std::string_view) { return {}; }
void writeOutputFile(const std::filesystem::path&, std::string_view) {}
bool isRefusedReportName(std::string_view) { return false; }
bool isFolderMemoryFile(const std::filesystem::path&) { return false; }
} // namespace vendrix::output
