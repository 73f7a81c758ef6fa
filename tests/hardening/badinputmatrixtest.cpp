// Every data file of a season, broken in every way a real folder or user breaks it: the scan, the
// table build and the three outputs end with a correct result or a clear message, never a crash, a
// hang or a partial output file, and the season's files are left byte for byte as they were.
#include "foldersnapshot.h"
#include "model/seasonloader.h"
#include "output/csvexport.h"
#include "output/outputfile.h"
#include "output/printedreport.h"
#include "output/textreport.h"
#include "parktable/parktable.h"
#include "season/parkrecord.h"
#include "season/seasonfiles.h"
#include "season/seasonscan.h"
#include "seasonkit/sampleseason.h"
#include "support/tempfolder.h"

#ifdef VENDRIX_HARDENING_PDF
#include "gui/print/pdfprinter.h"
#endif

#include <algorithm>
#include <charconv>
#include <functional>
#include <gtest/gtest.h>
#include <random>

using namespace vendrix;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;
using test::changesBetween;
using test::snapshot;

struct DataFile {
    std::string name;
    std::size_t recordLength;
    Bytes sample;
};

struct Breakage {
    std::string name;
    // Turns the sample folder into the broken one; `file` is the data file under test.
    std::function<void(const fs::path& folder, const DataFile& file)> apply;
};

Bytes repeatRecords(const Bytes& sample, std::size_t recordLength, std::size_t count) {
    Bytes out;
    out.reserve(recordLength * count);
    const std::size_t records = sample.size() / recordLength;
    for (std::size_t i = 0; i < count; ++i) {
        const auto from = sample.begin() + static_cast<std::ptrdiff_t>((i % records) * recordLength);
        out.insert(out.end(), from, from + static_cast<std::ptrdiff_t>(recordLength));
    }
    return out;
}

void write(const fs::path& file, const Bytes& bytes) {
    seasonkit::writeBytes(file, bytes);
}

std::vector<Breakage> breakages() {
    const auto resized = [](std::function<std::size_t(std::size_t)> length) {
        return [length](const fs::path& folder, const DataFile& f) {
            Bytes bytes = f.sample;
            bytes.resize(length(f.recordLength), 0x41);
            write(folder / f.name, bytes);
        };
    };
    const auto filled = [](std::uint8_t byte) {
        return [byte](const fs::path& folder, const DataFile& f) {
            write(folder / f.name, Bytes(f.recordLength * 3, byte));
        };
    };
    return {
        {"missing",
         [](const fs::path& folder, const DataFile& f) {
             fs::remove(folder / f.name);
         }},
        {"empty", resized([](std::size_t) { return 0; })},
        {"one byte", resized([](std::size_t) { return 1; })},
        {"one byte short of a record", resized([](std::size_t l) { return l - 1; })},
        {"one byte over a record", resized([](std::size_t l) { return l + 1; })},
        {"half a record", resized([](std::size_t l) { return l / 2; })},
        {"all bytes 0xFF", filled(0xFF)},
        {"all bytes 0x00", filled(0x00)},
        {"random bytes",
         [](const fs::path& folder, const DataFile& f) {
             std::mt19937 random(static_cast<unsigned>(f.recordLength));
             Bytes bytes(f.recordLength * 5 + 17);
             for (auto& b : bytes)
                 b = static_cast<std::uint8_t>(random());
             write(folder / f.name, bytes);
         }},
        {"32,767 records",
         [](const fs::path& folder, const DataFile& f) {
             write(folder / f.name, repeatRecords(f.sample, f.recordLength, 32767));
         }},
        {"40,000 records",
         [](const fs::path& folder, const DataFile& f) {
             write(folder / f.name, repeatRecords(f.sample, f.recordLength, 40000));
         }},
        {"a folder in place of the file",
         [](const fs::path& folder, const DataFile& f) {
             fs::remove(folder / f.name);
             fs::create_directory(folder / f.name);
         }},
        {"a name in capitals",
         [](const fs::path& folder, const DataFile& f) {
             std::string upper = f.name;
             for (char& c : upper)
                 c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
             fs::rename(folder / f.name, folder / upper);
         }},
        {"a link to a missing file",
         [](const fs::path& folder, const DataFile& f) {
             fs::remove(folder / f.name);
             fs::create_symlink(folder / "gone.dat", folder / f.name);
         }},
        {"names of every byte value",
         [](const fs::path& folder, const DataFile& f) {
             // The bytes that quote, split or end a line, the code page's holes and the pattern
             // characters first (the league name holds only 30 bytes), then every value.
             std::string bytes("\"\r\n,\t@!\x00\x81\x8D\x8F\x90\x9D\x7F\xFF", 15);
             for (int b = 0; b < 256; ++b)
                 bytes.push_back(static_cast<char>(b));
             std::size_t next = 0;
             const auto fill = [&](std::string& name) {
                 for (char& c : name)
                     c = bytes[next++ % bytes.size()];
             };
             auto content = seasonkit::sampleSeason();
             for (auto& park : content.parks)
                 fill(park.record.parkName);
             for (auto& team : content.teams) {
                 fill(team.record.nameFirst);
                 fill(team.record.nameSecond);
             }
             for (auto& org : content.orgs)
                 fill(org.record.orgName);
             write(folder / f.name, f.name == "dmbpark.dat"   ? seasonkit::encodeParks(content.parks)
                                    : f.name == "dmbteam.dat" ? seasonkit::encodeTeams(content.teams)
                                                              : seasonkit::encodeOrgs(content.orgs));
         }},
    };
}

