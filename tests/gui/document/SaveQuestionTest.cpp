#include "gui/document/CQtDocumentDialogs.h"

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>

using Answer = IDocumentDialogs::SaveAnswer;

TEST(SaveQuestion, HasGermanButtonsJaByDefaultAndAbbrechenOnEscape) {
    auto box = CQtDocumentDialogs::CreateSaveQuestion(
        nullptr, QStringLiteral("Änderungen in a.auvo speichern?"));
    EXPECT_EQ(box->text(), QStringLiteral("Änderungen in a.auvo speichern?"));
    EXPECT_EQ(box->windowTitle(), QStringLiteral("AUVO"));
    QStringList texts;
    for (QAbstractButton* button : box->buttons())
        texts << button->text();
    texts.sort();
    EXPECT_EQ(texts, (QStringList{QStringLiteral("&Ja"), QStringLiteral("&Nein"),
                                  QStringLiteral("Abbrechen")}));
    ASSERT_NE(box->defaultButton(), nullptr);
    EXPECT_EQ(box->defaultButton()->text(), QStringLiteral("&Ja"));
    ASSERT_NE(box->escapeButton(), nullptr);
    EXPECT_EQ(box->escapeButton()->text(), QStringLiteral("Abbrechen"));

    for (QAbstractButton* button : box->buttons()) {
        const Answer expected = button->text() == QStringLiteral("&Ja")     ? Answer::Yes
                                : button->text() == QStringLiteral("&Nein") ? Answer::No
                                                                            : Answer::Cancel;
        EXPECT_EQ(CQtDocumentDialogs::AnswerFor(*box, button), expected)
            << button->text().toStdString();
    }
    // Closed by the window manager: nothing is given up.
    EXPECT_EQ(CQtDocumentDialogs::AnswerFor(*box, nullptr), Answer::Cancel);
}
