<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>GiftMaking</name>
    <message>
        <source>The gift would be larger than 2 GB</source>
        <translation>Prezent byłby większy niż 2 GB</translation>
    </message>
    <message>
        <source>A gift needs a picture</source>
        <translation>Prezent potrzebuje obrazu</translation>
    </message>
    <message>
        <source>The picture is not a JPEG file</source>
        <translation>Obraz nie jest plikiem JPEG</translation>
    </message>
    <message>
        <source>The skin picture is not a JPEG file</source>
        <translation>Obraz skórki nie jest plikiem JPEG</translation>
    </message>
    <message>
        <source>A text of the gift holds &quot;%1&quot;, which marks the gift&apos;s header</source>
        <translation>Tekst prezentu zawiera „%1”, co oznacza nagłówek prezentu</translation>
    </message>
    <message>
        <source>A jigsaw needs at least %1 pieces</source>
        <translation>Liczba elementów puzzli musi wynosić co najmniej %1</translation>
    </message>
    <message>
        <source>The picture of %1x%2 pixels cut into %3 pieces gives a single piece, and a jigsaw needs at least %4: use a larger picture or ask for more pieces</source>
        <translation>Obraz %1x%2 pikseli przy liczbie elementów %3 daje tylko jeden element, a liczba elementów puzzli musi wynosić co najmniej %4: użyj większego obrazu albo poproś o więcej elementów</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;</source>
        <translation>Nie można otworzyć pliku „%1”</translation>
    </message>
    <message>
        <source>File %1 could not be written</source>
        <translation>Nie udało się zapisać pliku %1</translation>
    </message>
    <message>
        <source>is needed</source>
        <translation>jest wymagane</translation>
    </message>
    <message>
        <source>%1 (bytes that are not UTF-8)</source>
        <translation>%1 (bajty spoza UTF-8)</translation>
    </message>
    <message>
        <source>has characters a gift cannot hold (its texts are Windows-1252): %1</source>
        <translation>zawiera znaki, których prezent nie może przechować (jego teksty są w Windows-1252): %1</translation>
    </message>
    <message>
        <source>is %1 characters long, %2 more than the %3 a gift holds</source>
        <translation>ma za dużo znaków: %1, o %2 więcej, niż mieści prezent (%3)</translation>
    </message>
    <message>
        <source>has bytes that are not UTF-8 text</source>
        <translation>zawiera bajty, które nie są tekstem UTF-8</translation>
    </message>
    <message>
        <source>may not hold &quot;%1&quot;: it marks where the gift&apos;s settings start</source>
        <translation>nie może zawierać „%1”: to oznacza początek ustawień prezentu</translation>
    </message>
    <message>
        <source>is too long: %1 bytes of UTF-8, %2 more than the %3 a gift holds (a letter takes one byte in English, two in Polish or Russian, three in Japanese, four for an emoji)</source>
        <translation>jest za długie: zajmuje %1 B w UTF-8, o %2 B więcej, niż mieści prezent (%3 B; litera zajmuje jeden bajt po angielsku, dwa po polsku lub rosyjsku, trzy po japońsku, a emoji cztery)</translation>
    </message>
    <message>
        <source>is %1; it must be from %2 to %3</source>
        <translation>wynosi %1; musi wynosić od %2 do %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a colour name such as clCream nor a number</source>
        <translation>„%1” nie jest ani nazwą koloru, taką jak clCream, ani liczbą</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file</source>
        <translation>„%1” nie jest plikiem</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read</source>
        <translation>nie można odczytać „%1”</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>folder „%1” nie istnieje</translation>
    </message>
    <message>
        <source>would overwrite &quot;%1&quot;, which the gift is made from</source>
        <translation>nadpisałoby „%1”, z którego powstaje prezent</translation>
    </message>
    <message>
        <source>a template block needs its number of templates, and a number needs the block</source>
        <translation>blok szablonów wymaga liczby szablonów, a liczba wymaga bloku</translation>
    </message>
    <message>
        <source>the music&apos;s extension &quot;%1&quot; must be a dot and one to three letters or digits, such as .ogg</source>
        <translation>rozszerzenie muzyki „%1” musi składać się z kropki i od jednej do trzech liter lub cyfr, np. .ogg</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language code such as de, pl or pt-BR</source>
        <translation>„%1” nie jest kodem języka, takim jak de, pl czy pt-BR</translation>
    </message>
    <message>
        <source>Reading the skin</source>
        <translation>Wczytywanie skórki</translation>
    </message>
    <message>
        <source>Reading the music and templates</source>
        <translation>Wczytywanie muzyki i szablonów</translation>
    </message>
    <message>
        <source>Writing the gift</source>
        <translation>Zapisywanie prezentu</translation>
    </message>
    <message>
        <source>Packing the gift in a zip archive</source>
        <translation>Pakowanie prezentu do archiwum zip</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>The zip archive could not be made (zlib did not start)</source>
        <translation>Nie udało się utworzyć archiwum zip (zlib się nie uruchomił)</translation>
    </message>
    <message>
        <source>The gift is too large for a zip archive (4 GB and more)</source>
        <translation>Prezent jest za duży na archiwum zip (4 GB i więcej)</translation>
    </message>
    <message>
        <source>The HEIF picture could not be read (%1: %2): save it as JPEG or PNG first</source>
        <translation>Nie udało się odczytać obrazu HEIF (%1: %2): najpierw zapisz go jako JPEG lub PNG</translation>
    </message>
    <message>
        <source>The HEIF picture has no pixels: save it as JPEG or PNG first</source>
        <translation>Obraz HEIF nie ma pikseli: najpierw zapisz go jako JPEG lub PNG</translation>
    </message>
    <message>
        <source>No portable player found at %1; give the player to copy with --player PLAYER</source>
        <translation>Nie znaleziono przenośnego programu gry w %1; podaj program gry do skopiowania opcją --player PLAYER</translation>
    </message>
    <message>
        <source>No player found at %1; give the player to copy with --player PLAYER</source>
        <translation>Nie znaleziono programu gry w %1; podaj program gry do skopiowania opcją --player PLAYER</translation>
    </message>
    <message>
        <source>Install FluidSynth and a General MIDI sound font (the Debian packages fluidsynth and fluid-soundfont-gm), or save the music as Ogg Vorbis, MP3, FLAC or WAV.</source>
        <translation>Zainstaluj FluidSynth i bank brzmień General MIDI (pakiety Debiana fluidsynth i fluid-soundfont-gm) albo zapisz muzykę jako Ogg Vorbis, MP3, FLAC lub WAV.</translation>
    </message>
    <message>
        <source>The music file cannot be read.</source>
        <translation>Nie można odczytać pliku muzyki.</translation>
    </message>
    <message>
        <source>The MIDI music gave no sound.</source>
        <translation>Z muzyki MIDI nie powstał żaden dźwięk.</translation>
    </message>
    <message>
        <source>The MIDI music cannot be stored as Ogg Vorbis.</source>
        <translation>Nie można zapisać muzyki MIDI jako Ogg Vorbis.</translation>
    </message>
    <message>
        <source>MIDI music needs FluidSynth and a General MIDI sound font to be turned into sound every computer can play.</source>
        <translation>Aby zamienić muzykę MIDI w dźwięk, który odtworzy każdy komputer, potrzebne są FluidSynth i bank brzmień General MIDI.</translation>
    </message>
    <message>
        <source>There is no room for the MIDI music&apos;s sound.</source>
        <translation>Brak miejsca na dźwięk muzyki MIDI.</translation>
    </message>
    <message>
        <source>FluidSynth could not play the MIDI music.</source>
        <translation>FluidSynth nie zdołał odtworzyć muzyki MIDI.</translation>
    </message>
    <message>
        <source>FluidSynth could not play the MIDI music: %1</source>
        <translation>FluidSynth nie zdołał odtworzyć muzyki MIDI: %1</translation>
    </message>
    <message>
        <source>Picture ready</source>
        <translation>Obraz gotowy</translation>
    </message>
    <message>
        <source>The picture is %1 pixels: more than the %2 million pixels the gift maker reads</source>
        <translation>Obraz ma %1 pikseli: więcej niż %2 mln pikseli, które potrafi odczytać kreator prezentów</translation>
    </message>
    <message>
        <source>This is not a picture the gift maker can read (it reads %1): save it as JPEG or PNG first</source>
        <translation>Kreator prezentów nie potrafi odczytać tego obrazu (odczytuje %1): najpierw zapisz go jako JPEG lub PNG</translation>
    </message>
    <message>
        <source>The picture could not be read (%1): save it as JPEG or PNG first</source>
        <translation>Nie udało się odczytać obrazu (%1): najpierw zapisz go jako JPEG lub PNG</translation>
    </message>
    <message>
        <source>The picture would be stored at %1 pixels; the player cuts pictures of at most %2 pixels a side, so let it be fitted to a smaller size</source>
        <translation>Obraz zostałby zapisany w rozmiarze %1 pikseli; program gry tnie obrazy o boku co najwyżej %2 pikseli, więc pozwól dopasować go do mniejszego rozmiaru</translation>
    </message>
    <message>
        <source>The picture file is empty</source>
        <translation>Plik obrazu jest pusty</translation>
    </message>
    <message>
        <source>Reading the picture</source>
        <translation>Wczytywanie obrazu</translation>
    </message>
    <message>
        <source>Turning the picture upright</source>
        <translation>Prostowanie obrazu</translation>
    </message>
    <message>
        <source>Scaling the picture</source>
        <translation>Skalowanie obrazu</translation>
    </message>
    <message>
        <source>Storing the picture as JPEG</source>
        <translation>Zapisywanie obrazu jako JPEG</translation>
    </message>
    <message>
        <source>converted from CMYK</source>
        <translation>przekonwertowany z CMYK</translation>
    </message>
    <message>
        <source>converted from %1</source>
        <translation>przekonwertowany z %1</translation>
    </message>
    <message>
        <source>turned upright from %1 (EXIF orientation %2)</source>
        <translation>wyprostowany z %1 (orientacja EXIF %2)</translation>
    </message>
    <message>
        <source>scaled from %1 to %2 to fit %3</source>
        <translation>zmniejszony z %1 do %2, aby zmieścił się w %3</translation>
    </message>
    <message>
        <source>kept at its own size as asked</source>
        <translation>zachowany w oryginalnym rozmiarze, zgodnie z życzeniem</translation>
    </message>
    <message>
        <source>kept at its own size, within %1</source>
        <translation>zachowany w oryginalnym rozmiarze, w granicach %1</translation>
    </message>
    <message>
        <source>the file stored as it is</source>
        <translation>plik zapisany bez zmian</translation>
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
        <translation>Otwórz|Otwórz lub utwórz puzzle</translation>
    </message>
    <message>
        <source>Save|Save the jigsaw in progress</source>
        <translation>Zapisz|Zapisz układane puzzle</translation>
    </message>
    <message>
        <source>Picture|Toggle the picture overlay (F3)</source>
        <translation>Obraz|Pokaż lub ukryj okno obrazu (F3)</translation>
    </message>
    <message>
        <source>Loupe|Toggle the magnifying glass (F4)</source>
        <translation>Lupa|Pokaż lub ukryj lupę (F4)</translation>
    </message>
    <message>
        <source>Ghost Picture|Toggle the ghost picture backdrop</source>
        <translation>Obraz-widmo|Pokaż lub ukryj obraz-widmo w tle</translation>
    </message>
    <message>
        <source>Zoom|Display the jigsaw image full-screen (F2)</source>
        <translation>Powiększenie|Pokaż obraz puzzli na pełnym ekranie (F2)</translation>
    </message>
    <message>
        <source>Board color|Choose a new background board color</source>
        <translation>Kolor planszy|Wybierz nowy kolor planszy</translation>
    </message>
    <message>
        <source>Piece size and shape|Change the size and shape of pieces</source>
        <translation>Rozmiar i kształt elementów|Zmień rozmiar i kształt elementów</translation>
    </message>
    <message>
        <source>Arrange at edge|Arrange pieces around edge</source>
        <translation>Ułóż przy krawędzi|Ułóż elementy wzdłuż krawędzi</translation>
    </message>
    <message>
        <source>Arrange in grid|Arrange pieces in a grid</source>
        <translation>Ułóż w siatce|Ułóż elementy w siatce</translation>
    </message>
    <message>
        <source>New tray|Create a new tray for storing pieces</source>
        <translation>Nowa tacka|Utwórz nową tackę na elementy</translation>
    </message>
    <message>
        <source>Sound|Turn sound effects on/off</source>
        <translation>Dźwięk|Włącz lub wyłącz efekty dźwiękowe</translation>
    </message>
    <message>
        <source>Music|Turn background music on/off</source>
        <translation>Muzyka|Włącz lub wyłącz muzykę w tle</translation>
    </message>
    <message>
        <source>Hint|Flash the next two pieces to solve</source>
        <translation>Podpowiedź|Podświetl dwa następne elementy do ułożenia</translation>
    </message>
    <message>
        <source>Quick Help|Display mouse and keyboard controls</source>
        <translation>Szybka pomoc|Pokaż sterowanie myszą i klawiaturą</translation>
    </message>
    <message>
        <source>Brighten ghost|Increase the ghost picture brightness</source>
        <translation>Jaśniejsze widmo|Rozjaśnij obraz-widmo</translation>
    </message>
    <message>
        <source>Fade ghost|Decrease the ghost picture brightness</source>
        <translation>Bledsze widmo|Przyciemnij obraz-widmo</translation>
    </message>
    <message>
        <source>|Time in hours and minutes since jigsaw started</source>
        <translation>|Czas w godzinach i minutach od rozpoczęcia układania</translation>
    </message>
    <message>
        <source>|Number of pieces solved out of total</source>
        <translation>|Liczba ułożonych elementów spośród wszystkich</translation>
    </message>
    <message>
        <source>Scroll left|Show the trays further left</source>
        <translation>Przewiń w lewo|Pokaż tacki dalej w lewo</translation>
    </message>
    <message>
        <source>Scroll right|Show the trays further right</source>
        <translation>Przewiń w prawo|Pokaż tacki dalej w prawo</translation>
    </message>
    <message>
        <source>Scroll up|Show the trays further up</source>
        <translation>Przewiń w górę|Pokaż tacki wyżej</translation>
    </message>
    <message>
        <source>Scroll down|Show the trays further down</source>
        <translation>Przewiń w dół|Pokaż tacki niżej</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Create...</source>
        <translation>&amp;Utwórz…</translation>
    </message>
    <message>
        <source>|Create a new jigsaw</source>
        <translation>|Utwórz nowe puzzle</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Otwórz…</translation>
    </message>
    <message>
        <source>|Open or create a jigsaw</source>
        <translation>|Otwórz lub utwórz puzzle</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Zapisz</translation>
    </message>
    <message>
        <source>|Save the jigsaw in progress</source>
        <translation>|Zapisz układane puzzle</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Zapisz j&amp;ako…</translation>
    </message>
    <message>
        <source>|Save the jigsaw under a new name</source>
        <translation>|Zapisz puzzle pod nową nazwą</translation>
    </message>
    <message>
        <source>Save as &amp;Gift...</source>
        <translation>Zapisz jako &amp;prezent…</translation>
    </message>
    <message>
        <source>|Save the jigsaw as a gift</source>
        <translation>|Zapisz puzzle jako prezent</translation>
    </message>
    <message>
        <source>Save as Screen Sa&amp;ver...</source>
        <translation>Zapisz jako &amp;wygaszacz ekranu…</translation>
    </message>
    <message>
        <source>|Save the jigsaw as a screensaver</source>
        <translation>|Zapisz puzzle jako wygaszacz ekranu</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>U&amp;suń…</translation>
    </message>
    <message>
        <source>|Delete a jigsaw</source>
        <translation>|Usuń puzzle</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drukuj…</translation>
    </message>
    <message>
        <source>|Print the picture</source>
        <translation>|Wydrukuj obraz</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Ustawienia d&amp;rukarki…</translation>
    </message>
    <message>
        <source>|Set up the printer</source>
        <translation>|Skonfiguruj drukarkę</translation>
    </message>
    <message>
        <source>Re&amp;start...</source>
        <translation>Zacznij od &amp;nowa…</translation>
    </message>
    <message>
        <source>|Restart the jigsaw from scratch</source>
        <translation>|Zacznij puzzle od początku</translation>
    </message>
    <message>
        <source>|Open this recent jigsaw</source>
        <translation>|Otwórz te ostatnio używane puzzle</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>|Close the jigsaw</source>
        <translation>|Zamknij puzzle</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Tool bar</source>
        <translation>&amp;Pasek narzędzi</translation>
    </message>
    <message>
        <source>|Show or hide the tool bar</source>
        <translation>|Pokaż lub ukryj pasek narzędzi</translation>
    </message>
    <message>
        <source>&amp;Status bar</source>
        <translation>Pasek &amp;stanu</translation>
    </message>
    <message>
        <source>|Show or hide the status bar</source>
        <translation>|Pokaż lub ukryj pasek stanu</translation>
    </message>
    <message>
        <source>T&amp;ray bar</source>
        <translation>Pasek &amp;tacek</translation>
    </message>
    <message>
        <source>|Show or hide the tray bar</source>
        <translation>|Pokaż lub ukryj pasek tacek</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Obraz</translation>
    </message>
    <message>
        <source>|Show the picture window</source>
        <translation>|Pokaż okno obrazu</translation>
    </message>
    <message>
        <source>&amp;Loupe</source>
        <translation>&amp;Lupa</translation>
    </message>
    <message>
        <source>|Show the magnifying glass</source>
        <translation>|Pokaż szkło powiększające</translation>
    </message>
    <message>
        <source>&amp;Ghost picture</source>
        <translation>Obraz-&amp;widmo</translation>
    </message>
    <message>
        <source>|Show a faded picture on the board</source>
        <translation>|Pokaż blady obraz na planszy</translation>
    </message>
    <message>
        <source>&amp;Zoom picture</source>
        <translation>Powięks&amp;zenie</translation>
    </message>
    <message>
        <source>|Display the picture full-screen</source>
        <translation>|Pokaż obraz na pełnym ekranie</translation>
    </message>
    <message>
        <source>&amp;Board Color</source>
        <translation>&amp;Kolor planszy</translation>
    </message>
    <message>
        <source>|Choose the colour of the board</source>
        <translation>|Wybierz kolor planszy</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Własny…</translation>
    </message>
    <message>
        <source>|Pick any colour for the board</source>
        <translation>|Wybierz dowolny kolor planszy</translation>
    </message>
    <message>
        <source>Matching</source>
        <translation>Dopasowany</translation>
    </message>
    <message>
        <source>|A board colour that matches the picture</source>
        <translation>|Kolor planszy pasujący do obrazu</translation>
    </message>
    <message>
        <source>Contrasting</source>
        <translation>Kontrastowy</translation>
    </message>
    <message>
        <source>|A board colour that contrasts with the picture</source>
        <translation>|Kolor planszy kontrastujący z obrazem</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Domyślny</translation>
    </message>
    <message>
        <source>|The board colour the jigsaw came with</source>
        <translation>|Pierwotny kolor planszy tych puzzli</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Narzędzia</translation>
    </message>
    <message>
        <source>Arrange at &amp;Edge</source>
        <translation>Ułóż przy &amp;krawędzi</translation>
    </message>
    <message>
        <source>|Arrange the loose pieces around the edge</source>
        <translation>|Ułóż luźne elementy wokół krawędzi</translation>
    </message>
    <message>
        <source>Arrange in &amp;Grid</source>
        <translation>Ułóż w &amp;siatce</translation>
    </message>
    <message>
        <source>|Arrange the loose pieces in a grid</source>
        <translation>|Ułóż luźne elementy w siatce</translation>
    </message>
    <message>
        <source>&amp;Disarrange</source>
        <translation>&amp;Rozrzuć</translation>
    </message>
    <message>
        <source>|Scatter the loose pieces at random</source>
        <translation>|Rozrzuć luźne elementy losowo</translation>
    </message>
    <message>
        <source>&amp;Piece Size...</source>
        <translation>Rozmiar &amp;elementów…</translation>
    </message>
    <message>
        <source>|Change the size and shape of the pieces</source>
        <translation>|Zmień rozmiar i kształt elementów</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Cofnij</translation>
    </message>
    <message>
        <source>|Undo the last step</source>
        <translation>|Cofnij ostatni krok</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ponów</translation>
    </message>
    <message>
        <source>|Redo the step just undone</source>
        <translation>|Ponów właśnie cofnięty krok</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <translation>&amp;Demo</translation>
    </message>
    <message>
        <source>|Watch the jigsaw solve itself</source>
        <translation>|Zobacz, jak puzzle układają się same</translation>
    </message>
    <message>
        <source>More &amp;Tips...</source>
        <translation>Więcej wska&amp;zówek…</translation>
    </message>
    <message>
        <source>|Read tips on playing</source>
        <translation>|Przeczytaj wskazówki do gry</translation>
    </message>
    <message>
        <source>&amp;Screensaver...</source>
        <translation>&amp;Wygaszacz ekranu…</translation>
    </message>
    <message>
        <source>|Use the picture as a screensaver</source>
        <translation>|Użyj obrazu jako wygaszacza ekranu</translation>
    </message>
    <message>
        <source>&amp;Wallpaper</source>
        <translation>&amp;Tapeta</translation>
    </message>
    <message>
        <source>|Use the picture as the desktop wallpaper</source>
        <translation>|Użyj obrazu jako tapety pulpitu</translation>
    </message>
    <message>
        <source>T&amp;rays</source>
        <translation>&amp;Tacki</translation>
    </message>
    <message>
        <source>&amp;New Tray</source>
        <translation>&amp;Nowa tacka</translation>
    </message>
    <message>
        <source>|Create a new tray for storing pieces</source>
        <translation>|Utwórz nową tackę na elementy</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Pokaż</translation>
    </message>
    <message>
        <source>|Open trays</source>
        <translation>|Otwórz tacki</translation>
    </message>
    <message>
        <source>Show &amp;All Trays</source>
        <translation>Pokaż &amp;wszystkie tacki</translation>
    </message>
    <message>
        <source>|Open every tray</source>
        <translation>|Otwórz każdą tackę</translation>
    </message>
    <message>
        <source>Show &amp;Used Trays</source>
        <translation>Pokaż &amp;zajęte tacki</translation>
    </message>
    <message>
        <source>|Open the trays that hold pieces</source>
        <translation>|Otwórz tacki, w których są elementy</translation>
    </message>
    <message>
        <source>Show &amp;Empty Trays</source>
        <translation>Pokaż &amp;puste tacki</translation>
    </message>
    <message>
        <source>|Open the empty trays</source>
        <translation>|Otwórz puste tacki</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Ukryj</translation>
    </message>
    <message>
        <source>|Minimise trays</source>
        <translation>|Zwiń tacki</translation>
    </message>
    <message>
        <source>Hide &amp;All Trays</source>
        <translation>Ukryj &amp;wszystkie tacki</translation>
    </message>
    <message>
        <source>|Minimise every tray</source>
        <translation>|Zwiń każdą tackę</translation>
    </message>
    <message>
        <source>Hide &amp;Used Trays</source>
        <translation>Ukryj &amp;zajęte tacki</translation>
    </message>
    <message>
        <source>|Minimise the trays that hold pieces</source>
        <translation>|Zwiń tacki, w których są elementy</translation>
    </message>
    <message>
        <source>Hide &amp;Empty Trays</source>
        <translation>Ukryj &amp;puste tacki</translation>
    </message>
    <message>
        <source>|Minimise the empty trays</source>
        <translation>|Zwiń puste tacki</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>U&amp;suń</translation>
    </message>
    <message>
        <source>|Delete trays</source>
        <translation>|Usuń tacki</translation>
    </message>
    <message>
        <source>Delete &amp;All Trays</source>
        <translation>Usuń &amp;wszystkie tacki</translation>
    </message>
    <message>
        <source>|Delete every tray; its pieces go to the board</source>
        <translation>|Usuń każdą tackę; jej elementy trafią na planszę</translation>
    </message>
    <message>
        <source>Delete &amp;Used Trays</source>
        <translation>Usuń &amp;zajęte tacki</translation>
    </message>
    <message>
        <source>|Delete the trays that hold pieces</source>
        <translation>|Usuń tacki, w których są elementy</translation>
    </message>
    <message>
        <source>Delete &amp;Empty Trays</source>
        <translation>Usuń &amp;puste tacki</translation>
    </message>
    <message>
        <source>|Delete the empty trays</source>
        <translation>|Usuń puste tacki</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opcje</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Dźwięk</translation>
    </message>
    <message>
        <source>|Turn sound effects on or off</source>
        <translation>|Włącz lub wyłącz efekty dźwiękowe</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Muzyka</translation>
    </message>
    <message>
        <source>|Turn background music on or off</source>
        <translation>|Włącz lub wyłącz muzykę w tle</translation>
    </message>
    <message>
        <source>Sha&amp;dows</source>
        <translation>C&amp;ienie</translation>
    </message>
    <message>
        <source>|Moving pieces cast a shadow</source>
        <translation>|Przesuwane elementy rzucają cień</translation>
    </message>
    <message>
        <source>&amp;Outlines</source>
        <translation>&amp;Obrysy</translation>
    </message>
    <message>
        <source>|Choose the look of the piece edges</source>
        <translation>|Wybierz wygląd krawędzi elementów</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Brak</translation>
    </message>
    <message>
        <source>|Pieces have no outline</source>
        <translation>|Elementy bez obrysu</translation>
    </message>
    <message>
        <source>&amp;Foil</source>
        <translation>&amp;Folia</translation>
    </message>
    <message>
        <source>|Pieces are made out of thin foil</source>
        <translation>|Elementy z cienkiej folii</translation>
    </message>
    <message>
        <source>&amp;Paper</source>
        <translation>&amp;Papier</translation>
    </message>
    <message>
        <source>|Pieces are made out of paper</source>
        <translation>|Elementy z papieru</translation>
    </message>
    <message>
        <source>&amp;Card</source>
        <translation>&amp;Karton</translation>
    </message>
    <message>
        <source>|Pieces are made out of thick card</source>
        <translation>|Elementy z grubego kartonu</translation>
    </message>
    <message>
        <source>&amp;Wood</source>
        <translation>&amp;Drewno</translation>
    </message>
    <message>
        <source>|Pieces are made out of chunky wood</source>
        <translation>|Elementy z grubego drewna</translation>
    </message>
    <message>
        <source>&amp;Smooth</source>
        <translation>&amp;Wygładzanie</translation>
    </message>
    <message>
        <source>|Remove jaggies from piece outlines using smoothing</source>
        <translation>|Wygładzaj poszarpane obrysy elementów</translation>
    </message>
    <message>
        <source>&amp;Auto hide</source>
        <translation>&amp;Ukrywaj automatycznie</translation>
    </message>
    <message>
        <source>|Remove outlines from solved pieces</source>
        <translation>|Usuwaj obrysy ułożonych elementów</translation>
    </message>
    <message>
        <source>Sort by S&amp;hape</source>
        <translation>&amp;Sortuj według kształtu</translation>
    </message>
    <message>
        <source>|Put edge pieces first when arranging</source>
        <translation>|Przy układaniu najpierw elementy brzegowe</translation>
    </message>
    <message>
        <source>Sort by &amp;Color</source>
        <translation>Sortuj według &amp;koloru</translation>
    </message>
    <message>
        <source>|Put similar colors together when arranging</source>
        <translation>|Przy układaniu łącz podobne kolory</translation>
    </message>
    <message>
        <source>&amp;Timer display</source>
        <translation>Pokazuj &amp;czas</translation>
    </message>
    <message>
        <source>|Show the time taken</source>
        <translation>|Pokazuj czas gry</translation>
    </message>
    <message>
        <source>&amp;Number display</source>
        <translation>Pokazuj licz&amp;bę</translation>
    </message>
    <message>
        <source>|Show the number of pieces solved</source>
        <translation>|Pokazuj liczbę ułożonych elementów</translation>
    </message>
    <message>
        <source>&amp;Rotating Pieces</source>
        <translation>Ob&amp;racanie elementów</translation>
    </message>
    <message>
        <source>|Pieces can be turned</source>
        <translation>|Elementy można obracać</translation>
    </message>
    <message>
        <source>M&amp;ystery Mode</source>
        <translation>Tryb z&amp;agadki</translation>
    </message>
    <message>
        <source>|Hide the jigsaw preview pictures</source>
        <translation>|Ukryj obrazy podglądu puzzli</translation>
    </message>
    <message>
        <source>Time &amp;Limit...</source>
        <translation>&amp;Limit czasu…</translation>
    </message>
    <message>
        <source>|Set a time limit for the jigsaw</source>
        <translation>|Ustaw limit czasu dla puzzli</translation>
    </message>
    <message>
        <source>&amp;Advanced...</source>
        <translation>&amp;Zaawansowane…</translation>
    </message>
    <message>
        <source>|Change the advanced options</source>
        <translation>|Zmień opcje zaawansowane</translation>
    </message>
    <message>
        <source>&amp;Cheat</source>
        <translation>O&amp;szukiwanie</translation>
    </message>
    <message>
        <source>Allow &amp;Cheating</source>
        <translation>&amp;Zezwalaj na oszukiwanie</translation>
    </message>
    <message>
        <source>|Allow the cheat commands</source>
        <translation>|Zezwalaj na polecenia oszukiwania</translation>
    </message>
    <message>
        <source>&amp;Hint!</source>
        <translation>Po&amp;dpowiedź!</translation>
    </message>
    <message>
        <source>|Flash the next two pieces to solve</source>
        <translation>|Podświetl dwa następne elementy do ułożenia</translation>
    </message>
    <message>
        <source>&amp;Right Way Up!</source>
        <translation>&amp;Obróć wszystkie prosto!</translation>
    </message>
    <message>
        <source>|Turn every piece the right way up</source>
        <translation>|Obróć każdy element właściwą stroną do góry</translation>
    </message>
    <message>
        <source>&amp;Auto-Solve!</source>
        <translation>Ułóż &amp;automatycznie!</translation>
    </message>
    <message>
        <source>|Let the jigsaw solve itself</source>
        <translation>|Niech puzzle ułożą się same</translation>
    </message>
    <message>
        <source>&amp;Internet</source>
        <translation>&amp;Internet</translation>
    </message>
    <message>
        <source>Visit the Quillmere web site</source>
        <translation>Odwiedź stronę Quillmere</translation>
    </message>
    <message>
        <source>&amp;Purchase the full version...</source>
        <translation>&amp;Kup pełną wersję…</translation>
    </message>
    <message>
        <source>|Visit our online store</source>
        <translation>|Odwiedź nasz sklep internetowy</translation>
    </message>
    <message>
        <source>Jigsaw &amp;Search...</source>
        <translation>&amp;Szukaj puzzli…</translation>
    </message>
    <message>
        <source>|Search the web for jigsaws</source>
        <translation>|Szukaj puzzli w sieci</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Sprawdź &amp;aktualizacje…</translation>
    </message>
    <message>
        <source>|Look for a newer version</source>
        <translation>|Poszukaj nowszej wersji</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Po&amp;moc</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <source>|Show the help contents</source>
        <translation>|Pokaż spis treści pomocy</translation>
    </message>
    <message>
        <source>&amp;Search for Help On...</source>
        <translation>Szukaj w po&amp;mocy…</translation>
    </message>
    <message>
        <source>|Search the help</source>
        <translation>|Przeszukaj pomoc</translation>
    </message>
    <message>
        <source>&amp;What&apos;s New</source>
        <translation>&amp;Co nowego</translation>
    </message>
    <message>
        <source>|What is new in this version</source>
        <translation>|Co nowego w tej wersji</translation>
    </message>
    <message>
        <source>&amp;FAQ</source>
        <translation>&amp;FAQ</translation>
    </message>
    <message>
        <source>|Frequently asked questions</source>
        <translation>|Najczęściej zadawane pytania</translation>
    </message>
    <message>
        <source>How to &amp;Order</source>
        <translation>Jak &amp;zamówić</translation>
    </message>
    <message>
        <source>|How to order the full version</source>
        <translation>|Jak zamówić pełną wersję</translation>
    </message>
    <message>
        <source>&amp;Quick Help!</source>
        <translation>Sz&amp;ybka pomoc!</translation>
    </message>
    <message>
        <source>|Display mouse and keyboard controls</source>
        <translation>|Pokaż sterowanie myszą i klawiaturą</translation>
    </message>
    <message>
        <source>About this &amp;Jigsaw...</source>
        <translation>O tych &amp;puzzlach…</translation>
    </message>
    <message>
        <source>|Show the jigsaw&apos;s title, creator and progress</source>
        <translation>|Pokaż tytuł, autora i postęp puzzli</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;O programie…</translation>
    </message>
    <message>
        <source>|About this program</source>
        <translation>|O tym programie</translation>
    </message>
    <message>
        <source>&amp;Move ghost</source>
        <translation>&amp;Przesuń widmo</translation>
    </message>
    <message>
        <source>|Move the ghost picture to another place</source>
        <translation>|Przesuń obraz-widmo w inne miejsce</translation>
    </message>
    <message>
        <source>&amp;Find piece!</source>
        <translation>&amp;Znajdź element!</translation>
    </message>
    <message>
        <source>|Flash the piece that belongs here</source>
        <translation>|Podświetl element, który pasuje w tym miejscu</translation>
    </message>
    <message>
        <source>Fe&amp;tch piece!</source>
        <translation>Przy&amp;nieś element!</translation>
    </message>
    <message>
        <source>|Bring the piece that belongs here</source>
        <translation>|Przynieś element, który pasuje w tym miejscu</translation>
    </message>
    <message>
        <source>S&amp;how Solution!</source>
        <translation>Pokaż &amp;rozwiązanie!</translation>
    </message>
    <message>
        <source>|Flash where this piece belongs</source>
        <translation>|Podświetl miejsce, do którego pasuje ten element</translation>
    </message>
    <message>
        <source>S&amp;olve Piece!</source>
        <translation>&amp;Ułóż element!</translation>
    </message>
    <message>
        <source>|Put this piece where it belongs</source>
        <translation>|Połóż ten element na jego miejscu</translation>
    </message>
    <message>
        <source>Rotate &amp;Right</source>
        <translation>Obróć w &amp;prawo</translation>
    </message>
    <message>
        <source>|Turn the piece a quarter turn clockwise</source>
        <translation>|Obróć element o ćwierć obrotu zgodnie z ruchem wskazówek zegara</translation>
    </message>
    <message>
        <source>Rotate &amp;Left</source>
        <translation>Obróć w &amp;lewo</translation>
    </message>
    <message>
        <source>|Turn the piece a quarter turn anticlockwise</source>
        <translation>|Obróć element o ćwierć obrotu przeciwnie do ruchu wskazówek zegara</translation>
    </message>
    <message>
        <source>Right &amp;Way Up!</source>
        <translation>Obróć pro&amp;sto!</translation>
    </message>
    <message>
        <source>|Turn this piece the right way up</source>
        <translation>|Obróć ten element właściwą stroną do góry</translation>
    </message>
    <message>
        <source>&amp;Unlock</source>
        <translation>&amp;Odłącz</translation>
    </message>
    <message>
        <source>|Disconnect the piece from its neighbours</source>
        <translation>|Odłącz element od sąsiadów</translation>
    </message>
    <message>
        <source>Send To &amp;Back</source>
        <translation>Przesuń do &amp;tyłu</translation>
    </message>
    <message>
        <source>|Put the piece behind all others</source>
        <translation>|Połóż element pod wszystkimi innymi</translation>
    </message>
    <message>
        <source>&amp;Show Neighbor!</source>
        <translation>Po&amp;każ sąsiada!</translation>
    </message>
    <message>
        <source>|Flash a piece that fits this one</source>
        <translation>|Podświetl element, który pasuje do tego</translation>
    </message>
    <message>
        <source>&amp;Fetch Neighbor!</source>
        <translation>Przy&amp;nieś sąsiada!</translation>
    </message>
    <message>
        <source>|Bring a piece that fits this one</source>
        <translation>|Przynieś element, który pasuje do tego</translation>
    </message>
    <message>
        <source>Se&amp;lect all pieces</source>
        <translation>&amp;Zaznacz wszystkie elementy</translation>
    </message>
    <message>
        <source>|Pick up every piece in this tray</source>
        <translation>|Podnieś każdy element z tej tacki</translation>
    </message>
    <message>
        <source>&amp;Send Tray to Back</source>
        <translation>Przesuń tackę do &amp;tyłu</translation>
    </message>
    <message>
        <source>|Put this tray behind the others</source>
        <translation>|Połóż tę tackę za innymi</translation>
    </message>
    <message>
        <source>D&amp;rop all pieces</source>
        <translation>&amp;Wysyp wszystkie elementy</translation>
    </message>
    <message>
        <source>|Empty this tray onto the board</source>
        <translation>|Wysyp tę tackę na planszę</translation>
    </message>
    <message>
        <source>&amp;Get pieces</source>
        <translation>Z&amp;bierz elementy</translation>
    </message>
    <message>
        <source>|Gather single pieces into this tray</source>
        <translation>|Zbierz pojedyncze elementy do tej tacki</translation>
    </message>
    <message>
        <source>&amp;All pieces</source>
        <translation>&amp;Wszystkie elementy</translation>
    </message>
    <message>
        <source>|Gather every single piece</source>
        <translation>|Zbierz każdy pojedynczy element</translation>
    </message>
    <message>
        <source>&amp;Edge pieces</source>
        <translation>Elementy &amp;brzegowe</translation>
    </message>
    <message>
        <source>|Gather the single edge pieces</source>
        <translation>|Zbierz pojedyncze elementy brzegowe</translation>
    </message>
    <message>
        <source>&amp;Middle pieces</source>
        <translation>Elementy ś&amp;rodkowe</translation>
    </message>
    <message>
        <source>|Gather the single middle pieces</source>
        <translation>|Zbierz pojedyncze elementy środkowe</translation>
    </message>
    <message>
        <source>&amp;Fun pieces</source>
        <translation>Elementy &amp;zabawne</translation>
    </message>
    <message>
        <source>|Gather the single fun pieces</source>
        <translation>|Zbierz pojedyncze elementy zabawne</translation>
    </message>
    <message>
        <source>|Arrange this tray&apos;s pieces around its edge</source>
        <translation>|Ułóż elementy tej tacki wokół jej krawędzi</translation>
    </message>
    <message>
        <source>|Arrange this tray&apos;s pieces in a grid</source>
        <translation>|Ułóż elementy tej tacki w siatce</translation>
    </message>
    <message>
        <source>D&amp;isarrange Tray</source>
        <translation>R&amp;ozrzuć tackę</translation>
    </message>
    <message>
        <source>|Scatter this tray&apos;s pieces at random</source>
        <translation>|Rozrzuć losowo elementy tej tacki</translation>
    </message>
    <message>
        <source>Tray &amp;Color</source>
        <translation>Kolo&amp;r tacki</translation>
    </message>
    <message>
        <source>|Choose the colour of this tray</source>
        <translation>|Wybierz kolor tej tacki</translation>
    </message>
    <message>
        <source>|Pick any colour for the tray</source>
        <translation>|Wybierz dowolny kolor tacki</translation>
    </message>
    <message>
        <source>|A tray colour that matches the picture</source>
        <translation>|Kolor tacki pasujący do obrazu</translation>
    </message>
    <message>
        <source>|A tray colour that contrasts with the picture</source>
        <translation>|Kolor tacki kontrastujący z obrazem</translation>
    </message>
    <message>
        <source>|The tray takes the board colour</source>
        <translation>|Tacka przyjmuje kolor planszy</translation>
    </message>
    <message>
        <source>&amp;Tray Description...</source>
        <translation>O&amp;pis tacki…</translation>
    </message>
    <message>
        <source>|Give this tray a name</source>
        <translation>|Nadaj tej tacce nazwę</translation>
    </message>
    <message>
        <source>&amp;Delete Tray!</source>
        <translation>&amp;Usuń tackę!</translation>
    </message>
    <message>
        <source>|Delete this tray; its pieces go to the board</source>
        <translation>|Usuń tę tackę; jej elementy trafią na planszę</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Tray %1 contains pieces which will be
