<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>dravik</name>
    <message>
        <source>File Error</source>
        <translation>Erreur de fichier</translation>
    </message>
    <message>
        <source>Error reading sudokus from file!</source>
        <translation>Erreur de lecture des sudokus dans le fichier !</translation>
    </message>
    <message>
        <source>Error writing sudokus to file!</source>
        <translation>Erreur d&apos;écriture des sudokus dans le fichier !</translation>
    </message>
    <message>
        <source>Critical Error!</source>
        <translation>Erreur critique !</translation>
    </message>
    <message>
        <source>The program failed to open the file with sudoku puzzles, and therefore cannot proceed. Make sure that the file &apos;SudStock.kds&apos; is in the program folder before rerunning the program. If it keeps on failing, you can try to reinstall the program. Program will be aborted.</source>
        <translation>Le programme n&apos;a pas pu ouvrir le fichier des grilles de sudoku et ne peut donc pas continuer. Vérifiez que le fichier &apos;SudStock.kds&apos; se trouve dans le dossier du programme avant de le relancer. Si l&apos;erreur persiste, essayez de réinstaller le programme. Le programme va s&apos;arrêter.</translation>
    </message>
    <message>
        <source>The file with sudoku puzzles was damaged and has been replaced by a fresh copy. Best times recorded in it are lost; the damaged file was kept as &apos;%1&apos;.</source>
        <translation>Le fichier des grilles de sudoku était endommagé et a été remplacé par une copie neuve. Les meilleurs temps qu&apos;il contenait sont perdus ; le fichier endommagé a été conservé sous &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Dravik Sudoku</source>
        <translation>Dravik Sudoku</translation>
    </message>
    <message>
        <source>Dravik Sudoku is already running. Only one game can be open at a time; please continue in the window that is already open.</source>
        <translation>Dravik Sudoku est déjà lancé. Une seule partie peut être ouverte à la fois ; continuez dans la fenêtre déjà ouverte.</translation>
    </message>
    <message>
        <source>Dravik Sudoku cannot start: %1. The game keeps this lock while it runs, so that two games never overwrite each other&apos;s best times. Please make sure that this is a plain file the game may write (or that nothing is there, so that the game can make it), then start the game again.</source>
        <translation>Dravik Sudoku ne peut pas démarrer : %1. Le jeu garde ce verrou tant qu&apos;il tourne, afin que deux parties n&apos;écrasent jamais leurs meilleurs temps. Vérifiez qu&apos;il s&apos;agit d&apos;un fichier ordinaire que le jeu peut écrire (ou qu&apos;il n&apos;y a rien, pour que le jeu puisse le créer), puis relancez le jeu.</translation>
    </message>
    <message>
        <source>The file with your settings was damaged and has been set aside; the game starts with its default settings (sound on, level Easy, no players). The damaged file was kept as &apos;%1&apos;.</source>
        <translation>Le fichier de vos réglages était endommagé et a été mis de côté ; le jeu démarre avec ses réglages par défaut (son activé, niveau Facile, aucun joueur). Le fichier endommagé a été conservé sous &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>The settings file &apos;%1&apos; is not a plain file (it is a link, a pipe, a device or a folder), so the game does not write to it. Your settings and players work while the game runs, but they are not saved.</source>
        <translation>Le fichier de réglages &apos;%1&apos; n&apos;est pas un fichier ordinaire (c&apos;est un lien, un tube, un périphérique ou un dossier), le jeu n&apos;y écrit donc pas. Vos réglages et vos joueurs valent tant que le jeu tourne, mais ne sont pas enregistrés.</translation>
    </message>
    <message>
        <source>Quit Dravik Sudoku</source>
        <translation>Quitter Dravik Sudoku</translation>
    </message>
    <message>
        <source>Do you really want to quit ?</source>
        <translation>Voulez-vous vraiment quitter ?</translation>
    </message>
    <message>
        <source>Renew Selected Set of Sudokus</source>
        <translation>Renouveler la série de sudokus choisie</translation>
    </message>
    <message>
        <source>Are you sure to renew this set of Sudokus? Renewing also resets the Best Times for this set.</source>
        <translation>Voulez-vous vraiment renouveler cette série de sudokus ? Le renouvellement efface aussi les meilleurs temps de cette série.</translation>
    </message>
    <message>
        <source>New Best Time!</source>
        <translation>Nouveau meilleur temps !</translation>
    </message>
    <message>
        <source>New Best Time for this Sudoku. Congratulations!!!</source>
        <translation>Nouveau meilleur temps pour ce sudoku. Félicitations !!!</translation>
    </message>
    <message>
        <source>Bad solved cell</source>
        <translation>Case mal résolue</translation>
    </message>
    <message>
        <source>The solution of cell %1 is incorrect!</source>
        <translation>La solution de la case %1 est fausse !</translation>
    </message>
    <message>
        <source>The pencilmark of cell %1 to solve this cell is incorrectly erased!</source>
        <translation>La marque au crayon de la case %1 qui résout cette case a été effacée à tort !</translation>
    </message>
    <message>
        <source>Puzzle not played</source>
        <translation>Grille non jouée</translation>
    </message>
    <message>
        <source>Play a puzzle</source>
        <translation>Jouer une grille</translation>
    </message>
    <message>
        <source>Play the puzzle you brought? The game in progress will be lost.</source>
        <translation>Jouer la grille apportée ? La partie en cours sera perdue.</translation>
    </message>
    <message>
        <source>Printer error</source>
        <translation>Erreur d&apos;imprimante</translation>
    </message>
    <message>
        <source>An error occured while attempting to communicate with the standard printer, please check the availability and status of your printer.</source>
        <translation>Une erreur s&apos;est produite lors de la communication avec l&apos;imprimante par défaut ; vérifiez la disponibilité et l&apos;état de votre imprimante.</translation>
    </message>
    <message>
        <source>The PDF file could not be written: %1</source>
        <translation>Le fichier PDF n&apos;a pas pu être écrit : %1</translation>
    </message>
    <message>
        <source>Browser Not Found</source>
        <translation>Navigateur introuvable</translation>
    </message>
    <message>
        <source>Could not find associated Browser</source>
        <translation>Aucun navigateur associé trouvé</translation>
    </message>
    <message>
        <source>URL Failed</source>
        <translation>Échec de l&apos;URL</translation>
    </message>
    <message>
        <source>Web Page not Opened</source>
        <translation>Page web non ouverte</translation>
    </message>
    <message>
        <source>Loss of memory ?</source>
        <translation>Perte de mémoire ?</translation>
    </message>
    <message>
        <source>Did you suffer from memory loss ?
