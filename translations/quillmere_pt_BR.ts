<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>GiftMaking</name>
    <message>
        <source>The gift would be larger than 2 GB</source>
        <translation>O presente ficaria maior que 2 GB</translation>
    </message>
    <message>
        <source>A gift needs a picture</source>
        <translation>Um presente precisa de uma imagem</translation>
    </message>
    <message>
        <source>The picture is not a JPEG file</source>
        <translation>A imagem não é um arquivo JPEG</translation>
    </message>
    <message>
        <source>The skin picture is not a JPEG file</source>
        <translation>A imagem da aparência não é um arquivo JPEG</translation>
    </message>
    <message>
        <source>A text of the gift holds &quot;%1&quot;, which marks the gift&apos;s header</source>
        <translation>Um texto do presente contém “%1”, que marca o cabeçalho do presente</translation>
    </message>
    <message>
        <source>A jigsaw needs at least %1 pieces</source>
        <translation>Um quebra-cabeça precisa de pelo menos %1 peças</translation>
    </message>
    <message>
        <source>The picture of %1x%2 pixels cut into %3 pieces gives a single piece, and a jigsaw needs at least %4: use a larger picture or ask for more pieces</source>
        <translation>A imagem de %1x%2 pixels cortada em %3 peças resulta em uma única peça, e um quebra-cabeça precisa de pelo menos %4: use uma imagem maior ou aumente o número de peças</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;</source>
        <translation>Não é possível abrir o arquivo “%1”</translation>
    </message>
    <message>
        <source>File %1 could not be written</source>
        <translation>Não foi possível gravar o arquivo %1</translation>
    </message>
    <message>
        <source>is needed</source>
        <translation>é obrigatório</translation>
    </message>
    <message>
        <source>%1 (bytes that are not UTF-8)</source>
        <translation>%1 (bytes que não são UTF-8)</translation>
    </message>
    <message>
        <source>has characters a gift cannot hold (its texts are Windows-1252): %1</source>
        <translation>tem caracteres que um presente não consegue guardar (seus textos são Windows-1252): %1</translation>
    </message>
    <message>
        <source>is %1 characters long, %2 more than the %3 a gift holds</source>
        <translation>tem %1 caracteres, %2 a mais que os %3 que cabem em um presente</translation>
    </message>
    <message>
        <source>has bytes that are not UTF-8 text</source>
        <translation>tem bytes que não são texto UTF-8</translation>
    </message>
    <message>
        <source>may not hold &quot;%1&quot;: it marks where the gift&apos;s settings start</source>
        <translation>não pode conter “%1”: isso marca onde começam as configurações do presente</translation>
    </message>
    <message>
        <source>is too long: %1 bytes of UTF-8, %2 more than the %3 a gift holds (a letter takes one byte in English, two in Polish or Russian, three in Japanese, four for an emoji)</source>
        <translation>é longo demais: %1 bytes de UTF-8, %2 a mais que os %3 que cabem em um presente (uma letra ocupa um byte em inglês, dois em polonês ou russo, três em japonês e quatro em um emoji)</translation>
    </message>
    <message>
        <source>is %1; it must be from %2 to %3</source>
        <translation>vale %1; deve estar entre %2 e %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a colour name such as clCream nor a number</source>
        <translation>“%1” não é nem um nome de cor como clCream nem um número</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file</source>
        <translation>“%1” não é um arquivo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read</source>
        <translation>não é possível ler “%1”</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>a pasta “%1” não existe</translation>
    </message>
    <message>
        <source>would overwrite &quot;%1&quot;, which the gift is made from</source>
        <translation>sobrescreveria “%1”, a partir do qual o presente é feito</translation>
    </message>
    <message>
        <source>a template block needs its number of templates, and a number needs the block</source>
        <translation>um bloco de modelos precisa do seu número de modelos, e um número precisa do bloco</translation>
    </message>
    <message>
        <source>the music&apos;s extension &quot;%1&quot; must be a dot and one to three letters or digits, such as .ogg</source>
        <translation>a extensão da música “%1” deve ser um ponto e de uma a três letras ou algarismos, como .ogg</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language code such as de, pl or pt-BR</source>
        <translation>“%1” não é um código de idioma como de, pl ou pt-BR</translation>
    </message>
    <message>
        <source>Reading the skin</source>
        <translation>Lendo a aparência</translation>
    </message>
    <message>
        <source>Reading the music and templates</source>
        <translation>Lendo a música e os modelos</translation>
    </message>
    <message>
        <source>Writing the gift</source>
        <translation>Gravando o presente</translation>
    </message>
    <message>
        <source>Packing the gift in a zip archive</source>
        <translation>Compactando o presente em um arquivo zip</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>The zip archive could not be made (zlib did not start)</source>
        <translation>Não foi possível criar o arquivo zip (o zlib não iniciou)</translation>
    </message>
    <message>
        <source>The gift is too large for a zip archive (4 GB and more)</source>
        <translation>O presente é grande demais para um arquivo zip (4 GB ou mais)</translation>
    </message>
    <message>
        <source>The HEIF picture could not be read (%1: %2): save it as JPEG or PNG first</source>
        <translation>Não foi possível ler a imagem HEIF (%1: %2): salve-a antes como JPEG ou PNG</translation>
    </message>
    <message>
        <source>The HEIF picture has no pixels: save it as JPEG or PNG first</source>
        <translation>A imagem HEIF não tem pixels: salve-a antes como JPEG ou PNG</translation>
    </message>
    <message>
        <source>No portable player found at %1; give the player to copy with --player PLAYER</source>
        <translation>Nenhum programa do jogo portátil encontrado em %1; indique o programa do jogo a copiar com --player PLAYER</translation>
    </message>
    <message>
        <source>No player found at %1; give the player to copy with --player PLAYER</source>
        <translation>Nenhum programa do jogo encontrado em %1; indique o programa do jogo a copiar com --player PLAYER</translation>
    </message>
    <message>
        <source>Install FluidSynth and a General MIDI sound font (the Debian packages fluidsynth and fluid-soundfont-gm), or save the music as Ogg Vorbis, MP3, FLAC or WAV.</source>
        <translation>Instale o FluidSynth e um banco de sons General MIDI (os pacotes Debian fluidsynth e fluid-soundfont-gm) ou salve a música como Ogg Vorbis, MP3, FLAC ou WAV.</translation>
    </message>
    <message>
        <source>The music file cannot be read.</source>
        <translation>Não é possível ler o arquivo de música.</translation>
    </message>
    <message>
        <source>The MIDI music gave no sound.</source>
        <translation>A música MIDI não produziu som nenhum.</translation>
    </message>
    <message>
        <source>The MIDI music cannot be stored as Ogg Vorbis.</source>
        <translation>Não é possível salvar a música MIDI como Ogg Vorbis.</translation>
    </message>
    <message>
        <source>MIDI music needs FluidSynth and a General MIDI sound font to be turned into sound every computer can play.</source>
        <translation>A música MIDI precisa do FluidSynth e de um banco de sons General MIDI para virar um som que qualquer computador consiga tocar.</translation>
    </message>
    <message>
        <source>There is no room for the MIDI music&apos;s sound.</source>
        <translation>Não há espaço para o som da música MIDI.</translation>
    </message>
    <message>
        <source>FluidSynth could not play the MIDI music.</source>
        <translation>O FluidSynth não conseguiu tocar a música MIDI.</translation>
    </message>
    <message>
        <source>FluidSynth could not play the MIDI music: %1</source>
        <translation>O FluidSynth não conseguiu tocar a música MIDI: %1</translation>
    </message>
    <message>
        <source>Picture ready</source>
        <translation>Imagem pronta</translation>
    </message>
    <message>
        <source>The picture is %1 pixels: more than the %2 million pixels the gift maker reads</source>
        <translation>A imagem tem %1 pixels: mais que os %2 milhões de pixels que o criador de presentes lê</translation>
    </message>
    <message>
        <source>This is not a picture the gift maker can read (it reads %1): save it as JPEG or PNG first</source>
        <translation>O criador de presentes não consegue ler esta imagem (ele lê %1): salve-a antes como JPEG ou PNG</translation>
    </message>
    <message>
        <source>The picture could not be read (%1): save it as JPEG or PNG first</source>
        <translation>Não foi possível ler a imagem (%1): salve-a antes como JPEG ou PNG</translation>
    </message>
    <message>
        <source>The picture would be stored at %1 pixels; the player cuts pictures of at most %2 pixels a side, so let it be fitted to a smaller size</source>
        <translation>A imagem seria salva com %1 pixels; o programa do jogo corta imagens de no máximo %2 pixels de lado, então deixe que ela seja ajustada a um tamanho menor</translation>
    </message>
    <message>
        <source>The picture file is empty</source>
        <translation>O arquivo de imagem está vazio</translation>
    </message>
    <message>
        <source>Reading the picture</source>
        <translation>Lendo a imagem</translation>
    </message>
    <message>
        <source>Turning the picture upright</source>
        <translation>Endireitando a imagem</translation>
    </message>
    <message>
        <source>Scaling the picture</source>
        <translation>Redimensionando a imagem</translation>
    </message>
    <message>
        <source>Storing the picture as JPEG</source>
        <translation>Salvando a imagem como JPEG</translation>
    </message>
    <message>
        <source>converted from CMYK</source>
        <translation>convertida de CMYK</translation>
    </message>
    <message>
        <source>converted from %1</source>
        <translation>convertida de %1</translation>
    </message>
    <message>
        <source>turned upright from %1 (EXIF orientation %2)</source>
        <translation>endireitada a partir de %1 (orientação EXIF %2)</translation>
    </message>
    <message>
        <source>scaled from %1 to %2 to fit %3</source>
        <translation>reduzida de %1 para %2 para caber em %3</translation>
    </message>
    <message>
        <source>kept at its own size as asked</source>
        <translation>mantida no tamanho original, como pedido</translation>
    </message>
    <message>
        <source>kept at its own size, within %1</source>
        <translation>mantida no tamanho original, dentro de %1</translation>
    </message>
    <message>
        <source>the file stored as it is</source>
        <translation>o arquivo salvo como está</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>Open|Open or create a jigsaw</source>
        <translation>Abrir|Abrir ou criar um quebra-cabeça</translation>
    </message>
    <message>
        <source>Save|Save the jigsaw in progress</source>
        <translation>Salvar|Salvar o quebra-cabeça em andamento</translation>
    </message>
    <message>
        <source>Picture|Toggle the picture overlay (F3)</source>
        <translation>Imagem|Mostrar ou ocultar a janela da imagem (F3)</translation>
    </message>
    <message>
        <source>Loupe|Toggle the magnifying glass (F4)</source>
        <translation>Lupa|Mostrar ou ocultar a lupa (F4)</translation>
    </message>
    <message>
        <source>Ghost Picture|Toggle the ghost picture backdrop</source>
        <translation>Imagem fantasma|Mostrar ou ocultar a imagem fantasma ao fundo</translation>
    </message>
    <message>
        <source>Zoom|Display the jigsaw image full-screen (F2)</source>
        <translation>Zoom|Exibir a imagem do quebra-cabeça em tela cheia (F2)</translation>
    </message>
    <message>
        <source>Board color|Choose a new background board color</source>
        <translation>Cor do tabuleiro|Escolher uma nova cor para o tabuleiro</translation>
    </message>
    <message>
        <source>Piece size and shape|Change the size and shape of pieces</source>
        <translation>Tamanho e forma das peças|Mudar o tamanho e a forma das peças</translation>
    </message>
    <message>
        <source>Arrange at edge|Arrange pieces around edge</source>
        <translation>Organizar na borda|Organizar as peças ao redor da borda</translation>
    </message>
    <message>
        <source>Arrange in grid|Arrange pieces in a grid</source>
        <translation>Organizar em grade|Organizar as peças em uma grade</translation>
    </message>
    <message>
        <source>New tray|Create a new tray for storing pieces</source>
        <translation>Nova bandeja|Criar uma nova bandeja para guardar peças</translation>
    </message>
    <message>
        <source>Sound|Turn sound effects on/off</source>
        <translation>Som|Ligar ou desligar os efeitos sonoros</translation>
    </message>
    <message>
        <source>Music|Turn background music on/off</source>
        <translation>Música|Ligar ou desligar a música de fundo</translation>
    </message>
    <message>
        <source>Hint|Flash the next two pieces to solve</source>
        <translation>Dica|Fazer piscar as duas próximas peças que se encaixam</translation>
    </message>
    <message>
        <source>Quick Help|Display mouse and keyboard controls</source>
        <translation>Ajuda rápida|Mostrar os controles do mouse e do teclado</translation>
    </message>
    <message>
        <source>Brighten ghost|Increase the ghost picture brightness</source>
        <translation>Fantasma mais claro|Aumentar o brilho da imagem fantasma</translation>
    </message>
    <message>
        <source>Fade ghost|Decrease the ghost picture brightness</source>
        <translation>Fantasma mais fraco|Diminuir o brilho da imagem fantasma</translation>
    </message>
    <message>
        <source>|Time in hours and minutes since jigsaw started</source>
        <translation>|Tempo em horas e minutos desde o início do quebra-cabeça</translation>
    </message>
    <message>
        <source>|Number of pieces solved out of total</source>
        <translation>|Número de peças encaixadas do total</translation>
    </message>
    <message>
        <source>Scroll left|Show the trays further left</source>
        <translation>Rolar para a esquerda|Mostrar as bandejas mais à esquerda</translation>
    </message>
    <message>
        <source>Scroll right|Show the trays further right</source>
        <translation>Rolar para a direita|Mostrar as bandejas mais à direita</translation>
    </message>
    <message>
        <source>Scroll up|Show the trays further up</source>
        <translation>Rolar para cima|Mostrar as bandejas mais acima</translation>
    </message>
    <message>
        <source>Scroll down|Show the trays further down</source>
        <translation>Rolar para baixo|Mostrar as bandejas mais abaixo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Create...</source>
        <translation>&amp;Criar…</translation>
    </message>
    <message>
        <source>|Create a new jigsaw</source>
        <translation>|Criar um novo quebra-cabeça</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>|Open or create a jigsaw</source>
        <translation>|Abrir ou criar um quebra-cabeça</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salvar</translation>
    </message>
    <message>
        <source>|Save the jigsaw in progress</source>
        <translation>|Salvar o quebra-cabeça em andamento</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salvar c&amp;omo…</translation>
    </message>
    <message>
        <source>|Save the jigsaw under a new name</source>
        <translation>|Salvar o quebra-cabeça com um novo nome</translation>
    </message>
    <message>
        <source>Save as &amp;Gift...</source>
        <translation>Salvar como &amp;presente…</translation>
    </message>
    <message>
        <source>|Save the jigsaw as a gift</source>
        <translation>|Salvar o quebra-cabeça como presente</translation>
    </message>
    <message>
        <source>Save as Screen Sa&amp;ver...</source>
        <translation>Salvar como protetor de &amp;tela…</translation>
    </message>
    <message>
        <source>|Save the jigsaw as a screensaver</source>
        <translation>|Salvar o quebra-cabeça como protetor de tela</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>E&amp;xcluir…</translation>
    </message>
    <message>
        <source>|Delete a jigsaw</source>
        <translation>|Excluir um quebra-cabeça</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>|Print the picture</source>
        <translation>|Imprimir a imagem</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Configurar i&amp;mpressora…</translation>
    </message>
    <message>
        <source>|Set up the printer</source>
        <translation>|Configurar a impressora</translation>
    </message>
    <message>
        <source>Re&amp;start...</source>
        <translation>R&amp;ecomeçar…</translation>
    </message>
    <message>
        <source>|Restart the jigsaw from scratch</source>
        <translation>|Recomeçar o quebra-cabeça do zero</translation>
    </message>
    <message>
        <source>|Open this recent jigsaw</source>
        <translation>|Abrir este quebra-cabeça recente</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sai&amp;r</translation>
    </message>
    <message>
        <source>|Close the jigsaw</source>
        <translation>|Fechar o quebra-cabeça</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Tool bar</source>
        <translation>Barra de &amp;ferramentas</translation>
    </message>
    <message>
        <source>|Show or hide the tool bar</source>
        <translation>|Mostrar ou ocultar a barra de ferramentas</translation>
    </message>
    <message>
        <source>&amp;Status bar</source>
        <translation>Barra de &amp;status</translation>
    </message>
    <message>
        <source>|Show or hide the status bar</source>
        <translation>|Mostrar ou ocultar a barra de status</translation>
    </message>
    <message>
        <source>T&amp;ray bar</source>
        <translation>Barra de &amp;bandejas</translation>
    </message>
    <message>
        <source>|Show or hide the tray bar</source>
        <translation>|Mostrar ou ocultar a barra de bandejas</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Imagem</translation>
    </message>
    <message>
        <source>|Show the picture window</source>
        <translation>|Mostrar a janela da imagem</translation>
    </message>
    <message>
        <source>&amp;Loupe</source>
        <translation>&amp;Lupa</translation>
    </message>
    <message>
        <source>|Show the magnifying glass</source>
        <translation>|Mostrar a lupa</translation>
    </message>
    <message>
        <source>&amp;Ghost picture</source>
        <translation>Imagem fan&amp;tasma</translation>
    </message>
    <message>
        <source>|Show a faded picture on the board</source>
        <translation>|Mostrar uma imagem esmaecida no tabuleiro</translation>
    </message>
    <message>
        <source>&amp;Zoom picture</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>|Display the picture full-screen</source>
        <translation>|Exibir a imagem em tela cheia</translation>
    </message>
    <message>
        <source>&amp;Board Color</source>
        <translation>&amp;Cor do tabuleiro</translation>
    </message>
    <message>
        <source>|Choose the colour of the board</source>
        <translation>|Escolher a cor do tabuleiro</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Personalizada…</translation>
    </message>
    <message>
        <source>|Pick any colour for the board</source>
        <translation>|Escolher qualquer cor para o tabuleiro</translation>
    </message>
    <message>
        <source>Matching</source>
        <translation>Combinando</translation>
    </message>
    <message>
        <source>|A board colour that matches the picture</source>
        <translation>|Uma cor de tabuleiro que combina com a imagem</translation>
    </message>
    <message>
        <source>Contrasting</source>
        <translation>Contrastante</translation>
    </message>
    <message>
        <source>|A board colour that contrasts with the picture</source>
        <translation>|Uma cor de tabuleiro que contrasta com a imagem</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Padrão</translation>
    </message>
    <message>
        <source>|The board colour the jigsaw came with</source>
        <translation>|A cor original do tabuleiro deste quebra-cabeça</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Ferramentas</translation>
    </message>
    <message>
        <source>Arrange at &amp;Edge</source>
        <translation>Organizar na &amp;borda</translation>
    </message>
    <message>
        <source>|Arrange the loose pieces around the edge</source>
        <translation>|Organizar as peças soltas ao redor da borda</translation>
    </message>
    <message>
        <source>Arrange in &amp;Grid</source>
        <translation>Organizar em &amp;grade</translation>
    </message>
    <message>
        <source>|Arrange the loose pieces in a grid</source>
        <translation>|Organizar as peças soltas em uma grade</translation>
    </message>
    <message>
        <source>&amp;Disarrange</source>
        <translation>&amp;Espalhar</translation>
    </message>
    <message>
        <source>|Scatter the loose pieces at random</source>
        <translation>|Espalhar as peças soltas ao acaso</translation>
    </message>
    <message>
        <source>&amp;Piece Size...</source>
        <translation>&amp;Tamanho das peças…</translation>
    </message>
    <message>
        <source>|Change the size and shape of the pieces</source>
        <translation>|Mudar o tamanho e a forma das peças</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>|Undo the last step</source>
        <translation>|Desfazer o último passo</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>|Redo the step just undone</source>
        <translation>|Refazer o passo que acabou de ser desfeito</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <translation>De&amp;mo</translation>
    </message>
    <message>
        <source>|Watch the jigsaw solve itself</source>
        <translation>|Ver o quebra-cabeça se montar sozinho</translation>
    </message>
    <message>
        <source>More &amp;Tips...</source>
        <translation>Mais &amp;sugestões…</translation>
    </message>
    <message>
        <source>|Read tips on playing</source>
        <translation>|Ler sugestões para jogar</translation>
    </message>
    <message>
        <source>&amp;Screensaver...</source>
        <translation>&amp;Protetor de tela…</translation>
    </message>
    <message>
        <source>|Use the picture as a screensaver</source>
        <translation>|Usar a imagem como protetor de tela</translation>
    </message>
    <message>
        <source>&amp;Wallpaper</source>
        <translation>P&amp;apel de parede</translation>
    </message>
    <message>
        <source>|Use the picture as the desktop wallpaper</source>
        <translation>|Usar a imagem como papel de parede da área de trabalho</translation>
    </message>
    <message>
        <source>T&amp;rays</source>
        <translation>&amp;Bandejas</translation>
    </message>
    <message>
        <source>&amp;New Tray</source>
        <translation>&amp;Nova bandeja</translation>
    </message>
    <message>
        <source>|Create a new tray for storing pieces</source>
        <translation>|Criar uma nova bandeja para guardar peças</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Mostrar</translation>
    </message>
    <message>
        <source>|Open trays</source>
        <translation>|Abrir bandejas</translation>
    </message>
    <message>
        <source>Show &amp;All Trays</source>
        <translation>Mostrar &amp;todas as bandejas</translation>
    </message>
    <message>
        <source>|Open every tray</source>
        <translation>|Abrir todas as bandejas</translation>
    </message>
    <message>
        <source>Show &amp;Used Trays</source>
        <translation>Mostrar as bandejas &amp;usadas</translation>
    </message>
    <message>
        <source>|Open the trays that hold pieces</source>
        <translation>|Abrir as bandejas que têm peças</translation>
    </message>
    <message>
        <source>Show &amp;Empty Trays</source>
        <translation>Mostrar as bandejas &amp;vazias</translation>
    </message>
    <message>
        <source>|Open the empty trays</source>
        <translation>|Abrir as bandejas vazias</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Ocultar</translation>
    </message>
    <message>
        <source>|Minimise trays</source>
        <translation>|Minimizar bandejas</translation>
    </message>
    <message>
        <source>Hide &amp;All Trays</source>
        <translation>Ocultar &amp;todas as bandejas</translation>
    </message>
    <message>
        <source>|Minimise every tray</source>
        <translation>|Minimizar todas as bandejas</translation>
    </message>
    <message>
        <source>Hide &amp;Used Trays</source>
        <translation>Ocultar as bandejas &amp;usadas</translation>
    </message>
    <message>
        <source>|Minimise the trays that hold pieces</source>
        <translation>|Minimizar as bandejas que têm peças</translation>
    </message>
    <message>
        <source>Hide &amp;Empty Trays</source>
        <translation>Ocultar as bandejas &amp;vazias</translation>
    </message>
    <message>
        <source>|Minimise the empty trays</source>
        <translation>|Minimizar as bandejas vazias</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Excluir</translation>
    </message>
    <message>
        <source>|Delete trays</source>
        <translation>|Excluir bandejas</translation>
    </message>
    <message>
        <source>Delete &amp;All Trays</source>
        <translation>Excluir &amp;todas as bandejas</translation>
    </message>
    <message>
        <source>|Delete every tray; its pieces go to the board</source>
        <translation>|Excluir todas as bandejas; suas peças vão para o tabuleiro</translation>
    </message>
    <message>
        <source>Delete &amp;Used Trays</source>
        <translation>Excluir as bandejas &amp;usadas</translation>
    </message>
    <message>
        <source>|Delete the trays that hold pieces</source>
        <translation>|Excluir as bandejas que têm peças</translation>
    </message>
    <message>
        <source>Delete &amp;Empty Trays</source>
        <translation>Excluir as bandejas &amp;vazias</translation>
    </message>
    <message>
        <source>|Delete the empty trays</source>
        <translation>|Excluir as bandejas vazias</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Som</translation>
    </message>
    <message>
        <source>|Turn sound effects on or off</source>
        <translation>|Ligar ou desligar os efeitos sonoros</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Música</translation>
    </message>
    <message>
        <source>|Turn background music on or off</source>
        <translation>|Ligar ou desligar a música de fundo</translation>
    </message>
    <message>
        <source>Sha&amp;dows</source>
        <translation>Som&amp;bras</translation>
    </message>
    <message>
        <source>|Moving pieces cast a shadow</source>
        <translation>|As peças em movimento projetam sombra</translation>
    </message>
    <message>
        <source>&amp;Outlines</source>
        <translation>&amp;Contornos</translation>
    </message>
    <message>
        <source>|Choose the look of the piece edges</source>
        <translation>|Escolher a aparência das bordas das peças</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Nenhum</translation>
    </message>
    <message>
        <source>|Pieces have no outline</source>
        <translation>|Peças sem contorno</translation>
    </message>
    <message>
        <source>&amp;Foil</source>
        <translation>&amp;Folha metálica</translation>
    </message>
    <message>
        <source>|Pieces are made out of thin foil</source>
        <translation>|Peças de folha metálica fina</translation>
    </message>
    <message>
        <source>&amp;Paper</source>
        <translation>&amp;Papel</translation>
    </message>
    <message>
        <source>|Pieces are made out of paper</source>
        <translation>|Peças de papel</translation>
    </message>
    <message>
        <source>&amp;Card</source>
        <translation>Pape&amp;lão</translation>
    </message>
    <message>
        <source>|Pieces are made out of thick card</source>
        <translation>|Peças de papelão grosso</translation>
    </message>
    <message>
        <source>&amp;Wood</source>
        <translation>&amp;Madeira</translation>
    </message>
    <message>
        <source>|Pieces are made out of chunky wood</source>
        <translation>|Peças de madeira maciça</translation>
    </message>
    <message>
        <source>&amp;Smooth</source>
        <translation>&amp;Suavizar</translation>
    </message>
    <message>
        <source>|Remove jaggies from piece outlines using smoothing</source>
        <translation>|Suavizar os contornos das peças para tirar os serrilhados</translation>
    </message>
    <message>
        <source>&amp;Auto hide</source>
        <translation>Ocultar &amp;automaticamente</translation>
    </message>
    <message>
        <source>|Remove outlines from solved pieces</source>
        <translation>|Tirar os contornos das peças encaixadas</translation>
    </message>
    <message>
        <source>Sort by S&amp;hape</source>
        <translation>Ordenar por &amp;forma</translation>
    </message>
    <message>
        <source>|Put edge pieces first when arranging</source>
        <translation>|Colocar primeiro as peças de borda ao organizar</translation>
    </message>
    <message>
        <source>Sort by &amp;Color</source>
        <translation>Ordenar por co&amp;r</translation>
    </message>
    <message>
        <source>|Put similar colors together when arranging</source>
        <translation>|Juntar cores parecidas ao organizar</translation>
    </message>
    <message>
        <source>&amp;Timer display</source>
        <translation>Exibir &amp;tempo</translation>
    </message>
    <message>
        <source>|Show the time taken</source>
        <translation>|Mostrar o tempo gasto</translation>
    </message>
    <message>
        <source>&amp;Number display</source>
        <translation>Exibir &amp;número</translation>
    </message>
    <message>
        <source>|Show the number of pieces solved</source>
        <translation>|Mostrar o número de peças encaixadas</translation>
    </message>
    <message>
        <source>&amp;Rotating Pieces</source>
        <translation>R&amp;otação das peças</translation>
    </message>
    <message>
        <source>|Pieces can be turned</source>
        <translation>|As peças podem ser giradas</translation>
    </message>
    <message>
        <source>M&amp;ystery Mode</source>
        <translation>Modo m&amp;istério</translation>
    </message>
    <message>
        <source>|Hide the jigsaw preview pictures</source>
        <translation>|Ocultar as imagens de prévia do quebra-cabeça</translation>
    </message>
    <message>
        <source>Time &amp;Limit...</source>
        <translation>&amp;Limite de tempo…</translation>
    </message>
    <message>
        <source>|Set a time limit for the jigsaw</source>
        <translation>|Definir um limite de tempo para o quebra-cabeça</translation>
    </message>
    <message>
        <source>&amp;Advanced...</source>
        <translation>&amp;Avançadas…</translation>
    </message>
    <message>
        <source>|Change the advanced options</source>
        <translation>|Alterar as opções avançadas</translation>
    </message>
    <message>
        <source>&amp;Cheat</source>
        <translation>&amp;Trapaças</translation>
    </message>
    <message>
        <source>Allow &amp;Cheating</source>
        <translation>Permitir &amp;trapaças</translation>
    </message>
    <message>
        <source>|Allow the cheat commands</source>
        <translation>|Permitir os comandos de trapaça</translation>
    </message>
    <message>
        <source>&amp;Hint!</source>
        <translation>&amp;Dica!</translation>
    </message>
    <message>
        <source>|Flash the next two pieces to solve</source>
        <translation>|Fazer piscar as duas próximas peças que se encaixam</translation>
    </message>
    <message>
        <source>&amp;Right Way Up!</source>
        <translation>&amp;Endireitar todas!</translation>
    </message>
    <message>
        <source>|Turn every piece the right way up</source>
        <translation>|Virar todas as peças para cima</translation>
    </message>
    <message>
        <source>&amp;Auto-Solve!</source>
        <translation>Encaixe &amp;automático!</translation>
    </message>
    <message>
        <source>|Let the jigsaw solve itself</source>
        <translation>|Deixar o quebra-cabeça se montar sozinho</translation>
    </message>
    <message>
        <source>&amp;Internet</source>
        <translation>&amp;Internet</translation>
    </message>
    <message>
        <source>Visit the Quillmere web site</source>
        <translation>Visitar o site da Quillmere</translation>
    </message>
    <message>
        <source>&amp;Purchase the full version...</source>
        <translation>&amp;Comprar a versão completa…</translation>
    </message>
    <message>
        <source>|Visit our online store</source>
        <translation>|Visitar nossa loja on-line</translation>
    </message>
    <message>
        <source>Jigsaw &amp;Search...</source>
        <translation>&amp;Procurar quebra-cabeças…</translation>
    </message>
    <message>
        <source>|Search the web for jigsaws</source>
        <translation>|Procurar quebra-cabeças na web</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Procurar &amp;atualizações…</translation>
    </message>
    <message>
        <source>|Look for a newer version</source>
        <translation>|Procurar uma versão mais nova</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>|Show the help contents</source>
        <translation>|Mostrar o conteúdo da ajuda</translation>
    </message>
    <message>
        <source>&amp;Search for Help On...</source>
        <translation>&amp;Pesquisar na ajuda…</translation>
    </message>
    <message>
        <source>|Search the help</source>
        <translation>|Pesquisar na ajuda</translation>
    </message>
    <message>
        <source>&amp;What&apos;s New</source>
        <translation>&amp;Novidades</translation>
    </message>
    <message>
        <source>|What is new in this version</source>
        <translation>|O que há de novo nesta versão</translation>
    </message>
    <message>
        <source>&amp;FAQ</source>
        <translation>Perguntas &amp;frequentes</translation>
    </message>
    <message>
        <source>|Frequently asked questions</source>
        <translation>|Perguntas frequentes</translation>
    </message>
    <message>
        <source>How to &amp;Order</source>
        <translation>Como &amp;encomendar</translation>
    </message>
    <message>
        <source>|How to order the full version</source>
        <translation>|Como encomendar a versão completa</translation>
    </message>
    <message>
        <source>&amp;Quick Help!</source>
        <translation>Ajuda &amp;rápida!</translation>
    </message>
    <message>
        <source>|Display mouse and keyboard controls</source>
        <translation>|Mostrar os controles do mouse e do teclado</translation>
    </message>
    <message>
        <source>About this &amp;Jigsaw...</source>
        <translation>Sobre este &amp;quebra-cabeça…</translation>
    </message>
    <message>
        <source>|Show the jigsaw&apos;s title, creator and progress</source>
        <translation>|Mostrar o título, o autor e o progresso do quebra-cabeça</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Sobre…</translation>
    </message>
    <message>
        <source>|About this program</source>
        <translation>|Sobre este programa</translation>
    </message>
    <message>
        <source>&amp;Move ghost</source>
        <translation>&amp;Mover o fantasma</translation>
    </message>
    <message>
        <source>|Move the ghost picture to another place</source>
        <translation>|Mover a imagem fantasma para outro lugar</translation>
    </message>
    <message>
        <source>&amp;Find piece!</source>
        <translation>E&amp;ncontrar peça!</translation>
    </message>
    <message>
        <source>|Flash the piece that belongs here</source>
        <translation>|Fazer piscar a peça que vai aqui</translation>
    </message>
    <message>
        <source>Fe&amp;tch piece!</source>
        <translation>Tra&amp;zer peça!</translation>
    </message>
    <message>
        <source>|Bring the piece that belongs here</source>
        <translation>|Trazer a peça que vai aqui</translation>
    </message>
    <message>
        <source>S&amp;how Solution!</source>
        <translation>Mostrar &amp;solução!</translation>
    </message>
    <message>
        <source>|Flash where this piece belongs</source>
        <translation>|Fazer piscar o lugar desta peça</translation>
    </message>
    <message>
        <source>S&amp;olve Piece!</source>
        <translation>Encai&amp;xar peça!</translation>
    </message>
    <message>
        <source>|Put this piece where it belongs</source>
        <translation>|Encaixar esta peça no lugar dela</translation>
    </message>
    <message>
        <source>Rotate &amp;Right</source>
        <translation>Girar à &amp;direita</translation>
    </message>
    <message>
        <source>|Turn the piece a quarter turn clockwise</source>
        <translation>|Girar a peça um quarto de volta no sentido horário</translation>
    </message>
    <message>
        <source>Rotate &amp;Left</source>
        <translation>Girar à &amp;esquerda</translation>
    </message>
    <message>
        <source>|Turn the piece a quarter turn anticlockwise</source>
        <translation>|Girar a peça um quarto de volta no sentido anti-horário</translation>
    </message>
    <message>
        <source>Right &amp;Way Up!</source>
        <translation>End&amp;ireitar!</translation>
    </message>
    <message>
        <source>|Turn this piece the right way up</source>
        <translation>|Virar esta peça para cima</translation>
    </message>
    <message>
        <source>&amp;Unlock</source>
        <translation>S&amp;oltar</translation>
    </message>
    <message>
        <source>|Disconnect the piece from its neighbours</source>
        <translation>|Separar a peça das vizinhas</translation>
    </message>
    <message>
        <source>Send To &amp;Back</source>
        <translation>Enviar para o &amp;fundo</translation>
    </message>
    <message>
        <source>|Put the piece behind all others</source>
        <translation>|Pôr a peça atrás de todas as outras</translation>
    </message>
    <message>
        <source>&amp;Show Neighbor!</source>
        <translation>Mostrar &amp;vizinha!</translation>
    </message>
    <message>
        <source>|Flash a piece that fits this one</source>
        <translation>|Fazer piscar uma peça que se encaixa nesta</translation>
    </message>
    <message>
        <source>&amp;Fetch Neighbor!</source>
        <translation>Trazer vi&amp;zinha!</translation>
    </message>
    <message>
        <source>|Bring a piece that fits this one</source>
        <translation>|Trazer uma peça que se encaixa nesta</translation>
    </message>
    <message>
        <source>Se&amp;lect all pieces</source>
        <translation>Se&amp;lecionar todas as peças</translation>
    </message>
    <message>
        <source>|Pick up every piece in this tray</source>
        <translation>|Pegar todas as peças desta bandeja</translation>
    </message>
    <message>
        <source>&amp;Send Tray to Back</source>
        <translation>Bandeja para o &amp;fundo</translation>
    </message>
    <message>
        <source>|Put this tray behind the others</source>
        <translation>|Pôr esta bandeja atrás das outras</translation>
    </message>
    <message>
        <source>D&amp;rop all pieces</source>
        <translation>Es&amp;vaziar bandeja</translation>
    </message>
    <message>
        <source>|Empty this tray onto the board</source>
        <translation>|Esvaziar esta bandeja no tabuleiro</translation>
    </message>
    <message>
        <source>&amp;Get pieces</source>
        <translation>&amp;Recolher peças</translation>
    </message>
    <message>
        <source>|Gather single pieces into this tray</source>
        <translation>|Juntar peças soltas nesta bandeja</translation>
    </message>
    <message>
        <source>&amp;All pieces</source>
        <translation>&amp;Todas as peças</translation>
    </message>
    <message>
        <source>|Gather every single piece</source>
        <translation>|Juntar todas as peças soltas</translation>
    </message>
    <message>
        <source>&amp;Edge pieces</source>
        <translation>Peças de &amp;borda</translation>
    </message>
    <message>
        <source>|Gather the single edge pieces</source>
        <translation>|Juntar as peças de borda soltas</translation>
    </message>
    <message>
        <source>&amp;Middle pieces</source>
        <translation>Peças do &amp;meio</translation>
    </message>
    <message>
        <source>|Gather the single middle pieces</source>
        <translation>|Juntar as peças do meio soltas</translation>
    </message>
    <message>
        <source>&amp;Fun pieces</source>
        <translation>Peças &amp;divertidas</translation>
    </message>
    <message>
        <source>|Gather the single fun pieces</source>
        <translation>|Juntar as peças divertidas soltas</translation>
    </message>
    <message>
        <source>|Arrange this tray&apos;s pieces around its edge</source>
        <translation>|Organizar as peças desta bandeja ao redor da borda</translation>
    </message>
    <message>
        <source>|Arrange this tray&apos;s pieces in a grid</source>
        <translation>|Organizar as peças desta bandeja em uma grade</translation>
    </message>
    <message>
        <source>D&amp;isarrange Tray</source>
        <translation>Es&amp;palhar bandeja</translation>
    </message>
    <message>
        <source>|Scatter this tray&apos;s pieces at random</source>
        <translation>|Espalhar ao acaso as peças desta bandeja</translation>
    </message>
    <message>
        <source>Tray &amp;Color</source>
        <translation>&amp;Cor da bandeja</translation>
    </message>
    <message>
        <source>|Choose the colour of this tray</source>
        <translation>|Escolher a cor desta bandeja</translation>
    </message>
    <message>
        <source>|Pick any colour for the tray</source>
        <translation>|Escolher qualquer cor para a bandeja</translation>
    </message>
    <message>
        <source>|A tray colour that matches the picture</source>
        <translation>|Uma cor de bandeja que combina com a imagem</translation>
    </message>
    <message>
        <source>|A tray colour that contrasts with the picture</source>
        <translation>|Uma cor de bandeja que contrasta com a imagem</translation>
    </message>
    <message>
        <source>|The tray takes the board colour</source>
        <translation>|A bandeja usa a cor do tabuleiro</translation>
    </message>
    <message>
        <source>&amp;Tray Description...</source>
        <translation>&amp;Descrição da bandeja…</translation>
    </message>
    <message>
        <source>|Give this tray a name</source>
        <translation>|Dar um nome a esta bandeja</translation>
    </message>
    <message>
        <source>&amp;Delete Tray!</source>
        <translation>&amp;Excluir bandeja!</translation>
    </message>
    <message>
        <source>|Delete this tray; its pieces go to the board</source>
        <translation>|Excluir esta bandeja; suas peças vão para o tabuleiro</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Tray %1 contains pieces which will be
