#pragma once

#include <QString>
#include <vector>

namespace vendrix::gui {

// A drive: on Linux a mounted volume, named by the folder it is mounted on.
struct Volume {
    QString root; // clean absolute path, "/" for the root volume
    QString name; // what the system calls it; may be empty
};

// Where the drive list learns the drives. Tests stand in for the machine's volumes.
class VolumeSource {
public:
    virtual ~VolumeSource() = default;
    // The volumes that are mounted and ready, the root volume always among them.
    virtual std::vector<Volume> readyVolumes() = 0;
    // Asked again when a drive is chosen: a volume can go away while the list shows it.
    virtual bool isReady(const QString& root) = 0;
};

} // namespace vendrix::gui
