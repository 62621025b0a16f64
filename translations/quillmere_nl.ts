<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>GiftMaking</name>
    <message>
        <source>The gift would be larger than 2 GB</source>
        <translation>Het cadeau zou groter worden dan 2 GB</translation>
    </message>
    <message>
        <source>A gift needs a picture</source>
        <translation>Een cadeau heeft een afbeelding nodig</translation>
    </message>
    <message>
        <source>The picture is not a JPEG file</source>
        <translation>De afbeelding is geen JPEG-bestand</translation>
    </message>
    <message>
        <source>The skin picture is not a JPEG file</source>
        <translation>De skinafbeelding is geen JPEG-bestand</translation>
    </message>
    <message>
        <source>A text of the gift holds &quot;%1&quot;, which marks the gift&apos;s header</source>
        <translation>Een tekst van het cadeau bevat ‘%1’, wat de kop van het cadeau markeert</translation>
    </message>
    <message>
        <source>A jigsaw needs at least %1 pieces</source>
        <translation>Een puzzel heeft minstens %1 stukjes nodig</translation>
    </message>
    <message>
        <source>The picture of %1x%2 pixels cut into %3 pieces gives a single piece, and a jigsaw needs at least %4: use a larger picture or ask for more pieces</source>
        <translation>De afbeelding van %1x%2 pixels in %3 stukjes gesneden geeft maar één stukje, en een puzzel heeft er minstens %4 nodig: gebruik een grotere afbeelding of vraag om meer stukjes</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;</source>
        <translation>Kan bestand ‘%1’ niet openen</translation>
    </message>
    <message>
        <source>File %1 could not be written</source>
        <translation>Bestand %1 kon niet worden geschreven</translation>
    </message>
    <message>
        <source>is needed</source>
        <translation>is verplicht</translation>
    </message>
    <message>
        <source>%1 (bytes that are not UTF-8)</source>
        <translation>%1 (bytes die geen UTF-8 zijn)</translation>
    </message>
    <message>
        <source>has characters a gift cannot hold (its texts are Windows-1252): %1</source>
        <translation>bevat tekens die een cadeau niet kan opslaan (de teksten zijn Windows-1252): %1</translation>
    </message>
    <message>
        <source>is %1 characters long, %2 more than the %3 a gift holds</source>
        <translation>is %1 tekens lang, %2 meer dan de %3 die in een cadeau passen</translation>
    </message>
    <message>
        <source>has bytes that are not UTF-8 text</source>
        <translation>bevat bytes die geen UTF-8-tekst zijn</translation>
    </message>
    <message>
        <source>may not hold &quot;%1&quot;: it marks where the gift&apos;s settings start</source>
        <translation>mag geen ‘%1’ bevatten: dat markeert waar de instellingen van het cadeau beginnen</translation>
    </message>
    <message>
        <source>is too long: %1 bytes of UTF-8, %2 more than the %3 a gift holds (a letter takes one byte in English, two in Polish or Russian, three in Japanese, four for an emoji)</source>
        <translation>is te lang: %1 bytes UTF-8, %2 meer dan de %3 die in een cadeau passen (een letter neemt in het Engels één byte in beslag, in het Pools of Russisch twee, in het Japans drie en een emoji vier)</translation>
    </message>
    <message>
        <source>is %1; it must be from %2 to %3</source>
        <translation>is %1; het moet tussen %2 en %3 liggen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a colour name such as clCream nor a number</source>
        <translation>‘%1’ is geen kleurnaam zoals clCream en ook geen getal</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file</source>
        <translation>‘%1’ is geen bestand</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read</source>
        <translation>‘%1’ kan niet worden gelezen</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>de map ‘%1’ bestaat niet</translation>
    </message>
    <message>
        <source>would overwrite &quot;%1&quot;, which the gift is made from</source>
        <translation>zou ‘%1’ overschrijven, waaruit het cadeau wordt gemaakt</translation>
    </message>
    <message>
        <source>a template block needs its number of templates, and a number needs the block</source>
        <translation>een sjabloonblok heeft zijn aantal sjablonen nodig, en een aantal heeft het blok nodig</translation>
    </message>
    <message>
        <source>the music&apos;s extension &quot;%1&quot; must be a dot and one to three letters or digits, such as .ogg</source>
        <translation>de extensie van de muziek ‘%1’ moet een punt zijn met één tot drie letters of cijfers, zoals .ogg</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language code such as de, pl or pt-BR</source>
        <translation>‘%1’ is geen taalcode zoals de, pl of pt-BR</translation>
    </message>
    <message>
        <source>Reading the skin</source>
        <translation>Skin lezen</translation>
    </message>
    <message>
        <source>Reading the music and templates</source>
        <translation>Muziek en sjablonen lezen</translation>
    </message>
    <message>
        <source>Writing the gift</source>
        <translation>Cadeau schrijven</translation>
    </message>
    <message>
        <source>Packing the gift in a zip archive</source>
        <translation>Cadeau in een zip-archief verpakken</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Klaar</translation>
    </message>
    <message>
        <source>The zip archive could not be made (zlib did not start)</source>
        <translation>Het zip-archief kon niet worden gemaakt (zlib startte niet)</translation>
    </message>
    <message>
        <source>The gift is too large for a zip archive (4 GB and more)</source>
        <translation>Het cadeau is te groot voor een zip-archief (4 GB en meer)</translation>
    </message>
    <message>
        <source>The HEIF picture could not be read (%1: %2): save it as JPEG or PNG first</source>
        <translation>De HEIF-afbeelding kon niet worden gelezen (%1: %2): sla deze eerst op als JPEG of PNG</translation>
    </message>
    <message>
        <source>The HEIF picture has no pixels: save it as JPEG or PNG first</source>
        <translation>De HEIF-afbeelding heeft geen pixels: sla deze eerst op als JPEG of PNG</translation>
    </message>
    <message>
        <source>No portable player found at %1; give the player to copy with --player PLAYER</source>
        <translation>Geen draagbaar speelprogramma gevonden in %1; geef het te kopiëren speelprogramma op met --player PLAYER</translation>
    </message>
    <message>
        <source>No player found at %1; give the player to copy with --player PLAYER</source>
        <translation>Geen speelprogramma gevonden in %1; geef het te kopiëren speelprogramma op met --player PLAYER</translation>
    </message>
    <message>
        <source>Install FluidSynth and a General MIDI sound font (the Debian packages fluidsynth and fluid-soundfont-gm), or save the music as Ogg Vorbis, MP3, FLAC or WAV.</source>
        <translation>Installeer FluidSynth en een General MIDI-soundfont (de Debian-pakketten fluidsynth en fluid-soundfont-gm), of sla de muziek op als Ogg Vorbis, MP3, FLAC of WAV.</translation>
    </message>
    <message>
        <source>The music file cannot be read.</source>
        <translation>Het muziekbestand kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>The MIDI music gave no sound.</source>
        <translation>De MIDI-muziek leverde geen geluid op.</translation>
    </message>
    <message>
        <source>The MIDI music cannot be stored as Ogg Vorbis.</source>
        <translation>De MIDI-muziek kan niet als Ogg Vorbis worden opgeslagen.</translation>
    </message>
    <message>
        <source>MIDI music needs FluidSynth and a General MIDI sound font to be turned into sound every computer can play.</source>
        <translation>MIDI-muziek heeft FluidSynth en een General MIDI-soundfont nodig om er geluid van te maken dat elke computer kan afspelen.</translation>
    </message>
    <message>
        <source>There is no room for the MIDI music&apos;s sound.</source>
        <translation>Er is geen ruimte voor het geluid van de MIDI-muziek.</translation>
    </message>
    <message>
        <source>FluidSynth could not play the MIDI music.</source>
        <translation>FluidSynth kon de MIDI-muziek niet afspelen.</translation>
    </message>
    <message>
        <source>FluidSynth could not play the MIDI music: %1</source>
        <translation>FluidSynth kon de MIDI-muziek niet afspelen: %1</translation>
    </message>
    <message>
        <source>Picture ready</source>
        <translation>Afbeelding klaar</translation>
    </message>
    <message>
        <source>The picture is %1 pixels: more than the %2 million pixels the gift maker reads</source>
        <translation>De afbeelding heeft %1 pixels: meer dan de %2 miljoen pixels die de cadeaumaker kan lezen</translation>
    </message>
    <message>
        <source>This is not a picture the gift maker can read (it reads %1): save it as JPEG or PNG first</source>
        <translation>Dit is geen afbeelding die de cadeaumaker kan lezen (hij leest %1): sla deze eerst op als JPEG of PNG</translation>
    </message>
    <message>
        <source>The picture could not be read (%1): save it as JPEG or PNG first</source>
        <translation>De afbeelding kon niet worden gelezen (%1): sla deze eerst op als JPEG of PNG</translation>
    </message>
    <message>
        <source>The picture would be stored at %1 pixels; the player cuts pictures of at most %2 pixels a side, so let it be fitted to a smaller size</source>
        <translation>De afbeelding zou worden opgeslagen op %1 pixels; het speelprogramma snijdt afbeeldingen van hoogstens %2 pixels per zijde, laat deze dus inpassen in een kleiner formaat</translation>
    </message>
    <message>
        <source>The picture file is empty</source>
        <translation>Het afbeeldingsbestand is leeg</translation>
    </message>
    <message>
        <source>Reading the picture</source>
        <translation>Afbeelding lezen</translation>
    </message>
    <message>
        <source>Turning the picture upright</source>
        <translation>Afbeelding rechtop zetten</translation>
    </message>
    <message>
        <source>Scaling the picture</source>
        <translation>Afbeelding schalen</translation>
    </message>
    <message>
        <source>Storing the picture as JPEG</source>
        <translation>Afbeelding opslaan als JPEG</translation>
    </message>
    <message>
        <source>converted from CMYK</source>
        <translation>omgezet vanuit CMYK</translation>
    </message>
    <message>
        <source>converted from %1</source>
        <translation>omgezet vanuit %1</translation>
    </message>
    <message>
        <source>turned upright from %1 (EXIF orientation %2)</source>
        <translation>rechtop gezet vanuit %1 (EXIF-oriëntatie %2)</translation>
    </message>
    <message>
        <source>scaled from %1 to %2 to fit %3</source>
        <translation>verkleind van %1 naar %2 om binnen %3 te passen</translation>
    </message>
    <message>
        <source>kept at its own size as asked</source>
        <translation>op eigen formaat gelaten, zoals gevraagd</translation>
    </message>
    <message>
        <source>kept at its own size, within %1</source>
        <translation>op eigen formaat gelaten, binnen %1</translation>
    </message>
    <message>
        <source>the file stored as it is</source>
        <translation>het bestand ongewijzigd opgeslagen</translation>
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
        <translation>Openen|Een puzzel openen of maken</translation>
    </message>
    <message>
        <source>Save|Save the jigsaw in progress</source>
        <translation>Opslaan|De lopende puzzel opslaan</translation>
    </message>
    <message>
        <source>Picture|Toggle the picture overlay (F3)</source>
        <translation>Afbeelding|Het afbeeldingsvenster tonen of verbergen (F3)</translation>
    </message>
    <message>
        <source>Loupe|Toggle the magnifying glass (F4)</source>
        <translation>Loep|Het vergrootglas tonen of verbergen (F4)</translation>
    </message>
    <message>
        <source>Ghost Picture|Toggle the ghost picture backdrop</source>
        <translation>Spookbeeld|Het spookbeeld op de achtergrond tonen of verbergen</translation>
    </message>
    <message>
        <source>Zoom|Display the jigsaw image full-screen (F2)</source>
        <translation>Zoomen|De puzzelafbeelding schermvullend tonen (F2)</translation>
    </message>
    <message>
        <source>Board color|Choose a new background board color</source>
        <translation>Kleur speelveld|Een nieuwe kleur voor het speelveld kiezen</translation>
    </message>
    <message>
        <source>Piece size and shape|Change the size and shape of pieces</source>
        <translation>Grootte en vorm van stukjes|De grootte en vorm van de stukjes wijzigen</translation>
    </message>
    <message>
        <source>Arrange at edge|Arrange pieces around edge</source>
        <translation>Langs de rand schikken|De stukjes langs de rand schikken</translation>
    </message>
    <message>
        <source>Arrange in grid|Arrange pieces in a grid</source>
        <translation>In een raster schikken|De stukjes in een raster schikken</translation>
    </message>
    <message>
        <source>New tray|Create a new tray for storing pieces</source>
        <translation>Nieuw bakje|Een nieuw bakje maken om stukjes te bewaren</translation>
    </message>
    <message>
        <source>Sound|Turn sound effects on/off</source>
        <translation>Geluid|Geluidseffecten aan- of uitzetten</translation>
    </message>
    <message>
        <source>Music|Turn background music on/off</source>
        <translation>Muziek|Achtergrondmuziek aan- of uitzetten</translation>
    </message>
    <message>
        <source>Hint|Flash the next two pieces to solve</source>
        <translation>Hint|De volgende twee passende stukjes laten knipperen</translation>
    </message>
    <message>
        <source>Quick Help|Display mouse and keyboard controls</source>
        <translation>Snelle hulp|Muis- en toetsenbordbediening tonen</translation>
    </message>
    <message>
        <source>Brighten ghost|Increase the ghost picture brightness</source>
        <translation>Spookbeeld lichter|Het spookbeeld lichter maken</translation>
    </message>
    <message>
        <source>Fade ghost|Decrease the ghost picture brightness</source>
        <translation>Spookbeeld vager|Het spookbeeld vager maken</translation>
    </message>
    <message>
        <source>|Time in hours and minutes since jigsaw started</source>
        <translation>|Tijd in uren en minuten sinds het begin van de puzzel</translation>
    </message>
    <message>
        <source>|Number of pieces solved out of total</source>
        <translation>|Aantal gelegde stukjes van het totaal</translation>
    </message>
    <message>
        <source>Scroll left|Show the trays further left</source>
        <translation>Naar links|De bakjes verder naar links tonen</translation>
    </message>
    <message>
        <source>Scroll right|Show the trays further right</source>
        <translation>Naar rechts|De bakjes verder naar rechts tonen</translation>
    </message>
    <message>
        <source>Scroll up|Show the trays further up</source>
        <translation>Omhoog|De bakjes verder naar boven tonen</translation>
    </message>
    <message>
        <source>Scroll down|Show the trays further down</source>
        <translation>Omlaag|De bakjes verder naar beneden tonen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Create...</source>
        <translation>&amp;Maken…</translation>
    </message>
    <message>
        <source>|Create a new jigsaw</source>
        <translation>|Een nieuwe puzzel maken</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Openen…</translation>
    </message>
    <message>
        <source>|Open or create a jigsaw</source>
        <translation>|Een puzzel openen of maken</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>|Save the jigsaw in progress</source>
        <translation>|De lopende puzzel opslaan</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Opslaan &amp;als…</translation>
    </message>
    <message>
        <source>|Save the jigsaw under a new name</source>
        <translation>|De puzzel onder een nieuwe naam opslaan</translation>
    </message>
    <message>
        <source>Save as &amp;Gift...</source>
        <translation>Opslaan als &amp;cadeau…</translation>
    </message>
    <message>
        <source>|Save the jigsaw as a gift</source>
        <translation>|De puzzel als cadeau opslaan</translation>
    </message>
    <message>
        <source>Save as Screen Sa&amp;ver...</source>
        <translation>Opslaan als sc&amp;hermbeveiliging…</translation>
    </message>
    <message>
        <source>|Save the jigsaw as a screensaver</source>
        <translation>|De puzzel als schermbeveiliging opslaan</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Verwijderen…</translation>
    </message>
    <message>
        <source>|Delete a jigsaw</source>
        <translation>|Een puzzel verwijderen</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Af&amp;drukken…</translation>
    </message>
    <message>
        <source>|Print the picture</source>
        <translation>|De afbeelding afdrukken</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>&amp;Printerinstellingen…</translation>
    </message>
    <message>
        <source>|Set up the printer</source>
        <translation>|De printer instellen</translation>
    </message>
    <message>
        <source>Re&amp;start...</source>
        <translation>Opnieuw &amp;beginnen…</translation>
    </message>
    <message>
        <source>|Restart the jigsaw from scratch</source>
        <translation>|De puzzel helemaal opnieuw beginnen</translation>
    </message>
    <message>
        <source>|Open this recent jigsaw</source>
        <translation>|Deze recente puzzel openen</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>|Close the jigsaw</source>
        <translation>|De puzzel sluiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>B&amp;eeld</translation>
    </message>
    <message>
        <source>&amp;Tool bar</source>
        <translation>&amp;Werkbalk</translation>
    </message>
    <message>
        <source>|Show or hide the tool bar</source>
        <translation>|De werkbalk tonen of verbergen</translation>
    </message>
    <message>
        <source>&amp;Status bar</source>
        <translation>&amp;Statusbalk</translation>
    </message>
    <message>
        <source>|Show or hide the status bar</source>
        <translation>|De statusbalk tonen of verbergen</translation>
    </message>
    <message>
        <source>T&amp;ray bar</source>
        <translation>&amp;Bakjesbalk</translation>
    </message>
    <message>
        <source>|Show or hide the tray bar</source>
        <translation>|De bakjesbalk tonen of verbergen</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Afbeelding</translation>
    </message>
    <message>
        <source>|Show the picture window</source>
        <translation>|Het afbeeldingsvenster tonen</translation>
    </message>
    <message>
        <source>&amp;Loupe</source>
        <translation>&amp;Loep</translation>
    </message>
    <message>
        <source>|Show the magnifying glass</source>
        <translation>|Het vergrootglas tonen</translation>
    </message>
    <message>
        <source>&amp;Ghost picture</source>
        <translation>S&amp;pookbeeld</translation>
    </message>
    <message>
        <source>|Show a faded picture on the board</source>
        <translation>|Een vage afbeelding op het speelveld tonen</translation>
    </message>
    <message>
        <source>&amp;Zoom picture</source>
        <translation>&amp;Zoomen</translation>
    </message>
    <message>
        <source>|Display the picture full-screen</source>
        <translation>|De afbeelding schermvullend tonen</translation>
    </message>
    <message>
        <source>&amp;Board Color</source>
        <translation>&amp;Kleur speelveld</translation>
    </message>
    <message>
        <source>|Choose the colour of the board</source>
        <translation>|De kleur van het speelveld kiezen</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Aangepast…</translation>
    </message>
    <message>
        <source>|Pick any colour for the board</source>
        <translation>|Een willekeurige kleur voor het speelveld kiezen</translation>
    </message>
    <message>
        <source>Matching</source>
        <translation>Passend</translation>
    </message>
    <message>
        <source>|A board colour that matches the picture</source>
        <translation>|Een speelveldkleur die bij de afbeelding past</translation>
    </message>
    <message>
        <source>Contrasting</source>
        <translation>Contrasterend</translation>
    </message>
    <message>
        <source>|A board colour that contrasts with the picture</source>
        <translation>|Een speelveldkleur die afsteekt tegen de afbeelding</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standaard</translation>
    </message>
    <message>
        <source>|The board colour the jigsaw came with</source>
        <translation>|De oorspronkelijke speelveldkleur van de puzzel</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtra</translation>
    </message>
    <message>
        <source>Arrange at &amp;Edge</source>
        <translation>Langs de &amp;rand schikken</translation>
    </message>
    <message>
        <source>|Arrange the loose pieces around the edge</source>
        <translation>|De losse stukjes rondom langs de rand schikken</translation>
    </message>
    <message>
        <source>Arrange in &amp;Grid</source>
        <translation>In een ras&amp;ter schikken</translation>
    </message>
    <message>
        <source>|Arrange the loose pieces in a grid</source>
        <translation>|De losse stukjes in een raster schikken</translation>
    </message>
    <message>
        <source>&amp;Disarrange</source>
        <translation>&amp;Door elkaar</translation>
    </message>
    <message>
        <source>|Scatter the loose pieces at random</source>
        <translation>|De losse stukjes willekeurig verspreiden</translation>
    </message>
    <message>
        <source>&amp;Piece Size...</source>
        <translation>&amp;Stukjesgrootte…</translation>
    </message>
    <message>
        <source>|Change the size and shape of the pieces</source>
        <translation>|De grootte en vorm van de stukjes wijzigen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>|Undo the last step</source>
        <translation>|De laatste stap ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Opnieuw &amp;uitvoeren</translation>
    </message>
    <message>
        <source>|Redo the step just undone</source>
        <translation>|De zojuist ongedaan gemaakte stap opnieuw uitvoeren</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <translation>De&amp;mo</translation>
    </message>
    <message>
        <source>|Watch the jigsaw solve itself</source>
        <translation>|Kijken hoe de puzzel vanzelf wordt gelegd</translation>
    </message>
    <message>
        <source>More &amp;Tips...</source>
        <translation>Meer t&amp;ips…</translation>
    </message>
    <message>
        <source>|Read tips on playing</source>
        <translation>|Speltips lezen</translation>
    </message>
    <message>
        <source>&amp;Screensaver...</source>
        <translation>Sc&amp;hermbeveiliging…</translation>
    </message>
    <message>
        <source>|Use the picture as a screensaver</source>
        <translation>|De afbeelding als schermbeveiliging gebruiken</translation>
    </message>
    <message>
        <source>&amp;Wallpaper</source>
        <translation>&amp;Bureaubladachtergrond</translation>
    </message>
    <message>
        <source>|Use the picture as the desktop wallpaper</source>
        <translation>|De afbeelding als bureaubladachtergrond gebruiken</translation>
    </message>
    <message>
        <source>T&amp;rays</source>
        <translation>Ba&amp;kjes</translation>
    </message>
    <message>
        <source>&amp;New Tray</source>
        <translation>&amp;Nieuw bakje</translation>
    </message>
    <message>
        <source>|Create a new tray for storing pieces</source>
        <translation>|Een nieuw bakje maken om stukjes te bewaren</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Tonen</translation>
    </message>
    <message>
        <source>|Open trays</source>
        <translation>|Bakjes openen</translation>
    </message>
    <message>
        <source>Show &amp;All Trays</source>
        <translation>&amp;Alle bakjes tonen</translation>
    </message>
    <message>
        <source>|Open every tray</source>
        <translation>|Elk bakje openen</translation>
    </message>
    <message>
        <source>Show &amp;Used Trays</source>
        <translation>&amp;Gevulde bakjes tonen</translation>
    </message>
    <message>
        <source>|Open the trays that hold pieces</source>
        <translation>|De bakjes met stukjes openen</translation>
    </message>
    <message>
        <source>Show &amp;Empty Trays</source>
        <translation>&amp;Lege bakjes tonen</translation>
    </message>
    <message>
        <source>|Open the empty trays</source>
        <translation>|De lege bakjes openen</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Verbergen</translation>
    </message>
    <message>
        <source>|Minimise trays</source>
        <translation>|Bakjes minimaliseren</translation>
    </message>
    <message>
        <source>Hide &amp;All Trays</source>
        <translation>&amp;Alle bakjes verbergen</translation>
    </message>
    <message>
        <source>|Minimise every tray</source>
        <translation>|Elk bakje minimaliseren</translation>
    </message>
    <message>
        <source>Hide &amp;Used Trays</source>
        <translation>&amp;Gevulde bakjes verbergen</translation>
    </message>
    <message>
        <source>|Minimise the trays that hold pieces</source>
        <translation>|De bakjes met stukjes minimaliseren</translation>
    </message>
    <message>
        <source>Hide &amp;Empty Trays</source>
        <translation>&amp;Lege bakjes verbergen</translation>
    </message>
    <message>
        <source>|Minimise the empty trays</source>
        <translation>|De lege bakjes minimaliseren</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>Ver&amp;wijderen</translation>
    </message>
    <message>
        <source>|Delete trays</source>
        <translation>|Bakjes verwijderen</translation>
    </message>
    <message>
        <source>Delete &amp;All Trays</source>
        <translation>&amp;Alle bakjes verwijderen</translation>
    </message>
    <message>
        <source>|Delete every tray; its pieces go to the board</source>
        <translation>|Elk bakje verwijderen; de stukjes gaan naar het speelveld</translation>
    </message>
    <message>
        <source>Delete &amp;Used Trays</source>
        <translation>&amp;Gevulde bakjes verwijderen</translation>
    </message>
    <message>
        <source>|Delete the trays that hold pieces</source>
        <translation>|De bakjes met stukjes verwijderen</translation>
    </message>
    <message>
        <source>Delete &amp;Empty Trays</source>
        <translation>&amp;Lege bakjes verwijderen</translation>
    </message>
    <message>
        <source>|Delete the empty trays</source>
        <translation>|De lege bakjes verwijderen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opties</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Geluid</translation>
    </message>
    <message>
        <source>|Turn sound effects on or off</source>
        <translation>|Geluidseffecten aan- of uitzetten</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Muziek</translation>
    </message>
    <message>
        <source>|Turn background music on or off</source>
        <translation>|Achtergrondmuziek aan- of uitzetten</translation>
    </message>
    <message>
        <source>Sha&amp;dows</source>
        <translation>&amp;Schaduwen</translation>
    </message>
    <message>
        <source>|Moving pieces cast a shadow</source>
        <translation>|Bewegende stukjes werpen een schaduw</translation>
    </message>
    <message>
        <source>&amp;Outlines</source>
        <translation>&amp;Contouren</translation>
    </message>
    <message>
        <source>|Choose the look of the piece edges</source>
        <translation>|Het uiterlijk van de randen van de stukjes kiezen</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Geen</translation>
    </message>
    <message>
        <source>|Pieces have no outline</source>
        <translation>|Stukjes zonder contour</translation>
    </message>
    <message>
        <source>&amp;Foil</source>
        <translation>&amp;Folie</translation>
    </message>
    <message>
        <source>|Pieces are made out of thin foil</source>
        <translation>|Stukjes van dunne folie</translation>
    </message>
    <message>
        <source>&amp;Paper</source>
        <translation>&amp;Papier</translation>
    </message>
    <message>
        <source>|Pieces are made out of paper</source>
        <translation>|Stukjes van papier</translation>
    </message>
    <message>
        <source>&amp;Card</source>
        <translation>&amp;Karton</translation>
    </message>
    <message>
        <source>|Pieces are made out of thick card</source>
        <translation>|Stukjes van dik karton</translation>
    </message>
    <message>
        <source>&amp;Wood</source>
        <translation>&amp;Hout</translation>
    </message>
    <message>
        <source>|Pieces are made out of chunky wood</source>
        <translation>|Stukjes van stevig hout</translation>
    </message>
    <message>
        <source>&amp;Smooth</source>
        <translation>G&amp;ladmaken</translation>
    </message>
    <message>
        <source>|Remove jaggies from piece outlines using smoothing</source>
        <translation>|Kartelige contouren van de stukjes gladmaken</translation>
    </message>
    <message>
        <source>&amp;Auto hide</source>
        <translation>&amp;Automatisch verbergen</translation>
    </message>
    <message>
        <source>|Remove outlines from solved pieces</source>
        <translation>|Contouren van gelegde stukjes weghalen</translation>
    </message>
    <message>
        <source>Sort by S&amp;hape</source>
        <translation>Sorteren op &amp;vorm</translation>
    </message>
    <message>
        <source>|Put edge pieces first when arranging</source>
        <translation>|Bij het schikken eerst de randstukjes</translation>
    </message>
    <message>
        <source>Sort by &amp;Color</source>
        <translation>Sorteren op &amp;kleur</translation>
    </message>
    <message>
        <source>|Put similar colors together when arranging</source>
        <translation>|Bij het schikken soortgelijke kleuren bij elkaar</translation>
    </message>
    <message>
        <source>&amp;Timer display</source>
        <translation>&amp;Tijd tonen</translation>
    </message>
    <message>
        <source>|Show the time taken</source>
        <translation>|De gebruikte tijd tonen</translation>
    </message>
    <message>
        <source>&amp;Number display</source>
        <translation>&amp;Aantal tonen</translation>
    </message>
    <message>
        <source>|Show the number of pieces solved</source>
        <translation>|Het aantal gelegde stukjes tonen</translation>
    </message>
    <message>
        <source>&amp;Rotating Pieces</source>
        <translation>&amp;Draaibare stukjes</translation>
    </message>
    <message>
        <source>|Pieces can be turned</source>
        <translation>|Stukjes kunnen gedraaid worden</translation>
    </message>
    <message>
        <source>M&amp;ystery Mode</source>
        <translation>M&amp;ysteriemodus</translation>
    </message>
    <message>
        <source>|Hide the jigsaw preview pictures</source>
        <translation>|De voorbeeldafbeeldingen van de puzzel verbergen</translation>
    </message>
    <message>
        <source>Time &amp;Limit...</source>
        <translation>Tijd&amp;limiet…</translation>
    </message>
    <message>
        <source>|Set a time limit for the jigsaw</source>
        <translation>|Een tijdlimiet voor de puzzel instellen</translation>
    </message>
    <message>
        <source>&amp;Advanced...</source>
        <translation>G&amp;eavanceerd…</translation>
    </message>
    <message>
        <source>|Change the advanced options</source>
        <translation>|De geavanceerde opties wijzigen</translation>
    </message>
    <message>
        <source>&amp;Cheat</source>
        <translation>&amp;Valsspelen</translation>
    </message>
    <message>
        <source>Allow &amp;Cheating</source>
        <translation>&amp;Valsspelen toestaan</translation>
    </message>
    <message>
        <source>|Allow the cheat commands</source>
        <translation>|De valsspeelopdrachten toestaan</translation>
    </message>
    <message>
        <source>&amp;Hint!</source>
        <translation>&amp;Hint!</translation>
    </message>
    <message>
        <source>|Flash the next two pieces to solve</source>
        <translation>|De volgende twee passende stukjes laten knipperen</translation>
    </message>
    <message>
        <source>&amp;Right Way Up!</source>
        <translation>Alles &amp;rechtop!</translation>
    </message>
    <message>
        <source>|Turn every piece the right way up</source>
        <translation>|Elk stukje rechtop draaien</translation>
    </message>
    <message>
        <source>&amp;Auto-Solve!</source>
        <translation>&amp;Automatisch leggen!</translation>
    </message>
    <message>
        <source>|Let the jigsaw solve itself</source>
        <translation>|De puzzel automatisch laten leggen</translation>
    </message>
    <message>
        <source>&amp;Internet</source>
        <translation>&amp;Internet</translation>
    </message>
    <message>
        <source>Visit the Quillmere web site</source>
        <translation>De website van Quillmere bezoeken</translation>
    </message>
    <message>
        <source>&amp;Purchase the full version...</source>
        <translation>&amp;Volledige versie kopen…</translation>
    </message>
    <message>
        <source>|Visit our online store</source>
        <translation>|Onze webwinkel bezoeken</translation>
    </message>
    <message>
        <source>Jigsaw &amp;Search...</source>
        <translation>&amp;Puzzels zoeken…</translation>
    </message>
    <message>
        <source>|Search the web for jigsaws</source>
        <translation>|Op het web naar puzzels zoeken</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Naar &amp;updates zoeken…</translation>
    </message>
    <message>
        <source>|Look for a newer version</source>
        <translation>|Naar een nieuwere versie zoeken</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>|Show the help contents</source>
        <translation>|De inhoud van de help tonen</translation>
    </message>
    <message>
        <source>&amp;Search for Help On...</source>
        <translation>&amp;Zoeken in de help…</translation>
    </message>
    <message>
        <source>|Search the help</source>
        <translation>|In de help zoeken</translation>
    </message>
    <message>
        <source>&amp;What&apos;s New</source>
        <translation>&amp;Wat is er nieuw</translation>
    </message>
    <message>
        <source>|What is new in this version</source>
        <translation>|Wat er nieuw is in deze versie</translation>
    </message>
    <message>
        <source>&amp;FAQ</source>
        <translation>&amp;Veelgestelde vragen</translation>
    </message>
    <message>
        <source>|Frequently asked questions</source>
        <translation>|Veelgestelde vragen</translation>
    </message>
    <message>
        <source>How to &amp;Order</source>
        <translation>&amp;Bestellen</translation>
    </message>
    <message>
        <source>|How to order the full version</source>
        <translation>|Hoe je de volledige versie bestelt</translation>
    </message>
    <message>
        <source>&amp;Quick Help!</source>
        <translation>&amp;Snelle hulp!</translation>
    </message>
    <message>
        <source>|Display mouse and keyboard controls</source>
        <translation>|Muis- en toetsenbordbediening tonen</translation>
    </message>
    <message>
        <source>About this &amp;Jigsaw...</source>
        <translation>Over deze &amp;puzzel…</translation>
    </message>
    <message>
        <source>|Show the jigsaw&apos;s title, creator and progress</source>
        <translation>|Titel, maker en voortgang van de puzzel tonen</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;Over het programma…</translation>
    </message>
    <message>
        <source>|About this program</source>
        <translation>|Over dit programma</translation>
    </message>
    <message>
        <source>&amp;Move ghost</source>
        <translation>Spookbeeld &amp;verplaatsen</translation>
    </message>
    <message>
        <source>|Move the ghost picture to another place</source>
        <translation>|Het spookbeeld naar een andere plek verplaatsen</translation>
    </message>
    <message>
        <source>&amp;Find piece!</source>
        <translation>Stukje v&amp;inden!</translation>
    </message>
    <message>
        <source>|Flash the piece that belongs here</source>
        <translation>|Het stukje dat hier hoort laten knipperen</translation>
    </message>
    <message>
        <source>Fe&amp;tch piece!</source>
        <translation>Stukje ha&amp;len!</translation>
    </message>
    <message>
        <source>|Bring the piece that belongs here</source>
        <translation>|Het stukje dat hier hoort erbij halen</translation>
    </message>
    <message>
        <source>S&amp;how Solution!</source>
        <translation>&amp;Oplossing tonen!</translation>
    </message>
    <message>
        <source>|Flash where this piece belongs</source>
        <translation>|Laten knipperen waar dit stukje hoort</translation>
    </message>
    <message>
        <source>S&amp;olve Piece!</source>
        <translation>Stukje le&amp;ggen!</translation>
    </message>
    <message>
        <source>|Put this piece where it belongs</source>
        <translation>|Dit stukje op zijn plaats leggen</translation>
    </message>
    <message>
        <source>Rotate &amp;Right</source>
        <translation>&amp;Rechtsom draaien</translation>
    </message>
    <message>
        <source>|Turn the piece a quarter turn clockwise</source>
        <translation>|Het stukje een kwartslag met de klok mee draaien</translation>
    </message>
    <message>
        <source>Rotate &amp;Left</source>
        <translation>&amp;Linksom draaien</translation>
    </message>
    <message>
        <source>|Turn the piece a quarter turn anticlockwise</source>
        <translation>|Het stukje een kwartslag tegen de klok in draaien</translation>
    </message>
    <message>
        <source>Right &amp;Way Up!</source>
        <translation>Rech&amp;top!</translation>
    </message>
    <message>
        <source>|Turn this piece the right way up</source>
        <translation>|Dit stukje rechtop draaien</translation>
    </message>
    <message>
        <source>&amp;Unlock</source>
        <translation>Los&amp;maken</translation>
    </message>
    <message>
        <source>|Disconnect the piece from its neighbours</source>
        <translation>|Het stukje losmaken van zijn buren</translation>
    </message>
    <message>
        <source>Send To &amp;Back</source>
        <translation>&amp;Naar achteren</translation>
    </message>
    <message>
        <source>|Put the piece behind all others</source>
        <translation>|Het stukje achter alle andere leggen</translation>
    </message>
    <message>
        <source>&amp;Show Neighbor!</source>
        <translation>&amp;Buur tonen!</translation>
    </message>
    <message>
        <source>|Flash a piece that fits this one</source>
        <translation>|Een stukje laten knipperen dat aan dit stukje past</translation>
    </message>
    <message>
        <source>&amp;Fetch Neighbor!</source>
        <translation>Buur &amp;halen!</translation>
    </message>
    <message>
        <source>|Bring a piece that fits this one</source>
        <translation>|Een stukje halen dat aan dit stukje past</translation>
    </message>
    <message>
        <source>Se&amp;lect all pieces</source>
        <translation>&amp;Alle stukjes selecteren</translation>
    </message>
    <message>
        <source>|Pick up every piece in this tray</source>
        <translation>|Alle stukjes in dit bakje oppakken</translation>
    </message>
    <message>
        <source>&amp;Send Tray to Back</source>
        <translation>Bakje naar a&amp;chteren</translation>
    </message>
    <message>
        <source>|Put this tray behind the others</source>
        <translation>|Dit bakje achter de andere leggen</translation>
    </message>
    <message>
        <source>D&amp;rop all pieces</source>
        <translation>Alle stukjes &amp;uitstorten</translation>
    </message>
    <message>
        <source>|Empty this tray onto the board</source>
        <translation>|Dit bakje op het speelveld leegmaken</translation>
    </message>
    <message>
        <source>&amp;Get pieces</source>
        <translation>Stukjes &amp;verzamelen</translation>
    </message>
    <message>
        <source>|Gather single pieces into this tray</source>
        <translation>|Losse stukjes in dit bakje verzamelen</translation>
    </message>
    <message>
        <source>&amp;All pieces</source>
        <translation>&amp;Alle stukjes</translation>
    </message>
    <message>
        <source>|Gather every single piece</source>
        <translation>|Elk los stukje verzamelen</translation>
    </message>
    <message>
        <source>&amp;Edge pieces</source>
        <translation>&amp;Randstukjes</translation>
    </message>
    <message>
        <source>|Gather the single edge pieces</source>
        <translation>|De losse randstukjes verzamelen</translation>
    </message>
    <message>
        <source>&amp;Middle pieces</source>
        <translation>&amp;Middenstukjes</translation>
    </message>
    <message>
        <source>|Gather the single middle pieces</source>
        <translation>|De losse middenstukjes verzamelen</translation>
    </message>
    <message>
        <source>&amp;Fun pieces</source>
        <translation>&amp;Fantasiestukjes</translation>
    </message>
    <message>
        <source>|Gather the single fun pieces</source>
        <translation>|De losse fantasiestukjes verzamelen</translation>
    </message>
    <message>
        <source>|Arrange this tray&apos;s pieces around its edge</source>
        <translation>|De stukjes van dit bakje rondom langs de rand schikken</translation>
    </message>
    <message>
        <source>|Arrange this tray&apos;s pieces in a grid</source>
        <translation>|De stukjes van dit bakje in een raster schikken</translation>
    </message>
    <message>
        <source>D&amp;isarrange Tray</source>
        <translation>Bakje &amp;door elkaar</translation>
    </message>
    <message>
        <source>|Scatter this tray&apos;s pieces at random</source>
        <translation>|De stukjes van dit bakje willekeurig verspreiden</translation>
    </message>
    <message>
        <source>Tray &amp;Color</source>
        <translation>&amp;Kleur bakje</translation>
    </message>
    <message>
        <source>|Choose the colour of this tray</source>
        <translation>|De kleur van dit bakje kiezen</translation>
    </message>
    <message>
        <source>|Pick any colour for the tray</source>
        <translation>|Een willekeurige kleur voor het bakje kiezen</translation>
    </message>
    <message>
        <source>|A tray colour that matches the picture</source>
        <translation>|Een bakjeskleur die bij de afbeelding past</translation>
    </message>
    <message>
        <source>|A tray colour that contrasts with the picture</source>
        <translation>|Een bakjeskleur die afsteekt tegen de afbeelding</translation>
    </message>
    <message>
        <source>|The tray takes the board colour</source>
        <translation>|Het bakje krijgt de kleur van het speelveld</translation>
    </message>
    <message>
        <source>&amp;Tray Description...</source>
        <translation>&amp;Beschrijving bakje…</translation>
    </message>
    <message>
        <source>|Give this tray a name</source>
        <translation>|Dit bakje een naam geven</translation>
    </message>
    <message>
        <source>&amp;Delete Tray!</source>
        <translation>Bakje ver&amp;wijderen!</translation>
    </message>
    <message>
        <source>|Delete this tray; its pieces go to the board</source>
        <translation>|Dit bakje verwijderen; de stukjes gaan naar het speelveld</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Tray %1 contains pieces which will be