placed on the background.

Ok to delete this tray?</source>
        <translation>A bandeja %1 contém peças que serão
colocadas no tabuleiro.

Excluir esta bandeja?</translation>
    </message>
    <message>
        <source>To use the scroll wheel, enable it in the Advanced Mouse options screen</source>
        <translation>Para usar a roda do mouse, ative-a nas opções avançadas do mouse</translation>
    </message>
    <message>
        <source>Rotation is currently disabled in the Options menu</source>
        <translation>A rotação está desativada no menu Opções</translation>
    </message>
    <message>
        <source>Cheating is currently disabled in the Options menu</source>
        <translation>As trapaças estão desativadas no menu Opções</translation>
    </message>
    <message>
        <source>Mouse: Left=Fetch neighbor, Right=Show neighbor</source>
        <translation>Mouse: esquerdo=trazer vizinha, direito=mostrar vizinha</translation>
    </message>
    <message>
        <source>Mouse: Left=Rotate left, Right=Rotate right</source>
        <translation>Mouse: esquerdo=girar à esquerda, direito=girar à direita</translation>
    </message>
    <message>
        <source>Mouse: Left=Solve piece onto ghost, Right=Flash solution</source>
        <translation>Mouse: esquerdo=encaixar a peça no fantasma, direito=mostrar a solução</translation>
    </message>
    <message>
        <source>Enable the background ghost to use these shortcuts</source>
        <translation>Ative a imagem fantasma para usar estes atalhos</translation>
    </message>
    <message>
        <source>Generating: </source>
        <translation>Gerando: </translation>
    </message>
    <message>
        <source>This free jigsaw gift was created by Quillmere version %s.
