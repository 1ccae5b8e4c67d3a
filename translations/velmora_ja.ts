<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>CardDraw</name>
    <message>
        <source>Progress Bar</source>
        <translation>進行状況</translation>
    </message>
</context>
<context>
    <name>CardEntry</name>
    <message>
        <source>ace of spades</source>
        <translation>スペードのエース</translation>
    </message>
    <message>
        <source>two of spades</source>
        <translation>スペードの2</translation>
    </message>
    <message>
        <source>three of spades</source>
        <translation>スペードの3</translation>
    </message>
    <message>
        <source>four of spades</source>
        <translation>スペードの4</translation>
    </message>
    <message>
        <source>five of spades</source>
        <translation>スペードの5</translation>
    </message>
    <message>
        <source>six of spades</source>
        <translation>スペードの6</translation>
    </message>
    <message>
        <source>seven of spades</source>
        <translation>スペードの7</translation>
    </message>
    <message>
        <source>eight of spades</source>
        <translation>スペードの8</translation>
    </message>
    <message>
        <source>nine of spades</source>
        <translation>スペードの9</translation>
    </message>
    <message>
        <source>ten of spades</source>
        <translation>スペードの10</translation>
    </message>
    <message>
        <source>jack of spades</source>
        <translation>スペードのジャック</translation>
    </message>
    <message>
        <source>queen of spades</source>
        <translation>スペードのクイーン</translation>
    </message>
    <message>
        <source>king of spades</source>
        <translation>スペードのキング</translation>
    </message>
    <message>
        <source>ace of diamonds</source>
        <translation>ダイヤのエース</translation>
    </message>
    <message>
        <source>two of diamonds</source>
        <translation>ダイヤの2</translation>
    </message>
    <message>
        <source>three of diamonds</source>
        <translation>ダイヤの3</translation>
    </message>
    <message>
        <source>four of diamonds</source>
        <translation>ダイヤの4</translation>
    </message>
    <message>
        <source>five of diamonds</source>
        <translation>ダイヤの5</translation>
    </message>
    <message>
        <source>six of diamonds</source>
        <translation>ダイヤの6</translation>
    </message>
    <message>
        <source>seven of diamonds</source>
        <translation>ダイヤの7</translation>
    </message>
    <message>
        <source>eight of diamonds</source>
        <translation>ダイヤの8</translation>
    </message>
    <message>
        <source>nine of diamonds</source>
        <translation>ダイヤの9</translation>
    </message>
    <message>
        <source>ten of diamonds</source>
        <translation>ダイヤの10</translation>
    </message>
    <message>
        <source>jack of diamonds</source>
        <translation>ダイヤのジャック</translation>
    </message>
    <message>
        <source>queen of diamonds</source>
        <translation>ダイヤのクイーン</translation>
    </message>
    <message>
        <source>king of diamonds</source>
        <translation>ダイヤのキング</translation>
    </message>
    <message>
        <source>ace of clubs</source>
        <translation>クラブのエース</translation>
    </message>
    <message>
        <source>two of clubs</source>
        <translation>クラブの2</translation>
    </message>
    <message>
        <source>three of clubs</source>
        <translation>クラブの3</translation>
    </message>
    <message>
        <source>four of clubs</source>
        <translation>クラブの4</translation>
    </message>
    <message>
        <source>five of clubs</source>
        <translation>クラブの5</translation>
    </message>
    <message>
        <source>six of clubs</source>
        <translation>クラブの6</translation>
    </message>
    <message>
        <source>seven of clubs</source>
        <translation>クラブの7</translation>
    </message>
    <message>
        <source>eight of clubs</source>
        <translation>クラブの8</translation>
    </message>
    <message>
        <source>nine of clubs</source>
        <translation>クラブの9</translation>
    </message>
    <message>
        <source>ten of clubs</source>
        <translation>クラブの10</translation>
    </message>
    <message>
        <source>jack of clubs</source>
        <translation>クラブのジャック</translation>
    </message>
    <message>
        <source>queen of clubs</source>
        <translation>クラブのクイーン</translation>
    </message>
    <message>
        <source>king of clubs</source>
        <translation>クラブのキング</translation>
    </message>
    <message>
        <source>ace of hearts</source>
        <translation>ハートのエース</translation>
    </message>
    <message>
        <source>two of hearts</source>
        <translation>ハートの2</translation>
    </message>
    <message>
        <source>three of hearts</source>
        <translation>ハートの3</translation>
    </message>
    <message>
        <source>four of hearts</source>
        <translation>ハートの4</translation>
    </message>
    <message>
        <source>five of hearts</source>
        <translation>ハートの5</translation>
    </message>
    <message>
        <source>six of hearts</source>
        <translation>ハートの6</translation>
    </message>
    <message>
        <source>seven of hearts</source>
        <translation>ハートの7</translation>
    </message>
    <message>
        <source>eight of hearts</source>
        <translation>ハートの8</translation>
    </message>
    <message>
        <source>nine of hearts</source>
        <translation>ハートの9</translation>
    </message>
    <message>
        <source>ten of hearts</source>
        <translation>ハートの10</translation>
    </message>
    <message>
        <source>jack of hearts</source>
        <translation>ハートのジャック</translation>
    </message>
    <message>
        <source>queen of hearts</source>
        <translation>ハートのクイーン</translation>
    </message>
    <message>
        <source>king of hearts</source>
        <translation>ハートのキング</translation>
    </message>
