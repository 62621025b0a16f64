<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>GiftMaking</name>
    <message>
        <source>The gift would be larger than 2 GB</source>
        <translation>Il regalo supererebbe i 2 GB</translation>
    </message>
    <message>
        <source>A gift needs a picture</source>
        <translation>Un regalo ha bisogno di un&apos;immagine</translation>
    </message>
    <message>
        <source>The picture is not a JPEG file</source>
        <translation>L&apos;immagine non è un file JPEG</translation>
    </message>
    <message>
        <source>The skin picture is not a JPEG file</source>
        <translation>L&apos;immagine della skin non è un file JPEG</translation>
    </message>
    <message>
        <source>A text of the gift holds &quot;%1&quot;, which marks the gift&apos;s header</source>
        <translation>Un testo del regalo contiene «%1», che segna l&apos;intestazione del regalo</translation>
    </message>
    <message>
        <source>A jigsaw needs at least %1 pieces</source>
        <translation>Un puzzle ha bisogno di almeno %1 tessere</translation>
    </message>
    <message>
        <source>The picture of %1x%2 pixels cut into %3 pieces gives a single piece, and a jigsaw needs at least %4: use a larger picture or ask for more pieces</source>
        <translation>L&apos;immagine di %1x%2 pixel tagliata in %3 tessere dà una tessera sola, mentre un puzzle ne richiede almeno %4: usa un&apos;immagine più grande o chiedi più tessere</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;</source>
        <translation>Impossibile aprire il file «%1»</translation>
    </message>
    <message>
        <source>File %1 could not be written</source>
        <translation>Impossibile scrivere il file %1</translation>
    </message>
    <message>
        <source>is needed</source>
        <translation>è obbligatorio</translation>
    </message>
    <message>
        <source>%1 (bytes that are not UTF-8)</source>
        <translation>%1 (byte che non sono UTF-8)</translation>
    </message>
    <message>
        <source>has characters a gift cannot hold (its texts are Windows-1252): %1</source>
        <translation>contiene caratteri che un regalo non può contenere (i suoi testi sono in Windows-1252): %1</translation>
    </message>
    <message>
        <source>is %1 characters long, %2 more than the %3 a gift holds</source>
        <translation>è lungo %1 caratteri, %2 in più dei %3 che un regalo può contenere</translation>
    </message>
    <message>
        <source>has bytes that are not UTF-8 text</source>
        <translation>contiene byte che non sono testo UTF-8</translation>
    </message>
    <message>
        <source>may not hold &quot;%1&quot;: it marks where the gift&apos;s settings start</source>
        <translation>non può contenere «%1»: segna l&apos;inizio delle impostazioni del regalo</translation>
    </message>
    <message>
        <source>is too long: %1 bytes of UTF-8, %2 more than the %3 a gift holds (a letter takes one byte in English, two in Polish or Russian, three in Japanese, four for an emoji)</source>
        <translation>è troppo lungo: %1 byte di UTF-8, %2 in più dei %3 che un regalo può contenere (una lettera occupa un byte in inglese, due in polacco o russo, tre in giapponese, quattro per un&apos;emoji)</translation>
    </message>
    <message>
        <source>is %1; it must be from %2 to %3</source>
        <translation>vale %1; deve essere compreso tra %2 e %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a colour name such as clCream nor a number</source>
        <translation>«%1» non è né un nome di colore come clCream né un numero</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file</source>
        <translation>«%1» non è un file</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read</source>
        <translation>impossibile leggere «%1»</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>la cartella «%1» non esiste</translation>
    </message>
    <message>
        <source>would overwrite &quot;%1&quot;, which the gift is made from</source>
        <translation>sovrascriverebbe «%1», da cui viene creato il regalo</translation>
    </message>
    <message>
        <source>a template block needs its number of templates, and a number needs the block</source>
        <translation>un blocco di modelli richiede il numero dei suoi modelli, e un numero richiede il blocco</translation>
    </message>
    <message>
        <source>the music&apos;s extension &quot;%1&quot; must be a dot and one to three letters or digits, such as .ogg</source>
        <translation>l&apos;estensione «%1» della musica deve essere un punto seguito da una a tre lettere o cifre, come .ogg</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language code such as de, pl or pt-BR</source>
        <translation>«%1» non è un codice di lingua come de, pl o pt-BR</translation>
    </message>
    <message>
        <source>Reading the skin</source>
        <translation>Lettura della skin</translation>
    </message>
    <message>
        <source>Reading the music and templates</source>
        <translation>Lettura della musica e dei modelli</translation>
    </message>
    <message>
        <source>Writing the gift</source>
        <translation>Scrittura del regalo</translation>
    </message>
    <message>
        <source>Packing the gift in a zip archive</source>
        <translation>Compressione del regalo in un archivio zip</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Completato</translation>
    </message>
    <message>
        <source>The zip archive could not be made (zlib did not start)</source>
        <translation>Impossibile creare l&apos;archivio zip (zlib non si è avviato)</translation>
    </message>
    <message>
        <source>The gift is too large for a zip archive (4 GB and more)</source>
        <translation>Il regalo è troppo grande per un archivio zip (4 GB o più)</translation>
    </message>
    <message>
        <source>The HEIF picture could not be read (%1: %2): save it as JPEG or PNG first</source>
        <translation>Impossibile leggere l&apos;immagine HEIF (%1: %2): salvala prima come JPEG o PNG</translation>
    </message>
    <message>
        <source>The HEIF picture has no pixels: save it as JPEG or PNG first</source>
        <translation>L&apos;immagine HEIF non ha pixel: salvala prima come JPEG o PNG</translation>
    </message>
    <message>
        <source>No portable player found at %1; give the player to copy with --player PLAYER</source>
        <translation>Nessun programma di gioco portabile trovato in %1; indica il programma di gioco da copiare con --player PLAYER</translation>
    </message>
    <message>
        <source>No player found at %1; give the player to copy with --player PLAYER</source>
        <translation>Nessun programma di gioco trovato in %1; indica il programma di gioco da copiare con --player PLAYER</translation>
    </message>
    <message>
        <source>Install FluidSynth and a General MIDI sound font (the Debian packages fluidsynth and fluid-soundfont-gm), or save the music as Ogg Vorbis, MP3, FLAC or WAV.</source>
        <translation>Installa FluidSynth e un banco di suoni General MIDI (i pacchetti Debian fluidsynth e fluid-soundfont-gm), oppure salva la musica come Ogg Vorbis, MP3, FLAC o WAV.</translation>
    </message>
    <message>
        <source>The music file cannot be read.</source>
        <translation>Impossibile leggere il file musicale.</translation>
    </message>
    <message>
        <source>The MIDI music gave no sound.</source>
        <translation>La musica MIDI non ha prodotto alcun suono.</translation>
    </message>
    <message>
        <source>The MIDI music cannot be stored as Ogg Vorbis.</source>
        <translation>Impossibile salvare la musica MIDI come Ogg Vorbis.</translation>
    </message>
    <message>
        <source>MIDI music needs FluidSynth and a General MIDI sound font to be turned into sound every computer can play.</source>
        <translation>La musica MIDI richiede FluidSynth e un banco di suoni General MIDI per diventare un suono che ogni computer può riprodurre.</translation>
    </message>
    <message>
        <source>There is no room for the MIDI music&apos;s sound.</source>
        <translation>Non c&apos;è spazio per il suono della musica MIDI.</translation>
    </message>
    <message>
        <source>FluidSynth could not play the MIDI music.</source>
        <translation>FluidSynth non è riuscito a riprodurre la musica MIDI.</translation>
    </message>
    <message>
        <source>FluidSynth could not play the MIDI music: %1</source>
        <translation>FluidSynth non è riuscito a riprodurre la musica MIDI: %1</translation>
    </message>
    <message>
        <source>Picture ready</source>
        <translation>Immagine pronta</translation>
    </message>
    <message>
        <source>The picture is %1 pixels: more than the %2 million pixels the gift maker reads</source>
        <translation>L&apos;immagine ha %1 pixel: più dei %2 milioni di pixel che il creatore di regali può leggere</translation>
    </message>
    <message>
        <source>This is not a picture the gift maker can read (it reads %1): save it as JPEG or PNG first</source>
        <translation>Il creatore di regali non sa leggere questa immagine (legge %1): salvala prima come JPEG o PNG</translation>
    </message>
    <message>
        <source>The picture could not be read (%1): save it as JPEG or PNG first</source>
        <translation>Impossibile leggere l&apos;immagine (%1): salvala prima come JPEG o PNG</translation>
    </message>
    <message>
        <source>The picture would be stored at %1 pixels; the player cuts pictures of at most %2 pixels a side, so let it be fitted to a smaller size</source>
        <translation>L&apos;immagine verrebbe salvata a %1 pixel; il programma di gioco taglia immagini di %2 pixel per lato al massimo, quindi lascia che venga adattata a dimensioni più piccole</translation>
    </message>
    <message>
        <source>The picture file is empty</source>
        <translation>Il file dell&apos;immagine è vuoto</translation>
    </message>
    <message>
        <source>Reading the picture</source>
        <translation>Lettura dell&apos;immagine</translation>
    </message>
    <message>
        <source>Turning the picture upright</source>
        <translation>Raddrizzamento dell&apos;immagine</translation>
    </message>
    <message>
        <source>Scaling the picture</source>
        <translation>Ridimensionamento dell&apos;immagine</translation>
    </message>
    <message>
        <source>Storing the picture as JPEG</source>
        <translation>Salvataggio dell&apos;immagine come JPEG</translation>
    </message>
    <message>
        <source>converted from CMYK</source>
        <translation>convertita da CMYK</translation>
    </message>
    <message>
        <source>converted from %1</source>
        <translation>convertita da %1</translation>
    </message>
    <message>
        <source>turned upright from %1 (EXIF orientation %2)</source>
        <translation>raddrizzata da %1 (orientamento EXIF %2)</translation>
    </message>
    <message>
        <source>scaled from %1 to %2 to fit %3</source>
        <translation>ridotta da %1 a %2 per stare in %3</translation>
    </message>
    <message>
        <source>kept at its own size as asked</source>
        <translation>mantenuta alle dimensioni originali, come richiesto</translation>
    </message>
    <message>
        <source>kept at its own size, within %1</source>
        <translation>mantenuta alle dimensioni originali, entro %1</translation>
    </message>
    <message>
        <source>the file stored as it is</source>
        <translation>il file salvato così com&apos;è</translation>
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
        <translation>Apri|Apri o crea un puzzle</translation>
    </message>
    <message>
        <source>Save|Save the jigsaw in progress</source>
        <translation>Salva|Salva il puzzle in corso</translation>
    </message>
    <message>
        <source>Picture|Toggle the picture overlay (F3)</source>
        <translation>Immagine|Mostra o nascondi la finestra dell&apos;immagine (F3)</translation>
    </message>
    <message>
        <source>Loupe|Toggle the magnifying glass (F4)</source>
        <translation>Lente|Mostra o nascondi la lente d&apos;ingrandimento (F4)</translation>
    </message>
    <message>
        <source>Ghost Picture|Toggle the ghost picture backdrop</source>
        <translation>Immagine fantasma|Mostra o nascondi l&apos;immagine fantasma sullo sfondo</translation>
    </message>
    <message>
        <source>Zoom|Display the jigsaw image full-screen (F2)</source>
        <translation>Zoom|Mostra l&apos;immagine del puzzle a schermo intero (F2)</translation>
    </message>
    <message>
        <source>Board color|Choose a new background board color</source>
        <translation>Colore del tavolo|Scegli un nuovo colore per il tavolo</translation>
    </message>
    <message>
        <source>Piece size and shape|Change the size and shape of pieces</source>
        <translation>Dimensione e forma delle tessere|Cambia la dimensione e la forma delle tessere</translation>
    </message>
    <message>
        <source>Arrange at edge|Arrange pieces around edge</source>
        <translation>Disponi sul bordo|Disponi le tessere lungo il bordo</translation>
    </message>
    <message>
        <source>Arrange in grid|Arrange pieces in a grid</source>
        <translation>Disponi a griglia|Disponi le tessere in una griglia</translation>
    </message>
    <message>
        <source>New tray|Create a new tray for storing pieces</source>
        <translation>Nuovo vassoio|Crea un nuovo vassoio per riporre le tessere</translation>
    </message>
    <message>
        <source>Sound|Turn sound effects on/off</source>
        <translation>Suono|Attiva o disattiva gli effetti sonori</translation>
    </message>
    <message>
        <source>Music|Turn background music on/off</source>
        <translation>Musica|Attiva o disattiva la musica di sottofondo</translation>
    </message>
    <message>
        <source>Hint|Flash the next two pieces to solve</source>
        <translation>Suggerimento|Fai lampeggiare le prossime due tessere da collocare</translation>
    </message>
    <message>
        <source>Quick Help|Display mouse and keyboard controls</source>
        <translation>Guida rapida|Mostra i comandi del mouse e della tastiera</translation>
    </message>
    <message>
        <source>Brighten ghost|Increase the ghost picture brightness</source>
        <translation>Fantasma più chiaro|Aumenta la luminosità dell&apos;immagine fantasma</translation>
    </message>
    <message>
        <source>Fade ghost|Decrease the ghost picture brightness</source>
        <translation>Fantasma più tenue|Diminuisci la luminosità dell&apos;immagine fantasma</translation>
    </message>
    <message>
        <source>|Time in hours and minutes since jigsaw started</source>
        <translation>|Tempo in ore e minuti dall&apos;inizio del puzzle</translation>
    </message>
    <message>
        <source>|Number of pieces solved out of total</source>
        <translation>|Numero di tessere collocate sul totale</translation>
    </message>
    <message>
        <source>Scroll left|Show the trays further left</source>
        <translation>Scorri a sinistra|Mostra i vassoi più a sinistra</translation>
    </message>
    <message>
        <source>Scroll right|Show the trays further right</source>
        <translation>Scorri a destra|Mostra i vassoi più a destra</translation>
    </message>
    <message>
        <source>Scroll up|Show the trays further up</source>
        <translation>Scorri in alto|Mostra i vassoi più in alto</translation>
    </message>
    <message>
        <source>Scroll down|Show the trays further down</source>
        <translation>Scorri in basso|Mostra i vassoi più in basso</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Create...</source>
        <translation>&amp;Crea…</translation>
    </message>
    <message>
        <source>|Create a new jigsaw</source>
        <translation>|Crea un nuovo puzzle</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri…</translation>
    </message>
    <message>
        <source>|Open or create a jigsaw</source>
        <translation>|Apri o crea un puzzle</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>|Save the jigsaw in progress</source>
        <translation>|Salva il puzzle in corso</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva con &amp;nome…</translation>
    </message>
    <message>
        <source>|Save the jigsaw under a new name</source>
        <translation>|Salva il puzzle con un nuovo nome</translation>
    </message>
    <message>
        <source>Save as &amp;Gift...</source>
        <translation>Salva come &amp;regalo…</translation>
    </message>
    <message>
        <source>|Save the jigsaw as a gift</source>
        <translation>|Salva il puzzle come regalo</translation>
    </message>
    <message>
        <source>Save as Screen Sa&amp;ver...</source>
        <translation>Salva come sal&amp;vaschermo…</translation>
    </message>
    <message>
        <source>|Save the jigsaw as a screensaver</source>
        <translation>|Salva il puzzle come salvaschermo</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>Eli&amp;mina…</translation>
    </message>
    <message>
        <source>|Delete a jigsaw</source>
        <translation>|Elimina un puzzle</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>S&amp;tampa…</translation>
    </message>
    <message>
        <source>|Print the picture</source>
        <translation>|Stampa l&apos;immagine</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Im&amp;posta stampante…</translation>
    </message>
    <message>
        <source>|Set up the printer</source>
        <translation>|Configura la stampante</translation>
    </message>
    <message>
        <source>Re&amp;start...</source>
        <translation>Ric&amp;omincia…</translation>
    </message>
    <message>
        <source>|Restart the jigsaw from scratch</source>
        <translation>|Ricomincia il puzzle da capo</translation>
    </message>
    <message>
        <source>|Open this recent jigsaw</source>
        <translation>|Apri questo puzzle recente</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>|Close the jigsaw</source>
        <translation>|Chiudi il puzzle</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Tool bar</source>
        <translation>Barra degli &amp;strumenti</translation>
    </message>
    <message>
        <source>|Show or hide the tool bar</source>
        <translation>|Mostra o nascondi la barra degli strumenti</translation>
    </message>
    <message>
        <source>&amp;Status bar</source>
        <translation>Barra di s&amp;tato</translation>
    </message>
    <message>
        <source>|Show or hide the status bar</source>
        <translation>|Mostra o nascondi la barra di stato</translation>
    </message>
    <message>
        <source>T&amp;ray bar</source>
        <translation>Barra dei &amp;vassoi</translation>
    </message>
    <message>
        <source>|Show or hide the tray bar</source>
        <translation>|Mostra o nascondi la barra dei vassoi</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Immagine</translation>
    </message>
    <message>
        <source>|Show the picture window</source>
        <translation>|Mostra la finestra dell&apos;immagine</translation>
    </message>
    <message>
        <source>&amp;Loupe</source>
        <translation>&amp;Lente</translation>
    </message>
    <message>
        <source>|Show the magnifying glass</source>
        <translation>|Mostra la lente d&apos;ingrandimento</translation>
    </message>
    <message>
        <source>&amp;Ghost picture</source>
        <translation>Immagine &amp;fantasma</translation>
    </message>
    <message>
        <source>|Show a faded picture on the board</source>
        <translation>|Mostra un&apos;immagine sbiadita sul tavolo</translation>
    </message>
    <message>
        <source>&amp;Zoom picture</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>|Display the picture full-screen</source>
        <translation>|Mostra l&apos;immagine a schermo intero</translation>
    </message>
    <message>
        <source>&amp;Board Color</source>
        <translation>&amp;Colore del tavolo</translation>
    </message>
    <message>
        <source>|Choose the colour of the board</source>
        <translation>|Scegli il colore del tavolo</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Personalizzato…</translation>
    </message>
    <message>
        <source>|Pick any colour for the board</source>
        <translation>|Scegli un colore qualsiasi per il tavolo</translation>
    </message>
    <message>
        <source>Matching</source>
        <translation>Abbinato</translation>
    </message>
    <message>
        <source>|A board colour that matches the picture</source>
        <translation>|Un colore del tavolo abbinato all&apos;immagine</translation>
    </message>
    <message>
        <source>Contrasting</source>
        <translation>A contrasto</translation>
    </message>
    <message>
        <source>|A board colour that contrasts with the picture</source>
        <translation>|Un colore del tavolo in contrasto con l&apos;immagine</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message>
        <source>|The board colour the jigsaw came with</source>
        <translation>|Il colore del tavolo fornito con il puzzle</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Strumenti</translation>
    </message>
    <message>
        <source>Arrange at &amp;Edge</source>
        <translation>Disponi sul &amp;bordo</translation>
    </message>
    <message>
        <source>|Arrange the loose pieces around the edge</source>
        <translation>|Disponi le tessere libere lungo il bordo</translation>
    </message>
    <message>
        <source>Arrange in &amp;Grid</source>
        <translation>Disponi a &amp;griglia</translation>
    </message>
    <message>
        <source>|Arrange the loose pieces in a grid</source>
        <translation>|Disponi le tessere libere in una griglia</translation>
    </message>
    <message>
        <source>&amp;Disarrange</source>
        <translation>&amp;Sparpaglia</translation>
    </message>
    <message>
        <source>|Scatter the loose pieces at random</source>
        <translation>|Sparpaglia a caso le tessere libere</translation>
    </message>
    <message>
        <source>&amp;Piece Size...</source>
        <translation>&amp;Dimensione tessere…</translation>
    </message>
    <message>
        <source>|Change the size and shape of the pieces</source>
        <translation>|Cambia la dimensione e la forma delle tessere</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>|Undo the last step</source>
        <translation>|Annulla l&apos;ultima azione</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>|Redo the step just undone</source>
        <translation>|Ripeti l&apos;azione appena annullata</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <translation>D&amp;emo</translation>
    </message>
    <message>
        <source>|Watch the jigsaw solve itself</source>
        <translation>|Guarda il puzzle risolversi da solo</translation>
    </message>
    <message>
        <source>More &amp;Tips...</source>
        <translation>Altri &amp;consigli…</translation>
    </message>
    <message>
        <source>|Read tips on playing</source>
        <translation>|Leggi consigli di gioco</translation>
    </message>
    <message>
        <source>&amp;Screensaver...</source>
        <translation>Salvasc&amp;hermo…</translation>
    </message>
    <message>
        <source>|Use the picture as a screensaver</source>
        <translation>|Usa l&apos;immagine come salvaschermo</translation>
    </message>
    <message>
        <source>&amp;Wallpaper</source>
        <translation>Sf&amp;ondo del desktop</translation>
    </message>
    <message>
        <source>|Use the picture as the desktop wallpaper</source>
        <translation>|Usa l&apos;immagine come sfondo del desktop</translation>
    </message>
    <message>
        <source>T&amp;rays</source>
        <translation>V&amp;assoi</translation>
    </message>
    <message>
        <source>&amp;New Tray</source>
        <translation>&amp;Nuovo vassoio</translation>
    </message>
    <message>
        <source>|Create a new tray for storing pieces</source>
        <translation>|Crea un nuovo vassoio per riporre le tessere</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Mostra</translation>
    </message>
    <message>
        <source>|Open trays</source>
        <translation>|Apri i vassoi</translation>
    </message>
    <message>
        <source>Show &amp;All Trays</source>
        <translation>Mostra &amp;tutti i vassoi</translation>
    </message>
    <message>
        <source>|Open every tray</source>
        <translation>|Apri tutti i vassoi</translation>
    </message>
    <message>
        <source>Show &amp;Used Trays</source>
        <translation>Mostra i vassoi &amp;occupati</translation>
    </message>
    <message>
        <source>|Open the trays that hold pieces</source>
        <translation>|Apri i vassoi che contengono tessere</translation>
    </message>
    <message>
        <source>Show &amp;Empty Trays</source>
        <translation>Mostra i vassoi &amp;vuoti</translation>
    </message>
    <message>
        <source>|Open the empty trays</source>
        <translation>|Apri i vassoi vuoti</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>Nascon&amp;di</translation>
    </message>
    <message>
        <source>|Minimise trays</source>
        <translation>|Riduci i vassoi</translation>
    </message>
    <message>
        <source>Hide &amp;All Trays</source>
        <translation>Nascondi &amp;tutti i vassoi</translation>
    </message>
    <message>
        <source>|Minimise every tray</source>
        <translation>|Riduci tutti i vassoi</translation>
    </message>
    <message>
        <source>Hide &amp;Used Trays</source>
        <translation>Nascondi i vassoi &amp;occupati</translation>
    </message>
    <message>
        <source>|Minimise the trays that hold pieces</source>
        <translation>|Riduci i vassoi che contengono tessere</translation>
    </message>
    <message>
        <source>Hide &amp;Empty Trays</source>
        <translation>Nascondi i vassoi &amp;vuoti</translation>
    </message>
    <message>
        <source>|Minimise the empty trays</source>
        <translation>|Riduci i vassoi vuoti</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>|Delete trays</source>
        <translation>|Elimina i vassoi</translation>
    </message>
    <message>
        <source>Delete &amp;All Trays</source>
        <translation>Elimina &amp;tutti i vassoi</translation>
    </message>
    <message>
        <source>|Delete every tray; its pieces go to the board</source>
        <translation>|Elimina tutti i vassoi; le loro tessere vanno sul tavolo</translation>
    </message>
    <message>
        <source>Delete &amp;Used Trays</source>
        <translation>Elimina i vassoi &amp;occupati</translation>
    </message>
    <message>
        <source>|Delete the trays that hold pieces</source>
        <translation>|Elimina i vassoi che contengono tessere</translation>
    </message>
    <message>
        <source>Delete &amp;Empty Trays</source>
        <translation>Elimina i vassoi &amp;vuoti</translation>
    </message>
    <message>
        <source>|Delete the empty trays</source>
        <translation>|Elimina i vassoi vuoti</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Suono</translation>
    </message>
    <message>
        <source>|Turn sound effects on or off</source>
        <translation>|Attiva o disattiva gli effetti sonori</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Musica</translation>
    </message>
    <message>
        <source>|Turn background music on or off</source>
        <translation>|Attiva o disattiva la musica di sottofondo</translation>
    </message>
    <message>
        <source>Sha&amp;dows</source>
        <translation>&amp;Ombre</translation>
    </message>
    <message>
        <source>|Moving pieces cast a shadow</source>
        <translation>|Le tessere in movimento proiettano un&apos;ombra</translation>
    </message>
    <message>
        <source>&amp;Outlines</source>
        <translation>&amp;Contorni</translation>
    </message>
    <message>
        <source>|Choose the look of the piece edges</source>
        <translation>|Scegli l&apos;aspetto dei bordi delle tessere</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Nessuno</translation>
    </message>
    <message>
        <source>|Pieces have no outline</source>
        <translation>|Tessere senza contorno</translation>
    </message>
    <message>
        <source>&amp;Foil</source>
        <translation>&amp;Lamina</translation>
    </message>
    <message>
        <source>|Pieces are made out of thin foil</source>
        <translation>|Tessere di lamina sottile</translation>
    </message>
    <message>
        <source>&amp;Paper</source>
        <translation>&amp;Carta</translation>
    </message>
    <message>
        <source>|Pieces are made out of paper</source>
        <translation>|Tessere di carta</translation>
    </message>
    <message>
        <source>&amp;Card</source>
        <translation>Cart&amp;one</translation>
    </message>
    <message>
        <source>|Pieces are made out of thick card</source>
        <translation>|Tessere di cartone spesso</translation>
    </message>
    <message>
        <source>&amp;Wood</source>
        <translation>Le&amp;gno</translation>
    </message>
    <message>
        <source>|Pieces are made out of chunky wood</source>
        <translation>|Tessere di legno massiccio</translation>
    </message>
    <message>
        <source>&amp;Smooth</source>
        <translation>&amp;Smussatura</translation>
    </message>
    <message>
        <source>|Remove jaggies from piece outlines using smoothing</source>
        <translation>|Togli le scalettature dai contorni delle tessere smussandoli</translation>
    </message>
    <message>
        <source>&amp;Auto hide</source>
        <translation>Nascondi &amp;automaticamente</translation>
    </message>
    <message>
        <source>|Remove outlines from solved pieces</source>
        <translation>|Togli i contorni dalle tessere collocate</translation>
    </message>
    <message>
        <source>Sort by S&amp;hape</source>
        <translation>Ordina per &amp;forma</translation>
    </message>
    <message>
        <source>|Put edge pieces first when arranging</source>
        <translation>|Metti per prime le tessere di bordo nella disposizione</translation>
    </message>
    <message>
        <source>Sort by &amp;Color</source>
        <translation>Ordina per co&amp;lore</translation>
    </message>
    <message>
        <source>|Put similar colors together when arranging</source>
        <translation>|Raggruppa i colori simili nella disposizione</translation>
    </message>
    <message>
        <source>&amp;Timer display</source>
        <translation>Mostra &amp;tempo</translation>
    </message>
    <message>
        <source>|Show the time taken</source>
        <translation>|Mostra il tempo impiegato</translation>
    </message>
    <message>
        <source>&amp;Number display</source>
        <translation>Mostra &amp;numero</translation>
    </message>
    <message>
        <source>|Show the number of pieces solved</source>
        <translation>|Mostra il numero di tessere collocate</translation>
    </message>
    <message>
        <source>&amp;Rotating Pieces</source>
        <translation>&amp;Rotazione tessere</translation>
    </message>
    <message>
        <source>|Pieces can be turned</source>
        <translation>|Le tessere si possono ruotare</translation>
    </message>
    <message>
        <source>M&amp;ystery Mode</source>
        <translation>Modalità m&amp;istero</translation>
    </message>
    <message>
        <source>|Hide the jigsaw preview pictures</source>
        <translation>|Nascondi le immagini di anteprima del puzzle</translation>
    </message>
    <message>
        <source>Time &amp;Limit...</source>
        <translation>Limite di tem&amp;po…</translation>
    </message>
    <message>
        <source>|Set a time limit for the jigsaw</source>
        <translation>|Imposta un limite di tempo per il puzzle</translation>
    </message>
    <message>
        <source>&amp;Advanced...</source>
        <translation>&amp;Avanzate…</translation>
    </message>
    <message>
        <source>|Change the advanced options</source>
        <translation>|Cambia le opzioni avanzate</translation>
    </message>
    <message>
        <source>&amp;Cheat</source>
        <translation>&amp;Trucchi</translation>
    </message>
    <message>
        <source>Allow &amp;Cheating</source>
        <translation>Consenti i &amp;trucchi</translation>
    </message>
    <message>
        <source>|Allow the cheat commands</source>
        <translation>|Consenti i comandi dei trucchi</translation>
    </message>
    <message>
        <source>&amp;Hint!</source>
        <translation>S&amp;uggerimento!</translation>
    </message>
    <message>
        <source>|Flash the next two pieces to solve</source>
        <translation>|Fai lampeggiare le prossime due tessere da collocare</translation>
    </message>
    <message>
        <source>&amp;Right Way Up!</source>
        <translation>Tutte &amp;dritte!</translation>
    </message>
    <message>
        <source>|Turn every piece the right way up</source>
        <translation>|Raddrizza tutte le tessere</translation>
    </message>
    <message>
        <source>&amp;Auto-Solve!</source>
        <translation>&amp;Risoluzione automatica!</translation>
    </message>
    <message>
        <source>|Let the jigsaw solve itself</source>
        <translation>|Lascia che il puzzle si risolva da solo</translation>
    </message>
    <message>
        <source>&amp;Internet</source>
        <translation>&amp;Internet</translation>
    </message>
    <message>
        <source>Visit the Quillmere web site</source>
        <translation>Visita il sito web di Quillmere</translation>
    </message>
    <message>
        <source>&amp;Purchase the full version...</source>
        <translation>&amp;Acquista la versione completa…</translation>
    </message>
    <message>
        <source>|Visit our online store</source>
        <translation>|Visita il nostro negozio online</translation>
    </message>
    <message>
        <source>Jigsaw &amp;Search...</source>
        <translation>&amp;Cerca puzzle…</translation>
    </message>
    <message>
        <source>|Search the web for jigsaws</source>
        <translation>|Cerca puzzle sul web</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Cerca a&amp;ggiornamenti…</translation>
    </message>
    <message>
        <source>|Look for a newer version</source>
        <translation>|Cerca una versione più recente</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;uto</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>|Show the help contents</source>
        <translation>|Mostra il sommario della guida</translation>
    </message>
    <message>
        <source>&amp;Search for Help On...</source>
        <translation>&amp;Cerca nella guida…</translation>
    </message>
    <message>
        <source>|Search the help</source>
        <translation>|Cerca nella guida</translation>
    </message>
    <message>
        <source>&amp;What&apos;s New</source>
        <translation>&amp;Novità</translation>
    </message>
    <message>
        <source>|What is new in this version</source>
        <translation>|Le novità di questa versione</translation>
    </message>
    <message>
        <source>&amp;FAQ</source>
        <translation>&amp;Domande frequenti</translation>
    </message>
    <message>
        <source>|Frequently asked questions</source>
        <translation>|Domande frequenti</translation>
    </message>
    <message>
        <source>How to &amp;Order</source>
        <translation>Come &amp;acquistare</translation>
    </message>
    <message>
        <source>|How to order the full version</source>
        <translation>|Come acquistare la versione completa</translation>
    </message>
    <message>
        <source>&amp;Quick Help!</source>
        <translation>&amp;Guida rapida!</translation>
    </message>
    <message>
        <source>|Display mouse and keyboard controls</source>
        <translation>|Mostra i comandi del mouse e della tastiera</translation>
    </message>
    <message>
        <source>About this &amp;Jigsaw...</source>
        <translation>Informazioni su questo &amp;puzzle…</translation>
    </message>
    <message>
        <source>|Show the jigsaw&apos;s title, creator and progress</source>
        <translation>|Mostra titolo, autore e avanzamento del puzzle</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Informazioni…</translation>
    </message>
    <message>
        <source>|About this program</source>
        <translation>|Informazioni su questo programma</translation>
    </message>
    <message>
        <source>&amp;Move ghost</source>
        <translation>Sposta il &amp;fantasma</translation>
    </message>
    <message>
        <source>|Move the ghost picture to another place</source>
        <translation>|Sposta l&apos;immagine fantasma in un altro punto</translation>
    </message>
    <message>
        <source>&amp;Find piece!</source>
        <translation>&amp;Trova tessera!</translation>
    </message>
    <message>
        <source>|Flash the piece that belongs here</source>
        <translation>|Fai lampeggiare la tessera che va qui</translation>
    </message>
    <message>
        <source>Fe&amp;tch piece!</source>
        <translation>&amp;Porta tessera!</translation>
    </message>
    <message>
        <source>|Bring the piece that belongs here</source>
        <translation>|Porta qui la tessera che va in questo punto</translation>
    </message>
    <message>
        <source>S&amp;how Solution!</source>
        <translation>Mostra &amp;soluzione!</translation>
    </message>
    <message>
        <source>|Flash where this piece belongs</source>
        <translation>|Fai lampeggiare il punto in cui va questa tessera</translation>
    </message>
    <message>
        <source>S&amp;olve Piece!</source>
        <translation>&amp;Colloca tessera!</translation>
    </message>
    <message>
        <source>|Put this piece where it belongs</source>
        <translation>|Metti questa tessera al suo posto</translation>
    </message>
    <message>
        <source>Rotate &amp;Right</source>
        <translation>Ruota a des&amp;tra</translation>
    </message>
    <message>
        <source>|Turn the piece a quarter turn clockwise</source>
        <translation>|Ruota la tessera di un quarto di giro in senso orario</translation>
    </message>
    <message>
        <source>Rotate &amp;Left</source>
        <translation>Ruota a si&amp;nistra</translation>
    </message>
    <message>
        <source>|Turn the piece a quarter turn anticlockwise</source>
        <translation>|Ruota la tessera di un quarto di giro in senso antiorario</translation>
    </message>
    <message>
        <source>Right &amp;Way Up!</source>
        <translation>&amp;Raddrizza!</translation>
    </message>
    <message>
        <source>|Turn this piece the right way up</source>
        <translation>|Raddrizza questa tessera</translation>
    </message>
    <message>
        <source>&amp;Unlock</source>
        <translation>Stacc&amp;a</translation>
    </message>
    <message>
        <source>|Disconnect the piece from its neighbours</source>
        <translation>|Stacca la tessera dalle vicine</translation>
    </message>
    <message>
        <source>Send To &amp;Back</source>
        <translation>Porta in &amp;fondo</translation>
    </message>
    <message>
        <source>|Put the piece behind all others</source>
        <translation>|Metti la tessera dietro tutte le altre</translation>
    </message>
    <message>
        <source>&amp;Show Neighbor!</source>
        <translation>Mostra &amp;vicina!</translation>
    </message>
    <message>
        <source>|Flash a piece that fits this one</source>
        <translation>|Fai lampeggiare una tessera che combacia con questa</translation>
    </message>
    <message>
        <source>&amp;Fetch Neighbor!</source>
        <translation>Porta v&amp;icina!</translation>
    </message>
    <message>
        <source>|Bring a piece that fits this one</source>
        <translation>|Porta una tessera che combacia con questa</translation>
    </message>
    <message>
        <source>Se&amp;lect all pieces</source>
        <translation>Se&amp;leziona tutte le tessere</translation>
    </message>
    <message>
        <source>|Pick up every piece in this tray</source>
        <translation>|Prendi tutte le tessere di questo vassoio</translation>
    </message>
    <message>
        <source>&amp;Send Tray to Back</source>
        <translation>Porta il vassoio in &amp;fondo</translation>
    </message>
    <message>
        <source>|Put this tray behind the others</source>
        <translation>|Metti questo vassoio dietro gli altri</translation>
    </message>
    <message>
        <source>D&amp;rop all pieces</source>
        <translation>Svuota &amp;vassoio</translation>
    </message>
    <message>
        <source>|Empty this tray onto the board</source>
        <translation>|Svuota questo vassoio sul tavolo</translation>
    </message>
    <message>
        <source>&amp;Get pieces</source>
        <translation>&amp;Raccogli tessere</translation>
    </message>
    <message>
        <source>|Gather single pieces into this tray</source>
        <translation>|Raccogli le tessere singole in questo vassoio</translation>
    </message>
    <message>
        <source>&amp;All pieces</source>
        <translation>&amp;Tutte le tessere</translation>
    </message>
    <message>
        <source>|Gather every single piece</source>
        <translation>|Raccogli tutte le tessere singole</translation>
    </message>
    <message>
        <source>&amp;Edge pieces</source>
        <translation>Tessere di &amp;bordo</translation>
    </message>
    <message>
        <source>|Gather the single edge pieces</source>
        <translation>|Raccogli le tessere di bordo singole</translation>
    </message>
    <message>
        <source>&amp;Middle pieces</source>
        <translation>Tessere &amp;centrali</translation>
    </message>
    <message>
        <source>|Gather the single middle pieces</source>
        <translation>|Raccogli le tessere centrali singole</translation>
    </message>
    <message>
        <source>&amp;Fun pieces</source>
        <translation>Tessere &amp;sagomate</translation>
    </message>
    <message>
        <source>|Gather the single fun pieces</source>
        <translation>|Raccogli le tessere sagomate singole</translation>
    </message>
    <message>
        <source>|Arrange this tray&apos;s pieces around its edge</source>
        <translation>|Disponi le tessere di questo vassoio lungo il suo bordo</translation>
    </message>
    <message>
        <source>|Arrange this tray&apos;s pieces in a grid</source>
        <translation>|Disponi le tessere di questo vassoio in una griglia</translation>
    </message>
    <message>
        <source>D&amp;isarrange Tray</source>
        <translation>S&amp;parpaglia vassoio</translation>
    </message>
    <message>
        <source>|Scatter this tray&apos;s pieces at random</source>
        <translation>|Sparpaglia a caso le tessere di questo vassoio</translation>
    </message>
    <message>
        <source>Tray &amp;Color</source>
        <translation>Colore del vass&amp;oio</translation>
    </message>
    <message>
        <source>|Choose the colour of this tray</source>
        <translation>|Scegli il colore di questo vassoio</translation>
    </message>
    <message>
        <source>|Pick any colour for the tray</source>
        <translation>|Scegli un colore qualsiasi per il vassoio</translation>
    </message>
    <message>
        <source>|A tray colour that matches the picture</source>
        <translation>|Un colore del vassoio abbinato all&apos;immagine</translation>
    </message>
    <message>
        <source>|A tray colour that contrasts with the picture</source>
        <translation>|Un colore del vassoio in contrasto con l&apos;immagine</translation>
    </message>
    <message>
        <source>|The tray takes the board colour</source>
        <translation>|Il vassoio prende il colore del tavolo</translation>
    </message>
    <message>
        <source>&amp;Tray Description...</source>
        <translation>&amp;Descrizione vassoio…</translation>
    </message>
    <message>
        <source>|Give this tray a name</source>
        <translation>|Dai un nome a questo vassoio</translation>
    </message>
    <message>
        <source>&amp;Delete Tray!</source>
        <translation>&amp;Elimina vassoio!</translation>
    </message>
    <message>
        <source>|Delete this tray; its pieces go to the board</source>
        <translation>|Elimina questo vassoio; le sue tessere vanno sul tavolo</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Tray %1 contains pieces which will be