Click on our home page below for a free demo of all the other great features of the game. Or order the full version now!</source>
        <translation>Este quebra-cabeça de presente gratuito foi criado com o Quillmere versão %s.
Clique na nossa página abaixo para uma demonstração gratuita de todos os outros ótimos recursos do jogo. Ou encomende já a versão completa!</translation>
    </message>
    <message>
        <source>File %1 could not be written. The disk may be full, read-only or off-line</source>
        <translation>Não foi possível gravar o arquivo %1. O disco pode estar cheio, protegido contra gravação ou desconectado</translation>
    </message>
    <message>
        <source>This jigsaw gift file is damaged and cannot be opened</source>
        <translation>Este arquivo de quebra-cabeça de presente está danificado e não pode ser aberto</translation>
    </message>
    <message>
        <source>The puzzle has rotated pieces but the rotation option is currently disabled. Press &apos;Yes&apos; to turn all pieces the right way up or &apos;No&apos; to re-enable rotation.</source>
        <translation>O quebra-cabeça tem peças giradas, mas a rotação está desativada. Clique em “Sim” para virar todas as peças para cima ou em “Não” para reativar a rotação.</translation>
    </message>
    <message>
        <source>Would you like some pieces randomly rotated now?</source>
        <translation>Deseja que algumas peças sejam giradas ao acaso agora?</translation>
    </message>
    <message>
        <source>Insufficient graphics resources to set such a large piece size - reducing the number of colors of your desktop may help. Setting scale factor back to 100%...</source>
        <translation>Recursos gráficos insuficientes para um tamanho de peça tão grande; reduzir o número de cores da área de trabalho pode ajudar. Voltando à escala de 100%…</translation>
    </message>
    <message numerus="yes">
        <source>%n pieces</source>
        <comment>a count of pieces</comment>
        <translation>
            <numerusform>%n peça</numerusform>
            <numerusform>%n peças</numerusform>
        </translation>
    </message>
    <message>
        <source>. You used Auto-solve!</source>
        <translation>. Você usou o encaixe automático!</translation>
    </message>
    <message>
        <source> without cheating!</source>
        <translation> sem trapacear!</translation>
    </message>
    <message>
        <source> by cheating once!</source>
        <translation> trapaceando uma vez!</translation>
    </message>
    <message>
        <source>You solved all %1 in %2 and %3</source>
        <translation>Você encaixou todas as %1 em %2 e %3</translation>
    </message>
    <message>
        <source>Created %1 by version %2 </source>
        <translation>Criado em %1 com a versão %2 </translation>
    </message>
    <message>
        <source>Solved %1 of %2</source>
        <translation>%1 de %2 encaixadas</translation>
    </message>
    <message>
        <source>|Jigsaw is %1% complete, %2 pieces solved per minute</source>
        <translation>|Quebra-cabeça %1% completo, %2 peças encaixadas por minuto</translation>
    </message>
    <message>
        <source>The saved game %1 cannot be removed. %2. The new game starts all the same; the saved one is offered again at the next start unless this game is saved over it.</source>
        <translation>Não é possível remover o jogo salvo %1. %2. O novo jogo começa mesmo assim; o salvo será oferecido de novo na próxima vez, a menos que este jogo seja salvo por cima dele.</translation>
    </message>
    <message>
        <source>%1 A new game is started instead.</source>
        <translation>%1 Em vez disso, começa um novo jogo.</translation>
    </message>
    <message>
        <source>size/shape</source>
        <translation>tamanho/forma</translation>
    </message>
    <message>
        <source>arrange</source>
        <translation>organizar</translation>
    </message>
    <message>
        <source>arrange tray</source>
        <translation>organizar bandeja</translation>
    </message>
    <message>
        <source>disarrange</source>
        <translation>espalhar</translation>
    </message>
    <message>
        <source>disarrange tray</source>
        <translation>espalhar bandeja</translation>
    </message>
    <message>
        <source>tray operation</source>
        <translation>operação de bandeja</translation>
    </message>
    <message>
        <source>auto-solve</source>
        <translation>encaixe automático</translation>
    </message>
    <message>
        <source>move ghost</source>
        <translation>mover fantasma</translation>
    </message>
    <message>
        <source>move pieces</source>
        <translation>mover peças</translation>
    </message>
    <message>
        <source>rotate pieces</source>
        <translation>girar peças</translation>
    </message>
    <message>
        <source>right way up</source>
        <translation>endireitar</translation>
    </message>
    <message>
        <source>cheat</source>
        <translation>trapaça</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Refazer %1</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Desfazer %1</translation>
    </message>
    <message>
        <source>Sorting colors: </source>
        <translation>Ordenando cores: </translation>
    </message>
    <message>
        <source>Rotating: </source>
        <translation>Girando: </translation>
    </message>
    <message>
        <source>Drawing: </source>
        <translation>Desenhando: </translation>
    </message>
    <message>
        <source>The custom piece shapes in this jigsaw gift are damaged</source>
        <translation>As formas de peça personalizadas deste presente estão danificadas</translation>
    </message>
    <message numerus="yes">
        <source> by cheating %n times!</source>
        <comment>more than once</comment>
        <translation>
            <numerusform> trapaceando %n vez!</numerusform>
            <numerusform> trapaceando %n vezes!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <comment>time taken</comment>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minutos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <comment>time taken</comment>
        <translation>
            <numerusform>%n segundo</numerusform>
            <numerusform>%n segundos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have solved %1 out of %n pieces</source>
        <comment>pieces of the puzzle</comment>
        <translation>
            <numerusform>Você encaixou %1 de %n peça</numerusform>
            <numerusform>Você encaixou %1 de %n peças</numerusform>
        </translation>
    </message>
    <message>
        <source>You are in Mystery Mode and the picture is hidden!

