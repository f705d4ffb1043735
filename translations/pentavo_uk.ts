<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>Board</name>
    <message>
        <source>%1, cross, last move</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, cross, last move&quot;: the computer&apos;s last reply, marked by View &gt; Mark Last Move.</extracomment>
        <translation>%1, хрестик, останній хід</translation>
    </message>
    <message>
        <source>%1, circle, last move</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, circle, last move&quot;: the computer&apos;s last reply, marked by View &gt; Mark Last Move.</extracomment>
        <translation>%1, нулик, останній хід</translation>
    </message>
    <message>
        <source>%1, cross</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, cross&quot;.</extracomment>
        <translation>%1, хрестик</translation>
    </message>
    <message>
        <source>%1, circle</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, circle&quot;.</extracomment>
        <translation>%1, нулик</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, empty&quot;.</extracomment>
        <translation>%1, порожня</translation>
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
        <translation>Використання: pentavo [ФАЙЛ]
П’ять у ряд проти комп’ютера.

  ФАЙЛ         збережена партія (.pnv), яку буде відкрито, щойно почнеться перша партія
  -h, --help   показати цю довідку й вийти
  --version    показати версію й вийти
  --           вважати наступне назвою файлу, навіть якщо воно починається з «-»
</translation>
    </message>
    <message>
        <source>License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>Ліцензія GPLv3+: GNU GPL версії 3 або новішої &lt;https://gnu.org/licenses/gpl.html&gt;.
Це вільна програма: ви можете змінювати й поширювати її.
ЖОДНИХ ГАРАНТІЙ, наскільки це дозволяє закон.
</translation>
    </message>
    <message>
        <source>pentavo: %1
Try &apos;pentavo --help&apos; for more.
</source>
        <translation>pentavo: %1
