#pragma once
// Qt's own German texts, so that standard buttons and dialogs speak German.

class QCoreApplication;

// Installs qtbase_de from Qt's translation folder; false if it was not found.
bool InstallGermanTranslations(QCoreApplication& app);
