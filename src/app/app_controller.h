#pragma once
// The program's state and its project operations: the editor context (open project, shared
// tables, services), the editor registry, and the creation location that the new-project dialog
// offers again for the whole run.

#include <QString>
#include <functional>

#include "app/editor_context.h"
#include "app/editor_registry.h"

class QWidget;

namespace lw {

class Services;

class AppController {
public:
    explicit AppController(Services& services);

    EditorContext& context() { return context_; }
    const EditorRegistry& registry() const { return registry_; }
    EditorRegistry& registry() { return registry_; }
    Services& services() { return services_; }

    // The folder chosen last in the folder chooser (empty until one is chosen).
    const QString& creationLocation() const { return creationLocation_; }

    // The new-project dialog's OK: copies the names into the project (even when a later step
    // stops), asks for the creation location, makes the folders and writes prepare.txt. Returns
    // false when the dialog must stay open.
    bool CreateProjectFromNames(QWidget* owner, const Project& names);

    // The open operation: asks for a prepare.txt and reads it. A cancelled chooser changes
    // nothing; an unreadable file leaves no project open.
    void OpenProject(QWidget* owner);
    // Reads the prepare.txt at `path` (a project folder stands for the prepare.txt in it), as the
    // open operation does with the file chosen; also used for a project named at start-up. A file
    // that cannot be read is reported; it and a missing one leave no project open.
    void OpenProjectFile(QWidget* owner, const QString& path);

    bool IsProjectOpen() const;

    // Releases every table that editors loaded and the preview's pictures and window (used at
    // shutdown; harmless twice).
    void ReleaseTables();

private:
    Services& services_;
    EditorContext context_;
    EditorRegistry registry_;
    QString creationLocation_;
};

}  // namespace lw
