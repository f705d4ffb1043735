<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv">
<context>
    <name>Board</name>
    <message>
        <source>%1, cross, last move</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, cross, last move&quot;: the computer&apos;s last reply, marked by View &gt; Mark Last Move.</extracomment>
        <translation>%1, kryss, senaste draget</translation>
    </message>
    <message>
        <source>%1, circle, last move</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, circle, last move&quot;: the computer&apos;s last reply, marked by View &gt; Mark Last Move.</extracomment>
        <translation>%1, ring, senaste draget</translation>
    </message>
    <message>
        <source>%1, cross</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, cross&quot;.</extracomment>
        <translation>%1, kryss</translation>
    </message>
    <message>
        <source>%1, circle</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, circle&quot;.</extracomment>
        <translation>%1, ring</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, empty&quot;.</extracomment>
        <translation>%1, tom</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: pentavo [FILE]
Five in a row against the computer.

  FILE         a saved game (.pnv) to open once the first game has started
  -h, --help   show this help and exit
  --version    show the version and exit
  --           take what follows as the file, even when it starts with &apos;-&apos;
</source>
        <translation>Användning: pentavo [FIL]
Luffarschack mot datorn.

  FIL          ett sparat parti (.pnv) som öppnas när det första partiet har börjat
  -h, --help   visa den här hjälpen och avsluta
  --version    visa versionen och avsluta
  --           ta det som följer som fil, även om det börjar med ”-”
</translation>
    </message>
    <message>
        <source>License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Licens GPLv3+: GNU GPL version 3 eller senare &lt;https://gnu.org/licenses/gpl.html&gt;.
Detta är fri programvara: du får ändra och sprida den vidare.
Det finns INGEN GARANTI, så långt lagen tillåter.
</translation>
    </message>
    <message>
        <source>pentavo: %1
Try &apos;pentavo --help&apos; for more.
</source>
        <translation>pentavo: %1
