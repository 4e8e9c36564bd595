<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>dravik</name>
    <message>
        <source>File Error</source>
        <translation>Dateifehler</translation>
    </message>
    <message>
        <source>Error reading sudokus from file!</source>
        <translation>Fehler beim Lesen der Sudokus aus der Datei!</translation>
    </message>
    <message>
        <source>Error writing sudokus to file!</source>
        <translation>Fehler beim Schreiben der Sudokus in die Datei!</translation>
    </message>
    <message>
        <source>Critical Error!</source>
        <translation>Kritischer Fehler!</translation>
    </message>
    <message>
        <source>The program failed to open the file with sudoku puzzles, and therefore cannot proceed. Make sure that the file &apos;SudStock.kds&apos; is in the program folder before rerunning the program. If it keeps on failing, you can try to reinstall the program. Program will be aborted.</source>
        <translation>Das Programm konnte die Datei mit den Sudoku-Rätseln nicht öffnen und kann deshalb nicht weiterarbeiten. Sorgen Sie dafür, dass die Datei &apos;SudStock.kds&apos; im Programmordner liegt, bevor Sie das Programm erneut starten. Schlägt es weiterhin fehl, können Sie versuchen, das Programm neu zu installieren. Das Programm wird beendet.</translation>
    </message>
    <message>
        <source>The file with sudoku puzzles was damaged and has been replaced by a fresh copy. Best times recorded in it are lost; the damaged file was kept as &apos;%1&apos;.</source>
        <translation>Die Datei mit den Sudoku-Rätseln war beschädigt und wurde durch eine frische Kopie ersetzt. Die darin gespeicherten Bestzeiten sind verloren; die beschädigte Datei wurde als &apos;%1&apos; aufbewahrt.</translation>
    </message>
    <message>
        <source>Dravik Sudoku</source>
        <translation>Dravik Sudoku</translation>
    </message>
    <message>
        <source>Dravik Sudoku is already running. Only one game can be open at a time; please continue in the window that is already open.</source>
        <translation>Dravik Sudoku läuft bereits. Es kann nur ein Spiel zugleich geöffnet sein; bitte spielen Sie in dem Fenster weiter, das schon offen ist.</translation>
    </message>
    <message>
        <source>Dravik Sudoku cannot start: %1. The game keeps this lock while it runs, so that two games never overwrite each other&apos;s best times. Please make sure that this is a plain file the game may write (or that nothing is there, so that the game can make it), then start the game again.</source>
        <translation>Dravik Sudoku kann nicht starten: %1. Das Spiel hält diese Sperre, solange es läuft, damit zwei Spiele nie gegenseitig ihre Bestzeiten überschreiben. Bitte sorgen Sie dafür, dass dies eine gewöhnliche Datei ist, die das Spiel schreiben darf (oder dass dort nichts ist, damit das Spiel sie anlegen kann), und starten Sie das Spiel dann erneut.</translation>
    </message>
    <message>
        <source>The file with your settings was damaged and has been set aside; the game starts with its default settings (sound on, level Easy, no players). The damaged file was kept as &apos;%1&apos;.</source>
        <translation>Die Datei mit Ihren Einstellungen war beschädigt und wurde beiseitegelegt; das Spiel startet mit seinen Standardeinstellungen (Ton an, Stufe Leicht, keine Spieler). Die beschädigte Datei wurde als &apos;%1&apos; aufbewahrt.</translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; is not a plain file (it is a link, a pipe, a device or a folder), so the game does not write to it. Your settings and players work while the game runs, but they are not saved.</source>
        <translation>Die Einstellungsdatei &apos;%1&apos; ist keine gewöhnliche Datei (sie ist ein Link, eine Pipe, ein Gerät oder ein Ordner), daher schreibt das Spiel nicht hinein. Ihre Einstellungen und Spieler gelten, solange das Spiel läuft, werden aber nicht gespeichert.</translation>
    </message>
    <message>
        <source>Quit Dravik Sudoku</source>
        <translation>Dravik Sudoku beenden</translation>
    </message>
    <message>
        <source>Do you really want to quit ?</source>
        <translation>Wollen Sie wirklich aufhören?</translation>
    </message>
    <message>
        <source>Renew Selected Set of Sudokus</source>
        <translation>Gewählte Sudoku-Reihe erneuern</translation>
    </message>
    <message>
        <source>Are you sure to renew this set of Sudokus? Renewing also resets the Best Times for this set.</source>
        <translation>Wollen Sie diese Sudoku-Reihe wirklich erneuern? Dabei werden auch die Bestzeiten dieser Reihe gelöscht.</translation>
    </message>
    <message>
        <source>New Best Time!</source>
        <translation>Neue Bestzeit!</translation>
    </message>
    <message>
        <source>New Best Time for this Sudoku. Congratulations!!!</source>
        <translation>Neue Bestzeit für dieses Sudoku. Herzlichen Glückwunsch!!!</translation>
    </message>
    <message>
        <source>Bad solved cell</source>
        <translation>Falsch gelöste Zelle</translation>
    </message>
    <message>
        <source>The solution of cell %1 is incorrect!</source>
        <translation>Die Lösung in Zelle %1 ist falsch!</translation>
    </message>
    <message>
        <source>The pencilmark of cell %1 to solve this cell is incorrectly erased!</source>
        <translation>Die Bleistiftmarke in Zelle %1, die diese Zelle löst, wurde zu Unrecht gestrichen!</translation>
    </message>
    <message>
        <source>Puzzle not played</source>
        <translation>Rätsel nicht gespielt</translation>
    </message>
    <message>
        <source>Play a puzzle</source>
        <translation>Ein Rätsel spielen</translation>
    </message>
    <message>
        <source>Play the puzzle you brought? The game in progress will be lost.</source>
        <translation>Das mitgebrachte Rätsel spielen? Das laufende Spiel geht verloren.</translation>
    </message>
    <message>
        <source>Printer error</source>
        <translation>Druckerfehler</translation>
    </message>
    <message>
        <source>An error occured while attempting to communicate with the standard printer, please check the availability and status of your printer.</source>
        <translation>Bei der Verbindung mit dem Standarddrucker ist ein Fehler aufgetreten. Bitte prüfen Sie, ob Ihr Drucker verfügbar und bereit ist.</translation>
    </message>
    <message>
        <source>The PDF file could not be written: %1</source>
        <translation>Die PDF-Datei konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>Browser nicht gefunden</translation>
    </message>
    <message>
        <source>Could not find associated Browser</source>
        <translation>Kein zugeordneter Browser gefunden</translation>
    </message>
    <message>
        <source>URL Failed</source>
        <translation>URL fehlgeschlagen</translation>
    </message>
    <message>
        <source>Web Page not Opened</source>
        <translation>Webseite nicht geöffnet</translation>
    </message>
    <message>
        <source>Loss of memory ?</source>
        <translation>Gedächtnisverlust?</translation>
    </message>
    <message>
        <source>Did you suffer from memory loss ?
