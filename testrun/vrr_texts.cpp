// The variable-refresh screens' lines in 13 languages.
#include "testrun/vrr_texts.h"

#include "app/texts.h"

static_assert(kLanguageCount == 13, "one row per language");

const wchar_t* const g_vrrTexts[13][VT_COUNT] = {
    {
        // 0 English
        L"Target: %ls fps",
        L"Target: %ls fps, held: + and \x2212 move it, Space sweeps again",
        L"Presented: %ls fps",
        L"Presented: measuring\x2026",
        L"VRR range the monitor claims: %ls\x2013%ls Hz",
        L"The monitor claims no VRR range: the sweep starts at %ls Hz",
        L"The frame time jumps between %ls and %ls Hz",
        L"Variable refresh cannot be used on this machine: %ls",
        L"Windows or the graphics driver does not allow tearing, so each frame waits for the next refresh.",
        L"Direct3D 11 cannot show the frames here, so this is a still picture.",
    },
    {
        // 1 Chinese
        L"目标：%ls fps",
        L"目标：%ls fps，已固定：+ 和 \x2212 调整，空格恢复扫描",
        L"实际呈现：%ls fps",
        L"实际呈现：测量中\x2026",
        L"显示器标称的 VRR 范围：%ls\x2013%ls Hz",
        L"显示器未标称 VRR 范围：扫描从 %ls Hz 开始",
        L"帧时间在 %ls 和 %ls Hz 之间跳变",
        L"此电脑无法使用可变刷新率：%ls",
        L"Windows 或显卡驱动不允许画面撕裂，因此每帧都要等待下一次刷新。",
        L"Direct3D 11 无法在此显示画面，因此这是一幅静止图像。",
    },
    {
        // 2 German
        L"Ziel: %ls fps",
        L"Ziel: %ls fps, gehalten: + und \x2212 ändern es, Leertaste lässt es wieder laufen",
        L"Dargestellt: %ls fps",
        L"Dargestellt: wird gemessen\x2026",
        L"VRR-Bereich laut Monitor: %ls\x2013%ls Hz",
        L"Der Monitor gibt keinen VRR-Bereich an: der Sweep beginnt bei %ls Hz",
        L"Die Bilddauer springt zwischen %ls und %ls Hz",
        L"VRR kann auf diesem Rechner nicht genutzt werden: %ls",
        L"Windows oder der Grafiktreiber erlaubt kein Tearing, daher wartet jedes Bild auf den nächsten Refresh.",
        L"Direct3D 11 kann die Bilder hier nicht zeigen, daher ist dies ein Standbild.",
    },
    {
        // 3 French
        L"Cible : %ls i/s",
        L"Cible : %ls i/s, figée : + et \x2212 la changent, Espace relance le balayage",
        L"Affiché : %ls i/s",
        L"Affiché : mesure en cours\x2026",
        L"Plage VRR annoncée par le moniteur : %ls\x2013%ls Hz",
        L"Le moniteur n'annonce aucune plage VRR : le balayage part de %ls Hz",
        L"La durée d'image saute entre %ls et %ls Hz",
        L"Le VRR ne peut pas être utilisé sur cet ordinateur : %ls",
        L"Windows ou le pilote graphique n'autorise pas le déchirement, chaque image attend donc le rafraîchissement suivant.",
        L"Direct3D 11 ne peut pas afficher les images ici : ceci est une image fixe.",
    },
    {
        // 4 Spanish
        L"Objetivo: %ls fps",
        L"Objetivo: %ls fps, fijado: + y \x2212 lo cambian, Espacio reanuda el barrido",
        L"Mostrado: %ls fps",
        L"Mostrado: midiendo\x2026",
        L"Rango VRR que declara el monitor: %ls\x2013%ls Hz",
        L"El monitor no declara rango VRR: el barrido empieza en %ls Hz",
        L"El tiempo de fotograma salta entre %ls y %ls Hz",
        L"No se puede usar VRR en este equipo: %ls",
        L"Windows o el controlador gráfico no permite tearing, así que cada fotograma espera al siguiente refresco.",
        L"Direct3D 11 no puede mostrar los fotogramas aquí: esto es una imagen fija.",
    },
    {
        // 5 Portuguese
        L"Alvo: %ls fps",
        L"Alvo: %ls fps, fixado: + e \x2212 mudam-no, Espaço retoma a varredura",
        L"Apresentado: %ls fps",
        L"Apresentado: a medir\x2026",
        L"Faixa VRR declarada pelo monitor: %ls\x2013%ls Hz",
        L"O monitor não declara faixa VRR: a varredura começa em %ls Hz",
        L"O tempo de quadro salta entre %ls e %ls Hz",
        L"Não é possível usar VRR neste computador: %ls",
        L"O Windows ou o driver gráfico não permite tearing, por isso cada quadro espera pela atualização seguinte.",
        L"O Direct3D 11 não consegue mostrar os quadros aqui: esta é uma imagem fixa.",
    },
    {
        // 6 Dutch
        L"Doel: %ls fps",
        L"Doel: %ls fps, vastgezet: + en \x2212 verschuiven het, spatie laat het weer lopen",
        L"Getoond: %ls fps",
        L"Getoond: wordt gemeten\x2026",
        L"VRR-bereik volgens de monitor: %ls\x2013%ls Hz",
        L"De monitor geeft geen VRR-bereik op: de sweep begint bij %ls Hz",
        L"De beeldduur springt tussen %ls en %ls Hz",
        L"VRR kan op deze computer niet worden gebruikt: %ls",
        L"Windows of het grafische stuurprogramma staat geen tearing toe, dus elk beeld wacht op de volgende verversing.",
        L"Direct3D 11 kan de beelden hier niet tonen: dit is een stilstaand beeld.",
    },
    {
        // 7 Swedish
        L"Mål: %ls fps",
        L"Mål: %ls fps, låst: + och \x2212 flyttar det, mellanslag sveper igen",
        L"Visat: %ls fps",
        L"Visat: mäts\x2026",
        L"VRR-område enligt skärmen: %ls\x2013%ls Hz",
        L"Skärmen anger inget VRR-område: svepet börjar vid %ls Hz",
        L"Bildtiden hoppar mellan %ls och %ls Hz",
        L"VRR kan inte användas på den här datorn: %ls",
        L"Windows eller grafikdrivrutinen tillåter inte tearing, så varje bild väntar på nästa uppdatering.",
        L"Direct3D 11 kan inte visa bilderna här, så detta är en stillbild.",
    },
    {
        // 8 Russian
        L"Цель: %ls кадр/с",
        L"Цель: %ls кадр/с, зафиксирована: + и \x2212 меняют, пробел снова запускает развёртку",
        L"Показано: %ls кадр/с",
        L"Показано: идёт измерение\x2026",
        L"Диапазон VRR по данным монитора: %ls\x2013%ls Гц",
        L"Монитор не сообщает диапазон VRR: развёртка начинается с %ls Гц",
        L"Длительность кадра скачет между %ls и %ls Гц",
        L"На этом компьютере VRR использовать нельзя: %ls",
        L"Windows или драйвер видеокарты не разрешает разрывы кадра, поэтому каждый кадр ждёт следующего обновления.",
        L"Direct3D 11 не может показать кадры здесь, поэтому это неподвижное изображение.",
    },
    {
        // 9 Polish
        L"Cel: %ls kl./s",
        L"Cel: %ls kl./s, zatrzymany: + i \x2212 go zmieniają, spacja wznawia przemiatanie",
        L"Wyświetlane: %ls kl./s",
        L"Wyświetlane: trwa pomiar\x2026",
        L"Zakres VRR deklarowany przez monitor: %ls\x2013%ls Hz",
        L"Monitor nie deklaruje zakresu VRR: przemiatanie zaczyna się od %ls Hz",
        L"Czas klatki skacze między %ls a %ls Hz",
        L"Na tym komputerze nie można użyć VRR: %ls",
        L"Windows lub sterownik grafiki nie pozwala na rozrywanie obrazu, więc każda klatka czeka na kolejne odświeżenie.",
        L"Direct3D 11 nie może tu wyświetlić klatek, więc to jest nieruchomy obraz.",
    },
    {
        // 10 Japanese
        L"目標：%ls fps",
        L"目標：%ls fps、固定中：+ と \x2212 で変更、スペースで掃引再開",
        L"表示：%ls fps",
        L"表示：測定中\x2026",
        L"モニターが示す VRR 範囲：%ls\x2013%ls Hz",
        L"モニターは VRR 範囲を示していません：掃引は %ls Hz から始まります",
        L"フレーム時間が %ls Hz と %ls Hz の間を跳びます",
        L"このコンピューターでは VRR を使えません：%ls",
        L"Windows またはグラフィックドライバーがティアリングを許可しないため、各フレームは次のリフレッシュを待ちます。",
        L"Direct3D 11 でフレームを表示できないため、これは静止画です。",
    },
    {
        // 11 Korean
        L"목표: %ls fps",
        L"목표: %ls fps, 고정됨: +와 \x2212로 변경, 스페이스로 스윕 재개",
        L"표시: %ls fps",
        L"표시: 측정 중\x2026",
        L"모니터가 밝힌 VRR 범위: %ls\x2013%ls Hz",
        L"모니터가 VRR 범위를 밝히지 않음: 스윕은 %ls Hz에서 시작",
        L"프레임 시간이 %ls Hz와 %ls Hz 사이를 오갑니다",
        L"이 컴퓨터에서는 VRR을 쓸 수 없습니다: %ls",
        L"Windows 또는 그래픽 드라이버가 티어링을 허용하지 않아 각 프레임이 다음 새로 고침을 기다립니다.",
        L"Direct3D 11로 프레임을 표시할 수 없어 정지 화면을 보여 줍니다.",
    },
    {
        // 12 Italian
        L"Obiettivo: %ls fps",
        L"Obiettivo: %ls fps, fermo: + e \x2212 lo spostano, Spazio riprende la scansione",
        L"Mostrato: %ls fps",
        L"Mostrato: misura in corso\x2026",
        L"Intervallo VRR dichiarato dal monitor: %ls\x2013%ls Hz",
        L"Il monitor non dichiara un intervallo VRR: la scansione parte da %ls Hz",
        L"Il tempo di fotogramma salta tra %ls e %ls Hz",
        L"Il VRR non può essere usato su questo computer: %ls",
        L"Windows o il driver grafico non consente il tearing, quindi ogni fotogramma attende l'aggiornamento successivo.",
        L"Direct3D 11 non può mostrare i fotogrammi qui: questa è un'immagine fissa.",
    },
};

const wchar_t* VrrTextIn(int lang, VrrTextKey key) {
    if (key < 0 || key >= VT_COUNT) return L"";
    if (lang < 0 || lang >= kLanguageCount) lang = 0;
    const wchar_t* text = g_vrrTexts[lang][key];
    return text != nullptr && text[0] != L'\0' ? text : g_vrrTexts[0][key];
}

const wchar_t* VrrText(VrrTextKey key) { return VrrTextIn(g_lang, key); }
