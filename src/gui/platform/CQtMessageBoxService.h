#pragma once
// Message boxes of the program as QMessageBox: beep first, then the box, owned by the active
// window or, when there is none, by the main window.

#include "core/app/IMessageBoxService.h"

#include <QPointer>
#include <QWidget>

class QMessageBox;

class CQtMessageBoxService : public IMessageBoxService {
public:
    void Show(const std::string& text, const std::string& caption, Icon icon) override;
    void ShowSystemModal(const std::string& text) override;
    bool Confirm(const std::string& text, const std::string& caption, Icon icon,
                 bool withCancel) override;
    bool AskYesNo(const std::string& text, const std::string& caption) override;

    void SetMainWindow(QWidget* window) { m_pMainWindow = window; }
    QWidget* Owner() const;

private:
    QPointer<QWidget> m_pMainWindow;
};