placed on the background.

Ok to delete this tray?</source>
        <translation>Bakje %1 bevat stukjes die op het
speelveld worden gelegd.

Dit bakje verwijderen?</translation>
    </message>
    <message>
        <source>To use the scroll wheel, enable it in the Advanced Mouse options screen</source>
        <translation>Zet het muiswiel aan in de geavanceerde muisopties om het te gebruiken</translation>
    </message>
    <message>
        <source>Rotation is currently disabled in the Options menu</source>
        <translation>Draaien staat uit in het menu Opties</translation>
    </message>
    <message>
        <source>Cheating is currently disabled in the Options menu</source>
        <translation>Valsspelen staat uit in het menu Opties</translation>
    </message>
    <message>
        <source>Mouse: Left=Fetch neighbor, Right=Show neighbor</source>
        <translation>Muis: links=buur halen, rechts=buur tonen</translation>
    </message>
    <message>
        <source>Mouse: Left=Rotate left, Right=Rotate right</source>
        <translation>Muis: links=linksom draaien, rechts=rechtsom draaien</translation>
    </message>
    <message>
        <source>Mouse: Left=Solve piece onto ghost, Right=Flash solution</source>
        <translation>Muis: links=stukje op het spookbeeld leggen, rechts=oplossing tonen</translation>
    </message>
    <message>
        <source>Enable the background ghost to use these shortcuts</source>
        <translation>Zet het spookbeeld aan om deze sneltoetsen te gebruiken</translation>
    </message>
    <message>
        <source>Generating: </source>
        <translation>Genereren: </translation>
    </message>
    <message>
        <source>This free jigsaw gift was created by Quillmere version %s.
