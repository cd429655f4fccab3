#include "ui/commands/command_actions.h"

#include <QAction>
#include <QFileInfo>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>
#include <QWidget>

#include "ui/commands/command_ids.h"
#include "ui/commands/command_table.h"

namespace {

QString MenuTextOf(const CommandInfo& info, const char* override_text) {
    return QString::fromUtf8(override_text != nullptr ? override_text : info.menu_text);
}

QList<QKeySequence> KeysOf(const CommandInfo& info) {
    QList<QKeySequence> keys;
    if (info.keys != nullptr) {
        for (const QString& key : QString::fromUtf8(info.keys).split(QLatin1Char(';'))) {
            keys << QKeySequence(key, QKeySequence::PortableText);
        }
    }
    return keys;
}

}  // namespace

CCommandActions::CCommandActions(QWidget* owner)
    : QObject(owner), owner_(owner), update_timer_(new QTimer(this)) {
    for (const CommandInfo& info : command_table::All()) {
        auto* action = new QAction(MenuTextOf(info, nullptr), owner);
        action->setShortcuts(KeysOf(info));
        action->setCheckable(info.checkable);
        action->setToolTip(QString::fromUtf8(info.tool_tip));
        action->setStatusTip(QString::fromUtf8(info.status_help));
        action->setWhatsThis(QString::fromUtf8(info.status_help));
        if (info.icon != nullptr) {
            action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(info.icon)));
        }
        const int id = info.id;
        connect(action, &QAction::triggered, this, [this, id] { Run(id); });
        owner->addAction(action);
        actions_[id] = action;
    }
    for (int i = 0; i < cmd::kRecentFileCount; ++i) {
        auto* action = new QAction(owner);
        const int id = cmd::kFileMru1 + i;
        connect(action, &QAction::triggered, this, [this, id] { Run(id); });
        actions_[id] = action;
    }
    SetRecentFiles({});
    update_timer_->setSingleShot(true);
    update_timer_->setInterval(0);
    connect(update_timer_, &QTimer::timeout, this, &CCommandActions::UpdateAll);
}

QAction* CCommandActions::Action(int id) const {
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second;
}

CommandState CCommandActions::StateOf(int id) const {
    if (chain_) {
        for (ICommandTarget* target : chain_()) {
            if (target == nullptr) {
                continue;
            }
            if (const std::optional<CommandState> state = target->QueryCommand(id)) {
                return *state;
            }
        }
    }
    return {false, false};
}

bool CCommandActions::Run(int id) {
    if (!chain_) {
        return false;
    }
    for (ICommandTarget* target : chain_()) {
        if (target == nullptr) {
            continue;
        }
        if (const std::optional<CommandState> state = target->QueryCommand(id)) {
            if (!state->enabled) {
                return false;
            }
            target->RunCommand(id);
            RequestUpdate();
            return true;
        }
    }
    return false;
}

void CCommandActions::SetRecentFiles(const std::vector<QString>& paths) {
    recent_count_ = static_cast<int>(std::min<size_t>(paths.size(), cmd::kRecentFileCount));
    for (int i = 0; i < cmd::kRecentFileCount; ++i) {
        QAction* action = actions_[cmd::kFileMru1 + i];
        if (i < recent_count_) {
            const QString& path = paths[static_cast<size_t>(i)];
            action->setText(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
            action->setStatusTip(path);
            action->setToolTip(path);
            action->setVisible(true);
        } else {
            // An empty list still shows its place in the menu, disabled.
            action->setText(QStringLiteral("最近使ったﾌｧｲﾙ"));
            action->setStatusTip({});
            action->setVisible(i == 0 && recent_count_ == 0);
        }
    }
}

void CCommandActions::RequestUpdate() {
    update_timer_->start();
}

void CCommandActions::UpdateAll() {
    for (const auto& [id, action] : actions_) {
        const CommandState state = StateOf(id);
        action->setEnabled(state.enabled);
        if (action->isCheckable()) {
            action->setChecked(state.checked);
        }
    }
}

void CCommandActions::AddItems(QMenu* menu, const std::vector<MenuItem>& items, bool context) {
    for (const MenuItem& item : items) {
        if (item.IsSubmenu()) {
            QMenu* sub = menu->addMenu(QString::fromUtf8(item.text));
            AddItems(sub, item.children, context);
        } else if (item.IsSeparator()) {
            menu->addSeparator();
        } else if (item.id == menu_layout::kRecentFiles) {
            for (int i = 0; i < cmd::kRecentFileCount; ++i) {
                menu->addAction(actions_[cmd::kFileMru1 + i]);
            }
        } else if (item.id == menu_layout::kWindowList) {
            QAction* marker = menu->addSeparator();
            marker->setVisible(false);
            connect(menu, &QMenu::aboutToShow, this, [this, menu, marker] {
                // The list is rebuilt each time: windows come and go.
                for (QAction* old : menu->actions()) {
                    if (old->property("qm_window_entry").toBool()) {
                        menu->removeAction(old);
                        old->deleteLater();
                    }
                }
                if (!window_list_) {
                    return;
                }
                int number = 1;
                for (const WindowEntry& entry : window_list_()) {
                    auto* window = new QAction(
                        number <= 9 ? QStringLiteral("&%1 %2").arg(number).arg(entry.title)
                                    : entry.title,
                        menu);
                    window->setProperty("qm_window_entry", true);
                    window->setCheckable(true);
                    window->setChecked(entry.active);
                    connect(window, &QAction::triggered, this, entry.activate);
                    menu->addAction(window);
                    ++number;
                }
                marker->setVisible(number > 1);
            });
        } else if (QAction* action = Action(item.id)) {
            if (context && item.text != nullptr) {
                // A shorter text in this menu only: a proxy that runs the same command.
                auto* proxy = new QAction(QString::fromUtf8(item.text), menu);
                proxy->setStatusTip(action->statusTip());
                proxy->setEnabled(action->isEnabled());
                const int id = item.id;
                connect(proxy, &QAction::triggered, this, [this, id] { Run(id); });
                menu->addAction(proxy);
            } else {
                menu->addAction(action);
            }
        }
    }
    connect(menu, &QMenu::aboutToShow, this, &CCommandActions::UpdateAll);
}

void CCommandActions::FillMenuBar(QMenuBar* bar, const std::vector<MenuItem>& layout) {
    std::vector<QMenu*>& menus = menu_bars_[&layout];
    if (menus.empty()) {
        // Each layout's menus are built once and kept; switching bars only swaps them.
        for (const MenuItem& top : layout) {
            auto* menu = new QMenu(QString::fromUtf8(top.text), owner_);
            AddItems(menu, top.children, false);
            menus.push_back(menu);
        }
    }
    bar->clear();
    for (QMenu* menu : menus) {
        bar->addMenu(menu);
    }
}

void CCommandActions::FillToolBar(QToolBar* toolbar, std::span<const int> ids) {
    for (const int id : ids) {
        if (id == 0) {
            toolbar->addSeparator();
        } else if (QAction* action = Action(id)) {
            toolbar->addAction(action);
        }
    }
}

QMenu* CCommandActions::CreateContextMenu(const std::vector<MenuItem>& layout, QWidget* parent) {
    UpdateAll();
    auto* menu = new QMenu(parent);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    AddItems(menu, layout, true);
    return menu;
}
