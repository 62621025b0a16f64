<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>GiftMaking</name>
    <message>
        <source>The gift would be larger than 2 GB</source>
        <translation>Das Geschenk würde größer als 2 GB</translation>
    </message>
    <message>
        <source>A gift needs a picture</source>
        <translation>Ein Geschenk braucht ein Bild</translation>
    </message>
    <message>
        <source>The picture is not a JPEG file</source>
        <translation>Das Bild ist keine JPEG-Datei</translation>
    </message>
    <message>
        <source>The skin picture is not a JPEG file</source>
        <translation>Das Skin-Bild ist keine JPEG-Datei</translation>
    </message>
    <message>
        <source>A text of the gift holds &quot;%1&quot;, which marks the gift&apos;s header</source>
        <translation>Ein Text des Geschenks enthält „%1“, das Kennzeichen für den Kopfteil des Geschenks</translation>
    </message>
    <message>
        <source>A jigsaw needs at least %1 pieces</source>
        <translation>Ein Puzzle braucht mindestens %1 Teile</translation>
    </message>
    <message>
        <source>The picture of %1x%2 pixels cut into %3 pieces gives a single piece, and a jigsaw needs at least %4: use a larger picture or ask for more pieces</source>
        <translation>Das Bild mit %1x%2 Pixeln ergibt bei %3 Teilen nur ein einziges Teil, ein Puzzle braucht aber mindestens %4: Nehmen Sie ein größeres Bild oder mehr Teile</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>File %1 could not be written</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>is needed</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>%1 (bytes that are not UTF-8)</source>
        <translation>%1 (Bytes, die kein UTF-8 sind)</translation>
    </message>
    <message>
        <source>has characters a gift cannot hold (its texts are Windows-1252): %1</source>
        <translation>enthält Zeichen, die ein Geschenk nicht aufnehmen kann (seine Texte sind Windows-1252): %1</translation>
    </message>
    <message>
        <source>is %1 characters long, %2 more than the %3 a gift holds</source>
        <translation>ist %1 Zeichen lang, %2 mehr als die %3, die ein Geschenk aufnimmt</translation>
    </message>
    <message>
        <source>has bytes that are not UTF-8 text</source>
        <translation>enthält Bytes, die kein UTF-8-Text sind</translation>
    </message>
    <message>
        <source>may not hold &quot;%1&quot;: it marks where the gift&apos;s settings start</source>
        <translation>darf „%1“ nicht enthalten: Diese Zeichenfolge kennzeichnet den Beginn der Einstellungen des Geschenks</translation>
    </message>
    <message>
        <source>is too long: %1 bytes of UTF-8, %2 more than the %3 a gift holds (a letter takes one byte in English, two in Polish or Russian, three in Japanese, four for an emoji)</source>
        <translation>ist zu lang: %1 Bytes UTF-8, %2 mehr als die %3, die ein Geschenk aufnimmt (ein Buchstabe braucht im Englischen ein Byte, im Polnischen oder Russischen zwei, im Japanischen drei, ein Emoji vier)</translation>
    </message>
    <message>
        <source>is %1; it must be from %2 to %3</source>
        <translation>ist %1; erlaubt sind Werte von %2 bis %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a colour name such as clCream nor a number</source>
        <translation>„%1“ ist weder ein Farbname wie clCream noch eine Zahl</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file</source>
        <translation>„%1“ ist keine Datei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read</source>
        <translation>„%1“ kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>der Ordner „%1“ existiert nicht</translation>
    </message>
    <message>
        <source>would overwrite &quot;%1&quot;, which the gift is made from</source>
        <translation>würde „%1“ überschreiben, woraus das Geschenk erstellt wird</translation>
    </message>
    <message>
        <source>a template block needs its number of templates, and a number needs the block</source>
        <translation>ein Vorlagenblock braucht die Anzahl seiner Vorlagen, und eine Anzahl braucht den Block</translation>
    </message>
    <message>
        <source>the music&apos;s extension &quot;%1&quot; must be a dot and one to three letters or digits, such as .ogg</source>
        <translation>die Endung „%1“ der Musik muss aus einem Punkt und ein bis drei Buchstaben oder Ziffern bestehen, etwa .ogg</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language code such as de, pl or pt-BR</source>
        <translation>„%1“ ist kein Sprachcode wie de, pl oder pt-BR</translation>
    </message>
    <message>
        <source>Reading the skin</source>
        <translation>Skin wird gelesen</translation>
    </message>
    <message>
        <source>Reading the music and templates</source>
        <translation>Musik und Vorlagen werden gelesen</translation>
    </message>
    <message>
        <source>Writing the gift</source>
        <translation>Geschenk wird geschrieben</translation>
    </message>
    <message>
        <source>Packing the gift in a zip archive</source>
        <translation>Geschenk wird in ein ZIP-Archiv gepackt</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>The zip archive could not be made (zlib did not start)</source>
        <translation>Das ZIP-Archiv konnte nicht erstellt werden (zlib ließ sich nicht starten)</translation>
    </message>
    <message>
        <source>The gift is too large for a zip archive (4 GB and more)</source>
        <translation>Das Geschenk ist zu groß für ein ZIP-Archiv (4 GB und mehr)</translation>
    </message>
    <message>
        <source>The HEIF picture could not be read (%1: %2): save it as JPEG or PNG first</source>
        <translation>Das HEIF-Bild konnte nicht gelesen werden (%1: %2): Speichern Sie es zuerst als JPEG oder PNG</translation>
    </message>
    <message>
        <source>The HEIF picture has no pixels: save it as JPEG or PNG first</source>
        <translation>Das HEIF-Bild hat keine Pixel: Speichern Sie es zuerst als JPEG oder PNG</translation>
    </message>
    <message>
        <source>No portable player found at %1; give the player to copy with --player PLAYER</source>
        <translation>Kein portables Spielprogramm unter %1 gefunden; geben Sie das zu kopierende Spielprogramm mit --player PLAYER an</translation>
    </message>
    <message>
        <source>No player found at %1; give the player to copy with --player PLAYER</source>
        <translation>Kein Spielprogramm unter %1 gefunden; geben Sie das zu kopierende Spielprogramm mit --player PLAYER an</translation>
    </message>
    <message>
        <source>Install FluidSynth and a General MIDI sound font (the Debian packages fluidsynth and fluid-soundfont-gm), or save the music as Ogg Vorbis, MP3, FLAC or WAV.</source>
        <translation>Installieren Sie FluidSynth und eine General-MIDI-Soundfont (die Debian-Pakete fluidsynth und fluid-soundfont-gm) oder speichern Sie die Musik als Ogg Vorbis, MP3, FLAC oder WAV.</translation>
    </message>
    <message>
        <source>The music file cannot be read.</source>
        <translation>Die Musikdatei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The MIDI music gave no sound.</source>
        <translation>Die MIDI-Musik erzeugte keinen Klang.</translation>
    </message>
    <message>
        <source>The MIDI music cannot be stored as Ogg Vorbis.</source>
        <translation>Die MIDI-Musik kann nicht als Ogg Vorbis gespeichert werden.</translation>
    </message>
    <message>
        <source>MIDI music needs FluidSynth and a General MIDI sound font to be turned into sound every computer can play.</source>
        <translation>MIDI-Musik braucht FluidSynth und eine General-MIDI-Soundfont, damit daraus Klang wird, den jeder Computer abspielen kann.</translation>
    </message>
    <message>
        <source>There is no room for the MIDI music&apos;s sound.</source>
        <translation>Es ist kein Platz für den Klang der MIDI-Musik.</translation>
    </message>
    <message>
        <source>FluidSynth could not play the MIDI music.</source>
        <translation>FluidSynth konnte die MIDI-Musik nicht abspielen.</translation>
    </message>
    <message>
        <source>FluidSynth could not play the MIDI music: %1</source>
        <translation>FluidSynth konnte die MIDI-Musik nicht abspielen: %1</translation>
    </message>
    <message>
        <source>Picture ready</source>
        <translation>Bild fertig</translation>
    </message>
    <message>
        <source>The picture is %1 pixels: more than the %2 million pixels the gift maker reads</source>
        <translation>Das Bild hat %1 Pixel: mehr als die %2 Millionen Pixel, die der Geschenk-Ersteller liest</translation>
    </message>
    <message>
        <source>This is not a picture the gift maker can read (it reads %1): save it as JPEG or PNG first</source>
        <translation>Dieses Bild kann der Geschenk-Ersteller nicht lesen (er liest %1): Speichern Sie es zuerst als JPEG oder PNG</translation>
    </message>
    <message>
        <source>The picture could not be read (%1): save it as JPEG or PNG first</source>
        <translation>Das Bild konnte nicht gelesen werden (%1): Speichern Sie es zuerst als JPEG oder PNG</translation>
    </message>
    <message>
        <source>The picture would be stored at %1 pixels; the player cuts pictures of at most %2 pixels a side, so let it be fitted to a smaller size</source>
        <translation>Das Bild würde mit %1 Pixeln gespeichert; das Spielprogramm zerschneidet Bilder von höchstens %2 Pixeln je Seite, lassen Sie es also auf eine kleinere Größe einpassen</translation>
    </message>
    <message>
        <source>The picture file is empty</source>
        <translation>Die Bilddatei ist leer</translation>
    </message>
    <message>
        <source>Reading the picture</source>
        <translation>Bild wird gelesen</translation>
    </message>
    <message>
        <source>Turning the picture upright</source>
        <translation>Bild wird richtig herum gedreht</translation>
    </message>
    <message>
        <source>Scaling the picture</source>
        <translation>Bild wird skaliert</translation>
    </message>
    <message>
        <source>Storing the picture as JPEG</source>
        <translation>Bild wird als JPEG gespeichert</translation>
    </message>
    <message>
        <source>converted from CMYK</source>
        <translation>aus CMYK umgewandelt</translation>
    </message>
    <message>
        <source>converted from %1</source>
        <translation>aus %1 umgewandelt</translation>
    </message>
    <message>
        <source>turned upright from %1 (EXIF orientation %2)</source>
        <translation>von %1 richtig herum gedreht (EXIF-Ausrichtung %2)</translation>
    </message>
    <message>
        <source>scaled from %1 to %2 to fit %3</source>
        <translation>von %1 auf %2 verkleinert, um in %3 zu passen</translation>
    </message>
    <message>
        <source>kept at its own size as asked</source>
        <translation>wie gewünscht in Originalgröße belassen</translation>
    </message>
    <message>
        <source>kept at its own size, within %1</source>
        <translation>in Originalgröße belassen, innerhalb von %1</translation>
    </message>
    <message>
        <source>the file stored as it is</source>
        <translation>die Datei unverändert gespeichert</translation>
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
        <translation>Öffnen|Ein Puzzle öffnen oder erstellen</translation>
    </message>
    <message>
        <source>Save|Save the jigsaw in progress</source>
        <translation>Speichern|Das laufende Puzzle speichern</translation>
    </message>
    <message>
        <source>Picture|Toggle the picture overlay (F3)</source>
        <translation>Bild|Das Bildfenster ein- oder ausblenden (F3)</translation>
    </message>
    <message>
        <source>Loupe|Toggle the magnifying glass (F4)</source>
        <translation>Lupe|Die Lupe ein- oder ausblenden (F4)</translation>
    </message>
    <message>
        <source>Ghost Picture|Toggle the ghost picture backdrop</source>
        <translation>Geisterbild|Das Geisterbild im Hintergrund ein- oder ausblenden</translation>
    </message>
    <message>
        <source>Zoom|Display the jigsaw image full-screen (F2)</source>
        <translation>Zoom|Das Puzzlebild im Vollbild anzeigen (F2)</translation>
    </message>
    <message>
        <source>Board color|Choose a new background board color</source>
        <translation>Spielflächenfarbe|Eine neue Farbe für die Spielfläche wählen</translation>
    </message>
    <message>
        <source>Piece size and shape|Change the size and shape of pieces</source>
        <translation>Teilgröße und -form|Größe und Form der Teile ändern</translation>
    </message>
    <message>
        <source>Arrange at edge|Arrange pieces around edge</source>
        <translation>Am Rand anordnen|Die Teile am Rand anordnen</translation>
    </message>
    <message>
        <source>Arrange in grid|Arrange pieces in a grid</source>
        <translation>Im Raster anordnen|Die Teile in einem Raster anordnen</translation>
    </message>
    <message>
        <source>New tray|Create a new tray for storing pieces</source>
        <translation>Neue Ablage|Eine neue Ablage zum Aufbewahren von Teilen anlegen</translation>
    </message>
    <message>
        <source>Sound|Turn sound effects on/off</source>
        <translation>Klang|Klangeffekte ein- oder ausschalten</translation>
    </message>
    <message>
        <source>Music|Turn background music on/off</source>
        <translation>Musik|Hintergrundmusik ein- oder ausschalten</translation>
    </message>
    <message>
        <source>Hint|Flash the next two pieces to solve</source>
        <translation>Tipp|Die nächsten zwei passenden Teile aufblinken lassen</translation>
    </message>
    <message>
        <source>Quick Help|Display mouse and keyboard controls</source>
        <translation>Kurzhilfe|Maus- und Tastatursteuerung anzeigen</translation>
    </message>
    <message>
        <source>Brighten ghost|Increase the ghost picture brightness</source>
        <translation>Geisterbild heller|Das Geisterbild heller machen</translation>
    </message>
    <message>
        <source>Fade ghost|Decrease the ghost picture brightness</source>
        <translation>Geisterbild blasser|Das Geisterbild blasser machen</translation>
    </message>
    <message>
        <source>|Time in hours and minutes since jigsaw started</source>
        <translation>|Zeit in Stunden und Minuten seit Beginn des Puzzles</translation>
    </message>
    <message>
        <source>|Number of pieces solved out of total</source>
        <translation>|Gelegte Teile und Gesamtzahl der Teile</translation>
    </message>
    <message>
        <source>Scroll left|Show the trays further left</source>
        <translation>Nach links|Die Ablagen weiter links zeigen</translation>
    </message>
    <message>
        <source>Scroll right|Show the trays further right</source>
        <translation>Nach rechts|Die Ablagen weiter rechts zeigen</translation>
    </message>
    <message>
        <source>Scroll up|Show the trays further up</source>
        <translation>Nach oben|Die Ablagen weiter oben zeigen</translation>
    </message>
    <message>
        <source>Scroll down|Show the trays further down</source>
        <translation>Nach unten|Die Ablagen weiter unten zeigen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Create...</source>
        <translation>&amp;Erstellen…</translation>
    </message>
    <message>
        <source>|Create a new jigsaw</source>
        <translation>|Ein neues Puzzle erstellen</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>|Open or create a jigsaw</source>
        <translation>|Ein Puzzle öffnen oder erstellen</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>|Save the jigsaw in progress</source>
        <translation>|Das laufende Puzzle speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>|Save the jigsaw under a new name</source>
        <translation>|Das Puzzle unter einem neuen Namen speichern</translation>
    </message>
    <message>
        <source>Save as &amp;Gift...</source>
        <translation>Als &amp;Geschenk speichern…</translation>
    </message>
    <message>
        <source>|Save the jigsaw as a gift</source>
        <translation>|Das Puzzle als Geschenk speichern</translation>
    </message>
    <message>
        <source>Save as Screen Sa&amp;ver...</source>
        <translation>Als Bildschirmsc&amp;honer speichern…</translation>
    </message>
    <message>
        <source>|Save the jigsaw as a screensaver</source>
        <translation>|Das Puzzle als Bildschirmschoner speichern</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Löschen…</translation>
    </message>
    <message>
        <source>|Delete a jigsaw</source>
        <translation>|Ein Puzzle löschen</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>|Print the picture</source>
        <translation>|Das Bild drucken</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Drucker ein&amp;richten…</translation>
    </message>
    <message>
        <source>|Set up the printer</source>
        <translation>|Den Drucker einrichten</translation>
    </message>
    <message>
        <source>Re&amp;start...</source>
        <translation>&amp;Neu beginnen…</translation>
    </message>
    <message>
        <source>|Restart the jigsaw from scratch</source>
        <translation>|Das Puzzle ganz von vorn beginnen</translation>
    </message>
    <message>
        <source>|Open this recent jigsaw</source>
        <translation>|Dieses zuletzt benutzte Puzzle öffnen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>|Close the jigsaw</source>
        <translation>|Das Puzzle schließen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Tool bar</source>
        <translation>&amp;Werkzeugleiste</translation>
    </message>
    <message>
        <source>|Show or hide the tool bar</source>
        <translation>|Die Werkzeugleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>&amp;Status bar</source>
        <translation>&amp;Statusleiste</translation>
    </message>
    <message>
        <source>|Show or hide the status bar</source>
        <translation>|Die Statusleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>T&amp;ray bar</source>
        <translation>&amp;Ablageleiste</translation>
    </message>
    <message>
        <source>|Show or hide the tray bar</source>
        <translation>|Die Ablageleiste ein- oder ausblenden</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Bild</translation>
    </message>
    <message>
        <source>|Show the picture window</source>
        <translation>|Das Bildfenster anzeigen</translation>
    </message>
    <message>
        <source>&amp;Loupe</source>
        <translation>&amp;Lupe</translation>
    </message>
    <message>
        <source>|Show the magnifying glass</source>
        <translation>|Die Lupe anzeigen</translation>
    </message>
    <message>
        <source>&amp;Ghost picture</source>
        <translation>&amp;Geisterbild</translation>
    </message>
    <message>
        <source>|Show a faded picture on the board</source>
        <translation>|Ein blasses Bild auf der Spielfläche anzeigen</translation>
    </message>
    <message>
        <source>&amp;Zoom picture</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>|Display the picture full-screen</source>
        <translation>|Das Bild im Vollbild anzeigen</translation>
    </message>
    <message>
        <source>&amp;Board Color</source>
        <translation>Spiel&amp;flächenfarbe</translation>
    </message>
    <message>
        <source>|Choose the colour of the board</source>
        <translation>|Die Farbe der Spielfläche wählen</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Eigene Farbe…</translation>
    </message>
    <message>
        <source>|Pick any colour for the board</source>
        <translation>|Eine beliebige Farbe für die Spielfläche wählen</translation>
    </message>
    <message>
        <source>Matching</source>
        <translation>Passend</translation>
    </message>
    <message>
        <source>|A board colour that matches the picture</source>
        <translation>|Eine Spielflächenfarbe, die zum Bild passt</translation>
    </message>
    <message>
        <source>Contrasting</source>
        <translation>Kontrastierend</translation>
    </message>
    <message>
        <source>|A board colour that contrasts with the picture</source>
        <translation>|Eine Spielflächenfarbe, die sich vom Bild abhebt</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>|The board colour the jigsaw came with</source>
        <translation>|Die ursprüngliche Spielflächenfarbe des Puzzles</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>Arrange at &amp;Edge</source>
        <translation>Am &amp;Rand anordnen</translation>
    </message>
    <message>
        <source>|Arrange the loose pieces around the edge</source>
        <translation>|Die losen Teile rund um den Rand anordnen</translation>
    </message>
    <message>
        <source>Arrange in &amp;Grid</source>
        <translation>Im Ra&amp;ster anordnen</translation>
    </message>
    <message>
        <source>|Arrange the loose pieces in a grid</source>
        <translation>|Die losen Teile in einem Raster anordnen</translation>
    </message>
    <message>
        <source>&amp;Disarrange</source>
        <translation>&amp;Durcheinanderbringen</translation>
    </message>
    <message>
        <source>|Scatter the loose pieces at random</source>
        <translation>|Die losen Teile zufällig verstreuen</translation>
    </message>
    <message>
        <source>&amp;Piece Size...</source>
        <translation>&amp;Teilgröße…</translation>
    </message>
    <message>
        <source>|Change the size and shape of the pieces</source>
        <translation>|Größe und Form der Teile ändern</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Rück&amp;gängig</translation>
    </message>
    <message>
        <source>|Undo the last step</source>
        <translation>|Den letzten Schritt rückgängig machen</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message>
        <source>|Redo the step just undone</source>
        <translation>|Den eben rückgängig gemachten Schritt wiederholen</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <translation>&amp;Vorführung</translation>
    </message>
    <message>
        <source>|Watch the jigsaw solve itself</source>
        <translation>|Zusehen, wie sich das Puzzle selbst löst</translation>
    </message>
    <message>
        <source>More &amp;Tips...</source>
        <translation>Weitere H&amp;inweise…</translation>
    </message>
    <message>
        <source>|Read tips on playing</source>
        <translation>|Hinweise zum Spielen lesen</translation>
    </message>
    <message>
        <source>&amp;Screensaver...</source>
        <translation>Bildschirms&amp;choner…</translation>
    </message>
    <message>
        <source>|Use the picture as a screensaver</source>
        <translation>|Das Bild als Bildschirmschoner verwenden</translation>
    </message>
    <message>
        <source>&amp;Wallpaper</source>
        <translation>&amp;Hintergrundbild</translation>
    </message>
    <message>
        <source>|Use the picture as the desktop wallpaper</source>
        <translation>|Das Bild als Desktop-Hintergrund verwenden</translation>
    </message>
    <message>
        <source>T&amp;rays</source>
        <translation>A&amp;blagen</translation>
    </message>
    <message>
        <source>&amp;New Tray</source>
        <translation>&amp;Neue Ablage</translation>
    </message>
    <message>
        <source>|Create a new tray for storing pieces</source>
        <translation>|Eine neue Ablage zum Aufbewahren von Teilen anlegen</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Öffnen</translation>
    </message>
    <message>
        <source>|Open trays</source>
        <translation>|Ablagen öffnen</translation>
    </message>
    <message>
        <source>Show &amp;All Trays</source>
        <translation>&amp;Alle Ablagen öffnen</translation>
    </message>
    <message>
        <source>|Open every tray</source>
        <translation>|Alle Ablagen öffnen</translation>
    </message>
    <message>
        <source>Show &amp;Used Trays</source>
        <translation>&amp;Belegte Ablagen öffnen</translation>
    </message>
    <message>
        <source>|Open the trays that hold pieces</source>
        <translation>|Die Ablagen öffnen, die Teile enthalten</translation>
    </message>
    <message>
        <source>Show &amp;Empty Trays</source>
        <translation>&amp;Leere Ablagen öffnen</translation>
    </message>
    <message>
        <source>|Open the empty trays</source>
        <translation>|Die leeren Ablagen öffnen</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Verkleinern</translation>
    </message>
    <message>
        <source>|Minimise trays</source>
        <translation>|Ablagen verkleinern</translation>
    </message>
    <message>
        <source>Hide &amp;All Trays</source>
        <translation>&amp;Alle Ablagen verkleinern</translation>
    </message>
    <message>
        <source>|Minimise every tray</source>
        <translation>|Alle Ablagen verkleinern</translation>
    </message>
    <message>
        <source>Hide &amp;Used Trays</source>
        <translation>&amp;Belegte Ablagen verkleinern</translation>
    </message>
    <message>
        <source>|Minimise the trays that hold pieces</source>
        <translation>|Die Ablagen verkleinern, die Teile enthalten</translation>
    </message>
    <message>
        <source>Hide &amp;Empty Trays</source>
        <translation>&amp;Leere Ablagen verkleinern</translation>
    </message>
    <message>
        <source>|Minimise the empty trays</source>
        <translation>|Die leeren Ablagen verkleinern</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>|Delete trays</source>
        <translation>|Ablagen löschen</translation>
    </message>
    <message>
        <source>Delete &amp;All Trays</source>
        <translation>&amp;Alle Ablagen löschen</translation>
    </message>
    <message>
        <source>|Delete every tray; its pieces go to the board</source>
        <translation>|Alle Ablagen löschen; ihre Teile kommen auf die Spielfläche</translation>
    </message>
    <message>
        <source>Delete &amp;Used Trays</source>
        <translation>&amp;Belegte Ablagen löschen</translation>
    </message>
    <message>
        <source>|Delete the trays that hold pieces</source>
        <translation>|Die Ablagen löschen, die Teile enthalten</translation>
    </message>
    <message>
        <source>Delete &amp;Empty Trays</source>
        <translation>&amp;Leere Ablagen löschen</translation>
    </message>
    <message>
        <source>|Delete the empty trays</source>
        <translation>|Die leeren Ablagen löschen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Klang</translation>
    </message>
    <message>
        <source>|Turn sound effects on or off</source>
        <translation>|Klangeffekte ein- oder ausschalten</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Musik</translation>
    </message>
    <message>
        <source>|Turn background music on or off</source>
        <translation>|Hintergrundmusik ein- oder ausschalten</translation>
    </message>
    <message>
        <source>Sha&amp;dows</source>
        <translation>&amp;Schatten</translation>
    </message>
    <message>
        <source>|Moving pieces cast a shadow</source>
        <translation>|Bewegte Teile werfen einen Schatten</translation>
    </message>
    <message>
        <source>&amp;Outlines</source>
        <translation>&amp;Umrisse</translation>
    </message>
    <message>
        <source>|Choose the look of the piece edges</source>
        <translation>|Das Aussehen der Teilkanten wählen</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Keine</translation>
    </message>
    <message>
        <source>|Pieces have no outline</source>
        <translation>|Teile ohne Umriss</translation>
    </message>
    <message>
        <source>&amp;Foil</source>
        <translation>&amp;Folie</translation>
    </message>
    <message>
        <source>|Pieces are made out of thin foil</source>
        <translation>|Teile aus dünner Folie</translation>
    </message>
    <message>
        <source>&amp;Paper</source>
        <translation>&amp;Papier</translation>
    </message>
    <message>
        <source>|Pieces are made out of paper</source>
        <translation>|Teile aus Papier</translation>
    </message>
    <message>
        <source>&amp;Card</source>
        <translation>Kar&amp;ton</translation>
    </message>
    <message>
        <source>|Pieces are made out of thick card</source>
        <translation>|Teile aus dickem Karton</translation>
    </message>
    <message>
        <source>&amp;Wood</source>
        <translation>&amp;Holz</translation>
    </message>
    <message>
        <source>|Pieces are made out of chunky wood</source>
        <translation>|Teile aus massivem Holz</translation>
    </message>
    <message>
        <source>&amp;Smooth</source>
        <translation>Kanten&amp;glättung</translation>
    </message>
    <message>
        <source>|Remove jaggies from piece outlines using smoothing</source>
        <translation>|Treppenstufen an den Umrissen der Teile glätten</translation>
    </message>
    <message>
        <source>&amp;Auto hide</source>
        <translation>&amp;Automatisch ausblenden</translation>
    </message>
    <message>
        <source>|Remove outlines from solved pieces</source>
        <translation>|Umrisse gelegter Teile entfernen</translation>
    </message>
    <message>
        <source>Sort by S&amp;hape</source>
        <translation>Nach &amp;Form sortieren</translation>
    </message>
    <message>
        <source>|Put edge pieces first when arranging</source>
        <translation>|Beim Anordnen die Randteile voranstellen</translation>
    </message>
    <message>
        <source>Sort by &amp;Color</source>
        <translation>Nach F&amp;arbe sortieren</translation>
    </message>
    <message>
        <source>|Put similar colors together when arranging</source>
        <translation>|Beim Anordnen ähnliche Farben gruppieren</translation>
    </message>
    <message>
        <source>&amp;Timer display</source>
        <translation>&amp;Zeitanzeige</translation>
    </message>
    <message>
        <source>|Show the time taken</source>
        <translation>|Die benötigte Zeit anzeigen</translation>
    </message>
    <message>
        <source>&amp;Number display</source>
        <translation>Zä&amp;hleranzeige</translation>
    </message>
    <message>
        <source>|Show the number of pieces solved</source>
        <translation>|Die Anzahl der gelegten Teile anzeigen</translation>
    </message>
    <message>
        <source>&amp;Rotating Pieces</source>
        <translation>&amp;Drehbare Teile</translation>
    </message>
    <message>
        <source>|Pieces can be turned</source>
        <translation>|Teile können gedreht werden</translation>
    </message>
    <message>
        <source>M&amp;ystery Mode</source>
        <translation>&amp;Rätselmodus</translation>
    </message>
    <message>
        <source>|Hide the jigsaw preview pictures</source>
        <translation>|Die Vorschaubilder des Puzzles ausblenden</translation>
    </message>
    <message>
        <source>Time &amp;Limit...</source>
        <translation>Zeit&amp;limit…</translation>
    </message>
    <message>
        <source>|Set a time limit for the jigsaw</source>
        <translation>|Ein Zeitlimit für das Puzzle festlegen</translation>
    </message>
    <message>
        <source>&amp;Advanced...</source>
        <translation>&amp;Erweitert…</translation>
    </message>
    <message>
        <source>|Change the advanced options</source>
        <translation>|Die erweiterten Optionen ändern</translation>
    </message>
    <message>
        <source>&amp;Cheat</source>
        <translation>&amp;Schummeln</translation>
    </message>
    <message>
        <source>Allow &amp;Cheating</source>
        <translation>Schummeln &amp;erlauben</translation>
    </message>
    <message>
        <source>|Allow the cheat commands</source>
        <translation>|Die Schummelbefehle erlauben</translation>
    </message>
    <message>
        <source>&amp;Hint!</source>
        <translation>T&amp;ipp!</translation>
    </message>
    <message>
        <source>|Flash the next two pieces to solve</source>
        <translation>|Die nächsten zwei passenden Teile aufblinken lassen</translation>
    </message>
    <message>
        <source>&amp;Right Way Up!</source>
        <translation>&amp;Richtig herum!</translation>
    </message>
    <message>
        <source>|Turn every piece the right way up</source>
        <translation>|Jedes Teil richtig herum drehen</translation>
    </message>
    <message>
        <source>&amp;Auto-Solve!</source>
        <translation>&amp;Automatisch lösen!</translation>
    </message>
    <message>
        <source>|Let the jigsaw solve itself</source>
        <translation>|Das Puzzle sich selbst lösen lassen</translation>
    </message>
    <message>
        <source>&amp;Internet</source>
        <translation>&amp;Internet</translation>
    </message>
    <message>
        <source>Visit the Quillmere web site</source>
        <translation>Die Quillmere-Website besuchen</translation>
    </message>
    <message>
        <source>&amp;Purchase the full version...</source>
        <translation>&amp;Vollversion kaufen…</translation>
    </message>
    <message>
        <source>|Visit our online store</source>
        <translation>|Unseren Online-Shop besuchen</translation>
    </message>
    <message>
        <source>Jigsaw &amp;Search...</source>
        <translation>Puzzle-&amp;Suche…</translation>
    </message>
    <message>
        <source>|Search the web for jigsaws</source>
        <translation>|Im Web nach Puzzles suchen</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Nach &amp;Updates suchen…</translation>
    </message>
    <message>
        <source>|Look for a newer version</source>
        <translation>|Nach einer neueren Version suchen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>|Show the help contents</source>
        <translation>|Den Inhalt der Hilfe anzeigen</translation>
    </message>
    <message>
        <source>&amp;Search for Help On...</source>
        <translation>Hilfe &amp;durchsuchen…</translation>
    </message>
    <message>
        <source>|Search the help</source>
        <translation>|Die Hilfe durchsuchen</translation>
    </message>
    <message>
        <source>&amp;What&apos;s New</source>
        <translation>&amp;Was ist neu</translation>
    </message>
    <message>
        <source>|What is new in this version</source>
        <translation>|Was in dieser Version neu ist</translation>
    </message>
    <message>
        <source>&amp;FAQ</source>
        <translation>&amp;FAQ</translation>
    </message>
    <message>
        <source>|Frequently asked questions</source>
        <translation>|Häufig gestellte Fragen</translation>
    </message>
    <message>
        <source>How to &amp;Order</source>
        <translation>&amp;Bestellen</translation>
    </message>
    <message>
        <source>|How to order the full version</source>
        <translation>|So bestellen Sie die Vollversion</translation>
    </message>
    <message>
        <source>&amp;Quick Help!</source>
        <translation>&amp;Kurzhilfe!</translation>
    </message>
    <message>
        <source>|Display mouse and keyboard controls</source>
        <translation>|Maus- und Tastatursteuerung anzeigen</translation>
    </message>
    <message>
        <source>About this &amp;Jigsaw...</source>
        <translation>Über dieses &amp;Puzzle…</translation>
    </message>
    <message>
        <source>|Show the jigsaw&apos;s title, creator and progress</source>
        <translation>|Titel, Ersteller und Fortschritt des Puzzles anzeigen</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Über…</translation>
    </message>
    <message>
        <source>|About this program</source>
        <translation>|Über dieses Programm</translation>
    </message>
    <message>
        <source>&amp;Move ghost</source>
        <translation>Geisterbild &amp;verschieben</translation>
    </message>
    <message>
        <source>|Move the ghost picture to another place</source>
        <translation>|Das Geisterbild an eine andere Stelle verschieben</translation>
    </message>
    <message>
        <source>&amp;Find piece!</source>
        <translation>Teil &amp;finden!</translation>
    </message>
    <message>
        <source>|Flash the piece that belongs here</source>
        <translation>|Das Teil aufblinken lassen, das hierher gehört</translation>
    </message>
    <message>
        <source>Fe&amp;tch piece!</source>
        <translation>Teil &amp;holen!</translation>
    </message>
    <message>
        <source>|Bring the piece that belongs here</source>
        <translation>|Das Teil holen, das hierher gehört</translation>
    </message>
    <message>
        <source>S&amp;how Solution!</source>
        <translation>&amp;Lösung zeigen!</translation>
    </message>
    <message>
        <source>|Flash where this piece belongs</source>
        <translation>|Aufblinken lassen, wohin dieses Teil gehört</translation>
    </message>
    <message>
        <source>S&amp;olve Piece!</source>
        <translation>Teil l&amp;egen!</translation>
    </message>
    <message>
        <source>|Put this piece where it belongs</source>
        <translation>|Dieses Teil an seinen Platz legen</translation>
    </message>
    <message>
        <source>Rotate &amp;Right</source>
        <translation>Nach &amp;rechts drehen</translation>
    </message>
    <message>
        <source>|Turn the piece a quarter turn clockwise</source>
        <translation>|Das Teil eine Vierteldrehung im Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Rotate &amp;Left</source>
        <translation>Nach lin&amp;ks drehen</translation>
    </message>
    <message>
        <source>|Turn the piece a quarter turn anticlockwise</source>
        <translation>|Das Teil eine Vierteldrehung gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Right &amp;Way Up!</source>
        <translation>Richtig her&amp;um!</translation>
    </message>
    <message>
        <source>|Turn this piece the right way up</source>
        <translation>|Dieses Teil richtig herum drehen</translation>
    </message>
    <message>
        <source>&amp;Unlock</source>
        <translation>&amp;Abtrennen</translation>
    </message>
    <message>
        <source>|Disconnect the piece from its neighbours</source>
        <translation>|Das Teil von seinen Nachbarn trennen</translation>
    </message>
    <message>
        <source>Send To &amp;Back</source>
        <translation>Nach &amp;hinten</translation>
    </message>
    <message>
        <source>|Put the piece behind all others</source>
        <translation>|Das Teil hinter alle anderen schieben</translation>
    </message>
    <message>
        <source>&amp;Show Neighbor!</source>
        <translation>&amp;Nachbar zeigen!</translation>
    </message>
    <message>
        <source>|Flash a piece that fits this one</source>
        <translation>|Ein Teil aufblinken lassen, das an dieses passt</translation>
    </message>
    <message>
        <source>&amp;Fetch Neighbor!</source>
        <translation>Nachbar h&amp;olen!</translation>
    </message>
    <message>
        <source>|Bring a piece that fits this one</source>
        <translation>|Ein Teil holen, das an dieses passt</translation>
    </message>
    <message>
        <source>Se&amp;lect all pieces</source>
        <translation>Alle Teile aus&amp;wählen</translation>
    </message>
    <message>
        <source>|Pick up every piece in this tray</source>
        <translation>|Alle Teile in dieser Ablage aufnehmen</translation>
    </message>
    <message>
        <source>&amp;Send Tray to Back</source>
        <translation>Ablage nach &amp;hinten</translation>
    </message>
    <message>
        <source>|Put this tray behind the others</source>
        <translation>|Diese Ablage hinter die anderen schieben</translation>
    </message>
    <message>
        <source>D&amp;rop all pieces</source>
        <translation>Alle Teile a&amp;usschütten</translation>
    </message>
    <message>
        <source>|Empty this tray onto the board</source>
        <translation>|Diese Ablage auf die Spielfläche ausleeren</translation>
    </message>
    <message>
        <source>&amp;Get pieces</source>
        <translation>Teile sa&amp;mmeln</translation>
    </message>
    <message>
        <source>|Gather single pieces into this tray</source>
        <translation>|Einzelne Teile in dieser Ablage sammeln</translation>
    </message>
    <message>
        <source>&amp;All pieces</source>
        <translation>&amp;Alle Teile</translation>
    </message>
    <message>
        <source>|Gather every single piece</source>
        <translation>|Jedes einzelne Teil sammeln</translation>
    </message>
    <message>
        <source>&amp;Edge pieces</source>
        <translation>&amp;Randteile</translation>
    </message>
    <message>
        <source>|Gather the single edge pieces</source>
        <translation>|Die einzelnen Randteile sammeln</translation>
    </message>
    <message>
        <source>&amp;Middle pieces</source>
        <translation>&amp;Mittelteile</translation>
    </message>
    <message>
        <source>|Gather the single middle pieces</source>
        <translation>|Die einzelnen Mittelteile sammeln</translation>
    </message>
    <message>
        <source>&amp;Fun pieces</source>
        <translation>M&amp;otivteile</translation>
    </message>
    <message>
        <source>|Gather the single fun pieces</source>
        <translation>|Die einzelnen Motivteile sammeln</translation>
    </message>
    <message>
        <source>|Arrange this tray&apos;s pieces around its edge</source>
        <translation>|Die Teile dieser Ablage rund um ihren Rand anordnen</translation>
    </message>
    <message>
        <source>|Arrange this tray&apos;s pieces in a grid</source>
        <translation>|Die Teile dieser Ablage in einem Raster anordnen</translation>
    </message>
    <message>
        <source>D&amp;isarrange Tray</source>
        <translation>Ablage &amp;durcheinanderbringen</translation>
    </message>
    <message>
        <source>|Scatter this tray&apos;s pieces at random</source>
        <translation>|Die Teile dieser Ablage zufällig verstreuen</translation>
    </message>
    <message>
        <source>Tray &amp;Color</source>
        <translation>Ablage&amp;farbe</translation>
    </message>
    <message>
        <source>|Choose the colour of this tray</source>
        <translation>|Die Farbe dieser Ablage wählen</translation>
    </message>
    <message>
        <source>|Pick any colour for the tray</source>
        <translation>|Eine beliebige Farbe für die Ablage wählen</translation>
    </message>
    <message>
        <source>|A tray colour that matches the picture</source>
        <translation>|Eine Ablagefarbe, die zum Bild passt</translation>
    </message>
    <message>
        <source>|A tray colour that contrasts with the picture</source>
        <translation>|Eine Ablagefarbe, die sich vom Bild abhebt</translation>
    </message>
    <message>
        <source>|The tray takes the board colour</source>
        <translation>|Die Ablage nimmt die Farbe der Spielfläche an</translation>
    </message>
    <message>
        <source>&amp;Tray Description...</source>
        <translation>Ablage&amp;beschreibung…</translation>
    </message>
    <message>
        <source>|Give this tray a name</source>
        <translation>|Dieser Ablage einen Namen geben</translation>
    </message>
    <message>
        <source>&amp;Delete Tray!</source>
        <translation>Ablage l&amp;öschen!</translation>
    </message>
    <message>
        <source>|Delete this tray; its pieces go to the board</source>
        <translation>|Diese Ablage löschen; ihre Teile kommen auf die Spielfläche</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Tray %1 contains pieces which will be