Come on, think very deeply, try to remember your own name.</source>
        <translation>Leiden Sie an Gedächtnisverlust?
Na los, denken Sie ganz tief nach und erinnern Sie sich an Ihren eigenen Namen.</translation>
    </message>
    <message>
        <source>My name is Nobody</source>
        <translation>Mein Name ist Niemand</translation>
    </message>
    <message>
        <source>If you want to stay unknown,
use a nick name.</source>
        <translation>Wenn Sie unbekannt bleiben wollen,
nehmen Sie einen Spitznamen.</translation>
    </message>
    <message>
        <source>Dravik Sudoku Players</source>
        <translation>Dravik Sudoku – Spieler</translation>
    </message>
    <message>
        <source>The list can keep at most 100 players, and it is full.
To play under a new name, select a player and use Edit Player.</source>
        <translation>Die Liste fasst höchstens 100 Spieler und ist voll.
Um unter einem neuen Namen zu spielen, wählen Sie einen Spieler und nehmen Sie Spieler ändern.</translation>
    </message>
    <message>
        <source>Oh no, not another %1 !!!</source>
        <translation>Oh nein, nicht noch ein %1 !!!</translation>
    </message>
    <message>
        <source>Yeah yeah, I know there are more people having that name,
but %1 is allready in use.
A unique name is required,
so, use your imagination.</source>
        <translation>Ja ja, ich weiß, dass es mehr Leute mit diesem Namen gibt,
