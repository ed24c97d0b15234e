#pragma once
// How the program reaches the user with a message box. The GUI shows real boxes;
// tests and the command-line modes record or print them, so no test waits for a person.

#include <string>

class IMessageBoxService {
public:
    enum class Icon { Stop, Information, None };
    virtual ~IMessageBoxService() = default;
    // Modal box with an OK button; sounds the icon's beep first.
    virtual void Show(const std::string& text, const std::string& caption, Icon icon) = 0;
    // System-modal stop box used when the protocol itself cannot be written.
    virtual void ShowSystemModal(const std::string& text) = 0;
    // Modal box with OK, or OK and "Abbrechen", that must be answered before the caller goes on;
    // true for OK.
    virtual bool Confirm(const std::string& text, const std::string& caption, Icon icon,
                         bool withCancel) = 0;
    // Modal question with "Ja" and "Nein"; true for "Ja".
    virtual bool AskYesNo(const std::string& text, const std::string& caption) = 0;
};
