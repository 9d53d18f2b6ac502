#include "res/corvane_resources.h"

// Resource languages: the string table, the dialog templates and the version
// block are English (United States); the icon and the bitmap carry English
// (Australia), each in its own entry.
const ResourceModule& CorvaneResources()
{
    static const ResourceModule module{LANG_ENGLISH_US, CorvaneStringTable(),    &CorvaneVersionBlock(),
                                       CorvaneDialogTemplates(), CorvaneIcons(), CorvaneBitmaps()};
    return module;
}

void UseCorvaneResources()
{
    AfxSetResourceModule(CorvaneResources());
}
