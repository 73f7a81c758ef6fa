#pragma once

#include <QString>
#include <optional>

namespace vendrix::app {

// ParkDir.txt on disk, named relative to the working folder as the program always names it.
class FolderMemoryFile {
public:
    explicit FolderMemoryFile(QString fileName) : fileName_(std::move(fileName)) {}

    const QString& fileName() const { return fileName_; }

    // True when the file holds something to read back (it exists and its length is not 0).
    bool holdsFolder() const;
    // The remembered folder; nothing when the file cannot be read.
    std::optional<QString> read() const;
    // Creates the file empty, or cuts it to length 0. A failure leaves nothing to do: the start
    // goes on, and Exit reports when it cannot write the file either.
    void createEmpty() const;
    // Replaces the content with the folder's line; the reason when that fails, with the file as
    // it was.
    std::optional<QString> write(const QString& folder) const;

private:
    QString fileName_;
};

} // namespace vendrix::app