Докладніше: «pentavo --help».
</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>You win</source>
        <translation>Ви виграли</translation>
    </message>
    <message>
        <source>I win</source>
        <translation>Я виграв</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Нічия</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>Move %1 names no cell (code %2).</source>
        <translation>Хід %1 не вказує на жодну клітинку (код %2).</translation>
    </message>
    <message>
        <source>Move %1 repeats the cell of move %2.</source>
        <translation>Хід %1 зроблено в ту саму клітинку, що й хід %2.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>Не вдалося відкрити «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>Не вдалося відкрити «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>Не вдалося зберегти «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2.</source>
        <translation>Не вдалося зберегти «%1»: %2.</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <translation>Це не звичайний файл</translation>
    </message>
    <message>
        <source>Entry %1 of the move log does not fit in a byte (code %2).</source>
        <translation>Запис %1 у списку ходів не вміщується в байт (код %2).</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;: %2.</source>
        <translation>Не вдалося відкрити файл довідки «%1»: %2.</translation>
    </message>
    <message>
        <source>Cannot read the help file &quot;%1&quot;: %2.</source>
        <translation>Не вдалося прочитати файл довідки «%1»: %2.</translation>
    </message>
    <message>
        <source>The form can&apos;t be printed.</source>
        <translation>Не вдалося надрукувати вікно.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>невідомий параметр «%1»</translation>
    </message>
    <message>
        <source>an empty file name</source>
        <translation>порожня назва файлу</translation>
    </message>
    <message>
        <source>only one game record can be opened, but &apos;%1&apos; and &apos;%2&apos; were given</source>
        <translation>відкрити можна лише одну партію, а вказано і «%1», і «%2»</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>You %1, computer %2.</source>
        <extracomment>The person&apos;s move, then the computer&apos;s reply, e.g. &quot;You I9, computer H9.&quot;</extracomment>
        <translation>Ви %1, комп’ютер %2.</translation>
    </message>
    <message>
        <source>Computer %1, you %2.</source>
        <extracomment>The computer&apos;s move, then the person&apos;s, e.g. &quot;Computer H8, you I9.&quot;</extracomment>
        <translation>Комп’ютер %1, ви %2.</translation>
    </message>
    <message>
        <source>You %1.</source>
        <extracomment>The person&apos;s move alone, e.g. &quot;You I9.&quot;</extracomment>
        <translation>Ви %1.</translation>
    </message>
    <message>
        <source>Computer %1.</source>
        <extracomment>The computer&apos;s move alone, e.g. &quot;Computer H8.&quot;</extracomment>
        <translation>Комп’ютер %1.</translation>
    </message>
    <message>
        <source>New game. %1</source>
        <extracomment>%1 is the opening&apos;s moves, a sentence such as &quot;Computer H8.&quot;</extracomment>
        <translation>Нова партія. %1</translation>
    </message>
    <message>
        <source>Nothing to take back.</source>
        <extracomment>Undo found no moves it may take back.</extracomment>
        <translation>Немає ходів, які можна скасувати.</translation>
    </message>
    <message>
        <source>Taken back: you %1, computer %2.</source>
        <extracomment>Undo took back the person&apos;s move and the computer&apos;s reply; %1 and %2 are cells.</extracomment>
        <translation>Скасовано: ви %1, комп’ютер %2.</translation>
    </message>
    <message>
        <source>Taken back: computer %1, you %2.</source>
        <extracomment>Undo took back the computer&apos;s move and then the person&apos;s; %1 and %2 are cells.</extracomment>
        <translation>Скасовано: комп’ютер %1, ви %2.</translation>
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
            <numerusform>Відкрито %1: на дошці %n знак. Ваш хід.</numerusform>
            <numerusform>Відкрито %1: на дошці %n знаки. Ваш хід.</numerusform>
            <numerusform>Відкрито %1: на дошці %n знаків. Ваш хід.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is taken.</source>
        <extracomment>The person tried to play on a cell that holds a mark, e.g. &quot;H9 is taken.&quot;; nothing was played.</extracomment>
        <translation>%1 зайнята.</translation>
    </message>
    <message>
        <source>The game is over. %1 starts a new game.</source>
        <extracomment>The person tried to play after the game ended; %1 is the key of File &gt; New, e.g. Ctrl+N.</extracomment>
        <translation>Партію закінчено. %1 починає нову партію.</translation>
    </message>
    <message>
        <source>Row %1</source>
        <extracomment>A row of the board read out by its key; %1 is its number, 1 to 15.</extracomment>
        <translation>Рядок %1</translation>
    </message>
    <message>
        <source>Column %1</source>
        <extracomment>A column of the board read out by its key; %1 is its letter, A to O.</extracomment>
        <translation>Стовпець %1</translation>
    </message>
    <message>
        <source>Diagonal %1 to %2</source>
        <extracomment>A diagonal of the board read out by its key, from its first cell to its last.</extracomment>
        <translation>Діагональ від %1 до %2</translation>
    </message>
    <message>
        <source>%1 cross</source>
        <extracomment>A cross on a line read out; %1 is where, e.g. &quot;H cross&quot; in row 9.</extracomment>
        <translation>%1 хрестик</translation>
    </message>
    <message>
        <source>%1 circle</source>
        <extracomment>A circle on a line read out; %1 is where, e.g. &quot;I circle&quot; in row 9.</extracomment>
        <translation>%1 нулик</translation>
    </message>
    <message>
        <source>%1: empty.</source>
        <extracomment>A line of the board without a mark; %1 is its name, e.g. &quot;Row 9&quot;.</extracomment>
        <translation>%1: порожньо.</translation>
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
            <numerusform>%1: %2; %n порожня.</numerusform>
            <numerusform>%1: %2; %n порожні.</numerusform>
            <numerusform>%1: %2; %n порожніх.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Нова партія</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Відкрити...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Зберегти</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>Параметри с&amp;торінки...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>&amp;Попередній перегляд</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Друк...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Ви&amp;йти</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Зміни</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Скасувати хід</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Перегляд</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>Панель &amp;інструментів</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>&amp;Рядок стану</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>П&amp;араметри...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Довідка</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Зміст</translation>
    </message>
    <message>
        <source>&amp;About </source>
        <translation>&amp;Про програму </translation>
    </message>
    <message>
        <source>New</source>
        <translation>Нова партія</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Друк</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Скасувати хід</translation>
    </message>
    <message>
        <source>Copyright</source>
        <translation>Авторські права</translation>
    </message>
    <message>
        <source>Company</source>
        <translation>Компанія</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Попередження</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Версія</translation>
    </message>
    <message>
        <source>Platform</source>
        <translation>Платформа</translation>
    </message>
    <message>
        <source>CompanyProduct</source>
        <translation>Продукт компанії</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Продукт</translation>
    </message>
    <message>
        <source>LicenseTo</source>
        <translation>Ліцензовано для</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметри</translation>
    </message>
    <message>
        <source>Sample 1</source>
        <translation>Зразок 1</translation>
    </message>
    <message>
        <source>Sample 2</source>
        <translation>Зразок 2</translation>
    </message>
    <message>
        <source>Sample 3</source>
        <translation>Зразок 3</translation>
    </message>
    <message>
        <source>Sample 4</source>
        <translation>Зразок 4</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>&amp;Застосувати</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Скасувати</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Гаразд</translation>
    </message>
    <message>
        <source>About Pentavo</source>
        <translation>Про Pentavo</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Відомості про систему...</translation>
    </message>
    <message>
        <source>Warning: ...</source>
        <translation>Попередження: ...</translation>
    </message>
    <message>
        <source>Application Title</source>
        <translation>Назва програми</translation>
    </message>
    <message>
        <source>App Description</source>
        <translation>Опис програми</translation>
    </message>
    <message>
        <source>Mark &amp;Last Move</source>
        <translation>Позначати &amp;останній хід</translation>
    </message>