placed on the background.

Ok to delete this tray?</source>
        <translation>Tacka %1 zawiera elementy, które zostaną
położone na planszy.

Usunąć tę tackę?</translation>
    </message>
    <message>
        <source>To use the scroll wheel, enable it in the Advanced Mouse options screen</source>
        <translation>Aby używać kółka myszy, włącz je w zaawansowanych opcjach myszy</translation>
    </message>
    <message>
        <source>Rotation is currently disabled in the Options menu</source>
        <translation>Obracanie jest obecnie wyłączone w menu Opcje</translation>
    </message>
    <message>
        <source>Cheating is currently disabled in the Options menu</source>
        <translation>Oszukiwanie jest obecnie wyłączone w menu Opcje</translation>
    </message>
    <message>
        <source>Mouse: Left=Fetch neighbor, Right=Show neighbor</source>
        <translation>Mysz: lewy=przynieś sąsiada, prawy=pokaż sąsiada</translation>
    </message>
    <message>
        <source>Mouse: Left=Rotate left, Right=Rotate right</source>
        <translation>Mysz: lewy=obróć w lewo, prawy=obróć w prawo</translation>
    </message>
    <message>
        <source>Mouse: Left=Solve piece onto ghost, Right=Flash solution</source>
        <translation>Mysz: lewy=ułóż element na widmie, prawy=pokaż rozwiązanie</translation>
    </message>
    <message>
        <source>Enable the background ghost to use these shortcuts</source>
        <translation>Włącz obraz-widmo w tle, aby używać tych skrótów</translation>
    </message>
    <message>
        <source>Generating: </source>
        <translation>Tworzenie: </translation>
    </message>
    <message>
        <source>This free jigsaw gift was created by Quillmere version %s.
