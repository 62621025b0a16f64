<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>GiftMaking</name>
    <message>
        <source>The gift would be larger than 2 GB</source>
        <translation>Подарок получился бы больше 2 ГБ</translation>
    </message>
    <message>
        <source>A gift needs a picture</source>
        <translation>Подарку нужна картинка</translation>
    </message>
    <message>
        <source>The picture is not a JPEG file</source>
        <translation>Картинка — не файл JPEG</translation>
    </message>
    <message>
        <source>The skin picture is not a JPEG file</source>
        <translation>Картинка обложки — не файл JPEG</translation>
    </message>
    <message>
        <source>A text of the gift holds &quot;%1&quot;, which marks the gift&apos;s header</source>
        <translation>Текст подарка содержит «%1», а это метка заголовка подарка</translation>
    </message>
    <message>
        <source>A jigsaw needs at least %1 pieces</source>
        <translation>Наименьшее число деталей в пазле: %1</translation>
    </message>
    <message>
        <source>The picture of %1x%2 pixels cut into %3 pieces gives a single piece, and a jigsaw needs at least %4: use a larger picture or ask for more pieces</source>
        <translation>Картинка %1x%2 пикселей при заданном числе деталей %3 даёт лишь одну деталь, а наименьшее число деталей в пазле — %4: возьмите картинку побольше или задайте больше деталей</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;</source>
        <translation>Не удаётся открыть файл «%1»</translation>
    </message>
    <message>
        <source>File %1 could not be written</source>
        <translation>Не удалось записать файл %1</translation>
    </message>
    <message>
        <source>is needed</source>
        <translation>нужно указать</translation>
    </message>
    <message>
        <source>%1 (bytes that are not UTF-8)</source>
        <translation>%1 (байты не в UTF-8)</translation>
    </message>
    <message>
        <source>has characters a gift cannot hold (its texts are Windows-1252): %1</source>
        <translation>содержит символы, которые подарок не может хранить (его тексты в Windows-1252): %1</translation>
    </message>
    <message>
        <source>is %1 characters long, %2 more than the %3 a gift holds</source>
        <translation>слишком длинный: символов — %1, на %2 больше, чем вмещает подарок (%3)</translation>
    </message>
    <message>
        <source>has bytes that are not UTF-8 text</source>
        <translation>содержит байты, которые не являются текстом UTF-8</translation>
    </message>
    <message>
        <source>may not hold &quot;%1&quot;: it marks where the gift&apos;s settings start</source>
        <translation>не может содержать «%1»: это метка начала настроек подарка</translation>
    </message>
    <message>
        <source>is too long: %1 bytes of UTF-8, %2 more than the %3 a gift holds (a letter takes one byte in English, two in Polish or Russian, three in Japanese, four for an emoji)</source>
        <translation>слишком длинный: %1 Б в UTF-8, на %2 Б больше, чем вмещает подарок (%3 Б; буква занимает один байт в английском, два в польском или русском, три в японском, а эмодзи — четыре)</translation>
    </message>
    <message>
        <source>is %1; it must be from %2 to %3</source>
        <translation>равно %1; допустимо от %2 до %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a colour name such as clCream nor a number</source>
        <translation>«%1» — это не название цвета вроде clCream и не число</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a file</source>
        <translation>«%1» не является файлом</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read</source>
        <translation>не удаётся прочитать «%1»</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; does not exist</source>
        <translation>папка «%1» не существует</translation>
    </message>
    <message>
        <source>would overwrite &quot;%1&quot;, which the gift is made from</source>
        <translation>перезаписал бы «%1», из которого делается подарок</translation>
    </message>
    <message>
        <source>a template block needs its number of templates, and a number needs the block</source>
        <translation>блоку шаблонов нужно число шаблонов, а числу нужен блок</translation>
    </message>
    <message>
        <source>the music&apos;s extension &quot;%1&quot; must be a dot and one to three letters or digits, such as .ogg</source>
        <translation>расширение музыки «%1» должно состоять из точки и одной–трёх букв или цифр, например .ogg</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a language code such as de, pl or pt-BR</source>
        <translation>«%1» — это не код языка вроде de, pl или pt-BR</translation>
    </message>
    <message>
        <source>Reading the skin</source>
        <translation>Чтение обложки</translation>
    </message>
    <message>
        <source>Reading the music and templates</source>
        <translation>Чтение музыки и шаблонов</translation>
    </message>
    <message>
        <source>Writing the gift</source>
        <translation>Запись подарка</translation>
    </message>
    <message>
        <source>Packing the gift in a zip archive</source>
        <translation>Упаковка подарка в zip-архив</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>The zip archive could not be made (zlib did not start)</source>
        <translation>Не удалось создать zip-архив (zlib не запустилась)</translation>
    </message>
    <message>
        <source>The gift is too large for a zip archive (4 GB and more)</source>
        <translation>Подарок слишком велик для zip-архива (4 ГБ и больше)</translation>
    </message>
    <message>
        <source>The HEIF picture could not be read (%1: %2): save it as JPEG or PNG first</source>
        <translation>Не удалось прочитать картинку HEIF (%1: %2): сначала сохраните её как JPEG или PNG</translation>
    </message>
    <message>
        <source>The HEIF picture has no pixels: save it as JPEG or PNG first</source>
        <translation>В картинке HEIF нет пикселей: сначала сохраните её как JPEG или PNG</translation>
    </message>
    <message>
        <source>No portable player found at %1; give the player to copy with --player PLAYER</source>
        <translation>Переносная программа игры не найдена в %1; укажите программу игры для копирования параметром --player PLAYER</translation>
    </message>
    <message>
        <source>No player found at %1; give the player to copy with --player PLAYER</source>
        <translation>Программа игры не найдена в %1; укажите программу игры для копирования параметром --player PLAYER</translation>
    </message>
    <message>
        <source>Install FluidSynth and a General MIDI sound font (the Debian packages fluidsynth and fluid-soundfont-gm), or save the music as Ogg Vorbis, MP3, FLAC or WAV.</source>
        <translation>Установите FluidSynth и банк звуков General MIDI (пакеты Debian fluidsynth и fluid-soundfont-gm) или сохраните музыку как Ogg Vorbis, MP3, FLAC или WAV.</translation>
    </message>
    <message>
        <source>The music file cannot be read.</source>
        <translation>Не удаётся прочитать файл музыки.</translation>
    </message>
    <message>
        <source>The MIDI music gave no sound.</source>
        <translation>Из музыки MIDI не получилось звука.</translation>
    </message>
    <message>
        <source>The MIDI music cannot be stored as Ogg Vorbis.</source>
        <translation>Не удаётся сохранить музыку MIDI как Ogg Vorbis.</translation>
    </message>
    <message>
        <source>MIDI music needs FluidSynth and a General MIDI sound font to be turned into sound every computer can play.</source>
        <translation>Чтобы превратить музыку MIDI в звук, который сыграет любой компьютер, нужны FluidSynth и банк звуков General MIDI.</translation>
    </message>
    <message>
        <source>There is no room for the MIDI music&apos;s sound.</source>
        <translation>Нет места для звука музыки MIDI.</translation>
    </message>
    <message>
        <source>FluidSynth could not play the MIDI music.</source>
        <translation>FluidSynth не смог сыграть музыку MIDI.</translation>
    </message>
    <message>
        <source>FluidSynth could not play the MIDI music: %1</source>
        <translation>FluidSynth не смог сыграть музыку MIDI: %1</translation>
    </message>
    <message>
        <source>Picture ready</source>
        <translation>Картинка готова</translation>
    </message>
    <message>
        <source>The picture is %1 pixels: more than the %2 million pixels the gift maker reads</source>
        <translation>Размер картинки — %1 пикселей: больше %2 млн пикселей, которые читает программа создания подарков</translation>
    </message>
    <message>
        <source>This is not a picture the gift maker can read (it reads %1): save it as JPEG or PNG first</source>
        <translation>Программа создания подарков не умеет читать эту картинку (она читает %1): сначала сохраните её как JPEG или PNG</translation>
    </message>
    <message>
        <source>The picture could not be read (%1): save it as JPEG or PNG first</source>
        <translation>Не удалось прочитать картинку (%1): сначала сохраните её как JPEG или PNG</translation>
    </message>
    <message>
        <source>The picture would be stored at %1 pixels; the player cuts pictures of at most %2 pixels a side, so let it be fitted to a smaller size</source>
        <translation>Картинка была бы сохранена размером %1 пикселей; программа игры режет картинки не больше %2 пикселей по стороне, поэтому позвольте подогнать её под меньший размер</translation>
    </message>
    <message>
        <source>The picture file is empty</source>
        <translation>Файл картинки пуст</translation>
    </message>
    <message>
        <source>Reading the picture</source>
        <translation>Чтение картинки</translation>
    </message>
    <message>
        <source>Turning the picture upright</source>
        <translation>Поворот картинки</translation>
    </message>
    <message>
        <source>Scaling the picture</source>
        <translation>Масштабирование картинки</translation>
    </message>
    <message>
        <source>Storing the picture as JPEG</source>
        <translation>Сохранение картинки как JPEG</translation>
    </message>
    <message>
        <source>converted from CMYK</source>
        <translation>преобразована из CMYK</translation>
    </message>
    <message>
        <source>converted from %1</source>
        <translation>преобразована из %1</translation>
    </message>
    <message>
        <source>turned upright from %1 (EXIF orientation %2)</source>
        <translation>повёрнута из %1 (ориентация EXIF %2)</translation>
    </message>
    <message>
        <source>scaled from %1 to %2 to fit %3</source>
        <translation>уменьшена с %1 до %2, чтобы уместиться в %3</translation>
    </message>
    <message>
        <source>kept at its own size as asked</source>
        <translation>оставлена в исходном размере, как задано</translation>
    </message>
    <message>
        <source>kept at its own size, within %1</source>
        <translation>оставлена в исходном размере, в пределах %1</translation>
    </message>
    <message>
        <source>the file stored as it is</source>
        <translation>файл сохранён как есть</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1&#xa0;КБ</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1&#xa0;МБ</translation>
    </message>