placed on the background.

Ok to delete this tray?</source>
        <translation>Il vassoio %1 contiene tessere che saranno
messe sul tavolo.

Eliminare questo vassoio?</translation>
    </message>
    <message>
        <source>To use the scroll wheel, enable it in the Advanced Mouse options screen</source>
        <translation>Per usare la rotellina, attivala nelle opzioni avanzate del mouse</translation>
    </message>
    <message>
        <source>Rotation is currently disabled in the Options menu</source>
        <translation>La rotazione è disattivata nel menu «Opzioni»</translation>
    </message>
    <message>
        <source>Cheating is currently disabled in the Options menu</source>
        <translation>I trucchi sono disattivati nel menu «Opzioni»</translation>
    </message>
    <message>
        <source>Mouse: Left=Fetch neighbor, Right=Show neighbor</source>
        <translation>Mouse: sinistro=porta vicina, destro=mostra vicina</translation>
    </message>
    <message>
        <source>Mouse: Left=Rotate left, Right=Rotate right</source>
        <translation>Mouse: sinistro=ruota a sinistra, destro=ruota a destra</translation>
    </message>
    <message>
        <source>Mouse: Left=Solve piece onto ghost, Right=Flash solution</source>
        <translation>Mouse: sinistro=colloca la tessera sul fantasma, destro=mostra soluzione</translation>
    </message>
    <message>
        <source>Enable the background ghost to use these shortcuts</source>
        <translation>Attiva l&apos;immagine fantasma per usare queste scorciatoie</translation>
    </message>
    <message>
        <source>Generating: </source>
        <translation>Generazione: </translation>
    </message>
    <message>
        <source>This free jigsaw gift was created by Quillmere version %s.
