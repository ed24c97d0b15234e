#pragma once
// Dialog 100 "Info über AUVO": program icon, name and version, maker, OK.

#include <QDialog>

class QLabel;

class CAboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit CAboutDialog(QWidget* parent = nullptr);

    // Control 1020: program name, version and release stamp.
    QLabel* VersionText() const { return m_pVersionText; }
    QLabel* MakerText() const { return m_pMakerText; }

private:
    QLabel* m_pVersionText;
    QLabel* m_pMakerText;
};
