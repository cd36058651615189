// The NPC list's OK through the real dialog (offscreen, every question answered "すべてはい"), against
// the core rebuild of the same files in the same run: what the dialog adds to the save must stay
// small however many scenes there are.
//
//   bench_npc_dialog [scenes]   (500 without a count)

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

#include "app/editor_context.h"
#include "app/editor_registry.h"
#include "app/services.h"
#include "core/hub/hub_rules.h"
#include "core/world/npc_editing.h"
#include "core/world/npc_list.h"
#include "core/world/placed_lists.h"
#include "core/world/scene_catalog.h"
#include "bench_timing.h"
#include "scene_generator.h"

namespace {

namespace fs = std::filesystem;
using lw::bench::Best;
using lw::bench::Stopwatch;

// Answers every question "すべてはい" (or "はい"), shows no window.
class YesServices final : public lw::Services {
public:
    lw::MessageAnswer ShowMessage(QWidget*, const lw::Message& m) override {
        ++messages;
        if (m.buttons == lw::MessageButtons::YesNoYesToAll) return lw::MessageAnswer::YesToAll;
        return m.buttons == lw::MessageButtons::YesNo ? lw::MessageAnswer::Yes : lw::MessageAnswer::Ok;
    }
    std::optional<QString> ChooseFolder(QWidget*, const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> ChooseOpenFile(QWidget*, const QStringList&) override { return std::nullopt; }
    bool MoveToTrash(const QString&) override { return false; }
    bool ShowProgress(QWidget*, int, int, const QString&, bool) override { return true; }
    void EndProgress() override {}
    int messages = 0;
};

struct Always : lw::SaveUi {
    bool ConfirmOverwrite(std::string_view) override { return true; }
    void CannotCreate() override { std::exit(1); }
};

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int sceneCount = argc > 1 ? std::atoi(argv[1]) : 500;
    const fs::path root = fs::temp_directory_path() / ("lw-bench-npc-dialog-" + std::to_string(::getpid()));
    lw::bench::GeneratedProject g = lw::bench::GenerateProject(root, sceneCount, false);
    std::printf("project: %d scenes, %.1f MB of scene files, %d NPCs\n", g.scenes,
                static_cast<double>(g.sceneBytes) / 1e6, g.npcs);

    // The core rebuild: the same files the dialog's OK writes (flag_exp.txt, npc_list.txt, every scene).
    Best core;
    {
        lw::SceneCatalog catalog;
        lw::LoadSceneCatalog(g.project, catalog);
        std::vector<lw::Npc> npcs;
        lw::LoadNpcList(g.project, npcs);
        lw::AssignNpcScenes(npcs, catalog);
        const std::vector<lw::SceneListRow> rows = lw::NpcSceneRows(npcs);
        lw::FlagExplanations flags;
        for (int round = 0; round < 3; ++round) {
            Always ui;
            Stopwatch m;
            const auto saved = lw::SavePlacedList(
                g.project,
                {lw::kNpcFile, [&](lw::TagWriter& w) { lw::WriteNpcList(w, npcs); }, lw::SceneList::Npc, rows, &catalog,
                 &flags},
                ui);
            core.Add(m.Lap());
            if (saved.outcome != lw::PlacedListOutcome::Saved) return 1;
        }
    }

    // The dialog: opened as the hub opens it, OK pressed as soon as it shows; only the OK is timed.
    lw::EditorRegistry registry;
    lw::RegisterEditors(registry);
    Best dialog;
    int questions = 0;
    for (int round = 0; round < 3; ++round) {
        YesServices services;
        lw::EditorContext context;
        context.project = g.project;
        context.services = &services;
        Stopwatch pressed;
        QTimer::singleShot(0, [&pressed] {
            auto* editor = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!editor) std::exit(1);
            pressed = Stopwatch{};
            editor->accept();
        });
        if (!registry.Open(lw::HubEditor::Npc, context, nullptr)) return 1;
        dialog.Add(pressed.Lap());
        questions = services.messages;
    }
    std::printf("NPC list OK (best of 3): dialog %.1f ms wall / %.1f ms cpu;  core rebuild %.1f ms wall / %.1f ms "
                "cpu;  ratio %.2f wall, %.2f cpu;  %d question(s) asked\n",
                dialog.best.wall, dialog.best.cpu, core.best.wall, core.best.cpu, dialog.best.wall / core.best.wall,
                dialog.best.cpu / core.best.cpu,
                questions);
    fs::remove_all(root);
    return 0;
}
