<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CardDraw</name>
    <message>
        <source>Progress Bar</source>
        <translation>Progresso</translation>
    </message>
</context>
<context>
    <name>CardEntry</name>
    <message>
        <source>ace of spades</source>
        <translation>ás de espadas</translation>
    </message>
    <message>
        <source>two of spades</source>
        <translation>dois de espadas</translation>
    </message>
    <message>
        <source>three of spades</source>
        <translation>três de espadas</translation>
    </message>
    <message>
        <source>four of spades</source>
        <translation>quatro de espadas</translation>
    </message>
    <message>
        <source>five of spades</source>
        <translation>cinco de espadas</translation>
    </message>
    <message>
        <source>six of spades</source>
        <translation>seis de espadas</translation>
    </message>
    <message>
        <source>seven of spades</source>
        <translation>sete de espadas</translation>
    </message>
    <message>
        <source>eight of spades</source>
        <translation>oito de espadas</translation>
    </message>
    <message>
        <source>nine of spades</source>
        <translation>nove de espadas</translation>
    </message>
    <message>
        <source>ten of spades</source>
        <translation>dez de espadas</translation>
    </message>
    <message>
        <source>jack of spades</source>
        <translation>valete de espadas</translation>
    </message>
    <message>
        <source>queen of spades</source>
        <translation>dama de espadas</translation>
    </message>
    <message>
        <source>king of spades</source>
        <translation>rei de espadas</translation>
    </message>
    <message>
        <source>ace of diamonds</source>
        <translation>ás de ouros</translation>
    </message>
    <message>
        <source>two of diamonds</source>
        <translation>dois de ouros</translation>
    </message>
    <message>
        <source>three of diamonds</source>
        <translation>três de ouros</translation>
    </message>
    <message>
        <source>four of diamonds</source>
        <translation>quatro de ouros</translation>
    </message>
    <message>
        <source>five of diamonds</source>
        <translation>cinco de ouros</translation>
    </message>
    <message>
        <source>six of diamonds</source>
        <translation>seis de ouros</translation>
    </message>
    <message>
        <source>seven of diamonds</source>
        <translation>sete de ouros</translation>
    </message>
    <message>
        <source>eight of diamonds</source>
        <translation>oito de ouros</translation>
    </message>
    <message>
        <source>nine of diamonds</source>
        <translation>nove de ouros</translation>
    </message>
    <message>
        <source>ten of diamonds</source>
        <translation>dez de ouros</translation>
    </message>
    <message>
        <source>jack of diamonds</source>
        <translation>valete de ouros</translation>
    </message>
    <message>
        <source>queen of diamonds</source>
        <translation>dama de ouros</translation>
    </message>
    <message>
        <source>king of diamonds</source>
        <translation>rei de ouros</translation>
    </message>
    <message>
        <source>ace of clubs</source>
        <translation>ás de paus</translation>
    </message>
    <message>
        <source>two of clubs</source>
        <translation>dois de paus</translation>
    </message>
    <message>
        <source>three of clubs</source>
        <translation>três de paus</translation>
    </message>
    <message>
        <source>four of clubs</source>
        <translation>quatro de paus</translation>
    </message>
    <message>
        <source>five of clubs</source>
        <translation>cinco de paus</translation>
    </message>
    <message>
        <source>six of clubs</source>
        <translation>seis de paus</translation>
    </message>
    <message>
        <source>seven of clubs</source>
        <translation>sete de paus</translation>
    </message>
    <message>
        <source>eight of clubs</source>
        <translation>oito de paus</translation>
    </message>
    <message>
        <source>nine of clubs</source>
        <translation>nove de paus</translation>
    </message>
    <message>
        <source>ten of clubs</source>
        <translation>dez de paus</translation>
    </message>
    <message>
        <source>jack of clubs</source>
        <translation>valete de paus</translation>
    </message>
    <message>
        <source>queen of clubs</source>
        <translation>dama de paus</translation>
    </message>
    <message>
        <source>king of clubs</source>
        <translation>rei de paus</translation>
    </message>
    <message>
        <source>ace of hearts</source>
        <translation>ás de copas</translation>
    </message>
    <message>
        <source>two of hearts</source>
        <translation>dois de copas</translation>
    </message>
    <message>
        <source>three of hearts</source>
        <translation>três de copas</translation>
    </message>
    <message>
        <source>four of hearts</source>
        <translation>quatro de copas</translation>
    </message>
    <message>
        <source>five of hearts</source>
        <translation>cinco de copas</translation>
    </message>
    <message>
        <source>six of hearts</source>
        <translation>seis de copas</translation>
    </message>
    <message>
        <source>seven of hearts</source>
        <translation>sete de copas</translation>
    </message>
    <message>
        <source>eight of hearts</source>
        <translation>oito de copas</translation>
    </message>
    <message>
        <source>nine of hearts</source>
        <translation>nove de copas</translation>
    </message>
    <message>
        <source>ten of hearts</source>
        <translation>dez de copas</translation>
    </message>
    <message>
        <source>jack of hearts</source>
        <translation>valete de copas</translation>
    </message>
    <message>
        <source>queen of hearts</source>
        <translation>dama de copas</translation>
    </message>
    <message>
        <source>king of hearts</source>
        <translation>rei de copas</translation>
    </message>
