#pragma once
// "&Bedienung": the HTML manual doc/index.htm below the program folder, opened in the
// desktop's browser. Greyed while the file is missing.

#include <QString>

class CCommandTable;
class QObject;

namespace CManualCommand {
// The manual's path for the program folder of the application object; empty without one.
QString ManualPath();
void Install(CCommandTable& commands, QObject* owner);
} // namespace CManualCommand
