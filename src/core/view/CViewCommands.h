#pragma once
// The view's menu commands without their windows: enabled state, check mark and the action.
// The GUI forwards its command ids here; the comment and tone-properties dialogs stay in the
// GUI, which asks IsEnabled first and calls the view afterwards.

#include "core/app/CommandIds.h"

class CAUVOView;

class CViewCommands {
public:
    explicit CViewCommands(CAUVOView& view) : m_view(view) {}

    static bool Handles(int id);
    bool IsEnabled(int id) const;
    bool IsChecked(int id) const;
    // Runs a command that needs no dialog; false for ids it does not run (the two dialogs,
    // unknown) or when the command is disabled.
    bool Execute(int id);

    // Escape: every tinnitus tone falls silent, as ID_TINNITUS_HOEREN switches them off; false
    // when none was playing.
    bool StopTones();
    // ID_TINNITUS_LOESCHEN: the selected tone leaves the document.
    void DeleteSelectedTone();

private:
    bool* Flag(int id) const;

    CAUVOView& m_view;
};