Click on our home page below for a free demo of all the other great features of the game. Or order the full version now!</source>
        <translation>Ten darmowy prezent z puzzlami utworzono w Quillmere w wersji %s.
Kliknij poniżej link do naszej strony, aby pobrać darmowe demo ze wszystkimi pozostałymi świetnymi funkcjami gry. Albo zamów pełną wersję już teraz!</translation>
    </message>
    <message>
        <source>File %1 could not be written. The disk may be full, read-only or off-line</source>
        <translation>Nie udało się zapisać pliku %1. Dysk może być pełny, tylko do odczytu lub niedostępny</translation>
    </message>
    <message>
        <source>This jigsaw gift file is damaged and cannot be opened</source>
        <translation>Ten plik prezentu z puzzlami jest uszkodzony i nie można go otworzyć</translation>
    </message>
    <message>
        <source>The puzzle has rotated pieces but the rotation option is currently disabled. Press &apos;Yes&apos; to turn all pieces the right way up or &apos;No&apos; to re-enable rotation.</source>
        <translation>Puzzle mają obrócone elementy, ale obracanie jest obecnie wyłączone. Wybierz „Tak”, aby obrócić wszystkie elementy właściwą stroną do góry, lub „Nie”, aby znów włączyć obracanie.</translation>
    </message>
    <message>
        <source>Would you like some pieces randomly rotated now?</source>
        <translation>Czy obrócić teraz losowo niektóre elementy?</translation>
    </message>
    <message>
        <source>Insufficient graphics resources to set such a large piece size - reducing the number of colors of your desktop may help. Setting scale factor back to 100%...</source>
        <translation>Za mało zasobów graficznych na tak duży rozmiar elementów – może pomóc zmniejszenie liczby kolorów pulpitu. Przywracanie skali 100%…</translation>
    </message>
    <message numerus="yes">
        <source>%n pieces</source>
        <comment>a count of pieces</comment>
        <translation>
            <numerusform>%n element</numerusform>
            <numerusform>%n elementy</numerusform>
            <numerusform>%n elementów</numerusform>
        </translation>
    </message>
    <message>
        <source>. You used Auto-solve!</source>
        <translation>. Użyto automatycznego układania!</translation>
    </message>
    <message>
        <source> without cheating!</source>
        <translation> bez oszukiwania!</translation>
    </message>
    <message>
        <source> by cheating once!</source>
        <translation>, oszukując raz!</translation>
    </message>
    <message>
        <source>You solved all %1 in %2 and %3</source>
        <translation>Puzzle ułożone: %1 w %2 i %3</translation>
    </message>
    <message>
        <source>Created %1 by version %2 </source>
        <translation>Utworzono %1 w wersji %2 </translation>
    </message>
    <message>
        <source>Solved %1 of %2</source>
        <translation>Ułożono %1 z %2</translation>
    </message>
    <message>
        <source>|Jigsaw is %1% complete, %2 pieces solved per minute</source>
        <translation>|Puzzle gotowe w %1%, %2 elementu na minutę</translation>
    </message>
    <message>
        <source>The saved game %1 cannot be removed. %2. The new game starts all the same; the saved one is offered again at the next start unless this game is saved over it.</source>
        <translation>Nie można usunąć zapisanej gry %1. %2. Nowa gra i tak się zaczyna; zapisana gra zostanie zaproponowana przy następnym uruchomieniu, chyba że ta gra ją nadpisze.</translation>
    </message>
    <message>
        <source>%1 A new game is started instead.</source>
        <translation>%1 Zamiast tego zaczyna się nowa gra.</translation>
    </message>
    <message>
        <source>size/shape</source>
        <translation>rozmiar/kształt</translation>
    </message>
    <message>
        <source>arrange</source>
        <translation>ułożenie</translation>
    </message>
    <message>
        <source>arrange tray</source>
        <translation>ułożenie tacki</translation>
    </message>
    <message>
        <source>disarrange</source>
        <translation>rozrzucenie</translation>
    </message>
    <message>
        <source>disarrange tray</source>
        <translation>rozrzucenie tacki</translation>
    </message>
    <message>
        <source>tray operation</source>
        <translation>operacja na tacce</translation>
    </message>
    <message>
        <source>auto-solve</source>
        <translation>automatyczne układanie</translation>
    </message>
    <message>
        <source>move ghost</source>
        <translation>przesunięcie widma</translation>
    </message>
    <message>
        <source>move pieces</source>
        <translation>przesunięcie elementów</translation>
    </message>
    <message>
        <source>rotate pieces</source>
        <translation>obrót elementów</translation>
    </message>
    <message>
        <source>right way up</source>
        <translation>obrót prosto</translation>
    </message>
    <message>
        <source>cheat</source>
        <translation>oszukiwanie</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Ponów: %1</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Cofnij: %1</translation>
    </message>
    <message>
        <source>Sorting colors: </source>
        <translation>Sortowanie kolorów: </translation>
    </message>
    <message>
        <source>Rotating: </source>
        <translation>Obracanie: </translation>
    </message>
    <message>
        <source>Drawing: </source>
        <translation>Rysowanie: </translation>
    </message>
    <message>
        <source>The custom piece shapes in this jigsaw gift are damaged</source>
        <translation>Własne kształty elementów w tym prezencie są uszkodzone</translation>
    </message>
    <message numerus="yes">
        <source> by cheating %n times!</source>
        <comment>more than once</comment>
        <translation>
            <numerusform>, oszukując %n raz!</numerusform>
            <numerusform>, oszukując %n razy!</numerusform>
            <numerusform>, oszukując %n razy!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <comment>time taken</comment>
        <translation>
            <numerusform>%n minutę</numerusform>
            <numerusform>%n minuty</numerusform>
            <numerusform>%n minut</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <comment>time taken</comment>
        <translation>
            <numerusform>%n sekundę</numerusform>
            <numerusform>%n sekundy</numerusform>
            <numerusform>%n sekund</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have solved %1 out of %n pieces</source>
        <comment>pieces of the puzzle</comment>
        <translation>
            <numerusform>Ułożono %1 z %n elementu</numerusform>
            <numerusform>Ułożono %1 z %n elementów</numerusform>
            <numerusform>Ułożono %1 z %n elementów</numerusform>
        </translation>
    </message>
    <message>
        <source>You are in Mystery Mode and the picture is hidden!

