#include "app/app_controller.h"

#include <QDir>
#include <QFileInfo>

#include "app/services.h"
#include "core/media/effect_animation.h"
#include "core/project/project.h"
#include "previews/image_view.h"

namespace lw {

AppController::AppController(Services& services) : services_(services) {
    context_.services = &services_;
    std::error_code ec;
    context_.project.root = std::filesystem::current_path(ec);  // empty when the folder is gone
    RegisterEditors(registry_);
}

bool AppController::IsProjectOpen() const { return lw::IsProjectOpen(context_.project); }

bool AppController::CreateProjectFromNames(QWidget* owner, const Project& names) {
    if (CheckNewProjectNames(names) == NewProjectNames::NotPlain) {
        // A name with a path in it would put the project, or one of its folders, somewhere else
        // than inside the chosen location. Such names are not taken over.
        services_.Inform(owner, QObject::tr("ﾌｫﾙﾀﾞ名に「\\」「/」を含む名前や「.」「..」は使えません"));
        return false;
    }
    Project& project = context_.project;
    project.gameFolder = names.gameFolder;
    project.imageFolder = names.imageFolder;
    project.audioFolder = names.audioFolder;
    project.dataFolder = names.dataFolder;
    project.waitImage = names.waitImage;

    if (!lw::IsProjectOpen(project)) {
        services_.Inform(owner, QObject::tr("未入力の項目があります"));
        return false;
    }
    if (auto chosen = services_.ChooseFolder(owner, QObject::tr("ﾌｫﾙﾀﾞを作成する場所を指定して下さい"),
                                             creationLocation_)) {
        creationLocation_ = *chosen;
    }
    if (creationLocation_.isEmpty()) {
        services_.Inform(owner, QObject::tr("保存場所が未定です"));
        return false;
    }

    ProjectFolders made = CreateProjectFolders(std::filesystem::path(creationLocation_.toStdString()), project);
    project.root = made.projectPath;

    DialogSaveUi saveUi(services_, owner);
    SavePrepareFile(project, saveUi);

    if (!made.failed.empty()) {
        QString list;
        for (const auto& path : made.failed) list += QDir::toNativeSeparators(QString::fromStdString(path.string())) + "\n";
        services_.Inform(owner, list + QObject::tr("\n以上のフォルダを作成できません"));
    }
    return true;
}

void AppController::OpenProject(QWidget* owner) {
    auto file = services_.ChooseOpenFile(
        owner, {QStringLiteral("prepare.txt (prepare.txt)"), QObject::tr("すべてのファイル (*.*)")});
    if (!file) return;
    OpenProjectFile(owner, *file);
}

void AppController::OpenProjectFile(QWidget* owner, const QString& path) {
    // A folder stands for its prepare.txt.
    const QFileInfo given(path);
    const QString file = given.isDir() ? QDir(path).filePath(QStringLiteral("prepare.txt")) : path;
    Project& project = context_.project;
    project.root = std::filesystem::path(QFileInfo(file).absolutePath().toStdString());
    if (LoadPrepareFile(project, std::filesystem::path(file.toStdString())) == ReadStatus::Unreadable) {
        // The file is there but could not be read (not a regular file, too large): no project
        // is open, and the author is told why. A missing file opens nothing, silently.
        services_.ShowMessage(owner, Message{.text = QObject::tr("%1 を読み込めません。")
                                                         .arg(QDir::toNativeSeparators(file)),
                                             .icon = MessageIcon::Warning});
        return;
    }
    if (lw::IsProjectOpen(project)) {
        // A save of several files that the process did not live to finish is completed first: its
        // prepared files are complete and on disk, and its journal says where each goes.
        const RecoveredCommit recovered = FinishInterruptedCommit(project.root, DataFolderPath(project));
        if (recovered.journalFound)
            services_.Inform(owner, QObject::tr("前回の保存が途中で終わっていたため、その保存を完了しました（%1 ファイル）。")
                                        .arg(recovered.renamed));
        // Temporary files that a save cut short left behind.
        RemoveStaleTemporaryFiles(project.root);
        RemoveStaleTemporaryFiles(project.root / NativeName(project.dataFolder));
    }
}

void AppController::ReleaseTables() {
    ReleaseEffectTable(context_.effects);
    context_.imageView->CloseWithSprites();
}

}  // namespace lw