placed on the background.

Ok to delete this tray?</source>
        <translation>Ablage %1 enthält Teile, die beim Löschen auf
die Spielfläche kommen.

Diese Ablage löschen?</translation>
    </message>
    <message>
        <source>To use the scroll wheel, enable it in the Advanced Mouse options screen</source>
        <translation>Um das Mausrad zu benutzen, schalten Sie es in den erweiterten Mausoptionen ein</translation>
    </message>
    <message>
        <source>Rotation is currently disabled in the Options menu</source>
        <translation>Das Drehen ist zurzeit im Menü „Optionen“ ausgeschaltet</translation>
    </message>
    <message>
        <source>Cheating is currently disabled in the Options menu</source>
        <translation>Das Schummeln ist zurzeit im Menü „Optionen“ ausgeschaltet</translation>
    </message>
    <message>
        <source>Mouse: Left=Fetch neighbor, Right=Show neighbor</source>
        <translation>Maus: Links=Nachbar holen, Rechts=Nachbar zeigen</translation>
    </message>
    <message>
        <source>Mouse: Left=Rotate left, Right=Rotate right</source>
        <translation>Maus: Links=nach links drehen, Rechts=nach rechts drehen</translation>
    </message>
    <message>
        <source>Mouse: Left=Solve piece onto ghost, Right=Flash solution</source>
        <translation>Maus: Links=Teil aufs Geisterbild legen, Rechts=Lösung zeigen</translation>
    </message>
    <message>
        <source>Enable the background ghost to use these shortcuts</source>
        <translation>Schalten Sie das Geisterbild ein, um diese Tastenkürzel zu nutzen</translation>
    </message>
    <message>
        <source>Generating: </source>
        <translation>Erzeugen: </translation>
    </message>
    <message>
        <source>This free jigsaw gift was created by Quillmere version %s.
