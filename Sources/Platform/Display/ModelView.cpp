#include "Display/ModelView.h"

namespace platform::display {

ModelView& TheModelView() {
    static ModelView view;
    return view;
}

} // namespace platform::display