Click on our home page below for a free demo of all the other great features of the game. Or order the full version now!</source>
        <translation>Dit gratis puzzelcadeau is gemaakt met Quillmere versie %s.
Klik hieronder op onze homepage voor een gratis demo van alle andere geweldige functies van het spel. Of bestel nu de volledige versie!</translation>
    </message>
    <message>
        <source>File %1 could not be written. The disk may be full, read-only or off-line</source>
        <translation>Bestand %1 kon niet worden geschreven. De schijf is misschien vol, alleen-lezen of niet verbonden</translation>
    </message>
    <message>
        <source>This jigsaw gift file is damaged and cannot be opened</source>
        <translation>Dit cadeaubestand is beschadigd en kan niet worden geopend</translation>
    </message>
    <message>
        <source>The puzzle has rotated pieces but the rotation option is currently disabled. Press &apos;Yes&apos; to turn all pieces the right way up or &apos;No&apos; to re-enable rotation.</source>
        <translation>De puzzel heeft gedraaide stukjes, maar draaien staat uit. Kies ‘Ja’ om alle stukjes rechtop te draaien of ‘Nee’ om draaien weer aan te zetten.</translation>
    </message>
    <message>
        <source>Would you like some pieces randomly rotated now?</source>
        <translation>Wil je nu enkele stukjes willekeurig laten draaien?</translation>
    </message>
    <message>
        <source>Insufficient graphics resources to set such a large piece size - reducing the number of colors of your desktop may help. Setting scale factor back to 100%...</source>
        <translation>Onvoldoende grafische middelen voor zulke grote stukjes – minder kleuren op het bureaublad kan helpen. De schaal gaat terug naar 100%…</translation>
    </message>
    <message numerus="yes">
        <source>%n pieces</source>
        <comment>a count of pieces</comment>
        <translation>
            <numerusform>%n stukje</numerusform>
            <numerusform>%n stukjes</numerusform>
        </translation>
    </message>
    <message>
        <source>. You used Auto-solve!</source>
        <translation>. Je hebt automatisch leggen gebruikt!</translation>
    </message>
    <message>
        <source> without cheating!</source>
        <translation> zonder vals te spelen!</translation>
    </message>
    <message>
        <source> by cheating once!</source>
        <translation> met één keer valsspelen!</translation>
    </message>
    <message>
        <source>You solved all %1 in %2 and %3</source>
        <translation>Je hebt alle %1 in %2 en %3 gelegd</translation>
    </message>
    <message>
        <source>Created %1 by version %2 </source>
        <translation>Gemaakt op %1 met versie %2 </translation>
    </message>
    <message>
        <source>Solved %1 of %2</source>
        <translation>%1 van %2 gelegd</translation>
    </message>
    <message>
        <source>|Jigsaw is %1% complete, %2 pieces solved per minute</source>
        <translation>|De puzzel is voor %1% klaar, %2 stukjes per minuut gelegd</translation>
    </message>
    <message>
        <source>The saved game %1 cannot be removed. %2. The new game starts all the same; the saved one is offered again at the next start unless this game is saved over it.</source>
        <translation>Het opgeslagen spel %1 kan niet worden verwijderd. %2. Het nieuwe spel begint toch; het opgeslagen spel wordt bij de volgende start weer aangeboden, tenzij dit spel eroverheen wordt opgeslagen.</translation>
    </message>
    <message>
        <source>%1 A new game is started instead.</source>
        <translation>%1 In plaats daarvan begint een nieuw spel.</translation>
    </message>
    <message>
        <source>size/shape</source>
        <translation>grootte/vorm</translation>
    </message>
    <message>
        <source>arrange</source>
        <translation>schikken</translation>
    </message>
    <message>
        <source>arrange tray</source>
        <translation>bakje schikken</translation>
    </message>
    <message>
        <source>disarrange</source>
        <translation>door elkaar</translation>
    </message>
    <message>
        <source>disarrange tray</source>
        <translation>bakje door elkaar</translation>
    </message>
    <message>
        <source>tray operation</source>
        <translation>bakjesactie</translation>
    </message>
    <message>
        <source>auto-solve</source>
        <translation>automatisch leggen</translation>
    </message>
    <message>
        <source>move ghost</source>
        <translation>spookbeeld verplaatsen</translation>
    </message>
    <message>
        <source>move pieces</source>
        <translation>stukjes verplaatsen</translation>
    </message>
    <message>
        <source>rotate pieces</source>
        <translation>stukjes draaien</translation>
    </message>
    <message>
        <source>right way up</source>
        <translation>rechtop</translation>
    </message>
    <message>
        <source>cheat</source>
        <translation>valsspelen</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>%1 opnieuw uitvoeren</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>%1 ongedaan maken</translation>
    </message>
    <message>
        <source>Sorting colors: </source>
        <translation>Kleuren sorteren: </translation>
    </message>
    <message>
        <source>Rotating: </source>
        <translation>Draaien: </translation>
    </message>
    <message>
        <source>Drawing: </source>
        <translation>Tekenen: </translation>
    </message>
    <message>
        <source>The custom piece shapes in this jigsaw gift are damaged</source>
        <translation>De eigen stukjesvormen in dit puzzelcadeau zijn beschadigd</translation>
    </message>
    <message numerus="yes">
        <source> by cheating %n times!</source>
        <comment>more than once</comment>
        <translation>
            <numerusform> met %n keer valsspelen!</numerusform>
            <numerusform> met %n keer valsspelen!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <comment>time taken</comment>
        <translation>
            <numerusform>%n minuut</numerusform>
            <numerusform>%n minuten</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <comment>time taken</comment>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n seconden</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have solved %1 out of %n pieces</source>
        <comment>pieces of the puzzle</comment>
        <translation>
            <numerusform>Je hebt %1 van %n stukje gelegd</numerusform>
            <numerusform>Je hebt %1 van %n stukjes gelegd</numerusform>
        </translation>
    </message>
    <message>
        <source>You are in Mystery Mode and the picture is hidden!