Click on our home page below for a free demo of all the other great features of the game. Or order the full version now!</source>
        <translation>Dieses kostenlose Puzzle-Geschenk wurde mit Quillmere Version %s erstellt.
Klicken Sie unten auf unsere Homepage, um alle weiteren Funktionen des Spiels kostenlos auszuprobieren. Oder bestellen Sie gleich die Vollversion!</translation>
    </message>
    <message>
        <source>File %1 could not be written. The disk may be full, read-only or off-line</source>
        <translation>Die Datei %1 konnte nicht geschrieben werden. Der Datenträger ist vielleicht voll, schreibgeschützt oder nicht verbunden</translation>
    </message>
    <message>
        <source>This jigsaw gift file is damaged and cannot be opened</source>
        <translation>Diese Puzzle-Geschenkdatei ist beschädigt und kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>The puzzle has rotated pieces but the rotation option is currently disabled. Press &apos;Yes&apos; to turn all pieces the right way up or &apos;No&apos; to re-enable rotation.</source>
        <translation>Das Puzzle hat gedrehte Teile, aber Drehen ist zurzeit ausgeschaltet. Wählen Sie „Ja“, um alle Teile richtig herum zu drehen, oder „Nein“, um Drehen wieder einzuschalten.</translation>
    </message>
    <message>
        <source>Would you like some pieces randomly rotated now?</source>
        <translation>Sollen jetzt einige Teile zufällig gedreht werden?</translation>
    </message>
    <message>
        <source>Insufficient graphics resources to set such a large piece size - reducing the number of colors of your desktop may help. Setting scale factor back to 100%...</source>
        <translation>Nicht genug Grafikressourcen für eine so große Teilgröße – weniger Farben auf dem Desktop können helfen. Der Maßstab wird auf 100 % zurückgesetzt…</translation>
    </message>
    <message numerus="yes">
        <source>%n pieces</source>
        <comment>a count of pieces</comment>
        <translation>
            <numerusform>%n Teil</numerusform>
            <numerusform>%n Teile</numerusform>
        </translation>
    </message>
    <message>
        <source>. You used Auto-solve!</source>
        <translation>. Sie haben die automatische Lösung benutzt!</translation>
    </message>
    <message>
        <source> without cheating!</source>
        <translation>, ohne zu schummeln!</translation>
    </message>
    <message>
        <source> by cheating once!</source>
        <translation>, aber einmal geschummelt!</translation>
    </message>
    <message>
        <source>You solved all %1 in %2 and %3</source>
        <translation>Sie haben alle %1 in %2 und %3 gelegt</translation>
    </message>
    <message>
        <source>Created %1 by version %2 </source>
        <translation>Erstellt am %1 mit Version %2 </translation>
    </message>
    <message>
        <source>Solved %1 of %2</source>
        <translation>%1 von %2 gelegt</translation>
    </message>
    <message>
        <source>|Jigsaw is %1% complete, %2 pieces solved per minute</source>
        <translation>|Das Puzzle ist zu %1 % fertig, %2 Teile pro Minute gelegt</translation>
    </message>
    <message>
        <source>The saved game %1 cannot be removed. %2. The new game starts all the same; the saved one is offered again at the next start unless this game is saved over it.</source>
        <translation>Der gespeicherte Spielstand %1 kann nicht entfernt werden. %2. Das neue Spiel beginnt trotzdem; der gespeicherte Stand wird beim nächsten Start wieder angeboten, wenn dieses Spiel ihn nicht überschreibt.</translation>
    </message>
    <message>
        <source>%1 A new game is started instead.</source>
        <translation>%1 Stattdessen beginnt ein neues Spiel.</translation>
    </message>
    <message>
        <source>size/shape</source>
        <translation>Größe/Form</translation>
    </message>
    <message>
        <source>arrange</source>
        <translation>Anordnen</translation>
    </message>
    <message>
        <source>arrange tray</source>
        <translation>Ablage anordnen</translation>
    </message>
    <message>
        <source>disarrange</source>
        <translation>Durcheinanderbringen</translation>
    </message>
    <message>
        <source>disarrange tray</source>
        <translation>Ablage durcheinanderbringen</translation>
    </message>
    <message>
        <source>tray operation</source>
        <translation>Ablageaktion</translation>
    </message>
    <message>
        <source>auto-solve</source>
        <translation>Automatisch lösen</translation>
    </message>
    <message>
        <source>move ghost</source>
        <translation>Geisterbild verschieben</translation>
    </message>
    <message>
        <source>move pieces</source>
        <translation>Teile verschieben</translation>
    </message>
    <message>
        <source>rotate pieces</source>
        <translation>Teile drehen</translation>
    </message>
    <message>
        <source>right way up</source>
        <translation>Richtig herum drehen</translation>
    </message>
    <message>
        <source>cheat</source>
        <translation>Schummeln</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Sorting colors: </source>
        <translation>Farben sortieren: </translation>
    </message>
    <message>
        <source>Rotating: </source>
        <translation>Drehen: </translation>
    </message>
    <message>
        <source>Drawing: </source>
        <translation>Zeichnen: </translation>
    </message>
    <message>
        <source>The custom piece shapes in this jigsaw gift are damaged</source>
        <translation>Die eigenen Teilformen in diesem Puzzle-Geschenk sind beschädigt</translation>
    </message>
    <message numerus="yes">
        <source> by cheating %n times!</source>
        <comment>more than once</comment>
        <translation>
            <numerusform>, aber %n-mal geschummelt!</numerusform>
            <numerusform>, aber %n-mal geschummelt!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <comment>time taken</comment>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <comment>time taken</comment>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have solved %1 out of %n pieces</source>
        <comment>pieces of the puzzle</comment>
        <translation>
            <numerusform>Sie haben %1 von %n Teil gelegt</numerusform>
            <numerusform>Sie haben %1 von %n Teilen gelegt</numerusform>
        </translation>
    </message>
    <message>
        <source>You are in Mystery Mode and the picture is hidden!

