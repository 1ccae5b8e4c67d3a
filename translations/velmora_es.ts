<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CardDraw</name>
    <message>
        <source>Progress Bar</source>
        <translation>Progreso</translation>
    </message>
</context>
<context>
    <name>CardEntry</name>
    <message>
        <source>ace of spades</source>
        <translation>as de picas</translation>
    </message>
    <message>
        <source>two of spades</source>
        <translation>dos de picas</translation>
    </message>
    <message>
        <source>three of spades</source>
        <translation>tres de picas</translation>
    </message>
    <message>
        <source>four of spades</source>
        <translation>cuatro de picas</translation>
    </message>
    <message>
        <source>five of spades</source>
        <translation>cinco de picas</translation>
    </message>
    <message>
        <source>six of spades</source>
        <translation>seis de picas</translation>
    </message>
    <message>
        <source>seven of spades</source>
        <translation>siete de picas</translation>
    </message>
    <message>
        <source>eight of spades</source>
        <translation>ocho de picas</translation>
    </message>
    <message>
        <source>nine of spades</source>
        <translation>nueve de picas</translation>
    </message>
    <message>
        <source>ten of spades</source>
        <translation>diez de picas</translation>
    </message>
    <message>
        <source>jack of spades</source>
        <translation>jota de picas</translation>
    </message>
    <message>
        <source>queen of spades</source>
        <translation>reina de picas</translation>
    </message>
    <message>
        <source>king of spades</source>
        <translation>rey de picas</translation>
    </message>
    <message>
        <source>ace of diamonds</source>
        <translation>as de diamantes</translation>
    </message>
    <message>
        <source>two of diamonds</source>
        <translation>dos de diamantes</translation>
    </message>
    <message>
        <source>three of diamonds</source>
        <translation>tres de diamantes</translation>
    </message>
    <message>
        <source>four of diamonds</source>
        <translation>cuatro de diamantes</translation>
    </message>
    <message>
        <source>five of diamonds</source>
        <translation>cinco de diamantes</translation>
    </message>
    <message>
        <source>six of diamonds</source>
        <translation>seis de diamantes</translation>
    </message>
    <message>
        <source>seven of diamonds</source>
        <translation>siete de diamantes</translation>
    </message>
    <message>
        <source>eight of diamonds</source>
        <translation>ocho de diamantes</translation>
    </message>
    <message>
        <source>nine of diamonds</source>
        <translation>nueve de diamantes</translation>
    </message>
    <message>
        <source>ten of diamonds</source>
        <translation>diez de diamantes</translation>
    </message>
    <message>
        <source>jack of diamonds</source>
        <translation>jota de diamantes</translation>
    </message>
    <message>
        <source>queen of diamonds</source>
        <translation>reina de diamantes</translation>
    </message>
    <message>
        <source>king of diamonds</source>
        <translation>rey de diamantes</translation>
    </message>
    <message>
        <source>ace of clubs</source>
        <translation>as de tréboles</translation>
    </message>
    <message>
        <source>two of clubs</source>
        <translation>dos de tréboles</translation>
    </message>
    <message>
        <source>three of clubs</source>
        <translation>tres de tréboles</translation>
    </message>
    <message>
        <source>four of clubs</source>
        <translation>cuatro de tréboles</translation>
    </message>
    <message>
        <source>five of clubs</source>
        <translation>cinco de tréboles</translation>
    </message>
    <message>
        <source>six of clubs</source>
        <translation>seis de tréboles</translation>
    </message>
    <message>
        <source>seven of clubs</source>
        <translation>siete de tréboles</translation>
    </message>
    <message>
        <source>eight of clubs</source>
        <translation>ocho de tréboles</translation>
    </message>
    <message>
        <source>nine of clubs</source>
        <translation>nueve de tréboles</translation>
    </message>
    <message>
        <source>ten of clubs</source>
        <translation>diez de tréboles</translation>
    </message>
    <message>
        <source>jack of clubs</source>
        <translation>jota de tréboles</translation>
    </message>
    <message>
        <source>queen of clubs</source>
        <translation>reina de tréboles</translation>
    </message>
    <message>
        <source>king of clubs</source>
        <translation>rey de tréboles</translation>
    </message>
    <message>
        <source>ace of hearts</source>
        <translation>as de corazones</translation>
    </message>
    <message>
        <source>two of hearts</source>
        <translation>dos de corazones</translation>
    </message>
    <message>
        <source>three of hearts</source>
        <translation>tres de corazones</translation>
    </message>
    <message>
        <source>four of hearts</source>
        <translation>cuatro de corazones</translation>
    </message>
    <message>
        <source>five of hearts</source>
        <translation>cinco de corazones</translation>
    </message>
    <message>
        <source>six of hearts</source>
        <translation>seis de corazones</translation>
    </message>
    <message>
        <source>seven of hearts</source>
        <translation>siete de corazones</translation>
    </message>
    <message>
        <source>eight of hearts</source>
        <translation>ocho de corazones</translation>
    </message>
    <message>
        <source>nine of hearts</source>
        <translation>nueve de corazones</translation>
    </message>
    <message>
        <source>ten of hearts</source>
        <translation>diez de corazones</translation>
    </message>
    <message>
        <source>jack of hearts</source>
        <translation>jota de corazones</translation>
    </message>
    <message>
        <source>queen of hearts</source>
        <translation>reina de corazones</translation>
    </message>
    <message>
        <source>king of hearts</source>
        <translation>rey de corazones</translation>
    </message>
