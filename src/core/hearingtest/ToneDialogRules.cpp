#include "core/hearingtest/ToneDialogRules.h"

#include "core/app/StringTable.h"

#include <string_view>

namespace ToneDialogRules {

std::string SideName(int side) {
    return StringTable::Load(side == 1 ? StringTable::kRight : StringTable::kLeft);
}

std::string Fill(const std::string& pattern, std::initializer_list<std::string> args) {
    std::string text;
    auto next = args.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || i + 1 >= pattern.size()) {
            text += pattern[i];
            continue;
        }
        if (pattern[i + 1] == '%') {
            text += '%';
            ++i;
            continue;
        }
        std::size_t end = i + 1;
        while (end < pattern.size() &&
               std::string_view(".0123456789l").find(pattern[end]) != std::string_view::npos) {
            ++end;
        }
        if (end < pattern.size() && next != args.end()) {
            text += *next++;
            i = end;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

} // namespace ToneDialogRules