Press Yes to exit Mystery Mode and reveal the jigsaw.</source>
        <translation>Sie sind im Rätselmodus und das Bild ist verborgen!

Wählen Sie „Ja“, um den Rätselmodus zu verlassen und das Puzzle zu zeigen.</translation>
    </message>
    <message>
        <source>Press Yes to exit Mystery Mode. You may then use the jigsaw preview tools.</source>
        <translation>Wählen Sie „Ja“, um den Rätselmodus zu verlassen. Danach können Sie die Vorschauwerkzeuge benutzen.</translation>
    </message>
    <message>
        <source>Press Yes to enter Mystery Mode and hide any jigsaw preview pictures.</source>
        <translation>Wählen Sie „Ja“, um in den Rätselmodus zu wechseln und alle Vorschaubilder zu verbergen.</translation>
    </message>
    <message>
        <source>Press &apos;Yes&apos; to turn all pieces the right way up.</source>
        <translation>Wählen Sie „Ja“, um alle Teile richtig herum zu drehen.</translation>
    </message>
    <message>
        <source>This will restart the jigsaw from scratch. Are you sure?</source>
        <translation>Das Puzzle beginnt damit ganz von vorn. Sind Sie sicher?</translation>
    </message>
    <message>
        <source>

The game has not been saved. Close the jigsaw without saving it?
Choose No to go back to the game.</source>
        <translation>

