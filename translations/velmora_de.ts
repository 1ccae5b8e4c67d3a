<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CardDraw</name>
    <message>
        <source>Progress Bar</source>
        <translation>Fortschritt</translation>
    </message>
</context>
<context>
    <name>CardEntry</name>
    <message>
        <source>ace of spades</source>
        <translation>Pik Ass</translation>
    </message>
    <message>
        <source>two of spades</source>
        <translation>Pik Zwei</translation>
    </message>
    <message>
        <source>three of spades</source>
        <translation>Pik Drei</translation>
    </message>
    <message>
        <source>four of spades</source>
        <translation>Pik Vier</translation>
    </message>
    <message>
        <source>five of spades</source>
        <translation>Pik Fünf</translation>
    </message>
    <message>
        <source>six of spades</source>
        <translation>Pik Sechs</translation>
    </message>
    <message>
        <source>seven of spades</source>
        <translation>Pik Sieben</translation>
    </message>
    <message>
        <source>eight of spades</source>
        <translation>Pik Acht</translation>
    </message>
    <message>
        <source>nine of spades</source>
        <translation>Pik Neun</translation>
    </message>
    <message>
        <source>ten of spades</source>
        <translation>Pik Zehn</translation>
    </message>
    <message>
        <source>jack of spades</source>
        <translation>Pik Bube</translation>
    </message>
    <message>
        <source>queen of spades</source>
        <translation>Pik Dame</translation>
    </message>
    <message>
        <source>king of spades</source>
        <translation>Pik König</translation>
    </message>
    <message>
        <source>ace of diamonds</source>
        <translation>Karo Ass</translation>
    </message>
    <message>
        <source>two of diamonds</source>
        <translation>Karo Zwei</translation>
    </message>
    <message>
        <source>three of diamonds</source>
        <translation>Karo Drei</translation>
    </message>
    <message>
        <source>four of diamonds</source>
        <translation>Karo Vier</translation>
    </message>
    <message>
        <source>five of diamonds</source>
        <translation>Karo Fünf</translation>
    </message>
    <message>
        <source>six of diamonds</source>
        <translation>Karo Sechs</translation>
    </message>
    <message>
        <source>seven of diamonds</source>
        <translation>Karo Sieben</translation>
    </message>
    <message>
        <source>eight of diamonds</source>
        <translation>Karo Acht</translation>
    </message>
    <message>
        <source>nine of diamonds</source>
        <translation>Karo Neun</translation>
    </message>
    <message>
        <source>ten of diamonds</source>
        <translation>Karo Zehn</translation>
    </message>
    <message>
        <source>jack of diamonds</source>
        <translation>Karo Bube</translation>
    </message>
    <message>
        <source>queen of diamonds</source>
        <translation>Karo Dame</translation>
    </message>
    <message>
        <source>king of diamonds</source>
        <translation>Karo König</translation>
    </message>
    <message>
        <source>ace of clubs</source>
        <translation>Kreuz Ass</translation>
    </message>
    <message>
        <source>two of clubs</source>
        <translation>Kreuz Zwei</translation>
    </message>
    <message>
        <source>three of clubs</source>
        <translation>Kreuz Drei</translation>
    </message>
    <message>
        <source>four of clubs</source>
        <translation>Kreuz Vier</translation>
    </message>
    <message>
        <source>five of clubs</source>
        <translation>Kreuz Fünf</translation>
    </message>
    <message>
        <source>six of clubs</source>
        <translation>Kreuz Sechs</translation>
    </message>
    <message>
        <source>seven of clubs</source>
        <translation>Kreuz Sieben</translation>
    </message>
    <message>
        <source>eight of clubs</source>
        <translation>Kreuz Acht</translation>
    </message>
    <message>
        <source>nine of clubs</source>
        <translation>Kreuz Neun</translation>
    </message>
    <message>
        <source>ten of clubs</source>
        <translation>Kreuz Zehn</translation>
    </message>
    <message>
        <source>jack of clubs</source>
        <translation>Kreuz Bube</translation>
    </message>
    <message>
        <source>queen of clubs</source>
        <translation>Kreuz Dame</translation>
    </message>
    <message>
        <source>king of clubs</source>
        <translation>Kreuz König</translation>
    </message>
    <message>
        <source>ace of hearts</source>
        <translation>Herz Ass</translation>
    </message>
    <message>
        <source>two of hearts</source>
        <translation>Herz Zwei</translation>
    </message>
    <message>
        <source>three of hearts</source>
        <translation>Herz Drei</translation>
    </message>
    <message>
        <source>four of hearts</source>
        <translation>Herz Vier</translation>
    </message>
    <message>
        <source>five of hearts</source>
        <translation>Herz Fünf</translation>
    </message>
    <message>
        <source>six of hearts</source>
        <translation>Herz Sechs</translation>
    </message>
    <message>
        <source>seven of hearts</source>
        <translation>Herz Sieben</translation>
    </message>
    <message>
        <source>eight of hearts</source>
        <translation>Herz Acht</translation>
    </message>
    <message>
        <source>nine of hearts</source>
        <translation>Herz Neun</translation>
    </message>
    <message>
        <source>ten of hearts</source>
        <translation>Herz Zehn</translation>
    </message>
    <message>
        <source>jack of hearts</source>
        <translation>Herz Bube</translation>
    </message>
    <message>
        <source>queen of hearts</source>
        <translation>Herz Dame</translation>
    </message>
    <message>
        <source>king of hearts</source>
        <translation>Herz König</translation>
    </message>
