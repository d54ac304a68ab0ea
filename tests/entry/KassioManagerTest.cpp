#include "kassio/entry/KassioManager.h"

#include <gtest/gtest.h>

#include "entry/ModuleStateFixture.h"
#include "kassio/platform/json/Json.h"

namespace kassio {
namespace {

using platform::Uuid;

const Uuid uuidA = *Uuid::parse("0A0A0A0A-0000-4000-8000-00000000000A");
const Uuid uuidB = *Uuid::parse("0B0B0B0B-0000-4000-8000-00000000000B");
const Uuid uuidC = *Uuid::parse("0C0C0C0C-0000-4000-8000-00000000000C");
const Uuid unknown = *Uuid::parse("FFFFFFFF-0000-4000-8000-0000000000FF");

MainMID mid(std::string name, std::vector<std::string> tids) {
  MainMID result{std::move(name), true, {}};
  for (auto& tid : tids) result.tids.push_back({std::move(tid), true});
  return result;
}

MainOutlates outlet(std::string name, const Uuid& uuid, std::vector<MainMID> mids) {
  return {std::move(name), uuid, "address of " + name, true, std::move(mids)};
}

// Acme > Acme Foods > Pune > (FC Road A, Camp B), Mumbai > (Bandra C); Zen > Zen Wear > Delhi >
// (CP A). Every flag starts set, so a test sees what was cleared.
MainFilterData sampleTree() {
  MainCity pune{"Pune", true,
                {outlet("FC Road", uuidA, {mid("M1", {"T1", "T2"})}), outlet("Camp", uuidB, {mid("M2", {"T3"})})}};
  MainCity mumbai{"Mumbai", true, {outlet("Bandra", uuidC, {mid("M3", {"T4"}), mid("M4", {"T5"})})}};
  MainCity delhi{"Delhi", true, {outlet("CP", uuidA, {mid("M5", {"T6"})})}};
  return MainFilterData{{MainCID{"Acme", true, {MainBrandList{"Acme Foods", true, {pune, mumbai}}}},
                         MainCID{"Zen", true, {MainBrandList{"Zen Wear", true, {delhi}}}}}};
}

// Every flag of the tree, depth first, with a path naming it.
std::vector<std::pair<std::string, bool>> flags(const MainFilterData& tree) {
  std::vector<std::pair<std::string, bool>> all;
  for (const auto& cid : tree.cids) {
    all.emplace_back(cid.cidName, cid.isSelected);
    for (const auto& brand : cid.brandList) {
      all.emplace_back(brand.brandName, brand.isSelected);
      for (const auto& city : brand.cities) {
        all.emplace_back(city.cityName, city.isSelected);
        for (const auto& o : city.outlates) {
          all.emplace_back(o.outlatesName, o.isSelected);
          for (const auto& m : o.mids) {
            all.emplace_back(m.midName, m.isSelected);
            for (const auto& t : m.tids) all.emplace_back(t.tidNumber, t.isSelected);
          }
        }
      }
    }
  }
  return all;
}

std::vector<std::string> selectedNames(const MainFilterData& tree) {
  std::vector<std::string> names;
  for (const auto& [name, selected] : flags(tree)) {
    if (selected) names.push_back(name);
  }
  return names;
}

using ManagerTest = ModuleStateTest;

TEST_F(ManagerTest, SelectOutletWithAnUnknownUuidClearsEveryFlagAndKeepsTheName) {
  KassioManager::setFilterData(sampleTree());
  KassioManager::set("Merchant");
  defaults().remove(KassioManager::userRoleKey);

  const auto result = KassioManager::selectOutlet(unknown);
  ASSERT_TRUE(result);
  EXPECT_TRUE(selectedNames(*result).empty());
  EXPECT_EQ(flags(*result).size(), flags(sampleTree()).size());
  EXPECT_EQ(state().filterData(), result);
  EXPECT_EQ(state().dbaName, "Merchant");
  EXPECT_TRUE(defaults().string(KassioManager::userRoleKey));  // storing the tree ran the role check
}

TEST_F(ManagerTest, SelectOutletBeforeAnyFilterDataDoesNothing) {
  KassioManager::set("Merchant");
  EXPECT_FALSE(KassioManager::selectOutlet(uuidA));
  EXPECT_FALSE(state().filterData());
  EXPECT_EQ(state().dbaName, "Merchant");
  EXPECT_TRUE(defaults().keys().empty());
}

TEST_F(ManagerTest, SelectOutletSelectsTheOutletItsPathAndEverythingBelowIt) {
  KassioManager::setFilterData(sampleTree());
  const auto result = KassioManager::selectOutlet(uuidC);
  ASSERT_TRUE(result);
  const std::vector<std::string> expected{"Acme", "Acme Foods", "Mumbai", "Bandra", "M3", "T4", "M4", "T5"};
  EXPECT_EQ(selectedNames(*result), expected);
  EXPECT_EQ(state().filterData(), result);
  EXPECT_EQ(state().dbaName, "Acme");
}

TEST_F(ManagerTest, OfTwoOutletsWithOneUuidOnlyTheFirstIsSelected) {
  KassioManager::setFilterData(sampleTree());  // FC Road (Acme) and CP (Zen) share uuidA
  const auto result = KassioManager::selectOutlet(uuidA);
  ASSERT_TRUE(result);
  const std::vector<std::string> expected{"Acme", "Acme Foods", "Pune", "FC Road", "M1", "T1", "T2"};
  EXPECT_EQ(selectedNames(*result), expected);
  EXPECT_EQ(KassioManager::getSelctionOutletHirekey(3), "Acme>Acme Foods>Pune>FC Road>3");
}

TEST_F(ManagerTest, SelectionKeyOfATerminal) {
  EXPECT_EQ(KassioManager::getSelctionHirekey("T1", 3), "");  // no tree
  EXPECT_TRUE(KassioManager::getSelctionHirekeys(3).empty());

  MainFilterData tree = sampleTree();
  // T3 also under a later MID of another outlet, and twice within one MID.
  tree.cids[1].brandList[0].cities[0].outlates[0].mids.push_back(mid("M6", {"T3", "T3"}));
  KassioManager::setFilterData(tree);

  EXPECT_EQ(KassioManager::getSelctionHirekey("T1", 3), "Acme>Acme Foods>Pune>FC Road>3");
  EXPECT_EQ(KassioManager::getSelctionHirekey("T5", 0), "Acme>Acme Foods>Mumbai>Bandra>0");
  EXPECT_EQ(KassioManager::getSelctionHirekey("T3", 5), "Zen>Zen Wear>Delhi>CP>5");  // the later one wins
  EXPECT_EQ(KassioManager::getSelctionHirekey("T9", 5), "");
  EXPECT_EQ(KassioManager::getSelctionHirekey("t1", 5), "");  // numbers are exact

  // The one-walk index gives every terminal the same key.
  const auto keys = KassioManager::getSelctionHirekeys(5);
  EXPECT_EQ(keys.size(), 6u);
  for (const auto& [tid, key] : keys) EXPECT_EQ(key, KassioManager::getSelctionHirekey(tid, 5)) << tid;
}

TEST_F(ManagerTest, SelectionKeyOfTheSelectedOutlet) {
  EXPECT_EQ(KassioManager::getSelctionOutletHirekey(1), "");  // no tree

  MainFilterData tree = sampleTree();
  auto& acme = tree.cids[0];
  acme.brandList[0].cities[0].isSelected = false;                  // Pune off: Mumbai is the first selected city
  acme.brandList[0].cities[1].outlates[0].outlatesName = "A>B";  // names go in as they are
  KassioManager::setFilterData(tree);
  EXPECT_EQ(KassioManager::getSelctionOutletHirekey(1), "Acme>Acme Foods>Mumbai>A>B>1");

  acme.brandList[0].isSelected = false;  // a selected company without a selected brand
  KassioManager::setFilterData(tree);
  EXPECT_EQ(KassioManager::getSelctionOutletHirekey(1), "");

  acme.isSelected = false;
  tree.cids[1].brandList[0].cities[0].outlates[0].isSelected = false;  // Zen down to a city, no outlet
  KassioManager::setFilterData(tree);
  EXPECT_EQ(KassioManager::getSelctionOutletHirekey(1), "");
}

struct Terminal {
  std::string tid;
  std::optional<std::string> role;
  std::optional<std::string> roleStatus;
};

struct RoleCase {
  const char* what;
  std::vector<std::string> selected;
  std::vector<Terminal> terminals;
  const char* userRole;
  const char* ausRole;
};

GetUserTerminalListResponse terminalList(const std::vector<Terminal>& terminals) {
  GetUserTerminalListResponse list{"success", "ok", "200", {}};
  for (const auto& t : terminals) {
    TerminalInfo info;
    info.role = t.role;
    info.roleStatus = t.roleStatus;
    list.terminals.push_back({{t.tid, info}});
  }
  return list;
}

TEST_F(ManagerTest, HighestRoleOfTheSelectedActiveTerminals) {
  const RoleCase cases[] = {
      {"letter case of role and status is ignored",
       {"T1", "T2", "T3"},
       {{"T1", "Owner", "ACTIVE"}, {"T2", "Owner", "ACTIVE"}, {"T3", "cashier", "Active"}},
       "owner",
       "not found"},
      {"aus counted most is reported as owner",
       {"T1", "T2", "T3"},
       {{"T1", "AUS", "Active"}, {"T2", "Aus", "active"}, {"T3", "manager1", "Active"}},
       "owner",
       "aus"},
      {"unselected, pending, deactivated and statusless terminals are not counted",
       {"T1", "T2", "T3", "T4"},
       {{"T1", "cashier", "Active"},
        {"T2", "owner", "Pending"},
        {"T3", "owner", "Deactivate"},
        {"T4", "owner", std::nullopt},
        {"T5", "owner", "Active"},
        {"T6", "owner", "Active"}},
       "cashier",
       "not found"},
      {"the most counted role wins over higher ones",
       {"T1", "T2", "T3", "T4"},
       {{"T1", "owner", "Active"}, {"T2", "manager2", "Active"}, {"T3", "manager1", "Active"},
        {"T4", "manager2", "Active"}},
       "manager2",
       "not found"},
      {"a tie goes to the higher role",
       {"T1", "T2", "T3"},
       {{"T1", "cashier", "Active"}, {"T2", "manager2", "Active"}, {"T3", "manager1", "Active"}},
       "manager1",
       "not found"},
      {"a tie between cashier and aus goes to aus",
       {"T1", "T2"},
       {{"T1", "cashier", "Active"}, {"T2", "aus", "Active"}},
       "owner",
       "aus"},
      {"with nothing counted all five tie and the first role word wins",
       {},
       {{"T1", "cashier", "Active"}},
       "owner",
       "not found"},
      {"other roles enter the count lower-cased; a tie among them goes to the first met",
       {"T1", "T2", "T3", "T4", "T5"},
       {{"T1", "Supervisor", "Active"}, {"T2", "auditor", "Active"}, {"T3", "AUDITOR", "Active"},
        {"T4", "supervisor", "Active"}, {"T5", "owner", "Active"}},
       "supervisor",
       "not found"},
      {"one accented role counts once whether its accent is composed or combining",
       {"T1", "T2", "T3"},
       {{"T1", "G\u00e9rant", "Active"}, {"T2", "ge\u0301rant", "Active"}, {"T3", "cashier", "Active"}},
       "g\u00e9rant",
       "not found"},
      {"an absent role counts as the empty role",
       {"T1", "T2", "T3"},
       {{"T1", std::nullopt, "Active"}, {"T2", std::nullopt, "Active"}, {"T3", "owner", "Active"}},
       "",
       "not found"},
  };
  for (const auto& c : cases) {
    state().selectedTerminals.clear();
    for (const auto& tid : c.selected) state().selectedTerminals.push_back({{tid, true}, "", {"M1", true, {}}});
    state().terminalListResponse = terminalList(c.terminals);
    KassioManager::checkHeighestRole();
    EXPECT_EQ(defaults().string(KassioManager::userRoleKey), c.userRole) << c.what;
    EXPECT_EQ(defaults().string(KassioManager::ausRoleKey), c.ausRole) << c.what;
    EXPECT_EQ(KassioManager::storedUserRole(), c.userRole) << c.what;
  }
}

TEST_F(ManagerTest, HighestRoleCountsEveryEntryOfAMapAndNothingWithoutAList) {
  state().selectedTerminals = {{{"T1", true}, "", {}}, {{"T2", true}, "", {}}};
  GetUserTerminalListResponse list = terminalList({{"T1", "cashier", "Active"}});
  TerminalInfo second;
  second.role = "cashier";
  second.roleStatus = "Active";
  list.terminals[0].emplace("T2", second);
  list.terminals.push_back({{"T9", TerminalInfo{}}});
  state().terminalListResponse = list;
  KassioManager::checkHeighestRole();
  EXPECT_EQ(KassioManager::storedUserRole(), "cashier");

  state().terminalListResponse.reset();
  KassioManager::checkHeighestRole();
  EXPECT_EQ(KassioManager::storedUserRole(), "owner");
  EXPECT_EQ(defaults().string(KassioManager::ausRoleKey), "not found");
}

TEST_F(ManagerTest, EveryAssignmentOfTheOutletTreeRerunsTheRoleCheck) {
  const MainFilterData tree = sampleTree();
  KassioManager::setFilterData(tree);
  EXPECT_EQ(KassioManager::storedUserRole(), "owner");

  defaults().remove(KassioManager::userRoleKey);
  defaults().remove(KassioManager::ausRoleKey);
  KassioManager::setFilterData(tree);  // the same value again
  EXPECT_EQ(KassioManager::storedUserRole(), "owner");

  defaults().remove(KassioManager::userRoleKey);
  KassioManager::setFilterData(std::nullopt);
  EXPECT_EQ(KassioManager::storedUserRole(), "owner");
}

struct Netlane final : NetlaneManager {};
struct Auth final : AuthMPosAPI {
  void getData(const std::string&, bool, Completion) override {}
};
struct Orbi final : OrbiAssistantDelegate {};

TEST_F(ManagerTest, ConfigurationLandsInTheModuleState) {
  platform::AppColors colors;
  colors.accentColor = platform::Color::white();
  const auto netlane = std::make_shared<Netlane>();
  KassioManager::set(colors, platform::AppFont{}, netlane);
  EXPECT_EQ(state().appColors->accentColor, platform::Color::white());
  EXPECT_TRUE(state().appFont);
  EXPECT_EQ(state().networkManager, netlane);
  KassioManager::set(colors, platform::AppFont{}, nullptr);
  EXPECT_FALSE(state().networkManager);

  const auto auth = std::make_shared<Auth>();
  const auto orbi = std::make_shared<Orbi>();
  state().selectedTerminals = {{{"T1", true}, "", {}}};
  state().terminalListResponse = terminalList({{"T1", "manager1", "Active"}});
  KassioManager::set(auth, sampleTree(), calendarFilterType::thisweek, {"T1"}, {"T1"}, {"2026-12-01", "2026-12-11"},
                     orbi, {{"T1", {"gold"}}});
  EXPECT_EQ(state().authMPosAPI, auth);
  EXPECT_EQ(state().filterData(), sampleTree());
  EXPECT_EQ(state().calendarType, calendarFilterType::thisweek);
  EXPECT_EQ(state().dateRange, (DateRange{"2026-12-01", "2026-12-11"}));
  EXPECT_EQ(state().orbiAssistantDelegate, orbi);
  EXPECT_EQ(state().locationSegment.at("T1"), std::vector<std::string>{"gold"});
  EXPECT_EQ(KassioManager::storedUserRole(), "manager1");

  // The terminal and selected-TID lists are not used.
  KassioManager::set(auth, sampleTree(), calendarFilterType::thisweek, {"T7", "T8"}, {}, {"2026-12-01", "2026-12-11"},
                     orbi, {{"T1", {"gold"}}});
  EXPECT_EQ(state().filterData(), sampleTree());
  EXPECT_EQ(state().selectedTerminals.size(), 1u);
  EXPECT_TRUE(state().allTids.empty());

  KassioManager::set("Acme Retail");
  KassioManager::setSelectedTID({"T1", "Acme", "Pune"});
  EXPECT_EQ(state().dbaName, "Acme Retail");
  EXPECT_EQ(state().selectedTid, (SelectedTid{"T1", "Acme", "Pune"}));
}

TEST_F(ManagerTest, SelectedUuidIsStoredAndFlushedAtOnce) {
  KassioManager::setSelectedUUID(uuidB);
  EXPECT_EQ(defaults().string(KassioManager::selectedOutletUUIDKey), "0B0B0B0B-0000-4000-8000-00000000000B");
  EXPECT_EQ(defaults().synchronizations, 1);
  EXPECT_EQ(KassioManager::getSelectedUUID(), uuidB);

  defaults().set(KassioManager::selectedOutletUUIDKey, std::string("0c0c0c0c-0000-4000-8000-00000000000c"));
  EXPECT_EQ(KassioManager::getSelectedUUID(), uuidC);
}

TEST_F(ManagerTest, WithoutAValidStoredUuidEachCallGivesANewOne) {
  const Uuid first = KassioManager::getSelectedUUID();
  EXPECT_NE(KassioManager::getSelectedUUID(), first);

  defaults().set(KassioManager::selectedOutletUUIDKey, std::string("outlet-7"));
  const Uuid a = KassioManager::getSelectedUUID();
  const Uuid b = KassioManager::getSelectedUUID();
  EXPECT_NE(a, b);
  EXPECT_EQ(defaults().string(KassioManager::selectedOutletUUIDKey), "outlet-7");
  EXPECT_EQ(defaults().synchronizations, 0);
}

TEST_F(ManagerTest, StoredRoleIsEmptyWhenAbsentOrNotText) {
  EXPECT_EQ(KassioManager::storedUserRole(), "");
  defaults().set(KassioManager::userRoleKey, true);
  EXPECT_EQ(KassioManager::storedUserRole(), "");
}

constexpr std::string_view terminalListText =
    R"({"status":"success","respMessage":"ok","statusCode":"200",)"
    R"("terminalInfo":[{"T1":{"role":"owner","roleStatus":"Active","dba":"Acme FC Road"}}]})";

TEST_F(ManagerTest, DecodingTheTerminalListReplacesTheStoredOne) {
  KassioManager::decodeTerminalList(std::string(terminalListText));
  ASSERT_TRUE(state().terminalListResponse);
  EXPECT_EQ(state().terminalListResponse->terminals.at(0).at("T1").dba, "Acme FC Road");

  std::string withoutStatusCode(terminalListText);
  withoutStatusCode.erase(withoutStatusCode.find(R"("statusCode":"200",)"), 19);
  const std::optional<std::string> failures[] = {
      withoutStatusCode,
      std::nullopt,
      std::string(),
      std::string("not json"),
      std::string(R"({"status":"success","respMessage":"ok","statusCode":200,"terminalInfo":[]})"),
      std::string(R"([{"T1":{}}])"),
  };
  for (const auto& text : failures) {
    KassioManager::decodeTerminalList(std::string(terminalListText));
    KassioManager::decodeTerminalList(text);
    EXPECT_FALSE(state().terminalListResponse) << text.value_or("(absent)");
  }
}

// Members of the list that no record reads may hold numbers of any size.
TEST_F(ManagerTest, TerminalListDecodesWithHugeNumbersUnderUnreadKeys) {
  KassioManager::decodeTerminalList(std::string(
      R"({"status":"success","respMessage":"ok","statusCode":"200","serverTime":123456789012345678901234,)"
      R"("terminalInfo":[{"T1":{"roleStatus":"Active","tidStatus":"Active","dba":"Acme","limit":1e400,"payments":{"cash":{"status":"Active","seq":-99999999999999999999}}}}]})"));
  ASSERT_TRUE(state().terminalListResponse);
  EXPECT_EQ(KassioManager::dba("T1"), "Acme");
  EXPECT_EQ(KassioManager::terminalsEnabled(PaymentModeType::cash), std::vector<std::string>{"T1"});
}

// The terminal rules applied to the module's list; without one they find nothing.
TEST_F(ManagerTest, TerminalRulesReadTheModuleList) {
  KassioManager::decodeTerminalList(std::string(
      R"({"status":"success","respMessage":"ok","statusCode":"200","terminalInfo":[{"T1":{"roleStatus":"Active",)"
      R"("tidStatus":"Active","dba":"Acme","payments":{"cash":{"status":"Active"},"qr":{"staticQRStatus":0}}}}]})"));
  ASSERT_TRUE(state().terminalListResponse);
  EXPECT_EQ(KassioManager::terminalsEnabled(PaymentModeType::cash), std::vector<std::string>{"T1"});
  EXPECT_TRUE(KassioManager::terminalsEnabled(PaymentModeType::smsPay).empty());
  EXPECT_TRUE(KassioManager::terminalsWithStaticQR().empty());
  EXPECT_EQ(KassioManager::dba("T1"), "Acme");
  EXPECT_EQ(KassioManager::dbaByTID().at("T1"), "Acme");

  KassioManager::decodeTerminalList(std::nullopt);
  EXPECT_TRUE(KassioManager::terminalsEnabled(PaymentModeType::cash).empty());
  EXPECT_TRUE(KassioManager::terminalsWithStaticQR().empty());
  EXPECT_EQ(KassioManager::dba("T1"), "");
  EXPECT_TRUE(KassioManager::dbaByTID().empty());
}

}  // namespace
}  // namespace kassio
