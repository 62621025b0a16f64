<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>GiftMaking</name>
    <message>
        <source>The gift would be larger than 2 GB</source>
        <translation>El regalo ocuparía más de 2 GB</translation>
    </message>
    <message>
        <source>A gift needs a picture</source>
        <translation>Un regalo necesita una imagen</translation>
    </message>
    <message>
        <source>The picture is not a JPEG file</source>
        <translation>La imagen no es un archivo JPEG</translation>
    </message>
    <message>
        <source>The skin picture is not a JPEG file</source>
        <translation>La imagen del aspecto no es un archivo JPEG</translation>
    </message>
    <message>
        <source>A text of the gift holds &quot;%1&quot;, which marks the gift&apos;s header</source>
        <translation>Un texto del regalo contiene «%1», que marca la cabecera del regalo</translation>
    </message>
    <message>
        <source>A jigsaw needs at least %1 pieces</source>
        <translation>Un puzle necesita al menos %1 piezas</translation>
    </message>
    <message>
        <source>The picture of %1x%2 pixels cut into %3 pieces gives a single piece, and a jigsaw needs at least %4: use a larger picture or ask for more pieces</source>
        <translation>La imagen de %1x%2 píxeles cortada en %3 piezas da una sola pieza, pero un puzle necesita al menos %4: use una imagen más grande o pida más piezas</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;</source>
        <translation>No se puede abrir el archivo «%1»</translation>
    </message>
    <message>
        <source>File %1 could not be written</source>
        <translation>No se pudo escribir el archivo %1</translation>
    </message>
    <message>
        <source>is needed</source>
        <translation>es obligatorio</translation>
    </message>
    <message>
        <source>%1 (bytes that are not UTF-8)</source>
        <translation>%1 (bytes que no son UTF-8)</translation>
    </message>
    <message>
        <source>has characters a gift cannot hold (its texts are Windows-1252): %1</source>
        <translation>tiene caracteres que un regalo no puede guardar (sus textos son Windows-1252): %1</translation>
    </message>
    <message>
        <source>is %1 characters long, %2 more than the %3 a gift holds</source>
        <translation>tiene %1 caracteres, %2 más de los %3 que caben en un regalo</translation>
    </message>
    <message>
        <source>has bytes that are not UTF-8 text</source>
        <translation>tiene bytes que no son texto UTF-8</translation>
    </message>
    <message>
        <source>may not hold &quot;%1&quot;: it marks where the gift&apos;s settings start</source>
        <translation>no puede contener «%1»: marca dónde empiezan los ajustes del regalo</translation>
    </message>
    <message>
        <source>is too long: %1 bytes of UTF-8, %2 more than the %3 a gift holds (a letter takes one byte in English, two in Polish or Russian, three in Japanese, four for an emoji)</source>
        <translation>es demasiado largo: %1 bytes de UTF-8, %2 más de los %3 que caben en un regalo (una letra ocupa un byte en inglés, dos en polaco o ruso, tres en japonés y cuatro un emoji)</translation>
    </message>
    <message>
        <source>is %1; it must be from %2 to %3</source>
        <translation>vale %1; debe estar entre %2 y %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a colour name such as clCream nor a number</source>
        <translation>«%1» no es ni un nombre de color como clCream ni un número</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file</source>
        <translation>«%1» no es un archivo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read</source>
        <translation>no se puede leer «%1»</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>la carpeta «%1» no existe</translation>
    </message>
    <message>
        <source>would overwrite &quot;%1&quot;, which the gift is made from</source>
        <translation>sobrescribiría «%1», a partir del cual se crea el regalo</translation>
    </message>
    <message>
        <source>a template block needs its number of templates, and a number needs the block</source>
        <translation>un bloque de plantillas necesita su número de plantillas, y un número necesita el bloque</translation>
    </message>
    <message>
        <source>the music&apos;s extension &quot;%1&quot; must be a dot and one to three letters or digits, such as .ogg</source>
        <translation>la extensión «%1» de la música debe ser un punto seguido de una a tres letras o cifras, como .ogg</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language code such as de, pl or pt-BR</source>
        <translation>«%1» no es un código de idioma como de, pl o pt-BR</translation>
    </message>
    <message>
        <source>Reading the skin</source>
        <translation>Leyendo el aspecto</translation>
    </message>
    <message>
        <source>Reading the music and templates</source>
        <translation>Leyendo la música y las plantillas</translation>
    </message>
    <message>
        <source>Writing the gift</source>
        <translation>Escribiendo el regalo</translation>
    </message>
    <message>
        <source>Packing the gift in a zip archive</source>
        <translation>Empaquetando el regalo en un archivo zip</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>The zip archive could not be made (zlib did not start)</source>
        <translation>No se pudo crear el archivo zip (zlib no se pudo iniciar)</translation>
    </message>
    <message>
        <source>The gift is too large for a zip archive (4 GB and more)</source>
        <translation>El regalo es demasiado grande para un archivo zip (4 GB o más)</translation>
    </message>
    <message>
        <source>The HEIF picture could not be read (%1: %2): save it as JPEG or PNG first</source>
        <translation>No se pudo leer la imagen HEIF (%1: %2): guárdela antes como JPEG o PNG</translation>
    </message>
    <message>
        <source>The HEIF picture has no pixels: save it as JPEG or PNG first</source>
        <translation>La imagen HEIF no tiene píxeles: guárdela antes como JPEG o PNG</translation>
    </message>
    <message>
        <source>No portable player found at %1; give the player to copy with --player PLAYER</source>
        <translation>No se encontró ningún programa de juego portátil en %1; indique el programa de juego que hay que copiar con --player PLAYER</translation>
    </message>
    <message>
        <source>No player found at %1; give the player to copy with --player PLAYER</source>
        <translation>No se encontró ningún programa de juego en %1; indique el programa de juego que hay que copiar con --player PLAYER</translation>
    </message>
    <message>
        <source>Install FluidSynth and a General MIDI sound font (the Debian packages fluidsynth and fluid-soundfont-gm), or save the music as Ogg Vorbis, MP3, FLAC or WAV.</source>
        <translation>Instale FluidSynth y un banco de sonidos General MIDI (los paquetes de Debian fluidsynth y fluid-soundfont-gm), o guarde la música como Ogg Vorbis, MP3, FLAC o WAV.</translation>
    </message>
    <message>
        <source>The music file cannot be read.</source>
        <translation>No se puede leer el archivo de música.</translation>
    </message>
    <message>
        <source>The MIDI music gave no sound.</source>
        <translation>La música MIDI no produjo ningún sonido.</translation>
    </message>
    <message>
        <source>The MIDI music cannot be stored as Ogg Vorbis.</source>
        <translation>La música MIDI no se puede guardar como Ogg Vorbis.</translation>
    </message>
    <message>
        <source>MIDI music needs FluidSynth and a General MIDI sound font to be turned into sound every computer can play.</source>
        <translation>La música MIDI necesita FluidSynth y un banco de sonidos General MIDI para convertirse en un sonido que cualquier ordenador pueda reproducir.</translation>
    </message>
    <message>
        <source>There is no room for the MIDI music&apos;s sound.</source>
        <translation>No hay espacio para el sonido de la música MIDI.</translation>
    </message>
    <message>
        <source>FluidSynth could not play the MIDI music.</source>
        <translation>FluidSynth no pudo reproducir la música MIDI.</translation>
    </message>
    <message>
        <source>FluidSynth could not play the MIDI music: %1</source>
        <translation>FluidSynth no pudo reproducir la música MIDI: %1</translation>
    </message>
    <message>
        <source>Picture ready</source>
        <translation>Imagen lista</translation>
    </message>
    <message>
        <source>The picture is %1 pixels: more than the %2 million pixels the gift maker reads</source>
        <translation>La imagen tiene %1 píxeles: más de los %2 millones de píxeles que lee el creador de regalos</translation>
    </message>
    <message>
        <source>This is not a picture the gift maker can read (it reads %1): save it as JPEG or PNG first</source>
        <translation>El creador de regalos no puede leer esta imagen (lee %1): guárdela antes como JPEG o PNG</translation>
    </message>
    <message>
        <source>The picture could not be read (%1): save it as JPEG or PNG first</source>
        <translation>No se pudo leer la imagen (%1): guárdela antes como JPEG o PNG</translation>
    </message>
    <message>
        <source>The picture would be stored at %1 pixels; the player cuts pictures of at most %2 pixels a side, so let it be fitted to a smaller size</source>
        <translation>La imagen se guardaría con %1 píxeles; el programa de juego corta imágenes de %2 píxeles por lado como máximo, así que deje que se ajuste a un tamaño menor</translation>
    </message>
    <message>
        <source>The picture file is empty</source>
        <translation>El archivo de imagen está vacío</translation>
    </message>
    <message>
        <source>Reading the picture</source>
        <translation>Leyendo la imagen</translation>
    </message>
    <message>
        <source>Turning the picture upright</source>
        <translation>Enderezando la imagen</translation>
    </message>
    <message>
        <source>Scaling the picture</source>
        <translation>Escalando la imagen</translation>
    </message>
    <message>
        <source>Storing the picture as JPEG</source>
        <translation>Guardando la imagen como JPEG</translation>
    </message>
    <message>
        <source>converted from CMYK</source>
        <translation>convertida desde CMYK</translation>
    </message>
    <message>
        <source>converted from %1</source>
        <translation>convertida desde %1</translation>
    </message>
    <message>
        <source>turned upright from %1 (EXIF orientation %2)</source>
        <translation>enderezada desde %1 (orientación EXIF %2)</translation>
    </message>
    <message>
        <source>scaled from %1 to %2 to fit %3</source>
        <translation>reducida de %1 a %2 para caber en %3</translation>
    </message>
    <message>
        <source>kept at its own size as asked</source>
        <translation>mantenida en su tamaño original, como se pidió</translation>
    </message>
    <message>
        <source>kept at its own size, within %1</source>
        <translation>mantenida en su tamaño original, dentro de %1</translation>
    </message>
    <message>
        <source>the file stored as it is</source>
        <translation>el archivo guardado tal cual</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 kB</translation>
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
        <translation>Abrir|Abrir o crear un puzle</translation>
    </message>
    <message>
        <source>Save|Save the jigsaw in progress</source>
        <translation>Guardar|Guardar el puzle en curso</translation>
    </message>
    <message>
        <source>Picture|Toggle the picture overlay (F3)</source>
        <translation>Imagen|Mostrar u ocultar la ventana de la imagen (F3)</translation>
    </message>
    <message>
        <source>Loupe|Toggle the magnifying glass (F4)</source>
        <translation>Lupa|Mostrar u ocultar la lupa (F4)</translation>
    </message>
    <message>
        <source>Ghost Picture|Toggle the ghost picture backdrop</source>
        <translation>Imagen fantasma|Mostrar u ocultar la imagen fantasma de fondo</translation>
    </message>
    <message>
        <source>Zoom|Display the jigsaw image full-screen (F2)</source>
        <translation>Zoom|Mostrar la imagen del puzle a pantalla completa (F2)</translation>
    </message>
    <message>
        <source>Board color|Choose a new background board color</source>
        <translation>Color del tablero|Elegir un nuevo color para el tablero</translation>
    </message>
    <message>
        <source>Piece size and shape|Change the size and shape of pieces</source>
        <translation>Tamaño y forma de las piezas|Cambiar el tamaño y la forma de las piezas</translation>
    </message>
    <message>
        <source>Arrange at edge|Arrange pieces around edge</source>
        <translation>Ordenar en el borde|Ordenar las piezas alrededor del borde</translation>
    </message>
    <message>
        <source>Arrange in grid|Arrange pieces in a grid</source>
        <translation>Ordenar en cuadrícula|Ordenar las piezas en una cuadrícula</translation>
    </message>
    <message>
        <source>New tray|Create a new tray for storing pieces</source>
        <translation>Nueva bandeja|Crear una bandeja nueva para apartar piezas</translation>
    </message>
    <message>
        <source>Sound|Turn sound effects on/off</source>
        <translation>Sonido|Activar o desactivar los efectos de sonido</translation>
    </message>
    <message>
        <source>Music|Turn background music on/off</source>
        <translation>Música|Activar o desactivar la música de fondo</translation>
    </message>
    <message>
        <source>Hint|Flash the next two pieces to solve</source>
        <translation>Pista|Hacer parpadear las dos siguientes piezas que encajan</translation>
    </message>
    <message>
        <source>Quick Help|Display mouse and keyboard controls</source>
        <translation>Ayuda rápida|Mostrar los controles del ratón y del teclado</translation>
    </message>
    <message>
        <source>Brighten ghost|Increase the ghost picture brightness</source>
        <translation>Fantasma más claro|Aumentar el brillo de la imagen fantasma</translation>
    </message>
    <message>
        <source>Fade ghost|Decrease the ghost picture brightness</source>
        <translation>Fantasma más tenue|Reducir el brillo de la imagen fantasma</translation>
    </message>
    <message>
        <source>|Time in hours and minutes since jigsaw started</source>
        <translation>|Tiempo en horas y minutos desde el comienzo del puzle</translation>
    </message>
    <message>
        <source>|Number of pieces solved out of total</source>
        <translation>|Número de piezas colocadas del total</translation>
    </message>
    <message>
        <source>Scroll left|Show the trays further left</source>
        <translation>Desplazar a la izquierda|Mostrar las bandejas más a la izquierda</translation>
    </message>
    <message>
        <source>Scroll right|Show the trays further right</source>
        <translation>Desplazar a la derecha|Mostrar las bandejas más a la derecha</translation>
    </message>
    <message>
        <source>Scroll up|Show the trays further up</source>
        <translation>Desplazar arriba|Mostrar las bandejas de más arriba</translation>
    </message>
    <message>
        <source>Scroll down|Show the trays further down</source>
        <translation>Desplazar abajo|Mostrar las bandejas de más abajo</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Create...</source>
        <translation>&amp;Crear…</translation>
    </message>
    <message>
        <source>|Create a new jigsaw</source>
        <translation>|Crear un puzle nuevo</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>|Open or create a jigsaw</source>
        <translation>|Abrir o crear un puzle</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>|Save the jigsaw in progress</source>
        <translation>|Guardar el puzle en curso</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Guardar co&amp;mo…</translation>
    </message>
    <message>
        <source>|Save the jigsaw under a new name</source>
        <translation>|Guardar el puzle con otro nombre</translation>
    </message>
    <message>
        <source>Save as &amp;Gift...</source>
        <translation>Guardar como &amp;regalo…</translation>
    </message>
    <message>
        <source>|Save the jigsaw as a gift</source>
        <translation>|Guardar el puzle como regalo</translation>
    </message>
    <message>
        <source>Save as Screen Sa&amp;ver...</source>
        <translation>Guardar como &amp;salvapantallas…</translation>
    </message>
    <message>
        <source>|Save the jigsaw as a screensaver</source>
        <translation>|Guardar el puzle como salvapantallas</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Eliminar…</translation>
    </message>
    <message>
        <source>|Delete a jigsaw</source>
        <translation>|Eliminar un puzle</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>|Print the picture</source>
        <translation>|Imprimir la imagen</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Configurar im&amp;presora…</translation>
    </message>
    <message>
        <source>|Set up the printer</source>
        <translation>|Configurar la impresora</translation>
    </message>
    <message>
        <source>Re&amp;start...</source>
        <translation>Empe&amp;zar de nuevo…</translation>
    </message>
    <message>
        <source>|Restart the jigsaw from scratch</source>
        <translation>|Empezar el puzle desde el principio</translation>
    </message>
    <message>
        <source>|Open this recent jigsaw</source>
        <translation>|Abrir este puzle reciente</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;lir</translation>
    </message>
    <message>
        <source>|Close the jigsaw</source>
        <translation>|Cerrar el puzle</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Tool bar</source>
        <translation>Barra de &amp;herramientas</translation>
    </message>
    <message>
        <source>|Show or hide the tool bar</source>
        <translation>|Mostrar u ocultar la barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Status bar</source>
        <translation>Barra de &amp;estado</translation>
    </message>
    <message>
        <source>|Show or hide the status bar</source>
        <translation>|Mostrar u ocultar la barra de estado</translation>
    </message>
    <message>
        <source>T&amp;ray bar</source>
        <translation>Barra de &amp;bandejas</translation>
    </message>
    <message>
        <source>|Show or hide the tray bar</source>
        <translation>|Mostrar u ocultar la barra de bandejas</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Imagen</translation>
    </message>
    <message>
        <source>|Show the picture window</source>
        <translation>|Mostrar la ventana de la imagen</translation>
    </message>
    <message>
        <source>&amp;Loupe</source>
        <translation>&amp;Lupa</translation>
    </message>
    <message>
        <source>|Show the magnifying glass</source>
        <translation>|Mostrar la lupa</translation>
    </message>
    <message>
        <source>&amp;Ghost picture</source>
        <translation>Imagen &amp;fantasma</translation>
    </message>
    <message>
        <source>|Show a faded picture on the board</source>
        <translation>|Mostrar una imagen tenue sobre el tablero</translation>
    </message>
    <message>
        <source>&amp;Zoom picture</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>|Display the picture full-screen</source>
        <translation>|Mostrar la imagen a pantalla completa</translation>
    </message>
    <message>
        <source>&amp;Board Color</source>
        <translation>&amp;Color del tablero</translation>
    </message>
    <message>
        <source>|Choose the colour of the board</source>
        <translation>|Elegir el color del tablero</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Personalizado…</translation>
    </message>
    <message>
        <source>|Pick any colour for the board</source>
        <translation>|Elegir cualquier color para el tablero</translation>
    </message>
    <message>
        <source>Matching</source>
        <translation>A juego</translation>
    </message>
    <message>
        <source>|A board colour that matches the picture</source>
        <translation>|Un color de tablero a juego con la imagen</translation>
    </message>
    <message>
        <source>Contrasting</source>
        <translation>Contrastante</translation>
    </message>
    <message>
        <source>|A board colour that contrasts with the picture</source>
        <translation>|Un color de tablero que contrasta con la imagen</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predeterminado</translation>
    </message>
    <message>
        <source>|The board colour the jigsaw came with</source>
        <translation>|El color de tablero original del puzle</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Herramientas</translation>
    </message>
    <message>
        <source>Arrange at &amp;Edge</source>
        <translation>Ordenar en el &amp;borde</translation>
    </message>
    <message>
        <source>|Arrange the loose pieces around the edge</source>
        <translation>|Ordenar las piezas sueltas alrededor del borde</translation>
    </message>
    <message>
        <source>Arrange in &amp;Grid</source>
        <translation>Ordenar en &amp;cuadrícula</translation>
    </message>
    <message>
        <source>|Arrange the loose pieces in a grid</source>
        <translation>|Ordenar las piezas sueltas en una cuadrícula</translation>
    </message>
    <message>
        <source>&amp;Disarrange</source>
        <translation>&amp;Desordenar</translation>
    </message>
    <message>
        <source>|Scatter the loose pieces at random</source>
        <translation>|Esparcir las piezas sueltas al azar</translation>
    </message>
    <message>
        <source>&amp;Piece Size...</source>
        <translation>&amp;Tamaño de las piezas…</translation>
    </message>
    <message>
        <source>|Change the size and shape of the pieces</source>
        <translation>|Cambiar el tamaño y la forma de las piezas</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Des&amp;hacer</translation>
    </message>
    <message>
        <source>|Undo the last step</source>
        <translation>|Deshacer el último paso</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>|Redo the step just undone</source>
        <translation>|Rehacer el paso recién deshecho</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <translation>De&amp;mo</translation>
    </message>
    <message>
        <source>|Watch the jigsaw solve itself</source>
        <translation>|Ver cómo el puzle se resuelve solo</translation>
    </message>
    <message>
        <source>More &amp;Tips...</source>
        <translation>Más c&amp;onsejos…</translation>
    </message>
    <message>
        <source>|Read tips on playing</source>
        <translation>|Leer consejos para jugar</translation>
    </message>
    <message>
        <source>&amp;Screensaver...</source>
        <translation>&amp;Salvapantallas…</translation>
    </message>
    <message>
        <source>|Use the picture as a screensaver</source>
        <translation>|Usar la imagen como salvapantallas</translation>
    </message>
    <message>
        <source>&amp;Wallpaper</source>
        <translation>&amp;Fondo de escritorio</translation>
    </message>
    <message>
        <source>|Use the picture as the desktop wallpaper</source>
        <translation>|Usar la imagen como fondo de escritorio</translation>
    </message>
    <message>
        <source>T&amp;rays</source>
        <translation>&amp;Bandejas</translation>
    </message>
    <message>
        <source>&amp;New Tray</source>
        <translation>&amp;Nueva bandeja</translation>
    </message>
    <message>
        <source>|Create a new tray for storing pieces</source>
        <translation>|Crear una bandeja nueva para apartar piezas</translation>
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
        <translation>Mostrar &amp;todas las bandejas</translation>
    </message>
    <message>
        <source>|Open every tray</source>
        <translation>|Abrir todas las bandejas</translation>
    </message>
    <message>
        <source>Show &amp;Used Trays</source>
        <translation>Mostrar las bandejas &amp;ocupadas</translation>
    </message>
    <message>
        <source>|Open the trays that hold pieces</source>
        <translation>|Abrir las bandejas que tienen piezas</translation>
    </message>
    <message>
        <source>Show &amp;Empty Trays</source>
        <translation>Mostrar las bandejas &amp;vacías</translation>
    </message>
    <message>
        <source>|Open the empty trays</source>
        <translation>|Abrir las bandejas vacías</translation>
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
        <translation>Ocultar &amp;todas las bandejas</translation>
    </message>
    <message>
        <source>|Minimise every tray</source>
        <translation>|Minimizar todas las bandejas</translation>
    </message>
    <message>
        <source>Hide &amp;Used Trays</source>
        <translation>Ocultar las bandejas &amp;ocupadas</translation>
    </message>
    <message>
        <source>|Minimise the trays that hold pieces</source>
        <translation>|Minimizar las bandejas que tienen piezas</translation>
    </message>
    <message>
        <source>Hide &amp;Empty Trays</source>
        <translation>Ocultar las bandejas &amp;vacías</translation>
    </message>
    <message>
        <source>|Minimise the empty trays</source>
        <translation>|Minimizar las bandejas vacías</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>|Delete trays</source>
        <translation>|Eliminar bandejas</translation>
    </message>
    <message>
        <source>Delete &amp;All Trays</source>
        <translation>Eliminar &amp;todas las bandejas</translation>
    </message>
    <message>
        <source>|Delete every tray; its pieces go to the board</source>
        <translation>|Eliminar todas las bandejas; sus piezas pasan al tablero</translation>
    </message>
    <message>
        <source>Delete &amp;Used Trays</source>
        <translation>Eliminar las bandejas &amp;ocupadas</translation>
    </message>
    <message>
        <source>|Delete the trays that hold pieces</source>
        <translation>|Eliminar las bandejas que tienen piezas</translation>
    </message>
    <message>
        <source>Delete &amp;Empty Trays</source>
        <translation>Eliminar las bandejas &amp;vacías</translation>
    </message>
    <message>
        <source>|Delete the empty trays</source>
        <translation>|Eliminar las bandejas vacías</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Sonido</translation>
    </message>
    <message>
        <source>|Turn sound effects on or off</source>
        <translation>|Activar o desactivar los efectos de sonido</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Música</translation>
    </message>
    <message>
        <source>|Turn background music on or off</source>
        <translation>|Activar o desactivar la música de fondo</translation>
    </message>
    <message>
        <source>Sha&amp;dows</source>
        <translation>Som&amp;bras</translation>
    </message>
    <message>
        <source>|Moving pieces cast a shadow</source>
        <translation>|Las piezas en movimiento proyectan sombra</translation>
    </message>
    <message>
        <source>&amp;Outlines</source>
        <translation>&amp;Contornos</translation>
    </message>
    <message>
        <source>|Choose the look of the piece edges</source>
        <translation>|Elegir el aspecto de los bordes de las piezas</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Ninguno</translation>
    </message>
    <message>
        <source>|Pieces have no outline</source>
        <translation>|Piezas sin contorno</translation>
    </message>
    <message>
        <source>&amp;Foil</source>
        <translation>&amp;Lámina</translation>
    </message>
    <message>
        <source>|Pieces are made out of thin foil</source>
        <translation>|Piezas de lámina metálica fina</translation>
    </message>
    <message>
        <source>&amp;Paper</source>
        <translation>&amp;Papel</translation>
    </message>
    <message>
        <source>|Pieces are made out of paper</source>
        <translation>|Piezas de papel</translation>
    </message>
    <message>
        <source>&amp;Card</source>
        <translation>&amp;Cartón</translation>
    </message>
    <message>
        <source>|Pieces are made out of thick card</source>
        <translation>|Piezas de cartón grueso</translation>
    </message>
    <message>
        <source>&amp;Wood</source>
        <translation>&amp;Madera</translation>
    </message>
    <message>
        <source>|Pieces are made out of chunky wood</source>
        <translation>|Piezas de madera maciza</translation>
    </message>
    <message>
        <source>&amp;Smooth</source>
        <translation>&amp;Suavizado</translation>
    </message>
    <message>
        <source>|Remove jaggies from piece outlines using smoothing</source>
        <translation>|Suavizar los contornos de las piezas para quitar los dientes de sierra</translation>
    </message>
    <message>
        <source>&amp;Auto hide</source>
        <translation>Ocultar &amp;automáticamente</translation>
    </message>
    <message>
        <source>|Remove outlines from solved pieces</source>
        <translation>|Quitar los contornos de las piezas colocadas</translation>
    </message>
    <message>
        <source>Sort by S&amp;hape</source>
        <translation>Ordenar por &amp;forma</translation>
    </message>
    <message>
        <source>|Put edge pieces first when arranging</source>
        <translation>|Poner primero las piezas de borde al ordenar</translation>
    </message>
    <message>
        <source>Sort by &amp;Color</source>
        <translation>Ordenar por co&amp;lor</translation>
    </message>
    <message>
        <source>|Put similar colors together when arranging</source>
        <translation>|Juntar los colores parecidos al ordenar</translation>
    </message>
    <message>
        <source>&amp;Timer display</source>
        <translation>Mostrar &amp;tiempo</translation>
    </message>
    <message>
        <source>|Show the time taken</source>
        <translation>|Mostrar el tiempo empleado</translation>
    </message>
    <message>
        <source>&amp;Number display</source>
        <translation>Mostrar &amp;número</translation>
    </message>
    <message>
        <source>|Show the number of pieces solved</source>
        <translation>|Mostrar el número de piezas colocadas</translation>
    </message>
    <message>
        <source>&amp;Rotating Pieces</source>
        <translation>&amp;Rotación de piezas</translation>
    </message>
    <message>
        <source>|Pieces can be turned</source>
        <translation>|Las piezas se pueden girar</translation>
    </message>
    <message>
        <source>M&amp;ystery Mode</source>
        <translation>Modo m&amp;isterio</translation>
    </message>
    <message>
        <source>|Hide the jigsaw preview pictures</source>
        <translation>|Ocultar las imágenes de vista previa del puzle</translation>
    </message>
    <message>
        <source>Time &amp;Limit...</source>
        <translation>Límite de tiem&amp;po…</translation>
    </message>
    <message>
        <source>|Set a time limit for the jigsaw</source>
        <translation>|Fijar un límite de tiempo para el puzle</translation>
    </message>
    <message>
        <source>&amp;Advanced...</source>
        <translation>&amp;Avanzadas…</translation>
    </message>
    <message>
        <source>|Change the advanced options</source>
        <translation>|Cambiar las opciones avanzadas</translation>
    </message>
    <message>
        <source>&amp;Cheat</source>
        <translation>&amp;Trampas</translation>
    </message>
    <message>
        <source>Allow &amp;Cheating</source>
        <translation>Permitir &amp;trampas</translation>
    </message>
    <message>
        <source>|Allow the cheat commands</source>
        <translation>|Permitir los comandos de trampa</translation>
    </message>
    <message>
        <source>&amp;Hint!</source>
        <translation>¡&amp;Pista!</translation>
    </message>
    <message>
        <source>|Flash the next two pieces to solve</source>
        <translation>|Hacer parpadear las dos siguientes piezas que encajan</translation>
    </message>
    <message>
        <source>&amp;Right Way Up!</source>
        <translation>¡Todas &amp;del derecho!</translation>
    </message>
    <message>
        <source>|Turn every piece the right way up</source>
        <translation>|Poner todas las piezas del derecho</translation>
    </message>
    <message>
        <source>&amp;Auto-Solve!</source>
        <translation>¡&amp;Resolver solo!</translation>
    </message>
    <message>
        <source>|Let the jigsaw solve itself</source>
        <translation>|Dejar que el puzle se resuelva solo</translation>
    </message>
    <message>
        <source>&amp;Internet</source>
        <translation>&amp;Internet</translation>
    </message>
    <message>
        <source>Visit the Quillmere web site</source>
        <translation>Visitar el sitio web de Quillmere</translation>
    </message>
    <message>
        <source>&amp;Purchase the full version...</source>
        <translation>&amp;Comprar la versión completa…</translation>
    </message>
    <message>
        <source>|Visit our online store</source>
        <translation>|Visitar nuestra tienda en línea</translation>
    </message>
    <message>
        <source>Jigsaw &amp;Search...</source>
        <translation>&amp;Buscar puzles…</translation>
    </message>
    <message>
        <source>|Search the web for jigsaws</source>
        <translation>|Buscar puzles en la web</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Buscar &amp;actualizaciones…</translation>
    </message>
    <message>
        <source>|Look for a newer version</source>
        <translation>|Buscar una versión más reciente</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>|Show the help contents</source>
        <translation>|Mostrar el contenido de la ayuda</translation>
    </message>
    <message>
        <source>&amp;Search for Help On...</source>
        <translation>&amp;Buscar en la ayuda…</translation>
    </message>
    <message>
        <source>|Search the help</source>
        <translation>|Buscar en la ayuda</translation>
    </message>
    <message>
        <source>&amp;What&apos;s New</source>
        <translation>&amp;Novedades</translation>
    </message>
    <message>
        <source>|What is new in this version</source>
        <translation>|Novedades de esta versión</translation>
    </message>
    <message>
        <source>&amp;FAQ</source>
        <translation>&amp;Preguntas frecuentes</translation>
    </message>
    <message>
        <source>|Frequently asked questions</source>
        <translation>|Preguntas frecuentes</translation>
    </message>
    <message>
        <source>How to &amp;Order</source>
        <translation>Cómo pe&amp;dir</translation>
    </message>
    <message>
        <source>|How to order the full version</source>
        <translation>|Cómo pedir la versión completa</translation>
    </message>
    <message>
        <source>&amp;Quick Help!</source>
        <translation>¡Ayuda &amp;rápida!</translation>
    </message>
    <message>
        <source>|Display mouse and keyboard controls</source>
        <translation>|Mostrar los controles del ratón y del teclado</translation>
    </message>
    <message>
        <source>About this &amp;Jigsaw...</source>
        <translation>Acerca de este p&amp;uzle…</translation>
    </message>
    <message>
        <source>|Show the jigsaw&apos;s title, creator and progress</source>
        <translation>|Mostrar el título, el autor y el progreso del puzle</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Acerca de…</translation>
    </message>
    <message>
        <source>|About this program</source>
        <translation>|Acerca de este programa</translation>
    </message>
    <message>
        <source>&amp;Move ghost</source>
        <translation>&amp;Mover el fantasma</translation>
    </message>
    <message>
        <source>|Move the ghost picture to another place</source>
        <translation>|Mover la imagen fantasma a otro sitio</translation>
    </message>
    <message>
        <source>&amp;Find piece!</source>
        <translation>¡&amp;Encontrar pieza!</translation>
    </message>
    <message>
        <source>|Flash the piece that belongs here</source>
        <translation>|Hacer parpadear la pieza que va aquí</translation>
    </message>
    <message>
        <source>Fe&amp;tch piece!</source>
        <translation>¡Tr&amp;aer pieza!</translation>
    </message>
    <message>
        <source>|Bring the piece that belongs here</source>
        <translation>|Traer la pieza que va aquí</translation>
    </message>
    <message>
        <source>S&amp;how Solution!</source>
        <translation>¡Mostrar &amp;solución!</translation>
    </message>
    <message>
        <source>|Flash where this piece belongs</source>
        <translation>|Hacer parpadear el sitio de esta pieza</translation>
    </message>
    <message>
        <source>S&amp;olve Piece!</source>
        <translation>¡&amp;Colocar pieza!</translation>
    </message>
    <message>
        <source>|Put this piece where it belongs</source>
        <translation>|Poner esta pieza en su sitio</translation>
    </message>
    <message>
        <source>Rotate &amp;Right</source>
        <translation>Girar a la &amp;derecha</translation>
    </message>
    <message>
        <source>|Turn the piece a quarter turn clockwise</source>
        <translation>|Girar la pieza un cuarto de vuelta en el sentido de las agujas del reloj</translation>
    </message>
    <message>
        <source>Rotate &amp;Left</source>
        <translation>Girar a la &amp;izquierda</translation>
    </message>
    <message>
        <source>|Turn the piece a quarter turn anticlockwise</source>
        <translation>|Girar la pieza un cuarto de vuelta en sentido contrario a las agujas del reloj</translation>
    </message>
    <message>
        <source>Right &amp;Way Up!</source>
        <translation>¡&amp;Enderezar!</translation>
    </message>
    <message>
        <source>|Turn this piece the right way up</source>
        <translation>|Poner esta pieza del derecho</translation>
    </message>
    <message>
        <source>&amp;Unlock</source>
        <translation>Se&amp;parar</translation>
    </message>
    <message>
        <source>|Disconnect the piece from its neighbours</source>
        <translation>|Separar la pieza de sus vecinas</translation>
    </message>
    <message>
        <source>Send To &amp;Back</source>
        <translation>Enviar al &amp;fondo</translation>
    </message>
    <message>
        <source>|Put the piece behind all others</source>
        <translation>|Poner la pieza detrás de todas las demás</translation>
    </message>
    <message>
        <source>&amp;Show Neighbor!</source>
        <translation>¡Mostrar &amp;vecina!</translation>
    </message>
    <message>
        <source>|Flash a piece that fits this one</source>
        <translation>|Hacer parpadear una pieza que encaja con esta</translation>
    </message>
    <message>
        <source>&amp;Fetch Neighbor!</source>
        <translation>¡Traer veci&amp;na!</translation>
    </message>
    <message>
        <source>|Bring a piece that fits this one</source>
        <translation>|Traer una pieza que encaja con esta</translation>
    </message>
    <message>
        <source>Se&amp;lect all pieces</source>
        <translation>Se&amp;leccionar todas las piezas</translation>
    </message>
    <message>
        <source>|Pick up every piece in this tray</source>
        <translation>|Tomar todas las piezas de esta bandeja</translation>
    </message>
    <message>
        <source>&amp;Send Tray to Back</source>
        <translation>Bandeja al &amp;fondo</translation>
    </message>
    <message>
        <source>|Put this tray behind the others</source>
        <translation>|Poner esta bandeja detrás de las demás</translation>
    </message>
    <message>
        <source>D&amp;rop all pieces</source>
        <translation>&amp;Vaciar bandeja</translation>
    </message>
    <message>
        <source>|Empty this tray onto the board</source>
        <translation>|Vaciar esta bandeja sobre el tablero</translation>
    </message>
    <message>
        <source>&amp;Get pieces</source>
        <translation>&amp;Recoger piezas</translation>
    </message>
    <message>
        <source>|Gather single pieces into this tray</source>
        <translation>|Reunir piezas sueltas en esta bandeja</translation>
    </message>
    <message>
        <source>&amp;All pieces</source>
        <translation>&amp;Todas las piezas</translation>
    </message>
    <message>
        <source>|Gather every single piece</source>
        <translation>|Reunir todas las piezas sueltas</translation>
    </message>
    <message>
        <source>&amp;Edge pieces</source>
        <translation>Piezas de &amp;borde</translation>
    </message>
    <message>
        <source>|Gather the single edge pieces</source>
        <translation>|Reunir las piezas de borde sueltas</translation>
    </message>
    <message>
        <source>&amp;Middle pieces</source>
        <translation>Piezas del &amp;centro</translation>
    </message>
    <message>
        <source>|Gather the single middle pieces</source>
        <translation>|Reunir las piezas del centro sueltas</translation>
    </message>
    <message>
        <source>&amp;Fun pieces</source>
        <translation>Piezas de &amp;fantasía</translation>
    </message>
    <message>
        <source>|Gather the single fun pieces</source>
        <translation>|Reunir las piezas de fantasía sueltas</translation>
    </message>
    <message>
        <source>|Arrange this tray&apos;s pieces around its edge</source>
        <translation>|Ordenar las piezas de esta bandeja alrededor de su borde</translation>
    </message>
    <message>
        <source>|Arrange this tray&apos;s pieces in a grid</source>
        <translation>|Ordenar las piezas de esta bandeja en una cuadrícula</translation>
    </message>
    <message>
        <source>D&amp;isarrange Tray</source>
        <translation>Des&amp;ordenar bandeja</translation>
    </message>
    <message>
        <source>|Scatter this tray&apos;s pieces at random</source>
        <translation>|Esparcir al azar las piezas de esta bandeja</translation>
    </message>
    <message>
        <source>Tray &amp;Color</source>
        <translation>Color de la ban&amp;deja</translation>
    </message>
    <message>
        <source>|Choose the colour of this tray</source>
        <translation>|Elegir el color de esta bandeja</translation>
    </message>
    <message>
        <source>|Pick any colour for the tray</source>
        <translation>|Elegir cualquier color para la bandeja</translation>
    </message>
    <message>
        <source>|A tray colour that matches the picture</source>
        <translation>|Un color de bandeja a juego con la imagen</translation>
    </message>
    <message>
        <source>|A tray colour that contrasts with the picture</source>
        <translation>|Un color de bandeja que contrasta con la imagen</translation>
    </message>
    <message>
        <source>|The tray takes the board colour</source>
        <translation>|La bandeja toma el color del tablero</translation>
    </message>
    <message>
        <source>&amp;Tray Description...</source>
        <translation>Descri&amp;pción de la bandeja…</translation>
    </message>
    <message>
        <source>|Give this tray a name</source>
        <translation>|Dar un nombre a esta bandeja</translation>
    </message>
    <message>
        <source>&amp;Delete Tray!</source>
        <translation>¡&amp;Eliminar bandeja!</translation>
    </message>
    <message>
        <source>|Delete this tray; its pieces go to the board</source>
        <translation>|Eliminar esta bandeja; sus piezas pasan al tablero</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Tray %1 contains pieces which will be