</context>
<context>
    <name>MainForm</name>
    <message>
        <source>Open|Open or create a jigsaw</source>
        <translation>Открыть|Открыть или создать пазл</translation>
    </message>
    <message>
        <source>Save|Save the jigsaw in progress</source>
        <translation>Сохранить|Сохранить текущий пазл</translation>
    </message>
    <message>
        <source>Picture|Toggle the picture overlay (F3)</source>
        <translation>Картинка|Показать или скрыть окно картинки (F3)</translation>
    </message>
    <message>
        <source>Loupe|Toggle the magnifying glass (F4)</source>
        <translation>Лупа|Показать или скрыть лупу (F4)</translation>
    </message>
    <message>
        <source>Ghost Picture|Toggle the ghost picture backdrop</source>
        <translation>Картинка-призрак|Показать или скрыть картинку-призрак на фоне</translation>
    </message>
    <message>
        <source>Zoom|Display the jigsaw image full-screen (F2)</source>
        <translation>Увеличение|Показать картинку пазла во весь экран (F2)</translation>
    </message>
    <message>
        <source>Board color|Choose a new background board color</source>
        <translation>Цвет поля|Выбрать новый цвет поля</translation>
    </message>
    <message>
        <source>Piece size and shape|Change the size and shape of pieces</source>
        <translation>Размер и форма деталей|Изменить размер и форму деталей</translation>
    </message>
    <message>
        <source>Arrange at edge|Arrange pieces around edge</source>
        <translation>Разложить по краю|Разложить детали по краю</translation>
    </message>
    <message>
        <source>Arrange in grid|Arrange pieces in a grid</source>
        <translation>Разложить сеткой|Разложить детали сеткой</translation>
    </message>
    <message>
        <source>New tray|Create a new tray for storing pieces</source>
        <translation>Новый лоток|Создать новый лоток для хранения деталей</translation>
    </message>
    <message>
        <source>Sound|Turn sound effects on/off</source>
        <translation>Звук|Включить или выключить звуковые эффекты</translation>
    </message>
    <message>
        <source>Music|Turn background music on/off</source>
        <translation>Музыка|Включить или выключить фоновую музыку</translation>
    </message>
    <message>
        <source>Hint|Flash the next two pieces to solve</source>
        <translation>Подсказка|Подсветить две следующие детали, которые подходят друг к другу</translation>
    </message>
    <message>
        <source>Quick Help|Display mouse and keyboard controls</source>
        <translation>Краткая справка|Показать управление мышью и клавиатурой</translation>
    </message>
    <message>
        <source>Brighten ghost|Increase the ghost picture brightness</source>
        <translation>Призрак ярче|Сделать картинку-призрак ярче</translation>
    </message>
    <message>
        <source>Fade ghost|Decrease the ghost picture brightness</source>
        <translation>Призрак бледнее|Сделать картинку-призрак бледнее</translation>
    </message>
    <message>
        <source>|Time in hours and minutes since jigsaw started</source>
        <translation>|Время в часах и минутах с начала сборки</translation>
    </message>
    <message>
        <source>|Number of pieces solved out of total</source>
        <translation>|Число собранных деталей из общего числа</translation>
    </message>
    <message>
        <source>Scroll left|Show the trays further left</source>
        <translation>Прокрутить влево|Показать лотки левее</translation>
    </message>
    <message>
        <source>Scroll right|Show the trays further right</source>
        <translation>Прокрутить вправо|Показать лотки правее</translation>
    </message>
    <message>
        <source>Scroll up|Show the trays further up</source>
        <translation>Прокрутить вверх|Показать лотки выше</translation>
    </message>
    <message>
        <source>Scroll down|Show the trays further down</source>
        <translation>Прокрутить вниз|Показать лотки ниже</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Create...</source>
        <translation>&amp;Создать…</translation>
    </message>
    <message>
        <source>|Create a new jigsaw</source>
        <translation>|Создать новый пазл</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Открыть…</translation>
    </message>
    <message>
        <source>|Open or create a jigsaw</source>
        <translation>|Открыть или создать пазл</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Со&amp;хранить</translation>
    </message>
    <message>
        <source>|Save the jigsaw in progress</source>
        <translation>|Сохранить текущий пазл</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Сохранить &amp;как…</translation>
    </message>
    <message>
        <source>|Save the jigsaw under a new name</source>
        <translation>|Сохранить пазл под новым именем</translation>
    </message>
    <message>
        <source>Save as &amp;Gift...</source>
        <translation>Сохранить как по&amp;дарок…</translation>
    </message>
    <message>
        <source>|Save the jigsaw as a gift</source>
        <translation>|Сохранить пазл как подарок</translation>
    </message>
    <message>
        <source>Save as Screen Sa&amp;ver...</source>
        <translation>Сохранить как &amp;заставку…</translation>
    </message>
    <message>
        <source>|Save the jigsaw as a screensaver</source>
        <translation>|Сохранить пазл как заставку экрана</translation>
    </message>
    <message>
        <source>&amp;Delete...</source>
        <translation>&amp;Удалить…</translation>
    </message>
    <message>
        <source>|Delete a jigsaw</source>
        <translation>|Удалить пазл</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Пе&amp;чать…</translation>
    </message>
    <message>
        <source>|Print the picture</source>
        <translation>|Напечатать картинку</translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation>Настройка &amp;принтера…</translation>
    </message>
    <message>
        <source>|Set up the printer</source>
        <translation>|Настроить принтер</translation>
    </message>
    <message>
        <source>Re&amp;start...</source>
        <translation>&amp;Начать заново…</translation>
    </message>
    <message>
        <source>|Restart the jigsaw from scratch</source>
        <translation>|Начать пазл с самого начала</translation>
    </message>
    <message>
        <source>|Open this recent jigsaw</source>
        <translation>|Открыть этот недавний пазл</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>|Close the jigsaw</source>
        <translation>|Закрыть пазл</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Tool bar</source>
        <translation>&amp;Панель инструментов</translation>
    </message>
    <message>
        <source>|Show or hide the tool bar</source>
        <translation>|Показать или скрыть панель инструментов</translation>
    </message>
    <message>
        <source>&amp;Status bar</source>
        <translation>&amp;Строка состояния</translation>
    </message>
    <message>
        <source>|Show or hide the status bar</source>
        <translation>|Показать или скрыть строку состояния</translation>
    </message>
    <message>
        <source>T&amp;ray bar</source>
        <translation>Панель &amp;лотков</translation>
    </message>
    <message>
        <source>|Show or hide the tray bar</source>
        <translation>|Показать или скрыть панель лотков</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Картинка</translation>
    </message>
    <message>
        <source>|Show the picture window</source>
        <translation>|Показать окно картинки</translation>
    </message>
    <message>
        <source>&amp;Loupe</source>
        <translation>Л&amp;упа</translation>
    </message>
    <message>
        <source>|Show the magnifying glass</source>
        <translation>|Показать увеличительное стекло</translation>
    </message>
    <message>
        <source>&amp;Ghost picture</source>
        <translation>Картинка-при&amp;зрак</translation>
    </message>
    <message>
        <source>|Show a faded picture on the board</source>
        <translation>|Показать бледную картинку на поле</translation>
    </message>
    <message>
        <source>&amp;Zoom picture</source>
        <translation>Увеличе&amp;ние</translation>
    </message>
    <message>
        <source>|Display the picture full-screen</source>
        <translation>|Показать картинку во весь экран</translation>
    </message>
    <message>
        <source>&amp;Board Color</source>
        <translation>&amp;Цвет поля</translation>
    </message>
    <message>
        <source>|Choose the colour of the board</source>
        <translation>|Выбрать цвет поля</translation>
    </message>
    <message>
        <source>Custom...</source>
        <translation>Свой…</translation>
    </message>
    <message>
        <source>|Pick any colour for the board</source>
        <translation>|Выбрать любой цвет поля</translation>
    </message>
    <message>
        <source>Matching</source>
        <translation>Подходящий</translation>
    </message>
    <message>
        <source>|A board colour that matches the picture</source>
        <translation>|Цвет поля, подходящий к картинке</translation>
    </message>
    <message>
        <source>Contrasting</source>
        <translation>Контрастный</translation>
    </message>
    <message>
        <source>|A board colour that contrasts with the picture</source>
        <translation>|Цвет поля, контрастный к картинке</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <source>|The board colour the jigsaw came with</source>
        <translation>|Исходный цвет поля этого пазла</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>С&amp;ервис</translation>
    </message>
    <message>
        <source>Arrange at &amp;Edge</source>
        <translation>Разложить по &amp;краю</translation>
    </message>
    <message>
        <source>|Arrange the loose pieces around the edge</source>
        <translation>|Разложить свободные детали по краю</translation>
    </message>
    <message>
        <source>Arrange in &amp;Grid</source>
        <translation>Разложить &amp;сеткой</translation>
    </message>
    <message>
        <source>|Arrange the loose pieces in a grid</source>
        <translation>|Разложить свободные детали сеткой</translation>
    </message>
    <message>
        <source>&amp;Disarrange</source>
        <translation>&amp;Перемешать</translation>
    </message>
    <message>
        <source>|Scatter the loose pieces at random</source>
        <translation>|Разбросать свободные детали в случайном порядке</translation>
    </message>
    <message>
        <source>&amp;Piece Size...</source>
        <translation>&amp;Размер деталей…</translation>
    </message>
    <message>
        <source>|Change the size and shape of the pieces</source>
        <translation>|Изменить размер и форму деталей</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Отменить</translation>
    </message>
    <message>
        <source>|Undo the last step</source>
        <translation>|Отменить последний шаг</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Пов&amp;торить</translation>
    </message>
    <message>
        <source>|Redo the step just undone</source>
        <translation>|Повторить только что отменённый шаг</translation>
    </message>
    <message>
        <source>&amp;Demo</source>
        <translation>&amp;Демо</translation>
    </message>
    <message>
        <source>|Watch the jigsaw solve itself</source>
        <translation>|Посмотреть, как пазл собирается сам</translation>
    </message>
    <message>
        <source>More &amp;Tips...</source>
        <translation>Ещё сов&amp;еты…</translation>
    </message>
    <message>
        <source>|Read tips on playing</source>
        <translation>|Прочитать советы по игре</translation>
    </message>
    <message>
        <source>&amp;Screensaver...</source>
        <translation>&amp;Заставка…</translation>
    </message>
    <message>
        <source>|Use the picture as a screensaver</source>
        <translation>|Использовать картинку как заставку экрана</translation>
    </message>
    <message>
        <source>&amp;Wallpaper</source>
        <translation>Обо&amp;и</translation>
    </message>
    <message>
        <source>|Use the picture as the desktop wallpaper</source>
        <translation>|Использовать картинку как обои рабочего стола</translation>
    </message>
    <message>
        <source>T&amp;rays</source>
        <translation>&amp;Лотки</translation>
    </message>
    <message>
        <source>&amp;New Tray</source>
        <translation>&amp;Новый лоток</translation>
    </message>
    <message>
        <source>|Create a new tray for storing pieces</source>
        <translation>|Создать новый лоток для хранения деталей</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;Открыть</translation>
    </message>
    <message>
        <source>|Open trays</source>
        <translation>|Открыть лотки</translation>
    </message>
    <message>
        <source>Show &amp;All Trays</source>
        <translation>Открыть &amp;все лотки</translation>
    </message>
    <message>
        <source>|Open every tray</source>
        <translation>|Открыть каждый лоток</translation>
    </message>
    <message>
        <source>Show &amp;Used Trays</source>
        <translation>Открыть &amp;занятые лотки</translation>
    </message>
    <message>
        <source>|Open the trays that hold pieces</source>
        <translation>|Открыть лотки, в которых есть детали</translation>
    </message>
    <message>
        <source>Show &amp;Empty Trays</source>
        <translation>Открыть &amp;пустые лотки</translation>
    </message>
    <message>
        <source>|Open the empty trays</source>
        <translation>|Открыть пустые лотки</translation>
    </message>
    <message>
        <source>&amp;Hide</source>
        <translation>&amp;Свернуть</translation>
    </message>
    <message>
        <source>|Minimise trays</source>
        <translation>|Свернуть лотки</translation>
    </message>
    <message>
        <source>Hide &amp;All Trays</source>
        <translation>Свернуть &amp;все лотки</translation>
    </message>
    <message>
        <source>|Minimise every tray</source>
        <translation>|Свернуть каждый лоток</translation>
    </message>
    <message>
        <source>Hide &amp;Used Trays</source>
        <translation>Свернуть &amp;занятые лотки</translation>
    </message>
    <message>
        <source>|Minimise the trays that hold pieces</source>
        <translation>|Свернуть лотки, в которых есть детали</translation>
    </message>
    <message>
        <source>Hide &amp;Empty Trays</source>
        <translation>Свернуть &amp;пустые лотки</translation>
    </message>
    <message>
        <source>|Minimise the empty trays</source>
        <translation>|Свернуть пустые лотки</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>|Delete trays</source>
        <translation>|Удалить лотки</translation>
    </message>
    <message>
        <source>Delete &amp;All Trays</source>
        <translation>Удалить &amp;все лотки</translation>
    </message>
    <message>
        <source>|Delete every tray; its pieces go to the board</source>
        <translation>|Удалить каждый лоток; его детали попадут на поле</translation>
    </message>
    <message>
        <source>Delete &amp;Used Trays</source>
        <translation>Удалить &amp;занятые лотки</translation>
    </message>
    <message>
        <source>|Delete the trays that hold pieces</source>
        <translation>|Удалить лотки, в которых есть детали</translation>
    </message>
    <message>
        <source>Delete &amp;Empty Trays</source>
        <translation>Удалить &amp;пустые лотки</translation>
    </message>
    <message>
        <source>|Delete the empty trays</source>
        <translation>|Удалить пустые лотки</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Звук</translation>
    </message>
    <message>
        <source>|Turn sound effects on or off</source>
        <translation>|Включить или выключить звуковые эффекты</translation>
    </message>
    <message>
        <source>&amp;Music</source>
        <translation>&amp;Музыка</translation>
    </message>
    <message>
        <source>|Turn background music on or off</source>
        <translation>|Включить или выключить фоновую музыку</translation>
    </message>
    <message>
        <source>Sha&amp;dows</source>
        <translation>&amp;Тени</translation>
    </message>
    <message>
        <source>|Moving pieces cast a shadow</source>
        <translation>|Перемещаемые детали отбрасывают тень</translation>
    </message>
    <message>
        <source>&amp;Outlines</source>
        <translation>&amp;Контуры</translation>
    </message>
    <message>
        <source>|Choose the look of the piece edges</source>
        <translation>|Выбрать вид краёв деталей</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>|Pieces have no outline</source>
        <translation>|Детали без контура</translation>
    </message>
    <message>
        <source>&amp;Foil</source>
        <translation>&amp;Фольга</translation>
    </message>
    <message>
        <source>|Pieces are made out of thin foil</source>
        <translation>|Детали из тонкой фольги</translation>
    </message>
    <message>
        <source>&amp;Paper</source>
        <translation>&amp;Бумага</translation>
    </message>
    <message>
        <source>|Pieces are made out of paper</source>
        <translation>|Детали из бумаги</translation>
    </message>
    <message>
        <source>&amp;Card</source>
        <translation>&amp;Картон</translation>
    </message>
    <message>
        <source>|Pieces are made out of thick card</source>
        <translation>|Детали из толстого картона</translation>
    </message>
    <message>
        <source>&amp;Wood</source>
        <translation>&amp;Дерево</translation>
    </message>
    <message>
        <source>|Pieces are made out of chunky wood</source>
        <translation>|Детали из массивного дерева</translation>
    </message>
    <message>
        <source>&amp;Smooth</source>
        <translation>&amp;Сглаживание</translation>
    </message>
    <message>
        <source>|Remove jaggies from piece outlines using smoothing</source>
        <translation>|Убрать зубцы на контурах деталей сглаживанием</translation>
    </message>
    <message>
        <source>&amp;Auto hide</source>
        <translation>&amp;Автоскрытие</translation>
    </message>
    <message>
        <source>|Remove outlines from solved pieces</source>
        <translation>|Убирать контуры у собранных деталей</translation>
    </message>
    <message>
        <source>Sort by S&amp;hape</source>
        <translation>Сортировать по &amp;форме</translation>
    </message>
    <message>
        <source>|Put edge pieces first when arranging</source>
        <translation>|При раскладке сначала краевые детали</translation>
    </message>
    <message>
        <source>Sort by &amp;Color</source>
        <translation>Сортировать по &amp;цвету</translation>
    </message>
    <message>
        <source>|Put similar colors together when arranging</source>
        <translation>|При раскладке класть похожие цвета вместе</translation>
    </message>
    <message>
        <source>&amp;Timer display</source>
        <translation>Показывать &amp;время</translation>
    </message>
    <message>
        <source>|Show the time taken</source>
        <translation>|Показывать затраченное время</translation>
    </message>
    <message>
        <source>&amp;Number display</source>
        <translation>Показывать &amp;число</translation>
    </message>
    <message>
        <source>|Show the number of pieces solved</source>
        <translation>|Показывать число собранных деталей</translation>
    </message>
    <message>
        <source>&amp;Rotating Pieces</source>
        <translation>Вра&amp;щение деталей</translation>
    </message>
    <message>
        <source>|Pieces can be turned</source>
        <translation>|Детали можно поворачивать</translation>
    </message>
    <message>
        <source>M&amp;ystery Mode</source>
        <translation>Режим за&amp;гадки</translation>
    </message>
    <message>
        <source>|Hide the jigsaw preview pictures</source>
        <translation>|Скрыть картинки предпросмотра пазла</translation>
    </message>
    <message>
        <source>Time &amp;Limit...</source>
        <translation>&amp;Лимит времени…</translation>
    </message>
    <message>
        <source>|Set a time limit for the jigsaw</source>
        <translation>|Задать лимит времени для пазла</translation>
    </message>
    <message>
        <source>&amp;Advanced...</source>
        <translation>&amp;Дополнительно…</translation>
    </message>
    <message>
        <source>|Change the advanced options</source>
        <translation>|Изменить дополнительные параметры</translation>
    </message>
    <message>
        <source>&amp;Cheat</source>
        <translation>&amp;Хитрости</translation>
    </message>
    <message>
        <source>Allow &amp;Cheating</source>
        <translation>&amp;Разрешить хитрости</translation>
    </message>
    <message>
        <source>|Allow the cheat commands</source>
        <translation>|Разрешить команды-хитрости</translation>
    </message>
    <message>
        <source>&amp;Hint!</source>
        <translation>По&amp;дсказка!</translation>
    </message>
    <message>
        <source>|Flash the next two pieces to solve</source>
        <translation>|Подсветить две следующие детали, которые подходят друг к другу</translation>
    </message>
    <message>
        <source>&amp;Right Way Up!</source>
        <translation>Повернуть &amp;все как надо!</translation>
    </message>
    <message>
        <source>|Turn every piece the right way up</source>
        <translation>|Повернуть каждую деталь правильной стороной вверх</translation>
    </message>
    <message>
        <source>&amp;Auto-Solve!</source>
        <translation>&amp;Автосборка!</translation>
    </message>
    <message>
        <source>|Let the jigsaw solve itself</source>
        <translation>|Пусть пазл соберётся сам</translation>
    </message>
    <message>
        <source>&amp;Internet</source>
        <translation>&amp;Интернет</translation>
    </message>
    <message>
        <source>Visit the Quillmere web site</source>
        <translation>Посетить сайт Quillmere</translation>
    </message>
    <message>
        <source>&amp;Purchase the full version...</source>
        <translation>&amp;Купить полную версию…</translation>
    </message>
    <message>
        <source>|Visit our online store</source>
        <translation>|Посетить наш интернет-магазин</translation>
    </message>
    <message>
        <source>Jigsaw &amp;Search...</source>
        <translation>&amp;Искать пазлы…</translation>
    </message>
    <message>
        <source>|Search the web for jigsaws</source>
        <translation>|Искать пазлы в интернете</translation>
    </message>
    <message>
        <source>Check for &amp;Updates...</source>
        <translation>Проверить &amp;обновления…</translation>
    </message>
    <message>
        <source>|Look for a newer version</source>
        <translation>|Проверить, нет ли новой версии</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Содержание</translation>
    </message>
    <message>
        <source>|Show the help contents</source>
        <translation>|Показать содержание справки</translation>
    </message>
    <message>
        <source>&amp;Search for Help On...</source>
        <translation>&amp;Поиск в справке…</translation>
    </message>
    <message>
        <source>|Search the help</source>
        <translation>|Искать в справке</translation>
    </message>
    <message>
        <source>&amp;What&apos;s New</source>
        <translation>&amp;Что нового</translation>
    </message>
    <message>
        <source>|What is new in this version</source>
        <translation>|Что нового в этой версии</translation>
    </message>
    <message>
        <source>&amp;FAQ</source>
        <translation>&amp;Вопросы и ответы</translation>
    </message>
    <message>
        <source>|Frequently asked questions</source>
        <translation>|Часто задаваемые вопросы</translation>
    </message>
    <message>
        <source>How to &amp;Order</source>
        <translation>Как &amp;заказать</translation>
    </message>
    <message>
        <source>|How to order the full version</source>
        <translation>|Как заказать полную версию</translation>
    </message>
    <message>
        <source>&amp;Quick Help!</source>
        <translation>&amp;Краткая справка!</translation>
    </message>
    <message>
        <source>|Display mouse and keyboard controls</source>
        <translation>|Показать управление мышью и клавиатурой</translation>
    </message>
    <message>
        <source>About this &amp;Jigsaw...</source>
        <translation>Об этом п&amp;азле…</translation>
    </message>
    <message>
        <source>|Show the jigsaw&apos;s title, creator and progress</source>
        <translation>|Показать название, автора и ход сборки пазла</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>&amp;О программе…</translation>
    </message>
    <message>
        <source>|About this program</source>
        <translation>|Об этой программе</translation>
    </message>
    <message>
        <source>&amp;Move ghost</source>
        <translation>Передвинуть при&amp;зрак</translation>
    </message>
    <message>
        <source>|Move the ghost picture to another place</source>
        <translation>|Передвинуть картинку-призрак в другое место</translation>
    </message>
    <message>
        <source>&amp;Find piece!</source>
        <translation>&amp;Найти деталь!</translation>
    </message>
    <message>
        <source>|Flash the piece that belongs here</source>
        <translation>|Подсветить деталь, которая должна быть здесь</translation>
    </message>
    <message>
        <source>Fe&amp;tch piece!</source>
        <translation>Прин&amp;ести деталь!</translation>
    </message>
    <message>
        <source>|Bring the piece that belongs here</source>
        <translation>|Принести деталь, которая должна быть здесь</translation>
    </message>
    <message>
        <source>S&amp;how Solution!</source>
        <translation>Показать &amp;место!</translation>
    </message>
    <message>
        <source>|Flash where this piece belongs</source>
        <translation>|Подсветить место, где должна быть эта деталь</translation>
    </message>
    <message>
        <source>S&amp;olve Piece!</source>
        <translation>&amp;Поставить деталь!</translation>
    </message>
    <message>
        <source>|Put this piece where it belongs</source>
        <translation>|Поставить эту деталь на её место</translation>
    </message>
    <message>
        <source>Rotate &amp;Right</source>
        <translation>Повернуть &amp;вправо</translation>
    </message>
    <message>
        <source>|Turn the piece a quarter turn clockwise</source>
        <translation>|Повернуть деталь на четверть оборота по часовой стрелке</translation>
    </message>
    <message>
        <source>Rotate &amp;Left</source>
        <translation>Повернуть в&amp;лево</translation>
    </message>
    <message>
        <source>|Turn the piece a quarter turn anticlockwise</source>
        <translation>|Повернуть деталь на четверть оборота против часовой стрелки</translation>
    </message>
    <message>
        <source>Right &amp;Way Up!</source>
        <translation>&amp;Как надо!</translation>
    </message>
    <message>
        <source>|Turn this piece the right way up</source>
        <translation>|Повернуть эту деталь правильной стороной вверх</translation>
    </message>
    <message>
        <source>&amp;Unlock</source>
        <translation>&amp;Отсоединить</translation>
    </message>
    <message>
        <source>|Disconnect the piece from its neighbours</source>
        <translation>|Отсоединить деталь от соседей</translation>
    </message>
    <message>
        <source>Send To &amp;Back</source>
        <translation>На &amp;задний план</translation>
    </message>
    <message>
        <source>|Put the piece behind all others</source>
        <translation>|Положить деталь под все остальные</translation>
    </message>
    <message>
        <source>&amp;Show Neighbor!</source>
        <translation>Показать &amp;соседа!</translation>
    </message>
    <message>
        <source>|Flash a piece that fits this one</source>
        <translation>|Подсветить деталь, которая подходит к этой</translation>
    </message>
    <message>
        <source>&amp;Fetch Neighbor!</source>
        <translation>Принести сосед&amp;а!</translation>
    </message>
    <message>
        <source>|Bring a piece that fits this one</source>
        <translation>|Принести деталь, которая подходит к этой</translation>
    </message>
    <message>
        <source>Se&amp;lect all pieces</source>
        <translation>&amp;Выделить все детали</translation>
    </message>
    <message>
        <source>|Pick up every piece in this tray</source>
        <translation>|Взять все детали из этого лотка</translation>
    </message>
    <message>
        <source>&amp;Send Tray to Back</source>
        <translation>Лоток на &amp;задний план</translation>
    </message>
    <message>
        <source>|Put this tray behind the others</source>
        <translation>|Положить этот лоток позади остальных</translation>
    </message>
    <message>
        <source>D&amp;rop all pieces</source>
        <translation>В&amp;ысыпать все детали</translation>
    </message>
    <message>
        <source>|Empty this tray onto the board</source>
        <translation>|Высыпать этот лоток на поле</translation>
    </message>
    <message>
        <source>&amp;Get pieces</source>
        <translation>Со&amp;брать детали</translation>
    </message>
    <message>
        <source>|Gather single pieces into this tray</source>
        <translation>|Собрать отдельные детали в этот лоток</translation>
    </message>
    <message>
        <source>&amp;All pieces</source>
        <translation>&amp;Все детали</translation>
    </message>
    <message>
        <source>|Gather every single piece</source>
        <translation>|Собрать все отдельные детали</translation>
    </message>
    <message>
        <source>&amp;Edge pieces</source>
        <translation>&amp;Краевые детали</translation>
    </message>
    <message>
        <source>|Gather the single edge pieces</source>
        <translation>|Собрать отдельные краевые детали</translation>
    </message>
    <message>
        <source>&amp;Middle pieces</source>
        <translation>&amp;Средние детали</translation>
    </message>
    <message>
        <source>|Gather the single middle pieces</source>
        <translation>|Собрать отдельные средние детали</translation>
    </message>
    <message>
        <source>&amp;Fun pieces</source>
        <translation>&amp;Забавные детали</translation>
    </message>
    <message>
        <source>|Gather the single fun pieces</source>
        <translation>|Собрать отдельные забавные детали</translation>
    </message>
    <message>
        <source>|Arrange this tray&apos;s pieces around its edge</source>
        <translation>|Разложить детали этого лотка по его краю</translation>
    </message>
    <message>
        <source>|Arrange this tray&apos;s pieces in a grid</source>
        <translation>|Разложить детали этого лотка сеткой</translation>
    </message>
    <message>
        <source>D&amp;isarrange Tray</source>
        <translation>Пере&amp;мешать лоток</translation>
    </message>
    <message>
        <source>|Scatter this tray&apos;s pieces at random</source>
        <translation>|Разбросать детали этого лотка в случайном порядке</translation>
    </message>
    <message>
        <source>Tray &amp;Color</source>
        <translation>&amp;Цвет лотка</translation>
    </message>
    <message>
        <source>|Choose the colour of this tray</source>
        <translation>|Выбрать цвет этого лотка</translation>
    </message>
    <message>
        <source>|Pick any colour for the tray</source>
        <translation>|Выбрать любой цвет лотка</translation>
    </message>
    <message>
        <source>|A tray colour that matches the picture</source>
        <translation>|Цвет лотка, подходящий к картинке</translation>
    </message>
    <message>
        <source>|A tray colour that contrasts with the picture</source>
        <translation>|Цвет лотка, контрастный к картинке</translation>
    </message>
    <message>
        <source>|The tray takes the board colour</source>
        <translation>|Лоток в цвет поля</translation>
    </message>
    <message>
        <source>&amp;Tray Description...</source>
        <translation>&amp;Описание лотка…</translation>
    </message>
    <message>
        <source>|Give this tray a name</source>
        <translation>|Дать этому лотку название</translation>
    </message>
    <message>
        <source>&amp;Delete Tray!</source>
        <translation>&amp;Удалить лоток!</translation>
    </message>
    <message>
        <source>|Delete this tray; its pieces go to the board</source>
        <translation>|Удалить этот лоток; его детали попадут на поле</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Tray %1 contains pieces which will be
