<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Board</name>
    <message>
        <source>%1, cross, last move</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, cross, last move&quot;: the computer&apos;s last reply, marked by View &gt; Mark Last Move.</extracomment>
        <translation>%1，叉，最后一步</translation>
    </message>
    <message>
        <source>%1, cross</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, cross&quot;.</extracomment>
        <translation>%1，叉</translation>
    </message>
    <message>
        <source>%1, circle, last move</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, circle, last move&quot;: the computer&apos;s last reply, marked by View &gt; Mark Last Move.</extracomment>
        <translation>%1，圈，最后一步</translation>
    </message>
    <message>
        <source>%1, circle</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, circle&quot;.</extracomment>
        <translation>%1，圈</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <extracomment>A cell as a screen reader names it, e.g. &quot;H8, empty&quot;.</extracomment>
        <translation>%1，空</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.
</source>
        <translation>许可证 GPLv3+：GNU GPL 第 3 版或更高版本 &lt;https://gnu.org/licenses/gpl.html&gt;。
本软件是自由软件：你可以自由修改和重新发布它。
在法律允许的范围内，不提供任何担保。
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
        <translation>用法: pentavo [文件]
与电脑对弈的五子棋。

  文件         第一局开始后要打开的已保存棋局 (.pnv)
  -h, --help   显示此帮助并退出
  --version    显示版本并退出
  --           把后面的内容当作文件名，即使它以“-”开头
</translation>
    </message>
    <message>
        <source>pentavo: %1
Try &apos;pentavo --help&apos; for more.
</source>
        <translation>pentavo: %1
运行“pentavo --help”了解更多。
</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>You win</source>
        <extracomment>Message box: your move completed five in a row.</extracomment>
        <translation>你赢了</translation>
    </message>
    <message>
        <source>I win</source>
        <extracomment>Message box: the computer completed five in a row; &quot;I&quot; is the computer.</extracomment>
        <translation>我赢了</translation>
    </message>
    <message>
        <source>Draw</source>
        <extracomment>Message box: the board is full and nobody has five in a row; the game is drawn.</extracomment>
        <translation>和棋</translation>
    </message>