Press Yes to exit Mystery Mode and reveal the jigsaw.</source>
        <translation>Você está no modo mistério e a imagem está oculta!

Clique em “Sim” para sair do modo mistério e revelar o quebra-cabeça.</translation>
    </message>
    <message>
        <source>Press Yes to exit Mystery Mode. You may then use the jigsaw preview tools.</source>
        <translation>Clique em “Sim” para sair do modo mistério. Depois você poderá usar as ferramentas de prévia.</translation>
    </message>
    <message>
        <source>Press Yes to enter Mystery Mode and hide any jigsaw preview pictures.</source>
        <translation>Clique em “Sim” para entrar no modo mistério e ocultar todas as imagens de prévia.</translation>
    </message>
    <message>
        <source>Press &apos;Yes&apos; to turn all pieces the right way up.</source>
        <translation>Clique em “Sim” para virar todas as peças para cima.</translation>
    </message>
    <message>
        <source>This will restart the jigsaw from scratch. Are you sure?</source>
        <translation>O quebra-cabeça vai recomeçar do zero. Tem certeza?</translation>
    </message>
    <message>
        <source>

The game has not been saved. Close the jigsaw without saving it?
Choose No to go back to the game.</source>
        <translation>

O jogo não foi salvo. Fechar o quebra-cabeça sem salvar?
Escolha “Não” para voltar ao jogo.</translation>
    </message>
    <message>
        <source>No web browser could be started to show %1</source>
        <translation>Não foi possível abrir um navegador para mostrar %1</translation>
    </message>
    <message>
        <source>No music was included in this jigsaw gift file.</source>
        <translation>Nenhuma música foi incluída neste arquivo de presente.</translation>
    </message>
    <message>
        <source>Cannot create file %1. %2.</source>
        <translation>Não é possível criar o arquivo %1. %2.</translation>
    </message>
    <message>
        <source>Cannot write file %1. %2.</source>
        <translation>Não é possível gravar o arquivo %1. %2.</translation>
    </message>
    <message>
        <source>The picture could not be read: %1</source>
        <translation>Não foi possível ler a imagem: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message>
        <source>The picture of this jigsaw is too large: at most %1 pixels wide and high can be cut into pieces</source>
        <translation>A imagem deste quebra-cabeça é grande demais: só imagens de no máximo %1 pixels de largura e de altura podem ser cortadas em peças</translation>
    </message>
    <message>
        <source>The pieces cannot be cut at %1%: the picture would be larger than %2 pixels wide or high</source>
        <translation>As peças não podem ser cortadas a %1%: a imagem ficaria com mais de %2 pixels de largura ou de altura</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Não é possível abrir o arquivo “%1”. %2</translation>
    </message>
    <message numerus="yes">
        <source>This program needs HiColor mode (64K colors) or better and so is unable to continue while your desktop is set to %n colors. Would you like to change your settings now?</source>
        <comment>colours of the desktop</comment>
        <translation>
            <numerusform>Este programa precisa do modo HiColor (64K cores) ou melhor e por isso não pode continuar enquanto sua área de trabalho estiver configurada com %n cor. Deseja alterar suas configurações agora?</numerusform>
            <numerusform>Este programa precisa do modo HiColor (64K cores) ou melhor e por isso não pode continuar enquanto sua área de trabalho estiver configurada com %n cores. Deseja alterar suas configurações agora?</numerusform>
        </translation>
    </message>
    <message>
        <source>An unexpected error stopped the operation</source>
        <translation>Um erro inesperado interrompeu a operação</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>a imagem é grande demais</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; is damaged and cannot be resumed.</source>
        <translation>O jogo salvo “%1” está danificado e não pode ser retomado.</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; cannot be read: %2.</source>
        <translation>Não é possível ler o jogo salvo “%1”: %2.</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; cannot be read.</source>
        <translation>Não é possível ler o jogo salvo “%1”.</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; was made by a newer version of this program and cannot be resumed.</source>
        <translation>O jogo salvo “%1” foi feito por uma versão mais nova deste programa e não pode ser retomado.</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; belongs to another jigsaw and cannot be resumed.</source>
        <translation>O jogo salvo “%1” pertence a outro quebra-cabeça e não pode ser retomado.</translation>
    </message>
    <message>
        <source>the file is not a JPEG picture</source>
        <translation>o arquivo não é uma imagem JPEG</translation>
    </message>
    <message>
        <source>the picture is cut short</source>
        <translation>a imagem está incompleta</translation>
    </message>