Press Yes to exit Mystery Mode and reveal the jigsaw.</source>
        <translation>Je zit in de mysteriemodus en de afbeelding is verborgen!

Kies ‘Ja’ om de mysteriemodus te verlaten en de puzzel te tonen.</translation>
    </message>
    <message>
        <source>Press Yes to exit Mystery Mode. You may then use the jigsaw preview tools.</source>
        <translation>Kies ‘Ja’ om de mysteriemodus te verlaten. Daarna kun je de voorbeeldhulpmiddelen gebruiken.</translation>
    </message>
    <message>
        <source>Press Yes to enter Mystery Mode and hide any jigsaw preview pictures.</source>
        <translation>Kies ‘Ja’ om naar de mysteriemodus te gaan en alle voorbeeldafbeeldingen te verbergen.</translation>
    </message>
    <message>
        <source>Press &apos;Yes&apos; to turn all pieces the right way up.</source>
        <translation>Kies ‘Ja’ om alle stukjes rechtop te draaien.</translation>
    </message>
    <message>
        <source>This will restart the jigsaw from scratch. Are you sure?</source>
        <translation>De puzzel begint dan helemaal opnieuw. Weet je het zeker?</translation>
    </message>
    <message>
        <source>

The game has not been saved. Close the jigsaw without saving it?
Choose No to go back to the game.</source>
        <translation>

