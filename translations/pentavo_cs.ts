<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>Board</name>
    <message>
        <source>%1, cross, last move</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, cross, last move&quot;: the computer&apos;s last reply, marked by View &gt; Mark Last Move.</extracomment>
        <translation>%1, křížek, poslední tah</translation>
    </message>
    <message>
        <source>%1, circle, last move</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, circle, last move&quot;: the computer&apos;s last reply, marked by View &gt; Mark Last Move.</extracomment>
        <translation>%1, kolečko, poslední tah</translation>
    </message>
    <message>
        <source>%1, cross</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, cross&quot;.</extracomment>
        <translation>%1, křížek</translation>
    </message>
    <message>
        <source>%1, circle</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, circle&quot;.</extracomment>
        <translation>%1, kolečko</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, empty&quot;.</extracomment>
        <translation>%1, prázdné</translation>
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
        <translation>Použití: pentavo [SOUBOR]
Piškvorky proti počítači.

  SOUBOR       uložená partie (.pnv), která se otevře po začátku první hry
  -h, --help   vypíše tuto nápovědu a skončí
  --version    vypíše verzi a skončí
  --           co následuje, je soubor, i když začíná znakem „-“
</translation>
    </message>
    <message>
        <source>License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Licence GPLv3+: GNU GPL verze 3 nebo novější &lt;https://gnu.org/licenses/gpl.html&gt;.
Toto je svobodný software: smíte jej měnit a dále šířit.
Neposkytuje se ŽÁDNÁ ZÁRUKA, v rozsahu, který připouští zákon.
</translation>
    </message>
    <message>
        <source>pentavo: %1
Try &apos;pentavo --help&apos; for more.
</source>
        <translation>pentavo: %1