</context>
<context>
    <name>CardPreview</name>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>No card is shown</source>
        <translation>Keine Karte wird angezeigt</translation>
    </message>
    <message>
        <source>Shows the %1</source>
        <translation>Zeigt %1</translation>
    </message>
</context>
<context>
    <name>CardTransfer</name>
    <message>
        <source>Copy Card Image</source>
        <translation>Kartenbild kopieren</translation>
    </message>
    <message>
        <source>Copy Drawn Cards</source>
        <translation>Gezogene Karten kopieren</translation>
    </message>
    <message>
        <source>Save Card As…</source>
        <translation>Karte speichern unter…</translation>
    </message>
    <message>
        <source>Export Drawn Cards as PDF…</source>
        <translation>Gezogene Karten als PDF exportieren…</translation>
    </message>
    <message>
        <source>Print Drawn Cards…</source>
        <translation>Gezogene Karten drucken…</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>Zielordner öffnen</translation>
    </message>
    <message>
        <source>no folder can be made in %1: %2</source>
        <translation>in %1 kann kein Ordner angelegt werden: %2</translation>
    </message>
    <message>
        <source>Print Drawn Cards</source>
        <translation>Gezogene Karten drucken</translation>
    </message>
    <message>
        <source>Export Whole Deck as PDF…</source>
        <translation>Ganzes Kartenspiel als PDF exportieren…</translation>
    </message>
    <message>
        <source>Export Drawn Cards as PDF</source>
        <translation>Gezogene Karten als PDF exportieren</translation>
    </message>
    <message>
        <source>Export Whole Deck as PDF</source>
        <translation>Ganzes Kartenspiel als PDF exportieren</translation>
    </message>
    <message>
        <source>Printing the cards…</source>
        <translation>Die Karten werden gedruckt…</translation>
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
        <translation>Aufruf: velmora [Optionen]
Zieht zufällige Spielkarten.
Ohne Optionen öffnet es sein Fenster. Mit --draw oder --deck gibt es die Karten aus,
eine pro Zeile, schreibt auf Wunsch ihre Dateien und endet. Im Terminal lautet eine
Zeile „Card 17 (Karo Vier)“; in eine Pipe oder Datei „Card 17&lt;TAB&gt;four of diamonds“.
  velmora --draw 5 --save-to ORDNER --format png --size 744   PNGs für den Druck mit 300 dpi
  velmora --draw 9 --save-to ORDNER --format pdf              ORDNER/Cards.pdf, fertig zum Schneiden
  velmora --deck --jokers --save-to ORDNER --format pdf --pdf-layout card --bleed --back 3
                                       ganzes Kartenspiel mit Rückseiten, für Druckdienste

Rückgabewert: 0 Erfolg, 2 falsche Argumente, 3 eine Datei konnte nicht geschrieben werden,
4 das Fenster kann nicht geöffnet werden (kein Bildschirm).