</context>
<context>
    <name>CardPreview</name>
    <message>
        <source>Preview</source>
        <translation>Visualização</translation>
    </message>
    <message>
        <source>No card is shown</source>
        <translation>Nenhuma carta exibida</translation>
    </message>
    <message>
        <source>Shows the %1</source>
        <translation>Carta exibida: %1</translation>
    </message>
</context>
<context>
    <name>CardTransfer</name>
    <message>
        <source>Copy Card Image</source>
        <translation>Copiar imagem da carta</translation>
    </message>
    <message>
        <source>Copy Drawn Cards</source>
        <translation>Copiar cartas tiradas</translation>
    </message>
    <message>
        <source>Save Card As…</source>
        <translation>Salvar carta como…</translation>
    </message>
    <message>
        <source>Export Drawn Cards as PDF…</source>
        <translation>Exportar cartas tiradas como PDF…</translation>
    </message>
    <message>
        <source>Print Drawn Cards…</source>
        <translation>Imprimir cartas tiradas…</translation>
    </message>
    <message>
        <source>Open Output Folder</source>
        <translation>Abrir pasta de destino</translation>
    </message>
    <message>
        <source>no folder can be made in %1: %2</source>
        <translation>não é possível criar uma pasta em %1: %2</translation>
    </message>
    <message>
        <source>Print Drawn Cards</source>
        <translation>Imprimir cartas tiradas</translation>
    </message>
    <message>
        <source>Export Whole Deck as PDF…</source>
        <translation>Exportar baralho inteiro como PDF…</translation>
    </message>
    <message>
        <source>Export Drawn Cards as PDF</source>
        <translation>Exportar cartas tiradas como PDF</translation>
    </message>
    <message>
        <source>Export Whole Deck as PDF</source>
        <translation>Exportar baralho inteiro como PDF</translation>
    </message>
    <message>
        <source>Printing the cards…</source>
        <translation>Imprimindo as cartas…</translation>
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
        <translation>Uso: velmora [opções]
Tira cartas de baralho aleatórias.
Sem opções, abre sua janela. Com --draw ou --deck, mostra as cartas, uma por
linha, opcionalmente grava seus arquivos e termina. No terminal uma linha diz
“Card 17 (quatro de ouros)”; em um pipe ou arquivo, “Card 17&lt;TAB&gt;four of diamonds”.
  velmora --draw 5 --save-to PASTA --format png --size 744   PNGs para impressão a 300 dpi
  velmora --draw 9 --save-to PASTA --format pdf              PASTA/Cards.pdf, pronto para recortar
  velmora --deck --jokers --save-to PASTA --format pdf --pdf-layout card --bleed --back 3
                                       o baralho inteiro com versos, para gráficas

Código de saída: 0 sucesso, 2 argumentos inválidos, 3 um arquivo não pôde ser gravado,
4 a janela não pode ser aberta (sem tela).

