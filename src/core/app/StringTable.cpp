#include "core/app/StringTable.h"

#include "core/app/TextFormat.h"

#include <algorithm>
#include <iterator>

namespace {

struct Entry {
    unsigned id;
    const char* text;
};

// Sorted by id. The named ids are in StringTable.h. Ids of our own choice:
//   3000..3013   file-error causes 1..14 (generic, not found, bad path, too many open files,
//                access denied, invalid file, remove current folder, folder full, bad seek,
//                hardware I/O, sharing violation, lock violation, disk full, end of file)
//   61001        idle prompt of the status bar
//   61002..61004 status-bar indicators caps lock, num lock, scroll lock
//   61005        file-dialog filter name
//   61006        menu entry of the empty recent-file list
//   61010        wrong file format
//   61011/61012  opening/saving a document failed
//   61013        question to save changes (%1 = document title)
//   61014/61015  file %1 could not be opened/saved, %2 = cause
//   61016        no more tinnitus tones (%1 = the most a list holds)
//   61017        the sound card refused a tone's buffer
//   61020/61021  dialog buttons OK and Abbrechen
//   61022..61029 tone-properties dialog: caption, labels, units, the two kinds of sound
//   61030..61061 tone dialogs: hearing test, calibration, data editing, single measurement
//   62000..62029 runs without window: usage, argument errors, output messages, CSV texts
//   61070..61075 too loud a calibration, the headphone check, the ceiling's notice
//   61076        a noise band's width out of range
//   61077        a noise band wholly outside what a person hears
//   62100..62143 menu titles and entries of the main window, the tone's pop-up menu
//   62200..62213 dialog titles and buttons
//   62300..62322 the trend of several measurements: window, page, CSV, messages, usage
// 61443, 61702 and 61716 are the framework's own ids for "Unbenannt", the print failure and
// the length check of dialog fields. Framework command prompts use their command ids
// (57600..57665, 59392, 59393), as the program's own prompts do (32771..32795); the part
// after the line feed is the tooltip.
constexpr Entry kEntries[] = {
    {128, "AUVO\n\nAUVO\nAUVO-Dokumente (*.auvo)\n.auvo\nAUVO.Document\nAUVO Dokument"},
    {129, "(1000) Auf die Soundkarte konnte nicht zugegriffen werden!\nMöglicherweise hat eine "
          "andere Anwendung Zugriff auf die Soundkarte oder es ist keine DirectSound-fähige Karte "
          "installiert."},
    {130, "(1001) Das Ausgabeformat der Soundkarte konnte nicht gesetzt werden!"},
    {131, "(1002) Die Klang-Ausgabe konnte nicht gestartet werden! (Eine Soundkarte wurde jedoch "
          "gefunden.)"},
    {132, "Bitte Kopfhörer aufsetzen - Sie hören jetz %d Frequenzen zunächst auf dem linken Ohr, "
          "danach rechts. Klicken Sie auf ERKANNT sobald Sie den Ton hören oder drücken Sie die "
          "Leertaste! Der Test kann durch Drücken auf <Stop> abgebrochen werden."},
    {133, "%s: Ton %d von %d"},
    {134, "Links"},
    {135, "Rechts"},
    {137, "Der Hörtest ist beendet - bitte den Kopfhörer abnehmen! Alle Frequenzen wurden erfasst. "
          "Sie können entweder einen neuen Test starten oder diesen Test durch Drücken von <Ende> "
          "in das Dokument übernehmen und anzeigen."},
    {138, "2.10"},
    {139, "Für eine ausführliche Bedienungsanleitung wählen Sie bitte das Fragezeichen in der "
          "Menüleiste und dann den Eintrag \"Bedienung\" !\n\nEichen Sie zunächst das Programm mit "
          "dem Menübefehl \"Datei > Eichen...\".\n\nUm einen Hörtest zu starten wählen Sie bitte "
          "den Menü-Eintrag \"Hörtest > Hörtest starten\" oder klicken Sie auf das "
          "Kopfhörer-Symbol.\nUm einen Tinnitus-Ton zu erzeugen wählen Sie \"Tinnitus-Synthesizer "
          "> Tinnitus-Ton erzeugen\" oder Klicken Sie das \"Spektrum\"-Symbol. Klicken Sie dann in "
          "das Tinnitus-Diagramm an die Stelle der gewünschten Frequenz und Lautstärke.\nZu jedem "
          "Hörtest kann ein Kommentar abgespeichert werden, in dem Sie die Umstände des Test "
          "beschreiben. Wählen Sie hierzu \"Bearbeiten > Kommentar\" oder den Zeichenstift.\n\n"},
    {140,
     "Hörtest-Durchführung\n\nHinweis: Vor dem Hörtest muss das Programm einmalig geeicht werden! "
     "Wählen Sie hierzu \"Datei > Eichen...\"\n\nWählen Sie Testmodus: 8 oder 32 Testfrequenzen. "
     "Ein Test mit 8 Frequenzen benötigt etwa 5 - 8 Minuten, bei 32 Frequenzen müssen Sie etwa 20 "
     "- 30 Minuten rechnen.\n\nBestimmen Sie dann die Art: Dauerton oder pulsierend (leichter zu "
     "erkennen).\n\nDas Programm beginnt normalerweise mit einer Lautstärke etwas unterhalb der "
     "Eichgrenze (Hörschwelle bei 1 oder 3 kHz). Wenn Sie bereits eine Datei erzeugt haben, können "
     "Sie diese öffnen und als Referenz für die Startlautstärke benutzen. Bei den schlechter "
     "gehörten Frequenzen beginnt AUVO dann nicht unnötig leise. \n\nKlicken Sie dann auf "
     "\"Start\". Sie hören nun Töne verschiedener Frequenzen, die von sehr leise an immer lauter "
     "werden. Klicken Sie auf \"ERKANNT\" oder drücken Sie die Leertaste, sobald Sie den Ton "
     "sicher hören. Mit \"Stop\" unterbrechen Sie den Test kurzzeitig; Sie können dann fortfahren "
     "oder die Messung verwerfen."},
    {141, "(1003) Kurzanleitungsdialog konnte nicht gelanden werden!"},
    {142, "Der \"normal Null\" Wert dieses PCs wurde mit %.1f dB festgestellt!"},
    {143, "Sie hören nun zuerst einen pulsierenden 1 kHz Ton und danach einen 3 kHz, der zunächst "
          "unhörbar leise ist und ständig lauter wird. Klicken Sie auf ERKANNT sobald Sie den Ton "
          "hören!"},
    {144, "Der Hörtest pausiert!\nDrücken Sie OK um den Test fortzuführen oder Abbrechen um den "
          "Test zu beenden."},
    {145, "%s Hörtest-Programm  -  Messung: %s\n%s"},
    {146, "Vergleichsdokument: %s"},
    {147, "(1004) Der \"normal Null\" Wert muss ein negativer Wert zwischen -1 und -100 sein! "
          "(entspricht einer Absenkung der maximalen Systemlautstärke)."},
    {148, "Das \"Eichen\" muss nur einmal für ein System durchgeführt werden, um die Hörschwelle "
          "für die verwendete Soundkarte und den Kopfhörer festzulegen.\n\nOhne Laborgeräte zur "
          "Messung der effektiven Schallstärke kann zur Eichung nur die empfundene Hörschwelle "
          "herangezogen werden. Hierzu hören Sie zwei Töne (1 kHz und 3 kHz). Klicken Sie auf "
          "ERKANNT sobald Sie den Ton hören.\n\nNehmen Sie sich Zeit und führen Sie mehrere "
          "Eichtests nacheinander durch. Übernehmen Sie den gefundenen Wert erst mit OK in das "
          "Programm, wenn Sie das Gefühl haben, die Töne jeweils frühestmöglich erkannt zu haben."},
    {149, "Symbolleiste"},
    {150, "Sie können einen Hörtest als Datei abspeichern um ihn später anzuzeigen und mit "
          "aktuellen Daten zu vergleichen. Zum Öffnen eines früher gespeicherten Hörtests wählen "
          "Sie \"Datei > Öffnen\". \n\nWenn Sie den angezeigten Hörtest mit einer früheren Messung "
          "vergleichen wollen, wählen Sie \"Bearbeiten > Vergleichsdatei öffnen\".\n\nLinkes und "
          "rechtes Ohr können nebeneinander oder zusammen in einer Grafik dargestellt werden. "
          "Wählen Sie hierzue \"Ansicht > Links und Rechts zusammen\"."},
    {151, "(1005) Die Frequenz ist nicht gültig!"},
    {152, "(1006) Die Lautstärke ist nicht gültig!"},
    {153, "Löschen"},
    {154, "Eigenschaften..."},
    {3000, "Allgemeiner Dateifehler"},
    {3001, "Datei nicht gefunden"},
    {3002, "Ungültiger Pfad"},
    {3003, "Zu viele geöffnete Dateien"},
    {3004, "Zugriff verweigert"},
    {3005, "Ungültige Datei"},
    {3006, "Der aktuelle Ordner kann nicht entfernt werden"},
    {3007, "Der Ordner ist voll"},
    {3008, "Positionierungsfehler in der Datei"},
    {3009, "Ein-/Ausgabefehler des Datenträgers"},
    {3010, "Datei wird von einem anderen Programm benutzt"},
    {3011, "Dateibereich ist gesperrt"},
    {3012, "Der Datenträger ist voll"},
    {3013, "Unerwartetes Dateiende"},
    {32771, "Führt einen neuen Hörtest durch.\nHörtest"},
    {32772, "Erstellt oder ändert den Kommentar zu dieser Messung.\nKommentar"},
    {32773, "Zeigt eine Kurzanleitung an\nKurzanleitung"},
    {32774, "Zeit eine ausführliche Anleitung mit Ihrem Browser an.\nBedieungsanleitung"},
    {32775, "Legt den \"normal Null\" Wert dieses PCs fest.\nEichen"},
    {32776, "Öffnet eine Messung zum Vergleich mit der aktuellen Messung"},
    {32777, "Schließt eine geöffnete Vergleichsdatei"},
    {32778, "Darstellung linkes und rechtes Ohr in einer Grafik.\nSoloDiagramm"},
    {32779, "Hörtest-Daten anzeigen.\nHörtest-Anzeige"},
    {32780, "Tinnitus-Daten anzeigen.\nTinnitus-Anzeige"},
    {32781, "Schaltet die Ausgabe der Tinnitus-Töne ein oder aus.\nTinnitus-Töne"},
    {32782, "Setzen eines neuen Tinnitus-Tons mit der Maus.\nNeuer Tinnitus-Ton"},
    {32783, "Löscht den markierten Tinnitus-Ton aus dem Spektrum.\nTinnitus-Ton löschen"},
    {32785, "Eigenschaften des selektierten Tinnitus-Tons.\nTon-Eigenschaften"},
    {32786, "Frequenzachse logarithmisch darstellen"},
    {32787, "Anzeige und Bearbeitung der Daten des geladenen Hörtests"},
    {32788, "Blendet eine \"Normalkurve\" ein"},
    {32790, "Zeigt den Verlauf mehrerer Messungen und markiert wesentliche "
            "Verschlechterungen.\nHörtest-Verlauf"},
    {32795, "Prüft mit einem Ton links und einem rechts, ob der Kopfhörer richtig sitzt und "
            "angeschlossen ist.\nKopfhörer prüfen"},
    {32796, "Setzen eines neuen Rauschbands mit der Maus (für ein Rauschen statt eines "
            "Pfeiftons).\nNeues Rauschband"},
    {57344, "AUVO"},
    {57600, "Erstellt ein neues Dokument.\nNeu"},
    {57601, "Öffnet ein bestehendes Dokument.\nÖffnen"},
    {57603, "Speichert das aktive Dokument.\nSpeichern"},
    {57604, "Speichert das aktive Dokument unter einem neuen Namen.\nSpeichern unter"},
    {57606, "Ändert die Druckeroptionen.\nDruckereinrichtung"},
    {57607, "Druckt das aktive Dokument.\nDrucken"},
    {57608, "Druckt das aktive Dokument mit den aktuellen Einstellungen.\nDirekt drucken"},
    {57609, "Zeigt die ganze Seite so an, wie sie gedruckt wird.\nSeitenansicht"},
    {57616, "Öffnet dieses Dokument"},
    {57617, "Öffnet dieses Dokument"},
    {57618, "Öffnet dieses Dokument"},
    {57619, "Öffnet dieses Dokument"},
    {57664, "Zeigt Programminformationen und die Versionsnummer an.\nInfo"},
    {57665,
     "Beendet das Programm und fragt, ob geänderte Dokumente gespeichert werden sollen.\nBeenden"},
    {59392, "Blendet die Symbolleiste ein oder aus.\nSymbolleiste ein/aus"},
    {59393, "Blendet die Statusleiste ein oder aus.\nStatusleiste ein/aus"},
    {61001, "Bereit"},
    {61002, "UF"},
    {61003, "NUM"},
    {61004, "RF"},
    {61005, "AUVO-Dokumente (*.auvo)"},
    {61006, "Letzte Datei"},
    {61010, "Unerwartetes Dateiformat."},
    {61011, "Fehler beim Öffnen des Dokuments."},
    {61012, "Fehler beim Speichern des Dokuments."},
    {61013, "Änderungen in %1 speichern?"},
    {61014, "Die Datei %1 konnte nicht geöffnet werden.\n%2"},
    {61015, "Die Datei %1 konnte nicht gespeichert werden.\n%2"},
    {61016, "(1007) Es können nicht mehr als %1 Tinnitus-Töne gesetzt werden!"},
    {61017, "(1008) Die Soundkarte konnte keinen Puffer für den Ton bereitstellen!"},
    {61020, "&OK"},
    {61021, "&Abbrechen"},
    {61022, "Tinnitus-Ton Eigenschaften"},
    {61023, "Frequenz"},
    {61024, "Lautstärke"},
    {61025, "Hz"},
    {61026, "dB über Eichwert"},
    {61027, "Sinuston"},
    {61028, "Rauschband"},
    {61029, "Bandbreite"},
    {61030, "Hörtest-Durchführung"},
    {61031, "Genauigkeit"},
    {61032, "&Standard (8 Frequenzen bis 10kHz)"},
    {61033, "Er&weitert (32 Frequenzen bis 15kHz)"},
    {61034, "Ton-Präsentation"},
    {61035, "&Dauerton"},
    {61036, "gep&ulster Ton"},
    {61037, "Start-&Lautstärke an aktuellem"},
    {61038, "Dokument ausrichten"},
    {61039, "&Zufällige Reihenfolge"},
    {61040, "Ablauf"},
    {61041, "S&tart!"},
    {61042, "Sto&p"},
    {61043, "Status:"},
    {61044, "E R K A N N T !"},
    {61045, "&Ende"},
    {61046, "&Hilfe"},
    {61047, "Eichen"},
    {61048, "Das Eichen dient zur Feststellung der Lautstärke von \"normal Null\" (der normalen "
            "Hörschwelle) auf diesem Computer. Ohne Laborgeräte wird dies hier mittels eines 1 und "
            "3 kHz Tones festgelegt."},
    {61049, "&Start!"},
    {61050, "ERKANNT!"},
    {61051, "Die gegenwärtige Einstellung ist:"},
    {61052, "dB"},
    {61053, "Hörtest-Daten"},
    {61054, "Frequenz und gemessener Wert relativ zum Eichwert (dB)\nZur Einzelmessung einen Wert "
            "markieren und Schaltfläche klicken!"},
    {61055, "&Einzel- Messung"},
    {61056, "Einzelmessung"},
    {61057, "&Erkannt!"},
    {61058, "&Übernehmen"},
    {61059, "%d Hz, %s"},
    {61060, "%d Hz, %s bei %.1f dB"},
    {61061, "Interner Anwendungsfehler [StartNextSample: %s, Index %d]"},
    {61070, "(1009) Sie haben den Ton schon bei der leisesten Stufe erkannt. Die Lautstärke des "
            "Computers oder des Kopfhörers ist zu hoch eingestellt: so wäre die Eichung falsch und "
            "alle späteren Töne zu laut.\n\nBitte stellen Sie die Lautstärke am Computer oder am "
            "Kopfhörer deutlich leiser und eichen Sie dann erneut. Die bisherige Eichung bleibt "
            "erhalten."},
    {61071, "Hören Sie den Ton nur links?"},
    {61072, "Hören Sie den Ton nur rechts?"},
    {61073, "Der Ton sollte nur auf einem Ohr zu hören sein. Bitte prüfen Sie:\n"
            "- Sitzt der Kopfhörer richtig herum (L links, R rechts)?\n"
            "- Steht die Balance in den Lautstärke-Einstellungen des Computers in der Mitte?\n"
            "- Steckt der Kopfhörer in einem Mono-Adapter, oder ist der Ausgang auf Mono "
            "gestellt?\n\nPrüfen Sie den Kopfhörer danach noch einmal, bevor Sie einen Hörtest "
            "machen."},
    {61074, "Der Kopfhörer ist richtig angeschlossen: Sie hören links und rechts getrennt."},
    {61075, "Tinnitus-Klänge lauter, als der Höchstpegel (MAXPEGEL) erlaubt: sie erklingen je Ohr "
            "gemeinsam leiser, im eingestellten Verhältnis. Die Werte bleiben gespeichert."},
    {61076, "(1010) Die Bandbreite ist nicht gültig! Erlaubt sind 1 bis 5000 Hz."},
    {61077, "Dieses Rauschband läge ganz außerhalb von 20 bis 20000 Hz und wäre nicht zu hören! "
            "Bitte wählen Sie Frequenz und Bandbreite so, dass das Band wenigstens zum Teil in "
            "diesem Bereich liegt."},
    {61443, "Unbenannt"},
    {61702, "Der Druckauftrag konnte nicht gestartet werden."},
    {61716, "Geben Sie bitte nicht mehr als %1 Zeichen ein."},
    {62000, "Aufruf: auvo --print DATEI\n"
            "       auvo --export-pdf AUSGABE.pdf [Optionen] DATEI\n"
            "       auvo --export-png AUSGABE.png [--dpi N] [Optionen] DATEI\n"
            "Optionen: --together (Links und Rechts zusammen), --normal-curve (Normalkurve),\n"
            "          --comparison DATEI2 (Vergleichsdokument)\n"},
    {62001, "Aufruf: auvo --export-wav AUSGABE.wav [--seconds N] DATEI\n"
            "Schreibt N Sekunden (Vorgabe 10, höchstens 3600) der Tinnitus-Töne des Dokuments "
            "DATEI als WAV-Datei AUSGABE.wav.\n"},
    {62002, "Aufruf: auvo --export-csv AUSGABE.csv DATEI\n"
            "Schreibt die Messung des Dokuments DATEI als CSV-Datei AUSGABE.csv (UTF-8).\n"},
    {62003, "Unbekannter Aufruf."},
    {62004, "Zur Option %1 fehlt der Wert."},
    {62005, "Die Option --dpi gilt nur für --export-png."},
    {62006, "Ungültige Auflösung '%1': erlaubt sind 1 bis %2 dpi."},
    {62007, "Unbekannte Option '%1'."},
    {62008, "Bitte genau eine Dokumentdatei angeben."},
    {62009, "Bitte Ausgabedatei und Dokumentdatei angeben."},
    {62010, "Die Ausgabedatei '%1' ist eines der Dokumente; sie wird nicht überschrieben."},
    {62011, "Die WAV-Datei darf nicht das Dokument selbst sein: %1"},
    {62012, "Die CSV-Datei darf nicht das Dokument selbst sein: %1"},
    {62013, "Nicht genügend Arbeitsspeicher."},
    {62014, "Es ist kein Drucker eingerichtet."},
    {62015, "%1 ist bereits vorhanden.\nMöchten Sie die Datei ersetzen?"},
    {62016, "Art,Frequenz (Hz),Links (dB),Rechts (dB),Ohr,Pegel (dB),Text,Klang,Bandbreite (Hz)"},
    {62017, "Datum"},
    {62018, "Kommentar"},
    {62019, "Hörtest"},
    {62020, "Tinnitus"},
    {62100, "&Datei"},
    {62101, "&Bearbeiten"},
    {62102, "&Hörtest"},
    {62103, "&Tinnitus-Synthesizer"},
    {62104, "&Ansicht"},
    {62105, "&?"},
    {62110, "&Neu\tStrg+N"},
    {62111, "Ö&ffnen...\tStrg+O"},
    {62112, "S&peichern\tStrg+S"},
    {62113, "Speichern &unter..."},
    {62114, "E&ichen..."},
    {62115, "&Drucken...\tStrg+P"},
    {62116, "Sei&tenansicht"},
    {62117, "Drucker&einrichtung..."},
    {62118, "&Beenden"},
    {62119, "Ko&mmentar..."},
    {62120, "&Vergleichsdatei öffnen..."},
    {62121, "Vergleichsdatei &schließen"},
    {62122, "Hörtest-&Daten bearbeiten..."},
    {62123, "&Hörtest starten..."},
    {62124, "Tinnitus-Töne &hören"},
    {62125, "&Neuen Tinnitus-Ton erzeugen"},
    {62126, "Tinnitus-Ton &löschen\tEntf"},
    {62127, "Tinnitus-Ton &Eigenschaften..."},
    {62128, "&Symbolleiste"},
    {62129, "S&tatusleiste"},
    {62130, "T&innitus"},
    {62131, "Links und Rechts &zusammen"},
    {62132, "&Logarithmische Darstellung"},
    {62133, "\"Normalkurve\" anzeigen"},
    {62134, "&Kurzanleitung..."},
    {62135, "&Bedienung"},
    {62136, "Inf&o über AUVO..."},
    {62140, "&Kopfhörer prüfen..."},
    {62141, "Hörtest-&Verlauf..."},
    {62142, "Neues &Rauschband erzeugen"},
    {62143, "Neues Rauschband"},
    {62200, "Info über AUVO"},
    {62201, "Entwickelt vom AUVO-Team"},
    {62202, "Öffnen"},
    {62203, "Speichern unter"},
    {62204, "Vergleichsdatei öffnen"},
    {62205, "Kommentar zur Messung"},
    {62206, "Kurzanleitung"},
    {62207, "Seitenansicht"},
    {62210, "&Ja"},
    {62211, "&Nein"},
    {62212, "Abbrechen"},
    {62213, "OK"},
    {62300, "Verlauf"},
    {62301, "Messungen für den Verlauf wählen"},
    {62302, "%s Hörtest-Programm  -  Verlauf von %s Messungen\n%s bis %s"},
    {62303, "%s: keine wesentliche Verschlechterung seit %s"},
    {62304, "%s: %s seit %s"},
    {62305, "%s dB bei %s"},
    {62306, " und "},
    {62307, "Die Messung %1 konnte nicht gelesen werden und fehlt im Verlauf.\n%2"},
    {62308, "Für einen Verlauf werden mindestens zwei lesbare Messungen gebraucht."},
    {62309, "Bezugsmessung (älteste): %s vom %s. Markiert: mindestens 20 dB schlechter bei "
            "einer Frequenz oder mindestens 10 dB schlechter bei zwei benachbarten Frequenzen."},
    {62310, "Datum,Datei,Ohr,Frequenz (Hz),Wert (dB),Änderung (dB),Wesentlich"},
    {62311, "ja"},
    {62312, "nein"},
    {62313, "Aufruf: auvo --export-trend AUSGABE DATEI1 DATEI2 ...\n"
            "Schreibt den Verlauf der Messungen DATEI1, DATEI2, ... nach Datum geordnet; "
            "AUSGABE endet auf .pdf, .png (Seite) oder .csv (UTF-8).\n"},
    {62314, "Aufruf: auvo [DATEI]          startet das Programm (mit dem Dokument DATEI)\n"
            "       auvo --version | --help\n"},
    {62315, "&Drucken..."},
    {62316, "S&chließen"},
    {62317, "Die Ausgabe '%1' muss auf .pdf, .png oder .csv enden."},
    {62318, "nicht gemessen"},
    {62319, "%s: nicht gemessen"},
    {62320, "%s; zwischenzeitlich %s"},
    {62321, "%s dB bei %s am %s"},
    {62322, "%s: Bezugsmessung %s vom %s."},
};

// Load looks ids up by binary search; a text added out of order must not compile.
static_assert(std::is_sorted(std::begin(kEntries), std::end(kEntries),
                             [](const Entry& a, const Entry& b) { return a.id < b.id; }));

} // namespace

namespace StringTable {

std::string Load(unsigned id) {
    const auto it = std::lower_bound(std::begin(kEntries), std::end(kEntries), id,
                                     [](const Entry& e, unsigned key) { return e.id < key; });
    if (it == std::end(kEntries) || it->id != id) {
        return {};
    }
    return it->text;
}

std::string Format(unsigned id, const std::string& arg1, const std::string& arg2) {
    return FillText(Load(id), {arg1, arg2});
}

} // namespace StringTable