</context>
<context>
    <name>CardPreview</name>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>No card is shown</source>
        <translation>No se muestra ninguna carta</translation>
    </message>
    <message>
        <source>Shows the %1</source>
        <translation>Carta mostrada: %1</translation>
    </message>
</context>
<context>
    <name>CardTransfer</name>
    <message>
        <source>Copy Card Image</source>
        <translation>Copiar imagen de la carta</translation>
    </message>
    <message>
        <source>Copy Drawn Cards</source>
        <translation>Copiar cartas sacadas</translation>
    </message>
    <message>
        <source>Save Card As…</source>
        <translation>Guardar carta como…</translation>
    </message>
    <message>
        <source>Export Drawn Cards as PDF…</source>
        <translation>Exportar cartas sacadas como PDF…</translation>
    </message>
    <message>
        <source>Print Drawn Cards…</source>
        <translation>Imprimir cartas sacadas…</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>Abrir carpeta de destino</translation>
    </message>
    <message>
        <source>no folder can be made in %1: %2</source>
        <translation>no se puede crear ninguna carpeta en %1: %2</translation>
    </message>
    <message>
        <source>Print Drawn Cards</source>
        <translation>Imprimir cartas sacadas</translation>
    </message>
    <message>
        <source>Export Whole Deck as PDF…</source>
        <translation>Exportar la baraja entera como PDF…</translation>
    </message>
    <message>
        <source>Export Drawn Cards as PDF</source>
        <translation>Exportar cartas sacadas como PDF</translation>
    </message>
    <message>
        <source>Export Whole Deck as PDF</source>
        <translation>Exportar la baraja entera como PDF</translation>
    </message>
    <message>
        <source>Printing the cards…</source>
        <translation>Imprimiendo las cartas…</translation>
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
        <translation>Uso: velmora [opciones]
Saca cartas de juego al azar.
Sin opciones abre su ventana. Con --draw o --deck muestra las cartas, una por
línea, opcionalmente guarda sus archivos, y termina. En un terminal una línea dice
«Card 17 (cuatro de diamantes)»; en una tubería o un archivo, «Card 17&lt;TAB&gt;four of diamonds».
  velmora --draw 5 --save-to CARPETA --format png --size 744   PNG para imprimir a 300 ppp
  velmora --draw 9 --save-to CARPETA --format pdf              CARPETA/Cards.pdf, lista para recortar
  velmora --deck --jokers --save-to CARPETA --format pdf --pdf-layout card --bleed --back 3
                                       la baraja entera con dorsos, para imprentas

Estado de salida: 0 éxito, 2 argumentos incorrectos, 3 no se pudo escribir un archivo,
4 la ventana no se puede abrir (no hay pantalla).

