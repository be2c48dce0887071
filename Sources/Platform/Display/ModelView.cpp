#include "Display/ModelView.h"

namespace platform::display {

ModelView& TheModelView() {
    static ModelView view;
    return view;
}

ModelSnapshot TakeSnapshot() {
    const ModelView& view = TheModelView();
    ModelSnapshot snapshot;
    if (view.windows) view.windows(snapshot);
    for (WindowSnapshot& window : snapshot.windows)
        for (const auto* part : {&view.controls, &view.dialog, &view.lists, &view.textEdits})
            if (*part) (*part)(window);
    if (view.menuBar) snapshot.menuBar = view.menuBar();
    return snapshot;
}

std::vector<ListRowSnapshot> AllRows(const ListSnapshot& list) {
    const auto& rows = TheModelView().listRows;
    return rows ? rows(list.id, 0, list.rows) : std::vector<ListRowSnapshot>{};
}

} // namespace platform::display