Click on our home page below for a free demo of all the other great features of the game. Or order the full version now!</source>
        <translation>Questo puzzle regalo gratuito è stato creato con Quillmere versione %s.
Fai clic qui sotto sulla nostra home page per provare gratis tutte le altre splendide funzioni del gioco. Oppure acquista subito la versione completa!</translation>
    </message>
    <message>
        <source>File %1 could not be written. The disk may be full, read-only or off-line</source>
        <translation>Impossibile scrivere il file %1. Il disco potrebbe essere pieno, di sola lettura o scollegato</translation>
    </message>
    <message>
        <source>This jigsaw gift file is damaged and cannot be opened</source>
        <translation>Questo file di puzzle regalo è danneggiato e non può essere aperto</translation>
    </message>
    <message>
        <source>The puzzle has rotated pieces but the rotation option is currently disabled. Press &apos;Yes&apos; to turn all pieces the right way up or &apos;No&apos; to re-enable rotation.</source>
        <translation>Il puzzle ha tessere ruotate, ma la rotazione è disattivata. Premi «Sì» per raddrizzare tutte le tessere o «No» per riattivare la rotazione.</translation>
    </message>
    <message>
        <source>Would you like some pieces randomly rotated now?</source>
        <translation>Vuoi che alcune tessere vengano ruotate a caso ora?</translation>
    </message>
    <message>
        <source>Insufficient graphics resources to set such a large piece size - reducing the number of colors of your desktop may help. Setting scale factor back to 100%...</source>
        <translation>Risorse grafiche insufficienti per una dimensione delle tessere così grande: ridurre il numero di colori del desktop può aiutare. Ritorno alla scala del 100%…</translation>
    </message>
    <message numerus="yes">
        <source>%n pieces</source>
        <comment>a count of pieces</comment>
        <translation>
            <numerusform>%n tessera</numerusform>
            <numerusform>%n tessere</numerusform>
        </translation>
    </message>
    <message>
        <source>. You used Auto-solve!</source>
        <translation>. Hai usato la risoluzione automatica!</translation>
    </message>
    <message>
        <source> without cheating!</source>
        <translation> senza trucchi!</translation>
    </message>
    <message>
        <source> by cheating once!</source>
        <translation> con un trucco!</translation>
    </message>
    <message>
        <source>You solved all %1 in %2 and %3</source>
        <translation>Hai collocato tutte le %1 in %2 e %3</translation>
    </message>
    <message>
        <source>Created %1 by version %2 </source>
        <translation>Creato il %1 con la versione %2 </translation>
    </message>
    <message>
        <source>Solved %1 of %2</source>
        <translation>%1 di %2 collocate</translation>
    </message>
    <message>
        <source>|Jigsaw is %1% complete, %2 pieces solved per minute</source>
        <translation>|Puzzle completo al %1%, %2 tessere collocate al minuto</translation>
    </message>
    <message>
        <source>The saved game %1 cannot be removed. %2. The new game starts all the same; the saved one is offered again at the next start unless this game is saved over it.</source>
        <translation>Impossibile rimuovere la partita salvata %1. %2. La nuova partita inizia comunque; quella salvata sarà riproposta al prossimo avvio, a meno che questa partita non la sovrascriva.</translation>
    </message>
    <message>
        <source>%1 A new game is started instead.</source>
        <translation>%1 Inizia invece una nuova partita.</translation>
    </message>
    <message>
        <source>size/shape</source>
        <translation>dimensione/forma</translation>
    </message>
    <message>
        <source>arrange</source>
        <translation>disposizione</translation>
    </message>
    <message>
        <source>arrange tray</source>
        <translation>disposizione del vassoio</translation>
    </message>
    <message>
        <source>disarrange</source>
        <translation>sparpagliamento</translation>
    </message>
    <message>
        <source>disarrange tray</source>
        <translation>sparpagliamento del vassoio</translation>
    </message>
    <message>
        <source>tray operation</source>
        <translation>operazione sul vassoio</translation>
    </message>
    <message>
        <source>auto-solve</source>
        <translation>risoluzione automatica</translation>
    </message>
    <message>
        <source>move ghost</source>
        <translation>spostamento del fantasma</translation>
    </message>
    <message>
        <source>move pieces</source>
        <translation>spostamento di tessere</translation>
    </message>
    <message>
        <source>rotate pieces</source>
        <translation>rotazione di tessere</translation>
    </message>
    <message>
        <source>right way up</source>
        <translation>raddrizzamento</translation>
    </message>
    <message>
        <source>cheat</source>
        <translation>trucco</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ripeti %1</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annulla %1</translation>
    </message>
    <message>
        <source>Sorting colors: </source>
        <translation>Ordinamento colori: </translation>
    </message>
    <message>
        <source>Rotating: </source>
        <translation>Rotazione: </translation>
    </message>
    <message>
        <source>Drawing: </source>
        <translation>Disegno: </translation>
    </message>
    <message>
        <source>The custom piece shapes in this jigsaw gift are damaged</source>
        <translation>Le forme personalizzate delle tessere di questo regalo sono danneggiate</translation>
    </message>
    <message numerus="yes">
        <source> by cheating %n times!</source>
        <comment>more than once</comment>
        <translation>
            <numerusform> con %n trucco!</numerusform>
            <numerusform> con %n trucchi!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <comment>time taken</comment>
        <translation>
            <numerusform>%n minuto</numerusform>
            <numerusform>%n minuti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <comment>time taken</comment>
        <translation>
            <numerusform>%n secondo</numerusform>
            <numerusform>%n secondi</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have solved %1 out of %n pieces</source>
        <comment>pieces of the puzzle</comment>
        <translation>
            <numerusform>Tessere collocate: %1 su %n</numerusform>
            <numerusform>Tessere collocate: %1 su %n</numerusform>
        </translation>
    </message>
    <message>
        <source>You are in Mystery Mode and the picture is hidden!

