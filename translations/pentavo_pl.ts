<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>Board</name>
    <message>
        <source>%1, cross, last move</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, cross, last move&quot;: the computer&apos;s last reply, marked by View &gt; Mark Last Move.</extracomment>
        <translation>%1, krzyżyk, ostatni ruch</translation>
    </message>
    <message>
        <source>%1, cross</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, cross&quot;.</extracomment>
        <translation>%1, krzyżyk</translation>
    </message>
    <message>
        <source>%1, circle, last move</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, circle, last move&quot;: the computer&apos;s last reply, marked by View &gt; Mark Last Move.</extracomment>
        <translation>%1, kółko, ostatni ruch</translation>
    </message>
    <message>
        <source>%1, circle</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, circle&quot;.</extracomment>
        <translation>%1, kółko</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, empty&quot;.</extracomment>
        <translation>%1, puste</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Licencja GPLv3+: GNU GPL w wersji 3 lub późniejszej &lt;https://gnu.org/licenses/gpl.html&gt;.
To jest wolne oprogramowanie: można je zmieniać i rozpowszechniać.
Nie ma ŻADNEJ GWARANCJI w zakresie dopuszczalnym przez prawo.
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
        <translation>Użycie: pentavo [PLIK]
Pięć w rzędzie przeciwko komputerowi.

  PLIK         zapisana partia (.pnv) do otwarcia po rozpoczęciu pierwszej gry
  -h, --help   pokaż tę pomoc i zakończ
  --version    pokaż wersję i zakończ
  --           traktuj dalszy ciąg jako plik, nawet jeśli zaczyna się od „-”
</translation>
    </message>
    <message>
        <source>pentavo: %1
Try &apos;pentavo --help&apos; for more.
</source>
        <translation>pentavo: %1
