<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CardDraw</name>
    <message>
        <source>Progress Bar</source>
        <translation>Progression</translation>
    </message>
</context>
<context>
    <name>CardEntry</name>
    <message>
        <source>ace of spades</source>
        <translation>as de pique</translation>
    </message>
    <message>
        <source>two of spades</source>
        <translation>deux de pique</translation>
    </message>
    <message>
        <source>three of spades</source>
        <translation>trois de pique</translation>
    </message>
    <message>
        <source>four of spades</source>
        <translation>quatre de pique</translation>
    </message>
    <message>
        <source>five of spades</source>
        <translation>cinq de pique</translation>
    </message>
    <message>
        <source>six of spades</source>
        <translation>six de pique</translation>
    </message>
    <message>
        <source>seven of spades</source>
        <translation>sept de pique</translation>
    </message>
    <message>
        <source>eight of spades</source>
        <translation>huit de pique</translation>
    </message>
    <message>
        <source>nine of spades</source>
        <translation>neuf de pique</translation>
    </message>
    <message>
        <source>ten of spades</source>
        <translation>dix de pique</translation>
    </message>
    <message>
        <source>jack of spades</source>
        <translation>valet de pique</translation>
    </message>
    <message>
        <source>queen of spades</source>
        <translation>dame de pique</translation>
    </message>
    <message>
        <source>king of spades</source>
        <translation>roi de pique</translation>
    </message>
    <message>
        <source>ace of diamonds</source>
        <translation>as de carreau</translation>
    </message>
    <message>
        <source>two of diamonds</source>
        <translation>deux de carreau</translation>
    </message>
    <message>
        <source>three of diamonds</source>
        <translation>trois de carreau</translation>
    </message>
    <message>
        <source>four of diamonds</source>
        <translation>quatre de carreau</translation>
    </message>
    <message>
        <source>five of diamonds</source>
        <translation>cinq de carreau</translation>
    </message>
    <message>
        <source>six of diamonds</source>
        <translation>six de carreau</translation>
    </message>
    <message>
        <source>seven of diamonds</source>
        <translation>sept de carreau</translation>
    </message>
    <message>
        <source>eight of diamonds</source>
        <translation>huit de carreau</translation>
    </message>
    <message>
        <source>nine of diamonds</source>
        <translation>neuf de carreau</translation>
    </message>
    <message>
        <source>ten of diamonds</source>
        <translation>dix de carreau</translation>
    </message>
    <message>
        <source>jack of diamonds</source>
        <translation>valet de carreau</translation>
    </message>
    <message>
        <source>queen of diamonds</source>
        <translation>dame de carreau</translation>
    </message>
    <message>
        <source>king of diamonds</source>
        <translation>roi de carreau</translation>
    </message>
    <message>
        <source>ace of clubs</source>
        <translation>as de trèfle</translation>
    </message>
    <message>
        <source>two of clubs</source>
        <translation>deux de trèfle</translation>
    </message>
    <message>
        <source>three of clubs</source>
        <translation>trois de trèfle</translation>
    </message>
    <message>
        <source>four of clubs</source>
        <translation>quatre de trèfle</translation>
    </message>
    <message>
        <source>five of clubs</source>
        <translation>cinq de trèfle</translation>
    </message>
    <message>
        <source>six of clubs</source>
        <translation>six de trèfle</translation>
    </message>
    <message>
        <source>seven of clubs</source>
        <translation>sept de trèfle</translation>
    </message>
    <message>
        <source>eight of clubs</source>
        <translation>huit de trèfle</translation>
    </message>
    <message>
        <source>nine of clubs</source>
        <translation>neuf de trèfle</translation>
    </message>
    <message>
        <source>ten of clubs</source>
        <translation>dix de trèfle</translation>
    </message>
    <message>
        <source>jack of clubs</source>
        <translation>valet de trèfle</translation>
    </message>
    <message>
        <source>queen of clubs</source>
        <translation>dame de trèfle</translation>
    </message>
    <message>
        <source>king of clubs</source>
        <translation>roi de trèfle</translation>
    </message>
    <message>
        <source>ace of hearts</source>
        <translation>as de cœur</translation>
    </message>
    <message>
        <source>two of hearts</source>
        <translation>deux de cœur</translation>
    </message>
    <message>
        <source>three of hearts</source>
        <translation>trois de cœur</translation>
    </message>
    <message>
        <source>four of hearts</source>
        <translation>quatre de cœur</translation>
    </message>
    <message>
        <source>five of hearts</source>
        <translation>cinq de cœur</translation>
    </message>
    <message>
        <source>six of hearts</source>
        <translation>six de cœur</translation>
    </message>
    <message>
        <source>seven of hearts</source>
        <translation>sept de cœur</translation>
    </message>
    <message>
        <source>eight of hearts</source>
        <translation>huit de cœur</translation>
    </message>
    <message>
        <source>nine of hearts</source>
        <translation>neuf de cœur</translation>
    </message>
    <message>
        <source>ten of hearts</source>
        <translation>dix de cœur</translation>
    </message>
    <message>
        <source>jack of hearts</source>
        <translation>valet de cœur</translation>
    </message>
    <message>
        <source>queen of hearts</source>
        <translation>dame de cœur</translation>
    </message>
    <message>
        <source>king of hearts</source>
        <translation>roi de cœur</translation>
    </message>
