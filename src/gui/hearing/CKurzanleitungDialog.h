#pragma once
// Modeless help window in the top right corner of the screen. OK and Esc only hide it;
// its owner shows it again with a new text.

#include <QDialog>

#include <string>

class QLabel;

class CKurzanleitungDialog : public QDialog {
    Q_OBJECT
public:
    explicit CKurzanleitungDialog(QWidget* parent = nullptr);

    void SetText(const std::string& text);
    QString Text() const;

    // The general guide: strings 139 and 150.
    static std::string GeneralText();

    // Moves the window so that its right edge meets the screen's right edge, at the top.
    void PlaceTopRight();

protected:
    // Placed once, when the window first appears with its final size.
    void showEvent(QShowEvent* event) override;

private:
    QLabel* m_pText;
    bool m_bPlaced = false;
};
