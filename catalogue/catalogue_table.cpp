#include "catalogue_table.h"

#include <map>

namespace {

constexpr bool Closes = true;
constexpr bool KeepsSet = false;
constexpr bool Marks = true;
constexpr bool NoMarks = false;

MenuItem entry(std::string name, std::string caption, std::string file) {
    MenuItem m;
    m.kind = MenuKind::Entry;
    m.handler = name + "Click";
    m.name = std::move(name);
    m.caption = std::move(caption);
    m.file = std::move(file);
    return m;
}

MenuItem closingFirst(MenuItem m) {
    m.closesFirst = true;
    return m;
}

MenuItem group(std::string name, std::string caption, std::string opening,
               std::optional<std::string> prefix, bool closes, bool marks,
               std::vector<MenuItem> children) {
    MenuItem m;
    m.kind = MenuKind::Group;
    m.handler = name + "Click";
    m.name = std::move(name);
    m.caption = std::move(caption);
    m.openingCaption = std::move(opening);
    m.entryPrefix = std::move(prefix);
    m.closesSet = closes;
    m.readsMarks = marks;
    m.children = std::move(children);
    return m;
}

MenuItem withPicture(MenuItem m) {
    m.picture = true;
    return m;
}

MenuItem separator(std::string name) {
    MenuItem m;
    m.kind = MenuKind::Separator;
    m.name = std::move(name);
    m.caption = "-";
    return m;
}

MenuItem command(std::string name, std::string caption, std::string handler) {
    MenuItem m;
    m.kind = MenuKind::Command;
    m.name = std::move(name);
    m.caption = std::move(caption);
    m.handler = std::move(handler);
    return m;
}

MenuItem menu(std::string name, std::string caption, std::vector<MenuItem> children) {
    MenuItem m;
    m.kind = MenuKind::Menu;
    m.name = std::move(name);
    m.caption = std::move(caption);
    m.children = std::move(children);
    return m;
}

std::vector<MenuItem> buildMenuBar() {
    // clang-format off
    return {
        group("K11", "&1. 中１英文法", "ぽとらん for TOEIC   中１英文法", "ぽとらん for TOEIC   中１英文法  ", Closes, Marks,
              {
                  closingFirst(entry("K21", "様々な疑問文(1年）", "jhgram\\Tango01.txt")),
                  entry("K12", "様々な否定文(1年）", "jhgram\\tango02.txt"),
                  entry("K13", "疑問文と否定文(1年）", "jhgram\\tango03.txt"),
                  entry("K1", "基本問題集（１）", "jhgram\\tango04.txt"),
                  entry("K2", "基本問題集（２）", "jhgram\\tango05.txt"),
                  entry("K3", "基本問題集（３）", "jhgram\\tango06.txt"),
                  entry("K4", "基本問題集（４）", "jhgram\\tango07.txt"),
                  entry("K5", "基本問題集（５）", "jhgram\\tango08.txt"),
              }),
        group("K22", "&2. 中２英文法", "ぽとらん for TOEIC   中２英文法", "ぽとらん for TOEIC   中２英文法  ", Closes, Marks,
              {
                  entry("K23", "過去形の文(2年）", "jhgram\\tango11.txt"),
                  entry("K24", "様々な疑問文(2年）", "jhgram\\tango12.txt"),
                  entry("K6", "受動態の文", "jhgram\\tango13.txt"),
                  entry("K7", "重要な連語（１）", "jhgram\\tango14.txt"),
                  entry("K8", "重要な連語（２）", "jhgram\\tango15.txt"),
                  entry("K9", "基本問題集（１）", "jhgram\\tango16.txt"),
                  entry("K10", "基本問題集（２）", "jhgram\\tango17.txt"),
                  entry("K14", "基本問題集（３）", "jhgram\\tango18.txt"),
              }),
        group("K31", "&3. 中３英文法", "ぽとらん for TOEIC   中３英文法", "ぽとらん for TOEIC   中３英文法  ", Closes, Marks,
              {
                  entry("K15", "重要な連語集", "jhgram\\tango21.txt"),
                  entry("K16", "現在完了形", "jhgram\\tango22.txt"),
                  entry("K17", "文の書き換え", "jhgram\\tango23.txt"),
                  entry("K18", "重要な英文（１）", "jhgram\\tango24.txt"),
                  entry("K19", "重要な英文（２）", "jhgram\\tango25.txt"),
                  entry("K20", "重要な英文（３）", "jhgram\\tango26.txt"),
              }),
        group("K25", "&4. 高校入試対策", "ぽとらん for TOEIC   高校入試対策", "ぽとらん for TOEIC   高校入試対策  ", Closes, Marks,
              {
                  entry("K26", "文の書き換え（１）", "highexam\\tango33.txt"),
                  entry("K27", "文の書き換え（２）", "highexam\\tango34.txt"),
                  entry("K28", "文の書き換え（３）", "highexam\\tango35.txt"),
                  entry("K29", "文の書き換え（４）", "highexam\\tango36.txt"),
                  separator("N2"),
                  entry("K30", "大学入試問題集（１）", "highexam\\tango31.txt"),
                  entry("K32", "大学入試問題集（２）", "highexam\\tango32.txt"),
              }),
        group("N4", "&5. 速攻ｾﾞﾐﾅｰﾙ", "ぽとらん for TOEIC   速攻ｾﾞﾐﾅｰﾙ", std::nullopt, Closes, NoMarks,
              {
                  group("N5", "速攻ｾﾞﾐ第１集", "ぽとらん for TOEIC   速攻ｾﾞﾐ第1集", "ぽとらん for TOEIC   速攻ｾﾞﾐ第1集  ", Closes, Marks,
                        {
                            entry("N11", "重要ｲﾃﾞｨｵﾑ（１）", "semi\\tango51.txt"),
                            entry("N7", "重要ｲﾃﾞｨｵﾑ（２）", "semi\\tango52.txt"),
                            entry("N8", "重要ｲﾃﾞｨｵﾑ（３）", "semi\\tango53.txt"),
                            entry("N9", "重要ｲﾃﾞｨｵﾑ（４）", "semi\\tango54.txt"),
                            entry("N10", "重要ｲﾃﾞｨｵﾑ（５）", "semi\\tango55.txt"),
                            entry("N12", "重要ｲﾃﾞｨｵﾑ（６）", "semi\\tango56.txt"),
                            entry("N13", "重要ｲﾃﾞｨｵﾑ（７）", "semi\\tango57.txt"),
                            entry("N14", "重要ｲﾃﾞｨｵﾑ（８）", "semi\\tango58.txt"),
                            entry("N15", "重要ｲﾃﾞｨｵﾑ（９）", "semi\\tango59.txt"),
                        }),
                  group("N6", "速攻ｾﾞﾐ第２集", "ぽとらん for TOEIC   速攻ｾﾞﾐ第2集", "ぽとらん for TOEIC   速攻ｾﾞﾐ第2集  ", Closes, Marks,
                        {
                            entry("N16", "重要ｲﾃﾞｨｵﾑ（１）", "semi\\tango60.txt"),
                            entry("N17", "重要ｲﾃﾞｨｵﾑ（２）", "semi\\tango61.txt"),
                            entry("N18", "重要ｲﾃﾞｨｵﾑ（３）", "semi\\tango62.txt"),
                            entry("N19", "重要ｲﾃﾞｨｵﾑ（４）", "semi\\tango63.txt"),
                            entry("N20", "重要ｲﾃﾞｨｵﾑ（５）", "semi\\tango64.txt"),
                            entry("N21", "重要ｲﾃﾞｨｵﾑ（６）", "semi\\tango65.txt"),
                            entry("N22", "重要ｲﾃﾞｨｵﾑ（７）", "semi\\tango66.txt"),
                            entry("N23", "重要ｲﾃﾞｨｵﾑ（８）", "semi\\tango67.txt"),
                            entry("N24", "重要ｲﾃﾞｨｵﾑ（９）", "semi\\tango68.txt"),
                            entry("N25", "重要ｲﾃﾞｨｵﾑ（１０）", "semi\\tango69.txt"),
                            entry("N26", "重要ｲﾃﾞｨｵﾑ（１１）", "semi\\tango70.txt"),
                            entry("N27", "重要ｲﾃﾞｨｵﾑ（１２）", "semi\\tango71.txt"),
                            entry("N28", "重要ｲﾃﾞｨｵﾑ（１３）", "semi\\tango72.txt"),
                            entry("N29", "重要ｲﾃﾞｨｵﾑ（１４）", "semi\\tango73.txt"),
                            entry("N30", "重要ｲﾃﾞｨｵﾑ（１５）", "semi\\tango74.txt"),
                        }),
              }),
        withPicture(group("N6TOEC1", "&6. TOEIC英単語", "ぽとらん for TOEIC   TOEIC英単語", std::nullopt, Closes, NoMarks,
              {
                  group("TOEIC70011", "TOEIC700点(1)", "ぽとらん for TOEIC   TOEIC700点(1)", "ぽとらん for TOEIC   ", Closes, Marks,
                        {
                            entry("TOEIC70012", "TOEIC700点英単語(1)", "TOEIC700\\TOEIC700_001.txt"),
                            entry("TOEIC70013", "TOEIC700点英単語(2)", "TOEIC700\\TOEIC700_002.txt"),
                            entry("TOEIC70014", "TOEIC700点英単語(3)", "TOEIC700\\TOEIC700_003.txt"),
                            entry("TOEIC70015", "TOEIC700点英単語(4)", "TOEIC700\\TOEIC700_004.txt"),
                            entry("TOEIC70016", "TOEIC700点英単語(5)", "TOEIC700\\TOEIC700_005.txt"),
                            entry("TOEIC70017", "TOEIC700点英単語(6)", "TOEIC700\\TOEIC700_006.txt"),
                            entry("TOEIC70018", "TOEIC700点英単語(7)", "TOEIC700\\TOEIC700_007.txt"),
                            entry("TOEIC70019", "TOEIC700点英単語(8)", "TOEIC700\\TOEIC700_008.txt"),
                            entry("TOEIC700110", "TOEIC700点英単語(9)", "TOEIC700\\TOEIC700_009.txt"),
                            entry("TOEIC700111", "TOEIC700点英単語(10)", "TOEIC700\\TOEIC700_010.txt"),
                            entry("TOEIC700112", "TOEIC700点英単語(11)", "TOEIC700\\TOEIC700_011.txt"),
                            entry("TOEIC700113", "TOEIC700点英単語(12)", "TOEIC700\\TOEIC700_012.txt"),
                            entry("TOEIC700114", "TOEIC700点英単語(13)", "TOEIC700\\TOEIC700_013.txt"),
                            entry("TOEIC700115", "TOEIC700点英単語(14)", "TOEIC700\\TOEIC700_014.txt"),
                            entry("TOEIC700116", "TOEIC700点英単語(15)", "TOEIC700\\TOEIC700_015.txt"),
                        }),
                  group("TOEIC70021", "TOEIC700点(2)", "ぽとらん for TOEIC   TOEIC700点(2)", "ぽとらん for TOEIC   ", Closes, Marks,
                        {
                            entry("TOEIC700161", "TOEIC700点英単語(16)", "TOEIC700\\TOEIC700_016.txt"),
                            entry("TOEIC700171", "TOEIC700点英単語(17)", "TOEIC700\\TOEIC700_017.txt"),
                            entry("TOEIC700181", "TOEIC700点英単語(18)", "TOEIC700\\TOEIC700_018.txt"),
                            entry("TOEIC700191", "TOEIC700点英単語(19)", "TOEIC700\\TOEIC700_019.txt"),
                            entry("TOEIC700201", "TOEIC700点英単語(20)", "TOEIC700\\TOEIC700_020.txt"),
                            entry("TOEIC700211", "TOEIC700点英単語(21)", "TOEIC700\\TOEIC700_021.txt"),
                            entry("TOEIC700221", "TOEIC700点英単語(22)", "TOEIC700\\TOEIC700_022.txt"),
                            entry("TOEIC700222", "TOEIC700点英単語(23)", "TOEIC700\\TOEIC700_023.txt"),
                            entry("TOEIC700241", "TOEIC700点英単語(24)", "TOEIC700\\TOEIC700_024.txt"),
                            entry("TOEIC700251", "TOEIC700点英単語(25)", "TOEIC700\\TOEIC700_025.txt"),
                            entry("TOEIC700261", "TOEIC700点英単語(26)", "TOEIC700\\TOEIC700_026.txt"),
                            entry("TOEIC700271", "TOEIC700点英単語(27)", "TOEIC700\\TOEIC700_027.txt"),
                            entry("TOEIC700281", "TOEIC700点英単語(28)", "TOEIC700\\TOEIC700_028.txt"),
                            entry("TOEIC700291", "TOEIC700点英単語(29)", "TOEIC700\\TOEIC700_029.txt"),
                            entry("TOEIC700301", "TOEIC700点英単語(30)", "TOEIC700\\TOEIC700_030.txt"),
                        }),
                  separator("N31"),
                  group("TOEIC55011", "TOEIC550点(1)", "ぽとらん for TOEIC   TOEIC550点(1)", "ぽとらん for TOEIC   ", Closes, Marks,
                        {
                            entry("TOEIC5501", "TOEIC550点英単語(1)", "TOEIC550\\TOEIC550_01.txt"),
                            entry("TOEIC55012", "TOEIC550点英単語(2)", "TOEIC550\\TOEIC550_02.txt"),
                            entry("TOEIC55013", "TOEIC550点英単語(3)", "TOEIC550\\TOEIC550_03.txt"),
                            entry("TOEIC55014", "TOEIC550点英単語(4)", "TOEIC550\\TOEIC550_04.txt"),
                            entry("TOEIC55015", "TOEIC550点英単語(5)", "TOEIC550\\TOEIC550_05.txt"),
                            entry("TOEIC55016", "TOEIC550点英単語(6)", "TOEIC550\\TOEIC550_06.txt"),
                            entry("TOEIC55017", "TOEIC550点英単語(7)", "TOEIC550\\TOEIC550_07.txt"),
                            entry("TOEIC55018", "TOEIC550点英単語(8)", "TOEIC550\\TOEIC550_08.txt"),
                            entry("TOEIC55019", "TOEIC550点英単語(9)", "TOEIC550\\TOEIC550_09.txt"),
                            entry("TOEIC550110", "TOEIC550点英単語(10)", "TOEIC550\\TOEIC550_10.txt"),
                            entry("TOEIC550111", "TOEIC550点英単語(11)", "TOEIC550\\TOEIC550_11.txt"),
                            entry("TOEIC550112", "TOEIC550点英単語(12)", "TOEIC550\\TOEIC550_12.txt"),
                            entry("TOEIC550113", "TOEIC550点英単語(13)", "TOEIC550\\TOEIC550_13.txt"),
                            entry("TOEIC550114", "TOEIC550点英単語(14)", "TOEIC550\\TOEIC550_14.txt"),
                            entry("TOEIC550115", "TOEIC550点英単語(15)", "TOEIC550\\TOEIC550_15.txt"),
                            entry("TOEIC550116", "TOEIC550点英単語(16)", "TOEIC550\\TOEIC550_16.txt"),
                            entry("TOEIC550117", "TOEIC550点英単語(17)", "TOEIC550\\TOEIC550_17.txt"),
                            entry("TOEIC550118", "TOEIC550点英単語(18)", "TOEIC550\\TOEIC550_18.txt"),
                            entry("TOEIC550119", "TOEIC550点英単語(19)", "TOEIC550\\TOEIC550_19.txt"),
                            entry("TOEIC550120", "TOEIC550点英単語(20)", "TOEIC550\\TOEIC550_20.txt"),
                        }),
                  group("TOEIC55031", "TOEIC550点(2)", "ぽとらん for TOEIC   TOEIC550点(2)", "ぽとらん for TOEIC   ", Closes, Marks,
                        {
                            entry("TOEIC550211", "TOEIC550点英単語(21)", "TOEIC550\\TOEIC550_21.txt"),
                            entry("TOEIC550221", "TOEIC550点英単語(22)", "TOEIC550\\TOEIC550_22.txt"),
                            entry("TOEIC550231", "TOEIC550点英単語(23)", "TOEIC550\\TOEIC550_23.txt"),
                            entry("TOEIC550241", "TOEIC550点英単語(24)", "TOEIC550\\TOEIC550_24.txt"),
                            entry("TOEIC550251", "TOEIC550点英単語(25)", "TOEIC550\\TOEIC550_25.txt"),
                            entry("TOEIC550261", "TOEIC550点英単語(26)", "TOEIC550\\TOEIC550_26.txt"),
                            entry("TOEIC550271", "TOEIC550点英単語(27)", "TOEIC550\\TOEIC550_27.txt"),
                            entry("TOEIC550281", "TOEIC550点英単語(28)", "TOEIC550\\TOEIC550_28.txt"),
                            entry("TOEIC550291", "TOEIC550点英単語(29)", "TOEIC550\\TOEIC550_29.txt"),
                            entry("TOEIC550301", "TOEIC550点英単語(30)", "TOEIC550\\TOEIC550_30.txt"),
                            entry("TOEIC550311", "TOEIC550点英単語(31)", "TOEIC550\\TOEIC550_31.txt"),
                            entry("TOEIC550321", "TOEIC550点英単語(32)", "TOEIC550\\TOEIC550_32.txt"),
                            entry("TOEIC550331", "TOEIC550点英単語(33)", "TOEIC550\\TOEIC550_33.txt"),
                            entry("TOEIC550341", "TOEIC550点英単語(34)", "TOEIC550\\TOEIC550_34.txt"),
                            entry("TOEIC550351", "TOEIC550点英単語(35)", "TOEIC550\\TOEIC550_35.txt"),
                            entry("TOEIC550361", "TOEIC550点英単語(36)", "TOEIC550\\TOEIC550_36.txt"),
                            entry("TOEIC550371", "TOEIC550点英単語(37)", "TOEIC550\\TOEIC550_37.txt"),
                            entry("TOEIC550381", "TOEIC550点英単語(38)", "TOEIC550\\TOEIC550_38.txt"),
                            entry("TOEIC550391", "TOEIC550点英単語(39)", "TOEIC550\\TOEIC550_39.txt"),
                            entry("TOEIC550401", "TOEIC550点英単語(40)", "TOEIC550\\TOEIC550_40.txt"),
                        }),
                  group("TOEIC55032", "TOEIC550点(3)", "ぽとらん for TOEIC   TOEIC550点(3)", "ぽとらん for TOEIC   ", Closes, Marks,
                        {
                            entry("TOEIC550212", "TOEIC550点英単語(41)", "TOEIC550\\TOEIC550_41.txt"),
                            entry("TOEIC550213", "TOEIC550点英単語(42)", "TOEIC550\\TOEIC550_42.txt"),
                            entry("TOEIC550214", "TOEIC550点英単語(43)", "TOEIC550\\TOEIC550_43.txt"),
                            entry("TOEIC550215", "TOEIC550点英単語(44)", "TOEIC550\\TOEIC550_44.txt"),
                            entry("TOEIC550216", "TOEIC550点英単語(45)", "TOEIC550\\TOEIC550_45.txt"),
                            entry("TOEIC550217", "TOEIC550点英単語(46)", "TOEIC550\\TOEIC550_46.txt"),
                            entry("TOEIC550218", "TOEIC550点英単語(47)", "TOEIC550\\TOEIC550_47.txt"),
                            entry("TOEIC550219", "TOEIC550点英単語(48)", "TOEIC550\\TOEIC550_48.txt"),
                            entry("TOEIC5502110", "TOEIC550点英単語(49)", "TOEIC550\\TOEIC550_49.txt"),
                            entry("TOEIC5502111", "TOEIC550点英単語(50)", "TOEIC550\\TOEIC550_50.txt"),
                            entry("TOEIC5502112", "TOEIC550点英単語(51)", "TOEIC550\\TOEIC550_51.txt"),
                            entry("TOEIC5502113", "TOEIC550点英単語(52)", "TOEIC550\\TOEIC550_52.txt"),
                            entry("TOEIC5502114", "TOEIC550点英単語(53)", "TOEIC550\\TOEIC550_53.txt"),
                            entry("TOEIC5502115", "TOEIC550点英単語(54)", "TOEIC550\\TOEIC550_54.txt"),
                            entry("TOEIC5502116", "TOEIC550点英単語(55)", "TOEIC550\\TOEIC550_55.txt"),
                            entry("TOEIC5502117", "TOEIC550点英単語(56)", "TOEIC550\\TOEIC550_56.txt"),
                            entry("TOEIC5502118", "TOEIC550点英単語(57)", "TOEIC550\\TOEIC550_57.txt"),
                            entry("TOEIC5502119", "TOEIC550点英単語(58)", "TOEIC550\\TOEIC550_58.txt"),
                            entry("TOEIC5502120", "TOEIC550点英単語(59)", "TOEIC550\\TOEIC550_59.txt"),
                            entry("TOEIC5502121", "TOEIC550点英単語(60)", "TOEIC550\\TOEIC550_60.txt"),
                        }),
                  group("TOEIC55041", "TOEIC550点(4)", "ぽとらん for TOEIC   TOEIC550点(4)", "ぽとらん for TOEIC   ", Closes, Marks,
                        {
                            entry("TOEIC5502122", "TOEIC550点英単語(61)", "TOEIC550\\TOEIC550_61.txt"),
                            entry("TOEIC5502123", "TOEIC550点英単語(62)", "TOEIC550\\TOEIC550_62.txt"),
                            entry("TOEIC5502124", "TOEIC550点英単語(63)", "TOEIC550\\TOEIC550_63.txt"),
                            entry("TOEIC5502125", "TOEIC550点英単語(64)", "TOEIC550\\TOEIC550_64.txt"),
                            entry("TOEIC5502126", "TOEIC550点英単語(65)", "TOEIC550\\TOEIC550_65.txt"),
                            entry("TOEIC5502127", "TOEIC550点英単語(66)", "TOEIC550\\TOEIC550_66.txt"),
                            entry("TOEIC5502128", "TOEIC550点英単語(67)", "TOEIC550\\TOEIC550_67.txt"),
                            entry("TOEIC5502129", "TOEIC550点英単語(68)", "TOEIC550\\TOEIC550_68.txt"),
                            entry("TOEIC5502130", "TOEIC550点英単語(69)", "TOEIC550\\TOEIC550_69.txt"),
                            entry("TOEIC5502131", "TOEIC550点英単語(70)", "TOEIC550\\TOEIC550_70.txt"),
                            entry("TOEIC5502132", "TOEIC550点英単語(71)", "TOEIC550\\TOEIC550_71.txt"),
                            entry("TOEIC5502133", "TOEIC550点英単語(72)", "TOEIC550\\TOEIC550_72.txt"),
                            entry("TOEIC5502134", "TOEIC550点英単語(73)", "TOEIC550\\TOEIC550_73.txt"),
                            entry("TOEIC5502135", "TOEIC550点英単語(74)", "TOEIC550\\TOEIC550_74.txt"),
                            entry("TOEIC5502136", "TOEIC550点英単語(75)", "TOEIC550\\TOEIC550_75.txt"),
                            entry("TOEIC5502137", "TOEIC550点英単語(76)", "TOEIC550\\TOEIC550_76.txt"),
                            entry("TOEIC5502138", "TOEIC550点英単語(77)", "TOEIC550\\TOEIC550_77.txt"),
                            entry("TOEIC5502139", "TOEIC550点英単語(78)", "TOEIC550\\TOEIC550_78.txt"),
                            entry("TOEIC5502140", "TOEIC550点英単語(79)", "TOEIC550\\TOEIC550_79.txt"),
                            entry("TOEIC5502141", "TOEIC550点英単語(80)", "TOEIC550\\TOEIC550_80.txt"),
                        }),
                  group("TOEIC55051", "TOEIC550点(5)", "ぽとらん for TOEIC   TOEIC550点(5)", "ぽとらん for TOEIC   ", Closes, Marks,
                        {
                            entry("TOEIC5502142", "TOEIC550点英単語(81)", "TOEIC550\\TOEIC550_81.txt"),
                            entry("TOEIC5502143", "TOEIC550点英単語(82)", "TOEIC550\\TOEIC550_82.txt"),
                            entry("TOEIC5502144", "TOEIC550点英単語(83)", "TOEIC550\\TOEIC550_83.txt"),
                            entry("TOEIC5502145", "TOEIC550点英単語(84)", "TOEIC550\\TOEIC550_84.txt"),
                            entry("TOEIC5502146", "TOEIC550点英単語(85)", "TOEIC550\\TOEIC550_85.txt"),
                            entry("TOEIC5502147", "TOEIC550点英単語(86)", "TOEIC550\\TOEIC550_86.txt"),
                            entry("TOEIC5502148", "TOEIC550点英単語(87)", "TOEIC550\\TOEIC550_87.txt"),
                            entry("TOEIC5502149", "TOEIC550点英単語(88)", "TOEIC550\\TOEIC550_88.txt"),
                            entry("TOEIC5502150", "TOEIC550点英単語(89)", "TOEIC550\\TOEIC550_89.txt"),
                            entry("TOEIC5502151", "TOEIC550点英単語(90)", "TOEIC550\\TOEIC550_90.txt"),
                            entry("TOEIC5502152", "TOEIC550点英単語(91)", "TOEIC550\\TOEIC550_91.txt"),
                            entry("TOEIC5502153", "TOEIC550点英単語(92)", "TOEIC550\\TOEIC550_92.txt"),
                            entry("TOEIC5502154", "TOEIC550点英単語(93)", "TOEIC550\\TOEIC550_93.txt"),
                            entry("TOEIC5502155", "TOEIC550点英単語(94)", "TOEIC550\\TOEIC550_94.txt"),
                            entry("TOEIC5502156", "TOEIC550点英単語(95)", "TOEIC550\\TOEIC550_95.txt"),
                            entry("TOEIC5502157", "TOEIC550点英単語(96)", "TOEIC550\\TOEIC550_96.txt"),
                            entry("TOEIC5502158", "TOEIC550点英単語(97)", "TOEIC550\\TOEIC550_97.txt"),
                        }),
              })),
        group("K45", "&7. 中学英単語", "ぽとらん for TOEIC   英単語", std::nullopt, Closes, NoMarks,
              {
                  group("K110", "中学1年生", "ぽとらん for TOEIC   英単語 中学1年生", "ぽとらん for TOEIC   英単語 中学1年生  ", KeepsSet, Marks,
                        {
                            entry("K111", "中学1年（１）", "jhword\\tang101.txt"),
                            entry("K212", "中学1年（２）", "jhword\\tang102.txt"),
                            entry("K112", "中学1年（３）", "jhword\\tang103.txt"),
                            entry("K113", "中学1年（４）", "jhword\\tang104.txt"),
                            entry("K114", "中学1年（５）", "jhword\\tang105.txt"),
                            entry("K115", "中学1年（６）", "jhword\\tang106.txt"),
                            entry("K116", "中学1年（７）", "jhword\\tang107.txt"),
                            entry("K117", "中学1年（８）", "jhword\\tang108.txt"),
                            entry("K118", "中学1年（９）", "jhword\\tang109.txt"),
                            entry("K119", "中学1年（１０）", "jhword\\tang110.txt"),
                        }),
                  group("K211", "中学2年生", "ぽとらん for TOEIC   英単語 中学2年生", "ぽとらん for TOEIC   英単語 中学2年生  ", KeepsSet, Marks,
                        {
                            entry("K213", "中学2年（１）", "jhword\\tang111.txt"),
                            entry("K214", "中学2年（２）", "jhword\\tang112.txt"),
                            entry("K215", "中学2年（３）", "jhword\\tang113.txt"),
                            entry("K216", "中学2年（４）", "jhword\\tang114.txt"),
                            entry("K217", "中学2年（５）", "jhword\\tang115.txt"),
                            entry("K218", "中学2年（６）", "jhword\\tang116.txt"),
                            entry("K59", "中学2年（７）", "jhword\\tang117.txt"),
                            entry("K219", "中学2年（８）", "jhword\\tang118.txt"),
                            entry("K220", "中学2年（９）", "jhword\\tang119.txt"),
                            entry("K221", "中学2年（１０）", "jhword\\tang120.txt"),
                        }),
                  group("K310", "中学3年生", "ぽとらん for TOEIC   英単語 中学3年生", "ぽとらん for TOEIC   英単語 中学3年生  ", KeepsSet, Marks,
                        {
                            entry("K311", "中学3年（１）", "jhword\\tang121.txt"),
                            entry("K312", "中学3年（２）", "jhword\\tang122.txt"),
                            entry("K313", "中学3年（３）", "jhword\\tang123.txt"),
                            entry("K314", "中学3年（４）", "jhword\\tang124.txt"),
                            entry("K315", "中学3年（５）", "jhword\\tang125.txt"),
                        }),
              }),
        command("N1", "&8. ﾕｰｻﾞｰﾌｧｲﾙ", "YomikomiClick"),
        menu("Help1", "ﾍﾙﾌﾟ(&H)",
             {
                 command("K60", "このｿﾌﾄについて(&R)", "K60Click"),
                 separator("N3"),
                 command("About1", "ﾊﾞｰｼﾞｮﾝ情報(&A)...", "About1Click"),
             }),
    };
    // clang-format on
}

struct Index {
    std::map<std::string, MenuRef> byHandler;
    std::map<std::string, MenuRef> byName;
    std::vector<MenuRef> entries;
    std::vector<const MenuItem*> entryGroups;
};

void indexItems(Index& index, const std::vector<MenuItem>& items, const MenuItem* parent) {
    for (const MenuItem& item : items) {
        MenuRef ref{&item, item.kind == MenuKind::Entry ? parent : nullptr};
        if (!item.handler.empty()) {
            index.byHandler.emplace(item.handler, ref);
        }
        index.byName.emplace(item.name, ref);
        if (item.kind == MenuKind::Entry) {
            index.entries.push_back(ref);
        }
        if (item.kind == MenuKind::Group && item.children.front().kind == MenuKind::Entry) {
            index.entryGroups.push_back(&item);
        }
        indexItems(index, item.children, &item);
    }
}

const Index& index() {
    static const Index built = [] {
        Index i;
        indexItems(i, menuBar(), nullptr);
        return i;
    }();
    return built;
}

MenuRef lookup(const std::map<std::string, MenuRef>& map, const std::string& key) {
    auto it = map.find(key);
    return it == map.end() ? MenuRef{} : it->second;
}

} // namespace

const std::vector<MenuItem>& menuBar() {
    static const std::vector<MenuItem> bar = buildMenuBar();
    return bar;
}

MenuRef findByHandler(const std::string& handler) {
    return lookup(index().byHandler, handler);
}

MenuRef findByName(const std::string& name) {
    return lookup(index().byName, name);
}

std::vector<MenuRef> catalogueEntries() {
    return index().entries;
}

std::vector<const MenuItem*> entryGroups() {
    return index().entryGroups;
}

std::string entryFileName(const MenuItem& entry) {
    auto slash = entry.file.find_last_of('\\');
    return slash == std::string::npos ? entry.file : entry.file.substr(slash + 1);
}
