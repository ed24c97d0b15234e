#include "gui/platform/CQtMessageBoxService.h"

#include <QApplication>
#include <QMessageBox>

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