Optionen:
  -h, -?, --help           Zeigt diese Hilfe.
  -v, --version            Zeigt die Versionsinformation.
  --draw &lt;Anzahl&gt;          Zieht &lt;Anzahl&gt; verschiedene Karten (1 bis 52) und gibt sie aus.
  --deck                   Statt eines Ziehens das ganze Kartenspiel mit 52 Karten in
                           Farbfolge (Pik, Karo, Kreuz, Herz; Ass bis König).
  --jokers                 Mit --deck danach die beiden Joker: Joker 1 (rot) und
                           Joker 2 (schwarz).
  --save-to &lt;Ordner&gt;       Schreibt die Karten auch in &lt;Ordner&gt;: Card N.bmp für jede
                           (.png, .svg; Joker N für die Joker) oder eine Cards.pdf;
                           eine vorhandene Datei wird ersetzt. Eine Karte, die nicht
                           geschrieben werden kann, wird auf der Standardfehlerausgabe
                           genannt; die übrigen werden trotzdem geschrieben. Große
                           Exporte nutzen jeden Prozessorkern; im Terminal zeigt eine
                           Zeile auf der Standardfehlerausgabe, wie weit sie sind.
  --format &lt;bmp|png|svg|pdf&gt;  Mit --save-to das Format der Dateien: bmp (weiße Ecken,
                           Vorgabe), png (durchsichtige Ecken), svg (eine Zeichnung
                           jeder Größe) oder pdf (eine Datei, Cards.pdf, mit jeder
                           Karte in ihrer wirklichen Größe auf A4- oder Letter-Bögen
                           mit Schnittmarken).
  --card-size &lt;picture|poker|bridge&gt;  Mit --save-to die Form der Karte: picture (63 x
                           85,2 mm, die eigene der Bilder; Vorgabe außer bei pdf),
                           poker (2,5 x 3,5 Zoll; Vorgabe bei pdf) oder bridge
                           (2,25 x 3,5 Zoll).
  --size &lt;Breite&gt;          Mit --format png: jede Karte &lt;Breite&gt; Pixel breit (%1 bis
                           %2), scharf in dieser Größe gezeichnet; die Höhe folgt dem
                           Seitenverhältnis der Kartengröße, und die Datei nennt die
                           Auflösung, die sie in ihrer wirklichen Breite druckt
                           (750 px poker: 300 dpi). Vorgabe: die eigene Größe des
                           Bildes, 71 x 96.
  --pdf-layout &lt;sheets|card&gt;  Mit --format pdf: sheets (so viele Karten, wie auf eine
                           Seite passen, Vorgabe) oder card (eine Karte pro Seite in
                           der Größe der Karte, wie Druckdienste sie annehmen).
  --bleed                  Mit --format pdf: 1/8 Zoll vom Hintergrund der Karte über
                           jede Schnittkante hinaus (die Seite einer Pokerkarte ist
                           198 x 270 pt); auf Bögen bleiben die Schnittmarken
                           außerhalb davon.
  --back &lt;1-12&gt;            Mit --format pdf: diese Rückseite hinter jeder Karte. Auf
                           Bögen folgen auf jede Seite mit Vorderseiten ihre
                           Rückseiten, gespiegelt für Duplex an der langen Kante; bei
                           card folgt auf die Vorderseite jeder Karte ihre Rückseite.

Qts eigene Optionen (-platform, -style, -geometry, ...) gelten für das Fenster.
</translation>
    </message>
