<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Board</name>
    <message>
        <source>%1, cross, last move</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, cross, last move&quot;: the computer&apos;s last reply, marked by View &gt; Mark Last Move.</extracomment>
        <translation>%1, croix, dernier coup</translation>
    </message>
    <message>
        <source>%1, cross</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, cross&quot;.</extracomment>
        <translation>%1, croix</translation>
    </message>
    <message>
        <source>%1, circle, last move</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, circle, last move&quot;: the computer&apos;s last reply, marked by View &gt; Mark Last Move.</extracomment>
        <translation>%1, rond, dernier coup</translation>
    </message>
    <message>
        <source>%1, circle</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, circle&quot;.</extracomment>
        <translation>%1, rond</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, empty&quot;.</extracomment>
        <translation>%1, vide</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Licence GPLv3+&#xa0;: GNU GPL version 3 ou ultérieure &lt;https://gnu.org/licenses/gpl.html&gt;.
Ceci est un logiciel libre&#xa0;: vous êtes libre de le modifier et de le redistribuer.
Il n’y a AUCUNE GARANTIE, dans la mesure permise par la loi.
</translation>
    </message>
    <message>
        <source>Usage: pentavo [FILE]
Five in a row against the computer.

  FILE         a saved game (.pnv) to open once the first game has started
  -h, --help   show this help and exit
  --version    show the version and exit
  --           take what follows as the file, even when it starts with &apos;-&apos;
</source>
        <translation>Utilisation&#xa0;: pentavo [FICHIER]
Cinq en ligne contre l’ordinateur.

  FICHIER      une partie enregistrée (.pnv) à ouvrir une fois la première partie commencée
  -h, --help   afficher cette aide et quitter
  --version    afficher la version et quitter
  --           prendre ce qui suit comme fichier, même s’il commence par «&#xa0;-&#xa0;»
</translation>
    </message>
    <message>
        <source>pentavo: %1
Try &apos;pentavo --help&apos; for more.
</source>
        <translation>pentavo&#xa0;: %1
