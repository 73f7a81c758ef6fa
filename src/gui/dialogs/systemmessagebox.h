#pragma once

#include "appmessagebox.h"

namespace vendrix::gui {

// The message box on screen, modal over the active window.
class SystemMessageBox : public AppMessageBox {
public:
    void show(const QString& text) override;
    bool ask(const QString& question) override;
};

} // namespace vendrix::gui
