#pragma once

#include <QString>
#include <optional>

namespace vendrix::gui {

// What the print dialog chose: the printer, the pages (counted from 1; 0 for the last: to the end)
// and the number of copies.
struct PrintSetup {
    QString printer;
    int firstPage = 1;
    int lastPage = 0;
    int copies = 1;
};

// "Print..." asks with the system's print dialog. Tests answer it in advance.
class PrintDialog {
public:
    virtual ~PrintDialog() = default;
    // The choices, or none when the user cancels.
    virtual std::optional<PrintSetup> ask() = 0;
};

// The system's print dialog, opened on the default printer, landscape.
class SystemPrintDialog : public PrintDialog {
public:
    std::optional<PrintSetup> ask() override;
};

} // namespace vendrix::gui