Press Yes to exit Mystery Mode and reveal the jigsaw.</source>
        <translation>Sei in modalità mistero e l&apos;immagine è nascosta!

Premi «Sì» per uscire dalla modalità mistero e svelare il puzzle.</translation>
    </message>
    <message>
        <source>Press Yes to exit Mystery Mode. You may then use the jigsaw preview tools.</source>
        <translation>Premi «Sì» per uscire dalla modalità mistero. Potrai poi usare gli strumenti di anteprima.</translation>
    </message>
    <message>
        <source>Press Yes to enter Mystery Mode and hide any jigsaw preview pictures.</source>
        <translation>Premi «Sì» per entrare in modalità mistero e nascondere tutte le immagini di anteprima.</translation>
    </message>
    <message>
        <source>Press &apos;Yes&apos; to turn all pieces the right way up.</source>
        <translation>Premi «Sì» per raddrizzare tutte le tessere.</translation>
    </message>
    <message>
        <source>This will restart the jigsaw from scratch. Are you sure?</source>
        <translation>Il puzzle ricomincerà da capo. Vuoi continuare?</translation>
    </message>
    <message>
        <source>

The game has not been saved. Close the jigsaw without saving it?
Choose No to go back to the game.</source>
        <translation>

La partita non è stata salvata. Chiudere il puzzle senza salvarlo?
Premi «No» per tornare alla partita.</translation>
    </message>
    <message>
        <source>No web browser could be started to show %1</source>
        <translation>Impossibile avviare un browser web per mostrare %1</translation>
    </message>
    <message>
        <source>No music was included in this jigsaw gift file.</source>
        <translation>Questo file di puzzle regalo non contiene musica.</translation>
    </message>
    <message>
        <source>Cannot create file %1. %2.</source>
        <translation>Impossibile creare il file %1. %2.</translation>
    </message>
    <message>
        <source>Cannot write file %1. %2.</source>
        <translation>Impossibile scrivere il file %1. %2.</translation>
    </message>
    <message>
        <source>The picture could not be read: %1</source>
        <translation>Impossibile leggere l&apos;immagine: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
    <message>
        <source>The picture of this jigsaw is too large: at most %1 pixels wide and high can be cut into pieces</source>
        <translation>L&apos;immagine di questo puzzle è troppo grande: si possono tagliare in tessere solo immagini larghe e alte %1 pixel al massimo</translation>
    </message>
    <message>
        <source>The pieces cannot be cut at %1%: the picture would be larger than %2 pixels wide or high</source>
        <translation>Le tessere non possono essere tagliate al %1%: l&apos;immagine supererebbe i %2 pixel di larghezza o di altezza</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossibile aprire il file «%1». %2</translation>
    </message>
    <message numerus="yes">
        <source>This program needs HiColor mode (64K colors) or better and so is unable to continue while your desktop is set to %n colors. Would you like to change your settings now?</source>
        <comment>colours of the desktop</comment>
        <translation>
            <numerusform>Questo programma richiede la modalità HiColor (64K colori) o superiore e non può continuare finché il desktop è impostato su %n colore. Vuoi cambiare le impostazioni ora?</numerusform>
            <numerusform>Questo programma richiede la modalità HiColor (64K colori) o superiore e non può continuare finché il desktop è impostato su %n colori. Vuoi cambiare le impostazioni ora?</numerusform>
        </translation>
    </message>
    <message>
        <source>An unexpected error stopped the operation</source>
        <translation>Un errore imprevisto ha interrotto l&apos;operazione</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>l&apos;immagine è troppo grande</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; is damaged and cannot be resumed.</source>
        <translation>La partita salvata «%1» è danneggiata e non può essere ripresa.</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; cannot be read: %2.</source>
        <translation>Impossibile leggere la partita salvata «%1»: %2.</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; cannot be read.</source>
        <translation>Impossibile leggere la partita salvata «%1».</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; was made by a newer version of this program and cannot be resumed.</source>
        <translation>La partita salvata «%1» è stata creata da una versione più recente di questo programma e non può essere ripresa.</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; belongs to another jigsaw and cannot be resumed.</source>
        <translation>La partita salvata «%1» appartiene a un altro puzzle e non può essere ripresa.</translation>
    </message>
    <message>
        <source>the file is not a JPEG picture</source>
        <translation>il file non è un&apos;immagine JPEG</translation>
    </message>
    <message>
        <source>the picture is cut short</source>
        <translation>l&apos;immagine è incompleta</translation>
    </message>
