<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>dravik</name>
    <message>
        <source>File Error</source>
        <translation>Bestandsfout</translation>
    </message>
    <message>
        <source>Error reading sudokus from file!</source>
        <translation>Fout bij het lezen van de sudoku&apos;s uit het bestand!</translation>
    </message>
    <message>
        <source>Error writing sudokus to file!</source>
        <translation>Fout bij het schrijven van de sudoku&apos;s naar het bestand!</translation>
    </message>
    <message>
        <source>Critical Error!</source>
        <translation>Kritieke fout!</translation>
    </message>
    <message>
        <source>The program failed to open the file with sudoku puzzles, and therefore cannot proceed. Make sure that the file &apos;SudStock.kds&apos; is in the program folder before rerunning the program. If it keeps on failing, you can try to reinstall the program. Program will be aborted.</source>
        <translation>Het programma kon het bestand met sudoku-puzzels niet openen en kan daarom niet verder. Zorg dat het bestand &apos;SudStock.kds&apos; in de programmamap staat voordat u het programma opnieuw start. Blijft het mislukken, probeer het programma dan opnieuw te installeren. Het programma wordt afgebroken.</translation>
    </message>
    <message>
        <source>The file with sudoku puzzles was damaged and has been replaced by a fresh copy. Best times recorded in it are lost; the damaged file was kept as &apos;%1&apos;.</source>
        <translation>Het bestand met sudoku-puzzels was beschadigd en is vervangen door een nieuwe kopie. De beste tijden die erin stonden zijn verloren; het beschadigde bestand is bewaard als &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Dravik Sudoku</source>
        <translation>Dravik Sudoku</translation>
    </message>
    <message>
        <source>Dravik Sudoku is already running. Only one game can be open at a time; please continue in the window that is already open.</source>
        <translation>Dravik Sudoku draait al. Er kan maar één spel tegelijk open zijn; ga verder in het venster dat al open is.</translation>
    </message>
    <message>
        <source>Dravik Sudoku cannot start: %1. The game keeps this lock while it runs, so that two games never overwrite each other&apos;s best times. Please make sure that this is a plain file the game may write (or that nothing is there, so that the game can make it), then start the game again.</source>
        <translation>Dravik Sudoku kan niet starten: %1. Het spel houdt dit slot vast zolang het draait, zodat twee spellen nooit elkaars beste tijden overschrijven. Zorg dat dit een gewoon bestand is waarin het spel mag schrijven (of dat er niets staat, zodat het spel het kan maken) en start het spel daarna opnieuw.</translation>
    </message>
    <message>
        <source>The file with your settings was damaged and has been set aside; the game starts with its default settings (sound on, level Easy, no players). The damaged file was kept as &apos;%1&apos;.</source>
        <translation>Het bestand met uw instellingen was beschadigd en is opzijgezet; het spel start met de standaardinstellingen (geluid aan, niveau Licht, geen spelers). Het beschadigde bestand is bewaard als &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; is not a plain file (it is a link, a pipe, a device or a folder), so the game does not write to it. Your settings and players work while the game runs, but they are not saved.</source>
        <translation>Het instellingenbestand &apos;%1&apos; is geen gewoon bestand (het is een koppeling, een pipe, een apparaat of een map), dus het spel schrijft er niet in. Uw instellingen en spelers werken zolang het spel draait, maar worden niet bewaard.</translation>
    </message>
    <message>
        <source>Quit Dravik Sudoku</source>
        <translation>Dravik Sudoku afsluiten</translation>
    </message>
    <message>
        <source>Do you really want to quit ?</source>
        <translation>Wilt u echt stoppen?</translation>
    </message>
    <message>
        <source>Renew Selected Set of Sudokus</source>
        <translation>Gekozen reeks sudoku&apos;s vernieuwen</translation>
    </message>
    <message>
        <source>Are you sure to renew this set of Sudokus? Renewing also resets the Best Times for this set.</source>
        <translation>Weet u zeker dat u deze reeks sudoku&apos;s wilt vernieuwen? Vernieuwen wist ook de beste tijden van deze reeks.</translation>
    </message>
    <message>
        <source>New Best Time!</source>
        <translation>Nieuwe beste tijd!</translation>
    </message>
    <message>
        <source>New Best Time for this Sudoku. Congratulations!!!</source>
        <translation>Nieuwe beste tijd voor deze sudoku. Gefeliciteerd!!!</translation>
    </message>
    <message>
        <source>Bad solved cell</source>
        <translation>Fout opgeloste cel</translation>
    </message>
    <message>
        <source>The solution of cell %1 is incorrect!</source>
        <translation>De oplossing van cel %1 is onjuist!</translation>
    </message>
    <message>
        <source>The pencilmark of cell %1 to solve this cell is incorrectly erased!</source>
        <translation>De potloodmarkering van cel %1 die deze cel oplost, is ten onrechte gewist!</translation>
    </message>
    <message>
        <source>Puzzle not played</source>
        <translation>Puzzel niet gespeeld</translation>
    </message>
    <message>
        <source>Play a puzzle</source>
        <translation>Een puzzel spelen</translation>
    </message>
    <message>
        <source>Play the puzzle you brought? The game in progress will be lost.</source>
        <translation>De meegebrachte puzzel spelen? Het lopende spel gaat verloren.</translation>
    </message>
    <message>
        <source>Printer error</source>
        <translation>Printerfout</translation>
    </message>
    <message>
        <source>An error occured while attempting to communicate with the standard printer, please check the availability and status of your printer.</source>
        <translation>Er is een fout opgetreden bij het communiceren met de standaardprinter. Controleer of uw printer beschikbaar is en wat de status is.</translation>
    </message>
    <message>
        <source>The PDF file could not be written: %1</source>
        <translation>Het pdf-bestand kon niet worden geschreven: %1</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>Browser niet gevonden</translation>
    </message>
    <message>
        <source>Could not find associated Browser</source>
        <translation>Geen gekoppelde browser gevonden</translation>
    </message>
    <message>
        <source>URL Failed</source>
        <translation>URL mislukt</translation>
    </message>
    <message>
        <source>Web Page not Opened</source>
        <translation>Webpagina niet geopend</translation>
    </message>
    <message>
        <source>Loss of memory ?</source>
        <translation>Geheugenverlies?</translation>
    </message>
    <message>
        <source>Did you suffer from memory loss ?
