#include "core/export/CStreamMessageBoxService.h"

void CStreamMessageBoxService::Show(const std::string& text, const std::string& caption,
                                    Icon /*icon*/) {
    if (caption.empty())
        m_out << text << '\n';
    else
        m_out << caption << ": " << text << '\n';
    m_out.flush();
}

void CStreamMessageBoxService::ShowSystemModal(const std::string& text) {
    Show(text, {}, Icon::Stop);
}

bool CStreamMessageBoxService::AskYesNo(const std::string& text, const std::string& caption) {
    Show(text, caption, Icon::Information);
    return false;
}

bool CStreamMessageBoxService::Confirm(const std::string& text, const std::string& caption,
                                       Icon icon, bool /*withCancel*/) {
    Show(text, caption, icon);
    return false;
}