Come on, think very deeply, try to remember your own name.</source>
        <translation>Souffrez-vous de pertes de mémoire ?
Allons, réfléchissez bien et essayez de vous souvenir de votre propre nom.</translation>
    </message>
    <message>
        <source>My name is Nobody</source>
        <translation>Mon nom est Personne</translation>
    </message>
    <message>
        <source>If you want to stay unknown,
use a nick name.</source>
        <translation>Si vous voulez rester inconnu,
prenez un surnom.</translation>
    </message>
    <message>
        <source>Dravik Sudoku Players</source>
        <translation>Dravik Sudoku – Joueurs</translation>
    </message>
    <message>
        <source>The list can keep at most 100 players, and it is full.
To play under a new name, select a player and use Edit Player.</source>
        <translation>La liste peut contenir au plus 100 joueurs, et elle est pleine.
Pour jouer sous un nouveau nom, choisissez un joueur et utilisez Modifier le joueur.</translation>
    </message>
    <message>
        <source>Oh no, not another %1 !!!</source>
        <translation>Oh non, pas encore un %1 !!!</translation>
    </message>
    <message>
        <source>Yeah yeah, I know there are more people having that name,
but %1 is allready in use.
A unique name is required,
so, use your imagination.</source>
        <translation>Oui oui, je sais que d&apos;autres gens portent ce nom,