Opções:
  -h, -?, --help           Mostra esta ajuda.
  -v, --version            Mostra informações da versão.
  --draw &lt;quantidade&gt;      Tira &lt;quantidade&gt; cartas diferentes (de 1 a 52) e as
                           mostra.
  --deck                   Em vez de tirar cartas, o baralho inteiro de 52 na ordem
                           dos naipes (espadas, ouros, paus, copas; do ás ao rei).
  --jokers                 Com --deck, os dois curingas depois dele: Joker 1
                           (vermelho) e Joker 2 (preto).
  --save-to &lt;pasta&gt;        Também grava as cartas em &lt;pasta&gt;: Card N.bmp para cada
                           uma (.png, .svg; Joker N para os curingas), ou um único
                           Cards.pdf; um arquivo existente é substituído. Uma carta
                           que não pode ser gravada é informada na saída de erro
                           padrão, e as demais são gravadas mesmo assim.
                           Exportações grandes usam todos os núcleos; no terminal,
                           uma linha na saída de erro padrão mostra o andamento.
  --format &lt;bmp|png|svg|pdf&gt;  Com --save-to, o formato dos arquivos: bmp (cantos
                           brancos, padrão), png (cantos transparentes), svg (um
                           desenho de qualquer tamanho) ou pdf (um arquivo,
                           Cards.pdf, com cada carta em seu tamanho real em folhas
                           A4 ou Letter com marcas de corte).
  --card-size &lt;picture|poker|bridge&gt;  Com --save-to, o formato da carta: picture
                           (63 x 85,2 mm, o das próprias imagens; padrão, exceto
                           para pdf), poker (2,5 x 3,5 pol.; padrão para pdf) ou
                           bridge (2,25 x 3,5 pol.).
  --size &lt;largura&gt;         Com --format png: cada carta com &lt;largura&gt; pixels de
                           largura (de %1 a %2), desenhada nítida nesse tamanho; a
                           altura segue a proporção do tamanho da carta, e o arquivo
                           informa a resolução que o imprime na largura real
                           (750 px no poker: 300 dpi). Padrão: o tamanho próprio da
                           imagem, 71 x 96.
  --pdf-layout &lt;sheets|card&gt;  Com --format pdf: sheets (tantas cartas quantas
                           couberem em uma página, padrão) ou card (uma carta por
                           página, no tamanho da carta, como as gráficas as
                           aceitam).
  --bleed                  Com --format pdf: 1/8 pol. do fundo da carta além de
                           cada borda de corte (a página de uma carta de poker tem
                           198 x 270 pt); nas folhas, as marcas de corte ficam fora
                           dessa área.
  --back &lt;1-12&gt;            Com --format pdf: esse verso atrás de cada carta. Nas
                           folhas, cada página de frentes é seguida de seus versos,
                           espelhados para frente e verso pela borda longa; com
                           card, a página da frente de cada carta é seguida da
                           página do seu verso.

As opções próprias do Qt (-platform, -style, -geometry, ...) valem para a janela.
</translation>
    </message>
