#include "gui/hearing/CKommentarDialog.h"

#include "core/app/CBaseApp.h"
#include "core/app/IMessageBoxService.h"
#include "core/app/StringTable.h"
#include "gui/platform/UiText.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

void ShowLimitMessage(QWidget* parent) {
    const std::string text = StringTable::Format(StringTable::kTooManyCharacters,
                                                 std::to_string(CKommentarDialog::kMaxChars));
    const std::string caption = StringTable::Load(StringTable::kAppTitle);
    CBaseApp* app = CBaseApp::Instance();
    if (app != nullptr && app->GetMessageBoxService() != nullptr) {
        app->GetMessageBoxService()->Show(text, caption, IMessageBoxService::Icon::Stop);
        return;
    }
    QMessageBox::warning(parent, QString::fromStdString(caption), QString::fromStdString(text));
}
} // namespace

CKommentarDialog::CKommentarDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(UiText(StringTable::kKommentarTitle));
    m_pEdit = new QPlainTextEdit(this);
    m_pEdit->setObjectName(QStringLiteral("1009"));
    // The editor takes Enter for a line break, so the default OK button never steals it.
    m_pEdit->setTabChangesFocus(true);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok =
        buttons->addButton(UiText(StringTable::kButtonOk), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("1"));
    QPushButton* cancel =
        buttons->addButton(UiText(StringTable::kButtonCancel), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("2"));
    ok->setDefault(true);
    cancel->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &CKommentarDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CKommentarDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pEdit);
    layout->addWidget(buttons);
    resize(420, 260);
}

void CKommentarDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_bLoaded)
        return;
    m_bLoaded = true;
    // The editor works with LF; comments keep CR LF as the files of the original program do,
    // and LF-only ones read from elsewhere show alike.
    QString text = QString::fromStdString(m_strKommentar);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_pEdit->setPlainText(text);
}

void CKommentarDialog::accept() {
    QString text = m_pEdit->toPlainText();
    // A break counts as two characters against the limit, as it is stored.
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    if (text.size() > kMaxChars) {
        ShowLimitMessage(this);
        m_pEdit->setFocus();
        return;
    }
    m_strKommentar = text.toStdString();
    QDialog::accept();
}
