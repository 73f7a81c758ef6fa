#pragma once

#include "volumesource.h"

namespace vendrix::gui {

// The machine's mounted volumes, through QStorageInfo.
class SystemVolumes : public VolumeSource {
public:
    std::vector<Volume> readyVolumes() override;
    bool isReady(const QString& root) override;
};

} // namespace vendrix::gui