Come on, think very deeply, try to remember your own name.</source>
        <translation>Last u van geheugenverlies?
Kom op, denk heel diep na en probeer uw eigen naam te herinneren.</translation>
    </message>
    <message>
        <source>My name is Nobody</source>
        <translation>Mijn naam is Niemand</translation>
    </message>
    <message>
        <source>If you want to stay unknown,
use a nick name.</source>
        <translation>Wilt u onbekend blijven,
gebruik dan een bijnaam.</translation>
    </message>
    <message>
        <source>Dravik Sudoku Players</source>
        <translation>Dravik Sudoku – Spelers</translation>
    </message>
    <message>
        <source>The list can keep at most 100 players, and it is full.
To play under a new name, select a player and use Edit Player.</source>
        <translation>De lijst kan hoogstens 100 spelers bevatten en is vol.
Om onder een nieuwe naam te spelen, kiest u een speler en gebruikt u Speler wijzigen.</translation>
    </message>
    <message>
        <source>Oh no, not another %1 !!!</source>
        <translation>O nee, niet nog een %1 !!!</translation>
    </message>
    <message>
        <source>Yeah yeah, I know there are more people having that name,
but %1 is allready in use.
A unique name is required,
so, use your imagination.</source>
        <translation>Ja ja, ik weet dat er meer mensen zijn met die naam,
