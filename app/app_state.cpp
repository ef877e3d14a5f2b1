// The application state record; the hover fields start as "nothing under the pointer".
#include "app/app_state.h"

AppState g_app = [] {
    AppState state = {};
    state.hoverCard = -1;
    state.hoverButton = -1;
    return state;
}();
