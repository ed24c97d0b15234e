#pragma once
// Command ids of menu 128, toolbar 128 and the accelerators: the one list for the view's
// commands, the GUI's command table and the tests. The prompts and tooltips are the
// string-table texts with the same ids. Standard C++ only, so the model can use it.

enum CommandId : int {
    // Framework commands.
    ID_FILE_NEW = 57600,
    ID_FILE_OPEN = 57601,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_PRINT_SETUP = 57606,
    ID_FILE_PRINT = 57607,
    ID_FILE_PRINT_DIRECT = 57608, // no menu entry; current printer, no dialog
    ID_FILE_PRINT_PREVIEW = 57609,
    ID_FILE_MRU_FILE1 = 57616, // up to ID_FILE_MRU_FILE1 + 3
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,

    // The program's own commands.
    ID_HOERTEST_STARTEN = 32771,
    ID_KOMMENTAR = 32772,
    ID_KURZANLEITUNG = 32773,
    ID_BEDIENUNG = 32774,
    ID_EICHEN = 32775,
    ID_VERGLEICHSDATEI_OEFFNEN = 32776,
    ID_VERGLEICHSDATEI_SCHLIESSEN = 32777,
    ID_ZUSAMMEN = 32778,
    ID_VIEW_HOERTEST = 32779,
    ID_VIEW_TINNITUS = 32780,
    ID_TINNITUS_HOEREN = 32781,
    ID_TINNITUS_NEU = 32782,
    ID_TINNITUS_LOESCHEN = 32783,
    ID_TINNITUS_EIGENSCHAFTEN = 32785,
    ID_LOGDARST = 32786,
    ID_HOERTEST_DATEN = 32787,
    ID_NORMALKURVE = 32788,
    ID_HOERTEST_VERLAUF = 32790,
    ID_KOPFHOERER_PRUEFEN = 32795,
    ID_TINNITUS_RAUSCHBAND_NEU = 32796,
};
