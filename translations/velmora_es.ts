<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CardDraw</name>
    <message>
        <source>Progress Bar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardEntry</name>
    <message>
        <source>ace of spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two of spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>three of spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>four of spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>five of spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>six of spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seven of spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eight of spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nine of spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ten of spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jack of spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>queen of spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>king of spades</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ace of diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two of diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>three of diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>four of diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>five of diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>six of diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seven of diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eight of diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nine of diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ten of diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jack of diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>queen of diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>king of diamonds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ace of clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two of clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>three of clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>four of clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>five of clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>six of clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seven of clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eight of clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nine of clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ten of clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jack of clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>queen of clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>king of clubs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ace of hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>two of hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>three of hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>four of hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>five of hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>six of hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seven of hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>eight of hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nine of hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ten of hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jack of hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>queen of hearts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>king of hearts</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardPreview</name>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No card is shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CardTransfer</name>
    <message>
        <source>Copy Card Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Drawn Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Card As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Drawn Cards as PDF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Drawn Cards…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the temporary folder does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no folder can be made in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Drawn Cards</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: velmora [options]
Draws random playing cards.
Without options it opens its window. With --draw it prints the drawn cards, one per
line, optionally writes their faces, and ends. On a terminal a line reads
&quot;Card 17 (four of diamonds)&quot;; into a pipe or file it is &quot;Card 17&lt;TAB&gt;four of diamonds&quot;.
  velmora --draw 5 --save-to DIR --format png --size 744   PNGs for print at 300 dpi
  velmora --draw 9 --save-to DIR --format pdf              DIR/Cards.pdf, ready to cut

Exit status: 0 success, 2 bad arguments, 3 a file could not be written,
4 the window cannot open (no display).

Options:
  -h, -?, --help           Displays this help.
  -v, --version            Displays version information.
  --draw &lt;count&gt;           Draw &lt;count&gt; distinct cards (1 to 52) and print them.
  --save-to &lt;folder&gt;       Also write the cards into &lt;folder&gt;: Card N.bmp for each
                           (.png, .svg), or one Cards.pdf; an existing file is
                           replaced. A card that cannot be written is named on
                           standard error and the others are still written.
  --format &lt;bmp|png|svg|pdf&gt;  With --save-to, the files&apos; format: bmp (white
                           corners, default), png (transparent corners), svg (a
                           drawing of any size) or pdf (one file, Cards.pdf, with
                           every card at its real size, 63 mm wide, on A4 or Letter
                           sheets with cut marks).
  --size &lt;width&gt;           With --format png: each card &lt;width&gt; pixels wide (%1 to
                           %2), drawn sharp at that size; the height follows the
                           card&apos;s proportion. Default: the picture&apos;s own 71 x 96.
  --pdf-layout &lt;sheets|card&gt;  With --format pdf: sheets (as many cards as fit a
                           page, default) or card (one card per page of the card&apos;s
                           own size, as printing services take them).

Qt&apos;s own options (-platform, -style, -geometry, ...) are for the window.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FolderMark</name>
    <message>
        <source>This folder does not exist</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Progress Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Generate Random Playing Cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number To Generate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Card(s) Generated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save All Cards To Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Selected Card As Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of cards to draw, 1 to 52</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drawn cards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a card to preview it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder the card images are saved into</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How far the current draw has come</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No card selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up to %1 cards allowed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Must be numerical value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numeric Value Required</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No card left to draw: all %1 cards are listed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot draw %1 distinct cards from a deck of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ChangeCard property must be from 0 to 53!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ChangeBack property must be from 0 to 11!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You cannot change this property.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at line </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Results To This Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No output folder is set. Type a folder into &quot;%1&quot; or choose one with the ... button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a full path. Type the whole path of the folder, or choose one with the ... button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; does not exist. Type an existing folder into &quot;%2&quot; or choose one with the ... button.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velmora could not open the folder &quot;%1&quot;: no file manager is set up to show it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1 of %2 cards. The others could not be written; the messages before this one say why.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report the other cards of this save together at the end</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Saved %1 of %n card.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved %1 of %n cards.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be written: %1.</source>
        <comment>the cards not written, and why</comment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the document could not be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No card face to save as %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your settings could not be saved to %1.<byte value="xd"/>
Velmora keeps working, but this change will be lost when it closes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;; see velmora --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1; see velmora --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a value; see velmora --help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--draw needs a number of cards from 1 to %1, not &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--draw needs a number of cards from 1 to %1; &quot;%2&quot; is out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--size needs a width in pixels, a whole number from %1 to %2, not &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 is for the files of --save-to, which is not given</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--save-to needs a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--format is bmp, png, svg or pdf, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--size is for --format png only (SVG and PDF are drawings of any size; a bitmap is the picture&apos;s own)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--pdf-layout is for --format pdf only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--pdf-layout is sheets or card, not &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 needs --draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder name %1 is longer than the system allows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder&apos;s name is not UTF-8 text, so it cannot be found (it reads as %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot reach the folder %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>there is no display to open the window on; --draw works without one (see velmora --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the window cannot open: %1; --draw works without it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>standard output is closed; nothing was done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing to do; see velmora --help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveAs</name>
    <message>
        <source>PNG image, %1%2 x %3 (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>twice the size, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>four times the size, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>for print at %1 dpi, 63 mm wide, </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG drawing, any size (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF document, the card at 63 mm (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows bitmap (*.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF, %1 sheets with cut marks (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF, one card per page at card size (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Card As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Drawn Cards as PDF</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveRefusal</name>
    <message>
        <source>The file is open in another program.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows does not let you write in this folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The disk is write-protected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drive is not ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows does not allow this name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The path is too long.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The network folder cannot be reached.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder is a file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows does not allow a colon (:) in a name.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
