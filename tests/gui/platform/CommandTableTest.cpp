#include "core/app/CommandIds.h"
#include "gui/platform/CCommandTable.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include <gtest/gtest.h>

#include <memory>

namespace {
constexpr int kCmd = ID_HOERTEST_STARTEN;
constexpr int kOther = ID_KOMMENTAR;

class CommandTable : public testing::Test {
protected:
    void SetUp() override {
        m_table.Add(kCmd, "&Hörtest starten...");
        m_table.Add(kOther, "Ko&mmentar...");
        m_menu.addAction(m_table.Action(kCmd));
        m_table.Watch(m_menu);
    }
    QAction* Cmd() { return m_table.Action(kCmd); }

    CCommandTable m_table;
    QMenu m_menu;
};
} // namespace

TEST_F(CommandTable, ActionsCarryIdPromptAndTooltip) {
    EXPECT_EQ(Cmd()->data().toInt(), kCmd);
    EXPECT_EQ(Cmd()->statusTip(), "Führt einen neuen Hörtest durch.");
    EXPECT_EQ(Cmd()->toolTip(), "Hörtest");
    // Adding an id twice gives the same action.
    EXPECT_EQ(m_table.Add(kCmd, "x"), Cmd());
    EXPECT_EQ(m_table.Action(4711), nullptr);
    m_table.OnCommand(4711, nullptr, [] {});
    EXPECT_FALSE(m_table.Execute(4711));
}

TEST_F(CommandTable, DisabledUntilAHandlerIsRegisteredAndAgainWhenItsOwnerGoes) {
    m_table.UpdateAll();
    EXPECT_FALSE(Cmd()->isEnabled());
    EXPECT_FALSE(m_table.Execute(kCmd));

    int runs = 0;
    auto owner = std::make_unique<QObject>();
    m_table.OnCommand(kCmd, owner.get(), [&] { ++runs; });
    EXPECT_TRUE(Cmd()->isEnabled());
    Cmd()->trigger();
    EXPECT_TRUE(m_table.Execute(kCmd));
    EXPECT_EQ(runs, 2);

    owner.reset();
    EXPECT_FALSE(Cmd()->isEnabled());
    EXPECT_FALSE(m_table.HasHandler(kCmd));
    EXPECT_FALSE(m_table.Execute(kCmd));
    EXPECT_EQ(runs, 2);
}

TEST_F(CommandTable, ALaterRegistrationOutlivesTheEarlierOwner) {
    auto first = std::make_unique<QObject>();
    QObject second;
    int which = 0;
    m_table.OnCommand(kCmd, first.get(), [&] { which = 1; });
    m_table.OnCommand(kCmd, &second, [&] { which = 2; });
    first.reset();
    EXPECT_TRUE(m_table.Execute(kCmd));
    EXPECT_EQ(which, 2);
}

TEST_F(CommandTable, UpdateHandlerDecidesEnabledStateCheckMarkAndText) {
    bool enabled = false;
    bool checked = true;
    int runs = 0;
    m_table.OnCommand(kCmd, nullptr, [&] { ++runs; });
    m_table.OnUpdate(kCmd, nullptr, [&](CCmdUI& ui) {
        EXPECT_EQ(ui.Id(), kCmd);
        ui.Enable(enabled);
        ui.SetCheck(checked);
        ui.SetText(enabled ? "an" : "aus");
    });
    EXPECT_FALSE(Cmd()->isEnabled());
    EXPECT_TRUE(Cmd()->isChecked());
    EXPECT_EQ(Cmd()->text(), "aus");
    // The state is asked again before a command runs.
    EXPECT_FALSE(m_table.Execute(kCmd));
    enabled = true;
    EXPECT_TRUE(m_table.Execute(kCmd));
    EXPECT_EQ(runs, 1);

    checked = false;
    emit m_menu.aboutToShow();
    EXPECT_FALSE(Cmd()->isChecked());
    EXPECT_EQ(Cmd()->text(), "an");
}

TEST_F(CommandTable, StateIsRefreshedAfterEveryCommand) {
    bool otherEnabled = false;
    m_table.OnCommand(kCmd, nullptr, [&] { otherEnabled = true; });
    m_table.OnCommand(kOther, nullptr, [] {});
    m_table.OnUpdate(kOther, nullptr, [&](CCmdUI& ui) { ui.Enable(otherEnabled); });
    EXPECT_FALSE(m_table.Action(kOther)->isEnabled());
    int executed = 0;
    QObject::connect(&m_table, &CCommandTable::CommandExecuted, [&](int id) {
        EXPECT_EQ(id, kCmd);
        ++executed;
    });
    Cmd()->trigger();
    EXPECT_EQ(executed, 1);
    QCoreApplication::processEvents();
    EXPECT_TRUE(m_table.Action(kOther)->isEnabled());
}

TEST_F(CommandTable, HandlerMayRemoveItselfOrDestroyItsOwner) {
    auto* owner = new QObject;
    int runs = 0;
    m_table.OnCommand(kCmd, owner, [&, owner] {
        ++runs;
        delete owner;
    });
    m_table.OnCommand(kOther, nullptr, [&] {
        ++runs;
        m_table.RemoveHandlers(kOther);
    });
    EXPECT_TRUE(m_table.Execute(kCmd));
    EXPECT_TRUE(m_table.Execute(kOther));
    EXPECT_EQ(runs, 2);
    EXPECT_FALSE(Cmd()->isEnabled());
    EXPECT_FALSE(m_table.Action(kOther)->isEnabled());
}