maar %1 is al in gebruik.
Een unieke naam is vereist,
dus gebruik uw fantasie.</translation>
    </message>
    <message>
        <source>Sudoku number</source>
        <translation>Sudokunummer</translation>
    </message>
    <message>
        <source>Enter a value between 1 and 100</source>
        <translation>Voer een getal tussen 1 en 100 in</translation>
    </message>
    <message>
        <source>Very Easy</source>
        <translation>Zeer licht</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Licht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Gemiddeld</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Zwaar</translation>
    </message>
    <message>
        <source>Very Hard</source>
        <translation>Zeer zwaar</translation>
    </message>
    <message>
        <source>Hidden Single</source>
        <translation>Verborgen single</translation>
    </message>
    <message>
        <source>Naked Single</source>
        <translation>Naakte single</translation>
    </message>
    <message>
        <source>Pointing Pair</source>
        <translation>Wijzend paar</translation>
    </message>
    <message>
        <source>Box Line</source>
        <translation>Blok-lijn</translation>
    </message>
    <message>
        <source>Naked Pair</source>
        <translation>Naakt paar</translation>
    </message>
    <message>
        <source>Naked Triple</source>
        <translation>Naakt drietal</translation>
    </message>
    <message>
        <source>Hidden Pair</source>
        <translation>Verborgen paar</translation>
    </message>
    <message>
        <source>Naked Quad</source>
        <translation>Naakt viertal</translation>
    </message>
    <message>
        <source>Hidden Triple</source>
        <translation>Verb. drietal</translation>
    </message>
    <message>
        <source>Naked Quint</source>
        <translation>Naakt vijftal</translation>
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
        <translation>Vlieger</translation>
    </message>
    <message>
        <source>Skyscraper</source>
        <translation>Wolkenkrabber</translation>
    </message>
    <message>
        <source>Swordfish</source>
        <translation>Zwaardvis</translation>
    </message>
    <message>
        <source>Multi X-Wing</source>
        <translation>Multi-X-Wing</translation>
    </message>
    <message>
        <source>Finned X-Wing</source>
        <translation>X-Wing met vin</translation>
    </message>
    <message>
        <source>Unique Rectangle</source>
        <translation>Unieke rechthoek</translation>
    </message>
    <message>
        <source>Avoidable Rect.</source>
        <translation>Vermijdb. rechth.</translation>
    </message>
    <message>
        <source>XYZ-Wing</source>
        <translation>XYZ-Wing</translation>
    </message>
    <message>
        <source>Empty Rectangle</source>
        <translation>Lege rechthoek</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Kwal</translation>
    </message>
    <message>
        <source>No mistakes so far</source>
        <translation>Tot nu toe geen fouten</translation>
    </message>
    <message>
        <source>No logical step of this game&apos;s techniques applies here</source>
        <translation>Geen logische stap van de technieken van dit spel past hier</translation>
    </message>
    <message>
        <source>Solved in %1</source>
        <translation>Opgelost in %1</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Niveau: %1</translation>
    </message>
    <message>
        <source>Number: %1</source>
        <translation>Nummer: %1</translation>
    </message>
    <message>
        <source>Best Time: %1 by %2</source>
        <translation>Beste tijd: %1 door %2</translation>
    </message>
    <message>
        <source>Best Time: %1</source>
        <translation>Beste tijd: %1</translation>
    </message>
    <message>
        <source>Level Best Time: %1</source>
        <translation>Beste tijd niveau: %1</translation>
    </message>
    <message>
        <source>Level Average Time: %1</source>
        <translation>Gemiddelde tijd niveau: %1</translation>
    </message>
    <message>
        <source>Level: Beyond Very Hard</source>
        <translation>Niveau: Voorbij Zeer zwaar</translation>
    </message>
    <message>
        <source>Best Time: -- (not a puzzle of the stock)</source>
        <translation>Beste tijd: -- (geen puzzel uit de voorraad)</translation>
    </message>
    <message>
        <source>Dravik Sudoku - %1 is playing</source>
        <translation>Dravik Sudoku - %1 speelt</translation>
    </message>
    <message>
        <source>Dravik Sudoku - Free Play (no player selected)</source>
        <translation>Dravik Sudoku - Vrij spel (geen speler gekozen)</translation>
    </message>
    <message>
        <source>Level: ----</source>
        <translation>Niveau: ----</translation>
    </message>
    <message>
        <source>Number: --</source>
        <translation>Nummer: --</translation>
    </message>
    <message>
        <source>Best Time: 00:00 (No Best Time Yet)</source>
        <translation>Beste tijd: 00:00 (nog geen beste tijd)</translation>
    </message>
    <message>
        <source>Level Best Time: 00:00</source>
        <translation>Beste tijd niveau: 00:00</translation>
    </message>
    <message>
        <source>Level Average Time: 00:00</source>
        <translation>Gemiddelde tijd niveau: 00:00</translation>
    </message>
    <message>
        <source>Add or edit Player -and/or- Select Player and press OK -or- Press Cancel for Free Play (No Player Selected)</source>
        <translation>Speler toevoegen of wijzigen -en/of- Speler kiezen en op OK drukken -of- Op Annuleren drukken voor vrij spel (geen speler gekozen)</translation>
    </message>
    <message>
        <source>&amp;New Player</source>
        <translation>&amp;Nieuwe speler</translation>
    </message>
    <message>
        <source>&amp;Edit Player</source>
        <translation>Speler &amp;wijzigen</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuleren</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Free Play</source>
        <translation>Vrij spel</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>tot %1</translation>
    </message>
    <message>
        <source>No printer is installed. Save as PDF... keeps the pages in a PDF file instead.</source>
        <translation>Er is geen printer geïnstalleerd. Opslaan als pdf... bewaart de pagina&apos;s in plaats daarvan in een pdf-bestand.</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Pagina %1</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Page not found&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Page not found&lt;/h2&gt;&lt;p&gt;The help page &lt;b&gt;%1&lt;/b&gt; is not there.&lt;/p&gt;&lt;p&gt;The help pages belong in the folder &lt;tt&gt;%2&lt;/tt&gt;. Installing the game again puts them back.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;index.html&quot;&gt;Back to the contents&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Pagina niet gevonden&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Pagina niet gevonden&lt;/h2&gt;&lt;p&gt;De helppagina &lt;b&gt;%1&lt;/b&gt; is er niet.&lt;/p&gt;&lt;p&gt;De helppagina&apos;s horen in de map &lt;tt&gt;%2&lt;/tt&gt;. Installeer het spel opnieuw om ze terug te zetten.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;index.html&quot;&gt;Terug naar de inhoud&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Page cannot be shown&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Page cannot be shown&lt;/h2&gt;&lt;p&gt;The help page &lt;b&gt;%1&lt;/b&gt; cannot be shown: %2.&lt;/p&gt;&lt;p&gt;Installing the game again puts the help pages back.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;index.html&quot;&gt;Back to the contents&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Pagina kan niet worden getoond&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Pagina kan niet worden getoond&lt;/h2&gt;&lt;p&gt;De helppagina &lt;b&gt;%1&lt;/b&gt; kan niet worden getoond: %2.&lt;/p&gt;&lt;p&gt;Installeer het spel opnieuw om de helppagina&apos;s terug te zetten.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;index.html&quot;&gt;Terug naar de inhoud&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>het is groter dan %1 MB</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>het kan niet worden gelezen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Afdrukken...</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Verstreken tijd</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <translation>NIVEAU</translation>
    </message>
    <message>
        <source>R</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Renew Level</source>
        <translation>Niveau vernieuwen</translation>
    </message>
    <message>
        <source>Players...</source>
        <translation>Spelers...</translation>
    </message>
    <message>
        <source>Click for KVX-Software website</source>
        <translation>Klik voor de website van KVX-Software</translation>
    </message>
    <message>
        <source>Step counter</source>
        <translation>Zettenteller</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Openen...</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Herstart</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Reset Cell</source>
        <translation>Cel wissen</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Oplossing</translation>
    </message>
    <message>
        <source>Generating Sudokus</source>
        <translation>Sudoku&apos;s worden gemaakt</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Sneltoets: %1</translation>
    </message>
    <message>
        <source>Hint: %1. Click to learn the technique; right-click to be shown where.</source>
        <translation>Hint: %1. Klik om de techniek te leren; klik rechts om te zien waar.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Opslaan als pdf</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Pdf-bestanden (*.pdf)</translation>
    </message>
    <message>
        <source>This is not a Sudoku puzzle: it holds %1, where only the digits 1 to 9, and 0 or . for an empty cell, may stand.</source>
        <translation>Dit is geen sudoku-puzzel: er staat %1 in, waar alleen de cijfers 1 tot en met 9 en 0 of . voor een lege cel mogen staan.</translation>
    </message>
    <message>
        <source>This is not a Sudoku puzzle: it has %1 cells, where a puzzle has 81.</source>
        <translation>Dit is geen sudoku-puzzel: hij heeft %1 cellen, een puzzel heeft er 81.</translation>
    </message>
    <message>
        <source>This puzzle cannot be played: its givens break the rules (%1).</source>
        <translation>Deze puzzel kan niet worden gespeeld: de gegeven cijfers breken de regels (%1).</translation>
    </message>
    <message>
        <source>This puzzle cannot be played: it has no solution.</source>
        <translation>Deze puzzel kan niet worden gespeeld: hij heeft geen oplossing.</translation>
    </message>
    <message>
        <source>This puzzle cannot be played: it has more than one solution.</source>
        <translation>Deze puzzel kan niet worden gespeeld: hij heeft meer dan één oplossing.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; was not found.</source>
        <translation>Het bestand &apos;%1&apos; is niet gevonden.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a puzzle file: it is no plain file.</source>
        <translation>&apos;%1&apos; is geen puzzelbestand: het is geen gewoon bestand.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a puzzle file: it is larger than %2 KB.</source>
        <translation>&apos;%1&apos; is geen puzzelbestand: het is groter dan %2 KB.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read.</source>
        <translation>Het bestand &apos;%1&apos; kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a puzzle file: it begins with &quot;%2&quot;. %3</source>
        <translation>&apos;%1&apos; is geen puzzelbestand: het begint met &quot;%2&quot;. %3</translation>
    </message>
    <message>
        <source> and </source>
        <translation> en </translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>rij %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>kolom %1</translation>
    </message>
    <message>
        <source>box %1</source>
        <translation>blok %1</translation>
    </message>
    <message>
        <source>rows %1</source>
        <translation>rijen %1</translation>
    </message>
    <message>
        <source>columns %1</source>
        <translation>kolommen %1</translation>
    </message>
    <message>
        <source>place %1 in %2</source>
        <translation>%1 in %2 plaatsen</translation>
    </message>
    <message>
        <source>%1 goes from %2</source>
        <translation>%1 verdwijnt uit %2</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 uit %2</translation>
    </message>
    <message>
        <source>nothing is left to remove</source>
        <translation>er valt niets meer te schrappen</translation>
    </message>
    <message>
        <source>Avoidable Rectangle</source>
        <translation>Vermijdbare rechthoek</translation>
    </message>
    <message>
        <source>%1: in %2, %3 fits only in %4</source>
        <translation>%1: in %2 past %3 alleen in %4</translation>
    </message>
    <message>
        <source>%1: %2 is the only mark left in %3</source>
        <translation>%1: %2 is de enige markering die over is in %3</translation>
    </message>
    <message>
        <source>%1: in %2, %3 lies only in %4 (%5)</source>
        <translation>%1: in %2 ligt %3 alleen in %4 (%5)</translation>
    </message>
    <message>
        <source>%1: in %2, %3 hold only %4</source>
        <translation>%1: in %2 bevatten %3 alleen %4</translation>
    </message>
    <message>
        <source>%1: in %2, %3 fit only in %4</source>
        <translation>%1: in %2 passen %3 alleen in %4</translation>
    </message>
    <message>
        <source>%1 on %2: %3, %4</source>
        <translation>%1 op %2: %3, %4</translation>
    </message>
    <message>
        <source>%1 on %2: %3, %4, fins %5</source>
        <translation>%1 op %2: %3, %4, vinnen %5</translation>
    </message>
    <message>
        <source>%1 on %2: %3, %4, fin %5</source>
        <translation>%1 op %2: %3, %4, vin %5</translation>
    </message>
    <message>
        <source>%1: %2 holds %3 only in %4, %5 holds %6 only in %7</source>
        <translation>%1: %2 heeft %3 alleen in %4, %5 heeft %6 alleen in %7</translation>
    </message>
    <message>
        <source>%1: pivot %2, wings %3 and %4</source>
        <translation>%1: spil %2, vleugels %3 en %4</translation>
    </message>
    <message>
        <source>%1 on %2: %3 (%4) and %5 (%6) meet in %7</source>
        <translation>%1 op %2: %3 (%4) en %5 (%6) komen samen in %7</translation>
    </message>
    <message>
        <source>%1 on %2: %3 hold %2 only twice each, sharing %4</source>
        <translation>%1 op %2: %3 hebben %2 elk maar twee keer en delen %4</translation>
    </message>
    <message>
        <source>%1 on %2: %3 holds it only in %4 and %5; %6 holds it only in %7</source>
        <translation>%1 op %2: %3 heeft hem alleen in %4 en %5; %6 heeft hem alleen in %7</translation>
    </message>
    <message>
        <source>%1 on %2: %3, with %4</source>
        <translation>%1 op %2: %3, met %4</translation>
    </message>
    <message>
        <source>%1 on %2: %3</source>
        <translation>%1 op %2: %3</translation>
    </message>
    <message>
        <source>%1: %2 must not become swappable</source>
        <translation>%1: %2 mogen niet verwisselbaar worden</translation>
    </message>
    <message>
        <source>the pages could not be drawn</source>
        <translation>de pagina&apos;s konden niet worden getekend</translation>
    </message>
    <message>
        <source>the printer did not take the job</source>
        <translation>de printer heeft de opdracht niet aangenomen</translation>
    </message>
    <message>
        <source>the printer stopped taking pages</source>
        <translation>de printer nam geen pagina&apos;s meer aan</translation>
    </message>
    <message>
        <source>no printer could be set up</source>
        <translation>er kon geen printer worden ingesteld</translation>
    </message>
    <message>
        <source>Practise a technique</source>
        <translation>Een techniek oefenen</translation>
    </message>
    <message>
        <source>Look for a puzzle that needs %1? You can play on while the game looks; once it is found, the game in progress is given up.</source>
        <translation>Een puzzel zoeken waarvoor %1 nodig is? U kunt verder spelen terwijl het spel zoekt; zodra er een is gevonden, wordt het lopende spel opgegeven.</translation>
    </message>
    <message>
        <source>The file with your statistics was damaged and has been set aside; the game counts afresh from now on. The damaged file was kept as &apos;%1&apos;.</source>
        <translation>Het bestand met uw statistieken was beschadigd en is apart gezet; het spel telt vanaf nu opnieuw. Het beschadigde bestand is bewaard als &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Your statistics could not be saved: %1. The game counts on while it runs and tries again with every change.</source>
        <translation>Uw statistieken konden niet worden opgeslagen: %1. Het spel telt door zolang het draait en probeert het bij elke wijziging opnieuw.</translation>
    </message>
    <message>
        <source>given</source>
        <translation>gegeven</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>leeg</translation>
    </message>
    <message>
        <source>marks</source>
        <translation>potloodstreepjes</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Tijd</translation>
    </message>
    <message>
        <source>Renew</source>
        <translation>Vernieuwen</translation>
    </message>
    <message>
        <source>No puzzle is being played.</source>
        <translation>Er wordt geen puzzel gespeeld.</translation>
    </message>
    <message>
        <source>This position cannot be solved from here. Ask for a Hint to find out why.</source>
        <translation>Deze stand is vanaf hier niet op te lossen. Vraag een hint om te zien waarom.</translation>
    </message>
    <message>
        <source>The board is full: there is nothing left to solve.</source>
        <translation>Het bord is vol: er valt niets meer op te lossen.</translation>
    </message>
    <message>
        <source>%1 step solves the puzzle from here.</source>
        <translation>%1 stap lost de puzzel vanaf hier op.</translation>
    </message>
    <message>
        <source>%1 steps solve the puzzle from here.</source>
        <translation>%1 stappen lossen de puzzel vanaf hier op.</translation>
    </message>
    <message>
        <source>After %1 step the techniques of this game get no further.</source>
        <translation>Na %1 stap komen de technieken van dit spel niet verder.</translation>
    </message>
    <message>
        <source>After %1 steps the techniques of this game get no further.</source>
        <translation>Na %1 stappen komen de technieken van dit spel niet verder.</translation>
    </message>
    <message>
        <source>a technique</source>
        <translation>een techniek</translation>
    </message>
    <message>
        <source>Looking for a puzzle that needs %1 (%2 puzzle tried)</source>
        <translation>Zoekt een puzzel waarvoor %1 nodig is (%2 puzzel geprobeerd)</translation>
    </message>
    <message>
        <source>Looking for a puzzle that needs %1 (%2 puzzles tried)</source>
        <translation>Zoekt een puzzel waarvoor %1 nodig is (%2 puzzels geprobeerd)</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Naam van de speler</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Bord</translation>
    </message>
    <message>
        <source>Statistics...</source>
        <translation>Statistieken...</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statusbalk</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Hint: %1</translation>
    </message>
    <message>
        <source>Solution path...</source>
        <translation>Oplossingspad...</translation>
    </message>
    <message>
        <source>Set checkpoint</source>
        <translation>Controlepunt zetten</translation>
    </message>
    <message>
        <source>Back to checkpoint</source>
        <translation>Terug naar controlepunt</translation>
    </message>
    <message>
        <source>Undo to before the first mistake</source>
        <translation>Ongedaan maken tot vóór de eerste fout</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pauze</translation>
    </message>
    <message>
        <source>Keyboard and mouse</source>
        <translation>Toetsenbord en muis</translation>
    </message>
    <message>
        <source>Right-click the window for these and more commands.</source>
        <translation>Klik met de rechtermuisknop op het venster voor deze en meer opdrachten.</translation>
    </message>
    <message>
        <source>Paused — press P or click to go on</source>
        <translation>Gepauzeerd — druk op P of klik om verder te gaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Stop looking; the game goes on as it is</source>
        <translation>Stoppen met zoeken; het spel gaat door zoals het is</translation>
    </message>
    <message>
        <source>Dravik Sudoku - Solution path</source>
        <translation>Dravik Sudoku - Oplossingspad</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Stap</translation>
    </message>
    <message>
        <source>Technique</source>
        <translation>Techniek</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Wat hij doet</translation>
    </message>
    <message>
        <source>Double-click a step to learn its technique</source>
        <translation>Dubbelklik op een stap om de techniek te leren kennen</translation>
    </message>
    <message>
        <source>Play a puzzle that needs this technique</source>
        <translation>Een puzzel spelen waarvoor deze techniek nodig is</translation>
    </message>
    <message>
        <source>The logical way on from the board at step %1:</source>
        <translation>De logische weg verder vanaf het bord bij stap %1:</translation>
    </message>
    <message>
        <source>Oldest to newest: </source>
        <translation>Oudste eerst: </translation>
    </message>
    <message>
        <source>Dravik Sudoku - Statistics</source>
        <translation>Dravik Sudoku - Statistieken</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Opgelost</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Beste</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Gemiddeld</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Hints</translation>
    </message>
    <message>
        <source>Solutions</source>
        <translation>Oplossingen</translation>
    </message>
    <message>
        <source>Given up</source>
        <translation>Opgegeven</translation>
    </message>
    <message>
        <source>Last 20 times</source>
        <translation>Laatste 20 tijden</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Times are counted for finished puzzles only; a puzzle given up is one left unfinished for another puzzle or the end of the game.</source>
        <translation>Tijden tellen alleen voor opgeloste puzzels; een opgegeven puzzel is er een die onopgelost is verlaten voor een andere puzzel of het einde van het spel.</translation>
    </message>
    <message>
        <source>Checkpoint set at step %1</source>
        <translation>Controlepunt gezet bij stap %1</translation>
    </message>