std::vector<DataFile> dataFiles() {
    const auto sample = seasonkit::sampleSeason();
    return {
        {"dmbpark.dat", season::ParkRecord::kSize, seasonkit::encodeParks(sample.parks)},
        {"dmbteam.dat", season::TeamRecord::kSize, seasonkit::encodeTeams(sample.teams)},
        {"dmborg.dat", season::OrgRecord::kSize, seasonkit::encodeOrgs(sample.orgs)},
    };
}

// An output is either complete (exactly the bytes meant for it) or not there at all.
void expectCompleteOrAbsent(const fs::path& file, const std::string& bytes) {
    if (!fs::exists(file))
        return;
    EXPECT_TRUE(test::fileBytes(file) == bytes) << file << " is partial";
}

std::size_t count(std::string_view text, std::string_view part) {
    std::size_t found = 0;
    for (auto at = text.find(part); at != std::string_view::npos; at = text.find(part, at + part.size()))
        ++found;
    return found;
}

struct CsvShape {
    std::size_t lines = 0;
    std::size_t fieldsPerLine = 0; // 0 when the lines differ
    bool operator==(const CsvShape&) const = default;
};

std::ostream& operator<<(std::ostream& out, const CsvShape& shape) {
    return out << shape.lines << " lines of " << shape.fieldsPerLine << " fields";
}

// Lines and fields as a CSV reader counts them: separators inside quotes do not count.
CsvShape csvShape(std::string_view csv) {
    CsvShape shape;
    std::size_t fields = 1;
    bool quoted = false;
    for (std::size_t i = 0; i < csv.size(); ++i) {
        if (csv[i] == '"')
            quoted = !quoted;
        else if (!quoted && csv[i] == ',')
            ++fields;
        else if (!quoted && csv.substr(i, 2) == "\r\n") {
            if (shape.lines++ == 0)
                shape.fieldsPerLine = fields;
            else if (fields != shape.fieldsPerLine)
                shape.fieldsPerLine = 0;
            fields = 1;
            ++i;
        }
    }
    return shape;
}

