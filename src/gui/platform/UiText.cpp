#include "gui/platform/UiText.h"

#include "core/app/StringTable.h"

QString UiText(unsigned id) {
    return QString::fromStdString(StringTable::Load(id));
}

QString UiText(unsigned id, const QString& arg1, const QString& arg2) {
    return QString::fromStdString(StringTable::Format(id, arg1.toStdString(), arg2.toStdString()));
}
