#pragma once
// Modal editor for the free-text comment of a measurement.

#include <QDialog>

#include <string>

class QPlainTextEdit;

class CKommentarDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMaxChars = 500;

    explicit CKommentarDialog(QWidget* parent = nullptr);

    // Set before exec(), read after Accepted. UTF-8; line breaks are CR LF after OK.
    std::string m_strKommentar;

    QPlainTextEdit* Edit() const { return m_pEdit; }

public slots:
    // Refuses OK (with the framework's message) while the text is too long.
    void accept() override;

protected:
    // Loads the comment into the editor when the dialog opens.
    void showEvent(QShowEvent* event) override;

private:
    QPlainTextEdit* m_pEdit;
    bool m_bLoaded = false;
};