#ifdef VENDRIX_HARDENING_PDF
// A PDF file is complete when it ends where its cross-reference table says and holds every page
// that its page tree counts, at least one a section. (The document's date makes a byte comparison
// with a second rendering useless.)
void expectCompletePdfOrAbsent(const fs::path& file, const output::PrintedReport& report) {
    if (!fs::exists(file))
        return;
    const std::string pdf = test::fileBytes(file);
    ASSERT_TRUE(pdf.starts_with("%PDF-")) << file;
    ASSERT_TRUE(pdf.ends_with("%%EOF\n")) << file << " is cut short";
    const auto startxref = pdf.rfind("startxref\n");
    ASSERT_NE(startxref, std::string::npos);
    std::size_t xref = 0;
    const char* digits = pdf.data() + startxref + 10;
    std::from_chars(digits, pdf.data() + pdf.size(), xref);
    EXPECT_EQ(pdf.compare(xref, 4, "xref"), 0)
        << file << ": the cross-reference table is not where it is said to be";

    const std::size_t pages = count(pdf, "/Type /Page\n");
    const auto countAt = pdf.find("/Count ", pdf.find("/Type /Pages"));
    ASSERT_NE(countAt, std::string::npos);
    EXPECT_EQ(std::to_string(pages),
              pdf.substr(countAt + 7, pdf.find_first_not_of("0123456789", countAt + 7) - countAt - 7));
    EXPECT_GE(pages, report.sections.size());
}
#endif

class BadInputMatrix : public ::testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(BadInputMatrix, EndsInAResultOrAMessageAndTouchesNoDataFile) {
    const DataFile file = dataFiles()[static_cast<std::size_t>(std::get<0>(GetParam()))];
    const Breakage breakage = breakages()[static_cast<std::size_t>(std::get<1>(GetParam()))];
    test::TempFolder work;
    const fs::path season = work / "season";
    seasonkit::writeSeason(season, seasonkit::sampleSeason());
    breakage.apply(season, file);
    const auto before = snapshot(season);

    const auto scan = season::scanSeasonFolder(season, season::listSeasonFileNames(season));
    if (!scan.isComplete()) {
        EXPECT_FALSE(scan.missingFiles().empty());
        EXPECT_EQ(changesBetween(before, snapshot(season)), "");
        return;
    }
    const auto build = model::buildSeason(scan, season, scan.parkFile);
    if (!build.built()) {
        EXPECT_FALSE(build.message.empty());
        EXPECT_EQ(changesBetween(before, snapshot(season)), "");
        return;
    }
    const parktable::ParkTable table(*build.season);
    ASSERT_GE(table.rowCount(), 2);
    for (int r = 2; r < table.rowCount(); ++r)
        ASSERT_EQ(table.cell(r, 0).size(), 30u);

    const std::string csv = output::csvText(table);
    const std::string text = output::textReport(table, scan.caption());
    const output::PrintedReport printed = output::layoutPrintedReport(table, scan.caption());
    EXPECT_EQ(csvShape(csv), (CsvShape{static_cast<std::size_t>(table.rowCount()), 33}));
    // A cell of random bytes may hold a line break of its own.
    EXPECT_TRUE(text.ends_with("\r\n"));
    EXPECT_GE(count(text, "\r\n"), 4 * static_cast<std::size_t>(table.parkCount()) + 11);
    for (const auto& [target, bytes] : {std::pair{work / "out.csv", csv}, {work / "out.txt", text}}) {
        try {
            output::writeOutputFile(target, bytes);
        } catch (const output::OutputError& error) {
            ADD_FAILURE() << error.what();
        }
        expectCompleteOrAbsent(target, bytes);
    }
#ifdef VENDRIX_HARDENING_PDF
    const fs::path pdf = work / "out.pdf";
    try {
        gui::PdfPrinter(pdf).print(printed);
    } catch (const gui::PrintError& error) {
        ADD_FAILURE() << error.what();
    }
    expectCompletePdfOrAbsent(pdf, printed);
#endif
    EXPECT_EQ(changesBetween(before, snapshot(season)), "");
}

std::string caseName(const ::testing::TestParamInfo<std::tuple<int, int>>& info) {
    std::string name = dataFiles()[static_cast<std::size_t>(std::get<0>(info.param))].name + "_" +
                       breakages()[static_cast<std::size_t>(std::get<1>(info.param))].name;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(EveryDataFile, BadInputMatrix,
                         ::testing::Combine(::testing::Range(0, 3),
                                            ::testing::Range(0, static_cast<int>(breakages().size()))),
                         caseName);

} // namespace