Das Spiel wurde nicht gespeichert. Das Puzzle schließen, ohne es zu speichern?
Wählen Sie „Nein“, um zum Spiel zurückzukehren.</translation>
    </message>
    <message>
        <source>No web browser could be started to show %1</source>
        <translation>Es konnte kein Webbrowser gestartet werden, um %1 anzuzeigen</translation>
    </message>
    <message>
        <source>No music was included in this jigsaw gift file.</source>
        <translation>Diese Puzzle-Geschenkdatei enthält keine Musik.</translation>
    </message>
    <message>
        <source>Cannot create file %1. %2.</source>
        <translation>Die Datei %1 kann nicht erstellt werden. %2.</translation>
    </message>
    <message>
        <source>Cannot write file %1. %2.</source>
        <translation>Die Datei %1 kann nicht geschrieben werden. %2.</translation>
    </message>
    <message>
        <source>The picture could not be read: %1</source>
        <translation>Das Bild konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>The picture of this jigsaw is too large: at most %1 pixels wide and high can be cut into pieces</source>
        <translation>Das Bild dieses Puzzles ist zu groß: Nur Bilder mit höchstens %1 Pixeln Breite und Höhe können in Teile zerschnitten werden</translation>
    </message>
    <message>
        <source>The pieces cannot be cut at %1%: the picture would be larger than %2 pixels wide or high</source>
        <translation>Die Teile können nicht bei %1 % zerschnitten werden: Das Bild wäre breiter oder höher als %2 Pixel</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Die Datei „%1“ kann nicht geöffnet werden. %2</translation>
    </message>
    <message numerus="yes">
        <source>This program needs HiColor mode (64K colors) or better and so is unable to continue while your desktop is set to %n colors. Would you like to change your settings now?</source>
        <comment>colours of the desktop</comment>
        <translation>
            <numerusform>Dieses Programm braucht den HiColor-Modus (64K Farben) oder mehr und kann nicht weiterlaufen, solange Ihr Desktop auf %n Farbe eingestellt ist. Möchten Sie Ihre Einstellungen jetzt ändern?</numerusform>
            <numerusform>Dieses Programm braucht den HiColor-Modus (64K Farben) oder mehr und kann nicht weiterlaufen, solange Ihr Desktop auf %n Farben eingestellt ist. Möchten Sie Ihre Einstellungen jetzt ändern?</numerusform>
        </translation>
    </message>
    <message>
        <source>An unexpected error stopped the operation</source>
        <translation>Ein unerwarteter Fehler hat den Vorgang abgebrochen</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>das Bild ist zu groß</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; is damaged and cannot be resumed.</source>
        <translation>Der gespeicherte Spielstand „%1“ ist beschädigt und kann nicht fortgesetzt werden.</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; cannot be read: %2.</source>
        <translation>Der gespeicherte Spielstand „%1“ kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; cannot be read.</source>
        <translation>Der gespeicherte Spielstand „%1“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; was made by a newer version of this program and cannot be resumed.</source>
        <translation>Der gespeicherte Spielstand „%1“ stammt von einer neueren Version dieses Programms und kann nicht fortgesetzt werden.</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; belongs to another jigsaw and cannot be resumed.</source>
        <translation>Der gespeicherte Spielstand „%1“ gehört zu einem anderen Puzzle und kann nicht fortgesetzt werden.</translation>
    </message>
    <message>
        <source>the file is not a JPEG picture</source>
        <translation>die Datei ist kein JPEG-Bild</translation>
    </message>
    <message>
        <source>the picture is cut short</source>
        <translation>das Bild ist unvollständig</translation>
    </message>
</context>
<context>
    <name>PortableStart</name>
    <message>
        <source>This gift could not be opened: there is no folder where its player can be unpacked (it needs about 60 MB). Free some disk space in your home folder and open the gift again.</source>
        <translation>Dieses Geschenk konnte nicht geöffnet werden: Es gibt keinen Ordner, in den sein Spielprogramm entpackt werden kann (es braucht etwa 60 MB). Schaffen Sie etwas Platz in Ihrem persönlichen Ordner und öffnen Sie das Geschenk erneut.</translation>
    </message>
    <message>
        <source>This gift could not be opened: the file is damaged or incomplete. Download it again, or ask the sender to send it once more.</source>
        <translation>Dieses Geschenk konnte nicht geöffnet werden: Die Datei ist beschädigt oder unvollständig. Laden Sie sie erneut herunter oder bitten Sie den Absender, sie noch einmal zu schicken.</translation>
    </message>
    <message>
        <source>This gift could not be opened.</source>
        <translation>Dieses Geschenk konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Details:</source>
        <translation>Einzelheiten:</translation>
    </message>
</context>
<context>
    <name>QtHost</name>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
</context>
<context>
    <name>SolveDialog</name>
    <message>
        <source>Percentage complete</source>
        <translation>Prozent fertig</translation>
    </message>
    <message>
        <source>Stop!</source>
        <translation>Stopp!</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>langsam</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>schnell</translation>
    </message>
    <message>
        <source>Set speed</source>
        <translation>Geschwindigkeit einstellen</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>Sound effects</source>
        <translation>Soundeffekte</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
</context>
<context>
    <name>SplashForm</name>
    <message>
        <source>Connect to our web site now!</source>
        <translation>Jetzt unsere Website besuchen!</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Bestellen</translation>
    </message>
    <message>
        <source>Connect to our Online Store now!</source>
        <translation>Jetzt unseren Online-Shop besuchen!</translation>
    </message>
    <message>
        <source>Play...</source>
        <translation>Spielen…</translation>
    </message>
    <message>
        <source>Play the jigsaw</source>
        <translation>Das Puzzle spielen</translation>
    </message>
    <message>
        <source>Exit...</source>
        <translation>Beenden…</translation>
    </message>
    <message>
        <source>Resume game...</source>
        <translation>Spiel fortsetzen…</translation>
    </message>
    <message>
        <source>Save game...</source>
        <translation>Spiel speichern…</translation>
    </message>
    <message>
        <source>Free gift edition - share it with your friends!</source>
        <translation>Kostenlose Geschenkausgabe – teilen Sie sie mit Ihren Freunden!</translation>
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
        <translation>Aufruf: quillmere-wrap --picture BILD -o GESCHENK [--portable | --player PLAYER] [Optionen]
  -o GESCHENK             das zu schreibende Geschenk; -o NAME.zip schreibt ein ZIP-Archiv mit
                          dem Geschenk NAME, das Dateimanager startbereit entpacken
  --portable              das portable Spielprogramm kopieren: Das Geschenk läuft auch ohne Qt
  --player PLAYER         das zu kopierende Spielprogramm (Vorgabe: das mit quillmere-wrap installierte)
  --picture DATEI         das Bild des Puzzles: JPEG (auch CMYK), PNG, HEIC/HEIF, AVIF,
                          WebP, TIFF, BMP, GIF oder jede andere Bilddatei, die das Qt
                          dieses Systems liest; nach seiner Ausrichtung richtig herum gedreht
                          und als JPEG gespeichert
  --max-size BxH          ein größeres Bild wird auf BxH verkleinert (Vorgabe 1280x800:
                          Ein Bildschirm mit 1920 x 1080 lässt abzüglich Titel, Menüs,
                          Werkzeugleiste, Ablagenleiste und Statusleiste eine Spielfläche
                          von etwa 1700 x 850, auf die ein Bild mit 1280 x 800 samt
                          verstreuten Teilen passt)
  --keep-size             das Bild in Originalgröße speichern (höchstens 8191 je Seite)
  --pieces N              gewünschte Teile, mindestens 2 (Vorgabe 100)
  --seed N                Zufallsstartwert der Formen und der ersten Anordnung (Vorgabe 1)
  --style S               classic, blip, square, star, round, mix oder 1..6
  --oddness N             Unregelmäßigkeit der Formen 0..10 (Vorgabe 5)
  --outline S             none, foil, paper, card, wood oder 0..4
  --rotation on|off       Teile dürfen gedreht werden
  --mystery on|off        im Rätselmodus beginnen
  --fun N                 Einstellung der Motivteile 0..10
  --board-colour C        Farbe der Spielfläche: ein Name wie clTeal, eine Zahl oder $BBGGRR
  --title T  --creator T  --description T
  --opening T  --closing T            die Nachrichten des Absenders (&quot;\n&quot; bricht eine Zeile um)
  --language CODE         die Sprache des Spielprogramms, etwa de oder pl
                          (Vorgabe: die des Empfängers)
  --opening-colour C  --closing-colour C   Hintergründe der Nachrichten (Farbnamen wie gespeichert)
  --opening-align A  --closing-align A     left, right oder centre
  --opening-font-name F  --opening-font-height H  --opening-font-style BITS  --opening-font-colour C
  --closing-font-name F  --closing-font-height H  --closing-font-style BITS  --closing-font-colour C
  --creator-version V     (Vorgabe v6.13)
  --created TAGE          Tage seit dem 30. Dezember 1899
  --music DATEI  [--music-extension .EXT]   WAV, FLAC, Ogg Vorbis, Opus, MP3; MIDI über FluidSynth
  --skin DATEI            das Bild der Werkzeugleiste, jede Bilddatei (als JPEG gespeichert)
  --templates DATEI --template-count N