Essayez «&#xa0;pentavo --help&#xa0;» pour en savoir plus.
</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>You win</source>
        <extracomment>Message box: your move completed five in a row.</extracomment>
        <translation>Vous avez gagné</translation>
    </message>
    <message>
        <source>I win</source>
        <extracomment>Message box: the computer completed five in a row; &quot;I&quot; is the computer.</extracomment>
        <translation>J’ai gagné</translation>
    </message>
    <message>
        <source>Draw</source>
        <extracomment>Message box: the board is full and nobody has five in a row; the game is drawn.</extracomment>
        <translation>Partie nulle</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>Move %1 names no cell (code %2).</source>
        <extracomment>A saved game is refused: %1 is the number of the move in the game (1 for the first), %2 the byte read from the file.</extracomment>
        <translation>Le coup %1 ne désigne aucune case (code %2).</translation>
    </message>
    <message>
        <source>Move %1 repeats the cell of move %2.</source>
        <extracomment>A saved game is refused: move number %1 puts a mark on the cell that move number %2 already took.</extracomment>
        <translation>Le coup %1 joue sur la case déjà prise par le coup %2.</translation>
    </message>
    <message>
        <source>Entry %1 of the move log does not fit in a byte (code %2).</source>
        <extracomment>Saving fails: %1 is the place in the list of the game&apos;s moves, %2 the move&apos;s code, which a file of one byte per move cannot hold.</extracomment>
        <translation>L’entrée %1 de la liste des coups ne tient pas dans un octet (code %2).</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>Impossible d’ouvrir «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>Impossible d’ouvrir «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>Impossible d’enregistrer «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2.</source>
        <translation>Impossible d’enregistrer «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <extracomment>Why a game cannot be opened or saved: the name is a folder or a device, not a file.</extracomment>
        <translation>Ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The form can&apos;t be printed.</source>
        <extracomment>Printing failed; &quot;the form&quot; is the main window with the board.</extracomment>
        <translation>La fenêtre ne peut pas être imprimée.</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;: %2.</source>
        <translation>Impossible d’ouvrir le fichier d’aide «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Cannot read the help file &quot;%1&quot;: %2.</source>
        <translation>Impossible de lire le fichier d’aide «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>option inconnue «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>an empty file name</source>
        <translation>un nom de fichier vide</translation>
    </message>
    <message>
        <source>only one game record can be opened, but &apos;%1&apos; and &apos;%2&apos; were given</source>
        <translation>une seule partie peut être ouverte, mais «&#xa0;%1&#xa0;» et «&#xa0;%2&#xa0;» ont été indiqués</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <extracomment>Not a text to translate: LTR for a language written from left to right, RTL for one written from right to left (Arabic, Hebrew).</extracomment>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>You %1, computer %2.</source>
        <extracomment>The person&apos;s move, then the computer&apos;s reply, e.g. &quot;You I9, computer H9.&quot;</extracomment>
        <translation>Vous %1, ordinateur %2.</translation>
    </message>
    <message>
        <source>Computer %1, you %2.</source>
        <extracomment>The computer&apos;s move, then the person&apos;s, e.g. &quot;Computer H8, you I9.&quot;</extracomment>
        <translation>Ordinateur %1, vous %2.</translation>
    </message>
    <message>
        <source>You %1.</source>
        <extracomment>The person&apos;s move alone, e.g. &quot;You I9.&quot;</extracomment>
        <translation>Vous %1.</translation>
    </message>
    <message>
        <source>Computer %1.</source>
        <extracomment>The computer&apos;s move alone, e.g. &quot;Computer H8.&quot;</extracomment>
        <translation>Ordinateur %1.</translation>
    </message>
    <message>
        <source>New game. %1</source>
        <extracomment>%1 is the opening&apos;s moves, a sentence such as &quot;Computer H8.&quot;</extracomment>
        <translation>Nouvelle partie. %1</translation>
    </message>
    <message>
        <source>Nothing to take back.</source>
        <extracomment>Undo found no moves it may take back.</extracomment>
        <translation>Rien à reprendre.</translation>
    </message>
    <message>
        <source>Taken back: you %1, computer %2.</source>
        <extracomment>Undo took back the person&apos;s move and the computer&apos;s reply; %1 and %2 are cells.</extracomment>
        <translation>Coups repris&#xa0;: vous %1, ordinateur %2.</translation>
    </message>
    <message>
        <source>Taken back: computer %1, you %2.</source>
        <extracomment>Undo took back the computer&apos;s move and then the person&apos;s; %1 and %2 are cells.</extracomment>
        <translation>Coups repris&#xa0;: ordinateur %1, vous %2.</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <extracomment>%1 is the turn&apos;s moves (&quot;You I9, computer H9.&quot;), %2 how the game ended (&quot;I win&quot;).</extracomment>
        <translation>%1 %2.</translation>
    </message>
    <message numerus="yes">
        <source>Opened %1: %n marks on the board. Your move.</source>
        <extracomment>A saved game was opened; %1 is its file name. The person moves next.</extracomment>
        <translation>
            <numerusform>Ouvert&#xa0;: %1, %n marque sur le plateau. À vous de jouer.</numerusform>
            <numerusform>Ouvert&#xa0;: %1, %n marques sur le plateau. À vous de jouer.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is taken.</source>
        <extracomment>The person tried to play on a cell that holds a mark, e.g. &quot;H9 is taken.&quot;; nothing was played.</extracomment>
        <translation>%1 est occupée.</translation>
    </message>
    <message>
        <source>The game is over. %1 starts a new game.</source>
        <extracomment>The person tried to play after the game ended; %1 is the key of File &gt; New, e.g. Ctrl+N.</extracomment>
        <translation>La partie est terminée. %1 commence une nouvelle partie.</translation>
    </message>
    <message>
        <source>Row %1</source>
        <extracomment>A row of the board read out by its key; %1 is its number, 1 to 15.</extracomment>
        <translation>Rangée %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <extracomment>A column of the board read out by its key; %1 is its letter, A to O.</extracomment>
        <translation>Colonne %1</translation>
    </message>
    <message>
        <source>Diagonal %1 to %2</source>
        <extracomment>A diagonal of the board read out by its key, from its first cell to its last.</extracomment>
        <translation>Diagonale de %1 à %2</translation>
    </message>
    <message>
        <source>%1 cross</source>
        <extracomment>A cross on a line read out; %1 is where, e.g. &quot;H cross&quot; in row 9.</extracomment>
        <translation>%1 croix</translation>
    </message>
    <message>
        <source>%1 circle</source>
        <extracomment>A circle on a line read out; %1 is where, e.g. &quot;I circle&quot; in row 9.</extracomment>
        <translation>%1 rond</translation>
    </message>
    <message>
        <source>%1: empty.</source>
        <extracomment>A line of the board without a mark; %1 is its name, e.g. &quot;Row 9&quot;.</extracomment>
        <translation>%1&#xa0;: vide.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A full line of the board; %1 is its name (&quot;Row 9&quot;), %2 its marks (&quot;H cross and I circle&quot;).</extracomment>
        <translation>%1&#xa0;: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2; %n empty.</source>
        <extracomment>A line of the board; %1 is its name (&quot;Row 9&quot;), %2 its marks (&quot;H cross and I circle&quot;), then how many of its cells are empty.</extracomment>
        <translation>
            <numerusform>%1&#xa0;: %2&#xa0;; %n vide.</numerusform>
            <numerusform>%1&#xa0;: %2&#xa0;; %n vides.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to put back.</source>
        <extracomment>Redo found no moves that Undo had taken back.</extracomment>
        <translation>Rien à rétablir.</translation>
    </message>
    <message>
        <source>Put back: you %1, computer %2.</source>
        <extracomment>Redo put back the person&apos;s move and the computer&apos;s reply; %1 and %2 are cells.</extracomment>
        <translation>Rétabli&#xa0;: vous %1, ordinateur %2.</translation>
    </message>
    <message>
        <source>Put back: computer %1, you %2.</source>
        <extracomment>Redo put back the computer&apos;s move and then the person&apos;s; %1 and %2 are cells.</extracomment>
        <translation>Rétabli&#xa0;: ordinateur %1, vous %2.</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>Mise en &amp;page...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Aperçu avant impression</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Édition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <extracomment>Edit menu: takes back the last two moves, yours and the computer&apos;s reply. The game&apos;s word for taking back moves, never the word for Cancel.</extracomment>
        <translation>&amp;Reprendre un coup</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Barre d’&amp;outils</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>Barre d’é&amp;tat</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Options...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;About </source>
        <extracomment>Help menu: opens the About box.</extracomment>
        <translation>À &amp;propos </translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>Tooltip of the toolbar button that starts a new game (File &gt; New).</extracomment>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Tooltip of the toolbar button that opens a saved game (File &gt; Open).</extracomment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Tooltip of the toolbar button that saves the game (File &gt; Save).</extracomment>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>Tooltip of the toolbar button that prints the window (File &gt; Print).</extracomment>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Tooltip of the toolbar button for Edit &gt; Undo; the same word as there.</extracomment>
        <translation>Reprendre un coup</translation>
    </message>
    <message>
        <source>Copyright</source>
        <extracomment>Splash window: a small label showing this word itself.</extracomment>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Company</source>
        <extracomment>Splash window: a small label showing this word itself.</extracomment>
        <translation>Société</translation>
    </message>
    <message>
        <source>Warning</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Version</source>
        <extracomment>Splash window: replaced by the version number before it is shown.