placed on the background.

Ok to delete this tray?</source>
        <translation>В лотке %1 есть детали, которые будут
выложены на поле.

Удалить этот лоток?</translation>
    </message>
    <message>
        <source>To use the scroll wheel, enable it in the Advanced Mouse options screen</source>
        <translation>Чтобы пользоваться колёсиком мыши, включите его в дополнительных параметрах мыши</translation>
    </message>
    <message>
        <source>Rotation is currently disabled in the Options menu</source>
        <translation>Вращение сейчас выключено в меню «Параметры»</translation>
    </message>
    <message>
        <source>Cheating is currently disabled in the Options menu</source>
        <translation>Хитрости сейчас выключены в меню «Параметры»</translation>
    </message>
    <message>
        <source>Mouse: Left=Fetch neighbor, Right=Show neighbor</source>
        <translation>Мышь: левая=принести соседа, правая=показать соседа</translation>
    </message>
    <message>
        <source>Mouse: Left=Rotate left, Right=Rotate right</source>
        <translation>Мышь: левая=повернуть влево, правая=повернуть вправо</translation>
    </message>
    <message>
        <source>Mouse: Left=Solve piece onto ghost, Right=Flash solution</source>
        <translation>Мышь: левая=поставить деталь на призрак, правая=показать место</translation>
    </message>
    <message>
        <source>Enable the background ghost to use these shortcuts</source>
        <translation>Включите картинку-призрак, чтобы пользоваться этими сочетаниями</translation>
    </message>
    <message>
        <source>Generating: </source>
        <translation>Создание: </translation>
    </message>
    <message>
        <source>This free jigsaw gift was created by Quillmere version %s.