Texte sind UTF-8 in jeder Schrift. Titel, Ersteller, Beschreibung und Nachrichten fassen bis zu
256, 256, 4096, 4096 und 4096 Bytes UTF-8; Spielprogramme, die älter als der Textblock sind,
zeigen ihre nächste Windows-1252-Form. Schrift- und Farbnamen müssen Windows-1252 sein. Texte,
die nicht passen, werden unter Nennung des Felds abgelehnt. Gibt aus, in welcher Größe das Bild
gespeichert wurde und warum, die Größe des Geschenks und was sein Empfänger tut, um es zu öffnen.
</translation>
    </message>
    <message>
        <source>%1 needs a whole number from %2 to %3</source>
        <translation>%1 braucht eine ganze Zahl von %2 bis %3</translation>
    </message>
    <message>
        <source>%1 takes on or off</source>
        <translation>%1 erwartet on oder off</translation>
    </message>
    <message>
        <source>%1: unknown colour &quot;%2&quot;</source>
        <translation>%1: unbekannte Farbe „%2“</translation>
    </message>
    <message>
        <source>%1 takes WxH, such as 1280x800</source>
        <translation>%1 erwartet BxH, etwa 1280x800</translation>
    </message>
    <message>
        <source>Wrote %1 (%2), holding the gift %3 (%4).
The recipient extracts it and double-clicks %3.
</source>
        <translation>%1 geschrieben (%2), enthält das Geschenk %3 (%4).
Der Empfänger entpackt es und doppelklickt auf %3.
</translation>
    </message>
    <message>
        <source>Wrote %1 (%2).
The recipient double-clicks it. Sent as it is, it arrives without its execute bit:
send %3.zip (-o NAME.zip) to keep it.
</source>
        <translation>%1 geschrieben (%2).
Der Empfänger doppelklickt darauf. Unverändert verschickt, verliert es unterwegs das Recht, ausgeführt zu werden:
Schicken Sie %3.zip (-o NAME.zip), damit es erhalten bleibt.
</translation>
    </message>
    <message>
        <source>Where a desktop does not start it, Properties &gt; Allow executing as program
(or chmod +x in a terminal) lets it run.
</source>
        <translation>Wo ein Desktop es nicht startet, hilft Eigenschaften &gt; Als Programm ausführen erlauben
(oder chmod +x in einem Terminal).
</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>unbekannte Option %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 braucht einen Wert</translation>
    </message>
    <message>
        <source>Give either --portable or --player, not both</source>
        <translation>Geben Sie entweder --portable oder --player an, nicht beides</translation>
    </message>
    <message>
        <source>Picture stored at %1</source>
        <translation>Bild gespeichert mit %1</translation>
    </message>
</context>
<context>
    <name>quill::AboutBox</name>
    <message>
        <source>Free gift edition - share it with your friends!
All pictures and sounds made for Quillmere Gift.</source>
        <translation>Kostenlose Geschenkausgabe – teilen Sie sie mit Ihren Freunden!
Alle Bilder und Klänge wurden für Quillmere Gift erstellt.</translation>
    </message>
    <message>
        <source>About Quillmere Gift</source>
        <translation>Über Quillmere Gift</translation>
    </message>
    <message>
        <source>This is a free gift - not for retail sale or distribution.</source>
        <translation>Dies ist ein kostenloses Geschenk – nicht für Verkauf oder Vertrieb.</translation>
    </message>
</context>
<context>
    <name>quill::AboutJigDialog</name>
    <message>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <source>Creator:</source>
        <translation>Ersteller:</translation>
    </message>
    <message>
        <source>Info:</source>
        <translation>Info:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stand:</translation>
    </message>
    <message>
        <source>About this jigsaw</source>
        <translation>Über dieses Puzzle</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informationen</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschreibung</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copy the selected text to the Windows clipboard</source>
        <translation>Den markierten Text in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bearbeiten…</translation>
    </message>
    <message>
        <source>Edit the jigsaw description</source>
        <translation>Die Beschreibung des Puzzles bearbeiten</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles markieren</translation>
    </message>
    <message>
        <source>Select all the description text</source>
        <translation>Den ganzen Beschreibungstext markieren</translation>
    </message>
</context>
<context>
    <name>quill::CongratsDialog</name>
    <message>
        <source>You solved it!</source>
        <translation>Geschafft!</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Herzlichen Glückwunsch!</translation>
    </message>
</context>
<context>
    <name>quill::CutPreview</name>
    <message>
        <source>Open a picture to see how it is cut</source>
        <translation>Öffnen Sie ein Bild, um zu sehen, wie es geschnitten wird</translation>
    </message>
</context>
<context>
    <name>quill::GiftMadeDialog</name>
    <message>
        <source>I made you a jigsaw puzzle! To open it:
</source>
        <translation>Ich habe ein Puzzle für Sie gemacht! So öffnen Sie es:
</translation>
    </message>
    <message>
        <source>1. Save %1 and extract it (right-click it, Extract Here).
2. Double-click %2 to start the puzzle.
</source>
        <translation>1. Speichern Sie %1 und entpacken Sie es (Rechtsklick darauf, „Hier entpacken“).
2. Doppelklicken Sie auf %2, um das Puzzle zu starten.
</translation>
    </message>
    <message>
        <source>1. Save %1.
2. Double-click it to start the puzzle.
</source>
        <translation>1. Speichern Sie %1.
2. Doppelklicken Sie darauf, um das Puzzle zu starten.
</translation>
    </message>
    <message>
        <source>If double-clicking does nothing, right-click %1, choose Properties and tick &quot;Allow executing as program&quot; (or type chmod +x %1 in a terminal), then double-click it again. It runs on Linux.</source>
        <translation>Wenn ein Doppelklick nichts bewirkt, klicken Sie mit der rechten Maustaste auf %1, wählen Sie „Eigenschaften“ und setzen Sie das Häkchen bei „Als Programm ausführen erlauben“ (oder geben Sie im Terminal chmod +x %1 ein); doppelklicken Sie dann erneut darauf. Es läuft unter Linux.</translation>
    </message>
    <message>
        <source>Gift made</source>
        <translation>Geschenk erstellt</translation>
    </message>
    <message>
        <source>The gift is saved as &lt;b&gt;%1&lt;/b&gt; (%2) in %3.</source>
        <translation>Das Geschenk ist als &lt;b&gt;%1&lt;/b&gt; (%2) in %3 gespeichert.</translation>
    </message>
    <message>
        <source> The zip archive holds the gift %1 (%2).</source>
        <translation> Das ZIP-Archiv enthält das Geschenk %1 (%2).</translation>
    </message>
    <message>
        <source>Language of the gift: %1</source>
        <translation>Sprache des Geschenks: %1</translation>
    </message>
    <message>
        <source>&amp;Send this text with the gift:</source>
        <translation>Diesen Text mit dem Geschenk &amp;senden:</translation>
    </message>
    <message>
        <source>How the recipient opens the gift; you can change it</source>
        <translation>Wie der Empfänger das Geschenk öffnet; Sie können den Text ändern</translation>
    </message>
    <message>
        <source>&amp;Copy text</source>
        <translation>Text &amp;kopieren</translation>
    </message>
    <message>
        <source>Copies the text, to paste it into a mail or a message</source>
        <translation>Kopiert den Text, um ihn in eine E-Mail oder Nachricht einzufügen</translation>
    </message>
    <message>
        <source>Show &amp;folder</source>
        <translation>&amp;Ordner anzeigen</translation>
    </message>
    <message>
        <source>Opens the folder the gift was saved in</source>
        <translation>Öffnet den Ordner, in dem das Geschenk gespeichert wurde</translation>
    </message>
</context>
<context>
    <name>quill::Magnifier</name>
    <message>
        <source>This desktop does not let programs read the screen, so the loupe cannot magnify it here.</source>
        <translation>Dieser Desktop lässt Programme den Bildschirm nicht lesen, daher kann die Lupe ihn hier nicht vergrößern.</translation>
    </message>