</context>
<context>
    <name>PortableStart</name>
    <message>
        <source>This gift could not be opened: there is no folder where its player can be unpacked (it needs about 60 MB). Free some disk space in your home folder and open the gift again.</source>
        <translation>Impossibile aprire questo regalo: non c&apos;è nessuna cartella in cui estrarre il suo programma di gioco (servono circa 60 MB). Libera un po&apos; di spazio su disco nella tua cartella personale e apri di nuovo il regalo.</translation>
    </message>
    <message>
        <source>This gift could not be opened: the file is damaged or incomplete. Download it again, or ask the sender to send it once more.</source>
        <translation>Impossibile aprire questo regalo: il file è danneggiato o incompleto. Scaricalo di nuovo, oppure chiedi al mittente di inviarlo ancora una volta.</translation>
    </message>
    <message>
        <source>This gift could not be opened.</source>
        <translation>Impossibile aprire questo regalo.</translation>
    </message>
    <message>
        <source>Details:</source>
        <translation>Dettagli:</translation>
    </message>
</context>
<context>
    <name>QtHost</name>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
</context>
<context>
    <name>SolveDialog</name>
    <message>
        <source>Percentage complete</source>
        <translation>Percentuale completata</translation>
    </message>
    <message>
        <source>Stop!</source>
        <translation>Ferma!</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>lento</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>veloce</translation>
    </message>
    <message>
        <source>Set speed</source>
        <translation>Imposta la velocità</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>Sound effects</source>
        <translation>Effetti sonori</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musica</translation>
    </message>
</context>
<context>
    <name>SplashForm</name>
    <message>
        <source>Connect to our web site now!</source>
        <translation>Visita subito il nostro sito web!</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Acquista</translation>
    </message>
    <message>
        <source>Connect to our Online Store now!</source>
        <translation>Visita subito il nostro negozio online!</translation>
    </message>
    <message>
        <source>Play...</source>
        <translation>Gioca…</translation>
    </message>
    <message>
        <source>Play the jigsaw</source>
        <translation>Gioca al puzzle</translation>
    </message>
    <message>
        <source>Exit...</source>
        <translation>Esci…</translation>
    </message>
    <message>
        <source>Resume game...</source>
        <translation>Riprendi partita…</translation>
    </message>
    <message>
        <source>Save game...</source>
        <translation>Salva partita…</translation>
    </message>
    <message>
        <source>Free gift edition - share it with your friends!</source>
        <translation>Edizione regalo gratuita: condividila con i tuoi amici!</translation>
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
        <translation>uso: quillmere-wrap --picture IMMAGINE -o REGALO [--portable | --player PLAYER] [opzioni]
  -o REGALO               il regalo da scrivere; -o NOME.zip scrive un archivio zip con il
                          regalo NOME, che i gestori di file estraggono pronto da avviare
  --portable              copia il programma di gioco portabile: il regalo funziona anche senza Qt
  --player PLAYER         il programma di gioco da copiare (predefinito: quello installato con quillmere-wrap)
  --picture FILE          l&apos;immagine del puzzle: JPEG (anche CMYK), PNG, HEIC/HEIF, AVIF,
                          WebP, TIFF, BMP, GIF o qualsiasi altro file di immagine che il Qt
                          di questo sistema legge; raddrizzata secondo il suo orientamento
                          e salvata come JPEG
  --max-size LxA          un&apos;immagine più grande viene ridotta per stare in LxA (predefinito
                          1280x800: uno schermo di 1920 x 1080, tolti il titolo della finestra,
                          i menu, la barra degli strumenti, la barra dei vassoi e la barra di
                          stato, lascia un tavolo di circa 1700 x 850, dove stanno un&apos;immagine
                          di 1280 x 800 e le sue tessere sparse)
  --keep-size             salva l&apos;immagine alle dimensioni originali (al massimo 8191 per lato)
  --pieces N              tessere richieste, almeno 2 (predefinito 100)
  --seed N                seme casuale delle forme e della prima disposizione (predefinito 1)
  --style S               classic, blip, square, star, round, mix, o 1..6
  --oddness N             irregolarità delle forme 0..10 (predefinito 5)
  --outline S             none, foil, paper, card, wood, o 0..4
  --rotation on|off       le tessere possono essere ruotate
  --mystery on|off        inizia in modalità mistero
  --fun N                 impostazione delle tessere sagomate 0..10
  --board-colour C        colore del tavolo: un nome come clTeal, un numero o $BBGGRR
  --title T  --creator T  --description T
  --opening T  --closing T            i messaggi del mittente (&quot;\n&quot; va a capo)
  --language CODE         la lingua del programma di gioco, come de o pl
                          (predefinita: quella del destinatario)
  --opening-colour C  --closing-colour C   sfondi dei messaggi (nomi di colore come salvati)
  --opening-align A  --closing-align A     left, right o centre
  --opening-font-name F  --opening-font-height H  --opening-font-style BITS  --opening-font-colour C
  --closing-font-name F  --closing-font-height H  --closing-font-style BITS  --closing-font-colour C
  --creator-version V     (predefinito v6.13)
  --created GIORNI        giorni dal 30 dicembre 1899
  --music FILE  [--music-extension .EXT]   WAV, FLAC, Ogg Vorbis, Opus, MP3; MIDI tramite FluidSynth
  --skin FILE             l&apos;immagine della barra degli strumenti, qualsiasi file di immagine (salvata come JPEG)
  --templates FILE --template-count N