„pentavo --help” podaje więcej informacji.
</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>You win</source>
        <extracomment>Message box: your move completed five in a row.</extracomment>
        <translation>Wygrywasz</translation>
    </message>
    <message>
        <source>I win</source>
        <extracomment>Message box: the computer completed five in a row; &quot;I&quot; is the computer.</extracomment>
        <translation>Wygrywam</translation>
    </message>
    <message>
        <source>Draw</source>
        <extracomment>Message box: the board is full and nobody has five in a row; the game is drawn.</extracomment>
        <translation>Remis</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>Move %1 names no cell (code %2).</source>
        <extracomment>A saved game is refused: %1 is the number of the move in the game (1 for the first), %2 the byte read from the file.</extracomment>
        <translation>Ruch %1 nie wskazuje żadnego pola (kod %2).</translation>
    </message>
    <message>
        <source>Move %1 repeats the cell of move %2.</source>
        <extracomment>A saved game is refused: move number %1 puts a mark on the cell that move number %2 already took.</extracomment>
        <translation>Ruch %1 powtarza pole ruchu %2.</translation>
    </message>
    <message>
        <source>Entry %1 of the move log does not fit in a byte (code %2).</source>
        <extracomment>Saving fails: %1 is the place in the list of the game&apos;s moves, %2 the move&apos;s code, which a file of one byte per move cannot hold.</extracomment>
        <translation>Pozycja %1 listy ruchów nie mieści się w bajcie (kod %2).</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>Nie można otworzyć „%1”: %2</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>Nie można otworzyć „%1”: %2.</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>Nie można zapisać „%1”: %2</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2.</source>
        <translation>Nie można zapisać „%1”: %2.</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <extracomment>Why a game cannot be opened or saved: the name is a folder or a device, not a file.</extracomment>
        <translation>To nie jest zwykły plik</translation>
    </message>
    <message>
        <source>The form can&apos;t be printed.</source>
        <extracomment>Printing failed; &quot;the form&quot; is the main window with the board.</extracomment>
        <translation>Nie można wydrukować okna.</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;: %2.</source>
        <translation>Nie można otworzyć pliku pomocy „%1”: %2.</translation>
    </message>
    <message>
        <source>Cannot read the help file &quot;%1&quot;: %2.</source>
        <translation>Nie można odczytać pliku pomocy „%1”: %2.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>nieznana opcja „%1”</translation>
    </message>
    <message>
        <source>an empty file name</source>
        <translation>pusta nazwa pliku</translation>
    </message>
    <message>
        <source>only one game record can be opened, but &apos;%1&apos; and &apos;%2&apos; were given</source>
        <translation>można otworzyć tylko jedną partię, a podano „%1” i „%2”</translation>
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
        <translation>Ty %1, komputer %2.</translation>
    </message>
    <message>
        <source>Computer %1, you %2.</source>
        <extracomment>The computer&apos;s move, then the person&apos;s, e.g. &quot;Computer H8, you I9.&quot;</extracomment>
        <translation>Komputer %1, ty %2.</translation>
    </message>
    <message>
        <source>You %1.</source>
        <extracomment>The person&apos;s move alone, e.g. &quot;You I9.&quot;</extracomment>
        <translation>Ty %1.</translation>
    </message>
    <message>
        <source>Computer %1.</source>
        <extracomment>The computer&apos;s move alone, e.g. &quot;Computer H8.&quot;</extracomment>
        <translation>Komputer %1.</translation>
    </message>
    <message>
        <source>New game. %1</source>
        <extracomment>%1 is the opening&apos;s moves, a sentence such as &quot;Computer H8.&quot;</extracomment>
        <translation>Nowa gra. %1</translation>
    </message>
    <message>
        <source>Nothing to take back.</source>
        <extracomment>Undo found no moves it may take back.</extracomment>
        <translation>Nie ma czego cofnąć.</translation>
    </message>
    <message>
        <source>Taken back: you %1, computer %2.</source>
        <extracomment>Undo took back the person&apos;s move and the computer&apos;s reply; %1 and %2 are cells.</extracomment>
        <translation>Cofnięto: ty %1, komputer %2.</translation>
    </message>
    <message>
        <source>Taken back: computer %1, you %2.</source>
        <extracomment>Undo took back the computer&apos;s move and then the person&apos;s; %1 and %2 are cells.</extracomment>
        <translation>Cofnięto: komputer %1, ty %2.</translation>
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
            <numerusform>Otwarto %1: %n znak na planszy. Twój ruch.</numerusform>
            <numerusform>Otwarto %1: %n znaki na planszy. Twój ruch.</numerusform>
            <numerusform>Otwarto %1: %n znaków na planszy. Twój ruch.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is taken.</source>
        <extracomment>The person tried to play on a cell that holds a mark, e.g. &quot;H9 is taken.&quot;; nothing was played.</extracomment>
        <translation>%1 jest zajęte.</translation>
    </message>
    <message>
        <source>The game is over. %1 starts a new game.</source>
        <extracomment>The person tried to play after the game ended; %1 is the key of File &gt; New, e.g. Ctrl+N.</extracomment>
        <translation>Gra skończona. %1 zaczyna nową grę.</translation>
    </message>
    <message>
        <source>Row %1</source>
        <extracomment>A row of the board read out by its key; %1 is its number, 1 to 15.</extracomment>
        <translation>Wiersz %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <extracomment>A column of the board read out by its key; %1 is its letter, A to O.</extracomment>
        <translation>Kolumna %1</translation>
    </message>
    <message>
        <source>Diagonal %1 to %2</source>
        <extracomment>A diagonal of the board read out by its key, from its first cell to its last.</extracomment>
        <translation>Przekątna od %1 do %2</translation>
    </message>
    <message>
        <source>%1 cross</source>
        <extracomment>A cross on a line read out; %1 is where, e.g. &quot;H cross&quot; in row 9.</extracomment>
        <translation>%1 krzyżyk</translation>
    </message>
    <message>
        <source>%1 circle</source>
        <extracomment>A circle on a line read out; %1 is where, e.g. &quot;I circle&quot; in row 9.</extracomment>
        <translation>%1 kółko</translation>
    </message>
    <message>
        <source>%1: empty.</source>
        <extracomment>A line of the board without a mark; %1 is its name, e.g. &quot;Row 9&quot;.</extracomment>
        <translation>%1: same puste pola.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A full line of the board; %1 is its name (&quot;Row 9&quot;), %2 its marks (&quot;H cross and I circle&quot;).</extracomment>
        <translation>%1: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2; %n empty.</source>
        <extracomment>A line of the board; %1 is its name (&quot;Row 9&quot;), %2 its marks (&quot;H cross and I circle&quot;), then how many of its cells are empty.</extracomment>
        <translation>
            <numerusform>%1: %2; %n puste.</numerusform>
            <numerusform>%1: %2; %n puste.</numerusform>
            <numerusform>%1: %2; %n pustych.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to put back.</source>
        <extracomment>Redo found no moves that Undo had taken back.</extracomment>
        <translation>Nie ma czego ponowić.</translation>
    </message>
    <message>
        <source>Put back: you %1, computer %2.</source>
        <extracomment>Redo put back the person&apos;s move and the computer&apos;s reply; %1 and %2 are cells.</extracomment>
        <translation>Ponowiono: ty %1, komputer %2.</translation>
    </message>
    <message>
        <source>Put back: computer %1, you %2.</source>
        <extracomment>Redo put back the computer&apos;s move and then the person&apos;s; %1 and %2 are cells.</extracomment>
        <translation>Ponowiono: komputer %1, ty %2.</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nowa</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Otwórz...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>Ustawienia &amp;strony...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Podgląd &amp;wydruku</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drukuj...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edycja</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <extracomment>Edit menu: takes back the last two moves, yours and the computer&apos;s reply. The game&apos;s word for taking back moves, never the word for Cancel.</extracomment>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Pasek narzędzi</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>Pasek &amp;stanu</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Opcje...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <source>&amp;About </source>
        <extracomment>Help menu: opens the About box.</extracomment>
        <translation>&amp;O programie </translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>Tooltip of the toolbar button that starts a new game (File &gt; New).</extracomment>
        <translation>Nowa</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Tooltip of the toolbar button that opens a saved game (File &gt; Open).</extracomment>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Tooltip of the toolbar button that saves the game (File &gt; Save).</extracomment>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>Tooltip of the toolbar button that prints the window (File &gt; Print).</extracomment>
        <translation>Drukuj</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Tooltip of the toolbar button for Edit &gt; Undo; the same word as there.</extracomment>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Copyright</source>
        <extracomment>Splash window: a small label showing this word itself.</extracomment>
        <translation>Prawa autorskie</translation>
    </message>
    <message>
        <source>Company</source>
        <extracomment>Splash window: a small label showing this word itself.</extracomment>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Warning</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Version</source>
        <extracomment>Splash window: replaced by the version number before it is shown.
