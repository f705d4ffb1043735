<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>Board</name>
    <message>
        <source>%1, cross, last move</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, cross, last move&quot;: the computer&apos;s last reply, marked by View &gt; Mark Last Move.</extracomment>
        <translation>%1, X표, 마지막 수</translation>
    </message>
    <message>
        <source>%1, circle, last move</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, circle, last move&quot;: the computer&apos;s last reply, marked by View &gt; Mark Last Move.</extracomment>
        <translation>%1, O표, 마지막 수</translation>
    </message>
    <message>
        <source>%1, cross</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, cross&quot;.</extracomment>
        <translation>%1, X표</translation>
    </message>
    <message>
        <source>%1, circle</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, circle&quot;.</extracomment>
        <translation>%1, O표</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, empty&quot;.</extracomment>
        <translation>%1, 빈칸</translation>
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
        <translation>사용법: pentavo [파일]
컴퓨터와 두는 오목.

  파일         첫 판이 시작된 뒤에 열, 저장된 판(.pnv)
  -h, --help   이 도움말을 보여 주고 끝냅니다
  --version    버전을 보여 주고 끝냅니다
  --           뒤에 오는 것을 &apos;-&apos;로 시작하더라도 파일 이름으로 받습니다
</translation>
    </message>
    <message>
        <source>License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>라이선스 GPLv3+: GNU GPL 버전 3 이상 &lt;https://gnu.org/licenses/gpl.html&gt;.
이 프로그램은 자유 소프트웨어입니다. 자유롭게 고치고 다시 배포할 수 있습니다.
법이 허용하는 범위 안에서 어떠한 보증도 없습니다.
</translation>
    </message>
    <message>
        <source>pentavo: %1
Try &apos;pentavo --help&apos; for more.
</source>
        <translation>pentavo: %1