I testi sono in UTF-8, in qualsiasi scrittura. Titolo, autore, descrizione e messaggi contengono
fino a 256, 256, 4096, 4096 e 4096 byte di UTF-8; i programmi di gioco precedenti al blocco di
testo ne mostrano la forma Windows-1252 più vicina. I nomi di carattere e di colore devono essere
in Windows-1252. I testi che non ci stanno vengono rifiutati indicando il campo. Mostra la
dimensione a cui l&apos;immagine è stata salvata e perché, la dimensione del regalo e cosa fa il suo
destinatario per aprirlo.
</translation>
    </message>
    <message>
        <source>%1 needs a whole number from %2 to %3</source>
        <translation>%1 richiede un numero intero da %2 a %3</translation>
    </message>
    <message>
        <source>%1 takes on or off</source>
        <translation>%1 accetta on o off</translation>
    </message>
    <message>
        <source>%1: unknown colour &quot;%2&quot;</source>
        <translation>%1: colore sconosciuto «%2»</translation>
    </message>
    <message>
        <source>%1 takes WxH, such as 1280x800</source>
        <translation>%1 accetta LxA, come 1280x800</translation>
    </message>
    <message>
        <source>Wrote %1 (%2), holding the gift %3 (%4).
The recipient extracts it and double-clicks %3.
</source>
        <translation>Creato %1 (%2), che contiene il regalo %3 (%4).
Il destinatario lo estrae e fa doppio clic su %3.
</translation>
    </message>
    <message>
        <source>Wrote %1 (%2).
The recipient double-clicks it. Sent as it is, it arrives without its execute bit:
send %3.zip (-o NAME.zip) to keep it.
</source>
        <translation>Creato %1 (%2).
Il destinatario ci fa doppio clic sopra. Inviato così com&apos;è, arriva senza il permesso di esecuzione:
invia %3.zip (-o NAME.zip) per conservarlo.
</translation>
    </message>
    <message>
        <source>Where a desktop does not start it, Properties &gt; Allow executing as program
(or chmod +x in a terminal) lets it run.
</source>
        <translation>Se un desktop non lo avvia, Proprietà &gt; Consentire l&apos;esecuzione del file come programma
(o chmod +x in un terminale) permette di avviarlo.
</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>opzione sconosciuta %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 richiede un valore</translation>
    </message>
    <message>
        <source>Give either --portable or --player, not both</source>
        <translation>Indica --portable oppure --player, non entrambi</translation>
    </message>
    <message>
        <source>Picture stored at %1</source>
        <translation>Immagine salvata a %1</translation>
    </message>
</context>
<context>
    <name>quill::AboutBox</name>
    <message>
        <source>Free gift edition - share it with your friends!
All pictures and sounds made for Quillmere Gift.</source>
        <translation>Edizione regalo gratuita: condividila con i tuoi amici!
Tutte le immagini e i suoni sono stati creati per Quillmere Gift.</translation>
    </message>
    <message>
        <source>About Quillmere Gift</source>
        <translation>Informazioni su Quillmere Gift</translation>
    </message>
    <message>
        <source>This is a free gift - not for retail sale or distribution.</source>
        <translation>Questo è un regalo gratuito: non destinato alla vendita né alla distribuzione.</translation>
    </message>
</context>
<context>
    <name>quill::AboutJigDialog</name>
    <message>
        <source>Title:</source>
        <translation>Titolo:</translation>
    </message>
    <message>
        <source>Creator:</source>
        <translation>Autore:</translation>
    </message>
    <message>
        <source>Info:</source>
        <translation>Info:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stato:</translation>
    </message>
    <message>
        <source>About this jigsaw</source>
        <translation>Informazioni su questo puzzle</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Descrizione</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Copy the selected text to the Windows clipboard</source>
        <translation>Copia il testo selezionato negli appunti</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifica…</translation>
    </message>
    <message>
        <source>Edit the jigsaw description</source>
        <translation>Modifica la descrizione del puzzle</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleziona &amp;tutto</translation>
    </message>
    <message>
        <source>Select all the description text</source>
        <translation>Seleziona tutto il testo della descrizione</translation>
    </message>
</context>
<context>
    <name>quill::CongratsDialog</name>
    <message>
        <source>You solved it!</source>
        <translation>Ce l&apos;hai fatta!</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Congratulazioni!</translation>
    </message>
</context>
<context>
    <name>quill::CutPreview</name>
    <message>
        <source>Open a picture to see how it is cut</source>
        <translation>Apri un&apos;immagine per vedere come viene tagliata</translation>
    </message>
</context>
<context>
    <name>quill::GiftMadeDialog</name>
    <message>
        <source>I made you a jigsaw puzzle! To open it:
</source>
        <translation>Ho fatto un puzzle per te! Per aprirlo:
</translation>
    </message>
    <message>
        <source>1. Save %1 and extract it (right-click it, Extract Here).
2. Double-click %2 to start the puzzle.
</source>
        <translation>1. Salva %1 ed estrailo (clic destro sul file, «Estrai qui»).
2. Fai doppio clic su %2 per avviare il puzzle.
</translation>
    </message>
    <message>
        <source>1. Save %1.
2. Double-click it to start the puzzle.
</source>
        <translation>1. Salva %1.
2. Fai doppio clic sul file per avviare il puzzle.
</translation>
    </message>
    <message>
        <source>If double-clicking does nothing, right-click %1, choose Properties and tick &quot;Allow executing as program&quot; (or type chmod +x %1 in a terminal), then double-click it again. It runs on Linux.</source>
        <translation>Se il doppio clic non fa nulla, fai clic destro su %1, scegli «Proprietà» e spunta «Consentire l&apos;esecuzione del file come programma» (oppure digita chmod +x %1 in un terminale), poi fai di nuovo doppio clic. Funziona su Linux.</translation>
    </message>
    <message>
        <source>Gift made</source>
        <translation>Regalo creato</translation>
    </message>
    <message>
        <source>The gift is saved as &lt;b&gt;%1&lt;/b&gt; (%2) in %3.</source>
        <translation>Il regalo è salvato come &lt;b&gt;%1&lt;/b&gt; (%2) in %3.</translation>
    </message>
    <message>
        <source> The zip archive holds the gift %1 (%2).</source>
        <translation> L&apos;archivio zip contiene il regalo %1 (%2).</translation>
    </message>
    <message>
        <source>Language of the gift: %1</source>
        <translation>Lingua del regalo: %1</translation>
    </message>
    <message>
        <source>&amp;Send this text with the gift:</source>
        <translation>&amp;Invia questo testo con il regalo:</translation>
    </message>
    <message>
        <source>How the recipient opens the gift; you can change it</source>
        <translation>Come il destinatario apre il regalo; puoi modificare il testo</translation>
    </message>
    <message>
        <source>&amp;Copy text</source>
        <translation>&amp;Copia testo</translation>
    </message>
    <message>
        <source>Copies the text, to paste it into a mail or a message</source>
        <translation>Copia il testo per incollarlo in un&apos;e-mail o in un messaggio</translation>
    </message>
    <message>
        <source>Show &amp;folder</source>
        <translation>&amp;Mostra cartella</translation>
    </message>
    <message>
        <source>Opens the folder the gift was saved in</source>
        <translation>Apre la cartella in cui è stato salvato il regalo</translation>
    </message>
</context>
<context>
    <name>quill::Magnifier</name>
    <message>
        <source>This desktop does not let programs read the screen, so the loupe cannot magnify it here.</source>
        <translation>Questo desktop non permette ai programmi di leggere lo schermo, quindi la lente non può ingrandirlo qui.</translation>
    </message>