</context>
<context>
    <name>CardPreview</name>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>No card is shown</source>
        <translation>カードは表示されていません</translation>
    </message>
    <message>
        <source>Shows the %1</source>
        <translation>%1を表示しています</translation>
    </message>
</context>
<context>
    <name>CardTransfer</name>
    <message>
        <source>Copy Card Image</source>
        <translation>カード画像をコピー</translation>
    </message>
    <message>
        <source>Copy Drawn Cards</source>
        <translation>引いたカードをコピー</translation>
    </message>
    <message>
        <source>Save Card As…</source>
        <translation>カードに名前を付けて保存…</translation>
    </message>
    <message>
        <source>Export Drawn Cards as PDF…</source>
        <translation>引いたカードをPDFにエクスポート…</translation>
    </message>
    <message>
        <source>Print Drawn Cards…</source>
        <translation>引いたカードを印刷…</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>保存先フォルダーを開く</translation>
    </message>
    <message>
        <source>no folder can be made in %1: %2</source>
        <translation>%1にフォルダーを作成できません：%2</translation>
    </message>
    <message>
        <source>Print Drawn Cards</source>
        <translation>引いたカードを印刷</translation>
    </message>
    <message>
        <source>Export Whole Deck as PDF…</source>
        <translation>デッキ全体をPDFにエクスポート…</translation>
    </message>
    <message>
        <source>Export Drawn Cards as PDF</source>
        <translation>引いたカードをPDFにエクスポート</translation>
    </message>
    <message>
        <source>Export Whole Deck as PDF</source>
        <translation>デッキ全体をPDFにエクスポート</translation>
    </message>
    <message>
        <source>Printing the cards…</source>
        <translation>カードを印刷しています…</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: velmora [options]
Draws random playing cards.
Without options it opens its window. With --draw or --deck it prints the cards, one
per line, optionally writes their files, and ends. On a terminal a line reads
&quot;Card 17 (four of diamonds)&quot;; into a pipe or file it is &quot;Card 17&lt;TAB&gt;four of diamonds&quot;.
  velmora --draw 5 --save-to DIR --format png --size 744   PNGs for print at 300 dpi
  velmora --draw 9 --save-to DIR --format pdf              DIR/Cards.pdf, ready to cut
  velmora --deck --jokers --save-to DIR --format pdf --pdf-layout card --bleed --back 3
                                       a whole deck with backs, as print services take it

Exit status: 0 success, 2 bad arguments, 3 a file could not be written,
4 the window cannot open (no display).

