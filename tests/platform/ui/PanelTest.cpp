#include "DocumentTestSupport.h"
#include "platform/ui/OpenPanel.h"
#include "platform/ui/SavePanel.h"

using namespace platform;
using namespace documenttest;

namespace {

class PanelTest : public DocumentTest {
protected:
    PanelTest() {
        writeFile(folder / "notes.sealscribe", "n");
        writeFile(folder / "shout.SEALSCRIBE", "s");
        writeFile(folder / "notes.txt", "t");
        fs::create_directory(folder / "sub");
        fs::create_directory(folder / "pictures.rtfd");
        window->makeKeyAndOrderFront(nullptr);
    }

    String at(const std::string& name) const { return pathString(folder / name); }

    std::shared_ptr<Window> window = std::make_shared<Window>(Rect(100, 100, 400, 300));
};

TEST_F(PanelTest, SavePanelAsASheetAnswersWithTheChosenFile) {
    auto panel = SavePanel::savePanel();
    panel->setAllowedFileTypes({u"sealscribe"});
    std::optional<ModalResponse> result;
    panel->beginSheetModalForWindow(window, [&](ModalResponse code) { result = code; });
    EXPECT_FALSE(result) << "beginning the sheet returns at once";
    EXPECT_EQ(window->attachedSheet(), panel);
    EXPECT_TRUE(panel->isShown());
    EXPECT_EQ(panel->prompt(), u"Save");

    EXPECT_TRUE(panel->userChoose(at("letter")));
    EXPECT_EQ(result, ModalResponseOK);
    EXPECT_EQ(window->attachedSheet(), nullptr);
    EXPECT_EQ(panel->URL(), fileURL(folder / "letter.sealscribe"));
    EXPECT_FALSE(panel->userChoose(at("again"))) << "an answered panel takes no answer";

    panel->beginSheetModalForWindow(window, [&](ModalResponse code) { result = code; });
    EXPECT_TRUE(panel->userCancel());
    EXPECT_EQ(result, ModalResponseCancel);
    EXPECT_EQ(panel->URL(), std::nullopt);
}

TEST_F(PanelTest, SavePanelAddsTheAllowedExtensionWhenTheNameHasAnother) {
    const struct {
        std::vector<String> types;
        std::string typed;
        std::string saved;
    } cases[] = {
        {{u"sealscribe"}, "letter", "letter.sealscribe"},
        {{u"sealscribe"}, "letter.sealscribe", "letter.sealscribe"},
        {{u"sealscribe"}, "letter.SealScribe", "letter.SealScribe"},
        {{u"sealscribe"}, "letter.txt", "letter.txt.sealscribe"},
        {{u"sealscribe"}, ".hidden", ".hidden.sealscribe"},
        {{}, "letter", "letter"},
        {{u"rtf", u"txt"}, "letter.txt", "letter.txt"},
        {{u"rtf", u"txt"}, "letter", "letter.rtf"},
    };
    for (const auto& [types, typed, saved] : cases) {
        auto panel = SavePanel::savePanel();
        panel->setAllowedFileTypes(types);
        panel->beginSheetModalForWindow(window, {});
        EXPECT_TRUE(panel->userChoose(at(typed))) << typed;
        EXPECT_EQ(panel->URL(), fileURL(folder / saved)) << typed;
    }
}

TEST_F(PanelTest, SavePanelTakesANameInItsFolderAndRefusesAFolder) {
    auto panel = SavePanel::savePanel();
    panel->setDirectoryURL(fileURL(folder / "sub"));
    panel->beginSheetModalForWindow(window, {});
    EXPECT_FALSE(panel->userChoose(at("sub")));
    EXPECT_FALSE(panel->userChoose(u""));
    EXPECT_TRUE(panel->isShown()) << "a refused choice leaves the panel shown";
    EXPECT_TRUE(panel->userChoose(u"letter"));
    EXPECT_EQ(panel->URL(), fileURL(folder / "sub" / "letter"));
}

TEST_F(PanelTest, OpenPanelTakesOnlyWhatItMayChoose) {
    struct Case {
        const char* what;
        std::vector<std::string> chosen;
        bool taken;
    };
    const Case defaults[] = {
        {"an allowed file", {"notes.sealscribe"}, true},
        {"an allowed extension in capitals", {"shout.SEALSCRIBE"}, true},
        {"another extension", {"notes.txt"}, false},
        {"a file that does not exist", {"missing.sealscribe"}, false},
        {"a folder", {"sub"}, false},
        {"two files", {"notes.sealscribe", "shout.SEALSCRIBE"}, false},
        {"nothing", {}, false},
    };
    for (const auto& [what, chosen, taken] : defaults) {
        auto panel = OpenPanel::openPanel();
        panel->setAllowedFileTypes({u"sealscribe"});
        panel->beginSheetModalForWindow(window, {});
        std::vector<String> paths;
        for (const auto& name : chosen)
            paths.push_back(at(name));
        EXPECT_EQ(panel->userChoose(paths), taken) << what;
        EXPECT_EQ(panel->isShown(), !taken) << what;
        if (panel->isShown()) {
            EXPECT_TRUE(panel->userCancel());
        }
    }

    // A package is a file: an import of any file takes it, and a save may replace it once
    // the user agrees, asked about the name as written.
    auto any = OpenPanel::openPanel();
    any->beginSheetModalForWindow(window, {});
    EXPECT_FALSE(any->userChoose(at("sub")));
    EXPECT_TRUE(any->userChoose(at("pictures.rtfd")));
    auto save = SavePanel::savePanel();
    save->setAllowedFileTypes({u"rtfd"});
    save->beginSheetModalForWindow(window, {});
    modal->answerNextWith(u"Cancel");
    EXPECT_FALSE(save->userChoose(at("pictures")));
    EXPECT_TRUE(save->isShown());
    modal->answerNextWith(u"Replace");
    EXPECT_TRUE(save->userChoose(at("pictures")));
    EXPECT_EQ(save->URL(), fileURL(folder / "pictures.rtfd"));
    ASSERT_EQ(modal->alertsShown().size(), 2U);
    EXPECT_EQ(modal->alertsShown()[1]->messageText(),
              u"A file named \u201cpictures.rtfd\u201d already exists. Do you want to replace it?");

    auto folders = OpenPanel::openPanel();
    folders->setCanChooseFiles(false);
    folders->setCanChooseDirectories(true);
    folders->setAllowsMultipleSelection(true);
    folders->beginSheetModalForWindow(window, {});
    EXPECT_FALSE(folders->userChoose(at("notes.sealscribe")));
    EXPECT_TRUE(folders->userChoose(std::vector<String>{at("sub"), pathString(folder.path())}));
    EXPECT_EQ(folders->URLs(), (std::vector<URL>{fileURL(folder / "sub"), fileURL(folder.path())}));
    EXPECT_EQ(folders->URL(), fileURL(folder / "sub"));
}

TEST_F(PanelTest, PanelsRunModallyWithScriptedAnswers) {
    auto open = OpenPanel::openPanel();
    open->setAllowedFileTypes({u"sealscribe"});
    modal->chooseInNextPanel(at("notes.sealscribe"));
    EXPECT_EQ(open->runModal(), ModalResponseOK);
    EXPECT_EQ(open->URLs(), std::vector<URL>{fileURL(folder / "notes.sealscribe")});
    EXPECT_FALSE(open->isShown());

    modal->cancelNextPanel();
    EXPECT_EQ(open->runModal(), ModalResponseCancel);
    EXPECT_TRUE(open->URLs().empty());

    // Without a window, a sheet runs modally and then its handler.
    auto save = SavePanel::savePanel();
    std::optional<ModalResponse> result;
    modal->chooseInNextPanel(at("modal"));
    save->beginSheetModalForWindow(nullptr, [&](ModalResponse code) { result = code; });
    EXPECT_EQ(result, ModalResponseOK);
    EXPECT_EQ(save->URL(), fileURL(folder / "modal"));
    EXPECT_EQ(modal->panelsShown().size(), 3u);
    EXPECT_EQ(modal->pendingPanelAnswers(), 0u);
}

TEST_F(PanelTest, AModalPanelWithoutAnAnswerFailsClearlyAndAborts) {
    std::vector<std::string> failures;
    auto runner = std::make_shared<ScriptedPanelRunner>(
        [&](const std::string& failure) { failures.push_back(failure); });
    app->setModalRunner(runner);
    auto panel = OpenPanel::openPanel();
    EXPECT_EQ(panel->runModal(), ModalResponseAbort);
    runner->chooseInNextPanel(at("notes.txt"));
    panel->setAllowedFileTypes({u"sealscribe"});
    EXPECT_EQ(panel->runModal(), ModalResponseAbort);
    ASSERT_EQ(failures.size(), 2u);
    EXPECT_NE(failures[0].find("no answer scripted"), std::string::npos) << failures[0];
    EXPECT_NE(failures[1].find("refused"), std::string::npos) << failures[1];
}

TEST_F(PanelTest, APanelWaitsBehindAnAttachedSheet) {
    auto alert = std::make_shared<Alert>();
    alert->beginSheetModalForWindow(window, {});
    auto panel = SavePanel::savePanel();
    std::optional<ModalResponse> result;
    panel->beginSheetModalForWindow(window, [&](ModalResponse code) { result = code; });
    EXPECT_FALSE(panel->isShown());
    EXPECT_FALSE(panel->userChoose(at("early")));
    EXPECT_TRUE(alert->userPressButton(u"OK"));
    EXPECT_EQ(window->attachedSheet(), panel);
    window->endSheet(panel);
    EXPECT_EQ(result, ModalResponseStop);
    EXPECT_EQ(panel->URL(), std::nullopt);
}

} // namespace