placed on the background.

Ok to delete this tray?</source>
        <translation>La bandeja %1 contiene piezas que se
pondrán sobre el tablero.

¿Eliminar esta bandeja?</translation>
    </message>
    <message>
        <source>To use the scroll wheel, enable it in the Advanced Mouse options screen</source>
        <translation>Para usar la rueda del ratón, actívela en las opciones avanzadas del ratón</translation>
    </message>
    <message>
        <source>Rotation is currently disabled in the Options menu</source>
        <translation>La rotación está desactivada en el menú «Opciones»</translation>
    </message>
    <message>
        <source>Cheating is currently disabled in the Options menu</source>
        <translation>Las trampas están desactivadas en el menú «Opciones»</translation>
    </message>
    <message>
        <source>Mouse: Left=Fetch neighbor, Right=Show neighbor</source>
        <translation>Ratón: izquierdo=traer vecina, derecho=mostrar vecina</translation>
    </message>
    <message>
        <source>Mouse: Left=Rotate left, Right=Rotate right</source>
        <translation>Ratón: izquierdo=girar a la izquierda, derecho=girar a la derecha</translation>
    </message>
    <message>
        <source>Mouse: Left=Solve piece onto ghost, Right=Flash solution</source>
        <translation>Ratón: izquierdo=colocar la pieza en el fantasma, derecho=mostrar solución</translation>
    </message>
    <message>
        <source>Enable the background ghost to use these shortcuts</source>
        <translation>Active la imagen fantasma para usar estos atajos</translation>
    </message>
    <message>
        <source>Generating: </source>
        <translation>Generando: </translation>
    </message>
    <message>
        <source>This free jigsaw gift was created by Quillmere version %s.