----------
About box: replaced by the version line before it is shown.</extracomment>
        <translation>Version</translation>
    </message>
    <message>
        <source>Platform</source>
        <extracomment>Splash window: a label showing this word itself, under the program&apos;s name.</extracomment>
        <translation>Plateforme</translation>
    </message>
    <message>
        <source>CompanyProduct</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>Produit de la société</translation>
    </message>
    <message>
        <source>Product</source>
        <extracomment>Splash window: replaced by the program&apos;s name before it is shown.</extracomment>
        <translation>Produit</translation>
    </message>
    <message>
        <source>LicenseTo</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>Licence accordée à</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Title of the Options dialog.</extracomment>
        <translation>Options</translation>
    </message>
    <message>
        <source>Sample 1</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>Exemple 1</translation>
    </message>
    <message>
        <source>Sample 2</source>
        <extracomment>Caption of an Options dialog frame that is never on screen.</extracomment>
        <translation>Exemple 2</translation>
    </message>
    <message>
        <source>Sample 3</source>
        <extracomment>Caption of an Options dialog frame that is never on screen.</extracomment>
        <translation>Exemple 3</translation>
    </message>
    <message>
        <source>Sample 4</source>
        <extracomment>Caption of an Options dialog frame that is never on screen.</extracomment>
        <translation>Exemple 4</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>A&amp;ppliquer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Options dialog button: closes it and keeps the options as they were.</extracomment>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Options dialog button.