</context>
<context>
    <name>FolderMark</name>
    <message>
        <source>This folder does not exist</source>
        <translation>Esta pasta não existe</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Progress Bar</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>Start Generate Random Playing Cards</source>
        <translation>Tirar cartas aleatórias</translation>
    </message>
    <message>
        <source>Number To Generate</source>
        <translation>Número de cartas</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Visualização</translation>
    </message>
    <message>
        <source>Card(s) Generated</source>
        <translation>Carta(s) tirada(s)</translation>
    </message>
    <message>
        <source>Save All Cards To Image</source>
        <translation>Salvar todas como imagem</translation>
    </message>
    <message>
        <source>Save Selected Card As Image</source>
        <translation>Salvar a escolhida como imagem</translation>
    </message>
    <message>
        <source>Number of cards to draw, 1 to 52</source>
        <translation>Número de cartas a tirar, de 1 a 52</translation>
    </message>
    <message>
        <source>Drawn cards</source>
        <translation>Cartas tiradas</translation>
    </message>
    <message>
        <source>Select a card to preview it</source>
        <translation>Selecione uma carta para visualizá-la</translation>
    </message>
    <message>
        <source>The folder the card images are saved into</source>
        <translation>A pasta onde as imagens das cartas são salvas</translation>
    </message>
    <message>
        <source>Choose output folder</source>
        <translation>Escolher pasta de destino</translation>
    </message>
    <message>
        <source>Draw progress</source>
        <translation>Progresso ao tirar as cartas</translation>
    </message>
    <message>
        <source>How far the current draw has come</source>
        <translation>Quanto já se avançou ao tirar as cartas</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Done.</source>
        <translation>Concluído.</translation>
    </message>
    <message>
        <source>No card selected.</source>
        <translation>Nenhuma carta selecionada.</translation>
    </message>
    <message>
        <source>Up to %1 cards allowed</source>
        <translation>São permitidas até %1 cartas</translation>
    </message>
    <message>
        <source>Must be numerical value.</source>
        <translation>Deve ser um valor numérico.</translation>
    </message>
    <message>
        <source>Numeric Value Required</source>
        <translation>Valor numérico obrigatório</translation>
    </message>
    <message>
        <source>No card left to draw: all %1 cards are listed</source>
        <translation>Não há mais cartas para tirar: todas as %1 cartas já estão na lista</translation>
    </message>
    <message>
        <source>Cannot draw %1 distinct cards from a deck of %2</source>
        <translation>Não é possível tirar %1 cartas diferentes de um baralho de %2</translation>
    </message>
    <message>
        <source>ChangeCard property must be from 0 to 53!</source>
        <translation>A propriedade ChangeCard deve estar entre 0 e 53!</translation>
    </message>
    <message>
        <source>ChangeBack property must be from 0 to 11!</source>
        <translation>A propriedade ChangeBack deve estar entre 0 e 11!</translation>
    </message>
    <message>
        <source>You cannot change this property.</source>
        <translation>Não é possível alterar esta propriedade.</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erro do aplicativo</translation>
    </message>
    <message>
        <source>in </source>
        <translation>em </translation>
    </message>
    <message>
        <source>at line </source>
        <translation>na linha </translation>
    </message>
    <message>
        <source>Please email screenshot of this message to </source>
        <translation>Envie uma captura de tela desta mensagem por e-mail para </translation>
    </message>
    <message>
        <source>Subscript out of range</source>
        <translation>Subscrito fora do intervalo</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipos incompatíveis</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Estouro</translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation>Divisão por zero</translation>
    </message>
    <message>
        <source>Save Results To This Folder</source>
        <translation>Salvar os resultados nesta pasta</translation>
    </message>
    <message>
        <source>Please select folder:</source>
        <translation>Selecione uma pasta:</translation>
    </message>
    <message>
        <source>No output folder is set. Type a folder into &quot;%1&quot; or choose one with the ... button.</source>
        <translation>Nenhuma pasta de destino foi definida. Digite uma pasta em “%1” ou use o botão ... para escolher uma.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; is not a full path. Type the whole path of the folder, or choose one with the ... button.</source>
        <translation>A pasta de destino “%1” não é um caminho completo. Digite o caminho inteiro da pasta ou use o botão ... para escolher uma.</translation>
    </message>
    <message>
        <source>The output folder &quot;%1&quot; does not exist. Type an existing folder into &quot;%2&quot; or choose one with the ... button.</source>
        <translation>A pasta de destino “%1” não existe. Digite uma pasta existente em “%2” ou use o botão ... para escolher uma.</translation>
    </message>
    <message>
        <source>Velmora could not open the folder &quot;%1&quot;: no file manager is set up to show it.</source>
        <translation>O Velmora não conseguiu abrir a pasta “%1”: não há nenhum gerenciador de arquivos configurado para exibi-la.</translation>
    </message>
    <message>
        <source>Saved %1 of %2 cards. The others could not be written; the messages before this one say why.</source>
        <translation>%1 de %2 cartas salvas. As demais não puderam ser gravadas; as mensagens anteriores explicam o motivo.</translation>
    </message>
    <message>
        <source>Report the other cards of this save together at the end</source>
        <translation>Informar as demais cartas deste salvamento todas juntas no final</translation>
    </message>
    <message numerus="yes">
        <source>Saved %1 of %n card.</source>
        <translation>
            <numerusform>%1 de %n carta salva.</numerusform>
            <numerusform>%1 de %n cartas salvas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Saved %1 of %n cards.</source>
        <translation>
            <numerusform>%1 de %n carta salva.</numerusform>
            <numerusform>%1 de %n cartas salvas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be written: %1.</source>
        <comment>the cards not written, and why</comment>
        <translation>
            <numerusform>%n não pôde ser gravada: %1.</numerusform>
            <numerusform>%n não puderam ser gravadas: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não é possível gravar %1: %2</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>não foi possível codificar a imagem</translation>
    </message>
    <message>
        <source>the document could not be made</source>
        <translation>não foi possível criar o documento</translation>
    </message>
    <message>
        <source>No card face to save as %1</source>
        <translation>Nenhuma imagem de carta para salvar como %1</translation>
    </message>
    <message>
        <source>Your settings could not be saved to %1.<byte value="xd"/>
