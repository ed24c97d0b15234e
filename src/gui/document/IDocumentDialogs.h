#pragma once
// The modal questions of the file commands. The program shows real dialogs; tests answer them
// through their own implementation, so no test ever waits for a person.

#include <QString>
#include <QStringList>

class QWidget;

class IDocumentDialogs {
public:
    enum class SaveAnswer { Yes, No, Cancel };

    virtual ~IDocumentDialogs() = default;

    // A path of an existing file, or an empty text when the user cancels.
    // filter is a Qt name filter ("AUVO-Dokumente (*.auvo)"); initialPath is a folder or a file.
    virtual QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& filter,
                                    const QString& initialPath) = 0;
    // Paths of existing files, several chosen at once; none when the user cancels.
    virtual QStringList GetOpenFileNames(QWidget* parent, const QString& caption,
                                         const QString& filter, const QString& initialPath) = 0;
    // A path to save to, or an empty text when the user cancels.
    virtual QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& filter,
                                    const QString& initialPath) = 0;
    // "Änderungen in ... speichern?" with Ja, Nein and Abbrechen.
    virtual SaveAnswer AskSaveChanges(QWidget* parent, const QString& text) = 0;
};
