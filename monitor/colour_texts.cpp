// The colour texts in the 13 languages, one table per language in the text catalogue's order.
#include "monitor/colour_texts.h"

namespace {

ColourTexts English() {
    ColourTexts t = {};
    t[CT_BITS] = u8"%d-bit";
    t[CT_PEAK] = u8"peak %d cd/m²";
    t[CT_GAMUT] = u8"%d %% DCI-P3";
    t[CT_VRR] = u8"VRR %d–%d Hz";
    t[CT_SDR_WHITE] = u8"SDR white %d cd/m²";
    t[CT_HDR_LEVELS] = u8"HDR is on: this SDR screen is shown at the SDR white level through the sRGB curve, so dark steps look lighter than in SDR. For the SDR reading, switch HDR off.";
    t[CT_HDR_LEVELS_AT] = u8"HDR is on: this SDR screen is shown at the SDR white level (%d cd/m²) through the sRGB curve, so dark steps look lighter than in SDR. For the SDR reading, switch HDR off.";
    t[CT_CHROMA_SIGNAL] = u8"Windows reports %s for this monitor.";
    t[CT_CLAIMS_ROW] = u8"Colour claims (EDID)";
    t[CT_WINDOWS_ROW] = u8"Reported by Windows";
    return t;
}

ColourTexts Chinese() {
    ColourTexts t = {};
    t[CT_BITS] = u8"%d 位";
    t[CT_PEAK] = u8"峰值 %d cd/m²";
    t[CT_GAMUT] = u8"%d%% DCI-P3";
    t[CT_VRR] = u8"VRR %d–%d Hz";
    t[CT_SDR_WHITE] = u8"SDR 白色亮度 %d cd/m²";
    t[CT_HDR_LEVELS] = u8"HDR 已开启：此 SDR 画面以 SDR 白色亮度经 sRGB 曲线显示，暗部阶梯会比在 SDR 下显得更亮。要按 SDR 判读，请关闭 HDR。";
    t[CT_HDR_LEVELS_AT] = u8"HDR 已开启：此 SDR 画面以 SDR 白色亮度（%d cd/m²）经 sRGB 曲线显示，暗部阶梯会比在 SDR 下显得更亮。要按 SDR 判读，请关闭 HDR。";
    t[CT_CHROMA_SIGNAL] = u8"Windows 报告此显示器的信号为 %s。";
    t[CT_CLAIMS_ROW] = u8"色彩声明（EDID）";
    t[CT_WINDOWS_ROW] = u8"Windows 报告";
    return t;
}

ColourTexts German() {
    ColourTexts t = {};
    t[CT_BITS] = u8"%d Bit";
    t[CT_PEAK] = u8"Spitze %d cd/m²";
    t[CT_GAMUT] = u8"%d %% DCI-P3";
    t[CT_VRR] = u8"VRR %d–%d Hz";
    t[CT_SDR_WHITE] = u8"SDR-Weiß %d cd/m²";
    t[CT_HDR_LEVELS] = u8"HDR ist an: Dieser SDR-Bildschirm wird mit dem SDR-Weißpegel über die sRGB-Kurve gezeigt, dunkle Stufen wirken daher heller als in SDR. Für die SDR-Ablesung HDR ausschalten.";
    t[CT_HDR_LEVELS_AT] = u8"HDR ist an: Dieser SDR-Bildschirm wird mit dem SDR-Weißpegel (%d cd/m²) über die sRGB-Kurve gezeigt, dunkle Stufen wirken daher heller als in SDR. Für die SDR-Ablesung HDR ausschalten.";
    t[CT_CHROMA_SIGNAL] = u8"Windows meldet %s für diesen Monitor.";
    t[CT_CLAIMS_ROW] = u8"Farbangaben (EDID)";
    t[CT_WINDOWS_ROW] = u8"Von Windows gemeldet";
    return t;
}

ColourTexts French() {
    ColourTexts t = {};
    t[CT_BITS] = u8"%d bits";
    t[CT_PEAK] = u8"crête %d cd/m²";
    t[CT_GAMUT] = u8"%d %% DCI-P3";
    t[CT_VRR] = u8"VRR %d–%d Hz";
    t[CT_SDR_WHITE] = u8"blanc SDR %d cd/m²";
    t[CT_HDR_LEVELS] = u8"HDR activé : cet écran SDR est affiché au niveau de blanc SDR selon la courbe sRGB, les paliers sombres paraissent donc plus clairs qu'en SDR. Pour la lecture SDR, désactivez le HDR.";
    t[CT_HDR_LEVELS_AT] = u8"HDR activé : cet écran SDR est affiché au niveau de blanc SDR (%d cd/m²) selon la courbe sRGB, les paliers sombres paraissent donc plus clairs qu'en SDR. Pour la lecture SDR, désactivez le HDR.";
    t[CT_CHROMA_SIGNAL] = u8"Windows indique %s pour ce moniteur.";
    t[CT_CLAIMS_ROW] = u8"Couleurs annoncées (EDID)";
    t[CT_WINDOWS_ROW] = u8"Indiqué par Windows";
    return t;
}

ColourTexts Spanish() {
    ColourTexts t = {};
    t[CT_BITS] = u8"%d bits";
    t[CT_PEAK] = u8"pico %d cd/m²";
    t[CT_GAMUT] = u8"%d %% DCI-P3";
    t[CT_VRR] = u8"VRR %d–%d Hz";
    t[CT_SDR_WHITE] = u8"blanco SDR %d cd/m²";
    t[CT_HDR_LEVELS] = u8"HDR activado: esta pantalla SDR se muestra al nivel de blanco SDR con la curva sRGB, así que los pasos oscuros se ven más claros que en SDR. Para la lectura en SDR, desactive HDR.";
    t[CT_HDR_LEVELS_AT] = u8"HDR activado: esta pantalla SDR se muestra al nivel de blanco SDR (%d cd/m²) con la curva sRGB, así que los pasos oscuros se ven más claros que en SDR. Para la lectura en SDR, desactive HDR.";
    t[CT_CHROMA_SIGNAL] = u8"Windows indica %s para este monitor.";
    t[CT_CLAIMS_ROW] = u8"Color declarado (EDID)";
    t[CT_WINDOWS_ROW] = u8"Indicado por Windows";
    return t;
}

ColourTexts Portuguese() {
    ColourTexts t = {};
    t[CT_BITS] = u8"%d bits";
    t[CT_PEAK] = u8"pico %d cd/m²";
    t[CT_GAMUT] = u8"%d %% DCI-P3";
    t[CT_VRR] = u8"VRR %d–%d Hz";
    t[CT_SDR_WHITE] = u8"branco SDR %d cd/m²";
    t[CT_HDR_LEVELS] = u8"HDR ligado: esta tela SDR é mostrada no nível de branco SDR pela curva sRGB, por isso os degraus escuros parecem mais claros do que em SDR. Para a leitura em SDR, desligue o HDR.";
    t[CT_HDR_LEVELS_AT] = u8"HDR ligado: esta tela SDR é mostrada no nível de branco SDR (%d cd/m²) pela curva sRGB, por isso os degraus escuros parecem mais claros do que em SDR. Para a leitura em SDR, desligue o HDR.";
    t[CT_CHROMA_SIGNAL] = u8"O Windows indica %s para este monitor.";
    t[CT_CLAIMS_ROW] = u8"Cor declarada (EDID)";
    t[CT_WINDOWS_ROW] = u8"Indicado pelo Windows";
    return t;
}

ColourTexts Dutch() {
    ColourTexts t = {};
    t[CT_BITS] = u8"%d-bits";
    t[CT_PEAK] = u8"piek %d cd/m²";
    t[CT_GAMUT] = u8"%d%% DCI-P3";
    t[CT_VRR] = u8"VRR %d–%d Hz";
    t[CT_SDR_WHITE] = u8"SDR-wit %d cd/m²";
    t[CT_HDR_LEVELS] = u8"HDR staat aan: dit SDR-scherm wordt op het SDR-witniveau via de sRGB-curve getoond, dus donkere stappen lijken lichter dan in SDR. Zet HDR uit voor de SDR-aflezing.";
    t[CT_HDR_LEVELS_AT] = u8"HDR staat aan: dit SDR-scherm wordt op het SDR-witniveau (%d cd/m²) via de sRGB-curve getoond, dus donkere stappen lijken lichter dan in SDR. Zet HDR uit voor de SDR-aflezing.";
    t[CT_CHROMA_SIGNAL] = u8"Windows meldt %s voor deze monitor.";
    t[CT_CLAIMS_ROW] = u8"Kleuropgaven (EDID)";
    t[CT_WINDOWS_ROW] = u8"Gemeld door Windows";
    return t;
}

ColourTexts Swedish() {
    ColourTexts t = {};
    t[CT_BITS] = u8"%d bitar";
    t[CT_PEAK] = u8"topp %d cd/m²";
    t[CT_GAMUT] = u8"%d %% DCI-P3";
    t[CT_VRR] = u8"VRR %d–%d Hz";
    t[CT_SDR_WHITE] = u8"SDR-vitt %d cd/m²";
    t[CT_HDR_LEVELS] = u8"HDR är på: den här SDR-skärmen visas på SDR-vitnivån genom sRGB-kurvan, så mörka steg ser ljusare ut än i SDR. Stäng av HDR för SDR-avläsningen.";
    t[CT_HDR_LEVELS_AT] = u8"HDR är på: den här SDR-skärmen visas på SDR-vitnivån (%d cd/m²) genom sRGB-kurvan, så mörka steg ser ljusare ut än i SDR. Stäng av HDR för SDR-avläsningen.";
    t[CT_CHROMA_SIGNAL] = u8"Windows anger %s för den här bildskärmen.";
    t[CT_CLAIMS_ROW] = u8"Färguppgifter (EDID)";
    t[CT_WINDOWS_ROW] = u8"Enligt Windows";
    return t;
}

ColourTexts Russian() {
    ColourTexts t = {};
    t[CT_BITS] = u8"%d бит";
    t[CT_PEAK] = u8"пик %d кд/м²";
    t[CT_GAMUT] = u8"%d %% DCI-P3";
    t[CT_VRR] = u8"VRR %d–%d Гц";
    t[CT_SDR_WHITE] = u8"белый SDR %d кд/м²";
    t[CT_HDR_LEVELS] = u8"HDR включён: этот экран SDR показан на уровне белого SDR через кривую sRGB, поэтому тёмные ступени выглядят светлее, чем в SDR. Для оценки в SDR выключите HDR.";
    t[CT_HDR_LEVELS_AT] = u8"HDR включён: этот экран SDR показан на уровне белого SDR (%d кд/м²) через кривую sRGB, поэтому тёмные ступени выглядят светлее, чем в SDR. Для оценки в SDR выключите HDR.";
    t[CT_CHROMA_SIGNAL] = u8"Windows сообщает для этого монитора %s.";
    t[CT_CLAIMS_ROW] = u8"Заявленный цвет (EDID)";
    t[CT_WINDOWS_ROW] = u8"Сообщает Windows";
    return t;
}

ColourTexts Polish() {
    ColourTexts t = {};
    t[CT_BITS] = u8"%d bitów";
    t[CT_PEAK] = u8"szczyt %d cd/m²";
    t[CT_GAMUT] = u8"%d%% DCI-P3";
    t[CT_VRR] = u8"VRR %d–%d Hz";
    t[CT_SDR_WHITE] = u8"biel SDR %d cd/m²";
    t[CT_HDR_LEVELS] = u8"HDR jest włączony: ten ekran SDR jest pokazany przy poziomie bieli SDR przez krzywą sRGB, więc ciemne stopnie wyglądają jaśniej niż w SDR. Aby odczytać go w SDR, wyłącz HDR.";
    t[CT_HDR_LEVELS_AT] = u8"HDR jest włączony: ten ekran SDR jest pokazany przy poziomie bieli SDR (%d cd/m²) przez krzywą sRGB, więc ciemne stopnie wyglądają jaśniej niż w SDR. Aby odczytać go w SDR, wyłącz HDR.";
    t[CT_CHROMA_SIGNAL] = u8"Windows podaje %s dla tego monitora.";
    t[CT_CLAIMS_ROW] = u8"Deklarowane kolory (EDID)";
    t[CT_WINDOWS_ROW] = u8"Podaje Windows";
    return t;
}

ColourTexts Japanese() {
    ColourTexts t = {};
    t[CT_BITS] = u8"%d ビット";
    t[CT_PEAK] = u8"ピーク %d cd/m²";
    t[CT_GAMUT] = u8"DCI-P3 %d%%";
    t[CT_VRR] = u8"VRR %d–%d Hz";
    t[CT_SDR_WHITE] = u8"SDR の白 %d cd/m²";
    t[CT_HDR_LEVELS] = u8"HDR がオンです：この SDR 画面は SDR の白レベルで sRGB カーブを通して表示されるため、暗い段階が SDR より明るく見えます。SDR で読み取るには HDR をオフにしてください。";
    t[CT_HDR_LEVELS_AT] = u8"HDR がオンです：この SDR 画面は SDR の白レベル（%d cd/m²）で sRGB カーブを通して表示されるため、暗い段階が SDR より明るく見えます。SDR で読み取るには HDR をオフにしてください。";
    t[CT_CHROMA_SIGNAL] = u8"Windows はこのモニターの信号を %s と報告しています。";
    t[CT_CLAIMS_ROW] = u8"色の申告値（EDID）";
    t[CT_WINDOWS_ROW] = u8"Windows の報告";
    return t;
}

ColourTexts Korean() {
    ColourTexts t = {};
    t[CT_BITS] = u8"%d비트";
    t[CT_PEAK] = u8"최대 %d cd/m²";
    t[CT_GAMUT] = u8"DCI-P3 %d%%";
    t[CT_VRR] = u8"VRR %d–%d Hz";
    t[CT_SDR_WHITE] = u8"SDR 흰색 %d cd/m²";
    t[CT_HDR_LEVELS] = u8"HDR이 켜져 있습니다: 이 SDR 화면은 SDR 흰색 레벨에서 sRGB 곡선으로 표시되므로 어두운 단계가 SDR보다 밝게 보입니다. SDR 기준으로 보려면 HDR을 끄십시오.";
    t[CT_HDR_LEVELS_AT] = u8"HDR이 켜져 있습니다: 이 SDR 화면은 SDR 흰색 레벨(%d cd/m²)에서 sRGB 곡선으로 표시되므로 어두운 단계가 SDR보다 밝게 보입니다. SDR 기준으로 보려면 HDR을 끄십시오.";
    t[CT_CHROMA_SIGNAL] = u8"Windows가 이 모니터의 신호를 %s(으)로 보고합니다.";
    t[CT_CLAIMS_ROW] = u8"색 정보 (EDID)";
    t[CT_WINDOWS_ROW] = u8"Windows 보고";
    return t;
}

ColourTexts Italian() {
    ColourTexts t = {};
    t[CT_BITS] = u8"%d bit";
    t[CT_PEAK] = u8"picco %d cd/m²";
    t[CT_GAMUT] = u8"%d%% DCI-P3";
    t[CT_VRR] = u8"VRR %d–%d Hz";
    t[CT_SDR_WHITE] = u8"bianco SDR %d cd/m²";
    t[CT_HDR_LEVELS] = u8"HDR attivo: questa schermata SDR è mostrata al livello di bianco SDR con la curva sRGB, quindi i gradini scuri sembrano più chiari che in SDR. Per la lettura in SDR, disattiva l'HDR.";
    t[CT_HDR_LEVELS_AT] = u8"HDR attivo: questa schermata SDR è mostrata al livello di bianco SDR (%d cd/m²) con la curva sRGB, quindi i gradini scuri sembrano più chiari che in SDR. Per la lettura in SDR, disattiva l'HDR.";
    t[CT_CHROMA_SIGNAL] = u8"Windows indica %s per questo monitor.";
    t[CT_CLAIMS_ROW] = u8"Colore dichiarato (EDID)";
    t[CT_WINDOWS_ROW] = u8"Indicato da Windows";
    return t;
}

}  // namespace

const ColourTexts g_colourTexts[kLanguageCount] = {
    English(), Chinese(), German(), French(), Spanish(), Portuguese(), Dutch(),
    Swedish(), Russian(), Polish(), Japanese(), Korean(), Italian(),
};

const char* ColourTextOf(int lang, int key) {
    if (key < 0 || key >= CT_COUNT) return "";
    const char* text = g_colourTexts[lang >= 0 && lang < kLanguageCount ? lang : 0][key];
    if (text == nullptr || text[0] == '\0') text = g_colourTexts[0][key];
    return text != nullptr ? text : "";
}