Click on our home page below for a free demo of all the other great features of the game. Or order the full version now!</source>
        <translation>Этот бесплатный пазл-подарок создан в Quillmere версии %s.
Перейдите по ссылке на наш сайт ниже и получите бесплатную демоверсию со всеми остальными замечательными возможностями игры. Или закажите полную версию прямо сейчас!</translation>
    </message>
    <message>
        <source>File %1 could not be written. The disk may be full, read-only or off-line</source>
        <translation>Не удалось записать файл %1. Диск может быть переполнен, защищён от записи или отключён</translation>
    </message>
    <message>
        <source>This jigsaw gift file is damaged and cannot be opened</source>
        <translation>Этот файл пазла-подарка повреждён и не может быть открыт</translation>
    </message>
    <message>
        <source>The puzzle has rotated pieces but the rotation option is currently disabled. Press &apos;Yes&apos; to turn all pieces the right way up or &apos;No&apos; to re-enable rotation.</source>
        <translation>В пазле есть повёрнутые детали, но вращение сейчас выключено. Нажмите «Да», чтобы повернуть все детали как надо, или «Нет», чтобы снова включить вращение.</translation>
    </message>
    <message>
        <source>Would you like some pieces randomly rotated now?</source>
        <translation>Повернуть сейчас несколько деталей случайным образом?</translation>
    </message>
    <message>
        <source>Insufficient graphics resources to set such a large piece size - reducing the number of colors of your desktop may help. Setting scale factor back to 100%...</source>
        <translation>Недостаточно графических ресурсов для такого большого размера деталей — может помочь уменьшение числа цветов рабочего стола. Масштаб возвращается к 100%…</translation>
    </message>
    <message numerus="yes">
        <source>%n pieces</source>
        <comment>a count of pieces</comment>
        <translation>
            <numerusform>%n деталь</numerusform>
            <numerusform>%n детали</numerusform>
            <numerusform>%n деталей</numerusform>
        </translation>
    </message>
    <message>
        <source>. You used Auto-solve!</source>
        <translation>. Вы воспользовались автосборкой!</translation>
    </message>
    <message>
        <source> without cheating!</source>
        <translation> без хитростей!</translation>
    </message>
    <message>
        <source> by cheating once!</source>
        <translation> с одной хитростью!</translation>
    </message>
    <message>
        <source>You solved all %1 in %2 and %3</source>
        <translation>Вы собрали все %1 за %2 и %3</translation>
    </message>
    <message>
        <source>Created %1 by version %2 </source>
        <translation>Создан %1 в версии %2 </translation>
    </message>
    <message>
        <source>Solved %1 of %2</source>
        <translation>Собрано %1 из %2</translation>
    </message>
    <message>
        <source>|Jigsaw is %1% complete, %2 pieces solved per minute</source>
        <translation>|Пазл собран на %1%, %2 детали в минуту</translation>
    </message>
    <message>
        <source>The saved game %1 cannot be removed. %2. The new game starts all the same; the saved one is offered again at the next start unless this game is saved over it.</source>
        <translation>Сохранённую игру %1 не удаётся удалить. %2. Новая игра всё равно начинается; сохранённая будет предложена снова при следующем запуске, если эта игра не будет сохранена поверх неё.</translation>
    </message>
    <message>
        <source>%1 A new game is started instead.</source>
        <translation>%1 Вместо этого начинается новая игра.</translation>
    </message>
    <message>
        <source>size/shape</source>
        <translation>размер/форма</translation>
    </message>
    <message>
        <source>arrange</source>
        <translation>раскладка</translation>
    </message>
    <message>
        <source>arrange tray</source>
        <translation>раскладка лотка</translation>
    </message>
    <message>
        <source>disarrange</source>
        <translation>перемешивание</translation>
    </message>
    <message>
        <source>disarrange tray</source>
        <translation>перемешивание лотка</translation>
    </message>
    <message>
        <source>tray operation</source>
        <translation>действие с лотком</translation>
    </message>
    <message>
        <source>auto-solve</source>
        <translation>автосборка</translation>
    </message>
    <message>
        <source>move ghost</source>
        <translation>перемещение призрака</translation>
    </message>
    <message>
        <source>move pieces</source>
        <translation>перемещение деталей</translation>
    </message>
    <message>
        <source>rotate pieces</source>
        <translation>поворот деталей</translation>
    </message>
    <message>
        <source>right way up</source>
        <translation>поворот как надо</translation>
    </message>
    <message>
        <source>cheat</source>
        <translation>хитрость</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Повторить: %1</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Отменить: %1</translation>
    </message>
    <message>
        <source>Sorting colors: </source>
        <translation>Сортировка цветов: </translation>
    </message>
    <message>
        <source>Rotating: </source>
        <translation>Поворот: </translation>
    </message>
    <message>
        <source>Drawing: </source>
        <translation>Рисование: </translation>
    </message>
    <message>
        <source>The custom piece shapes in this jigsaw gift are damaged</source>
        <translation>Собственные формы деталей в этом подарке повреждены</translation>
    </message>
    <message numerus="yes">
        <source> by cheating %n times!</source>
        <comment>more than once</comment>
        <translation>
            <numerusform> с %n хитростью!</numerusform>
            <numerusform> с %n хитростями!</numerusform>
            <numerusform> с %n хитростями!</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <comment>time taken</comment>
        <translation>
            <numerusform>%n минуту</numerusform>
            <numerusform>%n минуты</numerusform>
            <numerusform>%n минут</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <comment>time taken</comment>
        <translation>
            <numerusform>%n секунду</numerusform>
            <numerusform>%n секунды</numerusform>
            <numerusform>%n секунд</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>You have solved %1 out of %n pieces</source>
        <comment>pieces of the puzzle</comment>
        <translation>
            <numerusform>Собрано %1 из %n детали</numerusform>
            <numerusform>Собрано %1 из %n деталей</numerusform>
            <numerusform>Собрано %1 из %n деталей</numerusform>
        </translation>
    </message>
    <message>
        <source>You are in Mystery Mode and the picture is hidden!

