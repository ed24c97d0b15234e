#pragma once
// The fields of the document template string (id 128): title, names, filter and extension.

#include <QString>

class CDocTemplateStrings {
public:
    enum Field {
        WindowTitle = 0,
        DocName,
        FileNewName,
        FilterName,
        FilterExt,
        RegFileTypeId,
        RegFileTypeName,
    };

    // Reads string 128; missing fields fall back to the program's own values.
    CDocTemplateStrings();
    explicit CDocTemplateStrings(const QString& text);

    QString Get(Field field) const;
    // The Qt name filter for the file dialogs: "AUVO-Dokumente (*.auvo)".
    QString DialogFilter() const;
    // The path with the template's extension appended unless it already ends with it.
    QString WithExtension(const QString& path) const;

private:
    QString m_fields[7];
};