Kör ”pentavo --help” för mer information.
</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>You win</source>
        <extracomment>Message box: your move completed five in a row.</extracomment>
        <translation>Du vann</translation>
    </message>
    <message>
        <source>I win</source>
        <extracomment>Message box: the computer completed five in a row; &quot;I&quot; is the computer.</extracomment>
        <translation>Jag vann</translation>
    </message>
    <message>
        <source>Draw</source>
        <extracomment>Message box: the board is full and nobody has five in a row; the game is drawn.</extracomment>
        <translation>Oavgjort</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>Move %1 names no cell (code %2).</source>
        <extracomment>A saved game is refused: %1 is the number of the move in the game (1 for the first), %2 the byte read from the file.</extracomment>
        <translation>Drag %1 anger ingen ruta (kod %2).</translation>
    </message>
    <message>
        <source>Move %1 repeats the cell of move %2.</source>
        <extracomment>A saved game is refused: move number %1 puts a mark on the cell that move number %2 already took.</extracomment>
        <translation>Drag %1 står på samma ruta som drag %2.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>Det gick inte att öppna ”%1”: %2</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>Det gick inte att öppna ”%1”: %2.</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>Det gick inte att spara ”%1”: %2</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2.</source>
        <translation>Det gick inte att spara ”%1”: %2.</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <extracomment>Why a game cannot be opened or saved: the name is a folder or a device, not a file.</extracomment>
        <translation>Inte en vanlig fil</translation>
    </message>
    <message>
        <source>Entry %1 of the move log does not fit in a byte (code %2).</source>
        <extracomment>Saving fails: %1 is the place in the list of the game&apos;s moves, %2 the move&apos;s code, which a file of one byte per move cannot hold.</extracomment>
        <translation>Post %1 i draglistan ryms inte i en byte (kod %2).</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;: %2.</source>
        <translation>Det gick inte att öppna hjälpfilen ”%1”: %2.</translation>
    </message>
    <message>
        <source>Cannot read the help file &quot;%1&quot;: %2.</source>
        <translation>Det gick inte att läsa hjälpfilen ”%1”: %2.</translation>
    </message>
    <message>
        <source>The form can&apos;t be printed.</source>
        <extracomment>Printing failed; &quot;the form&quot; is the main window with the board.</extracomment>
        <translation>Fönstret kan inte skrivas ut.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>okänd flagga ”%1”</translation>
    </message>
    <message>
        <source>an empty file name</source>
        <translation>ett tomt filnamn</translation>
    </message>
    <message>
        <source>only one game record can be opened, but &apos;%1&apos; and &apos;%2&apos; were given</source>
        <translation>bara ett sparat parti kan öppnas, men både ”%1” och ”%2” angavs</translation>
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
        <translation>Du %1, datorn %2.</translation>
    </message>
    <message>
        <source>Computer %1, you %2.</source>
        <extracomment>The computer&apos;s move, then the person&apos;s, e.g. &quot;Computer H8, you I9.&quot;</extracomment>
        <translation>Datorn %1, du %2.</translation>
    </message>
    <message>
        <source>You %1.</source>
        <extracomment>The person&apos;s move alone, e.g. &quot;You I9.&quot;</extracomment>
        <translation>Du %1.</translation>
    </message>
    <message>
        <source>Computer %1.</source>
        <extracomment>The computer&apos;s move alone, e.g. &quot;Computer H8.&quot;</extracomment>
        <translation>Datorn %1.</translation>
    </message>
    <message>
        <source>New game. %1</source>
        <extracomment>%1 is the opening&apos;s moves, a sentence such as &quot;Computer H8.&quot;</extracomment>
        <translation>Nytt parti. %1</translation>
    </message>
    <message>
        <source>Nothing to take back.</source>
        <extracomment>Undo found no moves it may take back.</extracomment>
        <translation>Inget drag att ångra.</translation>
    </message>
    <message>
        <source>Taken back: you %1, computer %2.</source>
        <extracomment>Undo took back the person&apos;s move and the computer&apos;s reply; %1 and %2 are cells.</extracomment>
        <translation>Ångrat: du %1, datorn %2.</translation>
    </message>
    <message>
        <source>Taken back: computer %1, you %2.</source>
        <extracomment>Undo took back the computer&apos;s move and then the person&apos;s; %1 and %2 are cells.</extracomment>
        <translation>Ångrat: datorn %1, du %2.</translation>
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
            <numerusform>Öppnade %1: %n tecken på brädet. Din tur.</numerusform>
            <numerusform>Öppnade %1: %n tecken på brädet. Din tur.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is taken.</source>
        <extracomment>The person tried to play on a cell that holds a mark, e.g. &quot;H9 is taken.&quot;; nothing was played.</extracomment>
        <translation>%1 är upptagen.</translation>
    </message>
    <message>
        <source>The game is over. %1 starts a new game.</source>
        <extracomment>The person tried to play after the game ended; %1 is the key of File &gt; New, e.g. Ctrl+N.</extracomment>
        <translation>Partiet är slut. %1 börjar ett nytt parti.</translation>
    </message>
    <message>
        <source>Row %1</source>
        <extracomment>A row of the board read out by its key; %1 is its number, 1 to 15.</extracomment>
        <translation>Rad %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <extracomment>A column of the board read out by its key; %1 is its letter, A to O.</extracomment>
        <translation>Kolumn %1</translation>
    </message>
    <message>
        <source>Diagonal %1 to %2</source>
        <extracomment>A diagonal of the board read out by its key, from its first cell to its last.</extracomment>
        <translation>Diagonalen %1 till %2</translation>
    </message>
    <message>
        <source>%1 cross</source>
        <extracomment>A cross on a line read out; %1 is where, e.g. &quot;H cross&quot; in row 9.</extracomment>
        <translation>%1 kryss</translation>
    </message>
    <message>
        <source>%1 circle</source>
        <extracomment>A circle on a line read out; %1 is where, e.g. &quot;I circle&quot; in row 9.</extracomment>
        <translation>%1 ring</translation>
    </message>
    <message>
        <source>%1: empty.</source>
        <extracomment>A line of the board without a mark; %1 is its name, e.g. &quot;Row 9&quot;.</extracomment>
        <translation>%1: tom.</translation>
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
            <numerusform>%1: %2; %n tom.</numerusform>
            <numerusform>%1: %2; %n tomma.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to put back.</source>
        <extracomment>Redo found no moves that Undo had taken back.</extracomment>
        <translation>Inget drag att göra om.</translation>
    </message>
    <message>
        <source>Put back: you %1, computer %2.</source>
        <extracomment>Redo put back the person&apos;s move and the computer&apos;s reply; %1 and %2 are cells.</extracomment>
        <translation>Gjort om: du %1, datorn %2.</translation>
    </message>
    <message>
        <source>Put back: computer %1, you %2.</source>
        <extracomment>Redo put back the computer&apos;s move and then the person&apos;s; %1 and %2 are cells.</extracomment>
        <translation>Gjort om: datorn %1, du %2.</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arkiv</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nytt parti</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Öppna...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Spara</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>Sid&amp;inställningar...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Förhands&amp;granska</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Skriv &amp;ut...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;vsluta</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Redigera</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <extracomment>Edit menu: takes back the last two moves, yours and the computer&apos;s reply. The game&apos;s word for taking back moves, never the word for Cancel.</extracomment>
        <translation>&amp;Ångra drag</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visa</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>&amp;Verktygsfält</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>&amp;Statusfält</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Inställningar...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hjälp</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Innehåll</translation>
    </message>
    <message>
        <source>&amp;About </source>
        <extracomment>Help menu: opens the About box.</extracomment>
        <translation>&amp;Om </translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>Tooltip of the toolbar button that starts a new game (File &gt; New).</extracomment>
        <translation>Nytt parti</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Tooltip of the toolbar button that opens a saved game (File &gt; Open).</extracomment>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Tooltip of the toolbar button that saves the game (File &gt; Save).</extracomment>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>Tooltip of the toolbar button that prints the window (File &gt; Print).</extracomment>
        <translation>Skriv ut</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Tooltip of the toolbar button for Edit &gt; Undo; the same word as there.</extracomment>
        <translation>Ångra drag</translation>
    </message>
    <message>
        <source>Copyright</source>
        <extracomment>Splash window: a small label showing this word itself.</extracomment>
        <translation>Upphovsrätt</translation>
    </message>
    <message>
        <source>Company</source>
        <extracomment>Splash window: a small label showing this word itself.</extracomment>
        <translation>Företag</translation>
    </message>
    <message>
        <source>Warning</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>Varning</translation>
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
        <translation>Plattform</translation>
    </message>
    <message>
        <source>CompanyProduct</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>Företagets produkt</translation>
    </message>
    <message>
        <source>Product</source>
        <extracomment>Splash window: replaced by the program&apos;s name before it is shown.</extracomment>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>LicenseTo</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>Licensierad till</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Title of the Options dialog.</extracomment>
        <translation>Inställningar</translation>
    </message>
    <message>
        <source>Sample 1</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>Exempel 1</translation>
    </message>
    <message>
        <source>Sample 2</source>
        <extracomment>Caption of an Options dialog frame that is never on screen.</extracomment>
        <translation>Exempel 2</translation>
    </message>
    <message>
        <source>Sample 3</source>
        <extracomment>Caption of an Options dialog frame that is never on screen.</extracomment>
        <translation>Exempel 3</translation>
    </message>
    <message>
        <source>Sample 4</source>
        <extracomment>Caption of an Options dialog frame that is never on screen.</extracomment>
        <translation>Exempel 4</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>&amp;Verkställ</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Options dialog button: closes it and keeps the options as they were.</extracomment>
        <translation>Avbryt</translation>
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
        <translation>Om Pentavo</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>&amp;Systeminformation...</translation>
    </message>
    <message>
        <source>Warning: ...</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>Varning: ...</translation>
    </message>
    <message>
        <source>Application Title</source>
        <extracomment>About box: replaced by the program&apos;s name before it is shown.</extracomment>
        <translation>Programtitel</translation>
    </message>
    <message>
        <source>App Description</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>Programbeskrivning</translation>
    </message>
    <message>
        <source>Mark &amp;Last Move</source>
        <extracomment>View menu, a toggle: puts a dot on the computer&apos;s last move.</extracomment>
        <translation>&amp;Markera senaste draget</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <extracomment>Edit menu: puts back, two at a time, the moves Undo took back.</extracomment>
        <translation>&amp;Gör om</translation>
    </message>
    <message>
        <source>Show &amp;Winning Five</source>
        <extracomment>View menu, a check mark: a line through the five in a row that ended the game.</extracomment>
        <translation>Visa vinnande &amp;femma</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <extracomment>Edit menu: shows the cell the computer would play in your place; nothing is played.</extracomment>
        <translation>&amp;Tips</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <extracomment>View menu: opens the count of games won, lost and drawn.</extracomment>
        <translation>S&amp;tatistik...</translation>
    </message>