Options:
  -h, -?, --help           Displays this help.
  -v, --version            Displays version information.
  --draw &lt;count&gt;           Draw &lt;count&gt; distinct cards (1 to 52) and print them.
  --deck                   Instead of a draw, the whole deck of 52 in suit order
                           (spades, diamonds, clubs, hearts; ace to king).
  --jokers                 With --deck, the two jokers after it: Joker 1 (red) and
                           Joker 2 (black).
  --save-to &lt;folder&gt;       Also write the cards into &lt;folder&gt;: Card N.bmp for each
                           (.png, .svg; Joker N for the jokers), or one Cards.pdf; an
                           existing file is replaced. A card that cannot be written
                           is named on standard error and the others are still
                           written. Big exports use every core; on a terminal a line
                           on standard error shows how far they are.
  --format &lt;bmp|png|svg|pdf&gt;  With --save-to, the files&apos; format: bmp (white
                           corners, default), png (transparent corners), svg (a
                           drawing of any size) or pdf (one file, Cards.pdf, with
                           every card at its real size on A4 or Letter sheets with
                           cut marks).
  --card-size &lt;picture|poker|bridge&gt;  With --save-to, the card&apos;s shape: picture (63 x
                           85.2 mm, the pictures&apos; own; default but for pdf), poker
                           (2.5 x 3.5 in; default for pdf) or bridge (2.25 x 3.5 in).
  --size &lt;width&gt;           With --format png: each card &lt;width&gt; pixels wide (%1 to
                           %2), drawn sharp at that size; the height follows the
                           card size&apos;s proportion, and the file says the resolution
                           that prints it at its real width (750 px poker: 300 dpi).
                           Default: the picture&apos;s own 71 x 96.
  --pdf-layout &lt;sheets|card&gt;  With --format pdf: sheets (as many cards as fit a
                           page, default) or card (one card per page of the card&apos;s
                           own size, as printing services take them).
  --bleed                  With --format pdf: 1/8 in of the card&apos;s background beyond
                           each cut edge (a poker card&apos;s page is 198 x 270 pt); on
                           sheets the cut marks stay outside it.
  --back &lt;1-12&gt;            With --format pdf: that back behind every card. On sheets
                           each page of fronts is followed by its backs, mirrored
                           for long-edge duplex; with card, each card&apos;s front page
                           by its back page.

Qt&apos;s own options (-platform, -style, -geometry, ...) are for the window.
</source>
        <translation>使い方: velmora [オプション]
ランダムにトランプのカードを引きます。
オプションなしではウィンドウを開きます。--draw または --deck を付けると、カードを
1行に1枚ずつ出力し、必要ならそのファイルを書き出して終了します。端末では1行が
「Card 17 (ダイヤの4)」、パイプやファイルへは「Card 17&lt;TAB&gt;four of diamonds」です。
  velmora --draw 5 --save-to DIR --format png --size 744   300 dpiの印刷用PNG
  velmora --draw 9 --save-to DIR --format pdf              DIR/Cards.pdf（切って使えます）
  velmora --deck --jokers --save-to DIR --format pdf --pdf-layout card --bleed --back 3
                                       裏面付きのデッキ全体（印刷サービス向け）

終了コード: 0 成功、2 引数の誤り、3 書き込めなかったファイルがある、
4 ウィンドウを開けない（ディスプレイがない）。