----------
About box: replaced by the version line before it is shown.</extracomment>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>Platform</source>
        <extracomment>Splash window: a label showing this word itself, under the program&apos;s name.</extracomment>
        <translation>Platforma</translation>
    </message>
    <message>
        <source>CompanyProduct</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>Produkt firmy</translation>
    </message>
    <message>
        <source>Product</source>
        <extracomment>Splash window: replaced by the program&apos;s name before it is shown.</extracomment>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>LicenseTo</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>Licencja dla</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Title of the Options dialog.</extracomment>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Sample 1</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>Przykład 1</translation>
    </message>
    <message>
        <source>Sample 2</source>
        <extracomment>Caption of an Options dialog frame that is never on screen.</extracomment>
        <translation>Przykład 2</translation>
    </message>
    <message>
        <source>Sample 3</source>
        <extracomment>Caption of an Options dialog frame that is never on screen.</extracomment>
        <translation>Przykład 3</translation>
    </message>
    <message>
        <source>Sample 4</source>
        <extracomment>Caption of an Options dialog frame that is never on screen.</extracomment>
        <translation>Przykład 4</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>Za&amp;stosuj</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Options dialog button: closes it and keeps the options as they were.</extracomment>
        <translation>Anuluj</translation>
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
        <translation>O programie Pentavo</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>Informacje o &amp;systemie...</translation>
    </message>
    <message>
        <source>Warning: ...</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>Ostrzeżenie: ...</translation>
    </message>
    <message>
        <source>Application Title</source>
        <extracomment>About box: replaced by the program&apos;s name before it is shown.</extracomment>
        <translation>Tytuł aplikacji</translation>
    </message>
    <message>
        <source>App Description</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>Opis aplikacji</translation>
    </message>
    <message>
        <source>Mark &amp;Last Move</source>
        <extracomment>View menu, a toggle: puts a dot on the computer&apos;s last move.</extracomment>
        <translation>Zaznaczaj ostatni &amp;ruch</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <extracomment>Edit menu: puts back, two at a time, the moves Undo took back.</extracomment>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>Show &amp;Winning Five</source>
        <extracomment>View menu, a check mark: a line through the five in a row that ended the game.</extracomment>
        <translation>Pokaż &amp;wygrywającą piątkę</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <extracomment>Edit menu: shows the cell the computer would play in your place; nothing is played.</extracomment>
        <translation>Po&amp;dpowiedź</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <extracomment>View menu: opens the count of games won, lost and drawn.</extracomment>
        <translation>S&amp;tatystyki...</translation>
    </message>