</context>
<context>
    <name>PortableStart</name>
    <message>
        <source>This gift could not be opened: there is no folder where its player can be unpacked (it needs about 60 MB). Free some disk space in your home folder and open the gift again.</source>
        <translation>Não foi possível abrir este presente: não há nenhuma pasta onde o programa do jogo possa ser descompactado (ele precisa de cerca de 60 MB). Libere espaço em disco na sua pasta pessoal e abra o presente de novo.</translation>
    </message>
    <message>
        <source>This gift could not be opened: the file is damaged or incomplete. Download it again, or ask the sender to send it once more.</source>
        <translation>Não foi possível abrir este presente: o arquivo está danificado ou incompleto. Baixe-o de novo ou peça ao remetente que o envie mais uma vez.</translation>
    </message>
    <message>
        <source>This gift could not be opened.</source>
        <translation>Não foi possível abrir este presente.</translation>
    </message>
    <message>
        <source>Details:</source>
        <translation>Detalhes:</translation>
    </message>
</context>
<context>
    <name>QtHost</name>
    <message>
        <source>All</source>
        <translation>Todas</translation>
    </message>
</context>
<context>
    <name>SolveDialog</name>
    <message>
        <source>Percentage complete</source>
        <translation>Porcentagem concluída</translation>
    </message>
    <message>
        <source>Stop!</source>
        <translation>Parar!</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>lento</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>rápido</translation>
    </message>
    <message>
        <source>Set speed</source>
        <translation>Ajustar a velocidade</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>Sound effects</source>
        <translation>Efeitos sonoros</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
</context>
<context>
    <name>SplashForm</name>
    <message>
        <source>Connect to our web site now!</source>
        <translation>Visite agora o nosso site!</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Encomendar</translation>
    </message>
    <message>
        <source>Connect to our Online Store now!</source>
        <translation>Visite agora a nossa loja on-line!</translation>
    </message>
    <message>
        <source>Play...</source>
        <translation>Jogar…</translation>
    </message>
    <message>
        <source>Play the jigsaw</source>
        <translation>Jogar o quebra-cabeça</translation>
    </message>
    <message>
        <source>Exit...</source>
        <translation>Sair…</translation>
    </message>
    <message>
        <source>Resume game...</source>
        <translation>Continuar jogo…</translation>
    </message>
    <message>
        <source>Save game...</source>
        <translation>Salvar jogo…</translation>
    </message>
    <message>
        <source>Free gift edition - share it with your friends!</source>
        <translation>Edição de presente gratuita: compartilhe com seus amigos!</translation>
    </message>
</context>
<context>
    <name>Wrap</name>
    <message>
        <source>usage: quillmere-wrap --picture PICTURE -o GIFT [--portable | --player PLAYER] [options]
  -o GIFT                 the gift to write; -o NAME.zip writes a zip archive holding the
                          gift NAME, which file managers extract ready to run
  --portable              copy the portable player: the gift also runs where Qt is not installed
  --player PLAYER         the player to copy (default: the one installed with quillmere-wrap)
  --picture FILE          the puzzle&apos;s picture: JPEG (CMYK too), PNG, HEIC/HEIF, AVIF,
                          WebP, TIFF, BMP, GIF or any other picture file this system&apos;s
                          Qt reads; turned upright as its orientation says and
                          stored as JPEG
  --max-size WxH          a larger picture is scaled down to fit WxH (default 1280x800:
                          a 1920 x 1080 screen less the window&apos;s title, menus, tool bar,
                          tray bar and status bar leaves a board of about 1700 x 850,
                          where a 1280 x 800 picture and its scattered pieces fit)
  --keep-size             store the picture at its own size (at most 8191 a side)
  --pieces N              pieces asked for, at least 2 (default 100)
  --seed N                random seed of the shapes and the first layout (default 1)
  --style S               classic, blip, square, star, round, mix, or 1..6
  --oddness N             shape irregularity 0..10 (default 5)
  --outline S             none, foil, paper, card, wood, or 0..4
  --rotation on|off       pieces may be turned
  --mystery on|off        start in Mystery mode
  --fun N                 fun-piece setting 0..10
  --board-colour C        board colour: a name such as clTeal, a number, or $BBGGRR
  --title T  --creator T  --description T
  --opening T  --closing T            the sender&apos;s messages (&quot;\n&quot; breaks a line)
  --language CODE         the language the player speaks, such as de or pl
                          (default: the recipient&apos;s own)
  --opening-colour C  --closing-colour C   message backgrounds (colour names as stored)
  --opening-align A  --closing-align A     left, right or centre
  --opening-font-name F  --opening-font-height H  --opening-font-style BITS  --opening-font-colour C
  --closing-font-name F  --closing-font-height H  --closing-font-style BITS  --closing-font-colour C
  --creator-version V     (default v6.13)
  --created DAYS          days since 30 December 1899
  --music FILE  [--music-extension .EXT]   WAV, FLAC, Ogg Vorbis, Opus, MP3; MIDI through FluidSynth
  --skin FILE             the tool bar&apos;s picture, any picture file (stored as JPEG)
  --templates FILE --template-count N
