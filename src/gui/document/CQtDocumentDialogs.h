#pragma once
// The real file dialogs and the save question (German buttons).

#include "gui/document/IDocumentDialogs.h"

class CQtDocumentDialogs : public IDocumentDialogs {
public:
    QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& filter,
                            const QString& initialPath) override;
    QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& filter,
                            const QString& initialPath) override;
    SaveAnswer AskSaveChanges(QWidget* parent, const QString& text) override;
};