Press Yes to exit Mystery Mode and reveal the jigsaw.</source>
        <translation>Włączony jest tryb zagadki i obraz jest ukryty!

Wybierz „Tak”, aby wyjść z trybu zagadki i odsłonić puzzle.</translation>
    </message>
    <message>
        <source>Press Yes to exit Mystery Mode. You may then use the jigsaw preview tools.</source>
        <translation>Wybierz „Tak”, aby wyjść z trybu zagadki. Potem można używać narzędzi podglądu.</translation>
    </message>
    <message>
        <source>Press Yes to enter Mystery Mode and hide any jigsaw preview pictures.</source>
        <translation>Wybierz „Tak”, aby przejść do trybu zagadki i ukryć wszystkie obrazy podglądu.</translation>
    </message>
    <message>
        <source>Press &apos;Yes&apos; to turn all pieces the right way up.</source>
        <translation>Wybierz „Tak”, aby obrócić wszystkie elementy właściwą stroną do góry.</translation>
    </message>
    <message>
        <source>This will restart the jigsaw from scratch. Are you sure?</source>
        <translation>Układanie puzzli zacznie się od nowa. Czy na pewno?</translation>
    </message>
    <message>
        <source>

The game has not been saved. Close the jigsaw without saving it?
Choose No to go back to the game.</source>
        <translation>