オプション:
  -h, -?, --help           このヘルプを表示します。
  -v, --version            バージョン情報を表示します。
  --draw &lt;枚数&gt;            異なるカードを&lt;枚数&gt;枚（1～52）引いて出力します。
  --deck                   カードを引く代わりに、52枚のデッキ全体をスート順
                           （スペード、ダイヤ、クラブ、ハート。エースから
                           キング）に出力します。
  --jokers                 --deck と共に使います。最後に2枚のジョーカー、
                           Joker 1（赤）とJoker 2（黒）を加えます。
  --save-to &lt;フォルダー&gt;   カードを&lt;フォルダー&gt;にも書き出します。各カードを
                           Card N.bmp（.png、.svg。ジョーカーはJoker N）として、
                           または1つのCards.pdfにまとめます。既存のファイルは
                           置き換えます。書き込めないカードは標準エラー出力に
                           示し、残りのカードは書き込みを続けます。大きな
                           エクスポートはすべてのコアを使い、端末では標準エラー
                           出力の1行に進み具合を示します。
  --format &lt;bmp|png|svg|pdf&gt;  --save-to のファイル形式: bmp（角は白、既定）、
                           png（角は透明）、svg（任意のサイズで描ける図形）、
                           pdf（1つのファイルCards.pdf。すべてのカードを実寸で、
                           トンボ付きのA4またはLetter用紙に並べます）。
  --card-size &lt;picture|poker|bridge&gt;  --save-to のカードの形: picture（63 x
                           85.2 mm、画像本来の形。pdf以外の既定）、poker
                           （2.5 x 3.5インチ。pdfの既定）、bridge（2.25 x
                           3.5インチ）。
  --size &lt;幅&gt;              --format png と共に使います。各カードを幅&lt;幅&gt;ピクセル
                           （%1～%2）とし、そのサイズでくっきり描きます。高さは
                           カードサイズの縦横比に従い、ファイルには実寸の幅で
                           印刷するための解像度を記録します（pokerの750 px:
                           300 dpi）。既定: 画像本来の71 x 96。
  --pdf-layout &lt;sheets|card&gt;  --format pdf と共に使います。sheets（1ページに入る
                           だけカードを並べる、既定）またはcard（カードと同じ
                           サイズのページに1枚ずつ。印刷サービス向け）。
  --bleed                  --format pdf と共に使います。各裁断線の外側へ1/8
                           インチ分カードの背景を延ばします（pokerカードの
                           ページは198 x 270 pt）。用紙ではトンボをその外側に
                           置きます。
  --back &lt;1-12&gt;            --format pdf と共に使います。すべてのカードの裏に
                           その裏面を付けます。用紙では表面の各ページの後に、
                           長辺とじの両面印刷用に反転した裏面のページが続き
                           ます。cardでは各カードの表面ページの後に裏面ページが
                           続きます。

Qt独自のオプション（-platform、-style、-geometry など）はウィンドウ用です。
</translation>
    </message>
