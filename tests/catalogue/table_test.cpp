#include "catalogue_table.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>
#include <sstream>

namespace {

// The grammar, exam, idiom and school-vocabulary groups: "GROUP:" starts a
// group, then one "name caption file" line per entry, in menu order.
const char* const BookEntries = R"(
K11:
K21 様々な疑問文(1年） jhgram\Tango01.txt
K12 様々な否定文(1年） jhgram\tango02.txt
K13 疑問文と否定文(1年） jhgram\tango03.txt
K1 基本問題集（１） jhgram\tango04.txt
K2 基本問題集（２） jhgram\tango05.txt
K3 基本問題集（３） jhgram\tango06.txt
K4 基本問題集（４） jhgram\tango07.txt
K5 基本問題集（５） jhgram\tango08.txt
K22:
K23 過去形の文(2年） jhgram\tango11.txt
K24 様々な疑問文(2年） jhgram\tango12.txt
K6 受動態の文 jhgram\tango13.txt
K7 重要な連語（１） jhgram\tango14.txt
K8 重要な連語（２） jhgram\tango15.txt
K9 基本問題集（１） jhgram\tango16.txt
K10 基本問題集（２） jhgram\tango17.txt
K14 基本問題集（３） jhgram\tango18.txt
K31:
K15 重要な連語集 jhgram\tango21.txt
K16 現在完了形 jhgram\tango22.txt
K17 文の書き換え jhgram\tango23.txt
K18 重要な英文（１） jhgram\tango24.txt
K19 重要な英文（２） jhgram\tango25.txt
K20 重要な英文（３） jhgram\tango26.txt
K25:
K26 文の書き換え（１） highexam\tango33.txt
K27 文の書き換え（２） highexam\tango34.txt
K28 文の書き換え（３） highexam\tango35.txt
K29 文の書き換え（４） highexam\tango36.txt
K30 大学入試問題集（１） highexam\tango31.txt
K32 大学入試問題集（２） highexam\tango32.txt
N5:
N11 重要ｲﾃﾞｨｵﾑ（１） semi\tango51.txt
N7 重要ｲﾃﾞｨｵﾑ（２） semi\tango52.txt
N8 重要ｲﾃﾞｨｵﾑ（３） semi\tango53.txt
N9 重要ｲﾃﾞｨｵﾑ（４） semi\tango54.txt
N10 重要ｲﾃﾞｨｵﾑ（５） semi\tango55.txt
N12 重要ｲﾃﾞｨｵﾑ（６） semi\tango56.txt
N13 重要ｲﾃﾞｨｵﾑ（７） semi\tango57.txt
N14 重要ｲﾃﾞｨｵﾑ（８） semi\tango58.txt
N15 重要ｲﾃﾞｨｵﾑ（９） semi\tango59.txt
N6:
N16 重要ｲﾃﾞｨｵﾑ（１） semi\tango60.txt
N17 重要ｲﾃﾞｨｵﾑ（２） semi\tango61.txt
N18 重要ｲﾃﾞｨｵﾑ（３） semi\tango62.txt
N19 重要ｲﾃﾞｨｵﾑ（４） semi\tango63.txt
N20 重要ｲﾃﾞｨｵﾑ（５） semi\tango64.txt
N21 重要ｲﾃﾞｨｵﾑ（６） semi\tango65.txt
N22 重要ｲﾃﾞｨｵﾑ（７） semi\tango66.txt
N23 重要ｲﾃﾞｨｵﾑ（８） semi\tango67.txt
N24 重要ｲﾃﾞｨｵﾑ（９） semi\tango68.txt
N25 重要ｲﾃﾞｨｵﾑ（１０） semi\tango69.txt
N26 重要ｲﾃﾞｨｵﾑ（１１） semi\tango70.txt
N27 重要ｲﾃﾞｨｵﾑ（１２） semi\tango71.txt
N28 重要ｲﾃﾞｨｵﾑ（１３） semi\tango72.txt
N29 重要ｲﾃﾞｨｵﾑ（１４） semi\tango73.txt
N30 重要ｲﾃﾞｨｵﾑ（１５） semi\tango74.txt
K110:
K111 中学1年（１） jhword\tang101.txt
K212 中学1年（２） jhword\tang102.txt
K112 中学1年（３） jhword\tang103.txt
K113 中学1年（４） jhword\tang104.txt
K114 中学1年（５） jhword\tang105.txt
K115 中学1年（６） jhword\tang106.txt
K116 中学1年（７） jhword\tang107.txt
K117 中学1年（８） jhword\tang108.txt
K118 中学1年（９） jhword\tang109.txt
K119 中学1年（１０） jhword\tang110.txt
K211:
K213 中学2年（１） jhword\tang111.txt
K214 中学2年（２） jhword\tang112.txt
K215 中学2年（３） jhword\tang113.txt
K216 中学2年（４） jhword\tang114.txt
K217 中学2年（５） jhword\tang115.txt
K218 中学2年（６） jhword\tang116.txt
K59 中学2年（７） jhword\tang117.txt
K219 中学2年（８） jhword\tang118.txt
K220 中学2年（９） jhword\tang119.txt
K221 中学2年（１０） jhword\tang120.txt
K310:
K311 中学3年（１） jhword\tang121.txt
K312 中学3年（２） jhword\tang122.txt
K313 中学3年（３） jhword\tang123.txt
K314 中学3年（４） jhword\tang124.txt
K315 中学3年（５） jhword\tang125.txt
)";

// The TOEIC groups: names follow no rule, captions and files follow the
// running number n of their level.
struct ToeicGroup {
    const char* group;
    int level;
    int first;
    const char* names;
};
const ToeicGroup Toeic[] = {
    {"TOEIC70011", 700, 1,
     "TOEIC70012 TOEIC70013 TOEIC70014 TOEIC70015 TOEIC70016 TOEIC70017 TOEIC70018 TOEIC70019 "
     "TOEIC700110 TOEIC700111 TOEIC700112 TOEIC700113 TOEIC700114 TOEIC700115 TOEIC700116"},
    {"TOEIC70021", 700, 16,
     "TOEIC700161 TOEIC700171 TOEIC700181 TOEIC700191 TOEIC700201 TOEIC700211 TOEIC700221 "
     "TOEIC700222 TOEIC700241 TOEIC700251 TOEIC700261 TOEIC700271 TOEIC700281 TOEIC700291 "
     "TOEIC700301"},
    {"TOEIC55011", 550, 1,
     "TOEIC5501 TOEIC55012 TOEIC55013 TOEIC55014 TOEIC55015 TOEIC55016 TOEIC55017 TOEIC55018 "
     "TOEIC55019 TOEIC550110 TOEIC550111 TOEIC550112 TOEIC550113 TOEIC550114 TOEIC550115 "
     "TOEIC550116 TOEIC550117 TOEIC550118 TOEIC550119 TOEIC550120"},
    {"TOEIC55031", 550, 21,
     "TOEIC550211 TOEIC550221 TOEIC550231 TOEIC550241 TOEIC550251 TOEIC550261 TOEIC550271 "
     "TOEIC550281 TOEIC550291 TOEIC550301 TOEIC550311 TOEIC550321 TOEIC550331 TOEIC550341 "
     "TOEIC550351 TOEIC550361 TOEIC550371 TOEIC550381 TOEIC550391 TOEIC550401"},
    {"TOEIC55032", 550, 41,
     "TOEIC550212 TOEIC550213 TOEIC550214 TOEIC550215 TOEIC550216 TOEIC550217 TOEIC550218 "
     "TOEIC550219 TOEIC5502110 TOEIC5502111 TOEIC5502112 TOEIC5502113 TOEIC5502114 TOEIC5502115 "
     "TOEIC5502116 TOEIC5502117 TOEIC5502118 TOEIC5502119 TOEIC5502120 TOEIC5502121"},
    {"TOEIC55041", 550, 61,
     "TOEIC5502122 TOEIC5502123 TOEIC5502124 TOEIC5502125 TOEIC5502126 TOEIC5502127 TOEIC5502128 "
     "TOEIC5502129 TOEIC5502130 TOEIC5502131 TOEIC5502132 TOEIC5502133 TOEIC5502134 TOEIC5502135 "
     "TOEIC5502136 TOEIC5502137 TOEIC5502138 TOEIC5502139 TOEIC5502140 TOEIC5502141"},
    {"TOEIC55051", 550, 81,
     "TOEIC5502142 TOEIC5502143 TOEIC5502144 TOEIC5502145 TOEIC5502146 TOEIC5502147 TOEIC5502148 "
     "TOEIC5502149 TOEIC5502150 TOEIC5502151 TOEIC5502152 TOEIC5502153 TOEIC5502154 TOEIC5502155 "
     "TOEIC5502156 TOEIC5502157 TOEIC5502158"},
};

struct Expected {
    std::string group, name, caption, file;
};

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string w; in >> w;) {
        out.push_back(w);
    }
    return out;
}

std::vector<Expected> expectedEntries() {
    std::map<std::string, std::vector<Expected>> byGroup;
    std::istringstream in(BookEntries);
    std::string group;
    for (std::string line; std::getline(in, line);) {
        auto w = words(line);
        if (w.size() == 1 && w[0].back() == ':') {
            group = w[0].substr(0, w[0].size() - 1);
        } else if (w.size() == 3) {
            byGroup[group].push_back({group, w[0], w[1], w[2]});
        }
    }
    for (const ToeicGroup& t : Toeic) {
        int n = t.first;
        for (const auto& name : words(t.names)) {
            char file[64];
            if (t.level == 700) {
                std::snprintf(file, sizeof file, "TOEIC700\\TOEIC700_%03d.txt", n);
            } else {
                std::snprintf(file, sizeof file, "TOEIC550\\TOEIC550_%02d.txt", n);
            }
            byGroup[t.group].push_back(
                {t.group, name,
                 "TOEIC" + std::to_string(t.level) + "点英単語(" + std::to_string(n) + ")", file});
            ++n;
        }
    }
    std::vector<Expected> all;
    for (const char* g :
         {"K11", "K22", "K31", "K25", "N5", "N6", "TOEIC70011", "TOEIC70021", "TOEIC55011",
          "TOEIC55031", "TOEIC55032", "TOEIC55041", "TOEIC55051", "K110", "K211", "K310"}) {
        all.insert(all.end(), byGroup[g].begin(), byGroup[g].end());
    }
    return all;
}

std::vector<std::string> childNames(const MenuItem& item) {
    std::vector<std::string> out;
    for (const auto& c : item.children) {
        out.push_back(c.name);
    }
    return out;
}

} // namespace

TEST(CatalogueTable, HoldsEveryEntryWithItsCaptionAndFileInMenuOrder) {
    const auto expected = expectedEntries();
    ASSERT_EQ(expected.size(), 204u);
    const auto entries = catalogueEntries();
    ASSERT_EQ(entries.size(), 204u);
    for (size_t i = 0; i < entries.size(); ++i) {
        const MenuRef& e = entries[i];
        EXPECT_EQ(e.group->name, expected[i].group) << i;
        EXPECT_EQ(e.item->name, expected[i].name) << i;
        EXPECT_EQ(e.item->caption, expected[i].caption) << i;
        EXPECT_EQ(e.item->file, expected[i].file) << i;
        EXPECT_EQ(e.item->handler, expected[i].name + "Click");
        EXPECT_EQ(e.item->closesFirst, e.item->name == "K21") << e.item->name;
    }

    std::map<std::string, size_t> perGroup;
    for (const auto& g : entryGroups()) {
        perGroup[g->name] = g->children.size();
    }
    EXPECT_EQ(perGroup.size(), 16u);
    EXPECT_EQ(perGroup["K25"], 7u); // six entries and the separator N2

    // The TOEIC menu holds 127 entries: 30 at 700 points, 97 at 550.
    size_t at700 = 0, at550 = 0;
    for (const auto& e : entries) {
        at700 += e.item->file.rfind("TOEIC700\\", 0) == 0;
        at550 += e.item->file.rfind("TOEIC550\\", 0) == 0;
    }
    EXPECT_EQ(at700, 30u);
    EXPECT_EQ(at550, 97u);

    // Spot checks straight from the menus.
    MenuRef last550 = findByHandler("TOEIC5502158Click");
    ASSERT_TRUE(last550);
    EXPECT_EQ(last550.item->caption, "TOEIC550点英単語(97)");
    EXPECT_EQ(last550.item->file, "TOEIC550\\TOEIC550_97.txt");
    EXPECT_EQ(last550.group->name, "TOEIC55051");
    MenuRef e700 = findByName("TOEIC700222");
    ASSERT_TRUE(e700);
    EXPECT_EQ(e700.item->caption, "TOEIC700点英単語(23)");
    EXPECT_EQ(e700.item->file, "TOEIC700\\TOEIC700_023.txt");
    EXPECT_EQ(entryFileName(*findByName("K21").item), "Tango01.txt");
}

TEST(CatalogueTable, MenuBarHoldsMenusGroupsSeparatorsAndHelp) {
    const auto& bar = menuBar();
    std::vector<std::pair<std::string, std::string>> top;
    for (const auto& m : bar) {
        top.emplace_back(m.name, m.caption);
    }
    EXPECT_EQ(top, (std::vector<std::pair<std::string, std::string>>{
                       {"K11", "&1. 中１英文法"},
                       {"K22", "&2. 中２英文法"},
                       {"K31", "&3. 中３英文法"},
                       {"K25", "&4. 高校入試対策"},
                       {"N4", "&5. 速攻ｾﾞﾐﾅｰﾙ"},
                       {"N6TOEC1", "&6. TOEIC英単語"},
                       {"K45", "&7. 中学英単語"},
                       {"N1", "&8. ﾕｰｻﾞｰﾌｧｲﾙ"},
                       {"Help1", "ﾍﾙﾌﾟ(&H)"},
                   }));
    EXPECT_TRUE(bar[5].picture);
    EXPECT_EQ(bar[7].kind, MenuKind::Command);
    EXPECT_EQ(bar[7].handler, "YomikomiClick");
    EXPECT_EQ(bar[8].kind, MenuKind::Menu);
    EXPECT_EQ(bar[8].handler, "");
    EXPECT_EQ(childNames(bar[8]), (std::vector<std::string>{"K60", "N3", "About1"}));
    EXPECT_EQ(bar[8].children[0].caption, "このｿﾌﾄについて(&R)");
    EXPECT_EQ(bar[8].children[1].kind, MenuKind::Separator);
    EXPECT_EQ(bar[8].children[2].caption, "ﾊﾞｰｼﾞｮﾝ情報(&A)...");

    EXPECT_EQ(childNames(bar[4]), (std::vector<std::string>{"N5", "N6"}));
    EXPECT_EQ(bar[4].children[0].caption, "速攻ｾﾞﾐ第１集");
    EXPECT_EQ(childNames(bar[5]),
              (std::vector<std::string>{"TOEIC70011", "TOEIC70021", "N31", "TOEIC55011",
                                        "TOEIC55031", "TOEIC55032", "TOEIC55041", "TOEIC55051"}));
    EXPECT_EQ(bar[5].children[2].kind, MenuKind::Separator);
    EXPECT_EQ(bar[5].children[7].caption, "TOEIC550点(5)");
    EXPECT_EQ(childNames(bar[6]), (std::vector<std::string>{"K110", "K211", "K310"}));
    EXPECT_EQ(bar[3].children[4].name, "N2");
    EXPECT_EQ(bar[3].children[4].kind, MenuKind::Separator);
    EXPECT_EQ(bar[3].children[5].name, "K30");

    // Every name and every handler occurs once.
    std::set<std::string> names, handlers;
    size_t count = 0, withHandler = 0;
    auto walk = [&](auto&& self, const std::vector<MenuItem>& items) -> void {
        for (const auto& m : items) {
            ++count;
            names.insert(m.name);
            if (!m.handler.empty()) {
                ++withHandler;
                handlers.insert(m.handler);
                EXPECT_EQ(findByHandler(m.handler).item, &m);
            }
            self(self, m.children);
        }
    };
    walk(walk, bar);
    EXPECT_EQ(names.size(), count);
    EXPECT_EQ(handlers.size(), withHandler);
    // 204 entries, 19 groups, N1, K60, About1.
    EXPECT_EQ(withHandler, 204u + 19u + 3u);
}

TEST(CatalogueTable, GroupsCarryTheirCaptionsAndWhatOpeningDoes) {
    const std::string t = "ぽとらん for TOEIC   ";
    struct Row {
        const char* name;
        std::string opening;
        std::optional<std::string> prefix;
        bool closes, marks;
    };
    const Row rows[] = {
        {"K11", t + "中１英文法", t + "中１英文法  ", true, true},
        {"K22", t + "中２英文法", t + "中２英文法  ", true, true},
        {"K31", t + "中３英文法", t + "中３英文法  ", true, true},
        {"K25", t + "高校入試対策", t + "高校入試対策  ", true, true},
        {"N4", t + "速攻ｾﾞﾐﾅｰﾙ", std::nullopt, true, false},
        {"N5", t + "速攻ｾﾞﾐ第1集", t + "速攻ｾﾞﾐ第1集  ", true, true},
        {"N6", t + "速攻ｾﾞﾐ第2集", t + "速攻ｾﾞﾐ第2集  ", true, true},
        {"N6TOEC1", t + "TOEIC英単語", std::nullopt, true, false},
        {"TOEIC70011", t + "TOEIC700点(1)", t, true, true},
        {"TOEIC70021", t + "TOEIC700点(2)", t, true, true},
        {"TOEIC55011", t + "TOEIC550点(1)", t, true, true},
        {"TOEIC55031", t + "TOEIC550点(2)", t, true, true},
        {"TOEIC55032", t + "TOEIC550点(3)", t, true, true},
        {"TOEIC55041", t + "TOEIC550点(4)", t, true, true},
        {"TOEIC55051", t + "TOEIC550点(5)", t, true, true},
        {"K45", t + "英単語", std::nullopt, true, false},
        {"K110", t + "英単語 中学1年生", t + "英単語 中学1年生  ", false, true},
        {"K211", t + "英単語 中学2年生", t + "英単語 中学2年生  ", false, true},
        {"K310", t + "英単語 中学3年生", t + "英単語 中学3年生  ", false, true},
    };
    for (const Row& r : rows) {
        MenuRef g = findByHandler(std::string(r.name) + "Click");
        ASSERT_TRUE(g) << r.name;
        EXPECT_EQ(g.item->kind, MenuKind::Group) << r.name;
        EXPECT_EQ(g.item->openingCaption, r.opening) << r.name;
        EXPECT_EQ(g.item->entryPrefix, r.prefix) << r.name;
        EXPECT_EQ(g.item->closesSet, r.closes) << r.name;
        EXPECT_EQ(g.item->readsMarks, r.marks) << r.name;
    }
}
