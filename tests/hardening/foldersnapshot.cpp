#include "foldersnapshot.h"

#include <fstream>
#include <iterator>

namespace vendrix::test {

namespace fs = std::filesystem;

std::string fileBytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

FolderSnapshot snapshot(const fs::path& folder) {
    FolderSnapshot entries;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        // Not fs::relative: it would name a link by the file it points to.
        const std::string name = entry.path().lexically_relative(folder).string();
        if (entry.is_symlink())
            entries[name + " ->"] = fs::read_symlink(entry.path()).string();
        else if (entry.is_regular_file())
            entries[name] = fileBytes(entry.path());
        else
            entries[name + "/"] = {};
    }
    return entries;
}

std::string changesBetween(const FolderSnapshot& before, const FolderSnapshot& after) {
    std::string changes;
    for (const auto& [name, content] : before) {
        const auto now = after.find(name);
        if (now == after.end())
            changes += "removed " + name + "\n";
        else if (now->second != content)
            changes += "changed " + name + "\n";
    }
    for (const auto& [name, content] : after)
        if (!before.contains(name))
            changes += "added " + name + "\n";
    return changes;
}

} // namespace vendrix::test
