#include "catalogue_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <tuple>

namespace {

std::vector<std::string> childNames(const MenuItem& item) {
    std::vector<std::string> out;
    for (const auto& c : item.children) {
        out.push_back(c.name);
    }
    return out;
}

} // namespace

TEST(CatalogueTable, HoldsEveryEntryWithItsCaptionAndFileInMenuOrder) {
    const auto entries = catalogueEntries();
    ASSERT_EQ(entries.size(), 204u);
    std::set<std::string> files;
    for (const MenuRef& e : entries) {
        EXPECT_EQ(e.item->handler, e.item->name + "Click");
        EXPECT_EQ(e.item->closesFirst, e.item->name == "K21") << e.item->name;
        EXPECT_TRUE(e.group && e.group->kind == MenuKind::Group) << e.item->name;
        EXPECT_TRUE(files.insert(e.item->file).second) << e.item->file;
        // Every set file is there, under its exact name.
        std::string path = e.item->file;
        std::replace(path.begin(), path.end(), '\\', '/');
        EXPECT_TRUE(
            std::filesystem::is_regular_file(std::filesystem::path(POTORAN_DATA_DIR) / path))
            << path;
    }
    // A handful of rows as the written catalogue has them, first and last of
    // each list among them.
    const std::tuple<const char*, const char*, const char*, const char*> rows[] = {
        {"K11", "K21", "様々な疑問文(1年）", "jhgram\\Tango01.txt"},
        {"K31", "K20", "重要な英文（３）", "jhgram\\tango26.txt"},
        {"K25", "K32", "大学入試問題集（２）", "highexam\\tango32.txt"},
        {"N6", "N30", "重要ｲﾃﾞｨｵﾑ（１５）", "semi\\tango74.txt"},
        {"TOEIC70011", "TOEIC70012", "TOEIC700点英単語(1)", "TOEIC700\\TOEIC700_001.txt"},
        {"TOEIC70021", "TOEIC700222", "TOEIC700点英単語(23)", "TOEIC700\\TOEIC700_023.txt"},
        {"TOEIC55051", "TOEIC5502158", "TOEIC550点英単語(97)", "TOEIC550\\TOEIC550_97.txt"},
        {"K110", "K111", "中学1年（１）", "jhword\\tang101.txt"},
        {"K310", "K315", "中学3年（５）", "jhword\\tang125.txt"},
    };
    for (auto [group, name, caption, file] : rows) {
        MenuRef e = findByName(name);
        ASSERT_TRUE(e) << name;
        EXPECT_EQ(e.group->name, group);
        EXPECT_EQ(e.item->caption, caption);
        EXPECT_EQ(e.item->file, file);
    }
    EXPECT_EQ(entries.front().item->name, "K21");
    EXPECT_EQ(entries.back().item->name, "K315");

    std::map<std::string, size_t> perGroup;
    for (const auto& g : entryGroups()) {
        perGroup[g->name] = g->children.size();
    }
    EXPECT_EQ(perGroup.size(), 16u);
    EXPECT_EQ(perGroup["K11"], 8u);
    EXPECT_EQ(perGroup["K25"], 7u); // six entries and the separator N2
    EXPECT_EQ(perGroup["N6"], 15u);
    EXPECT_EQ(perGroup["TOEIC55011"], 20u);
    EXPECT_EQ(perGroup["K310"], 5u);

    // The TOEIC menu holds 127 entries: 30 at 700 points, 97 at 550.
    size_t at700 = 0, at550 = 0;
    for (const auto& e : entries) {
        at700 += e.item->file.rfind("TOEIC700\\", 0) == 0;
        at550 += e.item->file.rfind("TOEIC550\\", 0) == 0;
    }
    EXPECT_EQ(at700, 30u);
    EXPECT_EQ(at550, 97u);

    EXPECT_EQ(findByHandler("TOEIC5502158Click").item->name, "TOEIC5502158");
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
    EXPECT_EQ(bar[7].command, MenuCommand::UserFile);
    EXPECT_EQ(bar[8].children[0].command, MenuCommand::ProgramInfo);
    EXPECT_EQ(bar[8].children[2].command, MenuCommand::Version);
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
            // Groups open and entries load by what they are, not by name.
            if (m.kind == MenuKind::Group || m.kind == MenuKind::Entry) {
                EXPECT_EQ(m.command, m.kind == MenuKind::Group ? MenuCommand::OpenGroup
                                                               : MenuCommand::LoadEntry);
            }
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