Texts are UTF-8 in any script. Title, creator, description and messages hold up to
256, 256, 4096, 4096 and 4096 bytes of UTF-8; players older than the text block show
their closest Windows-1252 form. Font and colour names must be Windows-1252. Texts
that do not fit are refused with the field named. Prints the size the picture
was stored at and why, the gift&apos;s size and what its recipient does to open it.
</source>
        <translation>uso: quillmere-wrap --picture IMAGEM -o PRESENTE [--portable | --player PLAYER] [opções]
  -o PRESENTE             o presente a gravar; -o NOME.zip grava um arquivo zip com o
                          presente NOME, que os gerenciadores de arquivos extraem pronto para rodar
  --portable              copiar o programa do jogo portátil: o presente roda também sem Qt
  --player PLAYER         o programa do jogo a copiar (padrão: o instalado com o quillmere-wrap)
  --picture ARQUIVO       a imagem do quebra-cabeça: JPEG (também CMYK), PNG, HEIC/HEIF, AVIF,
                          WebP, TIFF, BMP, GIF ou qualquer outro arquivo de imagem que o Qt
                          deste sistema leia; endireitada conforme sua orientação e
                          salva como JPEG
  --max-size LxA          uma imagem maior é reduzida para caber em LxA (padrão 1280x800:
                          uma tela de 1920 x 1080, sem o título da janela, os menus, a barra de
                          ferramentas, a barra de bandejas e a barra de status, deixa um
                          tabuleiro de cerca de 1700 x 850, onde cabem uma imagem de
                          1280 x 800 e suas peças espalhadas)
  --keep-size             salvar a imagem no tamanho original (no máximo 8191 de lado)
  --pieces N              peças pedidas, pelo menos 2 (padrão 100)
  --seed N                semente aleatória das formas e da primeira disposição (padrão 1)
  --style S               classic, blip, square, star, round, mix, ou 1..6
  --oddness N             irregularidade das formas 0..10 (padrão 5)
  --outline S             none, foil, paper, card, wood, ou 0..4
  --rotation on|off       as peças podem ser giradas
  --mystery on|off        começar no modo mistério
  --fun N                 ajuste das peças divertidas 0..10
  --board-colour C        cor do tabuleiro: um nome como clTeal, um número ou $BBGGRR
  --title T  --creator T  --description T
  --opening T  --closing T            as mensagens do remetente (&quot;\n&quot; quebra a linha)
  --language CODE         o idioma do programa do jogo, como de ou pl
                          (padrão: o do destinatário)
  --opening-colour C  --closing-colour C   fundos das mensagens (nomes de cor como salvos)
  --opening-align A  --closing-align A     left, right ou centre
  --opening-font-name F  --opening-font-height H  --opening-font-style BITS  --opening-font-colour C
  --closing-font-name F  --closing-font-height H  --closing-font-style BITS  --closing-font-colour C
  --creator-version V     (padrão v6.13)
  --created DIAS          dias desde 30 de dezembro de 1899
  --music ARQUIVO  [--music-extension .EXT]   WAV, FLAC, Ogg Vorbis, Opus, MP3; MIDI pelo FluidSynth
  --skin ARQUIVO          a imagem da barra de ferramentas, qualquer arquivo de imagem (salvo como JPEG)
  --templates ARQUIVO --template-count N
Os textos são UTF-8 em qualquer escrita. Título, autor, descrição e mensagens comportam até
256, 256, 4096, 4096 e 4096 bytes de UTF-8; programas do jogo anteriores ao bloco de texto
mostram sua forma Windows-1252 mais próxima. Nomes de fonte e de cor devem ser Windows-1252.
Textos que não cabem são recusados com o nome do campo. Mostra o tamanho em que a imagem foi
salva e por quê, o tamanho do presente e o que o destinatário faz para abri-lo.
</translation>
    </message>
    <message>
        <source>%1 needs a whole number from %2 to %3</source>
        <translation>%1 precisa de um número inteiro de %2 a %3</translation>
    </message>
    <message>
        <source>%1 takes on or off</source>
        <translation>%1 aceita on ou off</translation>
    </message>
    <message>
        <source>%1: unknown colour &quot;%2&quot;</source>
        <translation>%1: cor desconhecida “%2”</translation>
    </message>
    <message>
        <source>%1 takes WxH, such as 1280x800</source>
        <translation>%1 aceita LxA, como 1280x800</translation>
    </message>
    <message>
        <source>Wrote %1 (%2), holding the gift %3 (%4).
The recipient extracts it and double-clicks %3.
</source>
        <translation>%1 gravado (%2), com o presente %3 (%4).
O destinatário o extrai e clica duas vezes em %3.
</translation>
    </message>
    <message>
        <source>Wrote %1 (%2).
The recipient double-clicks it. Sent as it is, it arrives without its execute bit:
send %3.zip (-o NAME.zip) to keep it.
</source>
        <translation>%1 gravado (%2).
O destinatário clica duas vezes nele. Enviado como está, ele chega sem a permissão de execução:
envie %3.zip (-o NAME.zip) para mantê-la.
</translation>
    </message>
    <message>
        <source>Where a desktop does not start it, Properties &gt; Allow executing as program
(or chmod +x in a terminal) lets it run.
</source>
        <translation>Se a área de trabalho não o iniciar, Propriedades &gt; Permitir execução do arquivo como programa
(ou chmod +x em um terminal) permite executá-lo.
</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opção desconhecida %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 precisa de um valor</translation>
    </message>
    <message>
        <source>Give either --portable or --player, not both</source>
        <translation>Indique --portable ou --player, não os dois</translation>
    </message>
    <message>
        <source>Picture stored at %1</source>
        <translation>Imagem salva com %1</translation>
    </message>
</context>
<context>
    <name>quill::AboutBox</name>
    <message>
        <source>Free gift edition - share it with your friends!
All pictures and sounds made for Quillmere Gift.</source>
        <translation>Edição de presente gratuita: compartilhe com seus amigos!
Todas as imagens e sons foram feitos para o Quillmere Gift.</translation>
    </message>
    <message>
        <source>About Quillmere Gift</source>
        <translation>Sobre o Quillmere Gift</translation>
    </message>
    <message>
        <source>This is a free gift - not for retail sale or distribution.</source>
        <translation>Este é um presente gratuito: não é para venda nem distribuição.</translation>
    </message>
</context>
<context>
    <name>quill::AboutJigDialog</name>
    <message>
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message>
        <source>Creator:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Info:</source>
        <translation>Informações:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Situação:</translation>
    </message>
    <message>
        <source>About this jigsaw</source>
        <translation>Sobre este quebra-cabeça</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informações</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrição</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy the selected text to the Windows clipboard</source>
        <translation>Copiar o texto selecionado para a área de transferência</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar…</translation>
    </message>
    <message>
        <source>Edit the jigsaw description</source>
        <translation>Editar a descrição do quebra-cabeça</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Selecionar &amp;tudo</translation>
    </message>
    <message>
        <source>Select all the description text</source>
        <translation>Selecionar todo o texto da descrição</translation>
    </message>
</context>
<context>
    <name>quill::CongratsDialog</name>
    <message>
        <source>You solved it!</source>
        <translation>Você conseguiu!</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Parabéns!</translation>
    </message>
</context>
<context>
    <name>quill::CutPreview</name>
    <message>
        <source>Open a picture to see how it is cut</source>
        <translation>Abra uma imagem para ver como ela é cortada</translation>
    </message>
</context>
<context>
    <name>quill::GiftMadeDialog</name>
    <message>
        <source>I made you a jigsaw puzzle! To open it:
</source>
        <translation>Fiz um quebra-cabeça para você! Para abri-lo:
</translation>
    </message>
    <message>
        <source>1. Save %1 and extract it (right-click it, Extract Here).
2. Double-click %2 to start the puzzle.
</source>
        <translation>1. Salve %1 e extraia-o (clique com o botão direito nele, “Extrair aqui”).
2. Clique duas vezes em %2 para começar o quebra-cabeça.
</translation>
    </message>
    <message>
        <source>1. Save %1.
2. Double-click it to start the puzzle.
</source>
        <translation>1. Salve %1.
2. Clique duas vezes nele para começar o quebra-cabeça.
</translation>
    </message>
    <message>
        <source>If double-clicking does nothing, right-click %1, choose Properties and tick &quot;Allow executing as program&quot; (or type chmod +x %1 in a terminal), then double-click it again. It runs on Linux.</source>
        <translation>Se o clique duplo não fizer nada, clique com o botão direito em %1, escolha “Propriedades” e marque “Permitir execução do arquivo como programa” (ou digite chmod +x %1 em um terminal); depois clique duas vezes de novo. Ele roda no Linux.</translation>
    </message>
    <message>
        <source>Gift made</source>
        <translation>Presente criado</translation>
    </message>
    <message>
        <source>The gift is saved as &lt;b&gt;%1&lt;/b&gt; (%2) in %3.</source>
        <translation>O presente foi salvo como &lt;b&gt;%1&lt;/b&gt; (%2) em %3.</translation>
    </message>
    <message>
        <source> The zip archive holds the gift %1 (%2).</source>
        <translation> O arquivo zip contém o presente %1 (%2).</translation>
    </message>
    <message>
        <source>Language of the gift: %1</source>
        <translation>Idioma do presente: %1</translation>
    </message>
    <message>
        <source>&amp;Send this text with the gift:</source>
        <translation>&amp;Envie este texto com o presente:</translation>
    </message>
    <message>
        <source>How the recipient opens the gift; you can change it</source>
        <translation>Como o destinatário abre o presente; você pode alterar o texto</translation>
    </message>
    <message>
        <source>&amp;Copy text</source>
        <translation>&amp;Copiar texto</translation>
    </message>
    <message>
        <source>Copies the text, to paste it into a mail or a message</source>
        <translation>Copia o texto para colá-lo em um e-mail ou uma mensagem</translation>
    </message>
    <message>
        <source>Show &amp;folder</source>
        <translation>Mostrar &amp;pasta</translation>
    </message>
    <message>
        <source>Opens the folder the gift was saved in</source>
        <translation>Abre a pasta onde o presente foi salvo</translation>
    </message>
</context>
<context>
    <name>quill::Magnifier</name>
    <message>
        <source>This desktop does not let programs read the screen, so the loupe cannot magnify it here.</source>
        <translation>Esta área de trabalho não permite que programas leiam a tela, então a lupa não pode ampliá-la aqui.</translation>
    </message>
