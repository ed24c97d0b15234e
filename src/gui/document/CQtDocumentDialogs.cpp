#include "gui/document/CQtDocumentDialogs.h"

#include "core/app/StringTable.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

QString CQtDocumentDialogs::GetOpenFileName(QWidget* parent, const QString& caption,
                                            const QString& filter, const QString& initialPath) {
    return QFileDialog::getOpenFileName(parent, caption, initialPath, filter);
}

QString CQtDocumentDialogs::GetSaveFileName(QWidget* parent, const QString& caption,
                                            const QString& filter, const QString& initialPath) {
    return QFileDialog::getSaveFileName(parent, caption, initialPath, filter);
}

IDocumentDialogs::SaveAnswer CQtDocumentDialogs::AskSaveChanges(QWidget* parent,
                                                                const QString& text) {
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(StringTable::Load(57344)), text,
                    QMessageBox::NoButton, parent);
    // Named explicitly: the German button texts must not depend on an installed translation.
    QPushButton* yes = box.addButton(QStringLiteral("&Ja"), QMessageBox::YesRole);
    QPushButton* no = box.addButton(QStringLiteral("&Nein"), QMessageBox::NoRole);
    QPushButton* cancel = box.addButton(QStringLiteral("Abbrechen"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes)
        return SaveAnswer::Yes;
    if (box.clickedButton() == no)
        return SaveAnswer::No;
    return SaveAnswer::Cancel;
}
