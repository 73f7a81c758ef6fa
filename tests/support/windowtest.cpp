#include "windowtest.h"

#include "gui/folders/folderlist.h"

#include <QFile>
#include <fstream>
#include <iterator>

namespace vendrix::test {

WindowTest::WindowTest()
    : root_(std::filesystem::canonical(temp_.path())), work_(root_ / "work"),
      previous_(std::filesystem::current_path()) {
    std::filesystem::create_directories(work_);
    std::filesystem::current_path(work_);
}

WindowTest::~WindowTest() {
    std::filesystem::current_path(previous_);
}

std::unique_ptr<app::Form1> WindowTest::startWindow() {
    auto window = std::make_unique<app::Form1>(standIns.services());
    window->load();
    return window;
}

std::filesystem::path WindowTest::makeSeason(const std::string& name,
                                             const seasonkit::SeasonContent& content) {
    const std::filesystem::path folder = root_ / name;
    seasonkit::writeSeason(folder, content);
    return folder;
}

void WindowTest::remember(const std::filesystem::path& folder) {
    writeBytes(memoryFile(), '"' + folder.string() + "\"\r\n");
}

QString WindowTest::qpath(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

std::string WindowTest::readBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WindowTest::writeBytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
}

QPushButton& WindowTest::button(const app::Form1& window, const char* objectName) {
    auto* found = window.findChild<QPushButton*>(QString::fromLatin1(objectName));
    if (!found)
        throw std::runtime_error(std::string("no button ") + objectName);
    return *found;
}

bool WindowTest::openFolder(app::Form1& window, const std::filesystem::path& folder) {
    return window.folderList().setPath(qpath(folder));
}

} // namespace vendrix::test