Více řekne „pentavo --help“.
</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>You win</source>
        <translation>Vyhráli jste!</translation>
    </message>
    <message>
        <source>I win</source>
        <translation>Vyhrál počítač</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Remíza</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>Move %1 names no cell (code %2).</source>
        <translation>Tah %1 neoznačuje žádné pole (kód %2).</translation>
    </message>
    <message>
        <source>Move %1 repeats the cell of move %2.</source>
        <translation>Tah %1 je na stejném poli jako tah %2.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>„%1“ nelze otevřít: %2</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>„%1“ nelze otevřít: %2.</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>„%1“ nelze uložit: %2</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2.</source>
        <translation>„%1“ nelze uložit: %2.</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Není to obyčejný soubor</translation>
    </message>
    <message>
        <source>Entry %1 of the move log does not fit in a byte (code %2).</source>
        <translation>Záznam %1 v seznamu tahů se nevejde do jednoho bajtu (kód %2).</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;: %2.</source>
        <translation>Soubor nápovědy „%1“ nelze otevřít: %2.</translation>
    </message>
    <message>
        <source>Cannot read the help file &quot;%1&quot;: %2.</source>
        <translation>Soubor nápovědy „%1“ nelze přečíst: %2.</translation>
    </message>
    <message>
        <source>The form can&apos;t be printed.</source>
        <translation>Okno nelze vytisknout.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>neznámá volba „%1“</translation>
    </message>
    <message>
        <source>an empty file name</source>
        <translation>prázdný název souboru</translation>
    </message>
    <message>
        <source>only one game record can be opened, but &apos;%1&apos; and &apos;%2&apos; were given</source>
        <translation>otevřít lze jen jeden záznam partie, zadány však byly „%1“ a „%2“</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>You %1, computer %2.</source>
        <extracomment>The person&apos;s move, then the computer&apos;s reply, e.g. &quot;You I9, computer H9.&quot;</extracomment>
        <translation>Vy %1, počítač %2.</translation>
    </message>
    <message>
        <source>Computer %1, you %2.</source>
        <extracomment>The computer&apos;s move, then the person&apos;s, e.g. &quot;Computer H8, you I9.&quot;</extracomment>
        <translation>Počítač %1, vy %2.</translation>
    </message>
    <message>
        <source>You %1.</source>
        <extracomment>The person&apos;s move alone, e.g. &quot;You I9.&quot;</extracomment>
        <translation>Vy %1.</translation>
    </message>
    <message>
        <source>Computer %1.</source>
        <extracomment>The computer&apos;s move alone, e.g. &quot;Computer H8.&quot;</extracomment>
        <translation>Počítač %1.</translation>
    </message>
    <message>
        <source>New game. %1</source>
        <extracomment>%1 is the opening&apos;s moves, a sentence such as &quot;Computer H8.&quot;</extracomment>
        <translation>Nová hra. %1</translation>
    </message>
    <message>
        <source>Nothing to take back.</source>
        <extracomment>Undo found no moves it may take back.</extracomment>
        <translation>Není co vrátit.</translation>
    </message>
    <message>
        <source>Taken back: you %1, computer %2.</source>
        <extracomment>Undo took back the person&apos;s move and the computer&apos;s reply; %1 and %2 are cells.</extracomment>
        <translation>Vráceno: vy %1, počítač %2.</translation>
    </message>
    <message>
        <source>Taken back: computer %1, you %2.</source>
        <extracomment>Undo took back the computer&apos;s move and then the person&apos;s; %1 and %2 are cells.</extracomment>
        <translation>Vráceno: počítač %1, vy %2.</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <extracomment>%1 is the turn&apos;s moves (&quot;You I9, computer H9.&quot;), %2 how the game ended (&quot;I win&quot;).</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message numerus="yes">
        <source>Opened %1: %n marks on the board. Your move.</source>
        <extracomment>A saved game was opened; %1 is its file name. The person moves next.</extracomment>
        <translation>
            <numerusform>Otevřeno %1: na ploše je %n značka. Jste na tahu.</numerusform>
            <numerusform>Otevřeno %1: na ploše jsou %n značky. Jste na tahu.</numerusform>
            <numerusform>Otevřeno %1: na ploše je %n značek. Jste na tahu.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is taken.</source>
        <extracomment>The person tried to play on a cell that holds a mark, e.g. &quot;H9 is taken.&quot;; nothing was played.</extracomment>
        <translation>%1 je obsazené.</translation>
    </message>
    <message>
        <source>The game is over. %1 starts a new game.</source>
        <extracomment>The person tried to play after the game ended; %1 is the key of File &gt; New, e.g. Ctrl+N.</extracomment>
        <translation>Partie skončila. %1 začne novou hru.</translation>
    </message>
    <message>
        <source>Row %1</source>
        <extracomment>A row of the board read out by its key; %1 is its number, 1 to 15.</extracomment>
        <translation>Řádek %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <extracomment>A column of the board read out by its key; %1 is its letter, A to O.</extracomment>
        <translation>Sloupec %1</translation>
    </message>
    <message>
        <source>Diagonal %1 to %2</source>
        <extracomment>A diagonal of the board read out by its key, from its first cell to its last.</extracomment>
        <translation>Úhlopříčka od %1 do %2</translation>
    </message>
    <message>
        <source>%1 cross</source>
        <extracomment>A cross on a line read out; %1 is where, e.g. &quot;H cross&quot; in row 9.</extracomment>
        <translation>%1 křížek</translation>
    </message>
    <message>
        <source>%1 circle</source>
        <extracomment>A circle on a line read out; %1 is where, e.g. &quot;I circle&quot; in row 9.</extracomment>
        <translation>%1 kolečko</translation>
    </message>
    <message>
        <source>%1: empty.</source>
        <extracomment>A line of the board without a mark; %1 is its name, e.g. &quot;Row 9&quot;.</extracomment>
        <translation>%1: vše prázdné.</translation>
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
            <numerusform>%1: %2; %n prázdné.</numerusform>
            <numerusform>%1: %2; %n prázdná.</numerusform>
            <numerusform>%1: %2; %n prázdných.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nová hra</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Otevřít...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Uložit</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>Nastavení &amp;stránky...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>Ná&amp;hled tisku</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Tisk...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Úpr&amp;avy</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Vrátit tah</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Zobrazení</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Panel ná&amp;strojů</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>Stavový řá&amp;dek</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;Možnosti...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Nápo&amp;věda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Obsah</translation>
    </message>
    <message>
        <source>&amp;About </source>
        <translation>&amp;O programu </translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nová hra</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otevřít</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Tisk</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Vrátit tah</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Copyright</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Společnost</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Upozornění</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verze</translation>
    </message>
    <message>
        <source>Platform</source>
        <translation>Platforma</translation>
    </message>
    <message>
        <source>CompanyProduct</source>
        <translation>Produkt společnosti</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>LicenseTo</source>
        <translation>Licencováno pro</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Možnosti</translation>
    </message>
    <message>
        <source>Sample 1</source>
        <translation>Ukázka 1</translation>
    </message>
    <message>
        <source>Sample 2</source>
        <translation>Ukázka 2</translation>
    </message>
    <message>
        <source>Sample 3</source>
        <translation>Ukázka 3</translation>
    </message>
    <message>
        <source>Sample 4</source>
        <translation>Ukázka 4</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Použít</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>About Pentavo</source>
        <translation>O programu Pentavo</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Informace o systému...</translation>
    </message>
    <message>
        <source>Warning: ...</source>
        <translation>Upozornění: ...</translation>
    </message>
    <message>
        <source>Application Title</source>
        <translation>Název aplikace</translation>
    </message>
    <message>
        <source>App Description</source>
        <translation>Popis aplikace</translation>
    </message>
    <message>
        <source>Mark &amp;Last Move</source>
        <translation>Označit &amp;poslední tah</translation>
    </message>
