#include "seasonnotice.h"

#include "gui/bridge/nativepath.h"

#include <QStringList>
#include <algorithm>
#include <vector>

namespace vendrix::app {

namespace {

using Kind = season::SeasonWarning::Kind;

// An empty table is the loss a user sees first; a park cut off next; what the other files lack last.
int rank(Kind kind) {
    switch (kind) {
    case Kind::NoParkInUse:
        return 0;
    case Kind::ParkFileCut:
        return 1;
    default:
        return 2;
    }
}

QString lossOf(Kind kind) {
    switch (kind) {
    case Kind::NoParkInUse:
        return QStringLiteral("the table is empty");
    case Kind::ParkFileCut:
        return QStringLiteral("the last park record is cut off and is not shown");
    default:
        return {};
    }
}

} // namespace

QString seasonNoticeText(const model::Season& season) {
    std::vector<season::SeasonWarning> warnings = season.warnings();
    std::stable_sort(warnings.begin(), warnings.end(),
                     [](const auto& a, const auto& b) { return rank(a.kind) < rank(b.kind); });
    QStringList parts;
    for (const season::SeasonWarning& warning : warnings) {
        // The warnings name files by their native bytes.
        const QString words = gui::fromMessageText(warning.text);
        QString loss = lossOf(warning.kind);
        if (loss.isEmpty()) {
            parts << words;
            continue;
        }
        // A file name keeps its case; the line's own words begin it as a sentence.
        if (parts.isEmpty())
            loss[0] = loss[0].toUpper();
        parts << QStringLiteral("%1 (%2)").arg(loss, words);
    }
    return parts.join(QStringLiteral("; "));
}

} // namespace vendrix::app
