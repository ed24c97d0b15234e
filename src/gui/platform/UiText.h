#pragma once
// The string table's texts as Qt strings, for widgets, menus and message boxes.

#include <QString>

QString UiText(unsigned id);
// "%1" and "%2" replaced by the arguments.
QString UiText(unsigned id, const QString& arg1, const QString& arg2 = {});