Opciones:
  -h, -?, --help           Muestra esta ayuda.
  -v, --version            Muestra la información de la versión.
  --draw &lt;número&gt;          Saca &lt;número&gt; cartas distintas (de 1 a 52) y las muestra.
  --deck                   En lugar de sacar cartas, la baraja entera de 52 en orden
                           de palos (picas, diamantes, tréboles, corazones; del as
                           al rey).
  --jokers                 Con --deck, los dos comodines después: Joker 1 (rojo) y
                           Joker 2 (negro).
  --save-to &lt;carpeta&gt;      Además guarda las cartas en &lt;carpeta&gt;: Card N.bmp para
                           cada una (.png, .svg; Joker N para los comodines), o un
                           solo Cards.pdf; un archivo existente se reemplaza. Una
                           carta que no se puede escribir se nombra en la salida de
                           error estándar y las demás se escriben igualmente. Las
                           exportaciones grandes usan todos los núcleos; en un
                           terminal, una línea en la salida de error estándar
                           muestra cuánto llevan.
  --format &lt;bmp|png|svg|pdf&gt;  Con --save-to, el formato de los archivos: bmp
                           (esquinas blancas, predeterminado), png (esquinas
                           transparentes), svg (un dibujo de cualquier tamaño) o pdf
                           (un archivo, Cards.pdf, con cada carta a su tamaño real
                           en hojas A4 o Letter con marcas de corte).
  --card-size &lt;picture|poker|bridge&gt;  Con --save-to, la forma de la carta: picture
                           (63 x 85,2 mm, la propia de las imágenes; predeterminado
                           salvo para pdf), poker (2,5 x 3,5 pulg.; predeterminado
                           para pdf) o bridge (2,25 x 3,5 pulg.).
  --size &lt;ancho&gt;           Con --format png: cada carta de &lt;ancho&gt; píxeles de ancho
                           (de %1 a %2), dibujada nítida a ese tamaño; el alto sigue
                           la proporción del tamaño de carta, y el archivo indica la
                           resolución que la imprime a su ancho real (750 px en
                           poker: 300 ppp). Predeterminado: el tamaño propio de la
                           imagen, 71 x 96.
  --pdf-layout &lt;sheets|card&gt;  Con --format pdf: sheets (tantas cartas como quepan en
                           una página, predeterminado) o card (una carta por página
                           del tamaño de la carta, como las aceptan las imprentas).
  --bleed                  Con --format pdf: 1/8 pulg. del fondo de la carta más
                           allá de cada borde de corte (la página de una carta de
                           póker mide 198 x 270 pt); en hojas, las marcas de corte
                           quedan fuera.
  --back &lt;1-12&gt;            Con --format pdf: ese dorso detrás de cada carta. En
                           hojas, cada página de anversos va seguida de sus dorsos,
                           en espejo para doble cara por el borde largo; con card,
                           la página del anverso de cada carta va seguida de la de
                           su dorso.

Las opciones propias de Qt (-platform, -style, -geometry, ...) son para la ventana.
</translation>
    </message>