더 알아보려면 &apos;pentavo --help&apos;를 실행하세요.
</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>You win</source>
        <extracomment>Message box: your move completed five in a row.</extracomment>
        <translation>이겼습니다!</translation>
    </message>
    <message>
        <source>I win</source>
        <extracomment>Message box: the computer completed five in a row; &quot;I&quot; is the computer.</extracomment>
        <translation>컴퓨터가 이겼습니다</translation>
    </message>
    <message>
        <source>Draw</source>
        <extracomment>Message box: the board is full and nobody has five in a row; the game is drawn.</extracomment>
        <translation>무승부입니다</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>Move %1 names no cell (code %2).</source>
        <extracomment>A saved game is refused: %1 is the number of the move in the game (1 for the first), %2 the byte read from the file.</extracomment>
        <translation>%1번째 수가 가리키는 칸이 없습니다(코드 %2).</translation>
    </message>
    <message>
        <source>Move %1 repeats the cell of move %2.</source>
        <extracomment>A saved game is refused: move number %1 puts a mark on the cell that move number %2 already took.</extracomment>
        <translation>%1번째 수가 %2번째 수와 같은 칸에 놓였습니다.</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; 파일을 열 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>&quot;%1&quot; 파일을 열 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>&quot;%1&quot; 파일을 저장할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2.</source>
        <translation>&quot;%1&quot; 파일을 저장할 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <extracomment>Why a game cannot be opened or saved: the name is a folder or a device, not a file.</extracomment>
        <translation>일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>Entry %1 of the move log does not fit in a byte (code %2).</source>
        <extracomment>Saving fails: %1 is the place in the list of the game&apos;s moves, %2 the move&apos;s code, which a file of one byte per move cannot hold.</extracomment>
        <translation>기보의 %1번째 항목이 1바이트에 들어가지 않습니다(코드 %2).</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;: %2.</source>
        <translation>도움말 파일 &quot;%1&quot;을(를) 열 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>Cannot read the help file &quot;%1&quot;: %2.</source>
        <translation>도움말 파일 &quot;%1&quot;을(를) 읽을 수 없습니다: %2.</translation>
    </message>
    <message>
        <source>The form can&apos;t be printed.</source>
        <extracomment>Printing failed; &quot;the form&quot; is the main window with the board.</extracomment>
        <translation>창을 인쇄할 수 없습니다.</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>알 수 없는 옵션 &apos;%1&apos;</translation>
    </message>
    <message>
        <source>an empty file name</source>
        <translation>파일 이름이 비어 있습니다</translation>
    </message>
    <message>
        <source>only one game record can be opened, but &apos;%1&apos; and &apos;%2&apos; were given</source>
        <translation>기보는 하나만 열 수 있는데 &apos;%1&apos;과(와) &apos;%2&apos;이(가) 주어졌습니다</translation>
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
        <translation>나 %1, 컴퓨터 %2.</translation>
    </message>
    <message>
        <source>Computer %1, you %2.</source>
        <extracomment>The computer&apos;s move, then the person&apos;s, e.g. &quot;Computer H8, you I9.&quot;</extracomment>
        <translation>컴퓨터 %1, 나 %2.</translation>
    </message>
    <message>
        <source>You %1.</source>
        <extracomment>The person&apos;s move alone, e.g. &quot;You I9.&quot;</extracomment>
        <translation>나 %1.</translation>
    </message>
    <message>
        <source>Computer %1.</source>
        <extracomment>The computer&apos;s move alone, e.g. &quot;Computer H8.&quot;</extracomment>
        <translation>컴퓨터 %1.</translation>
    </message>
    <message>
        <source>New game. %1</source>
        <extracomment>%1 is the opening&apos;s moves, a sentence such as &quot;Computer H8.&quot;</extracomment>
        <translation>새 판. %1</translation>
    </message>
    <message>
        <source>Nothing to take back.</source>
        <extracomment>Undo found no moves it may take back.</extracomment>
        <translation>무를 수가 없습니다.</translation>
    </message>
    <message>
        <source>Taken back: you %1, computer %2.</source>
        <extracomment>Undo took back the person&apos;s move and the computer&apos;s reply; %1 and %2 are cells.</extracomment>
        <translation>물린 수: 나 %1, 컴퓨터 %2.</translation>
    </message>
    <message>
        <source>Taken back: computer %1, you %2.</source>
        <extracomment>Undo took back the computer&apos;s move and then the person&apos;s; %1 and %2 are cells.</extracomment>
        <translation>물린 수: 컴퓨터 %1, 나 %2.</translation>
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
            <numerusform>%1을(를) 열었습니다. 오목판에 표 %n개, 내 차례입니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is taken.</source>
        <extracomment>The person tried to play on a cell that holds a mark, e.g. &quot;H9 is taken.&quot;; nothing was played.</extracomment>
        <translation>%1에는 이미 표가 있습니다.</translation>
    </message>
    <message>
        <source>The game is over. %1 starts a new game.</source>
        <extracomment>The person tried to play after the game ended; %1 is the key of File &gt; New, e.g. Ctrl+N.</extracomment>
        <translation>판이 끝났습니다. %1 키를 누르면 새 판을 시작합니다.</translation>
    </message>
    <message>
        <source>Row %1</source>
        <extracomment>A row of the board read out by its key; %1 is its number, 1 to 15.</extracomment>
        <translation>%1행</translation>
    </message>
    <message>
        <source>Column %1</source>
        <extracomment>A column of the board read out by its key; %1 is its letter, A to O.</extracomment>
        <translation>%1열</translation>
    </message>
    <message>
        <source>Diagonal %1 to %2</source>
        <extracomment>A diagonal of the board read out by its key, from its first cell to its last.</extracomment>
        <translation>%1에서 %2까지 대각선</translation>
    </message>
    <message>
        <source>%1 cross</source>
        <extracomment>A cross on a line read out; %1 is where, e.g. &quot;H cross&quot; in row 9.</extracomment>
        <translation>%1 X표</translation>
    </message>
    <message>
        <source>%1 circle</source>
        <extracomment>A circle on a line read out; %1 is where, e.g. &quot;I circle&quot; in row 9.</extracomment>
        <translation>%1 O표</translation>
    </message>
    <message>
        <source>%1: empty.</source>
        <extracomment>A line of the board without a mark; %1 is its name, e.g. &quot;Row 9&quot;.</extracomment>
        <translation>%1: 빈칸.</translation>
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
            <numerusform>%1: %2; 빈칸 %n개.</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to put back.</source>
        <extracomment>Redo found no moves that Undo had taken back.</extracomment>
        <translation>다시 둘 수가 없습니다.</translation>
    </message>
    <message>
        <source>Put back: you %1, computer %2.</source>
        <extracomment>Redo put back the person&apos;s move and the computer&apos;s reply; %1 and %2 are cells.</extracomment>
        <translation>다시 둠: 나 %1, 컴퓨터 %2.</translation>
    </message>
    <message>
        <source>Put back: computer %1, you %2.</source>
        <extracomment>Redo put back the computer&apos;s move and then the person&apos;s; %1 and %2 are cells.</extracomment>
        <translation>다시 둠: 컴퓨터 %1, 나 %2.</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>&amp;File</source>
        <translation>파일(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>새 판(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>열기(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>저장(&amp;S)</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>페이지 설정(&amp;U)...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>인쇄 미리 보기(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>인쇄(&amp;P)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>끝내기(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>편집(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <extracomment>Edit menu: takes back the last two moves, yours and the computer&apos;s reply. The game&apos;s word for taking back moves, never the word for Cancel.</extracomment>
        <translation>무르기(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>보기(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>도구 모음(&amp;T)</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>상태 표시줄(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>옵션(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>도움말(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>목차(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About </source>
        <extracomment>Help menu: opens the About box.</extracomment>
        <translation>프로그램 정보(&amp;A) </translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>Tooltip of the toolbar button that starts a new game (File &gt; New).</extracomment>
        <translation>새 판</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Tooltip of the toolbar button that opens a saved game (File &gt; Open).</extracomment>
        <translation>열기</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Tooltip of the toolbar button that saves the game (File &gt; Save).</extracomment>
        <translation>저장</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>Tooltip of the toolbar button that prints the window (File &gt; Print).</extracomment>
        <translation>인쇄</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Tooltip of the toolbar button for Edit &gt; Undo; the same word as there.</extracomment>
        <translation>무르기</translation>
    </message>
    <message>
        <source>Copyright</source>
        <extracomment>Splash window: a small label showing this word itself.</extracomment>
        <translation>저작권</translation>
    </message>
    <message>
        <source>Company</source>
        <extracomment>Splash window: a small label showing this word itself.</extracomment>
        <translation>회사</translation>
    </message>
    <message>
        <source>Warning</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>경고</translation>
    </message>
    <message>
        <source>Version</source>
        <extracomment>Splash window: replaced by the version number before it is shown.
----------
About box: replaced by the version line before it is shown.</extracomment>
        <translation>버전</translation>
    </message>
    <message>
        <source>Platform</source>
        <extracomment>Splash window: a label showing this word itself, under the program&apos;s name.</extracomment>
        <translation>플랫폼</translation>
    </message>
    <message>
        <source>CompanyProduct</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>회사 제품</translation>
    </message>
    <message>
        <source>Product</source>
        <extracomment>Splash window: replaced by the program&apos;s name before it is shown.</extracomment>
        <translation>제품</translation>
    </message>
    <message>
        <source>LicenseTo</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>사용권자</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Title of the Options dialog.</extracomment>
        <translation>옵션</translation>
    </message>
    <message>
        <source>Sample 1</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>예시 1</translation>
    </message>
    <message>
        <source>Sample 2</source>
        <extracomment>Caption of an Options dialog frame that is never on screen.</extracomment>
        <translation>예시 2</translation>
    </message>
    <message>
        <source>Sample 3</source>
        <extracomment>Caption of an Options dialog frame that is never on screen.</extracomment>
        <translation>예시 3</translation>
    </message>
    <message>
        <source>Sample 4</source>
        <extracomment>Caption of an Options dialog frame that is never on screen.</extracomment>
        <translation>예시 4</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>적용(&amp;A)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Options dialog button: closes it and keeps the options as they were.</extracomment>
        <translation>취소</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Options dialog button.
----------
About box button.</extracomment>
        <translation>확인</translation>
    </message>
    <message>
        <source>About Pentavo</source>
        <translation>Pentavo 정보</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>시스템 정보(&amp;S)...</translation>
    </message>
    <message>
        <source>Warning: ...</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>경고: ...</translation>
    </message>
    <message>
        <source>Application Title</source>
        <extracomment>About box: replaced by the program&apos;s name before it is shown.</extracomment>
        <translation>프로그램 제목</translation>
    </message>
    <message>
        <source>App Description</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>프로그램 설명</translation>
    </message>
    <message>
        <source>Mark &amp;Last Move</source>
        <extracomment>View menu, a toggle: puts a dot on the computer&apos;s last move.</extracomment>
        <translation>마지막 수 표시(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <extracomment>Edit menu: puts back, two at a time, the moves Undo took back.</extracomment>
        <translation>다시 두기(&amp;R)</translation>
    </message>
    <message>
        <source>Show &amp;Winning Five</source>
        <extracomment>View menu, a check mark: a line through the five in a row that ended the game.</extracomment>
        <translation>이긴 다섯 표시(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <extracomment>Edit menu: shows the cell the computer would play in your place; nothing is played.</extracomment>
        <translation>힌트(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <extracomment>View menu: opens the count of games won, lost and drawn.</extracomment>
        <translation>전적(&amp;S)...</translation>
    </message>
</context>
<context>
    <name>pentavo::HelpViewer</name>
    <message>
        <source>Pentavo Help</source>
        <translation>Pentavo 도움말</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>도움말 본문</translation>
    </message>
    <message>
        <source>Help toolbar</source>
        <translation>도움말 도구 모음</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Help window button: back to the place read before.</extracomment>
        <translation>뒤로</translation>
    </message>
    <message>
        <source>Home</source>
        <extracomment>Help window button: back to the help&apos;s beginning (not the Home key).</extracomment>
        <translation>처음으로</translation>
    </message>
</context>
<context>
    <name>pentavo::StatusBar</name>
    <message>
        <source>Status</source>
        <extracomment>The status bar&apos;s first panel, beside the date and the time.</extracomment>
        <translation>상태</translation>
    </message>
</context>
<context>
    <name>pentavo::frmAbout</name>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>How the release date is written, in QDate::toString&apos;s letters.</extracomment>
        <translation>yyyy년 M월 d일</translation>
    </message>
    <message>
        <source>Released %1
Questions and ideas: %2</source>
        <extracomment>About box: %1 is the release date, %2 the address for questions and ideas.</extracomment>
        <translation>출시일: %1
질문과 의견: %2</translation>
    </message>
    <message>
        <source>%1. Free software, GNU GPL 3 or later, no warranty.</source>
        <extracomment>About box: %1 is the copyright line, which stays in English (&quot;Copyright 2026 The Pentavo developers&quot;), then the program&apos;s licence in brief. A right-to-left language may put %1 last, so that the line reads from the right.</extracomment>
        <translation>%1. 자유 소프트웨어, GNU GPL 3 이상, 보증 없음.</translation>
    </message>
    <message>
        <source>Version 0.1 (demo)</source>
        <extracomment>About box: the version line as designed, not the program&apos;s version.</extracomment>
        <translation>버전 0.1 (체험판)</translation>
    </message>
</context>
<context>
    <name>pentavo::frmMain</name>
    <message>
        <source>Board</source>
        <extracomment>What a screen reader calls the playing board.</extracomment>
        <translation>오목판</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>메뉴 표시줄</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>도구 모음</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>상태 표시줄</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <extracomment>Title of the printer dialog of File &gt; Page Setup.</extracomment>
        <translation>페이지 설정</translation>
    </message>
    <message>
        <source>All Files (*.pnv)</source>
        <extracomment>The file dialog&apos;s filter for saved games; keep &quot;(*.pnv)&quot;.</extracomment>
        <translation>기보 파일 (*.pnv)</translation>
    </message>
    <message>
        <source>Empty file</source>
        <extracomment>Message box: the file dialog was closed without choosing a file.</extracomment>
        <translation>빈 파일</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Title of the file dialog that saves the game.</extracomment>
        <translation>저장</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Title of the file dialog that opens a saved game.</extracomment>
        <translation>열기</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>&quot;%1&quot; 파일이 없습니다.</translation>
    </message>
    <message>
        <source>I win: %1 to %2</source>
        <extracomment>How the computer&apos;s line of five ended the game: its two end cells, e.g. F4, F8.</extracomment>
        <translation>컴퓨터가 이겼습니다: %1부터 %2까지.</translation>
    </message>
    <message>
        <source>You win: %1 to %2</source>
        <extracomment>How the person&apos;s line of five ended the game: its two end cells, e.g. F4, F8.</extracomment>
        <translation>이겼습니다: %1부터 %2까지.</translation>
    </message>
    <message>
        <source>The game is over: there is no hint.</source>
        <translation>판이 끝났습니다. 힌트가 없습니다.</translation>
    </message>
    <message>
        <source>The board is full: there is no hint.</source>
        <translation>판이 가득 찼습니다. 힌트가 없습니다.</translation>
    </message>
    <message>
        <source>Hint: %1.</source>
        <extracomment>Said when the person asks for a hint: the cell the computer would play for them, e.g. G7.</extracomment>
        <translation>힌트: %1.</translation>
    </message>
    <message>
        <source>15 by 15 cells. The arrow keys move the cursor, Home returns it to the centre, Enter or Space plays its cell, H moves it to a hint, L repeats the last two moves, R, C, D and F read its row, column and diagonals. %1 takes back the last turn, %2 puts it back.</source>
        <extracomment>What a screen reader says of the board&apos;s keys. %1 is the key of Edit &gt; Undo (Ctrl+Z), %2 that of Edit &gt; Redo (Ctrl+Y).</extracomment>
        <translation>15×15 칸. 화살표 키로 커서를 옮기고, Home 키로 가운데로 돌아가며, Enter나 스페이스 키로 그 칸에 둡니다. H 키는 힌트 칸으로 옮기고, L 키는 마지막 두 수를 다시 읽어 주며, R, C, D, F 키는 그 행, 열, 대각선을 읽습니다. %1 키는 마지막 차례를 무르고 %2 키는 다시 둡니다.</translation>
    </message>
</context>
<context>
    <name>pentavo::frmOptions</name>
    <message>
        <source>Partner selection</source>
        <extracomment>Options dialog: the frame around &quot;Computer first&quot; and &quot;Computer second&quot;. It chooses who moves first, not an opponent; say it by meaning (&quot;Who moves first?&quot;).</extracomment>
        <translation>선후 정하기</translation>
    </message>
    <message>
        <source>Computer first</source>
        <extracomment>Option: the computer opens each new game with a cross in the centre. The computer scores the board for crosses at once.</extracomment>
        <translation>컴퓨터가 먼저 두기</translation>
    </message>
    <message>
        <source>Computer second</source>
        <extracomment>Option: you open each new game; the computer moves second, with circles, and scores the board for circles at once.</extracomment>
        <translation>내가 먼저 두기</translation>
    </message>
    <message>
        <source>Undo moves</source>
        <extracomment>Check box: whether Edit &gt; Undo may take back moves. A permission (&quot;Allow taking back moves&quot;), with the same word as the Undo command.</extracomment>
        <translation>무르기 허용</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>Check box: whether each move of the computer beeps.</extracomment>
        <translation>소리</translation>
    </message>
</context>
<context>
    <name>pentavo::frmSplash</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>버전 %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>pentavo::frmStatistics</name>
    <message numerus="yes">
        <source>won %n in a row</source>
        <extracomment>The current streak: games won in a row.</extracomment>
        <translation>
            <numerusform>%n연승</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lost %n in a row</source>
        <extracomment>The current streak: games lost in a row.</extracomment>
        <translation>
            <numerusform>%n연패</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>The current streak when the last game was a draw, or before the first game.</extracomment>
        <translation>없음</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>전적</translation>
    </message>
    <message>
        <source>Games won:</source>
        <translation>이긴 판:</translation>
    </message>
    <message>
        <source>Games lost:</source>
        <translation>진 판:</translation>
    </message>
    <message>
        <source>Games drawn:</source>
        <translation>비긴 판:</translation>
    </message>
    <message>
        <source>Current streak:</source>
        <translation>현재 연속 기록:</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>초기화(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>닫기(&amp;C)</translation>
    </message>
    <message>
        <source>Set the games won, lost and drawn and the streak back to zero?</source>
        <translation>이긴 판, 진 판, 비긴 판과 연속 기록을 0으로 되돌릴까요?</translation>
    </message>
</context>
</TS>