Click on our home page below for a free demo of all the other great features of the game. Or order the full version now!</source>
        <translation>Este puzle de regalo gratuito se creó con Quillmere versión %s.
Haga clic abajo en nuestra página web para probar gratis todas las demás funciones del juego. ¡O pida ya la versión completa!</translation>
    </message>
    <message>
        <source>File %1 could not be written. The disk may be full, read-only or off-line</source>
        <translation>No se pudo escribir el archivo %1. Puede que el disco esté lleno, sea de solo lectura o esté desconectado</translation>
    </message>
    <message>
        <source>This jigsaw gift file is damaged and cannot be opened</source>
        <translation>Este archivo de puzle de regalo está dañado y no se puede abrir</translation>
    </message>
    <message>
        <source>The puzzle has rotated pieces but the rotation option is currently disabled. Press &apos;Yes&apos; to turn all pieces the right way up or &apos;No&apos; to re-enable rotation.</source>
        <translation>El puzle tiene piezas giradas, pero la rotación está desactivada. Pulse «Sí» para poner todas las piezas del derecho o «No» para volver a activar la rotación.</translation>
    </message>
    <message>
        <source>Would you like some pieces randomly rotated now?</source>
        <translation>¿Quiere que se giren ahora algunas piezas al azar?</translation>
    </message>
    <message>
        <source>Insufficient graphics resources to set such a large piece size - reducing the number of colors of your desktop may help. Setting scale factor back to 100%...</source>
        <translation>No hay recursos gráficos suficientes para un tamaño de pieza tan grande; reducir el número de colores del escritorio puede ayudar. Volviendo a la escala del 100&#xa0;%…</translation>
    </message>
    <message numerus="yes">
        <source>%n pieces</source>
        <comment>a count of pieces</comment>
        <translation>
            <numerusform>%n pieza</numerusform>
            <numerusform>%n piezas</numerusform>
        </translation>
    </message>
    <message>
        <source>. You used Auto-solve!</source>
        <translation>. ¡Ha usado la resolución automática!</translation>
    </message>
    <message>
        <source> without cheating!</source>
        <translation> ¡sin trampas!</translation>
    </message>
    <message>
        <source> by cheating once!</source>
        <translation> ¡con una trampa!</translation>
    </message>
    <message>
        <source>You solved all %1 in %2 and %3</source>
        <translation>Ha colocado las %1 en %2 y %3</translation>
    </message>
    <message>
        <source>Created %1 by version %2 </source>
        <translation>Creado el %1 con la versión %2 </translation>
    </message>
    <message>
        <source>Solved %1 of %2</source>
        <translation>%1 de %2 colocadas</translation>
    </message>
    <message>
        <source>|Jigsaw is %1% complete, %2 pieces solved per minute</source>
        <translation>|Puzle completado al %1&#xa0;%, %2 piezas colocadas por minuto</translation>
    </message>
    <message>
        <source>The saved game %1 cannot be removed. %2. The new game starts all the same; the saved one is offered again at the next start unless this game is saved over it.</source>
        <translation>No se puede eliminar la partida guardada %1. %2. La partida nueva empieza igualmente; la guardada se volverá a ofrecer en el próximo inicio, salvo que esta partida la sobrescriba.</translation>
    </message>
    <message>
        <source>%1 A new game is started instead.</source>
        <translation>%1 En su lugar empieza una partida nueva.</translation>
    </message>
    <message>
        <source>size/shape</source>
        <translation>tamaño/forma</translation>
    </message>
    <message>
        <source>arrange</source>
        <translation>ordenar</translation>
    </message>
    <message>
        <source>arrange tray</source>
        <translation>ordenar bandeja</translation>
    </message>
    <message>
        <source>disarrange</source>
        <translation>desordenar</translation>
    </message>
    <message>
        <source>disarrange tray</source>
        <translation>desordenar bandeja</translation>
    </message>
    <message>
        <source>tray operation</source>
        <translation>operación de bandeja</translation>
    </message>
    <message>
        <source>auto-solve</source>
        <translation>resolución automática</translation>
    </message>
    <message>
        <source>move ghost</source>
        <translation>mover fantasma</translation>
    </message>
    <message>
        <source>move pieces</source>
        <translation>mover piezas</translation>
    </message>
    <message>
        <source>rotate pieces</source>
        <translation>girar piezas</translation>
    </message>
    <message>
        <source>right way up</source>
        <translation>enderezar</translation>
    </message>
    <message>
        <source>cheat</source>
        <translation>trampa</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rehacer: %1</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Deshacer: %1</translation>
    </message>
    <message>
        <source>Sorting colors: </source>
        <translation>Ordenando colores: </translation>
    </message>
    <message>
        <source>Rotating: </source>
        <translation>Girando: </translation>
    </message>
    <message>
        <source>Drawing: </source>
        <translation>Dibujando: </translation>
    </message>
    <message>
        <source>The custom piece shapes in this jigsaw gift are damaged</source>
        <translation>Las formas de pieza personalizadas de este regalo están dañadas</translation>
    </message>
    <message numerus="yes">
        <source> by cheating %n times!</source>
        <comment>more than once</comment>
        <translation>
            <numerusform> ¡con %n trampa!</numerusform>
            <numerusform> ¡con %n trampas!</numerusform>
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
            <numerusform>Ha colocado %1 de %n pieza</numerusform>
            <numerusform>Ha colocado %1 de %n piezas</numerusform>
        </translation>
    </message>
    <message>
        <source>You are in Mystery Mode and the picture is hidden!

