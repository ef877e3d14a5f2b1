// The HDR screens' texts in 13 languages.
#include "hdr/hdr_texts.h"

#include "app/texts.h"

static_assert(kLanguageCount == 13, "one row per language");

// "cd/m²" and the numbers are the same in every language; the numbers use a no-break space
// between thousands.
const wchar_t* const g_hdrTexts[13][HT_COUNT] = {
    {
        // 0 English
        L"White window of %ls of the screen's area at %ls cd/m\x00B2",
        L"A small window brighter than the full field (100 %) "
        L"shows the monitor's brightness limiter (ABL) at work.",
        L"Boxes on 5 cd/m\x00B2: where the boxes stop getting "
        L"brighter, the monitor's tone mapping ends and it clips.",
        L"Framed: the step at or below the peak this monitor claims, %ls cd/m\x00B2.",
        L"Boxes on true black (0 cd/m\x00B2): every box you can tell "
        L"from the black is shadow detail the monitor keeps.",
        L"Single pixels at %ls cd/m\x00B2",
        L"3 \x00D7 3 dots at %ls cd/m\x00B2",
        L"A box of 1 %% of the area at %ls cd/m\x00B2",
        L"White text at %ls cd/m\x00B2",
        L"Halos around this text are local dimming zones.",
        L"10 bits: every PQ code from 0 to 100 cd/m\x00B2 (521 steps)",
        L"8 bits: every fourth code (131 steps). The same steps in both halves: 10 bits are lost on the way.",
        L"sRGB, DCI-P3 and BT.2020 primaries at equal luminance: on an sRGB-only monitor each row looks alike.",
        L"HDR is off, so everything above SDR white is clipped: "
        L"turn on \x201CUse HDR\x201D in Windows' display settings.",
        L"HDR screens cannot be shown on this computer: %ls",
        L"Direct3D 11 (d3d11.dll) is missing.",
        L"DXGI (dxgi.dll) is missing.",
        L"no Direct3D 11 device could be made, not even in software (WARP).",
        L"this Windows has no flip-model swap chains (Windows 8 or later is needed).",
        L"the graphics driver gives no 16-bit floating-point swap chain.",
        L"the graphics driver stopped showing the frames.",
    },
    {
        // 1 Chinese
        L"白色窗口，占屏幕面积的 %ls，亮度 %ls cd/m²",
        L"小窗口比全屏（100 %）更亮，说明显示器的亮度限制（ABL）在起作用。",
        L"5 cd/m² 底上的方块：从方块不再变亮处起，显示器的色调映射结束，开始截断。",
        L"带框：不超过此显示器标称峰值的最高一级，%ls cd/m²。",
        L"纯黑（0 cd/m²）上的方块：能与黑色分开的每个方块，都是显示器保留的暗部细节。",
        L"单个像素，%ls cd/m²",
        L"3 × 3 点，%ls cd/m²",
        L"占面积 1 %% 的方块，%ls cd/m²",
        L"白色文字，%ls cd/m²",
        L"这行文字周围的光晕就是局部调光分区。",
        L"10 位：0 到 100 cd/m² 的每个 PQ 码值（521 级）",
        L"8 位：每四个码值取一个（131 级）。上下两半阶梯相同：途中丢失了 10 位。",
        L"sRGB、DCI-P3 和 BT.2020 的原色，亮度相同：仅支持 sRGB 的显示器上每行三块看起来一样。",
        L"HDR 已关闭，SDR 白色以上全被截断：请在 Windows 显示设置中打开“使用 HDR”。",
        L"此电脑无法显示 HDR 画面：%ls",
        L"缺少 Direct3D 11（d3d11.dll）。",
        L"缺少 DXGI（dxgi.dll）。",
        L"无法创建 Direct3D 11 设备，软件渲染（WARP）也不行。",
        L"此 Windows 没有翻转模型交换链（需要 Windows 8 或更高版本）。",
        L"显卡驱动不提供 16 位浮点交换链。",
        L"显卡驱动停止显示画面。",
    },
    {
        // 2 German
        L"Weißes Fenster mit %ls der Bildfläche bei %ls cd/m²",
        L"Ein kleines Fenster heller als die volle Fläche (100 "
        L"%) zeigt die Helligkeitsbegrenzung (ABL) des Monitors.",
        L"Felder auf 5 cd/m²: Wo die Felder nicht mehr heller "
        L"werden, endet das Tone Mapping des Monitors, er clippt.",
        L"Gerahmt: die Stufe bei oder unter der Spitze, die dieser Monitor angibt, %ls cd/m².",
        L"Felder auf echtem Schwarz (0 cd/m²): Jedes vom Schwarz "
        L"unterscheidbare Feld ist erhaltene Tiefenzeichnung.",
        L"Einzelne Pixel bei %ls cd/m²",
        L"3 × 3 Punkte bei %ls cd/m²",
        L"Ein Feld mit 1 %% der Fläche bei %ls cd/m²",
        L"Weißer Text bei %ls cd/m²",
        L"Lichthöfe um diesen Text sind Local-Dimming-Zonen.",
        L"10 Bit: jeder PQ-Code von 0 bis 100 cd/m² (521 Stufen)",
        L"8 Bit: jeder vierte Code (131 Stufen). Gleiche Stufen "
        L"in beiden Hälften: Unterwegs gehen 10 Bit verloren.",
        L"Primärfarben von sRGB, DCI-P3 und BT.2020 gleich "
        L"hell: Ein reiner sRGB-Monitor zeigt jede Reihe gleich.",
        L"HDR aus: Alles über SDR-Weiß wird abgeschnitten. „HDR "
        L"verwenden“ in den Anzeigeeinstellungen einschalten.",
        L"HDR-Bildschirme können auf diesem Computer nicht gezeigt werden: %ls",
        L"Direct3D 11 (d3d11.dll) fehlt.",
        L"DXGI (dxgi.dll) fehlt.",
        L"es ließ sich kein Direct3D-11-Gerät erstellen, auch nicht in Software (WARP).",
        L"dieses Windows hat keine Flip-Model-Swapchains (Windows 8 oder neuer nötig).",
        L"der Grafiktreiber bietet keine 16-Bit-Gleitkomma-Swapchain.",
        L"der Grafiktreiber zeigt die Bilder nicht mehr an.",
    },
    {
        // 3 French
        L"Fenêtre blanche de %ls de la surface de l'écran à %ls cd/m²",
        L"Petite fenêtre plus lumineuse que le plein écran (100 %) : le limiteur de luminosité (ABL) agit.",
        L"Carrés sur 5 cd/m² : là où ils cessent de s'éclaircir, "
        L"le mappage des tons finit et le moniteur écrête.",
        L"Encadré : le palier à la crête annoncée par ce moniteur ou juste en dessous, %ls cd/m².",
        L"Carrés sur noir absolu (0 cd/m²) : chaque carré visible sur le noir est un détail d'ombre conservé.",
        L"Pixels isolés à %ls cd/m²",
        L"Points de 3 × 3 à %ls cd/m²",
        L"Un carré de 1 %% de la surface à %ls cd/m²",
        L"Texte blanc à %ls cd/m²",
        L"Des halos ici révèlent la gradation locale.",
        L"10 bits : chaque code PQ de 0 à 100 cd/m² (521 paliers)",
        L"8 bits : un code sur quatre (131 paliers). Mêmes "
        L"paliers dans les deux moitiés : les 10 bits se perdent.",
        L"Primaires sRGB, DCI-P3, BT.2020 de même luminance : uniformes par rangée sur un moniteur sRGB seul.",
        L"HDR désactivé : au-delà du blanc SDR, tout est écrêté. "
        L"Activez « Utiliser HDR » (paramètres d'affichage).",
        L"Les écrans HDR ne peuvent pas être affichés sur cet ordinateur : %ls",
        L"Direct3D 11 (d3d11.dll) est absent.",
        L"DXGI (dxgi.dll) est absent.",
        L"aucun périphérique Direct3D 11 n'a pu être créé, même logiciel (WARP).",
        L"ce Windows n'a pas de chaînes d'échange en mode flip (Windows 8 ou ultérieur requis).",
        L"le pilote graphique ne fournit pas de chaîne d'échange en virgule flottante 16 bits.",
        L"le pilote graphique a cessé d'afficher les images.",
    },
    {
        // 4 Spanish
        L"Ventana blanca del %ls del área de la pantalla a %ls cd/m²",
        L"Una ventana pequeña más brillante que el campo completo (100 %): actúa el limitador de brillo (ABL).",
        L"Cuadros sobre 5 cd/m²: donde dejan de aclararse, termina el mapeo de tonos y el monitor recorta.",
        L"Enmarcado: el escalón en el pico que declara este monitor o justo debajo, %ls cd/m².",
        L"Cuadros sobre negro puro (0 cd/m²): cada cuadro "
        L"distinguible del negro es detalle en sombras conservado.",
        L"Píxeles sueltos a %ls cd/m²",
        L"Puntos de 3 × 3 a %ls cd/m²",
        L"Un cuadro del 1 %% del área a %ls cd/m²",
        L"Texto blanco a %ls cd/m²",
        L"Los halos aquí revelan la atenuación local.",
        L"10 bits: cada código PQ de 0 a 100 cd/m² (521 escalones)",
        L"8 bits: un código de cada cuatro (131 escalones). Iguales arriba y abajo: se pierden los 10 bits.",
        L"Primarios sRGB, DCI-P3 y BT.2020 con igual luminancia: "
        L"en un monitor solo sRGB, cada fila es uniforme.",
        L"HDR desactivado, se recorta todo sobre el blanco SDR: "
        L"active «Usar HDR» en la configuración de pantalla.",
        L"Las pantallas HDR no se pueden mostrar en este equipo: %ls",
        L"falta Direct3D 11 (d3d11.dll).",
        L"falta DXGI (dxgi.dll).",
        L"no se pudo crear ningún dispositivo Direct3D 11, ni siquiera por software (WARP).",
        L"este Windows no tiene cadenas de intercambio de modelo flip (se necesita Windows 8 o posterior).",
        L"el controlador gráfico no ofrece una cadena de intercambio de coma flotante de 16 bits.",
        L"el controlador gráfico dejó de mostrar los fotogramas.",
    },
    {
        // 5 Portuguese
        L"Janela branca de %ls da área da tela a %ls cd/m²",
        L"Janela pequena mais clara que o campo inteiro (100 %): o limitador de brilho (ABL) do monitor age.",
        L"Quadrados sobre 5 cd/m²: onde param de clarear, o mapeamento de tons termina e o monitor corta.",
        L"Emoldurado: o degrau no pico que este monitor declara ou logo abaixo dele, %ls cd/m².",
        L"Quadrados sobre preto puro (0 cd/m²): cada quadrado visível no preto é detalhe de sombra preservado.",
        L"Pixels isolados a %ls cd/m²",
        L"Pontos de 3 × 3 a %ls cd/m²",
        L"Um quadrado de 1 %% da área a %ls cd/m²",
        L"Texto branco a %ls cd/m²",
        L"Halos aqui revelam o escurecimento local.",
        L"10 bits: cada código PQ de 0 a 100 cd/m² (521 degraus)",
        L"8 bits: um código a cada quatro (131 degraus). Os "
        L"mesmos degraus nas duas metades: os 10 bits se perdem.",
        L"Primárias sRGB, DCI-P3 e BT.2020 com a mesma luminância: "
        L"num monitor só sRGB, cada fileira é uniforme.",
        L"HDR desligado, tudo acima do branco SDR é cortado: "
        L"ative \"Usar HDR\" nas configurações de vídeo do Windows.",
        L"As telas HDR não podem ser mostradas neste computador: %ls",
        L"falta o Direct3D 11 (d3d11.dll).",
        L"falta o DXGI (dxgi.dll).",
        L"nenhum dispositivo Direct3D 11 pôde ser criado, nem por software (WARP).",
        L"este Windows não tem cadeias de troca no modelo flip (é preciso o Windows 8 ou posterior).",
        L"o driver gráfico não oferece cadeia de troca de ponto flutuante de 16 bits.",
        L"o driver gráfico parou de mostrar os quadros.",
    },
    {
        // 6 Dutch
        L"Wit venster van %ls van de schermoppervlakte op %ls cd/m²",
        L"Een klein venster helderder dan het volle vlak (100 "
        L"%) toont de helderheidsbegrenzer (ABL) aan het werk.",
        L"Vlakken op 5 cd/m²: waar de vlakken niet meer lichter "
        L"worden, eindigt de tonemapping en clipt de monitor.",
        L"Omlijst: de stap op of net onder de piek die deze monitor opgeeft, %ls cd/m².",
        L"Vlakken op echt zwart (0 cd/m²): elk vlak dat van het "
        L"zwart te onderscheiden is, is behouden schaduwdetail.",
        L"Losse pixels op %ls cd/m²",
        L"Stippen van 3 × 3 op %ls cd/m²",
        L"Een vlak van 1 %% van de oppervlakte op %ls cd/m²",
        L"Witte tekst op %ls cd/m²",
        L"Halo's rond deze tekst zijn local-dimmingzones.",
        L"10 bits: elke PQ-code van 0 tot 100 cd/m² (521 stappen)",
        L"8 bits: elke vierde code (131 stappen). Dezelfde stappen "
        L"in beide helften: onderweg gaan 10 bits verloren.",
        L"Primaire kleuren van sRGB, DCI-P3 en BT.2020 even helder: op een sRGB-monitor lijkt elke rij egaal.",
        L"HDR staat uit, alles boven SDR-wit wordt afgekapt: "
        L"zet ‘HDR gebruiken’ aan in de beeldscherminstellingen.",
        L"HDR-schermen kunnen op deze computer niet worden getoond: %ls",
        L"Direct3D 11 (d3d11.dll) ontbreekt.",
        L"DXGI (dxgi.dll) ontbreekt.",
        L"er kon geen Direct3D 11-apparaat worden gemaakt, ook niet in software (WARP).",
        L"deze Windows heeft geen flip-model-swapchains (Windows 8 of later is nodig).",
        L"het grafische stuurprogramma biedt geen 16-bits floating-point-swapchain.",
        L"het grafische stuurprogramma toont de beelden niet meer.",
    },
    {
        // 7 Swedish
        L"Vitt fönster på %ls av skärmens yta vid %ls cd/m²",
        L"Ett litet fönster ljusare än hela ytan (100 %) visar "
        L"att skärmens ljusstyrkebegränsare (ABL) slår till.",
        L"Rutor på 5 cd/m²: där rutorna slutar bli ljusare tar skärmens tonmappning slut och den klipper.",
        L"Inramad: steget vid eller strax under den topp som skärmen uppger, %ls cd/m².",
        L"Rutor på helt svart (0 cd/m²): varje ruta som syns "
        L"mot det svarta är skuggdetalj som skärmen behåller.",
        L"Enstaka pixlar vid %ls cd/m²",
        L"Punkter på 3 × 3 vid %ls cd/m²",
        L"En ruta på 1 %% av ytan vid %ls cd/m²",
        L"Vit text vid %ls cd/m²",
        L"Halor runt texten visar lokal dimning.",
        L"10 bitar: varje PQ-kod från 0 till 100 cd/m² (521 steg)",
        L"8 bitar: var fjärde kod (131 steg). Samma steg i båda halvorna: 10 bitar går förlorade på vägen.",
        L"Primärfärger för sRGB, DCI-P3 och BT.2020 lika ljusa: "
        L"på en ren sRGB-skärm ser varje rad enhetlig ut.",
        L"HDR är av, så allt över SDR-vitt klipps: slå på ”Använd HDR” i Windows skärminställningar.",
        L"HDR-skärmarna kan inte visas på den här datorn: %ls",
        L"Direct3D 11 (d3d11.dll) saknas.",
        L"DXGI (dxgi.dll) saknas.",
        L"ingen Direct3D 11-enhet kunde skapas, inte ens i programvara (WARP).",
        L"den här Windows-versionen har inga växlingskedjor med flip-modell (Windows 8 eller senare krävs).",
        L"grafikdrivrutinen ger ingen växlingskedja med 16-bitars flyttal.",
        L"grafikdrivrutinen slutade visa bilderna.",
    },
    {
        // 8 Russian
        L"Белое окно на %ls площади экрана, %ls cd/m²",
        L"Маленькое окно ярче полного поля (100 %): работает ограничитель яркости монитора (ABL).",
        L"Квадраты на 5 cd/m²: где квадраты перестают светлеть, "
        L"тональное отображение кончается и монитор срезает.",
        L"В рамке: ступень на заявленном монитором пике или чуть ниже, %ls cd/m².",
        L"Квадраты на чистом чёрном (0 cd/m²): каждый квадрат, "
        L"отличимый от чёрного, — сохранённая деталь в тенях.",
        L"Отдельные пиксели, %ls cd/m²",
        L"Точки 3 × 3, %ls cd/m²",
        L"Квадрат на 1 %% площади, %ls cd/m²",
        L"Белый текст, %ls cd/m²",
        L"Ореолы вокруг текста — локальное затемнение.",
        L"10 бит: каждый код PQ от 0 до 100 cd/m² (521 ступень)",
        L"8 бит: каждый четвёртый код (131 ступень). Одинаковые "
        L"ступени в обеих половинах: 10 бит теряются по пути.",
        L"Основные цвета sRGB, DCI-P3 и BT.2020 равной яркости: "
        L"на мониторе только с sRGB каждый ряд однороден.",
        L"HDR выключен, всё выше белого SDR срезается: включите "
        L"«Использовать HDR» в параметрах экрана Windows.",
        L"Экраны HDR нельзя показать на этом компьютере: %ls",
        L"нет Direct3D 11 (d3d11.dll).",
        L"нет DXGI (dxgi.dll).",
        L"не удалось создать устройство Direct3D 11, даже программное (WARP).",
        L"в этой Windows нет цепочек буферов с моделью flip (нужна Windows 8 или новее).",
        L"видеодрайвер не даёт цепочку буферов с 16-битными числами с плавающей точкой.",
        L"видеодрайвер перестал показывать кадры.",
    },
    {
        // 9 Polish
        L"Białe okno o %ls powierzchni ekranu przy %ls cd/m²",
        L"Małe okno jaśniejsze od pełnego pola (100 %) pokazuje, "
        L"że działa ogranicznik jasności monitora (ABL).",
        L"Pola na 5 cd/m²: gdzie pola przestają jaśnieć, kończy "
        L"się mapowanie tonów monitora i zaczyna obcinanie.",
        L"W ramce: stopień na szczycie deklarowanym przez ten monitor lub tuż poniżej, %ls cd/m².",
        L"Pola na czystej czerni (0 cd/m²): każde pole odróżnialne od czerni to zachowany szczegół w cieniach.",
        L"Pojedyncze piksele przy %ls cd/m²",
        L"Kropki 3 × 3 przy %ls cd/m²",
        L"Pole o 1 %% powierzchni przy %ls cd/m²",
        L"Biały tekst przy %ls cd/m²",
        L"Poświata wokół tekstu to lokalne przyciemnianie.",
        L"10 bitów: każdy kod PQ od 0 do 100 cd/m² (521 stopni)",
        L"8 bitów: co czwarty kod (131 stopni). Te same stopnie w obu połowach: 10 bitów ginie po drodze.",
        L"Barwy podstawowe sRGB, DCI-P3 i BT.2020 o równej "
        L"jasności: na monitorze tylko sRGB rzędy są jednolite.",
        L"HDR jest wyłączony, wszystko powyżej bieli SDR jest "
        L"obcinane: włącz „Użyj HDR” w ustawieniach ekranu.",
        L"Ekranów HDR nie da się pokazać na tym komputerze: %ls",
        L"brak Direct3D 11 (d3d11.dll).",
        L"brak DXGI (dxgi.dll).",
        L"nie udało się utworzyć urządzenia Direct3D 11, nawet programowego (WARP).",
        L"ten Windows nie ma łańcuchów wymiany w modelu flip (potrzebny Windows 8 lub nowszy).",
        L"sterownik grafiki nie daje łańcucha wymiany z 16-bitowymi liczbami zmiennoprzecinkowymi.",
        L"sterownik grafiki przestał pokazywać klatki.",
    },
    {
        // 10 Japanese
        L"画面面積の %ls の白いウィンドウ、%ls cd/m²",
        L"小さいウィンドウが全画面（100 %）より明るければ、輝度制限（ABL）が働いています。",
        L"5 cd/m² 上のボックス：明るくならなくなる所でトーンマッピングが終わり、クリップします。",
        L"枠付き：このモニターの公称ピーク以下で最も高い段、%ls cd/m²。",
        L"完全な黒（0 cd/m²）上のボックス：黒と見分けられるものは、モニターが保つ暗部の階調です。",
        L"単一ピクセル、%ls cd/m²",
        L"3 × 3 の点、%ls cd/m²",
        L"面積 1 %% のボックス、%ls cd/m²",
        L"白い文字、%ls cd/m²",
        L"この文字のハローはローカルディミングのゾーンです。",
        L"10 ビット：0 から 100 cd/m² のすべての PQ コード（521 段）",
        L"8 ビット：4 コードごと（131 段）。上下で同じ段なら、途中で 10 ビットが失われています。",
        L"sRGB・DCI-P3・BT.2020 の原色を同じ輝度で：sRGB のみのモニターでは各行が同じに見えます。",
        L"HDR がオフで SDR の白より上はクリップされます。ディスプレイ設定で「HDR を使用する」をオンにしてください。",
        L"このコンピューターでは HDR 画面を表示できません：%ls",
        L"Direct3D 11（d3d11.dll）がありません。",
        L"DXGI（dxgi.dll）がありません。",
        L"ソフトウェア（WARP）でも Direct3D 11 デバイスを作成できませんでした。",
        L"この Windows にはフリップモデルのスワップチェーンがありません（Windows 8 以降が必要）。",
        L"グラフィックスドライバーが 16 ビット浮動小数点のスワップチェーンを提供しません。",
        L"グラフィックスドライバーがフレームの表示を停止しました。",
    },
    {
        // 11 Korean
        L"흰색 창: 화면 면적의 %ls, %ls cd/m²",
        L"작은 창이 전체 화면(100 %)보다 밝으면 모니터의 밝기 제한(ABL)이 작동하는 것입니다.",
        L"5 cd/m² 위의 상자: 상자가 더 밝아지지 않는 곳에서 톤 매핑이 끝나고 클리핑됩니다.",
        L"테두리: 이 모니터의 공칭 피크 이하에서 가장 높은 단계, %ls cd/m².",
        L"완전한 검은색(0 cd/m²) 위의 상자: 검은색과 구별되는 상자는 모니터가 살린 암부 디테일입니다.",
        L"단일 픽셀, %ls cd/m²",
        L"3 × 3 점, %ls cd/m²",
        L"면적 1 %% 상자, %ls cd/m²",
        L"흰색 텍스트, %ls cd/m²",
        L"이 글자 주위의 후광은 로컬 디밍 구역입니다.",
        L"10비트: 0-100 cd/m²의 모든 PQ 코드(521단계)",
        L"8비트: 네 코드마다 하나(131단계). 위아래 절반의 단계가 같으면 도중에 10비트가 사라집니다.",
        L"sRGB, DCI-P3, BT.2020 원색을 같은 휘도로: sRGB 전용 모니터에서는 각 줄이 같아 보입니다.",
        L"HDR이 꺼져 SDR 흰색보다 밝은 부분이 잘립니다. 디스플레이 설정에서 \"HDR 사용\"을 켜세요.",
        L"이 컴퓨터에서는 HDR 화면을 표시할 수 없습니다: %ls",
        L"Direct3D 11(d3d11.dll)이 없습니다.",
        L"DXGI(dxgi.dll)가 없습니다.",
        L"소프트웨어(WARP)로도 Direct3D 11 장치를 만들 수 없습니다.",
        L"이 Windows에는 플립 모델 스왑 체인이 없습니다(Windows 8 이상 필요).",
        L"그래픽 드라이버가 16비트 부동소수점 스왑 체인을 제공하지 않습니다.",
        L"그래픽 드라이버가 프레임 표시를 멈췄습니다.",
    },
    {
        // 12 Italian
        L"Finestra bianca: %ls dell'area dello schermo, %ls cd/m²",
        L"Finestra piccola più luminosa del campo pieno (100 "
        L"%): è all'opera il limitatore di luminosità (ABL).",
        L"Riquadri su 5 cd/m²: dove i riquadri smettono di "
        L"schiarirsi finisce il tone mapping e il monitor taglia.",
        L"Incorniciato: il gradino al picco dichiarato dal monitor o appena sotto, %ls cd/m².",
        L"Riquadri su nero assoluto (0 cd/m²): ogni riquadro visibile sul nero è dettaglio d'ombra conservato.",
        L"Pixel singoli a %ls cd/m²",
        L"Punti 3 × 3 a %ls cd/m²",
        L"Un riquadro dell'1 %% dell'area a %ls cd/m²",
        L"Testo bianco a %ls cd/m²",
        L"Aloni attorno al testo: zone di local dimming.",
        L"10 bit: ogni codice PQ da 0 a 100 cd/m² (521 gradini)",
        L"8 bit: un codice ogni quattro (131 gradini). Stessi "
        L"gradini nelle due metà: i 10 bit si perdono per strada.",
        L"Primari sRGB, DCI-P3 e BT.2020 a pari luminanza: su un monitor solo sRGB ogni fila sembra uniforme.",
        L"HDR disattivato, tutto oltre il bianco SDR viene "
        L"tagliato: attiva «Usa HDR» nelle impostazioni schermo.",
        L"Le schermate HDR non possono essere mostrate su questo computer: %ls",
        L"manca Direct3D 11 (d3d11.dll).",
        L"manca DXGI (dxgi.dll).",
        L"non è stato possibile creare un dispositivo Direct3D 11, nemmeno software (WARP).",
        L"questo Windows non ha swap chain in modello flip (serve Windows 8 o successivo).",
        L"il driver grafico non fornisce una swap chain in virgola mobile a 16 bit.",
        L"il driver grafico ha smesso di mostrare i fotogrammi.",
    },
};

const wchar_t* HdrTextIn(int lang, HdrTextKey key) {
    if (key < 0 || key >= HT_COUNT) return L"";
    if (lang < 0 || lang >= kLanguageCount) lang = 0;
    const wchar_t* text = g_hdrTexts[lang][key];
    return text != nullptr && text[0] != L'\0' ? text : g_hdrTexts[0][key];
}

const wchar_t* HdrText(HdrTextKey key) { return HdrTextIn(g_lang, key); }