</context>
<context>
    <name>dravik::ui::FormPrint</name>
    <message>
        <source>Dravik Sudoku - Print</source>
        <translation>Dravik Sudoku - Afdrukken</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Bereik</translation>
    </message>
    <message>
        <source>From</source>
        <translation>Van</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Meenemen</translation>
    </message>
    <message>
        <source>Solutions</source>
        <translation>Oplossingen</translation>
    </message>
    <message>
        <source>Pencilmarks</source>
        <translation>Potloodstreepjes</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pagina&apos;s</translation>
    </message>
    <message>
        <source>Puzzles per page</source>
        <translation>Puzzels per pagina</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Voorbeeld</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Opslaan als pdf...</translation>
    </message>
</context>
<context>
    <name>dravik::ui::HelpFeatures</name>
    <message>
        <source>Show where</source>
        <translation>Laat zien waar</translation>
    </message>
    <message>
        <source>Apply this step</source>
        <translation>Deze stap uitvoeren</translation>
    </message>
    <message>
        <source>Explain the technique</source>
        <translation>De techniek uitleggen</translation>
    </message>
    <message>
        <source>Play a puzzle that needs this technique</source>
        <translation>Een puzzel spelen waarvoor deze techniek nodig is</translation>
    </message>
</context>
<context>
    <name>dravik::ui::HelpWindow</name>
    <message>
        <source>Dravik Sudoku - Help</source>
        <translation>Dravik Sudoku - Help</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>The page before (Alt+Left)</source>
        <translation>De vorige pagina (Alt+Links)</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vooruit</translation>
    </message>
    <message>
        <source>The page after (Alt+Right)</source>
        <translation>De volgende pagina (Alt+Rechts)</translation>
    </message>
</context>
</TS>
