#include "res/corvane_resources.h"

const ResourceModule& CorvaneResources()
{
    static const ResourceModule module{LANG_ENGLISH_US, CorvaneStringTable(), &CorvaneVersionBlock()};
    return module;
}

void UseCorvaneResources()
{
    AfxSetResourceModule(CorvaneResources());
}
