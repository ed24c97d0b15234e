#pragma once
// Every German text of the program, by its resource id.

#include <string>

namespace StringTable {
// Every text the code asks for by id, named once. Command prompts use the command ids
// (CommandIds.h).
inline constexpr unsigned kDocStrings = 128;       // document template: title, filter, extension...
inline constexpr unsigned kNoSoundDevice = 129;    // (1000)
inline constexpr unsigned kNoOutputFormat = 130;   // (1001)
inline constexpr unsigned kNoPlayback = 131;       // (1002)
inline constexpr unsigned kHoertestIntro = 132;    // %d = number of frequencies
inline constexpr unsigned kHoertestProgress = 133; // %s = ear, %d of %d
inline constexpr unsigned kLeft = 134;             // "Links"
inline constexpr unsigned kRight = 135;            // "Rechts"
inline constexpr unsigned kHoertestDone = 137;
inline constexpr unsigned kVersion = 138;
inline constexpr unsigned kKurzanleitung = 139;
inline constexpr unsigned kHoertestAnleitung = 140;
inline constexpr unsigned kNoKurzanleitung = 141;  // (1003)
inline constexpr unsigned kNormalNullResult = 142; // %.1f = level in dB
inline constexpr unsigned kEichenIntro = 143;
inline constexpr unsigned kHoertestPaused = 144;
inline constexpr unsigned kPageHeader = 145;    // %s = title, measurement, date
inline constexpr unsigned kComparisonDoc = 146; // %s = title of the comparison file
inline constexpr unsigned kBadNormalNull = 147; // (1004)
inline constexpr unsigned kEichenAnleitung = 148;
inline constexpr unsigned kToolbarTitle = 149;
inline constexpr unsigned kKurzanleitungFiles = 150; // second part of the short guide
inline constexpr unsigned kBadFrequency = 151;       // (1005)
inline constexpr unsigned kBadLevel = 152;           // (1006)
inline constexpr unsigned kMenuDelete = 153;         // "Löschen"
inline constexpr unsigned kMenuProperties = 154;     // "Eigenschaften..."
inline constexpr unsigned kFileErrorFirst = 3000;    // cause 1; causes 1..14 up to 3013
inline constexpr unsigned kAppTitle = 57344;
inline constexpr unsigned kIdlePrompt = 61001; // "Bereit"
inline constexpr unsigned kIndicatorCaps = 61002;
inline constexpr unsigned kIndicatorNum = 61003;
inline constexpr unsigned kIndicatorScroll = 61004;
inline constexpr unsigned kFilterName = 61005;
inline constexpr unsigned kRecentFileEmpty = 61006;
inline constexpr unsigned kBadFileFormat = 61010;
inline constexpr unsigned kFailedToOpenDoc = 61011;
inline constexpr unsigned kFailedToSaveDoc = 61012;
inline constexpr unsigned kAskToSave = 61013;     // %1 = document title
inline constexpr unsigned kFileNotOpened = 61014; // %1 = path, %2 = cause
inline constexpr unsigned kFileNotSaved = 61015;  // %1 = path, %2 = cause
inline constexpr unsigned kUntitled = 61443;      // "Unbenannt"
inline constexpr unsigned kPrintFailed = 61702;
inline constexpr unsigned kTooManyCharacters = 61716; // %1 = the maximum
inline constexpr unsigned kTooManyTones = 61016;      // %1 = the most tones a list holds
inline constexpr unsigned kNoSoundBuffer = 61017;
inline constexpr unsigned kButtonOk = 61020;
inline constexpr unsigned kButtonCancel = 61021;
inline constexpr unsigned kToneDialogTitle = 61022;
inline constexpr unsigned kToneDialogFrequency = 61023;
inline constexpr unsigned kToneDialogLevel = 61024;
inline constexpr unsigned kToneDialogHz = 61025;
inline constexpr unsigned kToneDialogDb = 61026;
inline constexpr unsigned kKindSinuston = 61027; // also the CSV's kind of sound
inline constexpr unsigned kKindRauschband = 61028;
inline constexpr unsigned kToneDialogBandbreite = 61029;
inline constexpr unsigned kBadBandwidth = 61076; // (1010)
inline constexpr unsigned kBandNotHeard = 61077;
// The tone dialogs of calibration, hearing test, data editing and single measurement.
inline constexpr unsigned kHoertestTitle = 61030;
inline constexpr unsigned kHoertestGenauigkeit = 61031;
inline constexpr unsigned kHoertestStandard = 61032;
inline constexpr unsigned kHoertestErweitert = 61033;
inline constexpr unsigned kHoertestPraesentation = 61034;
inline constexpr unsigned kDauerton = 61035;
inline constexpr unsigned kGepulsterTon = 61036;
inline constexpr unsigned kHoertestStartVol = 61037;
inline constexpr unsigned kHoertestStartVolMore = 61038;
inline constexpr unsigned kHoertestZufall = 61039;
inline constexpr unsigned kHoertestAblauf = 61040;
inline constexpr unsigned kHoertestStart = 61041;
inline constexpr unsigned kHoertestStop = 61042;
inline constexpr unsigned kHoertestStatus = 61043;
inline constexpr unsigned kHoertestErkannt = 61044;
inline constexpr unsigned kButtonEnde = 61045;
inline constexpr unsigned kButtonHilfe = 61046;
inline constexpr unsigned kEichenTitle = 61047;
inline constexpr unsigned kEichenExplanation = 61048;
inline constexpr unsigned kButtonStart = 61049;
inline constexpr unsigned kEichenErkannt = 61050;
inline constexpr unsigned kEichenSetting = 61051;
inline constexpr unsigned kEichenUnit = 61052;
inline constexpr unsigned kDatenTitle = 61053;
inline constexpr unsigned kDatenExplanation = 61054;
inline constexpr unsigned kDatenEinzelmessung = 61055;
inline constexpr unsigned kEinzelmessungTitle = 61056;
inline constexpr unsigned kEinzelmessungErkannt = 61057;
inline constexpr unsigned kButtonUebernehmen = 61058;
inline constexpr unsigned kEinzelmessungEntry = 61059;  // %d = Hz, %s = ear
inline constexpr unsigned kEinzelmessungResult = 61060; // %d = Hz, %s = ear, %.1f = dB
inline constexpr unsigned kInternalError = 61061;       // %s = error text, %d = tone
inline constexpr unsigned kEichenTooLoud = 61070;       // (1009)
inline constexpr unsigned kKopfhoererLinks = 61071;
inline constexpr unsigned kKopfhoererRechts = 61072;
inline constexpr unsigned kKopfhoererFalsch = 61073;
inline constexpr unsigned kKopfhoererRichtig = 61074;
inline constexpr unsigned kCeilingNotice = 61075;
// Texts of the runs without window (62000..62029).
inline constexpr unsigned kUsagePage = 62000;
inline constexpr unsigned kUsageWav = 62001;
inline constexpr unsigned kUsageCsv = 62002;
inline constexpr unsigned kBadCall = 62003;
inline constexpr unsigned kOptionNeedsValue = 62004; // %1 = the option
inline constexpr unsigned kDpiOnlyPng = 62005;
inline constexpr unsigned kBadDpi = 62006;        // %1 = the value, %2 = the maximum
inline constexpr unsigned kUnknownOption = 62007; // %1 = the option
inline constexpr unsigned kNeedOneDocument = 62008;
inline constexpr unsigned kNeedOutAndDocument = 62009;
inline constexpr unsigned kOutIsDocument = 62010; // %1 = the output path
inline constexpr unsigned kWavIsDocument = 62011; // %1 = the output path
inline constexpr unsigned kCsvIsDocument = 62012; // %1 = the output path
inline constexpr unsigned kOutOfMemory = 62013;
inline constexpr unsigned kNoPrinter = 62014;
inline constexpr unsigned kConfirmReplace = 62015; // %1 = the file name
// The CSV export: its header line and the kinds of its rows.
inline constexpr unsigned kCsvHeader = 62016;
inline constexpr unsigned kCsvDatum = 62017;
inline constexpr unsigned kCsvKommentar = 62018;
inline constexpr unsigned kCsvHoertest = 62019;
inline constexpr unsigned kCsvTinnitus = 62020;
// Menu titles and entries (62100..62136); the part after the tab is the shortcut shown.
inline constexpr unsigned kMenuDatei = 62100;
inline constexpr unsigned kMenuBearbeiten = 62101;
inline constexpr unsigned kMenuHoertest = 62102;
inline constexpr unsigned kMenuTinnitus = 62103;
inline constexpr unsigned kMenuAnsicht = 62104;
inline constexpr unsigned kMenuHilfe = 62105;
inline constexpr unsigned kMenuNeu = 62110;
inline constexpr unsigned kMenuOeffnen = 62111;
inline constexpr unsigned kMenuSpeichern = 62112;
inline constexpr unsigned kMenuSpeichernUnter = 62113;
inline constexpr unsigned kMenuEichen = 62114;
inline constexpr unsigned kMenuDrucken = 62115;
inline constexpr unsigned kMenuSeitenansicht = 62116;
inline constexpr unsigned kMenuDruckereinrichtung = 62117;
inline constexpr unsigned kMenuBeenden = 62118;
inline constexpr unsigned kMenuKommentar = 62119;
inline constexpr unsigned kMenuVergleichOeffnen = 62120;
inline constexpr unsigned kMenuVergleichSchliessen = 62121;
inline constexpr unsigned kMenuHoertestDaten = 62122;
inline constexpr unsigned kMenuHoertestStarten = 62123;
inline constexpr unsigned kMenuTinnitusHoeren = 62124;
inline constexpr unsigned kMenuTinnitusNeu = 62125;
inline constexpr unsigned kMenuTinnitusLoeschen = 62126;
inline constexpr unsigned kMenuTinnitusEigenschaften = 62127;
inline constexpr unsigned kMenuSymbolleiste = 62128;
inline constexpr unsigned kMenuStatusleiste = 62129;
inline constexpr unsigned kMenuViewTinnitus = 62130;
inline constexpr unsigned kMenuZusammen = 62131;
inline constexpr unsigned kMenuLogDarst = 62132;
inline constexpr unsigned kMenuNormalkurve = 62133;
inline constexpr unsigned kMenuKurzanleitung = 62134;
inline constexpr unsigned kMenuBedienung = 62135;
inline constexpr unsigned kMenuInfo = 62136;
inline constexpr unsigned kMenuKopfhoerer = 62140;
inline constexpr unsigned kMenuHoertestVerlauf = 62141;
inline constexpr unsigned kMenuTinnitusRauschbandNeu = 62142;
inline constexpr unsigned kMenuNewBand = 62143; // the tone's pop-up menu
// Dialog titles and buttons (62200..62213); the plain "OK"/"Abbrechen" have no mnemonic.
inline constexpr unsigned kAboutTitle = 62200;
inline constexpr unsigned kAboutMaker = 62201;
inline constexpr unsigned kOpenTitle = 62202;
inline constexpr unsigned kSaveAsTitle = 62203;
inline constexpr unsigned kComparisonOpenTitle = 62204;
inline constexpr unsigned kKommentarTitle = 62205;
inline constexpr unsigned kKurzanleitungTitle = 62206;
inline constexpr unsigned kPreviewTitle = 62207;
inline constexpr unsigned kButtonJa = 62210;
inline constexpr unsigned kButtonNein = 62211;
inline constexpr unsigned kButtonAbbrechenPlain = 62212;
inline constexpr unsigned kButtonOkPlain = 62213;
// The trend of several measurements (62300..62329).
inline constexpr unsigned kTrendTitle = 62300;      // window "Verlauf"
inline constexpr unsigned kTrendOpenTitle = 62301;  // file dialog
inline constexpr unsigned kTrendHeader = 62302;     // %s = application, count, first, last date
inline constexpr unsigned kTrendNoChange = 62303;   // %s = ear, reference date
inline constexpr unsigned kTrendChanges = 62304;    // %s = ear, changes, reference date
inline constexpr unsigned kTrendPoint = 62305;      // %s = dB, frequency
inline constexpr unsigned kTrendAnd = 62306;        // before the last change of a list
inline constexpr unsigned kTrendUnreadable = 62307; // %1 = file, %2 = why
inline constexpr unsigned kTrendTooFew = 62308;
inline constexpr unsigned kTrendReference = 62309; // %s = file name, date
inline constexpr unsigned kTrendCsvHeader = 62310;
inline constexpr unsigned kTrendYes = 62311;
inline constexpr unsigned kTrendNo = 62312;
inline constexpr unsigned kUsageTrend = 62313;
inline constexpr unsigned kUsageWindow = 62314; // the window run, --version and --help
inline constexpr unsigned kTrendPrint = 62315;
inline constexpr unsigned kTrendClose = 62316;
inline constexpr unsigned kTrendBadOut = 62317;         // %1 = the output path
inline constexpr unsigned kTrendNotMeasured = 62318;    // an ear not tested then
inline constexpr unsigned kTrendEarNotMeasured = 62319; // %s = ear
inline constexpr unsigned kTrendPassing = 62320;        // %s = summary, earlier changes
inline constexpr unsigned kTrendPassingPoint = 62321;   // %s = dB, frequency, date
inline constexpr unsigned kTrendEarReference = 62322;   // %s = ear, file name, date

// The text with this id; empty if there is none.
std::string Load(unsigned id);
// "%1", "%2", ... replaced by the arguments (the framework's message formatting).
std::string Format(unsigned id, const std::string& arg1, const std::string& arg2 = {});
} // namespace StringTable
