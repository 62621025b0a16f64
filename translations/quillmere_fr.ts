<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>GiftMaking</name>
    <message>
        <source>The gift would be larger than 2 GB</source>
        <translation>Le cadeau dépasserait 2 Go</translation>
    </message>
    <message>
        <source>A gift needs a picture</source>
        <translation>Un cadeau a besoin d&apos;une image</translation>
    </message>
    <message>
        <source>The picture is not a JPEG file</source>
        <translation>L&apos;image n&apos;est pas un fichier JPEG</translation>
    </message>
    <message>
        <source>The skin picture is not a JPEG file</source>
        <translation>L&apos;image d&apos;habillage n&apos;est pas un fichier JPEG</translation>
    </message>
    <message>
        <source>A text of the gift holds &quot;%1&quot;, which marks the gift&apos;s header</source>
        <translation>Un texte du cadeau contient «&#xa0;%1&#xa0;», qui marque l&apos;en-tête du cadeau</translation>
    </message>
    <message>
        <source>A jigsaw needs at least %1 pieces</source>
        <translation>Un puzzle a besoin d&apos;au moins %1 pièces</translation>
    </message>
    <message>
        <source>The picture of %1x%2 pixels cut into %3 pieces gives a single piece, and a jigsaw needs at least %4: use a larger picture or ask for more pieces</source>
        <translation>L&apos;image de %1x%2 pixels découpée en %3 pièces ne donne qu&apos;une seule pièce, alors qu&apos;un puzzle en demande au moins %4&#xa0;: prenez une image plus grande ou demandez plus de pièces</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;</source>
        <translation>Impossible d&apos;ouvrir le fichier «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>File %1 could not be written</source>
        <translation>Le fichier %1 n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>is needed</source>
        <translation>est obligatoire</translation>
    </message>
    <message>
        <source>%1 (bytes that are not UTF-8)</source>
        <translation>%1 (octets qui ne sont pas de l&apos;UTF-8)</translation>
    </message>
    <message>
        <source>has characters a gift cannot hold (its texts are Windows-1252): %1</source>
        <translation>contient des caractères qu&apos;un cadeau ne peut pas contenir (ses textes sont en Windows-1252)&#xa0;: %1</translation>
    </message>
    <message>
        <source>is %1 characters long, %2 more than the %3 a gift holds</source>
        <translation>fait %1 caractères, %2 de plus que les %3 que peut contenir un cadeau</translation>
    </message>
    <message>
        <source>has bytes that are not UTF-8 text</source>
        <translation>contient des octets qui ne sont pas du texte UTF-8</translation>
    </message>
    <message>
        <source>may not hold &quot;%1&quot;: it marks where the gift&apos;s settings start</source>
        <translation>ne doit pas contenir «&#xa0;%1&#xa0;»&#xa0;: cette suite de caractères marque le début des réglages du cadeau</translation>
    </message>
    <message>
        <source>is too long: %1 bytes of UTF-8, %2 more than the %3 a gift holds (a letter takes one byte in English, two in Polish or Russian, three in Japanese, four for an emoji)</source>
        <translation>est trop long&#xa0;: %1 octets d&apos;UTF-8, %2 de plus que les %3 que peut contenir un cadeau (une lettre prend un octet en anglais, deux en polonais ou en russe, trois en japonais, quatre pour un émoji)</translation>
    </message>
    <message>
        <source>is %1; it must be from %2 to %3</source>
        <translation>vaut %1&#xa0;; la valeur doit être comprise entre %2 et %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a colour name such as clCream nor a number</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est ni un nom de couleur comme clCream, ni un nombre</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read</source>
        <translation>impossible de lire «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>le dossier «&#xa0;%1&#xa0;» n&apos;existe pas</translation>
    </message>
    <message>
        <source>would overwrite &quot;%1&quot;, which the gift is made from</source>
        <translation>écraserait «&#xa0;%1&#xa0;», à partir duquel le cadeau est créé</translation>
    </message>
    <message>
        <source>a template block needs its number of templates, and a number needs the block</source>
        <translation>un bloc de modèles a besoin de son nombre de modèles, et un nombre a besoin du bloc</translation>
    </message>
    <message>
        <source>the music&apos;s extension &quot;%1&quot; must be a dot and one to three letters or digits, such as .ogg</source>
        <translation>l&apos;extension de la musique «&#xa0;%1&#xa0;» doit être un point suivi d&apos;une à trois lettres ou chiffres, comme .ogg</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language code such as de, pl or pt-BR</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un code de langue comme de, pl ou pt-BR</translation>
    </message>
    <message>
        <source>Reading the skin</source>
        <translation>Lecture de l&apos;habillage</translation>
    </message>
    <message>
        <source>Reading the music and templates</source>
        <translation>Lecture de la musique et des modèles</translation>
    </message>
    <message>
        <source>Writing the gift</source>
        <translation>Écriture du cadeau</translation>
    </message>
    <message>
        <source>Packing the gift in a zip archive</source>
        <translation>Compression du cadeau en archive zip</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>The zip archive could not be made (zlib did not start)</source>
        <translation>L&apos;archive zip n&apos;a pas pu être créée (zlib n&apos;a pas démarré)</translation>
    </message>
    <message>
        <source>The gift is too large for a zip archive (4 GB and more)</source>
        <translation>Le cadeau est trop gros pour une archive zip (4 Go ou plus)</translation>
    </message>
    <message>
        <source>The HEIF picture could not be read (%1: %2): save it as JPEG or PNG first</source>
        <translation>L&apos;image HEIF n&apos;a pas pu être lue (%1&#xa0;: %2)&#xa0;: enregistrez-la d&apos;abord en JPEG ou en PNG</translation>
    </message>
    <message>
        <source>The HEIF picture has no pixels: save it as JPEG or PNG first</source>
        <translation>L&apos;image HEIF n&apos;a aucun pixel&#xa0;: enregistrez-la d&apos;abord en JPEG ou en PNG</translation>
    </message>
    <message>
        <source>No portable player found at %1; give the player to copy with --player PLAYER</source>
        <translation>Aucun programme de jeu portable trouvé à l&apos;emplacement %1&#xa0;; indiquez le programme de jeu à copier avec --player PLAYER</translation>
    </message>
    <message>
        <source>No player found at %1; give the player to copy with --player PLAYER</source>
        <translation>Aucun programme de jeu trouvé à l&apos;emplacement %1&#xa0;; indiquez le programme de jeu à copier avec --player PLAYER</translation>
    </message>
    <message>
        <source>Install FluidSynth and a General MIDI sound font (the Debian packages fluidsynth and fluid-soundfont-gm), or save the music as Ogg Vorbis, MP3, FLAC or WAV.</source>
        <translation>Installez FluidSynth et une banque de sons General MIDI (les paquets Debian fluidsynth et fluid-soundfont-gm), ou enregistrez la musique en Ogg Vorbis, MP3, FLAC ou WAV.</translation>
    </message>
    <message>
        <source>The music file cannot be read.</source>
        <translation>Le fichier de musique ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The MIDI music gave no sound.</source>
        <translation>La musique MIDI n&apos;a produit aucun son.</translation>
    </message>
    <message>
        <source>The MIDI music cannot be stored as Ogg Vorbis.</source>
        <translation>La musique MIDI ne peut pas être enregistrée en Ogg Vorbis.</translation>
    </message>
    <message>
        <source>MIDI music needs FluidSynth and a General MIDI sound font to be turned into sound every computer can play.</source>
        <translation>La musique MIDI a besoin de FluidSynth et d&apos;une banque de sons General MIDI pour être convertie en un son que tout ordinateur peut lire.</translation>
    </message>
    <message>
        <source>There is no room for the MIDI music&apos;s sound.</source>
        <translation>Il n&apos;y a pas de place pour le son de la musique MIDI.</translation>
    </message>
    <message>
        <source>FluidSynth could not play the MIDI music.</source>
        <translation>FluidSynth n&apos;a pas pu jouer la musique MIDI.</translation>
    </message>
    <message>
        <source>FluidSynth could not play the MIDI music: %1</source>
        <translation>FluidSynth n&apos;a pas pu jouer la musique MIDI&#xa0;: %1</translation>
    </message>
    <message>
        <source>Picture ready</source>
        <translation>Image prête</translation>
    </message>
    <message>
        <source>The picture is %1 pixels: more than the %2 million pixels the gift maker reads</source>
        <translation>L&apos;image fait %1 pixels&#xa0;: plus que les %2 millions de pixels que lit le créateur de cadeaux</translation>
    </message>
    <message>
        <source>This is not a picture the gift maker can read (it reads %1): save it as JPEG or PNG first</source>
        <translation>Le créateur de cadeaux ne sait pas lire cette image (il lit %1)&#xa0;: enregistrez-la d&apos;abord en JPEG ou en PNG</translation>
    </message>
    <message>
        <source>The picture could not be read (%1): save it as JPEG or PNG first</source>
        <translation>L&apos;image n&apos;a pas pu être lue (%1)&#xa0;: enregistrez-la d&apos;abord en JPEG ou en PNG</translation>
    </message>
    <message>
        <source>The picture would be stored at %1 pixels; the player cuts pictures of at most %2 pixels a side, so let it be fitted to a smaller size</source>
        <translation>L&apos;image serait enregistrée en %1 pixels&#xa0;; le programme de jeu découpe des images d&apos;au plus %2 pixels de côté, acceptez donc qu&apos;elle soit ajustée à une taille plus petite</translation>
    </message>
    <message>
        <source>The picture file is empty</source>
        <translation>Le fichier image est vide</translation>
    </message>
    <message>
        <source>Reading the picture</source>
        <translation>Lecture de l&apos;image</translation>
    </message>
    <message>
        <source>Turning the picture upright</source>
        <translation>Redressement de l&apos;image</translation>
    </message>
    <message>
        <source>Scaling the picture</source>
        <translation>Mise à l&apos;échelle de l&apos;image</translation>
    </message>
    <message>
        <source>Storing the picture as JPEG</source>
        <translation>Enregistrement de l&apos;image en JPEG</translation>
    </message>
    <message>
        <source>converted from CMYK</source>
        <translation>convertie depuis CMJN</translation>
    </message>
    <message>
        <source>converted from %1</source>
        <translation>convertie depuis %1</translation>
    </message>
    <message>
        <source>turned upright from %1 (EXIF orientation %2)</source>
        <translation>redressée depuis %1 (orientation EXIF %2)</translation>
    </message>
    <message>
        <source>scaled from %1 to %2 to fit %3</source>
        <translation>réduite de %1 à %2 pour tenir dans %3</translation>
    </message>
    <message>
        <source>kept at its own size as asked</source>
        <translation>gardée à sa taille d&apos;origine, comme demandé</translation>
    </message>
    <message>
        <source>kept at its own size, within %1</source>
        <translation>gardée à sa taille d&apos;origine, dans la limite de %1</translation>
    </message>
    <message>
        <source>the file stored as it is</source>
        <translation>le fichier enregistré tel quel</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1&#xa0;ko</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1&#xa0;Mo</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>Open|Open or create a jigsaw</source>
        <translation>Ouvrir|Ouvrir ou créer un puzzle</translation>
    </message>
    <message>
        <source>Save|Save the jigsaw in progress</source>
        <translation>Enregistrer|Enregistrer le puzzle en cours</translation>
    </message>
    <message>
        <source>Picture|Toggle the picture overlay (F3)</source>
        <translation>Image|Afficher ou masquer la fenêtre de l&apos;image (F3)</translation>
    </message>
    <message>
        <source>Loupe|Toggle the magnifying glass (F4)</source>
        <translation>Loupe|Afficher ou masquer la loupe (F4)</translation>
    </message>
    <message>
        <source>Ghost Picture|Toggle the ghost picture backdrop</source>
        <translation>Image fantôme|Afficher ou masquer l&apos;image fantôme en arrière-plan</translation>
    </message>
    <message>
        <source>Zoom|Display the jigsaw image full-screen (F2)</source>
        <translation>Zoom|Afficher l&apos;image du puzzle en plein écran (F2)</translation>
    </message>
    <message>
        <source>Board color|Choose a new background board color</source>
        <translation>Couleur du plateau|Choisir une nouvelle couleur pour le plateau</translation>
    </message>
    <message>
        <source>Piece size and shape|Change the size and shape of pieces</source>
        <translation>Taille et forme des pièces|Changer la taille et la forme des pièces</translation>
    </message>
    <message>
        <source>Arrange at edge|Arrange pieces around edge</source>
        <translation>Ranger en bordure|Ranger les pièces le long du bord</translation>
    </message>
    <message>
        <source>Arrange in grid|Arrange pieces in a grid</source>
        <translation>Ranger en grille|Ranger les pièces en grille</translation>
    </message>
    <message>
        <source>New tray|Create a new tray for storing pieces</source>
        <translation>Nouveau bac|Créer un nouveau bac pour ranger des pièces</translation>
    </message>
    <message>
        <source>Sound|Turn sound effects on/off</source>
        <translation>Son|Activer ou couper les effets sonores</translation>
    </message>
    <message>
        <source>Music|Turn background music on/off</source>
        <translation>Musique|Activer ou couper la musique de fond</translation>
    </message>
    <message>
        <source>Hint|Flash the next two pieces to solve</source>
        <translation>Indice|Faire clignoter les deux prochaines pièces à placer</translation>
    </message>
    <message>
        <source>Quick Help|Display mouse and keyboard controls</source>
        <translation>Aide rapide|Afficher les commandes de la souris et du clavier</translation>
    </message>
    <message>
        <source>Brighten ghost|Increase the ghost picture brightness</source>
        <translation>Fantôme plus clair|Augmenter la luminosité de l&apos;image fantôme</translation>
    </message>
    <message>
        <source>Fade ghost|Decrease the ghost picture brightness</source>
        <translation>Fantôme plus pâle|Diminuer la luminosité de l&apos;image fantôme</translation>
    </message>
    <message>
        <source>|Time in hours and minutes since jigsaw started</source>
        <translation>|Temps en heures et minutes depuis le début du puzzle</translation>
    </message>
    <message>
        <source>|Number of pieces solved out of total</source>
        <translation>|Nombre de pièces placées sur le total</translation>
    </message>
    <message>
        <source>Scroll left|Show the trays further left</source>
        <translation>Défiler à gauche|Afficher les bacs plus à gauche</translation>
    </message>
    <message>
        <source>Scroll right|Show the trays further right</source>
        <translation>Défiler à droite|Afficher les bacs plus à droite</translation>
    </message>
    <message>
        <source>Scroll up|Show the trays further up</source>
        <translation>Défiler vers le haut|Afficher les bacs plus haut</translation>
    </message>
    <message>
        <source>Scroll down|Show the trays further down</source>
        <translation>Défiler vers le bas|Afficher les bacs plus bas</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Create...</source>
        <translation>&amp;Créer…</translation>
    </message>
    <message>
        <source>|Create a new jigsaw</source>
        <translation>|Créer un nouveau puzzle</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>|Open or create a jigsaw</source>
        <translation>|Ouvrir ou créer un puzzle</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>|Save the jigsaw in progress</source>
        <translation>|Enregistrer le puzzle en cours</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>|Save the jigsaw under a new name</source>
        <translation>|Enregistrer le puzzle sous un nouveau nom</translation>
    </message>
    <message>
        <source>Save as &amp;Gift...</source>
        <translation>Enregistrer comme ca&amp;deau…</translation>
    </message>
    <message>
        <source>|Save the jigsaw as a gift</source>
        <translation>|Enregistrer le puzzle comme cadeau</translation>
    </message>
    <message>
        <source>Save as Screen Sa&amp;ver...</source>
        <translation>Enregistrer comme économiseur d&apos;&amp;écran…</translation>
    </message>
    <message>
        <source>|Save the jigsaw as a screensaver</source>
        <translation>|Enregistrer le puzzle comme économiseur d&apos;écran</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>Su&amp;pprimer…</translation>
    </message>
    <message>
        <source>|Delete a jigsaw</source>
        <translation>|Supprimer un puzzle</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>|Print the picture</source>
        <translation>|Imprimer l&apos;image</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Configurer l&apos;imp&amp;rimante…</translation>
    </message>
    <message>
        <source>|Set up the printer</source>
        <translation>|Configurer l&apos;imprimante</translation>
    </message>
    <message>
        <source>Re&amp;start...</source>
        <translation>Reco&amp;mmencer…</translation>
    </message>
    <message>
        <source>|Restart the jigsaw from scratch</source>
        <translation>|Recommencer le puzzle depuis le début</translation>
    </message>
    <message>
        <source>|Open this recent jigsaw</source>
        <translation>|Ouvrir ce puzzle récent</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>|Close the jigsaw</source>
        <translation>|Fermer le puzzle</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Tool bar</source>
        <translation>Barre d&apos;&amp;outils</translation>
    </message>
    <message>
        <source>|Show or hide the tool bar</source>
        <translation>|Afficher ou masquer la barre d&apos;outils</translation>
    </message>
    <message>
        <source>&amp;Status bar</source>
        <translation>Barre d&apos;é&amp;tat</translation>
    </message>
    <message>
        <source>|Show or hide the status bar</source>
        <translation>|Afficher ou masquer la barre d&apos;état</translation>
    </message>
    <message>
        <source>T&amp;ray bar</source>
        <translation>Barre des &amp;bacs</translation>
    </message>
    <message>
        <source>|Show or hide the tray bar</source>
        <translation>|Afficher ou masquer la barre des bacs</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Image</translation>
    </message>
    <message>
        <source>|Show the picture window</source>
        <translation>|Afficher la fenêtre de l&apos;image</translation>
    </message>
    <message>
        <source>&amp;Loupe</source>
        <translation>&amp;Loupe</translation>
    </message>
    <message>
        <source>|Show the magnifying glass</source>
        <translation>|Afficher la loupe</translation>
    </message>
    <message>
        <source>&amp;Ghost picture</source>
        <translation>Image &amp;fantôme</translation>
    </message>
    <message>
        <source>|Show a faded picture on the board</source>
        <translation>|Afficher une image estompée sur le plateau</translation>
    </message>
    <message>
        <source>&amp;Zoom picture</source>
        <translation>&amp;Zoom</translation>
    </message>
    <message>
        <source>|Display the picture full-screen</source>
        <translation>|Afficher l&apos;image en plein écran</translation>
    </message>
    <message>
        <source>&amp;Board Color</source>
        <translation>&amp;Couleur du plateau</translation>
    </message>
    <message>
        <source>|Choose the colour of the board</source>
        <translation>|Choisir la couleur du plateau</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Personnalisée…</translation>
    </message>
    <message>
        <source>|Pick any colour for the board</source>
        <translation>|Choisir n&apos;importe quelle couleur pour le plateau</translation>
    </message>
    <message>
        <source>Matching</source>
        <translation>Assortie</translation>
    </message>
    <message>
        <source>|A board colour that matches the picture</source>
        <translation>|Une couleur de plateau assortie à l&apos;image</translation>
    </message>
    <message>
        <source>Contrasting</source>
        <translation>Contrastée</translation>
    </message>
    <message>
        <source>|A board colour that contrasts with the picture</source>
        <translation>|Une couleur de plateau qui contraste avec l&apos;image</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>|The board colour the jigsaw came with</source>
        <translation>|La couleur de plateau fournie avec le puzzle</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>Arrange at &amp;Edge</source>
        <translation>Ranger en &amp;bordure</translation>
    </message>
    <message>
        <source>|Arrange the loose pieces around the edge</source>
        <translation>|Ranger les pièces libres tout autour du bord</translation>
    </message>
    <message>
        <source>Arrange in &amp;Grid</source>
        <translation>Ranger en &amp;grille</translation>
    </message>
    <message>
        <source>|Arrange the loose pieces in a grid</source>
        <translation>|Ranger les pièces libres en grille</translation>
    </message>
    <message>
        <source>&amp;Disarrange</source>
        <translation>&amp;Éparpiller</translation>
    </message>
    <message>
        <source>|Scatter the loose pieces at random</source>
        <translation>|Éparpiller les pièces libres au hasard</translation>
    </message>
    <message>
        <source>&amp;Piece Size...</source>
        <translation>&amp;Taille des pièces…</translation>
    </message>
    <message>
        <source>|Change the size and shape of the pieces</source>
        <translation>|Changer la taille et la forme des pièces</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>|Undo the last step</source>
        <translation>|Annuler la dernière action</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>|Redo the step just undone</source>
        <translation>|Rétablir l&apos;action qui vient d&apos;être annulée</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <translation>&amp;Démo</translation>
    </message>
    <message>
        <source>|Watch the jigsaw solve itself</source>
        <translation>|Regarder le puzzle se faire tout seul</translation>
    </message>
    <message>
        <source>More &amp;Tips...</source>
        <translation>Plus d&apos;a&amp;stuces…</translation>
    </message>
    <message>
        <source>|Read tips on playing</source>
        <translation>|Lire des astuces de jeu</translation>
    </message>
    <message>
        <source>&amp;Screensaver...</source>
        <translation>É&amp;conomiseur d&apos;écran…</translation>
    </message>
    <message>
        <source>|Use the picture as a screensaver</source>
        <translation>|Utiliser l&apos;image comme économiseur d&apos;écran</translation>
    </message>
    <message>
        <source>&amp;Wallpaper</source>
        <translation>&amp;Fond d&apos;écran</translation>
    </message>
    <message>
        <source>|Use the picture as the desktop wallpaper</source>
        <translation>|Utiliser l&apos;image comme fond d&apos;écran du bureau</translation>
    </message>
    <message>
        <source>T&amp;rays</source>
        <translation>&amp;Bacs</translation>
    </message>
    <message>
        <source>&amp;New Tray</source>
        <translation>&amp;Nouveau bac</translation>
    </message>
    <message>
        <source>|Create a new tray for storing pieces</source>
        <translation>|Créer un nouveau bac pour ranger des pièces</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Afficher</translation>
    </message>
    <message>
        <source>|Open trays</source>
        <translation>|Ouvrir les bacs</translation>
    </message>
    <message>
        <source>Show &amp;All Trays</source>
        <translation>Afficher &amp;tous les bacs</translation>
    </message>
    <message>
        <source>|Open every tray</source>
        <translation>|Ouvrir tous les bacs</translation>
    </message>
    <message>
        <source>Show &amp;Used Trays</source>
        <translation>Afficher les bacs &amp;utilisés</translation>
    </message>
    <message>
        <source>|Open the trays that hold pieces</source>
        <translation>|Ouvrir les bacs qui contiennent des pièces</translation>
    </message>
    <message>
        <source>Show &amp;Empty Trays</source>
        <translation>Afficher les bacs &amp;vides</translation>
    </message>
    <message>
        <source>|Open the empty trays</source>
        <translation>|Ouvrir les bacs vides</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Masquer</translation>
    </message>
    <message>
        <source>|Minimise trays</source>
        <translation>|Réduire les bacs</translation>
    </message>
    <message>
        <source>Hide &amp;All Trays</source>
        <translation>Masquer &amp;tous les bacs</translation>
    </message>
    <message>
        <source>|Minimise every tray</source>
        <translation>|Réduire tous les bacs</translation>
    </message>
    <message>
        <source>Hide &amp;Used Trays</source>
        <translation>Masquer les bacs &amp;utilisés</translation>
    </message>
    <message>
        <source>|Minimise the trays that hold pieces</source>
        <translation>|Réduire les bacs qui contiennent des pièces</translation>
    </message>
    <message>
        <source>Hide &amp;Empty Trays</source>
        <translation>Masquer les bacs &amp;vides</translation>
    </message>
    <message>
        <source>|Minimise the empty trays</source>
        <translation>|Réduire les bacs vides</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>|Delete trays</source>
        <translation>|Supprimer les bacs</translation>
    </message>
    <message>
        <source>Delete &amp;All Trays</source>
        <translation>Supprimer &amp;tous les bacs</translation>
    </message>
    <message>
        <source>|Delete every tray; its pieces go to the board</source>
        <translation>|Supprimer tous les bacs&#xa0;; leurs pièces vont sur le plateau</translation>
    </message>
    <message>
        <source>Delete &amp;Used Trays</source>
        <translation>Supprimer les bacs &amp;utilisés</translation>
    </message>
    <message>
        <source>|Delete the trays that hold pieces</source>
        <translation>|Supprimer les bacs qui contiennent des pièces</translation>
    </message>
    <message>
        <source>Delete &amp;Empty Trays</source>
        <translation>Supprimer les bacs &amp;vides</translation>
    </message>
    <message>
        <source>|Delete the empty trays</source>
        <translation>|Supprimer les bacs vides</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>O&amp;ptions</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>|Turn sound effects on or off</source>
        <translation>|Activer ou couper les effets sonores</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Musique</translation>
    </message>
    <message>
        <source>|Turn background music on or off</source>
        <translation>|Activer ou couper la musique de fond</translation>
    </message>
    <message>
        <source>Sha&amp;dows</source>
        <translation>&amp;Ombres</translation>
    </message>
    <message>
        <source>|Moving pieces cast a shadow</source>
        <translation>|Les pièces déplacées projettent une ombre</translation>
    </message>
    <message>
        <source>&amp;Outlines</source>
        <translation>&amp;Contours</translation>
    </message>
    <message>
        <source>|Choose the look of the piece edges</source>
        <translation>|Choisir l&apos;aspect des bords des pièces</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Aucun</translation>
    </message>
    <message>
        <source>|Pieces have no outline</source>
        <translation>|Pièces sans contour</translation>
    </message>
    <message>
        <source>&amp;Foil</source>
        <translation>&amp;Feuille de métal</translation>
    </message>
    <message>
        <source>|Pieces are made out of thin foil</source>
        <translation>|Pièces en fine feuille de métal</translation>
    </message>
    <message>
        <source>&amp;Paper</source>
        <translation>&amp;Papier</translation>
    </message>
    <message>
        <source>|Pieces are made out of paper</source>
        <translation>|Pièces en papier</translation>
    </message>
    <message>
        <source>&amp;Card</source>
        <translation>&amp;Carton</translation>
    </message>
    <message>
        <source>|Pieces are made out of thick card</source>
        <translation>|Pièces en carton épais</translation>
    </message>
    <message>
        <source>&amp;Wood</source>
        <translation>&amp;Bois</translation>
    </message>
    <message>
        <source>|Pieces are made out of chunky wood</source>
        <translation>|Pièces en bois massif</translation>
    </message>
    <message>
        <source>&amp;Smooth</source>
        <translation>&amp;Lissage</translation>
    </message>
    <message>
        <source>|Remove jaggies from piece outlines using smoothing</source>
        <translation>|Lisser les contours des pièces pour effacer les crénelages</translation>
    </message>
    <message>
        <source>&amp;Auto hide</source>
        <translation>&amp;Masquage auto</translation>
    </message>
    <message>
        <source>|Remove outlines from solved pieces</source>
        <translation>|Effacer les contours des pièces placées</translation>
    </message>
    <message>
        <source>Sort by S&amp;hape</source>
        <translation>Trier par &amp;forme</translation>
    </message>
    <message>
        <source>|Put edge pieces first when arranging</source>
        <translation>|Mettre d&apos;abord les pièces de bord lors du rangement</translation>
    </message>
    <message>
        <source>Sort by &amp;Color</source>
        <translation>Trier par co&amp;uleur</translation>
    </message>
    <message>
        <source>|Put similar colors together when arranging</source>
        <translation>|Regrouper les couleurs proches lors du rangement</translation>
    </message>
    <message>
        <source>&amp;Timer display</source>
        <translation>Affichage du &amp;temps</translation>
    </message>
    <message>
        <source>|Show the time taken</source>
        <translation>|Afficher le temps écoulé</translation>
    </message>
    <message>
        <source>&amp;Number display</source>
        <translation>Affichage du &amp;nombre</translation>
    </message>
    <message>
        <source>|Show the number of pieces solved</source>
        <translation>|Afficher le nombre de pièces placées</translation>
    </message>
    <message>
        <source>&amp;Rotating Pieces</source>
        <translation>&amp;Rotation des pièces</translation>
    </message>
    <message>
        <source>|Pieces can be turned</source>
        <translation>|Les pièces peuvent être tournées</translation>
    </message>
    <message>
        <source>M&amp;ystery Mode</source>
        <translation>Mode m&amp;ystère</translation>
    </message>
    <message>
        <source>|Hide the jigsaw preview pictures</source>
        <translation>|Masquer les images d&apos;aperçu du puzzle</translation>
    </message>
    <message>
        <source>Time &amp;Limit...</source>
        <translation>&amp;Limite de temps…</translation>
    </message>
    <message>
        <source>|Set a time limit for the jigsaw</source>
        <translation>|Fixer une limite de temps pour le puzzle</translation>
    </message>
    <message>
        <source>&amp;Advanced...</source>
        <translation>&amp;Avancées…</translation>
    </message>
    <message>
        <source>|Change the advanced options</source>
        <translation>|Modifier les options avancées</translation>
    </message>
    <message>
        <source>&amp;Cheat</source>
        <translation>&amp;Triche</translation>
    </message>
    <message>
        <source>Allow &amp;Cheating</source>
        <translation>Autoriser la &amp;triche</translation>
    </message>
    <message>
        <source>|Allow the cheat commands</source>
        <translation>|Autoriser les commandes de triche</translation>
    </message>
    <message>
        <source>&amp;Hint!</source>
        <translation>&amp;Indice&#xa0;!</translation>
    </message>
    <message>
        <source>|Flash the next two pieces to solve</source>
        <translation>|Faire clignoter les deux prochaines pièces à placer</translation>
    </message>
    <message>
        <source>&amp;Right Way Up!</source>
        <translation>Tout à l&apos;&amp;endroit&#xa0;!</translation>
    </message>
    <message>
        <source>|Turn every piece the right way up</source>
        <translation>|Remettre chaque pièce à l&apos;endroit</translation>
    </message>
    <message>
        <source>&amp;Auto-Solve!</source>
        <translation>&amp;Résolution auto&#xa0;!</translation>
    </message>
    <message>
        <source>|Let the jigsaw solve itself</source>
        <translation>|Laisser le puzzle se faire tout seul</translation>
    </message>
    <message>
        <source>&amp;Internet</source>
        <translation>&amp;Internet</translation>
    </message>
    <message>
        <source>Visit the Quillmere web site</source>
        <translation>Visiter le site web de Quillmere</translation>
    </message>
    <message>
        <source>&amp;Purchase the full version...</source>
        <translation>&amp;Acheter la version complète…</translation>
    </message>
    <message>
        <source>|Visit our online store</source>
        <translation>|Visiter notre boutique en ligne</translation>
    </message>
    <message>
        <source>Jigsaw &amp;Search...</source>
        <translation>&amp;Rechercher des puzzles…</translation>
    </message>
    <message>
        <source>|Search the web for jigsaws</source>
        <translation>|Chercher des puzzles sur le web</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Rechercher des &amp;mises à jour…</translation>
    </message>
    <message>
        <source>|Look for a newer version</source>
        <translation>|Chercher une version plus récente</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>|Show the help contents</source>
        <translation>|Afficher le sommaire de l&apos;aide</translation>
    </message>
    <message>
        <source>&amp;Search for Help On...</source>
        <translation>&amp;Rechercher dans l&apos;aide…</translation>
    </message>
    <message>
        <source>|Search the help</source>
        <translation>|Rechercher dans l&apos;aide</translation>
    </message>
    <message>
        <source>&amp;What&apos;s New</source>
        <translation>&amp;Nouveautés</translation>
    </message>
    <message>
        <source>|What is new in this version</source>
        <translation>|Les nouveautés de cette version</translation>
    </message>
    <message>
        <source>&amp;FAQ</source>
        <translation>&amp;FAQ</translation>
    </message>
    <message>
        <source>|Frequently asked questions</source>
        <translation>|Questions fréquentes</translation>
    </message>
    <message>
        <source>How to &amp;Order</source>
        <translation>&amp;Commander</translation>
    </message>
    <message>
        <source>|How to order the full version</source>
        <translation>|Comment commander la version complète</translation>
    </message>
    <message>
        <source>&amp;Quick Help!</source>
        <translation>Aide ra&amp;pide&#xa0;!</translation>
    </message>
    <message>
        <source>|Display mouse and keyboard controls</source>
        <translation>|Afficher les commandes de la souris et du clavier</translation>
    </message>
    <message>
        <source>About this &amp;Jigsaw...</source>
        <translation>À propos de ce pu&amp;zzle…</translation>
    </message>
    <message>
        <source>|Show the jigsaw&apos;s title, creator and progress</source>
        <translation>|Afficher le titre, l&apos;auteur et l&apos;avancement du puzzle</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>À pr&amp;opos…</translation>
    </message>
    <message>
        <source>|About this program</source>
        <translation>|À propos de ce programme</translation>
    </message>
    <message>
        <source>&amp;Move ghost</source>
        <translation>&amp;Déplacer le fantôme</translation>
    </message>
    <message>
        <source>|Move the ghost picture to another place</source>
        <translation>|Déplacer l&apos;image fantôme à un autre endroit</translation>
    </message>
    <message>
        <source>&amp;Find piece!</source>
        <translation>Tr&amp;ouver la pièce&#xa0;!</translation>
    </message>
    <message>
        <source>|Flash the piece that belongs here</source>
        <translation>|Faire clignoter la pièce qui va ici</translation>
    </message>
    <message>
        <source>Fe&amp;tch piece!</source>
        <translation>A&amp;pporter la pièce&#xa0;!</translation>
    </message>
    <message>
        <source>|Bring the piece that belongs here</source>
        <translation>|Apporter la pièce qui va ici</translation>
    </message>
    <message>
        <source>S&amp;how Solution!</source>
        <translation>Montrer la &amp;solution&#xa0;!</translation>
    </message>
    <message>
        <source>|Flash where this piece belongs</source>
        <translation>|Faire clignoter l&apos;endroit où va cette pièce</translation>
    </message>
    <message>
        <source>S&amp;olve Piece!</source>
        <translation>&amp;Placer la pièce&#xa0;!</translation>
    </message>
    <message>
        <source>|Put this piece where it belongs</source>
        <translation>|Mettre cette pièce à sa place</translation>
    </message>
    <message>
        <source>Rotate &amp;Right</source>
        <translation>Tourner à &amp;droite</translation>
    </message>
    <message>
        <source>|Turn the piece a quarter turn clockwise</source>
        <translation>|Tourner la pièce d&apos;un quart de tour dans le sens horaire</translation>
    </message>
    <message>
        <source>Rotate &amp;Left</source>
        <translation>Tourner à &amp;gauche</translation>
    </message>
    <message>
        <source>|Turn the piece a quarter turn anticlockwise</source>
        <translation>|Tourner la pièce d&apos;un quart de tour dans le sens antihoraire</translation>
    </message>
    <message>
        <source>Right &amp;Way Up!</source>
        <translation>Remettre à l&apos;&amp;endroit&#xa0;!</translation>
    </message>
    <message>
        <source>|Turn this piece the right way up</source>
        <translation>|Remettre cette pièce à l&apos;endroit</translation>
    </message>
    <message>
        <source>&amp;Unlock</source>
        <translation>Déta&amp;cher</translation>
    </message>
    <message>
        <source>|Disconnect the piece from its neighbours</source>
        <translation>|Détacher la pièce de ses voisines</translation>
    </message>
    <message>
        <source>Send To &amp;Back</source>
        <translation>Mettre à l&apos;&amp;arrière-plan</translation>
    </message>
    <message>
        <source>|Put the piece behind all others</source>
        <translation>|Placer la pièce derrière toutes les autres</translation>
    </message>
    <message>
        <source>&amp;Show Neighbor!</source>
        <translation>Montrer une &amp;voisine&#xa0;!</translation>
    </message>
    <message>
        <source>|Flash a piece that fits this one</source>
        <translation>|Faire clignoter une pièce qui s&apos;emboîte avec celle-ci</translation>
    </message>
    <message>
        <source>&amp;Fetch Neighbor!</source>
        <translation>Apporter une voisi&amp;ne&#xa0;!</translation>
    </message>
    <message>
        <source>|Bring a piece that fits this one</source>
        <translation>|Apporter une pièce qui s&apos;emboîte avec celle-ci</translation>
    </message>
    <message>
        <source>Se&amp;lect all pieces</source>
        <translation>Sé&amp;lectionner toutes les pièces</translation>
    </message>
    <message>
        <source>|Pick up every piece in this tray</source>
        <translation>|Prendre toutes les pièces de ce bac</translation>
    </message>
    <message>
        <source>&amp;Send Tray to Back</source>
        <translation>Mettre le bac à l&apos;&amp;arrière-plan</translation>
    </message>
    <message>
        <source>|Put this tray behind the others</source>
        <translation>|Placer ce bac derrière les autres</translation>
    </message>
    <message>
        <source>D&amp;rop all pieces</source>
        <translation>&amp;Vider le bac</translation>
    </message>
    <message>
        <source>|Empty this tray onto the board</source>
        <translation>|Vider ce bac sur le plateau</translation>
    </message>
    <message>
        <source>&amp;Get pieces</source>
        <translation>&amp;Récupérer des pièces</translation>
    </message>
    <message>
        <source>|Gather single pieces into this tray</source>
        <translation>|Rassembler des pièces isolées dans ce bac</translation>
    </message>
    <message>
        <source>&amp;All pieces</source>
        <translation>&amp;Toutes les pièces</translation>
    </message>
    <message>
        <source>|Gather every single piece</source>
        <translation>|Rassembler toutes les pièces isolées</translation>
    </message>
    <message>
        <source>&amp;Edge pieces</source>
        <translation>Pièces de &amp;bord</translation>
    </message>
    <message>
        <source>|Gather the single edge pieces</source>
        <translation>|Rassembler les pièces de bord isolées</translation>
    </message>
    <message>
        <source>&amp;Middle pieces</source>
        <translation>Pièces du &amp;milieu</translation>
    </message>
    <message>
        <source>|Gather the single middle pieces</source>
        <translation>|Rassembler les pièces du milieu isolées</translation>
    </message>
    <message>
        <source>&amp;Fun pieces</source>
        <translation>Pièces &amp;fantaisie</translation>
    </message>
    <message>
        <source>|Gather the single fun pieces</source>
        <translation>|Rassembler les pièces fantaisie isolées</translation>
    </message>
    <message>
        <source>|Arrange this tray&apos;s pieces around its edge</source>
        <translation>|Ranger les pièces de ce bac tout autour de son bord</translation>
    </message>
    <message>
        <source>|Arrange this tray&apos;s pieces in a grid</source>
        <translation>|Ranger les pièces de ce bac en grille</translation>
    </message>
    <message>
        <source>D&amp;isarrange Tray</source>
        <translation>É&amp;parpiller le bac</translation>
    </message>
    <message>
        <source>|Scatter this tray&apos;s pieces at random</source>
        <translation>|Éparpiller au hasard les pièces de ce bac</translation>
    </message>
    <message>
        <source>Tray &amp;Color</source>
        <translation>&amp;Couleur du bac</translation>
    </message>
    <message>
        <source>|Choose the colour of this tray</source>
        <translation>|Choisir la couleur de ce bac</translation>
    </message>
    <message>
        <source>|Pick any colour for the tray</source>
        <translation>|Choisir n&apos;importe quelle couleur pour le bac</translation>
    </message>
    <message>
        <source>|A tray colour that matches the picture</source>
        <translation>|Une couleur de bac assortie à l&apos;image</translation>
    </message>
    <message>
        <source>|A tray colour that contrasts with the picture</source>
        <translation>|Une couleur de bac qui contraste avec l&apos;image</translation>
    </message>
    <message>
        <source>|The tray takes the board colour</source>
        <translation>|Le bac prend la couleur du plateau</translation>
    </message>
    <message>
        <source>&amp;Tray Description...</source>
        <translation>&amp;Description du bac…</translation>
    </message>
    <message>
        <source>|Give this tray a name</source>
        <translation>|Donner un nom à ce bac</translation>
    </message>
    <message>
        <source>&amp;Delete Tray!</source>
        <translation>&amp;Supprimer le bac&#xa0;!</translation>
    </message>
    <message>
        <source>|Delete this tray; its pieces go to the board</source>
        <translation>|Supprimer ce bac&#xa0;; ses pièces vont sur le plateau</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Tray %1 contains pieces which will be
placed on the background.

Ok to delete this tray?</source>
        <translation>Le bac %1 contient des pièces qui seront
posées sur le plateau.

Supprimer ce bac&#xa0;?</translation>
    </message>
    <message>
        <source>To use the scroll wheel, enable it in the Advanced Mouse options screen</source>
        <translation>Pour utiliser la molette, activez-la dans les options avancées de la souris</translation>
    </message>
    <message>
        <source>Rotation is currently disabled in the Options menu</source>
        <translation>La rotation est désactivée dans le menu «&#xa0;Options&#xa0;»</translation>
    </message>
    <message>
        <source>Cheating is currently disabled in the Options menu</source>
        <translation>La triche est désactivée dans le menu «&#xa0;Options&#xa0;»</translation>
    </message>
    <message>
        <source>Mouse: Left=Fetch neighbor, Right=Show neighbor</source>
        <translation>Souris&#xa0;: gauche=apporter une voisine, droite=montrer une voisine</translation>
    </message>
    <message>
        <source>Mouse: Left=Rotate left, Right=Rotate right</source>
        <translation>Souris&#xa0;: gauche=tourner à gauche, droite=tourner à droite</translation>
    </message>
    <message>
        <source>Mouse: Left=Solve piece onto ghost, Right=Flash solution</source>
        <translation>Souris&#xa0;: gauche=placer la pièce sur le fantôme, droite=montrer la solution</translation>
    </message>
    <message>
        <source>Enable the background ghost to use these shortcuts</source>
        <translation>Activez l&apos;image fantôme pour utiliser ces raccourcis</translation>
    </message>
    <message>
        <source>Generating: </source>
        <translation>Création&#xa0;: </translation>
    </message>
    <message>
        <source>This free jigsaw gift was created by Quillmere version %s.
Click on our home page below for a free demo of all the other great features of the game. Or order the full version now!</source>
        <translation>Ce puzzle offert gratuitement a été créé avec Quillmere version %s.
Cliquez ci-dessous sur notre page d&apos;accueil pour découvrir gratuitement toutes les autres fonctions du jeu. Ou commandez dès maintenant la version complète&#xa0;!</translation>
    </message>
    <message>
        <source>File %1 could not be written. The disk may be full, read-only or off-line</source>
        <translation>Le fichier %1 n&apos;a pas pu être écrit. Le disque est peut-être plein, en lecture seule ou déconnecté</translation>
    </message>
    <message>
        <source>This jigsaw gift file is damaged and cannot be opened</source>
        <translation>Ce fichier de puzzle cadeau est endommagé et ne peut pas être ouvert</translation>
    </message>
    <message>
        <source>The puzzle has rotated pieces but the rotation option is currently disabled. Press &apos;Yes&apos; to turn all pieces the right way up or &apos;No&apos; to re-enable rotation.</source>
        <translation>Le puzzle a des pièces tournées, mais la rotation est désactivée. Choisissez «&#xa0;Oui&#xa0;» pour remettre toutes les pièces à l&apos;endroit ou «&#xa0;Non&#xa0;» pour réactiver la rotation.</translation>
    </message>
    <message>
        <source>Would you like some pieces randomly rotated now?</source>
        <translation>Voulez-vous que quelques pièces soient tournées au hasard maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>Insufficient graphics resources to set such a large piece size - reducing the number of colors of your desktop may help. Setting scale factor back to 100%...</source>
        <translation>Ressources graphiques insuffisantes pour une taille de pièce aussi grande – réduire le nombre de couleurs du bureau peut aider. Retour à l&apos;échelle de 100&#xa0;%…</translation>
    </message>
    <message numerus="yes">
        <source>%n pieces</source>
        <comment>a count of pieces</comment>
        <translation>
            <numerusform>%n pièce</numerusform>
            <numerusform>%n pièces</numerusform>
        </translation>
    </message>
    <message>
        <source>. You used Auto-solve!</source>
        <translation>. Vous avez utilisé la résolution automatique&#xa0;!</translation>
    </message>
    <message>
        <source> without cheating!</source>
        <translation> sans tricher&#xa0;!</translation>
    </message>
    <message>
        <source> by cheating once!</source>
        <translation> en trichant une fois&#xa0;!</translation>
    </message>
    <message>
        <source>You solved all %1 in %2 and %3</source>
        <translation>Vous avez placé les %1 en %2 et %3</translation>
    </message>
    <message>
        <source>Created %1 by version %2 </source>
        <translation>Créé le %1 avec la version %2 </translation>
    </message>
    <message>
        <source>Solved %1 of %2</source>
        <translation>%1 sur %2 placées</translation>
    </message>
    <message>
        <source>|Jigsaw is %1% complete, %2 pieces solved per minute</source>
        <translation>|Puzzle terminé à %1&#xa0;%, %2 pièces placées par minute</translation>
    </message>
    <message>
        <source>The saved game %1 cannot be removed. %2. The new game starts all the same; the saved one is offered again at the next start unless this game is saved over it.</source>
        <translation>La partie enregistrée %1 ne peut pas être supprimée. %2. La nouvelle partie commence quand même&#xa0;; l&apos;ancienne sera de nouveau proposée au prochain démarrage, sauf si cette partie l&apos;écrase.</translation>
    </message>
    <message>
        <source>%1 A new game is started instead.</source>
        <translation>%1 Une nouvelle partie commence à la place.</translation>
    </message>
    <message>
        <source>size/shape</source>
        <translation>taille/forme</translation>
    </message>
    <message>
        <source>arrange</source>
        <translation>rangement</translation>
    </message>
    <message>
        <source>arrange tray</source>
        <translation>rangement du bac</translation>
    </message>
    <message>
        <source>disarrange</source>
        <translation>éparpillement</translation>
    </message>
    <message>
        <source>disarrange tray</source>
        <translation>éparpillement du bac</translation>
    </message>
    <message>
        <source>tray operation</source>
        <translation>opération sur un bac</translation>
    </message>
    <message>
        <source>auto-solve</source>
        <translation>résolution auto</translation>
    </message>
    <message>
        <source>move ghost</source>
        <translation>déplacement du fantôme</translation>
    </message>
    <message>
        <source>move pieces</source>
        <translation>déplacement de pièces</translation>
    </message>
    <message>
        <source>rotate pieces</source>
        <translation>rotation de pièces</translation>
    </message>
    <message>
        <source>right way up</source>
        <translation>remise à l&apos;endroit</translation>
    </message>
    <message>
        <source>cheat</source>
        <translation>triche</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Rétablir&#xa0;: %1</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Annuler&#xa0;: %1</translation>
    </message>
    <message>
        <source>Sorting colors: </source>
        <translation>Tri des couleurs&#xa0;: </translation>
    </message>
    <message>
        <source>Rotating: </source>
        <translation>Rotation&#xa0;: </translation>
    </message>
    <message>
        <source>Drawing: </source>
        <translation>Dessin&#xa0;: </translation>
    </message>
    <message>
        <source>The custom piece shapes in this jigsaw gift are damaged</source>
        <translation>Les formes de pièces personnalisées de ce cadeau sont endommagées</translation>
    </message>
    <message numerus="yes">
        <source> by cheating %n times!</source>
        <comment>more than once</comment>
        <translation>
            <numerusform> en trichant %n fois&#xa0;!</numerusform>
            <numerusform> en trichant %n fois&#xa0;!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <comment>time taken</comment>
        <translation>
            <numerusform>%n minute</numerusform>
            <numerusform>%n minutes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <comment>time taken</comment>
        <translation>
            <numerusform>%n seconde</numerusform>
            <numerusform>%n secondes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have solved %1 out of %n pieces</source>
        <comment>pieces of the puzzle</comment>
        <translation>
            <numerusform>Pièces placées&#xa0;: %1 sur %n</numerusform>
            <numerusform>Pièces placées&#xa0;: %1 sur %n</numerusform>
        </translation>
    </message>
    <message>
        <source>You are in Mystery Mode and the picture is hidden!

Press Yes to exit Mystery Mode and reveal the jigsaw.</source>
        <translation>Vous êtes en mode mystère et l&apos;image est masquée&#xa0;!

Choisissez «&#xa0;Oui&#xa0;» pour quitter le mode mystère et dévoiler le puzzle.</translation>
    </message>
    <message>
        <source>Press Yes to exit Mystery Mode. You may then use the jigsaw preview tools.</source>
        <translation>Choisissez «&#xa0;Oui&#xa0;» pour quitter le mode mystère. Vous pourrez alors utiliser les outils d&apos;aperçu.</translation>
    </message>
    <message>
        <source>Press Yes to enter Mystery Mode and hide any jigsaw preview pictures.</source>
        <translation>Choisissez «&#xa0;Oui&#xa0;» pour passer en mode mystère et masquer toutes les images d&apos;aperçu.</translation>
    </message>
    <message>
        <source>Press &apos;Yes&apos; to turn all pieces the right way up.</source>
        <translation>Choisissez «&#xa0;Oui&#xa0;» pour remettre toutes les pièces à l&apos;endroit.</translation>
    </message>
    <message>
        <source>This will restart the jigsaw from scratch. Are you sure?</source>
        <translation>Le puzzle va recommencer depuis le début. Voulez-vous continuer&#xa0;?</translation>
    </message>
    <message>
        <source>

The game has not been saved. Close the jigsaw without saving it?
Choose No to go back to the game.</source>
        <translation>

La partie n&apos;a pas été enregistrée. Fermer le puzzle sans l&apos;enregistrer&#xa0;?
Choisissez «&#xa0;Non&#xa0;» pour revenir à la partie.</translation>
    </message>
    <message>
        <source>No web browser could be started to show %1</source>
        <translation>Aucun navigateur web n&apos;a pu être lancé pour afficher %1</translation>
    </message>
    <message>
        <source>No music was included in this jigsaw gift file.</source>
        <translation>Aucune musique n&apos;a été incluse dans ce fichier de puzzle cadeau.</translation>
    </message>
    <message>
        <source>Cannot create file %1. %2.</source>
        <translation>Impossible de créer le fichier %1. %2.</translation>
    </message>
    <message>
        <source>Cannot write file %1. %2.</source>
        <translation>Impossible d&apos;écrire le fichier %1. %2.</translation>
    </message>
    <message>
        <source>The picture could not be read: %1</source>
        <translation>L&apos;image n&apos;a pas pu être lue&#xa0;: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>The picture of this jigsaw is too large: at most %1 pixels wide and high can be cut into pieces</source>
        <translation>L&apos;image de ce puzzle est trop grande&#xa0;: seules les images d&apos;au plus %1 pixels de large et de haut peuvent être découpées en pièces</translation>
    </message>
    <message>
        <source>The pieces cannot be cut at %1%: the picture would be larger than %2 pixels wide or high</source>
        <translation>Les pièces ne peuvent pas être découpées à %1&#xa0;%&#xa0;: l&apos;image dépasserait %2 pixels de large ou de haut</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;ouvrir le fichier «&#xa0;%1&#xa0;». %2</translation>
    </message>
    <message numerus="yes">
        <source>This program needs HiColor mode (64K colors) or better and so is unable to continue while your desktop is set to %n colors. Would you like to change your settings now?</source>
        <comment>colours of the desktop</comment>
        <translation>
            <numerusform>Ce programme a besoin du mode HiColor (64K couleurs) ou mieux et ne peut donc pas continuer tant que votre bureau est réglé sur %n couleur. Voulez-vous modifier vos réglages maintenant&#xa0;?</numerusform>
            <numerusform>Ce programme a besoin du mode HiColor (64K couleurs) ou mieux et ne peut donc pas continuer tant que votre bureau est réglé sur %n couleurs. Voulez-vous modifier vos réglages maintenant&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>An unexpected error stopped the operation</source>
        <translation>Une erreur inattendue a interrompu l&apos;opération</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>l&apos;image est trop grande</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; is damaged and cannot be resumed.</source>
        <translation>La partie enregistrée «&#xa0;%1&#xa0;» est endommagée et ne peut pas être reprise.</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; cannot be read: %2.</source>
        <translation>La partie enregistrée «&#xa0;%1&#xa0;» ne peut pas être lue&#xa0;: %2.</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; cannot be read.</source>
        <translation>La partie enregistrée «&#xa0;%1&#xa0;» ne peut pas être lue.</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; was made by a newer version of this program and cannot be resumed.</source>
        <translation>La partie enregistrée «&#xa0;%1&#xa0;» a été créée par une version plus récente de ce programme et ne peut pas être reprise.</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; belongs to another jigsaw and cannot be resumed.</source>
        <translation>La partie enregistrée «&#xa0;%1&#xa0;» appartient à un autre puzzle et ne peut pas être reprise.</translation>
    </message>
    <message>
        <source>the file is not a JPEG picture</source>
        <translation>le fichier n&apos;est pas une image JPEG</translation>
    </message>
    <message>
        <source>the picture is cut short</source>
        <translation>l&apos;image est incomplète</translation>
    </message>
</context>
<context>
    <name>PortableStart</name>
    <message>
        <source>This gift could not be opened: there is no folder where its player can be unpacked (it needs about 60 MB). Free some disk space in your home folder and open the gift again.</source>
        <translation>Ce cadeau n&apos;a pas pu être ouvert&#xa0;: il n&apos;y a aucun dossier où décompresser son programme de jeu (il lui faut environ 60 Mo). Libérez de l&apos;espace disque dans votre dossier personnel et ouvrez à nouveau le cadeau.</translation>
    </message>
    <message>
        <source>This gift could not be opened: the file is damaged or incomplete. Download it again, or ask the sender to send it once more.</source>
        <translation>Ce cadeau n&apos;a pas pu être ouvert&#xa0;: le fichier est endommagé ou incomplet. Téléchargez-le à nouveau, ou demandez à l&apos;expéditeur de le renvoyer.</translation>
    </message>
    <message>
        <source>This gift could not be opened.</source>
        <translation>Ce cadeau n&apos;a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>Details:</source>
        <translation>Détails&#xa0;:</translation>
    </message>
</context>
<context>
    <name>QtHost</name>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
</context>
<context>
    <name>SolveDialog</name>
    <message>
        <source>Percentage complete</source>
        <translation>Pourcentage terminé</translation>
    </message>
    <message>
        <source>Stop!</source>
        <translation>Arrêter&#xa0;!</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>lent</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>rapide</translation>
    </message>
    <message>
        <source>Set speed</source>
        <translation>Régler la vitesse</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>Sound effects</source>
        <translation>Effets sonores</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
</context>
<context>
    <name>SplashForm</name>
    <message>
        <source>Connect to our web site now!</source>
        <translation>Visitez notre site web&#xa0;!</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Commander</translation>
    </message>
    <message>
        <source>Connect to our Online Store now!</source>
        <translation>Visitez notre boutique en ligne&#xa0;!</translation>
    </message>
    <message>
        <source>Play...</source>
        <translation>Jouer…</translation>
    </message>
    <message>
        <source>Play the jigsaw</source>
        <translation>Faire le puzzle</translation>
    </message>
    <message>
        <source>Exit...</source>
        <translation>Quitter…</translation>
    </message>
    <message>
        <source>Resume game...</source>
        <translation>Reprendre la partie…</translation>
    </message>
    <message>
        <source>Save game...</source>
        <translation>Enregistrer la partie…</translation>
    </message>
    <message>
        <source>Free gift edition - share it with your friends!</source>
        <translation>Édition cadeau gratuite – partagez-la avec vos amis&#xa0;!</translation>
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
        <translation>utilisation&#xa0;: quillmere-wrap --picture IMAGE -o CADEAU [--portable | --player PLAYER] [options]
  -o CADEAU               le cadeau à écrire&#xa0;; -o NOM.zip écrit une archive zip contenant
                          le cadeau NOM, que les gestionnaires de fichiers extraient prêt à lancer
  --portable              copier le programme de jeu portable&#xa0;: le cadeau fonctionne aussi sans Qt
  --player PLAYER         le programme de jeu à copier (par défaut&#xa0;: celui installé avec quillmere-wrap)
  --picture FICHIER       l&apos;image du puzzle&#xa0;: JPEG (CMJN aussi), PNG, HEIC/HEIF, AVIF,
                          WebP, TIFF, BMP, GIF ou tout autre fichier image que lit le Qt
                          de ce système&#xa0;; redressée selon son orientation et
                          enregistrée en JPEG
  --max-size LxH          une image plus grande est réduite pour tenir dans LxH (par défaut
                          1280x800&#xa0;: un écran de 1920 x 1080, moins le titre de la fenêtre,
                          les menus, la barre d&apos;outils, la barre des bacs et la barre d&apos;état,
                          laisse un plateau d&apos;environ 1700 x 850, où tiennent une image de
                          1280 x 800 et ses pièces éparpillées)
  --keep-size             garder l&apos;image à sa taille d&apos;origine (au plus 8191 de côté)
  --pieces N              nombre de pièces demandé, au moins 2 (par défaut 100)
  --seed N                graine aléatoire des formes et de la première disposition (par défaut 1)
  --style S               classic, blip, square, star, round, mix, ou 1..6
  --oddness N             irrégularité des formes 0..10 (par défaut 5)
  --outline S             none, foil, paper, card, wood, ou 0..4
  --rotation on|off       les pièces peuvent être tournées
  --mystery on|off        commencer en mode mystère
  --fun N                 réglage des pièces fantaisie 0..10
  --board-colour C        couleur du plateau&#xa0;: un nom comme clTeal, un nombre, ou $BBGGRR
  --title T  --creator T  --description T
  --opening T  --closing T            les messages de l&apos;expéditeur (&quot;\n&quot; passe à la ligne)
  --language CODE         la langue du programme de jeu, comme de ou pl
                          (par défaut&#xa0;: celle du destinataire)
  --opening-colour C  --closing-colour C   fonds des messages (noms de couleur tels qu&apos;enregistrés)
  --opening-align A  --closing-align A     left, right ou centre
  --opening-font-name F  --opening-font-height H  --opening-font-style BITS  --opening-font-colour C
  --closing-font-name F  --closing-font-height H  --closing-font-style BITS  --closing-font-colour C
  --creator-version V     (par défaut v6.13)
  --created JOURS         jours depuis le 30 décembre 1899
  --music FICHIER  [--music-extension .EXT]   WAV, FLAC, Ogg Vorbis, Opus, MP3&#xa0;; MIDI via FluidSynth
  --skin FICHIER          l&apos;image de la barre d&apos;outils, tout fichier image (enregistré en JPEG)
  --templates FICHIER --template-count N
Les textes sont en UTF-8, dans toute écriture. Titre, auteur, description et messages
contiennent jusqu&apos;à 256, 256, 4096, 4096 et 4096 octets d&apos;UTF-8&#xa0;; les programmes de jeu
antérieurs au bloc de texte en montrent la forme Windows-1252 la plus proche. Les noms de
police et de couleur doivent être en Windows-1252. Les textes trop longs sont refusés avec le
nom du champ. Affiche la taille à laquelle l&apos;image a été enregistrée et pourquoi, la taille
du cadeau et ce que fait son destinataire pour l&apos;ouvrir.
</translation>
    </message>
    <message>
        <source>%1 needs a whole number from %2 to %3</source>
        <translation>%1 attend un nombre entier de %2 à %3</translation>
    </message>
    <message>
        <source>%1 takes on or off</source>
        <translation>%1 attend on ou off</translation>
    </message>
    <message>
        <source>%1: unknown colour &quot;%2&quot;</source>
        <translation>%1&#xa0;: couleur inconnue «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>%1 takes WxH, such as 1280x800</source>
        <translation>%1 attend LxH, par exemple 1280x800</translation>
    </message>
    <message>
        <source>Wrote %1 (%2), holding the gift %3 (%4).
The recipient extracts it and double-clicks %3.
</source>
        <translation>%1 écrit (%2), contenant le cadeau %3 (%4).
Le destinataire l&apos;extrait et double-clique sur %3.
</translation>
    </message>
    <message>
        <source>Wrote %1 (%2).
The recipient double-clicks it. Sent as it is, it arrives without its execute bit:
send %3.zip (-o NAME.zip) to keep it.
</source>
        <translation>%1 écrit (%2).
Le destinataire double-clique dessus. Envoyé tel quel, il arrive sans son droit d&apos;exécution&#xa0;:
envoyez %3.zip (-o NAME.zip) pour le conserver.
</translation>
    </message>
    <message>
        <source>Where a desktop does not start it, Properties &gt; Allow executing as program
(or chmod +x in a terminal) lets it run.
</source>
        <translation>Si un bureau ne le lance pas, Propriétés &gt; Autoriser l&apos;exécution du fichier comme un programme
(ou chmod +x dans un terminal) permet de le lancer.
</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>option inconnue %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 attend une valeur</translation>
    </message>
    <message>
        <source>Give either --portable or --player, not both</source>
        <translation>Indiquez --portable ou --player, pas les deux</translation>
    </message>
    <message>
        <source>Picture stored at %1</source>
        <translation>Image enregistrée en %1</translation>
    </message>
</context>
<context>
    <name>quill::AboutBox</name>
    <message>
        <source>Free gift edition - share it with your friends!
All pictures and sounds made for Quillmere Gift.</source>
        <translation>Édition cadeau gratuite – partagez-la avec vos amis&#xa0;!
Toutes les images et tous les sons ont été créés pour Quillmere Gift.</translation>
    </message>
    <message>
        <source>About Quillmere Gift</source>
        <translation>À propos de Quillmere Gift</translation>
    </message>
    <message>
        <source>This is a free gift - not for retail sale or distribution.</source>
        <translation>Ceci est un cadeau gratuit – ni à vendre ni à distribuer.</translation>
    </message>
</context>
<context>
    <name>quill::AboutJigDialog</name>
    <message>
        <source>Title:</source>
        <translation>Titre&#xa0;:</translation>
    </message>
    <message>
        <source>Creator:</source>
        <translation>Auteur&#xa0;:</translation>
    </message>
    <message>
        <source>Info:</source>
        <translation>Infos&#xa0;:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>État&#xa0;:</translation>
    </message>
    <message>
        <source>About this jigsaw</source>
        <translation>À propos de ce puzzle</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy the selected text to the Windows clipboard</source>
        <translation>Copier le texte sélectionné dans le presse-papiers</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Modifier…</translation>
    </message>
    <message>
        <source>Edit the jigsaw description</source>
        <translation>Modifier la description du puzzle</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>Select all the description text</source>
        <translation>Sélectionner tout le texte de la description</translation>
    </message>
</context>
<context>
    <name>quill::CongratsDialog</name>
    <message>
        <source>You solved it!</source>
        <translation>Réussi&#xa0;!</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Félicitations&#xa0;!</translation>
    </message>
</context>
<context>
    <name>quill::CutPreview</name>
    <message>
        <source>Open a picture to see how it is cut</source>
        <translation>Ouvrez une image pour voir comment elle est découpée</translation>
    </message>
</context>
<context>
    <name>quill::GiftMadeDialog</name>
    <message>
        <source>I made you a jigsaw puzzle! To open it:
</source>
        <translation>Je vous ai fait un puzzle&#xa0;! Pour l&apos;ouvrir&#xa0;:
</translation>
    </message>
    <message>
        <source>1. Save %1 and extract it (right-click it, Extract Here).
2. Double-click %2 to start the puzzle.
</source>
        <translation>1. Enregistrez %1 et extrayez-le (clic droit dessus, «&#xa0;Extraire ici&#xa0;»).
2. Double-cliquez sur %2 pour lancer le puzzle.
</translation>
    </message>
    <message>
        <source>1. Save %1.
2. Double-click it to start the puzzle.
</source>
        <translation>1. Enregistrez %1.
2. Double-cliquez dessus pour lancer le puzzle.
</translation>
    </message>
    <message>
        <source>If double-clicking does nothing, right-click %1, choose Properties and tick &quot;Allow executing as program&quot; (or type chmod +x %1 in a terminal), then double-click it again. It runs on Linux.</source>
        <translation>Si le double-clic ne fait rien, faites un clic droit sur %1, choisissez «&#xa0;Propriétés&#xa0;» et cochez «&#xa0;Autoriser l&apos;exécution du fichier comme un programme&#xa0;» (ou tapez chmod +x %1 dans un terminal), puis double-cliquez à nouveau. Il fonctionne sous Linux.</translation>
    </message>
    <message>
        <source>Gift made</source>
        <translation>Cadeau créé</translation>
    </message>
    <message>
        <source>The gift is saved as &lt;b&gt;%1&lt;/b&gt; (%2) in %3.</source>
        <translation>Le cadeau est enregistré sous &lt;b&gt;%1&lt;/b&gt; (%2) dans %3.</translation>
    </message>
    <message>
        <source> The zip archive holds the gift %1 (%2).</source>
        <translation> L&apos;archive zip contient le cadeau %1 (%2).</translation>
    </message>
    <message>
        <source>Language of the gift: %1</source>
        <translation>Langue du cadeau&#xa0;: %1</translation>
    </message>
    <message>
        <source>&amp;Send this text with the gift:</source>
        <translation>&amp;Envoyez ce texte avec le cadeau&#xa0;:</translation>
    </message>
    <message>
        <source>How the recipient opens the gift; you can change it</source>
        <translation>Comment le destinataire ouvre le cadeau&#xa0;; vous pouvez modifier ce texte</translation>
    </message>
    <message>
        <source>&amp;Copy text</source>
        <translation>&amp;Copier le texte</translation>
    </message>
    <message>
        <source>Copies the text, to paste it into a mail or a message</source>
        <translation>Copie le texte pour le coller dans un e-mail ou un message</translation>
    </message>
    <message>
        <source>Show &amp;folder</source>
        <translation>Afficher le &amp;dossier</translation>
    </message>
    <message>
        <source>Opens the folder the gift was saved in</source>
        <translation>Ouvre le dossier où le cadeau a été enregistré</translation>
    </message>
</context>
<context>
    <name>quill::Magnifier</name>
    <message>
        <source>This desktop does not let programs read the screen, so the loupe cannot magnify it here.</source>
        <translation>Ce bureau ne permet pas aux programmes de lire l&apos;écran&#xa0;: la loupe ne peut pas l&apos;agrandir ici.</translation>
    </message>
</context>
<context>
    <name>quill::MakerWindow</name>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.heic *.heif *.avif *.webp *.tif *.tiff *.bmp *.gif);;All files (*)</source>
        <translation>Images (*.jpg *.jpeg *.png *.heic *.heif *.avif *.webp *.tif *.tiff *.bmp *.gif);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Fit for screens up to 1280 × 800</source>
        <translation>Adapter aux écrans jusqu&apos;à 1280 × 800</translation>
    </message>
    <message>
        <source>Fit for screens up to 1920 × 1080</source>
        <translation>Adapter aux écrans jusqu&apos;à 1920 × 1080</translation>
    </message>
    <message>
        <source>Fit for screens up to 2560 × 1440</source>
        <translation>Adapter aux écrans jusqu&apos;à 2560 × 1440</translation>
    </message>
    <message>
        <source>Keep its own size</source>
        <translation>Garder la taille d&apos;origine</translation>
    </message>
    <message>
        <source>the recipient&apos;s own</source>
        <translation>celle du destinataire</translation>
    </message>
    <message>
        <source>Quillmere Gift Maker</source>
        <translation>Quillmere Gift Maker</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Image</translation>
    </message>
    <message>
        <source>P&amp;ieces</source>
        <translation>&amp;Pièces</translation>
    </message>
    <message>
        <source>M&amp;essages</source>
        <translation>Me&amp;ssages</translation>
    </message>
    <message>
        <source>Music and s&amp;kin</source>
        <translation>Musique et &amp;habillage</translation>
    </message>
    <message>
        <source>The parts of the gift</source>
        <translation>Les éléments du cadeau</translation>
    </message>
    <message>
        <source>The picture with the pieces as the gift will cut them</source>
        <translation>L&apos;image avec les pièces telles que le cadeau la découpera</translation>
    </message>
    <message>
        <source>How far writing the gift has come</source>
        <translation>L&apos;avancement de l&apos;écriture du cadeau</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>&amp;Open picture...</source>
        <translation>&amp;Ouvrir une image…</translation>
    </message>
    <message>
        <source>Chooses the picture of the puzzle (Ctrl+O; you can also drop a picture on the window)</source>
        <translation>Choisit l&apos;image du puzzle (Ctrl+O&#xa0;; vous pouvez aussi déposer une image sur la fenêtre)</translation>
    </message>
    <message>
        <source>No picture yet</source>
        <translation>Pas encore d&apos;image</translation>
    </message>
    <message>
        <source>The picture file</source>
        <translation>Le fichier image</translation>
    </message>
    <message>
        <source>The picture&apos;s size and the size the gift stores</source>
        <translation>La taille de l&apos;image et celle que le cadeau enregistre</translation>
    </message>
    <message>
        <source>The size the gift stores the picture at: a smaller picture makes a smaller gift and fits smaller screens</source>
        <translation>La taille à laquelle le cadeau enregistre l&apos;image&#xa0;: une image plus petite donne un cadeau plus léger et tient sur de plus petits écrans</translation>
    </message>
    <message>
        <source>Stored si&amp;ze:</source>
        <translation>Tai&amp;lle enregistrée&#xa0;:</translation>
    </message>
    <message>
        <source>About the gift</source>
        <translation>À propos du cadeau</translation>
    </message>
    <message>
        <source>The puzzle&apos;s title</source>
        <translation>Le titre du puzzle</translation>
    </message>
    <message>
        <source>Your name, as the recipient sees it</source>
        <translation>Votre nom, tel que le destinataire le verra</translation>
    </message>
    <message>
        <source>A few words about the picture</source>
        <translation>Quelques mots sur l&apos;image</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>Tit&amp;re&#xa0;:</translation>
    </message>
    <message>
        <source>C&amp;reator:</source>
        <translation>A&amp;uteur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Description&#xa0;:</translation>
    </message>
    <message>
        <source>The language of the gift&apos;s menus, buttons and help; the recipient&apos;s own is the one their computer is set to</source>
        <translation>La langue des menus, boutons et de l&apos;aide du cadeau&#xa0;; celle du destinataire est celle de son ordinateur</translation>
    </message>
    <message>
        <source>&amp;Language of the gift:</source>
        <translation>La&amp;ngue du cadeau&#xa0;:</translation>
    </message>
    <message>
        <source>How many pieces you ask for; the grid comes nearest to it</source>
        <translation>Le nombre de pièces voulu&#xa0;; la grille s&apos;en approche au plus près</translation>
    </message>
    <message>
        <source>The grid the picture is cut into</source>
        <translation>La grille selon laquelle l&apos;image est découpée</translation>
    </message>
    <message>
        <source>Piece &amp;count:</source>
        <translation>Nom&amp;bre de pièces&#xa0;:</translation>
    </message>
    <message>
        <source>The shape of the pieces</source>
        <translation>La forme des pièces</translation>
    </message>
    <message>
        <source>&amp;Style:</source>
        <translation>St&amp;yle&#xa0;:</translation>
    </message>
    <message>
        <source>How irregular the pieces are, 0 to 10</source>
        <translation>L&apos;irrégularité des pièces, de 0 à 10</translation>
    </message>
    <message>
        <source>&amp;Oddness:</source>
        <translation>I&amp;rrégularité&#xa0;:</translation>
    </message>
    <message>
        <source> %</source>
        <translation>&#xa0;%</translation>
    </message>
    <message>
        <source>The share of fun pieces cut from the templates, in steps of 10 %</source>
        <translation>La part des pièces fantaisie découpées d&apos;après les modèles, par pas de 10&#xa0;%</translation>
    </message>
    <message>
        <source>A file of piece templates for the fun pieces</source>
        <translation>Un fichier de modèles de pièces pour les pièces fantaisie</translation>
    </message>
    <message>
        <source>Choose a template file</source>
        <translation>Choisir un fichier de modèles</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>How many templates the file holds</source>
        <translation>Le nombre de modèles que contient le fichier</translation>
    </message>
    <message>
        <source>&amp;Templates:</source>
        <translation>&amp;Modèles&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Rotation</source>
        <translation>R&amp;otation</translation>
    </message>
    <message>
        <source>Pieces start turned and must be turned upright</source>
        <translation>Les pièces sont tournées au départ et doivent être remises à l&apos;endroit</translation>
    </message>
    <message>
        <source>How the pieces&apos; edges are drawn</source>
        <translation>Comment les contours des pièces sont dessinés</translation>
    </message>
    <message>
        <source>O&amp;utlines:</source>
        <translation>Conto&amp;urs&#xa0;:</translation>
    </message>
    <message>
        <source>Mystery mo&amp;de</source>
        <translation>Mo&amp;de mystère</translation>
    </message>
    <message>
        <source>The picture is not shown while solving</source>
        <translation>L&apos;image n&apos;est pas affichée pendant la partie</translation>
    </message>
    <message>
        <source>&amp;Board colour...</source>
        <translation>Cou&amp;leur du plateau…</translation>
    </message>
    <message>
        <source>The colour of the board the pieces lie on</source>
        <translation>La couleur du plateau sur lequel reposent les pièces</translation>
    </message>
    <message>
        <source>Cuts the picture with other shapes of the same style</source>
        <translation>Découpe l&apos;image avec d&apos;autres formes du même style</translation>
    </message>
    <message>
        <source>The message&apos;s text</source>
        <translation>Le texte du message</translation>
    </message>
    <message>
        <source>The message&apos;s font</source>
        <translation>La police du message</translation>
    </message>
    <message>
        <source> pt</source>
        <translation> pt</translation>
    </message>
    <message>
        <source>The font&apos;s size</source>
        <translation>La taille de la police</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Gras</translation>
    </message>
    <message>
        <source>Bold letters</source>
        <translation>Lettres en gras</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Italique</translation>
    </message>
    <message>
        <source>Slanted letters</source>
        <translation>Lettres en italique</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Souligné</translation>
    </message>
    <message>
        <source>Underlined letters</source>
        <translation>Lettres soulignées</translation>
    </message>
    <message>
        <source>Text colour...</source>
        <translation>Couleur du texte…</translation>
    </message>
    <message>
        <source>The colour of the letters</source>
        <translation>La couleur des lettres</translation>
    </message>
    <message>
        <source>Background...</source>
        <translation>Fond…</translation>
    </message>
    <message>
        <source>The colour behind the message</source>
        <translation>La couleur derrière le message</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>À gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>À droite</translation>
    </message>
    <message>
        <source>Centred</source>
        <translation>Centré</translation>
    </message>
    <message>
        <source>How the lines are aligned</source>
        <translation>L&apos;alignement des lignes</translation>
    </message>
    <message>
        <source>Music played while solving</source>
        <translation>Musique jouée pendant la partie</translation>
    </message>
    <message>
        <source>Choose music</source>
        <translation>Choisir une musique</translation>
    </message>
    <message>
        <source>Music (*.mp3 *.ogg *.opus *.wav *.flac *.mid *.midi);;All files (*)</source>
        <translation>Musique (*.mp3 *.ogg *.opus *.wav *.flac *.mid *.midi);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Plays or stops the music</source>
        <translation>Lance ou arrête la musique</translation>
    </message>
    <message>
        <source>A picture for the tool bar and panels</source>
        <translation>Une image pour la barre d&apos;outils et les panneaux</translation>
    </message>
    <message>
        <source>Choose a skin</source>
        <translation>Choisir un habillage</translation>
    </message>
    <message>
        <source>The skin on a panel</source>
        <translation>L&apos;habillage sur un panneau</translation>
    </message>
    <message>
        <source>Include e&amp;verything it needs to run (larger file)</source>
        <translation>Inclure &amp;tout le nécessaire pour fonctionner (fichier plus gros)</translation>
    </message>
    <message>
        <source>The gift brings the libraries it needs, so it runs on any Linux computer; most recipients need this</source>
        <translation>Le cadeau emporte les bibliothèques dont il a besoin et fonctionne ainsi sur tout ordinateur Linux&#xa0;; la plupart des destinataires en ont besoin</translation>
    </message>
    <message>
        <source>How large the gift will be</source>
        <translation>La taille qu&apos;aura le cadeau</translation>
    </message>
    <message>
        <source>Tr&amp;y it</source>
        <translation>&amp;Essayer</translation>
    </message>
    <message>
        <source>Starts the gift as the recipient will see it</source>
        <translation>Lance le cadeau tel que le destinataire le verra</translation>
    </message>
    <message>
        <source>&amp;Make gift...</source>
        <translation>&amp;Créer le cadeau…</translation>
    </message>
    <message>
        <source>Saves the gift (Ctrl+S)</source>
        <translation>Enregistre le cadeau (Ctrl+S)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Recent pictures</source>
        <translation>Images &amp;récentes</translation>
    </message>
    <message>
        <source>(none yet)</source>
        <translation>(aucune pour l&apos;instant)</translation>
    </message>
    <message>
        <source>&amp;Text to send with the gift...</source>
        <translation>&amp;Texte à envoyer avec le cadeau…</translation>
    </message>
    <message>
        <source>Text to send</source>
        <translation>Texte à envoyer</translation>
    </message>
    <message>
        <source>Make a gift first.</source>
        <translation>Créez d&apos;abord un cadeau.</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;How to make a gift</source>
        <translation>&amp;Comment créer un cadeau</translation>
    </message>
    <message>
        <source>How to make a gift</source>
        <translation>Comment créer un cadeau</translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 = %n pieces</source>
        <translation>
            <numerusform>%1 × %2 = %n pièce</numerusform>
            <numerusform>%1 × %2 = %n pièces</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 × %2 pixels; the gift stores %3</source>
        <translation>%1 × %2 pixels&#xa0;; le cadeau enregistre %3</translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Ouvrir une image</translation>
    </message>
    <message>
        <source>Choose a picture to see how large the gift will be.</source>
        <translation>Choisissez une image pour voir la taille qu&apos;aura le cadeau.</translation>
    </message>
    <message>
        <source>The gift: about %1 (it runs where Qt 6 is installed).</source>
        <translation>Le cadeau&#xa0;: environ %1 (il fonctionne là où Qt 6 est installé).</translation>
    </message>
    <message>
        <source>The gift: about %1 with everything it needs to run on any Linux computer; %2 without.</source>
        <translation>Le cadeau&#xa0;: environ %1 avec tout le nécessaire pour fonctionner sur tout ordinateur Linux&#xa0;; %2 sans.</translation>
    </message>
    <message>
        <source>The gift: about %1; %2 with everything it needs to run on any Linux computer.</source>
        <translation>Le cadeau&#xa0;: environ %1&#xa0;; %2 avec tout le nécessaire pour fonctionner sur tout ordinateur Linux.</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>A&amp;rrêter</translation>
    </message>
    <message>
        <source>Choose a picture first</source>
        <translation>Choisissez d&apos;abord une image</translation>
    </message>
    <message>
        <source>No player to copy was found beside the gift maker</source>
        <translation>Aucun programme de jeu à copier n&apos;a été trouvé à côté du créateur de cadeaux</translation>
    </message>
    <message>
        <source>Save gift</source>
        <translation>Enregistrer le cadeau</translation>
    </message>
    <message>
        <source>Zip archive, ready to send (*.zip)</source>
        <translation>Archive zip, prête à envoyer (*.zip)</translation>
    </message>
    <message>
        <source>The gift program alone (*)</source>
        <translation>Le programme du cadeau seul (*)</translation>
    </message>
    <message>
        <source>The gift is saved as %1 (%2)</source>
        <translation>Le cadeau est enregistré sous %1 (%2)</translation>
    </message>
    <message>
        <source>Opening message</source>
        <translation>Message d&apos;accueil</translation>
    </message>
    <message>
        <source>Shown when the gift starts.</source>
        <translation>Affiché au lancement du cadeau.</translation>
    </message>
    <message>
        <source>Closing message</source>
        <translation>Message d&apos;adieu</translation>
    </message>
    <message>
        <source>Your farewell, shown every time the gift is closed.</source>
        <translation>Votre message d&apos;adieu, affiché à chaque fermeture du cadeau.</translation>
    </message>
    <message>
        <source>Fu&amp;n pieces:</source>
        <translation>Pièces fa&amp;ntaisie&#xa0;:</translation>
    </message>
    <message>
        <source>Ne&amp;w shapes</source>
        <translation>Nou&amp;velles formes</translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation>Éc&amp;outer</translation>
    </message>
    <message>
        <source>M&amp;usic:</source>
        <translation>&amp;Musique&#xa0;:</translation>
    </message>
    <message>
        <source>Ski&amp;n:</source>
        <translation>Ha&amp;billage&#xa0;:</translation>
    </message>
    <message>
        <source>&lt;ol&gt;&lt;li&gt;&lt;b&gt;Picture&lt;/b&gt;: open a photo (File, Open picture, or drop it on the window). JPEG, PNG, HEIC, AVIF, WebP and TIFF pictures are turned upright and stored at the size chosen; a title, your name, a few words and the language of the gift (the recipient&apos;s own unless you choose one) go with it.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Pieces&lt;/b&gt;: how many, their shape and style; the preview shows the cut.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Messages&lt;/b&gt;: the opening message greets the recipient when the gift starts; the closing message is your farewell, shown every time the gift is closed.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Music and skin&lt;/b&gt;: optional music while solving and a picture for the tool bar.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Try it&lt;/b&gt; starts the gift as the recipient will see it.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Make gift&lt;/b&gt; saves it, best as a .zip archive: sent as a bare file, a gift loses the right to run on its way. The window then gives a short text to send with it that tells the recipient how to open it: extract the .zip, double-click the gift, and where that does nothing, Properties, Allow executing as program.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;Include everything it needs to run, unless you know the recipient has Qt 6 installed.&lt;/p&gt;</source>
        <translation>&lt;ol&gt;&lt;li&gt;&lt;b&gt;Image&lt;/b&gt;&#xa0;: ouvrez une photo (Fichier, Ouvrir une image, ou déposez-la sur la fenêtre). Les images JPEG, PNG, HEIC, AVIF, WebP et TIFF sont redressées et enregistrées à la taille choisie&#xa0;; un titre, votre nom, quelques mots et la langue du cadeau (celle du destinataire si vous n&apos;en choisissez pas) les accompagnent.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Pièces&lt;/b&gt;&#xa0;: leur nombre, leur forme et leur style&#xa0;; l&apos;aperçu montre le découpage.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Messages&lt;/b&gt;&#xa0;: le message d&apos;accueil salue le destinataire au lancement du cadeau&#xa0;; le message d&apos;adieu est votre au revoir, affiché à chaque fermeture du cadeau.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Musique et habillage&lt;/b&gt;&#xa0;: une musique facultative pendant la partie et une image pour la barre d&apos;outils.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Essayer&lt;/b&gt; lance le cadeau tel que le destinataire le verra.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Créer le cadeau&lt;/b&gt; l&apos;enregistre, de préférence en archive .zip&#xa0;: envoyé comme simple fichier, un cadeau perd en chemin le droit de s&apos;exécuter. La fenêtre vous donne ensuite un court texte à envoyer avec, qui explique au destinataire comment l&apos;ouvrir&#xa0;: extraire le .zip, double-cliquer sur le cadeau et, si rien ne se passe, Propriétés, Autoriser l&apos;exécution du fichier comme un programme.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;Incluez tout le nécessaire pour fonctionner, sauf si vous savez que le destinataire a installé Qt 6.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>quill::MessagePreview</name>
    <message>
        <source>The message as the gift&apos;s splash screen shows it</source>
        <translation>Le message tel que l&apos;écran d&apos;accueil du cadeau l&apos;affiche</translation>
    </message>
</context>
<context>
    <name>quill::PieceSizeDialog</name>
    <message>
        <source>Classic|The traditional jigsaw piece style</source>
        <translation>Classique|La forme traditionnelle des pièces de puzzle</translation>
    </message>
    <message>
        <source>Blip|Straight edges and round tabs</source>
        <translation>Boutons|Bords droits et tenons ronds</translation>
    </message>
    <message>
        <source>Squares|Straight edges and no tabs</source>
        <translation>Carrés|Bords droits sans tenons</translation>
    </message>
    <message>
        <source>Stars|Straight edges and pointed tabs</source>
        <translation>Étoiles|Bords droits et tenons pointus</translation>
    </message>
    <message>
        <source>Bubbles|Curved edges and no tabs</source>
        <translation>Bulles|Bords courbes sans tenons</translation>
    </message>
    <message>
        <source>Mixture|A random mixture of all the different styles</source>
        <translation>Mélange|Un mélange au hasard de toutes les formes</translation>
    </message>
    <message>
        <source>Set Piece Size and Shape</source>
        <translation>Taille et forme des pièces</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille&#xa0;:</translation>
    </message>
    <message>
        <source>|Set the size of pieces</source>
        <translation>|Régler la taille des pièces</translation>
    </message>
    <message>
        <source>Oddness:</source>
        <translation>Irrégularité&#xa0;:</translation>
    </message>
    <message>
        <source>|Set the amount of shape irregularity</source>
        <translation>|Régler l&apos;irrégularité des formes</translation>
    </message>
    <message>
        <source>Fun pieces:</source>
        <translation>Pièces fantaisie&#xa0;:</translation>
    </message>
    <message>
        <source>|Set the percentage of custom pieces in jigsaw</source>
        <translation>|Régler la part de pièces fantaisie dans le puzzle</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Apply changes</source>
        <translation>Appliquer les modifications</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>|Press OK to apply the new size</source>
        <translation>|Cliquer sur OK pour appliquer la nouvelle taille</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help on this screen</source>
        <translation>Aide sur cette fenêtre</translation>
    </message>
</context>
<context>
    <name>quill::QuickHelpDialog</name>
    <message>
        <source>Left mouse</source>
        <translation>Bouton gauche</translation>
    </message>
    <message>
        <source>Move piece</source>
        <translation>Déplacer la pièce</translation>
    </message>
    <message>
        <source>Right mouse</source>
        <translation>Bouton droit</translation>
    </message>
    <message>
        <source>Piece popup menu</source>
        <translation>Menu de la pièce</translation>
    </message>
    <message>
        <source>Shift+left mouse</source>
        <translation>Maj+bouton gauche</translation>
    </message>
    <message>
        <source>Fetch neighbor</source>
        <translation>Apporter une voisine</translation>
    </message>
    <message>
        <source>Shift+right mouse</source>
        <translation>Maj+bouton droit</translation>
    </message>
    <message>
        <source>Show neighbor</source>
        <translation>Montrer une voisine</translation>
    </message>
    <message>
        <source>Ctrl+left mouse</source>
        <translation>Ctrl+bouton gauche</translation>
    </message>
    <message>
        <source>Rotate piece left</source>
        <translation>Tourner la pièce à gauche</translation>
    </message>
    <message>
        <source>Ctrl+right mouse</source>
        <translation>Ctrl+bouton droit</translation>
    </message>
    <message>
        <source>Rotate piece right</source>
        <translation>Tourner la pièce à droite</translation>
    </message>
    <message>
        <source>Ctrl+Shift+left mouse</source>
        <translation>Ctrl+Maj+bouton gauche</translation>
    </message>
    <message>
        <source>Solve this piece</source>
        <translation>Placer cette pièce</translation>
    </message>
    <message>
        <source>Ctrl+Shift+right mouse</source>
        <translation>Ctrl+Maj+bouton droit</translation>
    </message>
    <message>
        <source>Show piece solution</source>
        <translation>Montrer la place de la pièce</translation>
    </message>
    <message>
        <source>Scroll wheel click</source>
        <translation>Clic de la molette</translation>
    </message>
    <message>
        <source>Hold piece</source>
        <translation>Tenir la pièce</translation>
    </message>
    <message>
        <source>Scroll wheel rotate</source>
        <translation>Rotation de la molette</translation>
    </message>
    <message>
        <source>Rotate piece</source>
        <translation>Tourner la pièce</translation>
    </message>
    <message>
        <source>Drag band to select pieces</source>
        <translation>Tracer un cadre pour sélectionner des pièces</translation>
    </message>
    <message>
        <source>Board popup menu</source>
        <translation>Menu du plateau</translation>
    </message>
    <message>
        <source>Left mouse (hold 3 seconds)</source>
        <translation>Bouton gauche (maintenu 3 secondes)</translation>
    </message>
    <message>
        <source>Move ghost around</source>
        <translation>Déplacer le fantôme</translation>
    </message>
    <message>
        <source>Fetch piece to ghost</source>
        <translation>Apporter la pièce sur le fantôme</translation>
    </message>
    <message>
        <source>Find piece to fit ghost</source>
        <translation>Trouver la pièce du fantôme</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Zoom picture</source>
        <translation>Zoom sur l&apos;image</translation>
    </message>
    <message>
        <source>Picture window</source>
        <translation>Fenêtre de l&apos;image</translation>
    </message>
    <message>
        <source>Loupe window</source>
        <translation>Fenêtre de la loupe</translation>
    </message>
    <message>
        <source>Ghost background</source>
        <translation>Image fantôme en arrière-plan</translation>
    </message>
    <message>
        <source>Advanced options</source>
        <translation>Options avancées</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Enregistrer la partie</translation>
    </message>
    <message>
        <source>Hint!</source>
        <translation>Indice&#xa0;!</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Mouse click over a piece:</source>
        <translation>Clic sur une pièce&#xa0;:</translation>
    </message>
    <message>
        <source>Mouse click over background:</source>
        <translation>Clic sur le fond&#xa0;:</translation>
    </message>
    <message>
        <source>Mouse click over ghost:</source>
        <translation>Clic sur le fantôme&#xa0;:</translation>
    </message>
    <message>
        <source>Keyboard:</source>
        <translation>Clavier&#xa0;:</translation>
    </message>
    <message>
        <source>Quick help - shortcuts</source>
        <translation>Aide rapide – raccourcis</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>Plus…</translation>
    </message>
</context>
<context>
    <name>quill::TLoupeForm</name>
    <message>
        <source>Loupe: %1x</source>
        <translation>Loupe&#xa0;: %1x</translation>
    </message>
</context>
<context>
    <name>quill::TOverlayForm</name>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
</context>
<context>
    <name>quill::TrayDialog</name>
    <message>
        <source>Tray Description</source>
        <translation>Description du bac</translation>
    </message>
    <message>
        <source>Enter a name or short description for tray:</source>
        <translation>Saisissez un nom ou une courte description pour le bac&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
</context>
</TS>