</context>
<context>
    <name>quill::MakerWindow</name>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.heic *.heif *.avif *.webp *.tif *.tiff *.bmp *.gif);;All files (*)</source>
        <translation>Imagens (*.jpg *.jpeg *.png *.heic *.heif *.avif *.webp *.tif *.tiff *.bmp *.gif);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Fit for screens up to 1280 × 800</source>
        <translation>Ajustar para telas de até 1280 × 800</translation>
    </message>
    <message>
        <source>Fit for screens up to 1920 × 1080</source>
        <translation>Ajustar para telas de até 1920 × 1080</translation>
    </message>
    <message>
        <source>Fit for screens up to 2560 × 1440</source>
        <translation>Ajustar para telas de até 2560 × 1440</translation>
    </message>
    <message>
        <source>Keep its own size</source>
        <translation>Manter o tamanho original</translation>
    </message>
    <message>
        <source>the recipient&apos;s own</source>
        <translation>o do destinatário</translation>
    </message>
    <message>
        <source>Quillmere Gift Maker</source>
        <translation>Quillmere Gift Maker</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Imagem</translation>
    </message>
    <message>
        <source>P&amp;ieces</source>
        <translation>&amp;Peças</translation>
    </message>
    <message>
        <source>M&amp;essages</source>
        <translation>Mensa&amp;gens</translation>
    </message>
    <message>
        <source>Music and s&amp;kin</source>
        <translation>&amp;Música e aparência</translation>
    </message>
    <message>
        <source>The parts of the gift</source>
        <translation>As partes do presente</translation>
    </message>
    <message>
        <source>The picture with the pieces as the gift will cut them</source>
        <translation>A imagem com as peças, do jeito que o presente vai cortá-la</translation>
    </message>
    <message>
        <source>How far writing the gift has come</source>
        <translation>O andamento da gravação do presente</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Escolher…</translation>
    </message>
    <message>
        <source>&amp;Open picture...</source>
        <translation>A&amp;brir imagem…</translation>
    </message>
    <message>
        <source>Chooses the picture of the puzzle (Ctrl+O; you can also drop a picture on the window)</source>
        <translation>Escolhe a imagem do quebra-cabeça (Ctrl+O; você também pode soltar uma imagem na janela)</translation>
    </message>
    <message>
        <source>No picture yet</source>
        <translation>Nenhuma imagem ainda</translation>
    </message>
    <message>
        <source>The picture file</source>
        <translation>O arquivo da imagem</translation>
    </message>
    <message>
        <source>The picture&apos;s size and the size the gift stores</source>
        <translation>O tamanho da imagem e o tamanho que o presente guarda</translation>
    </message>
    <message>
        <source>The size the gift stores the picture at: a smaller picture makes a smaller gift and fits smaller screens</source>
        <translation>O tamanho em que o presente guarda a imagem: uma imagem menor gera um presente menor e cabe em telas menores</translation>
    </message>
    <message>
        <source>Stored si&amp;ze:</source>
        <translation>&amp;Tamanho guardado:</translation>
    </message>
    <message>
        <source>About the gift</source>
        <translation>Sobre o presente</translation>
    </message>
    <message>
        <source>The puzzle&apos;s title</source>
        <translation>O título do quebra-cabeça</translation>
    </message>
    <message>
        <source>Your name, as the recipient sees it</source>
        <translation>Seu nome, como o destinatário vai vê-lo</translation>
    </message>
    <message>
        <source>A few words about the picture</source>
        <translation>Algumas palavras sobre a imagem</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>Tít&amp;ulo:</translation>
    </message>
    <message>
        <source>C&amp;reator:</source>
        <translation>Auto&amp;r:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Descrição:</translation>
    </message>
    <message>
        <source>The language of the gift&apos;s menus, buttons and help; the recipient&apos;s own is the one their computer is set to</source>
        <translation>O idioma dos menus, botões e ajuda do presente; o do destinatário é o configurado no computador dele</translation>
    </message>
    <message>
        <source>&amp;Language of the gift:</source>
        <translation>Idi&amp;oma do presente:</translation>
    </message>
    <message>
        <source>How many pieces you ask for; the grid comes nearest to it</source>
        <translation>Quantas peças você quer; a grade chega o mais perto possível disso</translation>
    </message>
    <message>
        <source>The grid the picture is cut into</source>
        <translation>A grade em que a imagem é cortada</translation>
    </message>
    <message>
        <source>Piece &amp;count:</source>
        <translation>Número &amp;de peças:</translation>
    </message>
    <message>
        <source>The shape of the pieces</source>
        <translation>A forma das peças</translation>
    </message>
    <message>
        <source>&amp;Style:</source>
        <translation>E&amp;stilo:</translation>
    </message>
    <message>
        <source>How irregular the pieces are, 0 to 10</source>
        <translation>O quanto as peças são irregulares, de 0 a 10</translation>
    </message>
    <message>
        <source>&amp;Oddness:</source>
        <translation>Irreg&amp;ularidade:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>The share of fun pieces cut from the templates, in steps of 10 %</source>
        <translation>A proporção de peças divertidas cortadas segundo os modelos, em passos de 10 %</translation>
    </message>
    <message>
        <source>A file of piece templates for the fun pieces</source>
        <translation>Um arquivo de modelos de peças para as peças divertidas</translation>
    </message>
    <message>
        <source>Choose a template file</source>
        <translation>Escolher um arquivo de modelos</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>How many templates the file holds</source>
        <translation>Quantos modelos o arquivo contém</translation>
    </message>
    <message>
        <source>&amp;Templates:</source>
        <translation>M&amp;odelos:</translation>
    </message>
    <message>
        <source>&amp;Rotation</source>
        <translation>&amp;Rotação</translation>
    </message>
    <message>
        <source>Pieces start turned and must be turned upright</source>
        <translation>As peças começam giradas e precisam ser endireitadas</translation>
    </message>
    <message>
        <source>How the pieces&apos; edges are drawn</source>
        <translation>Como as bordas das peças são desenhadas</translation>
    </message>
    <message>
        <source>O&amp;utlines:</source>
        <translation>Co&amp;ntornos:</translation>
    </message>
    <message>
        <source>Mystery mo&amp;de</source>
        <translation>Modo mis&amp;tério</translation>
    </message>
    <message>
        <source>The picture is not shown while solving</source>
        <translation>A imagem não é mostrada durante a montagem</translation>
    </message>
    <message>
        <source>&amp;Board colour...</source>
        <translation>Cor do ta&amp;buleiro…</translation>
    </message>
    <message>
        <source>The colour of the board the pieces lie on</source>
        <translation>A cor do tabuleiro onde ficam as peças</translation>
    </message>
    <message>
        <source>Cuts the picture with other shapes of the same style</source>
        <translation>Corta a imagem com outras formas do mesmo estilo</translation>
    </message>
    <message>
        <source>The message&apos;s text</source>
        <translation>O texto da mensagem</translation>
    </message>
    <message>
        <source>The message&apos;s font</source>
        <translation>A fonte da mensagem</translation>
    </message>
    <message>
        <source> pt</source>
        <translation> pt</translation>
    </message>
    <message>
        <source>The font&apos;s size</source>
        <translation>O tamanho da fonte</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrito</translation>
    </message>
    <message>
        <source>Bold letters</source>
        <translation>Letras em negrito</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Itálico</translation>
    </message>
    <message>
        <source>Slanted letters</source>
        <translation>Letras inclinadas</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Sublinhado</translation>
    </message>
    <message>
        <source>Underlined letters</source>
        <translation>Letras sublinhadas</translation>
    </message>
    <message>
        <source>Text colour...</source>
        <translation>Cor do texto…</translation>
    </message>
    <message>
        <source>The colour of the letters</source>
        <translation>A cor das letras</translation>
    </message>
    <message>
        <source>Background...</source>
        <translation>Fundo…</translation>
    </message>
    <message>
        <source>The colour behind the message</source>
        <translation>A cor atrás da mensagem</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>À esquerda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>À direita</translation>
    </message>
    <message>
        <source>Centred</source>
        <translation>Centralizado</translation>
    </message>
    <message>
        <source>How the lines are aligned</source>
        <translation>Como as linhas são alinhadas</translation>
    </message>
    <message>
        <source>Music played while solving</source>
        <translation>Música tocada durante a montagem</translation>
    </message>
    <message>
        <source>Choose music</source>
        <translation>Escolher música</translation>
    </message>
    <message>
        <source>Music (*.mp3 *.ogg *.opus *.wav *.flac *.mid *.midi);;All files (*)</source>
        <translation>Música (*.mp3 *.ogg *.opus *.wav *.flac *.mid *.midi);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Plays or stops the music</source>
        <translation>Toca ou para a música</translation>
    </message>
    <message>
        <source>A picture for the tool bar and panels</source>
        <translation>Uma imagem para a barra de ferramentas e os painéis</translation>
    </message>
    <message>
        <source>Choose a skin</source>
        <translation>Escolher uma aparência</translation>
    </message>
    <message>
        <source>The skin on a panel</source>
        <translation>A aparência em um painel</translation>
    </message>
    <message>
        <source>Include e&amp;verything it needs to run (larger file)</source>
        <translation>Incluir tudo o &amp;que precisa para rodar (arquivo maior)</translation>
    </message>
    <message>
        <source>The gift brings the libraries it needs, so it runs on any Linux computer; most recipients need this</source>
        <translation>O presente leva as bibliotecas de que precisa e assim roda em qualquer computador Linux; a maioria dos destinatários precisa disso</translation>
    </message>
    <message>
        <source>How large the gift will be</source>
        <translation>O tamanho que o presente terá</translation>
    </message>
    <message>
        <source>Tr&amp;y it</source>
        <translation>T&amp;estar</translation>
    </message>
    <message>
        <source>Starts the gift as the recipient will see it</source>
        <translation>Inicia o presente como o destinatário vai vê-lo</translation>
    </message>
    <message>
        <source>&amp;Make gift...</source>
        <translation>&amp;Criar presente…</translation>
    </message>
    <message>
        <source>Saves the gift (Ctrl+S)</source>
        <translation>Salva o presente (Ctrl+S)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Recent pictures</source>
        <translation>Imagens &amp;recentes</translation>
    </message>
    <message>
        <source>(none yet)</source>
        <translation>(nenhuma ainda)</translation>
    </message>
    <message>
        <source>&amp;Text to send with the gift...</source>
        <translation>&amp;Texto para enviar com o presente…</translation>
    </message>
    <message>
        <source>Text to send</source>
        <translation>Texto para enviar</translation>
    </message>
    <message>
        <source>Make a gift first.</source>
        <translation>Crie um presente primeiro.</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;How to make a gift</source>
        <translation>&amp;Como criar um presente</translation>
    </message>
    <message>
        <source>How to make a gift</source>
        <translation>Como criar um presente</translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 = %n pieces</source>
        <translation>
            <numerusform>%1 × %2 = %n peça</numerusform>
            <numerusform>%1 × %2 = %n peças</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 × %2 pixels; the gift stores %3</source>
        <translation>%1 × %2 pixels; o presente guarda %3</translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Abrir imagem</translation>
    </message>
    <message>
        <source>Choose a picture to see how large the gift will be.</source>
        <translation>Escolha uma imagem para ver o tamanho que o presente terá.</translation>
    </message>
    <message>
        <source>The gift: about %1 (it runs where Qt 6 is installed).</source>
        <translation>O presente: cerca de %1 (roda onde o Qt 6 estiver instalado).</translation>
    </message>
    <message>
        <source>The gift: about %1 with everything it needs to run on any Linux computer; %2 without.</source>
        <translation>O presente: cerca de %1 com tudo o que precisa para rodar em qualquer computador Linux; %2 sem.</translation>
    </message>
    <message>
        <source>The gift: about %1; %2 with everything it needs to run on any Linux computer.</source>
        <translation>O presente: cerca de %1; %2 com tudo o que precisa para rodar em qualquer computador Linux.</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>Pa&amp;rar</translation>
    </message>
    <message>
        <source>Choose a picture first</source>
        <translation>Escolha uma imagem primeiro</translation>
    </message>
    <message>
        <source>No player to copy was found beside the gift maker</source>
        <translation>Nenhum programa do jogo para copiar foi encontrado junto ao criador de presentes</translation>
    </message>
    <message>
        <source>Save gift</source>
        <translation>Salvar presente</translation>
    </message>
    <message>
        <source>Zip archive, ready to send (*.zip)</source>
        <translation>Arquivo zip, pronto para enviar (*.zip)</translation>
    </message>
    <message>
        <source>The gift program alone (*)</source>
        <translation>Só o programa do presente (*)</translation>
    </message>
    <message>
        <source>The gift is saved as %1 (%2)</source>
        <translation>O presente foi salvo como %1 (%2)</translation>
    </message>
    <message>
        <source>Opening message</source>
        <translation>Mensagem de abertura</translation>
    </message>
    <message>
        <source>Shown when the gift starts.</source>
        <translation>Exibida quando o presente começa.</translation>
    </message>
    <message>
        <source>Closing message</source>
        <translation>Mensagem de despedida</translation>
    </message>
    <message>
        <source>Your farewell, shown every time the gift is closed.</source>
        <translation>Seu adeus, exibido sempre que o presente é fechado.</translation>
    </message>
    <message>
        <source>Fu&amp;n pieces:</source>
        <translation>Peças di&amp;vertidas:</translation>
    </message>
    <message>
        <source>Ne&amp;w shapes</source>
        <translation>Novas &amp;formas</translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation>T&amp;ocar</translation>
    </message>
    <message>
        <source>M&amp;usic:</source>
        <translation>Mú&amp;sica:</translation>
    </message>
    <message>
        <source>Ski&amp;n:</source>
        <translation>Aparê&amp;ncia:</translation>
    </message>
    <message>
        <source>&lt;ol&gt;&lt;li&gt;&lt;b&gt;Picture&lt;/b&gt;: open a photo (File, Open picture, or drop it on the window). JPEG, PNG, HEIC, AVIF, WebP and TIFF pictures are turned upright and stored at the size chosen; a title, your name, a few words and the language of the gift (the recipient&apos;s own unless you choose one) go with it.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Pieces&lt;/b&gt;: how many, their shape and style; the preview shows the cut.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Messages&lt;/b&gt;: the opening message greets the recipient when the gift starts; the closing message is your farewell, shown every time the gift is closed.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Music and skin&lt;/b&gt;: optional music while solving and a picture for the tool bar.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Try it&lt;/b&gt; starts the gift as the recipient will see it.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Make gift&lt;/b&gt; saves it, best as a .zip archive: sent as a bare file, a gift loses the right to run on its way. The window then gives a short text to send with it that tells the recipient how to open it: extract the .zip, double-click the gift, and where that does nothing, Properties, Allow executing as program.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;Include everything it needs to run, unless you know the recipient has Qt 6 installed.&lt;/p&gt;</source>
        <translation>&lt;ol&gt;&lt;li&gt;&lt;b&gt;Imagem&lt;/b&gt;: abra uma foto (Arquivo, Abrir imagem, ou solte-a na janela). Imagens JPEG, PNG, HEIC, AVIF, WebP e TIFF são endireitadas e guardadas no tamanho escolhido; um título, seu nome, algumas palavras e o idioma do presente (o do destinatário, se você não escolher um) vão junto.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Peças&lt;/b&gt;: quantas, sua forma e estilo; a prévia mostra o corte.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Mensagens&lt;/b&gt;: a mensagem de abertura cumprimenta o destinatário quando o presente começa; a mensagem de despedida é o seu adeus, exibido sempre que o presente é fechado.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Música e aparência&lt;/b&gt;: música opcional durante a montagem e uma imagem para a barra de ferramentas.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Testar&lt;/b&gt; inicia o presente como o destinatário vai vê-lo.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Criar presente&lt;/b&gt; salva-o, de preferência como arquivo .zip: enviado como arquivo solto, um presente perde no caminho a permissão de execução. A janela então dá um texto curto para enviar junto, que explica ao destinatário como abri-lo: extrair o .zip, clicar duas vezes no presente e, se nada acontecer, Propriedades, Permitir execução do arquivo como programa.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;Inclua tudo o que ele precisa para rodar, a menos que você saiba que o destinatário tem o Qt 6 instalado.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>quill::MessagePreview</name>
    <message>
        <source>The message as the gift&apos;s splash screen shows it</source>
        <translation>A mensagem como aparece na tela de abertura do presente</translation>
    </message>