Gra nie została zapisana. Zamknąć puzzle bez zapisywania?
Wybierz „Nie”, aby wrócić do gry.</translation>
    </message>
    <message>
        <source>No web browser could be started to show %1</source>
        <translation>Nie udało się uruchomić przeglądarki, aby pokazać %1</translation>
    </message>
    <message>
        <source>No music was included in this jigsaw gift file.</source>
        <translation>Ten plik prezentu z puzzlami nie zawiera muzyki.</translation>
    </message>
    <message>
        <source>Cannot create file %1. %2.</source>
        <translation>Nie można utworzyć pliku %1. %2.</translation>
    </message>
    <message>
        <source>Cannot write file %1. %2.</source>
        <translation>Nie można zapisać pliku %1. %2.</translation>
    </message>
    <message>
        <source>The picture could not be read: %1</source>
        <translation>Nie udało się odczytać obrazu: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Wersja %1</translation>
    </message>
    <message>
        <source>The picture of this jigsaw is too large: at most %1 pixels wide and high can be cut into pieces</source>
        <translation>Obraz tych puzzli jest za duży: na elementy można pociąć tylko obrazy o szerokości i wysokości co najwyżej %1 pikseli</translation>
    </message>
    <message>
        <source>The pieces cannot be cut at %1%: the picture would be larger than %2 pixels wide or high</source>
        <translation>Nie można pociąć obrazu na elementy przy %1%: obraz miałby ponad %2 pikseli szerokości lub wysokości</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Nie można otworzyć pliku „%1”. %2</translation>
    </message>
    <message numerus="yes">
        <source>This program needs HiColor mode (64K colors) or better and so is unable to continue while your desktop is set to %n colors. Would you like to change your settings now?</source>
        <comment>colours of the desktop</comment>
        <translation>
            <numerusform>Ten program wymaga trybu HiColor (64K kolorów) lub lepszego i nie może działać, dopóki pulpit jest ustawiony na %n kolor. Czy zmienić ustawienia teraz?</numerusform>
            <numerusform>Ten program wymaga trybu HiColor (64K kolorów) lub lepszego i nie może działać, dopóki pulpit jest ustawiony na %n kolory. Czy zmienić ustawienia teraz?</numerusform>
            <numerusform>Ten program wymaga trybu HiColor (64K kolorów) lub lepszego i nie może działać, dopóki pulpit jest ustawiony na %n kolorów. Czy zmienić ustawienia teraz?</numerusform>
        </translation>
    </message>
    <message>
        <source>An unexpected error stopped the operation</source>
        <translation>Nieoczekiwany błąd przerwał operację</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>obraz jest za duży</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; is damaged and cannot be resumed.</source>
        <translation>Zapisana gra „%1” jest uszkodzona i nie można jej wznowić.</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; cannot be read: %2.</source>
        <translation>Nie można odczytać zapisanej gry „%1”: %2.</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; cannot be read.</source>
        <translation>Nie można odczytać zapisanej gry „%1”.</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; was made by a newer version of this program and cannot be resumed.</source>
        <translation>Zapisana gra „%1” pochodzi z nowszej wersji tego programu i nie można jej wznowić.</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; belongs to another jigsaw and cannot be resumed.</source>
        <translation>Zapisana gra „%1” należy do innych puzzli i nie można jej wznowić.</translation>
    </message>
    <message>
        <source>the file is not a JPEG picture</source>
        <translation>plik nie jest obrazem JPEG</translation>
    </message>
    <message>
        <source>the picture is cut short</source>
        <translation>obraz jest niekompletny</translation>
    </message>
</context>
<context>
    <name>PortableStart</name>
    <message>
        <source>This gift could not be opened: there is no folder where its player can be unpacked (it needs about 60 MB). Free some disk space in your home folder and open the gift again.</source>
        <translation>Nie udało się otworzyć tego prezentu: nie ma folderu, w którym można rozpakować jego program gry (potrzebuje około 60 MB). Zwolnij trochę miejsca w folderze domowym i otwórz prezent ponownie.</translation>
    </message>
    <message>
        <source>This gift could not be opened: the file is damaged or incomplete. Download it again, or ask the sender to send it once more.</source>
        <translation>Nie udało się otworzyć tego prezentu: plik jest uszkodzony lub niekompletny. Pobierz go ponownie albo poproś nadawcę o ponowne wysłanie.</translation>
    </message>
    <message>
        <source>This gift could not be opened.</source>
        <translation>Nie udało się otworzyć tego prezentu.</translation>
    </message>
    <message>
        <source>Details:</source>
        <translation>Szczegóły:</translation>
    </message>
</context>
<context>
    <name>QtHost</name>
    <message>
        <source>All</source>
        <translation>Wszystkie</translation>
    </message>
</context>
<context>
    <name>SolveDialog</name>
    <message>
        <source>Percentage complete</source>
        <translation>Procent ukończenia</translation>
    </message>
    <message>
        <source>Stop!</source>
        <translation>Stop!</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>wolno</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>szybko</translation>
    </message>
    <message>
        <source>Set speed</source>
        <translation>Ustaw szybkość</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>Sound effects</source>
        <translation>Efekty dźwiękowe</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Muzyka</translation>
    </message>
