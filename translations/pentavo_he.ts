<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>Board</name>
    <message>
        <source>%1, cross, last move</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, cross, last move&quot;: the computer&apos;s last reply, marked by View &gt; Mark Last Move.</extracomment>
        <translation>%1, איקס, המהלך האחרון</translation>
    </message>
    <message>
        <source>%1, circle, last move</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, circle, last move&quot;: the computer&apos;s last reply, marked by View &gt; Mark Last Move.</extracomment>
        <translation>%1, עיגול, המהלך האחרון</translation>
    </message>
    <message>
        <source>%1, cross</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, cross&quot;.</extracomment>
        <translation>%1, איקס</translation>
    </message>
    <message>
        <source>%1, circle</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, circle&quot;.</extracomment>
        <translation>%1, עיגול</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, empty&quot;.</extracomment>
        <translation>%1, ריקה</translation>
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
        <translation>שימוש: pentavo [קובץ]
חמש בשורה נגד המחשב.

  קובץ         משחק שמור (.pnv) שייפתח אחרי שהמשחק הראשון התחיל
  -h, --help   הצגת העזרה הזאת ויציאה
  --version    הצגת הגרסה ויציאה
  --           מה שבא אחריו הוא הקובץ, גם אם הוא מתחיל ב־&apos;-&apos;
</translation>
    </message>
    <message>
        <source>License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>רישיון GPLv3+‎: GNU GPL גרסה 3 ואילך &lt;https://gnu.org/licenses/gpl.html&gt;.
זוהי תוכנה חופשית: מותר לשנות ולהפיץ אותה.
אין שום אחריות, במידה המותרת בחוק.
</translation>
    </message>
    <message>
        <source>pentavo: %1
Try &apos;pentavo --help&apos; for more.
</source>
        <translation>pentavo: %1
