#include "app/load_progress.h"

#include "app/services.h"
#include "core/world/scene_catalog.h"

namespace lw {

LoadProgress::~LoadProgress() {
    if (shown_) services_->EndProgress();
}

void LoadProgress::Step(std::size_t done, std::size_t total, std::string_view fileName) {
    if (!services_ || total <= kProgressFileCount) return;
    shown_ = true;
    services_->ShowProgress(owner_, static_cast<int>(done), static_cast<int>(total), FromCp932(fileName), false);
}

void LoadSceneCatalogShown(Services* services, QWidget* owner, const Project& project, SceneCatalog& catalog) {
    LoadProgress progress(services, owner);
    LoadSceneCatalog(project, catalog, [&progress](std::size_t done, std::size_t total, std::string_view name) {
        progress.Step(done, total, name);
    });
}

}  // namespace lw
