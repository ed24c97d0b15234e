#include "gui/hearing/CConfirmBox.h"

#include "core/app/StringTable.h"
#include "gui/platform/UiText.h"

#include <QMessageBox>
#include <QPushButton>

namespace {
CConfirmBox::Answerer& TheAnswerer() {
    static CConfirmBox::Answerer answerer;
    return answerer;
}
} // namespace

bool CConfirmBox::Ask(QWidget* parent, const std::string& text, bool information, bool withCancel) {
    if (TheAnswerer())
        return TheAnswerer()(text, withCancel);
    QMessageBox box(information ? QMessageBox::Information : QMessageBox::NoIcon,
                    UiText(StringTable::kAppTitle), QString::fromStdString(text),
                    QMessageBox::NoButton, parent);
    QPushButton* ok = box.addButton(UiText(StringTable::kButtonOk), QMessageBox::AcceptRole);
    if (withCancel)
        box.addButton(UiText(StringTable::kButtonCancel), QMessageBox::RejectRole);
    box.setDefaultButton(ok);
    box.exec();
    return box.clickedButton() == ok;
}

void CConfirmBox::SetAnswerer(Answerer answerer) {
    TheAnswerer() = std::move(answerer);
}