Het spel is niet opgeslagen. De puzzel sluiten zonder op te slaan?
Kies ‘Nee’ om terug te gaan naar het spel.</translation>
    </message>
    <message>
        <source>No web browser could be started to show %1</source>
        <translation>Er kon geen webbrowser worden gestart om %1 te tonen</translation>
    </message>
    <message>
        <source>No music was included in this jigsaw gift file.</source>
        <translation>Dit puzzelcadeaubestand bevat geen muziek.</translation>
    </message>
    <message>
        <source>Cannot create file %1. %2.</source>
        <translation>Kan bestand %1 niet aanmaken. %2.</translation>
    </message>
    <message>
        <source>Cannot write file %1. %2.</source>
        <translation>Kan bestand %1 niet schrijven. %2.</translation>
    </message>
    <message>
        <source>The picture could not be read: %1</source>
        <translation>De afbeelding kon niet worden gelezen: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versie %1</translation>
    </message>
    <message>
        <source>The picture of this jigsaw is too large: at most %1 pixels wide and high can be cut into pieces</source>
        <translation>De afbeelding van deze puzzel is te groot: alleen afbeeldingen van hoogstens %1 pixels breed en hoog kunnen in stukjes worden gesneden</translation>
    </message>
    <message>
        <source>The pieces cannot be cut at %1%: the picture would be larger than %2 pixels wide or high</source>
        <translation>De stukjes kunnen niet op %1% worden gesneden: de afbeelding zou breder of hoger worden dan %2 pixels</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Kan bestand ‘%1’ niet openen. %2</translation>
    </message>
    <message numerus="yes">
        <source>This program needs HiColor mode (64K colors) or better and so is unable to continue while your desktop is set to %n colors. Would you like to change your settings now?</source>
        <comment>colours of the desktop</comment>
        <translation>
            <numerusform>Dit programma heeft HiColor-modus (64K kleuren) of beter nodig en kan niet verder zolang je bureaublad op %n kleur staat. Wil je je instellingen nu wijzigen?</numerusform>
            <numerusform>Dit programma heeft HiColor-modus (64K kleuren) of beter nodig en kan niet verder zolang je bureaublad op %n kleuren staat. Wil je je instellingen nu wijzigen?</numerusform>
        </translation>
    </message>
    <message>
        <source>An unexpected error stopped the operation</source>
        <translation>Een onverwachte fout heeft de bewerking afgebroken</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>de afbeelding is te groot</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; is damaged and cannot be resumed.</source>
        <translation>Het opgeslagen spel ‘%1’ is beschadigd en kan niet worden hervat.</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; cannot be read: %2.</source>
        <translation>Het opgeslagen spel ‘%1’ kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; cannot be read.</source>
        <translation>Het opgeslagen spel ‘%1’ kan niet worden gelezen.</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; was made by a newer version of this program and cannot be resumed.</source>
        <translation>Het opgeslagen spel ‘%1’ is gemaakt door een nieuwere versie van dit programma en kan niet worden hervat.</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; belongs to another jigsaw and cannot be resumed.</source>
        <translation>Het opgeslagen spel ‘%1’ hoort bij een andere puzzel en kan niet worden hervat.</translation>
    </message>
    <message>
        <source>the file is not a JPEG picture</source>
        <translation>het bestand is geen JPEG-afbeelding</translation>
    </message>
    <message>
        <source>the picture is cut short</source>
        <translation>de afbeelding is onvolledig</translation>
    </message>
</context>
<context>
    <name>PortableStart</name>
    <message>
        <source>This gift could not be opened: there is no folder where its player can be unpacked (it needs about 60 MB). Free some disk space in your home folder and open the gift again.</source>
        <translation>Dit cadeau kon niet worden geopend: er is geen map waarin het speelprogramma kan worden uitgepakt (het heeft ongeveer 60 MB nodig). Maak wat schijfruimte vrij in je persoonlijke map en open het cadeau opnieuw.</translation>
    </message>
    <message>
        <source>This gift could not be opened: the file is damaged or incomplete. Download it again, or ask the sender to send it once more.</source>
        <translation>Dit cadeau kon niet worden geopend: het bestand is beschadigd of onvolledig. Download het opnieuw, of vraag de afzender het nog een keer te sturen.</translation>
    </message>
    <message>
        <source>This gift could not be opened.</source>
        <translation>Dit cadeau kon niet worden geopend.</translation>
    </message>
    <message>
        <source>Details:</source>
        <translation>Details:</translation>
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
        <translation>Percentage voltooid</translation>
    </message>
    <message>
        <source>Stop!</source>
        <translation>Stop!</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>langzaam</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>snel</translation>
    </message>
    <message>
        <source>Set speed</source>
        <translation>Snelheid instellen</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>Sound effects</source>
        <translation>Geluidseffecten</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Muziek</translation>
    </message>
