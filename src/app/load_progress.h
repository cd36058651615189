#pragma once
// The progress shown while an editor reads many files.

#include <cstddef>
#include <string_view>

class QWidget;

namespace lw {

class Services;
struct Project;
struct SceneCatalog;

// The progress of a load of more than kProgressFileCount files (the scene catalog, the scene or map
// animation files of a list editor): shown once the load has taken half a second, without a
// cancel button (the editor needs every file). Closed when this goes out of scope.
class LoadProgress {
public:
    LoadProgress(Services* services, QWidget* owner) : services_(services), owner_(owner) {}
    ~LoadProgress();
    LoadProgress(const LoadProgress&) = delete;
    LoadProgress& operator=(const LoadProgress&) = delete;
    // Tells that file `done` + 1 of `total` (CP932 name) is read next.
    void Step(std::size_t done, std::size_t total, std::string_view fileName);

private:
    Services* services_;
    QWidget* owner_;
    bool shown_ = false;
};

// Reads the scene catalog (LoadSceneCatalog) with that progress.
void LoadSceneCatalogShown(Services* services, QWidget* owner, const Project& project, SceneCatalog& catalog);

}  // namespace lw