----------
About box button.</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Pentavo</source>
        <translation>À propos de Pentavo</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>Informations &amp;système...</translation>
    </message>
    <message>
        <source>Warning: ...</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>Avertissement&#xa0;: ...</translation>
    </message>
    <message>
        <source>Application Title</source>
        <extracomment>About box: replaced by the program&apos;s name before it is shown.</extracomment>
        <translation>Titre de l’application</translation>
    </message>
    <message>
        <source>App Description</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>Description de l’application</translation>
    </message>
    <message>
        <source>Mark &amp;Last Move</source>
        <extracomment>View menu, a toggle: puts a dot on the computer&apos;s last move.</extracomment>
        <translation>Marquer le &amp;dernier coup</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <extracomment>Edit menu: puts back, two at a time, the moves Undo took back.</extracomment>
        <translation>Rét&amp;ablir</translation>
    </message>
    <message>
        <source>Show &amp;Winning Five</source>
        <extracomment>View menu, a check mark: a line through the five in a row that ended the game.</extracomment>
        <translation>Montrer la ligne &amp;gagnante</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <extracomment>Edit menu: shows the cell the computer would play in your place; nothing is played.</extracomment>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <extracomment>View menu: opens the count of games won, lost and drawn.</extracomment>
        <translation>&amp;Statistiques...</translation>
    </message>
</context>
<context>
    <name>pentavo::HelpViewer</name>
    <message>
        <source>Pentavo Help</source>
        <translation>Aide de Pentavo</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texte de l’aide</translation>
    </message>
    <message>
        <source>Help toolbar</source>
        <translation>Barre d’outils de l’aide</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Help window button: back to the place read before.</extracomment>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Home</source>
        <extracomment>Help window button: back to the help&apos;s beginning (not the Home key).</extracomment>
        <translation>Accueil</translation>
    </message>
</context>
<context>
    <name>pentavo::StatusBar</name>
    <message>
        <source>Status</source>
        <extracomment>The status bar&apos;s first panel, beside the date and the time.</extracomment>
        <translation>État</translation>
    </message>
</context>
<context>
    <name>pentavo::frmAbout</name>
    <message>
        <source>%1. Free software, GNU GPL 3 or later, no warranty.</source>
        <extracomment>About box: %1 is the copyright line, which stays in English (&quot;Copyright 2026 The Pentavo developers&quot;), then the program&apos;s licence in brief. A right-to-left language may put %1 last, so that the line reads from the right.</extracomment>
        <translation>%1. Logiciel libre, GNU GPL 3 ou ultérieure, sans garantie.</translation>
    </message>
    <message>
        <source>Version 0.1 (demo)</source>
        <extracomment>About box: the version line as designed, not the program&apos;s version.</extracomment>
        <translation>Version 0.1 (démo)</translation>
    </message>
    <message>
        <source>Released %1
Questions and ideas: %2</source>
        <extracomment>About box: %1 is the release date, %2 the address for questions and ideas.</extracomment>
        <translation>Publié le %1
Questions et idées&#xa0;: %2</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>How the release date is written, in QDate::toString&apos;s letters.</extracomment>
        <translation>d MMMM yyyy</translation>
    </message>