</context>
<context>
    <name>pentavo::HelpViewer</name>
    <message>
        <source>Pentavo Help</source>
        <translation>Pomoc programu Pentavo</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Tekst pomocy</translation>
    </message>
    <message>
        <source>Help toolbar</source>
        <translation>Pasek narzędzi pomocy</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Help window button: back to the place read before.</extracomment>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Home</source>
        <extracomment>Help window button: back to the help&apos;s beginning (not the Home key).</extracomment>
        <translation>Początek</translation>
    </message>
</context>
<context>
    <name>pentavo::StatusBar</name>
    <message>
        <source>Status</source>
        <extracomment>The status bar&apos;s first panel, beside the date and the time.</extracomment>
        <translation>Stan</translation>
    </message>
</context>
<context>
    <name>pentavo::frmAbout</name>
    <message>
        <source>%1. Free software, GNU GPL 3 or later, no warranty.</source>
        <extracomment>About box: %1 is the copyright line, which stays in English (&quot;Copyright 2026 The Pentavo developers&quot;), then the program&apos;s licence in brief. A right-to-left language may put %1 last, so that the line reads from the right.</extracomment>
        <translation>%1. Wolne oprogramowanie, GNU GPL 3 lub późniejsza, bez gwarancji.</translation>
    </message>
    <message>
        <source>Version 0.1 (demo)</source>
        <extracomment>About box: the version line as designed, not the program&apos;s version.</extracomment>
        <translation>Wersja 0.1 (demo)</translation>
    </message>
    <message>
        <source>Released %1
Questions and ideas: %2</source>
        <extracomment>About box: %1 is the release date, %2 the address for questions and ideas.</extracomment>
        <translation>Wydano %1
Pytania i pomysły: %2</translation>
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
        <translation>Plansza</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Pasek menu</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Pasek narzędzi</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Pasek stanu</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <extracomment>Title of the printer dialog of File &gt; Page Setup.</extracomment>
        <translation>Ustawienia strony</translation>
    </message>
    <message>
        <source>All Files (*.pnv)</source>
        <extracomment>The file dialog&apos;s filter for saved games; keep &quot;(*.pnv)&quot;.</extracomment>
        <translation>Wszystkie pliki (*.pnv)</translation>
    </message>
    <message>
        <source>Empty file</source>
        <extracomment>Message box: the file dialog was closed without choosing a file.</extracomment>
        <translation>Pusty plik</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Title of the file dialog that saves the game.</extracomment>
        <translation>Zapisz</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Title of the file dialog that opens a saved game.</extracomment>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Plik „%1” nie istnieje.</translation>
    </message>
    <message>
        <source>I win: %1 to %2</source>
        <extracomment>How the computer&apos;s line of five ended the game: its two end cells, e.g. F4, F8.</extracomment>
        <translation>Wygrywam: od %1 do %2</translation>
    </message>
    <message>
        <source>You win: %1 to %2</source>
        <extracomment>How the person&apos;s line of five ended the game: its two end cells, e.g. F4, F8.</extracomment>
        <translation>Wygrywasz: od %1 do %2</translation>
    </message>
    <message>
        <source>The game is over: there is no hint.</source>
        <translation>Partia jest skończona: nie ma podpowiedzi.</translation>
    </message>
    <message>
        <source>The board is full: there is no hint.</source>
        <translation>Plansza jest pełna: nie ma podpowiedzi.</translation>
    </message>
    <message>
        <source>Hint: %1.</source>
        <extracomment>Said when the person asks for a hint: the cell the computer would play for them, e.g. G7.</extracomment>
        <translation>Podpowiedź: %1.</translation>
    </message>
    <message>
        <source>15 by 15 cells. The arrow keys move the cursor, Home returns it to the centre, Enter or Space plays its cell, H moves it to a hint, L repeats the last two moves, R, C, D and F read its row, column and diagonals. %1 takes back the last turn, %2 puts it back.</source>
        <extracomment>What a screen reader says of the board&apos;s keys. %1 is the key of Edit &gt; Undo (Ctrl+Z), %2 that of Edit &gt; Redo (Ctrl+Y).</extracomment>
        <translation>15 na 15 pól. Strzałki przesuwają kursor, Home przenosi go na środek, Enter lub spacja stawia znak na jego polu, H przenosi go na podpowiedź, L powtarza dwa ostatnie ruchy, R, C, D i F czytają jego wiersz, kolumnę i przekątne. %1 cofa ostatnią turę, %2 ją ponawia.</translation>
    </message>