aber %1 ist schon vergeben.
Ein eindeutiger Name ist nötig,
also lassen Sie Ihre Fantasie spielen.</translation>
    </message>
    <message>
        <source>Sudoku number</source>
        <translation>Sudoku-Nummer</translation>
    </message>
    <message>
        <source>Enter a value between 1 and 100</source>
        <translation>Geben Sie eine Zahl zwischen 1 und 100 ein</translation>
    </message>
    <message>
        <source>Very Easy</source>
        <translation>Sehr leicht</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Very Hard</source>
        <translation>Sehr schwer</translation>
    </message>
    <message>
        <source>Hidden Single</source>
        <translation>Verst. Single</translation>
    </message>
    <message>
        <source>Naked Single</source>
        <translation>Nackter Single</translation>
    </message>
    <message>
        <source>Pointing Pair</source>
        <translation>Zeigendes Paar</translation>
    </message>
    <message>
        <source>Box Line</source>
        <translation>Block-Linie</translation>
    </message>
    <message>
        <source>Naked Pair</source>
        <translation>Nacktes Paar</translation>
    </message>
    <message>
        <source>Naked Triple</source>
        <translation>Nacktes Tripel</translation>
    </message>
    <message>
        <source>Hidden Pair</source>
        <translation>Verst. Paar</translation>
    </message>
    <message>
        <source>Naked Quad</source>
        <translation>Nacktes Quartett</translation>
    </message>
    <message>
        <source>Hidden Triple</source>
        <translation>Verst. Tripel</translation>
    </message>
    <message>
        <source>Naked Quint</source>
        <translation>Nacktes Quintett</translation>
    </message>
    <message>
        <source>X-Wing</source>
        <translation>X-Wing</translation>
    </message>
    <message>
        <source>XY-Wing</source>
        <translation>XY-Wing</translation>
    </message>
    <message>
        <source>2 String Kite</source>
        <translation>Drachen</translation>
    </message>
    <message>
        <source>Skyscraper</source>
        <translation>Wolkenkratzer</translation>
    </message>
    <message>
        <source>Swordfish</source>
        <translation>Schwertfisch</translation>
    </message>
    <message>
        <source>Multi X-Wing</source>
        <translation>Multi-X-Wing</translation>
    </message>
    <message>
        <source>Finned X-Wing</source>
        <translation>Flossen-X-Wing</translation>
    </message>
    <message>
        <source>Unique Rectangle</source>
        <translation>Eindeut. Rechteck</translation>
    </message>
    <message>
        <source>Avoidable Rect.</source>
        <translation>Vermeidb. Rechteck</translation>
    </message>
    <message>
        <source>XYZ-Wing</source>
        <translation>XYZ-Wing</translation>
    </message>
    <message>
        <source>Empty Rectangle</source>
        <translation>Leeres Rechteck</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Qualle</translation>
    </message>
    <message>
        <source>No mistakes so far</source>
        <translation>Bisher keine Fehler</translation>
    </message>
    <message>
        <source>No logical step of this game&apos;s techniques applies here</source>
        <translation>Hier greift kein logischer Schritt der Techniken dieses Spiels</translation>
    </message>
    <message>
        <source>Solved in %1</source>
        <translation>Gelöst in %1</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Stufe: %1</translation>
    </message>
    <message>
        <source>Number: %1</source>
        <translation>Nummer: %1</translation>
    </message>
    <message>
        <source>Best Time: %1 by %2</source>
        <translation>Bestzeit: %1 von %2</translation>
    </message>
    <message>
        <source>Best Time: %1</source>
        <translation>Bestzeit: %1</translation>
    </message>
    <message>
        <source>Level Best Time: %1</source>
        <translation>Bestzeit der Stufe: %1</translation>
    </message>
    <message>
        <source>Level Average Time: %1</source>
        <translation>Durchschnitt der Stufe: %1</translation>
    </message>
    <message>
        <source>Level: Beyond Very Hard</source>
        <translation>Stufe: Jenseits von Sehr schwer</translation>
    </message>
    <message>
        <source>Best Time: -- (not a puzzle of the stock)</source>
        <translation>Bestzeit: -- (kein Rätsel des Vorrats)</translation>
    </message>
    <message>
        <source>Dravik Sudoku - %1 is playing</source>
        <translation>Dravik Sudoku - %1 spielt</translation>
    </message>
    <message>
        <source>Dravik Sudoku - Free Play (no player selected)</source>
        <translation>Dravik Sudoku - Freies Spiel (kein Spieler gewählt)</translation>
    </message>
    <message>
        <source>Level: ----</source>
        <translation>Stufe: ----</translation>
    </message>
    <message>
        <source>Number: --</source>
        <translation>Nummer: --</translation>
    </message>
    <message>
        <source>Best Time: 00:00 (No Best Time Yet)</source>
        <translation>Bestzeit: 00:00 (noch keine Bestzeit)</translation>
    </message>
    <message>
        <source>Level Best Time: 00:00</source>
        <translation>Bestzeit der Stufe: 00:00</translation>
    </message>
    <message>
        <source>Level Average Time: 00:00</source>
        <translation>Durchschnitt der Stufe: 00:00</translation>
    </message>
    <message>
        <source>Add or edit Player -and/or- Select Player and press OK -or- Press Cancel for Free Play (No Player Selected)</source>
        <translation>Spieler hinzufügen oder ändern -und/oder- Spieler wählen und OK drücken -oder- Abbrechen drücken für freies Spiel (kein Spieler gewählt)</translation>
    </message>
    <message>
        <source>&amp;New Player</source>
        <translation>&amp;Neuer Spieler</translation>
    </message>
    <message>
        <source>&amp;Edit Player</source>
        <translation>Spieler &amp;ändern</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Free Play</source>
        <translation>Freies Spiel</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>bis %1</translation>
    </message>
    <message>
        <source>No printer is installed. Save as PDF... keeps the pages in a PDF file instead.</source>
        <translation>Es ist kein Drucker eingerichtet. Als PDF speichern... legt die Seiten stattdessen in einer PDF-Datei ab.</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Page not found&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Page not found&lt;/h2&gt;&lt;p&gt;The help page &lt;b&gt;%1&lt;/b&gt; is not there.&lt;/p&gt;&lt;p&gt;The help pages belong in the folder &lt;tt&gt;%2&lt;/tt&gt;. Installing the game again puts them back.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;index.html&quot;&gt;Back to the contents&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Seite nicht gefunden&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Seite nicht gefunden&lt;/h2&gt;&lt;p&gt;Die Hilfeseite &lt;b&gt;%1&lt;/b&gt; ist nicht da.&lt;/p&gt;&lt;p&gt;Die Hilfeseiten gehören in den Ordner &lt;tt&gt;%2&lt;/tt&gt;. Wenn Sie das Spiel neu installieren, sind sie wieder da.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;index.html&quot;&gt;Zurück zum Inhalt&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Page cannot be shown&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Page cannot be shown&lt;/h2&gt;&lt;p&gt;The help page &lt;b&gt;%1&lt;/b&gt; cannot be shown: %2.&lt;/p&gt;&lt;p&gt;Installing the game again puts the help pages back.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;index.html&quot;&gt;Back to the contents&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Seite kann nicht angezeigt werden&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Seite kann nicht angezeigt werden&lt;/h2&gt;&lt;p&gt;Die Hilfeseite &lt;b&gt;%1&lt;/b&gt; kann nicht angezeigt werden: %2.&lt;/p&gt;&lt;p&gt;Wenn Sie das Spiel neu installieren, sind die Hilfeseiten wieder da.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;index.html&quot;&gt;Zurück zum Inhalt&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>sie ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>sie ist größer als %1 MB</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Verstrichene Zeit</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Töne</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <translation>STUFE</translation>
    </message>
    <message>
        <source>R</source>
        <translation>E</translation>
    </message>
    <message>
        <source>Renew Level</source>
        <translation>Stufe erneuern</translation>
    </message>
    <message>
        <source>Players...</source>
        <translation>Spieler...</translation>
    </message>
    <message>
        <source>Click for KVX-Software website</source>
        <translation>Klicken für die Website von KVX-Software</translation>
    </message>
    <message>
        <source>Step counter</source>
        <translation>Zugzähler</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Öffnen...</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wieder</translation>
    </message>
    <message>
        <source>Reset Cell</source>
        <translation>Zelle leeren</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Tipp</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Lösung</translation>
    </message>
    <message>
        <source>Generating Sudokus</source>
        <translation>Sudokus werden erzeugt</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Tastenkürzel: %1</translation>
    </message>
    <message>
        <source>Hint: %1. Click to learn the technique; right-click to be shown where.</source>
        <translation>Tipp: %1. Klicken, um die Technik kennenzulernen; Rechtsklick zeigt, wo.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>This is not a Sudoku puzzle: it holds %1, where only the digits 1 to 9, and 0 or . for an empty cell, may stand.</source>
        <translation>Das ist kein Sudoku-Rätsel: Es enthält %1, wo nur die Ziffern 1 bis 9 und 0 oder . für eine leere Zelle stehen dürfen.</translation>
    </message>
    <message>
        <source>This is not a Sudoku puzzle: it has %1 cells, where a puzzle has 81.</source>
        <translation>Das ist kein Sudoku-Rätsel: Es hat %1 Zellen, ein Rätsel hat 81.</translation>
    </message>
    <message>
        <source>This puzzle cannot be played: its givens break the rules (%1).</source>
        <translation>Dieses Rätsel kann nicht gespielt werden: Seine Vorgaben verletzen die Regeln (%1).</translation>
    </message>
    <message>
        <source>This puzzle cannot be played: it has no solution.</source>
        <translation>Dieses Rätsel kann nicht gespielt werden: Es hat keine Lösung.</translation>
    </message>
    <message>
        <source>This puzzle cannot be played: it has more than one solution.</source>
        <translation>Dieses Rätsel kann nicht gespielt werden: Es hat mehr als eine Lösung.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; was not found.</source>
        <translation>Die Datei &apos;%1&apos; wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a puzzle file: it is no plain file.</source>
        <translation>&apos;%1&apos; ist keine Rätseldatei: Es ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a puzzle file: it is larger than %2 KB.</source>
        <translation>&apos;%1&apos; ist keine Rätseldatei: Sie ist größer als %2 KB.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read.</source>
        <translation>Die Datei &apos;%1&apos; kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a puzzle file: it begins with &quot;%2&quot;. %3</source>
        <translation>&apos;%1&apos; ist keine Rätseldatei: Sie beginnt mit &quot;%2&quot;. %3</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>Zeile %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>Spalte %1</translation>
    </message>
    <message>
        <source>box %1</source>
        <translation>Block %1</translation>
    </message>
    <message>
        <source>rows %1</source>
        <translation>Zeilen %1</translation>
    </message>
    <message>
        <source>columns %1</source>
        <translation>Spalten %1</translation>
    </message>
    <message>
        <source>place %1 in %2</source>
        <translation>%1 in %2 setzen</translation>
    </message>
    <message>
        <source>%1 goes from %2</source>
        <translation>%1 fällt weg aus %2</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 aus %2</translation>
    </message>
    <message>
        <source>nothing is left to remove</source>
        <translation>es bleibt nichts zu streichen</translation>
    </message>
    <message>
        <source>Avoidable Rectangle</source>
        <translation>Vermeidbares Rechteck</translation>
    </message>
    <message>
        <source>%1: in %2, %3 fits only in %4</source>
        <translation>%1: In %2 passt %3 nur in %4</translation>
    </message>
    <message>
        <source>%1: %2 is the only mark left in %3</source>
        <translation>%1: %2 ist die einzige Marke, die in %3 übrig ist</translation>
    </message>
    <message>
        <source>%1: in %2, %3 lies only in %4 (%5)</source>
        <translation>%1: In %2 liegt %3 nur in %4 (%5)</translation>
    </message>
    <message>
        <source>%1: in %2, %3 hold only %4</source>
        <translation>%1: In %2 enthalten %3 nur %4</translation>
    </message>
    <message>
        <source>%1: in %2, %3 fit only in %4</source>
        <translation>%1: In %2 passen %3 nur in %4</translation>
    </message>
    <message>
        <source>%1 on %2: %3, %4</source>
        <translation>%1 auf %2: %3, %4</translation>
    </message>
    <message>
        <source>%1 on %2: %3, %4, fins %5</source>
        <translation>%1 auf %2: %3, %4, Flossen %5</translation>
    </message>
    <message>
        <source>%1 on %2: %3, %4, fin %5</source>
        <translation>%1 auf %2: %3, %4, Flosse %5</translation>
    </message>
    <message>
        <source>%1: %2 holds %3 only in %4, %5 holds %6 only in %7</source>
        <translation>%1: %2 hat %3 nur in %4, %5 hat %6 nur in %7</translation>
    </message>
    <message>
        <source>%1: pivot %2, wings %3 and %4</source>
        <translation>%1: Angel %2, Flügel %3 und %4</translation>
    </message>
    <message>
        <source>%1 on %2: %3 (%4) and %5 (%6) meet in %7</source>
        <translation>%1 auf %2: %3 (%4) und %5 (%6) treffen sich in %7</translation>
    </message>
    <message>
        <source>%1 on %2: %3 hold %2 only twice each, sharing %4</source>
        <translation>%1 auf %2: %3 haben %2 je nur zweimal und teilen sich %4</translation>
    </message>
    <message>
        <source>%1 on %2: %3 holds it only in %4 and %5; %6 holds it only in %7</source>
        <translation>%1 auf %2: %3 hat sie nur in %4 und %5; %6 hat sie nur in %7</translation>
    </message>
    <message>
        <source>%1 on %2: %3, with %4</source>
        <translation>%1 auf %2: %3, mit %4</translation>
    </message>
    <message>
        <source>%1 on %2: %3</source>
        <translation>%1 auf %2: %3</translation>
    </message>
    <message>
        <source>%1: %2 must not become swappable</source>
        <translation>%1: %2 dürfen nicht vertauschbar werden</translation>
    </message>
    <message>
        <source>the pages could not be drawn</source>
        <translation>die Seiten konnten nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>the printer did not take the job</source>
        <translation>der Drucker hat den Auftrag nicht angenommen</translation>
    </message>
    <message>
        <source>the printer stopped taking pages</source>
        <translation>der Drucker nahm keine Seiten mehr an</translation>
    </message>
    <message>
        <source>no printer could be set up</source>
        <translation>kein Drucker ließ sich einrichten</translation>
    </message>
    <message>
        <source>Practise a technique</source>
        <translation>Eine Technik üben</translation>
    </message>
    <message>
        <source>Look for a puzzle that needs %1? You can play on while the game looks; once it is found, the game in progress is given up.</source>
        <translation>Ein Rätsel suchen, das %1 braucht? Sie können weiterspielen, während das Spiel sucht; sobald eines gefunden ist, wird das laufende Spiel aufgegeben.</translation>
    </message>
    <message>
        <source>The file with your statistics was damaged and has been set aside; the game counts afresh from now on. The damaged file was kept as &apos;%1&apos;.</source>
        <translation>Die Datei mit Ihrer Statistik war beschädigt und wurde beiseitegelegt; das Spiel zählt ab jetzt neu. Die beschädigte Datei wurde als &apos;%1&apos; aufbewahrt.</translation>
    </message>
    <message>
        <source>Your statistics could not be saved: %1. The game counts on while it runs and tries again with every change.</source>
        <translation>Ihre Statistik konnte nicht gespeichert werden: %1. Das Spiel zählt weiter, solange es läuft, und versucht es bei jeder Änderung erneut.</translation>
    </message>
    <message>
        <source>given</source>
        <translation>vorgegeben</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leer</translation>
    </message>
    <message>
        <source>marks</source>
        <translation>Marken</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Renew</source>
        <translation>Erneuern</translation>
    </message>
    <message>
        <source>No puzzle is being played.</source>
        <translation>Es wird kein Rätsel gespielt.</translation>
    </message>
    <message>
        <source>This position cannot be solved from here. Ask for a Hint to find out why.</source>
        <translation>Diese Stellung lässt sich von hier aus nicht lösen. Fragen Sie nach einem Tipp, um zu erfahren, warum.</translation>
    </message>
    <message>
        <source>The board is full: there is nothing left to solve.</source>
        <translation>Das Brett ist voll: Es gibt nichts mehr zu lösen.</translation>
    </message>
    <message>
        <source>%1 step solves the puzzle from here.</source>
        <translation>%1 Schritt löst das Rätsel von hier aus.</translation>
    </message>
    <message>
        <source>%1 steps solve the puzzle from here.</source>
        <translation>%1 Schritte lösen das Rätsel von hier aus.</translation>
    </message>
    <message>
        <source>After %1 step the techniques of this game get no further.</source>
        <translation>Nach %1 Schritt kommen die Techniken dieses Spiels nicht weiter.</translation>
    </message>
    <message>
        <source>After %1 steps the techniques of this game get no further.</source>
        <translation>Nach %1 Schritten kommen die Techniken dieses Spiels nicht weiter.</translation>
    </message>
    <message>
        <source>a technique</source>
        <translation>eine Technik</translation>
    </message>
    <message>
        <source>Looking for a puzzle that needs %1 (%2 puzzle tried)</source>
        <translation>Suche ein Rätsel, das %1 braucht (%2 Rätsel versucht)</translation>
    </message>
    <message>
        <source>Looking for a puzzle that needs %1 (%2 puzzles tried)</source>
        <translation>Suche ein Rätsel, das %1 braucht (%2 Rätsel versucht)</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Spielername</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Brett</translation>
    </message>
    <message>
        <source>Statistics...</source>
        <translation>Statistik...</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Tipp: %1</translation>
    </message>
    <message>
        <source>Solution path...</source>
        <translation>Lösungsweg...</translation>
    </message>
    <message>
        <source>Set checkpoint</source>
        <translation>Kontrollpunkt setzen</translation>
    </message>
    <message>
        <source>Back to checkpoint</source>
        <translation>Zurück zum Kontrollpunkt</translation>
    </message>
    <message>
        <source>Undo to before the first mistake</source>
        <translation>Bis vor den ersten Fehler zurücknehmen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Keyboard and mouse</source>
        <translation>Tastatur und Maus</translation>
    </message>
    <message>
        <source>Right-click the window for these and more commands.</source>
        <translation>Rechtsklick auf das Fenster für diese und weitere Befehle.</translation>
    </message>
    <message>
        <source>Paused — press P or click to go on</source>
        <translation>Pause — drücken Sie P oder klicken Sie, um weiterzuspielen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Stop looking; the game goes on as it is</source>
        <translation>Suche beenden; das Spiel geht weiter wie bisher</translation>
    </message>
    <message>
        <source>Dravik Sudoku - Solution path</source>
        <translation>Dravik Sudoku - Lösungsweg</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Technique</source>
        <translation>Technik</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Was er bewirkt</translation>
    </message>
    <message>
        <source>Double-click a step to learn its technique</source>
        <translation>Doppelklicken Sie einen Schritt, um seine Technik kennenzulernen</translation>
    </message>
    <message>
        <source>Play a puzzle that needs this technique</source>
        <translation>Ein Rätsel spielen, das diese Technik braucht</translation>
    </message>
    <message>
        <source>The logical way on from the board at step %1:</source>
        <translation>Der logische Weg vom Brett bei Schritt %1 aus:</translation>
    </message>
    <message>
        <source>Oldest to newest: </source>
        <translation>Älteste zuerst: </translation>
    </message>
    <message>
        <source>Dravik Sudoku - Statistics</source>
        <translation>Dravik Sudoku - Statistik</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Gelöst</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Beste</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Tipps</translation>
    </message>
    <message>
        <source>Solutions</source>
        <translation>Lösungen</translation>
    </message>
    <message>
        <source>Given up</source>
        <translation>Aufgegeben</translation>
    </message>
    <message>
        <source>Last 20 times</source>
        <translation>Letzte 20 Zeiten</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Times are counted for finished puzzles only; a puzzle given up is one left unfinished for another puzzle or the end of the game.</source>
        <translation>Zeiten zählen nur für gelöste Rätsel; ein aufgegebenes Rätsel ist eines, das für ein anderes Rätsel oder das Ende des Spiels ungelöst verlassen wurde.</translation>
    </message>
    <message>
        <source>Checkpoint set at step %1</source>
        <translation>Kontrollpunkt bei Schritt %1 gesetzt</translation>
    </message>