Velmora keeps working, but this change will be lost when it closes.</source>
        <translation>Não foi possível salvar suas configurações em %1.<byte value="xd"/>
O Velmora continua funcionando, mas esta alteração será perdida quando ele for fechado.</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;; see velmora --help</source>
        <translation>argumento inesperado “%1”; consulte velmora --help</translation>
    </message>
    <message>
        <source>unknown option %1; see velmora --help</source>
        <translation>opção desconhecida %1; consulte velmora --help</translation>
    </message>
    <message>
        <source>%1 is given twice</source>
        <translation>%1 foi informado duas vezes</translation>
    </message>
    <message>
        <source>%1 needs a value; see velmora --help</source>
        <translation>%1 precisa de um valor; consulte velmora --help</translation>
    </message>
    <message>
        <source>--draw needs a number of cards from 1 to %1, not &quot;%2&quot;</source>
        <translation>--draw precisa de um número de cartas de 1 a %1, não “%2”</translation>
    </message>
    <message>
        <source>--draw needs a number of cards from 1 to %1; &quot;%2&quot; is out of range</source>
        <translation>--draw precisa de um número de cartas de 1 a %1; “%2” está fora do intervalo</translation>
    </message>
    <message>
        <source>--size needs a width in pixels, a whole number from %1 to %2, not &quot;%3&quot;</source>
        <translation>--size precisa de uma largura em pixels, um número inteiro de %1 a %2, não “%3”</translation>
    </message>
    <message>
        <source>--%1 is for the files of --save-to, which is not given</source>
        <translation>--%1 é para os arquivos de --save-to, que não foi informado</translation>
    </message>
    <message>
        <source>--save-to needs a folder</source>
        <translation>--save-to precisa de uma pasta</translation>
    </message>
    <message>
        <source>--format is bmp, png, svg or pdf, not &quot;%1&quot;</source>
        <translation>--format é bmp, png, svg ou pdf, não “%1”</translation>
    </message>
    <message>
        <source>--size is for --format png only (SVG and PDF are drawings of any size; a bitmap is the picture&apos;s own)</source>
        <translation>--size só vale com --format png (SVG e PDF são desenhos de qualquer tamanho; um bitmap tem o tamanho próprio da imagem)</translation>
    </message>
    <message>
        <source>--pdf-layout is for --format pdf only</source>
        <translation>--pdf-layout só vale com --format pdf</translation>
    </message>
    <message>
        <source>--pdf-layout is sheets or card, not &quot;%1&quot;</source>
        <translation>--pdf-layout é sheets ou card, não “%1”</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>a pasta %1 não existe</translation>
    </message>
    <message>
        <source>the folder name %1 is longer than the system allows</source>
        <translation>o nome de pasta %1 é mais longo do que o sistema permite</translation>
    </message>
    <message>
        <source>the folder&apos;s name is not UTF-8 text, so it cannot be found (it reads as %1)</source>
        <translation>o nome da pasta não é texto UTF-8, por isso ela não pode ser encontrada (ele é lido como %1)</translation>
    </message>
    <message>
        <source>cannot reach the folder %1: %2</source>
        <translation>não é possível acessar a pasta %1: %2</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 não é uma pasta</translation>
    </message>
    <message>
        <source>there is no display to open the window on; --draw works without one (see velmora --help)</source>
        <translation>não há nenhuma tela para abrir a janela; --draw funciona sem ela (consulte velmora --help)</translation>
    </message>
    <message>
        <source>the window cannot open: %1; --draw works without it</source>
        <translation>a janela não pode ser aberta: %1; --draw funciona sem ela</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>não é possível gravar na saída padrão: %1</translation>
    </message>
    <message>
        <source>standard output is closed; nothing was done</source>
        <translation>a saída padrão está fechada; nada foi feito</translation>
    </message>
    <message>
        <source>nothing to do; see velmora --help</source>
        <translation>nada a fazer; consulte velmora --help</translation>
    </message>
    <message>
        <source>--%1 needs --draw or --deck</source>
        <translation>--%1 precisa de --draw ou --deck</translation>
    </message>
    <message>
        <source>%1 (red joker)</source>
        <translation>%1 (curinga vermelho)</translation>
    </message>
    <message>
        <source>%1 (black joker)</source>
        <translation>%1 (curinga preto)</translation>
    </message>
    <message>
        <source>--card-size is picture, poker or bridge, not &quot;%1&quot;</source>
        <translation>--card-size é picture, poker ou bridge, não “%1”</translation>
    </message>
    <message>
        <source>--%1 is for --format pdf only</source>
        <translation>--%1 só vale com --format pdf</translation>
    </message>
    <message>
        <source>--back is one of the backs 1 to 12, not &quot;%1&quot;</source>
        <translation>--back é um dos versos de 1 a 12, não “%1”</translation>
    </message>
    <message>
        <source>--deck takes the whole deck in order: give it or --draw, not both</source>
        <translation>--deck usa o baralho inteiro em ordem: informe-o ou --draw, não os dois</translation>
    </message>
    <message>
        <source>--jokers needs --deck (a draw holds no jokers)</source>
        <translation>--jokers precisa de --deck (cartas tiradas não incluem curingas)</translation>
    </message>
    <message>
        <source>%1 of %2 cards (%3 %), %4 left</source>
        <translation>%1 de %2 cartas (%3 %), faltam %4</translation>
    </message>
    <message>
        <source>The export was cancelled: no file was written, and an earlier file of that name is as it was.</source>
        <translation>A exportação foi cancelada: nenhum arquivo foi gravado, e um arquivo anterior com esse nome continua como estava.</translation>
    </message>
    <message>
        <source>Printing was cancelled.</source>
        <translation>A impressão foi cancelada.</translation>
    </message>
    <message>
        <source>The dragged card went without its file, so a file manager received nothing: %1.</source>
        <translation>A carta arrastada foi sem o seu arquivo, então o gerenciador de arquivos não recebeu nada: %1.</translation>
    </message>
    <message>
        <source>Cannot print: the print module did not load. Reinstalling Velmora puts it back.