</context>
<context>
    <name>FolderMark</name>
    <message>
        <source>This folder does not exist</source>
        <translation>このフォルダーは存在しません</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Progress Bar</source>
        <translation>進行状況</translation>
    </message>
    <message>
        <source>Start Generate Random Playing Cards</source>
        <translation>カードをランダムに引く</translation>
    </message>
    <message>
        <source>Number To Generate</source>
        <translation>引く枚数</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Card(s) Generated</source>
        <translation>引いたカード</translation>
    </message>
    <message>
        <source>Save All Cards To Image</source>
        <translation>全カードを画像で保存</translation>
    </message>
    <message>
        <source>Save Selected Card As Image</source>
        <translation>選択したカードを画像で保存</translation>
    </message>
    <message>
        <source>Number of cards to draw, 1 to 52</source>
        <translation>引くカードの枚数（1～52）</translation>
    </message>
    <message>
        <source>Drawn cards</source>
        <translation>引いたカード</translation>
    </message>
    <message>
        <source>Select a card to preview it</source>
        <translation>カードを選ぶとプレビューに表示されます</translation>
    </message>
    <message>
        <source>The folder the card images are saved into</source>
        <translation>カード画像の保存先フォルダー</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <translation>保存先フォルダーを選択</translation>
    </message>
    <message>
        <source>Draw progress</source>
        <translation>カードを引く進行状況</translation>
    </message>
    <message>
        <source>How far the current draw has come</source>
        <translation>いま引いているカードがどこまで進んだか</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Done.</source>
        <translation>完了しました。</translation>
    </message>
    <message>
        <source>No card selected.</source>
        <translation>カードが選択されていません。</translation>
    </message>
    <message>
        <source>Up to %1 cards allowed</source>
        <translation>%1枚まで指定できます</translation>
    </message>
    <message>
        <source>Must be numerical value.</source>
        <translation>数値を入力してください。</translation>
    </message>
    <message>
        <source>Numeric Value Required</source>
        <translation>数値が必要です</translation>
    </message>
    <message>
        <source>No card left to draw: all %1 cards are listed</source>
        <translation>引けるカードがありません：%1枚すべてが一覧にあります</translation>
    </message>
    <message>
        <source>Cannot draw %1 distinct cards from a deck of %2</source>
        <translation>%2枚のデッキから異なるカードを%1枚引くことはできません</translation>
    </message>
    <message>
        <source>ChangeCard property must be from 0 to 53!</source>
        <translation>ChangeCardプロパティは0～53の範囲でなければなりません！</translation>
    </message>
    <message>
        <source>ChangeBack property must be from 0 to 11!</source>
        <translation>ChangeBackプロパティは0～11の範囲でなければなりません！</translation>
    </message>
    <message>
        <source>You cannot change this property.</source>
        <translation>このプロパティは変更できません。</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>アプリケーションエラー</translation>
    </message>
    <message>
        <source>in </source>
        <translation>場所: </translation>
    </message>
    <message>
        <source>at line </source>
        <translation>行番号: </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>このメッセージのスクリーンショットをメールでお送りください。宛先: </translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>インデックスが有効範囲にありません</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>型が一致しません</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>オーバーフローしました</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>0で除算しました</translation>
    </message>
    <message>
        <source>Save Results To This Folder</source>
        <translation>このフォルダーに結果を保存</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>フォルダーを選択してください：</translation>
    </message>
    <message>
        <source>No output folder is set. Type a folder into &quot;%1&quot; or choose one with the ... button.</source>
        <translation>保存先フォルダーが設定されていません。「%1」にフォルダーを入力するか、「...」ボタンで選択してください。</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a full path. Type the whole path of the folder, or choose one with the ... button.</source>
        <translation>保存先フォルダー「%1」は完全なパスではありません。フォルダーのパス全体を入力するか、「...」ボタンで選択してください。</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; does not exist. Type an existing folder into &quot;%2&quot; or choose one with the ... button.</source>
        <translation>保存先フォルダー「%1」は存在しません。「%2」に既存のフォルダーを入力するか、「...」ボタンで選択してください。</translation>
    </message>
    <message>
        <source>Velmora could not open the folder &quot;%1&quot;: no file manager is set up to show it.</source>
        <translation>Velmoraはフォルダー「%1」を開けませんでした：表示するためのファイルマネージャーが設定されていません。</translation>
    </message>
    <message>
        <source>Saved %1 of %2 cards. The others could not be written; the messages before this one say why.</source>
        <translation>%2枚中%1枚のカードを保存しました。残りは書き込めませんでした。理由はこれまでのメッセージをご覧ください。</translation>
    </message>
    <message>
        <source>Report the other cards of this save together at the end</source>
        <translation>この保存の残りのカードは最後にまとめて報告する</translation>
    </message>
    <message numerus="yes">
        <source>Saved %1 of %n card.</source>
        <translation>
            <numerusform>%n枚中%1枚のカードを保存しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved %1 of %n cards.</source>
        <translation>
            <numerusform>%n枚中%1枚のカードを保存しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be written: %1.</source>
        <comment>the cards not written, and why</comment>
        <translation>
            <numerusform>%n枚を書き込めませんでした。理由：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>「%1」を書き込めません：%2</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>画像をエンコードできませんでした</translation>
    </message>
    <message>
        <source>the document could not be made</source>
        <translation>文書を作成できませんでした</translation>
    </message>
    <message>
        <source>No card face to save as %1</source>
        <translation>「%1」として保存するカード画像がありません</translation>
    </message>
    <message>
        <source>Your settings could not be saved to %1.<byte value="xd"/>
Velmora keeps working, but this change will be lost when it closes.</source>
        <translation>設定を%1に保存できませんでした。<byte value="xd"/>