</context>
<context>
    <name>FolderMark</name>
    <message>
        <source>This folder does not exist</source>
        <translation>Dieser Ordner existiert nicht</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Progress Bar</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Start Generate Random Playing Cards</source>
        <translation>Zufällige Spielkarten ziehen</translation>
    </message>
    <message>
        <source>Number To Generate</source>
        <translation>Anzahl der Karten</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Card(s) Generated</source>
        <translation>Gezogene Karte(n)</translation>
    </message>
    <message>
        <source>Save All Cards To Image</source>
        <translation>Alle Karten als Bild speichern</translation>
    </message>
    <message>
        <source>Save Selected Card As Image</source>
        <translation>Gewählte Karte als Bild speichern</translation>
    </message>
    <message>
        <source>Number of cards to draw, 1 to 52</source>
        <translation>Anzahl der zu ziehenden Karten, 1 bis 52</translation>
    </message>
    <message>
        <source>Drawn cards</source>
        <translation>Gezogene Karten</translation>
    </message>
    <message>
        <source>Select a card to preview it</source>
        <translation>Wählen Sie eine Karte, um sie in der Vorschau zu sehen</translation>
    </message>
    <message>
        <source>The folder the card images are saved into</source>
        <translation>Der Ordner, in dem die Kartenbilder gespeichert werden</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <translation>Zielordner wählen</translation>
    </message>
    <message>
        <source>Draw progress</source>
        <translation>Fortschritt des Ziehens</translation>
    </message>
    <message>
        <source>How far the current draw has come</source>
        <translation>Wie weit das laufende Ziehen ist</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Done.</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>No card selected.</source>
        <translation>Keine Karte ausgewählt.</translation>
    </message>
    <message>
        <source>Up to %1 cards allowed</source>
        <translation>Höchstens %1 Karten erlaubt</translation>
    </message>
    <message>
        <source>Must be numerical value.</source>
        <translation>Muss ein Zahlenwert sein.</translation>
    </message>
    <message>
        <source>Numeric Value Required</source>
        <translation>Zahlenwert erforderlich</translation>
    </message>
    <message>
        <source>No card left to draw: all %1 cards are listed</source>
        <translation>Keine Karte mehr zu ziehen: alle %1 Karten sind in der Liste</translation>
    </message>
    <message>
        <source>Cannot draw %1 distinct cards from a deck of %2</source>
        <translation>Aus einem Spiel mit %2 Karten lassen sich keine %1 verschiedenen Karten ziehen</translation>
    </message>
    <message>
        <source>ChangeCard property must be from 0 to 53!</source>
        <translation>Die Eigenschaft ChangeCard muss zwischen 0 und 53 liegen!</translation>
    </message>
    <message>
        <source>ChangeBack property must be from 0 to 11!</source>
        <translation>Die Eigenschaft ChangeBack muss zwischen 0 und 11 liegen!</translation>
    </message>
    <message>
        <source>You cannot change this property.</source>
        <translation>Diese Eigenschaft kann nicht geändert werden.</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Anwendungsfehler</translation>
    </message>
    <message>
        <source>in </source>
        <translation>in </translation>
    </message>
    <message>
        <source>at line </source>
        <translation>in Zeile </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Bitte senden Sie ein Bildschirmfoto dieser Meldung per E-Mail an </translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Index außerhalb des gültigen Bereichs</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division durch Null</translation>
    </message>
    <message>
        <source>Save Results To This Folder</source>
        <translation>Ergebnisse in diesem Ordner speichern</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>Bitte Ordner wählen:</translation>
    </message>
    <message>
        <source>No output folder is set. Type a folder into &quot;%1&quot; or choose one with the ... button.</source>
        <translation>Es ist kein Zielordner festgelegt. Geben Sie einen Ordner unter „%1“ ein oder wählen Sie einen mit der Schaltfläche ... aus.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a full path. Type the whole path of the folder, or choose one with the ... button.</source>
        <translation>Der Zielordner „%1“ ist kein vollständiger Pfad. Geben Sie den ganzen Pfad des Ordners ein oder wählen Sie einen mit der Schaltfläche ... aus.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; does not exist. Type an existing folder into &quot;%2&quot; or choose one with the ... button.</source>
        <translation>Der Zielordner „%1“ existiert nicht. Geben Sie unter „%2“ einen vorhandenen Ordner ein oder wählen Sie einen mit der Schaltfläche ... aus.</translation>
    </message>
    <message>
        <source>Velmora could not open the folder &quot;%1&quot;: no file manager is set up to show it.</source>
        <translation>Velmora konnte den Ordner „%1“ nicht öffnen: Es ist keine Dateiverwaltung eingerichtet, die ihn anzeigt.</translation>
    </message>
    <message>
        <source>Saved %1 of %2 cards. The others could not be written; the messages before this one say why.</source>
        <translation>%1 von %2 Karten gespeichert. Die übrigen konnten nicht geschrieben werden; die vorigen Meldungen nennen den Grund.</translation>
    </message>
    <message>
        <source>Report the other cards of this save together at the end</source>
        <translation>Die übrigen Karten dieses Speicherns gesammelt am Ende melden</translation>
    </message>
    <message numerus="yes">
        <source>Saved %1 of %n card.</source>
        <translation>
            <numerusform>%1 von %n Karte gespeichert.</numerusform>
            <numerusform>%1 von %n Karten gespeichert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved %1 of %n cards.</source>
        <translation>
            <numerusform>%1 von %n Karte gespeichert.</numerusform>
            <numerusform>%1 von %n Karten gespeichert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be written: %1.</source>
        <comment>the cards not written, and why</comment>
        <translation>
            <numerusform>%n konnte nicht geschrieben werden: %1.</numerusform>
            <numerusform>%n konnten nicht geschrieben werden: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>das Bild konnte nicht kodiert werden</translation>
    </message>
    <message>
        <source>the document could not be made</source>
        <translation>das Dokument konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>No card face to save as %1</source>
        <translation>Kein Kartenbild zum Speichern als %1</translation>
    </message>
    <message>
        <source>Your settings could not be saved to %1.<byte value="xd"/>
