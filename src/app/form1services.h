#pragma once

#include "platform/appmessagebox.h"
#include "platform/filedialog.h"
#include "platform/reportprinter.h"
#include "platform/volumesource.h"

namespace vendrix::app {

// What the window needs of the machine beyond its own controls. The program passes the real ones;
// tests pass stand-ins that answer in advance and record what was asked.
struct Form1Services {
    platform::AppMessageBox& messages;
    platform::FileDialog& fileDialog;
    platform::ReportPrinter& printer;
    platform::VolumeSource& volumes;
};

} // namespace vendrix::app