</context>
<context>
    <name>FolderMark</name>
    <message>
        <source>This folder does not exist</source>
        <translation>Esta carpeta no existe</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Progress Bar</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Start Generate Random Playing Cards</source>
        <translation>Sacar cartas al azar</translation>
    </message>
    <message>
        <source>Number To Generate</source>
        <translation>Número de cartas</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Card(s) Generated</source>
        <translation>Carta(s) sacada(s)</translation>
    </message>
    <message>
        <source>Save All Cards To Image</source>
        <translation>Guardar todas como imagen</translation>
    </message>
    <message>
        <source>Save Selected Card As Image</source>
        <translation>Guardar la elegida como imagen</translation>
    </message>
    <message>
        <source>Number of cards to draw, 1 to 52</source>
        <translation>Número de cartas que sacar, de 1 a 52</translation>
    </message>
    <message>
        <source>Drawn cards</source>
        <translation>Cartas sacadas</translation>
    </message>
    <message>
        <source>Select a card to preview it</source>
        <translation>Seleccione una carta para verla en la vista previa</translation>
    </message>
    <message>
        <source>The folder the card images are saved into</source>
        <translation>La carpeta donde se guardan las imágenes de las cartas</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <translation>Elegir carpeta de destino</translation>
    </message>
    <message>
        <source>Draw progress</source>
        <translation>Progreso al sacar las cartas</translation>
    </message>
    <message>
        <source>How far the current draw has come</source>
        <translation>Cuánto se ha avanzado al sacar las cartas</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Done.</source>
        <translation>Hecho.</translation>
    </message>
    <message>
        <source>No card selected.</source>
        <translation>No hay ninguna carta seleccionada.</translation>
    </message>
    <message>
        <source>Up to %1 cards allowed</source>
        <translation>Se permiten hasta %1 cartas</translation>
    </message>
    <message>
        <source>Must be numerical value.</source>
        <translation>Debe ser un valor numérico.</translation>
    </message>
    <message>
        <source>Numeric Value Required</source>
        <translation>Se requiere un valor numérico</translation>
    </message>
    <message>
        <source>No card left to draw: all %1 cards are listed</source>
        <translation>No quedan cartas por sacar: las %1 cartas ya están en la lista</translation>
    </message>
    <message>
        <source>Cannot draw %1 distinct cards from a deck of %2</source>
        <translation>No se pueden sacar %1 cartas distintas de una baraja de %2</translation>
    </message>
    <message>
        <source>ChangeCard property must be from 0 to 53!</source>
        <translation>¡La propiedad ChangeCard debe estar entre 0 y 53!</translation>
    </message>
    <message>
        <source>ChangeBack property must be from 0 to 11!</source>
        <translation>¡La propiedad ChangeBack debe estar entre 0 y 11!</translation>
    </message>
    <message>
        <source>You cannot change this property.</source>
        <translation>Esta propiedad no se puede cambiar.</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Error de la aplicación</translation>
    </message>
    <message>
        <source>in </source>
        <translation>en </translation>
    </message>
    <message>
        <source>at line </source>
        <translation>en la línea </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Envíe una captura de pantalla de este mensaje por correo electrónico a </translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subíndice fuera del intervalo</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Los tipos no coinciden</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Desbordamiento</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>División por cero</translation>
    </message>
    <message>
        <source>Save Results To This Folder</source>
        <translation>Guardar los resultados en esta carpeta</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>Seleccione una carpeta:</translation>
    </message>
    <message>
        <source>No output folder is set. Type a folder into &quot;%1&quot; or choose one with the ... button.</source>
        <translation>No hay ninguna carpeta de destino. Escriba una carpeta en «%1» o use el botón ... para elegir una.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a full path. Type the whole path of the folder, or choose one with the ... button.</source>
        <translation>La carpeta de destino «%1» no es una ruta completa. Escriba la ruta entera de la carpeta o use el botón ... para elegir una.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; does not exist. Type an existing folder into &quot;%2&quot; or choose one with the ... button.</source>
        <translation>La carpeta de destino «%1» no existe. Escriba una carpeta existente en «%2» o use el botón ... para elegir una.</translation>
    </message>
    <message>
        <source>Velmora could not open the folder &quot;%1&quot;: no file manager is set up to show it.</source>
        <translation>Velmora no pudo abrir la carpeta «%1»: no hay ningún gestor de archivos configurado para mostrarla.</translation>
    </message>
    <message>
        <source>Saved %1 of %2 cards. The others could not be written; the messages before this one say why.</source>
        <translation>%1 de %2 cartas guardadas. Las demás no se pudieron escribir; los mensajes anteriores indican el motivo.</translation>
    </message>
    <message>
        <source>Report the other cards of this save together at the end</source>
        <translation>Informar al final, todas juntas, de las demás cartas de este guardado</translation>
    </message>
    <message numerus="yes">
        <source>Saved %1 of %n card.</source>
        <translation>
            <numerusform>%1 de %n carta guardada.</numerusform>
            <numerusform>%1 de %n cartas guardadas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved %1 of %n cards.</source>
        <translation>
            <numerusform>%1 de %n carta guardada.</numerusform>
            <numerusform>%1 de %n cartas guardadas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be written: %1.</source>
        <comment>the cards not written, and why</comment>
        <translation>
            <numerusform>%n no se pudo escribir: %1.</numerusform>
            <numerusform>%n no se pudieron escribir: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>la imagen no se pudo codificar</translation>
    </message>
    <message>
        <source>the document could not be made</source>
        <translation>el documento no se pudo crear</translation>
    </message>
    <message>
        <source>No card face to save as %1</source>
        <translation>No hay imagen de carta que guardar como %1</translation>
    </message>
    <message>
        <source>Your settings could not be saved to %1.<byte value="xd"/>
