#pragma once
// The real file dialogs and the save question (German buttons).

#include "gui/document/CDocTemplateStrings.h"
#include "gui/document/IDocumentDialogs.h"

#include <memory>

class QAbstractButton;
class QMessageBox;

class CQtDocumentDialogs : public IDocumentDialogs {
public:
    QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& filter,
                            const QString& initialPath) override;
    QStringList GetOpenFileNames(QWidget* parent, const QString& caption, const QString& filter,
                                 const QString& initialPath) override;
    // The path already carries the document extension; replacing an existing file has been
    // confirmed for exactly that path.
    QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& filter,
                            const QString& initialPath) override;
    SaveAnswer AskSaveChanges(QWidget* parent, const QString& text) override;

    // The question box with Ja (default), Nein and Abbrechen (also Escape), not yet shown.
    static std::unique_ptr<QMessageBox> CreateSaveQuestion(QWidget* parent, const QString& text);
    // The answer a click on button of such a box means (Cancel for a box closed otherwise).
    static SaveAnswer AnswerFor(const QMessageBox& box, const QAbstractButton* button);

private:
    bool ConfirmReplace(QWidget* parent, const QString& path);

    CDocTemplateStrings m_template;
};