Velmoraはこのまま動作しますが、この変更は終了時に失われます。</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;; see velmora --help</source>
        <translation>予期しない引数「%1」です。velmora --help を参照してください</translation>
    </message>
    <message>
        <source>unknown option %1; see velmora --help</source>
        <translation>不明なオプション %1 です。velmora --help を参照してください</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 が2回指定されています</translation>
    </message>
    <message>
        <source>%1 needs a value; see velmora --help</source>
        <translation>%1 には値が必要です。velmora --help を参照してください</translation>
    </message>
    <message>
        <source>--draw needs a number of cards from 1 to %1, not &quot;%2&quot;</source>
        <translation>--draw にはカードの枚数を1～%1で指定してください。「%2」は使えません</translation>
    </message>
    <message>
        <source>--draw needs a number of cards from 1 to %1; &quot;%2&quot; is out of range</source>
        <translation>--draw にはカードの枚数を1～%1で指定してください。「%2」は範囲外です</translation>
    </message>
    <message>
        <source>--size needs a width in pixels, a whole number from %1 to %2, not &quot;%3&quot;</source>
        <translation>--size には幅をピクセル単位の整数（%1～%2）で指定してください。「%3」は使えません</translation>
    </message>
    <message>
        <source>--%1 is for the files of --save-to, which is not given</source>
        <translation>--%1 は --save-to のファイル用ですが、--save-to が指定されていません</translation>
    </message>
    <message>
        <source>--save-to needs a folder</source>
        <translation>--save-to にはフォルダーが必要です</translation>
    </message>
    <message>
        <source>--format is bmp, png, svg or pdf, not &quot;%1&quot;</source>
        <translation>--format には bmp、png、svg、pdf のいずれかを指定してください。「%1」は使えません</translation>
    </message>
    <message>
        <source>--size is for --format png only (SVG and PDF are drawings of any size; a bitmap is the picture&apos;s own)</source>
        <translation>--size は --format png 専用です（SVGとPDFは任意のサイズで描ける図形で、ビットマップは画像本来のサイズです）</translation>
    </message>
    <message>
        <source>--pdf-layout is for --format pdf only</source>
        <translation>--pdf-layout は --format pdf 専用です</translation>
    </message>
    <message>
        <source>--pdf-layout is sheets or card, not &quot;%1&quot;</source>
        <translation>--pdf-layout には sheets か card を指定してください。「%1」は使えません</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>フォルダー %1 は存在しません</translation>
    </message>
    <message>
        <source>the folder name %1 is longer than the system allows</source>
        <translation>フォルダー名 %1 はシステムが許す長さを超えています</translation>
    </message>
    <message>
        <source>the folder&apos;s name is not UTF-8 text, so it cannot be found (it reads as %1)</source>
        <translation>フォルダー名がUTF-8のテキストではないため、見つけられません（%1 と読めます）</translation>
    </message>
    <message>
        <source>cannot reach the folder %1: %2</source>
        <translation>フォルダー %1 にアクセスできません：%2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 はフォルダーではありません</translation>
    </message>
    <message>
        <source>there is no display to open the window on; --draw works without one (see velmora --help)</source>
        <translation>ウィンドウを開くディスプレイがありません。--draw はディスプレイなしで使えます（velmora --help を参照）</translation>
    </message>
    <message>
        <source>the window cannot open: %1; --draw works without it</source>
        <translation>ウィンドウを開けません：%1。--draw はウィンドウなしで使えます</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>標準出力に書き込めません：%1</translation>
    </message>
    <message>
        <source>standard output is closed; nothing was done</source>
        <translation>標準出力が閉じられています。何も実行しませんでした</translation>
    </message>
    <message>
        <source>nothing to do; see velmora --help</source>
        <translation>何もすることがありません。velmora --help を参照してください</translation>
    </message>
    <message>
        <source>--%1 needs --draw or --deck</source>
        <translation>--%1 には --draw または --deck が必要です</translation>
    </message>
    <message>
        <source>%1 (red joker)</source>
        <translation>%1 (赤のジョーカー)</translation>
    </message>
    <message>
        <source>%1 (black joker)</source>
        <translation>%1 (黒のジョーカー)</translation>
    </message>
    <message>
        <source>--card-size is picture, poker or bridge, not &quot;%1&quot;</source>
        <translation>--card-size には picture、poker、bridge のいずれかを指定してください。「%1」は使えません</translation>
    </message>
    <message>
        <source>--%1 is for --format pdf only</source>
        <translation>--%1 は --format pdf 専用です</translation>
    </message>
    <message>
        <source>--back is one of the backs 1 to 12, not &quot;%1&quot;</source>
        <translation>--back には裏面の番号を1～12で指定してください。「%1」は使えません</translation>
    </message>
    <message>
        <source>--deck takes the whole deck in order: give it or --draw, not both</source>
        <translation>--deck はデッキ全体を順に使います。--deck と --draw のどちらか一方だけを指定してください</translation>
    </message>
    <message>
        <source>--jokers needs --deck (a draw holds no jokers)</source>
        <translation>--jokers には --deck が必要です（引いたカードにジョーカーは含まれません）</translation>
    </message>
    <message>
        <source>%1 of %2 cards (%3 %), %4 left</source>
        <translation>%2枚中%1枚（%3 %）、残り %4</translation>
    </message>
    <message>
        <source>The export was cancelled: no file was written, and an earlier file of that name is as it was.</source>
        <translation>エクスポートを中止しました。ファイルは書き込まれておらず、同じ名前の既存のファイルは元のままです。</translation>
    </message>
    <message>
        <source>Printing was cancelled.</source>
        <translation>印刷を中止しました。</translation>
    </message>
    <message>
        <source>The dragged card went without its file, so a file manager received nothing: %1.</source>
        <translation>ドラッグしたカードにファイルが付いていなかったため、ファイルマネージャーは何も受け取りませんでした：%1</translation>
    </message>
    <message>
        <source>Cannot print: the print module did not load. Reinstalling Velmora puts it back.

