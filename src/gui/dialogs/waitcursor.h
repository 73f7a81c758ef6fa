#pragma once

namespace vendrix::gui {

// Shows the hourglass while it lives; the arrow comes back on every way out of the scope,
// exceptions included.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    // True while any guard shows the hourglass.
    static bool isShown();
};

} // namespace vendrix::gui