Velmora keeps working, but this change will be lost when it closes.</source>
        <translation>Ihre Einstellungen konnten nicht in %1 gespeichert werden.<byte value="xd"/>
Velmora arbeitet weiter, aber diese Änderung geht beim Beenden verloren.</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;; see velmora --help</source>
        <translation>unerwartetes Argument „%1“; siehe velmora --help</translation>
    </message>
    <message>
        <source>unknown option %1; see velmora --help</source>
        <translation>unbekannte Option %1; siehe velmora --help</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 ist zweimal angegeben</translation>
    </message>
    <message>
        <source>%1 needs a value; see velmora --help</source>
        <translation>%1 braucht einen Wert; siehe velmora --help</translation>
    </message>
    <message>
        <source>--draw needs a number of cards from 1 to %1, not &quot;%2&quot;</source>
        <translation>--draw braucht eine Kartenzahl von 1 bis %1, nicht „%2“</translation>
    </message>
    <message>
        <source>--draw needs a number of cards from 1 to %1; &quot;%2&quot; is out of range</source>
        <translation>--draw braucht eine Kartenzahl von 1 bis %1; „%2“ liegt außerhalb</translation>
    </message>
    <message>
        <source>--size needs a width in pixels, a whole number from %1 to %2, not &quot;%3&quot;</source>
        <translation>--size braucht eine Breite in Pixeln, eine ganze Zahl von %1 bis %2, nicht „%3“</translation>
    </message>
    <message>
        <source>--%1 is for the files of --save-to, which is not given</source>
        <translation>--%1 gilt für die Dateien von --save-to, das nicht angegeben ist</translation>
    </message>
    <message>
        <source>--save-to needs a folder</source>
        <translation>--save-to braucht einen Ordner</translation>
    </message>
    <message>
        <source>--format is bmp, png, svg or pdf, not &quot;%1&quot;</source>
        <translation>--format ist bmp, png, svg oder pdf, nicht „%1“</translation>
    </message>
    <message>
        <source>--size is for --format png only (SVG and PDF are drawings of any size; a bitmap is the picture&apos;s own)</source>
        <translation>--size gilt nur für --format png (SVG und PDF sind Zeichnungen jeder Größe; eine Bitmap hat die Größe des Bildes)</translation>
    </message>
    <message>
        <source>--pdf-layout is for --format pdf only</source>
        <translation>--pdf-layout gilt nur für --format pdf</translation>
    </message>
    <message>
        <source>--pdf-layout is sheets or card, not &quot;%1&quot;</source>
        <translation>--pdf-layout ist sheets oder card, nicht „%1“</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>der Ordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>the folder name %1 is longer than the system allows</source>
        <translation>der Ordnername %1 ist länger, als das System erlaubt</translation>
    </message>
    <message>
        <source>the folder&apos;s name is not UTF-8 text, so it cannot be found (it reads as %1)</source>
        <translation>der Name des Ordners ist kein UTF-8-Text und lässt sich daher nicht finden (er lautet %1)</translation>
    </message>
    <message>
        <source>cannot reach the folder %1: %2</source>
        <translation>der Ordner %1 ist nicht erreichbar: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>there is no display to open the window on; --draw works without one (see velmora --help)</source>
        <translation>es gibt keinen Bildschirm für das Fenster; --draw geht auch ohne (siehe velmora --help)</translation>
    </message>
    <message>
        <source>the window cannot open: %1; --draw works without it</source>
        <translation>das Fenster kann nicht geöffnet werden: %1; --draw geht auch ohne</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>die Standardausgabe ist nicht beschreibbar: %1</translation>
    </message>
    <message>
        <source>standard output is closed; nothing was done</source>
        <translation>die Standardausgabe ist geschlossen; nichts wurde getan</translation>
    </message>
    <message>
        <source>nothing to do; see velmora --help</source>
        <translation>nichts zu tun; siehe velmora --help</translation>
    </message>
    <message>
        <source>--%1 needs --draw or --deck</source>
        <translation>--%1 braucht --draw oder --deck</translation>
    </message>
    <message>
        <source>%1 (red joker)</source>
        <translation>%1 (roter Joker)</translation>
    </message>
    <message>
        <source>%1 (black joker)</source>
        <translation>%1 (schwarzer Joker)</translation>
    </message>
    <message>
        <source>--card-size is picture, poker or bridge, not &quot;%1&quot;</source>
        <translation>--card-size ist picture, poker oder bridge, nicht „%1“</translation>
    </message>
    <message>
        <source>--%1 is for --format pdf only</source>
        <translation>--%1 gilt nur für --format pdf</translation>
    </message>
    <message>
        <source>--back is one of the backs 1 to 12, not &quot;%1&quot;</source>
        <translation>--back ist eine der Rückseiten 1 bis 12, nicht „%1“</translation>
    </message>
    <message>
        <source>--deck takes the whole deck in order: give it or --draw, not both</source>
        <translation>--deck nimmt das ganze Kartenspiel der Reihe nach: geben Sie es oder --draw an, nicht beides</translation>
    </message>
    <message>
        <source>--jokers needs --deck (a draw holds no jokers)</source>
        <translation>--jokers braucht --deck (gezogene Karten enthalten keine Joker)</translation>
    </message>
    <message>
        <source>%1 of %2 cards (%3 %), %4 left</source>
        <translation>%1 von %2 Karten (%3 %), noch %4</translation>
    </message>
    <message>
        <source>The export was cancelled: no file was written, and an earlier file of that name is as it was.</source>
        <translation>Der Export wurde abgebrochen: Es wurde keine Datei geschrieben, und eine frühere Datei dieses Namens ist unverändert.</translation>
    </message>
    <message>
        <source>Printing was cancelled.</source>
        <translation>Das Drucken wurde abgebrochen.</translation>
    </message>
    <message>
        <source>The dragged card went without its file, so a file manager received nothing: %1.</source>
        <translation>Die Karte wurde ohne ihre Datei gezogen und abgelegt, daher hat die Dateiverwaltung nichts erhalten: %1.</translation>
    </message>
    <message>
        <source>Cannot print: the print module did not load. Reinstalling Velmora puts it back.

