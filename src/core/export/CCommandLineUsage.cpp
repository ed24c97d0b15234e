#include "core/export/CCommandLineUsage.h"

#include "core/app/StringTable.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace {

// Qt takes its options with one dash or two.
constexpr std::array<std::string_view, 19> kQtOptions = {"platform",
                                                         "platformpluginpath",
                                                         "platformtheme",
                                                         "plugin",
                                                         "qwindowgeometry",
                                                         "geometry",
                                                         "qwindowtitle",
                                                         "title",
                                                         "qwindowicon",
                                                         "icon",
                                                         "reverse",
                                                         "session",
                                                         "style",
                                                         "stylesheet",
                                                         "widgetcount",
                                                         "display",
                                                         "name",
                                                         "sync",
                                                         "qmljsdebugger"};

} // namespace

std::string CCommandLineUsage::Text() {
    return StringTable::Load(StringTable::kUsageWindow) +
           StringTable::Load(StringTable::kUsagePage) + StringTable::Load(StringTable::kUsageWav) +
           StringTable::Load(StringTable::kUsageCsv) + StringTable::Load(StringTable::kUsageTrend);
}

bool CCommandLineUsage::IsUnknownOption(const std::string& word) {
    if (word.size() < 2 || word.compare(0, 2, "--") != 0)
        return false;
    const std::string_view name = std::string_view(word).substr(2, word.find('=') - 2);
    return std::find(kQtOptions.begin(), kQtOptions.end(), name) == kQtOptions.end();
}

int CCommandLineUsage::Check(int argc, char** argv, std::ostream& out, std::ostream& err) {
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        // The end of the options: every word after it is a file name.
        if (word == kEndOfOptions)
            break;
        if (word == "--help") {
            out << Text();
            return kHelp;
        }
        if (IsUnknownOption(word)) {
            err << StringTable::Format(StringTable::kUnknownOption, word) << "\n" << Text();
            return kUnknownOption;
        }
    }
    return kGoOn;
}

int CCommandLineUsage::QtArgumentCount(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]) == kEndOfOptions)
            return i;
    return argc;
}