Velmora keeps working, but this change will be lost when it closes.</source>
        <translation>No se pudo guardar la configuración en %1.<byte value="xd"/>
Velmora sigue funcionando, pero este cambio se perderá al cerrarlo.</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;; see velmora --help</source>
        <translation>argumento inesperado «%1»; consulte velmora --help</translation>
    </message>
    <message>
        <source>unknown option %1; see velmora --help</source>
        <translation>opción desconocida %1; consulte velmora --help</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 se ha indicado dos veces</translation>
    </message>
    <message>
        <source>%1 needs a value; see velmora --help</source>
        <translation>%1 necesita un valor; consulte velmora --help</translation>
    </message>
    <message>
        <source>--draw needs a number of cards from 1 to %1, not &quot;%2&quot;</source>
        <translation>--draw necesita un número de cartas de 1 a %1, no «%2»</translation>
    </message>
    <message>
        <source>--draw needs a number of cards from 1 to %1; &quot;%2&quot; is out of range</source>
        <translation>--draw necesita un número de cartas de 1 a %1; «%2» está fuera del intervalo</translation>
    </message>
    <message>
        <source>--size needs a width in pixels, a whole number from %1 to %2, not &quot;%3&quot;</source>
        <translation>--size necesita un ancho en píxeles, un número entero de %1 a %2, no «%3»</translation>
    </message>
    <message>
        <source>--%1 is for the files of --save-to, which is not given</source>
        <translation>--%1 es para los archivos de --save-to, que no se ha indicado</translation>
    </message>
    <message>
        <source>--save-to needs a folder</source>
        <translation>--save-to necesita una carpeta</translation>
    </message>
    <message>
        <source>--format is bmp, png, svg or pdf, not &quot;%1&quot;</source>
        <translation>--format es bmp, png, svg o pdf, no «%1»</translation>
    </message>
    <message>
        <source>--size is for --format png only (SVG and PDF are drawings of any size; a bitmap is the picture&apos;s own)</source>
        <translation>--size solo sirve con --format png (SVG y PDF son dibujos de cualquier tamaño; un mapa de bits tiene el tamaño propio de la imagen)</translation>
    </message>
    <message>
        <source>--pdf-layout is for --format pdf only</source>
        <translation>--pdf-layout solo sirve con --format pdf</translation>
    </message>
    <message>
        <source>--pdf-layout is sheets or card, not &quot;%1&quot;</source>
        <translation>--pdf-layout es sheets o card, no «%1»</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>la carpeta %1 no existe</translation>
    </message>
    <message>
        <source>the folder name %1 is longer than the system allows</source>
        <translation>el nombre de carpeta %1 es más largo de lo que permite el sistema</translation>
    </message>
    <message>
        <source>the folder&apos;s name is not UTF-8 text, so it cannot be found (it reads as %1)</source>
        <translation>el nombre de la carpeta no es texto UTF-8, así que no se puede encontrar (se lee como %1)</translation>
    </message>
    <message>
        <source>cannot reach the folder %1: %2</source>
        <translation>no se puede acceder a la carpeta %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 no es una carpeta</translation>
    </message>
    <message>
        <source>there is no display to open the window on; --draw works without one (see velmora --help)</source>
        <translation>no hay ninguna pantalla en la que abrir la ventana; --draw funciona sin ella (consulte velmora --help)</translation>
    </message>
    <message>
        <source>the window cannot open: %1; --draw works without it</source>
        <translation>la ventana no se puede abrir: %1; --draw funciona sin ella</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>no se puede escribir en la salida estándar: %1</translation>
    </message>
    <message>
        <source>standard output is closed; nothing was done</source>
        <translation>la salida estándar está cerrada; no se ha hecho nada</translation>
    </message>
    <message>
        <source>nothing to do; see velmora --help</source>
        <translation>nada que hacer; consulte velmora --help</translation>
    </message>
    <message>
        <source>--%1 needs --draw or --deck</source>
        <translation>--%1 necesita --draw o --deck</translation>
    </message>
    <message>
        <source>%1 (red joker)</source>
        <translation>%1 (comodín rojo)</translation>
    </message>
    <message>
        <source>%1 (black joker)</source>
        <translation>%1 (comodín negro)</translation>
    </message>
    <message>
        <source>--card-size is picture, poker or bridge, not &quot;%1&quot;</source>
        <translation>--card-size es picture, poker o bridge, no «%1»</translation>
    </message>
    <message>
        <source>--%1 is for --format pdf only</source>
        <translation>--%1 solo sirve con --format pdf</translation>
    </message>
    <message>
        <source>--back is one of the backs 1 to 12, not &quot;%1&quot;</source>
        <translation>--back es uno de los dorsos del 1 al 12, no «%1»</translation>
    </message>
    <message>
        <source>--deck takes the whole deck in order: give it or --draw, not both</source>
        <translation>--deck toma la baraja entera en orden: indique esta opción o --draw, no ambas</translation>
    </message>
    <message>
        <source>--jokers needs --deck (a draw holds no jokers)</source>
        <translation>--jokers necesita --deck (al sacar cartas no salen comodines)</translation>
    </message>
    <message>
        <source>%1 of %2 cards (%3 %), %4 left</source>
        <translation>%1 de %2 cartas (%3 %), faltan %4</translation>
    </message>
    <message>
        <source>The export was cancelled: no file was written, and an earlier file of that name is as it was.</source>
        <translation>Se canceló la exportación: no se escribió ningún archivo, y un archivo anterior con ese nombre sigue como estaba.</translation>
    </message>
    <message>
        <source>Printing was cancelled.</source>
        <translation>Se canceló la impresión.</translation>
    </message>
    <message>
        <source>The dragged card went without its file, so a file manager received nothing: %1.</source>
        <translation>La carta arrastrada salió sin su archivo, así que el gestor de archivos no recibió nada: %1.</translation>
    </message>
    <message>
        <source>Cannot print: the print module did not load. Reinstalling Velmora puts it back.

