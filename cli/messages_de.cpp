// The German texts of the command line, keyed by their English texts.
#include <cstring>

#include "cli/messages.h"

namespace plxcli {

namespace {

struct Pair {
    const char* english;
    const char* german;
};

const Pair kGerman[] = {
    // Arguments
    {"%1 is on or off, not %2", "%1 ist on oder off, nicht %2"},
    {"%1 needs a value", "%1 braucht einen Wert"},
    {"%1 takes a number, not %2", "%1 nimmt eine Zahl, nicht %2"},
    {"unknown option %1", "unbekannte Option %1"},
    {"unknown command %1", "unbekannter Befehl %1"},
    {"no command given", "kein Befehl angegeben"},
    {"--lang is en or de, not %1", "--lang ist en oder de, nicht %1"},
    {"Try 'plexmoor --help'.", "Mehr mit 'plexmoor --help'."},
    {"about takes no arguments", "about nimmt keine Argumente"},
    {"export takes one PROJECT file", "export nimmt eine PROJEKT-Datei"},
    {"info takes one PROJECT file", "info nimmt eine PROJEKT-Datei"},
    {"menu takes at most one PROJECT file", "menu nimmt höchstens eine PROJEKT-Datei"},
    {"prefs takes no arguments", "prefs nimmt keine Argumente"},
    {"style needs one NAME", "style braucht einen NAMEN"},
    {"styles takes no PROJECT", "styles nimmt kein PROJEKT"},
    {"window needs one NAME (plexmoor --help lists them)",
     "window braucht einen NAMEN (plexmoor --help nennt sie)"},
    {"%1: the plug-in refused to start (%2)", "%1: das Plug-in wollte nicht starten (%2)"},
    {"the plug-in added no menu to the host", "das Plug-in hat dem Programm kein Menü hinzugefügt"},
    {"the plug-in's menu lacks the command", "im Menü des Plug-ins fehlt der Befehl"},
    {"\"%1\" is not available now", "\"%1\" ist jetzt nicht verfügbar"},
    {"not done: %1", "nicht ausgeführt: %1"},
    {"on", "ein"},
    {"off", "aus"},
    // export: before the dialog
    {"--all and --pages exclude each other", "--all und --pages schließen einander aus"},
    {"--base is layout or project, not %1", "--base ist layout oder project, nicht %1"},
    {"--box exports one box: %1 is for pages",
     "--box exportiert einen Rahmen: %1 gilt für Seiten"},
    {"--box needs a PROJECT", "--box braucht ein PROJEKT"},
    {"--box takes a box number, not %1", "--box nimmt eine Rahmennummer, nicht %1"},
    {"--box: layout \"%1\" has no box %2", "--box: Layout \"%1\" hat keinen Rahmen %2"},
    {"--box: no box is selected in layout \"%1\"; give its id: --box ID",
     "--box: in Layout \"%1\" ist kein Rahmen ausgewählt; geben Sie seine Nummer an: --box ID"},
    {"layout \"%1\" has no box to select", "Layout \"%1\" hat keinen Rahmen zum Auswählen"},
    {"--frame and --no-frame exclude each other", "--frame und --no-frame schließen einander aus"},
    {"--layout: the project has no layout \"%1\"; it has %2",
     "--layout: das Projekt hat kein Layout \"%1\"; es hat %2"},
    {"--offset needs --absolute", "--offset braucht --absolute"},
    {"--offset takes a whole number, not %1", "--offset nimmt eine ganze Zahl, nicht %1"},
    {"--page takes a page number, not %1", "--page nimmt eine Seitennummer, nicht %1"},
    {"--page: layout \"%1\" has the pages 1 to %2", "--page: Layout \"%1\" hat die Seiten 1 bis %2"},
    {"--style \"%1\" writes %2 files, but --to names a %3 file",
     "--style \"%1\" schreibt %2-Dateien, aber --to nennt eine %3-Datei"},
    {"--style: the export dialog offers no style \"%1\"; it offers %2",
     "--style: der Export-Dialog bietet keinen Stil \"%1\" an; er bietet %2"},
    {"Did you mean \"%1\"?", "Meinten Sie \"%1\"?"},
    {"--to needs a path", "--to braucht einen Pfad"},
    {"--to %1: %2", "--to %1: %2"},
    {"--to %1: %2 is not a folder", "--to %1: %2 ist kein Ordner"},
    {"--to %1: the folder %2 does not exist", "--to %1: den Ordner %2 gibt es nicht"},
    {"--to %1: no file can be written in %2: %3",
     "--to %1: in %2 kann keine Datei geschrieben werden: %3"},
    {"the project has no layout", "das Projekt hat kein Layout"},
    // export: the dialog and the run
    {"plexmoor: output style \"%1\" (for the .%2 of --to)",
     "plexmoor: Ausgabestil \"%1\" (für die Endung .%2 von --to)"},
    {"the export dialog did not take the options",
     "der Export-Dialog hat die Angaben nicht angenommen"},
    {"plexmoor: the pages of layout \"%1\" are labelled %2; with --absolute they are 1-%3",
     "plexmoor: die Seiten von Layout \"%1\" heißen %2; mit --absolute sind es 1-%3"},
    {"plexmoor: %1 was written %2 times (pages %3); only page %4 is in it",
     "plexmoor: %1 wurde %2-mal geschrieben (Seiten %3); nur Seite %4 ist darin"},
    {"plexmoor: the host's font cannot draw %1; each is shown as a box",
     "plexmoor: die Schrift des Hosts kann %1 nicht zeichnen; jedes erscheint als Kästchen"},
    {"1 file written", "1 Datei geschrieben"},
    {"%1 files written", "%1 Dateien geschrieben"},
    {"1 page lost: a later page was written over it",
     "1 Seite verloren: eine spätere Seite wurde darüber geschrieben"},
    {"%1 pages lost: later pages were written over them",
     "%1 Seiten verloren: spätere Seiten wurden darüber geschrieben"},
    {"1 page not written", "1 Seite nicht geschrieben"},
    {"%1 pages not written", "%1 Seiten nicht geschrieben"},
    {"stopped by Ctrl-C", "mit Strg-C angehalten"},
    // styles, style
    {"medium:", "Medium:"},
    {", spreads", ", Druckbögen"},
    {"none", "keins"},
    {"file name:", "Dateiname:"},
    {", page number before the name", ", Seitennummer vor dem Namen"},
    {"page frame:", "Seitenumrandung:"},
    {"no medium", "kein Medium"},
    {"Output style \"%1\" (%2): saved", "Ausgabestil \"%1\" (%2): gesichert"},
    {"Output style \"%1\" (%2): not saved", "Ausgabestil \"%1\" (%2): nicht gesichert"},
    {"no %1 panel", "keine %1-Seite"},
    {"--medium is eps or pdf, not %1", "--medium ist eps oder pdf, nicht %1"},
    {"--base is project or layout, not %1", "--base ist project oder layout, nicht %1"},
    {"--numbering is x, 0x, 00x, 000x or none, not %1",
     "--numbering ist x, 0x, 00x, 000x oder none, nicht %1"},
    {"there is no output style \"%1\" (--medium makes one)",
     "es gibt keinen Ausgabestil \"%1\" (--medium legt ihn an)"},
    {"the output style \"%1\" exists with another medium",
     "den Ausgabestil \"%1\" gibt es mit einem anderen Medium"},
    {"the output style \"%1\" is neither EPS nor PDF: it has no %2 panel",
     "der Ausgabestil \"%1\" ist weder EPS noch PDF: er hat keine %2-Seite"},
    {"the output style \"%1\" could not be made",
     "der Ausgabestil \"%1\" konnte nicht angelegt werden"},
    {"the style could not be edited:", "der Stil konnte nicht bearbeitet werden:"},
    {"the host could not keep its output styles as they were edited",
     "das Programm konnte seine Ausgabestile nicht wie bearbeitet sichern"},
    {"the output-style editor did not open again",
     "der Ausgabestil-Editor ging nicht wieder auf"},
    // menu, prefs, window
    {"enabled", "aktiv"},
    {"disabled", "inaktiv"},
    {"Context menu: no layout open", "Kontextmenü: kein Layout geöffnet"},
    {"Context menu of layout \"%1\"", "Kontextmenü von Layout \"%1\""},
    {"saved", "gesichert"},
    {"the preferences cannot be opened", "die Vorgaben lassen sich nicht öffnen"},
    {"the preferences could not be saved", "die Vorgaben konnten nicht gesichert werden"},
    {"the preferences could not be set:", "die Vorgaben konnten nicht gesetzt werden:"},
    {"the preferences window did not open", "das Fenster der Vorgaben ging nicht auf"},
    {"the plug-in does not answer window requests",
     "das Plug-in beantwortet keine Fensteranfragen"},
    {"the plug-in has no window named %1 (plexmoor --help lists them)",
     "das Plug-in hat kein Fenster namens %1 (plexmoor --help nennt sie)"},
    {"the plug-in's window %1 is not one this program can draw",
     "das Fenster %1 des Plug-ins kann dieses Programm nicht zeichnen"},
    {"the title", "der Titel"},
    {"the %1 #%2", "das Element %1 #%2"},
    {"%1: %2 \"%3\" does not fit: it needs %4 pixels, has %5",
     "%1: %2 \"%3\" passt nicht: braucht %4 Pixel, hat %5"},
};

} // namespace

const char* germanText(const char* english) {
    for (const Pair& p : kGerman)
        if (std::strcmp(p.english, english) == 0) return p.german;
    return nullptr;
}

} // namespace plxcli