</context>
<context>
    <name>dravik::ui::FormPrint</name>
    <message>
        <source>Dravik Sudoku - Print</source>
        <translation>Dravik Sudoku - Drucken</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Von</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Mitdrucken</translation>
    </message>
    <message>
        <source>Solutions</source>
        <translation>Lösungen</translation>
    </message>
    <message>
        <source>Pencilmarks</source>
        <translation>Bleistiftmarken</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>Puzzles per page</source>
        <translation>Rätsel pro Seite</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Beispiel</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Als PDF speichern...</translation>
    </message>
</context>
<context>
    <name>dravik::ui::HelpFeatures</name>
    <message>
        <source>Show where</source>
        <translation>Zeigen, wo</translation>
    </message>
    <message>
        <source>Apply this step</source>
        <translation>Diesen Schritt ausführen</translation>
    </message>
    <message>
        <source>Explain the technique</source>
        <translation>Die Technik erklären</translation>
    </message>
    <message>
        <source>Play a puzzle that needs this technique</source>
        <translation>Ein Rätsel spielen, das diese Technik braucht</translation>
    </message>
</context>
<context>
    <name>dravik::ui::HelpWindow</name>
    <message>
        <source>Dravik Sudoku - Help</source>
        <translation>Dravik Sudoku - Hilfe</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>The page before (Alt+Left)</source>
        <translation>Die Seite davor (Alt+Links)</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>The page after (Alt+Right)</source>
        <translation>Die Seite danach (Alt+Rechts)</translation>
    </message>
</context>
</TS>