</context>
<context>
    <name>pentavo::HelpViewer</name>
    <message>
        <source>Pentavo Help</source>
        <translation>Hjälp för Pentavo</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hjälptext</translation>
    </message>
    <message>
        <source>Help toolbar</source>
        <translation>Hjälpens verktygsfält</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Help window button: back to the place read before.</extracomment>
        <translation>Bakåt</translation>
    </message>
    <message>
        <source>Home</source>
        <extracomment>Help window button: back to the help&apos;s beginning (not the Home key).</extracomment>
        <translation>Start</translation>
    </message>
</context>
<context>
    <name>pentavo::StatusBar</name>
    <message>
        <source>Status</source>
        <extracomment>The status bar&apos;s first panel, beside the date and the time.</extracomment>
        <translation>Status</translation>
    </message>
</context>
<context>
    <name>pentavo::frmAbout</name>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>How the release date is written, in QDate::toString&apos;s letters.</extracomment>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>Released %1
Questions and ideas: %2</source>
        <extracomment>About box: %1 is the release date, %2 the address for questions and ideas.</extracomment>
        <translation>Utgiven %1
Frågor och idéer: %2</translation>
    </message>
    <message>
        <source>%1. Free software, GNU GPL 3 or later, no warranty.</source>
        <extracomment>About box: %1 is the copyright line, which stays in English (&quot;Copyright 2026 The Pentavo developers&quot;), then the program&apos;s licence in brief. A right-to-left language may put %1 last, so that the line reads from the right.</extracomment>
        <translation>%1. Fri programvara, GNU GPL 3 eller senare, utan garanti.</translation>
    </message>
    <message>
        <source>Version 0.1 (demo)</source>
        <extracomment>About box: the version line as designed, not the program&apos;s version.</extracomment>
        <translation>Version 0.1 (demo)</translation>
    </message>