Press Yes to exit Mystery Mode and reveal the jigsaw.</source>
        <translation>Включён режим загадки, картинка скрыта!

Нажмите «Да», чтобы выйти из режима загадки и открыть пазл.</translation>
    </message>
    <message>
        <source>Press Yes to exit Mystery Mode. You may then use the jigsaw preview tools.</source>
        <translation>Нажмите «Да», чтобы выйти из режима загадки. После этого можно пользоваться средствами предпросмотра.</translation>
    </message>
    <message>
        <source>Press Yes to enter Mystery Mode and hide any jigsaw preview pictures.</source>
        <translation>Нажмите «Да», чтобы перейти в режим загадки и скрыть все картинки предпросмотра.</translation>
    </message>
    <message>
        <source>Press &apos;Yes&apos; to turn all pieces the right way up.</source>
        <translation>Нажмите «Да», чтобы повернуть все детали как надо.</translation>
    </message>
    <message>
        <source>This will restart the jigsaw from scratch. Are you sure?</source>
        <translation>Сборка пазла начнётся заново. Вы уверены?</translation>
    </message>
    <message>
        <source>

The game has not been saved. Close the jigsaw without saving it?
Choose No to go back to the game.</source>
        <translation>

Игра не сохранена. Закрыть пазл без сохранения?
Нажмите «Нет», чтобы вернуться к игре.</translation>
    </message>
    <message>
        <source>No web browser could be started to show %1</source>
        <translation>Не удалось запустить браузер, чтобы показать %1</translation>
    </message>
    <message>
        <source>No music was included in this jigsaw gift file.</source>
        <translation>В этот файл пазла-подарка не включена музыка.</translation>
    </message>
    <message>
        <source>Cannot create file %1. %2.</source>
        <translation>Не удаётся создать файл %1. %2.</translation>
    </message>
    <message>
        <source>Cannot write file %1. %2.</source>
        <translation>Не удаётся записать файл %1. %2.</translation>
    </message>
    <message>
        <source>The picture could not be read: %1</source>
        <translation>Не удалось прочитать картинку: %1</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>The picture of this jigsaw is too large: at most %1 pixels wide and high can be cut into pieces</source>
        <translation>Картинка этого пазла слишком велика: разрезать на детали можно только картинки не больше %1 пикселей в ширину и в высоту</translation>
    </message>
    <message>
        <source>The pieces cannot be cut at %1%: the picture would be larger than %2 pixels wide or high</source>
        <translation>Детали нельзя нарезать при %1%: картинка была бы больше %2 пикселей в ширину или в высоту</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Не удаётся открыть файл «%1». %2</translation>
    </message>
    <message numerus="yes">
        <source>This program needs HiColor mode (64K colors) or better and so is unable to continue while your desktop is set to %n colors. Would you like to change your settings now?</source>
        <comment>colours of the desktop</comment>
        <translation>
            <numerusform>Этой программе нужен режим HiColor (64K цветов) или лучше, поэтому она не может продолжить работу, пока рабочий стол настроен на %n цвет. Изменить настройки сейчас?</numerusform>
            <numerusform>Этой программе нужен режим HiColor (64K цветов) или лучше, поэтому она не может продолжить работу, пока рабочий стол настроен на %n цвета. Изменить настройки сейчас?</numerusform>
            <numerusform>Этой программе нужен режим HiColor (64K цветов) или лучше, поэтому она не может продолжить работу, пока рабочий стол настроен на %n цветов. Изменить настройки сейчас?</numerusform>
        </translation>
    </message>
    <message>
        <source>An unexpected error stopped the operation</source>
        <translation>Непредвиденная ошибка прервала операцию</translation>
    </message>
    <message>
        <source>the picture is too large</source>
        <translation>картинка слишком велика</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; is damaged and cannot be resumed.</source>
        <translation>Сохранённая игра «%1» повреждена, продолжить её нельзя.</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; cannot be read: %2.</source>
        <translation>Не удаётся прочитать сохранённую игру «%1»: %2.</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; cannot be read.</source>
        <translation>Не удаётся прочитать сохранённую игру «%1».</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; was made by a newer version of this program and cannot be resumed.</source>
        <translation>Сохранённая игра «%1» создана более новой версией этой программы, продолжить её нельзя.</translation>
    </message>
    <message>
        <source>The saved game &quot;%1&quot; belongs to another jigsaw and cannot be resumed.</source>
        <translation>Сохранённая игра «%1» относится к другому пазлу, продолжить её нельзя.</translation>
    </message>
    <message>
        <source>the file is not a JPEG picture</source>
        <translation>файл — не картинка JPEG</translation>
    </message>
    <message>
        <source>the picture is cut short</source>
        <translation>картинка неполная</translation>
    </message>
</context>
<context>
    <name>PortableStart</name>
    <message>
        <source>This gift could not be opened: there is no folder where its player can be unpacked (it needs about 60 MB). Free some disk space in your home folder and open the gift again.</source>
        <translation>Не удалось открыть этот подарок: нет папки, куда можно распаковать его программу игры (ей нужно около 60 МБ). Освободите место на диске в домашней папке и откройте подарок снова.</translation>
    </message>
    <message>
        <source>This gift could not be opened: the file is damaged or incomplete. Download it again, or ask the sender to send it once more.</source>
        <translation>Не удалось открыть этот подарок: файл повреждён или неполон. Скачайте его ещё раз или попросите отправителя прислать его снова.</translation>
    </message>
    <message>
        <source>This gift could not be opened.</source>
        <translation>Не удалось открыть этот подарок.</translation>
    </message>
    <message>
        <source>Details:</source>
        <translation>Подробности:</translation>
    </message>
</context>
<context>
    <name>QtHost</name>
    <message>
        <source>All</source>
        <translation>Все</translation>
    </message>
</context>
<context>
    <name>SolveDialog</name>
    <message>
        <source>Percentage complete</source>
        <translation>Процент готовности</translation>
    </message>
    <message>
        <source>Stop!</source>
        <translation>Стоп!</translation>
    </message>
    <message>
        <source>slow</source>
        <translation>медленно</translation>
    </message>
    <message>
        <source>fast</source>
        <translation>быстро</translation>
    </message>
    <message>
        <source>Set speed</source>
        <translation>Настройка скорости</translation>
    </message>
</context>
<context>
    <name>Sounds</name>
    <message>
        <source>Sound effects</source>
        <translation>Звуковые эффекты</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Музыка</translation>
    </message>
</context>
<context>
    <name>SplashForm</name>
    <message>
        <source>Connect to our web site now!</source>
        <translation>Посетите наш сайт прямо сейчас!</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Заказать</translation>
    </message>
    <message>
        <source>Connect to our Online Store now!</source>
        <translation>Посетите наш интернет-магазин прямо сейчас!</translation>
    </message>
    <message>
        <source>Play...</source>
        <translation>Играть…</translation>
    </message>
    <message>
        <source>Play the jigsaw</source>
        <translation>Собирать пазл</translation>
    </message>
    <message>
        <source>Exit...</source>
        <translation>Выход…</translation>
    </message>
    <message>
        <source>Resume game...</source>
        <translation>Продолжить игру…</translation>
    </message>
    <message>
        <source>Save game...</source>
        <translation>Сохранить игру…</translation>
    </message>
    <message>
        <source>Free gift edition - share it with your friends!</source>
        <translation>Бесплатная подарочная версия — поделитесь ею с друзьями!</translation>
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
        <translation>использование: quillmere-wrap --picture КАРТИНКА -o ПОДАРОК [--portable | --player PLAYER] [параметры]
  -o ПОДАРОК              подарок для записи; -o ИМЯ.zip записывает zip-архив с подарком
                          ИМЯ, который файловые менеджеры распаковывают готовым к запуску
  --portable              копировать переносную программу игры: подарок работает и без Qt
  --player PLAYER         программа игры для копирования (по умолчанию: установленная с quillmere-wrap)
  --picture ФАЙЛ          картинка пазла: JPEG (и CMYK), PNG, HEIC/HEIF, AVIF,
                          WebP, TIFF, BMP, GIF или любой другой файл картинки, который читает
                          Qt этой системы; повёрнута согласно своей ориентации и
                          сохранена как JPEG
  --max-size ШxВ          картинка крупнее уменьшается до ШxВ (по умолчанию 1280x800:
                          экран 1920 x 1080 без заголовка окна, меню, панели инструментов,
                          панели лотков и строки состояния оставляет поле около 1700 x 850,
                          где помещаются картинка 1280 x 800 и её разбросанные детали)
  --keep-size             сохранить картинку в исходном размере (не больше 8191 по стороне)
  --pieces N              сколько деталей нужно, не меньше 2 (по умолчанию 100)
  --seed N                случайное зерно форм и первой раскладки (по умолчанию 1)
  --style S               classic, blip, square, star, round, mix или 1..6
  --oddness N             неправильность форм 0..10 (по умолчанию 5)
  --outline S             none, foil, paper, card, wood или 0..4
  --rotation on|off       детали можно поворачивать
  --mystery on|off        начать в режиме загадки
  --fun N                 настройка забавных деталей 0..10
  --board-colour C        цвет поля: название вроде clTeal, число или $BBGGRR
  --title T  --creator T  --description T
  --opening T  --closing T            сообщения отправителя (&quot;\n&quot; переносит строку)
  --language CODE         язык программы игры, например de или pl
                          (по умолчанию: язык получателя)
  --opening-colour C  --closing-colour C   фон сообщений (названия цветов, как хранятся)
  --opening-align A  --closing-align A     left, right или centre
  --opening-font-name F  --opening-font-height H  --opening-font-style BITS  --opening-font-colour C
  --closing-font-name F  --closing-font-height H  --closing-font-style BITS  --closing-font-colour C
  --creator-version V     (по умолчанию v6.13)
  --created ДНИ           дни с 30 декабря 1899 года
  --music ФАЙЛ  [--music-extension .EXT]   WAV, FLAC, Ogg Vorbis, Opus, MP3; MIDI через FluidSynth
  --skin ФАЙЛ             картинка панели инструментов, любой файл картинки (сохраняется как JPEG)
  --templates ФАЙЛ --template-count N