</context>
<context>
    <name>quill::MakerWindow</name>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.heic *.heif *.avif *.webp *.tif *.tiff *.bmp *.gif);;All files (*)</source>
        <translation>Bilder (*.jpg *.jpeg *.png *.heic *.heif *.avif *.webp *.tif *.tiff *.bmp *.gif);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Fit for screens up to 1280 × 800</source>
        <translation>Passend für Bildschirme bis 1280 × 800</translation>
    </message>
    <message>
        <source>Fit for screens up to 1920 × 1080</source>
        <translation>Passend für Bildschirme bis 1920 × 1080</translation>
    </message>
    <message>
        <source>Fit for screens up to 2560 × 1440</source>
        <translation>Passend für Bildschirme bis 2560 × 1440</translation>
    </message>
    <message>
        <source>Keep its own size</source>
        <translation>Originalgröße behalten</translation>
    </message>
    <message>
        <source>the recipient&apos;s own</source>
        <translation>die des Empfängers</translation>
    </message>
    <message>
        <source>Quillmere Gift Maker</source>
        <translation>Quillmere Gift Maker</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Bild</translation>
    </message>
    <message>
        <source>P&amp;ieces</source>
        <translation>&amp;Teile</translation>
    </message>
    <message>
        <source>M&amp;essages</source>
        <translation>&amp;Nachrichten</translation>
    </message>
    <message>
        <source>Music and s&amp;kin</source>
        <translation>Musik und S&amp;kin</translation>
    </message>
    <message>
        <source>The parts of the gift</source>
        <translation>Die Bestandteile des Geschenks</translation>
    </message>
    <message>
        <source>The picture with the pieces as the gift will cut them</source>
        <translation>Das Bild mit den Teilen, wie das Geschenk es schneiden wird</translation>
    </message>
    <message>
        <source>How far writing the gift has come</source>
        <translation>Der Fortschritt beim Schreiben des Geschenks</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Auswählen…</translation>
    </message>
    <message>
        <source>&amp;Open picture...</source>
        <translation>Bild ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Chooses the picture of the puzzle (Ctrl+O; you can also drop a picture on the window)</source>
        <translation>Wählt das Bild des Puzzles (Strg+O; Sie können ein Bild auch auf das Fenster ziehen)</translation>
    </message>
    <message>
        <source>No picture yet</source>
        <translation>Noch kein Bild</translation>
    </message>
    <message>
        <source>The picture file</source>
        <translation>Die Bilddatei</translation>
    </message>
    <message>
        <source>The picture&apos;s size and the size the gift stores</source>
        <translation>Die Größe des Bildes und die Größe, in der das Geschenk es speichert</translation>
    </message>
    <message>
        <source>The size the gift stores the picture at: a smaller picture makes a smaller gift and fits smaller screens</source>
        <translation>Die Größe, in der das Geschenk das Bild speichert: Ein kleineres Bild ergibt ein kleineres Geschenk und passt auf kleinere Bildschirme</translation>
    </message>
    <message>
        <source>Stored si&amp;ze:</source>
        <translation>Gespeicherte &amp;Größe:</translation>
    </message>
    <message>
        <source>About the gift</source>
        <translation>Über das Geschenk</translation>
    </message>
    <message>
        <source>The puzzle&apos;s title</source>
        <translation>Der Titel des Puzzles</translation>
    </message>
    <message>
        <source>Your name, as the recipient sees it</source>
        <translation>Ihr Name, wie der Empfänger ihn sieht</translation>
    </message>
    <message>
        <source>A few words about the picture</source>
        <translation>Ein paar Worte zum Bild</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>T&amp;itel:</translation>
    </message>
    <message>
        <source>C&amp;reator:</source>
        <translation>E&amp;rsteller:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>Be&amp;schreibung:</translation>
    </message>
    <message>
        <source>The language of the gift&apos;s menus, buttons and help; the recipient&apos;s own is the one their computer is set to</source>
        <translation>Die Sprache der Menüs, Schaltflächen und Hilfe des Geschenks; die des Empfängers ist die, auf die sein Computer eingestellt ist</translation>
    </message>
    <message>
        <source>&amp;Language of the gift:</source>
        <translation>S&amp;prache des Geschenks:</translation>
    </message>
    <message>
        <source>How many pieces you ask for; the grid comes nearest to it</source>
        <translation>Wie viele Teile Sie wünschen; das Raster kommt dieser Zahl möglichst nahe</translation>
    </message>
    <message>
        <source>The grid the picture is cut into</source>
        <translation>Das Raster, in das das Bild geschnitten wird</translation>
    </message>
    <message>
        <source>Piece &amp;count:</source>
        <translation>An&amp;zahl der Teile:</translation>
    </message>
    <message>
        <source>The shape of the pieces</source>
        <translation>Die Form der Teile</translation>
    </message>
    <message>
        <source>&amp;Style:</source>
        <translation>&amp;Stil:</translation>
    </message>
    <message>
        <source>How irregular the pieces are, 0 to 10</source>
        <translation>Wie unregelmäßig die Teile sind, 0 bis 10</translation>
    </message>
    <message>
        <source>&amp;Oddness:</source>
        <translation>Un&amp;regelmäßigkeit:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>The share of fun pieces cut from the templates, in steps of 10 %</source>
        <translation>Der Anteil der Motivteile, die nach den Vorlagen geschnitten werden, in Schritten von 10 %</translation>
    </message>
    <message>
        <source>A file of piece templates for the fun pieces</source>
        <translation>Eine Datei mit Teilevorlagen für die Motivteile</translation>
    </message>
    <message>
        <source>Choose a template file</source>
        <translation>Vorlagendatei wählen</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>How many templates the file holds</source>
        <translation>Wie viele Vorlagen die Datei enthält</translation>
    </message>
    <message>
        <source>&amp;Templates:</source>
        <translation>&amp;Vorlagen:</translation>
    </message>
    <message>
        <source>&amp;Rotation</source>
        <translation>Drehun&amp;g</translation>
    </message>
    <message>
        <source>Pieces start turned and must be turned upright</source>
        <translation>Die Teile liegen anfangs gedreht und müssen richtig herum gedreht werden</translation>
    </message>
    <message>
        <source>How the pieces&apos; edges are drawn</source>
        <translation>Wie die Umrisse der Teile gezeichnet werden</translation>
    </message>
    <message>
        <source>O&amp;utlines:</source>
        <translation>U&amp;mrisse:</translation>
    </message>
    <message>
        <source>Mystery mo&amp;de</source>
        <translation>Rätse&amp;lmodus</translation>
    </message>
    <message>
        <source>The picture is not shown while solving</source>
        <translation>Das Bild wird beim Legen nicht gezeigt</translation>
    </message>
    <message>
        <source>&amp;Board colour...</source>
        <translation>&amp;Farbe der Spielfläche…</translation>
    </message>
    <message>
        <source>The colour of the board the pieces lie on</source>
        <translation>Die Farbe der Spielfläche, auf der die Teile liegen</translation>
    </message>
    <message>
        <source>Cuts the picture with other shapes of the same style</source>
        <translation>Schneidet das Bild mit anderen Formen desselben Stils</translation>
    </message>
    <message>
        <source>The message&apos;s text</source>
        <translation>Der Text der Nachricht</translation>
    </message>
    <message>
        <source>The message&apos;s font</source>
        <translation>Die Schrift der Nachricht</translation>
    </message>
    <message>
        <source> pt</source>
        <translation> pt</translation>
    </message>
    <message>
        <source>The font&apos;s size</source>
        <translation>Die Schriftgröße</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Fett</translation>
    </message>
    <message>
        <source>Bold letters</source>
        <translation>Fette Buchstaben</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursiv</translation>
    </message>
    <message>
        <source>Slanted letters</source>
        <translation>Schräge Buchstaben</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Unterstrichen</translation>
    </message>
    <message>
        <source>Underlined letters</source>
        <translation>Unterstrichene Buchstaben</translation>
    </message>
    <message>
        <source>Text colour...</source>
        <translation>Textfarbe…</translation>
    </message>
    <message>
        <source>The colour of the letters</source>
        <translation>Die Farbe der Buchstaben</translation>
    </message>
    <message>
        <source>Background...</source>
        <translation>Hintergrund…</translation>
    </message>
    <message>
        <source>The colour behind the message</source>
        <translation>Die Farbe hinter der Nachricht</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Centred</source>
        <translation>Zentriert</translation>
    </message>
    <message>
        <source>How the lines are aligned</source>
        <translation>Wie die Zeilen ausgerichtet sind</translation>
    </message>
    <message>
        <source>Music played while solving</source>
        <translation>Musik, die beim Legen spielt</translation>
    </message>
    <message>
        <source>Choose music</source>
        <translation>Musik wählen</translation>
    </message>
    <message>
        <source>Music (*.mp3 *.ogg *.opus *.wav *.flac *.mid *.midi);;All files (*)</source>
        <translation>Musik (*.mp3 *.ogg *.opus *.wav *.flac *.mid *.midi);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Plays or stops the music</source>
        <translation>Spielt die Musik ab oder hält sie an</translation>
    </message>
    <message>
        <source>A picture for the tool bar and panels</source>
        <translation>Ein Bild für die Werkzeugleiste und die Bedienfelder</translation>
    </message>
    <message>
        <source>Choose a skin</source>
        <translation>Skin wählen</translation>
    </message>
    <message>
        <source>The skin on a panel</source>
        <translation>Der Skin auf einem Bedienfeld</translation>
    </message>
    <message>
        <source>Include e&amp;verything it needs to run (larger file)</source>
        <translation>&amp;Alles Nötige zum Ausführen mitgeben (größere Datei)</translation>
    </message>
    <message>
        <source>The gift brings the libraries it needs, so it runs on any Linux computer; most recipients need this</source>
        <translation>Das Geschenk bringt die nötigen Bibliotheken mit und läuft so auf jedem Linux-Computer; die meisten Empfänger brauchen das</translation>
    </message>
    <message>
        <source>How large the gift will be</source>
        <translation>Wie groß das Geschenk wird</translation>
    </message>
    <message>
        <source>Tr&amp;y it</source>
        <translation>A&amp;usprobieren</translation>
    </message>
    <message>
        <source>Starts the gift as the recipient will see it</source>
        <translation>Startet das Geschenk so, wie der Empfänger es sehen wird</translation>
    </message>
    <message>
        <source>&amp;Make gift...</source>
        <translation>Geschenk &amp;erstellen…</translation>
    </message>
    <message>
        <source>Saves the gift (Ctrl+S)</source>
        <translation>Speichert das Geschenk (Strg+S)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Recent pictures</source>
        <translation>&amp;Zuletzt geöffnete Bilder</translation>
    </message>
    <message>
        <source>(none yet)</source>
        <translation>(noch keine)</translation>
    </message>
    <message>
        <source>&amp;Text to send with the gift...</source>
        <translation>&amp;Text zum Mitschicken…</translation>
    </message>
    <message>
        <source>Text to send</source>
        <translation>Text zum Mitschicken</translation>
    </message>
    <message>
        <source>Make a gift first.</source>
        <translation>Erstellen Sie zuerst ein Geschenk.</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;How to make a gift</source>
        <translation>&amp;So erstellen Sie ein Geschenk</translation>
    </message>
    <message>
        <source>How to make a gift</source>
        <translation>So erstellen Sie ein Geschenk</translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 = %n pieces</source>
        <translation>
            <numerusform>%1 × %2 = %n Teil</numerusform>
            <numerusform>%1 × %2 = %n Teile</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 × %2 pixels; the gift stores %3</source>
        <translation>%1 × %2 Pixel; das Geschenk speichert %3</translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Bild öffnen</translation>
    </message>
    <message>
        <source>Choose a picture to see how large the gift will be.</source>
        <translation>Wählen Sie ein Bild, um zu sehen, wie groß das Geschenk wird.</translation>
    </message>
    <message>
        <source>The gift: about %1 (it runs where Qt 6 is installed).</source>
        <translation>Das Geschenk: etwa %1 (läuft dort, wo Qt 6 installiert ist).</translation>
    </message>
    <message>
        <source>The gift: about %1 with everything it needs to run on any Linux computer; %2 without.</source>
        <translation>Das Geschenk: etwa %1 mit allem, was es braucht, um auf jedem Linux-Computer zu laufen; %2 ohne.</translation>
    </message>
    <message>
        <source>The gift: about %1; %2 with everything it needs to run on any Linux computer.</source>
        <translation>Das Geschenk: etwa %1; %2 mit allem, was es braucht, um auf jedem Linux-Computer zu laufen.</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>Anha&amp;lten</translation>
    </message>
    <message>
        <source>Choose a picture first</source>
        <translation>Wählen Sie zuerst ein Bild</translation>
    </message>
    <message>
        <source>No player to copy was found beside the gift maker</source>
        <translation>Neben dem Geschenk-Ersteller wurde kein Spielprogramm zum Kopieren gefunden</translation>
    </message>
    <message>
        <source>Save gift</source>
        <translation>Geschenk speichern</translation>
    </message>
    <message>
        <source>Zip archive, ready to send (*.zip)</source>
        <translation>ZIP-Archiv, fertig zum Versenden (*.zip)</translation>
    </message>
    <message>
        <source>The gift program alone (*)</source>
        <translation>Nur das Geschenkprogramm (*)</translation>
    </message>
    <message>
        <source>The gift is saved as %1 (%2)</source>
        <translation>Das Geschenk ist als %1 (%2) gespeichert</translation>
    </message>
    <message>
        <source>Opening message</source>
        <translation>Begrüßung</translation>
    </message>
    <message>
        <source>Shown when the gift starts.</source>
        <translation>Erscheint, wenn das Geschenk startet.</translation>
    </message>
    <message>
        <source>Closing message</source>
        <translation>Abschiedsgruß</translation>
    </message>
    <message>
        <source>Your farewell, shown every time the gift is closed.</source>
        <translation>Ihr Abschiedsgruß, der jedes Mal erscheint, wenn das Geschenk geschlossen wird.</translation>
    </message>
    <message>
        <source>Fu&amp;n pieces:</source>
        <translation>Mot&amp;ivteile:</translation>
    </message>
    <message>
        <source>Ne&amp;w shapes</source>
        <translation>Neue F&amp;ormen</translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation>Ab&amp;spielen</translation>
    </message>
    <message>
        <source>M&amp;usic:</source>
        <translation>&amp;Musik:</translation>
    </message>
    <message>
        <source>Ski&amp;n:</source>
        <translation>Sk&amp;in:</translation>
    </message>
    <message>
        <source>&lt;ol&gt;&lt;li&gt;&lt;b&gt;Picture&lt;/b&gt;: open a photo (File, Open picture, or drop it on the window). JPEG, PNG, HEIC, AVIF, WebP and TIFF pictures are turned upright and stored at the size chosen; a title, your name, a few words and the language of the gift (the recipient&apos;s own unless you choose one) go with it.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Pieces&lt;/b&gt;: how many, their shape and style; the preview shows the cut.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Messages&lt;/b&gt;: the opening message greets the recipient when the gift starts; the closing message is your farewell, shown every time the gift is closed.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Music and skin&lt;/b&gt;: optional music while solving and a picture for the tool bar.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Try it&lt;/b&gt; starts the gift as the recipient will see it.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Make gift&lt;/b&gt; saves it, best as a .zip archive: sent as a bare file, a gift loses the right to run on its way. The window then gives a short text to send with it that tells the recipient how to open it: extract the .zip, double-click the gift, and where that does nothing, Properties, Allow executing as program.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;Include everything it needs to run, unless you know the recipient has Qt 6 installed.&lt;/p&gt;</source>
        <translation>&lt;ol&gt;&lt;li&gt;&lt;b&gt;Bild&lt;/b&gt;: Öffnen Sie ein Foto (Datei, Bild öffnen, oder ziehen Sie es auf das Fenster). JPEG-, PNG-, HEIC-, AVIF-, WebP- und TIFF-Bilder werden richtig herum gedreht und in der gewählten Größe gespeichert; dazu kommen ein Titel, Ihr Name, ein paar Worte und die Sprache des Geschenks (die des Empfängers, wenn Sie keine wählen).&lt;/li&gt;&lt;li&gt;&lt;b&gt;Teile&lt;/b&gt;: wie viele, ihre Form und ihr Stil; die Vorschau zeigt den Schnitt.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Nachrichten&lt;/b&gt;: Die Begrüßung heißt den Empfänger willkommen, wenn das Geschenk startet; der Abschiedsgruß erscheint jedes Mal, wenn das Geschenk geschlossen wird.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Musik und Skin&lt;/b&gt;: auf Wunsch Musik beim Legen und ein Bild für die Werkzeugleiste.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Ausprobieren&lt;/b&gt; startet das Geschenk so, wie der Empfänger es sehen wird.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Geschenk erstellen&lt;/b&gt; speichert es, am besten als .zip-Archiv: Als bloße Datei verschickt, verliert ein Geschenk unterwegs das Recht, ausgeführt zu werden. Das Fenster gibt Ihnen dann einen kurzen Text zum Mitschicken, der dem Empfänger erklärt, wie er es öffnet: die .zip-Datei entpacken, auf das Geschenk doppelklicken und, wo das nichts bewirkt, Eigenschaften, Als Programm ausführen erlauben.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;Geben Sie alles Nötige zum Ausführen mit, außer Sie wissen, dass beim Empfänger Qt 6 installiert ist.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>quill::MessagePreview</name>
    <message>
        <source>The message as the gift&apos;s splash screen shows it</source>
        <translation>Die Nachricht, wie der Startbildschirm des Geschenks sie zeigt</translation>
    </message>
