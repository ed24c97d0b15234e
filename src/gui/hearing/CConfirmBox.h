#pragma once
// The tone dialogs' boxes that must be answered before they go on (the start message of the
// hearing test, its pause question). Tests set an answerer, so no box waits for a person.

#include <functional>
#include <string>

class QWidget;

class CConfirmBox {
public:
    using Answerer = std::function<bool(const std::string& text, bool withCancel)>;

    // Box with the application title, information icon or none, OK or OK and "Abbrechen".
    // True for OK.
    static bool Ask(QWidget* parent, const std::string& text, bool information, bool withCancel);
    // Answers every box instead of showing it; an empty function shows them again.
    static void SetAnswerer(Answerer answerer);
};