</context>
<context>
    <name>CardPreview</name>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>No card is shown</source>
        <translation>Aucune carte n’est affichée</translation>
    </message>
    <message>
        <source>Shows the %1</source>
        <translation>Carte affichée&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>CardTransfer</name>
    <message>
        <source>Copy Card Image</source>
        <translation>Copier l’image de la carte</translation>
    </message>
    <message>
        <source>Copy Drawn Cards</source>
        <translation>Copier les cartes tirées</translation>
    </message>
    <message>
        <source>Save Card As…</source>
        <translation>Enregistrer la carte sous…</translation>
    </message>
    <message>
        <source>Export Drawn Cards as PDF…</source>
        <translation>Exporter les cartes tirées en PDF…</translation>
    </message>
    <message>
        <source>Print Drawn Cards…</source>
        <translation>Imprimer les cartes tirées…</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>Ouvrir le dossier de destination</translation>
    </message>
    <message>
        <source>no folder can be made in %1: %2</source>
        <translation>impossible de créer un dossier dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Print Drawn Cards</source>
        <translation>Imprimer les cartes tirées</translation>
    </message>
    <message>
        <source>Export Whole Deck as PDF…</source>
        <translation>Exporter tout le jeu en PDF…</translation>
    </message>
    <message>
        <source>Export Drawn Cards as PDF</source>
        <translation>Exporter les cartes tirées en PDF</translation>
    </message>
    <message>
        <source>Export Whole Deck as PDF</source>
        <translation>Exporter tout le jeu en PDF</translation>
    </message>
    <message>
        <source>Printing the cards…</source>
        <translation>Impression des cartes…</translation>
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
        <translation>Utilisation&#xa0;: velmora [options]
Tire des cartes à jouer au hasard.
Sans option, il ouvre sa fenêtre. Avec --draw ou --deck, il affiche les cartes, une par
ligne, écrit au besoin leurs fichiers, puis se termine. Dans un terminal, une ligne se
lit «&#xa0;Card 17 (quatre de carreau)&#xa0;»&#xa0;; dans un tube ou un fichier,
«&#xa0;Card 17&lt;TAB&gt;four of diamonds&#xa0;».
  velmora --draw 5 --save-to DOSSIER --format png --size 744   PNG pour l’impression à 300 dpi
  velmora --draw 9 --save-to DOSSIER --format pdf              DOSSIER/Cards.pdf, prêt à découper
  velmora --deck --jokers --save-to DOSSIER --format pdf --pdf-layout card --bleed --back 3
                                       tout le jeu avec dos, pour un service d’impression

Code de sortie&#xa0;: 0 succès, 2 arguments incorrects, 3 un fichier n’a pas pu être écrit,
4 la fenêtre ne peut pas s’ouvrir (pas d’écran).

