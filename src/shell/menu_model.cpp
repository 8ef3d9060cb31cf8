#include "shell/menu_model.hpp"

#include <functional>
#include <map>

#include "shell/commands.hpp"
#include "shell/model_opening.hpp"
#include "shell/solid_menu_commands.hpp"
#include "solids/solid_menu.hpp"

namespace orrin {

namespace {

// The solids the menu shows; the other solid items stay in the window, hidden.
constexpr int kShownSolids[] = {0, 4, 5, 19, 21, 25};

bool IsShownSolid(int index) {
    for (int shown : kShownSolids)
        if (shown == index) return true;
    return false;
}

struct CommandItem {
    const char* parent;
    const char* name;
    int index;
    const char* caption;
};
constexpr CommandItem kCommandItems[] = {
    {"mnuFile", "mnuAbout", -1, "关于"},        {"mnuFile", "mnuHelp", -1, "帮助"},
    {"mnuFile", "mnuOpen", -1, "打开模型…"},    {"mnuFile", "mnuSave", -1, "保存模型…"},
    {"mnuFile", "mnuRename", -1, "重命名…"},    {"mnuFile", "mnuClear", -1, "清除"},
    {"mnuFile", "mnuExit", -1, "退出"},         {"mnuDemo", "mnuRedraw", -1, "重画"},
    {"mnuDemo", "mnuToggleLight", -1, "光源"},  {"mnuDemo", "mnuToggleOrtho", -1, "正投影"},
    {"mnuDemo", "mnuPaint", 0, "白色"},         {"mnuDemo", "mnuPaint", 1, "随机颜色"},
    {"mnuDemo", "mnuPaint", 2, "渐变色"},       {"mnuDemo", "mnuSubdivide", 0, "重心细分"},
    {"mnuDemo", "mnuSubdivide", 1, "中点细分"}, {"mnuDemo", "mnuRipple", -1, "波纹面"},
    {"mnuDemo", "mnuChart", 0, "柱状图"},       {"mnuDemo", "mnuChart", 1, "曲面图"},
    {"mnuDemo", "mnuChart", 2, "饼图"},         {"mnuDemo", "mnuScatter", 0, "点"},
    {"mnuDemo", "mnuScatter", 1, "线段"},       {"mnuDemo", "mnuScatter", 2, "文字"},
    {"mnuDemo", "mnuScatter", 3, "曲线"},
};

void AddMenu(std::vector<MenuItem>& items, const char* name, const char* caption, bool visible) {
    items.push_back({name, -1, caption, "", visible, false, ""});
}

void AddItem(std::vector<MenuItem>& items, const char* parent, const char* name, int index,
             const char* caption, bool visible = false, const char* shortcut = "") {
    items.push_back({name, index, caption, parent, visible, false, shortcut});
}

std::vector<MenuItem> WindowMenus() {
    std::vector<MenuItem> items;
    AddMenu(items, "mnuView", "外观", false);
    AddItem(items, "mnuView", "mnuDrawStyleOption", 0, "线图", false, "F1");
    AddItem(items, "mnuView", "mnuDrawStyleOption", 2, "实景图", true, "F3");

    AddMenu(items, "mnuObject", "实体", true);
    // Every solid with a caption has an item, in index order; the two without one have none.
    for (const quarn::SolidMenuEntry& entry : quarn::SolidMenuEntries())
        if (!entry.Caption.empty())
            items.push_back({"mnuBasicOption", entry.Index, std::string(entry.Caption), "mnuObject",
                             IsShownSolid(entry.Index), false, ""});

    // The commands that no shown menu reaches; they exist so that the window can offer and test them.
    AddMenu(items, "mnuFile", "文件", false);
    AddMenu(items, "mnuDemo", "演示", false);
    for (const CommandItem& command : kCommandItems)
        AddItem(items, command.parent, command.name, command.index, command.caption);
    // The light starts switched on, so the first toggle switches it off.
    for (MenuItem& item : items)
        if (item.Name == "mnuToggleLight") item.Checked = true;
    return items;
}

using ItemAction = std::function<void(std::int16_t index)>;

const std::map<std::string, ItemAction>& ItemActions() {
    static const std::map<std::string, ItemAction> actions = {
        {"mnuBasicOption", mnuBasicOption_Click},
        {"mnuDrawStyleOption", mnuDrawStyleOption_Click},
        {"mnuAbout", [](std::int16_t) { ShowAbout(); }},
        {"mnuHelp", [](std::int16_t) { OpenHelp(); }},
        {"mnuOpen", [](std::int16_t) { OpenModelFile(); }},
        {"mnuSave", [](std::int16_t) { SaveModelFile(); }},
        {"mnuRename", [](std::int16_t) { RenameMesh(); }},
        {"mnuClear", [](std::int16_t) { ClearAll(); }},
        {"mnuExit", [](std::int16_t) { ExitProgram(); }},
        {"mnuRedraw", [](std::int16_t) { RequestRedraw(); }},
        {"mnuToggleLight", [](std::int16_t) { ToggleLight(); }},
        {"mnuToggleOrtho", [](std::int16_t) { ToggleOrthographic(); }},
        {"mnuPaint", PaintCommand},
        {"mnuSubdivide", SubdivideCommand},
        {"mnuRipple", [](std::int16_t) { RippleSurface(); }},
        {"mnuChart", ChartDemo},
        {"mnuScatter", ScatterDemo},
    };
    return actions;
}

}  // namespace

MenuModel::MenuModel() : items_(WindowMenus()) {}

MenuItem* MenuModel::Find(const std::string& name, int index) {
    for (MenuItem& item : items_)
        if (item.Name == name && item.Index == index) return &item;
    return nullptr;
}

const MenuItem* MenuModel::Find(const std::string& name, int index) const {
    return const_cast<MenuModel*>(this)->Find(name, index);
}

void MenuModel::SetChecked(const std::string& name, int index, bool checked) {
    if (MenuItem* item = Find(name, index)) item->Checked = checked;
}

bool MenuModel::IsChecked(const std::string& name, int index) const {
    const MenuItem* item = Find(name, index);
    return item && item->Checked;
}

void ClickMenuItem(const MenuItem& item) {
    const auto action = ItemActions().find(item.Name);
    if (action != ItemActions().end()) action->second(static_cast<std::int16_t>(item.Index));
}

}  // namespace orrin
