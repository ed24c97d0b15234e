#include "gui/hearing/CKurzanleitungDialog.h"

#include "core/app/StringTable.h"
#include "gui/platform/UiText.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

CKurzanleitungDialog::CKurzanleitungDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(UiText(StringTable::kKurzanleitungTitle));
    setModal(false);

    m_pText = new QLabel(QStringLiteral("Static"));
    m_pText->setObjectName(QStringLiteral("1011"));
    m_pText->setWordWrap(true);
    m_pText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_pText->setTextFormat(Qt::PlainText);
    // Long help texts scroll instead of growing the window off the screen.
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(m_pText);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok =
        buttons->addButton(UiText(StringTable::kButtonOkPlain), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scroll, 1);
    layout->addWidget(buttons);
    resize(440, 360);
}

void CKurzanleitungDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!m_bPlaced) {
        m_bPlaced = true;
        PlaceTopRight();
    }
}

void CKurzanleitungDialog::SetText(const std::string& text) {
    m_pText->setText(QString::fromStdString(text));
}

QString CKurzanleitungDialog::Text() const {
    return m_pText->text();
}

std::string CKurzanleitungDialog::GeneralText() {
    return StringTable::Load(StringTable::kKurzanleitung) +
           StringTable::Load(StringTable::kKurzanleitungFiles);
}

void CKurzanleitungDialog::PlaceTopRight() {
    QScreen* screen = this->screen();
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const int width = screen->geometry().width();
    move(screen->geometry().x() + width - frameGeometry().width(), screen->geometry().y());
    update();
}