mais %1 est déjà pris.
Il faut un nom unique,
alors faites preuve d&apos;imagination.</translation>
    </message>
    <message>
        <source>Sudoku number</source>
        <translation>Numéro du sudoku</translation>
    </message>
    <message>
        <source>Enter a value between 1 and 100</source>
        <translation>Entrez une valeur entre 1 et 100</translation>
    </message>
    <message>
        <source>Very Easy</source>
        <translation>Très facile</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Very Hard</source>
        <translation>Très difficile</translation>
    </message>
    <message>
        <source>Hidden Single</source>
        <translation>Single caché</translation>
    </message>
    <message>
        <source>Naked Single</source>
        <translation>Single nu</translation>
    </message>
    <message>
        <source>Pointing Pair</source>
        <translation>Paire pointante</translation>
    </message>
    <message>
        <source>Box Line</source>
        <translation>Bloc-ligne</translation>
    </message>
    <message>
        <source>Naked Pair</source>
        <translation>Paire nue</translation>
    </message>
    <message>
        <source>Naked Triple</source>
        <translation>Triplet nu</translation>
    </message>
    <message>
        <source>Hidden Pair</source>
        <translation>Paire cachée</translation>
    </message>
    <message>
        <source>Naked Quad</source>
        <translation>Quadruplet nu</translation>
    </message>
    <message>
        <source>Hidden Triple</source>
        <translation>Triplet caché</translation>
    </message>
    <message>
        <source>Naked Quint</source>
        <translation>Quintuplet nu</translation>
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
        <translation>Cerf-volant</translation>
    </message>
    <message>
        <source>Skyscraper</source>
        <translation>Gratte-ciel</translation>
    </message>
    <message>
        <source>Swordfish</source>
        <translation>Espadon</translation>
    </message>
    <message>
        <source>Multi X-Wing</source>
        <translation>Multi-X-Wing</translation>
    </message>
    <message>
        <source>Finned X-Wing</source>
        <translation>X-Wing à nageoire</translation>
    </message>
    <message>
        <source>Unique Rectangle</source>
        <translation>Rectangle unique</translation>
    </message>
    <message>
        <source>Avoidable Rect.</source>
        <translation>Rect. évitable</translation>
    </message>
    <message>
        <source>XYZ-Wing</source>
        <translation>XYZ-Wing</translation>
    </message>
    <message>
        <source>Empty Rectangle</source>
        <translation>Rectangle vide</translation>
    </message>
    <message>
        <source>Jellyfish</source>
        <translation>Méduse</translation>
    </message>
    <message>
        <source>No mistakes so far</source>
        <translation>Aucune erreur jusqu&apos;ici</translation>
    </message>
    <message>
        <source>No logical step of this game&apos;s techniques applies here</source>
        <translation>Aucune étape logique des techniques de ce jeu ne s&apos;applique ici</translation>
    </message>
    <message>
        <source>Solved in %1</source>
        <translation>Résolu en %1</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Niveau : %1</translation>
    </message>
    <message>
        <source>Number: %1</source>
        <translation>Numéro : %1</translation>
    </message>
    <message>
        <source>Best Time: %1 by %2</source>
        <translation>Meilleur temps : %1 par %2</translation>
    </message>
    <message>
        <source>Best Time: %1</source>
        <translation>Meilleur temps : %1</translation>
    </message>
    <message>
        <source>Level Best Time: %1</source>
        <translation>Meilleur temps du niveau : %1</translation>
    </message>
    <message>
        <source>Level Average Time: %1</source>
        <translation>Temps moyen du niveau : %1</translation>
    </message>
    <message>
        <source>Level: Beyond Very Hard</source>
        <translation>Niveau : Au-delà de Très difficile</translation>
    </message>
    <message>
        <source>Best Time: -- (not a puzzle of the stock)</source>
        <translation>Meilleur temps : -- (grille hors de la réserve)</translation>
    </message>
    <message>
        <source>Dravik Sudoku - %1 is playing</source>
        <translation>Dravik Sudoku - %1 joue</translation>
    </message>
    <message>
        <source>Dravik Sudoku - Free Play (no player selected)</source>
        <translation>Dravik Sudoku - Partie libre (aucun joueur choisi)</translation>
    </message>
    <message>
        <source>Level: ----</source>
        <translation>Niveau : ----</translation>
    </message>
    <message>
        <source>Number: --</source>
        <translation>Numéro : --</translation>
    </message>
    <message>
        <source>Best Time: 00:00 (No Best Time Yet)</source>
        <translation>Meilleur temps : 00:00 (pas encore de record)</translation>
    </message>
    <message>
        <source>Level Best Time: 00:00</source>
        <translation>Meilleur temps du niveau : 00:00</translation>
    </message>
    <message>
        <source>Level Average Time: 00:00</source>
        <translation>Temps moyen du niveau : 00:00</translation>
    </message>
    <message>
        <source>Add or edit Player -and/or- Select Player and press OK -or- Press Cancel for Free Play (No Player Selected)</source>
        <translation>Ajouter ou modifier un joueur -et/ou- Choisir un joueur et appuyer sur OK -ou- Appuyer sur Annuler pour une partie libre (aucun joueur choisi)</translation>
    </message>
    <message>
        <source>&amp;New Player</source>
        <translation>&amp;Nouveau joueur</translation>
    </message>
    <message>
        <source>&amp;Edit Player</source>
        <translation>&amp;Modifier le joueur</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Free Play</source>
        <translation>Partie libre</translation>
    </message>
    <message>
        <source>to %1</source>
        <translation>à %1</translation>
    </message>
    <message>
        <source>No printer is installed. Save as PDF... keeps the pages in a PDF file instead.</source>
        <translation>Aucune imprimante n&apos;est installée. Enregistrer en PDF... garde plutôt les pages dans un fichier PDF.</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Page not found&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Page not found&lt;/h2&gt;&lt;p&gt;The help page &lt;b&gt;%1&lt;/b&gt; is not there.&lt;/p&gt;&lt;p&gt;The help pages belong in the folder &lt;tt&gt;%2&lt;/tt&gt;. Installing the game again puts them back.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;index.html&quot;&gt;Back to the contents&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Page introuvable&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Page introuvable&lt;/h2&gt;&lt;p&gt;La page d&apos;aide &lt;b&gt;%1&lt;/b&gt; n&apos;existe pas.&lt;/p&gt;&lt;p&gt;Les pages d&apos;aide se trouvent dans le dossier &lt;tt&gt;%2&lt;/tt&gt;. Réinstaller le jeu les remet en place.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;index.html&quot;&gt;Retour au sommaire&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head&gt;&lt;title&gt;Page cannot be shown&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Page cannot be shown&lt;/h2&gt;&lt;p&gt;The help page &lt;b&gt;%1&lt;/b&gt; cannot be shown: %2.&lt;/p&gt;&lt;p&gt;Installing the game again puts the help pages back.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;index.html&quot;&gt;Back to the contents&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head&gt;&lt;title&gt;Page impossible à afficher&lt;/title&gt;&lt;/head&gt;&lt;body&gt;&lt;h2&gt;Page impossible à afficher&lt;/h2&gt;&lt;p&gt;La page d&apos;aide &lt;b&gt;%1&lt;/b&gt; ne peut pas être affichée : %2.&lt;/p&gt;&lt;p&gt;Réinstaller le jeu remet les pages d&apos;aide en place.&lt;/p&gt;&lt;p&gt;&lt;a href=&quot;index.html&quot;&gt;Retour au sommaire&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>it is not a plain file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>elle dépasse %1 Mo</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>elle ne peut pas être lue</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Elapsed time</source>
        <translation>Temps écoulé</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <translation>NIVEAU</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Renew Level</source>
        <translation>Renouveler le niveau</translation>
    </message>
    <message>
        <source>Players...</source>
        <translation>Joueurs...</translation>
    </message>
    <message>
        <source>Click for KVX-Software website</source>
        <translation>Cliquer pour le site web de KVX-Software</translation>
    </message>
    <message>
        <source>Step counter</source>
        <translation>Compteur de coups</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Ouvrir...</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Reset Cell</source>
        <translation>Vider case</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Solution</source>
        <translation>Solution</translation>
    </message>
    <message>
        <source>Generating Sudokus</source>
        <translation>Création des sudokus</translation>
    </message>
    <message>
        <source>Shortcut: %1</source>
        <translation>Raccourci : %1</translation>
    </message>
    <message>
        <source>Hint: %1. Click to learn the technique; right-click to be shown where.</source>
        <translation>Indice : %1. Cliquez pour apprendre la technique ; clic droit pour voir où.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>This is not a Sudoku puzzle: it holds %1, where only the digits 1 to 9, and 0 or . for an empty cell, may stand.</source>
        <translation>Ce n&apos;est pas une grille de sudoku : elle contient %1, là où seuls les chiffres 1 à 9, et 0 ou . pour une case vide, sont admis.</translation>
    </message>
    <message>
        <source>This is not a Sudoku puzzle: it has %1 cells, where a puzzle has 81.</source>
        <translation>Ce n&apos;est pas une grille de sudoku : elle a %1 cases, une grille en a 81.</translation>
    </message>
    <message>
        <source>This puzzle cannot be played: its givens break the rules (%1).</source>
        <translation>Cette grille ne peut pas être jouée : ses chiffres donnés enfreignent les règles (%1).</translation>
    </message>
    <message>
        <source>This puzzle cannot be played: it has no solution.</source>
        <translation>Cette grille ne peut pas être jouée : elle n&apos;a pas de solution.</translation>
    </message>
    <message>
        <source>This puzzle cannot be played: it has more than one solution.</source>
        <translation>Cette grille ne peut pas être jouée : elle a plus d&apos;une solution.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; was not found.</source>
        <translation>Le fichier &apos;%1&apos; est introuvable.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a puzzle file: it is no plain file.</source>
        <translation>&apos;%1&apos; n&apos;est pas un fichier de grille : ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a puzzle file: it is larger than %2 KB.</source>
        <translation>&apos;%1&apos; n&apos;est pas un fichier de grille : il dépasse %2 Ko.</translation>
    </message>
    <message>
        <source>The file &apos;%1&apos; cannot be read.</source>
        <translation>Le fichier &apos;%1&apos; ne peut pas être lu.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a puzzle file: it begins with &quot;%2&quot;. %3</source>
        <translation>&apos;%1&apos; n&apos;est pas un fichier de grille : il commence par &quot;%2&quot;. %3</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>ligne %1</translation>
    </message>
    <message>
        <source>column %1</source>
        <translation>colonne %1</translation>
    </message>
    <message>
        <source>box %1</source>
        <translation>bloc %1</translation>
    </message>
    <message>
        <source>rows %1</source>
        <translation>lignes %1</translation>
    </message>
    <message>
        <source>columns %1</source>
        <translation>colonnes %1</translation>
    </message>
    <message>
        <source>place %1 in %2</source>
        <translation>placer %1 en %2</translation>
    </message>
    <message>
        <source>%1 goes from %2</source>
        <translation>%1 disparaît de %2</translation>
    </message>
    <message>
        <source>%1 from %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>nothing is left to remove</source>
        <translation>il ne reste rien à retirer</translation>
    </message>
    <message>
        <source>Avoidable Rectangle</source>
        <translation>Rectangle évitable</translation>
    </message>
    <message>
        <source>%1: in %2, %3 fits only in %4</source>
        <translation>%1 : dans %2, %3 ne va qu&apos;en %4</translation>
    </message>
    <message>
        <source>%1: %2 is the only mark left in %3</source>
        <translation>%1 : %2 est la seule marque restante en %3</translation>
    </message>
    <message>
        <source>%1: in %2, %3 lies only in %4 (%5)</source>
        <translation>%1 : dans %2, %3 n&apos;est que dans %4 (%5)</translation>
    </message>
    <message>
        <source>%1: in %2, %3 hold only %4</source>
        <translation>%1 : dans %2, %3 ne contiennent que %4</translation>
    </message>
    <message>
        <source>%1: in %2, %3 fit only in %4</source>
        <translation>%1 : dans %2, %3 ne vont qu&apos;en %4</translation>
    </message>
    <message>
        <source>%1 on %2: %3, %4</source>
        <translation>%1 sur %2 : %3, %4</translation>
    </message>
    <message>
        <source>%1 on %2: %3, %4, fins %5</source>
        <translation>%1 sur %2 : %3, %4, nageoires %5</translation>
    </message>
    <message>
        <source>%1 on %2: %3, %4, fin %5</source>
        <translation>%1 sur %2 : %3, %4, nageoire %5</translation>
    </message>
    <message>
        <source>%1: %2 holds %3 only in %4, %5 holds %6 only in %7</source>
        <translation>%1 : %2 n&apos;a %3 qu&apos;en %4, %5 n&apos;a %6 qu&apos;en %7</translation>
    </message>
    <message>
        <source>%1: pivot %2, wings %3 and %4</source>
        <translation>%1 : pivot %2, ailes %3 et %4</translation>
    </message>
    <message>
        <source>%1 on %2: %3 (%4) and %5 (%6) meet in %7</source>
        <translation>%1 sur %2 : %3 (%4) et %5 (%6) se rejoignent dans %7</translation>
    </message>
    <message>
        <source>%1 on %2: %3 hold %2 only twice each, sharing %4</source>
        <translation>%1 sur %2 : %3 n&apos;ont %2 que deux fois chacune et partagent %4</translation>
    </message>
    <message>
        <source>%1 on %2: %3 holds it only in %4 and %5; %6 holds it only in %7</source>
        <translation>%1 sur %2 : %3 ne l&apos;a que dans %4 et %5 ; %6 ne l&apos;a qu&apos;en %7</translation>
    </message>
    <message>
        <source>%1 on %2: %3, with %4</source>
        <translation>%1 sur %2 : %3, avec %4</translation>
    </message>
    <message>
        <source>%1 on %2: %3</source>
        <translation>%1 sur %2 : %3</translation>
    </message>
    <message>
        <source>%1: %2 must not become swappable</source>
        <translation>%1 : %2 ne doivent pas devenir permutables</translation>
    </message>
    <message>
        <source>the pages could not be drawn</source>
        <translation>les pages n&apos;ont pas pu être dessinées</translation>
    </message>
    <message>
        <source>the printer did not take the job</source>
        <translation>l&apos;imprimante n&apos;a pas accepté la tâche</translation>
    </message>
    <message>
        <source>the printer stopped taking pages</source>
        <translation>l&apos;imprimante a cessé d&apos;accepter les pages</translation>
    </message>
    <message>
        <source>no printer could be set up</source>
        <translation>aucune imprimante n&apos;a pu être configurée</translation>
    </message>
    <message>
        <source>Practise a technique</source>
        <translation>S&apos;exercer à une technique</translation>
    </message>
    <message>
        <source>Look for a puzzle that needs %1? You can play on while the game looks; once it is found, the game in progress is given up.</source>
        <translation>Chercher une grille qui demande %1 ? Vous pouvez continuer à jouer pendant la recherche ; dès qu&apos;une grille est trouvée, la partie en cours est abandonnée.</translation>
    </message>
    <message>
        <source>The file with your statistics was damaged and has been set aside; the game counts afresh from now on. The damaged file was kept as &apos;%1&apos;.</source>
        <translation>Le fichier de vos statistiques était endommagé et a été mis de côté ; le jeu recommence à compter dès maintenant. Le fichier endommagé a été gardé sous &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Your statistics could not be saved: %1. The game counts on while it runs and tries again with every change.</source>
        <translation>Vos statistiques n&apos;ont pas pu être enregistrées : %1. Le jeu continue de compter tant qu&apos;il tourne et réessaie à chaque changement.</translation>
    </message>
    <message>
        <source>given</source>
        <translation>donné</translation>
    </message>
    <message>
        <source>empty</source>
        <translation>vide</translation>
    </message>
    <message>
        <source>marks</source>
        <translation>marques</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Temps</translation>
    </message>
    <message>
        <source>Renew</source>
        <translation>Renouveler</translation>
    </message>
    <message>
        <source>No puzzle is being played.</source>
        <translation>Aucune grille n&apos;est en cours.</translation>
    </message>
    <message>
        <source>This position cannot be solved from here. Ask for a Hint to find out why.</source>
        <translation>Cette position ne peut pas être résolue d&apos;ici. Demandez un indice pour savoir pourquoi.</translation>
    </message>
    <message>
        <source>The board is full: there is nothing left to solve.</source>
        <translation>La grille est pleine : il n&apos;y a plus rien à résoudre.</translation>
    </message>
    <message>
        <source>%1 step solves the puzzle from here.</source>
        <translation>%1 étape résout la grille à partir d&apos;ici.</translation>
    </message>
    <message>
        <source>%1 steps solve the puzzle from here.</source>
        <translation>%1 étapes résolvent la grille à partir d&apos;ici.</translation>
    </message>
    <message>
        <source>After %1 step the techniques of this game get no further.</source>
        <translation>Après %1 étape, les techniques de ce jeu ne vont pas plus loin.</translation>
    </message>
    <message>
        <source>After %1 steps the techniques of this game get no further.</source>
        <translation>Après %1 étapes, les techniques de ce jeu ne vont pas plus loin.</translation>
    </message>
    <message>
        <source>a technique</source>
        <translation>une technique</translation>
    </message>
    <message>
        <source>Looking for a puzzle that needs %1 (%2 puzzle tried)</source>
        <translation>Recherche d&apos;une grille qui demande %1 (%2 grille essayée)</translation>
    </message>
    <message>
        <source>Looking for a puzzle that needs %1 (%2 puzzles tried)</source>
        <translation>Recherche d&apos;une grille qui demande %1 (%2 grilles essayées)</translation>
    </message>
    <message>
        <source>Player name</source>
        <translation>Nom du joueur</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>Statistics...</source>
        <translation>Statistiques...</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barre d&apos;état</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <translation>Indice : %1</translation>
    </message>
    <message>
        <source>Solution path...</source>
        <translation>Chemin de solution...</translation>
    </message>
    <message>
        <source>Set checkpoint</source>
        <translation>Poser un point de contrôle</translation>
    </message>
    <message>
        <source>Back to checkpoint</source>
        <translation>Revenir au point de contrôle</translation>
    </message>
    <message>
        <source>Undo to before the first mistake</source>
        <translation>Annuler jusqu&apos;avant la première erreur</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Keyboard and mouse</source>
        <translation>Clavier et souris</translation>
    </message>
    <message>
        <source>Right-click the window for these and more commands.</source>
        <translation>Clic droit sur la fenêtre pour ces commandes et d&apos;autres.</translation>
    </message>
    <message>
        <source>Paused — press P or click to go on</source>
        <translation>En pause — appuyez sur P ou cliquez pour continuer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Stop looking; the game goes on as it is</source>
        <translation>Arrêter la recherche ; la partie continue telle quelle</translation>
    </message>
    <message>
        <source>Dravik Sudoku - Solution path</source>
        <translation>Dravik Sudoku - Chemin de solution</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Étape</translation>
    </message>
    <message>
        <source>Technique</source>
        <translation>Technique</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>Ce qu&apos;elle fait</translation>
    </message>
    <message>
        <source>Double-click a step to learn its technique</source>
        <translation>Double-cliquez sur une étape pour découvrir sa technique</translation>
    </message>
    <message>
        <source>Play a puzzle that needs this technique</source>
        <translation>Jouer une grille qui demande cette technique</translation>
    </message>
    <message>
        <source>The logical way on from the board at step %1:</source>
        <translation>Le chemin logique à partir de la grille à l&apos;étape %1 :</translation>
    </message>
    <message>
        <source>Oldest to newest: </source>
        <translation>Du plus ancien au plus récent : </translation>
    </message>
    <message>
        <source>Dravik Sudoku - Statistics</source>
        <translation>Dravik Sudoku - Statistiques</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminées</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Meilleur</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>Hints</source>
        <translation>Indices</translation>
    </message>
    <message>
        <source>Solutions</source>
        <translation>Solutions</translation>
    </message>
    <message>
        <source>Given up</source>
        <translation>Abandonnées</translation>
    </message>
    <message>
        <source>Last 20 times</source>
        <translation>20 derniers temps</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Times are counted for finished puzzles only; a puzzle given up is one left unfinished for another puzzle or the end of the game.</source>
        <translation>Les temps ne comptent que pour les grilles terminées ; une grille abandonnée est une grille laissée inachevée pour une autre ou pour la fin du jeu.</translation>
    </message>
    <message>
        <source>Checkpoint set at step %1</source>
        <translation>Point de contrôle posé à l&apos;étape %1</translation>
    </message>
