#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <map>
#include <span>
#include <vector>

#include "ui/commands/command_target.h"
#include "ui/commands/menu_layout.h"

class QAction;
class QMenu;
class QMenuBar;
class QTimer;
class QToolBar;
class QWidget;

// The QActions of every command in the command table, with their texts, keys, icons, tool
// tips and status help, and the menus, toolbars and context menus built from the layouts.
// A triggered action goes to the first target of the chain that handles it; the enabled and
// checked states are asked of the same chain whenever something may have changed
// (RequestUpdate), before a menu opens, and a few times a second.
class CCommandActions : public QObject {
    Q_OBJECT
public:
    using TargetChain = std::function<std::vector<ICommandTarget*>()>;
    struct WindowEntry {
        QString title;
        bool active = false;
        std::function<void()> activate;
    };
    using WindowList = std::function<std::vector<WindowEntry>()>;

    // The actions are added to owner, so their keys work anywhere in its window.
    explicit CCommandActions(QWidget* owner);

    void SetTargetChain(TargetChain chain) { chain_ = std::move(chain); }
    void SetWindowList(WindowList list) { window_list_ = std::move(list); }
    // The recent-file entries shown as kFileMru1 .. kFileMru1 + 8.
    void SetRecentFiles(const std::vector<QString>& paths);

    QAction* Action(int id) const;
    // The state the chain gives id (disabled when nobody handles it).
    CommandState StateOf(int id) const;
    // Runs id when it is enabled now; false otherwise.
    bool Run(int id);

    void FillMenuBar(QMenuBar* bar, const std::vector<MenuItem>& layout);
    void FillToolBar(QToolBar* toolbar, std::span<const int> ids);
    // A context menu of the layout with states as they are now (deleted on close).
    QMenu* CreateContextMenu(const std::vector<MenuItem>& layout, QWidget* parent);

public slots:
    // Brings every action up to date soon (coalesced).
    void RequestUpdate();
    void UpdateAll();

private:
    void AddItems(QMenu* menu, const std::vector<MenuItem>& items, bool context);

    QWidget* owner_;
    std::map<int, QAction*> actions_;
    std::map<const std::vector<MenuItem>*, std::vector<QMenu*>> menu_bars_;
    TargetChain chain_;
    WindowList window_list_;
    QTimer* update_timer_;
    int recent_count_ = 0;
};