</context>
<context>
    <name>SplashForm</name>
    <message>
        <source>Connect to our web site now!</source>
        <translation>Bezoek nu onze website!</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Bestellen</translation>
    </message>
    <message>
        <source>Connect to our Online Store now!</source>
        <translation>Bezoek nu onze webwinkel!</translation>
    </message>
    <message>
        <source>Play...</source>
        <translation>Spelen…</translation>
    </message>
    <message>
        <source>Play the jigsaw</source>
        <translation>De puzzel spelen</translation>
    </message>
    <message>
        <source>Exit...</source>
        <translation>Afsluiten…</translation>
    </message>
    <message>
        <source>Resume game...</source>
        <translation>Spel hervatten…</translation>
    </message>
    <message>
        <source>Save game...</source>
        <translation>Spel opslaan…</translation>
    </message>
    <message>
        <source>Free gift edition - share it with your friends!</source>
        <translation>Gratis cadeau-editie – deel hem met je vrienden!</translation>
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
        <translation>gebruik: quillmere-wrap --picture AFBEELDING -o CADEAU [--portable | --player PLAYER] [opties]
  -o CADEAU               het cadeau dat wordt geschreven; -o NAAM.zip schrijft een zip-archief
                          met het cadeau NAAM, dat bestandsbeheerders startklaar uitpakken
  --portable              kopieer het draagbare speelprogramma: het cadeau draait ook zonder Qt
  --player PLAYER         het speelprogramma om te kopiëren (standaard: dat met quillmere-wrap geïnstalleerd)
  --picture BESTAND       de afbeelding van de puzzel: JPEG (ook CMYK), PNG, HEIC/HEIF, AVIF,
                          WebP, TIFF, BMP, GIF of elk ander afbeeldingsbestand dat de Qt
                          van dit systeem leest; rechtop gezet volgens de oriëntatie en
                          opgeslagen als JPEG
  --max-size BxH          een grotere afbeelding wordt verkleind tot binnen BxH (standaard
                          1280x800: een scherm van 1920 x 1080 min de titel, menu&apos;s, werkbalk,
                          bakjesbalk en statusbalk van het venster laat een speelveld van
                          ongeveer 1700 x 850, waarop een afbeelding van 1280 x 800 met haar
                          verspreide stukjes past)
  --keep-size             sla de afbeelding op eigen formaat op (hoogstens 8191 per zijde)
  --pieces N              gevraagd aantal stukjes, minstens 2 (standaard 100)
  --seed N                toevalsbasis van de vormen en de eerste indeling (standaard 1)
  --style S               classic, blip, square, star, round, mix, of 1..6
  --oddness N             onregelmatigheid van de vormen 0..10 (standaard 5)
  --outline S             none, foil, paper, card, wood, of 0..4
  --rotation on|off       stukjes mogen gedraaid worden
  --mystery on|off        begin in de mysteriemodus
  --fun N                 instelling van de fantasiestukjes 0..10
  --board-colour C        kleur van het speelveld: een naam zoals clTeal, een getal of $BBGGRR
  --title T  --creator T  --description T
  --opening T  --closing T            de berichten van de afzender (&quot;\n&quot; begint een nieuwe regel)
  --language CODE         de taal van het speelprogramma, zoals de of pl
                          (standaard: die van de ontvanger)
  --opening-colour C  --closing-colour C   achtergronden van de berichten (kleurnamen zoals opgeslagen)
  --opening-align A  --closing-align A     left, right of centre
  --opening-font-name F  --opening-font-height H  --opening-font-style BITS  --opening-font-colour C
  --closing-font-name F  --closing-font-height H  --closing-font-style BITS  --closing-font-colour C
  --creator-version V     (standaard v6.13)
  --created DAGEN         dagen sinds 30 december 1899
  --music BESTAND  [--music-extension .EXT]   WAV, FLAC, Ogg Vorbis, Opus, MP3; MIDI via FluidSynth
  --skin BESTAND          de afbeelding van de werkbalk, elk afbeeldingsbestand (opgeslagen als JPEG)
  --templates BESTAND --template-count N
Teksten zijn UTF-8 in elk schrift. Titel, maker, beschrijving en berichten bevatten tot 256,
256, 4096, 4096 en 4096 bytes UTF-8; speelprogramma&apos;s ouder dan het tekstblok tonen hun
dichtstbijzijnde Windows-1252-vorm. Lettertype- en kleurnamen moeten Windows-1252 zijn. Teksten
die niet passen, worden geweigerd met vermelding van het veld. Toont op welk formaat de
afbeelding is opgeslagen en waarom, de grootte van het cadeau en wat de ontvanger doet om het
te openen.
</translation>
    </message>
    <message>
        <source>%1 needs a whole number from %2 to %3</source>
        <translation>%1 vraagt om een geheel getal van %2 tot %3</translation>
    </message>
    <message>
        <source>%1 takes on or off</source>
        <translation>%1 verwacht on of off</translation>
    </message>
    <message>
        <source>%1: unknown colour &quot;%2&quot;</source>
        <translation>%1: onbekende kleur ‘%2’</translation>
    </message>
    <message>
        <source>%1 takes WxH, such as 1280x800</source>
        <translation>%1 verwacht BxH, zoals 1280x800</translation>
    </message>
    <message>
        <source>Wrote %1 (%2), holding the gift %3 (%4).
The recipient extracts it and double-clicks %3.
</source>
        <translation>%1 geschreven (%2), met het cadeau %3 (%4).
De ontvanger pakt het uit en dubbelklikt op %3.
</translation>
    </message>
    <message>
        <source>Wrote %1 (%2).
The recipient double-clicks it. Sent as it is, it arrives without its execute bit:
send %3.zip (-o NAME.zip) to keep it.
</source>
        <translation>%1 geschreven (%2).
De ontvanger dubbelklikt erop. Los verstuurd komt het aan zonder uitvoerrecht:
stuur %3.zip (-o NAME.zip) om dat te behouden.
</translation>
    </message>
    <message>
        <source>Where a desktop does not start it, Properties &gt; Allow executing as program
(or chmod +x in a terminal) lets it run.
</source>
        <translation>Start een bureaublad het niet, dan laat Eigenschappen &gt; Uitvoeren van bestand als programma toestaan
(of chmod +x in een terminal) het draaien.
</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>onbekende optie %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 heeft een waarde nodig</translation>
    </message>
    <message>
        <source>Give either --portable or --player, not both</source>
        <translation>Geef --portable of --player op, niet allebei</translation>
    </message>
    <message>
        <source>Picture stored at %1</source>
        <translation>Afbeelding opgeslagen op %1</translation>
    </message>
</context>
<context>
    <name>quill::AboutBox</name>
    <message>
        <source>Free gift edition - share it with your friends!
All pictures and sounds made for Quillmere Gift.</source>
        <translation>Gratis cadeau-editie – deel hem met je vrienden!
Alle afbeeldingen en geluiden zijn gemaakt voor Quillmere Gift.</translation>
    </message>
    <message>
        <source>About Quillmere Gift</source>
        <translation>Over Quillmere Gift</translation>
    </message>
    <message>
        <source>This is a free gift - not for retail sale or distribution.</source>
        <translation>Dit is een gratis cadeau – niet bestemd voor verkoop of verspreiding.</translation>
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
        <translation>Maker:</translation>
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
        <translation>Over deze puzzel</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informatie</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Beschrijving</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>Copy the selected text to the Windows clipboard</source>
        <translation>De geselecteerde tekst naar het klembord kopiëren</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Bewerken…</translation>
    </message>
    <message>
        <source>Edit the jigsaw description</source>
        <translation>De beschrijving van de puzzel bewerken</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles selecteren</translation>
    </message>
    <message>
        <source>Select all the description text</source>
        <translation>De hele beschrijving selecteren</translation>
    </message>
</context>
<context>
    <name>quill::CongratsDialog</name>
    <message>
        <source>You solved it!</source>
        <translation>Gelukt!</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Gefeliciteerd!</translation>
    </message>
</context>
<context>
    <name>quill::CutPreview</name>
    <message>
        <source>Open a picture to see how it is cut</source>
        <translation>Open een afbeelding om te zien hoe deze wordt gesneden</translation>
    </message>
</context>
<context>
    <name>quill::GiftMadeDialog</name>
    <message>
        <source>I made you a jigsaw puzzle! To open it:
</source>
        <translation>Ik heb een puzzel voor je gemaakt! Zo open je hem:
</translation>
    </message>
    <message>
        <source>1. Save %1 and extract it (right-click it, Extract Here).
2. Double-click %2 to start the puzzle.
</source>
        <translation>1. Sla %1 op en pak het uit (klik er met rechts op, ‘Hier uitpakken’).
2. Dubbelklik op %2 om de puzzel te starten.
</translation>
    </message>
    <message>
        <source>1. Save %1.
2. Double-click it to start the puzzle.
</source>
        <translation>1. Sla %1 op.
2. Dubbelklik erop om de puzzel te starten.
</translation>
    </message>
    <message>
        <source>If double-clicking does nothing, right-click %1, choose Properties and tick &quot;Allow executing as program&quot; (or type chmod +x %1 in a terminal), then double-click it again. It runs on Linux.</source>
        <translation>Gebeurt er niets bij dubbelklikken, klik dan met rechts op %1, kies ‘Eigenschappen’ en vink ‘Uitvoeren van bestand als programma toestaan’ aan (of typ chmod +x %1 in een terminal) en dubbelklik er opnieuw op. Het werkt op Linux.</translation>
    </message>
    <message>
        <source>Gift made</source>
        <translation>Cadeau gemaakt</translation>
    </message>
    <message>
        <source>The gift is saved as &lt;b&gt;%1&lt;/b&gt; (%2) in %3.</source>
        <translation>Het cadeau is opgeslagen als &lt;b&gt;%1&lt;/b&gt; (%2) in %3.</translation>
    </message>
    <message>
        <source> The zip archive holds the gift %1 (%2).</source>
        <translation> Het zip-archief bevat het cadeau %1 (%2).</translation>
    </message>
    <message>
        <source>Language of the gift: %1</source>
        <translation>Taal van het cadeau: %1</translation>
    </message>
    <message>
        <source>&amp;Send this text with the gift:</source>
        <translation>&amp;Stuur deze tekst mee met het cadeau:</translation>
    </message>
    <message>
        <source>How the recipient opens the gift; you can change it</source>
        <translation>Hoe de ontvanger het cadeau opent; je kunt de tekst aanpassen</translation>
    </message>
    <message>
        <source>&amp;Copy text</source>
        <translation>Tekst &amp;kopiëren</translation>
    </message>
    <message>
        <source>Copies the text, to paste it into a mail or a message</source>
        <translation>Kopieert de tekst om hem in een e-mail of bericht te plakken</translation>
    </message>
    <message>
        <source>Show &amp;folder</source>
        <translation>&amp;Map tonen</translation>
    </message>
    <message>
        <source>Opens the folder the gift was saved in</source>
        <translation>Opent de map waarin het cadeau is opgeslagen</translation>
    </message>
</context>
<context>
    <name>quill::Magnifier</name>
    <message>
        <source>This desktop does not let programs read the screen, so the loupe cannot magnify it here.</source>
        <translation>Dit bureaublad laat programma&apos;s het scherm niet lezen, dus de loep kan het hier niet vergroten.</translation>
    </message>
