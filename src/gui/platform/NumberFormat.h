#pragma once
// Qt takes the process locale from the environment, which would turn the decimal point of
// every "%.1f" in dialogs, protocol lines and exports into a comma under a German locale.

// Call right after the QApplication is created. The number fields read both separators.
void KeepDecimalPoint();