</context>
<context>
    <name>quill::MakerWindow</name>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.heic *.heif *.avif *.webp *.tif *.tiff *.bmp *.gif);;All files (*)</source>
        <translation>Immagini (*.jpg *.jpeg *.png *.heic *.heif *.avif *.webp *.tif *.tiff *.bmp *.gif);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Fit for screens up to 1280 × 800</source>
        <translation>Adatta a schermi fino a 1280 × 800</translation>
    </message>
    <message>
        <source>Fit for screens up to 1920 × 1080</source>
        <translation>Adatta a schermi fino a 1920 × 1080</translation>
    </message>
    <message>
        <source>Fit for screens up to 2560 × 1440</source>
        <translation>Adatta a schermi fino a 2560 × 1440</translation>
    </message>
    <message>
        <source>Keep its own size</source>
        <translation>Mantieni le dimensioni originali</translation>
    </message>
    <message>
        <source>the recipient&apos;s own</source>
        <translation>quella del destinatario</translation>
    </message>
    <message>
        <source>Quillmere Gift Maker</source>
        <translation>Quillmere Gift Maker</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Immagine</translation>
    </message>
    <message>
        <source>P&amp;ieces</source>
        <translation>&amp;Tessere</translation>
    </message>
    <message>
        <source>M&amp;essages</source>
        <translation>Me&amp;ssaggi</translation>
    </message>
    <message>
        <source>Music and s&amp;kin</source>
        <translation>M&amp;usica e skin</translation>
    </message>
    <message>
        <source>The parts of the gift</source>
        <translation>Le parti del regalo</translation>
    </message>
    <message>
        <source>The picture with the pieces as the gift will cut them</source>
        <translation>L&apos;immagine con le tessere come il regalo la taglierà</translation>
    </message>
    <message>
        <source>How far writing the gift has come</source>
        <translation>L&apos;avanzamento della scrittura del regalo</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Scegli…</translation>
    </message>
    <message>
        <source>&amp;Open picture...</source>
        <translation>Ap&amp;ri immagine…</translation>
    </message>
    <message>
        <source>Chooses the picture of the puzzle (Ctrl+O; you can also drop a picture on the window)</source>
        <translation>Sceglie l&apos;immagine del puzzle (Ctrl+O; puoi anche trascinare un&apos;immagine sulla finestra)</translation>
    </message>
    <message>
        <source>No picture yet</source>
        <translation>Nessuna immagine per ora</translation>
    </message>
    <message>
        <source>The picture file</source>
        <translation>Il file dell&apos;immagine</translation>
    </message>
    <message>
        <source>The picture&apos;s size and the size the gift stores</source>
        <translation>Le dimensioni dell&apos;immagine e quelle salvate nel regalo</translation>
    </message>
    <message>
        <source>The size the gift stores the picture at: a smaller picture makes a smaller gift and fits smaller screens</source>
        <translation>Le dimensioni con cui il regalo salva l&apos;immagine: un&apos;immagine più piccola dà un regalo più leggero e sta su schermi più piccoli</translation>
    </message>
    <message>
        <source>Stored si&amp;ze:</source>
        <translation>&amp;Dimensioni salvate:</translation>
    </message>
    <message>
        <source>About the gift</source>
        <translation>Informazioni sul regalo</translation>
    </message>
    <message>
        <source>The puzzle&apos;s title</source>
        <translation>Il titolo del puzzle</translation>
    </message>
    <message>
        <source>Your name, as the recipient sees it</source>
        <translation>Il tuo nome, come lo vedrà il destinatario</translation>
    </message>
    <message>
        <source>A few words about the picture</source>
        <translation>Qualche parola sull&apos;immagine</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>Tit&amp;olo:</translation>
    </message>
    <message>
        <source>C&amp;reator:</source>
        <translation>Autor&amp;e:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>Descri&amp;zione:</translation>
    </message>
    <message>
        <source>The language of the gift&apos;s menus, buttons and help; the recipient&apos;s own is the one their computer is set to</source>
        <translation>La lingua di menu, pulsanti e guida del regalo; quella del destinatario è quella impostata sul suo computer</translation>
    </message>
    <message>
        <source>&amp;Language of the gift:</source>
        <translation>&amp;Lingua del regalo:</translation>
    </message>
    <message>
        <source>How many pieces you ask for; the grid comes nearest to it</source>
        <translation>Quante tessere chiedi; la griglia ci si avvicina il più possibile</translation>
    </message>
    <message>
        <source>The grid the picture is cut into</source>
        <translation>La griglia in cui viene tagliata l&apos;immagine</translation>
    </message>
    <message>
        <source>Piece &amp;count:</source>
        <translation>Numero &amp;di tessere:</translation>
    </message>
    <message>
        <source>The shape of the pieces</source>
        <translation>La forma delle tessere</translation>
    </message>
    <message>
        <source>&amp;Style:</source>
        <translation>Sti&amp;le:</translation>
    </message>
    <message>
        <source>How irregular the pieces are, 0 to 10</source>
        <translation>Quanto sono irregolari le tessere, da 0 a 10</translation>
    </message>
    <message>
        <source>&amp;Oddness:</source>
        <translation>I&amp;rregolarità:</translation>
    </message>
    <message>
        <source> %</source>
        <translation>%</translation>
    </message>
    <message>
        <source>The share of fun pieces cut from the templates, in steps of 10 %</source>
        <translation>La quota di tessere sagomate tagliate dai modelli, a passi del 10%</translation>
    </message>
    <message>
        <source>A file of piece templates for the fun pieces</source>
        <translation>Un file di modelli di tessere per le tessere sagomate</translation>
    </message>
    <message>
        <source>Choose a template file</source>
        <translation>Scegli un file di modelli</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tutti i file (*)</translation>
    </message>
    <message>
        <source>How many templates the file holds</source>
        <translation>Quanti modelli contiene il file</translation>
    </message>
    <message>
        <source>&amp;Templates:</source>
        <translation>&amp;Modelli:</translation>
    </message>
    <message>
        <source>&amp;Rotation</source>
        <translation>Rota&amp;zione</translation>
    </message>
    <message>
        <source>Pieces start turned and must be turned upright</source>
        <translation>Le tessere partono ruotate e vanno raddrizzate</translation>
    </message>
    <message>
        <source>How the pieces&apos; edges are drawn</source>
        <translation>Come vengono disegnati i contorni delle tessere</translation>
    </message>
    <message>
        <source>O&amp;utlines:</source>
        <translation>C&amp;ontorni:</translation>
    </message>
    <message>
        <source>Mystery mo&amp;de</source>
        <translation>Modalità mist&amp;ero</translation>
    </message>
    <message>
        <source>The picture is not shown while solving</source>
        <translation>L&apos;immagine non viene mostrata durante la partita</translation>
    </message>
    <message>
        <source>&amp;Board colour...</source>
        <translation>Colore del ta&amp;volo…</translation>
    </message>
    <message>
        <source>The colour of the board the pieces lie on</source>
        <translation>Il colore del tavolo su cui stanno le tessere</translation>
    </message>
    <message>
        <source>Cuts the picture with other shapes of the same style</source>
        <translation>Taglia l&apos;immagine con altre forme dello stesso stile</translation>
    </message>
    <message>
        <source>The message&apos;s text</source>
        <translation>Il testo del messaggio</translation>
    </message>
    <message>
        <source>The message&apos;s font</source>
        <translation>Il carattere del messaggio</translation>
    </message>
    <message>
        <source> pt</source>
        <translation> pt</translation>
    </message>
    <message>
        <source>The font&apos;s size</source>
        <translation>La dimensione del carattere</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Grassetto</translation>
    </message>
    <message>
        <source>Bold letters</source>
        <translation>Lettere in grassetto</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Corsivo</translation>
    </message>
    <message>
        <source>Slanted letters</source>
        <translation>Lettere in corsivo</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Sottolineato</translation>
    </message>
    <message>
        <source>Underlined letters</source>
        <translation>Lettere sottolineate</translation>
    </message>
    <message>
        <source>Text colour...</source>
        <translation>Colore del testo…</translation>
    </message>
    <message>
        <source>The colour of the letters</source>
        <translation>Il colore delle lettere</translation>
    </message>
    <message>
        <source>Background...</source>
        <translation>Sfondo…</translation>
    </message>
    <message>
        <source>The colour behind the message</source>
        <translation>Il colore dietro il messaggio</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>A sinistra</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>A destra</translation>
    </message>
    <message>
        <source>Centred</source>
        <translation>Centrato</translation>
    </message>
    <message>
        <source>How the lines are aligned</source>
        <translation>Come sono allineate le righe</translation>
    </message>
    <message>
        <source>Music played while solving</source>
        <translation>Musica suonata durante la partita</translation>
    </message>
    <message>
        <source>Choose music</source>
        <translation>Scegli la musica</translation>
    </message>
    <message>
        <source>Music (*.mp3 *.ogg *.opus *.wav *.flac *.mid *.midi);;All files (*)</source>
        <translation>Musica (*.mp3 *.ogg *.opus *.wav *.flac *.mid *.midi);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Plays or stops the music</source>
        <translation>Riproduce o ferma la musica</translation>
    </message>
    <message>
        <source>A picture for the tool bar and panels</source>
        <translation>Un&apos;immagine per la barra degli strumenti e i pannelli</translation>
    </message>
    <message>
        <source>Choose a skin</source>
        <translation>Scegli una skin</translation>
    </message>
    <message>
        <source>The skin on a panel</source>
        <translation>La skin su un pannello</translation>
    </message>
    <message>
        <source>Include e&amp;verything it needs to run (larger file)</source>
        <translation>Includi tutto il &amp;necessario per funzionare (file più grande)</translation>
    </message>
    <message>
        <source>The gift brings the libraries it needs, so it runs on any Linux computer; most recipients need this</source>
        <translation>Il regalo porta con sé le librerie che gli servono e così funziona su qualsiasi computer Linux; serve alla maggior parte dei destinatari</translation>
    </message>
    <message>
        <source>How large the gift will be</source>
        <translation>Quanto sarà grande il regalo</translation>
    </message>
    <message>
        <source>Tr&amp;y it</source>
        <translation>&amp;Prova</translation>
    </message>
    <message>
        <source>Starts the gift as the recipient will see it</source>
        <translation>Avvia il regalo come lo vedrà il destinatario</translation>
    </message>
    <message>
        <source>&amp;Make gift...</source>
        <translation>&amp;Crea il regalo…</translation>
    </message>
    <message>
        <source>Saves the gift (Ctrl+S)</source>
        <translation>Salva il regalo (Ctrl+S)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Recent pictures</source>
        <translation>&amp;Immagini recenti</translation>
    </message>
    <message>
        <source>(none yet)</source>
        <translation>(nessuna per ora)</translation>
    </message>
    <message>
        <source>&amp;Text to send with the gift...</source>
        <translation>&amp;Testo da inviare con il regalo…</translation>
    </message>
    <message>
        <source>Text to send</source>
        <translation>Testo da inviare</translation>
    </message>
    <message>
        <source>Make a gift first.</source>
        <translation>Crea prima un regalo.</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;How to make a gift</source>
        <translation>&amp;Come creare un regalo</translation>
    </message>
    <message>
        <source>How to make a gift</source>
        <translation>Come creare un regalo</translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 = %n pieces</source>
        <translation>
            <numerusform>%1 × %2 = %n tessera</numerusform>
            <numerusform>%1 × %2 = %n tessere</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 × %2 pixels; the gift stores %3</source>
        <translation>%1 × %2 pixel; il regalo salva %3</translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Apri immagine</translation>
    </message>
    <message>
        <source>Choose a picture to see how large the gift will be.</source>
        <translation>Scegli un&apos;immagine per vedere quanto sarà grande il regalo.</translation>
    </message>
    <message>
        <source>The gift: about %1 (it runs where Qt 6 is installed).</source>
        <translation>Il regalo: circa %1 (funziona dove è installato Qt 6).</translation>
    </message>
    <message>
        <source>The gift: about %1 with everything it needs to run on any Linux computer; %2 without.</source>
        <translation>Il regalo: circa %1 con tutto il necessario per funzionare su qualsiasi computer Linux; %2 senza.</translation>
    </message>
    <message>
        <source>The gift: about %1; %2 with everything it needs to run on any Linux computer.</source>
        <translation>Il regalo: circa %1; %2 con tutto il necessario per funzionare su qualsiasi computer Linux.</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>F&amp;erma</translation>
    </message>
    <message>
        <source>Choose a picture first</source>
        <translation>Scegli prima un&apos;immagine</translation>
    </message>
    <message>
        <source>No player to copy was found beside the gift maker</source>
        <translation>Accanto al creatore di regali non è stato trovato alcun programma di gioco da copiare</translation>
    </message>
    <message>
        <source>Save gift</source>
        <translation>Salva il regalo</translation>
    </message>
    <message>
        <source>Zip archive, ready to send (*.zip)</source>
        <translation>Archivio zip, pronto da inviare (*.zip)</translation>
    </message>
    <message>
        <source>The gift program alone (*)</source>
        <translation>Solo il programma del regalo (*)</translation>
    </message>
    <message>
        <source>The gift is saved as %1 (%2)</source>
        <translation>Il regalo è salvato come %1 (%2)</translation>
    </message>
    <message>
        <source>Opening message</source>
        <translation>Messaggio di benvenuto</translation>
    </message>
    <message>
        <source>Shown when the gift starts.</source>
        <translation>Mostrato all&apos;avvio del regalo.</translation>
    </message>
    <message>
        <source>Closing message</source>
        <translation>Messaggio di congedo</translation>
    </message>
    <message>
        <source>Your farewell, shown every time the gift is closed.</source>
        <translation>Il tuo saluto, mostrato ogni volta che il regalo si chiude.</translation>
    </message>
    <message>
        <source>Fu&amp;n pieces:</source>
        <translation>Tessere sa&amp;gomate:</translation>
    </message>
    <message>
        <source>Ne&amp;w shapes</source>
        <translation>Cam&amp;bia forme</translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation>&amp;Riproduci</translation>
    </message>
    <message>
        <source>M&amp;usic:</source>
        <translation>&amp;Musica:</translation>
    </message>
    <message>
        <source>Ski&amp;n:</source>
        <translation>S&amp;kin:</translation>
    </message>
    <message>
        <source>&lt;ol&gt;&lt;li&gt;&lt;b&gt;Picture&lt;/b&gt;: open a photo (File, Open picture, or drop it on the window). JPEG, PNG, HEIC, AVIF, WebP and TIFF pictures are turned upright and stored at the size chosen; a title, your name, a few words and the language of the gift (the recipient&apos;s own unless you choose one) go with it.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Pieces&lt;/b&gt;: how many, their shape and style; the preview shows the cut.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Messages&lt;/b&gt;: the opening message greets the recipient when the gift starts; the closing message is your farewell, shown every time the gift is closed.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Music and skin&lt;/b&gt;: optional music while solving and a picture for the tool bar.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Try it&lt;/b&gt; starts the gift as the recipient will see it.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Make gift&lt;/b&gt; saves it, best as a .zip archive: sent as a bare file, a gift loses the right to run on its way. The window then gives a short text to send with it that tells the recipient how to open it: extract the .zip, double-click the gift, and where that does nothing, Properties, Allow executing as program.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;Include everything it needs to run, unless you know the recipient has Qt 6 installed.&lt;/p&gt;</source>
        <translation>&lt;ol&gt;&lt;li&gt;&lt;b&gt;Immagine&lt;/b&gt;: apri una foto (File, Apri immagine, oppure trascinala sulla finestra). Le immagini JPEG, PNG, HEIC, AVIF, WebP e TIFF vengono raddrizzate e salvate alle dimensioni scelte; le accompagnano un titolo, il tuo nome, qualche parola e la lingua del regalo (quella del destinatario se non ne scegli una).&lt;/li&gt;&lt;li&gt;&lt;b&gt;Tessere&lt;/b&gt;: quante, la loro forma e il loro stile; l&apos;anteprima mostra il taglio.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Messaggi&lt;/b&gt;: il messaggio di benvenuto accoglie il destinatario all&apos;avvio del regalo; il messaggio di congedo è il tuo saluto, mostrato ogni volta che il regalo si chiude.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Musica e skin&lt;/b&gt;: musica facoltativa durante la partita e un&apos;immagine per la barra degli strumenti.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Prova&lt;/b&gt; avvia il regalo come lo vedrà il destinatario.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Crea il regalo&lt;/b&gt; lo salva, meglio come archivio .zip: inviato come semplice file, un regalo perde per strada il permesso di esecuzione. La finestra ti dà poi un breve testo da inviare insieme, che spiega al destinatario come aprirlo: estrarre lo .zip, fare doppio clic sul regalo e, se non succede nulla, Proprietà, Consentire l&apos;esecuzione del file come programma.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;Includi tutto il necessario per funzionare, a meno che tu non sappia che il destinatario ha Qt 6 installato.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>quill::MessagePreview</name>
    <message>
        <source>The message as the gift&apos;s splash screen shows it</source>
        <translation>Il messaggio come lo mostra la schermata iniziale del regalo</translation>
    </message>