</context>
<context>
    <name>Outcome</name>
    <message>
        <source>Move %1 names no cell (code %2).</source>
        <extracomment>A saved game is refused: %1 is the number of the move in the game (1 for the first), %2 the byte read from the file.</extracomment>
        <translation>第 %1 步没有指向任何格子（代码 %2）。</translation>
    </message>
    <message>
        <source>Move %1 repeats the cell of move %2.</source>
        <extracomment>A saved game is refused: move number %1 puts a mark on the cell that move number %2 already took.</extracomment>
        <translation>第 %1 步与第 %2 步落在同一格子。</translation>
    </message>
    <message>
        <source>Entry %1 of the move log does not fit in a byte (code %2).</source>
        <extracomment>Saving fails: %1 is the place in the list of the game&apos;s moves, %2 the move&apos;s code, which a file of one byte per move cannot hold.</extracomment>
        <translation>着法记录的第 %1 项无法存入一个字节（代码 %2）。</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation>无法打开“%1”：%2</translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2.</source>
        <translation>无法打开“%1”：%2。</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2</source>
        <translation>无法保存“%1”：%2</translation>
    </message>
    <message>
        <source>Cannot save &quot;%1&quot;: %2.</source>
        <translation>无法保存“%1”：%2。</translation>
    </message>
    <message>
        <source>Not a regular file</source>
        <extracomment>Why a game cannot be opened or saved: the name is a folder or a device, not a file.</extracomment>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>The form can&apos;t be printed.</source>
        <extracomment>Printing failed; &quot;the form&quot; is the main window with the board.</extracomment>
        <translation>无法打印窗口。</translation>
    </message>
    <message>
        <source>Cannot open the help file &quot;%1&quot;: %2.</source>
        <translation>无法打开帮助文件“%1”：%2。</translation>
    </message>
    <message>
        <source>Cannot read the help file &quot;%1&quot;: %2.</source>
        <translation>无法读取帮助文件“%1”：%2。</translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation>未知选项“%1”</translation>
    </message>
    <message>
        <source>an empty file name</source>
        <translation>文件名为空</translation>
    </message>
    <message>
        <source>only one game record can be opened, but &apos;%1&apos; and &apos;%2&apos; were given</source>
        <translation>只能打开一个棋局记录，但给出了“%1”和“%2”</translation>
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
        <translation>你 %1，电脑 %2。</translation>
    </message>
    <message>
        <source>Computer %1, you %2.</source>
        <extracomment>The computer&apos;s move, then the person&apos;s, e.g. &quot;Computer H8, you I9.&quot;</extracomment>
        <translation>电脑 %1，你 %2。</translation>
    </message>
    <message>
        <source>You %1.</source>
        <extracomment>The person&apos;s move alone, e.g. &quot;You I9.&quot;</extracomment>
        <translation>你 %1。</translation>
    </message>
    <message>
        <source>Computer %1.</source>
        <extracomment>The computer&apos;s move alone, e.g. &quot;Computer H8.&quot;</extracomment>
        <translation>电脑 %1。</translation>
    </message>
    <message>
        <source>New game. %1</source>
        <extracomment>%1 is the opening&apos;s moves, a sentence such as &quot;Computer H8.&quot;</extracomment>
        <translation>新的一局。%1</translation>
    </message>
    <message>
        <source>Nothing to take back.</source>
        <extracomment>Undo found no moves it may take back.</extracomment>
        <translation>没有可以悔的棋。</translation>
    </message>
    <message>
        <source>Taken back: you %1, computer %2.</source>
        <extracomment>Undo took back the person&apos;s move and the computer&apos;s reply; %1 and %2 are cells.</extracomment>
        <translation>已悔棋：你 %1，电脑 %2。</translation>
    </message>
    <message>
        <source>Taken back: computer %1, you %2.</source>
        <extracomment>Undo took back the computer&apos;s move and then the person&apos;s; %1 and %2 are cells.</extracomment>
        <translation>已悔棋：电脑 %1，你 %2。</translation>
    </message>
    <message>
        <source>%1 %2.</source>
        <extracomment>%1 is the turn&apos;s moves (&quot;You I9, computer H9.&quot;), %2 how the game ended (&quot;I win&quot;).</extracomment>
        <translation>%1 %2。</translation>
    </message>
    <message numerus="yes">
        <source>Opened %1: %n marks on the board. Your move.</source>
        <extracomment>A saved game was opened; %1 is its file name. The person moves next.</extracomment>
        <translation>
            <numerusform>已打开 %1：棋盘上有 %n 个棋子。轮到你了。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 is taken.</source>
        <extracomment>The person tried to play on a cell that holds a mark, e.g. &quot;H9 is taken.&quot;; nothing was played.</extracomment>
        <translation>%1 已有棋子。</translation>
    </message>
    <message>
        <source>The game is over. %1 starts a new game.</source>
        <extracomment>The person tried to play after the game ended; %1 is the key of File &gt; New, e.g. Ctrl+N.</extracomment>
        <translation>本局已结束。按 %1 开始新的一局。</translation>
    </message>
    <message>
        <source>Row %1</source>
        <extracomment>A row of the board read out by its key; %1 is its number, 1 to 15.</extracomment>
        <translation>第 %1 行</translation>
    </message>
    <message>
        <source>Column %1</source>
        <extracomment>A column of the board read out by its key; %1 is its letter, A to O.</extracomment>
        <translation>第 %1 列</translation>
    </message>
    <message>
        <source>Diagonal %1 to %2</source>
        <extracomment>A diagonal of the board read out by its key, from its first cell to its last.</extracomment>
        <translation>从 %1 到 %2 的斜线</translation>
    </message>
    <message>
        <source>%1 cross</source>
        <extracomment>A cross on a line read out; %1 is where, e.g. &quot;H cross&quot; in row 9.</extracomment>
        <translation>%1 叉</translation>
    </message>
    <message>
        <source>%1 circle</source>
        <extracomment>A circle on a line read out; %1 is where, e.g. &quot;I circle&quot; in row 9.</extracomment>
        <translation>%1 圈</translation>
    </message>
    <message>
        <source>%1: empty.</source>
        <extracomment>A line of the board without a mark; %1 is its name, e.g. &quot;Row 9&quot;.</extracomment>
        <translation>%1：全是空位。</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <extracomment>A full line of the board; %1 is its name (&quot;Row 9&quot;), %2 its marks (&quot;H cross and I circle&quot;).</extracomment>
        <translation>%1：%2。</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2; %n empty.</source>
        <extracomment>A line of the board; %1 is its name (&quot;Row 9&quot;), %2 its marks (&quot;H cross and I circle&quot;), then how many of its cells are empty.</extracomment>
        <translation>
            <numerusform>%1：%2；%n 个空位。</numerusform>
        </translation>
    </message>
    <message>
        <source>Nothing to put back.</source>
        <extracomment>Redo found no moves that Undo had taken back.</extracomment>
        <translation>没有可以重做的棋。</translation>
    </message>
    <message>
        <source>Put back: you %1, computer %2.</source>
        <extracomment>Redo put back the person&apos;s move and the computer&apos;s reply; %1 and %2 are cells.</extracomment>
        <translation>已重做：你 %1，电脑 %2。</translation>
    </message>
    <message>
        <source>Put back: computer %1, you %2.</source>
        <extracomment>Redo put back the computer&apos;s move and then the person&apos;s; %1 and %2 are cells.</extracomment>
        <translation>已重做：电脑 %1，你 %2。</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>新建(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>页面设置(&amp;U)...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view</source>
        <translation>打印预览(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <extracomment>Edit menu: takes back the last two moves, yours and the computer&apos;s reply. The game&apos;s word for taking back moves, never the word for Cancel.</extracomment>
        <translation>悔棋(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>Status &amp;Bar</source>
        <translation>状态栏(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>选项(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目录(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;About </source>
        <extracomment>Help menu: opens the About box.</extracomment>
        <translation>关于(&amp;A) </translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>Tooltip of the toolbar button that starts a new game (File &gt; New).</extracomment>
        <translation>新建</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Tooltip of the toolbar button that opens a saved game (File &gt; Open).</extracomment>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Tooltip of the toolbar button that saves the game (File &gt; Save).</extracomment>
        <translation>保存</translation>
    </message>
    <message>
        <source>Print</source>
        <extracomment>Tooltip of the toolbar button that prints the window (File &gt; Print).</extracomment>
        <translation>打印</translation>
    </message>
    <message>
        <source>Undo</source>
        <extracomment>Tooltip of the toolbar button for Edit &gt; Undo; the same word as there.</extracomment>
        <translation>悔棋</translation>
    </message>
    <message>
        <source>Copyright</source>
        <extracomment>Splash window: a small label showing this word itself.</extracomment>
        <translation>版权</translation>
    </message>
    <message>
        <source>Company</source>
        <extracomment>Splash window: a small label showing this word itself.</extracomment>
        <translation>公司</translation>
    </message>
    <message>
        <source>Warning</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>警告</translation>
    </message>
    <message>
        <source>Version</source>
        <extracomment>Splash window: replaced by the version number before it is shown.
----------
About box: replaced by the version line before it is shown.</extracomment>
        <translation>版本</translation>
    </message>
    <message>
        <source>Platform</source>
        <extracomment>Splash window: a label showing this word itself, under the program&apos;s name.</extracomment>
        <translation>平台</translation>
    </message>
    <message>
        <source>CompanyProduct</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>公司产品</translation>
    </message>
    <message>
        <source>Product</source>
        <extracomment>Splash window: replaced by the program&apos;s name before it is shown.</extracomment>
        <translation>产品</translation>
    </message>
    <message>
        <source>LicenseTo</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>授权给</translation>
    </message>
    <message>
        <source>Options</source>
        <extracomment>Title of the Options dialog.</extracomment>
        <translation>选项</translation>
    </message>
    <message>
        <source>Sample 1</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>示例 1</translation>
    </message>
    <message>
        <source>Sample 2</source>
        <extracomment>Caption of an Options dialog frame that is never on screen.</extracomment>
        <translation>示例 2</translation>
    </message>
    <message>
        <source>Sample 3</source>
        <extracomment>Caption of an Options dialog frame that is never on screen.</extracomment>
        <translation>示例 3</translation>
    </message>
    <message>
        <source>Sample 4</source>
        <extracomment>Caption of an Options dialog frame that is never on screen.</extracomment>
        <translation>示例 4</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>应用(&amp;A)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <extracomment>Options dialog button: closes it and keeps the options as they were.</extracomment>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>Options dialog button.
----------
About box button.</extracomment>
        <translation>确定</translation>
    </message>
    <message>
        <source>About Pentavo</source>
        <translation>关于 Pentavo</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>系统信息(&amp;S)...</translation>
    </message>
    <message>
        <source>Warning: ...</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>警告：...</translation>
    </message>
    <message>
        <source>Application Title</source>
        <extracomment>About box: replaced by the program&apos;s name before it is shown.</extracomment>
        <translation>应用程序标题</translation>
    </message>
    <message>
        <source>App Description</source>
        <extracomment>Shown in no window; kept so that the table keeps its numbers.</extracomment>
        <translation>应用程序说明</translation>
    </message>
    <message>
        <source>Mark &amp;Last Move</source>
        <extracomment>View menu, a toggle: puts a dot on the computer&apos;s last move.</extracomment>
        <translation>标记最后一步(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <extracomment>Edit menu: puts back, two at a time, the moves Undo took back.</extracomment>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Show &amp;Winning Five</source>
        <extracomment>View menu, a check mark: a line through the five in a row that ended the game.</extracomment>
        <translation>显示获胜五子(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <extracomment>Edit menu: shows the cell the computer would play in your place; nothing is played.</extracomment>
        <translation>提示(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Statistics...</source>
        <extracomment>View menu: opens the count of games won, lost and drawn.</extracomment>
        <translation>战绩(&amp;S)...</translation>
    </message>
</context>
<context>
    <name>pentavo::HelpViewer</name>
    <message>
        <source>Pentavo Help</source>
        <translation>Pentavo 帮助</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>帮助正文</translation>
    </message>
    <message>
        <source>Help toolbar</source>
        <translation>帮助工具栏</translation>
    </message>
    <message>
        <source>Back</source>
        <extracomment>Help window button: back to the place read before.</extracomment>
        <translation>后退</translation>
    </message>
    <message>
        <source>Home</source>
        <extracomment>Help window button: back to the help&apos;s beginning (not the Home key).</extracomment>
        <translation>首页</translation>
    </message>
</context>
<context>
    <name>pentavo::StatusBar</name>
    <message>
        <source>Status</source>
        <extracomment>The status bar&apos;s first panel, beside the date and the time.</extracomment>
        <translation>状态</translation>
    </message>
</context>
<context>
    <name>pentavo::frmAbout</name>
    <message>
        <source>%1. Free software, GNU GPL 3 or later, no warranty.</source>
        <extracomment>About box: %1 is the copyright line, which stays in English (&quot;Copyright 2026 The Pentavo developers&quot;), then the program&apos;s licence in brief. A right-to-left language may put %1 last, so that the line reads from the right.</extracomment>
        <translation>%1. 自由软件，GNU GPL 第 3 版或更高版本，无担保。</translation>
    </message>
    <message>
        <source>Version 0.1 (demo)</source>
        <extracomment>About box: the version line as designed, not the program&apos;s version.</extracomment>
        <translation>版本 0.1（演示版）</translation>
    </message>
    <message>
        <source>Released %1
Questions and ideas: %2</source>
        <extracomment>About box: %1 is the release date, %2 the address for questions and ideas.</extracomment>
        <translation>%1 发布
问题和建议：%2</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <extracomment>How the release date is written, in QDate::toString&apos;s letters.</extracomment>
        <translation>yyyy年M月d日</translation>
    </message>
</context>
<context>
    <name>pentavo::frmMain</name>
    <message>
        <source>Board</source>
        <extracomment>What a screen reader calls the playing board.</extracomment>
        <translation>棋盘</translation>
    </message>
    <message>
        <source>Menu bar</source>
        <translation>菜单栏</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>状态栏</translation>
    </message>
    <message>
        <source>Page Setup</source>
        <extracomment>Title of the printer dialog of File &gt; Page Setup.</extracomment>
        <translation>页面设置</translation>
    </message>
    <message>
        <source>All Files (*.pnv)</source>
        <extracomment>The file dialog&apos;s filter for saved games; keep &quot;(*.pnv)&quot;.</extracomment>
        <translation>所有文件 (*.pnv)</translation>
    </message>
    <message>
        <source>Empty file</source>
        <extracomment>Message box: the file dialog was closed without choosing a file.</extracomment>
        <translation>空文件</translation>
    </message>
    <message>
        <source>Save</source>
        <extracomment>Title of the file dialog that saves the game.</extracomment>
        <translation>保存</translation>
    </message>
    <message>
        <source>Open</source>
        <extracomment>Title of the file dialog that opens a saved game.</extracomment>
        <translation>打开</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>文件“%1”不存在。</translation>
    </message>
    <message>
        <source>I win: %1 to %2</source>
        <extracomment>How the computer&apos;s line of five ended the game: its two end cells, e.g. F4, F8.</extracomment>
        <translation>我赢了：%1 到 %2</translation>
    </message>
    <message>
        <source>You win: %1 to %2</source>
        <extracomment>How the person&apos;s line of five ended the game: its two end cells, e.g. F4, F8.</extracomment>
        <translation>你赢了：%1 到 %2</translation>
    </message>
    <message>
        <source>The game is over: there is no hint.</source>
        <translation>对局已经结束：没有提示。</translation>
    </message>
    <message>
        <source>The board is full: there is no hint.</source>
        <translation>棋盘已满：没有提示。</translation>
    </message>
    <message>
        <source>Hint: %1.</source>
        <extracomment>Said when the person asks for a hint: the cell the computer would play for them, e.g. G7.</extracomment>
        <translation>提示：%1。</translation>
    </message>
    <message>
        <source>15 by 15 cells. The arrow keys move the cursor, Home returns it to the centre, Enter or Space plays its cell, H moves it to a hint, L repeats the last two moves, R, C, D and F read its row, column and diagonals. %1 takes back the last turn, %2 puts it back.</source>
        <extracomment>What a screen reader says of the board&apos;s keys. %1 is the key of Edit &gt; Undo (Ctrl+Z), %2 that of Edit &gt; Redo (Ctrl+Y).</extracomment>
        <translation>15×15 的棋盘。方向键移动光标，Home 键回到中央，Enter 或空格键在该格落子，H 键移到提示的格子，L 键重复最后两步，R、C、D、F 键读出所在的行、列和斜线。%1 悔掉最后一个回合，%2 重做。</translation>
    </message>
</context>
<context>
    <name>pentavo::frmOptions</name>
    <message>
        <source>Partner selection</source>
        <extracomment>Options dialog: the frame around &quot;Computer first&quot; and &quot;Computer second&quot;. It chooses who moves first, not an opponent; say it by meaning (&quot;Who moves first?&quot;).</extracomment>
        <translation>先后手</translation>
    </message>
    <message>
        <source>Computer first</source>
        <extracomment>Option: the computer opens each new game with a cross in the centre. The computer scores the board for crosses at once.</extracomment>
        <translation>电脑先走</translation>
    </message>
    <message>
        <source>Computer second</source>
        <extracomment>Option: you open each new game; the computer moves second, with circles, and scores the board for circles at once.</extracomment>
        <translation>电脑后走</translation>
    </message>
    <message>
        <source>Undo moves</source>
        <extracomment>Check box: whether Edit &gt; Undo may take back moves. A permission (&quot;Allow taking back moves&quot;), with the same word as the Undo command.</extracomment>
        <translation>允许悔棋</translation>
    </message>
    <message>
        <source>Sound</source>
        <extracomment>Check box: whether each move of the computer beeps.</extracomment>
        <translation>声音</translation>
    </message>
</context>
<context>
    <name>pentavo::frmSplash</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>版本 %1.%2.%3</translation>
    </message>
</context>
<context>
    <name>pentavo::frmStatistics</name>
    <message numerus="yes">
        <source>won %n in a row</source>
        <extracomment>The current streak: games won in a row.</extracomment>
        <translation>
            <numerusform>%n 连胜</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>lost %n in a row</source>
        <extracomment>The current streak: games lost in a row.</extracomment>
        <translation>
            <numerusform>%n 连败</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <extracomment>The current streak when the last game was a draw, or before the first game.</extracomment>
        <translation>无</translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation>战绩</translation>
    </message>
    <message>
        <source>Games won:</source>
        <translation>胜局：</translation>
    </message>
    <message>
        <source>Games lost:</source>
        <translation>负局：</translation>
    </message>
    <message>
        <source>Games drawn:</source>
        <translation>和局：</translation>
    </message>
    <message>
        <source>Current streak:</source>
        <translation>当前连续：</translation>
    </message>
    <message>
        <source>&amp;Reset...</source>
        <translation>重置(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>关闭(&amp;C)</translation>
    </message>
    <message>
        <source>Set the games won, lost and drawn and the streak back to zero?</source>
        <translation>将胜局、负局、和局和连续记录清零吗？</translation>
    </message>
</context>
</TS>
