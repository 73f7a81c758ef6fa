#pragma once

#include <QLabel>

namespace vendrix::gui {

// The line that tells a first-time user what to do, shown over the empty table area until a season
// is open. Clicks pass through it to the table beneath.
class FirstStartHint : public QLabel {
    Q_OBJECT
public:
    static constexpr const char* kText =
        "Open a season folder: a folder holding dmbpark.dat, dmbteam.dat and dmborg.dat";

    explicit FirstStartHint(QWidget* parent);
};

} // namespace vendrix::gui
