#include "res/Resources.h"

#include "res/ResourceParts.h"

const fw::ResourceTable& ProgramResources()
{
    static const fw::ResourceTable table{
        res::ProgramDialogs(),
        res::ProgramMenus(),
        res::ProgramStrings(),
        res::ProgramIcons(),
    };
    return table;
}