</context>
<context>
    <name>pentavo::frmMain</name>
    <message>
        <source>Board</source>
        <extracomment>What a screen reader calls the playing board.</extracomment>
        <translation>Bräde</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Menyrad</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Verktygsfält</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statusfält</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <extracomment>Title of the printer dialog of File &gt; Page Setup.</extracomment>
        <translation>Sidinställningar</translation>
    </message>
    <message>
        <source>All Files (*.pnv)</source>
        <extracomment>The file dialog&apos;s filter for saved games; keep &quot;(*.pnv)&quot;.</extracomment>
        <translation>Sparade partier (*.pnv)</translation>
    </message>
    <message>
        <source>Empty file</source>
        <extracomment>Message box: the file dialog was closed without choosing a file.</extracomment>
        <translation>Tom fil</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Title of the file dialog that saves the game.</extracomment>
        <translation>Spara</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Title of the file dialog that opens a saved game.</extracomment>
        <translation>Öppna</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Filen ”%1” finns inte.</translation>
    </message>
    <message>
        <source>I win: %1 to %2</source>
        <extracomment>How the computer&apos;s line of five ended the game: its two end cells, e.g. F4, F8.</extracomment>
        <translation>Jag vann: %1 till %2</translation>
    </message>
    <message>
        <source>You win: %1 to %2</source>
        <extracomment>How the person&apos;s line of five ended the game: its two end cells, e.g. F4, F8.</extracomment>
        <translation>Du vann: %1 till %2</translation>
    </message>
    <message>
        <source>The game is over: there is no hint.</source>
        <translation>Partiet är slut: det finns inget tips.</translation>
    </message>
    <message>
        <source>The board is full: there is no hint.</source>
        <translation>Brädet är fullt: det finns inget tips.</translation>
    </message>
    <message>
        <source>Hint: %1.</source>
        <extracomment>Said when the person asks for a hint: the cell the computer would play for them, e.g. G7.</extracomment>
        <translation>Tips: %1.</translation>
    </message>
    <message>
        <source>15 by 15 cells. The arrow keys move the cursor, Home returns it to the centre, Enter or Space plays its cell, H moves it to a hint, L repeats the last two moves, R, C, D and F read its row, column and diagonals. %1 takes back the last turn, %2 puts it back.</source>
        <extracomment>What a screen reader says of the board&apos;s keys. %1 is the key of Edit &gt; Undo (Ctrl+Z), %2 that of Edit &gt; Redo (Ctrl+Y).</extracomment>
        <translation>15 gånger 15 rutor. Piltangenterna flyttar markören, Home för den tillbaka till mitten, Enter eller mellanslag spelar på dess ruta, H flyttar den till ett tips, L upprepar de två senaste dragen, R, C, D och F läser dess rad, kolumn och diagonaler. %1 ångrar den senaste omgången, %2 gör om den.</translation>
    </message>