לעוד פרטים: &apos;pentavo --help&apos;.
</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>You win</source>
        <translation>ניצחת!</translation>
    </message>
    <message>
        <source>I win</source>
        <translation>המחשב ניצח</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>תיקו</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>Move %1 names no cell (code %2).</source>
        <translation>מהלך %1 אינו מציין משבצת (קוד %2).</translation>
    </message>
    <message>
        <source>Move %1 repeats the cell of move %2.</source>
        <translation>מהלך %1 נמצא באותה משבצת כמו מהלך %2.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>לא ניתן לפתוח את &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>לא ניתן לפתוח את &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>לא ניתן לשמור את &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2.</source>
        <translation>לא ניתן לשמור את &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>זה לא קובץ רגיל</translation>
    </message>
    <message>
        <source>Entry %1 of the move log does not fit in a byte (code %2).</source>
        <translation>רשומה %1 ברישום המהלכים אינה נכנסת בבית אחד (קוד %2).</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;: %2.</source>
        <translation>לא ניתן לפתוח את קובץ העזרה &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>Cannot read the help file &quot;%1&quot;: %2.</source>
        <translation>לא ניתן לקרוא את קובץ העזרה &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The form can&apos;t be printed.</source>
        <translation>לא ניתן להדפיס את החלון.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>אפשרות לא מוכרת &apos;%1&apos;</translation>
    </message>
    <message>
        <source>an empty file name</source>
        <translation>שם קובץ ריק</translation>
    </message>
    <message>
        <source>only one game record can be opened, but &apos;%1&apos; and &apos;%2&apos; were given</source>
        <translation>אפשר לפתוח רק רישום משחק אחד, אבל ניתנו &apos;%1&apos; ו־&apos;%2&apos;</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>You %1, computer %2.</source>
        <extracomment>The person&apos;s move, then the computer&apos;s reply, e.g. &quot;You I9, computer H9.&quot;</extracomment>
        <translation>אתה %1, המחשב %2.</translation>
    </message>
    <message>
        <source>Computer %1, you %2.</source>
        <extracomment>The computer&apos;s move, then the person&apos;s, e.g. &quot;Computer H8, you I9.&quot;</extracomment>
        <translation>המחשב %1, אתה %2.</translation>
    </message>
    <message>
        <source>You %1.</source>
        <extracomment>The person&apos;s move alone, e.g. &quot;You I9.&quot;</extracomment>
        <translation>אתה %1.</translation>
    </message>
    <message>
        <source>Computer %1.</source>
        <extracomment>The computer&apos;s move alone, e.g. &quot;Computer H8.&quot;</extracomment>
        <translation>המחשב %1.</translation>
    </message>
    <message>
        <source>New game. %1</source>
        <extracomment>%1 is the opening&apos;s moves, a sentence such as &quot;Computer H8.&quot;</extracomment>
        <translation>משחק חדש. %1</translation>
    </message>
    <message>
        <source>Nothing to take back.</source>
        <extracomment>Undo found no moves it may take back.</extracomment>
        <translation>אין מהלכים להחזיר.</translation>
    </message>
    <message>
        <source>Taken back: you %1, computer %2.</source>
        <extracomment>Undo took back the person&apos;s move and the computer&apos;s reply; %1 and %2 are cells.</extracomment>
        <translation>הוחזרו: אתה %1, המחשב %2.</translation>
    </message>
    <message>
        <source>Taken back: computer %1, you %2.</source>
        <extracomment>Undo took back the computer&apos;s move and then the person&apos;s; %1 and %2 are cells.</extracomment>
        <translation>הוחזרו: המחשב %1, אתה %2.</translation>
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
            <numerusform>נפתח %1: על הלוח סימן אחד. תורך.</numerusform>
            <numerusform>נפתח %1: על הלוח %n סימנים. תורך.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is taken.</source>
        <extracomment>The person tried to play on a cell that holds a mark, e.g. &quot;H9 is taken.&quot;; nothing was played.</extracomment>
        <translation>%1 תפוסה.</translation>
    </message>
    <message>
        <source>The game is over. %1 starts a new game.</source>
        <extracomment>The person tried to play after the game ended; %1 is the key of File &gt; New, e.g. Ctrl+N.</extracomment>
        <translation>המשחק נגמר. %1 מתחיל משחק חדש.</translation>
    </message>
    <message>
        <source>Row %1</source>
        <extracomment>A row of the board read out by its key; %1 is its number, 1 to 15.</extracomment>
        <translation>שורה %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <extracomment>A column of the board read out by its key; %1 is its letter, A to O.</extracomment>
        <translation>עמודה %1</translation>
    </message>
    <message>
        <source>Diagonal %1 to %2</source>
        <extracomment>A diagonal of the board read out by its key, from its first cell to its last.</extracomment>
        <translation>אלכסון %1 עד %2</translation>
    </message>
    <message>
        <source>%1 cross</source>
        <extracomment>A cross on a line read out; %1 is where, e.g. &quot;H cross&quot; in row 9.</extracomment>
        <translation>%1 איקס</translation>
    </message>
    <message>
        <source>%1 circle</source>
        <extracomment>A circle on a line read out; %1 is where, e.g. &quot;I circle&quot; in row 9.</extracomment>
        <translation>%1 עיגול</translation>
    </message>
    <message>
        <source>%1: empty.</source>
        <extracomment>A line of the board without a mark; %1 is its name, e.g. &quot;Row 9&quot;.</extracomment>
        <translation>%1: אין סימנים.</translation>
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
            <numerusform>%1: %2; משבצת ריקה אחת.</numerusform>
            <numerusform>%1: %2; %n משבצות ריקות.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;קובץ</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>משחק &amp;חדש</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;פתיחה...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;שמירה</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>הגדרת &amp;עמוד...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;תצוגה לפני הדפסה</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;הדפסה...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;יציאה</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;עריכה</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>ה&amp;חזרת מהלך</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;תצוגה</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>סרגל &amp;כלים</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>שורת &amp;מצב</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>&amp;אפשרויות...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ע&amp;זרה</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;תוכן העניינים</translation>
    </message>
    <message>
        <source>&amp;About </source>
        <translation>&amp;אודות </translation>
    </message>
    <message>
        <source>New</source>
        <translation>משחק חדש</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>פתיחה</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>שמירה</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>הדפסה</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>החזרת מהלך</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>זכויות יוצרים</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>חברה</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>אזהרה</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>גרסה</translation>
    </message>
    <message>
        <source>Platform</source>
        <translation>פלטפורמה</translation>
    </message>
    <message>
        <source>CompanyProduct</source>
        <translation>מוצר החברה</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>מוצר</translation>
    </message>
    <message>
        <source>LicenseTo</source>
        <translation>בעל הרישיון</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>אפשרויות</translation>
    </message>
    <message>
        <source>Sample 1</source>
        <translation>דוגמה 1</translation>
    </message>
    <message>
        <source>Sample 2</source>
        <translation>דוגמה 2</translation>
    </message>
    <message>
        <source>Sample 3</source>
        <translation>דוגמה 3</translation>
    </message>
    <message>
        <source>Sample 4</source>
        <translation>דוגמה 4</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>ה&amp;חלה</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
    </message>
    <message>
        <source>About Pentavo</source>
        <translation>אודות Pentavo</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;מידע על המערכת...</translation>
    </message>
    <message>
        <source>Warning: ...</source>
        <translation>אזהרה: ...</translation>
    </message>
    <message>
        <source>Application Title</source>
        <translation>כותרת היישום</translation>
    </message>
    <message>
        <source>App Description</source>
        <translation>תיאור היישום</translation>
    </message>
    <message>
        <source>Mark &amp;Last Move</source>
        <translation>&amp;סימון המהלך האחרון</translation>
    </message>