Press Yes to exit Mystery Mode and reveal the jigsaw.</source>
        <translation>¡Está en modo misterio y la imagen está oculta!

Pulse «Sí» para salir del modo misterio y descubrir el puzle.</translation>
    </message>
    <message>
        <source>Press Yes to exit Mystery Mode. You may then use the jigsaw preview tools.</source>
        <translation>Pulse «Sí» para salir del modo misterio. Después podrá usar las herramientas de vista previa.</translation>
    </message>
    <message>
        <source>Press Yes to enter Mystery Mode and hide any jigsaw preview pictures.</source>
        <translation>Pulse «Sí» para entrar en el modo misterio y ocultar todas las imágenes de vista previa.</translation>
    </message>
    <message>
        <source>Press &apos;Yes&apos; to turn all pieces the right way up.</source>
        <translation>Pulse «Sí» para poner todas las piezas del derecho.</translation>
    </message>
    <message>
        <source>This will restart the jigsaw from scratch. Are you sure?</source>
        <translation>El puzle volverá a empezar desde el principio. ¿Desea continuar?</translation>
    </message>
    <message>
        <source>

The game has not been saved. Close the jigsaw without saving it?
Choose No to go back to the game.</source>
        <translation>

La partida no se ha guardado. ¿Cerrar el puzle sin guardarlo?
Pulse «No» para volver a la partida.</translation>
    </message>
    <message>
        <source>No web browser could be started to show %1</source>
        <translation>No se pudo abrir ningún navegador web para mostrar %1</translation>
    </message>
    <message>
        <source>No music was included in this jigsaw gift file.</source>
        <translation>Este archivo de puzle de regalo no incluye música.</translation>
    </message>
    <message>
        <source>Cannot create file %1. %2.</source>
        <translation>No se puede crear el archivo %1. %2.</translation>
    </message>
    <message>
        <source>Cannot write file %1. %2.</source>
        <translation>No se puede escribir el archivo %1. %2.</translation>
    </message>
    <message>
        <source>The picture could not be read: %1</source>
        <translation>No se pudo leer la imagen: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>The picture of this jigsaw is too large: at most %1 pixels wide and high can be cut into pieces</source>
        <translation>La imagen de este puzle es demasiado grande: solo se pueden cortar en piezas imágenes de %1 píxeles de ancho y de alto como máximo</translation>
    </message>
    <message>
        <source>The pieces cannot be cut at %1%: the picture would be larger than %2 pixels wide or high</source>
        <translation>Las piezas no se pueden cortar al %1&#xa0;%: la imagen superaría los %2 píxeles de ancho o de alto</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>No se puede abrir el archivo «%1». %2</translation>
    </message>
    <message numerus="yes">
        <source>This program needs HiColor mode (64K colors) or better and so is unable to continue while your desktop is set to %n colors. Would you like to change your settings now?</source>
        <comment>colours of the desktop</comment>
        <translation>
            <numerusform>Este programa necesita el modo HiColor (64K colores) o superior y no puede continuar mientras su escritorio esté configurado con %n color. ¿Desea cambiar la configuración ahora?</numerusform>
            <numerusform>Este programa necesita el modo HiColor (64K colores) o superior y no puede continuar mientras su escritorio esté configurado con %n colores. ¿Desea cambiar la configuración ahora?</numerusform>
        </translation>
    </message>
    <message>
        <source>An unexpected error stopped the operation</source>
        <translation>Un error inesperado ha detenido la operación</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>la imagen es demasiado grande</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; is damaged and cannot be resumed.</source>
        <translation>La partida guardada «%1» está dañada y no se puede reanudar.</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; cannot be read: %2.</source>
        <translation>No se puede leer la partida guardada «%1»: %2.</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; cannot be read.</source>
        <translation>No se puede leer la partida guardada «%1».</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; was made by a newer version of this program and cannot be resumed.</source>
        <translation>La partida guardada «%1» se hizo con una versión más reciente de este programa y no se puede reanudar.</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; belongs to another jigsaw and cannot be resumed.</source>
        <translation>La partida guardada «%1» pertenece a otro puzle y no se puede reanudar.</translation>
    </message>
    <message>
        <source>the file is not a JPEG picture</source>
        <translation>el archivo no es una imagen JPEG</translation>
    </message>
    <message>
        <source>the picture is cut short</source>
        <translation>la imagen está incompleta</translation>
    </message>
