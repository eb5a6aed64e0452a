// toolkit-demo: a skinned host window with a few placeholder controls, to look
// at the skin, the shadow, the caption buttons and the animations.
#include "toolkit/core/ToolkitStartup.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    if (!ToolkitStartup())
        return 1;
    return 0;
}