</context>
<context>
    <name>SplashForm</name>
    <message>
        <source>Connect to our web site now!</source>
        <translation>Odwiedź teraz naszą stronę!</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Zamów</translation>
    </message>
    <message>
        <source>Connect to our Online Store now!</source>
        <translation>Odwiedź teraz nasz sklep internetowy!</translation>
    </message>
    <message>
        <source>Play...</source>
        <translation>Graj…</translation>
    </message>
    <message>
        <source>Play the jigsaw</source>
        <translation>Układaj puzzle</translation>
    </message>
    <message>
        <source>Exit...</source>
        <translation>Zakończ…</translation>
    </message>
    <message>
        <source>Resume game...</source>
        <translation>Wznów grę…</translation>
    </message>
    <message>
        <source>Save game...</source>
        <translation>Zapisz grę…</translation>
    </message>
    <message>
        <source>Free gift edition - share it with your friends!</source>
        <translation>Darmowa edycja prezentowa – podziel się nią ze znajomymi!</translation>
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
        <translation>użycie: quillmere-wrap --picture OBRAZ -o PREZENT [--portable | --player PLAYER] [opcje]
  -o PREZENT              prezent do zapisania; -o NAZWA.zip zapisuje archiwum zip z prezentem
                          NAZWA, które menedżery plików rozpakowują gotowe do uruchomienia
  --portable              skopiuj przenośny program gry: prezent działa też tam, gdzie nie ma Qt
  --player PLAYER         program gry do skopiowania (domyślnie: zainstalowany z quillmere-wrap)
  --picture PLIK          obraz puzzli: JPEG (także CMYK), PNG, HEIC/HEIF, AVIF,
                          WebP, TIFF, BMP, GIF lub dowolny inny plik obrazu, który odczyta
                          Qt tego systemu; wyprostowany zgodnie ze swoją orientacją
                          i zapisany jako JPEG
  --max-size SZERxWYS     większy obraz zostaje zmniejszony do SZERxWYS (domyślnie 1280x800:
                          ekran 1920 x 1080 bez tytułu okna, menu, paska narzędzi, paska tacek
                          i paska stanu zostawia planszę około 1700 x 850, na której mieści
                          się obraz 1280 x 800 wraz z rozrzuconymi elementami)
  --keep-size             zapisz obraz w oryginalnym rozmiarze (co najwyżej 8191 na bok)
  --pieces N              żądana liczba elementów, co najmniej 2 (domyślnie 100)
  --seed N                ziarno losowania kształtów i pierwszego rozłożenia (domyślnie 1)
  --style S               classic, blip, square, star, round, mix lub 1..6
  --oddness N             nieregularność kształtów 0..10 (domyślnie 5)
  --outline S             none, foil, paper, card, wood lub 0..4
  --rotation on|off       elementy można obracać
  --mystery on|off        zacznij w trybie zagadki
  --fun N                 ustawienie zabawnych elementów 0..10
  --board-colour C        kolor planszy: nazwa, np. clTeal, liczba lub $BBGGRR
  --title T  --creator T  --description T
  --opening T  --closing T            wiadomości nadawcy (&quot;\n&quot; łamie wiersz)
  --language CODE         język programu gry, np. de lub pl
                          (domyślnie: język odbiorcy)
  --opening-colour C  --closing-colour C   tła wiadomości (nazwy kolorów w zapisanej postaci)
  --opening-align A  --closing-align A     left, right lub centre
  --opening-font-name F  --opening-font-height H  --opening-font-style BITS  --opening-font-colour C
  --closing-font-name F  --closing-font-height H  --closing-font-style BITS  --closing-font-colour C
  --creator-version V     (domyślnie v6.13)
  --created DNI           dni od 30 grudnia 1899
  --music PLIK  [--music-extension .EXT]   WAV, FLAC, Ogg Vorbis, Opus, MP3; MIDI przez FluidSynth
  --skin PLIK             obraz paska narzędzi, dowolny plik obrazu (zapisany jako JPEG)
  --templates PLIK --template-count N
Teksty są w UTF-8, w dowolnym piśmie. Tytuł, autor, opis i wiadomości mieszczą do 256, 256,
4096, 4096 i 4096 bajtów UTF-8; programy gry starsze niż blok tekstów pokazują ich najbliższą
postać w Windows-1252. Nazwy czcionek i kolorów muszą być w Windows-1252. Teksty, które się
nie mieszczą, są odrzucane z podaniem pola. Wypisuje, w jakim rozmiarze zapisano obraz i dlaczego,
rozmiar prezentu oraz co odbiorca robi, aby go otworzyć.
</translation>
    </message>
    <message>
        <source>%1 needs a whole number from %2 to %3</source>
        <translation>%1 wymaga liczby całkowitej od %2 do %3</translation>
    </message>
    <message>
        <source>%1 takes on or off</source>
        <translation>%1 przyjmuje on lub off</translation>
    </message>
    <message>
        <source>%1: unknown colour &quot;%2&quot;</source>
        <translation>%1: nieznany kolor „%2”</translation>
    </message>
    <message>
        <source>%1 takes WxH, such as 1280x800</source>
        <translation>%1 przyjmuje SZERxWYS, np. 1280x800</translation>
    </message>
    <message>
        <source>Wrote %1 (%2), holding the gift %3 (%4).
The recipient extracts it and double-clicks %3.
</source>
        <translation>Zapisano %1 (%2) z prezentem %3 (%4).
Odbiorca rozpakowuje go i klika dwukrotnie %3.
</translation>
    </message>
    <message>
        <source>Wrote %1 (%2).
The recipient double-clicks it. Sent as it is, it arrives without its execute bit:
send %3.zip (-o NAME.zip) to keep it.
</source>
        <translation>Zapisano %1 (%2).
Odbiorca klika go dwukrotnie. Wysłany bez zmian dotrze bez prawa do wykonywania:
wyślij %3.zip (-o NAME.zip), aby je zachować.
</translation>
    </message>
    <message>
        <source>Where a desktop does not start it, Properties &gt; Allow executing as program
(or chmod +x in a terminal) lets it run.
</source>
        <translation>Jeśli pulpit go nie uruchamia, zaznacz Właściwości &gt; Zezwolenie na uruchamianie pliku jako programu
(albo wpisz chmod +x w terminalu).
</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>nieznana opcja %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 wymaga wartości</translation>
    </message>
    <message>
        <source>Give either --portable or --player, not both</source>
        <translation>Podaj --portable albo --player, nie oba naraz</translation>
    </message>
    <message>
        <source>Picture stored at %1</source>
        <translation>Obraz zapisany w rozmiarze %1</translation>
    </message>
</context>
<context>
    <name>quill::AboutBox</name>
    <message>
        <source>Free gift edition - share it with your friends!
All pictures and sounds made for Quillmere Gift.</source>
        <translation>Darmowa edycja prezentowa – podziel się nią ze znajomymi!
Wszystkie obrazy i dźwięki powstały dla Quillmere Gift.</translation>
    </message>
    <message>
        <source>About Quillmere Gift</source>
        <translation>O programie Quillmere Gift</translation>
    </message>
    <message>
        <source>This is a free gift - not for retail sale or distribution.</source>
        <translation>To darmowy prezent – nie do sprzedaży ani dystrybucji.</translation>
    </message>
</context>
<context>
    <name>quill::AboutJigDialog</name>
    <message>
        <source>Title:</source>
        <translation>Tytuł:</translation>
    </message>
    <message>
        <source>Creator:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <source>Info:</source>
        <translation>Informacje:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Stan:</translation>
    </message>
    <message>
        <source>About this jigsaw</source>
        <translation>O tych puzzlach</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Opis</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiuj</translation>
    </message>
    <message>
        <source>Copy the selected text to the Windows clipboard</source>
        <translation>Skopiuj zaznaczony tekst do schowka</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Edytuj…</translation>
    </message>
    <message>
        <source>Edit the jigsaw description</source>
        <translation>Edytuj opis puzzli</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Zaznacz &amp;wszystko</translation>
    </message>
    <message>
        <source>Select all the description text</source>
        <translation>Zaznacz cały tekst opisu</translation>
    </message>
</context>
<context>
    <name>quill::CongratsDialog</name>
    <message>
        <source>You solved it!</source>
        <translation>Ułożone!</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Gratulacje!</translation>
    </message>
</context>
<context>
    <name>quill::CutPreview</name>
    <message>
        <source>Open a picture to see how it is cut</source>
        <translation>Otwórz obraz, aby zobaczyć, jak zostanie pocięty</translation>
    </message>
</context>
<context>
    <name>quill::GiftMadeDialog</name>
    <message>
        <source>I made you a jigsaw puzzle! To open it:
</source>
        <translation>Mam dla Ciebie puzzle! Jak je otworzyć:
</translation>
    </message>
    <message>
        <source>1. Save %1 and extract it (right-click it, Extract Here).
2. Double-click %2 to start the puzzle.
</source>
        <translation>1. Zapisz %1 i rozpakuj (kliknij prawym przyciskiem, „Rozpakuj tutaj”).
2. Kliknij dwukrotnie %2, aby uruchomić puzzle.
</translation>
    </message>
    <message>
        <source>1. Save %1.
2. Double-click it to start the puzzle.
</source>
        <translation>1. Zapisz %1.
2. Kliknij go dwukrotnie, aby uruchomić puzzle.
</translation>
    </message>
    <message>
        <source>If double-clicking does nothing, right-click %1, choose Properties and tick &quot;Allow executing as program&quot; (or type chmod +x %1 in a terminal), then double-click it again. It runs on Linux.</source>
        <translation>Jeśli dwukrotne kliknięcie nic nie daje, kliknij %1 prawym przyciskiem, wybierz „Właściwości” i zaznacz „Zezwolenie na uruchamianie pliku jako programu” (albo wpisz w terminalu chmod +x %1), a potem znów kliknij dwukrotnie. Działa w Linuksie.</translation>
    </message>
    <message>
        <source>Gift made</source>
        <translation>Prezent gotowy</translation>
    </message>
    <message>
        <source>The gift is saved as &lt;b&gt;%1&lt;/b&gt; (%2) in %3.</source>
        <translation>Prezent zapisano jako &lt;b&gt;%1&lt;/b&gt; (%2) w %3.</translation>
    </message>
    <message>
        <source> The zip archive holds the gift %1 (%2).</source>
        <translation> Archiwum zip zawiera prezent %1 (%2).</translation>
    </message>
    <message>
        <source>Language of the gift: %1</source>
        <translation>Język prezentu: %1</translation>
    </message>
    <message>
        <source>&amp;Send this text with the gift:</source>
        <translation>&amp;Wyślij ten tekst razem z prezentem:</translation>
    </message>
    <message>
        <source>How the recipient opens the gift; you can change it</source>
        <translation>Jak odbiorca otwiera prezent; tekst można zmienić</translation>
    </message>
    <message>
        <source>&amp;Copy text</source>
        <translation>&amp;Kopiuj tekst</translation>
    </message>
    <message>
        <source>Copies the text, to paste it into a mail or a message</source>
        <translation>Kopiuje tekst, aby wkleić go do e-maila lub wiadomości</translation>
    </message>
    <message>
        <source>Show &amp;folder</source>
        <translation>Pokaż &amp;folder</translation>
    </message>
    <message>
        <source>Opens the folder the gift was saved in</source>
        <translation>Otwiera folder, w którym zapisano prezent</translation>
    </message>
</context>
<context>
    <name>quill::Magnifier</name>
    <message>
        <source>This desktop does not let programs read the screen, so the loupe cannot magnify it here.</source>
        <translation>Ten pulpit nie pozwala programom odczytywać ekranu, więc lupa nie może go tu powiększyć.</translation>
    </message>