</context>
<context>
    <name>PortableStart</name>
    <message>
        <source>This gift could not be opened: there is no folder where its player can be unpacked (it needs about 60 MB). Free some disk space in your home folder and open the gift again.</source>
        <translation>No se pudo abrir este regalo: no hay ninguna carpeta donde descomprimir su programa de juego (necesita unos 60 MB). Libere espacio en disco en su carpeta personal y vuelva a abrir el regalo.</translation>
    </message>
    <message>
        <source>This gift could not be opened: the file is damaged or incomplete. Download it again, or ask the sender to send it once more.</source>
        <translation>No se pudo abrir este regalo: el archivo está dañado o incompleto. Descárguelo de nuevo o pida al remitente que se lo vuelva a enviar.</translation>
    </message>
    <message>
        <source>This gift could not be opened.</source>
        <translation>No se pudo abrir este regalo.</translation>
    </message>
    <message>
        <source>Details:</source>
        <translation>Detalles:</translation>
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
        <translation>Porcentaje completado</translation>
    </message>
    <message>
        <source>Stop!</source>
        <translation>¡Parar!</translation>
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
        <translation>Ajustar la velocidad</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>Sound effects</source>
        <translation>Efectos de sonido</translation>
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
        <translation>¡Visite ahora nuestro sitio web!</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Pedir</translation>
    </message>
    <message>
        <source>Connect to our Online Store now!</source>
        <translation>¡Visite ahora nuestra tienda en línea!</translation>
    </message>
    <message>
        <source>Play...</source>
        <translation>Jugar…</translation>
    </message>
    <message>
        <source>Play the jigsaw</source>
        <translation>Jugar al puzle</translation>
    </message>
    <message>
        <source>Exit...</source>
        <translation>Salir…</translation>
    </message>
    <message>
        <source>Resume game...</source>
        <translation>Reanudar partida…</translation>
    </message>
    <message>
        <source>Save game...</source>
        <translation>Guardar partida…</translation>
    </message>
    <message>
        <source>Free gift edition - share it with your friends!</source>
        <translation>Edición de regalo gratuita: ¡compártala con sus amigos!</translation>
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
        <translation>uso: quillmere-wrap --picture IMAGEN -o REGALO [--portable | --player PLAYER] [opciones]
  -o REGALO               el regalo que se escribe; -o NOMBRE.zip escribe un archivo zip con
                          el regalo NOMBRE, que los gestores de archivos extraen listo para usar
  --portable              copiar el programa de juego portátil: el regalo funciona también sin Qt
  --player PLAYER         el programa de juego que se copia (por defecto: el instalado con quillmere-wrap)
  --picture ARCHIVO       la imagen del puzle: JPEG (también CMYK), PNG, HEIC/HEIF, AVIF,
                          WebP, TIFF, BMP, GIF o cualquier otro archivo de imagen que lea
                          el Qt de este sistema; enderezada según su orientación y
                          guardada como JPEG
  --max-size AxH          una imagen más grande se reduce para caber en AxH (por defecto
                          1280x800: una pantalla de 1920 x 1080, sin el título de la ventana,
                          los menús, la barra de herramientas, la barra de bandejas y la barra
                          de estado, deja un tablero de unos 1700 x 850, donde caben una imagen
                          de 1280 x 800 y sus piezas esparcidas)
  --keep-size             guardar la imagen con su tamaño original (8191 por lado como máximo)
  --pieces N              piezas pedidas, al menos 2 (por defecto 100)
  --seed N                semilla aleatoria de las formas y de la primera disposición (por defecto 1)
  --style S               classic, blip, square, star, round, mix, o 1..6
  --oddness N             irregularidad de las formas 0..10 (por defecto 5)
  --outline S             none, foil, paper, card, wood, o 0..4
  --rotation on|off       las piezas se pueden girar
  --mystery on|off        empezar en modo misterio
  --fun N                 ajuste de piezas de fantasía 0..10
  --board-colour C        color del tablero: un nombre como clTeal, un número o $BBGGRR
  --title T  --creator T  --description T
  --opening T  --closing T            los mensajes del remitente (&quot;\n&quot; salta de línea)
  --language CODE         el idioma del programa de juego, como de o pl
                          (por defecto: el del destinatario)
  --opening-colour C  --closing-colour C   fondos de los mensajes (nombres de color tal como se guardan)
  --opening-align A  --closing-align A     left, right o centre
  --opening-font-name F  --opening-font-height H  --opening-font-style BITS  --opening-font-colour C
  --closing-font-name F  --closing-font-height H  --closing-font-style BITS  --closing-font-colour C
  --creator-version V     (por defecto v6.13)
  --created DÍAS          días desde el 30 de diciembre de 1899
  --music ARCHIVO  [--music-extension .EXT]   WAV, FLAC, Ogg Vorbis, Opus, MP3; MIDI mediante FluidSynth
  --skin ARCHIVO          la imagen de la barra de herramientas, cualquier archivo de imagen (guardado como JPEG)
  --templates ARCHIVO --template-count N
