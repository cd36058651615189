// Shows one window of the editor on its own, for looking at it and taking screenshots:
//   lw_show_window main|new|hub [project folder]
// The hub uses the given project folder (default names data, image, audio).

#include <QApplication>
#include <QTimer>
#include <cstring>

#include "app/app_controller.h"
#include "app/hub_dialog.h"
#include "app/main_window.h"
#include "app/new_project_dialog.h"
#include "app/services.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    lw::QtServices services;
    lw::AppController controller(services);
    lw::Project& p = controller.context().project;
    if (argc > 2) p.root = argv[2];
    p.dataFolder = "data";
    p.imageFolder = "image";
    p.audioFolder = "audio";

    std::unique_ptr<QWidget> window;
    if (!std::strcmp(argv[1], "main")) window = std::make_unique<lw::MainWindow>(controller);
    else if (!std::strcmp(argv[1], "new")) window = std::make_unique<lw::NewProjectDialog>(controller, nullptr);
    else if (!std::strcmp(argv[1], "hub")) window = std::make_unique<lw::HubDialog>(controller, nullptr);
    else return 2;
    window->show();
    return app.exec();
}