</context>
<context>
    <name>quill::MakerWindow</name>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.heic *.heif *.avif *.webp *.tif *.tiff *.bmp *.gif);;All files (*)</source>
        <translation>Afbeeldingen (*.jpg *.jpeg *.png *.heic *.heif *.avif *.webp *.tif *.tiff *.bmp *.gif);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Fit for screens up to 1280 × 800</source>
        <translation>Passend voor schermen tot 1280 × 800</translation>
    </message>
    <message>
        <source>Fit for screens up to 1920 × 1080</source>
        <translation>Passend voor schermen tot 1920 × 1080</translation>
    </message>
    <message>
        <source>Fit for screens up to 2560 × 1440</source>
        <translation>Passend voor schermen tot 2560 × 1440</translation>
    </message>
    <message>
        <source>Keep its own size</source>
        <translation>Eigen formaat behouden</translation>
    </message>
    <message>
        <source>the recipient&apos;s own</source>
        <translation>die van de ontvanger</translation>
    </message>
    <message>
        <source>Quillmere Gift Maker</source>
        <translation>Quillmere Gift Maker</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Afbeelding</translation>
    </message>
    <message>
        <source>P&amp;ieces</source>
        <translation>&amp;Stukjes</translation>
    </message>
    <message>
        <source>M&amp;essages</source>
        <translation>&amp;Berichten</translation>
    </message>
    <message>
        <source>Music and s&amp;kin</source>
        <translation>Muziek en s&amp;kin</translation>
    </message>
    <message>
        <source>The parts of the gift</source>
        <translation>De onderdelen van het cadeau</translation>
    </message>
    <message>
        <source>The picture with the pieces as the gift will cut them</source>
        <translation>De afbeelding met de stukjes zoals het cadeau deze zal snijden</translation>
    </message>
    <message>
        <source>How far writing the gift has come</source>
        <translation>Voortgang van het schrijven van het cadeau</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Kiezen…</translation>
    </message>
    <message>
        <source>&amp;Open picture...</source>
        <translation>Afbeelding &amp;openen…</translation>
    </message>
    <message>
        <source>Chooses the picture of the puzzle (Ctrl+O; you can also drop a picture on the window)</source>
        <translation>Kiest de afbeelding van de puzzel (Ctrl+O; je kunt ook een afbeelding op het venster slepen)</translation>
    </message>
    <message>
        <source>No picture yet</source>
        <translation>Nog geen afbeelding</translation>
    </message>
    <message>
        <source>The picture file</source>
        <translation>Het afbeeldingsbestand</translation>
    </message>
    <message>
        <source>The picture&apos;s size and the size the gift stores</source>
        <translation>Het formaat van de afbeelding en het formaat dat het cadeau opslaat</translation>
    </message>
    <message>
        <source>The size the gift stores the picture at: a smaller picture makes a smaller gift and fits smaller screens</source>
        <translation>Het formaat waarin het cadeau de afbeelding opslaat: een kleinere afbeelding geeft een kleiner cadeau dat op kleinere schermen past</translation>
    </message>
    <message>
        <source>Stored si&amp;ze:</source>
        <translation>Opgeslagen &amp;formaat:</translation>
    </message>
    <message>
        <source>About the gift</source>
        <translation>Over het cadeau</translation>
    </message>
    <message>
        <source>The puzzle&apos;s title</source>
        <translation>De titel van de puzzel</translation>
    </message>
    <message>
        <source>Your name, as the recipient sees it</source>
        <translation>Je naam, zoals de ontvanger hem ziet</translation>
    </message>
    <message>
        <source>A few words about the picture</source>
        <translation>Een paar woorden over de afbeelding</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>C&amp;reator:</source>
        <translation>Make&amp;r:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>Beschr&amp;ijving:</translation>
    </message>
    <message>
        <source>The language of the gift&apos;s menus, buttons and help; the recipient&apos;s own is the one their computer is set to</source>
        <translation>De taal van de menu&apos;s, knoppen en hulp van het cadeau; die van de ontvanger is de taal waarop diens computer is ingesteld</translation>
    </message>
    <message>
        <source>&amp;Language of the gift:</source>
        <translation>Taa&amp;l van het cadeau:</translation>
    </message>
    <message>
        <source>How many pieces you ask for; the grid comes nearest to it</source>
        <translation>Hoeveel stukjes je wilt; het raster komt er zo dicht mogelijk bij</translation>
    </message>
    <message>
        <source>The grid the picture is cut into</source>
        <translation>Het raster waarin de afbeelding wordt gesneden</translation>
    </message>
    <message>
        <source>Piece &amp;count:</source>
        <translation>Aa&amp;ntal stukjes:</translation>
    </message>
    <message>
        <source>The shape of the pieces</source>
        <translation>De vorm van de stukjes</translation>
    </message>
    <message>
        <source>&amp;Style:</source>
        <translation>S&amp;tijl:</translation>
    </message>
    <message>
        <source>How irregular the pieces are, 0 to 10</source>
        <translation>Hoe grillig de stukjes zijn, 0 tot 10</translation>
    </message>
    <message>
        <source>&amp;Oddness:</source>
        <translation>&amp;Grilligheid:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>The share of fun pieces cut from the templates, in steps of 10 %</source>
        <translation>Het aandeel fantasiestukjes dat volgens de sjablonen wordt gesneden, in stappen van 10 %</translation>
    </message>
    <message>
        <source>A file of piece templates for the fun pieces</source>
        <translation>Een sjabloonbestand voor de fantasiestukjes</translation>
    </message>
    <message>
        <source>Choose a template file</source>
        <translation>Een sjabloonbestand kiezen</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle bestanden (*)</translation>
    </message>
    <message>
        <source>How many templates the file holds</source>
        <translation>Hoeveel sjablonen het bestand bevat</translation>
    </message>
    <message>
        <source>&amp;Templates:</source>
        <translation>S&amp;jablonen:</translation>
    </message>
    <message>
        <source>&amp;Rotation</source>
        <translation>&amp;Draaien</translation>
    </message>
    <message>
        <source>Pieces start turned and must be turned upright</source>
        <translation>De stukjes liggen eerst gedraaid en moeten rechtop worden gedraaid</translation>
    </message>
    <message>
        <source>How the pieces&apos; edges are drawn</source>
        <translation>Hoe de randen van de stukjes worden getekend</translation>
    </message>
    <message>
        <source>O&amp;utlines:</source>
        <translation>C&amp;ontouren:</translation>
    </message>
    <message>
        <source>Mystery mo&amp;de</source>
        <translation>M&amp;ysteriemodus</translation>
    </message>
    <message>
        <source>The picture is not shown while solving</source>
        <translation>De afbeelding wordt tijdens het leggen niet getoond</translation>
    </message>
    <message>
        <source>&amp;Board colour...</source>
        <translation>Kleur van het s&amp;peelveld…</translation>
    </message>
    <message>
        <source>The colour of the board the pieces lie on</source>
        <translation>De kleur van het speelveld waarop de stukjes liggen</translation>
    </message>
    <message>
        <source>Cuts the picture with other shapes of the same style</source>
        <translation>Snijdt de afbeelding opnieuw, met andere vormen in dezelfde stijl</translation>
    </message>
    <message>
        <source>The message&apos;s text</source>
        <translation>De tekst van het bericht</translation>
    </message>
    <message>
        <source>The message&apos;s font</source>
        <translation>Het lettertype van het bericht</translation>
    </message>
    <message>
        <source> pt</source>
        <translation> pt</translation>
    </message>
    <message>
        <source>The font&apos;s size</source>
        <translation>De tekengrootte</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Vet</translation>
    </message>
    <message>
        <source>Bold letters</source>
        <translation>Vette letters</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Cursief</translation>
    </message>
    <message>
        <source>Slanted letters</source>
        <translation>Schuine letters</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Onderstreept</translation>
    </message>
    <message>
        <source>Underlined letters</source>
        <translation>Onderstreepte letters</translation>
    </message>
    <message>
        <source>Text colour...</source>
        <translation>Tekstkleur…</translation>
    </message>
    <message>
        <source>The colour of the letters</source>
        <translation>De kleur van de letters</translation>
    </message>
    <message>
        <source>Background...</source>
        <translation>Achtergrond…</translation>
    </message>
    <message>
        <source>The colour behind the message</source>
        <translation>De kleur achter het bericht</translation>
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
        <translation>Gecentreerd</translation>
    </message>
    <message>
        <source>How the lines are aligned</source>
        <translation>Hoe de regels worden uitgelijnd</translation>
    </message>
    <message>
        <source>Music played while solving</source>
        <translation>Muziek die speelt tijdens het leggen</translation>
    </message>
    <message>
        <source>Choose music</source>
        <translation>Muziek kiezen</translation>
    </message>
    <message>
        <source>Music (*.mp3 *.ogg *.opus *.wav *.flac *.mid *.midi);;All files (*)</source>
        <translation>Muziek (*.mp3 *.ogg *.opus *.wav *.flac *.mid *.midi);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Plays or stops the music</source>
        <translation>Speelt de muziek af of stopt ermee</translation>
    </message>
    <message>
        <source>A picture for the tool bar and panels</source>
        <translation>Een afbeelding voor de werkbalk en de panelen</translation>
    </message>
    <message>
        <source>Choose a skin</source>
        <translation>Een skin kiezen</translation>
    </message>
    <message>
        <source>The skin on a panel</source>
        <translation>De skin op een paneel</translation>
    </message>
    <message>
        <source>Include e&amp;verything it needs to run (larger file)</source>
        <translation>Alles &amp;meegeven wat nodig is om te draaien (groter bestand)</translation>
    </message>
    <message>
        <source>The gift brings the libraries it needs, so it runs on any Linux computer; most recipients need this</source>
        <translation>Het cadeau neemt de bibliotheken mee die het nodig heeft en draait zo op elke Linux-computer; de meeste ontvangers hebben dit nodig</translation>
    </message>
    <message>
        <source>How large the gift will be</source>
        <translation>Hoe groot het cadeau wordt</translation>
    </message>
    <message>
        <source>Tr&amp;y it</source>
        <translation>&amp;Uitproberen</translation>
    </message>
    <message>
        <source>Starts the gift as the recipient will see it</source>
        <translation>Start het cadeau zoals de ontvanger het zal zien</translation>
    </message>
    <message>
        <source>&amp;Make gift...</source>
        <translation>&amp;Cadeau maken…</translation>
    </message>
    <message>
        <source>Saves the gift (Ctrl+S)</source>
        <translation>Slaat het cadeau op (Ctrl+S)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>B&amp;estand</translation>
    </message>
    <message>
        <source>&amp;Recent pictures</source>
        <translation>&amp;Recente afbeeldingen</translation>
    </message>
    <message>
        <source>(none yet)</source>
        <translation>(nog geen)</translation>
    </message>
    <message>
        <source>&amp;Text to send with the gift...</source>
        <translation>&amp;Tekst om mee te sturen…</translation>
    </message>
    <message>
        <source>Text to send</source>
        <translation>Tekst om mee te sturen</translation>
    </message>
    <message>
        <source>Make a gift first.</source>
        <translation>Maak eerst een cadeau.</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;How to make a gift</source>
        <translation>&amp;Zo maak je een cadeau</translation>
    </message>
    <message>
        <source>How to make a gift</source>
        <translation>Zo maak je een cadeau</translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 = %n pieces</source>
        <translation>
            <numerusform>%1 × %2 = %n stukje</numerusform>
            <numerusform>%1 × %2 = %n stukjes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 × %2 pixels; the gift stores %3</source>
        <translation>%1 × %2 pixels; het cadeau slaat %3 op</translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Afbeelding openen</translation>
    </message>
    <message>
        <source>Choose a picture to see how large the gift will be.</source>
        <translation>Kies een afbeelding om te zien hoe groot het cadeau wordt.</translation>
    </message>
    <message>
        <source>The gift: about %1 (it runs where Qt 6 is installed).</source>
        <translation>Het cadeau: ongeveer %1 (draait waar Qt 6 is geïnstalleerd).</translation>
    </message>
    <message>
        <source>The gift: about %1 with everything it needs to run on any Linux computer; %2 without.</source>
        <translation>Het cadeau: ongeveer %1 met alles wat nodig is om op elke Linux-computer te draaien; %2 zonder.</translation>
    </message>
    <message>
        <source>The gift: about %1; %2 with everything it needs to run on any Linux computer.</source>
        <translation>Het cadeau: ongeveer %1; %2 met alles wat nodig is om op elke Linux-computer te draaien.</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>S&amp;toppen</translation>
    </message>
    <message>
        <source>Choose a picture first</source>
        <translation>Kies eerst een afbeelding</translation>
    </message>
    <message>
        <source>No player to copy was found beside the gift maker</source>
        <translation>Naast de cadeaumaker is geen speelprogramma gevonden om te kopiëren</translation>
    </message>
    <message>
        <source>Save gift</source>
        <translation>Cadeau opslaan</translation>
    </message>
    <message>
        <source>Zip archive, ready to send (*.zip)</source>
        <translation>Zip-archief, klaar om te versturen (*.zip)</translation>
    </message>
    <message>
        <source>The gift program alone (*)</source>
        <translation>Alleen het cadeauprogramma (*)</translation>
    </message>
    <message>
        <source>The gift is saved as %1 (%2)</source>
        <translation>Het cadeau is opgeslagen als %1 (%2)</translation>
    </message>
    <message>
        <source>Opening message</source>
        <translation>Welkomstbericht</translation>
    </message>
    <message>
        <source>Shown when the gift starts.</source>
        <translation>Verschijnt als het cadeau start.</translation>
    </message>
    <message>
        <source>Closing message</source>
        <translation>Afscheidsbericht</translation>
    </message>
    <message>
        <source>Your farewell, shown every time the gift is closed.</source>
        <translation>Je afscheidsgroet, die verschijnt telkens als het cadeau wordt gesloten.</translation>
    </message>
    <message>
        <source>Fu&amp;n pieces:</source>
        <translation>&amp;Fantasiestukjes:</translation>
    </message>
    <message>
        <source>Ne&amp;w shapes</source>
        <translation>N&amp;ieuwe vormen</translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation>A&amp;fspelen</translation>
    </message>
    <message>
        <source>M&amp;usic:</source>
        <translation>Mu&amp;ziek:</translation>
    </message>
    <message>
        <source>Ski&amp;n:</source>
        <translation>Sk&amp;in:</translation>
    </message>
    <message>
        <source>&lt;ol&gt;&lt;li&gt;&lt;b&gt;Picture&lt;/b&gt;: open a photo (File, Open picture, or drop it on the window). JPEG, PNG, HEIC, AVIF, WebP and TIFF pictures are turned upright and stored at the size chosen; a title, your name, a few words and the language of the gift (the recipient&apos;s own unless you choose one) go with it.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Pieces&lt;/b&gt;: how many, their shape and style; the preview shows the cut.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Messages&lt;/b&gt;: the opening message greets the recipient when the gift starts; the closing message is your farewell, shown every time the gift is closed.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Music and skin&lt;/b&gt;: optional music while solving and a picture for the tool bar.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Try it&lt;/b&gt; starts the gift as the recipient will see it.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Make gift&lt;/b&gt; saves it, best as a .zip archive: sent as a bare file, a gift loses the right to run on its way. The window then gives a short text to send with it that tells the recipient how to open it: extract the .zip, double-click the gift, and where that does nothing, Properties, Allow executing as program.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;Include everything it needs to run, unless you know the recipient has Qt 6 installed.&lt;/p&gt;</source>
        <translation>&lt;ol&gt;&lt;li&gt;&lt;b&gt;Afbeelding&lt;/b&gt;: open een foto (Bestand, Afbeelding openen, of sleep hem op het venster). JPEG-, PNG-, HEIC-, AVIF-, WebP- en TIFF-afbeeldingen worden rechtop gezet en opgeslagen in het gekozen formaat; een titel, je naam, een paar woorden en de taal van het cadeau (die van de ontvanger als je er geen kiest) gaan mee.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Stukjes&lt;/b&gt;: hoeveel, hun vorm en stijl; het voorbeeld toont hoe ze worden gesneden.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Berichten&lt;/b&gt;: het welkomstbericht begroet de ontvanger als het cadeau start; het afscheidsbericht is je groet, die verschijnt telkens als het cadeau wordt gesloten.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Muziek en skin&lt;/b&gt;: muziek tijdens het leggen als je wilt en een afbeelding voor de werkbalk.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Uitproberen&lt;/b&gt; start het cadeau zoals de ontvanger het zal zien.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Cadeau maken&lt;/b&gt; slaat het op, het liefst als .zip-archief: als los bestand verstuurd verliest een cadeau onderweg het recht om te draaien. Het venster geeft je daarna een korte tekst om mee te sturen die de ontvanger vertelt hoe hij het opent: de .zip uitpakken, op het cadeau dubbelklikken en, als dat niets doet, Eigenschappen, Uitvoeren van bestand als programma toestaan.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;Geef alles mee wat nodig is om te draaien, tenzij je weet dat de ontvanger Qt 6 heeft geïnstalleerd.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>quill::MessagePreview</name>
    <message>
        <source>The message as the gift&apos;s splash screen shows it</source>
        <translation>Het bericht zoals het startscherm van het cadeau het toont</translation>
    </message>