Los textos son UTF-8 en cualquier escritura. Título, autor, descripción y mensajes admiten
hasta 256, 256, 4096, 4096 y 4096 bytes de UTF-8; los programas de juego anteriores al bloque
de texto muestran su forma Windows-1252 más parecida. Los nombres de fuente y de color deben
ser Windows-1252. Los textos que no caben se rechazan indicando el campo. Muestra el tamaño con
que se guardó la imagen y por qué, el tamaño del regalo y qué hace el destinatario para abrirlo.
</translation>
    </message>
    <message>
        <source>%1 needs a whole number from %2 to %3</source>
        <translation>%1 necesita un número entero de %2 a %3</translation>
    </message>
    <message>
        <source>%1 takes on or off</source>
        <translation>%1 admite on u off</translation>
    </message>
    <message>
        <source>%1: unknown colour &quot;%2&quot;</source>
        <translation>%1: color desconocido «%2»</translation>
    </message>
    <message>
        <source>%1 takes WxH, such as 1280x800</source>
        <translation>%1 admite AnchoxAlto, como 1280x800</translation>
    </message>
    <message>
        <source>Wrote %1 (%2), holding the gift %3 (%4).
The recipient extracts it and double-clicks %3.
</source>
        <translation>Se ha escrito %1 (%2), que contiene el regalo %3 (%4).
El destinatario lo extrae y hace doble clic en %3.
</translation>
    </message>
    <message>
        <source>Wrote %1 (%2).
The recipient double-clicks it. Sent as it is, it arrives without its execute bit:
send %3.zip (-o NAME.zip) to keep it.
</source>
        <translation>Se ha escrito %1 (%2).
El destinatario hace doble clic en él. Si se envía tal cual, llega sin su permiso de ejecución:
envíe %3.zip (-o NAME.zip) para conservarlo.
</translation>
    </message>
    <message>
        <source>Where a desktop does not start it, Properties &gt; Allow executing as program
(or chmod +x in a terminal) lets it run.
</source>
        <translation>Si un escritorio no lo inicia, Propiedades &gt; Permitir ejecutar el archivo como un programa
(o chmod +x en una terminal) permite ejecutarlo.
</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opción desconocida %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesita un valor</translation>
    </message>
    <message>
        <source>Give either --portable or --player, not both</source>
        <translation>Indique --portable o --player, no ambos</translation>
    </message>
    <message>
        <source>Picture stored at %1</source>
        <translation>Imagen guardada en %1</translation>
    </message>
</context>
<context>
    <name>quill::AboutBox</name>
    <message>
        <source>Free gift edition - share it with your friends!
All pictures and sounds made for Quillmere Gift.</source>
        <translation>Edición de regalo gratuita: ¡compártala con sus amigos!
Todas las imágenes y sonidos se crearon para Quillmere Gift.</translation>
    </message>
    <message>
        <source>About Quillmere Gift</source>
        <translation>Acerca de Quillmere Gift</translation>
    </message>
    <message>
        <source>This is a free gift - not for retail sale or distribution.</source>
        <translation>Esto es un regalo gratuito: no está destinado a la venta ni a la distribución.</translation>
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
        <translation>Información:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Estado:</translation>
    </message>
    <message>
        <source>About this jigsaw</source>
        <translation>Acerca de este puzle</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Información</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descripción</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copy the selected text to the Windows clipboard</source>
        <translation>Copiar el texto seleccionado al portapapeles</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Editar…</translation>
    </message>
    <message>
        <source>Edit the jigsaw description</source>
        <translation>Editar la descripción del puzle</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleccionar &amp;todo</translation>
    </message>
    <message>
        <source>Select all the description text</source>
        <translation>Seleccionar todo el texto de la descripción</translation>
    </message>
</context>
<context>
    <name>quill::CongratsDialog</name>
    <message>
        <source>You solved it!</source>
        <translation>¡Lo ha resuelto!</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>¡Enhorabuena!</translation>
    </message>
</context>
<context>
    <name>quill::CutPreview</name>
    <message>
        <source>Open a picture to see how it is cut</source>
        <translation>Abra una imagen para ver cómo se corta</translation>
    </message>
</context>
<context>
    <name>quill::GiftMadeDialog</name>
    <message>
        <source>I made you a jigsaw puzzle! To open it:
</source>
        <translation>¡Le he hecho un puzle! Para abrirlo:
</translation>
    </message>
    <message>
        <source>1. Save %1 and extract it (right-click it, Extract Here).
2. Double-click %2 to start the puzzle.
</source>
        <translation>1. Guarde %1 y descomprímalo (clic derecho sobre él, «Extraer aquí»).
2. Haga doble clic en %2 para empezar el puzle.
</translation>
    </message>
    <message>
        <source>1. Save %1.
2. Double-click it to start the puzzle.
</source>
        <translation>1. Guarde %1.
2. Haga doble clic en él para empezar el puzle.
</translation>
    </message>
    <message>
        <source>If double-clicking does nothing, right-click %1, choose Properties and tick &quot;Allow executing as program&quot; (or type chmod +x %1 in a terminal), then double-click it again. It runs on Linux.</source>
        <translation>Si el doble clic no hace nada, haga clic derecho en %1, elija «Propiedades» y marque «Permitir ejecutar el archivo como un programa» (o escriba chmod +x %1 en una terminal); luego vuelva a hacer doble clic. Funciona en Linux.</translation>
    </message>
    <message>
        <source>Gift made</source>
        <translation>Regalo creado</translation>
    </message>
    <message>
        <source>The gift is saved as &lt;b&gt;%1&lt;/b&gt; (%2) in %3.</source>
        <translation>El regalo se ha guardado como &lt;b&gt;%1&lt;/b&gt; (%2) en %3.</translation>
    </message>
    <message>
        <source> The zip archive holds the gift %1 (%2).</source>
        <translation> El archivo zip contiene el regalo %1 (%2).</translation>
    </message>
    <message>
        <source>Language of the gift: %1</source>
        <translation>Idioma del regalo: %1</translation>
    </message>
    <message>
        <source>&amp;Send this text with the gift:</source>
        <translation>&amp;Envíe este texto con el regalo:</translation>
    </message>
    <message>
        <source>How the recipient opens the gift; you can change it</source>
        <translation>Cómo abre el regalo el destinatario; puede cambiar el texto</translation>
    </message>
    <message>
        <source>&amp;Copy text</source>
        <translation>&amp;Copiar texto</translation>
    </message>
    <message>
        <source>Copies the text, to paste it into a mail or a message</source>
        <translation>Copia el texto para pegarlo en un correo o un mensaje</translation>
    </message>
    <message>
        <source>Show &amp;folder</source>
        <translation>&amp;Mostrar carpeta</translation>
    </message>
    <message>
        <source>Opens the folder the gift was saved in</source>
        <translation>Abre la carpeta donde se guardó el regalo</translation>
    </message>
</context>
<context>
    <name>quill::Magnifier</name>
    <message>
        <source>This desktop does not let programs read the screen, so the loupe cannot magnify it here.</source>
        <translation>Este escritorio no permite a los programas leer la pantalla, así que la lupa no puede ampliarla aquí.</translation>
    </message>
