#include "core/hearingtest/ToneDialogRules.h"

#include "core/app/StringTable.h"

namespace ToneDialogRules {

std::string SideName(int side) {
    return StringTable::Load(side == 1 ? StringTable::kRight : StringTable::kLeft);
}

} // namespace ToneDialogRules