Тексты — в UTF-8, на любой письменности. Название, автор, описание и сообщения вмещают до 256,
256, 4096, 4096 и 4096 байт UTF-8; программы игры старше текстового блока показывают их
ближайшую форму в Windows-1252. Названия шрифтов и цветов должны быть в Windows-1252. Тексты,
которые не помещаются, отклоняются с указанием поля. Выводит, в каком размере сохранена
картинка и почему, размер подарка и что сделать получателю, чтобы его открыть.
</translation>
    </message>
    <message>
        <source>%1 needs a whole number from %2 to %3</source>
        <translation>%1: нужно целое число от %2 до %3</translation>
    </message>
    <message>
        <source>%1 takes on or off</source>
        <translation>%1 принимает on или off</translation>
    </message>
    <message>
        <source>%1: unknown colour &quot;%2&quot;</source>
        <translation>%1: неизвестный цвет «%2»</translation>
    </message>
    <message>
        <source>%1 takes WxH, such as 1280x800</source>
        <translation>%1 принимает ШxВ, например 1280x800</translation>
    </message>
    <message>
        <source>Wrote %1 (%2), holding the gift %3 (%4).
The recipient extracts it and double-clicks %3.
</source>
        <translation>Записан %1 (%2) с подарком %3 (%4).
Получатель распаковывает его и дважды щёлкает по %3.
</translation>
    </message>
    <message>
        <source>Wrote %1 (%2).
The recipient double-clicks it. Sent as it is, it arrives without its execute bit:
send %3.zip (-o NAME.zip) to keep it.
</source>
        <translation>Записан %1 (%2).
Получатель дважды щёлкает по нему. Отправленный как есть, он придёт без права на выполнение:
отправьте %3.zip (-o NAME.zip), чтобы его сохранить.
</translation>
    </message>
    <message>
        <source>Where a desktop does not start it, Properties &gt; Allow executing as program
(or chmod +x in a terminal) lets it run.
</source>
        <translation>Если рабочий стол его не запускает, включите Свойства &gt; Разрешить выполнение файла как программы
(или выполните chmod +x в терминале).
</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>неизвестный параметр %1</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1: нужно значение</translation>
    </message>
    <message>
        <source>Give either --portable or --player, not both</source>
        <translation>Укажите либо --portable, либо --player, но не оба</translation>
    </message>
    <message>
        <source>Picture stored at %1</source>
        <translation>Картинка сохранена размером %1</translation>
    </message>
</context>
<context>
    <name>quill::AboutBox</name>
    <message>
        <source>Free gift edition - share it with your friends!
All pictures and sounds made for Quillmere Gift.</source>
        <translation>Бесплатная подарочная версия — поделитесь ею с друзьями!
Все картинки и звуки сделаны для Quillmere Gift.</translation>
    </message>
    <message>
        <source>About Quillmere Gift</source>
        <translation>О программе Quillmere Gift</translation>
    </message>
    <message>
        <source>This is a free gift - not for retail sale or distribution.</source>
        <translation>Это бесплатный подарок — не для продажи и распространения.</translation>
    </message>
</context>
<context>
    <name>quill::AboutJigDialog</name>
    <message>
        <source>Title:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <source>Creator:</source>
        <translation>Автор:</translation>
    </message>
    <message>
        <source>Info:</source>
        <translation>Сведения:</translation>
    </message>
    <message>
        <source>Status:</source>
        <translation>Состояние:</translation>
    </message>
    <message>
        <source>About this jigsaw</source>
        <translation>Об этом пазле</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Сведения</translation>
    </message>
    <message>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>Copy the selected text to the Windows clipboard</source>
        <translation>Скопировать выделенный текст в буфер обмена</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>&amp;Изменить…</translation>
    </message>
    <message>
        <source>Edit the jigsaw description</source>
        <translation>Изменить описание пазла</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Выделить &amp;всё</translation>
    </message>
    <message>
        <source>Select all the description text</source>
        <translation>Выделить весь текст описания</translation>
    </message>
</context>
<context>
    <name>quill::CongratsDialog</name>
    <message>
        <source>You solved it!</source>
        <translation>Пазл собран!</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>Поздравляем!</translation>
    </message>
</context>
<context>
    <name>quill::CutPreview</name>
    <message>
        <source>Open a picture to see how it is cut</source>
        <translation>Откройте картинку, чтобы увидеть, как она будет разрезана</translation>
    </message>
</context>
<context>
    <name>quill::GiftMadeDialog</name>
    <message>
        <source>I made you a jigsaw puzzle! To open it:
</source>
        <translation>У меня для вас пазл! Как его открыть:
</translation>
    </message>
    <message>
        <source>1. Save %1 and extract it (right-click it, Extract Here).
2. Double-click %2 to start the puzzle.
</source>
        <translation>1. Сохраните %1 и распакуйте его (щёлкните правой кнопкой, «Извлечь сюда»).
2. Дважды щёлкните %2, чтобы запустить пазл.
</translation>
    </message>
    <message>
        <source>1. Save %1.
2. Double-click it to start the puzzle.
</source>
        <translation>1. Сохраните %1.
2. Дважды щёлкните его, чтобы запустить пазл.
</translation>
    </message>
    <message>
        <source>If double-clicking does nothing, right-click %1, choose Properties and tick &quot;Allow executing as program&quot; (or type chmod +x %1 in a terminal), then double-click it again. It runs on Linux.</source>
        <translation>Если двойной щелчок ничего не делает, щёлкните %1 правой кнопкой, выберите «Свойства» и отметьте «Разрешить выполнение файла как программы» (или введите в терминале chmod +x %1), затем снова дважды щёлкните его. Он работает в Linux.</translation>
    </message>
    <message>
        <source>Gift made</source>
        <translation>Подарок готов</translation>
    </message>
    <message>
        <source>The gift is saved as &lt;b&gt;%1&lt;/b&gt; (%2) in %3.</source>
        <translation>Подарок сохранён как &lt;b&gt;%1&lt;/b&gt; (%2) в %3.</translation>
    </message>
    <message>
        <source> The zip archive holds the gift %1 (%2).</source>
        <translation> Zip-архив содержит подарок %1 (%2).</translation>
    </message>
    <message>
        <source>Language of the gift: %1</source>
        <translation>Язык подарка: %1</translation>
    </message>
    <message>
        <source>&amp;Send this text with the gift:</source>
        <translation>&amp;Отправьте этот текст вместе с подарком:</translation>
    </message>
    <message>
        <source>How the recipient opens the gift; you can change it</source>
        <translation>Как получатель откроет подарок; текст можно изменить</translation>
    </message>
    <message>
        <source>&amp;Copy text</source>
        <translation>&amp;Копировать текст</translation>
    </message>
    <message>
        <source>Copies the text, to paste it into a mail or a message</source>
        <translation>Копирует текст, чтобы вставить его в письмо или сообщение</translation>
    </message>
    <message>
        <source>Show &amp;folder</source>
        <translation>Показать &amp;папку</translation>
    </message>
    <message>
        <source>Opens the folder the gift was saved in</source>
        <translation>Открывает папку, в которую сохранён подарок</translation>
    </message>
</context>
<context>
    <name>quill::Magnifier</name>
    <message>
        <source>This desktop does not let programs read the screen, so the loupe cannot magnify it here.</source>
        <translation>Этот рабочий стол не позволяет программам считывать экран, поэтому лупа не может его здесь увеличить.</translation>
    </message>
