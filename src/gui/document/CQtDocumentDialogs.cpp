#include "gui/document/CQtDocumentDialogs.h"

#include "core/app/StringTable.h"
#include "gui/platform/UiText.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace {

QString AppTitle() {
    return UiText(StringTable::kAppTitle);
}
} // namespace

QString CQtDocumentDialogs::GetOpenFileName(QWidget* parent, const QString& caption,
                                            const QString& filter, const QString& initialPath) {
    return QFileDialog::getOpenFileName(parent, caption, initialPath, filter);
}

QStringList CQtDocumentDialogs::GetOpenFileNames(QWidget* parent, const QString& caption,
                                                 const QString& filter,
                                                 const QString& initialPath) {
    return QFileDialog::getOpenFileNames(parent, caption, initialPath, filter);
}

QString CQtDocumentDialogs::GetSaveFileName(QWidget* parent, const QString& caption,
                                            const QString& filter, const QString& initialPath) {
    QString initial = initialPath;
    for (;;) {
        // The extension is added here, so the question to replace a file asks about the file
        // that would really be replaced.
        QString path = QFileDialog::getSaveFileName(parent, caption, initial, filter, nullptr,
                                                    QFileDialog::DontConfirmOverwrite);
        if (path.isEmpty())
            return {};
        path = m_template.WithExtension(path);
        if (!QFileInfo::exists(path) || ConfirmReplace(parent, path))
            return path;
        initial = path;
    }
}

bool CQtDocumentDialogs::ConfirmReplace(QWidget* parent, const QString& path) {
    QMessageBox box(QMessageBox::Warning, AppTitle(),
                    QString::fromStdString(StringTable::Format(
                        StringTable::kConfirmReplace, QFileInfo(path).fileName().toStdString())),
                    QMessageBox::NoButton, parent);
    QPushButton* yes = box.addButton(UiText(StringTable::kButtonJa), QMessageBox::YesRole);
    QPushButton* no = box.addButton(UiText(StringTable::kButtonNein), QMessageBox::NoRole);
    box.setDefaultButton(no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

std::unique_ptr<QMessageBox> CQtDocumentDialogs::CreateSaveQuestion(QWidget* parent,
                                                                    const QString& text) {
    auto box = std::make_unique<QMessageBox>(QMessageBox::Warning, AppTitle(), text,
                                             QMessageBox::NoButton, parent);
    // Named here: the German texts must not depend on an installed translation.
    QPushButton* yes = box->addButton(UiText(StringTable::kButtonJa), QMessageBox::YesRole);
    box->addButton(UiText(StringTable::kButtonNein), QMessageBox::NoRole);
    QPushButton* cancel =
        box->addButton(UiText(StringTable::kButtonAbbrechenPlain), QMessageBox::RejectRole);
    box->setDefaultButton(yes);
    box->setEscapeButton(cancel);
    return box;
}

IDocumentDialogs::SaveAnswer CQtDocumentDialogs::AnswerFor(const QMessageBox& box,
                                                           const QAbstractButton* button) {
    if (button == nullptr)
        return SaveAnswer::Cancel;
    switch (box.buttonRole(const_cast<QAbstractButton*>(button))) {
    case QMessageBox::YesRole:
        return SaveAnswer::Yes;
    case QMessageBox::NoRole:
        return SaveAnswer::No;
    default:
        return SaveAnswer::Cancel;
    }
}

IDocumentDialogs::SaveAnswer CQtDocumentDialogs::AskSaveChanges(QWidget* parent,
                                                                const QString& text) {
    std::unique_ptr<QMessageBox> box = CreateSaveQuestion(parent, text);
    box->exec();
    return AnswerFor(*box, box->clickedButton());
}
