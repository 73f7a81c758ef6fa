#pragma once

#include "gui/dialogs/appmessagebox.h"
#include "gui/dialogs/filedialog.h"
#include "gui/folders/volumesource.h"
#include "gui/print/reportprinter.h"

class QSettings;

namespace vendrix::app {

// What the window needs of the machine beyond its own controls. The program passes the real ones;
// tests pass stand-ins that answer in advance and record what was asked.
struct Form1Services {
    gui::AppMessageBox& messages;
    gui::FileDialog& fileDialog;
    gui::ReportPrinter& printer;
    gui::VolumeSource& volumes;
    // Where the window's choices are remembered (the grid's colours); none: they last this run.
    QSettings* settings = nullptr;
};

} // namespace vendrix::app
