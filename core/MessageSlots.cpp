#include "MessageSlots.h"

#include <algorithm>

#include "CodePage.h"
#include "LanguageTables.h"

namespace zozavud {

// Columns: English, Japanese, French, German, Spanish, Italian, Chinese.
const TPrintMessage MessageSlotTable[19] = {
    {2, {{"ORVANEX", "QD-N801"}, {"ORVANEX", "QD-N801"}, {"ORVANEX", "QD-N801"},
         {"ORVANEX", "QD-N801"}, {"ORVANEX", "QD-N801"}, {"ORVANEX", "QD-N801"},
         {"ORVANEX", "QD-N801"}}},
    {1, {{"Online", ""}, {"印刷ができます", ""}, {"En ligne", ""}, {"Online", ""},
         {"En línea", ""}, {"In linea", ""}, {"联机", ""}}},
    {1, {{"Press a key", ""}, {"EXECを押して下さい", ""}, {"App. sur touche", ""},
         {"Taste drücken", ""}, {"Pulse una tecla", ""}, {"Premere un tasto", ""},
         {"按键", ""}}},
    {1, {{"Executing macro", ""}, {"ﾏｸﾛ実行中", ""}, {"Exécution macro", ""},
         {"Makroausführung", ""}, {"Ejecutando macro", ""}, {"Esecuz. Macro...", ""},
         {"执行宏中", ""}}},
    {1, {{"Data in buffer", ""}, {"ﾃﾞｰﾀ処理中", ""}, {"Données tampon", ""},
         {"Daten im Puffer", ""}, {"Datos en búfer", ""}, {"Dati nel buffer", ""},
         {"数据在缓冲区中", ""}}},
    {2, {{"Paper end", "Please replace paper roll."}, {"用紙切れ", "用紙を入れて下さい"},
         {"Pas de papier", "Veuillez remplacer le papier."},
         {"Papier beendet.", "Bitte Papierrolle ersetzen"},
         {"Fin papel", "Sustituir rollo papel."}, {"Carta finita", "Sostituire rullo carta."},
         {"纸张结束", "请更换纸辊"}}},
    {2, {{"Front cover open", "Please close front cover."},
         {"ﾌﾛﾝﾄｶﾊﾞｰｵｰﾌﾟﾝ", "前面のｶﾊﾞｰを閉じて下さい"},
         {"Capot avant ouv.", "Veuillez fermer capot avant."},
         {"Vord. Abd. offen", "Bitte vordere Abdn schlieáen"},
         {"Tapa front. abre", "Cerrar tapa frontal"},
         {"Apert.coper.ant.", "Chiudere coperchio anteriore."}, {"前盖打开", "请关闭前盖"}}},
    {2, {{"Paper cover open", "Please close paper cover."},
         {"ﾍﾟｰﾊﾟｰｶﾊﾞｰｵｰﾌﾟﾝ", "用紙のｶﾊﾞｰを閉じて下さい"},
         {"Capot pap. ouv.", "Veuillez fermer capot papier."},
         {"Papierabd. offen", "Bitte Papierabdeckung schlieáen"},
         {"Tapa papel abre", "Cerrar cubierta papel"},
         {"Cop.carta aperto", "Chiudere coperchio carta."}, {"纸盖打开", "请关闭纸盖"}}},
    {2, {{"Paper cover open", "Please close paper cover."},
         {"ﾍﾟｰﾊﾟｰｶﾊﾞｰｵｰﾌﾟﾝ", "用紙のｶﾊﾞｰを閉じて下さい"},
         {"Capot pap. ouv.", "Veuillez fermer capot papier."},
         {"Papierabd. offen", "Bitte Papierabdeckung schlieáen"},
         {"Tapa papel abre", "Cerrar cubierta papel"},
         {"Cop.carta aperto", "Chiudere coperchio carta."}, {"纸盖打开", "请关闭纸盖"}}},
    {2, {{"Cutter lock", "Open paper cover & remove jam."},
         {"ｶｯﾀｰｴﾗｰ", "ｶﾊﾞｰを開けて紙詰まりを除いて下さい"},
         {"Coupoir verr.", "Ouvrez capot, retirez bourrage."},
         {"Cuttersperre", "Papierabd. öffnen & Stau entf."},
         {"Bloqueo cuchilla", "Abrir tapa y quitar atasco"},
         {"Blocco taglier.", "Aprire cop. carta/Elim. incepp."},
         {"切纸器锁", "打开纸盖并取出塞纸"}}},
    {2, {{"Black Mark Error", "Please check the paper."},
         {"ﾌﾞﾗｯｸﾏｰｸ検出ｴﾗｰ", "用紙を確認して下さい"},
         {"Err. marq. noire", "Vérifier paper"}, {"Schwarzmarkfehl.", "Papier Prüfen"},
         {"Error marcanegra", "Controlar papel"}, {"Err. segno nero", "Controll. carta."},
         {"黑色标记错误", "请检查纸"}}},
    {2, {{"Head overheat", "Please wait, will continue"},
         {"印字ﾍｯﾄﾞ高温", "しばらくお待ち下さい"},
         {"Surchauffe tête", "Veuillez patienter, en progrès."},
         {"Kopf überhitzt", "Bitte warten, wird fortgesetzt"},
         {"Cabezal recal.", "Espere, continuará."},
         {"Surrisc. testina", "Attendere, continua..."}, {"打印头过热", "请稍候、继续"}}},
    {1, {{"Memory Error", ""}, {"ﾒﾓﾘｴﾗｰ", ""}, {"Erreur mémoire", ""},
         {"Speicherfehler", ""}, {"Error memoria", ""}, {"Errore memoria", ""},
         {"内存错误", ""}}},
    {2, {{"Head Error", "Please contact your dealer"},
         {"印字ﾍｯﾄﾞｵｰﾊﾞｰﾋｰﾄ", "ﾌﾟﾘﾝﾀの電源を切って下さい"},
         {"Erreur tête", "Veuillez contacter revendeur."},
         {"Kopffehler", "Bitte Händler informieren"},
         {"Error cabezal", "Contactar distribuidor"},
         {"Errore testina", "Contattare rivenditore."}, {"打印头错误", "关闭打印机电源"}}},
    {2, {{"Motor Error", "Please contact your dealer"},
         {"ﾓｰﾀｰ ｵｰﾊﾞｰﾋｰﾄ", "ﾌﾟﾘﾝﾀの電源を切って下さい"},
         {"Erreur de moteur", "Veuillez contacter revendeur."},
         {"Motorfehler", "Bitte Händler informieren"},
         {"Error de motor", "Contactar distribuidor"},
         {"Err. apparecchio", "Contattare rivenditore."}, {"电机错误", "关闭打印机电源"}}},
    {2, {{"L Voltage Error", "Please contact your dealer"},
         {"低電圧ｴﾗｰ", "ﾌﾟﾘﾝﾀの電源を切って下さい"},
         {"Err. bas. tens.", "Veuillez contacter revendeur."},
         {"N-Spannungsfehl.", "Bitte Händler informieren"},
         {"Error B voltaje", "Contactar distribuidor"},
         {"Err. tensione L", "Contattare rivenditore."}, {"低电压错误", "关闭打印机电源"}}},
    {2, {{"H Voltage Error", "Please contact your dealer"},
         {"高電圧ｴﾗｰ", "ﾌﾟﾘﾝﾀの電源を切って下さい"},
         {"Err. haute tens.", "Veuillez contacter revendeur."},
         {"H-Spannungsfehl.", "Bitte Händler informieren"},
         {"Error A voltaje", "Contactar distribuidor"},
         {"Err. tensione H", "Contattare rivenditore."}, {"高电压错误", "关闭打印机电源"}}},
    {2, {{"Drawer Error", "Please contact your dealer"},
         {"ﾄﾞﾛﾜｰ電圧ｴﾗｰ", "ﾌﾟﾘﾝﾀの電源を切って下さい"},
         {"Erreur plateau", "Veuillez contacter revendeur."},
         {"Einschubfehler", "Bitte Händler informieren"},
         {"Error bandeja", "Contactar distribuidor"},
         {"Errore cassetto", "Contattare rivenditore."}, {"抽屉错误", "关闭打印机电源"}}},
    {2, {{"System Error", "Please contact your dealer"},
         {"ｼｽﾃﾑｴﾗｰ", "ﾌﾟﾘﾝﾀの電源を切って下さい"},
         {"System Error", "Veuillez contacter revendeur."},
         {"System Error", "Bitte Händler informieren"},
         {"System Error", "Contactar distribuidor"},
         {"System Error", "Contattare rivenditore."}, {"系统错误", "关闭打印机电源"}}},
};

namespace {

const TPrintMessage& Slot(int slot) { return MessageSlotTable[std::clamp(slot, 1, 19) - 1]; }

}  // namespace

int SlotLineCount(int slot) { return Slot(slot).LineCount; }

QString DefaultText(int slot, MessageLanguage language, int line) {
    const int lang = std::clamp(static_cast<int>(language), 0, LanguageCount - 1);
    return QString::fromUtf8(Slot(slot).Texts[lang][line == 2 ? 1 : 0]);
}

QByteArray DefaultTextBytes(int slot, MessageLanguage language, int line) {
    return EncodeText(DefaultText(slot, language, line), LanguageCharset(language), 1 << 16);
}

}  // namespace zozavud
