#pragma once
// The map view: one small always-on-top tool window showing the map of the scene chosen in the
// dialog that is open (both chip layers, grid, the NPC and chest markers, the sprite being placed),
// with scroll bars over a 320 x 240 drawing area. In the placement modes it captions itself with
// the hovered cell and signals a clicked cell to the dialog that owns it. Its state (MapViewState)
// outlives the window: the map, chip sets and markers stay until ReleaseContents.
//
// A scene dialog uses it like this:
//
//   MapView& view = *context.mapView;
//   view.Open(this);                                      // hidden window beside this dialog
//   view.SetMode(MapViewMode::Placement, this);           // this dialog receives the clicks
//   connect(&view, &MapView::cellClicked, this, [this](QWidget* owner, int x, int y) {
//       if (owner == this) ...;                           // only the owner acts
//   });
//   MapViewScene shown = SceneOnMap(scene);
//   shown.npcMarkers = BuildNpcMarkers(context.project, scene.npcIndices, npcTable);
//   view.ShowScene(shown);                                // map, chip sets, markers, caption
//   view.state().sprite = ...;  view.Repaint();           // what is being placed
//   view.Show();                                          // or Hide() by the "表示" check box
//   ...
//   view.ReleaseContents();  view.Close();                // when the dialog closes
//
// There is one window at a time: opening it for another dialog closes the old window (the
// contents stay). A window goes with the dialog it belongs to.

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QString>
#include <QWidget>
#include <string>
#include <string_view>
#include <vector>

#include "core/project/project.h"
#include "core/world/scene.h"
#include "render/map_view_state.h"

namespace lw {

class MapViewWindow;

// What the view needs from a scene to show it.
struct MapViewScene {
    std::string name;               // CP932: the window's caption
    std::string mapDataFile;        // in the data folder
    std::string backgroundChipSet;  // layer 0, in the image folder
    std::string layerChipSet;       // layer 1, in the image folder
    DrawSpec layerSpec;             // how layer 1 is drawn
    std::vector<MapMarker> npcMarkers;
    std::vector<MapMarker> chestMarkers;
};

// A scene's map, chip sets, layer-1 drawing and name; the markers are left to the caller
// (BuildNpcMarkers for the NPCs).
MapViewScene SceneOnMap(const Scene& scene);

class MapView : public QObject {
    Q_OBJECT

public:
    // The drawing area the window opens with.
    static constexpr QSize kClientSize{320, 240};

    // The project gives the data and image folders; it outlives the view.
    explicit MapView(const Project& project, QObject* parent = nullptr);
    ~MapView() override;

    MapViewState& state() { return state_; }
    const MapViewState& state() const { return state_; }

    // Creates the window, hidden, with an empty caption and a 320 x 240 drawing area, beside the
    // owner dialog (to its right where the screen has room; never over it while the screen has
    // room elsewhere), as a tool window of `ownerDialog` (which also receives the clicks). It keeps
    // beside the dialog when the dialog moves. A window that is open already is closed first; its
    // contents stay.
    void Open(QWidget* ownerDialog);
    bool IsOpen() const { return window_ != nullptr; }
    bool IsShown() const;
    QWidget* window() const;
    // The drawing area's size (none without a window).
    QSize clientSize() const;

    // Sets the view mode; `owner`, when given, becomes the dialog that receives the clicks.
    void SetMode(MapViewMode mode, QWidget* owner = nullptr);
    void SetOwner(QWidget* owner) { owner_ = owner; }
    QWidget* owner() const { return owner_; }

    // Reads the scene's map data file and both chip sets (a file that does not load leaves that part
    // undrawn), takes the layer-1 settings and the markers, captions the window with the scene name,
    // sets the scroll extent to the map and repaints. The caller then shows the window.
    void ShowScene(const MapViewScene& scene);
    // The parts on their own (an empty name only drops what was there).
    void LoadMap(std::string_view mapDataFile);
    void LoadChipSet(int layer, std::string_view fileName);
    void SetLayerSpec(const DrawSpec& spec);
    void SetMarkers(std::vector<MapMarker> npcMarkers, std::vector<MapMarker> chestMarkers);

    // The scroll position in pixels, kept within 0 .. extent - drawing area.
    void SetScroll(int x, int y);
    QPoint scroll() const { return state_.scroll; }

    void Show();
    void Hide();
    void SetCaption(const QString& caption);
    QString caption() const;
    // Redraws after the state was changed directly; the scroll bars follow the map's size.
    void Repaint();

    // Frees the markers, the map cells and the chip sets; the window stays.
    void ReleaseContents();
    // Closes the window (its hovered cell is cleared); the contents stay.
    void Close();

    // The frame the window shows now.
    QImage ComposeFrame() const;

    // Mouse input in drawing-area coordinates (the window forwards its events here).
    void HandleMouseMove(QPoint point);
    void HandleLeave();
    void HandleLeftButton(QPoint point);

signals:
    // A cell of the map clicked in a placement mode, sent to the owning dialog.
    void cellClicked(QWidget* owner, int x, int y);

protected:
    // The window moves along with the dialog it belongs to.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class MapViewWindow;
    void OnScrolled(QPoint scroll);
    void OnWindowGone();
    void UpdateScrollBars();

    const Project& project_;
    MapViewState state_;
    MapViewWindow* window_ = nullptr;
    QPointer<QWidget> owner_;
};

}  // namespace lw
