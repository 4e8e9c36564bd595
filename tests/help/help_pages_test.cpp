// The help folder as the build makes it: every page the game can open is
// there, every link on every page leads somewhere, and every example board is
// the hint search's own step on its position. Also the web link's messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

#include "game/help/help_examples.h"
#include "game/help/help_files.h"
#include "game/help/practice_links.h"
#include "game/help/web_link.h"
#include "game/hint/hint_text.h"
#include "game/model/techniques.h"

namespace dravik {
namespace {

namespace fs = std::filesystem;

const fs::path kBuilt = fs::path(DRAVIK_OUTPUT_DIR) / "help";
const fs::path kSource = DRAVIK_HELP_SOURCE;

std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::map<std::string, HelpExample> Examples() {
    std::ifstream in(kSource / "examples.tsv");
    std::vector<std::string> errors;
    auto examples = ReadHelpExamples(in, errors);
    EXPECT_TRUE(errors.empty()) << errors.front();
    return examples;
}

TEST(HelpPages, TheIndexAndEveryTechniquesPageAreInTheBuildsHelpFolder) {
    const auto pages = HelpPages();
    // The index, the keyboard and mouse page and 18 pages for the 22 techniques.
    ASSERT_EQ(pages.size(), 20u);
    EXPECT_EQ(pages.front(), "index.html");
    EXPECT_EQ(pages[1], kKeysHelpPage);
    for (int t = 0; t < kTechniqueCount; ++t) {
        const auto page = kTechniqueTable[static_cast<std::size_t>(t)].helpPage;
        EXPECT_NE(std::find(pages.begin(), pages.end(), page), pages.end()) << page;
    }
    for (std::string_view page : pages) {
        const std::string text = Read(kBuilt / page);
        ASSERT_FALSE(text.empty()) << page;
        EXPECT_LE(text.size(), kMaxHelpPageBytes) << page;
        EXPECT_EQ(HelpPageProblem(text), "") << page << ": the help window would refuse it";
        EXPECT_NE(text.find("<title>"), std::string::npos) << page;
        if (page != kHelpIndexPage) {
            EXPECT_NE(text.find("href=\"index.html\""), std::string::npos) << page;
        }
        if (page != kHelpIndexPage && page != kKeysHelpPage) {
            EXPECT_NE(text.find("<h2>Why it works</h2>"), std::string::npos) << page;
            EXPECT_NE(text.find("class=\"board\""), std::string::npos) << page << ": no example";
        }
    }
    EXPECT_EQ(HelpPagePath("/opt/dravik/", "x_wing.html"), "/opt/dravik/help/x_wing.html");
}

// Tables inside tables are refused early (the browser's layout time grows
// fourfold with each); what HTML closes by itself is no nesting.
TEST(HelpPages, OnlyNestingTooDeepForTheBrowserIsRefused) {
    auto repeat = [](std::string_view text, int n) {
        std::string out;
        while (n-- > 0) out += text;
        return out;
    };
    const std::string table = "<table><tr><td>", end = "</td></tr></table>";
    EXPECT_EQ(HelpPageProblem(repeat(repeat(table, 4) + "x" + repeat(end, 4), 50)), "");
    EXPECT_EQ(HelpPageProblem(repeat(table, 5)), "its tables are nested more than 4 deep");
    EXPECT_EQ(HelpPageProblem(repeat("<DIV class=a>", 257)),
              "its elements are nested more than 256 deep");
    EXPECT_EQ(HelpPageProblem("<ul>" + repeat("<li><p>a<br>b<img src=x><hr/>", 9'999) +
                              repeat("<tr><td>a<th>b", 999) + "<!--" + repeat("<b>", 999) + "-->"),
              "");
}

TEST(HelpPages, EveryLinkResolvesAndEveryPageIsReachableFromTheIndex) {
    const std::regex link(R"re((href|src)="([^"]*)")re");
    std::set<std::string> reached;
    int links = 0;
    for (const auto& entry : fs::directory_iterator(kBuilt)) {
        if (entry.path().extension() != ".html") continue;
        const std::string name = entry.path().filename().string();
        const std::string text = Read(entry.path());
        for (auto m = std::sregex_iterator(text.begin(), text.end(), link);
             m != std::sregex_iterator(); ++m) {
            const std::string target = (*m)[2];
            ++links;
            ASSERT_FALSE(target.empty()) << name;
            EXPECT_EQ(target.find(':'), std::string::npos)
                << name << " leaves the help folder: " << target;
            const auto hash = target.find('#');
            const std::string file = hash == 0 ? name : target.substr(0, hash);
            ASSERT_TRUE(fs::exists(kBuilt / file)) << name << " links to " << target;
            if (hash != std::string::npos) {
                const std::string anchor = target.substr(hash + 1);
                const std::string there = Read(kBuilt / file);
                EXPECT_TRUE(there.find("id=\"" + anchor + "\"") != std::string::npos ||
                            there.find("name=\"" + anchor + "\"") != std::string::npos)
                    << name << " links to a missing anchor " << target;
            }
            if (name == "index.html") reached.insert(file);
        }
    }
    EXPECT_GT(links, 60);
    for (std::string_view page : HelpPages())
        if (page != kHelpIndexPage) {
            EXPECT_TRUE(reached.count(std::string(page))) << page;
        }
}

// The pages in the build are exactly what the hint search draws today, and
// every technique has its example on its own page.
TEST(HelpPages, EveryExampleIsTheHintsOwnStepOnItsPosition) {
    const auto examples = Examples();
    std::set<int> techniques;
    for (const auto& [id, e] : examples) {
        HintStep step;
        EXPECT_EQ(HelpExampleProblem(e, step), "") << id;
        EXPECT_EQ(step.technique, e.technique) << id;
        techniques.insert(e.technique);
        const auto page = kTechniqueTable[static_cast<std::size_t>(e.technique)].helpPage;
        EXPECT_NE(Read(kSource / "pages" / page).find("<!-- example " + id + " -->"),
                  std::string::npos)
            << id << " is not on " << page;
    }
    EXPECT_EQ(techniques.size(), static_cast<std::size_t>(kTechniqueCount));
    for (const auto& entry : fs::directory_iterator(kSource / "pages")) {
        std::vector<std::string> errors;
        const std::string drawn = FillHelpPage(Read(entry.path()), examples, errors);
        EXPECT_TRUE(errors.empty()) << entry.path() << ": " << errors.front();
        EXPECT_EQ(drawn, Read(kBuilt / entry.path().filename()))
            << entry.path().filename() << " in the build is out of date";
    }
}

TEST(HelpPages, ABoardShowsTheStepAndABrokenExampleIsRefused) {
    auto examples = Examples();
    HelpExample e = examples.at("x_wing");
    HintStep step;
    ASSERT_EQ(HelpExampleProblem(e, step), "");
    const std::string board = RenderHelpExample(e, step);
    // One struck mark per removal, one tinted cell per pattern cell.
    std::size_t struck = 0, tinted = 0;
    for (auto at = board.find("line-through"); at != std::string::npos;
         at = board.find("line-through", at + 1))
        ++struck;
    for (auto at = board.find("#fff4b0"); at != std::string::npos;
         at = board.find("#fff4b0", at + 1))
        ++tinted;
    EXPECT_EQ(struck, step.changes.size());
    EXPECT_EQ(tinted, static_cast<std::size_t>(step.pattern.cellCount));
    EXPECT_NE(board.find(ExplainStep(step)), std::string::npos);

    // A struck solution mark, a wrong digit, another technique's name.
    HelpExample broken = e;
    int empty = 0;
    while (broken.board[empty]) ++empty;
    broken.marks[empty] &= ~DigitBit(broken.solution[empty]);
    EXPECT_EQ(HelpExampleProblem(broken, step),
              "the solution's mark is missing at " + std::string(CellName(empty).data()));
    broken = e;
    broken.board[empty] = static_cast<std::uint8_t>(broken.solution[empty] % 9 + 1);
    EXPECT_NE(HelpExampleProblem(broken, step).find("a wrong digit"), std::string::npos);
    broken = e;
    broken.technique = kSwordfish;
    EXPECT_EQ(HelpExampleProblem(broken, step), "the hint here is 11, not Swordfish");
    broken = e;
    broken.solution[0] = broken.solution[1];
    EXPECT_EQ(HelpExampleProblem(broken, step), "the solution is not a solved grid");

    std::vector<std::string> errors;
    const std::string page = FillHelpPage("a <!-- example nothing --> b", examples, errors);
    EXPECT_EQ(page, "a  b");
    EXPECT_EQ(errors, std::vector<std::string>{"no example 'nothing'"});

    std::istringstream lines("# comment\n\nbad\tline\nx\tNo Such Technique\t1\t2\t3\t4\t5\n");
    errors.clear();
    EXPECT_TRUE(ReadHelpExamples(lines, errors).empty());
    EXPECT_EQ(errors,
              (std::vector<std::string>{"examples line 3: expected 7 fields",
                                        "examples line 4: unknown technique 'No Such Technique'"}));
}

class OneOutcome final : public UrlOpener {
  public:
    explicit OneOutcome(LinkOutcome o) : outcome(o) {}
    LinkOutcome OpenUrl(std::string_view url) override {
        asked.emplace_back(url);
        return outcome;
    }
    LinkOutcome outcome;
    std::vector<std::string> asked;
};

class Messages final : public Prompt {
  public:
    MessageAnswer ShowMessage(std::string_view text, std::string_view title, MessageIcon icon,
                              MessageButtons buttons) override {
        shown.push_back(std::string(title) + ": " + std::string(text));
        EXPECT_EQ(icon, MessageIcon::Exclamation);
        EXPECT_EQ(buttons, MessageButtons::Ok);
        return MessageAnswer::Ok;
    }
    std::string AskText(std::string_view, std::string_view, std::string_view) override {
        return {};
    }
    std::vector<std::string> shown;
};

TEST(WebLink, OpensTheOneAddressAndNamesEachFailure) {
    const std::pair<LinkOutcome, std::vector<std::string>> cases[] = {
        {LinkOutcome::Opened, {}},
        {LinkOutcome::NoBrowser, {"Browser Not Found: Could not find associated Browser"}},
        {LinkOutcome::Failed, {"URL Failed: Web Page not Opened"}},
    };
    for (const auto& [outcome, messages] : cases) {
        OneOutcome opener(outcome);
        Messages prompt;
        EXPECT_EQ(OpenWebSite(opener, prompt), outcome);
        EXPECT_EQ(opener.asked, std::vector<std::string>{std::string(kWebSiteAddress)});
        EXPECT_EQ(prompt.shown, messages);
    }
    EXPECT_EQ(kWebSiteAddress.rfind("https://", 0), 0u);
}

TEST(HelpPages, EveryTechniquePageEndsWithALinkToPractiseEachOfItsTechniques) {
    std::set<int> linked;
    for (std::string_view page : HelpPages()) {
        const std::string html = Read(kBuilt / std::string(page));
        const std::string shown = WithPracticeLinks(html, page);
        const bool techniquePage = std::any_of(kTechniqueTable.begin(), kTechniqueTable.end(),
                                               [&](const auto& t) { return t.helpPage == page; });
        if (!techniquePage) {
            EXPECT_EQ(shown, html) << page << " is no technique's page";
            continue;
        }
        EXPECT_NE(shown.find("Play a puzzle that needs this technique"), std::string::npos) << page;
        // The links stand last in the body.
        const std::size_t links = shown.rfind("dravik-practice:");
        EXPECT_LT(links, shown.rfind("</body>")) << page;
        const std::regex link("href=\"(dravik-practice:[A-Z0-9]+)\"");
        for (std::sregex_iterator it(shown.begin(), shown.end(), link), end; it != end; ++it) {
            const std::optional<int> t = PracticeLinkTechnique((*it)[1].str());
            ASSERT_TRUE(t) << (*it)[1];
            EXPECT_EQ(kTechniqueTable[static_cast<std::size_t>(*t)].helpPage, page);
            linked.insert(*t);
        }
    }
    EXPECT_EQ(linked.size(), static_cast<std::size_t>(kTechniqueCount));
    EXPECT_EQ(PracticeLinkTechnique("dravik-practice:xw"), std::nullopt);
    EXPECT_EQ(PracticeLinkTechnique("https://example.org/XW"), std::nullopt);
}

} // namespace
} // namespace dravik
