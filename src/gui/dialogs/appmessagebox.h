#pragma once

#include <QString>

namespace vendrix::gui {

inline constexpr const char* kMessageTitle = "Vendrix_V10";

// Tells the user something and waits until they close the message: text only, an OK button, no
// icon, the program's title. Tests put a recorder in its place.
class AppMessageBox {
public:
    virtual ~AppMessageBox() = default;
    virtual void show(const QString& text) = 0;
    // Asks a question with Yes and No buttons (same title, no icon) and waits; true for Yes. No is
    // the default button, so a stray Enter never answers Yes.
    virtual bool ask(const QString& question) = 0;
};

} // namespace vendrix::gui