%1</source>
        <translation>Drucken nicht möglich: Das Druckmodul wurde nicht geladen. Eine Neuinstallation von Velmora stellt es wieder her.

%1</translation>
    </message>
</context>
<context>
    <name>PrintOptionsDialog</name>
    <message>
        <source>Back %1</source>
        <translation>Rückseite %1</translation>
    </message>
    <message>
        <source>Print Options</source>
        <translation>Druckoptionen</translation>
    </message>
    <message>
        <source>PDF Options</source>
        <translation>PDF-Optionen</translation>
    </message>
    <message>
        <source>Poker, 2.5 x 3.5 in (63.5 x 88.9 mm)</source>
        <translation>Poker, 2,5 x 3,5 Zoll (63,5 x 88,9 mm)</translation>
    </message>
    <message>
        <source>Bridge, 2.25 x 3.5 in (57.2 x 88.9 mm)</source>
        <translation>Bridge, 2,25 x 3,5 Zoll (57,2 x 88,9 mm)</translation>
    </message>
    <message>
        <source>Picture, 63 x 85.2 mm (the pictures&apos; own shape)</source>
        <translation>Bild, 63 x 85,2 mm (die eigene Form der Bilder)</translation>
    </message>
    <message>
        <source>Card size</source>
        <translation>Kartengröße</translation>
    </message>
    <message>
        <source>Card &amp;size:</source>
        <translation>&amp;Kartengröße:</translation>
    </message>
    <message>
        <source>B&amp;leed: the picture runs 1/8 in beyond each cut edge</source>
        <translation>&amp;Beschnitt: das Bild reicht 1/8 Zoll über jede Schnittkante</translation>
    </message>
    <message>
        <source>For print services, which cut inside the bleed.</source>
        <translation>Für Druckdienste, die innerhalb des Beschnitts schneiden.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Rückseite</translation>
    </message>
    <message>
        <source>The picture printed behind every card, or none.</source>
        <translation>Das Bild auf der Rückseite jeder Karte, oder keines.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Bac&amp;k:</source>
        <translation>&amp;Rückseite:</translation>
    </message>
    <message>
        <source>D&amp;uplex: backs pages mirrored for printing on both sides (long edge)</source>
        <translation>D&amp;uplex: Rückseiten gespiegelt für beidseitigen Druck (lange Kante)</translation>
    </message>
    <message>
        <source>Only sheets with a back have backs pages to mirror.</source>
        <translation>Nur Bögen mit gewählter Rückseite haben Rückseiten zum Spiegeln.</translation>
    </message>
    <message>
        <source>Sheets of paper with cut marks</source>
        <translation>Papierbögen mit Schnittmarken</translation>
    </message>
    <message>
        <source>One card per page, at card size (for print services)</source>
        <translation>Eine Karte pro Seite in Kartengröße (für Druckdienste)</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>L&amp;ayout:</source>
        <translation>&amp;Layout:</translation>
    </message>
    <message>
        <source>Add the two &amp;jokers after the 52 cards</source>
        <translation>Die zwei &amp;Joker nach den 52 Karten anfügen</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportieren…</translation>
    </message>
