#pragma once

#include "app/form1.h"
#include "seasonkit/sampleseason.h"
#include "standins.h"
#include "support/tempfolder.h"

#include <QPushButton>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace vendrix::test {

// Every window test runs in a working folder of its own, where ParkDir.txt lives.
class WindowTest : public ::testing::Test {
protected:
    WindowTest();
    ~WindowTest() override;

    const std::filesystem::path& workFolder() const { return work_; }
    const std::filesystem::path& tempRoot() const { return root_; }
    std::filesystem::path memoryFile() const { return work_ / "ParkDir.txt"; }

    // A window after its start-up.
    std::unique_ptr<app::Form1> startWindow();
    // A season folder under the test's temporary folder.
    std::filesystem::path makeSeason(const std::string& name,
                                     const seasonkit::SeasonContent& content = seasonkit::sampleSeason());
    void remember(const std::filesystem::path& folder);

    static QString qpath(const std::filesystem::path& path);
    static std::string readBytes(const std::filesystem::path& file);
    static void writeBytes(const std::filesystem::path& file, const std::string& bytes);
    static QPushButton& button(const app::Form1& window, const char* objectName);
    // Opens the folder as the user does: double-click in the folder list is the same as this.
    static bool openFolder(app::Form1& window, const std::filesystem::path& folder);

    StandIns standIns;

private:
    TempFolder temp_;
    std::filesystem::path root_;
    std::filesystem::path work_;
    std::filesystem::path previous_;
};

} // namespace vendrix::test