%1</source>
        <translation>No se puede imprimir: el módulo de impresión no se cargó. Reinstalar Velmora lo restablece.

%1</translation>
    </message>
</context>
<context>
    <name>PrintOptionsDialog</name>
    <message>
        <source>Back %1</source>
        <translation>Dorso %1</translation>
    </message>
    <message>
        <source>Print Options</source>
        <translation>Opciones de impresión</translation>
    </message>
    <message>
        <source>PDF Options</source>
        <translation>Opciones de PDF</translation>
    </message>
    <message>
        <source>Poker, 2.5 x 3.5 in (63.5 x 88.9 mm)</source>
        <translation>Póker, 2,5 x 3,5 pulg. (63,5 x 88,9 mm)</translation>
    </message>
    <message>
        <source>Bridge, 2.25 x 3.5 in (57.2 x 88.9 mm)</source>
        <translation>Bridge, 2,25 x 3,5 pulg. (57,2 x 88,9 mm)</translation>
    </message>
    <message>
        <source>Picture, 63 x 85.2 mm (the pictures&apos; own shape)</source>
        <translation>Imagen, 63 x 85,2 mm (la forma propia de las imágenes)</translation>
    </message>
    <message>
        <source>Card size</source>
        <translation>Tamaño de carta</translation>
    </message>
    <message>
        <source>Card &amp;size:</source>
        <translation>&amp;Tamaño de carta:</translation>
    </message>
    <message>
        <source>B&amp;leed: the picture runs 1/8 in beyond each cut edge</source>
        <translation>&amp;Sangrado: la imagen sobrepasa 1/8 pulg. cada borde de corte</translation>
    </message>
    <message>
        <source>For print services, which cut inside the bleed.</source>
        <translation>Para imprentas, que cortan dentro del sangrado.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Dorso</translation>
    </message>
    <message>
        <source>The picture printed behind every card, or none.</source>
        <translation>La imagen impresa en el dorso de cada carta, o ninguna.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Bac&amp;k:</source>
        <translation>&amp;Dorso:</translation>
    </message>
    <message>
        <source>D&amp;uplex: backs pages mirrored for printing on both sides (long edge)</source>
        <translation>&amp;A doble cara: páginas de dorsos en espejo (borde largo)</translation>
    </message>
    <message>
        <source>Only sheets with a back have backs pages to mirror.</source>
        <translation>Solo las hojas con dorso tienen páginas de dorsos que poner en espejo.</translation>
    </message>
    <message>
        <source>Sheets of paper with cut marks</source>
        <translation>Hojas de papel con marcas de corte</translation>
    </message>
    <message>
        <source>One card per page, at card size (for print services)</source>
        <translation>Una carta por página, a tamaño de carta (para imprentas)</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Disposición</translation>
    </message>
    <message>
        <source>L&amp;ayout:</source>
        <translation>Dis&amp;posición:</translation>
    </message>
    <message>
        <source>Add the two &amp;jokers after the 52 cards</source>
        <translation>Añadir los dos co&amp;modines tras las 52 cartas</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>&amp;Export…</source>
        <translation>&amp;Exportar…</translation>
    </message>