</context>
<context>
    <name>quill::MakerWindow</name>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.heic *.heif *.avif *.webp *.tif *.tiff *.bmp *.gif);;All files (*)</source>
        <translation>Imágenes (*.jpg *.jpeg *.png *.heic *.heif *.avif *.webp *.tif *.tiff *.bmp *.gif);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Fit for screens up to 1280 × 800</source>
        <translation>Ajustar a pantallas de hasta 1280 × 800</translation>
    </message>
    <message>
        <source>Fit for screens up to 1920 × 1080</source>
        <translation>Ajustar a pantallas de hasta 1920 × 1080</translation>
    </message>
    <message>
        <source>Fit for screens up to 2560 × 1440</source>
        <translation>Ajustar a pantallas de hasta 2560 × 1440</translation>
    </message>
    <message>
        <source>Keep its own size</source>
        <translation>Mantener el tamaño original</translation>
    </message>
    <message>
        <source>the recipient&apos;s own</source>
        <translation>la del destinatario</translation>
    </message>
    <message>
        <source>Quillmere Gift Maker</source>
        <translation>Quillmere Gift Maker</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Imagen</translation>
    </message>
    <message>
        <source>P&amp;ieces</source>
        <translation>&amp;Piezas</translation>
    </message>
    <message>
        <source>M&amp;essages</source>
        <translation>Me&amp;nsajes</translation>
    </message>
    <message>
        <source>Music and s&amp;kin</source>
        <translation>Música y &amp;aspecto</translation>
    </message>
    <message>
        <source>The parts of the gift</source>
        <translation>Las partes del regalo</translation>
    </message>
    <message>
        <source>The picture with the pieces as the gift will cut them</source>
        <translation>La imagen con las piezas tal como el regalo la cortará</translation>
    </message>
    <message>
        <source>How far writing the gift has come</source>
        <translation>El progreso de la escritura del regalo</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Elegir…</translation>
    </message>
    <message>
        <source>&amp;Open picture...</source>
        <translation>A&amp;brir imagen…</translation>
    </message>
    <message>
        <source>Chooses the picture of the puzzle (Ctrl+O; you can also drop a picture on the window)</source>
        <translation>Elige la imagen del puzle (Ctrl+O; también puede soltar una imagen sobre la ventana)</translation>
    </message>
    <message>
        <source>No picture yet</source>
        <translation>Todavía no hay imagen</translation>
    </message>
    <message>
        <source>The picture file</source>
        <translation>El archivo de la imagen</translation>
    </message>
    <message>
        <source>The picture&apos;s size and the size the gift stores</source>
        <translation>El tamaño de la imagen y el tamaño que guarda el regalo</translation>
    </message>
    <message>
        <source>The size the gift stores the picture at: a smaller picture makes a smaller gift and fits smaller screens</source>
        <translation>El tamaño con el que el regalo guarda la imagen: una imagen más pequeña da un regalo más pequeño y cabe en pantallas más pequeñas</translation>
    </message>
    <message>
        <source>Stored si&amp;ze:</source>
        <translation>Tamaño &amp;guardado:</translation>
    </message>
    <message>
        <source>About the gift</source>
        <translation>Acerca del regalo</translation>
    </message>
    <message>
        <source>The puzzle&apos;s title</source>
        <translation>El título del puzle</translation>
    </message>
    <message>
        <source>Your name, as the recipient sees it</source>
        <translation>Su nombre, tal como lo verá el destinatario</translation>
    </message>
    <message>
        <source>A few words about the picture</source>
        <translation>Unas palabras sobre la imagen</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>Títu&amp;lo:</translation>
    </message>
    <message>
        <source>C&amp;reator:</source>
        <translation>A&amp;utor:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Descripción:</translation>
    </message>
    <message>
        <source>The language of the gift&apos;s menus, buttons and help; the recipient&apos;s own is the one their computer is set to</source>
        <translation>El idioma de los menús, botones y ayuda del regalo; el del destinatario es el que tiene configurado su ordenador</translation>
    </message>
    <message>
        <source>&amp;Language of the gift:</source>
        <translation>Idio&amp;ma del regalo:</translation>
    </message>
    <message>
        <source>How many pieces you ask for; the grid comes nearest to it</source>
        <translation>Cuántas piezas pide; la cuadrícula se acerca a ese número lo más posible</translation>
    </message>
    <message>
        <source>The grid the picture is cut into</source>
        <translation>La cuadrícula en que se corta la imagen</translation>
    </message>
    <message>
        <source>Piece &amp;count:</source>
        <translation>Número &amp;de piezas:</translation>
    </message>
    <message>
        <source>The shape of the pieces</source>
        <translation>La forma de las piezas</translation>
    </message>
    <message>
        <source>&amp;Style:</source>
        <translation>&amp;Estilo:</translation>
    </message>
    <message>
        <source>How irregular the pieces are, 0 to 10</source>
        <translation>Lo irregulares que son las piezas, de 0 a 10</translation>
    </message>
    <message>
        <source>&amp;Oddness:</source>
        <translation>Irreg&amp;ularidad:</translation>
    </message>
    <message>
        <source> %</source>
        <translation>&#xa0;%</translation>
    </message>
    <message>
        <source>The share of fun pieces cut from the templates, in steps of 10 %</source>
        <translation>La proporción de piezas de fantasía cortadas según las plantillas, en pasos del 10&#xa0;%</translation>
    </message>
    <message>
        <source>A file of piece templates for the fun pieces</source>
        <translation>Un archivo de plantillas de piezas para las piezas de fantasía</translation>
    </message>
    <message>
        <source>Choose a template file</source>
        <translation>Elegir un archivo de plantillas</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>How many templates the file holds</source>
        <translation>Cuántas plantillas contiene el archivo</translation>
    </message>
    <message>
        <source>&amp;Templates:</source>
        <translation>P&amp;lantillas:</translation>
    </message>
    <message>
        <source>&amp;Rotation</source>
        <translation>&amp;Girar piezas</translation>
    </message>
    <message>
        <source>Pieces start turned and must be turned upright</source>
        <translation>Las piezas empiezan giradas y hay que ponerlas del derecho</translation>
    </message>
    <message>
        <source>How the pieces&apos; edges are drawn</source>
        <translation>Cómo se dibujan los contornos de las piezas</translation>
    </message>
    <message>
        <source>O&amp;utlines:</source>
        <translation>Contorno&amp;s:</translation>
    </message>
    <message>
        <source>Mystery mo&amp;de</source>
        <translation>Modo &amp;misterio</translation>
    </message>
    <message>
        <source>The picture is not shown while solving</source>
        <translation>La imagen no se muestra durante la partida</translation>
    </message>
    <message>
        <source>&amp;Board colour...</source>
        <translation>Color del ta&amp;blero…</translation>
    </message>
    <message>
        <source>The colour of the board the pieces lie on</source>
        <translation>El color del tablero sobre el que están las piezas</translation>
    </message>
    <message>
        <source>Cuts the picture with other shapes of the same style</source>
        <translation>Corta la imagen con otras formas del mismo estilo</translation>
    </message>
    <message>
        <source>The message&apos;s text</source>
        <translation>El texto del mensaje</translation>
    </message>
    <message>
        <source>The message&apos;s font</source>
        <translation>La fuente del mensaje</translation>
    </message>
    <message>
        <source> pt</source>
        <translation> pt</translation>
    </message>
    <message>
        <source>The font&apos;s size</source>
        <translation>El tamaño de la fuente</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Negrita</translation>
    </message>
    <message>
        <source>Bold letters</source>
        <translation>Letras en negrita</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursiva</translation>
    </message>
    <message>
        <source>Slanted letters</source>
        <translation>Letras en cursiva</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Subrayado</translation>
    </message>
    <message>
        <source>Underlined letters</source>
        <translation>Letras subrayadas</translation>
    </message>
    <message>
        <source>Text colour...</source>
        <translation>Color del texto…</translation>
    </message>
    <message>
        <source>The colour of the letters</source>
        <translation>El color de las letras</translation>
    </message>
    <message>
        <source>Background...</source>
        <translation>Fondo…</translation>
    </message>
    <message>
        <source>The colour behind the message</source>
        <translation>El color detrás del mensaje</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>Centred</source>
        <translation>Centrado</translation>
    </message>
    <message>
        <source>How the lines are aligned</source>
        <translation>Cómo se alinean las líneas</translation>
    </message>
    <message>
        <source>Music played while solving</source>
        <translation>Música que suena durante la partida</translation>
    </message>
    <message>
        <source>Choose music</source>
        <translation>Elegir música</translation>
    </message>
    <message>
        <source>Music (*.mp3 *.ogg *.opus *.wav *.flac *.mid *.midi);;All files (*)</source>
        <translation>Música (*.mp3 *.ogg *.opus *.wav *.flac *.mid *.midi);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Plays or stops the music</source>
        <translation>Reproduce o detiene la música</translation>
    </message>
    <message>
        <source>A picture for the tool bar and panels</source>
        <translation>Una imagen para la barra de herramientas y los paneles</translation>
    </message>
    <message>
        <source>Choose a skin</source>
        <translation>Elegir un aspecto</translation>
    </message>
    <message>
        <source>The skin on a panel</source>
        <translation>El aspecto en un panel</translation>
    </message>
    <message>
        <source>Include e&amp;verything it needs to run (larger file)</source>
        <translation>Incluir &amp;todo lo necesario para funcionar (archivo más grande)</translation>
    </message>
    <message>
        <source>The gift brings the libraries it needs, so it runs on any Linux computer; most recipients need this</source>
        <translation>El regalo lleva las bibliotecas que necesita y así funciona en cualquier ordenador con Linux; la mayoría de los destinatarios lo necesitan</translation>
    </message>
    <message>
        <source>How large the gift will be</source>
        <translation>El tamaño que tendrá el regalo</translation>
    </message>
    <message>
        <source>Tr&amp;y it</source>
        <translation>Pr&amp;obar</translation>
    </message>
    <message>
        <source>Starts the gift as the recipient will see it</source>
        <translation>Abre el regalo tal como lo verá el destinatario</translation>
    </message>
    <message>
        <source>&amp;Make gift...</source>
        <translation>&amp;Crear regalo…</translation>
    </message>
    <message>
        <source>Saves the gift (Ctrl+S)</source>
        <translation>Guarda el regalo (Ctrl+S)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>A&amp;rchivo</translation>
    </message>
    <message>
        <source>&amp;Recent pictures</source>
        <translation>Imágenes &amp;recientes</translation>
    </message>
    <message>
        <source>(none yet)</source>
        <translation>(ninguna todavía)</translation>
    </message>
    <message>
        <source>&amp;Text to send with the gift...</source>
        <translation>&amp;Texto para enviar con el regalo…</translation>
    </message>
    <message>
        <source>Text to send</source>
        <translation>Texto para enviar</translation>
    </message>
    <message>
        <source>Make a gift first.</source>
        <translation>Cree primero un regalo.</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;How to make a gift</source>
        <translation>&amp;Cómo crear un regalo</translation>
    </message>
    <message>
        <source>How to make a gift</source>
        <translation>Cómo crear un regalo</translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 = %n pieces</source>
        <translation>
            <numerusform>%1 × %2 = %n pieza</numerusform>
            <numerusform>%1 × %2 = %n piezas</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 × %2 pixels; the gift stores %3</source>
        <translation>%1 × %2 píxeles; el regalo guarda %3</translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Abrir imagen</translation>
    </message>
    <message>
        <source>Choose a picture to see how large the gift will be.</source>
        <translation>Elija una imagen para ver el tamaño que tendrá el regalo.</translation>
    </message>
    <message>
        <source>The gift: about %1 (it runs where Qt 6 is installed).</source>
        <translation>El regalo: unos %1 (funciona donde esté instalado Qt 6).</translation>
    </message>
    <message>
        <source>The gift: about %1 with everything it needs to run on any Linux computer; %2 without.</source>
        <translation>El regalo: unos %1 con todo lo necesario para funcionar en cualquier ordenador con Linux; %2 sin ello.</translation>
    </message>
    <message>
        <source>The gift: about %1; %2 with everything it needs to run on any Linux computer.</source>
        <translation>El regalo: unos %1; %2 con todo lo necesario para funcionar en cualquier ordenador con Linux.</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>Choose a picture first</source>
        <translation>Elija primero una imagen</translation>
    </message>
    <message>
        <source>No player to copy was found beside the gift maker</source>
        <translation>No se encontró ningún programa de juego que copiar junto al creador de regalos</translation>
    </message>
    <message>
        <source>Save gift</source>
        <translation>Guardar regalo</translation>
    </message>
    <message>
        <source>Zip archive, ready to send (*.zip)</source>
        <translation>Archivo zip, listo para enviar (*.zip)</translation>
    </message>
    <message>
        <source>The gift program alone (*)</source>
        <translation>Solo el programa del regalo (*)</translation>
    </message>
    <message>
        <source>The gift is saved as %1 (%2)</source>
        <translation>El regalo se ha guardado como %1 (%2)</translation>
    </message>
    <message>
        <source>Opening message</source>
        <translation>Mensaje de bienvenida</translation>
    </message>
    <message>
        <source>Shown when the gift starts.</source>
        <translation>Se muestra al abrir el regalo.</translation>
    </message>
    <message>
        <source>Closing message</source>
        <translation>Mensaje de despedida</translation>
    </message>
    <message>
        <source>Your farewell, shown every time the gift is closed.</source>
        <translation>Su despedida, que se muestra cada vez que se cierra el regalo.</translation>
    </message>
    <message>
        <source>Fu&amp;n pieces:</source>
        <translation>Pie&amp;zas de fantasía:</translation>
    </message>
    <message>
        <source>Ne&amp;w shapes</source>
        <translation>Nuevas &amp;formas</translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation>R&amp;eproducir</translation>
    </message>
    <message>
        <source>M&amp;usic:</source>
        <translation>&amp;Música:</translation>
    </message>
    <message>
        <source>Ski&amp;n:</source>
        <translation>A&amp;specto:</translation>
    </message>
    <message>
        <source>&lt;ol&gt;&lt;li&gt;&lt;b&gt;Picture&lt;/b&gt;: open a photo (File, Open picture, or drop it on the window). JPEG, PNG, HEIC, AVIF, WebP and TIFF pictures are turned upright and stored at the size chosen; a title, your name, a few words and the language of the gift (the recipient&apos;s own unless you choose one) go with it.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Pieces&lt;/b&gt;: how many, their shape and style; the preview shows the cut.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Messages&lt;/b&gt;: the opening message greets the recipient when the gift starts; the closing message is your farewell, shown every time the gift is closed.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Music and skin&lt;/b&gt;: optional music while solving and a picture for the tool bar.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Try it&lt;/b&gt; starts the gift as the recipient will see it.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Make gift&lt;/b&gt; saves it, best as a .zip archive: sent as a bare file, a gift loses the right to run on its way. The window then gives a short text to send with it that tells the recipient how to open it: extract the .zip, double-click the gift, and where that does nothing, Properties, Allow executing as program.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;Include everything it needs to run, unless you know the recipient has Qt 6 installed.&lt;/p&gt;</source>
        <translation>&lt;ol&gt;&lt;li&gt;&lt;b&gt;Imagen&lt;/b&gt;: abra una foto (Archivo, Abrir imagen, o suéltela sobre la ventana). Las imágenes JPEG, PNG, HEIC, AVIF, WebP y TIFF se enderezan y se guardan al tamaño elegido; las acompañan un título, su nombre, unas palabras y el idioma del regalo (el del destinatario si no elige ninguno).&lt;/li&gt;&lt;li&gt;&lt;b&gt;Piezas&lt;/b&gt;: cuántas, su forma y su estilo; la vista previa muestra el corte.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Mensajes&lt;/b&gt;: el mensaje de bienvenida saluda al destinatario al abrir el regalo; el mensaje de despedida es su adiós, que se muestra cada vez que se cierra el regalo.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Música y aspecto&lt;/b&gt;: música opcional durante la partida y una imagen para la barra de herramientas.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Probar&lt;/b&gt; abre el regalo tal como lo verá el destinatario.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Crear regalo&lt;/b&gt; lo guarda, mejor como archivo .zip: enviado como archivo suelto, un regalo pierde por el camino el permiso de ejecución. La ventana le da luego un texto breve para enviar con él que explica al destinatario cómo abrirlo: descomprimir el .zip, hacer doble clic en el regalo y, si no pasa nada, Propiedades, Permitir ejecutar el archivo como un programa.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;Incluya todo lo necesario para funcionar, salvo que sepa que el destinatario tiene Qt 6 instalado.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>quill::MessagePreview</name>
    <message>
        <source>The message as the gift&apos;s splash screen shows it</source>
        <translation>El mensaje tal como lo muestra la pantalla de inicio del regalo</translation>
    </message>