</context>
<context>
    <name>pentavo::HelpViewer</name>
    <message>
        <source>Pentavo Help</source>
        <translation>Довідка Pentavo</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Текст довідки</translation>
    </message>
    <message>
        <source>Help toolbar</source>
        <translation>Панель інструментів довідки</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>На початок</translation>
    </message>
</context>
<context>
    <name>pentavo::StatusBar</name>
    <message>
        <source>Status</source>
        <translation>Стан</translation>
    </message>
</context>
<context>
    <name>pentavo::frmAbout</name>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>How the release date is written, in QDate::toString&apos;s letters.</extracomment>
        <translation>d MMMM yyyy &apos;р.&apos;</translation>
    </message>
    <message>
        <source>Released %1
Questions and ideas: %2</source>
        <translation>Випуск від %1
Питання та ідеї: %2</translation>
    </message>
    <message>
        <source>Free software, GNU GPL 3 or later, no warranty.</source>
        <translation>Вільна програма, GNU GPL 3 або новіша, без гарантій.</translation>
    </message>
    <message>
        <source>Version 0.1 (demo)</source>
        <translation>Версія 0.1 (демо)</translation>
    </message>
</context>
<context>
    <name>pentavo::frmMain</name>
    <message>
        <source>Board</source>
        <translation>Дошка</translation>
    </message>
    <message>
        <source>15 by 15 cells. The arrow keys move the cursor, Home returns it to the centre, Enter or Space plays its cell, L repeats the last two moves.</source>
        <translation>15 на 15 клітинок. Стрілки пересувають курсор, Home повертає його в центр, Enter або пробіл робить хід у його клітинку, L повторює два останні ходи.</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>Рядок меню</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Панель інструментів</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Рядок стану</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <translation>Параметри сторінки</translation>
    </message>
    <message>
        <source>All Files (*.pnv)</source>
        <translation>Партії Pentavo (*.pnv)</translation>
    </message>
    <message>
        <source>Empty file</source>
        <translation>Порожній файл</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Зберегти</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Відкрити</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Файлу «%1» не існує.</translation>
    </message>
</context>
<context>
    <name>pentavo::frmOptions</name>
    <message>
        <source>Partner selection</source>
        <translation>Хто починає?</translation>
    </message>
    <message>
        <source>Computer first</source>
        <translation>Комп’ютер починає</translation>
    </message>
    <message>
        <source>Computer second</source>
        <translation>Ви починаєте</translation>
    </message>
    <message>
        <source>Undo moves</source>
        <translation>Дозволити скасовувати ходи</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Звук</translation>
    </message>
</context>
<context>
    <name>pentavo::frmSplash</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>Версія %1.%2.%3</translation>
    </message>
</context>
</TS>