</context>
<context>
    <name>SaveAs</name>
    <message>
        <source>PNG image, %1%2 x %3 (*.png)</source>
        <translation>Imagen PNG, %1%2 x %3 (*.png)</translation>
    </message>
    <message>
        <source>twice the size, </source>
        <translation>el doble de tamaño, </translation>
    </message>
    <message>
        <source>four times the size, </source>
        <translation>cuatro veces el tamaño, </translation>
    </message>
    <message>
        <source>for print at %1 dpi, 63 mm wide, </source>
        <translation>para imprimir a %1 ppp, 63 mm de ancho, </translation>
    </message>
    <message>
        <source>SVG drawing, any size (*.svg)</source>
        <translation>Dibujo SVG, de cualquier tamaño (*.svg)</translation>
    </message>
    <message>
        <source>PDF document, the card at 63 mm (*.pdf)</source>
        <translation>Documento PDF, la carta a 63 mm (*.pdf)</translation>
    </message>
    <message>
        <source>Windows bitmap (*.bmp)</source>
        <translation>Mapa de bits de Windows (*.bmp)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Desea reemplazarlo?</translation>
    </message>
    <message>
        <source>Save Card As</source>
        <translation>Guardar carta como</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Exporting %1…</source>
        <translation>Exportando %1…</translation>
    </message>
</context>
<context>
    <name>SaveRefusal</name>
    <message>
        <source>The file is open in another program.</source>
        <translation>El archivo está abierto en otro programa.</translation>
    </message>
    <message>
        <source>Windows does not let you write in this folder.</source>
        <translation>Windows no le permite escribir en esta carpeta.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>La carpeta no existe.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>El disco está lleno.</translation>
    </message>
    <message>
        <source>The disk is write-protected.</source>
        <translation>El disco está protegido contra escritura.</translation>
    </message>
    <message>
        <source>The drive is not ready.</source>
        <translation>La unidad no está preparada.</translation>
    </message>
    <message>
        <source>Windows does not allow this name.</source>
        <translation>Windows no permite este nombre.</translation>
    </message>
    <message>
        <source>The path is too long.</source>
        <translation>La ruta es demasiado larga.</translation>
    </message>
    <message>
        <source>The network folder cannot be reached.</source>
        <translation>No se puede acceder a la carpeta de red.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Una carpeta con ese nombre impide escribirlo.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>El archivo es de solo lectura.</translation>
    </message>
    <message>
        <source>The folder is a file.</source>
        <translation>La carpeta es un archivo.</translation>
    </message>
    <message>
        <source>Windows does not allow a colon (:) in a name.</source>
        <translation>Windows no permite dos puntos (:) en un nombre.</translation>
    </message>
</context>
</TS>
