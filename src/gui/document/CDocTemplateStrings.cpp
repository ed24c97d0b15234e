#include "gui/document/CDocTemplateStrings.h"

#include "core/app/StringTable.h"
#include "gui/platform/UiText.h"

#include <QStringList>

namespace {
const char* const kDefaults[7] = {
    "AUVO", "", "AUVO", "AUVO-Dokumente (*.auvo)", ".auvo", "AUVO.Document", "AUVO Dokument",
};
}

CDocTemplateStrings::CDocTemplateStrings()
    : CDocTemplateStrings(UiText(StringTable::kDocStrings)) {}

CDocTemplateStrings::CDocTemplateStrings(const QString& text) {
    const QStringList parts = text.split(QLatin1Char('\n'));
    for (int i = 0; i < 7; ++i) {
        const QString part = i < parts.size() ? parts[i] : QString();
        // The document name may be empty on purpose ("Unbenannt" is used then).
        m_fields[i] = (part.isEmpty() && i != DocName) ? QString::fromUtf8(kDefaults[i]) : part;
    }
}

QString CDocTemplateStrings::Get(Field field) const {
    return m_fields[field];
}

QString CDocTemplateStrings::DialogFilter() const {
    const QString name = m_fields[FilterName];
    const QString pattern = QLatin1Char('*') + m_fields[FilterExt];
    // The filter name already shows the pattern; Qt takes the one in parentheses.
    if (name.contains(QLatin1Char('(')))
        return name;
    return QStringLiteral("%1 (%2)").arg(name, pattern);
}

QString CDocTemplateStrings::WithExtension(const QString& path) const {
    QString ext = m_fields[FilterExt];
    if (!ext.startsWith(QLatin1Char('.')))
        ext.prepend(QLatin1Char('.'));
    // Any other ending counts as part of the name: "Messung 06.12.2026" must still get ".auvo",
    // or the open dialog, filtered to the extension, would never show the file again.
    if (path.isEmpty() || path.endsWith(ext, Qt::CaseInsensitive))
        return path;
    return path + ext;
}
