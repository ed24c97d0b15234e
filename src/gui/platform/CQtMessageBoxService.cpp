#include "gui/platform/CQtMessageBoxService.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

#include "core/app/StringTable.h"
#include "gui/platform/UiText.h"

QWidget* CQtMessageBoxService::Owner() const {
    if (QWidget* active = QApplication::activeWindow())
        return active;
    return m_pMainWindow.data();
}

void CQtMessageBoxService::Show(const std::string& text, const std::string& caption, Icon icon) {
    QApplication::beep();
    QMessageBox box(icon == Icon::Stop ? QMessageBox::Critical : QMessageBox::Information,
                    QString::fromStdString(caption), QString::fromStdString(text), QMessageBox::Ok,
                    Owner());
    box.exec();
}

void CQtMessageBoxService::ShowSystemModal(const std::string& text) {
    QApplication::beep();
    // Without a system-wide modality, block the whole program at least.
    QMessageBox box(QMessageBox::Critical, QApplication::applicationName(),
                    QString::fromStdString(text), QMessageBox::Ok, Owner());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

bool CQtMessageBoxService::AskYesNo(const std::string& text, const std::string& caption) {
    QMessageBox box(QMessageBox::Question, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::Yes | QMessageBox::No, Owner());
    return box.exec() == QMessageBox::Yes;
}

bool CQtMessageBoxService::Confirm(const std::string& text, const std::string& caption, Icon icon,
                                   bool withCancel) {
    QMessageBox box(icon == Icon::Information ? QMessageBox::Information
                    : icon == Icon::Stop      ? QMessageBox::Critical
                                              : QMessageBox::NoIcon,
                    QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::NoButton, Owner());
    QPushButton* ok = box.addButton(UiText(StringTable::kButtonOk), QMessageBox::AcceptRole);
    if (withCancel)
        box.addButton(UiText(StringTable::kButtonCancel), QMessageBox::RejectRole);
    box.setDefaultButton(ok);
    box.exec();
    return box.clickedButton() == ok;
}