%1</source>
        <translation>Não é possível imprimir: o módulo de impressão não foi carregado. Reinstalar o Velmora o restaura.

%1</translation>
    </message>
</context>
<context>
    <name>PrintOptionsDialog</name>
    <message>
        <source>Back %1</source>
        <translation>Verso %1</translation>
    </message>
    <message>
        <source>Print Options</source>
        <translation>Opções de impressão</translation>
    </message>
    <message>
        <source>PDF Options</source>
        <translation>Opções de PDF</translation>
    </message>
    <message>
        <source>Poker, 2.5 x 3.5 in (63.5 x 88.9 mm)</source>
        <translation>Poker, 2,5 x 3,5 pol. (63,5 x 88,9 mm)</translation>
    </message>
    <message>
        <source>Bridge, 2.25 x 3.5 in (57.2 x 88.9 mm)</source>
        <translation>Bridge, 2,25 x 3,5 pol. (57,2 x 88,9 mm)</translation>
    </message>
    <message>
        <source>Picture, 63 x 85.2 mm (the pictures&apos; own shape)</source>
        <translation>Imagem, 63 x 85,2 mm (o formato próprio das imagens)</translation>
    </message>
    <message>
        <source>Card size</source>
        <translation>Tamanho da carta</translation>
    </message>
    <message>
        <source>Card &amp;size:</source>
        <translation>&amp;Tamanho da carta:</translation>
    </message>
    <message>
        <source>B&amp;leed: the picture runs 1/8 in beyond each cut edge</source>
        <translation>&amp;Sangria: a imagem passa 1/8 pol. de cada borda de corte</translation>
    </message>
    <message>
        <source>For print services, which cut inside the bleed.</source>
        <translation>Para gráficas, que cortam dentro da sangria.</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Verso</translation>
    </message>
    <message>
        <source>The picture printed behind every card, or none.</source>
        <translation>A imagem impressa no verso de cada carta, ou nenhuma.</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Bac&amp;k:</source>
        <translation>&amp;Verso:</translation>
    </message>
    <message>
        <source>D&amp;uplex: backs pages mirrored for printing on both sides (long edge)</source>
        <translation>&amp;Duplex: páginas de verso espelhadas para frente e verso (borda longa)</translation>
    </message>
    <message>
        <source>Only sheets with a back have backs pages to mirror.</source>
        <translation>Só folhas com verso têm páginas de verso para espelhar.</translation>
    </message>
    <message>
        <source>Sheets of paper with cut marks</source>
        <translation>Folhas de papel com marcas de corte</translation>
    </message>
    <message>
        <source>One card per page, at card size (for print services)</source>
        <translation>Uma carta por página, no tamanho da carta (para gráficas)</translation>
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
        <translation>Adicionar os dois c&amp;uringas após as 52 cartas</translation>
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
        <translation>Imagem PNG, %1%2 x %3 (*.png)</translation>
    </message>
    <message>
        <source>twice the size, </source>
        <translation>o dobro do tamanho, </translation>
    </message>
    <message>
        <source>four times the size, </source>
        <translation>quatro vezes o tamanho, </translation>
    </message>
    <message>
        <source>for print at %1 dpi, 63 mm wide, </source>
        <translation>para impressão a %1 dpi, 63 mm de largura, </translation>
    </message>
    <message>
        <source>SVG drawing, any size (*.svg)</source>
        <translation>Desenho SVG, de qualquer tamanho (*.svg)</translation>
    </message>
    <message>
        <source>PDF document, the card at 63 mm (*.pdf)</source>
        <translation>Documento PDF, a carta com 63 mm (*.pdf)</translation>
    </message>
    <message>
        <source>Windows bitmap (*.bmp)</source>
        <translation>Bitmap do Windows (*.bmp)</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 já existe.
Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>Save Card As</source>
        <translation>Salvar carta como</translation>
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
        <translation>O arquivo está aberto em outro programa.</translation>
    </message>
    <message>
        <source>Windows does not let you write in this folder.</source>
        <translation>O Windows não permite gravar nesta pasta.</translation>
    </message>
    <message>
        <source>The folder does not exist.</source>
        <translation>A pasta não existe.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>O disco está cheio.</translation>
    </message>
    <message>
        <source>The disk is write-protected.</source>
        <translation>O disco está protegido contra gravação.</translation>
    </message>
    <message>
        <source>The drive is not ready.</source>
        <translation>A unidade não está pronta.</translation>
    </message>
    <message>
        <source>Windows does not allow this name.</source>
        <translation>O Windows não permite este nome.</translation>
    </message>
    <message>
        <source>The path is too long.</source>
        <translation>O caminho é longo demais.</translation>
    </message>
    <message>
        <source>The network folder cannot be reached.</source>
        <translation>Não é possível acessar a pasta de rede.</translation>
    </message>
    <message>
        <source>A folder of that name is in the way.</source>
        <translation>Uma pasta com esse nome impede a gravação.</translation>
    </message>
    <message>
        <source>The file is read-only.</source>
        <translation>O arquivo é somente leitura.</translation>
    </message>
    <message>
        <source>The folder is a file.</source>
        <translation>A pasta é um arquivo.</translation>
    </message>
    <message>
        <source>Windows does not allow a colon (:) in a name.</source>
        <translation>O Windows não permite dois-pontos (:) em um nome.</translation>
    </message>
</context>
</TS>
