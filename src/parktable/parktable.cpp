#include "parktable.h"

#include "model/decimaltext.h"

namespace vendrix::parktable {

std::string_view ParkTable::cell(int row, int column) const {
    const model::Column& about = model::column(column);
    if (row == kGroupCaptionRow)
        return about.groupCaption;
    if (row == kColumnCaptionRow)
        return about.caption;
    const model::Park& shown = park(row);
    switch (about.kind) {
    case model::ColumnKind::Number:
        return model::decimalText(*shown.number(column));
    case model::ColumnKind::Text:
        return column == col::parkName ? shown.nameField() : shown.team();
    case model::ColumnKind::Word:
        return shown.text(column);
    case model::ColumnKind::Blank:
    case model::ColumnKind::View:
        break;
    }
    return {};
}

void ParkTable::rowCells(int row, Row& cells) const {
    if (row < kFirstParkRow) {
        for (int column = 0; column < kParkColumnCount; ++column)
            cells[static_cast<std::size_t>(column)] = cell(row, column);
        return;
    }
    const model::Park& shown = park(row);
    cells[col::parkName] = shown.nameField();
    cells[col::teamName] = shown.team();
    cells[col::year] = model::decimalText(shown.year());
    for (int i = 0; i < model::Park::kFencePoints; ++i) {
        cells[static_cast<std::size_t>(col::firstFenceDistance + i)] =
            model::decimalText(shown.fenceDistance(i));
        cells[static_cast<std::size_t>(col::firstFenceHeight + i)] = model::decimalText(shown.fenceHeight(i));
    }
    for (int i = 0; i < model::Park::kFactors; ++i) {
        cells[static_cast<std::size_t>(col::firstFactorLHB + i)] = model::decimalText(shown.factorLHB(i));
        cells[static_cast<std::size_t>(col::firstFactorRHB + i)] = model::decimalText(shown.factorRHB(i));
    }
    for (int i = 0; i < model::Park::kAttributes; ++i)
        cells[static_cast<std::size_t>(col::firstAttribute + i)] =
            shown.word(static_cast<model::ParkAttribute>(i));
    cells[col::lastCaptioned + 1] = {};
    cells[col::lastCaptioned + 2] = {};
}

} // namespace vendrix::parktable