</context>
<context>
    <name>SaveAs</name>
    <message>
        <source>PNG image, %1%2 x %3 (*.png)</source>
        <translation>PNG-Bild, %1%2 x %3 (*.png)</translation>
    </message>
    <message>
        <source>twice the size, </source>
        <translation>doppelte Größe, </translation>
    </message>
    <message>
        <source>four times the size, </source>
        <translation>vierfache Größe, </translation>
    </message>
    <message>
        <source>for print at %1 dpi, 63 mm wide, </source>
        <translation>für den Druck mit %1 dpi, 63 mm breit, </translation>
    </message>
    <message>
        <source>SVG drawing, any size (*.svg)</source>
        <translation>SVG-Zeichnung, jede Größe (*.svg)</translation>
    </message>
    <message>
        <source>PDF document, the card at 63 mm (*.pdf)</source>
        <translation>PDF-Dokument, die Karte mit 63 mm (*.pdf)</translation>
    </message>
    <message>
        <source>Windows bitmap (*.bmp)</source>
        <translation>Windows-Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Save Card As</source>
        <translation>Karte speichern unter</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Exporting %1…</source>
        <translation>%1 wird exportiert…</translation>
    </message>
</context>
<context>
    <name>SaveRefusal</name>
    <message>
        <source>The file is open in another program.</source>
        <translation>Die Datei ist in einem anderen Programm geöffnet.</translation>
    </message>
    <message>
        <source>Windows does not let you write in this folder.</source>
        <translation>Windows erlaubt in diesem Ordner kein Schreiben.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>Der Ordner existiert nicht.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>The disk is write-protected.</source>
        <translation>Der Datenträger ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The drive is not ready.</source>
        <translation>Das Laufwerk ist nicht bereit.</translation>
    </message>
    <message>
        <source>Windows does not allow this name.</source>
        <translation>Windows erlaubt diesen Namen nicht.</translation>
    </message>
    <message>
        <source>The path is too long.</source>
        <translation>Der Pfad ist zu lang.</translation>
    </message>
    <message>
        <source>The network folder cannot be reached.</source>
        <translation>Der Netzwerkordner ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Ein Ordner dieses Namens ist im Weg.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>The folder is a file.</source>
        <translation>Der Ordner ist eine Datei.</translation>
    </message>
    <message>
        <source>Windows does not allow a colon (:) in a name.</source>
        <translation>Windows erlaubt keinen Doppelpunkt (:) in einem Namen.</translation>
    </message>
</context>
</TS>
