// The registry of the program's resources: one table, handed over once at
// start-up, and the look-ups that the window code makes by resource number.
#include "core/Resources.h"

namespace fw {

namespace {

const ResourceTable* g_resources = nullptr;

template <typename Item>
const Item* FindById(const std::vector<Item>& items, int id)
{
    for (const Item& item : items) {
        if (item.id == id)
            return &item;
    }
    return nullptr;
}

}  // namespace

void SetResources(const ResourceTable* table)
{
    g_resources = table;
}

const ResourceTable* Resources()
{
    return g_resources;
}

const DialogTemplate* FindDialogTemplate(int id)
{
    return g_resources ? FindById(g_resources->dialogs, id) : nullptr;
}

const MenuTemplate* FindMenuTemplate(int id)
{
    return g_resources ? FindById(g_resources->menus, id) : nullptr;
}

const IconResource* FindIcon(int id)
{
    return g_resources ? FindById(g_resources->icons, id) : nullptr;
}

ByteString LoadString(int id)
{
    if (!g_resources)
        return {};
    const StringResource* found = FindById(g_resources->strings, id);
    return found ? cp932::FromUtf8(found->text) : ByteString{};
}

}  // namespace fw