</context>
<context>
    <name>quill::MakerWindow</name>
    <message>
        <source>Pictures (*.jpg *.jpeg *.png *.heic *.heif *.avif *.webp *.tif *.tiff *.bmp *.gif);;All files (*)</source>
        <translation>Картинки (*.jpg *.jpeg *.png *.heic *.heif *.avif *.webp *.tif *.tiff *.bmp *.gif);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Fit for screens up to 1280 × 800</source>
        <translation>Подогнать под экраны до 1280 × 800</translation>
    </message>
    <message>
        <source>Fit for screens up to 1920 × 1080</source>
        <translation>Подогнать под экраны до 1920 × 1080</translation>
    </message>
    <message>
        <source>Fit for screens up to 2560 × 1440</source>
        <translation>Подогнать под экраны до 2560 × 1440</translation>
    </message>
    <message>
        <source>Keep its own size</source>
        <translation>Сохранить исходный размер</translation>
    </message>
    <message>
        <source>the recipient&apos;s own</source>
        <translation>язык получателя</translation>
    </message>
    <message>
        <source>Quillmere Gift Maker</source>
        <translation>Quillmere Gift Maker</translation>
    </message>
    <message>
        <source>&amp;Picture</source>
        <translation>&amp;Картинка</translation>
    </message>
    <message>
        <source>P&amp;ieces</source>
        <translation>&amp;Детали</translation>
    </message>
    <message>
        <source>M&amp;essages</source>
        <translation>&amp;Сообщения</translation>
    </message>
    <message>
        <source>Music and s&amp;kin</source>
        <translation>Музыка и &amp;обложка</translation>
    </message>
    <message>
        <source>The parts of the gift</source>
        <translation>Составные части подарка</translation>
    </message>
    <message>
        <source>The picture with the pieces as the gift will cut them</source>
        <translation>Картинка с деталями, как её разрежет подарок</translation>
    </message>
    <message>
        <source>How far writing the gift has come</source>
        <translation>Ход записи подарка</translation>
    </message>
    <message>
        <source>Choose...</source>
        <translation>Выбрать…</translation>
    </message>
    <message>
        <source>&amp;Open picture...</source>
        <translation>О&amp;ткрыть картинку…</translation>
    </message>
    <message>
        <source>Chooses the picture of the puzzle (Ctrl+O; you can also drop a picture on the window)</source>
        <translation>Выбирает картинку пазла (Ctrl+O; картинку можно и перетащить на окно)</translation>
    </message>
    <message>
        <source>No picture yet</source>
        <translation>Картинка ещё не выбрана</translation>
    </message>
    <message>
        <source>The picture file</source>
        <translation>Файл картинки</translation>
    </message>
    <message>
        <source>The picture&apos;s size and the size the gift stores</source>
        <translation>Размер картинки и размер, в котором её хранит подарок</translation>
    </message>
    <message>
        <source>The size the gift stores the picture at: a smaller picture makes a smaller gift and fits smaller screens</source>
        <translation>Размер, в котором подарок хранит картинку: картинка меньше — подарок меньше, и она помещается на небольших экранах</translation>
    </message>
    <message>
        <source>Stored si&amp;ze:</source>
        <translation>Размер &amp;хранения:</translation>
    </message>
    <message>
        <source>About the gift</source>
        <translation>О подарке</translation>
    </message>
    <message>
        <source>The puzzle&apos;s title</source>
        <translation>Название пазла</translation>
    </message>
    <message>
        <source>Your name, as the recipient sees it</source>
        <translation>Ваше имя, каким его увидит получатель</translation>
    </message>
    <message>
        <source>A few words about the picture</source>
        <translation>Несколько слов о картинке</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Название:</translation>
    </message>
    <message>
        <source>C&amp;reator:</source>
        <translation>&amp;Автор:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>Оп&amp;исание:</translation>
    </message>
    <message>
        <source>The language of the gift&apos;s menus, buttons and help; the recipient&apos;s own is the one their computer is set to</source>
        <translation>Язык меню, кнопок и справки подарка; язык получателя — тот, что настроен на его компьютере</translation>
    </message>
    <message>
        <source>&amp;Language of the gift:</source>
        <translation>&amp;Язык подарка:</translation>
    </message>
    <message>
        <source>How many pieces you ask for; the grid comes nearest to it</source>
        <translation>Сколько деталей вы хотите; сетка подберёт ближайшее число</translation>
    </message>
    <message>
        <source>The grid the picture is cut into</source>
        <translation>Сетка, по которой режется картинка</translation>
    </message>
    <message>
        <source>Piece &amp;count:</source>
        <translation>&amp;Число деталей:</translation>
    </message>
    <message>
        <source>The shape of the pieces</source>
        <translation>Форма деталей</translation>
    </message>
    <message>
        <source>&amp;Style:</source>
        <translation>С&amp;тиль:</translation>
    </message>
    <message>
        <source>How irregular the pieces are, 0 to 10</source>
        <translation>Насколько неровны детали, от 0 до 10</translation>
    </message>
    <message>
        <source>&amp;Oddness:</source>
        <translation>&amp;Неровность:</translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>The share of fun pieces cut from the templates, in steps of 10 %</source>
        <translation>Доля забавных деталей, вырезанных по шаблонам, с шагом 10 %</translation>
    </message>
    <message>
        <source>A file of piece templates for the fun pieces</source>
        <translation>Файл шаблонов для забавных деталей</translation>
    </message>
    <message>
        <source>Choose a template file</source>
        <translation>Выбрать файл шаблонов</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>How many templates the file holds</source>
        <translation>Сколько шаблонов в файле</translation>
    </message>
    <message>
        <source>&amp;Templates:</source>
        <translation>&amp;Шаблоны:</translation>
    </message>
    <message>
        <source>&amp;Rotation</source>
        <translation>Вра&amp;щение</translation>
    </message>
    <message>
        <source>Pieces start turned and must be turned upright</source>
        <translation>Детали сначала повёрнуты, и их нужно повернуть как надо</translation>
    </message>
    <message>
        <source>How the pieces&apos; edges are drawn</source>
        <translation>Как рисуются края деталей</translation>
    </message>
    <message>
        <source>O&amp;utlines:</source>
        <translation>Конт&amp;уры:</translation>
    </message>
    <message>
        <source>Mystery mo&amp;de</source>
        <translation>Р&amp;ежим загадки</translation>
    </message>
    <message>
        <source>The picture is not shown while solving</source>
        <translation>Картинка не показывается во время сборки</translation>
    </message>
    <message>
        <source>&amp;Board colour...</source>
        <translation>&amp;Цвет поля…</translation>
    </message>
    <message>
        <source>The colour of the board the pieces lie on</source>
        <translation>Цвет поля, на котором лежат детали</translation>
    </message>
    <message>
        <source>Cuts the picture with other shapes of the same style</source>
        <translation>Разрезает картинку на другие формы того же стиля</translation>
    </message>
    <message>
        <source>The message&apos;s text</source>
        <translation>Текст сообщения</translation>
    </message>
    <message>
        <source>The message&apos;s font</source>
        <translation>Шрифт сообщения</translation>
    </message>
    <message>
        <source> pt</source>
        <translation> пт</translation>
    </message>
    <message>
        <source>The font&apos;s size</source>
        <translation>Размер шрифта</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>Жирный</translation>
    </message>
    <message>
        <source>Bold letters</source>
        <translation>Жирные буквы</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>Курсив</translation>
    </message>
    <message>
        <source>Slanted letters</source>
        <translation>Наклонные буквы</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>Подчёркнутый</translation>
    </message>
    <message>
        <source>Underlined letters</source>
        <translation>Подчёркнутые буквы</translation>
    </message>
    <message>
        <source>Text colour...</source>
        <translation>Цвет текста…</translation>
    </message>
    <message>
        <source>The colour of the letters</source>
        <translation>Цвет букв</translation>
    </message>
    <message>
        <source>Background...</source>
        <translation>Фон…</translation>
    </message>
    <message>
        <source>The colour behind the message</source>
        <translation>Цвет фона сообщения</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>По левому краю</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>По правому краю</translation>
    </message>
    <message>
        <source>Centred</source>
        <translation>По центру</translation>
    </message>
    <message>
        <source>How the lines are aligned</source>
        <translation>Как выровнены строки</translation>
    </message>
    <message>
        <source>Music played while solving</source>
        <translation>Музыка во время сборки</translation>
    </message>
    <message>
        <source>Choose music</source>
        <translation>Выбрать музыку</translation>
    </message>
    <message>
        <source>Music (*.mp3 *.ogg *.opus *.wav *.flac *.mid *.midi);;All files (*)</source>
        <translation>Музыка (*.mp3 *.ogg *.opus *.wav *.flac *.mid *.midi);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Plays or stops the music</source>
        <translation>Включает или останавливает музыку</translation>
    </message>
    <message>
        <source>A picture for the tool bar and panels</source>
        <translation>Картинка для панели инструментов и других панелей</translation>
    </message>
    <message>
        <source>Choose a skin</source>
        <translation>Выбрать обложку</translation>
    </message>
    <message>
        <source>The skin on a panel</source>
        <translation>Обложка на панели</translation>
    </message>
    <message>
        <source>Include e&amp;verything it needs to run (larger file)</source>
        <translation>Включить &amp;всё нужное для запуска (файл больше)</translation>
    </message>
    <message>
        <source>The gift brings the libraries it needs, so it runs on any Linux computer; most recipients need this</source>
        <translation>Подарок несёт с собой нужные библиотеки и работает на любом компьютере с Linux; большинству получателей это нужно</translation>
    </message>
    <message>
        <source>How large the gift will be</source>
        <translation>Каким будет размер подарка</translation>
    </message>
    <message>
        <source>Tr&amp;y it</source>
        <translation>Поп&amp;робовать</translation>
    </message>
    <message>
        <source>Starts the gift as the recipient will see it</source>
        <translation>Запускает подарок так, как его увидит получатель</translation>
    </message>
    <message>
        <source>&amp;Make gift...</source>
        <translation>Со&amp;здать подарок…</translation>
    </message>
    <message>
        <source>Saves the gift (Ctrl+S)</source>
        <translation>Сохраняет подарок (Ctrl+S)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Recent pictures</source>
        <translation>&amp;Недавние картинки</translation>
    </message>
    <message>
        <source>(none yet)</source>
        <translation>(пока нет)</translation>
    </message>
    <message>
        <source>&amp;Text to send with the gift...</source>
        <translation>Текст &amp;к подарку…</translation>
    </message>
    <message>
        <source>Text to send</source>
        <translation>Текст для отправки</translation>
    </message>
    <message>
        <source>Make a gift first.</source>
        <translation>Сначала создайте подарок.</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>С&amp;правка</translation>
    </message>
    <message>
        <source>&amp;How to make a gift</source>
        <translation>&amp;Как создать подарок</translation>
    </message>
    <message>
        <source>How to make a gift</source>
        <translation>Как создать подарок</translation>
    </message>
    <message numerus="yes">
        <source>%1 × %2 = %n pieces</source>
        <translation>
            <numerusform>%1 × %2 = %n деталь</numerusform>
            <numerusform>%1 × %2 = %n детали</numerusform>
            <numerusform>%1 × %2 = %n деталей</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 × %2 pixels; the gift stores %3</source>
        <translation>%1 × %2 пикс.; подарок хранит %3</translation>
    </message>
    <message>
        <source>Open picture</source>
        <translation>Открыть картинку</translation>
    </message>
    <message>
        <source>Choose a picture to see how large the gift will be.</source>
        <translation>Выберите картинку, чтобы узнать размер подарка.</translation>
    </message>
    <message>
        <source>The gift: about %1 (it runs where Qt 6 is installed).</source>
        <translation>Подарок: около %1 (работает там, где установлен Qt 6).</translation>
    </message>
    <message>
        <source>The gift: about %1 with everything it needs to run on any Linux computer; %2 without.</source>
        <translation>Подарок: около %1 со всем нужным для запуска на любом компьютере с Linux; %2 без этого.</translation>
    </message>
    <message>
        <source>The gift: about %1; %2 with everything it needs to run on any Linux computer.</source>
        <translation>Подарок: около %1; %2 со всем нужным для запуска на любом компьютере с Linux.</translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation>Ос&amp;тановить</translation>
    </message>
    <message>
        <source>Choose a picture first</source>
        <translation>Сначала выберите картинку</translation>
    </message>
    <message>
        <source>No player to copy was found beside the gift maker</source>
        <translation>Рядом с программой создания подарков не найдена программа игры для копирования</translation>
    </message>
    <message>
        <source>Save gift</source>
        <translation>Сохранить подарок</translation>
    </message>
    <message>
        <source>Zip archive, ready to send (*.zip)</source>
        <translation>Zip-архив, готовый к отправке (*.zip)</translation>
    </message>
    <message>
        <source>The gift program alone (*)</source>
        <translation>Только программа подарка (*)</translation>
    </message>
    <message>
        <source>The gift is saved as %1 (%2)</source>
        <translation>Подарок сохранён как %1 (%2)</translation>
    </message>
    <message>
        <source>Opening message</source>
        <translation>Приветствие</translation>
    </message>
    <message>
        <source>Shown when the gift starts.</source>
        <translation>Показывается при запуске подарка.</translation>
    </message>
    <message>
        <source>Closing message</source>
        <translation>Прощальное сообщение</translation>
    </message>
    <message>
        <source>Your farewell, shown every time the gift is closed.</source>
        <translation>Ваше прощание, которое показывается при каждом закрытии подарка.</translation>
    </message>
    <message>
        <source>Fu&amp;n pieces:</source>
        <translation>З&amp;абавные детали:</translation>
    </message>
    <message>
        <source>Ne&amp;w shapes</source>
        <translation>Нов&amp;ые формы</translation>
    </message>
    <message>
        <source>P&amp;lay</source>
        <translation>Воспро&amp;извести</translation>
    </message>
    <message>
        <source>M&amp;usic:</source>
        <translation>&amp;Музыка:</translation>
    </message>
    <message>
        <source>Ski&amp;n:</source>
        <translation>О&amp;бложка:</translation>
    </message>
    <message>
        <source>&lt;ol&gt;&lt;li&gt;&lt;b&gt;Picture&lt;/b&gt;: open a photo (File, Open picture, or drop it on the window). JPEG, PNG, HEIC, AVIF, WebP and TIFF pictures are turned upright and stored at the size chosen; a title, your name, a few words and the language of the gift (the recipient&apos;s own unless you choose one) go with it.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Pieces&lt;/b&gt;: how many, their shape and style; the preview shows the cut.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Messages&lt;/b&gt;: the opening message greets the recipient when the gift starts; the closing message is your farewell, shown every time the gift is closed.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Music and skin&lt;/b&gt;: optional music while solving and a picture for the tool bar.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Try it&lt;/b&gt; starts the gift as the recipient will see it.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Make gift&lt;/b&gt; saves it, best as a .zip archive: sent as a bare file, a gift loses the right to run on its way. The window then gives a short text to send with it that tells the recipient how to open it: extract the .zip, double-click the gift, and where that does nothing, Properties, Allow executing as program.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;Include everything it needs to run, unless you know the recipient has Qt 6 installed.&lt;/p&gt;</source>
        <translation>&lt;ol&gt;&lt;li&gt;&lt;b&gt;Картинка&lt;/b&gt;: откройте фотографию (Файл, Открыть картинку, или перетащите её на окно). Картинки JPEG, PNG, HEIC, AVIF, WebP и TIFF поворачиваются как надо и сохраняются в выбранном размере; к ним прилагаются название, ваше имя, несколько слов и язык подарка (язык получателя, если вы его не выберете).&lt;/li&gt;&lt;li&gt;&lt;b&gt;Детали&lt;/b&gt;: сколько их, их форма и стиль; предпросмотр показывает разрезку.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Сообщения&lt;/b&gt;: приветствие встречает получателя при запуске подарка; прощальное сообщение — ваше прощание, оно показывается при каждом закрытии подарка.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Музыка и обложка&lt;/b&gt;: музыка во время сборки, если хотите, и картинка для панели инструментов.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Попробовать&lt;/b&gt; запускает подарок так, как его увидит получатель.&lt;/li&gt;&lt;li&gt;&lt;b&gt;Создать подарок&lt;/b&gt; сохраняет его, лучше всего как архив .zip: отправленный простым файлом, подарок теряет в пути право на запуск. Затем окно даст короткий текст, который нужно отправить вместе с подарком: он объясняет получателю, как его открыть — распаковать .zip, дважды щёлкнуть подарок, а если ничего не происходит, Свойства, Разрешить выполнение файла как программы.&lt;/li&gt;&lt;/ol&gt;&lt;p&gt;Включайте всё нужное для запуска, если только вы не знаете, что у получателя установлен Qt 6.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>quill::MessagePreview</name>
    <message>
        <source>The message as the gift&apos;s splash screen shows it</source>
        <translation>Сообщение так, как его покажет заставка подарка</translation>
    </message>