</context>
<context>
    <name>quill::PieceSizeDialog</name>
    <message>
        <source>Classic|The traditional jigsaw piece style</source>
        <translation>Klassisch|Die traditionelle Form der Puzzleteile</translation>
    </message>
    <message>
        <source>Blip|Straight edges and round tabs</source>
        <translation>Knubbel|Gerade Kanten und runde Nasen</translation>
    </message>
    <message>
        <source>Squares|Straight edges and no tabs</source>
        <translation>Quadrate|Gerade Kanten und keine Nasen</translation>
    </message>
    <message>
        <source>Stars|Straight edges and pointed tabs</source>
        <translation>Sterne|Gerade Kanten und spitze Nasen</translation>
    </message>
    <message>
        <source>Bubbles|Curved edges and no tabs</source>
        <translation>Blasen|Gebogene Kanten und keine Nasen</translation>
    </message>
    <message>
        <source>Mixture|A random mixture of all the different styles</source>
        <translation>Mischung|Eine zufällige Mischung aller Formen</translation>
    </message>
    <message>
        <source>Set Piece Size and Shape</source>
        <translation>Größe und Form der Teile</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>|Set the size of pieces</source>
        <translation>|Die Größe der Teile einstellen</translation>
    </message>
    <message>
        <source>Oddness:</source>
        <translation>Unregelmäßigkeit:</translation>
    </message>
    <message>
        <source>|Set the amount of shape irregularity</source>
        <translation>|Die Unregelmäßigkeit der Formen einstellen</translation>
    </message>
    <message>
        <source>Fun pieces:</source>
        <translation>Motivteile:</translation>
    </message>
    <message>
        <source>|Set the percentage of custom pieces in jigsaw</source>
        <translation>|Den Anteil der Motivteile im Puzzle einstellen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Apply changes</source>
        <translation>Änderungen anwenden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>|Press OK to apply the new size</source>
        <translation>|Mit OK die neue Größe anwenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help on this screen</source>
        <translation>Hilfe zu diesem Fenster</translation>
    </message>
</context>
<context>
    <name>quill::QuickHelpDialog</name>
    <message>
        <source>Left mouse</source>
        <translation>Linke Maustaste</translation>
    </message>
    <message>
        <source>Move piece</source>
        <translation>Teil bewegen</translation>
    </message>
    <message>
        <source>Right mouse</source>
        <translation>Rechte Maustaste</translation>
    </message>
    <message>
        <source>Piece popup menu</source>
        <translation>Kontextmenü des Teils</translation>
    </message>
    <message>
        <source>Shift+left mouse</source>
        <translation>Umschalt+linke Maustaste</translation>
    </message>
    <message>
        <source>Fetch neighbor</source>
        <translation>Nachbar holen</translation>
    </message>
    <message>
        <source>Shift+right mouse</source>
        <translation>Umschalt+rechte Maustaste</translation>
    </message>
    <message>
        <source>Show neighbor</source>
        <translation>Nachbar zeigen</translation>
    </message>
    <message>
        <source>Ctrl+left mouse</source>
        <translation>Strg+linke Maustaste</translation>
    </message>
    <message>
        <source>Rotate piece left</source>
        <translation>Teil nach links drehen</translation>
    </message>
    <message>
        <source>Ctrl+right mouse</source>
        <translation>Strg+rechte Maustaste</translation>
    </message>
    <message>
        <source>Rotate piece right</source>
        <translation>Teil nach rechts drehen</translation>
    </message>
    <message>
        <source>Ctrl+Shift+left mouse</source>
        <translation>Strg+Umschalt+linke Maustaste</translation>
    </message>
    <message>
        <source>Solve this piece</source>
        <translation>Dieses Teil legen</translation>
    </message>
    <message>
        <source>Ctrl+Shift+right mouse</source>
        <translation>Strg+Umschalt+rechte Maustaste</translation>
    </message>
    <message>
        <source>Show piece solution</source>
        <translation>Lösung des Teils zeigen</translation>
    </message>
    <message>
        <source>Scroll wheel click</source>
        <translation>Klick mit dem Mausrad</translation>
    </message>
    <message>
        <source>Hold piece</source>
        <translation>Teil festhalten</translation>
    </message>
    <message>
        <source>Scroll wheel rotate</source>
        <translation>Mausrad drehen</translation>
    </message>
    <message>
        <source>Rotate piece</source>
        <translation>Teil drehen</translation>
    </message>
    <message>
        <source>Drag band to select pieces</source>
        <translation>Rahmen ziehen, um Teile auszuwählen</translation>
    </message>
    <message>
        <source>Board popup menu</source>
        <translation>Kontextmenü der Spielfläche</translation>
    </message>
    <message>
        <source>Left mouse (hold 3 seconds)</source>
        <translation>Linke Maustaste (3 Sekunden halten)</translation>
    </message>
    <message>
        <source>Move ghost around</source>
        <translation>Geisterbild verschieben</translation>
    </message>
    <message>
        <source>Fetch piece to ghost</source>
        <translation>Teil zum Geisterbild holen</translation>
    </message>
    <message>
        <source>Find piece to fit ghost</source>
        <translation>Passendes Teil zum Geisterbild finden</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Zoom picture</source>
        <translation>Bild zoomen</translation>
    </message>
    <message>
        <source>Picture window</source>
        <translation>Bildfenster</translation>
    </message>
    <message>
        <source>Loupe window</source>
        <translation>Lupenfenster</translation>
    </message>
    <message>
        <source>Ghost background</source>
        <translation>Geisterbild im Hintergrund</translation>
    </message>
    <message>
        <source>Advanced options</source>
        <translation>Erweiterte Optionen</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Spiel speichern</translation>
    </message>
    <message>
        <source>Hint!</source>
        <translation>Tipp!</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Mouse click over a piece:</source>
        <translation>Mausklick auf ein Teil:</translation>
    </message>
    <message>
        <source>Mouse click over background:</source>
        <translation>Mausklick auf den Hintergrund:</translation>
    </message>
    <message>
        <source>Mouse click over ghost:</source>
        <translation>Mausklick auf das Geisterbild:</translation>
    </message>
    <message>
        <source>Keyboard:</source>
        <translation>Tastatur:</translation>
    </message>
    <message>
        <source>Quick help - shortcuts</source>
        <translation>Kurzhilfe – Tastenkürzel</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>Mehr…</translation>
    </message>
</context>
<context>
    <name>quill::TLoupeForm</name>
    <message>
        <source>Loupe: %1x</source>
        <translation>Lupe: %1x</translation>
    </message>
</context>
<context>
    <name>quill::TOverlayForm</name>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
</context>
<context>
    <name>quill::TrayDialog</name>
    <message>
        <source>Tray Description</source>
        <translation>Ablagebeschreibung</translation>
    </message>
    <message>
        <source>Enter a name or short description for tray:</source>
        <translation>Geben Sie einen Namen oder eine kurze Beschreibung für die Ablage ein:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
</context>
</TS>