</context>
<context>
    <name>pentavo::frmMain</name>
    <message>
        <source>Board</source>
        <extracomment>What a screen reader calls the playing board.</extracomment>
        <translation>Plateau</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Barre de menus</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d’outils</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barre d’état</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <extracomment>Title of the printer dialog of File &gt; Page Setup.</extracomment>
        <translation>Mise en page</translation>
    </message>
    <message>
        <source>All Files (*.pnv)</source>
        <extracomment>The file dialog&apos;s filter for saved games; keep &quot;(*.pnv)&quot;.</extracomment>
        <translation>Tous les fichiers (*.pnv)</translation>
    </message>
    <message>
        <source>Empty file</source>
        <extracomment>Message box: the file dialog was closed without choosing a file.</extracomment>
        <translation>Aucun fichier choisi</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Title of the file dialog that saves the game.</extracomment>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Title of the file dialog that opens a saved game.</extracomment>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Le fichier «&#xa0;%1&#xa0;» n’existe pas.</translation>
    </message>
    <message>
        <source>I win: %1 to %2</source>
        <extracomment>How the computer&apos;s line of five ended the game: its two end cells, e.g. F4, F8.</extracomment>
        <translation>J’ai gagné&#xa0;: de %1 à %2</translation>
    </message>
    <message>
        <source>You win: %1 to %2</source>
        <extracomment>How the person&apos;s line of five ended the game: its two end cells, e.g. F4, F8.</extracomment>
        <translation>Vous avez gagné&#xa0;: de %1 à %2</translation>
    </message>
    <message>
        <source>The game is over: there is no hint.</source>
        <translation>La partie est finie&#xa0;: il n’y a pas d’indice.</translation>
    </message>
    <message>
        <source>The board is full: there is no hint.</source>
        <translation>Le plateau est plein&#xa0;: il n’y a pas d’indice.</translation>
    </message>
    <message>
        <source>Hint: %1.</source>
        <extracomment>Said when the person asks for a hint: the cell the computer would play for them, e.g. G7.</extracomment>
        <translation>Indice&#xa0;: %1.</translation>
    </message>
    <message>
        <source>15 by 15 cells. The arrow keys move the cursor, Home returns it to the centre, Enter or Space plays its cell, H moves it to a hint, L repeats the last two moves, R, C, D and F read its row, column and diagonals. %1 takes back the last turn, %2 puts it back.</source>
        <extracomment>What a screen reader says of the board&apos;s keys. %1 is the key of Edit &gt; Undo (Ctrl+Z), %2 that of Edit &gt; Redo (Ctrl+Y).</extracomment>
        <translation>15 cases sur 15. Les flèches déplacent le curseur, Origine le ramène au centre, Entrée ou Espace joue sur sa case, H l’amène sur un indice, L redit les deux derniers coups, R, C, D et F lisent sa rangée, sa colonne et ses diagonales. %1 reprend le dernier tour, %2 le rétablit.</translation>
    </message>
</context>
<context>
    <name>pentavo::frmOptions</name>
    <message>
        <source>Partner selection</source>
        <extracomment>Options dialog: the frame around &quot;Computer first&quot; and &quot;Computer second&quot;. It chooses who moves first, not an opponent; say it by meaning (&quot;Who moves first?&quot;).</extracomment>
        <translation>Qui commence&#xa0;?</translation>
    </message>
    <message>
        <source>Computer first</source>
        <extracomment>Option: the computer opens each new game with a cross in the centre. The computer scores the board for crosses at once.</extracomment>
        <translation>L’ordinateur commence</translation>
    </message>
    <message>
        <source>Computer second</source>
        <extracomment>Option: you open each new game; the computer moves second, with circles, and scores the board for circles at once.</extracomment>
        <translation>L’ordinateur joue en second</translation>
    </message>
    <message>
        <source>Undo moves</source>
        <extracomment>Check box: whether Edit &gt; Undo may take back moves. A permission (&quot;Allow taking back moves&quot;), with the same word as the Undo command.</extracomment>
        <translation>Autoriser la reprise des coups</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>Check box: whether each move of the computer beeps.</extracomment>
        <translation>Son</translation>
    </message>
</context>
<context>
    <name>pentavo::frmSplash</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Version %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>pentavo::frmStatistics</name>
    <message numerus="yes">
        <source>won %n in a row</source>
        <extracomment>The current streak: games won in a row.</extracomment>
        <translation>
            <numerusform>%n victoire d’affilée</numerusform>
            <numerusform>%n victoires d’affilée</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lost %n in a row</source>
        <extracomment>The current streak: games lost in a row.</extracomment>
        <translation>
            <numerusform>%n défaite d’affilée</numerusform>
            <numerusform>%n défaites d’affilée</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>The current streak when the last game was a draw, or before the first game.</extracomment>
        <translation>aucune</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Games won:</source>
        <translation>Parties gagnées&#xa0;:</translation>
    </message>
    <message>
        <source>Games lost:</source>
        <translation>Parties perdues&#xa0;:</translation>
    </message>
    <message>
        <source>Games drawn:</source>
        <translation>Parties nulles&#xa0;:</translation>
    </message>
    <message>
        <source>Current streak:</source>
        <translation>Série en cours&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>&amp;Remettre à zéro...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Set the games won, lost and drawn and the streak back to zero?</source>
        <translation>Remettre à zéro les parties gagnées, perdues et nulles ainsi que la série&#xa0;?</translation>
    </message>
</context>
</TS>