</context>
<context>
    <name>pentavo::HelpViewer</name>
    <message>
        <source>Pentavo Help</source>
        <translation>Nápověda Pentavo</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Text nápovědy</translation>
    </message>
    <message>
        <source>Help toolbar</source>
        <translation>Panel nápovědy</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Úvod</translation>
    </message>
</context>
<context>
    <name>pentavo::StatusBar</name>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
</context>
<context>
    <name>pentavo::frmAbout</name>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>How the release date is written, in QDate::toString&apos;s letters.</extracomment>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>Released %1
Questions and ideas: %2</source>
        <translation>Vydáno %1
Dotazy a nápady: %2</translation>
    </message>
    <message>
        <source>Free software, GNU GPL 3 or later, no warranty.</source>
        <translation>Svobodný software, GNU GPL 3 nebo novější, bez záruky.</translation>
    </message>
    <message>
        <source>Version 0.1 (demo)</source>
        <translation>Verze 0.1 (demoverze)</translation>
    </message>
</context>
<context>
    <name>pentavo::frmMain</name>
    <message>
        <source>Board</source>
        <translation>Hrací plocha</translation>
    </message>
    <message>
        <source>15 by 15 cells. The arrow keys move the cursor, Home returns it to the centre, Enter or Space plays its cell, L repeats the last two moves.</source>
        <translation>15 × 15 polí. Šipky posouvají kurzor, Home jej vrátí doprostřed, Enter nebo mezerník táhne na jeho pole, L zopakuje poslední dva tahy.</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Panel nabídek</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Panel nástrojů</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Stavový řádek</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Nastavení stránky</translation>
    </message>
    <message>
        <source>All Files (*.pnv)</source>
        <translation>Záznamy partií (*.pnv)</translation>
    </message>
    <message>
        <source>Empty file</source>
        <translation>Prázdný soubor</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Uložit</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otevřít</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Soubor „%1“ neexistuje.</translation>
    </message>
</context>
<context>
    <name>pentavo::frmOptions</name>
    <message>
        <source>Partner selection</source>
        <translation>Kdo začíná</translation>
    </message>
    <message>
        <source>Computer first</source>
        <translation>Začíná počítač</translation>
    </message>
    <message>
        <source>Computer second</source>
        <translation>Začínáte vy</translation>
    </message>
    <message>
        <source>Undo moves</source>
        <translation>Povolit vracení tahů</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Zvuk</translation>
    </message>
</context>
<context>
    <name>pentavo::frmSplash</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Verze %1.%2.%3</translation>
    </message>
</context>
</TS>