</context>
<context>
    <name>pentavo::HelpViewer</name>
    <message>
        <source>Pentavo Help</source>
        <translation>העזרה של Pentavo</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>טקסט העזרה</translation>
    </message>
    <message>
        <source>Help toolbar</source>
        <translation>סרגל העזרה</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>אחורה</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>התחלה</translation>
    </message>
</context>
<context>
    <name>pentavo::StatusBar</name>
    <message>
        <source>Status</source>
        <translation>מצב</translation>
    </message>
</context>
<context>
    <name>pentavo::frmAbout</name>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>How the release date is written, in QDate::toString&apos;s letters.</extracomment>
        <translation>d &apos;ב&apos;MMMM yyyy</translation>
    </message>
    <message>
        <source>Released %1
Questions and ideas: %2</source>
        <translation>יצא לאור ב־%1
שאלות ורעיונות: %2</translation>
    </message>
    <message>
        <source>Free software, GNU GPL 3 or later, no warranty.</source>
        <translation>תוכנה חופשית, GNU GPL 3 ואילך, ללא אחריות.</translation>
    </message>
    <message>
        <source>Version 0.1 (demo)</source>
        <translation>גרסה 0.1 (הדגמה)</translation>
    </message>
</context>
<context>
    <name>pentavo::frmMain</name>
    <message>
        <source>Board</source>
        <translation>לוח המשחק</translation>
    </message>
    <message>
        <source>15 by 15 cells. The arrow keys move the cursor, Home returns it to the centre, Enter or Space plays its cell, L repeats the last two moves.</source>
        <translation>15 על 15 משבצות. מקשי החצים מזיזים את הסמן, Home מחזיר אותו למרכז, Enter או רווח משחקים במשבצת שלו, L חוזר על שני המהלכים האחרונים.</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>סרגל התפריטים</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>סרגל הכלים</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>שורת המצב</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>הגדרת עמוד</translation>
    </message>
    <message>
        <source>All Files (*.pnv)</source>
        <translation>רישומי משחק (*.pnv)</translation>
    </message>
    <message>
        <source>Empty file</source>
        <translation>קובץ ריק</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>שמירה</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>פתיחה</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>הקובץ &quot;%1&quot; אינו קיים.</translation>
    </message>
</context>
<context>
    <name>pentavo::frmOptions</name>
    <message>
        <source>Partner selection</source>
        <translation>מי מתחיל?</translation>
    </message>
    <message>
        <source>Computer first</source>
        <translation>המחשב מתחיל</translation>
    </message>
    <message>
        <source>Computer second</source>
        <translation>אתה מתחיל</translation>
    </message>
    <message>
        <source>Undo moves</source>
        <translation>לאפשר החזרת מהלכים</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>צליל</translation>
    </message>
</context>
<context>
    <name>pentavo::frmSplash</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>גרסה %1.%2.%3</translation>
    </message>
</context>
</TS>