</context>
<context>
    <name>dravik::ui::FormPrint</name>
    <message>
        <source>Dravik Sudoku - Print</source>
        <translation>Dravik Sudoku - Imprimer</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Plage</translation>
    </message>
    <message>
        <source>From</source>
        <translation>De</translation>
    </message>
    <message>
        <source>Include</source>
        <translation>Inclure</translation>
    </message>
    <message>
        <source>Solutions</source>
        <translation>Solutions</translation>
    </message>
    <message>
        <source>Pencilmarks</source>
        <translation>Marques au crayon</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Pages</translation>
    </message>
    <message>
        <source>Puzzles per page</source>
        <translation>Grilles par page</translation>
    </message>
    <message>
        <source>Example</source>
        <translation>Exemple</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Enregistrer en PDF...</translation>
    </message>
</context>
<context>
    <name>dravik::ui::HelpFeatures</name>
    <message>
        <source>Show where</source>
        <translation>Montrer où</translation>
    </message>
    <message>
        <source>Apply this step</source>
        <translation>Appliquer cette étape</translation>
    </message>
    <message>
        <source>Explain the technique</source>
        <translation>Expliquer la technique</translation>
    </message>
    <message>
        <source>Play a puzzle that needs this technique</source>
        <translation>Jouer une grille qui demande cette technique</translation>
    </message>
</context>
<context>
    <name>dravik::ui::HelpWindow</name>
    <message>
        <source>Dravik Sudoku - Help</source>
        <translation>Dravik Sudoku - Aide</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>The page before (Alt+Left)</source>
        <translation>La page précédente (Alt+Gauche)</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>The page after (Alt+Right)</source>
        <translation>La page suivante (Alt+Droite)</translation>
    </message>
</context>
</TS>