</context>
<context>
    <name>quill::PieceSizeDialog</name>
    <message>
        <source>Classic|The traditional jigsaw piece style</source>
        <translation>Clássica|A forma tradicional das peças de quebra-cabeça</translation>
    </message>
    <message>
        <source>Blip|Straight edges and round tabs</source>
        <translation>Botões|Bordas retas e encaixes redondos</translation>
    </message>
    <message>
        <source>Squares|Straight edges and no tabs</source>
        <translation>Quadrados|Bordas retas sem encaixes</translation>
    </message>
    <message>
        <source>Stars|Straight edges and pointed tabs</source>
        <translation>Estrelas|Bordas retas e encaixes pontudos</translation>
    </message>
    <message>
        <source>Bubbles|Curved edges and no tabs</source>
        <translation>Bolhas|Bordas curvas sem encaixes</translation>
    </message>
    <message>
        <source>Mixture|A random mixture of all the different styles</source>
        <translation>Mistura|Uma mistura aleatória de todas as formas</translation>
    </message>
    <message>
        <source>Set Piece Size and Shape</source>
        <translation>Tamanho e forma das peças</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamanho:</translation>
    </message>
    <message>
        <source>|Set the size of pieces</source>
        <translation>|Definir o tamanho das peças</translation>
    </message>
    <message>
        <source>Oddness:</source>
        <translation>Irregularidade:</translation>
    </message>
    <message>
        <source>|Set the amount of shape irregularity</source>
        <translation>|Definir quão irregulares são as formas</translation>
    </message>
    <message>
        <source>Fun pieces:</source>
        <translation>Peças divertidas:</translation>
    </message>
    <message>
        <source>|Set the percentage of custom pieces in jigsaw</source>
        <translation>|Definir a porcentagem de peças divertidas no quebra-cabeça</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Apply changes</source>
        <translation>Aplicar as alterações</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>|Press OK to apply the new size</source>
        <translation>|Clique em OK para aplicar o novo tamanho</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Help on this screen</source>
        <translation>Ajuda sobre esta janela</translation>
    </message>
</context>
<context>
    <name>quill::QuickHelpDialog</name>
    <message>
        <source>Left mouse</source>
        <translation>Botão esquerdo</translation>
    </message>
    <message>
        <source>Move piece</source>
        <translation>Mover a peça</translation>
    </message>
    <message>
        <source>Right mouse</source>
        <translation>Botão direito</translation>
    </message>
    <message>
        <source>Piece popup menu</source>
        <translation>Menu da peça</translation>
    </message>
    <message>
        <source>Shift+left mouse</source>
        <translation>Shift+botão esquerdo</translation>
    </message>
    <message>
        <source>Fetch neighbor</source>
        <translation>Trazer vizinha</translation>
    </message>
    <message>
        <source>Shift+right mouse</source>
        <translation>Shift+botão direito</translation>
    </message>
    <message>
        <source>Show neighbor</source>
        <translation>Mostrar vizinha</translation>
    </message>
    <message>
        <source>Ctrl+left mouse</source>
        <translation>Ctrl+botão esquerdo</translation>
    </message>
    <message>
        <source>Rotate piece left</source>
        <translation>Girar a peça à esquerda</translation>
    </message>
    <message>
        <source>Ctrl+right mouse</source>
        <translation>Ctrl+botão direito</translation>
    </message>
    <message>
        <source>Rotate piece right</source>
        <translation>Girar a peça à direita</translation>
    </message>
    <message>
        <source>Ctrl+Shift+left mouse</source>
        <translation>Ctrl+Shift+botão esquerdo</translation>
    </message>
    <message>
        <source>Solve this piece</source>
        <translation>Encaixar esta peça</translation>
    </message>
    <message>
        <source>Ctrl+Shift+right mouse</source>
        <translation>Ctrl+Shift+botão direito</translation>
    </message>
    <message>
        <source>Show piece solution</source>
        <translation>Mostrar o lugar da peça</translation>
    </message>
    <message>
        <source>Scroll wheel click</source>
        <translation>Clique da roda</translation>
    </message>
    <message>
        <source>Hold piece</source>
        <translation>Segurar a peça</translation>
    </message>
    <message>
        <source>Scroll wheel rotate</source>
        <translation>Girar a roda</translation>
    </message>
    <message>
        <source>Rotate piece</source>
        <translation>Girar a peça</translation>
    </message>
    <message>
        <source>Drag band to select pieces</source>
        <translation>Arrastar um retângulo para selecionar peças</translation>
    </message>
    <message>
        <source>Board popup menu</source>
        <translation>Menu do tabuleiro</translation>
    </message>
    <message>
        <source>Left mouse (hold 3 seconds)</source>
        <translation>Botão esquerdo (segurar 3 segundos)</translation>
    </message>
    <message>
        <source>Move ghost around</source>
        <translation>Mover o fantasma</translation>
    </message>
    <message>
        <source>Fetch piece to ghost</source>
        <translation>Trazer a peça ao fantasma</translation>
    </message>
    <message>
        <source>Find piece to fit ghost</source>
        <translation>Encontrar a peça do fantasma</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Zoom picture</source>
        <translation>Zoom da imagem</translation>
    </message>
    <message>
        <source>Picture window</source>
        <translation>Janela da imagem</translation>
    </message>
    <message>
        <source>Loupe window</source>
        <translation>Janela da lupa</translation>
    </message>
    <message>
        <source>Ghost background</source>
        <translation>Imagem fantasma ao fundo</translation>
    </message>
    <message>
        <source>Advanced options</source>
        <translation>Opções avançadas</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Salvar o jogo</translation>
    </message>
    <message>
        <source>Hint!</source>
        <translation>Dica!</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Refazer</translation>
    </message>
    <message>
        <source>Mouse click over a piece:</source>
        <translation>Clique sobre uma peça:</translation>
    </message>
    <message>
        <source>Mouse click over background:</source>
        <translation>Clique sobre o fundo:</translation>
    </message>
    <message>
        <source>Mouse click over ghost:</source>
        <translation>Clique sobre o fantasma:</translation>
    </message>
    <message>
        <source>Keyboard:</source>
        <translation>Teclado:</translation>
    </message>
    <message>
        <source>Quick help - shortcuts</source>
        <translation>Ajuda rápida – atalhos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>Mais…</translation>
    </message>
</context>
<context>
    <name>quill::TLoupeForm</name>
    <message>
        <source>Loupe: %1x</source>
        <translation>Lupa: %1x</translation>
    </message>
</context>
<context>
    <name>quill::TOverlayForm</name>
    <message>
        <source>Picture</source>
        <translation>Imagem</translation>
    </message>
</context>
<context>
    <name>quill::TrayDialog</name>
    <message>
        <source>Tray Description</source>
        <translation>Descrição da bandeja</translation>
    </message>
    <message>
        <source>Enter a name or short description for tray:</source>
        <translation>Digite um nome ou uma breve descrição para a bandeja:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
</context>
</TS>
