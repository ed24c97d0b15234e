#include "platform/archive/CException.h"

namespace {
// Characters, not bytes: the limit is a character count.
std::size_t CountCodePoints(const std::string& utf8) {
    std::size_t n = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80)
            ++n;
    return n;
}
} // namespace

bool CException::GetErrorMessage(std::string& text, std::size_t maxChars,
                                 unsigned* helpContext) const {
    text.clear();
    if (helpContext)
        *helpContext = 0;
    if (CountCodePoints(m_strMessage) >= maxChars)
        return false;
    text = m_strMessage;
    return true;
}