</context>
<context>
    <name>quill::MakerWindow</name>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.heic *.heif *.avif *.webp *.tif *.tiff *.bmp *.gif);;All files (*)</source>
        <translation>Obrazy (*.jpg *.jpeg *.png *.heic *.heif *.avif *.webp *.tif *.tiff *.bmp *.gif);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Fit for screens up to 1280 × 800</source>
        <translation>Dla ekranów do 1280 × 800</translation>
    </message>
    <message>
        <source>Fit for screens up to 1920 × 1080</source>
        <translation>Dla ekranów do 1920 × 1080</translation>
    </message>
    <message>
        <source>Fit for screens up to 2560 × 1440</source>
        <translation>Dla ekranów do 2560 × 1440</translation>
    </message>
    <message>
        <source>Keep its own size</source>
        <translation>Bez zmiany rozmiaru</translation>
    </message>
    <message>
        <source>the recipient&apos;s own</source>
        <translation>język odbiorcy</translation>
    </message>
    <message>
        <source>Quillmere Gift Maker</source>
        <translation>Quillmere Gift Maker</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Obraz</translation>
    </message>
    <message>
        <source>P&amp;ieces</source>
        <translation>&amp;Elementy</translation>
    </message>
    <message>
        <source>M&amp;essages</source>
        <translation>&amp;Wiadomości</translation>
    </message>
    <message>
        <source>Music and s&amp;kin</source>
        <translation>Muzyka i &amp;skórka</translation>
    </message>
    <message>
        <source>The parts of the gift</source>
        <translation>Części prezentu</translation>
    </message>
    <message>
        <source>The picture with the pieces as the gift will cut them</source>
        <translation>Obraz z elementami, tak jak potnie go prezent</translation>
    </message>
    <message>
        <source>How far writing the gift has come</source>
        <translation>Postęp zapisywania prezentu</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Wybierz…</translation>
    </message>
    <message>
        <source>&amp;Open picture...</source>
        <translation>Otwórz o&amp;braz…</translation>
    </message>
    <message>
        <source>Chooses the picture of the puzzle (Ctrl+O; you can also drop a picture on the window)</source>
        <translation>Wybiera obraz puzzli (Ctrl+O; obraz można też upuścić na okno)</translation>
    </message>
    <message>
        <source>No picture yet</source>
        <translation>Jeszcze nie wybrano obrazu</translation>
    </message>
    <message>
        <source>The picture file</source>
        <translation>Plik obrazu</translation>
    </message>
    <message>
        <source>The picture&apos;s size and the size the gift stores</source>
        <translation>Rozmiar obrazu i rozmiar zapisany w prezencie</translation>
    </message>
    <message>
        <source>The size the gift stores the picture at: a smaller picture makes a smaller gift and fits smaller screens</source>
        <translation>Rozmiar, w jakim prezent zapisuje obraz: mniejszy obraz daje mniejszy prezent i mieści się na mniejszych ekranach</translation>
    </message>
    <message>
        <source>Stored si&amp;ze:</source>
        <translation>&amp;Rozmiar zapisu:</translation>
    </message>
    <message>
        <source>About the gift</source>
        <translation>O prezencie</translation>
    </message>
    <message>
        <source>The puzzle&apos;s title</source>
        <translation>Tytuł puzzli</translation>
    </message>
    <message>
        <source>Your name, as the recipient sees it</source>
        <translation>Twoje imię, tak jak zobaczy je odbiorca</translation>
    </message>
    <message>
        <source>A few words about the picture</source>
        <translation>Kilka słów o obrazie</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Tytuł:</translation>
    </message>
    <message>
        <source>C&amp;reator:</source>
        <translation>&amp;Autor:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>Op&amp;is:</translation>
    </message>
    <message>
        <source>The language of the gift&apos;s menus, buttons and help; the recipient&apos;s own is the one their computer is set to</source>
        <translation>Język menu, przycisków i pomocy prezentu; język odbiorcy to ten, który ustawiono na jego komputerze</translation>
    </message>
    <message>
        <source>&amp;Language of the gift:</source>
        <translation>&amp;Język prezentu:</translation>
    </message>
    <message>
        <source>How many pieces you ask for; the grid comes nearest to it</source>
        <translation>Żądana liczba elementów; siatka dobierze najbliższą możliwą</translation>
    </message>
    <message>
        <source>The grid the picture is cut into</source>
        <translation>Siatka, na którą tnie się obraz</translation>
    </message>
    <message>
        <source>Piece &amp;count:</source>
        <translation>&amp;Liczba elementów:</translation>
    </message>
    <message>
        <source>The shape of the pieces</source>
        <translation>Kształt elementów</translation>
    </message>
    <message>
        <source>&amp;Style:</source>
        <translation>S&amp;tyl:</translation>
    </message>
    <message>
        <source>How irregular the pieces are, 0 to 10</source>
        <translation>Jak nieregularne są elementy, od 0 do 10</translation>
    </message>
    <message>
        <source>&amp;Oddness:</source>
        <translation>N&amp;ieregularność:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>The share of fun pieces cut from the templates, in steps of 10 %</source>
        <translation>Udział zabawnych elementów wycinanych według szablonów, co 10 %</translation>
    </message>
    <message>
        <source>A file of piece templates for the fun pieces</source>
        <translation>Plik z szablonami zabawnych elementów</translation>
    </message>
    <message>
        <source>Choose a template file</source>
        <translation>Wybierz plik szablonów</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>How many templates the file holds</source>
        <translation>Ile szablonów zawiera plik</translation>
    </message>
    <message>
        <source>&amp;Templates:</source>
        <translation>Sz&amp;ablony:</translation>
    </message>
    <message>
        <source>&amp;Rotation</source>
        <translation>Ob&amp;racanie</translation>
    </message>
    <message>
        <source>Pieces start turned and must be turned upright</source>
        <translation>Elementy są na początku obrócone i trzeba je obrócić prosto</translation>
    </message>
    <message>
        <source>How the pieces&apos; edges are drawn</source>
        <translation>Jak rysowane są krawędzie elementów</translation>
    </message>
    <message>
        <source>O&amp;utlines:</source>
        <translation>O&amp;brysy:</translation>
    </message>
    <message>
        <source>Mystery mo&amp;de</source>
        <translation>Tryb za&amp;gadki</translation>
    </message>
    <message>
        <source>The picture is not shown while solving</source>
        <translation>Obraz nie jest pokazywany podczas układania</translation>
    </message>
    <message>
        <source>&amp;Board colour...</source>
        <translation>&amp;Kolor planszy…</translation>
    </message>
    <message>
        <source>The colour of the board the pieces lie on</source>
        <translation>Kolor planszy, na której leżą elementy</translation>
    </message>
    <message>
        <source>Cuts the picture with other shapes of the same style</source>
        <translation>Tnie obraz na inne kształty w tym samym stylu</translation>
    </message>
    <message>
        <source>The message&apos;s text</source>
        <translation>Tekst wiadomości</translation>
    </message>
    <message>
        <source>The message&apos;s font</source>
        <translation>Czcionka wiadomości</translation>
    </message>
    <message>
        <source> pt</source>
        <translation> pt</translation>
    </message>
    <message>
        <source>The font&apos;s size</source>
        <translation>Rozmiar czcionki</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Pogrubienie</translation>
    </message>
    <message>
        <source>Bold letters</source>
        <translation>Pogrubione litery</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Kursywa</translation>
    </message>
    <message>
        <source>Slanted letters</source>
        <translation>Pochylone litery</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Podkreślenie</translation>
    </message>
    <message>
        <source>Underlined letters</source>
        <translation>Podkreślone litery</translation>
    </message>
    <message>
        <source>Text colour...</source>
        <translation>Kolor tekstu…</translation>
    </message>
    <message>
        <source>The colour of the letters</source>
        <translation>Kolor liter</translation>
    </message>
    <message>
        <source>Background...</source>
        <translation>Tło…</translation>
    </message>
    <message>
        <source>The colour behind the message</source>
        <translation>Kolor za wiadomością</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Do lewej</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Do prawej</translation>
    </message>
    <message>
        <source>Centred</source>
        <translation>Do środka</translation>
    </message>
    <message>
        <source>How the lines are aligned</source>
        <translation>Jak wyrównane są wiersze</translation>
    </message>
    <message>
        <source>Music played while solving</source>
        <translation>Muzyka grana podczas układania</translation>
    </message>
    <message>
        <source>Choose music</source>
        <translation>Wybierz muzykę</translation>
    </message>
    <message>
        <source>Music (*.mp3 *.ogg *.opus *.wav *.flac *.mid *.midi);;All files (*)</source>
        <translation>Muzyka (*.mp3 *.ogg *.opus *.wav *.flac *.mid *.midi);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Plays or stops the music</source>
        <translation>Odtwarza lub zatrzymuje muzykę</translation>
    </message>
    <message>
        <source>A picture for the tool bar and panels</source>
        <translation>Obraz dla paska narzędzi i paneli</translation>
    </message>
    <message>
        <source>Choose a skin</source>
        <translation>Wybierz skórkę</translation>
    </message>
    <message>
        <source>The skin on a panel</source>
        <translation>Skórka na panelu</translation>
    </message>
    <message>
        <source>Include e&amp;verything it needs to run (larger file)</source>
        <translation>&amp;Dołącz wszystko, czego potrzebuje do działania (większy plik)</translation>
    </message>
    <message>
        <source>The gift brings the libraries it needs, so it runs on any Linux computer; most recipients need this</source>
        <translation>Prezent zawiera potrzebne biblioteki, więc działa na każdym komputerze z Linuksem; większość odbiorców tego potrzebuje</translation>
    </message>
    <message>
        <source>How large the gift will be</source>
        <translation>Jak duży będzie prezent</translation>
    </message>
    <message>
        <source>Tr&amp;y it</source>
        <translation>W&amp;ypróbuj</translation>
    </message>
    <message>
        <source>Starts the gift as the recipient will see it</source>
        <translation>Uruchamia prezent tak, jak zobaczy go odbiorca</translation>
    </message>
    <message>
        <source>&amp;Make gift...</source>
        <translation>&amp;Utwórz prezent…</translation>
    </message>
    <message>
        <source>Saves the gift (Ctrl+S)</source>
        <translation>Zapisuje prezent (Ctrl+S)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Recent pictures</source>
        <translation>&amp;Ostatnie obrazy</translation>
    </message>
    <message>
        <source>(none yet)</source>
        <translation>(jeszcze brak)</translation>
    </message>
    <message>
        <source>&amp;Text to send with the gift...</source>
        <translation>Tekst &amp;do wysłania z prezentem…</translation>
    </message>
    <message>
        <source>Text to send</source>
        <translation>Tekst do wysłania</translation>
    </message>
    <message>
        <source>Make a gift first.</source>
        <translation>Najpierw utwórz prezent.</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>&amp;How to make a gift</source>
        <translation>&amp;Jak utworzyć prezent</translation>
    </message>
    <message>
        <source>How to make a gift</source>
        <translation>Jak utworzyć prezent</translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 = %n pieces</source>
        <translation>
            <numerusform>%1 × %2 = %n element</numerusform>
            <numerusform>%1 × %2 = %n elementy</numerusform>
            <numerusform>%1 × %2 = %n elementów</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 × %2 pixels; the gift stores %3</source>
        <translation>%1 × %2 pikseli; prezent zapisuje %3</translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Otwórz obraz</translation>
    </message>
    <message>
        <source>Choose a picture to see how large the gift will be.</source>
        <translation>Wybierz obraz, aby zobaczyć, jak duży będzie prezent.</translation>
    </message>
    <message>
        <source>The gift: about %1 (it runs where Qt 6 is installed).</source>
        <translation>Prezent: około %1 (działa tam, gdzie zainstalowano Qt 6).</translation>
    </message>
    <message>
        <source>The gift: about %1 with everything it needs to run on any Linux computer; %2 without.</source>
        <translation>Prezent: około %1 ze wszystkim, czego potrzebuje do działania na każdym komputerze z Linuksem; %2 bez tego.</translation>
    </message>
    <message>
        <source>The gift: about %1; %2 with everything it needs to run on any Linux computer.</source>
        <translation>Prezent: około %1; %2 ze wszystkim, czego potrzebuje do działania na każdym komputerze z Linuksem.</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>&amp;Zatrzymaj</translation>
    </message>
    <message>
        <source>Choose a picture first</source>
        <translation>Najpierw wybierz obraz</translation>
    </message>
    <message>
        <source>No player to copy was found beside the gift maker</source>
        <translation>Obok kreatora prezentów nie znaleziono programu gry do skopiowania</translation>
    </message>
    <message>
        <source>Save gift</source>
        <translation>Zapisz prezent</translation>
    </message>
    <message>
        <source>Zip archive, ready to send (*.zip)</source>
        <translation>Archiwum zip, gotowe do wysłania (*.zip)</translation>
    </message>
    <message>
        <source>The gift program alone (*)</source>
        <translation>Sam program prezentu (*)</translation>
    </message>
    <message>
        <source>The gift is saved as %1 (%2)</source>
        <translation>Prezent zapisano jako %1 (%2)</translation>
    </message>
    <message>
        <source>Opening message</source>
        <translation>Wiadomość powitalna</translation>
    </message>
    <message>
        <source>Shown when the gift starts.</source>
        <translation>Pokazywana przy starcie prezentu.</translation>
    </message>
    <message>
        <source>Closing message</source>
        <translation>Wiadomość pożegnalna</translation>
    </message>
    <message>
        <source>Your farewell, shown every time the gift is closed.</source>
        <translation>Twoje pożegnanie, pokazywane przy każdym zamknięciu prezentu.</translation>
    </message>
    <message>
        <source>Fu&amp;n pieces:</source>
        <translation>&amp;Zabawne elementy:</translation>
    </message>
    <message>
        <source>Ne&amp;w shapes</source>
        <translation>&amp;Nowe kształty</translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation>Od&amp;twórz</translation>
    </message>
    <message>
        <source>M&amp;usic:</source>
        <translation>&amp;Muzyka:</translation>
    </message>
    <message>
        <source>Ski&amp;n:</source>
        <translation>S&amp;kórka:</translation>
    </message>
    <message>
        <source>&lt;ol&gt;&lt;li&gt;&lt;b&gt;Picture&lt;/b&gt;: open a photo (File, Open picture, or drop it on the window). JPEG, PNG, HEIC, AVIF, WebP and TIFF pictures are turned upright and stored at the size chosen; a title, your name, a few words and the language of the gift (the recipient&apos;s own unless you choose one) go with it.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Pieces&lt;/b&gt;: how many, their shape and style; the preview shows the cut.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Messages&lt;/b&gt;: the opening message greets the recipient when the gift starts; the closing message is your farewell, shown every time the gift is closed.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Music and skin&lt;/b&gt;: optional music while solving and a picture for the tool bar.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Try it&lt;/b&gt; starts the gift as the recipient will see it.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Make gift&lt;/b&gt; saves it, best as a .zip archive: sent as a bare file, a gift loses the right to run on its way. The window then gives a short text to send with it that tells the recipient how to open it: extract the .zip, double-click the gift, and where that does nothing, Properties, Allow executing as program.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;Include everything it needs to run, unless you know the recipient has Qt 6 installed.&lt;/p&gt;</source>
        <translation>&lt;ol&gt;&lt;li&gt;&lt;b&gt;Obraz&lt;/b&gt;: otwórz zdjęcie (Plik, Otwórz obraz albo upuść je na okno). Obrazy JPEG, PNG, HEIC, AVIF, WebP i TIFF są obracane prosto i zapisywane w wybranym rozmiarze; dołącza się do nich tytuł, twoje imię, kilka słów i język prezentu (język odbiorcy, jeśli żadnego nie wybierzesz).&lt;/li&gt;&lt;li&gt;&lt;b&gt;Elementy&lt;/b&gt;: ile ich jest, ich kształt i styl; podgląd pokazuje cięcie.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Wiadomości&lt;/b&gt;: wiadomość powitalna wita odbiorcę przy starcie prezentu; wiadomość pożegnalna to twoje pożegnanie, pokazywane przy każdym zamknięciu prezentu.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Muzyka i skórka&lt;/b&gt;: opcjonalna muzyka podczas układania i obraz dla paska narzędzi.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Wypróbuj&lt;/b&gt; uruchamia prezent tak, jak zobaczy go odbiorca.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Utwórz prezent&lt;/b&gt; zapisuje go, najlepiej jako archiwum .zip: wysłany jako goły plik prezent traci po drodze prawo do uruchamiania. Okno poda potem krótki tekst do wysłania razem z nim, który mówi odbiorcy, jak go otworzyć: rozpakować .zip, kliknąć dwukrotnie prezent, a jeśli nic się nie dzieje, Właściwości, Zezwolenie na uruchamianie pliku jako programu.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;Dołącz wszystko, czego potrzebuje do działania, chyba że wiesz, że odbiorca ma zainstalowane Qt 6.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>quill::MessagePreview</name>
    <message>
        <source>The message as the gift&apos;s splash screen shows it</source>
        <translation>Wiadomość tak, jak pokaże ją ekran startowy prezentu</translation>
    </message>