%1</source>
        <translation>印刷できません：印刷モジュールを読み込めませんでした。Velmora を再インストールすると元に戻ります。

%1</translation>
    </message>
</context>
<context>
    <name>PrintOptionsDialog</name>
    <message>
        <source>Back %1</source>
        <translation>裏面 %1</translation>
    </message>
    <message>
        <source>Print Options</source>
        <translation>印刷オプション</translation>
    </message>
    <message>
        <source>PDF Options</source>
        <translation>PDFオプション</translation>
    </message>
    <message>
        <source>Poker, 2.5 x 3.5 in (63.5 x 88.9 mm)</source>
        <translation>ポーカー、2.5 x 3.5インチ (63.5 x 88.9 mm)</translation>
    </message>
    <message>
        <source>Bridge, 2.25 x 3.5 in (57.2 x 88.9 mm)</source>
        <translation>ブリッジ、2.25 x 3.5インチ (57.2 x 88.9 mm)</translation>
    </message>
    <message>
        <source>Picture, 63 x 85.2 mm (the pictures&apos; own shape)</source>
        <translation>画像、63 x 85.2 mm（画像本来の形）</translation>
    </message>
    <message>
        <source>Card size</source>
        <translation>カードサイズ</translation>
    </message>
    <message>
        <source>Card &amp;size:</source>
        <translation>カードサイズ(&amp;S):</translation>
    </message>
    <message>
        <source>B&amp;leed: the picture runs 1/8 in beyond each cut edge</source>
        <translation>裁ち落とし(&amp;L): 裁断線の外へ1/8インチ絵を延ばす</translation>
    </message>
    <message>
        <source>For print services, which cut inside the bleed.</source>
        <translation>裁ち落としの内側で裁断する印刷サービス向けです。</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>裏面</translation>
    </message>
    <message>
        <source>The picture printed behind every card, or none.</source>
        <translation>各カードの裏に印刷する絵、またはなし。</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Bac&amp;k:</source>
        <translation>裏面(&amp;K):</translation>
    </message>
    <message>
        <source>D&amp;uplex: backs pages mirrored for printing on both sides (long edge)</source>
        <translation>両面印刷(&amp;U): 裏面ページを反転（長辺とじ）</translation>
    </message>
    <message>
        <source>Only sheets with a back have backs pages to mirror.</source>
        <translation>反転する裏面ページがあるのは、裏面付きの用紙レイアウトだけです。</translation>
    </message>
    <message>
        <source>Sheets of paper with cut marks</source>
        <translation>トンボ付きの用紙</translation>
    </message>
    <message>
        <source>One card per page, at card size (for print services)</source>
        <translation>1ページに1枚、カードと同じサイズ（印刷サービス向け）</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>レイアウト</translation>
    </message>
    <message>
        <source>L&amp;ayout:</source>
        <translation>レイアウト(&amp;A):</translation>
    </message>
    <message>
        <source>Add the two &amp;jokers after the 52 cards</source>
        <translation>52枚の後に2枚のジョーカーを追加(&amp;J)</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>印刷(&amp;P)…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>エクスポート(&amp;E)…</translation>
    </message>