</context>
<context>
    <name>quill::PieceSizeDialog</name>
    <message>
        <source>Classic|The traditional jigsaw piece style</source>
        <translation>Classica|La forma tradizionale delle tessere del puzzle</translation>
    </message>
    <message>
        <source>Blip|Straight edges and round tabs</source>
        <translation>Bottoni|Bordi dritti e incastri rotondi</translation>
    </message>
    <message>
        <source>Squares|Straight edges and no tabs</source>
        <translation>Quadrati|Bordi dritti senza incastri</translation>
    </message>
    <message>
        <source>Stars|Straight edges and pointed tabs</source>
        <translation>Stelle|Bordi dritti e incastri a punta</translation>
    </message>
    <message>
        <source>Bubbles|Curved edges and no tabs</source>
        <translation>Bolle|Bordi curvi senza incastri</translation>
    </message>
    <message>
        <source>Mixture|A random mixture of all the different styles</source>
        <translation>Miscuglio|Un miscuglio casuale di tutte le forme</translation>
    </message>
    <message>
        <source>Set Piece Size and Shape</source>
        <translation>Dimensione e forma delle tessere</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Dimensione:</translation>
    </message>
    <message>
        <source>|Set the size of pieces</source>
        <translation>|Imposta la dimensione delle tessere</translation>
    </message>
    <message>
        <source>Oddness:</source>
        <translation>Irregolarità:</translation>
    </message>
    <message>
        <source>|Set the amount of shape irregularity</source>
        <translation>|Imposta quanto sono irregolari le forme</translation>
    </message>
    <message>
        <source>Fun pieces:</source>
        <translation>Tessere sagomate:</translation>
    </message>
    <message>
        <source>|Set the percentage of custom pieces in jigsaw</source>
        <translation>|Imposta la percentuale di tessere sagomate nel puzzle</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Apply changes</source>
        <translation>Applica le modifiche</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>|Press OK to apply the new size</source>
        <translation>|Premi OK per applicare la nuova dimensione</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Help on this screen</source>
        <translation>Aiuto su questa finestra</translation>
    </message>
</context>
<context>
    <name>quill::QuickHelpDialog</name>
    <message>
        <source>Left mouse</source>
        <translation>Tasto sinistro</translation>
    </message>
    <message>
        <source>Move piece</source>
        <translation>Sposta la tessera</translation>
    </message>
    <message>
        <source>Right mouse</source>
        <translation>Tasto destro</translation>
    </message>
    <message>
        <source>Piece popup menu</source>
        <translation>Menu della tessera</translation>
    </message>
    <message>
        <source>Shift+left mouse</source>
        <translation>Shift+tasto sinistro</translation>
    </message>
    <message>
        <source>Fetch neighbor</source>
        <translation>Porta una vicina</translation>
    </message>
    <message>
        <source>Shift+right mouse</source>
        <translation>Shift+tasto destro</translation>
    </message>
    <message>
        <source>Show neighbor</source>
        <translation>Mostra una vicina</translation>
    </message>
    <message>
        <source>Ctrl+left mouse</source>
        <translation>Ctrl+tasto sinistro</translation>
    </message>
    <message>
        <source>Rotate piece left</source>
        <translation>Ruota la tessera a sinistra</translation>
    </message>
    <message>
        <source>Ctrl+right mouse</source>
        <translation>Ctrl+tasto destro</translation>
    </message>
    <message>
        <source>Rotate piece right</source>
        <translation>Ruota la tessera a destra</translation>
    </message>
    <message>
        <source>Ctrl+Shift+left mouse</source>
        <translation>Ctrl+Shift+tasto sinistro</translation>
    </message>
    <message>
        <source>Solve this piece</source>
        <translation>Colloca questa tessera</translation>
    </message>
    <message>
        <source>Ctrl+Shift+right mouse</source>
        <translation>Ctrl+Shift+tasto destro</translation>
    </message>
    <message>
        <source>Show piece solution</source>
        <translation>Mostra il posto della tessera</translation>
    </message>
    <message>
        <source>Scroll wheel click</source>
        <translation>Clic della rotellina</translation>
    </message>
    <message>
        <source>Hold piece</source>
        <translation>Tieni la tessera</translation>
    </message>
    <message>
        <source>Scroll wheel rotate</source>
        <translation>Giro della rotellina</translation>
    </message>
    <message>
        <source>Rotate piece</source>
        <translation>Ruota la tessera</translation>
    </message>
    <message>
        <source>Drag band to select pieces</source>
        <translation>Trascina un riquadro per selezionare le tessere</translation>
    </message>
    <message>
        <source>Board popup menu</source>
        <translation>Menu del tavolo</translation>
    </message>
    <message>
        <source>Left mouse (hold 3 seconds)</source>
        <translation>Tasto sinistro (tieni premuto 3 secondi)</translation>
    </message>
    <message>
        <source>Move ghost around</source>
        <translation>Sposta il fantasma</translation>
    </message>
    <message>
        <source>Fetch piece to ghost</source>
        <translation>Porta la tessera sul fantasma</translation>
    </message>
    <message>
        <source>Find piece to fit ghost</source>
        <translation>Trova la tessera del fantasma</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Zoom picture</source>
        <translation>Zoom dell&apos;immagine</translation>
    </message>
    <message>
        <source>Picture window</source>
        <translation>Finestra dell&apos;immagine</translation>
    </message>
    <message>
        <source>Loupe window</source>
        <translation>Finestra della lente</translation>
    </message>
    <message>
        <source>Ghost background</source>
        <translation>Immagine fantasma sullo sfondo</translation>
    </message>
    <message>
        <source>Advanced options</source>
        <translation>Opzioni avanzate</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Salva la partita</translation>
    </message>
    <message>
        <source>Hint!</source>
        <translation>Suggerimento!</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Mouse click over a piece:</source>
        <translation>Clic su una tessera:</translation>
    </message>
    <message>
        <source>Mouse click over background:</source>
        <translation>Clic sullo sfondo:</translation>
    </message>
    <message>
        <source>Mouse click over ghost:</source>
        <translation>Clic sul fantasma:</translation>
    </message>
    <message>
        <source>Keyboard:</source>
        <translation>Tastiera:</translation>
    </message>
    <message>
        <source>Quick help - shortcuts</source>
        <translation>Guida rapida – scorciatoie</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>Altro…</translation>
    </message>
</context>
<context>
    <name>quill::TLoupeForm</name>
    <message>
        <source>Loupe: %1x</source>
        <translation>Lente: %1x</translation>
    </message>
</context>
<context>
    <name>quill::TOverlayForm</name>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
</context>
<context>
    <name>quill::TrayDialog</name>
    <message>
        <source>Tray Description</source>
        <translation>Descrizione del vassoio</translation>
    </message>
    <message>
        <source>Enter a name or short description for tray:</source>
        <translation>Inserisci un nome o una breve descrizione per il vassoio:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
</context>
</TS>