</context>
<context>
    <name>quill::PieceSizeDialog</name>
    <message>
        <source>Classic|The traditional jigsaw piece style</source>
        <translation>Klasyczne|Tradycyjny kształt elementów puzzli</translation>
    </message>
    <message>
        <source>Blip|Straight edges and round tabs</source>
        <translation>Guziki|Proste krawędzie i okrągłe wypustki</translation>
    </message>
    <message>
        <source>Squares|Straight edges and no tabs</source>
        <translation>Kwadraty|Proste krawędzie bez wypustek</translation>
    </message>
    <message>
        <source>Stars|Straight edges and pointed tabs</source>
        <translation>Gwiazdy|Proste krawędzie i spiczaste wypustki</translation>
    </message>
    <message>
        <source>Bubbles|Curved edges and no tabs</source>
        <translation>Bąbelki|Zaokrąglone krawędzie bez wypustek</translation>
    </message>
    <message>
        <source>Mixture|A random mixture of all the different styles</source>
        <translation>Mieszanka|Losowa mieszanka wszystkich kształtów</translation>
    </message>
    <message>
        <source>Set Piece Size and Shape</source>
        <translation>Rozmiar i kształt elementów</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Rozmiar:</translation>
    </message>
    <message>
        <source>|Set the size of pieces</source>
        <translation>|Ustaw rozmiar elementów</translation>
    </message>
    <message>
        <source>Oddness:</source>
        <translation>Nieregularność:</translation>
    </message>
    <message>
        <source>|Set the amount of shape irregularity</source>
        <translation>|Ustaw, jak nieregularne są kształty</translation>
    </message>
    <message>
        <source>Fun pieces:</source>
        <translation>Zabawne elementy:</translation>
    </message>
    <message>
        <source>|Set the percentage of custom pieces in jigsaw</source>
        <translation>|Ustaw odsetek zabawnych elementów w puzzlach</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Apply changes</source>
        <translation>Zastosuj zmiany</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>|Press OK to apply the new size</source>
        <translation>|Kliknij OK, aby zastosować nowy rozmiar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Help on this screen</source>
        <translation>Pomoc do tego okna</translation>
    </message>
</context>
<context>
    <name>quill::QuickHelpDialog</name>
    <message>
        <source>Left mouse</source>
        <translation>Lewy przycisk myszy</translation>
    </message>
    <message>
        <source>Move piece</source>
        <translation>Przesuń element</translation>
    </message>
    <message>
        <source>Right mouse</source>
        <translation>Prawy przycisk myszy</translation>
    </message>
    <message>
        <source>Piece popup menu</source>
        <translation>Menu elementu</translation>
    </message>
    <message>
        <source>Shift+left mouse</source>
        <translation>Shift+lewy przycisk myszy</translation>
    </message>
    <message>
        <source>Fetch neighbor</source>
        <translation>Przynieś sąsiada</translation>
    </message>
    <message>
        <source>Shift+right mouse</source>
        <translation>Shift+prawy przycisk myszy</translation>
    </message>
    <message>
        <source>Show neighbor</source>
        <translation>Pokaż sąsiada</translation>
    </message>
    <message>
        <source>Ctrl+left mouse</source>
        <translation>Ctrl+lewy przycisk myszy</translation>
    </message>
    <message>
        <source>Rotate piece left</source>
        <translation>Obróć element w lewo</translation>
    </message>
    <message>
        <source>Ctrl+right mouse</source>
        <translation>Ctrl+prawy przycisk myszy</translation>
    </message>
    <message>
        <source>Rotate piece right</source>
        <translation>Obróć element w prawo</translation>
    </message>
    <message>
        <source>Ctrl+Shift+left mouse</source>
        <translation>Ctrl+Shift+lewy przycisk myszy</translation>
    </message>
    <message>
        <source>Solve this piece</source>
        <translation>Ułóż ten element</translation>
    </message>
    <message>
        <source>Ctrl+Shift+right mouse</source>
        <translation>Ctrl+Shift+prawy przycisk myszy</translation>
    </message>
    <message>
        <source>Show piece solution</source>
        <translation>Pokaż miejsce elementu</translation>
    </message>
    <message>
        <source>Scroll wheel click</source>
        <translation>Kliknięcie kółkiem myszy</translation>
    </message>
    <message>
        <source>Hold piece</source>
        <translation>Przytrzymaj element</translation>
    </message>
    <message>
        <source>Scroll wheel rotate</source>
        <translation>Obrót kółka myszy</translation>
    </message>
    <message>
        <source>Rotate piece</source>
        <translation>Obróć element</translation>
    </message>
    <message>
        <source>Drag band to select pieces</source>
        <translation>Przeciągnij ramkę, aby zaznaczyć elementy</translation>
    </message>
    <message>
        <source>Board popup menu</source>
        <translation>Menu planszy</translation>
    </message>
    <message>
        <source>Left mouse (hold 3 seconds)</source>
        <translation>Lewy przycisk myszy (przytrzymaj 3 sekundy)</translation>
    </message>
    <message>
        <source>Move ghost around</source>
        <translation>Przesuń widmo</translation>
    </message>
    <message>
        <source>Fetch piece to ghost</source>
        <translation>Przynieś element na widmo</translation>
    </message>
    <message>
        <source>Find piece to fit ghost</source>
        <translation>Znajdź element pasujący do widma</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Zoom picture</source>
        <translation>Powiększenie obrazu</translation>
    </message>
    <message>
        <source>Picture window</source>
        <translation>Okno obrazu</translation>
    </message>
    <message>
        <source>Loupe window</source>
        <translation>Okno lupy</translation>
    </message>
    <message>
        <source>Ghost background</source>
        <translation>Obraz-widmo w tle</translation>
    </message>
    <message>
        <source>Advanced options</source>
        <translation>Opcje zaawansowane</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Zapisz grę</translation>
    </message>
    <message>
        <source>Hint!</source>
        <translation>Podpowiedź!</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Mouse click over a piece:</source>
        <translation>Kliknięcie na elemencie:</translation>
    </message>
    <message>
        <source>Mouse click over background:</source>
        <translation>Kliknięcie na tle:</translation>
    </message>
    <message>
        <source>Mouse click over ghost:</source>
        <translation>Kliknięcie na widmie:</translation>
    </message>
    <message>
        <source>Keyboard:</source>
        <translation>Klawiatura:</translation>
    </message>
    <message>
        <source>Quick help - shortcuts</source>
        <translation>Szybka pomoc – skróty</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>Więcej…</translation>
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
        <translation>Obraz</translation>
    </message>
</context>
<context>
    <name>quill::TrayDialog</name>
    <message>
        <source>Tray Description</source>
        <translation>Opis tacki</translation>
    </message>
    <message>
        <source>Enter a name or short description for tray:</source>
        <translation>Wpisz nazwę lub krótki opis tacki:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
</context>
</TS>