Options&#xa0;:
  -h, -?, --help           Affiche cette aide.
  -v, --version            Affiche les informations de version.
  --draw &lt;nombre&gt;          Tire &lt;nombre&gt; cartes distinctes (1 à 52) et les affiche.
  --deck                   Au lieu d’un tirage, tout le jeu de 52 cartes dans l’ordre
                           des couleurs (pique, carreau, trèfle, cœur&#xa0;; de l’as au
                           roi).
  --jokers                 Avec --deck, les deux jokers à la suite&#xa0;: Joker 1 (rouge)
                           et Joker 2 (noir).
  --save-to &lt;dossier&gt;      Écrit aussi les cartes dans &lt;dossier&gt;&#xa0;: Card N.bmp pour
                           chacune (.png, .svg&#xa0;; Joker N pour les jokers), ou un seul
                           Cards.pdf&#xa0;; un fichier existant est remplacé. Une carte
                           qui ne peut pas être écrite est signalée sur la sortie
                           d’erreur standard et les autres sont tout de même
                           écrites. Les gros exports utilisent tous les cœurs du
                           processeur&#xa0;; dans un terminal, une ligne sur la sortie
                           d’erreur standard indique où ils en sont.
  --format &lt;bmp|png|svg|pdf&gt;  Avec --save-to, le format des fichiers&#xa0;: bmp (coins
                           blancs, par défaut), png (coins transparents), svg (un
                           dessin de toute taille) ou pdf (un seul fichier,
                           Cards.pdf, avec chaque carte à sa taille réelle sur des
                           feuilles A4 ou Letter avec traits de coupe).
  --card-size &lt;picture|poker|bridge&gt;  Avec --save-to, la forme de la carte&#xa0;: picture
                           (63 x 85,2 mm, celle des images&#xa0;; par défaut, sauf pour
                           pdf), poker (2,5 x 3,5 pouces&#xa0;; par défaut pour pdf) ou
                           bridge (2,25 x 3,5 pouces).
  --size &lt;largeur&gt;         Avec --format png&#xa0;: chaque carte fait &lt;largeur&gt; pixels
                           de large (%1 à %2), dessinée nette à cette taille&#xa0;; la
                           hauteur suit les proportions du format de carte, et le
                           fichier indique la résolution qui l’imprime à sa largeur
                           réelle (750 px en poker&#xa0;: 300 dpi). Par défaut&#xa0;: la
                           taille propre de l’image, 71 x 96.
  --pdf-layout &lt;sheets|card&gt;  Avec --format pdf&#xa0;: sheets (autant de cartes que la
                           page en contient, par défaut) ou card (une carte par
                           page au format de la carte, comme les services
                           d’impression les acceptent).
  --bleed                  Avec --format pdf&#xa0;: 1/8 pouce du fond de la carte
                           au-delà de chaque bord de coupe (la page d’une carte de
                           poker fait 198 x 270 pt)&#xa0;; sur les feuilles, les traits
                           de coupe restent en dehors.
  --back &lt;1-12&gt;            Avec --format pdf&#xa0;: ce dos derrière chaque carte. Sur les
                           feuilles, chaque page de faces est suivie de ses dos, en
                           miroir pour le recto verso bord long&#xa0;; avec card, la page
                           de face de chaque carte est suivie de sa page de dos.

Les options propres à Qt (-platform, -style, -geometry, ...) concernent la fenêtre.
</translation>
    </message>
</context>
<context>
    <name>FolderMark</name>
    <message>
        <source>This folder does not exist</source>
        <translation>Ce dossier n’existe pas</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Progress Bar</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Start Generate Random Playing Cards</source>
        <translation>Tirer des cartes au hasard</translation>
    </message>
    <message>
        <source>Number To Generate</source>
        <translation>Nombre de cartes</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Card(s) Generated</source>
        <translation>Carte(s) tirée(s)</translation>
    </message>
    <message>
        <source>Save All Cards To Image</source>
        <translation>Enregistrer toutes les cartes</translation>
    </message>
    <message>
        <source>Save Selected Card As Image</source>
        <translation>Enregistrer la carte choisie</translation>
    </message>
    <message>
        <source>Number of cards to draw, 1 to 52</source>
        <translation>Nombre de cartes à tirer, de 1 à 52</translation>
    </message>
    <message>
        <source>Drawn cards</source>
        <translation>Cartes tirées</translation>
    </message>
    <message>
        <source>Select a card to preview it</source>
        <translation>Choisissez une carte pour en voir l’aperçu</translation>
    </message>
    <message>
        <source>The folder the card images are saved into</source>
        <translation>Le dossier où les images des cartes sont enregistrées</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <translation>Choisir le dossier de destination</translation>
    </message>
    <message>
        <source>Draw progress</source>
        <translation>Progression du tirage</translation>
    </message>
    <message>
        <source>How far the current draw has come</source>
        <translation>Où en est le tirage en cours</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Done.</source>
        <translation>Terminé.</translation>
    </message>
    <message>
        <source>No card selected.</source>
        <translation>Aucune carte choisie.</translation>
    </message>
    <message>
        <source>Up to %1 cards allowed</source>
        <translation>%1 cartes au maximum</translation>
    </message>
    <message>
        <source>Must be numerical value.</source>
        <translation>La valeur doit être numérique.</translation>
    </message>
    <message>
        <source>Numeric Value Required</source>
        <translation>Valeur numérique requise</translation>
    </message>
    <message>
        <source>No card left to draw: all %1 cards are listed</source>
        <translation>Plus aucune carte à tirer&#xa0;: les %1 cartes sont toutes dans la liste</translation>
    </message>
    <message>
        <source>Cannot draw %1 distinct cards from a deck of %2</source>
        <translation>Impossible de tirer %1 cartes différentes d’un jeu de %2</translation>
    </message>
    <message>
        <source>ChangeCard property must be from 0 to 53!</source>
        <translation>La propriété ChangeCard doit être comprise entre 0 et 53&#xa0;!</translation>
    </message>
    <message>
        <source>ChangeBack property must be from 0 to 11!</source>
        <translation>La propriété ChangeBack doit être comprise entre 0 et 11&#xa0;!</translation>
    </message>
    <message>
        <source>You cannot change this property.</source>
        <translation>Cette propriété ne peut pas être modifiée.</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erreur de l’application</translation>
    </message>
    <message>
        <source>in </source>
        <translation>dans </translation>
    </message>
    <message>
        <source>at line </source>
        <translation>à la ligne </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Veuillez envoyer par e-mail une capture d’écran de ce message à </translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Indice hors limites</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Incompatibilité de type</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>Save Results To This Folder</source>
        <translation>Enregistrer les résultats dans ce dossier</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>Veuillez choisir un dossier&#xa0;:</translation>
    </message>
    <message>
        <source>No output folder is set. Type a folder into &quot;%1&quot; or choose one with the ... button.</source>
        <translation>Aucun dossier de destination n’est défini. Saisissez un dossier dans «&#xa0;%1&#xa0;» ou choisissez-en un avec le bouton «&#xa0;...&#xa0;».</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a full path. Type the whole path of the folder, or choose one with the ... button.</source>
        <translation>Le dossier de destination «&#xa0;%1&#xa0;» n’est pas un chemin complet. Saisissez le chemin complet du dossier ou choisissez-en un avec le bouton «&#xa0;...&#xa0;».</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; does not exist. Type an existing folder into &quot;%2&quot; or choose one with the ... button.</source>
        <translation>Le dossier de destination «&#xa0;%1&#xa0;» n’existe pas. Saisissez un dossier existant dans «&#xa0;%2&#xa0;» ou choisissez-en un avec le bouton «&#xa0;...&#xa0;».</translation>
    </message>
    <message>
        <source>Velmora could not open the folder &quot;%1&quot;: no file manager is set up to show it.</source>
        <translation>Velmora n’a pas pu ouvrir le dossier «&#xa0;%1&#xa0;»&#xa0;: aucun gestionnaire de fichiers n’est configuré pour l’afficher.</translation>
    </message>
    <message>
        <source>Saved %1 of %2 cards. The others could not be written; the messages before this one say why.</source>
        <translation>Cartes enregistrées&#xa0;: %1 sur %2. Les autres n’ont pas pu être écrites&#xa0;; les messages précédents en donnent la raison.</translation>
    </message>
    <message>
        <source>Report the other cards of this save together at the end</source>
        <translation>Signaler ensemble à la fin les autres cartes de cet enregistrement</translation>
    </message>
    <message numerus="yes">
        <source>Saved %1 of %n card.</source>
        <translation>
            <numerusform>Carte enregistrée&#xa0;: %1 sur %n.</numerusform>
            <numerusform>Cartes enregistrées&#xa0;: %1 sur %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved %1 of %n cards.</source>
        <translation>
            <numerusform>Carte enregistrée&#xa0;: %1 sur %n.</numerusform>
            <numerusform>Cartes enregistrées&#xa0;: %1 sur %n.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be written: %1.</source>
        <comment>the cards not written, and why</comment>
        <translation>
            <numerusform>%n n’a pas pu être écrite&#xa0;: %1.</numerusform>
            <numerusform>%n n’ont pas pu être écrites&#xa0;: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d’écrire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>l’image n’a pas pu être encodée</translation>
    </message>
    <message>
        <source>the document could not be made</source>
        <translation>le document n’a pas pu être créé</translation>
    </message>
    <message>
        <source>No card face to save as %1</source>
        <translation>Aucune face de carte à enregistrer sous %1</translation>
    </message>
    <message>
        <source>Your settings could not be saved to %1.<byte value="xd"/>
Velmora keeps working, but this change will be lost when it closes.</source>
        <translation>Vos réglages n’ont pas pu être enregistrés dans %1.<byte value="xd"/>
Velmora continue de fonctionner, mais cette modification sera perdue à sa fermeture.</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;; see velmora --help</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;»&#xa0;; voir velmora --help</translation>
    </message>
    <message>
        <source>unknown option %1; see velmora --help</source>
        <translation>option inconnue %1&#xa0;; voir velmora --help</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 est donné deux fois</translation>
    </message>
    <message>
        <source>%1 needs a value; see velmora --help</source>
        <translation>%1 attend une valeur&#xa0;; voir velmora --help</translation>
    </message>
    <message>
        <source>--draw needs a number of cards from 1 to %1, not &quot;%2&quot;</source>
        <translation>--draw attend un nombre de cartes de 1 à %1, pas «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>--draw needs a number of cards from 1 to %1; &quot;%2&quot; is out of range</source>
        <translation>--draw attend un nombre de cartes de 1 à %1&#xa0;; «&#xa0;%2&#xa0;» est hors limites</translation>
    </message>
    <message>
        <source>--size needs a width in pixels, a whole number from %1 to %2, not &quot;%3&quot;</source>
        <translation>--size attend une largeur en pixels, un nombre entier de %1 à %2, pas «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>--%1 is for the files of --save-to, which is not given</source>
        <translation>--%1 s’applique aux fichiers de --save-to, qui n’est pas donné</translation>
    </message>
    <message>
        <source>--save-to needs a folder</source>
        <translation>--save-to attend un dossier</translation>
    </message>
    <message>
        <source>--format is bmp, png, svg or pdf, not &quot;%1&quot;</source>
        <translation>--format vaut bmp, png, svg ou pdf, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--size is for --format png only (SVG and PDF are drawings of any size; a bitmap is the picture&apos;s own)</source>
        <translation>--size ne s’applique qu’à --format png (SVG et PDF sont des dessins de toute taille&#xa0;; un bitmap a la taille propre de l’image)</translation>
    </message>
    <message>
        <source>--pdf-layout is for --format pdf only</source>
        <translation>--pdf-layout ne s’applique qu’à --format pdf</translation>
    </message>
    <message>
        <source>--pdf-layout is sheets or card, not &quot;%1&quot;</source>
        <translation>--pdf-layout vaut sheets ou card, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>le dossier %1 n’existe pas</translation>
    </message>
    <message>
        <source>the folder name %1 is longer than the system allows</source>
        <translation>le nom de dossier %1 est plus long que le système ne le permet</translation>
    </message>
    <message>
        <source>the folder&apos;s name is not UTF-8 text, so it cannot be found (it reads as %1)</source>
        <translation>le nom du dossier n’est pas du texte UTF-8, il est donc introuvable (il se lit %1)</translation>
    </message>
    <message>
        <source>cannot reach the folder %1: %2</source>
        <translation>impossible d’atteindre le dossier %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n’est pas un dossier</translation>
    </message>
    <message>
        <source>there is no display to open the window on; --draw works without one (see velmora --help)</source>
        <translation>aucun écran où ouvrir la fenêtre&#xa0;; --draw fonctionne sans écran (voir velmora --help)</translation>
    </message>
    <message>
        <source>the window cannot open: %1; --draw works without it</source>
        <translation>la fenêtre ne peut pas s’ouvrir&#xa0;: %1&#xa0;; --draw fonctionne sans elle</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>impossible d’écrire sur la sortie standard&#xa0;: %1</translation>
    </message>
    <message>
        <source>standard output is closed; nothing was done</source>
        <translation>la sortie standard est fermée&#xa0;; rien n’a été fait</translation>
    </message>
    <message>
        <source>nothing to do; see velmora --help</source>
        <translation>rien à faire&#xa0;; voir velmora --help</translation>
    </message>
    <message>
        <source>--%1 needs --draw or --deck</source>
        <translation>--%1 attend --draw ou --deck</translation>
    </message>
    <message>
        <source>%1 (red joker)</source>
        <translation>%1 (joker rouge)</translation>
    </message>
    <message>
        <source>%1 (black joker)</source>
        <translation>%1 (joker noir)</translation>
    </message>
    <message>
        <source>--card-size is picture, poker or bridge, not &quot;%1&quot;</source>
        <translation>--card-size vaut picture, poker ou bridge, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--%1 is for --format pdf only</source>
        <translation>--%1 ne s’applique qu’à --format pdf</translation>
    </message>
    <message>
        <source>--back is one of the backs 1 to 12, not &quot;%1&quot;</source>
        <translation>--back vaut l’un des dos 1 à 12, pas «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>--deck takes the whole deck in order: give it or --draw, not both</source>
        <translation>--deck prend tout le jeu dans l’ordre&#xa0;: donnez-le ou --draw, pas les deux</translation>
    </message>
    <message>
        <source>--jokers needs --deck (a draw holds no jokers)</source>
        <translation>--jokers attend --deck (un tirage ne contient pas de joker)</translation>
    </message>
    <message>
        <source>%1 of %2 cards (%3 %), %4 left</source>
        <translation>%1 sur %2 cartes (%3&#xa0;%), encore %4</translation>
    </message>
    <message>
        <source>The export was cancelled: no file was written, and an earlier file of that name is as it was.</source>
        <translation>L’export a été annulé&#xa0;: aucun fichier n’a été écrit, et un fichier antérieur de ce nom est resté tel quel.</translation>
    </message>
    <message>
        <source>Printing was cancelled.</source>
        <translation>L’impression a été annulée.</translation>
    </message>
    <message>
        <source>The dragged card went without its file, so a file manager received nothing: %1.</source>
        <translation>La carte glissée est partie sans son fichier, le gestionnaire de fichiers n’a donc rien reçu&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Cannot print: the print module did not load. Reinstalling Velmora puts it back.

%1</source>
        <translation>Impossible d’imprimer&#xa0;: le module d’impression ne s’est pas chargé. Réinstaller Velmora le rétablit.

%1</translation>
    </message>
</context>
<context>
    <name>PrintOptionsDialog</name>
    <message>
        <source>Back %1</source>
        <translation>Dos %1</translation>
    </message>
    <message>
        <source>Print Options</source>
        <translation>Options d’impression</translation>
    </message>
    <message>
        <source>PDF Options</source>
        <translation>Options PDF</translation>
    </message>
    <message>
        <source>Poker, 2.5 x 3.5 in (63.5 x 88.9 mm)</source>
        <translation>Poker, 2,5 x 3,5 pouces (63,5 x 88,9 mm)</translation>
    </message>
    <message>
        <source>Bridge, 2.25 x 3.5 in (57.2 x 88.9 mm)</source>
        <translation>Bridge, 2,25 x 3,5 pouces (57,2 x 88,9 mm)</translation>
    </message>
    <message>
        <source>Picture, 63 x 85.2 mm (the pictures&apos; own shape)</source>
        <translation>Image, 63 x 85,2 mm (la forme propre des images)</translation>
    </message>
    <message>
        <source>Card size</source>
        <translation>Taille des cartes</translation>
    </message>
    <message>
        <source>Card &amp;size:</source>
        <translation>&amp;Taille des cartes&#xa0;:</translation>
    </message>
    <message>
        <source>B&amp;leed: the picture runs 1/8 in beyond each cut edge</source>
        <translation>&amp;Fond perdu&#xa0;: l’image dépasse de 1/8 pouce chaque bord de coupe</translation>
    </message>
    <message>
        <source>For print services, which cut inside the bleed.</source>
        <translation>Pour les services d’impression, qui coupent dans le fond perdu.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Dos</translation>
    </message>
    <message>
        <source>The picture printed behind every card, or none.</source>
        <translation>L’image imprimée au dos de chaque carte, ou aucune.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Bac&amp;k:</source>
        <translation>&amp;Dos&#xa0;:</translation>
    </message>
    <message>
        <source>D&amp;uplex: backs pages mirrored for printing on both sides (long edge)</source>
        <translation>Recto &amp;verso&#xa0;: pages de dos en miroir (retournement bord long)</translation>
    </message>
    <message>
        <source>Only sheets with a back have backs pages to mirror.</source>
        <translation>Seules les feuilles avec un dos ont des pages de dos à mettre en miroir.</translation>
    </message>
    <message>
        <source>Sheets of paper with cut marks</source>
        <translation>Feuilles de papier avec traits de coupe</translation>
    </message>
    <message>
        <source>One card per page, at card size (for print services)</source>
        <translation>Une carte par page, au format de la carte (services d’impression)</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Mise en page</translation>
    </message>
    <message>
        <source>L&amp;ayout:</source>
        <translation>&amp;Mise en page&#xa0;:</translation>
    </message>
    <message>
        <source>Add the two &amp;jokers after the 52 cards</source>
        <translation>Ajouter les deux &amp;jokers après les 52 cartes</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exporter…</translation>
    </message>
</context>
<context>
    <name>SaveAs</name>
    <message>
        <source>PNG image, %1%2 x %3 (*.png)</source>
        <translation>Image PNG, %1%2 x %3 (*.png)</translation>
    </message>
    <message>
        <source>twice the size, </source>
        <translation>taille double, </translation>
    </message>
    <message>
        <source>four times the size, </source>
        <translation>taille quadruple, </translation>
    </message>
    <message>
        <source>for print at %1 dpi, 63 mm wide, </source>
        <translation>pour l’impression à %1 dpi, 63 mm de large, </translation>
    </message>
    <message>
        <source>SVG drawing, any size (*.svg)</source>
        <translation>Dessin SVG, toute taille (*.svg)</translation>
    </message>
    <message>
        <source>PDF document, the card at 63 mm (*.pdf)</source>
        <translation>Document PDF, la carte à 63 mm (*.pdf)</translation>
    </message>
    <message>
        <source>Windows bitmap (*.bmp)</source>
        <translation>Bitmap Windows (*.bmp)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>Save Card As</source>
        <translation>Enregistrer la carte sous</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Exporting %1…</source>
        <translation>Exportation de %1…</translation>
    </message>
</context>
<context>
    <name>SaveRefusal</name>
    <message>
        <source>The file is open in another program.</source>
        <translation>Le fichier est ouvert dans un autre programme.</translation>
    </message>
    <message>
        <source>Windows does not let you write in this folder.</source>
        <translation>Windows ne vous permet pas d’écrire dans ce dossier.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>Le dossier n’existe pas.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Le disque est plein.</translation>
    </message>
    <message>
        <source>The disk is write-protected.</source>
        <translation>Le disque est protégé en écriture.</translation>
    </message>
    <message>
        <source>The drive is not ready.</source>
        <translation>Le lecteur n’est pas prêt.</translation>
    </message>
    <message>
        <source>Windows does not allow this name.</source>
        <translation>Windows n’autorise pas ce nom.</translation>
    </message>
    <message>
        <source>The path is too long.</source>
        <translation>Le chemin est trop long.</translation>
    </message>
    <message>
        <source>The network folder cannot be reached.</source>
        <translation>Le dossier réseau est inaccessible.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Un dossier du même nom occupe la place.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>Le fichier est en lecture seule.</translation>
    </message>
    <message>
        <source>The folder is a file.</source>
        <translation>Le dossier est un fichier.</translation>
    </message>
    <message>
        <source>Windows does not allow a colon (:) in a name.</source>
        <translation>Windows n’autorise pas les deux-points (:) dans un nom.</translation>
    </message>
</context>
</TS>
