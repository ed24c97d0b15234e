#include "core/export/CExportArguments.h"

#include "core/app/StringTable.h"

#include <cmath>
#include <cstdlib>

namespace {

bool ParseSeconds(const std::string& text, double& seconds) {
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string::npos)
        return false;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(value))
        return false;
    if (value <= 0.0 || value > CExportArguments::kMaxSeconds)
        return false;
    seconds = value;
    return true;
}

} // namespace

bool CExportArguments::Parse(const std::vector<std::string>& args) {
    if (args.empty() || args[0] != "--export-wav")
        return false;
    bool haveSeconds = false;
    std::vector<std::string> positional;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--seconds") {
            if (haveSeconds || i + 1 >= args.size() || !ParseSeconds(args[i + 1], m_dSeconds))
                return false;
            haveSeconds = true;
            ++i;
        } else if (arg.size() > 1 && arg[0] == '-') {
            return false;
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 2 || positional[0].empty() || positional[1].empty())
        return false;
    m_strOutPath = positional[0];
    m_strDocumentPath = positional[1];
    return true;
}

std::string CExportArguments::Usage() {
    return StringTable::Load(StringTable::kUsageWav);
}