</context>
<context>
    <name>quill::PieceSizeDialog</name>
    <message>
        <source>Classic|The traditional jigsaw piece style</source>
        <translation>Klassiek|De traditionele vorm van puzzelstukjes</translation>
    </message>
    <message>
        <source>Blip|Straight edges and round tabs</source>
        <translation>Noppen|Rechte randen en ronde lipjes</translation>
    </message>
    <message>
        <source>Squares|Straight edges and no tabs</source>
        <translation>Vierkanten|Rechte randen zonder lipjes</translation>
    </message>
    <message>
        <source>Stars|Straight edges and pointed tabs</source>
        <translation>Sterren|Rechte randen en puntige lipjes</translation>
    </message>
    <message>
        <source>Bubbles|Curved edges and no tabs</source>
        <translation>Bellen|Gebogen randen zonder lipjes</translation>
    </message>
    <message>
        <source>Mixture|A random mixture of all the different styles</source>
        <translation>Mengeling|Een willekeurige mengeling van alle vormen</translation>
    </message>
    <message>
        <source>Set Piece Size and Shape</source>
        <translation>Grootte en vorm van de stukjes</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Grootte:</translation>
    </message>
    <message>
        <source>|Set the size of pieces</source>
        <translation>|De grootte van de stukjes instellen</translation>
    </message>
    <message>
        <source>Oddness:</source>
        <translation>Grilligheid:</translation>
    </message>
    <message>
        <source>|Set the amount of shape irregularity</source>
        <translation>|Instellen hoe grillig de vormen zijn</translation>
    </message>
    <message>
        <source>Fun pieces:</source>
        <translation>Fantasiestukjes:</translation>
    </message>
    <message>
        <source>|Set the percentage of custom pieces in jigsaw</source>
        <translation>|Het aandeel fantasiestukjes in de puzzel instellen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Apply changes</source>
        <translation>Wijzigingen toepassen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>|Press OK to apply the new size</source>
        <translation>|Klik op OK om de nieuwe grootte toe te passen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Help on this screen</source>
        <translation>Help bij dit venster</translation>
    </message>
</context>
<context>
    <name>quill::QuickHelpDialog</name>
    <message>
        <source>Left mouse</source>
        <translation>Linkermuisknop</translation>
    </message>
    <message>
        <source>Move piece</source>
        <translation>Stukje verplaatsen</translation>
    </message>
    <message>
        <source>Right mouse</source>
        <translation>Rechtermuisknop</translation>
    </message>
    <message>
        <source>Piece popup menu</source>
        <translation>Menu van het stukje</translation>
    </message>
    <message>
        <source>Shift+left mouse</source>
        <translation>Shift+linkermuisknop</translation>
    </message>
    <message>
        <source>Fetch neighbor</source>
        <translation>Buur halen</translation>
    </message>
    <message>
        <source>Shift+right mouse</source>
        <translation>Shift+rechtermuisknop</translation>
    </message>
    <message>
        <source>Show neighbor</source>
        <translation>Buur tonen</translation>
    </message>
    <message>
        <source>Ctrl+left mouse</source>
        <translation>Ctrl+linkermuisknop</translation>
    </message>
    <message>
        <source>Rotate piece left</source>
        <translation>Stukje linksom draaien</translation>
    </message>
    <message>
        <source>Ctrl+right mouse</source>
        <translation>Ctrl+rechtermuisknop</translation>
    </message>
    <message>
        <source>Rotate piece right</source>
        <translation>Stukje rechtsom draaien</translation>
    </message>
    <message>
        <source>Ctrl+Shift+left mouse</source>
        <translation>Ctrl+Shift+linkermuisknop</translation>
    </message>
    <message>
        <source>Solve this piece</source>
        <translation>Dit stukje leggen</translation>
    </message>
    <message>
        <source>Ctrl+Shift+right mouse</source>
        <translation>Ctrl+Shift+rechtermuisknop</translation>
    </message>
    <message>
        <source>Show piece solution</source>
        <translation>Plaats van het stukje tonen</translation>
    </message>
    <message>
        <source>Scroll wheel click</source>
        <translation>Klik met het muiswiel</translation>
    </message>
    <message>
        <source>Hold piece</source>
        <translation>Stukje vasthouden</translation>
    </message>
    <message>
        <source>Scroll wheel rotate</source>
        <translation>Muiswiel draaien</translation>
    </message>
    <message>
        <source>Rotate piece</source>
        <translation>Stukje draaien</translation>
    </message>
    <message>
        <source>Drag band to select pieces</source>
        <translation>Een kader slepen om stukjes te selecteren</translation>
    </message>
    <message>
        <source>Board popup menu</source>
        <translation>Menu van het speelveld</translation>
    </message>
    <message>
        <source>Left mouse (hold 3 seconds)</source>
        <translation>Linkermuisknop (3 seconden ingedrukt)</translation>
    </message>
    <message>
        <source>Move ghost around</source>
        <translation>Spookbeeld verplaatsen</translation>
    </message>
    <message>
        <source>Fetch piece to ghost</source>
        <translation>Stukje naar het spookbeeld halen</translation>
    </message>
    <message>
        <source>Find piece to fit ghost</source>
        <translation>Stukje bij het spookbeeld vinden</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Zoom picture</source>
        <translation>Afbeelding zoomen</translation>
    </message>
    <message>
        <source>Picture window</source>
        <translation>Afbeeldingsvenster</translation>
    </message>
    <message>
        <source>Loupe window</source>
        <translation>Loepvenster</translation>
    </message>
    <message>
        <source>Ghost background</source>
        <translation>Spookbeeld op de achtergrond</translation>
    </message>
    <message>
        <source>Advanced options</source>
        <translation>Geavanceerde opties</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Spel opslaan</translation>
    </message>
    <message>
        <source>Hint!</source>
        <translation>Hint!</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw uitvoeren</translation>
    </message>
    <message>
        <source>Mouse click over a piece:</source>
        <translation>Klik op een stukje:</translation>
    </message>
    <message>
        <source>Mouse click over background:</source>
        <translation>Klik op de achtergrond:</translation>
    </message>
    <message>
        <source>Mouse click over ghost:</source>
        <translation>Klik op het spookbeeld:</translation>
    </message>
    <message>
        <source>Keyboard:</source>
        <translation>Toetsenbord:</translation>
    </message>
    <message>
        <source>Quick help - shortcuts</source>
        <translation>Snelle hulp – sneltoetsen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>Meer…</translation>
    </message>
</context>
<context>
    <name>quill::TLoupeForm</name>
    <message>
        <source>Loupe: %1x</source>
        <translation>Loep: %1x</translation>
    </message>
</context>
<context>
    <name>quill::TOverlayForm</name>
    <message>
        <source>Picture</source>
        <translation>Afbeelding</translation>
    </message>
</context>
<context>
    <name>quill::TrayDialog</name>
    <message>
        <source>Tray Description</source>
        <translation>Beschrijving bakje</translation>
    </message>
    <message>
        <source>Enter a name or short description for tray:</source>
        <translation>Geef een naam of korte beschrijving voor het bakje:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
</context>
</TS>