</context>
<context>
    <name>pentavo::frmOptions</name>
    <message>
        <source>Partner selection</source>
        <extracomment>Options dialog: the frame around &quot;Computer first&quot; and &quot;Computer second&quot;. It chooses who moves first, not an opponent; say it by meaning (&quot;Who moves first?&quot;).</extracomment>
        <translation>Kto zaczyna?</translation>
    </message>
    <message>
        <source>Computer first</source>
        <extracomment>Option: the computer opens each new game with a cross in the centre. The computer scores the board for crosses at once.</extracomment>
        <translation>Komputer zaczyna</translation>
    </message>
    <message>
        <source>Computer second</source>
        <extracomment>Option: you open each new game; the computer moves second, with circles, and scores the board for circles at once.</extracomment>
        <translation>Komputer gra jako drugi</translation>
    </message>
    <message>
        <source>Undo moves</source>
        <extracomment>Check box: whether Edit &gt; Undo may take back moves. A permission (&quot;Allow taking back moves&quot;), with the same word as the Undo command.</extracomment>
        <translation>Zezwalaj na cofanie ruchów</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>Check box: whether each move of the computer beeps.</extracomment>
        <translation>Dźwięk</translation>
    </message>
</context>
<context>
    <name>pentavo::frmSplash</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Wersja %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>pentavo::frmStatistics</name>
    <message numerus="yes">
        <source>won %n in a row</source>
        <extracomment>The current streak: games won in a row.</extracomment>
        <translation>
            <numerusform>%n wygrana z rzędu</numerusform>
            <numerusform>%n wygrane z rzędu</numerusform>
            <numerusform>%n wygranych z rzędu</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lost %n in a row</source>
        <extracomment>The current streak: games lost in a row.</extracomment>
        <translation>
            <numerusform>%n przegrana z rzędu</numerusform>
            <numerusform>%n przegrane z rzędu</numerusform>
            <numerusform>%n przegranych z rzędu</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>The current streak when the last game was a draw, or before the first game.</extracomment>
        <translation>brak</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statystyki</translation>
    </message>
    <message>
        <source>Games won:</source>
        <translation>Partie wygrane:</translation>
    </message>
    <message>
        <source>Games lost:</source>
        <translation>Partie przegrane:</translation>
    </message>
    <message>
        <source>Games drawn:</source>
        <translation>Partie zremisowane:</translation>
    </message>
    <message>
        <source>Current streak:</source>
        <translation>Obecna seria:</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>&amp;Wyzeruj...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zamknij</translation>
    </message>
    <message>
        <source>Set the games won, lost and drawn and the streak back to zero?</source>
        <translation>Wyzerować partie wygrane, przegrane i zremisowane oraz serię?</translation>
    </message>
</context>
</TS>