</context>
<context>
    <name>SaveAs</name>
    <message>
        <source>PNG image, %1%2 x %3 (*.png)</source>
        <translation>PNG画像、%1%2 x %3 (*.png)</translation>
    </message>
    <message>
        <source>twice the size, </source>
        <translation>2倍のサイズ、</translation>
    </message>
    <message>
        <source>four times the size, </source>
        <translation>4倍のサイズ、</translation>
    </message>
    <message>
        <source>for print at %1 dpi, 63 mm wide, </source>
        <translation>%1 dpiの印刷用、幅63 mm、</translation>
    </message>
    <message>
        <source>SVG drawing, any size (*.svg)</source>
        <translation>SVG図形、任意のサイズ (*.svg)</translation>
    </message>
    <message>
        <source>PDF document, the card at 63 mm (*.pdf)</source>
        <translation>PDF文書、カード幅63 mm (*.pdf)</translation>
    </message>
    <message>
        <source>Windows bitmap (*.bmp)</source>
        <translation>Windowsビットマップ (*.bmp)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>「%1」は既に存在します。
置き換えますか？</translation>
    </message>
    <message>
        <source>Save Card As</source>
        <translation>カードに名前を付けて保存</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF文書 (*.pdf)</translation>
    </message>
    <message>
        <source>Exporting %1…</source>
        <translation>%1をエクスポートしています…</translation>
    </message>
</context>
<context>
    <name>SaveRefusal</name>
    <message>
        <source>The file is open in another program.</source>
        <translation>ファイルが別のプログラムで開かれています。</translation>
    </message>
    <message>
        <source>Windows does not let you write in this folder.</source>
        <translation>このフォルダーへの書き込みはWindowsで許可されていません。</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>フォルダーが存在しません。</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>ディスクがいっぱいです。</translation>
    </message>
    <message>
        <source>The disk is write-protected.</source>
        <translation>ディスクが書き込み禁止になっています。</translation>
    </message>
    <message>
        <source>The drive is not ready.</source>
        <translation>ドライブの準備ができていません。</translation>
    </message>
    <message>
        <source>Windows does not allow this name.</source>
        <translation>この名前はWindowsでは使えません。</translation>
    </message>
    <message>
        <source>The path is too long.</source>
        <translation>パスが長すぎます。</translation>
    </message>
    <message>
        <source>The network folder cannot be reached.</source>
        <translation>ネットワークフォルダーにアクセスできません。</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>同じ名前のフォルダーがあるため書き込めません。</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>ファイルは読み取り専用です。</translation>
    </message>
    <message>
        <source>The folder is a file.</source>
        <translation>フォルダーとして指定したものはファイルです。</translation>
    </message>
    <message>
        <source>Windows does not allow a colon (:) in a name.</source>
        <translation>Windowsでは名前にコロン（:）を使えません。</translation>
    </message>
</context>
</TS>
