#pragma once
// Message boxes of a run without window: the text goes to a stream (standard error).

#include "core/app/IMessageBoxService.h"

#include <ostream>

class CStreamMessageBoxService : public IMessageBoxService {
public:
    explicit CStreamMessageBoxService(std::ostream& out) : m_out(out) {}

    void Show(const std::string& text, const std::string& caption, Icon icon) override;
    void ShowSystemModal(const std::string& text) override;
    // Nobody can answer: the text goes out and the answer is "Abbrechen".
    bool Confirm(const std::string& text, const std::string& caption, Icon icon,
                 bool withCancel) override;
    // Nobody can answer: the text goes out and the answer is "Nein".
    bool AskYesNo(const std::string& text, const std::string& caption) override;

private:
    std::ostream& m_out;
};
