#pragma once
// The view's menu commands without their windows: enabled state, check mark and the action.
// The GUI forwards its command ids here; the comment (32772) and tone-properties (32785)
// dialogs stay in the GUI, which asks IsEnabled first and calls the view afterwards.

class CAUVOView;

class CViewCommands {
public:
    enum Id {
        idComment = 32772,
        idTogether = 32778,
        idHearingTest = 32779,
        idTinnitus = 32780,
        idPlayTones = 32781,
        idNewTone = 32782,
        idDeleteTone = 32783,
        idToneProperties = 32785,
        idLogarithmic = 32786,
        idNormalCurve = 32788,
    };

    explicit CViewCommands(CAUVOView& view) : m_view(view) {}

    static bool Handles(int id);
    bool IsEnabled(int id) const;
    bool IsChecked(int id) const;
    // Runs a command that needs no dialog; false for ids it does not run (32772, 32785,
    // unknown) or when the command is disabled.
    bool Execute(int id);

    // 32783: the selected tone leaves the document.
    void DeleteSelectedTone();

private:
    bool* Flag(int id) const;

    CAUVOView& m_view;
};
