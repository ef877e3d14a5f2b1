// The results window's and the report's texts, per language, each text beside its key.
#include "record/report_texts.h"

namespace {

constexpr ReportTexts English() {
    ReportTexts t{};
    t[RT_TITLE] = u8"TAVRO test report";
    t[RT_RESULTS_TITLE] = u8"TAVRO - Results";
    t[RT_SAVE_REPORT] = u8"Save report\u2026";
    t[RT_CLOSE] = u8"Close";
    t[RT_CREATED] = u8"Created";
    t[RT_PROGRAM] = u8"Program";
    t[RT_SYSTEM] = u8"Windows";
    t[RT_MONITOR] = u8"Monitor";
    t[RT_MANUFACTURER] = u8"Manufacturer";
    t[RT_MODEL] = u8"Model";
    t[RT_SERIAL] = u8"Serial number";
    t[RT_MADE] = u8"Made";
    t[RT_MADE_FORMAT] = u8"week %d of %d";
    t[RT_MODEL_YEAR] = u8"model year %d";
    t[RT_EDID_VERSION] = u8"EDID version";
    t[RT_NATIVE_MODE] = u8"Native mode";
    t[RT_FROM_BLOCK] = u8"from the %s block";
    t[RT_SIZE] = u8"Image size";
    t[RT_SIZE_FORMAT] = u8"%d \u00D7 %d cm";
    t[RT_NO_EDID] = u8"The monitor gives no EDID.";
    t[RT_MODE_TESTED] = u8"Mode tested";
    t[RT_IS_NATIVE] = u8"the native mode";
    t[RT_NOT_NATIVE] = u8"not the native mode";
    t[RT_REFRESH] = u8"Refresh rate";
    t[RT_SCREENS_SEEN] = u8"Screens seen";
    t[RT_LOOKS_RIGHT] = u8"no fault noted";
    t[RT_FAULT_NOTED] = u8"fault noted";
    t[RT_DEFECTS] = u8"Marked defects";
    t[RT_NO_DEFECTS] = u8"No defect was marked.";
    t[RT_POSITION] = u8"Position";
    t[RT_TYPE] = u8"Type";
    t[RT_SCREEN] = u8"Screen";
    t[RT_TYPE_LIT] = u8"always lit";
    t[RT_TYPE_DARK] = u8"always dark";
    t[RT_TYPE_SUBPIXEL] = u8"stuck subpixel";
    t[RT_TYPE_OTHER] = u8"fault";
    t[RT_MAP] = u8"Where the defects are";
    t[RT_VERDICT] = u8"Verdict";
    t[RT_PER_MILLION] = u8"per million pixels";
    t[RT_CLASS_FORMAT] = u8"Meets ISO 13406-2 class %s";
    t[RT_NO_CLASS] = u8"Meets no ISO 13406-2 class";
    t[RT_RAW_EDID] = u8"Raw EDID";
    t[RT_SAVE_FAILED] = u8"The report could not be saved to %s: %s";
    t[RT_FAULTS_NOTED] = u8"Faults noted";
    t[RT_NONE] = u8"none";
    t[RT_LOUPE_HINT] = u8"1 always lit \u00B7 2 always dark \u00B7 3 stuck subpixel \u00B7 arrows move \u00B7 Enter marks \u00B7 Esc cancels";
    t[RT_GUIDE_KEYS] = u8"M marks a defect at the pointer \u00B7 N notes a fault of this screen";
    t[RT_NOTE_ADDED] = u8"Fault noted on this screen";
    t[RT_NOTE_REMOVED] = u8"Note removed";
    t[RT_USAGE_TITLE] = u8"TAVRO - command line";
    t[RT_USAGE] = u8"tavro.exe [/auto | /start] [/cards 1,2,5] [/monitor N] [/report PATH]\n\n"
        u8"/auto, /start: begin a run at once, timed or stepped by hand\n"
        u8"/cards: the cards to tick, numbered from 1 as on screen (1-14)\n"
        u8"/monitor: the monitor, numbered from 1 as in the monitor box\n"
        u8"/report: save the report there when the run ends, without asking; a path ending in .json\n"
        u8"    gets JSON, and {model}, {serial}, {date} and {time} in it are filled in";
    t[RT_BAD_ARGUMENT] = u8"Not understood: %s";
    t[RT_MARKS_FULL] = u8"The list is full: %d marks, this one was not kept";
    t[RT_MARKED_AGAIN] = u8"Marked again: now %s";
    t[RT_CLUSTERS] = u8"Clusters (two or more within 5 \u00D7 5 pixels)";
    t[RT_CLUSTERS_FORMAT] = u8"%d of always lit or dark pixels, %d of stuck subpixels";
    t[RT_ANY_LIT] = u8"Always-lit pixel marked";
    t[RT_YES] = u8"yes";
    t[RT_NO] = u8"no";
    t[RT_RESTS_ON] = u8"The class rests on these counts and clusters, each marked position counted once, "
        u8"per million of the %d \u00D7 %d pixels of %s.";
    t[RT_TESTED_BASIS] = u8"the mode tested (the EDID names no native mode)";
    t[RT_LIST_CUT] = u8"(The list is cut here: the saved report holds all of it.)";
    t[RT_REASON_MISSING] = u8"%s needs a value after it";
    t[RT_REASON_UNKNOWN] = u8"%s is not one of the options";
    t[RT_REASON_TWO_STARTS] = u8"only one of /auto and /start may be given";
    t[RT_REASON_CARDS] = u8"/cards takes card numbers from 1 to %d, separated by commas, once";
    t[RT_REASON_MONITOR] = u8"/monitor takes one monitor number from 1 to %d";
    t[RT_REASON_REPORT] = u8"/report takes one path of 1 to %d characters";
    t[RT_CONSOLE_SAVED] = u8"%s. Report: %s";
    t[RT_MOTION_HEADING] = u8"Motion screens";
    t[RT_MOTION_DROPPED] = u8"%s at %s Hz: dropped %s of %s frames";
    t[RT_MOTION_STEADY] = u8"%s at %s Hz: no frame dropped in %s";
    t[RT_UNKNOWN] = u8"unknown";
    t[RT_NOT_AT_NATIVE] = u8"This run was not at the monitor's native mode (%d \u00D7 %d): the verdict is on the %d \u00D7 %d pixels tested.";
    t[RT_HDR_SCREENS] = u8"HDR screens";
    t[RT_HDR_ON] = u8"shown in HDR";
    t[RT_HDR_OFF] = u8"HDR was off in Windows: everything above SDR white was clipped";
    t[RT_HDR_SWITCHED] = u8"HDR was switched on or off while they were shown";
    t[RT_HDR_STATE_UNKNOWN] = u8"Windows did not say whether HDR was on";
    t[RT_HDR_NOT_PRESENTED] = u8"not shown through Direct3D 11 on this computer: standard range only";
    t[RT_HDR_LEVELS] = u8"SDR white %s, claimed peak %s";
    t[RT_VRR_FIGURES] = u8"%s: rates asked %s\u2013%s Hz, presented %s\u2013%s Hz, %s frames";
    t[RT_VRR_UNUSABLE] = u8"variable refresh could not be used on this computer";
    return t;
}

constexpr ReportTexts Chinese() {
    ReportTexts t{};
    t[RT_TITLE] = u8"TAVRO 测试报告";
    t[RT_RESULTS_TITLE] = u8"TAVRO - 测试结果";
    t[RT_SAVE_REPORT] = u8"保存报告\u2026";
    t[RT_CLOSE] = u8"关闭";
    t[RT_CREATED] = u8"创建时间";
    t[RT_PROGRAM] = u8"程序";
    t[RT_SYSTEM] = u8"Windows";
    t[RT_MONITOR] = u8"显示器";
    t[RT_MANUFACTURER] = u8"制造商";
    t[RT_MODEL] = u8"型号";
    t[RT_SERIAL] = u8"序列号";
    t[RT_MADE] = u8"生产日期";
    t[RT_MADE_FORMAT] = u8"第%d周（%d年）";
    t[RT_MODEL_YEAR] = u8"%d年款";
    t[RT_EDID_VERSION] = u8"EDID 版本";
    t[RT_NATIVE_MODE] = u8"原生模式";
    t[RT_FROM_BLOCK] = u8"来自 %s 数据块";
    t[RT_SIZE] = u8"图像尺寸";
    t[RT_SIZE_FORMAT] = u8"%d \u00D7 %d 厘米";
    t[RT_NO_EDID] = u8"显示器未提供 EDID。";
    t[RT_MODE_TESTED] = u8"测试所用模式";
    t[RT_IS_NATIVE] = u8"原生模式";
    t[RT_NOT_NATIVE] = u8"非原生模式";
    t[RT_REFRESH] = u8"刷新率";
    t[RT_SCREENS_SEEN] = u8"已查看的画面";
    t[RT_LOOKS_RIGHT] = u8"未记录故障";
    t[RT_FAULT_NOTED] = u8"已记录故障";
    t[RT_DEFECTS] = u8"已标记的缺陷";
    t[RT_NO_DEFECTS] = u8"未标记任何缺陷。";
    t[RT_POSITION] = u8"位置";
    t[RT_TYPE] = u8"类型";
    t[RT_SCREEN] = u8"画面";
    t[RT_TYPE_LIT] = u8"常亮";
    t[RT_TYPE_DARK] = u8"常暗";
    t[RT_TYPE_SUBPIXEL] = u8"子像素卡死";
    t[RT_TYPE_OTHER] = u8"故障";
    t[RT_MAP] = u8"缺陷位置图";
    t[RT_VERDICT] = u8"判定结果";
    t[RT_PER_MILLION] = u8"每百万像素";
    t[RT_CLASS_FORMAT] = u8"符合 ISO 13406-2 的 %s 类";
    t[RT_NO_CLASS] = u8"不符合 ISO 13406-2 的任何类别";
    t[RT_RAW_EDID] = u8"原始 EDID";
    t[RT_SAVE_FAILED] = u8"无法将报告保存到 %s：%s";
    t[RT_FAULTS_NOTED] = u8"已记录的故障";
    t[RT_NONE] = u8"无";
    t[RT_LOUPE_HINT] = u8"1 常亮 \u00B7 2 常暗 \u00B7 3 子像素卡死 \u00B7 方向键移动 \u00B7 Enter 标记 \u00B7 Esc 取消";
    t[RT_GUIDE_KEYS] = u8"M 在指针处标记缺陷 \u00B7 N 记录本画面的故障";
    t[RT_NOTE_ADDED] = u8"已记录本画面的故障";
    t[RT_NOTE_REMOVED] = u8"已删除记录";
    t[RT_USAGE_TITLE] = u8"TAVRO - 命令行";
    t[RT_USAGE] = u8"tavro.exe [/auto | /start] [/cards 1,2,5] [/monitor N] [/report PATH]\n\n"
        u8"/auto, /start：立即开始测试，自动计时或手动切换画面\n"
        u8"/cards：要勾选的类别，按窗口中的顺序从 1 编号（1-14）\n"
        u8"/monitor：显示器，按显示器列表中的顺序从 1 编号\n"
        u8"/report：测试结束时不经询问直接将报告保存到该路径；路径以 .json 结尾时\n"
        u8"    保存为 JSON，路径中的 {model}、{serial}、{date} 和 {time} 会替换为实际值";
    t[RT_BAD_ARGUMENT] = u8"无法识别：%s";
    t[RT_MARKS_FULL] = u8"列表已满：已有 %d 个标记，本次标记未保留";
    t[RT_MARKED_AGAIN] = u8"已重新标记：现为%s";
    t[RT_CLUSTERS] = u8"缺陷簇（5 \u00D7 5 像素范围内两个或更多）";
    t[RT_CLUSTERS_FORMAT] = u8"常亮或常暗像素 %d 个，子像素卡死 %d 个";
    t[RT_ANY_LIT] = u8"已标记常亮像素";
    t[RT_YES] = u8"是";
    t[RT_NO] = u8"否";
    t[RT_RESTS_ON] = u8"类别判定依据上述数量和缺陷簇（每个标记位置只计一次），"
        u8"按 %d \u00D7 %d 像素折算为每百万像素的数值，像素数取自%s。";
    t[RT_TESTED_BASIS] = u8"测试所用模式（EDID 未指明原生模式）";
    t[RT_LIST_CUT] = u8"（列表到此截断：保存的报告包含全部内容。）";
    t[RT_REASON_MISSING] = u8"%s 后面需要一个值";
    t[RT_REASON_UNKNOWN] = u8"%s 不是可用的选项";
    t[RT_REASON_TWO_STARTS] = u8"/auto 和 /start 只能指定其中一个";
    t[RT_REASON_CARDS] = u8"/cards 接受 1 到 %d 的类别编号，以逗号分隔，且只能指定一次";
    t[RT_REASON_MONITOR] = u8"/monitor 接受一个 1 到 %d 的显示器编号";
    t[RT_REASON_REPORT] = u8"/report 接受一个长度为 1 到 %d 个字符的路径";
    t[RT_CONSOLE_SAVED] = u8"%s。报告：%s";
    t[RT_MOTION_HEADING] = u8"动态画面";
    t[RT_MOTION_DROPPED] = u8"%s（%s Hz）：丢帧 %s / %s";
    t[RT_MOTION_STEADY] = u8"%s（%s Hz）：%s 帧中无丢帧";
    t[RT_UNKNOWN] = u8"未知";
    t[RT_NOT_AT_NATIVE] = u8"本次测试不是在显示器的原生模式（%d \u00D7 %d）下进行的：判定结果依据所测试的 %d \u00D7 %d 像素。";
    t[RT_HDR_SCREENS] = u8"HDR 屏幕";
    t[RT_HDR_ON] = u8"以 HDR 显示";
    t[RT_HDR_OFF] = u8"Windows 中 HDR 已关闭：高于 SDR 白的部分均被截断";
    t[RT_HDR_SWITCHED] = u8"显示期间 HDR 被打开或关闭";
    t[RT_HDR_STATE_UNKNOWN] = u8"Windows 未说明 HDR 是否开启";
    t[RT_HDR_NOT_PRESENTED] = u8"此电脑无法通过 Direct3D 11 显示：仅标准动态范围";
    t[RT_HDR_LEVELS] = u8"SDR 白 %s，标称峰值 %s";
    t[RT_VRR_FIGURES] = u8"%s：请求帧率 %s\u2013%s Hz，实际呈现 %s\u2013%s Hz，共 %s 帧";
    t[RT_VRR_UNUSABLE] = u8"此电脑无法使用可变刷新率";
    return t;
}

constexpr ReportTexts German() {
    ReportTexts t{};
    t[RT_TITLE] = u8"TAVRO-Testbericht";
    t[RT_RESULTS_TITLE] = u8"TAVRO - Ergebnisse";
    t[RT_SAVE_REPORT] = u8"Bericht speichern\u2026";
    t[RT_CLOSE] = u8"Schließen";
    t[RT_CREATED] = u8"Erstellt";
    t[RT_PROGRAM] = u8"Programm";
    t[RT_SYSTEM] = u8"Windows";
    t[RT_MONITOR] = u8"Monitor";
    t[RT_MANUFACTURER] = u8"Hersteller";
    t[RT_MODEL] = u8"Modell";
    t[RT_SERIAL] = u8"Seriennummer";
    t[RT_MADE] = u8"Hergestellt";
    t[RT_MADE_FORMAT] = u8"KW %d/%d";
    t[RT_MODEL_YEAR] = u8"Modelljahr %d";
    t[RT_EDID_VERSION] = u8"EDID-Version";
    t[RT_NATIVE_MODE] = u8"Native Auflösung";
    t[RT_FROM_BLOCK] = u8"aus dem Block %s";
    t[RT_SIZE] = u8"Bildgröße";
    t[RT_SIZE_FORMAT] = u8"%d \u00D7 %d cm";
    t[RT_NO_EDID] = u8"Der Monitor liefert keine EDID.";
    t[RT_MODE_TESTED] = u8"Getestete Auflösung";
    t[RT_IS_NATIVE] = u8"die native Auflösung";
    t[RT_NOT_NATIVE] = u8"nicht die native Auflösung";
    t[RT_REFRESH] = u8"Bildwiederholrate";
    t[RT_SCREENS_SEEN] = u8"Angesehene Testbilder";
    t[RT_LOOKS_RIGHT] = u8"kein Fehler vermerkt";
    t[RT_FAULT_NOTED] = u8"Fehler vermerkt";
    t[RT_DEFECTS] = u8"Markierte Defekte";
    t[RT_NO_DEFECTS] = u8"Es wurde kein Defekt markiert.";
    t[RT_POSITION] = u8"Position";
    t[RT_TYPE] = u8"Art";
    t[RT_SCREEN] = u8"Testbild";
    t[RT_TYPE_LIT] = u8"immer hell";
    t[RT_TYPE_DARK] = u8"immer dunkel";
    t[RT_TYPE_SUBPIXEL] = u8"hängendes Subpixel";
    t[RT_TYPE_OTHER] = u8"Fehler";
    t[RT_MAP] = u8"Wo die Defekte liegen";
    t[RT_VERDICT] = u8"Bewertung";
    t[RT_PER_MILLION] = u8"pro Million Pixel";
    t[RT_CLASS_FORMAT] = u8"Erfüllt ISO 13406-2 Klasse %s";
    t[RT_NO_CLASS] = u8"Erfüllt keine Klasse nach ISO 13406-2";
    t[RT_RAW_EDID] = u8"EDID-Rohdaten";
    t[RT_SAVE_FAILED] = u8"Der Bericht konnte nicht unter %s gespeichert werden: %s";
    t[RT_FAULTS_NOTED] = u8"Vermerkte Fehler";
    t[RT_NONE] = u8"keine";
    t[RT_LOUPE_HINT] = u8"1 immer hell \u00B7 2 immer dunkel \u00B7 3 hängendes Subpixel \u00B7 Pfeiltasten bewegen \u00B7 Enter markiert \u00B7 Esc bricht ab";
    t[RT_GUIDE_KEYS] = u8"M markiert einen Defekt am Mauszeiger \u00B7 N vermerkt einen Fehler dieses Testbilds";
    t[RT_NOTE_ADDED] = u8"Fehler für dieses Testbild vermerkt";
    t[RT_NOTE_REMOVED] = u8"Vermerk entfernt";
    t[RT_USAGE_TITLE] = u8"TAVRO - Befehlszeile";
    t[RT_USAGE] = u8"tavro.exe [/auto | /start] [/cards 1,2,5] [/monitor N] [/report PATH]\n\n"
        u8"/auto, /start: sofort einen Durchlauf starten, zeitgesteuert oder von Hand\n"
        u8"/cards: die anzukreuzenden Kategorien, ab 1 gezählt wie im Fenster (1-14)\n"
        u8"/monitor: der Monitor, ab 1 gezählt wie in der Monitorliste\n"
        u8"/report: den Bericht am Ende des Durchlaufs ohne Nachfrage dort speichern; endet der Pfad auf .json,\n"
        u8"    wird JSON gespeichert, und {model}, {serial}, {date} und {time} darin werden ausgefüllt";
    t[RT_BAD_ARGUMENT] = u8"Nicht verstanden: %s";
    t[RT_MARKS_FULL] = u8"Die Liste ist voll: %d Markierungen, diese wurde nicht übernommen";
    t[RT_MARKED_AGAIN] = u8"Erneut markiert: jetzt %s";
    t[RT_CLUSTERS] = u8"Cluster (zwei oder mehr innerhalb von 5 \u00D7 5 Pixeln)";
    t[RT_CLUSTERS_FORMAT] = u8"%d aus immer hellen oder dunklen Pixeln, %d aus hängenden Subpixeln";
    t[RT_ANY_LIT] = u8"Immer helles Pixel markiert";
    t[RT_YES] = u8"ja";
    t[RT_NO] = u8"nein";
    t[RT_RESTS_ON] = u8"Die Klasse beruht auf diesen Anzahlen und Clustern, jede markierte Position einmal gezählt, "
        u8"pro Million der %d \u00D7 %d Pixel; Grundlage ist %s.";
    t[RT_TESTED_BASIS] = u8"die getestete Auflösung (die EDID nennt keine native Auflösung)";
    t[RT_LIST_CUT] = u8"(Die Liste endet hier: Der gespeicherte Bericht enthält sie vollständig.)";
    t[RT_REASON_MISSING] = u8"nach %s fehlt ein Wert";
    t[RT_REASON_UNKNOWN] = u8"%s ist keine der Optionen";
    t[RT_REASON_TWO_STARTS] = u8"nur eine der Optionen /auto und /start ist erlaubt";
    t[RT_REASON_CARDS] = u8"/cards erwartet einmal Kategorienummern von 1 bis %d, durch Kommas getrennt";
    t[RT_REASON_MONITOR] = u8"/monitor erwartet eine Monitornummer von 1 bis %d";
    t[RT_REASON_REPORT] = u8"/report erwartet einen Pfad mit 1 bis %d Zeichen";
    t[RT_CONSOLE_SAVED] = u8"%s. Bericht: %s";
    t[RT_MOTION_HEADING] = u8"Bewegungsbilder";
    t[RT_MOTION_DROPPED] = u8"%s bei %s Hz: %s von %s Bildern ausgelassen";
    t[RT_MOTION_STEADY] = u8"%s bei %s Hz: kein Bild ausgelassen in %s";
    t[RT_UNKNOWN] = u8"unbekannt";
    t[RT_NOT_AT_NATIVE] = u8"Dieser Durchlauf lief nicht in der nativen Auflösung des Monitors (%d \u00D7 %d): Die Bewertung beruht auf den getesteten %d \u00D7 %d Pixeln.";
    t[RT_HDR_SCREENS] = u8"HDR-Bilder";
    t[RT_HDR_ON] = u8"in HDR gezeigt";
    t[RT_HDR_OFF] = u8"HDR war in Windows aus: Alles über SDR-Weiß wurde abgeschnitten";
    t[RT_HDR_SWITCHED] = u8"HDR wurde während der Anzeige ein- oder ausgeschaltet";
    t[RT_HDR_STATE_UNKNOWN] = u8"Windows gab nicht an, ob HDR an war";
    t[RT_HDR_NOT_PRESENTED] = u8"auf diesem Computer nicht über Direct3D 11 gezeigt: nur Standardbereich";
    t[RT_HDR_LEVELS] = u8"SDR-Weiß %s, angegebene Spitze %s";
    t[RT_VRR_FIGURES] = u8"%s: angefordert %s\u2013%s Hz, dargestellt %s\u2013%s Hz, %s Bilder";
    t[RT_VRR_UNUSABLE] = u8"VRR konnte auf diesem Rechner nicht genutzt werden";
    return t;
}

constexpr ReportTexts French() {
    ReportTexts t{};
    t[RT_TITLE] = u8"Rapport de test TAVRO";
    t[RT_RESULTS_TITLE] = u8"TAVRO - Résultats";
    t[RT_SAVE_REPORT] = u8"Enregistrer\u2026";
    t[RT_CLOSE] = u8"Fermer";
    t[RT_CREATED] = u8"Créé le";
    t[RT_PROGRAM] = u8"Programme";
    t[RT_SYSTEM] = u8"Windows";
    t[RT_MONITOR] = u8"Moniteur";
    t[RT_MANUFACTURER] = u8"Fabricant";
    t[RT_MODEL] = u8"Modèle";
    t[RT_SERIAL] = u8"Numéro de série";
    t[RT_MADE] = u8"Fabrication";
    t[RT_MADE_FORMAT] = u8"semaine %d de %d";
    t[RT_MODEL_YEAR] = u8"année modèle %d";
    t[RT_EDID_VERSION] = u8"Version EDID";
    t[RT_NATIVE_MODE] = u8"Définition native";
    t[RT_FROM_BLOCK] = u8"selon le bloc %s";
    t[RT_SIZE] = u8"Taille de l'image";
    t[RT_SIZE_FORMAT] = u8"%d \u00D7 %d cm";
    t[RT_NO_EDID] = u8"Le moniteur ne fournit pas d'EDID.";
    t[RT_MODE_TESTED] = u8"Définition testée";
    t[RT_IS_NATIVE] = u8"la définition native";
    t[RT_NOT_NATIVE] = u8"pas la définition native";
    t[RT_REFRESH] = u8"Taux de rafraîchissement";
    t[RT_SCREENS_SEEN] = u8"Écrans vus";
    t[RT_LOOKS_RIGHT] = u8"aucun défaut noté";
    t[RT_FAULT_NOTED] = u8"défaut noté";
    t[RT_DEFECTS] = u8"Défauts marqués";
    t[RT_NO_DEFECTS] = u8"Aucun défaut n'a été marqué.";
    t[RT_POSITION] = u8"Position";
    t[RT_TYPE] = u8"Type";
    t[RT_SCREEN] = u8"Écran";
    t[RT_TYPE_LIT] = u8"toujours allumé";
    t[RT_TYPE_DARK] = u8"toujours éteint";
    t[RT_TYPE_SUBPIXEL] = u8"sous-pixel bloqué";
    t[RT_TYPE_OTHER] = u8"défaut";
    t[RT_MAP] = u8"Emplacement des défauts";
    t[RT_VERDICT] = u8"Verdict";
    t[RT_PER_MILLION] = u8"par million de pixels";
    t[RT_CLASS_FORMAT] = u8"Conforme à l'ISO 13406-2 classe %s";
    t[RT_NO_CLASS] = u8"Aucune classe ISO 13406-2 atteinte";
    t[RT_RAW_EDID] = u8"EDID brut";
    t[RT_SAVE_FAILED] = u8"Impossible d'enregistrer le rapport dans %s : %s";
    t[RT_FAULTS_NOTED] = u8"Défauts notés";
    t[RT_NONE] = u8"aucun";
    t[RT_LOUPE_HINT] = u8"1 toujours allumé \u00B7 2 toujours éteint \u00B7 3 sous-pixel bloqué \u00B7 flèches déplacent \u00B7 Enter marque \u00B7 Esc annule";
    t[RT_GUIDE_KEYS] = u8"M marque un défaut sous le pointeur \u00B7 N note un défaut de cet écran";
    t[RT_NOTE_ADDED] = u8"Défaut noté sur cet écran";
    t[RT_NOTE_REMOVED] = u8"Note retirée";
    t[RT_USAGE_TITLE] = u8"TAVRO - ligne de commande";
    t[RT_USAGE] = u8"tavro.exe [/auto | /start] [/cards 1,2,5] [/monitor N] [/report PATH]\n\n"
        u8"/auto, /start : lancer aussitôt un passage, minuté ou manuel\n"
        u8"/cards : les catégories à cocher, numérotées à partir de 1 comme à l'écran (1-14)\n"
        u8"/monitor : le moniteur, numéroté à partir de 1 comme dans la liste\n"
        u8"/report : y enregistrer le rapport à la fin du passage, sans demander ; un chemin finissant par .json\n"
        u8"    donne du JSON, et {model}, {serial}, {date} et {time} y sont remplacés par leur valeur";
    t[RT_BAD_ARGUMENT] = u8"Argument non compris : %s";
    t[RT_MARKS_FULL] = u8"La liste est pleine : %d défauts marqués, celui-ci n'a pas été conservé";
    t[RT_MARKED_AGAIN] = u8"Marqué de nouveau : désormais %s";
    t[RT_CLUSTERS] = u8"Groupes (au moins deux dans 5 \u00D7 5 pixels)";
    t[RT_CLUSTERS_FORMAT] = u8"%d de pixels toujours allumés ou éteints, %d de sous-pixels bloqués";
    t[RT_ANY_LIT] = u8"Pixel toujours allumé marqué";
    t[RT_YES] = u8"oui";
    t[RT_NO] = u8"non";
    t[RT_RESTS_ON] = u8"La classe repose sur ces nombres et ces groupes, chaque position marquée comptant une fois, "
        u8"par million des %d \u00D7 %d pixels de %s.";
    t[RT_TESTED_BASIS] = u8"la définition testée (l'EDID n'indique aucune définition native)";
    t[RT_LIST_CUT] = u8"(La liste s'arrête ici : le rapport enregistré la contient en entier.)";
    t[RT_REASON_MISSING] = u8"%s doit être suivi d'une valeur";
    t[RT_REASON_UNKNOWN] = u8"%s ne fait pas partie des options";
    t[RT_REASON_TWO_STARTS] = u8"une seule des options /auto et /start peut être donnée";
    t[RT_REASON_CARDS] = u8"/cards prend des numéros de catégorie de 1 à %d, séparés par des virgules, une seule fois";
    t[RT_REASON_MONITOR] = u8"/monitor prend un seul numéro de moniteur de 1 à %d";
    t[RT_REASON_REPORT] = u8"/report prend un seul chemin de 1 à %d caractères";
    t[RT_CONSOLE_SAVED] = u8"%s. Rapport : %s";
    t[RT_MOTION_HEADING] = u8"Écrans de mouvement";
    t[RT_MOTION_DROPPED] = u8"%s à %s Hz : %s images perdues sur %s";
    t[RT_MOTION_STEADY] = u8"%s à %s Hz : aucune image perdue sur %s";
    t[RT_UNKNOWN] = u8"inconnu";
    t[RT_NOT_AT_NATIVE] = u8"Ce test n'a pas été fait dans la définition native du moniteur (%d \u00D7 %d) : le verdict porte sur les %d \u00D7 %d pixels testés.";
    t[RT_HDR_SCREENS] = u8"Écrans HDR";
    t[RT_HDR_ON] = u8"affichés en HDR";
    t[RT_HDR_OFF] = u8"HDR était désactivé dans Windows : tout ce qui dépasse le blanc SDR a été écrêté";
    t[RT_HDR_SWITCHED] = u8"HDR a été activé ou désactivé pendant leur affichage";
    t[RT_HDR_STATE_UNKNOWN] = u8"Windows n'a pas indiqué si HDR était activé";
    t[RT_HDR_NOT_PRESENTED] = u8"non affichés par Direct3D 11 sur cet ordinateur : plage standard seulement";
    t[RT_HDR_LEVELS] = u8"blanc SDR %s, crête annoncée %s";
    t[RT_VRR_FIGURES] = u8"%s : fréquences demandées %s\u2013%s Hz, affichées %s\u2013%s Hz, %s images";
    t[RT_VRR_UNUSABLE] = u8"le VRR n'a pas pu être utilisé sur cet ordinateur";
    return t;
}

constexpr ReportTexts Spanish() {
    ReportTexts t{};
    t[RT_TITLE] = u8"Informe de prueba de TAVRO";
    t[RT_RESULTS_TITLE] = u8"TAVRO - Resultados";
    t[RT_SAVE_REPORT] = u8"Guardar informe\u2026";
    t[RT_CLOSE] = u8"Cerrar";
    t[RT_CREATED] = u8"Creado";
    t[RT_PROGRAM] = u8"Programa";
    t[RT_SYSTEM] = u8"Windows";
    t[RT_MONITOR] = u8"Monitor";
    t[RT_MANUFACTURER] = u8"Fabricante";
    t[RT_MODEL] = u8"Modelo";
    t[RT_SERIAL] = u8"Número de serie";
    t[RT_MADE] = u8"Fabricado";
    t[RT_MADE_FORMAT] = u8"semana %d de %d";
    t[RT_MODEL_YEAR] = u8"año de modelo %d";
    t[RT_EDID_VERSION] = u8"Versión de EDID";
    t[RT_NATIVE_MODE] = u8"Resolución nativa";
    t[RT_FROM_BLOCK] = u8"del bloque %s";
    t[RT_SIZE] = u8"Tamaño de imagen";
    t[RT_SIZE_FORMAT] = u8"%d \u00D7 %d cm";
    t[RT_NO_EDID] = u8"El monitor no proporciona EDID.";
    t[RT_MODE_TESTED] = u8"Resolución probada";
    t[RT_IS_NATIVE] = u8"la resolución nativa";
    t[RT_NOT_NATIVE] = u8"no es la resolución nativa";
    t[RT_REFRESH] = u8"Frecuencia de actualización";
    t[RT_SCREENS_SEEN] = u8"Pantallas vistas";
    t[RT_LOOKS_RIGHT] = u8"ningún fallo anotado";
    t[RT_FAULT_NOTED] = u8"fallo anotado";
    t[RT_DEFECTS] = u8"Defectos marcados";
    t[RT_NO_DEFECTS] = u8"No se marcó ningún defecto.";
    t[RT_POSITION] = u8"Posición";
    t[RT_TYPE] = u8"Tipo";
    t[RT_SCREEN] = u8"Pantalla";
    t[RT_TYPE_LIT] = u8"siempre encendido";
    t[RT_TYPE_DARK] = u8"siempre apagado";
    t[RT_TYPE_SUBPIXEL] = u8"subpíxel atascado";
    t[RT_TYPE_OTHER] = u8"fallo";
    t[RT_MAP] = u8"Dónde están los defectos";
    t[RT_VERDICT] = u8"Veredicto";
    t[RT_PER_MILLION] = u8"por millón de píxeles";
    t[RT_CLASS_FORMAT] = u8"Cumple la clase %s de ISO 13406-2";
    t[RT_NO_CLASS] = u8"No cumple ninguna clase de ISO 13406-2";
    t[RT_RAW_EDID] = u8"EDID en bruto";
    t[RT_SAVE_FAILED] = u8"No se pudo guardar el informe en %s: %s";
    t[RT_FAULTS_NOTED] = u8"Fallos anotados";
    t[RT_NONE] = u8"ninguno";
    t[RT_LOUPE_HINT] = u8"1 siempre encendido \u00B7 2 siempre apagado \u00B7 3 subpíxel atascado \u00B7 flechas mueven \u00B7 Enter marca \u00B7 Esc cancela";
    t[RT_GUIDE_KEYS] = u8"M marca un defecto en el puntero \u00B7 N anota un fallo de esta pantalla";
    t[RT_NOTE_ADDED] = u8"Fallo anotado en esta pantalla";
    t[RT_NOTE_REMOVED] = u8"Nota eliminada";
    t[RT_USAGE_TITLE] = u8"TAVRO - línea de comandos";
    t[RT_USAGE] = u8"tavro.exe [/auto | /start] [/cards 1,2,5] [/monitor N] [/report PATH]\n\n"
        u8"/auto, /start: empieza una pasada enseguida, temporizada o a mano\n"
        u8"/cards: las categorías que marcar, numeradas desde 1 como en pantalla (1-14)\n"
        u8"/monitor: el monitor, numerado desde 1 como en la lista de monitores\n"
        u8"/report: guarda ahí el informe al terminar la pasada, sin preguntar; una ruta que termina en .json\n"
        u8"    se guarda en JSON, y {model}, {serial}, {date} y {time} en ella se sustituyen por sus valores";
    t[RT_BAD_ARGUMENT] = u8"No reconocido: %s";
    t[RT_MARKS_FULL] = u8"La lista está llena: %d marcas, esta no se guardó";
    t[RT_MARKED_AGAIN] = u8"Marcado de nuevo: ahora %s";
    t[RT_CLUSTERS] = u8"Grupos (dos o más dentro de 5 \u00D7 5 píxeles)";
    t[RT_CLUSTERS_FORMAT] = u8"%d de píxeles siempre encendidos o apagados, %d de subpíxeles atascados";
    t[RT_ANY_LIT] = u8"Píxel siempre encendido marcado";
    t[RT_YES] = u8"sí";
    t[RT_NO] = u8"no";
    t[RT_RESTS_ON] = u8"La clase se basa en estos recuentos y grupos, contando una vez cada posición marcada, "
        u8"por millón de los %d \u00D7 %d píxeles de %s.";
    t[RT_TESTED_BASIS] = u8"la resolución probada (el EDID no indica ninguna resolución nativa)";
    t[RT_LIST_CUT] = u8"(La lista se corta aquí: el informe guardado la contiene completa.)";
    t[RT_REASON_MISSING] = u8"%s necesita un valor a continuación";
    t[RT_REASON_UNKNOWN] = u8"%s no es ninguna de las opciones";
    t[RT_REASON_TWO_STARTS] = u8"solo se puede indicar una de /auto y /start";
    t[RT_REASON_CARDS] = u8"/cards admite números de categoría del 1 al %d, separados por comas, una sola vez";
    t[RT_REASON_MONITOR] = u8"/monitor admite un solo número de monitor del 1 al %d";
    t[RT_REASON_REPORT] = u8"/report admite una sola ruta de 1 a %d caracteres";
    t[RT_CONSOLE_SAVED] = u8"%s. Informe: %s";
    t[RT_MOTION_HEADING] = u8"Pantallas de movimiento";
    t[RT_MOTION_DROPPED] = u8"%s a %s Hz: %s de %s fotogramas perdidos";
    t[RT_MOTION_STEADY] = u8"%s a %s Hz: ningún fotograma perdido en %s";
    t[RT_UNKNOWN] = u8"desconocida";
    t[RT_NOT_AT_NATIVE] = u8"Esta prueba no se hizo en la resolución nativa del monitor (%d \u00D7 %d): el veredicto se basa en los %d \u00D7 %d píxeles probados.";
    t[RT_HDR_SCREENS] = u8"Pantallas HDR";
    t[RT_HDR_ON] = u8"mostradas en HDR";
    t[RT_HDR_OFF] = u8"HDR estaba desactivado en Windows: todo lo que supera el blanco SDR se recortó";
    t[RT_HDR_SWITCHED] = u8"HDR se activó o desactivó mientras se mostraban";
    t[RT_HDR_STATE_UNKNOWN] = u8"Windows no indicó si HDR estaba activado";
    t[RT_HDR_NOT_PRESENTED] = u8"no mostradas con Direct3D 11 en este equipo: solo rango estándar";
    t[RT_HDR_LEVELS] = u8"blanco SDR %s, pico declarado %s";
    t[RT_VRR_FIGURES] = u8"%s: frecuencias pedidas %s\u2013%s Hz, mostradas %s\u2013%s Hz, %s fotogramas";
    t[RT_VRR_UNUSABLE] = u8"no se pudo usar VRR en este equipo";
    return t;
}

constexpr ReportTexts Portuguese() {
    ReportTexts t{};
    t[RT_TITLE] = u8"Relatório de teste do TAVRO";
    t[RT_RESULTS_TITLE] = u8"TAVRO - Resultados";
    t[RT_SAVE_REPORT] = u8"Salvar relatório\u2026";
    t[RT_CLOSE] = u8"Fechar";
    t[RT_CREATED] = u8"Criado em";
    t[RT_PROGRAM] = u8"Programa";
    t[RT_SYSTEM] = u8"Windows";
    t[RT_MONITOR] = u8"Monitor";
    t[RT_MANUFACTURER] = u8"Fabricante";
    t[RT_MODEL] = u8"Modelo";
    t[RT_SERIAL] = u8"Número de série";
    t[RT_MADE] = u8"Fabricado";
    t[RT_MADE_FORMAT] = u8"semana %d de %d";
    t[RT_MODEL_YEAR] = u8"ano-modelo %d";
    t[RT_EDID_VERSION] = u8"Versão do EDID";
    t[RT_NATIVE_MODE] = u8"Resolução nativa";
    t[RT_FROM_BLOCK] = u8"do bloco %s";
    t[RT_SIZE] = u8"Tamanho da imagem";
    t[RT_SIZE_FORMAT] = u8"%d \u00D7 %d cm";
    t[RT_NO_EDID] = u8"O monitor não fornece EDID.";
    t[RT_MODE_TESTED] = u8"Resolução testada";
    t[RT_IS_NATIVE] = u8"a resolução nativa";
    t[RT_NOT_NATIVE] = u8"não é a resolução nativa";
    t[RT_REFRESH] = u8"Taxa de atualização";
    t[RT_SCREENS_SEEN] = u8"Telas vistas";
    t[RT_LOOKS_RIGHT] = u8"nenhuma falha anotada";
    t[RT_FAULT_NOTED] = u8"falha anotada";
    t[RT_DEFECTS] = u8"Defeitos marcados";
    t[RT_NO_DEFECTS] = u8"Nenhum defeito foi marcado.";
    t[RT_POSITION] = u8"Posição";
    t[RT_TYPE] = u8"Tipo";
    t[RT_SCREEN] = u8"Tela";
    t[RT_TYPE_LIT] = u8"sempre aceso";
    t[RT_TYPE_DARK] = u8"sempre apagado";
    t[RT_TYPE_SUBPIXEL] = u8"subpixel preso";
    t[RT_TYPE_OTHER] = u8"falha";
    t[RT_MAP] = u8"Onde estão os defeitos";
    t[RT_VERDICT] = u8"Veredito";
    t[RT_PER_MILLION] = u8"por milhão de pixels";
    t[RT_CLASS_FORMAT] = u8"Atende à classe %s da ISO 13406-2";
    t[RT_NO_CLASS] = u8"Nenhuma classe ISO 13406-2 atendida";
    t[RT_RAW_EDID] = u8"EDID bruto";
    t[RT_SAVE_FAILED] = u8"Não foi possível salvar o relatório em %s: %s";
    t[RT_FAULTS_NOTED] = u8"Falhas anotadas";
    t[RT_NONE] = u8"nenhuma";
    t[RT_LOUPE_HINT] = u8"1 sempre aceso \u00B7 2 sempre apagado \u00B7 3 subpixel preso \u00B7 setas movem \u00B7 Enter marca \u00B7 Esc cancela";
    t[RT_GUIDE_KEYS] = u8"M marca um defeito no ponteiro \u00B7 N anota uma falha desta tela";
    t[RT_NOTE_ADDED] = u8"Falha anotada nesta tela";
    t[RT_NOTE_REMOVED] = u8"Anotação removida";
    t[RT_USAGE_TITLE] = u8"TAVRO - linha de comando";
    t[RT_USAGE] = u8"tavro.exe [/auto | /start] [/cards 1,2,5] [/monitor N] [/report PATH]\n\n"
        u8"/auto, /start: inicia já uma execução, temporizada ou passo a passo\n"
        u8"/cards: as categorias a marcar, numeradas a partir de 1 como na tela (1-14)\n"
        u8"/monitor: o monitor, numerado a partir de 1 como na lista de monitores\n"
        u8"/report: salva o relatório ali ao fim da execução, sem perguntar; um caminho terminado em .json\n"
        u8"    gera JSON, e {model}, {serial}, {date} e {time} nele são preenchidos com os valores";
    t[RT_BAD_ARGUMENT] = u8"Não reconhecido: %s";
    t[RT_MARKS_FULL] = u8"A lista está cheia: %d marcações, esta não foi mantida";
    t[RT_MARKED_AGAIN] = u8"Marcado de novo: agora %s";
    t[RT_CLUSTERS] = u8"Agrupamentos (dois ou mais em 5 \u00D7 5 pixels)";
    t[RT_CLUSTERS_FORMAT] = u8"%d de pixels sempre acesos ou apagados, %d de subpixels presos";
    t[RT_ANY_LIT] = u8"Pixel sempre aceso marcado";
    t[RT_YES] = u8"sim";
    t[RT_NO] = u8"não";
    t[RT_RESTS_ON] = u8"A classe se baseia nestas contagens e agrupamentos, cada posição marcada contada uma vez, "
        u8"por milhão dos %d \u00D7 %d pixels, tomando como base %s.";
    t[RT_TESTED_BASIS] = u8"a resolução testada (o EDID não indica resolução nativa)";
    t[RT_LIST_CUT] = u8"(A lista é cortada aqui: o relatório salvo contém tudo.)";
    t[RT_REASON_MISSING] = u8"%s precisa de um valor em seguida";
    t[RT_REASON_UNKNOWN] = u8"%s não é uma das opções";
    t[RT_REASON_TWO_STARTS] = u8"só é possível informar um entre /auto e /start";
    t[RT_REASON_CARDS] = u8"/cards aceita números de categoria de 1 a %d, separados por vírgulas, uma só vez";
    t[RT_REASON_MONITOR] = u8"/monitor aceita um único número de monitor de 1 a %d";
    t[RT_REASON_REPORT] = u8"/report aceita um único caminho de 1 a %d caracteres";
    t[RT_CONSOLE_SAVED] = u8"%s. Relatório: %s";
    t[RT_MOTION_HEADING] = u8"Telas de movimento";
    t[RT_MOTION_DROPPED] = u8"%s a %s Hz: %s de %s quadros perdidos";
    t[RT_MOTION_STEADY] = u8"%s a %s Hz: nenhum quadro perdido em %s";
    t[RT_UNKNOWN] = u8"desconhecida";
    t[RT_NOT_AT_NATIVE] = u8"Este teste não foi feito na resolução nativa do monitor (%d \u00D7 %d): o veredito se baseia nos %d \u00D7 %d pixels testados.";
    t[RT_HDR_SCREENS] = u8"Telas HDR";
    t[RT_HDR_ON] = u8"exibidas em HDR";
    t[RT_HDR_OFF] = u8"O HDR estava desligado no Windows: tudo acima do branco SDR foi cortado";
    t[RT_HDR_SWITCHED] = u8"O HDR foi ligado ou desligado enquanto eram exibidas";
    t[RT_HDR_STATE_UNKNOWN] = u8"O Windows não informou se o HDR estava ligado";
    t[RT_HDR_NOT_PRESENTED] = u8"não exibidas via Direct3D 11 neste computador: apenas faixa padrão";
    t[RT_HDR_LEVELS] = u8"branco SDR %s, pico declarado %s";
    t[RT_VRR_FIGURES] = u8"%s: taxas pedidas %s\u2013%s Hz, apresentadas %s\u2013%s Hz, %s quadros";
    t[RT_VRR_UNUSABLE] = u8"não foi possível usar VRR neste computador";
    return t;
}

constexpr ReportTexts Dutch() {
    ReportTexts t{};
    t[RT_TITLE] = u8"TAVRO-testrapport";
    t[RT_RESULTS_TITLE] = u8"TAVRO - Resultaten";
    t[RT_SAVE_REPORT] = u8"Rapport opslaan\u2026";
    t[RT_CLOSE] = u8"Sluiten";
    t[RT_CREATED] = u8"Aangemaakt";
    t[RT_PROGRAM] = u8"Programma";
    t[RT_SYSTEM] = u8"Windows";
    t[RT_MONITOR] = u8"Monitor";
    t[RT_MANUFACTURER] = u8"Fabrikant";
    t[RT_MODEL] = u8"Model";
    t[RT_SERIAL] = u8"Serienummer";
    t[RT_MADE] = u8"Geproduceerd";
    t[RT_MADE_FORMAT] = u8"week %d van %d";
    t[RT_MODEL_YEAR] = u8"modeljaar %d";
    t[RT_EDID_VERSION] = u8"EDID-versie";
    t[RT_NATIVE_MODE] = u8"Native resolutie";
    t[RT_FROM_BLOCK] = u8"uit het blok %s";
    t[RT_SIZE] = u8"Beeldgrootte";
    t[RT_SIZE_FORMAT] = u8"%d \u00D7 %d cm";
    t[RT_NO_EDID] = u8"De monitor geeft geen EDID.";
    t[RT_MODE_TESTED] = u8"Geteste resolutie";
    t[RT_IS_NATIVE] = u8"de native resolutie";
    t[RT_NOT_NATIVE] = u8"niet de native resolutie";
    t[RT_REFRESH] = u8"Verversingsfrequentie";
    t[RT_SCREENS_SEEN] = u8"Bekeken schermen";
    t[RT_LOOKS_RIGHT] = u8"geen fout genoteerd";
    t[RT_FAULT_NOTED] = u8"fout genoteerd";
    t[RT_DEFECTS] = u8"Gemarkeerde defecten";
    t[RT_NO_DEFECTS] = u8"Er is geen defect gemarkeerd.";
    t[RT_POSITION] = u8"Positie";
    t[RT_TYPE] = u8"Soort";
    t[RT_SCREEN] = u8"Scherm";
    t[RT_TYPE_LIT] = u8"altijd aan";
    t[RT_TYPE_DARK] = u8"altijd uit";
    t[RT_TYPE_SUBPIXEL] = u8"vastzittende subpixel";
    t[RT_TYPE_OTHER] = u8"fout";
    t[RT_MAP] = u8"Waar de defecten zitten";
    t[RT_VERDICT] = u8"Oordeel";
    t[RT_PER_MILLION] = u8"per miljoen pixels";
    t[RT_CLASS_FORMAT] = u8"Voldoet aan ISO 13406-2 klasse %s";
    t[RT_NO_CLASS] = u8"Voldoet aan geen ISO 13406-2-klasse";
    t[RT_RAW_EDID] = u8"Ruwe EDID";
    t[RT_SAVE_FAILED] = u8"Het rapport kon niet worden opgeslagen in %s: %s";
    t[RT_FAULTS_NOTED] = u8"Genoteerde fouten";
    t[RT_NONE] = u8"geen";
    t[RT_LOUPE_HINT] = u8"1 altijd aan \u00B7 2 altijd uit \u00B7 3 vastzittende subpixel \u00B7 pijltjestoetsen verplaatsen \u00B7 Enter markeert \u00B7 Esc annuleert";
    t[RT_GUIDE_KEYS] = u8"M markeert een defect bij de aanwijzer \u00B7 N noteert een fout van dit scherm";
    t[RT_NOTE_ADDED] = u8"Fout genoteerd op dit scherm";
    t[RT_NOTE_REMOVED] = u8"Notitie verwijderd";
    t[RT_USAGE_TITLE] = u8"TAVRO - opdrachtregel";
    t[RT_USAGE] = u8"tavro.exe [/auto | /start] [/cards 1,2,5] [/monitor N] [/report PATH]\n\n"
        u8"/auto, /start: meteen een ronde beginnen, getimed of met de hand\n"
        u8"/cards: de aan te vinken categorieën, genummerd vanaf 1 zoals op het scherm (1-14)\n"
        u8"/monitor: de monitor, genummerd vanaf 1 zoals in de monitorlijst\n"
        u8"/report: het rapport daar opslaan als de ronde klaar is, zonder te vragen; een pad dat op .json eindigt\n"
        u8"    krijgt JSON, en {model}, {serial}, {date} en {time} erin worden ingevuld";
    t[RT_BAD_ARGUMENT] = u8"Niet begrepen: %s";
    t[RT_MARKS_FULL] = u8"De lijst is vol: %d markeringen, deze is niet bewaard";
    t[RT_MARKED_AGAIN] = u8"Opnieuw gemarkeerd: nu %s";
    t[RT_CLUSTERS] = u8"Clusters (twee of meer binnen 5 \u00D7 5 pixels)";
    t[RT_CLUSTERS_FORMAT] = u8"%d van pixels die altijd aan of uit zijn, %d van vastzittende subpixels";
    t[RT_ANY_LIT] = u8"Pixel gemarkeerd die altijd aan is";
    t[RT_YES] = u8"ja";
    t[RT_NO] = u8"nee";
    t[RT_RESTS_ON] = u8"De klasse berust op deze aantallen en clusters, elke gemarkeerde positie één keer geteld, "
        u8"per miljoen van de %d \u00D7 %d pixels van %s.";
    t[RT_TESTED_BASIS] = u8"de geteste resolutie (de EDID noemt geen native resolutie)";
    t[RT_LIST_CUT] = u8"(De lijst stopt hier: het opgeslagen rapport bevat hem helemaal.)";
    t[RT_REASON_MISSING] = u8"na %s hoort een waarde";
    t[RT_REASON_UNKNOWN] = u8"%s is geen van de opties";
    t[RT_REASON_TWO_STARTS] = u8"slechts één van /auto en /start mag worden opgegeven";
    t[RT_REASON_CARDS] = u8"/cards neemt categorienummers van 1 tot en met %d, gescheiden door komma's, één keer";
    t[RT_REASON_MONITOR] = u8"/monitor neemt één monitornummer van 1 tot en met %d";
    t[RT_REASON_REPORT] = u8"/report neemt één pad van 1 tot en met %d tekens";
    t[RT_CONSOLE_SAVED] = u8"%s. Rapport: %s";
    t[RT_MOTION_HEADING] = u8"Bewegingsschermen";
    t[RT_MOTION_DROPPED] = u8"%s op %s Hz: %s van %s frames gemist";
    t[RT_MOTION_STEADY] = u8"%s op %s Hz: geen frame gemist in %s";
    t[RT_UNKNOWN] = u8"onbekend";
    t[RT_NOT_AT_NATIVE] = u8"Deze test liep niet op de native resolutie van de monitor (%d \u00D7 %d): het oordeel berust op de geteste %d \u00D7 %d pixels.";
    t[RT_HDR_SCREENS] = u8"HDR-beelden";
    t[RT_HDR_ON] = u8"in HDR getoond";
    t[RT_HDR_OFF] = u8"HDR stond uit in Windows: alles boven SDR-wit werd afgekapt";
    t[RT_HDR_SWITCHED] = u8"HDR werd aan- of uitgezet terwijl ze werden getoond";
    t[RT_HDR_STATE_UNKNOWN] = u8"Windows gaf niet aan of HDR aan stond";
    t[RT_HDR_NOT_PRESENTED] = u8"op deze computer niet via Direct3D 11 getoond: alleen standaardbereik";
    t[RT_HDR_LEVELS] = u8"SDR-wit %s, opgegeven piek %s";
    t[RT_VRR_FIGURES] = u8"%s: gevraagd %s\u2013%s Hz, getoond %s\u2013%s Hz, %s beelden";
    t[RT_VRR_UNUSABLE] = u8"VRR kon op deze computer niet worden gebruikt";
    return t;
}

constexpr ReportTexts Swedish() {
    ReportTexts t{};
    t[RT_TITLE] = u8"TAVRO-testrapport";
    t[RT_RESULTS_TITLE] = u8"TAVRO - Resultat";
    t[RT_SAVE_REPORT] = u8"Spara rapport\u2026";
    t[RT_CLOSE] = u8"Stäng";
    t[RT_CREATED] = u8"Skapad";
    t[RT_PROGRAM] = u8"Program";
    t[RT_SYSTEM] = u8"Windows";
    t[RT_MONITOR] = u8"Bildskärm";
    t[RT_MANUFACTURER] = u8"Tillverkare";
    t[RT_MODEL] = u8"Modell";
    t[RT_SERIAL] = u8"Serienummer";
    t[RT_MADE] = u8"Tillverkad";
    t[RT_MADE_FORMAT] = u8"vecka %d år %d";
    t[RT_MODEL_YEAR] = u8"årsmodell %d";
    t[RT_EDID_VERSION] = u8"EDID-version";
    t[RT_NATIVE_MODE] = u8"Inbyggd upplösning";
    t[RT_FROM_BLOCK] = u8"från blocket %s";
    t[RT_SIZE] = u8"Bildstorlek";
    t[RT_SIZE_FORMAT] = u8"%d \u00D7 %d cm";
    t[RT_NO_EDID] = u8"Bildskärmen ger ingen EDID.";
    t[RT_MODE_TESTED] = u8"Testad upplösning";
    t[RT_IS_NATIVE] = u8"den inbyggda upplösningen";
    t[RT_NOT_NATIVE] = u8"inte den inbyggda upplösningen";
    t[RT_REFRESH] = u8"Uppdateringsfrekvens";
    t[RT_SCREENS_SEEN] = u8"Visade skärmar";
    t[RT_LOOKS_RIGHT] = u8"inget fel noterat";
    t[RT_FAULT_NOTED] = u8"fel noterat";
    t[RT_DEFECTS] = u8"Markerade defekter";
    t[RT_NO_DEFECTS] = u8"Ingen defekt markerades.";
    t[RT_POSITION] = u8"Position";
    t[RT_TYPE] = u8"Typ";
    t[RT_SCREEN] = u8"Skärm";
    t[RT_TYPE_LIT] = u8"alltid tänd";
    t[RT_TYPE_DARK] = u8"alltid släckt";
    t[RT_TYPE_SUBPIXEL] = u8"fast subpixel";
    t[RT_TYPE_OTHER] = u8"fel";
    t[RT_MAP] = u8"Var defekterna finns";
    t[RT_VERDICT] = u8"Bedömning";
    t[RT_PER_MILLION] = u8"per miljon pixlar";
    t[RT_CLASS_FORMAT] = u8"Uppfyller ISO 13406-2 klass %s";
    t[RT_NO_CLASS] = u8"Uppfyller ingen klass i ISO 13406-2";
    t[RT_RAW_EDID] = u8"Rå EDID";
    t[RT_SAVE_FAILED] = u8"Rapporten kunde inte sparas i %s: %s";
    t[RT_FAULTS_NOTED] = u8"Noterade fel";
    t[RT_NONE] = u8"inga";
    t[RT_LOUPE_HINT] = u8"1 alltid tänd \u00B7 2 alltid släckt \u00B7 3 fast subpixel \u00B7 piltangenterna flyttar \u00B7 Enter markerar \u00B7 Esc avbryter";
    t[RT_GUIDE_KEYS] = u8"M markerar en defekt vid pekaren \u00B7 N noterar ett fel på den här skärmen";
    t[RT_NOTE_ADDED] = u8"Fel noterat på den här skärmen";
    t[RT_NOTE_REMOVED] = u8"Noteringen borttagen";
    t[RT_USAGE_TITLE] = u8"TAVRO - kommandorad";
    t[RT_USAGE] = u8"tavro.exe [/auto | /start] [/cards 1,2,5] [/monitor N] [/report PATH]\n\n"
        u8"/auto, /start: starta en körning direkt, tidsstyrd eller stegad för hand\n"
        u8"/cards: kategorierna att kryssa i, numrerade från 1 som på skärmen (1-14)\n"
        u8"/monitor: bildskärmen, numrerad från 1 som i bildskärmslistan\n"
        u8"/report: spara rapporten där när körningen är klar, utan att fråga; en sökväg som slutar på .json\n"
        u8"    ger JSON, och {model}, {serial}, {date} och {time} i den fylls i";
    t[RT_BAD_ARGUMENT] = u8"Förstods inte: %s";
    t[RT_MARKS_FULL] = u8"Listan är full: %d markeringar, den här sparades inte";
    t[RT_MARKED_AGAIN] = u8"Markerad igen: nu %s";
    t[RT_CLUSTERS] = u8"Kluster (två eller fler inom 5 \u00D7 5 pixlar)";
    t[RT_CLUSTERS_FORMAT] = u8"%d av alltid tända eller släckta pixlar, %d av fasta subpixlar";
    t[RT_ANY_LIT] = u8"Alltid tänd pixel markerad";
    t[RT_YES] = u8"ja";
    t[RT_NO] = u8"nej";
    t[RT_RESTS_ON] = u8"Klassen bygger på dessa antal och kluster, där varje markerad position räknas en gång, "
        u8"per miljon av de %d \u00D7 %d pixlarna i %s.";
    t[RT_TESTED_BASIS] = u8"den testade upplösningen (EDID anger ingen inbyggd upplösning)";
    t[RT_LIST_CUT] = u8"(Listan slutar här: den sparade rapporten innehåller hela listan.)";
    t[RT_REASON_MISSING] = u8"%s behöver ett värde efter sig";
    t[RT_REASON_UNKNOWN] = u8"%s är inte ett av alternativen";
    t[RT_REASON_TWO_STARTS] = u8"bara ett av /auto och /start får anges";
    t[RT_REASON_CARDS] = u8"/cards tar kategorinummer från 1 till %d, åtskilda med kommatecken, en gång";
    t[RT_REASON_MONITOR] = u8"/monitor tar ett bildskärmsnummer från 1 till %d";
    t[RT_REASON_REPORT] = u8"/report tar en sökväg på 1 till %d tecken";
    t[RT_CONSOLE_SAVED] = u8"%s. Rapport: %s";
    t[RT_MOTION_HEADING] = u8"Rörelseskärmar";
    t[RT_MOTION_DROPPED] = u8"%s vid %s Hz: %s av %s bildrutor tappade";
    t[RT_MOTION_STEADY] = u8"%s vid %s Hz: ingen bildruta tappad av %s";
    t[RT_UNKNOWN] = u8"okänd";
    t[RT_NOT_AT_NATIVE] = u8"Den här körningen gjordes inte i bildskärmens inbyggda upplösning (%d \u00D7 %d): bedömningen gäller de %d \u00D7 %d testade pixlarna.";
    t[RT_HDR_SCREENS] = u8"HDR-bilder";
    t[RT_HDR_ON] = u8"visade i HDR";
    t[RT_HDR_OFF] = u8"HDR var av i Windows: allt över SDR-vitt klipptes";
    t[RT_HDR_SWITCHED] = u8"HDR slogs på eller av medan de visades";
    t[RT_HDR_STATE_UNKNOWN] = u8"Windows angav inte om HDR var på";
    t[RT_HDR_NOT_PRESENTED] = u8"visades inte via Direct3D 11 på den här datorn: endast standardomfång";
    t[RT_HDR_LEVELS] = u8"SDR-vitt %s, angiven topp %s";
    t[RT_VRR_FIGURES] = u8"%s: begärt %s\u2013%s Hz, visat %s\u2013%s Hz, %s bilder";
    t[RT_VRR_UNUSABLE] = u8"VRR kunde inte användas på den här datorn";
    return t;
}

constexpr ReportTexts Russian() {
    ReportTexts t{};
    t[RT_TITLE] = u8"Отчёт о тестировании TAVRO";
    t[RT_RESULTS_TITLE] = u8"TAVRO - Результаты";
    t[RT_SAVE_REPORT] = u8"Сохранить отчёт\u2026";
    t[RT_CLOSE] = u8"Закрыть";
    t[RT_CREATED] = u8"Создан";
    t[RT_PROGRAM] = u8"Программа";
    t[RT_SYSTEM] = u8"Windows";
    t[RT_MONITOR] = u8"Монитор";
    t[RT_MANUFACTURER] = u8"Производитель";
    t[RT_MODEL] = u8"Модель";
    t[RT_SERIAL] = u8"Серийный номер";
    t[RT_MADE] = u8"Изготовлен";
    t[RT_MADE_FORMAT] = u8"%d-я неделя %d г.";
    t[RT_MODEL_YEAR] = u8"модельный год %d";
    t[RT_EDID_VERSION] = u8"Версия EDID";
    t[RT_NATIVE_MODE] = u8"Родной режим";
    t[RT_FROM_BLOCK] = u8"из блока %s";
    t[RT_SIZE] = u8"Размер изображения";
    t[RT_SIZE_FORMAT] = u8"%d \u00D7 %d см";
    t[RT_NO_EDID] = u8"Монитор не передаёт EDID.";
    t[RT_MODE_TESTED] = u8"Режим теста";
    t[RT_IS_NATIVE] = u8"родной режим";
    t[RT_NOT_NATIVE] = u8"не родной режим";
    t[RT_REFRESH] = u8"Частота обновления";
    t[RT_SCREENS_SEEN] = u8"Просмотренные экраны";
    t[RT_LOOKS_RIGHT] = u8"неисправность не отмечена";
    t[RT_FAULT_NOTED] = u8"отмечена неисправность";
    t[RT_DEFECTS] = u8"Отмеченные дефекты";
    t[RT_NO_DEFECTS] = u8"Дефекты не отмечены.";
    t[RT_POSITION] = u8"Положение";
    t[RT_TYPE] = u8"Тип";
    t[RT_SCREEN] = u8"Экран";
    t[RT_TYPE_LIT] = u8"всегда светится";
    t[RT_TYPE_DARK] = u8"всегда тёмный";
    t[RT_TYPE_SUBPIXEL] = u8"застрявший субпиксель";
    t[RT_TYPE_OTHER] = u8"неисправность";
    t[RT_MAP] = u8"Где находятся дефекты";
    t[RT_VERDICT] = u8"Заключение";
    t[RT_PER_MILLION] = u8"на миллион пикселей";
    t[RT_CLASS_FORMAT] = u8"Соответствует классу %s ISO 13406-2";
    t[RT_NO_CLASS] = u8"Не соответствует классам ISO 13406-2";
    t[RT_RAW_EDID] = u8"Необработанный EDID";
    t[RT_SAVE_FAILED] = u8"Не удалось сохранить отчёт в %s: %s";
    t[RT_FAULTS_NOTED] = u8"Отмеченные неисправности";
    t[RT_NONE] = u8"нет";
    t[RT_LOUPE_HINT] = u8"1 всегда светится \u00B7 2 всегда тёмный \u00B7 3 застрявший субпиксель \u00B7 стрелки двигают \u00B7 Enter отмечает \u00B7 Esc отменяет";
    t[RT_GUIDE_KEYS] = u8"M отмечает дефект под указателем \u00B7 N отмечает неисправность этого экрана";
    t[RT_NOTE_ADDED] = u8"Неисправность этого экрана отмечена";
    t[RT_NOTE_REMOVED] = u8"Отметка снята";
    t[RT_USAGE_TITLE] = u8"TAVRO - командная строка";
    t[RT_USAGE] = u8"tavro.exe [/auto | /start] [/cards 1,2,5] [/monitor N] [/report PATH]\n\n"
        u8"/auto, /start: сразу начать прогон, по таймеру или вручную\n"
        u8"/cards: отмечаемые категории, номера с 1, как в окне (1-14)\n"
        u8"/monitor: монитор, номер с 1, как в списке мониторов\n"
        u8"/report: по окончании прогона сохранить туда отчёт без вопросов; если путь оканчивается на .json,\n"
        u8"    отчёт сохраняется в JSON, а {model}, {serial}, {date} и {time} в пути заменяются значениями";
    t[RT_BAD_ARGUMENT] = u8"Не распознано: %s";
    t[RT_MARKS_FULL] = u8"Список заполнен (отметок: %d), эта отметка не сохранена";
    t[RT_MARKED_AGAIN] = u8"Отмечено повторно: теперь %s";
    t[RT_CLUSTERS] = u8"Кластеры (два и более в пределах 5 \u00D7 5 пикселей)";
    t[RT_CLUSTERS_FORMAT] = u8"%d из всегда светящихся или тёмных пикселей, %d из застрявших субпикселей";
    t[RT_ANY_LIT] = u8"Отмечен всегда светящийся пиксель";
    t[RT_YES] = u8"да";
    t[RT_NO] = u8"нет";
    t[RT_RESTS_ON] = u8"Класс определён по этим количествам и кластерам (каждая отмеченная позиция учтена один раз) "
        u8"в пересчёте на миллион из %d \u00D7 %d пикселей; основа расчёта: %s.";
    t[RT_TESTED_BASIS] = u8"проверенный режим (в EDID не указан родной режим)";
    t[RT_LIST_CUT] = u8"(Здесь список обрезан: в сохранённом отчёте он полный.)";
    t[RT_REASON_MISSING] = u8"после %s нужно значение";
    t[RT_REASON_UNKNOWN] = u8"%s не входит в число параметров";
    t[RT_REASON_TWO_STARTS] = u8"можно указать только один из параметров /auto и /start";
    t[RT_REASON_CARDS] = u8"/cards принимает номера категорий от 1 до %d через запятую, один раз";
    t[RT_REASON_MONITOR] = u8"/monitor принимает один номер монитора от 1 до %d";
    t[RT_REASON_REPORT] = u8"/report принимает один путь длиной от 1 до %d символов";
    t[RT_CONSOLE_SAVED] = u8"%s. Отчёт: %s";
    t[RT_MOTION_HEADING] = u8"Экраны движения";
    t[RT_MOTION_DROPPED] = u8"%s при %s Hz: пропущено кадров %s из %s";
    t[RT_MOTION_STEADY] = u8"%s при %s Hz: ни один кадр не пропущен из %s";
    t[RT_UNKNOWN] = u8"неизвестна";
    t[RT_NOT_AT_NATIVE] = u8"Проверка шла не в родном режиме монитора (%d \u00D7 %d): заключение сделано по проверенным %d \u00D7 %d пикселям.";
    t[RT_HDR_SCREENS] = u8"Экраны HDR";
    t[RT_HDR_ON] = u8"показаны в HDR";
    t[RT_HDR_OFF] = u8"HDR в Windows был выключен: всё выше белого SDR обрезалось";
    t[RT_HDR_SWITCHED] = u8"HDR включали или выключали во время показа";
    t[RT_HDR_STATE_UNKNOWN] = u8"Windows не сообщила, был ли включён HDR";
    t[RT_HDR_NOT_PRESENTED] = u8"на этом компьютере не показаны через Direct3D 11: только стандартный диапазон";
    t[RT_HDR_LEVELS] = u8"белый SDR %s, заявленный пик %s";
    t[RT_VRR_FIGURES] = u8"%s: запрошено %s\u2013%s Гц, показано %s\u2013%s Гц, кадров: %s";
    t[RT_VRR_UNUSABLE] = u8"VRR на этом компьютере использовать не удалось";
    return t;
}

constexpr ReportTexts Polish() {
    ReportTexts t{};
    t[RT_TITLE] = u8"Raport z testu TAVRO";
    t[RT_RESULTS_TITLE] = u8"TAVRO - Wyniki";
    t[RT_SAVE_REPORT] = u8"Zapisz raport\u2026";
    t[RT_CLOSE] = u8"Zamknij";
    t[RT_CREATED] = u8"Utworzono";
    t[RT_PROGRAM] = u8"Program";
    t[RT_SYSTEM] = u8"Windows";
    t[RT_MONITOR] = u8"Monitor";
    t[RT_MANUFACTURER] = u8"Producent";
    t[RT_MODEL] = u8"Model";
    t[RT_SERIAL] = u8"Numer seryjny";
    t[RT_MADE] = u8"Wyprodukowano";
    t[RT_MADE_FORMAT] = u8"tydzień %d roku %d";
    t[RT_MODEL_YEAR] = u8"rok modelowy %d";
    t[RT_EDID_VERSION] = u8"Wersja EDID";
    t[RT_NATIVE_MODE] = u8"Rozdzielczość natywna";
    t[RT_FROM_BLOCK] = u8"z bloku %s";
    t[RT_SIZE] = u8"Rozmiar obrazu";
    t[RT_SIZE_FORMAT] = u8"%d \u00D7 %d cm";
    t[RT_NO_EDID] = u8"Monitor nie podaje EDID.";
    t[RT_MODE_TESTED] = u8"Testowana rozdzielczość";
    t[RT_IS_NATIVE] = u8"rozdzielczość natywna";
    t[RT_NOT_NATIVE] = u8"inna niż natywna";
    t[RT_REFRESH] = u8"Częstotliwość odświeżania";
    t[RT_SCREENS_SEEN] = u8"Obejrzane ekrany";
    t[RT_LOOKS_RIGHT] = u8"bez odnotowanej usterki";
    t[RT_FAULT_NOTED] = u8"odnotowano usterkę";
    t[RT_DEFECTS] = u8"Zaznaczone defekty";
    t[RT_NO_DEFECTS] = u8"Nie zaznaczono żadnego defektu.";
    t[RT_POSITION] = u8"Położenie";
    t[RT_TYPE] = u8"Rodzaj";
    t[RT_SCREEN] = u8"Ekran";
    t[RT_TYPE_LIT] = u8"zawsze świeci";
    t[RT_TYPE_DARK] = u8"zawsze ciemny";
    t[RT_TYPE_SUBPIXEL] = u8"zablokowany subpiksel";
    t[RT_TYPE_OTHER] = u8"usterka";
    t[RT_MAP] = u8"Gdzie są defekty";
    t[RT_VERDICT] = u8"Ocena";
    t[RT_PER_MILLION] = u8"na milion pikseli";
    t[RT_CLASS_FORMAT] = u8"Spełnia klasę %s normy ISO 13406-2";
    t[RT_NO_CLASS] = u8"Nie spełnia żadnej klasy ISO 13406-2";
    t[RT_RAW_EDID] = u8"Surowe dane EDID";
    t[RT_SAVE_FAILED] = u8"Nie udało się zapisać raportu w %s: %s";
    t[RT_FAULTS_NOTED] = u8"Odnotowane usterki";
    t[RT_NONE] = u8"brak";
    t[RT_LOUPE_HINT] = u8"1 zawsze świeci \u00B7 2 zawsze ciemny \u00B7 3 zablokowany subpiksel \u00B7 strzałki przesuwają \u00B7 Enter zaznacza \u00B7 Esc anuluje";
    t[RT_GUIDE_KEYS] = u8"M zaznacza defekt pod wskaźnikiem \u00B7 N odnotowuje usterkę tego ekranu";
    t[RT_NOTE_ADDED] = u8"Odnotowano usterkę tego ekranu";
    t[RT_NOTE_REMOVED] = u8"Usunięto notatkę";
    t[RT_USAGE_TITLE] = u8"TAVRO - wiersz poleceń";
    t[RT_USAGE] = u8"tavro.exe [/auto | /start] [/cards 1,2,5] [/monitor N] [/report PATH]\n\n"
        u8"/auto, /start: od razu rozpocznij przebieg, automatyczny lub ręczny\n"
        u8"/cards: kategorie do zaznaczenia, numerowane od 1 jak w oknie (1-14)\n"
        u8"/monitor: monitor, numerowany od 1 jak na liście monitorów\n"
        u8"/report: zapisz tam raport po zakończeniu przebiegu, bez pytania; ścieżka zakończona na .json\n"
        u8"    daje plik JSON, a {model}, {serial}, {date} i {time} w niej zostają zastąpione wartościami";
    t[RT_BAD_ARGUMENT] = u8"Nie rozpoznano: %s";
    t[RT_MARKS_FULL] = u8"Lista jest pełna (zaznaczeń: %d), tego zaznaczenia nie zachowano";
    t[RT_MARKED_AGAIN] = u8"Zaznaczono ponownie: teraz %s";
    t[RT_CLUSTERS] = u8"Skupiska (dwa lub więcej w obrębie 5 \u00D7 5 pikseli)";
    t[RT_CLUSTERS_FORMAT] = u8"%d z pikseli zawsze świecących lub ciemnych, %d z zablokowanych subpikseli";
    t[RT_ANY_LIT] = u8"Zaznaczono zawsze świecący piksel";
    t[RT_YES] = u8"tak";
    t[RT_NO] = u8"nie";
    t[RT_RESTS_ON] = u8"Klasa opiera się na tych liczbach i skupiskach (każde zaznaczone położenie liczone raz) "
        u8"w przeliczeniu na milion z %d \u00D7 %d pikseli; podstawa: %s.";
    t[RT_TESTED_BASIS] = u8"testowana rozdzielczość (EDID nie podaje rozdzielczości natywnej)";
    t[RT_LIST_CUT] = u8"(Tu lista jest ucięta: zapisany raport zawiera całość.)";
    t[RT_REASON_MISSING] = u8"po %s potrzebna jest wartość";
    t[RT_REASON_UNKNOWN] = u8"%s nie jest żadną z opcji";
    t[RT_REASON_TWO_STARTS] = u8"można podać tylko jedną z opcji /auto i /start";
    t[RT_REASON_CARDS] = u8"/cards przyjmuje numery kategorii od 1 do %d, rozdzielone przecinkami, jeden raz";
    t[RT_REASON_MONITOR] = u8"/monitor przyjmuje jeden numer monitora od 1 do %d";
    t[RT_REASON_REPORT] = u8"/report przyjmuje jedną ścieżkę o długości od 1 do %d znaków";
    t[RT_CONSOLE_SAVED] = u8"%s. Raport: %s";
    t[RT_MOTION_HEADING] = u8"Ekrany ruchu";
    t[RT_MOTION_DROPPED] = u8"%s przy %s Hz: pominięte klatki %s z %s";
    t[RT_MOTION_STEADY] = u8"%s przy %s Hz: żadna klatka nie pominięta z %s";
    t[RT_UNKNOWN] = u8"nieznana";
    t[RT_NOT_AT_NATIVE] = u8"Ten test nie odbył się w natywnej rozdzielczości monitora (%d \u00D7 %d): ocena dotyczy testowanych %d \u00D7 %d pikseli.";
    t[RT_HDR_SCREENS] = u8"Ekrany HDR";
    t[RT_HDR_ON] = u8"pokazane w HDR";
    t[RT_HDR_OFF] = u8"HDR był wyłączony w Windows: wszystko powyżej bieli SDR zostało obcięte";
    t[RT_HDR_SWITCHED] = u8"HDR włączono lub wyłączono podczas ich pokazywania";
    t[RT_HDR_STATE_UNKNOWN] = u8"Windows nie podał, czy HDR był włączony";
    t[RT_HDR_NOT_PRESENTED] = u8"na tym komputerze nie pokazane przez Direct3D 11: tylko zakres standardowy";
    t[RT_HDR_LEVELS] = u8"biel SDR %s, deklarowany szczyt %s";
    t[RT_VRR_FIGURES] = u8"%s: żądane %s\u2013%s Hz, wyświetlane %s\u2013%s Hz, klatek: %s";
    t[RT_VRR_UNUSABLE] = u8"nie można było użyć VRR na tym komputerze";
    return t;
}

constexpr ReportTexts Japanese() {
    ReportTexts t{};
    t[RT_TITLE] = u8"TAVRO テストレポート";
    t[RT_RESULTS_TITLE] = u8"TAVRO - 結果";
    t[RT_SAVE_REPORT] = u8"レポートを保存\u2026";
    t[RT_CLOSE] = u8"閉じる";
    t[RT_CREATED] = u8"作成日時";
    t[RT_PROGRAM] = u8"プログラム";
    t[RT_SYSTEM] = u8"Windows";
    t[RT_MONITOR] = u8"モニター";
    t[RT_MANUFACTURER] = u8"メーカー";
    t[RT_MODEL] = u8"モデル";
    t[RT_SERIAL] = u8"シリアル番号";
    t[RT_MADE] = u8"製造";
    t[RT_MADE_FORMAT] = u8"第%d週（%d年）";
    t[RT_MODEL_YEAR] = u8"%d年モデル";
    t[RT_EDID_VERSION] = u8"EDID バージョン";
    t[RT_NATIVE_MODE] = u8"ネイティブ解像度";
    t[RT_FROM_BLOCK] = u8"%s ブロックより";
    t[RT_SIZE] = u8"画面サイズ";
    t[RT_SIZE_FORMAT] = u8"%d \u00D7 %d cm";
    t[RT_NO_EDID] = u8"モニターから EDID が得られません。";
    t[RT_MODE_TESTED] = u8"テストした解像度";
    t[RT_IS_NATIVE] = u8"ネイティブ解像度";
    t[RT_NOT_NATIVE] = u8"ネイティブ解像度ではない";
    t[RT_REFRESH] = u8"リフレッシュレート";
    t[RT_SCREENS_SEEN] = u8"表示した画面";
    t[RT_LOOKS_RIGHT] = u8"不具合の記録なし";
    t[RT_FAULT_NOTED] = u8"不具合あり";
    t[RT_DEFECTS] = u8"マークした欠陥";
    t[RT_NO_DEFECTS] = u8"欠陥はマークされていません。";
    t[RT_POSITION] = u8"位置";
    t[RT_TYPE] = u8"種類";
    t[RT_SCREEN] = u8"画面";
    t[RT_TYPE_LIT] = u8"常時点灯";
    t[RT_TYPE_DARK] = u8"常時消灯";
    t[RT_TYPE_SUBPIXEL] = u8"サブピクセル固着";
    t[RT_TYPE_OTHER] = u8"不具合";
    t[RT_MAP] = u8"欠陥の位置";
    t[RT_VERDICT] = u8"判定";
    t[RT_PER_MILLION] = u8"100万画素あたり";
    t[RT_CLASS_FORMAT] = u8"ISO 13406-2 クラス %s に適合";
    t[RT_NO_CLASS] = u8"ISO 13406-2 のどのクラスにも不適合";
    t[RT_RAW_EDID] = u8"EDID 生データ";
    t[RT_SAVE_FAILED] = u8"レポートを %s に保存できませんでした：%s";
    t[RT_FAULTS_NOTED] = u8"記録した不具合";
    t[RT_NONE] = u8"なし";
    t[RT_LOUPE_HINT] = u8"1 常時点灯 \u00B7 2 常時消灯 \u00B7 3 サブピクセル固着 \u00B7 矢印キーで移動 \u00B7 Enter でマーク \u00B7 Esc で取消";
    t[RT_GUIDE_KEYS] = u8"M ポインター位置の欠陥をマーク \u00B7 N この画面の不具合を記録";
    t[RT_NOTE_ADDED] = u8"この画面の不具合を記録しました";
    t[RT_NOTE_REMOVED] = u8"記録を取り消しました";
    t[RT_USAGE_TITLE] = u8"TAVRO - コマンドライン";
    t[RT_USAGE] = u8"tavro.exe [/auto | /start] [/cards 1,2,5] [/monitor N] [/report PATH]\n\n"
        u8"/auto, /start：すぐに実行を開始（自動で切替、または手動で切替）\n"
        u8"/cards：チェックするカテゴリ。ウィンドウの順に 1 から番号付け（1-14）\n"
        u8"/monitor：モニター。モニター一覧の順に 1 から番号付け\n"
        u8"/report：実行の終了時に、確認せずにレポートをそこへ保存。パスが .json で終わる場合は\n"
        u8"    JSON で保存し、パス中の {model}、{serial}、{date}、{time} を実際の値に置き換え";
    t[RT_BAD_ARGUMENT] = u8"認識できない引数：%s";
    t[RT_MARKS_FULL] = u8"リストがいっぱいです（マーク %d 件）。このマークは保存されませんでした";
    t[RT_MARKED_AGAIN] = u8"マークし直しました：%s";
    t[RT_CLUSTERS] = u8"クラスター（5 \u00D7 5 画素内に 2 個以上）";
    t[RT_CLUSTERS_FORMAT] = u8"常時点灯・常時消灯の画素 %d 件、サブピクセル固着 %d 件";
    t[RT_ANY_LIT] = u8"常時点灯の画素をマークした";
    t[RT_YES] = u8"はい";
    t[RT_NO] = u8"いいえ";
    t[RT_RESTS_ON] = u8"クラスは、上記の個数とクラスター（マークした位置はそれぞれ 1 回だけ数える）を"
        u8" %d \u00D7 %d 画素の 100万画素あたりに換算して判定しています。基準は%sです。";
    t[RT_TESTED_BASIS] = u8"テストした解像度（EDID にネイティブ解像度の記載なし）";
    t[RT_LIST_CUT] = u8"（リストはここまでです。保存したレポートにはすべて含まれます。）";
    t[RT_REASON_MISSING] = u8"%s の後に値が必要です";
    t[RT_REASON_UNKNOWN] = u8"%s は使用できるオプションではありません";
    t[RT_REASON_TWO_STARTS] = u8"/auto と /start はどちらか一方しか指定できません";
    t[RT_REASON_CARDS] = u8"/cards には 1～%d のカテゴリ番号をカンマ区切りで 1 回だけ指定します";
    t[RT_REASON_MONITOR] = u8"/monitor には 1～%d のモニター番号を 1 つ指定します";
    t[RT_REASON_REPORT] = u8"/report には 1～%d 文字のパスを 1 つ指定します";
    t[RT_CONSOLE_SAVED] = u8"%s。レポート：%s";
    t[RT_MOTION_HEADING] = u8"動きの画面";
    t[RT_MOTION_DROPPED] = u8"%s（%s Hz）：フレーム落ち %s / %s";
    t[RT_MOTION_STEADY] = u8"%s（%s Hz）：%s フレーム中フレーム落ちなし";
    t[RT_UNKNOWN] = u8"不明";
    t[RT_NOT_AT_NATIVE] = u8"このテストはモニターのネイティブ解像度（%d \u00D7 %d）で行われていません。判定はテストした %d \u00D7 %d ピクセルに基づきます。";
    t[RT_HDR_SCREENS] = u8"HDR 画面";
    t[RT_HDR_ON] = u8"HDR で表示";
    t[RT_HDR_OFF] = u8"Windows で HDR がオフでした：SDR の白を超える部分はすべてクリップされました";
    t[RT_HDR_SWITCHED] = u8"表示中に HDR がオンまたはオフに切り替えられました";
    t[RT_HDR_STATE_UNKNOWN] = u8"Windows は HDR がオンかどうかを示しませんでした";
    t[RT_HDR_NOT_PRESENTED] = u8"このコンピューターでは Direct3D 11 で表示できません：標準ダイナミックレンジのみ";
    t[RT_HDR_LEVELS] = u8"SDR の白 %s、公称ピーク %s";
    t[RT_VRR_FIGURES] = u8"%s：要求 %s\u2013%s Hz、表示 %s\u2013%s Hz、%s フレーム";
    t[RT_VRR_UNUSABLE] = u8"このコンピューターでは VRR を使えませんでした";
    return t;
}

constexpr ReportTexts Korean() {
    ReportTexts t{};
    t[RT_TITLE] = u8"TAVRO 테스트 보고서";
    t[RT_RESULTS_TITLE] = u8"TAVRO - 결과";
    t[RT_SAVE_REPORT] = u8"보고서 저장\u2026";
    t[RT_CLOSE] = u8"닫기";
    t[RT_CREATED] = u8"작성 일시";
    t[RT_PROGRAM] = u8"프로그램";
    t[RT_SYSTEM] = u8"Windows";
    t[RT_MONITOR] = u8"모니터";
    t[RT_MANUFACTURER] = u8"제조사";
    t[RT_MODEL] = u8"모델";
    t[RT_SERIAL] = u8"일련번호";
    t[RT_MADE] = u8"제조";
    t[RT_MADE_FORMAT] = u8"제%d주(%d년)";
    t[RT_MODEL_YEAR] = u8"%d년형 모델";
    t[RT_EDID_VERSION] = u8"EDID 버전";
    t[RT_NATIVE_MODE] = u8"기본 해상도";
    t[RT_FROM_BLOCK] = u8"%s 블록 기준";
    t[RT_SIZE] = u8"화면 크기";
    t[RT_SIZE_FORMAT] = u8"%d \u00D7 %d cm";
    t[RT_NO_EDID] = u8"모니터가 EDID를 제공하지 않습니다.";
    t[RT_MODE_TESTED] = u8"테스트한 해상도";
    t[RT_IS_NATIVE] = u8"기본 해상도";
    t[RT_NOT_NATIVE] = u8"기본 해상도 아님";
    t[RT_REFRESH] = u8"재생률";
    t[RT_SCREENS_SEEN] = u8"본 화면";
    t[RT_LOOKS_RIGHT] = u8"기록된 이상 없음";
    t[RT_FAULT_NOTED] = u8"이상 기록됨";
    t[RT_DEFECTS] = u8"표시한 결함";
    t[RT_NO_DEFECTS] = u8"표시한 결함이 없습니다.";
    t[RT_POSITION] = u8"위치";
    t[RT_TYPE] = u8"종류";
    t[RT_SCREEN] = u8"화면";
    t[RT_TYPE_LIT] = u8"항상 켜짐";
    t[RT_TYPE_DARK] = u8"항상 꺼짐";
    t[RT_TYPE_SUBPIXEL] = u8"서브픽셀 고착";
    t[RT_TYPE_OTHER] = u8"이상";
    t[RT_MAP] = u8"결함 위치";
    t[RT_VERDICT] = u8"판정";
    t[RT_PER_MILLION] = u8"백만 화소당";
    t[RT_CLASS_FORMAT] = u8"ISO 13406-2 클래스 %s 충족";
    t[RT_NO_CLASS] = u8"어떤 ISO 13406-2 클래스도 충족하지 못함";
    t[RT_RAW_EDID] = u8"EDID 원본 데이터";
    t[RT_SAVE_FAILED] = u8"보고서를 %s에 저장할 수 없습니다: %s";
    t[RT_FAULTS_NOTED] = u8"기록된 이상";
    t[RT_NONE] = u8"없음";
    t[RT_LOUPE_HINT] = u8"1 항상 켜짐 \u00B7 2 항상 꺼짐 \u00B7 3 서브픽셀 고착 \u00B7 화살표 키로 이동 \u00B7 Enter 표시 \u00B7 Esc 취소";
    t[RT_GUIDE_KEYS] = u8"M 포인터 위치의 결함 표시 \u00B7 N 이 화면의 이상 기록";
    t[RT_NOTE_ADDED] = u8"이 화면의 이상을 기록했습니다";
    t[RT_NOTE_REMOVED] = u8"기록을 지웠습니다";
    t[RT_USAGE_TITLE] = u8"TAVRO - 명령줄";
    t[RT_USAGE] = u8"tavro.exe [/auto | /start] [/cards 1,2,5] [/monitor N] [/report PATH]\n\n"
        u8"/auto, /start: 바로 실행 시작, 시간에 따라 자동으로 또는 직접 넘김\n"
        u8"/cards: 선택할 카테고리, 창에 보이는 순서대로 1부터 번호(1-14)\n"
        u8"/monitor: 모니터, 모니터 목록의 순서대로 1부터 번호\n"
        u8"/report: 실행이 끝나면 묻지 않고 그곳에 보고서 저장. 경로가 .json으로 끝나면\n"
        u8"    JSON으로 저장하고, 경로의 {model}, {serial}, {date}, {time}은 실제 값으로 채움";
    t[RT_BAD_ARGUMENT] = u8"알 수 없는 인수: %s";
    t[RT_MARKS_FULL] = u8"목록이 가득 찼습니다(표시 %d개). 이 표시는 저장되지 않았습니다";
    t[RT_MARKED_AGAIN] = u8"다시 표시함: 이제 %s";
    t[RT_CLUSTERS] = u8"클러스터(5 \u00D7 5 화소 안에 2개 이상)";
    t[RT_CLUSTERS_FORMAT] = u8"항상 켜짐 또는 꺼짐 화소 %d개, 서브픽셀 고착 %d개";
    t[RT_ANY_LIT] = u8"항상 켜짐 화소를 표시함";
    t[RT_YES] = u8"예";
    t[RT_NO] = u8"아니요";
    t[RT_RESTS_ON] = u8"클래스는 위의 개수와 클러스터(표시한 위치는 각각 한 번만 셈)를 "
        u8"%d \u00D7 %d 화소 기준 백만 화소당 값으로 환산해 판정합니다. 기준: %s.";
    t[RT_TESTED_BASIS] = u8"테스트한 해상도(EDID에 기본 해상도 정보 없음)";
    t[RT_LIST_CUT] = u8"(목록은 여기까지입니다. 저장한 보고서에는 모두 들어 있습니다.)";
    t[RT_REASON_MISSING] = u8"%s 뒤에 값이 필요합니다";
    t[RT_REASON_UNKNOWN] = u8"%s은(는) 사용할 수 있는 옵션이 아닙니다";
    t[RT_REASON_TWO_STARTS] = u8"/auto와 /start 중 하나만 지정할 수 있습니다";
    t[RT_REASON_CARDS] = u8"/cards에는 1부터 %d까지의 카테고리 번호를 쉼표로 구분해 한 번만 지정합니다";
    t[RT_REASON_MONITOR] = u8"/monitor에는 1부터 %d까지의 모니터 번호 하나를 지정합니다";
    t[RT_REASON_REPORT] = u8"/report에는 1자부터 %d자까지의 경로 하나를 지정합니다";
    t[RT_CONSOLE_SAVED] = u8"%s. 보고서: %s";
    t[RT_MOTION_HEADING] = u8"움직임 화면";
    t[RT_MOTION_DROPPED] = u8"%s (%s Hz): 누락된 프레임 %s / %s";
    t[RT_MOTION_STEADY] = u8"%s (%s Hz): %s 프레임 중 누락 없음";
    t[RT_UNKNOWN] = u8"알 수 없음";
    t[RT_NOT_AT_NATIVE] = u8"이번 테스트는 모니터의 기본 해상도(%d \u00D7 %d)에서 실행되지 않았습니다. 판정은 테스트한 %d \u00D7 %d 픽셀을 기준으로 합니다.";
    t[RT_HDR_SCREENS] = u8"HDR 화면";
    t[RT_HDR_ON] = u8"HDR로 표시됨";
    t[RT_HDR_OFF] = u8"Windows에서 HDR이 꺼져 있었습니다: SDR 흰색을 넘는 부분은 모두 잘렸습니다";
    t[RT_HDR_SWITCHED] = u8"표시 중에 HDR이 켜지거나 꺼졌습니다";
    t[RT_HDR_STATE_UNKNOWN] = u8"Windows가 HDR 켜짐 여부를 알려 주지 않았습니다";
    t[RT_HDR_NOT_PRESENTED] = u8"이 컴퓨터에서는 Direct3D 11로 표시되지 않음: 표준 범위만";
    t[RT_HDR_LEVELS] = u8"SDR 흰색 %s, 공칭 피크 %s";
    t[RT_VRR_FIGURES] = u8"%s: 요청 %s\u2013%s Hz, 표시 %s\u2013%s Hz, %s 프레임";
    t[RT_VRR_UNUSABLE] = u8"이 컴퓨터에서는 VRR을 쓸 수 없었습니다";
    return t;
}

constexpr ReportTexts Italian() {
    ReportTexts t{};
    t[RT_TITLE] = u8"Rapporto di test TAVRO";
    t[RT_RESULTS_TITLE] = u8"TAVRO - Risultati";
    t[RT_SAVE_REPORT] = u8"Salva rapporto\u2026";
    t[RT_CLOSE] = u8"Chiudi";
    t[RT_CREATED] = u8"Creato il";
    t[RT_PROGRAM] = u8"Programma";
    t[RT_SYSTEM] = u8"Windows";
    t[RT_MONITOR] = u8"Monitor";
    t[RT_MANUFACTURER] = u8"Produttore";
    t[RT_MODEL] = u8"Modello";
    t[RT_SERIAL] = u8"Numero di serie";
    t[RT_MADE] = u8"Prodotto";
    t[RT_MADE_FORMAT] = u8"settimana %d del %d";
    t[RT_MODEL_YEAR] = u8"anno modello %d";
    t[RT_EDID_VERSION] = u8"Versione EDID";
    t[RT_NATIVE_MODE] = u8"Risoluzione nativa";
    t[RT_FROM_BLOCK] = u8"dal blocco %s";
    t[RT_SIZE] = u8"Dimensioni immagine";
    t[RT_SIZE_FORMAT] = u8"%d \u00D7 %d cm";
    t[RT_NO_EDID] = u8"Il monitor non fornisce EDID.";
    t[RT_MODE_TESTED] = u8"Risoluzione testata";
    t[RT_IS_NATIVE] = u8"la risoluzione nativa";
    t[RT_NOT_NATIVE] = u8"non la risoluzione nativa";
    t[RT_REFRESH] = u8"Frequenza di aggiornamento";
    t[RT_SCREENS_SEEN] = u8"Schermate viste";
    t[RT_LOOKS_RIGHT] = u8"nessuna anomalia annotata";
    t[RT_FAULT_NOTED] = u8"anomalia annotata";
    t[RT_DEFECTS] = u8"Difetti segnati";
    t[RT_NO_DEFECTS] = u8"Nessun difetto segnato.";
    t[RT_POSITION] = u8"Posizione";
    t[RT_TYPE] = u8"Tipo";
    t[RT_SCREEN] = u8"Schermata";
    t[RT_TYPE_LIT] = u8"sempre acceso";
    t[RT_TYPE_DARK] = u8"sempre spento";
    t[RT_TYPE_SUBPIXEL] = u8"sub-pixel bloccato";
    t[RT_TYPE_OTHER] = u8"anomalia";
    t[RT_MAP] = u8"Dove sono i difetti";
    t[RT_VERDICT] = u8"Esito";
    t[RT_PER_MILLION] = u8"per milione di pixel";
    t[RT_CLASS_FORMAT] = u8"Conforme a ISO 13406-2 classe %s";
    t[RT_NO_CLASS] = u8"Nessuna classe ISO 13406-2 rispettata";
    t[RT_RAW_EDID] = u8"EDID grezzo";
    t[RT_SAVE_FAILED] = u8"Impossibile salvare il rapporto in %s: %s";
    t[RT_FAULTS_NOTED] = u8"Anomalie annotate";
    t[RT_NONE] = u8"nessuna";
    t[RT_LOUPE_HINT] = u8"1 sempre acceso \u00B7 2 sempre spento \u00B7 3 sub-pixel bloccato \u00B7 frecce spostano \u00B7 Enter segna \u00B7 Esc annulla";
    t[RT_GUIDE_KEYS] = u8"M segna un difetto sotto il puntatore \u00B7 N annota un'anomalia di questa schermata";
    t[RT_NOTE_ADDED] = u8"Anomalia annotata su questa schermata";
    t[RT_NOTE_REMOVED] = u8"Nota rimossa";
    t[RT_USAGE_TITLE] = u8"TAVRO - riga di comando";
    t[RT_USAGE] = u8"tavro.exe [/auto | /start] [/cards 1,2,5] [/monitor N] [/report PATH]\n\n"
        u8"/auto, /start: avvia subito un giro, a tempo o passo passo a mano\n"
        u8"/cards: le categorie da spuntare, numerate da 1 come nella finestra (1-14)\n"
        u8"/monitor: il monitor, numerato da 1 come nell'elenco dei monitor\n"
        u8"/report: salva lì il rapporto a fine giro, senza chiedere; un percorso che finisce in .json\n"
        u8"    dà un file JSON, e {model}, {serial}, {date} e {time} al suo interno vengono sostituiti dai valori";
    t[RT_BAD_ARGUMENT] = u8"Non riconosciuto: %s";
    t[RT_MARKS_FULL] = u8"L'elenco è pieno: %d difetti segnati, quest'ultimo non è stato conservato";
    t[RT_MARKED_AGAIN] = u8"Segnato di nuovo: ora %s";
    t[RT_CLUSTERS] = u8"Cluster (due o più entro 5 \u00D7 5 pixel)";
    t[RT_CLUSTERS_FORMAT] = u8"%d di pixel sempre accesi o spenti, %d di sub-pixel bloccati";
    t[RT_ANY_LIT] = u8"Pixel sempre acceso segnato";
    t[RT_YES] = u8"sì";
    t[RT_NO] = u8"no";
    t[RT_RESTS_ON] = u8"La classe si basa su questi conteggi e cluster, contando una volta ogni posizione segnata, "
        u8"per milione dei %d \u00D7 %d pixel, prendendo come base %s.";
    t[RT_TESTED_BASIS] = u8"la risoluzione testata (l'EDID non indica una risoluzione nativa)";
    t[RT_LIST_CUT] = u8"(L'elenco si interrompe qui: il rapporto salvato lo contiene tutto.)";
    t[RT_REASON_MISSING] = u8"%s richiede un valore dopo di sé";
    t[RT_REASON_UNKNOWN] = u8"%s non è una delle opzioni";
    t[RT_REASON_TWO_STARTS] = u8"si può indicare solo una tra /auto e /start";
    t[RT_REASON_CARDS] = u8"/cards accetta numeri di categoria da 1 a %d, separati da virgole, una sola volta";
    t[RT_REASON_MONITOR] = u8"/monitor accetta un solo numero di monitor da 1 a %d";
    t[RT_REASON_REPORT] = u8"/report accetta un solo percorso da 1 a %d caratteri";
    t[RT_CONSOLE_SAVED] = u8"%s. Rapporto: %s";
    t[RT_MOTION_HEADING] = u8"Schermate di movimento";
    t[RT_MOTION_DROPPED] = u8"%s a %s Hz: %s fotogrammi persi su %s";
    t[RT_MOTION_STEADY] = u8"%s a %s Hz: nessun fotogramma perso su %s";
    t[RT_UNKNOWN] = u8"sconosciuta";
    t[RT_NOT_AT_NATIVE] = u8"Questo test non è stato eseguito alla risoluzione nativa del monitor (%d \u00D7 %d): l'esito si basa sui %d \u00D7 %d pixel testati.";
    t[RT_HDR_SCREENS] = u8"Schermate HDR";
    t[RT_HDR_ON] = u8"mostrate in HDR";
    t[RT_HDR_OFF] = u8"HDR era disattivato in Windows: tutto ciò che supera il bianco SDR è stato tagliato";
    t[RT_HDR_SWITCHED] = u8"HDR è stato attivato o disattivato mentre erano mostrate";
    t[RT_HDR_STATE_UNKNOWN] = u8"Windows non ha indicato se HDR era attivo";
    t[RT_HDR_NOT_PRESENTED] = u8"non mostrate tramite Direct3D 11 su questo computer: solo gamma standard";
    t[RT_HDR_LEVELS] = u8"bianco SDR %s, picco dichiarato %s";
    t[RT_VRR_FIGURES] = u8"%s: frequenze richieste %s\u2013%s Hz, mostrate %s\u2013%s Hz, %s fotogrammi";
    t[RT_VRR_UNUSABLE] = u8"il VRR non è stato utilizzabile su questo computer";
    return t;
}

}  // namespace

const ReportTexts g_reportTexts[kLanguageCount] = {
    English(), Chinese(), German(), French(), Spanish(), Portuguese(), Dutch(),
    Swedish(), Russian(), Polish(), Japanese(), Korean(), Italian(),
};

const ReportTexts* ReportTextsOf(int lang) {
    return &g_reportTexts[lang >= 0 && lang < kLanguageCount ? lang : 0];
}

const char* ReportText(int lang, int key) {
    if (key < 0 || key >= RT_COUNT) return "";
    const char* text = (*ReportTextsOf(lang))[key];
    if (text == nullptr || text[0] == '\0') text = g_reportTexts[0][key];
    return text != nullptr ? text : "";
}