</context>
<context>
    <name>quill::PieceSizeDialog</name>
    <message>
        <source>Classic|The traditional jigsaw piece style</source>
        <translation>Классика|Традиционная форма деталей пазла</translation>
    </message>
    <message>
        <source>Blip|Straight edges and round tabs</source>
        <translation>Кнопки|Прямые края и круглые выступы</translation>
    </message>
    <message>
        <source>Squares|Straight edges and no tabs</source>
        <translation>Квадраты|Прямые края без выступов</translation>
    </message>
    <message>
        <source>Stars|Straight edges and pointed tabs</source>
        <translation>Звёзды|Прямые края и острые выступы</translation>
    </message>
    <message>
        <source>Bubbles|Curved edges and no tabs</source>
        <translation>Пузыри|Изогнутые края без выступов</translation>
    </message>
    <message>
        <source>Mixture|A random mixture of all the different styles</source>
        <translation>Смесь|Случайная смесь всех форм</translation>
    </message>
    <message>
        <source>Set Piece Size and Shape</source>
        <translation>Размер и форма деталей</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Размер:</translation>
    </message>
    <message>
        <source>|Set the size of pieces</source>
        <translation>|Задать размер деталей</translation>
    </message>
    <message>
        <source>Oddness:</source>
        <translation>Неровность:</translation>
    </message>
    <message>
        <source>|Set the amount of shape irregularity</source>
        <translation>|Задать, насколько неровны формы</translation>
    </message>
    <message>
        <source>Fun pieces:</source>
        <translation>Забавные детали:</translation>
    </message>
    <message>
        <source>|Set the percentage of custom pieces in jigsaw</source>
        <translation>|Задать долю забавных деталей в пазле</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <source>Apply changes</source>
        <translation>Применить изменения</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>|Press OK to apply the new size</source>
        <translation>|Нажмите OK, чтобы применить новый размер</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Help on this screen</source>
        <translation>Справка по этому окну</translation>
    </message>
</context>
<context>
    <name>quill::QuickHelpDialog</name>
    <message>
        <source>Left mouse</source>
        <translation>Левая кнопка мыши</translation>
    </message>
    <message>
        <source>Move piece</source>
        <translation>Передвинуть деталь</translation>
    </message>
    <message>
        <source>Right mouse</source>
        <translation>Правая кнопка мыши</translation>
    </message>
    <message>
        <source>Piece popup menu</source>
        <translation>Меню детали</translation>
    </message>
    <message>
        <source>Shift+left mouse</source>
        <translation>Shift+левая кнопка мыши</translation>
    </message>
    <message>
        <source>Fetch neighbor</source>
        <translation>Принести соседа</translation>
    </message>
    <message>
        <source>Shift+right mouse</source>
        <translation>Shift+правая кнопка мыши</translation>
    </message>
    <message>
        <source>Show neighbor</source>
        <translation>Показать соседа</translation>
    </message>
    <message>
        <source>Ctrl+left mouse</source>
        <translation>Ctrl+левая кнопка мыши</translation>
    </message>
    <message>
        <source>Rotate piece left</source>
        <translation>Повернуть деталь влево</translation>
    </message>
    <message>
        <source>Ctrl+right mouse</source>
        <translation>Ctrl+правая кнопка мыши</translation>
    </message>
    <message>
        <source>Rotate piece right</source>
        <translation>Повернуть деталь вправо</translation>
    </message>
    <message>
        <source>Ctrl+Shift+left mouse</source>
        <translation>Ctrl+Shift+левая кнопка мыши</translation>
    </message>
    <message>
        <source>Solve this piece</source>
        <translation>Поставить эту деталь</translation>
    </message>
    <message>
        <source>Ctrl+Shift+right mouse</source>
        <translation>Ctrl+Shift+правая кнопка мыши</translation>
    </message>
    <message>
        <source>Show piece solution</source>
        <translation>Показать место детали</translation>
    </message>
    <message>
        <source>Scroll wheel click</source>
        <translation>Щелчок колёсиком</translation>
    </message>
    <message>
        <source>Hold piece</source>
        <translation>Удерживать деталь</translation>
    </message>
    <message>
        <source>Scroll wheel rotate</source>
        <translation>Прокрутка колёсика</translation>
    </message>
    <message>
        <source>Rotate piece</source>
        <translation>Повернуть деталь</translation>
    </message>
    <message>
        <source>Drag band to select pieces</source>
        <translation>Протянуть рамку, чтобы выделить детали</translation>
    </message>
    <message>
        <source>Board popup menu</source>
        <translation>Меню поля</translation>
    </message>
    <message>
        <source>Left mouse (hold 3 seconds)</source>
        <translation>Левая кнопка мыши (держать 3 секунды)</translation>
    </message>
    <message>
        <source>Move ghost around</source>
        <translation>Передвинуть призрак</translation>
    </message>
    <message>
        <source>Fetch piece to ghost</source>
        <translation>Принести деталь к призраку</translation>
    </message>
    <message>
        <source>Find piece to fit ghost</source>
        <translation>Найти деталь для призрака</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Zoom picture</source>
        <translation>Увеличить картинку</translation>
    </message>
    <message>
        <source>Picture window</source>
        <translation>Окно картинки</translation>
    </message>
    <message>
        <source>Loupe window</source>
        <translation>Окно лупы</translation>
    </message>
    <message>
        <source>Ghost background</source>
        <translation>Картинка-призрак на фоне</translation>
    </message>
    <message>
        <source>Advanced options</source>
        <translation>Дополнительные параметры</translation>
    </message>
    <message>
        <source>Save game</source>
        <translation>Сохранить игру</translation>
    </message>
    <message>
        <source>Hint!</source>
        <translation>Подсказка!</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Повторить</translation>
    </message>
    <message>
        <source>Mouse click over a piece:</source>
        <translation>Щелчок по детали:</translation>
    </message>
    <message>
        <source>Mouse click over background:</source>
        <translation>Щелчок по фону:</translation>
    </message>
    <message>
        <source>Mouse click over ghost:</source>
        <translation>Щелчок по призраку:</translation>
    </message>
    <message>
        <source>Keyboard:</source>
        <translation>Клавиатура:</translation>
    </message>
    <message>
        <source>Quick help - shortcuts</source>
        <translation>Краткая справка — сочетания клавиш</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>More...</source>
        <translation>Ещё…</translation>
    </message>
</context>
<context>
    <name>quill::TLoupeForm</name>
    <message>
        <source>Loupe: %1x</source>
        <translation>Лупа: %1x</translation>
    </message>
</context>
<context>
    <name>quill::TOverlayForm</name>
    <message>
        <source>Picture</source>
        <translation>Картинка</translation>
    </message>
</context>
<context>
    <name>quill::TrayDialog</name>
    <message>
        <source>Tray Description</source>
        <translation>Описание лотка</translation>
    </message>
    <message>
        <source>Enter a name or short description for tray:</source>
        <translation>Введите название или краткое описание лотка:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
</context>
</TS>