</context>
<context>
    <name>quill::PieceSizeDialog</name>
    <message>
        <source>Classic|The traditional jigsaw piece style</source>
        <translation>Clásica|La forma tradicional de las piezas de puzle</translation>
    </message>
    <message>
        <source>Blip|Straight edges and round tabs</source>
        <translation>Botones|Bordes rectos y salientes redondos</translation>
    </message>
    <message>
        <source>Squares|Straight edges and no tabs</source>
        <translation>Cuadrados|Bordes rectos sin salientes</translation>
    </message>
    <message>
        <source>Stars|Straight edges and pointed tabs</source>
        <translation>Estrellas|Bordes rectos y salientes en punta</translation>
    </message>
    <message>
        <source>Bubbles|Curved edges and no tabs</source>
        <translation>Burbujas|Bordes curvos sin salientes</translation>
    </message>
    <message>
        <source>Mixture|A random mixture of all the different styles</source>
        <translation>Mezcla|Una mezcla al azar de todas las formas</translation>
    </message>
    <message>
        <source>Set Piece Size and Shape</source>
        <translation>Tamaño y forma de las piezas</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Tamaño:</translation>
    </message>
    <message>
        <source>|Set the size of pieces</source>
        <translation>|Ajustar el tamaño de las piezas</translation>
    </message>
    <message>
        <source>Oddness:</source>
        <translation>Irregularidad:</translation>
    </message>
    <message>
        <source>|Set the amount of shape irregularity</source>
        <translation>|Ajustar cuán irregulares son las formas</translation>
    </message>
    <message>
        <source>Fun pieces:</source>
        <translation>Piezas de fantasía:</translation>
    </message>
    <message>
        <source>|Set the percentage of custom pieces in jigsaw</source>
        <translation>|Ajustar el porcentaje de piezas de fantasía del puzle</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Apply changes</source>
        <translation>Aplicar los cambios</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>|Press OK to apply the new size</source>
        <translation>|Pulse Aceptar para aplicar el nuevo tamaño</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Help on this screen</source>
        <translation>Ayuda sobre esta ventana</translation>
    </message>
</context>
<context>
    <name>quill::QuickHelpDialog</name>
    <message>
        <source>Left mouse</source>
        <translation>Botón izquierdo</translation>
    </message>
    <message>
        <source>Move piece</source>
        <translation>Mover pieza</translation>
    </message>
    <message>
        <source>Right mouse</source>
        <translation>Botón derecho</translation>
    </message>
    <message>
        <source>Piece popup menu</source>
        <translation>Menú de la pieza</translation>
    </message>
    <message>
        <source>Shift+left mouse</source>
        <translation>Mayús+botón izquierdo</translation>
    </message>
    <message>
        <source>Fetch neighbor</source>
        <translation>Traer vecina</translation>
    </message>
    <message>
        <source>Shift+right mouse</source>
        <translation>Mayús+botón derecho</translation>
    </message>
    <message>
        <source>Show neighbor</source>
        <translation>Mostrar vecina</translation>
    </message>
    <message>
        <source>Ctrl+left mouse</source>
        <translation>Ctrl+botón izquierdo</translation>
    </message>
    <message>
        <source>Rotate piece left</source>
        <translation>Girar pieza a la izquierda</translation>
    </message>
    <message>
        <source>Ctrl+right mouse</source>
        <translation>Ctrl+botón derecho</translation>
    </message>
    <message>
        <source>Rotate piece right</source>
        <translation>Girar pieza a la derecha</translation>
    </message>
    <message>
        <source>Ctrl+Shift+left mouse</source>
        <translation>Ctrl+Mayús+botón izquierdo</translation>
    </message>
    <message>
        <source>Solve this piece</source>
        <translation>Colocar esta pieza</translation>
    </message>
    <message>
        <source>Ctrl+Shift+right mouse</source>
        <translation>Ctrl+Mayús+botón derecho</translation>
    </message>
    <message>
        <source>Show piece solution</source>
        <translation>Mostrar el sitio de la pieza</translation>
    </message>
    <message>
        <source>Scroll wheel click</source>
        <translation>Clic con la rueda</translation>
    </message>
    <message>
        <source>Hold piece</source>
        <translation>Sujetar pieza</translation>
    </message>
    <message>
        <source>Scroll wheel rotate</source>
        <translation>Girar la rueda</translation>
    </message>
    <message>
        <source>Rotate piece</source>
        <translation>Girar pieza</translation>
    </message>
    <message>
        <source>Drag band to select pieces</source>
        <translation>Arrastrar un marco para seleccionar piezas</translation>
    </message>
    <message>
        <source>Board popup menu</source>
        <translation>Menú del tablero</translation>
    </message>
    <message>
        <source>Left mouse (hold 3 seconds)</source>
        <translation>Botón izquierdo (mantener 3 segundos)</translation>
    </message>
    <message>
        <source>Move ghost around</source>
        <translation>Mover el fantasma</translation>
    </message>
    <message>
        <source>Fetch piece to ghost</source>
        <translation>Traer pieza al fantasma</translation>
    </message>
    <message>
        <source>Find piece to fit ghost</source>
        <translation>Encontrar la pieza del fantasma</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Zoom picture</source>
        <translation>Ampliar imagen</translation>
    </message>
    <message>
        <source>Picture window</source>
        <translation>Ventana de la imagen</translation>
    </message>
    <message>
        <source>Loupe window</source>
        <translation>Ventana de la lupa</translation>
    </message>
    <message>
        <source>Ghost background</source>
        <translation>Imagen fantasma de fondo</translation>
    </message>
    <message>
        <source>Advanced options</source>
        <translation>Opciones avanzadas</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Guardar partida</translation>
    </message>
    <message>
        <source>Hint!</source>
        <translation>¡Pista!</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Mouse click over a piece:</source>
        <translation>Clic sobre una pieza:</translation>
    </message>
    <message>
        <source>Mouse click over background:</source>
        <translation>Clic sobre el fondo:</translation>
    </message>
    <message>
        <source>Mouse click over ghost:</source>
        <translation>Clic sobre el fantasma:</translation>
    </message>
    <message>
        <source>Keyboard:</source>
        <translation>Teclado:</translation>
    </message>
    <message>
        <source>Quick help - shortcuts</source>
        <translation>Ayuda rápida: atajos</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>Más…</translation>
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
        <translation>Imagen</translation>
    </message>
</context>
<context>
    <name>quill::TrayDialog</name>
    <message>
        <source>Tray Description</source>
        <translation>Descripción de la bandeja</translation>
    </message>
    <message>
        <source>Enter a name or short description for tray:</source>
        <translation>Escriba un nombre o una breve descripción para la bandeja:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
</context>
</TS>