</context>
<context>
    <name>pentavo::frmOptions</name>
    <message>
        <source>Partner selection</source>
        <extracomment>Options dialog: the frame around &quot;Computer first&quot; and &quot;Computer second&quot;. It chooses who moves first, not an opponent; say it by meaning (&quot;Who moves first?&quot;).</extracomment>
        <translation>Vem börjar?</translation>
    </message>
    <message>
        <source>Computer first</source>
        <extracomment>Option: the computer opens each new game with a cross in the centre. The computer scores the board for crosses at once.</extracomment>
        <translation>Datorn börjar</translation>
    </message>
    <message>
        <source>Computer second</source>
        <extracomment>Option: you open each new game; the computer moves second, with circles, and scores the board for circles at once.</extracomment>
        <translation>Du börjar</translation>
    </message>
    <message>
        <source>Undo moves</source>
        <extracomment>Check box: whether Edit &gt; Undo may take back moves. A permission (&quot;Allow taking back moves&quot;), with the same word as the Undo command.</extracomment>
        <translation>Tillåt att ångra drag</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>Check box: whether each move of the computer beeps.</extracomment>
        <translation>Ljud</translation>
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
            <numerusform>%n vinst i rad</numerusform>
            <numerusform>%n vinster i rad</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lost %n in a row</source>
        <extracomment>The current streak: games lost in a row.</extracomment>
        <translation>
            <numerusform>%n förlust i rad</numerusform>
            <numerusform>%n förluster i rad</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>The current streak when the last game was a draw, or before the first game.</extracomment>
        <translation>ingen</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Games won:</source>
        <translation>Vunna partier:</translation>
    </message>
    <message>
        <source>Games lost:</source>
        <translation>Förlorade partier:</translation>
    </message>
    <message>
        <source>Games drawn:</source>
        <translation>Oavgjorda partier:</translation>
    </message>
    <message>
        <source>Current streak:</source>
        <translation>Aktuell svit:</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>&amp;Nollställ...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Stäng</translation>
    </message>
    <message>
        <source>Set the games won, lost and drawn and the streak back to zero?</source>
        <translation>Nollställa vunna, förlorade och oavgjorda partier och sviten?</translation>
    </message>
</context>
</TS>
